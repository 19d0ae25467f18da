// Hallways built in space: the camera stands in the hall, turned and raised as its scene says, and every
// wall, floor, door, lamp and window is drawn flat on its own surface and carried onto the frame in that
// surface's perspective (HallSpace). Each room's hall is one box; crossings, doors and windows cut into it.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include "art/painter/HallSpace.h"
#include "art/painter/Noise.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

using namespace colours;

namespace {

constexpr Point3 kUp{0, 1, 0};
// How thick the walls are where a door or window is cut through them (centimetres).
constexpr double kWallThickness = 16;
// The dark gathering with distance: at most this much, half of it about this far away (centimetres).
constexpr double kFogMost = 0.62;
constexpr double kFogReach = 1300;
constexpr QRgb kFogColour = 0x161426;

// How many pixels one frame unit spans in the picture being painted.
double Resolution(QPainter& painter) {
  return std::max(1.0, painter.device()->height() / static_cast<double>(kFrameHeight));
}

// One wall of the hall: u runs along it, v up it, d out of it into the hall (negative: into the wall).
struct WallFrame {
  Point3 origin;
  Point3 along;
  Point3 inward;

  Point3 At(double u, double v, double d) const { return origin + along * u + kUp * v + inward * d; }
};

HallSpace SpaceOf(Sketch& sketch) {
  return HallSpace(sketch.Air().View());
}

// The wall a layer names: "left", "right" or "end" (the far wall at depth= metres, u across from the middle).
WallFrame WallOf(const HallSpace& space, const Layer& layer) {
  const std::string wall = layer.Word("wall", "left");
  const double half = space.Width() / 2;
  if (wall == "left") return {{-half, 0, 0}, {0, 0, 1}, {1, 0, 0}};
  if (wall == "right") return {{half, 0, 0}, {0, 0, 1}, {-1, 0, 0}};
  if (wall == "end") return {{0, 0, layer.Number("depth", 10) * 100}, {1, 0, 0}, {0, 0, -1}};
  throw SceneError(layer.Where() + ": wall is left, right or end");
}

// Where the eye stands along a wall, in that wall's u.
double EyeAlong(const HallSpace& space, const WallFrame& wall) {
  const Point3 eye{space.EyeX() - wall.origin.x, 0, -wall.origin.z};
  return eye.x * wall.along.x + eye.z * wall.along.z;
}

// Draws on a flat surface of the hall in its own centimetres while alive.
class OnPlane {
 public:
  OnPlane(Sketch& sketch, const QTransform& plane) : m_painter(sketch.Painter()) {
    m_painter.save();
    m_painter.setWorldTransform(plane * m_painter.worldTransform());
  }
  OnPlane(Sketch& sketch, const HallSpace& space, const WallFrame& wall, double d = 0)
      : OnPlane(sketch, space.Plane(wall.At(0, 0, d), wall.along, kUp)) {}
  ~OnPlane() { m_painter.restore(); }
  OnPlane(const OnPlane&) = delete;
  OnPlane& operator=(const OnPlane&) = delete;

