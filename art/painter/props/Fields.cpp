// The open fields' own growth: heavy uncut grass in layers, and haystacks seen close enough to show their
// straw.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {

using namespace colours;

QRgb Toward(QRgb from, QRgb to, double amount) {
  const double t = std::clamp(amount, 0.0, 1.0);
  const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// Heavy grass across w, up to h high, its roots along the origin's line: three layers from the dark
// thatch at the back to tall lit blades and seed heads in front, some blades bent over.
void PaintHeavyGrass(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 120);
  const std::uint32_t seed = sketch.Seed();
  const double lightSide = sketch.Air().LightDirection().x() > 0 ? -1 : 1;
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  // The thatch the blades rise from: dark, cool, with a soft top.
  QLinearGradient thatch(0, -height * 0.4, 0, 0);
  thatch.setColorAt(0, QColor(0, 0, 0, 0));
  thatch.setColorAt(0.5, QColor(kGrassDark));
  QColor roots(kLeafDark);
  roots.setAlphaF(0.6f);
  thatch.setColorAt(1, roots);
  painter.fillRect(QRectF(0, -height * 0.4, width, height * 0.4), thatch);
  const QRgb layers[3][2] = {{kPineDark, kLeafDark}, {kLeafDark, kGrassDark}, {kGrassDark, kGrass}};
  for (int depth = 0; depth < 3; ++depth) {
    const double reach = height * (0.55 + 0.22 * depth);
    const int blades = static_cast<int>(width / (2.0 + depth * 0.7));
    for (int blade = 0; blade < blades; ++blade) {
      const double x = (blade + LatticeValue(blade, depth, seed)) * width / blades;
      const double tall = reach * (0.5 + 0.5 * LatticeValue(blade, depth + 10, seed));
      const bool bent = LatticeValue(blade, depth + 20, seed) < 0.15;
      const double lean = (LatticeValue(blade, depth + 30, seed) - 0.5) * tall * (bent ? 1.3 : 0.45);
      const double base = 1.6 + depth * 0.8;
      QPainterPath path(QPointF(x - base, 0));
      const QPointF tip = bent ? QPointF(x + lean, -tall * 0.55) : QPointF(x + lean, -tall);
      path.quadTo(QPointF(x + lean * 0.15, -tall * 0.7), tip);
      path.quadTo(QPointF(x + lean * 0.1 + base * 0.5, -tall * 0.6), QPointF(x + base, 0));
      path.closeSubpath();
      // Blades leaning towards the light are lit along their length; tips pale and dry.
      const double sun = std::clamp(0.45 + 0.5 * lightSide * -lean / std::max(1.0, tall) + 0.2 * LatticeValue(blade, depth + 40, seed), 0.0, 1.0);
      QLinearGradient shade(0, 0, 0, -tall);
      shade.setColorAt(0, QColor(Toward(layers[depth][0], kGloom, 0.25)));
      shade.setColorAt(0.6, QColor(Toward(layers[depth][0], layers[depth][1], sun)));
      shade.setColorAt(1, QColor(Toward(layers[depth][1], kCornDry, 0.1 + 0.35 * sun)));
      painter.fillPath(path, shade);
      // The tallest blades in front carry a thin dark edge on their shaded side.
      if (depth == 2 && tall > reach * 0.85) painter.strokePath(path, QPen(QColor(Toward(kLeafDark, kInk, 0.4)), 0.6));
      if (depth == 2 && LatticeValue(blade, 50, seed) < 0.12) {
        // A seed head nodding on its stem.
        const QPointF head = tip + QPointF(lean * 0.1, -4);
        painter.setPen(QPen(QColor(kHayDark), 1.1));
        painter.drawLine(tip, head);
        for (int grain = 0; grain < 6; ++grain) {
          const QPointF at = head + QPointF((grain % 2 == 0 ? -1 : 1) * 2.2, -grain * 2.6);
          painter.setPen(Qt::NoPen);
          painter.setBrush(QColor(grain % 3 == 0 ? kHay : kCornDry));
          painter.drawEllipse(at, 1.6, 2.6);
        }
      }
    }
  }
  painter.restore();
}

