// The frozen lake: a sheet of ice from the shore to the horizon, cracked, glazed with the sky's light and
// swept by blown snow.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kIceFar = 0xe4f2f8;
constexpr QRgb kIceNear = 0x8fc3d8;
constexpr QRgb kIceDeep = 0x5f9ab8;

// A jagged crack from a point, forking once; length in pixels, heading in degrees.
void PaintCrack(Sketch& sketch, QPointF from, double length, double heading, int seed) {
  QPainterPath crack(from);
  QPointF point = from;
  QPointF fork;
  for (int step = 1; step <= 6; ++step) {
    const double turn = (Scatter(seed * 7 + step) - 0.5) * 50;
    const double angle = (heading + turn) * 3.14159 / 180;
    point += QPointF(std::cos(angle), std::sin(angle) * 0.35) * (length / 6);
    crack.lineTo(point);
    if (step == 3) fork = point;
  }
  const double forkAngle = (heading + (seed % 2 == 0 ? 40 : -40)) * 3.14159 / 180;
  crack.moveTo(fork);
  crack.lineTo(fork + QPointF(std::cos(forkAngle), std::sin(forkAngle) * 0.35) * length * 0.35);
  sketch.Stroke(crack, kIceDeep, 2.5);
  sketch.Stroke(crack, kWhite, 0.8);
}

// Ice from the horizon line top to the bottom of the frame, paler far away; cracks=N cracks scattered on it,
// snow drifts blown along its surface; seed varies them.
void PaintIceSheet(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 190);
  const int cracks = static_cast<int>(layer.Number("cracks", 5));
  const int seed = static_cast<int>(layer.Number("seed", 1));
  QLinearGradient ice(0, top, 0, kFrameHeight);
  ice.setColorAt(0.0, QColor::fromRgb(kIceFar));
  ice.setColorAt(1.0, QColor::fromRgb(kIceNear));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(ice);
  sketch.Painter().drawRect(QRectF(0, top, kFrameWidth, kFrameHeight - top + 1));
  sketch.InkLine(0, top, kFrameWidth, top);
  // The sky glazed on the ice in long pale streaks, narrower far away; glaze=soft lays them as soft-edged
  // sheens of polished ice instead of hard panes.
  const bool soft = layer.Word("glaze", "panes") == "soft";
  for (int streak = 0; streak < (soft ? 9 : 5); ++streak) {
    const double along = (streak + 0.5) / (soft ? 9 : 5);
    const double y = top + along * along * (kFrameHeight - top);
    const double x = Scatter(seed * 13 + streak) * kFrameWidth * 0.6;
    if (soft) {
      const double length = 70 + 220 * along;
      QLinearGradient sheen(x, 0, x + length, 0);
      QColor white = QColor::fromRgb(kWhite);
      white.setAlphaF(0);
      sheen.setColorAt(0, white);
      white.setAlphaF(0.55f);
      sheen.setColorAt(0.4, white);
      white.setAlphaF(0);
      sheen.setColorAt(1, white);
      sketch.Painter().setPen(Qt::NoPen);
      sketch.Painter().setBrush(sheen);
      sketch.Painter().drawEllipse(QPointF(x + length / 2, y), length / 2, 1.5 + 7 * along);
      continue;
    }
    sketch.FlatPolygon({At(x, y), At(x + 160 * along + 40, y - 2), At(x + 200 * along + 60, y + 3 + 6 * along), At(x + 20, y + 4 + 6 * along)}, kWhite);
  }
  for (int crack = 0; crack < cracks; ++crack) {
    const double along = 0.25 + 0.75 * Scatter(seed * 17 + crack);
    const QPointF from(Scatter(seed * 19 + crack) * kFrameWidth, top + along * (kFrameHeight - top));
    PaintCrack(sketch, from, 60 + 140 * along, Scatter(seed * 23 + crack) * 360, seed + crack);
  }
  // Snow blown across the ice in low wisps, all leaning the wind's way.
  for (int wisp = 0; wisp < 9; ++wisp) {
    const double along = Scatter(seed * 29 + wisp);
    const double y = top + 10 + along * (kFrameHeight - top - 20);
    const double x = Scatter(seed * 31 + wisp) * kFrameWidth;
    const double size = 20 + 60 * along;
    QPainterPath drift;
    drift.moveTo(x - size, y);
    drift.quadTo(x - size * 0.2, y - size * 0.25, x + size, y - size * 0.05);
    drift.quadTo(x, y + size * 0.06, x - size, y);
    sketch.Fill(drift, kSnow);
  }
}