 private:
  QPainter& m_painter;
};

// Floor (or, at height, ceiling) coordinates: u across, v along the hall.
QTransform FlatAt(const HallSpace& space, double height) {
  return space.Plane({0, height, 0}, {1, 0, 0}, {0, 0, 1});
}

double FogAt(double depth) {
  return kFogMost * (1.0 - std::exp(-std::max(0.0, depth) / kFogReach));
}

// The dark of distance laid over a part of the frame at one depth.
void FogOver(Sketch& sketch, const QPainterPath& framePath, double depth) {
  QColor fog = QColor::fromRgb(kFogColour);
  fog.setAlphaF(static_cast<float>(FogAt(depth)));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(fog);
  sketch.Painter().drawPath(framePath);
}

// Runs paint with the painter back in frame units, the path given on the current plane carried onto the
// frame: gradients and textures laid there are filled quickly, where in perspective every pixel would be
// mapped back through the plane.
template <typename Paint>
void OnFrame(Sketch& sketch, const QPainterPath& planePath, Paint paint) {
  QPainter& painter = sketch.Painter();
  const double resolution = Resolution(painter);
  const QTransform base = QTransform::fromScale(resolution, resolution);
  const QPainterPath framePath = (painter.worldTransform() * base.inverted()).map(planePath);
  painter.save();
  painter.setWorldTransform(base);
  paint(framePath);
  painter.restore();
}

// A pool of light centred on the current plane, rx by ry there, laid on the frame as the oval it covers:
// an upright oval fades as well as the pool in perspective and costs the light map far less to fill.
void PlanePool(Sketch& sketch, double centreU, double centreV, double radiusU, double radiusV, QRgb colour, double strength) {
  QPainter& painter = sketch.Painter();
  const double resolution = Resolution(painter);
  const QTransform toFrame = painter.worldTransform() * QTransform::fromScale(1 / resolution, 1 / resolution);
  const auto place = [&](double u, double v, QPointF& frame) {
    const double w = toFrame.m13() * u + toFrame.m23() * v + toFrame.m33();
    if (w <= 1e-6) return false;
    frame = QPointF((toFrame.m11() * u + toFrame.m21() * v + toFrame.m31()) / w, (toFrame.m12() * u + toFrame.m22() * v + toFrame.m32()) / w);
    return true;
  };
  QPointF centre;
  if (!place(centreU, centreV, centre)) return;
  double reachX = 0;
  double reachY = 0;
  for (const auto& [u, v] : {std::pair{centreU - radiusU, centreV}, std::pair{centreU + radiusU, centreV},
                             std::pair{centreU, centreV - radiusV}, std::pair{centreU, centreV + radiusV}}) {
    QPointF rim;
    if (!place(u, v, rim)) continue;
    reachX = std::max(reachX, std::abs(rim.x() - centre.x()));
    reachY = std::max(reachY, std::abs(rim.y() - centre.y()));
  }
  if (reachX < 1 || reachY < 1) return;
  painter.save();
  painter.setWorldTransform(QTransform::fromScale(resolution, resolution));
  sketch.LightPool(centre.x(), centre.y(), reachX, reachY, colour, strength);
  painter.restore();
}

// The dark of distance over a surface's rectangle whose coordinate along the hall runs from near to far:
// alongU says whether that is its u (walls) or its v (floor, ceiling). at(z) is where a point of the surface
// that far down the hall lands on the frame; the gradient runs between those places.
template <typename Place>
void FogAlong(Sketch& sketch, const QRectF& rect, bool alongU, double near, double far, Place at) {
  const QPointF from = at(near);
  const QPointF to = at(far);
  const QPointF direction = to - from;
  const double span = QPointF::dotProduct(direction, direction);
  if (span < 1e-6) return;
  QLinearGradient gradient(from, to);
  for (int step = 0; step <= 8; ++step) {
    const double z = near + (far - near) * step / 8.0;
    const double share = std::clamp(QPointF::dotProduct(at(z) - from, direction) / span, 0.0, 1.0);
    QColor fog = QColor::fromRgb(kFogColour);
    fog.setAlphaF(static_cast<float>(FogAt(z)));
    gradient.setColorAt(share, fog);
  }
  (void)alongU;
  QPainterPath path;
  path.addRect(rect);
  OnFrame(sketch, path, [&](const QPainterPath& framePath) {
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(gradient);
    sketch.Painter().drawPath(framePath);
  });
}

// A soft dark band along one edge of a rectangle on a surface: where it meets another surface.
void Occlusion(Sketch& sketch, QPointF from, QPointF to, double strength) {
  QLinearGradient gradient(from, to);
  QColor shade = QColor::fromRgb(0x1c1a3a);
  shade.setAlphaF(static_cast<float>(strength));
  gradient.setColorAt(0, shade);
  shade.setAlphaF(static_cast<float>(strength * 0.35));
  gradient.setColorAt(0.35, shade);
  shade.setAlphaF(0);
  gradient.setColorAt(1, shade);
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(gradient);
}

// The casing round an opening u0..u1 up to top, border wide: two jambs and a head, as separate pieces, since
// a path's holes do not survive being carried into perspective.
QPainterPath Casing(double u0, double u1, double top, double border) {
  QPainterPath casing;
  casing.setFillRule(Qt::WindingFill);
  casing.addRect(QRectF(u0 - border, 0, border, top));
  casing.addRect(QRectF(u1, 0, border, top));
  casing.addRect(QRectF(u0 - border, top, u1 - u0 + 2 * border, border));
  return casing;
}

// An elliptic ring as one outline running round the outside and back round the inside.
QPainterPath Ring(QPointF centre, double outerX, double outerY, double innerX, double innerY) {
  QPolygonF points;
  constexpr int kSteps = 48;
  for (int step = 0; step <= kSteps; ++step) {
    const double angle = step * 6.2831853 / kSteps;
    points << centre + QPointF(std::cos(angle) * outerX, std::sin(angle) * outerY);
  }
  for (int step = kSteps; step >= 0; --step) {
    const double angle = step * 6.2831853 / kSteps;
    points << centre + QPointF(std::cos(angle) * innerX, std::sin(angle) * innerY);
  }
  QPainterPath ring;
  ring.addPolygon(points);
  ring.closeSubpath();
  return ring;
}

// A rectangle on the current plane in a flat colour, its material's texture laid on the frame.
void FillRect(Sketch& sketch, double u0, double v0, double u1, double v1, QRgb colour) {
  const QPainterPath path = PathThrough({At(u0, v0), At(u1, v0), At(u1, v1), At(u0, v1)});
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(QColor::fromRgb(colour));
  sketch.Painter().drawPath(path);
  OnFrame(sketch, path, [&](const QPainterPath& framePath) { sketch.Texture(framePath, colour); });
}

void Tint(Sketch& sketch, const QPainterPath& path, QRgb colour, double alpha) {
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(WithAlpha(colour, alpha));
  sketch.Painter().drawPath(path);
}

// A thin line drawn on a surface's plane, as wide on the frame wherever the surface lies.
void PlaneLine(Sketch& sketch, double u0, double v0, double u1, double v1, QRgb colour, double alpha) {
  QPen pen(WithAlpha(colour, alpha));
  pen.setCosmetic(true);
  const double resolution = sketch.Painter().device()->height() / static_cast<double>(kFrameHeight);
  pen.setWidthF(1.2 * std::max(1.0, resolution));
  sketch.Painter().setPen(pen);
  sketch.Painter().drawLine(QPointF(u0, v0), QPointF(u1, v1));
}

// How a hall's walls are dressed.
struct WallLook {
  QRgb plaster = kWallWarm;
  QRgb frieze = kWallShade;
  QRgb wainscot = kWoodDark;
  bool hasWainscot = true;
  double wainscotHeight = 95;
  bool rail = true;
  bool ribs = false;
  bool trim = true;
  bool tiled = false;
  double height = 300;
};

// plasterKey names the plaster's colour: "wall" for the hall, "passage-wall" for a passage off it.
WallLook ReadWallLook(const Layer& layer, const std::string& plasterKey, double height) {
  WallLook look;
  look.plaster = layer.Colour(plasterKey, kWallWarm);
  look.frieze = layer.Colour("frieze", look.plaster);
  look.hasWainscot = layer.Word("wainscot", "wood-dark") != "none";
  if (look.hasWainscot) look.wainscot = layer.Colour("wainscot", kWoodDark);
  look.wainscotHeight = layer.Number("wainscot-high", 0.95) * 100;
  look.rail = layer.Flag("rail", true);
  look.ribs = layer.Flag("ribs", false);
  look.trim = layer.Flag("trim", true);
  look.tiled = layer.Word("wall-style", "plain") == "tiles";
  look.height = height;
  return look;
}

// A wall face from u0 to u1, drawn on its plane: plaster, the frieze above a picture rail, panelled wainscot
// under a chair rail, a skirting board, a cornice; the wall's own grain of the seed.
void PaintWallFace(Sketch& sketch, const WallLook& look, double u0, double u1, std::uint32_t seed) {
  const double top = look.height;
  FillRect(sketch, u0, 0, u1, top, look.plaster);
  if (look.tiled) {
    for (double v = 25; v < top; v += 25) PlaneLine(sketch, u0, v, u1, v, kInk, 0.22);
    for (double u = std::ceil(u0 / 25) * 25; u < u1; u += 25) PlaneLine(sketch, u, 0, u, top, kInk, 0.22);
  }
  if (look.rail) {
    FillRect(sketch, u0, 232, u1, top, look.frieze);
    FillRect(sketch, u0, 228, u1, 236, kWoodLight);
    PlaneLine(sketch, u0, 228, u1, 228, kInk, 0.55);
    PlaneLine(sketch, u0, 236, u1, 236, kWhite, 0.35);
  }
  if (look.trim) {
    // The cornice where the wall meets the ceiling.
    FillRect(sketch, u0, top - 12, u1, top, kWallCream);
    PlaneLine(sketch, u0, top - 12, u1, top - 12, kInk, 0.45);
    PlaneLine(sketch, u0, top - 6, u1, top - 6, kWallShade, 0.5);
  }
  if (look.hasWainscot) {
    const double high = look.wainscotHeight;
    FillRect(sketch, u0, 0, u1, high, look.wainscot);
    // Raised panels between stiles, each lit along its top and shaded along its foot.
    const double stile = 8;
    const double panel = 62;
    for (double u = std::floor(u0 / panel) * panel; u < u1; u += panel) {
      const double left = std::max(u0, u + stile);
      const double right = std::min(u1, u + panel - stile);
      if (right - left < 4) continue;
      const double wobble = 0.06 * LatticeValue(static_cast<int>(u / panel), 3, seed);
      Tint(sketch, PathThrough({At(left, 24), At(right, 24), At(right, high - 18), At(left, high - 18)}), kWhite, 0.06 + wobble);
      PlaneLine(sketch, left, high - 18, right, high - 18, kInk, 0.5);
      PlaneLine(sketch, left, 24, left, high - 18, kInk, 0.35);
      PlaneLine(sketch, right, 24, right, high - 18, kWhite, 0.3);
      PlaneLine(sketch, left, 24, right, 24, kWhite, 0.35);
    }
    FillRect(sketch, u0, high - 4, u1, high + 5, kWoodLight);
    PlaneLine(sketch, u0, high + 5, u1, high + 5, kInk, 0.6);
    PlaneLine(sketch, u0, high - 4, u1, high - 4, kInk, 0.4);
  }
  if (look.trim) {
    FillRect(sketch, u0, 0, u1, 15, kWoodDark);
    PlaneLine(sketch, u0, 15, u1, 15, kInk, 0.6);
    PlaneLine(sketch, u0, 13, u1, 13, kWoodLight, 0.5);
  } else {
    // Bare planking: its strakes running along the wall.
    for (double v = 22; v < top; v += 22) PlaneLine(sketch, u0, v, u1, v, kInk, 0.35);
  }
  // Where the wall meets floor and ceiling the dark gathers.
  Occlusion(sketch, At(0, 0), At(0, 40), 0.4);
  sketch.Painter().drawRect(QRectF(u0, 0, u1 - u0, 40));
  Occlusion(sketch, At(0, top), At(0, top - 40), 0.3);
  sketch.Painter().drawRect(QRectF(u0, top - 40, u1 - u0, 40));
}

// A floor rectangle in floor coordinates (u across, v along the hall): boards with staggered butt joints or
// tiles, each board a little lighter or darker.
void PaintFloorBoards(Sketch& sketch, double u0, double u1, double v0, double v1, QRgb colour, const std::string& style,
                      std::uint32_t seed, bool alongV) {
  FillRect(sketch, u0, v0, u1, v1, colour);
  if (style == "plain") return;
  if (style == "tiles") {
    const double tile = 40;
    for (double u = std::ceil(u0 / tile) * tile; u < u1; u += tile) PlaneLine(sketch, u, v0, u, v1, kInk, 0.3);
    for (double v = std::ceil(v0 / tile) * tile; v < v1; v += tile) PlaneLine(sketch, u0, v, u1, v, kInk, 0.3);
    return;
  }
  const double board = 14;
  const double low = alongV ? u0 : v0;
  const double high = alongV ? u1 : v1;
  const double from = alongV ? v0 : u0;
  const double to = alongV ? v1 : u1;
  int index = 0;
  for (double across = std::floor(low / board) * board; across < high; across += board, ++index) {
    const double a = std::max(low, across);
    const double b = std::min(high, across + board);
    const double tone = LatticeValue(index, 11, seed) - 0.5;
    const QPainterPath strip = alongV ? PathThrough({At(a, from), At(b, from), At(b, to), At(a, to)})
                                      : PathThrough({At(from, a), At(to, a), At(to, b), At(from, b)});
    Tint(sketch, strip, tone > 0 ? kWhite : kInk, std::abs(tone) * 0.16);
    if (alongV) PlaneLine(sketch, a, from, a, to, kInk, 0.42);
    else PlaneLine(sketch, from, a, to, a, kInk, 0.42);
    // Butt joints, staggered from board to board.
    const double length = 180 + 90 * LatticeValue(index, 12, seed);
    for (double joint = from + length * LatticeValue(index, 13, seed); joint < to; joint += length) {
      if (alongV) PlaneLine(sketch, a, joint, b, joint, kInk, 0.35);
      else PlaneLine(sketch, joint, a, joint, b, kInk, 0.35);
    }
  }
}

// The hall itself: "hall length= back= wall= wainscot= floor= ceiling= runner= pattern=". The eye stands
// back= metres from the hall's near end; the far wall lies length= metres ahead.
void PaintHall(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const double length = layer.Number("length", 10) * 100;
  const double half = space.Width() / 2;
  const double height = space.Height();
  const WallLook look = ReadWallLook(layer, "wall", height);
  const QRgb floor = layer.Colour("floor", kFloorWood);
  const std::string floorStyle = layer.Word("floor-style", "boards");
  const QRgb ceiling = layer.Colour("ceiling", kWallCream);
  const std::string runner = layer.Word("runner", "none");
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  // Nothing of the frame may stay bare, whatever the turn.
  sketch.FlatBox(-4, -4, kFrameWidth + 8, kFrameHeight + 8, look.plaster);

  const WallFrame left{{-half, 0, 0}, {0, 0, 1}, {1, 0, 0}};
  const WallFrame right{{half, 0, 0}, {0, 0, 1}, {-1, 0, 0}};
  const WallFrame end{{0, 0, length}, {1, 0, 0}, {0, 0, -1}};
  const double leftNear = space.NearestZ(-half);
  const double rightNear = space.NearestZ(half);
  const double flatNear = std::max(leftNear, rightNear);
  {
    OnPlane plane(sketch, FlatAt(space, height));
    FillRect(sketch, -half, flatNear, half, length, ceiling);
    if (look.ribs) {
      // Deck beams across the ceiling, each a dark underside.
      for (double z = 120; z < length; z += 120) {
        FillRect(sketch, -half, z, half, z + 18, kShipPlankDark);
        PlaneLine(sketch, -half, z, half, z, kInk, 0.6);
        PlaneLine(sketch, -half, z + 18, half, z + 18, kInk, 0.4);
      }
    }
    FogAlong(sketch, QRectF(-half, flatNear, 2 * half, length - flatNear), false, std::max(0.0, flatNear), length,
             [&](double z) { return space.Project({space.EyeX(), height, z}); });
  }
  {
    OnPlane plane(sketch, space, end);
    PaintWallFace(sketch, look, -half, half, MixSeed(seed, 3));
    Tint(sketch, PathThrough({At(-half, 0), At(half, 0), At(half, height), At(-half, height)}), kFogColour, FogAt(length));
  }
  for (const auto& [wall, near, salt] : {std::tuple{left, leftNear, 1u}, std::tuple{right, rightNear, 2u}}) {
    OnPlane plane(sketch, space, wall);
    PaintWallFace(sketch, look, near, length, MixSeed(seed, salt));
    if (look.ribs) {
      for (double z = 120; z < length; z += 120) {
        FillRect(sketch, z, 0, z + 18, height, kShipPlankDark);
        PlaneLine(sketch, z, 0, z, height, kInk, 0.6);
        PlaneLine(sketch, z + 18, 0, z + 18, height, kInk, 0.4);
      }
    }
    FogAlong(sketch, QRectF(near, 0, length - near, height), true, std::max(0.0, near), length,
             [&](double z) { return space.Project(wall.At(z, height / 2, 0)); });
  }
  {
    OnPlane plane(sketch, FlatAt(space, 0));
    PaintFloorBoards(sketch, -half, half, flatNear, length, floor, floorStyle, seed, true);
    if (runner != "none") {
      const QRgb cloth = layer.Colour("runner", kCarpet);
      const QRgb edge = layer.Colour("runner-edge", kCarpetDark);
      const std::string pattern = layer.Word("pattern", "diamond");
      const double across = layer.Number("runner-width", 1.0) * 50;
      const double shift = layer.Number("runner-shift", 0) * 100;
      const double far = length - layer.Number("runner-gap", 0.7) * 100;
      // A rug laid further in starts at runner-from=; a runner runs on under the eye.
      const double start = std::max(flatNear, layer.Number("runner-from", -10) * 100);
      const double a = shift - across;
      const double b = shift + across;
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.35);
      sketch.Fill(PathThrough({At(a - 3, start), At(b + 3, start), At(b + 3, far + 3), At(a - 3, far + 3)}), kInk);
      sketch.Painter().restore();
      sketch.Fill(PathThrough({At(a, start), At(b, start), At(b, far), At(a, far)}), cloth);
      // A woven border and a repeat down the middle, each motif in the runner's perspective.
      for (const double side : {a + 6, b - 18}) FillRect(sketch, side, start, side + 12, far - 6, edge);
      PlaneLine(sketch, a + 21, start, a + 21, far - 8, kGold, 0.5);
      PlaneLine(sketch, b - 21, start, b - 21, far - 8, kGold, 0.5);
      const double repeat = pattern == "stripe" ? 55 : 90;
      for (double z = far - 50; z > start; z -= repeat) {
        if (pattern == "stripe") {
          FillRect(sketch, a + 22, z, b - 22, z + 12, edge);
          PlaneLine(sketch, a + 22, z + 18, b - 22, z + 18, kGold, 0.45);
        } else {
          const double w = (b - a) * 0.3;
          sketch.Fill(PathThrough({At(shift, z - 34), At(shift + w, z), At(shift, z + 34), At(shift - w, z)}), edge);
          sketch.Fill(PathThrough({At(shift, z - 18), At(shift + w * 0.5, z), At(shift, z + 18), At(shift - w * 0.5, z)}),
                      pattern == "medallion" ? kGold : kCarpet);
          Tint(sketch, PathThrough({At(shift, z - 6), At(shift + 6, z), At(shift, z + 6), At(shift - 6, z)}), kGold, 0.8);
        }
      }
      // The fringe at the far end.
      for (double u = a + 3; u < b; u += 5) PlaneLine(sketch, u, far, u, far + 7, kWallCream, 0.7);
      PlaneLine(sketch, a, far, b, far, kInk, 0.55);
    }
    // The floor darkens along the walls' feet.
    Occlusion(sketch, At(-half, 0), At(-half + 45, 0), 0.4);
    painter.drawRect(QRectF(-half, flatNear, 45, length - flatNear));
    Occlusion(sketch, At(half, 0), At(half - 45, 0), 0.4);
    painter.drawRect(QRectF(half - 45, flatNear, 45, length - flatNear));
    Occlusion(sketch, At(0, length), At(0, length - 60), 0.35);
    painter.drawRect(QRectF(-half, length - 60, 2 * half, 60));
    FogAlong(sketch, QRectF(-half, flatNear, 2 * half, length - flatNear), false, std::max(0.0, flatNear), length,
             [&](double z) { return space.Project({space.EyeX(), 0, z}); });
  }
  // The hall's edges in ink, lighter far away.
  painter.save();
  painter.setOpacity(0.55);
  for (const double x : {-half, half}) {
    const double near = space.NearestZ(x);
    for (const double y : {0.0, height}) {
      const QPointF from = space.Project({x, y, near});
      const QPointF to = space.Project({x, y, length});
      sketch.InkLine(from.x(), from.y(), to.x(), to.y());
    }
    const QPointF foot = space.Project({x, 0, length});
    const QPointF head = space.Project({x, height, length});
    sketch.InkLine(foot.x(), foot.y(), head.x(), head.y());
  }
  for (const double y : {0.0, height}) {
    const QPointF from = space.Project({-half, y, length});
    const QPointF to = space.Project({half, y, length});
    sketch.InkLine(from.x(), from.y(), to.x(), to.y());
  }
  painter.restore();
}

