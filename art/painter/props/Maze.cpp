// The corn maze seen from inside it: a pinhole camera at eye height over flat ground, corn standing in
// banks along the paths, each bank a hazed mass with single stalks in front, casting its shadow across the
// trampled soil. Two layers share one layout: the floor (soil, leaves, shadows; the path's way out) and the
// corn itself (the world's "corn"), so each can be chosen on its own.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brackenhollow::art {

namespace {

using namespace colours;

// Heights in metres: the corn stands well over the head of someone walking through it.
constexpr double kCornHeight = 2.5;
constexpr QRgb kShadeViolet = 0x3a3656;
constexpr QRgb kSunTint = 0xfff0b0;
constexpr QRgb kDeepCorn = 0x1f3a22;
constexpr QRgb kWitheredLeaf = 0xb59a55;
constexpr QRgb kBrownLeaf = 0x8a6a3a;

// amount of the way from one colour to another, clamped to [0, 1].
QRgb Mix(QRgb from, QRgb to, double amount) {
  const double t = std::clamp(amount, 0.0, 1.0);
  const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
  return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// Where a point of the ground, x across and z away from the eye (metres), and height above it lands on the
// frame.
struct FieldCamera {
  double vanishX = 298;
  double horizon = 190;
  double focal = 330;
  double eye = 1.6;

  QPointF Project(double x, double height, double z) const {
    return {vanishX + focal * x / z, horizon + focal * (eye - height) / z};
  }
};

// The edge of a bank of corn along the ground from start to end (x, z), the open side it faces given by
// its normal (pointing out of the corn).
struct Bank {
  QPointF start;
  QPointF end;
  QPointF normal;
  double Nearest() const { return std::min(start.y(), end.y()); }
};

// Everything both layers of one view share.
struct MazeLayout {
  FieldCamera camera;
  std::vector<Bank> banks;
  std::vector<std::vector<QPointF>> lanes;  // where feet have worn the soil, along each path's middle
  QPointF light;  // the direction sunlight travels over the ground (x, z), per metre of height
  std::uint32_t seed = 0;
  QRgb haze = kSkyPale;
};

// How far a thing at depth z has faded into the haze.
double HazeAt(double z) {
  return std::clamp((z - 3.5) / 38.0, 0.0, 0.72);
}

// How much sunlight a face turned to normal takes: 0 turned away, 1 square on.
double Lit(const MazeLayout& layout, QPointF normal) {
  const double length = std::hypot(layout.light.x(), layout.light.y());
  return std::clamp(-(normal.x() * layout.light.x() + normal.y() * layout.light.y()) / length, 0.0, 1.0);
}

// The ragged top of the corn at a place on the ground: tassels stand higher here and there.
double TopAt(const MazeLayout& layout, double x, double z) {
  return kCornHeight + 0.7 * (ValueNoise(x * 1.3 + 11, z * 1.3, layout.seed) - 0.5) +
         0.18 * (ValueNoise(x * 6 + 3, z * 6, layout.seed ^ 0x51u) - 0.5);
}

// Appends a bank from a to b with the corn on the side away from open.
void AddBank(MazeLayout& layout, QPointF a, QPointF b, QPointF open) {
  const QPointF along = b - a;
  QPointF normal(-along.y(), along.x());
  normal /= std::hypot(normal.x(), normal.y());
  const QPointF middle = (a + b) / 2;
  if ((open.x() - middle.x()) * normal.x() + (open.y() - middle.y()) * normal.y() < 0) normal = -normal;
  layout.banks.push_back({a, b, normal});
}

// The layout a scene line asks for: kind=straight runs far ahead, bend turns right behind the corn, fork
// splits left and right round a wedge of corn, clearing opens a round space with a gap out (gap=-1..1,
// left to right along its far edge).
MazeLayout LayoutOf(Sketch& sketch, const Layer& layer) {
  MazeLayout layout;
  layout.camera.vanishX = layer.Number("vanish", 298);
  layout.camera.horizon = layer.Number("horizon", 190);
  layout.camera.focal = layer.Number("focal", 300);
  layout.camera.eye = layer.Number("eye", 1.6);
  layout.seed = MixSeed(sketch.Air().Seed(), 0xc0c0u);
  if (sketch.Air().HasHaze()) layout.haze = sketch.Air().Haze();
  const QPointF slant = sketch.Air().ShadowSlant();
  layout.light = QPointF(slant.x() * 0.75, slant.y() * 0.9 + 0.05);
  const double half = layer.Number("half", 1.05);
  const std::string kind = layer.Word("kind", "straight");
  const QPointF middle(0, 4);
  if (kind == "straight") {
    const double far = 40;
    AddBank(layout, {-half, 0.6}, {-half, far}, middle);
    AddBank(layout, {half, 0.6}, {half, far}, middle);
    AddBank(layout, {-half - 2, far}, {half + 2, far}, middle);
    layout.lanes.push_back({{0.1, 0.8}, {0, far}});
  } else if (kind == "bend") {
    const double turn = layer.Number("turn", 7);
    AddBank(layout, {-half - 4, turn + half}, {14, turn + half}, {0, 0});
    AddBank(layout, {-half, 0.6}, {-half, turn + half}, middle);
    AddBank(layout, {half, 0.6}, {half, turn - half}, middle);
    layout.lanes.push_back({{0.1, 0.8}, {0, turn - half * 0.6}, {half * 0.8, turn - 0.1}, {14, turn}});
  } else if (kind == "fork") {
    const double turn = layer.Number("turn", 6.5);
    const double prow = turn + half + 0.2;
    AddBank(layout, {-16, prow + 3.2}, {0, prow}, {-1, 0});
    AddBank(layout, {0, prow}, {16, prow + 3.2}, {1, 0});
    AddBank(layout, {-half, 0.6}, {-half, turn - half}, middle);
    AddBank(layout, {half, 0.6}, {half, turn - half}, middle);
    layout.lanes.push_back({{0.1, 0.8}, {0, turn - half}, {-half * 1.2, turn + 0.1}, {-16, turn + 2.6}});
    layout.lanes.push_back({{0, turn - half}, {half * 1.2, turn + 0.1}, {16, turn + 2.6}});
  } else if (kind == "clearing") {
    const double centre = layer.Number("centre", 6.5);
    const double radius = layer.Number("radius", 4);
    const double gap = layer.Number("gap", 0) * 0.9;  // where the way out leaves, as an angle from straight ahead
    const double gapHalf = half / radius;
    const QPointF middleOfClearing(0, centre);
    const auto rim = [&](double angle) { return QPointF(radius * std::sin(angle), centre + radius * std::cos(angle)); };
    constexpr int kPieces = 22;
    const double reach = 2.35;  // radians either side of straight ahead
    for (int piece = 0; piece < kPieces; ++piece) {
      double from = -reach + piece * 2 * reach / kPieces;
      double to = from + 2 * reach / kPieces;
      if (to <= gap - gapHalf || from >= gap + gapHalf) {
        AddBank(layout, rim(from), rim(to), middleOfClearing);
        continue;
      }
      if (from < gap - gapHalf) AddBank(layout, rim(from), rim(gap - gapHalf), middleOfClearing);
      if (to > gap + gapHalf) AddBank(layout, rim(gap + gapHalf), rim(to), middleOfClearing);
    }
    // The way out: a short lane through the corn, its walls running away from the gap.
    const QPointF out(std::sin(gap), std::cos(gap));
    for (const double side : {-1.0, 1.0}) {
      const QPointF edge = rim(gap + side * gapHalf);
      AddBank(layout, edge + out * 9, edge, rim(gap) + out * 4);
    }
    AddBank(layout, rim(gap) + out * 9 + QPointF(out.y(), -out.x()) * 3, rim(gap) + out * 9 - QPointF(out.y(), -out.x()) * 3, {0, 0});
    layout.lanes.push_back({{0.1, 0.8}, {0.2, centre - 0.5}, rim(gap) - out * 0.5, rim(gap) + out * 9});
    // Where the eye stands: the lane it came in by, framing the view.
    AddBank(layout, rim(-reach), {-half - 0.1, 0.7}, {0, centre});
    AddBank(layout, rim(reach), {half + 0.1, 0.7}, {0, centre});
  } else if (kind == "field") {
    // Looking over the rows from a rise: rows running away to the horizon, the outermost painted first so
    // the rows nearer the middle cover them.
    constexpr int kRowsEachSide = 9;
    for (int row = kRowsEachSide; row >= 0; --row)
      for (const double side : {-1.0, 1.0}) {
        const double x = side * (half + row * 1.7);
        AddBank(layout, {x, 2.2 + 0.8 * row}, {x, 160}, {0, 0});
        layout.banks.back().normal = QPointF(-side, 0);
      }
    return layout;
  } else {
    throw SceneError(layer.Where() + ": corn maze kind must be straight, bend, fork, clearing or field");
  }
  // Far banks first, so nearer corn covers them.
  std::sort(layout.banks.begin(), layout.banks.end(), [](const Bank& a, const Bank& b) {
    return std::max(a.start.y(), a.end.y()) + a.Nearest() > std::max(b.start.y(), b.end.y()) + b.Nearest();
  });
  return layout;
}

// Points along a bank, closer together near the eye so the shapes stay smooth at every distance.
std::vector<QPointF> Samples(const Bank& bank, double step) {
  std::vector<QPointF> points;
  const QPointF along = bank.end - bank.start;
  const double length = std::hypot(along.x(), along.y());
  double travelled = 0;
  while (travelled < length) {
    points.push_back(bank.start + along * (travelled / length));
    const QPointF here = points.back();
    travelled += step * std::max(0.35, here.y() / 4);
  }
  points.push_back(bank.end);
  return points;
}

// ---- The floor ------------------------------------------------------------------------------------

// A leaf lying flat on the ground at (x, z), length metres long, turned by angle.
void PaintFallenLeaf(QPainter& painter, const FieldCamera& camera, double x, double z, double length, double angle,
                     QRgb colour) {
  const QPointF direction(std::cos(angle), std::sin(angle));
  const QPointF across(-direction.y() * length * 0.09, direction.x() * length * 0.09);
  const QPointF root(x, z);
  const auto on = [&](QPointF ground) { return camera.Project(ground.x(), 0, ground.y()); };
  QPainterPath leaf(on(root));
  leaf.quadTo(on(root + direction * length * 0.5 + across), on(root + direction * length));
  leaf.quadTo(on(root + direction * length * 0.5 - across * 0.6), on(root));
  painter.fillPath(leaf, QColor(colour));
  if (z < 4.5) painter.strokePath(leaf, QPen(QColor(Mix(colour, kInk, 0.55)), 0.45));
}

// The soil of the paths: trampled earth paling into the haze, dark at the foot of the corn, fallen leaves
// and clods, and the corn's shadow thrown across it.
void PaintMazeFloor(Sketch& sketch, const Layer& layer) {
  const MazeLayout layout = LayoutOf(sketch, layer);
  const FieldCamera& camera = layout.camera;
  QPainter& painter = sketch.Painter();
  const QRectF ground(-10, camera.horizon, kFrameWidth + 20, kFrameHeight - camera.horizon + 10);
  QPainterPath groundPath;
  groundPath.addRect(ground);
  sketch.Fill(groundPath, layer.Colour("colour", kPath));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  // Distance: the soil pales into the haze at the horizon and darkens, cooler, under the eye.
  QLinearGradient depth(0, camera.horizon, 0, kFrameHeight);
  QColor far(Mix(layer.Colour("far", kPath), layout.haze, 0.45));
  far.setAlphaF(0.9f);
  QColor mid(Mix(kPath, layout.haze, 0.1));
  mid.setAlphaF(0.0f);
  QColor near(kDirtDark);
  near.setAlphaF(0.28f);
  depth.setColorAt(0.0, far);
  depth.setColorAt(0.3, mid);
  depth.setColorAt(1.0, near);
  painter.fillRect(ground, depth);
  // The worn lanes: paler, packed soil where feet pass, a band about half a metre wide.
  for (const std::vector<QPointF>& lane : layout.lanes) {
    QPolygonF band;
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (std::size_t point = 0; point + 1 < lane.size(); ++point) {
      const QPointF from = lane[point];
      const QPointF to = lane[point + 1];
      const QPointF step = to - from;
      const double length = std::hypot(step.x(), step.y());
      const QPointF across = QPointF(-step.y(), step.x()) / length * 0.32;
      for (double travelled = 0; travelled < length; travelled += std::max(0.1, from.y() / 12)) {
        const QPointF at = from + step * (travelled / length);
        const double wobble = 0.08 * (ValueNoise(at.y() * 0.8, 3, layout.seed) - 0.5);
        left.push_back(at + across * (1 + wobble));
        right.push_back(at - across * (1 - wobble));
      }
    }
    for (const QPointF& point : left) band << camera.Project(point.x(), 0, std::max(0.3, point.y()));
    for (auto point = right.rbegin(); point != right.rend(); ++point) band << camera.Project(point->x(), 0, std::max(0.3, point->y()));
    QColor worn(Mix(kSand, layout.haze, 0.15));
    worn.setAlphaF(0.4f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(worn);
    painter.drawPolygon(band);
  }
  for (const Bank& bank : layout.banks) {
    // The dark damp earth at the corn's foot, where no sun reaches.
    QPolygonF foot;
    const std::vector<QPointF> points = Samples(bank, 0.25);
    for (const QPointF& point : points) foot << camera.Project(point.x(), 0, point.y());
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
      const QPointF out = *point + bank.normal * 0.45;
      foot << camera.Project(out.x(), 0, std::max(0.3, out.y()));
    }
    QColor damp(kDirtDark);
    damp.setAlphaF(0.55f);
    painter.setPen(Qt::NoPen);
    painter.setBrush(damp);
    painter.drawPolygon(foot);
  }
  // The corn's shadow: every bank whose back is to the sun throws its ragged top across the ground.
  QPainterPath shadow;
  shadow.setFillRule(Qt::WindingFill);
  for (const Bank& bank : layout.banks) {
    if (Lit(layout, bank.normal) > 0.2) continue;
    QPolygonF outline;
    const std::vector<QPointF> points = Samples(bank, 0.12);
    for (const QPointF& point : points) outline << camera.Project(point.x(), 0, point.y());
    for (auto point = points.rbegin(); point != points.rend(); ++point) {
      const double top = TopAt(layout, point->x(), point->y()) * 0.92;
      const QPointF tip = *point + layout.light * top;
      outline << camera.Project(tip.x(), 0, std::max(0.3, tip.y()));
    }
    // One path with winding fill: overlapping banks' shadows darken the ground once, without the cost of
    // uniting outlines.
    shadow.addPolygon(outline);
    shadow.closeSubpath();
  }
  QColor cool(kShadeViolet);
  cool.setAlphaF(0.42f);
  painter.fillPath(shadow, cool);
  // Clods and pebbles, flattened by the view, with a dark side away from the sun.
  const std::uint32_t seed = layout.seed;
  for (int clod = 0; clod < 70; ++clod) {
    const double z = 1.4 + 16 * std::pow(LatticeValue(clod, 1, seed), 2.2);
    const double x = (LatticeValue(clod, 2, seed) - 0.5) * 2.2;
    const double size = (0.015 + 0.035 * LatticeValue(clod, 3, seed)) * camera.focal / z;
    const QPointF at = camera.Project(x, 0, z);
    painter.setBrush(QColor(Mix(kDirtDark, layout.haze, HazeAt(z))));
    painter.drawEllipse(at + QPointF(size * 0.25, size * 0.15), size, size * 0.45);
    painter.setBrush(QColor(Mix(clod % 3 == 0 ? kStoneLight : kDirtLight, layout.haze, HazeAt(z))));
    painter.drawEllipse(at, size * 0.8, size * 0.35);
  }
  // Leaves the corn has shed, gathered along the foot of each bank and strewn across the path.
  int leafIndex = 0;
  for (const Bank& bank : layout.banks) {
    const QPointF along = bank.end - bank.start;
    const double length = std::hypot(along.x(), along.y());
    const int count = static_cast<int>(std::min(60.0, length * 5));
    for (int leaf = 0; leaf < count; ++leaf, ++leafIndex) {
      const double share = std::pow(LatticeValue(leafIndex, 5, seed), 1.6);
      const QPointF place = bank.start + along * (bank.start.y() < bank.end.y() ? share : 1 - share) +
                            bank.normal * (0.05 + 0.9 * std::pow(LatticeValue(leafIndex, 6, seed), 2));
      if (place.y() < 1.0 || place.y() > 25) continue;
      const QRgb colours[] = {kWitheredLeaf, kCornDry, kBrownLeaf, kCornLeaf};
      const QRgb colour = colours[static_cast<int>(LatticeValue(leafIndex, 7, seed) * 4) % 4];
      PaintFallenLeaf(painter, camera, place.x(), place.y(), 0.35 + 0.3 * LatticeValue(leafIndex, 8, seed),
                      LatticeValue(leafIndex, 9, seed) * 2 * kPi, Mix(colour, layout.haze, HazeAt(place.y())));
    }
  }
  painter.restore();
}

// ---- The corn ---------------------------------------------------------------------------------------

// One stalk standing at (x, z): stem, arching leaves, a tassel and perhaps a cob, shaded by how its bank
// faces the sun and hazed by distance; ink round it only near the eye. A stalk deep in the corn's shade
// (deep) shows fewer leaves and no ink: little of it is seen.
void PaintMazeStalk(QPainter& painter, const MazeLayout& layout, double x, double z, double lit, std::uint32_t seed, bool deep) {
  const FieldCamera& camera = layout.camera;
  const double scale = camera.focal / z;
  const QPointF base = camera.Project(x, 0, z);
  const double height = TopAt(layout, x, z) - 0.1 + 0.2 * LatticeValue(1, 1, seed);
  const double lean = (LatticeValue(2, 1, seed) - 0.5) * 0.35;
  const double haze = HazeAt(z);
  const bool inked = !deep && z < 5;
  const QRgb greens[] = {kCorn, 0x4f8a2c, 0x6f9c3a, 0x86a040, 0x5c8f3a};
  const QRgb stemColour = greens[static_cast<int>(LatticeValue(3, 1, seed) * 5) % 5];
  const auto tone = [&](QRgb colour, double sun) {
    const QRgb shaded = Mix(colour, kShadeViolet, (1 - sun) * 0.42);
    return Mix(Mix(shaded, kSunTint, sun * 0.18), layout.haze, haze);
  };
  painter.save();
  painter.translate(base);
  painter.scale(scale, scale);
  const double ink = 1.1 / scale;
  QPainterPath stem;
  stem.moveTo(0, 0);
  stem.quadTo(lean * 0.3, -height * 0.5, lean, -height);
  if (inked) painter.strokePath(stem, QPen(QColor(kInk), 0.035 + ink * 2, Qt::SolidLine, Qt::RoundCap));
  painter.strokePath(stem, QPen(QColor(tone(stemColour, lit)), 0.035, Qt::SolidLine, Qt::RoundCap));
  const int leaves = (deep ? 4 : 6) + static_cast<int>(LatticeValue(4, 1, seed) * 4);
  for (int leaf = 0; leaf < leaves; ++leaf) {
    const double along = 0.14 + leaf * 0.7 / leaves + LatticeValue(10 + leaf, 1, seed) * 0.05;
    const QPointF root(lean * along * along, -height * along);
    const double side = (leaf + static_cast<int>(seed)) % 2 == 0 ? 1.0 : -1.0;
    const double reach = 0.28 + 0.4 * LatticeValue(20 + leaf, 1, seed);
    const double rise = 0.18 + 0.25 * LatticeValue(30 + leaf, 1, seed);
    const double droop = 0.1 + 0.5 * LatticeValue(40 + leaf, 1, seed);
    const QPointF tip = root + QPointF(side * reach, droop - rise * 0.3);
    const QPointF crest = root + QPointF(side * reach * 0.45, -rise);
    QPainterPath blade(root + QPointF(0, -0.03));
    blade.quadTo(crest + QPointF(0, -0.035), tip);
    blade.quadTo(crest + QPointF(0, 0.05), root + QPointF(0, 0.035));
    blade.closeSubpath();
    // The upper face of a leaf turned to the sun catches it; the rest stays in the corn's shade.
    const double facing = std::clamp(lit + side * layout.light.x() * -0.25 + 0.15 * (1 - along), 0.0, 1.0);
    const QRgb leafColour = LatticeValue(50 + leaf, 1, seed) < 0.12 ? kWitheredLeaf
                            : LatticeValue(50 + leaf, 1, seed) < 0.55 ? kCornLeaf
                                                                       : stemColour;
    painter.fillPath(blade, QColor(tone(leafColour, facing)));
    if (inked) painter.strokePath(blade, QPen(QColor(Mix(kInk, layout.haze, haze)), ink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (inked && z < 3.2) {
      // The pale midrib, seen only close to.
      QPainterPath rib(root);
      rib.quadTo(crest, tip);
      painter.strokePath(rib, QPen(QColor(tone(kCornDry, facing)), ink * 0.8));
    }
  }
  if (LatticeValue(5, 1, seed) < 0.5) {
    // A cob in its husk, silk at the top.
    const QPointF at(lean * 0.3 + 0.05, -height * (0.45 + 0.1 * LatticeValue(6, 1, seed)));
    QPainterPath cob;
    cob.addEllipse(at, 0.045, 0.14);
    painter.fillPath(cob, QColor(tone(0x9ab850, lit)));
    if (inked) painter.strokePath(cob, QPen(QColor(kInk), ink));
    painter.setPen(QPen(QColor(tone(kHairBrown, lit)), 0.015));
    painter.drawLine(at + QPointF(0, -0.13), at + QPointF(0.05, -0.22));
  }
  // The tassel: a spray of dry spikes at the top.
  const int spikes = 4 + static_cast<int>(LatticeValue(7, 1, seed) * 4);
  QPainterPath tassel;
  for (int spike = 0; spike < spikes; ++spike) {
    const double spread = (spike - (spikes - 1) / 2.0) * 0.06;
    tassel.moveTo(lean, -height);
    tassel.quadTo(QPointF(lean + spread, -height - 0.2), QPointF(lean + spread * 2.2, -height - 0.18 - 0.14 * LatticeValue(60 + spike, 1, seed)));
  }
  painter.strokePath(tassel, QPen(QColor(tone(kCornDry, std::min(1.0, lit + 0.4))), 0.018 + ink * 0.4, Qt::SolidLine, Qt::RoundCap));
  painter.restore();
}

// A bank's mass: a wall of leaves from the soil to the ragged top, dark and cool deep inside, its face lit
// as it turns to the sun, hazed with distance; many small leaves over it so it rustles.
void PaintBankMass(QPainter& painter, const MazeLayout& layout, const Bank& bank, double lit) {
  const FieldCamera& camera = layout.camera;
  const std::vector<QPointF> points = Samples(bank, 0.1);
  const QRgb face = Mix(Mix(kCorn, kShadeViolet, (1 - lit) * 0.7), kSunTint, lit * 0.2);
  // The face in four bands from its ragged top to its foot, each a gradient along the bank so it hazes
  // with distance: lit leaves at the top, the corn's own colour, then its shade, dark and cool at the foot.
  struct Edge {
    QPointF top;
    QPointF foot;
    double z;
  };
  std::vector<Edge> edges;
  double area = 0;  // how much of the frame the face covers, so small faces get few leaves
  for (const QPointF& point : points)
    edges.push_back({camera.Project(point.x(), TopAt(layout, point.x(), point.y()), point.y()), camera.Project(point.x(), 0, point.y()), point.y()});
  for (std::size_t index = 0; index + 1 < edges.size(); ++index)
    area += std::abs(edges[index + 1].foot.x() - edges[index].foot.x()) *
            ((edges[index].foot.y() - edges[index].top.y()) + (edges[index + 1].foot.y() - edges[index + 1].top.y())) / 2;
  const QRgb bands[] = {Mix(face, kCornLeaf, 0.35 * lit + 0.1), face, Mix(face, kDeepCorn, 0.45), kDeepCorn};
  const double cuts[] = {0.0, 0.3, 0.58, 0.84, 1.0};
  const QPointF from = edges.front().foot;
  const QPointF to = edges.back().foot;
  const QPointF span = to - from;
  const double spanSquared = std::max(1e-6, span.x() * span.x() + span.y() * span.y());
  painter.setPen(Qt::NoPen);
  for (int band = 0; band < 4; ++band) {
    QPolygonF polygon;
    const auto at = [&](const Edge& edge, double cut) { return edge.top + (edge.foot - edge.top) * cut; };
    // Bands overlap a little so no seam of sky shows between them.
    for (const Edge& edge : edges) polygon << at(edge, std::max(0.0, cuts[band] - 0.02));
    for (auto edge = edges.rbegin(); edge != edges.rend(); ++edge) polygon << at(*edge, cuts[band + 1]);
    QLinearGradient along(from, to);
    const std::size_t stride = std::max<std::size_t>(1, edges.size() / 8);
    for (std::size_t index = 0; index < edges.size(); index += stride) {
      const QPointF offset = edges[index].foot - from;
      const double share = std::clamp((offset.x() * span.x() + offset.y() * span.y()) / spanSquared, 0.0, 1.0);
      along.setColorAt(share, QColor(Mix(bands[band], layout.haze, HazeAt(edges[index].z) * (band == 3 ? 0.8 : 1.0))));
    }
    along.setColorAt(1.0, QColor(Mix(bands[band], layout.haze, HazeAt(edges.back().z) * (band == 3 ? 0.8 : 1.0))));
    painter.setBrush(along);
    painter.drawPolygon(polygon);
  }
  // Leaves over the face, more where it is near and large.
  const std::uint32_t seed = MixSeed(layout.seed, static_cast<std::uint32_t>(bank.start.x() * 97 + bank.start.y() * 31 + 5000));
  const QPointF along = bank.end - bank.start;
  const double nearZ = std::max(0.5, bank.start.y());
  const double farZ = std::max(0.5, bank.end.y());
  const int leaves = static_cast<int>(std::clamp(area / 40, 60.0, 1000.0));
  for (int leaf = 0; leaf < leaves; ++leaf) {
    // Evenly over the face as the eye sees it (even in 1/z), so the near end is as leafy as the far.
    const double u = LatticeValue(leaf, 1, seed);
    const double z = 1 / (1 / nearZ + u * (1 / farZ - 1 / nearZ));
    const double share = std::abs(farZ - nearZ) < 0.01 ? u : (z - nearZ) / (farZ - nearZ);
    const QPointF place = bank.start + along * share;
    if (place.y() < 0.5) continue;
    const double scale = camera.focal / place.y();
    if (scale < 9 && leaf % 3 != 0) continue;
    const double top = TopAt(layout, place.x(), place.y());
    const double height = top * (0.08 + 1.0 * std::sqrt(LatticeValue(leaf, 2, seed)));
    const QPointF root = camera.Project(place.x(), height, place.y());
    const double side = LatticeValue(leaf, 3, seed) < 0.5 ? -1 : 1;
    const double reach = (0.12 + 0.3 * LatticeValue(leaf, 4, seed)) * scale;
    const double droop = 0.1 + 0.7 * LatticeValue(leaf, 7, seed);
    const double up = height / top;
    const double sun = std::clamp(lit * (0.5 + 0.6 * up) + 0.1 * (LatticeValue(leaf, 5, seed) - 0.5), 0.0, 1.0);
    const QRgb base = LatticeValue(leaf, 6, seed) < 0.5 ? kCornLeaf : kCorn;
    QRgb colour = Mix(Mix(base, kDeepCorn, (1 - up) * 0.6), kShadeViolet, (1 - sun) * 0.35);
    colour = Mix(Mix(colour, kSunTint, sun * 0.2), layout.haze, HazeAt(place.y()));
    // A few straight pieces are enough for a leaf this small, and far cheaper than a curve.
    const QPolygonF blade({root, root + QPointF(side * reach * 0.3, -reach * 0.22), root + QPointF(side * reach * 0.65, -reach * 0.2),
                           root + QPointF(side * reach, reach * droop), root + QPointF(side * reach * 0.6, -reach * 0.06),
                           root + QPointF(side * reach * 0.25, -reach * 0.02), root + QPointF(0, reach * 0.07)});
    painter.setBrush(QColor(colour));
    painter.drawPolygon(blade);
  }
}

// The corn of a maze view: each bank's mass, then its single stalks nearest the path, far banks first.
void PaintMazeCorn(Sketch& sketch, const Layer& layer) {
  const MazeLayout layout = LayoutOf(sketch, layer);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  int bankIndex = 0;
  for (const Bank& bank : layout.banks) {
    const double lit = 0.25 + 0.75 * Lit(layout, bank.normal);
    PaintBankMass(painter, layout, bank, lit);
    const QPointF along = bank.end - bank.start;
    const double length = std::hypot(along.x(), along.y());
    // Stalks standing deeper in, half lost in the corn's own shade: the mass has depth.
    std::vector<QPointF> inner;
    for (double travelled = 0.2; travelled < length; travelled += 0.65) {
      const int place = bankIndex * 1000 + static_cast<int>(travelled * 10);
      const QPointF at = bank.start + along * (travelled / length) - bank.normal * (0.35 + 0.5 * LatticeValue(place, 5, layout.seed));
      if (at.y() > 0.9 && at.y() < 9) inner.push_back(at);
    }
    std::sort(inner.begin(), inner.end(), [](QPointF a, QPointF b) { return a.y() > b.y(); });
    for (const QPointF& at : inner)
      PaintMazeStalk(painter, layout, at.x(), at.y(), lit * 0.35, MixSeed(layout.seed, static_cast<std::uint32_t>(at.x() * 1000 + at.y() * 7919 + 17)), true);
    // Single stalks along the front row, the far ones first; beyond a dozen metres they melt into the mass.
    std::vector<QPointF> stalks;
    for (double travelled = 0.1; travelled < length - 0.35; travelled += 0.42) {
      const std::uint32_t place = static_cast<std::uint32_t>(bankIndex * 1000 + travelled * 10);
      const QPointF at = bank.start + along * (travelled / length) +
                         bank.normal * (0.05 + 0.15 * LatticeValue(static_cast<int>(place), 3, layout.seed)) +
                         along / length * (LatticeValue(static_cast<int>(place), 4, layout.seed) - 0.5) * 0.2;
      if (at.y() > 1.5 && at.y() < 12) stalks.push_back(at);
    }
    std::sort(stalks.begin(), stalks.end(), [](QPointF a, QPointF b) { return a.y() > b.y(); });
    for (const QPointF& at : stalks)
      PaintMazeStalk(painter, layout, at.x(), at.y(), lit, MixSeed(layout.seed, static_cast<std::uint32_t>(at.x() * 1000 + at.y() * 7919)), false);
    ++bankIndex;
  }
  painter.restore();
}

}  // namespace

void RegisterMazeProps(PropRegistry& registry) {
  registry.Add("maze-floor", PaintMazeFloor);
  registry.Add("maze-corn", PaintMazeCorn);
}

}  // namespace brackenhollow::art
