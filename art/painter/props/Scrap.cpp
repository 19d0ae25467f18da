// Heaps of scrap for the junkyard: each heap a mound of real junk, tyres, car bodies, springs, white goods,
// barrels, pipes and corrugated sheets, piled back to front and grown from the seed.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/WoodKit.h"

#include "art/painter/Noise.h"

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kHeapShade = 0x4a3e36;
constexpr QRgb kTyre = 0x26242a;
constexpr QRgb kTyreLight = 0x5a5862;
constexpr QRgb kFadedPaint[] = {0x5f7f96, 0x7a8a5a, 0xb8a47a, 0x8a5a4a, 0x6a6a7a};
constexpr QRgb kEnamel = 0xd8d2c0;

double Vary(std::uint32_t seed, int salt, int row = 0) {
  return LatticeValue(salt, row, seed);
}

// A tyre of radius lying tilted: black rubber with a tread round its rim, the hole dark, light on its top.
void PaintTyre(Sketch& sketch, double radius) {
  sketch.Oval(0, 0, radius, radius * 0.62, kTyre);
  if (sketch.IsSilhouette()) return;
  QPainter& painter = sketch.Painter();
  painter.setPen(QPen(QColor::fromRgb(kTyreLight), std::max(0.8, radius * 0.06)));
  for (int tread = 0; tread < 14; ++tread) {
    const double angle = tread * 6.2832 / 14;
    const QPointF outer(std::cos(angle) * radius * 0.96, std::sin(angle) * radius * 0.6);
    painter.drawLine(outer, outer * 0.86);
  }
  sketch.Oval(0, radius * 0.04, radius * 0.48, radius * 0.28, kHeapShade);
  painter.setBrush(Qt::NoBrush);
  QPen shine(QColor::fromRgb(0x8a8892), std::max(0.8, radius * 0.08));
  shine.setCapStyle(Qt::RoundCap);
  painter.setPen(shine);
  painter.drawArc(QRectF(-radius * 0.85, -radius * 0.55, radius * 1.7, radius * 1.0), 100 * 16, 60 * 16);
}

// A wrecked car's body about size long: faded paint gone to rust, the cabin's windows empty, wheel arches
// gaping, a crumpled wing.
void PaintCarBody(Sketch& sketch, double size, QRgb paint, std::uint32_t seed) {
  QPainterPath body;
  body.moveTo(-size * 0.5, 0);
  body.lineTo(-size * 0.52, -size * 0.18);
  body.lineTo(-size * 0.3, -size * 0.22);
  body.lineTo(-size * 0.18, -size * 0.4);
  body.lineTo(size * 0.16, -size * 0.41);
  body.lineTo(size * 0.3, -size * 0.23);
  body.lineTo(size * 0.5, -size * 0.2 + size * 0.04 * Vary(seed, 1));
  body.lineTo(size * 0.5, 0);
  body.closeSubpath();
  sketch.Shape(body, paint);
  if (sketch.IsSilhouette()) return;
  sketch.Polygon({At(-size * 0.15, -size * 0.37), At(-size * 0.02, -size * 0.37), At(-size * 0.02, -size * 0.24), At(-size * 0.25, -size * 0.24)},
                 0x1c1a22);
  sketch.Polygon({At(size * 0.02, -size * 0.37), At(size * 0.14, -size * 0.37), At(size * 0.24, -size * 0.24), At(size * 0.02, -size * 0.24)},
                 0x1c1a22);
  for (const double x : {-0.32, 0.3}) {
    QPainterPath arch;
    arch.moveTo(size * (x - 0.1), 0);
    arch.quadTo(size * x, -size * 0.2, size * (x + 0.1), 0);
    arch.closeSubpath();
    sketch.Shape(arch, kHeapShade);
  }
  // Rust eating through the paint.
  QPainter& painter = sketch.Painter();
  painter.setPen(Qt::NoPen);
  for (int patch = 0; patch < 5; ++patch) {
    QColor rust = QColor::fromRgb(patch % 2 ? kRust : kRustDark);
    rust.setAlphaF(0.75f);
    painter.setBrush(rust);
    painter.drawEllipse(QPointF((Vary(seed, patch, 2) - 0.5) * size * 0.8, -size * (0.04 + 0.14 * Vary(seed, patch, 3))),
                        size * (0.03 + 0.05 * Vary(seed, patch, 4)), size * 0.025);
  }
  sketch.InkLine(-size * 0.5, -size * 0.12, size * 0.5, -size * 0.11);
}