// What lies beyond an open doorway or an opening, clipped to it: "room" a lit room with its floor running
// away, "light" a blaze of light, "day" daylight, anything else darkness.
void PaintBeyond(Sketch& sketch, const HallSpace& space, const WallFrame& wall, double u0, double u1, double top,
                 const std::string& inside, QRgb roomWall, QRgb roomFloor, std::uint32_t seed) {
  const QPolygonF opening = space.ProjectPolygon({wall.At(u0, 0, -kWallThickness), wall.At(u1, 0, -kWallThickness),
                                                  wall.At(u1, top, -kWallThickness), wall.At(u0, top, -kWallThickness)});
  QPainterPath clip;
  clip.addPolygon(opening);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setClipPath(clip, Qt::IntersectClip);
  const double deep = 420;
  const auto quad = [&](double a0, double v0, double d0, double a1, double v1, double d1, bool alongU) {
    std::vector<Point3> points = alongU ? std::vector<Point3>{wall.At(a0, v0, d0), wall.At(a1, v0, d0), wall.At(a1, v1, d1), wall.At(a0, v1, d1)}
                                        : std::vector<Point3>{wall.At(a0, v0, d0), wall.At(a0, v1, d0), wall.At(a0, v1, d1), wall.At(a0, v0, d1)};
    QPainterPath path;
    path.addPolygon(space.ProjectPolygon(points));
    path.closeSubpath();
    return path;
  };
  if (inside == "room" || inside == "day" || inside == "library") {
    const bool day = inside == "day";
    // The far wall of the room, its floor and its two sides running from the doorway.
    sketch.Fill(clip, day ? kSkyPale : roomWall);
    sketch.Fill(quad(u0 - 200, 0, -kWallThickness, u1 + 200, 0, -deep, true), day ? kGrass : roomFloor);
    sketch.Fill(quad(u0 - 200, 0, -deep, u1 + 200, top * 1.3, -deep, true), day ? kSkyPale : roomWall);
    if (inside == "library") {
      // Shelves of books filling the far wall.
      const double from = u0 - 120;
      const double to = u1 + 120;
      sketch.Fill(quad(from, 0, -deep + 1, to, 230, -deep + 1, true), kWoodDark);
      for (int shelf = 0; shelf < 6; ++shelf) {
        const double v0 = 12 + shelf * 36;
        int book = 0;
        for (double u = from + 6; u < to - 8; u += 7 + 5 * LatticeValue(book, shelf, seed), ++book) {
          const QRgb colours[] = {kCrimson, kPaintBlue, kLeafDark, kGoldDark, kSuit, kRust};
          const double high = 22 + 9 * LatticeValue(book, shelf + 20, seed);
          sketch.Fill(quad(u, v0, -deep + 3, u + 6, v0 + high, -deep + 3, true), colours[(book + shelf * 3) % 6]);
        }
        sketch.Fill(quad(from, v0 - 3, -deep + 4, to, v0, -deep + 4, true), kWood);
      }
    } else if (!day) {
      // A lit window of the room beyond, or a picture on its far wall.
      const double middle = (u0 + u1) / 2 + (LatticeValue(1, 9, seed) - 0.5) * 60;
      sketch.Fill(quad(middle - 30, 110, -deep + 1, middle + 30, 180, -deep + 1, true),
                  LatticeValue(2, 9, seed) < 0.5 ? kSkyPale : kPaintBlue);
      sketch.Fill(quad(u0 - 200, 0, -deep, u1 + 200, 12, -deep, true), kWoodDark);
    } else {
      sketch.Fill(quad(u0 - 200, 0, -deep, u1 + 200, 40, -deep, true), kLeafDark);
    }
    Tint(sketch, clip, kGlowPale, day ? 0.4 : 0.15);
  } else if (inside == "light") {
    sketch.Fill(clip, kBeam);
  } else {
    const QRectF box = opening.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, QColor::fromRgb(kGloom));
    gradient.setColorAt(1, QColor::fromRgb(kFogColour).lighter(170));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawPath(clip);
  }
  painter.restore();
}

// The leaf of a door, u 0..width along it, v 0..tall up it, on its plane: panels raised and lit, the knob
// on the side away from the hinge (handleAt), the style's wear.
void PaintLeaf(Sketch& sketch, double width, double tall, QRgb colour, const std::string& style, bool keyhole,
               double handleAt, std::uint32_t seed) {
  sketch.Shape(PathThrough({At(0, 0), At(width, 0), At(width, tall), At(0, tall)}), colour);
  const double margin = width * 0.16;
  const double middle = width / 2;
  for (const auto& [v0, v1] : {std::pair{tall * 0.56, tall - margin}, std::pair{margin, tall * 0.46}}) {
    for (const auto& [a, b] : {std::pair{margin, middle - margin * 0.35}, std::pair{middle + margin * 0.35, width - margin}}) {
      Tint(sketch, PathThrough({At(a, v0), At(b, v0), At(b, v1), At(a, v1)}), kInk, 0.12);
      PlaneLine(sketch, a, v1, b, v1, kInk, 0.6);
      PlaneLine(sketch, a, v0, a, v1, kInk, 0.45);
      PlaneLine(sketch, a, v0, b, v0, kWhite, 0.35);
      PlaneLine(sketch, b, v0, b, v1, kWhite, 0.3);
    }
  }
  if (style == "gray") {
    // Old and dirty: grime rising from the floor, scuffs, a streak of rust from the lock.
    QLinearGradient grime(QPointF(0, 0), QPointF(0, tall * 0.5));
    grime.setColorAt(0, WithAlpha(kDirtDark, 0.75));
    grime.setColorAt(1, WithAlpha(kDirtDark, 0.0));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(grime);
    sketch.Painter().drawRect(QRectF(0, 0, width, tall * 0.5));
    for (int smudge = 0; smudge < 10; ++smudge) {
      const double u = width * LatticeValue(smudge, 21, seed);
      const double v = tall * LatticeValue(smudge, 22, seed);
      QPainterPath spot;
      spot.addEllipse(QPointF(u, v), 4 + 6 * LatticeValue(smudge, 23, seed), 3 + 3 * LatticeValue(smudge, 24, seed));
      Tint(sketch, spot, smudge % 3 == 0 ? kRustDark : kDirtDark, 0.5);
    }
    for (int scratch = 0; scratch < 6; ++scratch) {
      const double u = width * LatticeValue(scratch, 25, seed);
      const double v = tall * (0.2 + 0.6 * LatticeValue(scratch, 26, seed));
      PlaneLine(sketch, u, v, u + 10, v - 4, kWhite, 0.35);
    }
    Tint(sketch, PathThrough({At(handleAt - 3, tall * 0.45), At(handleAt + 3, tall * 0.45), At(handleAt + 2, tall * 0.2),
                              At(handleAt - 1, tall * 0.2)}),
         kRust, 0.5);
  } else if (style != "plain") {
    // A sheen of polish down the leaf.
    QLinearGradient sheen(QPointF(0, 0), QPointF(width, 0));
    sheen.setColorAt(0.15, WithAlpha(kWhite, 0.0));
    sheen.setColorAt(0.3, WithAlpha(kWhite, 0.16));
    sheen.setColorAt(0.45, WithAlpha(kWhite, 0.0));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(sheen);
    sketch.Painter().drawRect(QRectF(0, 0, width, tall));
  }
  // A knob on a back plate, the keyhole under it.
  sketch.Shape(RoundedBox(handleAt - 3.5, tall * 0.42, 7, 18, 2), kGoldDark);
  QPainterPath knob;
  knob.addEllipse(QPointF(handleAt, tall * 0.47 + 8), 4, 4);
  sketch.Shape(knob, kGold);
  if (keyhole) {
    QPainterPath hole;
    hole.addEllipse(QPointF(handleAt, tall * 0.45), 1.6, 1.6);
    hole.addRect(QRectF(handleAt - 0.8, tall * 0.45 - 5, 1.6, 5));
    sketch.Fill(hole, kBlack);
  }
}