// A drift of snow w wide and h high, its crest carved by the wind: lit on the side facing the light, cold
// blue in the lee, ripples across its face and frozen reeds poking through; origin at its foot, middle.
void PaintSnowDrift(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  const double height = layer.Number("h", 60);
  const int reeds = static_cast<int>(layer.Number("reeds", 0));
  const std::uint32_t seed = sketch.Seed();
  const bool lightFromLeft = sketch.Air().LightDirection().x() >= 0;
  QPainter& painter = sketch.Painter();
  const double half = width / 2;
  // The crest runs off-centre, towards the wind's lee, and overhangs a little there.
  const double crestX = half * (0.2 + 0.3 * LatticeValue(1, 1, seed)) * (lightFromLeft ? 1 : -1);
  QPainterPath drift;
  drift.moveTo(-half, 0);
  drift.cubicTo(-half * 0.6, -height * 0.2, crestX - half * 0.4, -height, crestX, -height);
  drift.cubicTo(crestX + half * 0.12, -height * 1.02, crestX + half * 0.1, -height * 0.6, half * 0.7, -height * 0.15);
  drift.quadTo(half * 0.9, 0, half, 0);
  drift.closeSubpath();
  sketch.Fill(drift, kSnow);
  painter.save();
  painter.setClipPath(drift);
  QLinearGradient glow(0, -height, 0, 0);
  glow.setColorAt(0, WithAlpha(0xfff6e4, 0.35));
  glow.setColorAt(1, WithAlpha(0xfff6e4, 0));
  painter.setBrush(glow);
  painter.drawPath(drift);
  // The lee face in cold blue shade, the lit face warm white.
  QPainterPath lee;
  lee.moveTo(crestX, -height * 1.1);
  lee.cubicTo(crestX - half * 0.04, -height * 0.6, crestX + half * 0.1, -height * 0.2, crestX + half * 0.28, 10);
  lee.lineTo(half * 1.2, 10);
  lee.lineTo(half * 1.2, -height * 1.2);
  lee.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x8aa4d4, 0.7));
  painter.drawPath(lightFromLeft ? lee : lee * QTransform::fromScale(-1, 1));
  // Wind ripples across the lit face.
  for (int ripple = 0; ripple < 7; ++ripple) {
    const double y = -height * (0.12 + ripple * 0.11);
    const double x = -half * 0.7 + LatticeValue(ripple, 2, seed) * half * 0.8;
    QPainterPath line(QPointF(x, y));
    line.quadTo(x + 20, y - 4, x + 46 + 30 * LatticeValue(ripple, 3, seed), y + 1);
    painter.setPen(QPen(WithAlpha(0x9ab0d8, 0.5), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
  }
  painter.restore();
  sketch.Outline(drift);
  for (int reed = 0; reed < reeds; ++reed) {
    const double x = -half * 0.8 + LatticeValue(reed, 4, seed) * half * 1.6;
    const double tall = height * (0.6 + 0.9 * LatticeValue(reed, 5, seed));
    const double lean = 6 + 10 * LatticeValue(reed, 6, seed);
    const double foot = -height * 0.25 * (1 - std::abs(x) / half);
    sketch.Line(x, foot, x + lean, foot - tall, 0x8a7a5a, 1.6);
    if (reed % 2 == 0) sketch.Oval(x + lean, foot - tall, 2, 6, 0x6a5038);
  }
}

// Snow blown off the ice in long streaming veils along the wind, thick low down and thinning upwards, across
// the frame from y=top to y=bottom; count= veils.
void PaintSpindrift(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 200);
  const double bottom = layer.Number("bottom", 400);
  const int count = static_cast<int>(layer.Number("count", 14));
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  painter.setPen(Qt::NoPen);
  for (int veil = 0; veil < count; ++veil) {
    const double along = LatticeValue(veil, 1, seed);
    const double y = top + along * (bottom - top);
    const double length = 60 + 220 * along;
    const double x = LatticeValue(veil, 2, seed) * (kFrameWidth + length) - length;
    const double thick = 2 + 9 * along;
    QLinearGradient streak(x, 0, x + length, 0);
    streak.setColorAt(0, WithAlpha(kWhite, 0));
    streak.setColorAt(0.3, WithAlpha(kWhite, 0.75));
    streak.setColorAt(1, WithAlpha(kWhite, 0));
    painter.setBrush(streak);
    QPainterPath wisp;
    wisp.moveTo(x, y);
    wisp.cubicTo(x + length * 0.3, y - thick * 1.6, x + length * 0.7, y - thick * 0.4, x + length, y - thick * 1.2);
    wisp.cubicTo(x + length * 0.6, y + thick * 0.2, x + length * 0.3, y + thick * 0.4, x, y);
    painter.drawPath(wisp);
    for (int grain = 0; grain < 6; ++grain) {
      painter.setBrush(WithAlpha(kWhite, 0.7));
      painter.drawEllipse(QPointF(x + length * (0.3 + 0.7 * LatticeValue(veil, grain + 3, seed)), y - thick * LatticeValue(grain, veil, seed)), 1.0 + along, 0.6 + along * 0.5);
    }
  }
}

}  // namespace

void RegisterIceProps(PropRegistry& registry) {
  registry.Add("ice-sheet", PaintIceSheet);
  registry.Add("snow-drift", PaintSnowDrift, 0);
  registry.Add("spindrift", PaintSpindrift);
}

}  // namespace brackenhollow::art