// A haystack seen close, w wide and h high, its foot on the origin: a rounded heap of straw combed by the
// rain, shaded round its bulk away from the light, loose wisps sticking out of its rim, damp and dark at
// the foot; twinkle=yes hides a glint of metal in it.
void PaintCloseHaystack(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  const double height = layer.Number("h", width * 0.8);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  QPainterPath heap;
  heap.moveTo(-width / 2, 0);
  heap.cubicTo(-width * 0.56, -height * 0.62, -width * 0.28, -height * 1.02, 0, -height);
  heap.cubicTo(width * 0.3, -height * 0.98, width * 0.56, -height * 0.6, width / 2, 0);
  heap.closeSubpath();
  sketch.Shape(heap, kHay);
  painter.save();
  painter.setClipPath(heap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPointF light = sketch.Air().LightDirection();
  // Round shading: bright where the bulk faces the light, cool and dark on the far side and at the foot.
  QRadialGradient bulk(QPointF(-light.x() * width * 0.25, -height * 0.7), width * 0.85);
  bulk.setColorAt(0, QColor(255, 246, 200, 90));
  bulk.setColorAt(0.45, QColor(0, 0, 0, 0));
  bulk.setColorAt(1, QColor(58, 48, 80, 150));
  painter.fillRect(QRectF(-width, -height * 1.1, width * 2, height * 1.2), bulk);
  // Straws combed downwards round the heap, in bunches of lighter and darker.
  for (int straw = 0; straw < static_cast<int>(width * 1.4); ++straw) {
    const double across = LatticeValue(straw, 1, seed) * 2 - 1;
    const double up = LatticeValue(straw, 2, seed);
    const double x = across * width * 0.5 * std::sqrt(1 - up * up * 0.7);
    const double y = -height * up;
    const double length = 10 + 22 * LatticeValue(straw, 3, seed);
    const double slope = across * 0.8;
    const QRgb colour = LatticeValue(straw, 4, seed) < 0.5 ? kHayDark : (LatticeValue(straw, 5, seed) < 0.5 ? kCornDry : 0xf4dc8a);
    painter.setPen(QPen(QColor(colour), 1.1 + LatticeValue(straw, 6, seed)));
    painter.drawLine(QPointF(x, y), QPointF(x + slope * length, y + length));
  }
  QLinearGradient foot(0, -height * 0.18, 0, 0);
  foot.setColorAt(0, QColor(0, 0, 0, 0));
  foot.setColorAt(1, QColor(70, 52, 30, 150));
  painter.fillRect(QRectF(-width, -height * 0.18, width * 2, height * 0.2), foot);
  painter.restore();
  // Wisps sticking out of the rim.
  for (int wisp = 0; wisp < 40; ++wisp) {
    const double along = LatticeValue(wisp, 7, seed);
    const QPointF rim = heap.pointAtPercent(0.04 + along * 0.92);
    const double angle = LatticeValue(wisp, 8, seed) * 3.1;
    sketch.Line(rim.x(), rim.y(), rim.x() + std::cos(angle) * 14, rim.y() - std::sin(angle) * 10, kCornDry, 1.3);
  }
  if (layer.Flag("twinkle", false)) {
    const QPointF at(width * 0.1, -height * 0.48);
    sketch.Glow(at.x(), at.y(), width * 0.18, kGlowPale, 0.6);
    sketch.Painter().save();
    sketch.Painter().translate(at);
    const double ray = width * 0.09;
    sketch.FlatPolygon({At(0, -ray), At(ray * 0.15, -ray * 0.15), At(ray, 0), At(ray * 0.15, ray * 0.15), At(0, ray),
                        At(-ray * 0.15, ray * 0.15), At(-ray, 0), At(-ray * 0.15, -ray * 0.15)},
                       kWhite);
    sketch.Oval(0, 0, ray * 0.14, ray * 0.14, kSilver);
    sketch.Painter().restore();
  }
}

}  // namespace

void RegisterFieldProps(PropRegistry& registry) {
  registry.Add("heavy-grass", PaintHeavyGrass);
  registry.Add("close-haystack", PaintCloseHaystack, 120);
}

}  // namespace brackenhollow::art