// "hall-door wall=left|right|end at= width= tall= state=shut|open swing=hall|room hinge=near|far angle=": a door
// cut into a wall in its perspective: the architrave, the reveal of the wall's thickness, the leaf shut in
// its frame or swung open on its hinges, what lies beyond and the light it lets into the hall.
void PaintHallDoor(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const bool endWall = layer.Word("wall", "left") == "end";
  const double width = layer.Number("width", 0.9) * 100;
  const double tall = layer.Number("tall", 2.1) * 100;
  const double u0 = layer.Number("at", 3) * 100 - (endWall ? width / 2 : 0);
  const double u1 = u0 + width;
  const QRgb colour = layer.Colour("colour", kWoodDark);
  const QRgb frame = layer.Colour("frame-colour", kWoodLight);
  const std::string style = layer.Word("style", "panel");
  const bool open = layer.Word("state", "shut") == "open";
  const bool intoHall = layer.Word("swing", "hall") == "hall";
  const bool hingeFar = layer.Word("hinge", "far") == "far";
  const double angle = layer.Number("angle", 80) * 3.14159265 / 180;
  const std::string inside = layer.Word("inside", "room");
  const bool keyhole = layer.Flag("lock", false);
  const bool spill = layer.Flag("spill", inside != "dark");
  const std::uint32_t seed = sketch.Seed();
  const double eyeU = EyeAlong(space, wall);
  const double depth = space.Depth(wall.At((u0 + u1) / 2, tall / 2, 0));

  // The architrave round the opening, standing a little proud of the wall.
  {
    OnPlane plane(sketch, space, wall, 1);
    sketch.Shape(Casing(u0, u1, tall, 11), frame);
    PlaneLine(sketch, u0 - 11, tall + 11, u1 + 11, tall + 11, kWhite, 0.45);
    PlaneLine(sketch, u0 - 4, 0, u0 - 4, tall + 5, kInk, 0.3);
    PlaneLine(sketch, u1 + 4, 0, u1 + 4, tall + 5, kInk, 0.3);
  }
  if (open)
    PaintBeyond(sketch, space, wall, u0, u1, tall, inside, layer.Colour("beyond-wall", kWallCream),
                layer.Colour("beyond-floor", kFloorWood), seed);
  // The reveal: the jambs that face the eye and the head above.
  const QRgb reveal = layer.Colour("reveal", kWoodLight);
  const auto face = [&](std::vector<Point3> points, QRgb fill, double shade) {
    QPainterPath path;
    path.addPolygon(space.ProjectPolygon(points));
    path.closeSubpath();
    sketch.Shape(path, fill);
    Tint(sketch, path, kFogColour, shade);
  };
  const double setBack = open ? kWallThickness : kWallThickness * 0.6;
  if (eyeU < u1) face({wall.At(u1, 0, 0), wall.At(u1, tall, 0), wall.At(u1, tall, -setBack), wall.At(u1, 0, -setBack)}, reveal, 0.22);
  if (eyeU > u0) face({wall.At(u0, 0, 0), wall.At(u0, tall, 0), wall.At(u0, tall, -setBack), wall.At(u0, 0, -setBack)}, reveal, 0.22);
  if (space.EyeHeight() < tall)
    face({wall.At(u0, tall, 0), wall.At(u1, tall, 0), wall.At(u1, tall, -setBack), wall.At(u0, tall, -setBack)}, reveal, 0.35);

  const double hinge = hingeFar ? u1 : u0;
  const double towardFree = hingeFar ? -1 : 1;
  if (!open) {
    OnPlane plane(sketch, space, wall, -setBack);
    sketch.Painter().translate(u0, 0);
    PaintLeaf(sketch, width, tall, colour, style, keyhole, hingeFar ? 10 : width - 10, seed);
  } else {
    // The leaf turns about its hinge: out into the hall towards the eye, or back into the room.
    const double out = intoHall ? 1 : -1;
    const Point3 toFree = wall.along * (towardFree * std::cos(angle)) + wall.inward * (out * std::sin(angle));
    const Point3 origin = wall.At(hinge, 0, intoHall ? 0 : -kWallThickness);
    if (intoHall) {
      // Its shadow on the floor beside it, and the light the doorway lets in.
      QPainterPath shadow;
      shadow.addPolygon(space.ProjectPolygon({origin, origin + toFree * width, origin + toFree * width + wall.inward * 25 + wall.along * (towardFree * 10),
                                              origin + wall.inward * 20}));
      Tint(sketch, shadow, kInk, 0.28);
    }
    if (spill) {
      OnPlane plane(sketch, FlatAt(space, 0));
      const Point3 foot = wall.At((u0 + u1) / 2, 0, 70);
      PlanePool(sketch, foot.x, foot.z, 120, 110, inside == "light" ? kBeam : kGlow, 0.55);
    }
    QPainter& painter = sketch.Painter();
    painter.save();
    if (!intoHall) {
      QPainterPath clip;
      clip.addPolygon(space.ProjectPolygon({wall.At(u0, 0, 0), wall.At(u1, 0, 0), wall.At(u1, tall, 0), wall.At(u0, tall, 0)}));
      painter.setClipPath(clip, Qt::IntersectClip);
    }
    // The leaf's edge, its thickness showing, then its face.
    const Point3 thick = wall.along * (towardFree * std::sin(angle) * -4 * out) + wall.inward * (std::cos(angle) * 4);
    QPainterPath edge;
    edge.addPolygon(space.ProjectPolygon({origin + toFree * width, origin + toFree * width + kUp * tall,
                                          origin + toFree * width + kUp * tall + thick, origin + toFree * width + thick}));
    sketch.Shape(edge, kWoodLight);
    {
      OnPlane plane(sketch, space.Plane(origin, toFree, kUp));
      PaintLeaf(sketch, width, tall, colour, style, keyhole, width - 10, seed);
      // The face turned from the light is the darker.
      Tint(sketch, PathThrough({At(0, 0), At(width, 0), At(width, tall), At(0, tall)}), kInk, intoHall ? 0.08 : 0.25);
    }
    painter.restore();
  }
  QPainterPath whole;
  whole.addPolygon(space.ProjectPolygon({wall.At(u0 - 11, 0, 0), wall.At(u1 + 11, 0, 0), wall.At(u1 + 11, tall + 12, 0), wall.At(u0 - 11, tall + 12, 0)}));
  FogOver(sketch, whole, depth);
}