// A coil spring about size long lying on its side.
void PaintSpring(Sketch& sketch, double size) {
  QPainter& painter = sketch.Painter();
  painter.setBrush(Qt::NoBrush);
  for (const bool ink : {true, false}) {
    QPen pen(QColor::fromRgb(ink ? kInk : 0x9aa0a8), size * (ink ? 0.07 : 0.04));
    painter.setPen(pen);
    for (int turn = 0; turn < 7; ++turn) painter.drawEllipse(QPointF(-size * 0.45 + turn * size * 0.15, 0), size * 0.08, size * 0.18);
  }
}

// An old fridge or washing machine about size high, its enamel chipped; lying at an angle.
void PaintWhiteGoods(Sketch& sketch, double size, bool washer) {
  sketch.Shape(RoundedBox(-size * 0.32, -size, size * 0.64, size, size * 0.06), kEnamel);
  if (sketch.IsSilhouette()) return;
  if (washer) {
    sketch.Oval(0, -size * 0.45, size * 0.2, size * 0.2, kMetalDark);
    sketch.Oval(0, -size * 0.45, size * 0.13, size * 0.13, 0x2a2a34);
  } else {
    sketch.InkLine(-size * 0.32, -size * 0.66, size * 0.32, -size * 0.66);
    sketch.Box(size * 0.2, -size * 0.9, size * 0.04, size * 0.18, kMetal);
  }
  QPainter& painter = sketch.Painter();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(kRustDark));
  painter.drawEllipse(QPointF(-size * 0.18, -size * 0.15), size * 0.06, size * 0.035);
  painter.drawEllipse(QPointF(size * 0.1, -size * 0.8), size * 0.04, size * 0.03);
}

// A rusty oil drum about size high with its rings.
void PaintDrum(Sketch& sketch, double size) {
  sketch.Shape(RoundedBox(-size * 0.3, -size, size * 0.6, size, size * 0.05), kRust);
  if (sketch.IsSilhouette()) return;
  sketch.Oval(0, -size, size * 0.3, size * 0.08, kRustDark);
  sketch.InkLine(-size * 0.3, -size * 0.35, size * 0.3, -size * 0.35);
  sketch.InkLine(-size * 0.3, -size * 0.68, size * 0.3, -size * 0.68);
}

// A sheet of corrugated iron about size long, its ridges catching the light.
void PaintSheet(Sketch& sketch, double size) {
  sketch.Polygon({At(-size * 0.5, 0), At(-size * 0.42, -size * 0.3), At(size * 0.5, -size * 0.34), At(size * 0.44, -size * 0.02)}, kMetalDark);
  if (sketch.IsSilhouette()) return;
  QPainter& painter = sketch.Painter();
  for (int ridge = 1; ridge < 9; ++ridge) {
    const double share = ridge / 9.0;
    painter.setPen(QPen(QColor::fromRgb(ridge % 2 ? kMetal : kIron), std::max(0.8, size * 0.012)));
    painter.drawLine(QPointF(-size * 0.5 + share * size * 0.94, -share * 0.02 * size),
                     QPointF(-size * 0.42 + share * size * 0.92, -size * 0.3 - share * 0.04 * size));
  }
}

// A pipe or a girder about size long.
void PaintPipe(Sketch& sketch, double size, QRgb colour) {
  sketch.Shape(RoundedBox(-size * 0.5, -size * 0.035, size, size * 0.07, size * 0.03), colour);
  if (!sketch.IsSilhouette()) sketch.Oval(size * 0.5, 0, size * 0.02, size * 0.035, kIron);
}

