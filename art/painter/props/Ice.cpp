// The frozen lake: a sheet of ice from the shore to the horizon, cracked, glazed with the sky's light and
// swept by blown snow.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include <QLinearGradient>

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
  // The sky glazed on the ice in long pale streaks, narrower far away.
  for (int streak = 0; streak < 5; ++streak) {
    const double along = (streak + 0.5) / 5;
    const double y = top + along * along * (kFrameHeight - top);
    const double x = Scatter(seed * 13 + streak) * kFrameWidth * 0.6;
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

}  // namespace

void RegisterIceProps(PropRegistry& registry) {
  registry.Add("ice-sheet", PaintIceSheet);
}

}  // namespace brackenhollow::art
