// The corn maze's paths in perspective: straight on, bending away behind the corn, or forking round it.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include <vector>

namespace brackenhollow::art {

namespace {

using namespace colours;

// A band along a cubic curve from the near end (at the origin, nearWidth wide) to a far end farShare as
// wide, built from the curve's points pushed out either side.
QPainterPath TaperingBand(QPointF start, QPointF control1, QPointF control2, QPointF end, double nearWidth, double farShare) {
  QPainterPath centre(start);
  centre.cubicTo(control1, control2, end);
  constexpr int kSteps = 24;
  std::vector<QPointF> left;
  std::vector<QPointF> right;
  for (int step = 0; step <= kSteps; ++step) {
    const double along = step / static_cast<double>(kSteps);
    const QPointF point = centre.pointAtPercent(along);
    const double angle = centre.angleAtPercent(along) * 3.14159265 / 180.0;
    const QPointF normal(std::sin(angle), std::cos(angle));
    const double half = nearWidth / 2 * (1 - (1 - farShare) * std::sqrt(along));
    left.push_back(point - normal * half);
    right.push_back(point + normal * half);
  }
  QPolygonF outline;
  for (const QPointF& point : left) outline << point;
  for (auto point = right.rbegin(); point != right.rend(); ++point) outline << *point;
  QPainterPath band;
  band.addPolygon(outline);
  band.closeSubpath();
  return band;
}

// A dirt path through the corn from the bottom of the frame into the distance: kind=straight runs on to
// the horizon, bend turns right and away, fork splits left and right; length is how far up it reaches.
void PaintCornPath(Sketch& sketch, const Layer& layer) {
  const double nearWidth = layer.Number("near", 240);
  const double length = layer.Number("length", 200);
  const std::string kind = layer.Word("kind", "straight");
  const QRgb colour = layer.Colour("colour", kPath);
  QPainterPath path;
  if (kind == "straight") {
    path = TaperingBand(At(0, 0), At(0, -length * 0.4), At(0, -length * 0.7), At(0, -length), nearWidth, 0.08);
  } else if (kind == "bend") {
    path = TaperingBand(At(0, 0), At(-nearWidth * 0.1, -length * 0.6), At(nearWidth * 0.05, -length * 0.78),
                        At(nearWidth * 1.1, -length * 0.86), nearWidth, 0.14);
  } else if (kind == "fork") {
    for (const double side : {-1.0, 1.0})
      path = path.united(TaperingBand(At(0, 0), At(0, -length * 0.55), At(side * nearWidth * 0.2, -length * 0.8),
                                      At(side * nearWidth * 1.2, -length * 0.88), nearWidth, 0.14));
  } else {
    throw SceneError(layer.Where() + ": corn-path kind must be straight, bend or fork");
  }
  sketch.Shape(path, colour);
  // Wheel ruts and a few stones give the dirt its direction.
  for (int stone = 0; stone < 14; ++stone) {
    const double along = Scatter(stone + 61);
    const double y = -length * 0.5 * along;
    const double spread = nearWidth * 0.35 * (1 - along);
    sketch.FlatOval((Scatter(stone + 17) - 0.5) * 2 * spread, y, 3 * (1 - along) + 1, 2 * (1 - along) + 0.8, kDirtDark);
  }
}

}  // namespace

void RegisterMazeProps(PropRegistry& registry) {
  registry.Add("corn-path", PaintCornPath);
}

}  // namespace brackenhollow::art