// A bicycle wheel about size across: a thin rim and spokes.
void PaintWheel(Sketch& sketch, double size) {
  QPainter& painter = sketch.Painter();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor::fromRgb(kInk), size * 0.06));
  painter.drawEllipse(QPointF(0, 0), size * 0.5, size * 0.34);
  painter.setPen(QPen(QColor::fromRgb(kMetal), size * 0.03));
  painter.drawEllipse(QPointF(0, 0), size * 0.5, size * 0.34);
  painter.setPen(QPen(QColor::fromRgb(0x8a9098), std::max(0.5, size * 0.012)));
  for (int spoke = 0; spoke < 8; ++spoke) {
    const double angle = spoke * 3.14159 / 8;
    painter.drawLine(QPointF(std::cos(angle) * size * 0.48, std::sin(angle) * size * 0.32),
                     QPointF(-std::cos(angle) * size * 0.48, -std::sin(angle) * size * 0.32));
  }
}

// A heap of scrap w wide and h high on the origin: a dark mound heaped with junk, the pieces higher up
// behind those lower down, each shaded by the light; what lies on top catches it.
void PaintScrapHeap(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  const double height = layer.Number("h", width * 0.5);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  const auto topAt = [&](double x) {
    const double share = std::clamp(x / (width / 2), -1.0, 1.0);
    const double dome = std::sqrt(std::max(0.0, 1.0 - share * share));
    return -height * dome * (0.8 + 0.3 * FractalNoise(x / 50.0, 0.5, seed, 2));
  };
  QPainterPath mound;
  mound.moveTo(-width / 2, 0);
  // The mound under the junk sits lower than the pieces heaped on it, so junk makes the heap's outline.
  for (double x = -width / 2; x <= width / 2; x += 6) mound.lineTo(x, topAt(x) * 0.8);
  mound.lineTo(width / 2, 0);
  mound.closeSubpath();
  sketch.Shape(mound, kIron);
  if (sketch.IsSilhouette()) return;
  QPainter& painter = sketch.Painter();
  // Rows from the top of the heap down, so lower pieces lie in front.
  const int rows = 6;
  int piece = 0;
  for (int row = 0; row < rows; ++row) {
    const double depth = (row + 0.5) / rows;  // 0 at the top, 1 at the foot
    const double rowWidth = width * (0.6 + 0.35 * depth);
    const int count = 4 + row * 2;
    for (int index = 0; index < count; ++index, ++piece) {
      const double x = -rowWidth / 2 + rowWidth * (index + 0.2 + 0.6 * Vary(seed, piece, 1)) / count;
      const double y = topAt(x) * (1.0 - depth * 0.95);
      const double size = height * (0.32 + 0.28 * Vary(seed, piece, 2)) * (0.75 + 0.4 * depth);
      painter.save();
      painter.translate(x, std::min(-size * 0.05, y + size * 0.15));
      painter.rotate((Vary(seed, piece, 3) - 0.5) * 50);
      const double pick = Vary(seed, piece, 4);
      if (pick < 0.24) PaintTyre(sketch, size * 0.36);
      else if (pick < 0.36) PaintCarBody(sketch, size * 1.5, kFadedPaint[piece % 5], MixSeed(seed, static_cast<std::uint32_t>(piece)));
      else if (pick < 0.48) PaintSpring(sketch, size * 0.7);
      else if (pick < 0.58) PaintWhiteGoods(sketch, size * 0.7, piece % 2 == 0);
      else if (pick < 0.68) PaintDrum(sketch, size * 0.6);
      else if (pick < 0.8) PaintSheet(sketch, size);
      else if (pick < 0.9) PaintPipe(sketch, size * 1.2, piece % 2 ? kIron : kRustDark);
      else PaintWheel(sketch, size * 0.7);
      painter.restore();
    }
  }
  // Shade gathers towards the foot of the heap; the light catches its top.
  const QRectF bounds = mound.boundingRect();
  QLinearGradient shade(0, bounds.top(), 0, 0);
  QColor dark = QColor::fromRgb(0x241c2a);
  dark.setAlphaF(0);
  shade.setColorAt(0.45, dark);
  dark.setAlphaF(0.4f);
  shade.setColorAt(1.0, dark);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(mound);
}

}  // namespace

void RegisterScrapProps(PropRegistry& registry) {
  registry.Add("scrap-heap", PaintScrapHeap, 100);
}

}  // namespace brackenhollow::art