// "hall-opening wall=left|right from= to= reach= tall= light=warm|day|dark": a passage leaving the hall
// between from and to (metres along it), seen into: its floor and ceiling, its far side wall dressed as the
// hall's, its end reach= metres out, the dark gathering down it.
void PaintHallOpening(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double u0 = layer.Number("from", 3) * 100;
  const double u1 = layer.Number("to", 5) * 100;
  const double reach = layer.Number("reach", 3) * 100;
  const double height = space.Height();
  const double tall = std::min(height, layer.Number("tall", height / 100) * 100);
  const std::string light = layer.Word("light", "dark");
  const WallLook look = ReadWallLook(layer, "passage-wall", height);
  const QRgb floor = layer.Colour("floor", kFloorWood);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();

  QPainterPath clip;
  clip.addPolygon(space.ProjectPolygon({wall.At(u0, 0, 0), wall.At(u1, 0, 0), wall.At(u1, tall, 0), wall.At(u0, tall, 0)}));
  clip.closeSubpath();
  painter.save();
  painter.setClipPath(clip, Qt::IntersectClip);
  const double eyeU = EyeAlong(space, wall);
  // The passage's end wall, far out.
  {
    const WallFrame endFrame{wall.At(0, 0, -reach), wall.along, wall.inward};
    OnPlane plane(sketch, space, endFrame);
    PaintWallFace(sketch, look, u0 - 50, u1 + 50, MixSeed(seed, 5));
    if (layer.Word("end", "wall") == "door") {
      // A door at the passage's end, into the room it leads to.
      const double middle = (u0 + u1) / 2;
      sketch.Shape(Casing(middle - 45, middle + 45, 210, 10), kWoodLight);
      sketch.Painter().save();
      sketch.Painter().translate(middle - 45, 0);
      PaintLeaf(sketch, 90, 210, kWoodDark, "panel", false, 80, seed);
      sketch.Painter().restore();
    } else if (light == "day") {
      FillRect(sketch, (u0 + u1) / 2 - 45, 100, (u0 + u1) / 2 + 45, 230, kSkyPale);
      PlaneLine(sketch, (u0 + u1) / 2, 100, (u0 + u1) / 2, 230, kHouseWhite, 0.9);
      PlaneLine(sketch, (u0 + u1) / 2 - 45, 165, (u0 + u1) / 2 + 45, 165, kHouseWhite, 0.9);
    }
  }
  // Its ceiling and floor, the boards running out along it.
  const Point3 out = wall.inward * -1;
  {
    OnPlane plane(sketch, space.Plane(wall.At(0, height, 0), wall.along, out));
    FillRect(sketch, u0 - 50, 0, u1 + 50, reach, kWallCream);
  }
  {
    OnPlane plane(sketch, space.Plane(wall.At(0, 0, 0), wall.along, out));
    PaintFloorBoards(sketch, u0 - 50, u1 + 50, -5, reach, floor, layer.Word("floor-style", "boards"), seed, false);
    if (light != "dark") PlanePool(sketch, (u0 + u1) / 2, reach * 0.55, (u1 - u0) * 0.7, reach * 0.4, light == "day" ? kGlowPale : kGlow, 0.5);
  }
  // The side wall of the passage that faces the eye: the far one, seen from the hall's near part.
  const double side = eyeU < u1 ? u1 : u0;
  {
    const Point3 sideAlong = out;
    const WallFrame sideFrame{wall.At(side, 0, 0), sideAlong, wall.along * (eyeU < u1 ? -1.0 : 1.0)};
    OnPlane plane(sketch, space, sideFrame);
    PaintWallFace(sketch, look, 0, reach, MixSeed(seed, 6));
    if (light != "dark") PlanePool(sketch, reach * 0.5, 170, 110, 150, light == "day" ? kGlowPale : kGlow, 0.45);
    QLinearGradient gradient(QPointF(0, 0), QPointF(reach, 0));
    gradient.setColorAt(0, WithAlpha(kFogColour, 0.05));
    gradient.setColorAt(1, WithAlpha(kFogColour, 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(QRectF(0, 0, reach, height));
  }
  // The passage's own corners in ink.
  painter.save();
  painter.setOpacity(0.5);
  for (const double v : {0.0, height}) {
    const QPointF a = space.Project(wall.At(side, v, 0));
    const QPointF b = space.Project(wall.At(side, v, -reach));
    sketch.InkLine(a.x(), a.y(), b.x(), b.y());
  }
  const QPointF cornerFoot = space.Project(wall.At(side, 0, -reach));
  const QPointF cornerHead = space.Project(wall.At(side, height, -reach));
  sketch.InkLine(cornerFoot.x(), cornerFoot.y(), cornerHead.x(), cornerHead.y());
  painter.restore();
  // Down the passage the dark gathers, deeper the further it lies.
  const double depth = space.Depth(wall.At((u0 + u1) / 2, tall / 2, -reach / 2));
  FogOver(sketch, clip, depth + (light == "dark" ? 500 : 150));
  painter.restore();
  if (tall < height) {
    // A cased opening: the architrave round it on the hall's wall.
    OnPlane plane(sketch, space, wall, 1);
    sketch.Shape(Casing(u0, u1, tall, 11), layer.Colour("frame-colour", kWoodLight));
    PlaneLine(sketch, u0 - 11, tall + 11, u1 + 11, tall + 11, kWhite, 0.45);
  }
  // The corner where the hall's wall turns into the passage.
  painter.save();
  painter.setOpacity(0.7);
  for (const double corner : {u0, u1}) {
    const QPointF foot = space.Project(wall.At(corner, 0, 0));
    const QPointF head = space.Project(wall.At(corner, tall, 0));
    sketch.InkLine(foot.x(), foot.y(), head.x(), head.y());
  }
  if (tall < height) {
    const QPointF a = space.Project(wall.At(u0, tall, 0));
    const QPointF b = space.Project(wall.At(u1, tall, 0));
    sketch.InkLine(a.x(), a.y(), b.x(), b.y());
  }
  painter.restore();
}

// "hall-sconce wall= at= high= style=sconce|lantern lit=": a lamp on a wall bracket, lighting a pool on the
// wall round it and on the floor below.
void PaintHallSconce(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double u = layer.Number("at", 3) * 100;
  const double high = layer.Number("high", 1.85) * 100;
  const bool lit = layer.Flag("lit", true);
  const bool lantern = layer.Word("style", "sconce") == "lantern";
  const double strength = layer.Number("strength", 1.0);
  if (lit) {
    {
      OnPlane plane(sketch, space, wall);
      PlanePool(sketch, u, high - 10, 85, 150, kGlow, 0.6 * strength);
      PlanePool(sketch, u, high + 45, 45, 70, kGlowPale, 0.35 * strength);
    }
    {
      OnPlane plane(sketch, FlatAt(space, 0));
      const Point3 below = wall.At(u, 0, 70);
      PlanePool(sketch, below.x, below.z, 110, 150, kGlow, 0.35 * strength);
    }
  }
  const double scale = space.ScaleAt(wall.At(u, high, 18));
  const QPointF plate = space.Project(wall.At(u, high - 6, 0));
  const QPointF lamp = space.Project(wall.At(u, high, 18));
  sketch.Oval(plate.x(), plate.y(), 4 * scale, 7 * scale, kGoldDark);
  sketch.Line(plate.x(), plate.y(), lamp.x(), lamp.y() + 6 * scale, kGoldDark, std::max(1.0, 2.2 * scale));
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(lamp);
  painter.scale(scale, scale);
  if (lantern) {
    sketch.Line(0, -26, 0, -14, kIron, 2);
    sketch.Shape(PathThrough({At(-10, -14), At(10, -14), At(8, 14), At(-8, 14)}), lit ? kGlowPale : kPaperShade);
    for (const double x : {-9.0, 0.0, 9.0}) sketch.Line(x, -14, x * 0.85, 14, kIron, 1.6);
    sketch.Shape(PathThrough({At(-13, -14), At(0, -24), At(13, -14)}), kIron);
    sketch.Box(-10, 14, 20, 4, kIron);
  } else {
    sketch.Oval(0, 2, 3, 4, kGlowPale);
    sketch.Shape(PathThrough({At(-8, -16), At(8, -16), At(12, 2), At(-12, 2)}), kLampShade);
    PlaneLine(sketch, -11, 0, 11, 0, kLampShadeDark, 0.8);
  }
  painter.restore();
  if (lit) sketch.Glow(lamp.x(), lamp.y(), 70 * scale, kGlow, 0.55 * strength);
}

// "hall-lamp at= across= drop=": a lamp hanging on its cord from the ceiling at= metres down the hall,
// lighting the floor under it.
void PaintHallLamp(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const double z = layer.Number("at", 3) * 100;
  const double x = layer.Number("across", 0) * 100;
  const double drop = layer.Number("drop", 0.7) * 100;
  const Point3 top{x, space.Height(), z};
  const Point3 shade{x, space.Height() - drop, z};
  {
    OnPlane plane(sketch, FlatAt(space, 0));
    PlanePool(sketch, x, z, 150, 170, kGlow, 0.55);
  }
  {
    OnPlane plane(sketch, FlatAt(space, space.Height()));
    PlanePool(sketch, x, z, 60, 60, kGlowPale, 0.3);
  }
  const double scale = space.ScaleAt(shade);
  const QPointF from = space.Project(top);
  const QPointF to = space.Project(shade);
  sketch.Line(from.x(), from.y(), to.x(), to.y(), kInk, std::max(1.0, 0.8 * scale));
  sketch.Oval(from.x(), from.y(), 8 * scale, 3 * scale, kGoldDark);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(to);
  painter.scale(scale, scale);
  sketch.Oval(0, 14, 7, 5, kGlowPale);
  QPainterPath bell;
  bell.moveTo(-6, 0);
  bell.cubicTo(-10, 4, -22, 10, -26, 16);
  bell.lineTo(26, 16);
  bell.cubicTo(22, 10, 10, 4, 6, 0);
  bell.closeSubpath();
  sketch.Shape(bell, kLampShade);
  PlaneLine(sketch, -26, 16, 26, 16, kGoldDark, 0.9);
  painter.restore();
  sketch.Glow(to.x(), to.y() + 12 * scale, 90 * scale, kGlow, 0.5);
}

// "hall-window wall= at= width= sill= tall= view=garden|sea shape=square|round curtains=": a window in its
// wall's perspective, the world outside in it, daylight falling through it onto the floor.
void PaintHallWindow(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double width = layer.Number("width", 1.1) * 100;
  const double sill = layer.Number("sill", 0.9) * 100;
  const double tall = layer.Number("tall", 1.4) * 100;
  const bool endWall = layer.Word("wall", "left") == "end";
  const double u0 = layer.Number("at", 3) * 100 - (endWall ? width / 2 : 0);
  const double u1 = u0 + width;
  const bool round = layer.Word("shape", "square") == "round";
  const std::string view = layer.Word("view", "garden");
  const bool curtains = layer.Has("curtains");
  const QRgb curtain = layer.Colour("curtains", kSatin);
  const std::uint32_t seed = sketch.Seed();
  const double daylight = layer.Number("daylight", 1.0);
  const QRgb shine = layer.Word("view", "garden") == "night" ? kIceDark : kGlowPale;
  QPainter& painter = sketch.Painter();
  const double middleU = (u0 + u1) / 2;
  const double middleV = sill + tall / 2;

  QPainterPath hole;
  if (round) hole.addEllipse(QPointF(middleU, middleV), width / 2, tall / 2);
  else hole.addRect(QRectF(u0, sill, width, tall));
  // Outside: sky, and the garden or the sea under it, seen through the glass.
  {
    // Clipped on the frame: a clip given on a plane in perspective is not kept reliably.
    const QTransform glass = space.Plane(wall.At(0, 0, -kWallThickness), wall.along, kUp);
    painter.save();
    painter.setClipPath(glass.map(hole), Qt::IntersectClip);
    {
    OnPlane plane(sketch, glass);
    QLinearGradient sky(QPointF(0, sill + tall), QPointF(0, sill));
    sky.setColorAt(0, QColor::fromRgb(kSky));
    sky.setColorAt(1, QColor::fromRgb(kSkyPale));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRect(QRectF(u0 - 10, sill - 10, width + 20, tall + 20));
    const double horizon = sill + tall * (0.3 + 0.15 * LatticeValue(1, 31, seed));
    if (view == "night") {
      // A moonlit night: deep sky, the moon, stars, the black shapes of trees.
      FillRect(sketch, u0 - 10, sill - 10, u1 + 10, sill + tall + 10, kNightSky);
      QPainterPath moon;
      moon.addEllipse(QPointF(u0 + width * 0.68, sill + tall * 0.72), width * 0.09, width * 0.09);
      sketch.Fill(moon, kSnow);
      for (int star = 0; star < 9; ++star) {
        QPainterPath point;
        point.addEllipse(QPointF(u0 + width * LatticeValue(star, 36, seed), sill + tall * (0.45 + 0.5 * LatticeValue(star, 37, seed))), 0.9, 0.9);
        sketch.Fill(point, kCloud);
      }
      for (int tree = 0; tree < 4; ++tree) {
        const double u = u0 + width * (0.1 + 0.8 * LatticeValue(tree, 34, seed));
        const double r = tall * (0.1 + 0.1 * LatticeValue(tree, 35, seed));
        QPainterPath crown;
        crown.addEllipse(QPointF(u, horizon + r * 0.5), r, r * 1.1);
        sketch.Fill(crown, kNightHigh);
      }
      FillRect(sketch, u0 - 10, sill - 10, u1 + 10, horizon, kNightHigh);
    } else if (view == "sea") {
      FillRect(sketch, u0 - 10, sill - 10, u1 + 10, horizon, kSea);
      for (int wave = 0; wave < 5; ++wave) {
        const double v = sill + (horizon - sill) * (0.2 + 0.15 * wave);
        PlaneLine(sketch, u0 + width * LatticeValue(wave, 32, seed) * 0.6, v, u0 + width * (0.3 + 0.6 * LatticeValue(wave, 33, seed)), v, kFoam, 0.7);
      }
    } else {
      // A lawn, a hedge and the crowns of trees, each grown from the seed.
      FillRect(sketch, u0 - 10, sill - 10, u1 + 10, horizon, kGrass);
      for (int tree = 0; tree < 4; ++tree) {
        const double u = u0 + width * (0.1 + 0.8 * LatticeValue(tree, 34, seed));
        const double r = tall * (0.12 + 0.12 * LatticeValue(tree, 35, seed));
        QPainterPath crown;
        crown.addEllipse(QPointF(u, horizon + r * 0.6), r, r * 1.1);
        sketch.Fill(crown, tree % 2 == 0 ? kLeaf : kLeafDark);
      }
      FillRect(sketch, u0 - 10, horizon - 12, u1 + 10, horizon + 6, kLeafDark);
    }
    }
    painter.restore();
  }
  // The reveal of the wall's thickness, the sill and the glazing bars.
  const double eyeU = EyeAlong(space, wall);
  const auto face = [&](std::vector<Point3> points, QRgb fill, double shade) {
    QPainterPath path;
    path.addPolygon(space.ProjectPolygon(points));
    path.closeSubpath();
    sketch.Shape(path, fill);
    Tint(sketch, path, kFogColour, shade);
  };
  if (!round) {
    const double thick = kWallThickness;
    if (eyeU < u1) face({wall.At(u1, sill, 0), wall.At(u1, sill + tall, 0), wall.At(u1, sill + tall, -thick), wall.At(u1, sill, -thick)}, kWallCream, 0.1);
    if (eyeU > u0) face({wall.At(u0, sill, 0), wall.At(u0, sill + tall, 0), wall.At(u0, sill + tall, -thick), wall.At(u0, sill, -thick)}, kWallCream, 0.1);
    if (space.EyeHeight() < sill + tall)
      face({wall.At(u0, sill + tall, 0), wall.At(u1, sill + tall, 0), wall.At(u1, sill + tall, -thick), wall.At(u0, sill + tall, -thick)}, kWallCream, 0.25);
    {
      OnPlane plane(sketch, space, wall, -thick * 0.5);
      QPainterPath bars;
      bars.setFillRule(Qt::WindingFill);
      bars.addRect(QRectF(u0, sill, width, 5));
      bars.addRect(QRectF(u0, sill + tall - 5, width, 5));
      bars.addRect(QRectF(u0, sill, 5, tall));
      bars.addRect(QRectF(u1 - 5, sill, 5, tall));
      bars.addRect(QRectF(middleU - 2.5, sill, 5, tall));
      bars.addRect(QRectF(u0, middleV - 2.5, width, 5));
      bars.addRect(QRectF(u0, sill + tall * 0.78 - 2, width, 4));
      sketch.Shape(bars, kHouseWhite);
    }
    face({wall.At(u0 - 8, sill, 6), wall.At(u1 + 8, sill, 6), wall.At(u1 + 8, sill, -thick), wall.At(u0 - 8, sill, -thick)}, kWoodLight, 0.0);
    face({wall.At(u0 - 8, sill, 6), wall.At(u1 + 8, sill, 6), wall.At(u1 + 8, sill - 5, 6), wall.At(u0 - 8, sill - 5, 6)}, kWoodLight, 0.15);
  } else {
    OnPlane plane(sketch, space, wall, 1);
    sketch.Shape(Ring(QPointF(middleU, middleV), width / 2 + 9, tall / 2 + 9, width / 2, tall / 2), kGold);
    for (int bolt = 0; bolt < 8; ++bolt) {
      const double a = bolt * 0.785398;
      QPainterPath head;
      head.addEllipse(QPointF(middleU + std::cos(a) * (width / 2 + 4.5), middleV + std::sin(a) * (tall / 2 + 4.5)), 1.6, 1.6);
      sketch.Fill(head, kGoldDark);
    }
    PlaneLine(sketch, middleU - width * 0.3, middleV + tall * 0.25, middleU - width * 0.05, middleV + tall * 0.38, kWhite, 0.7);
  }
  if (curtains) {
    OnPlane plane(sketch, space, wall, 4);
    for (const double side : {-1.0, 1.0}) {
      const double edge = side < 0 ? u0 - 4 : u1 + 4;
      const double outer = edge + side * 30;
      const double inner = edge - side * 12;
      QPainterPath drape;
      drape.moveTo(outer, sill + tall + 18);
      drape.lineTo(inner, sill + tall + 18);
      drape.quadTo(edge + side * 4, sill + tall * 0.4, edge + side * 14, sill - 30);
      drape.lineTo(outer, sill - 30);
      drape.closeSubpath();
      sketch.Shape(drape, curtain);
      for (int fold = 1; fold < 4; ++fold) {
        const double at = inner + (outer - inner) * fold / 4.0;
        PlaneLine(sketch, at, sill + tall + 14, at + side * 6, sill - 26, kInk, 0.3);
      }
    }
    FillRect(sketch, u0 - 40, sill + tall + 18, u1 + 40, sill + tall + 24, kGoldDark);
  }
  if (daylight > 0) {
    // Light through the glass onto the wall round it, the floor and a faint shaft through the air.
    {
      OnPlane plane(sketch, space, wall);
      PlanePool(sketch, middleU, middleV, width * 1.3, tall * 1.1, shine, 0.3 * daylight);
    }
    const double lean = layer.Number("lean", 0.35);
    const auto onFloor = [&](double u, double v) { return wall.At(u + v * lean, 0, v * 0.75); };
    const std::vector<Point3> patch = {onFloor(u0, sill), onFloor(u1, sill), onFloor(u1, sill + tall), onFloor(u0, sill + tall)};
    {
      OnPlane plane(sketch, FlatAt(space, 0));
      QPainterPath floorPatch = PathThrough({At(patch[0].x, patch[0].z), At(patch[1].x, patch[1].z), At(patch[2].x, patch[2].z),
                                             At(patch[3].x, patch[3].z)});
      if (round) {
        floorPatch = QPainterPath();
        const Point3 centre = onFloor(middleU, middleV);
        floorPatch.addEllipse(QPointF(centre.x, centre.z), width * 0.55, tall * 0.4);
      }
      Tint(sketch, floorPatch, shine, 0.14 * daylight);
      OnFrame(sketch, floorPatch, [&](const QPainterPath& framePatch) {
        const QRectF box = framePatch.boundingRect();
        sketch.Air().AddPool(painter.worldTransform(), framePatch, box.center(), std::hypot(box.width(), box.height()) * 0.6,
                             shine, 0.5 * daylight);
      });
    }
    QPainterPath shaft;
    shaft.addPolygon(space.ProjectPolygon({wall.At(u0, sill + tall, 0), wall.At(u1, sill + tall, 0), patch[1], patch[0]}));
    shaft.closeSubpath();
    Tint(sketch, shaft, shine, 0.06 * daylight);
  }
  QPainterPath whole;
  whole.addPolygon(space.ProjectPolygon({wall.At(u0, sill, 0), wall.At(u1, sill, 0), wall.At(u1, sill + tall, 0), wall.At(u0, sill + tall, 0)}));
  FogOver(sketch, whole, space.Depth(wall.At(middleU, middleV, 0)) * 0.7);
}

// "hall-picture wall= at= width= tall= high= subject=landscape|portrait|sea": a framed painting hung by its
// cord from the picture rail.
void PaintHallPicture(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double width = layer.Number("width", 0.7) * 100;
  const double tall = layer.Number("tall", 0.55) * 100;
  const double high = layer.Number("high", 1.55) * 100;
  const bool endWall = layer.Word("wall", "left") == "end";
  const double u0 = layer.Number("at", 3) * 100 - (endWall ? width / 2 : 0);
  const std::string subject = layer.Word("subject", "landscape");
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  {
    OnPlane plane(sketch, space, wall, 2);
    const double middle = u0 + width / 2;
    PlaneLine(sketch, middle, 230, u0 + 6, high + tall, kInk, 0.7);
    PlaneLine(sketch, middle, 230, u0 + width - 6, high + tall, kInk, 0.7);
    // The shadow it throws on the wall below and to the side.
    Tint(sketch, PathThrough({At(u0 + 5, high - 6), At(u0 + width + 5, high - 6), At(u0 + width + 5, high + tall - 4), At(u0 + 5, high + tall - 4)}),
         kInk, 0.22);
    sketch.Shape(PathThrough({At(u0, high), At(u0 + width, high), At(u0 + width, high + tall), At(u0, high + tall)}), kGoldDark);
    const double inset = 7;
    const QRectF canvas(u0 + inset, high + inset, width - 2 * inset, tall - 2 * inset);
    painter.save();
    painter.setClipRect(canvas);
    if (subject == "portrait") {
      sketch.Fill(PathThrough({canvas.topLeft(), canvas.topRight(), canvas.bottomRight(), canvas.bottomLeft()}), kDuskHigh);
      QPainterPath body;
      body.addEllipse(QPointF(canvas.center().x(), canvas.top()), canvas.width() * 0.42, canvas.height() * 0.42);
      sketch.Fill(body, kSuit);
      QPainterPath head;
      head.addEllipse(QPointF(canvas.center().x(), canvas.top() + canvas.height() * 0.55), canvas.width() * 0.18, canvas.height() * 0.2);
      sketch.Fill(head, kSkin);
      QPainterPath hair;
      hair.addEllipse(QPointF(canvas.center().x(), canvas.top() + canvas.height() * 0.68), canvas.width() * 0.19, canvas.height() * 0.1);
      sketch.Fill(hair, kHairGrey);
    } else {
      const bool sea = subject == "sea";
      sketch.Fill(PathThrough({canvas.topLeft(), canvas.topRight(), canvas.bottomRight(), canvas.bottomLeft()}), sea ? kSkyPale : kDuskSky);
      const double horizon = canvas.top() + canvas.height() * (0.35 + 0.2 * LatticeValue(2, 41, seed));
      QPainterPath land;
      land.moveTo(canvas.left(), canvas.top());
      land.lineTo(canvas.left(), horizon);
      for (int step = 1; step <= 6; ++step)
        land.lineTo(canvas.left() + canvas.width() * step / 6, horizon + (LatticeValue(step, 42, seed) - 0.5) * canvas.height() * (sea ? 0.05 : 0.35));
      land.lineTo(canvas.right(), canvas.top());
      land.closeSubpath();
      sketch.Fill(land, sea ? kSeaDark : kHill);
      if (sea) {
        sketch.Fill(PathThrough({At(canvas.center().x() - 8, horizon + 2), At(canvas.center().x() + 8, horizon + 2),
                                 At(canvas.center().x() + 1, horizon + 22)}),
                    kSail);
      } else {
        QPainterPath sun;
        sun.addEllipse(QPointF(canvas.left() + canvas.width() * (0.2 + 0.6 * LatticeValue(3, 41, seed)), canvas.bottom() - canvas.height() * 0.22),
                       canvas.height() * 0.1, canvas.height() * 0.1);
        sketch.Fill(sun, kSun);
      }
    }
    painter.restore();
    PlaneLine(sketch, canvas.left(), canvas.top(), canvas.right(), canvas.top(), kInk, 0.5);
    PlaneLine(sketch, u0 + 2, high + tall - 2, u0 + width - 2, high + tall - 2, kGold, 0.9);
  }
  QPainterPath whole;
  whole.addPolygon(space.ProjectPolygon({wall.At(u0, high, 2), wall.At(u0 + width, high, 2), wall.At(u0 + width, high + tall, 2), wall.At(u0, high + tall, 2)}));
  FogOver(sketch, whole, space.Depth(wall.At(u0, high, 0)));
}

// "hall-table wall= at= length=": a narrow side table against the wall with a vase of flowers on it.
void PaintHallTable(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double u0 = layer.Number("at", 3) * 100;
  const double length = layer.Number("length", 1.1) * 100;
  const double high = 80;
  const double deep = 38;
  const QRgb wood = layer.Colour("colour", kWood);
  const auto face = [&](std::vector<Point3> points, QRgb fill, double shade) {
    QPainterPath path;
    path.addPolygon(space.ProjectPolygon(points));
    path.closeSubpath();
    sketch.Shape(path, fill);
    if (shade > 0) Tint(sketch, path, kFogColour, shade);
    return path;
  };
  // Its shadow on the floor, legs, then the top's front edge and upper face.
  QPainterPath shadow;
  shadow.addPolygon(space.ProjectPolygon({wall.At(u0, 0, 0), wall.At(u0 + length, 0, 0), wall.At(u0 + length + 10, 0, deep + 10),
                                          wall.At(u0 - 5, 0, deep + 10)}));
  Tint(sketch, shadow, kInk, 0.3);
  for (const double u : {u0 + 4, u0 + length - 8})
    for (const double d : {4.0, deep - 4})
      face({wall.At(u, 0, d), wall.At(u + 4, 0, d), wall.At(u + 4, high, d), wall.At(u, high, d)}, kWoodDark, 0.1);
  face({wall.At(u0, high - 14, deep), wall.At(u0 + length, high - 14, deep), wall.At(u0 + length, high, deep), wall.At(u0, high, deep)}, wood, 0.15);
  face({wall.At(u0, high, 0), wall.At(u0 + length, high, 0), wall.At(u0 + length, high, deep), wall.At(u0, high, deep)}, wood, 0.0);
  // A vase with flowers.
  const Point3 foot = wall.At(u0 + length * 0.6, high, deep * 0.5);
  const double scale = space.ScaleAt(foot);
  const QPointF base = space.Project(foot);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(base);
  painter.scale(scale, scale);
  sketch.Line(-3, -26, -12, -50, kLeafDark, 1.5);
  sketch.Line(0, -26, 2, -56, kLeafDark, 1.5);
  sketch.Line(3, -26, 13, -46, kLeafDark, 1.5);
  for (const auto& [x, y, c] : {std::tuple{-12.0, -50.0, kPaintRed}, std::tuple{2.0, -56.0, kPaintYellow}, std::tuple{13.0, -46.0, kPink}})
    sketch.Oval(x, y, 5, 5, c);
  QPainterPath vase;
  vase.moveTo(-5, -28);
  vase.cubicTo(-14, -20, -12, -4, -7, 0);
  vase.lineTo(7, 0);
  vase.cubicTo(12, -4, 14, -20, 5, -28);
  vase.closeSubpath();
  sketch.Shape(vase, kPaintBlue);
  painter.restore();
}

// "hall-barrel across= at=": a coopered barrel standing on the floor across= metres from the middle, at=
// metres down the hall, its shadow beside it.
void PaintHallBarrel(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const Point3 foot{layer.Number("across", 0) * 100, 0, layer.Number("at", 3) * 100};
  {
    OnPlane plane(sketch, FlatAt(space, 0));
    QPainterPath shadow;
    shadow.addEllipse(QPointF(foot.x + 14, foot.z + 10), 34, 30);
    Tint(sketch, shadow, kInk, 0.3);
  }
  const double scale = space.ScaleAt(foot);
  const QPointF base = space.Project(foot);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(base);
  painter.scale(scale, scale);
  QPainterPath body;
  body.moveTo(-22, 0);
  body.cubicTo(-30, -20, -30, -48, -22, -68);
  body.lineTo(22, -68);
  body.cubicTo(30, -48, 30, -20, 22, 0);
  body.closeSubpath();
  sketch.Shape(body, kWood);
  for (const double x : {-14.0, -5.0, 5.0, 14.0}) PlaneLine(sketch, x, -2, x * 1.15, -66, kInk, 0.35);
  for (const double y : {-10.0, -56.0}) sketch.Shape(RoundedBox(-26, y - 3, 52, 6, 2), kIron);
  sketch.Shape(RoundedBox(-28.5, -37, 57, 6, 2), kIron);
  QPainterPath lid;
  lid.addEllipse(QPointF(0, -68), 22, 6);
  sketch.Shape(lid, kWoodLight);
  painter.restore();
  QPainterPath whole;
  whole.addRect(QRectF(base.x() - 30 * scale, base.y() - 72 * scale, 60 * scale, 72 * scale));
  FogOver(sketch, whole, space.Depth(foot));
}

// "hall-bag across= at=": a heavy leather punching bag hanging on chains from a ceiling hook, scuffed where
// it is hit, its shadow on the floor below.
void PaintHallBag(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const double x = layer.Number("across", 0) * 100;
  const double z = layer.Number("at", 3) * 100;
  const double top = 185;
  const double bottom = 70;
  const double radius = 21;
  const QRgb leather = layer.Colour("colour", kShirtRed);
  {
    OnPlane plane(sketch, FlatAt(space, 0));
    QRadialGradient shadow(QPointF(x + 25, z + 20), 55);
    shadow.setColorAt(0, WithAlpha(kInk, 0.4));
    shadow.setColorAt(1, WithAlpha(kInk, 0.0));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(shadow);
    sketch.Painter().drawEllipse(QPointF(x + 25, z + 20), 55, 55);
  }
  // The hook and the chains from the ceiling to the swivel, and four straps down to the bag's crown.
  const QPointF hook = space.Project({x, space.Height(), z});
  const QPointF swivel = space.Project({x, top + 45, z});
  const double scale = space.ScaleAt({x, (top + bottom) / 2, z});
  sketch.Oval(hook.x(), hook.y() + 3 * scale, 6 * scale, 3 * scale, kIron);
  for (double step = 0; step < 1; step += 0.07) {
    const QPointF link = hook + (swivel - hook) * step;
    sketch.Oval(link.x(), link.y(), 1.8 * scale, 3.2 * scale, kMetal);
  }
  const QPointF crown = space.Project({x, top, z});
  for (const double side : {-1.0, -0.35, 0.35, 1.0}) {
    const QPointF strapFoot = crown + QPointF(side * radius * scale, 0);
    sketch.Line(swivel.x(), swivel.y(), strapFoot.x(), strapFoot.y(), kIron, std::max(1.0, 1.2 * scale));
  }
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(crown);
  painter.scale(scale, scale);
  // The body: a round-shouldered cylinder, lit across from the window side, the far side in cool shade.
  const double length = top - bottom;
  QPainterPath body = RoundedBox(-radius, 0, 2 * radius, length, 9);
  sketch.Shape(body, leather);
  QLinearGradient round(QPointF(-radius, 0), QPointF(radius, 0));
  round.setColorAt(0.0, WithAlpha(kWhite, 0.0));
  round.setColorAt(0.28, WithAlpha(kWhite, 0.28));
  round.setColorAt(0.45, WithAlpha(kWhite, 0.0));
  round.setColorAt(0.8, WithAlpha(kShadow, 0.3));
  round.setColorAt(1.0, WithAlpha(kShadow, 0.5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(round);
  painter.drawPath(body);
  // Seams stitched down and round it, a worn patch where the punches land, a maker's band.
  for (const double seam : {-radius * 0.55, radius * 0.4}) {
    PlaneLine(sketch, seam, 4, seam, length - 4, kInk, 0.35);
    for (double v = 8; v < length - 6; v += 6) PlaneLine(sketch, seam - 1.2, v, seam + 1.2, v + 2, kWallCream, 0.5);
  }
  for (const double band : {length * 0.16, length * 0.78}) {
    QPainterPath strip;
    strip.moveTo(-radius, band - 4);
    strip.quadTo(0, band + 2, radius, band - 4);
    strip.lineTo(radius, band + 4);
    strip.quadTo(0, band + 10, -radius, band + 4);
    strip.closeSubpath();
    sketch.Shape(strip, kIron);
  }
  QPainterPath worn;
  worn.addEllipse(QPointF(-radius * 0.15, length * 0.47), radius * 0.45, length * 0.16);
  Tint(sketch, worn, kRagDark, 0.35);
  for (int scuff = 0; scuff < 5; ++scuff) {
    const double v = length * (0.36 + 0.05 * scuff);
    PlaneLine(sketch, -radius * 0.4, v, -radius * 0.05, v + 2, kWallCream, 0.35);
  }
  QPainterPath cap;
  cap.addEllipse(QPointF(0, 1), radius * 0.95, 3.5);
  sketch.Shape(cap, kIron);
  painter.restore();
  QPainterPath whole;
  whole.addRect(QRectF(crown.x() - radius * scale, crown.y(), 2 * radius * scale, length * scale));
  FogOver(sketch, whole, space.Depth({x, top, z}));
}

// "hall-pool left= right= from= to= deep= murky=": a swimming pool sunk in the floor, left..right across and
// from..to along the hall (metres): its stone coping, its tiled sides and floor seen through the water, the
// water's surface with ripples and the windows' light on it; murky water hides the bottom under green scum.
void PaintHallPool(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const double x0 = layer.Number("left", -2.5) * 100;
  const double x1 = layer.Number("right", 2.5) * 100;
  const double z0 = layer.Number("from", 3) * 100;
  const double z1 = layer.Number("to", 12) * 100;
  const double deep = layer.Number("deep", 1.6) * 100;
  const bool murky = layer.Flag("murky", false);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  {
    OnPlane plane(sketch, FlatAt(space, 0));
    sketch.Fill(PathThrough({At(x0 - 40, z0 - 40), At(x1 + 40, z0 - 40), At(x1 + 40, z1 + 40), At(x0 - 40, z1 + 40)}), kStoneLight);
    for (double z = z0 - 40; z < z1 + 40; z += 60) {
      PlaneLine(sketch, x0 - 40, z, x0, z, kInk, 0.3);
      PlaneLine(sketch, x1, z, x1 + 40, z, kInk, 0.3);
    }
    for (double x = x0; x < x1; x += 60) {
      PlaneLine(sketch, x, z0 - 40, x, z0, kInk, 0.3);
      PlaneLine(sketch, x, z1, x, z1 + 40, kInk, 0.3);
    }
    PlaneLine(sketch, x0 - 40, z0 - 40, x1 + 40, z0 - 40, kInk, 0.5);
  }
  QPainterPath opening;
  opening.addPolygon(space.ProjectPolygon({{x0, 0, z0}, {x1, 0, z0}, {x1, 0, z1}, {x0, 0, z1}}));
  opening.closeSubpath();
  painter.save();
  painter.setClipPath(opening, Qt::IntersectClip);
  // The basin: its floor with a dark lane line, the side walls the eye can see, the far wall; all tiled.
  {
    OnPlane plane(sketch, FlatAt(space, -deep));
    FillRect(sketch, x0, z0, x1, z1, kTileDark);
    for (double x = x0; x < x1; x += 30) PlaneLine(sketch, x, z0, x, z1, kInk, 0.2);
    for (double z = z0; z < z1; z += 30) PlaneLine(sketch, x0, z, x1, z, kInk, 0.2);
    FillRect(sketch, (x0 + x1) / 2 - 12, z0 + 150, (x0 + x1) / 2 + 12, z1 - 150, kSeaDark);
  }
  const auto tiledWall = [&](const WallFrame& frame, double from, double to) {
    OnPlane plane(sketch, space, frame);
    FillRect(sketch, from, -deep, to, 0, kTile);
    for (double v = -deep; v < 0; v += 30) PlaneLine(sketch, from, v, to, v, kInk, 0.25);
    for (double u = from; u < to; u += 30) PlaneLine(sketch, u, -deep, u, 0, kInk, 0.25);
    FillRect(sketch, from, -28, to, -16, kPaintBlue);
  };
  if (space.EyeX() > x0) tiledWall({{x0, 0, 0}, {0, 0, 1}, {1, 0, 0}}, z0, z1);
  if (space.EyeX() < x1) tiledWall({{x1, 0, 0}, {0, 0, 1}, {-1, 0, 0}}, z0, z1);
  tiledWall({{0, 0, z1}, {1, 0, 0}, {0, 0, -1}}, x0, x1);
  // The water, filling the basin to a hand's breadth under the coping.
  {
    OnPlane plane(sketch, FlatAt(space, -14));
    const QRectF surface(x0, z0, x1 - x0, z1 - z0);
    QLinearGradient body(space.Project({0, -14, z0}), space.Project({0, -14, z1}));
    body.setColorAt(0, WithAlpha(murky ? kMurky : kSea, murky ? 0.86 : 0.5));
    body.setColorAt(1, WithAlpha(murky ? kDeepWater : kSeaLight, murky ? 0.92 : 0.62));
    OnFrame(sketch, PathThrough({surface.topLeft(), surface.topRight(), surface.bottomRight(), surface.bottomLeft()}),
            [&](const QPainterPath& framePath) {
              painter.setPen(Qt::NoPen);
              painter.setBrush(body);
              painter.drawPath(framePath);
              sketch.Texture(framePath, kSea);
            });
    if (murky) {
      // Drifts of green scum and a few dead leaves.
      for (int drift = 0; drift < 14; ++drift) {
        QPainterPath scum;
        const QPointF centre(x0 + (x1 - x0) * LatticeValue(drift, 51, seed), z0 + (z1 - z0) * LatticeValue(drift, 52, seed));
        scum.addEllipse(centre, 30 + 60 * LatticeValue(drift, 53, seed), 20 + 40 * LatticeValue(drift, 54, seed));
        Tint(sketch, scum, drift % 3 == 0 ? kRottenMeatDark : kToad, 0.3);
      }
    }
    // Ripples: short bright crests, longer and fewer far away.
    for (int ripple = 0; ripple < 60; ++ripple) {
      const double x = x0 + (x1 - x0) * LatticeValue(ripple, 55, seed);
      const double z = z0 + (z1 - z0) * std::pow(LatticeValue(ripple, 56, seed), 0.7);
      const double reach = 10 + 25 * LatticeValue(ripple, 57, seed);
      PlaneLine(sketch, x - reach, z, x + reach, z + 3, ripple % 4 == 0 ? kSeaDark : kFoam, murky ? 0.25 : 0.55);
    }
    PlanePool(sketch, (x0 + x1) / 2, (z0 + z1) * 0.55, (x1 - x0) * 0.6, (z1 - z0) * 0.4, kSkyPale, murky ? 0.15 : 0.3);
  }
  painter.restore();
  // The water's line against the tiles and the coping's lip, in ink.
  painter.save();
  painter.setOpacity(0.6);
  const QPolygonF rim = space.ProjectPolygon({{x0, 0, z0}, {x1, 0, z0}, {x1, 0, z1}, {x0, 0, z1}});
  QPainterPath rimPath;
  rimPath.addPolygon(rim);
  rimPath.closeSubpath();
  sketch.Outline(rimPath);
  painter.restore();
  // A ladder down into the water on the side the eye sees.
  const double side = space.EyeX() < x1 ? x1 : x0;
  const double inward = side == x1 ? -1 : 1;
  const double ladderZ = z0 + (z1 - z0) * layer.Number("ladder", 0.35);
  for (const double z : {ladderZ, ladderZ + 50}) {
    const std::vector<Point3> rail = {{side - inward * 25, 0, z},      {side - inward * 25, 80, z}, {side - inward * 10, 95, z},
                                      {side + inward * 8, 80, z},      {side + inward * 12, 30, z}, {side + inward * 12, -60, z}};
    QPainterPath path;
    path.moveTo(space.Project(rail[0]));
    for (std::size_t point = 1; point < rail.size(); ++point) path.lineTo(space.Project(rail[point]));
    const double width = std::max(1.2, 4.5 * space.ScaleAt(rail[2]));
    sketch.Stroke(path, kInk, width + 1.5);
    sketch.Stroke(path, kSilver, width);
  }
  for (const double v : {10.0, -25.0}) {
    const QPointF a = space.Project({side + inward * 12, v, ladderZ});
    const QPointF b = space.Project({side + inward * 12, v, ladderZ + 50});
    sketch.Line(a.x(), a.y(), b.x(), b.y(), kSilver, std::max(1.0, 3 * space.ScaleAt({side, v, ladderZ})));
  }
}

// "hall-diving-board across= at= length= high= toward=near|far": a diving board on its concrete stand at=
// metres down the hall, reaching length= metres towards the eye or away from it, its top high= metres up.
void PaintHallDivingBoard(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const double x = layer.Number("across", 0) * 100;
  const double z = layer.Number("at", 12) * 100;
  const double length = layer.Number("length", 2.6) * 100;
  const double high = layer.Number("high", 1.0) * 100;
  const double toward = layer.Word("toward", "near") == "near" ? -1 : 1;
  const double half = 28;
  const auto face = [&](std::vector<Point3> points, QRgb fill, double shade) {
    QPainterPath path;
    path.addPolygon(space.ProjectPolygon(points));
    path.closeSubpath();
    if (path.boundingRect().isEmpty()) return path;
    sketch.Shape(path, fill);
    if (shade > 0) Tint(sketch, path, kShadow, shade);
    return path;
  };
  // The stand: a tapering concrete block with its face towards the eye lit, its side in shade.
  const double standNear = z - 35 * -toward;
  const double standFar = z + 35 * -toward;
  const double top = high - 12;
  const double frontZ = std::min(standNear, standFar);
  const double backZ = std::max(standNear, standFar);
  if (space.EyeX() < x - 32)
    face({{x - 32, 0, frontZ}, {x - 32, 0, backZ}, {x - 24, top, backZ}, {x - 24, top, frontZ}}, kStone, 0.3);
  if (space.EyeX() > x + 32)
    face({{x + 32, 0, frontZ}, {x + 32, 0, backZ}, {x + 24, top, backZ}, {x + 24, top, frontZ}}, kStone, 0.3);
  face({{x - 32, 0, frontZ}, {x + 32, 0, frontZ}, {x + 24, top, frontZ}, {x - 24, top, frontZ}}, kStoneLight, 0.0);
  // The roller the board springs on, then the board: its top, the side the eye sees and the near end.
  const double start = z + 40 * -toward;
  const double tip = z + length * toward;
  const double a = std::min(start, tip);
  const double b = std::max(start, tip);
  // The far half of the board droops a little towards its tip.
  const double droop = 6;
  const auto boardY = [&](double at) { return high - droop * std::abs(at - start) / length; };
  if (space.EyeX() < x - half)
    face({{x - half, boardY(a), a}, {x - half, boardY(b), b}, {x - half, boardY(b) - 7, b}, {x - half, boardY(a) - 7, a}}, kPaperShade, 0.15);
  if (space.EyeX() > x + half)
    face({{x + half, boardY(a), a}, {x + half, boardY(b), b}, {x + half, boardY(b) - 7, b}, {x + half, boardY(a) - 7, a}}, kPaperShade, 0.15);
  face({{x - half, boardY(a), a}, {x + half, boardY(a), a}, {x + half, boardY(a) - 7, a}, {x - half, boardY(a) - 7, a}}, kPaperShade, 0.1);
  const QPainterPath board = face({{x - half, boardY(a), a}, {x + half, boardY(a), a}, {x + half, boardY(b), b}, {x - half, boardY(b), b}}, kPaper, 0.0);
  // The rough tread down its middle.
  face({{x - half * 0.7, boardY(a) + 0.5, a + 10}, {x + half * 0.7, boardY(a) + 0.5, a + 10}, {x + half * 0.7, boardY(b) + 0.5, b - 10},
        {x - half * 0.7, boardY(b) + 0.5, b - 10}},
       kSand, 0.0);
  // Hand rails rising from the stand on either side.
  for (const double side : {-1.0, 1.0}) {
    const std::vector<Point3> rail = {{x + side * 40, 0, backZ - 5}, {x + side * 40, high + 85, backZ - 5}, {x + side * 40, high + 85, start + 60 * toward},
                                      {x + side * 36, high, start + 90 * toward}};
    QPainterPath path;
    path.moveTo(space.Project(rail[0]));
    for (std::size_t point = 1; point < rail.size(); ++point) path.lineTo(space.Project(rail[point]));
    const double width = std::max(1.2, 4 * space.ScaleAt(rail[1]));
    sketch.Stroke(path, kInk, width + 1.5);
    sketch.Stroke(path, kSilver, width);
  }
  (void)board;
}

// "hall-mirror wall= at= width= tall= high= tilt=": a gilt-framed mirror hung from a nail, tilt= degrees
// crooked, its glass catching the light in pale streaks.
void PaintHallMirror(Sketch& sketch, const Layer& layer) {
  const HallSpace space = SpaceOf(sketch);
  const WallFrame wall = WallOf(space, layer);
  const double width = layer.Number("width", 0.6) * 100;
  const double tall = layer.Number("tall", 0.9) * 100;
  const double high = layer.Number("high", 1.2) * 100;
  const double middle = layer.Number("at", 3) * 100;
  const double tilt = layer.Number("tilt", 0);
  QPainter& painter = sketch.Painter();
  OnPlane plane(sketch, space, wall, 2);
  const QPointF nail(middle, high + tall + 22);
  PlaneLine(sketch, nail.x(), nail.y(), middle - width * 0.3, high + tall, kInk, 0.7);
  PlaneLine(sketch, nail.x(), nail.y(), middle + width * 0.3, high + tall, kInk, 0.7);
  QPainterPath head;
  head.addEllipse(nail, 2, 2);
  sketch.Fill(head, kIron);
  // Turned about the nail: the frame's shadow on the wall, the frame, the glass.
  painter.translate(nail);
  painter.rotate(tilt);
  painter.translate(-nail);
  Tint(sketch, PathThrough({At(middle - width / 2 + 6, high - 8), At(middle + width / 2 + 6, high - 8), At(middle + width / 2 + 6, high + tall - 6),
                            At(middle - width / 2 + 6, high + tall - 6)}),
       kInk, 0.25);
  sketch.Shape(Casing(middle - width / 2 + 8, middle + width / 2 - 8, tall - 8, 8).translated(0, high), kGoldDark);
  sketch.Shape(PathThrough({At(middle - width / 2, high), At(middle + width / 2, high), At(middle + width / 2, high + 8), At(middle - width / 2, high + 8)}),
               kGoldDark);
  const QRectF glass(middle - width / 2 + 8, high + 8, width - 16, tall - 16);
  QLinearGradient silver(glass.bottomLeft(), glass.topRight());
  silver.setColorAt(0, QColor::fromRgb(kSkyPale));
  silver.setColorAt(0.6, QColor::fromRgb(kIceDark));
  silver.setColorAt(1, QColor::fromRgb(kMetalDark));
  painter.setPen(Qt::NoPen);
  painter.setBrush(silver);
  painter.drawRect(glass);
  for (const double at : {0.25, 0.42}) {
    Tint(sketch, PathThrough({At(glass.left() + glass.width() * at, glass.top()), At(glass.left() + glass.width() * (at + 0.1), glass.top()),
                              At(glass.left() + glass.width() * (at + 0.35), glass.bottom()), At(glass.left() + glass.width() * (at + 0.25), glass.bottom())}),
         kWhite, 0.35);
  }
  PlaneLine(sketch, glass.left(), glass.top(), glass.right(), glass.top(), kInk, 0.5);
}

}  // namespace

void RegisterCorridorProps(PropRegistry& registry) {
  registry.Add("hall", PaintHall);
  registry.Add("hall-door", PaintHallDoor);
  registry.Add("hall-opening", PaintHallOpening);
  registry.Add("hall-sconce", PaintHallSconce);
  registry.Add("hall-lamp", PaintHallLamp);
  registry.Add("hall-window", PaintHallWindow);
  registry.Add("hall-picture", PaintHallPicture);
  registry.Add("hall-table", PaintHallTable);
  registry.Add("hall-barrel", PaintHallBarrel);
  registry.Add("hall-bag", PaintHallBag);
  registry.Add("hall-pool", PaintHallPool);
  registry.Add("hall-mirror", PaintHallMirror);
  registry.Add("hall-diving-board", PaintHallDivingBoard);
}

}  // namespace brackenhollow::art
