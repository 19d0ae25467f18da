// Trees, corn, hay and rocks.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include "art/painter/Noise.h"

#include <vector>

namespace brackenhollow::art {

using namespace colours;

void PaintFacetedRock(Sketch& sketch, double width, double height, std::uint32_t seed, QRgb colour) {
  // The outline: points round a squat half-ellipse, pushed in and out, flat along the ground.
  constexpr int kCorners = 9;
  const auto vary = [seed](int salt) { return LatticeValue(salt, 3, seed); };
  std::vector<QPointF> rim;
  rim.push_back(At(-width / 2, 0));
  for (int corner = 1; corner < kCorners; ++corner) {
    const double angle = 3.14159 * corner / kCorners;
    const double reach = 0.78 + 0.3 * vary(corner);
    rim.push_back(At(-std::cos(angle) * width / 2 * reach, -std::sin(angle) * height * reach * (0.85 + 0.3 * vary(corner + 20))));
  }
  rim.push_back(At(width / 2, 0));
  QPolygonF outline;
  for (const QPointF& point : rim) outline << point;
  QPainterPath rock;
  rock.addPolygon(outline);
  rock.closeSubpath();
  sketch.Shape(rock, colour);
  if (sketch.IsSilhouette()) return;
  // Facets fan out from a ridge point off centre; each is lit or shaded by the way its face turns.
  const QPointF ridge(width * (vary(40) - 0.5) * 0.4, -height * (0.55 + 0.2 * vary(41)));
  const QPointF light = sketch.Air().LightDirection();
  QColor lit = QColor::fromRgb(colour).lighter(122);
  QColor dark = QColor::fromRgb(colour).darker(135);
  for (std::size_t corner = 0; corner + 1 < rim.size(); ++corner) {
    const QPointF middle = (rim[corner] + rim[corner + 1]) / 2;
    const QPointF facing = middle - ridge;
    const double length = std::hypot(facing.x(), facing.y());
    // Faces turned towards the light (against its direction) are lit.
    const double towards = length > 0 ? -(facing.x() * light.x() + facing.y() * light.y()) / length : 0;
    QColor tone = towards > 0 ? lit : dark;
    tone.setAlphaF(static_cast<float>(std::min(1.0, std::abs(towards)) * 0.75));
    QPainterPath facet;
    facet.addPolygon(QPolygonF({ridge, rim[corner], rim[corner + 1]}));
    facet.closeSubpath();
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(tone);
    sketch.Painter().drawPath(facet);
  }
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.45);
  for (std::size_t corner = 2; corner + 2 < rim.size(); corner += 3)
    sketch.InkLine(ridge.x(), ridge.y(), rim[corner].x(), rim[corner].y());
  sketch.Painter().restore();
  // A crack running down from the top.
  QPainterPath crack;
  QPointF point = rim[kCorners / 2 + 1] * 0.9;
  crack.moveTo(point);
  for (int step = 0; step < 4; ++step) {
    point += QPointF((vary(60 + step) - 0.5) * width * 0.16, height * 0.16);
    crack.lineTo(point);
  }
  sketch.Stroke(crack, 0x2a2230, std::max(1.0, width * 0.012));
  sketch.Outline(rock);
}

namespace {

// A white birch: a slim pale trunk marked with black, an airy crown of small clumps.
void PaintBirch(Sketch& sketch, double height, QRgb leaves, std::uint32_t seed) {
  const double trunk = height * 0.04;
  const double lean = (LatticeValue(1, 9, seed) - 0.5) * height * 0.08;
  sketch.Polygon({At(-trunk * 1.6, 0), At(lean - trunk * 0.5, -height * 0.8), At(lean + trunk * 0.5, -height * 0.8), At(trunk * 1.6, 0)},
                 kSnow);
  for (int mark = 0; mark < 6; ++mark) {
    const double y = -height * (0.08 + mark * 0.11);
    const double x = lean * (-y / height) / 0.8;
    sketch.Line(x - trunk * 0.9, y, x + trunk * (LatticeValue(mark, 10, seed) - 0.2), y - 2, kInk, 2);
  }
  QPainterPath crown;
  for (int clump = 0; clump < 9; ++clump) {
    const double angle = clump * 0.7 + LatticeValue(clump, 11, seed);
    const double reach = height * (0.08 + 0.14 * LatticeValue(clump, 12, seed));
    crown.addEllipse(QPointF(lean + std::cos(angle) * reach, -height * 0.7 + std::sin(angle) * reach * 1.3), height * 0.09, height * 0.08);
  }
  sketch.Shape(Merged(crown), leaves);
  sketch.FlatOval(lean - height * 0.06, -height * 0.8, height * 0.06, height * 0.04, kLeafLight);
}

// A poplar: a tall narrow crown like a flame over a short trunk.
void PaintPoplar(Sketch& sketch, double height, QRgb leaves, std::uint32_t seed) {
  const double trunk = height * 0.05;
  sketch.Polygon({At(-trunk * 1.6, 0), At(-trunk * 0.6, -height * 0.3), At(trunk * 0.6, -height * 0.3), At(trunk * 1.6, 0)}, kBark);
  QPainterPath crown;
  crown.moveTo(0, -height);
  crown.cubicTo(height * (0.16 + 0.05 * LatticeValue(1, 13, seed)), -height * 0.8, height * 0.18, -height * 0.35, 0, -height * 0.2);
  crown.cubicTo(-height * 0.18, -height * 0.35, -height * (0.16 + 0.05 * LatticeValue(2, 13, seed)), -height * 0.8, 0, -height);
  sketch.Shape(crown, leaves);
  for (int tuft = 0; tuft < 5; ++tuft)
    sketch.FlatOval(-height * 0.05, -height * (0.35 + tuft * 0.12), height * 0.04, height * 0.05, kLeafLight);
}

}  // namespace

void PaintLeafyTree(Sketch& sketch, double height, QRgb leaves) {
  // Trees of a kind grow differently wherever they stand: an oak's crown, a birch or a poplar now and then.
  const std::uint32_t seed = sketch.PlaceSeed();
  const double species = LatticeValue(0, 8, seed);
  if (species > 0.82) {
    PaintPoplar(sketch, height, leaves, seed);
    return;
  }
  if (species > 0.66) {
    PaintBirch(sketch, height, leaves, seed);
    return;
  }
  // A trunk that flares into roots at the ground and forks into branches under the crown.
  const double trunk = height * 0.07;
  QPainterPath wood;
  wood.moveTo(-trunk * 2.4, 0);
  wood.quadTo(-trunk * 1.1, -trunk * 0.4, -trunk, -height * 0.15);
  wood.lineTo(-trunk * 0.8, -height * 0.5);
  wood.lineTo(-trunk * 2.6, -height * 0.7);
  wood.lineTo(-trunk * 2.0, -height * 0.72);
  wood.lineTo(-trunk * 0.2, -height * 0.56);
  wood.lineTo(trunk * 0.3, -height * 0.75);
  wood.lineTo(trunk * 0.9, -height * 0.74);
  wood.lineTo(trunk * 0.8, -height * 0.52);
  wood.lineTo(trunk * 2.4, -height * 0.66);
  wood.lineTo(trunk * 2.6, -height * 0.62);
  wood.lineTo(trunk * 1.0, -height * 0.45);
  wood.lineTo(trunk, -height * 0.15);
  wood.quadTo(trunk * 1.1, -trunk * 0.4, trunk * 2.6, 0);
  wood.quadTo(trunk * 1.2, trunk * 0.3, trunk * 0.3, -trunk * 0.2);
  wood.quadTo(-trunk * 0.6, trunk * 0.4, -trunk * 2.4, 0);
  wood.closeSubpath();
  sketch.Shape(wood, kBark);
  for (int furrow = 0; furrow < 3; ++furrow) {
    const double x = (furrow - 1) * trunk * 0.5;
    sketch.Line(x, -height * 0.04, x + trunk * 0.1, -height * 0.42, 0x4a3424, height * 0.006 + 0.6);
  }
  // The crown: a ring of lobes, with lighter lobes where the light falls on it.
  QPainterPath crown;
  const int lobes = 6 + static_cast<int>(LatticeValue(1, 8, seed) * 4);
  for (int lobe = 0; lobe < lobes; ++lobe) {
    const double angle = 3.14159 * 2 * lobe / lobes + LatticeValue(lobe, 14, seed) * 0.5;
    const double reach = 0.8 + 0.4 * LatticeValue(lobe, 15, seed);
    crown.addEllipse(QPointF(std::cos(angle) * height * 0.22 * reach, -height * 0.74 + std::sin(angle) * height * 0.14 * reach),
                     height * (0.13 + 0.06 * LatticeValue(lobe, 16, seed)), height * 0.14);
  }
  crown.addEllipse(QPointF(0, -height * 0.74), height * 0.22, height * 0.16);
  sketch.Shape(Merged(crown), leaves);
  sketch.FlatOval(-height * 0.12, -height * 0.84, height * 0.1, height * 0.06, kLeafLight);
  sketch.FlatOval(-height * 0.22, -height * 0.74, height * 0.06, height * 0.04, kLeafLight);
  sketch.FlatOval(height * 0.14, -height * 0.64, height * 0.1, height * 0.05, kLeafDark);
}

void PaintPineTree(Sketch& sketch, double height, QRgb needles) {
  // A trunk flaring at its foot, under tiers of drooping boughs with ragged, needled edges.
  sketch.Polygon({At(-height * 0.07, 0), At(-height * 0.035, -height * 0.06), At(-height * 0.03, -height * 0.2),
                  At(height * 0.03, -height * 0.2), At(height * 0.035, -height * 0.06), At(height * 0.07, 0)}, kBark);
  // Each pine its own: four or five tiers, broader or slimmer, a little lopsided.
  const std::uint32_t seed = sketch.PlaceSeed();
  const int tiers = 4 + (LatticeValue(0, 17, seed) > 0.5 ? 1 : 0);
  const double girth = 0.85 + 0.3 * LatticeValue(1, 17, seed);
  for (int tier = 0; tier < tiers; ++tier) {
    const double step = 0.8 / tiers;
    const double bottom = -height * (0.12 + tier * step);
    const double halfWidth = height * (0.32 - tier * 0.26 / tiers) * girth * (0.9 + 0.2 * LatticeValue(tier, 18, seed));
    const double top = bottom - height * (0.36 - tier * 0.12 / tiers);
    QPainterPath bough;
    bough.moveTo(0, top);
    bough.quadTo(-halfWidth * 0.35, top + (bottom - top) * 0.55, -halfWidth, bottom + height * 0.02);
    // The ragged lower edge: drooping tips of needles.
    constexpr int kTips = 7;
    for (int tip = 1; tip <= kTips; ++tip) {
      const double x = -halfWidth + tip * 2 * halfWidth / kTips;
      const double droop = (tip % 2 == 0 ? 0.02 : -0.025) * height * (0.7 + 0.6 * LatticeValue(tier * 8 + tip, 19, seed));
      bough.lineTo(x - halfWidth / kTips, bottom - height * 0.035);
      bough.lineTo(x, bottom + droop + (tip == kTips ? height * 0.02 : 0));
    }
    bough.quadTo(halfWidth * 0.35, top + (bottom - top) * 0.55, 0, top);
    bough.closeSubpath();
    sketch.Shape(bough, needles);
    sketch.Line(0, top + height * 0.06, -halfWidth * 0.45, bottom - height * 0.05, kPineDark, height * 0.012 + 0.8);
  }
}

void PaintCornStalk(Sketch& sketch, double height, double lean, int seed) {
  // Every stalk its own: a different green (some yellowing), four to six leaves of their own length and
  // droop, a cob or none, a tassel of its own shape.
  const auto vary = [seed](int salt) { return LatticeValue(seed, salt, 0xc0a7u); };
  const QRgb greens[] = {kCorn, 0x4f8a2c, 0x6f9c3a, 0x86a040};
  const QRgb stem = greens[static_cast<int>(vary(1) * 4) % 4];
  const QRgb leafColours[] = {kCornLeaf, stem, 0x9ab850};
  QPainterPath stalk;
  stalk.moveTo(0, 0);
  stalk.quadTo(lean * 0.3, -height * 0.5, lean, -height);
  // Far-off stalks are small; ink outlines would turn them into a dark smudge, so they go without.
  const bool outlined = height >= 70;
  if (outlined) sketch.Stroke(stalk, kInk, height * 0.045 + 2.5);
  sketch.Stroke(stalk, stem, height * 0.045 + (outlined ? 0 : 1.5));
  const int leaves = 4 + static_cast<int>(vary(2) * 3);
  for (int leaf = 0; leaf < leaves; ++leaf) {
    const double along = 0.2 + leaf * 0.62 / leaves + vary(10 + leaf) * 0.05;
    const double x = lean * along * along;
    const double y = -height * along;
    const double side = ((leaf + seed) % 2 == 0) ? 1 : -1;
    const double reach = height * (0.22 + 0.16 * vary(20 + leaf));
    const double droop = height * (0.02 + 0.1 * vary(30 + leaf));
    QPainterPath blade;
    blade.moveTo(x, y);
    blade.quadTo(x + side * reach * 0.6, y - height * 0.12, x + side * reach, y + droop);
    blade.quadTo(x + side * reach * 0.55, y - height * 0.04, x, y + height * 0.03);
    const QRgb colour = leafColours[static_cast<int>(vary(40 + leaf) * 3) % 3];
    if (outlined) sketch.Shape(blade, colour);
    else sketch.Fill(blade, colour);
  }
  if (vary(3) < 0.65) {
    const double x = lean * 0.3;
    const double at = 0.48 + 0.14 * vary(4);
    if (outlined) sketch.Oval(x + 5, -height * at, height * 0.035, height * 0.08, kCornCob);
    else sketch.FlatOval(x + 5, -height * at, height * 0.035, height * 0.08, kCornCob);
    if (outlined) sketch.Line(x + 5, -height * (at + 0.08), x + 9, -height * (at + 0.12), kHairBrown, 1.5);
  }
  const int tassels = 2 + static_cast<int>(vary(5) * 3);
  for (int tassel = 0; tassel < tassels; ++tassel) {
    const double spread = (tassel - (tassels - 1) / 2.0) * 5;
    sketch.Line(lean, -height, lean + spread * (1 + vary(50 + tassel)), -height - height * (0.05 + 0.05 * vary(60 + tassel)), kCornDry, 2);
  }
}

namespace {

// A leafy tree h high; origin at the foot of the trunk.
void PaintTree(Sketch& sketch, const Layer& layer) {
  PaintLeafyTree(sketch, layer.Number("h", 200), layer.Colour("colour", kLeaf));
}

// A pine h high; origin at the foot of the trunk;
// cut=yes shows the pale sawn face at its foot, for a pine felled and lying down.
void PaintPine(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 200);
  PaintPineTree(sketch, height, layer.Colour("colour", kPine));
  if (layer.Flag("cut", false)) {
    sketch.Oval(0, 0, height * 0.07, height * 0.03, kWoodLight);
    sketch.Oval(0, 0, height * 0.035, height * 0.014, kWoodLight);
  }
}

// A row of trees across w, the edge of a forest; origin at the left end of their feet.
void PaintForest(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 140);
  const std::string kind = layer.Word("kind", "mixed");
  const int seed = static_cast<int>(layer.Number("seed", 3));
  const double step = height * 0.42;
  int index = 0;
  for (double x = 0; x <= width + step; x += step, ++index) {
    const double treeHeight = height * (0.75 + 0.35 * Scatter(seed * 100 + index));
    sketch.Painter().save();
    sketch.Painter().translate(x + (Scatter(seed * 50 + index) - 0.5) * step * 0.4, 0);
    const bool pine = kind == "pine" || (kind == "mixed" && Scatter(seed * 70 + index) > 0.5);
    if (pine) PaintPineTree(sketch, treeHeight, index % 2 == 0 ? kPine : kPineDark);
    else PaintLeafyTree(sketch, treeHeight, index % 2 == 0 ? kLeaf : kLeafDark);
    sketch.Painter().restore();
  }
}

// One limb of a grown tree and the limbs it forks into: kinked segments that taper, turning a little at
// each kink, splitting unevenly. Collects the segments to stroke and the tips where twigs and leaves go.
struct Limb {
  QPointF from, to;
  double width;
};
void GrowLimb(std::uint32_t seed, int salt, QPointF base, double angle, double length, double width, int depth,
              double twist, std::vector<Limb>& limbs, std::vector<QPointF>& tips) {
  const auto vary = [&](int offset) { return LatticeValue(salt * 16 + offset, depth, seed); };
  QPointF point = base;
  const int kinks = 3;
  for (int kink = 0; kink < kinks; ++kink) {
    angle += (vary(kink) - 0.5) * twist;
    const QPointF next = point + QPointF(std::sin(angle), -std::cos(angle)) * (length / kinks);
    const double taper = width * (1.0 - 0.22 * (kink + 1) / kinks);
    limbs.push_back({point, next, taper});
    point = next;
  }
  if (depth == 0) {
    tips.push_back(point);
    return;
  }
  // Two or three forks, one stronger than the others, leaning apart unevenly.
  const int forks = vary(5) > 0.6 ? 3 : 2;
  for (int fork = 0; fork < forks; ++fork) {
    const double spread = (fork - (forks - 1) / 2.0) * (0.5 + 0.4 * vary(6 + fork)) + (vary(9) - 0.5) * 0.5;
    const double share = fork == 0 ? 0.85 : 0.55 + 0.25 * vary(10 + fork);
    GrowLimb(seed, salt * 3 + fork + 1, point, angle + spread, length * (0.62 + 0.2 * vary(13 + fork)) * share + length * 0.1,
             width * 0.7 * share + 1, depth - 1, twist, limbs, tips);
  }
}

// Strokes limbs as one body of wood: all the ink first, then all the bark over it, so forks join cleanly.
void PaintLimbs(Sketch& sketch, const std::vector<Limb>& limbs, QRgb bark) {
  for (const Limb& limb : limbs) sketch.Line(limb.from.x(), limb.from.y(), limb.to.x(), limb.to.y(), kInk, limb.width + 3.5);
  for (const Limb& limb : limbs) sketch.Line(limb.from.x(), limb.from.y(), limb.to.x(), limb.to.y(), bark, limb.width);
  // Light down the lit side of the thicker limbs.
  for (const Limb& limb : limbs) {
    if (limb.width < 8) continue;
    const QPointF side(-limb.width * 0.25, 0);
    sketch.Line(limb.from.x() + side.x(), limb.from.y(), limb.to.x() + side.x(), limb.to.y(), 0x8a6a4e, limb.width * 0.22);
  }
}

// An old, twisted tree about h high, its trunk leaning and kinked, gnarled limbs forking unevenly into
// bare crooked branches with a few dark tufts; grown from the seed, so no two are alike. nest=yes puts a
// nest in its highest fork.
void PaintGnarlyTree(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 260);
  const std::uint32_t seed = sketch.Seed();
  std::vector<Limb> limbs;
  std::vector<QPointF> tips;
  // The trunk: a flared, leaning S before the first fork.
  QPainterPath trunk;
  trunk.moveTo(-height * 0.13, 0);
  trunk.cubicTo(-height * 0.04, -height * 0.12, -height * 0.12, -height * 0.3, -height * 0.02, -height * 0.42);
  trunk.lineTo(height * 0.07, -height * 0.4);
  trunk.cubicTo(height * 0.0, -height * 0.28, height * 0.08, -height * 0.12, height * 0.14, 0);
  trunk.quadTo(0, height * 0.02, -height * 0.13, 0);
  trunk.closeSubpath();
  sketch.Shape(trunk, kBark);
  const QPointF fork(height * 0.025, -height * 0.41);
  GrowLimb(seed, 1, fork, -0.55 - 0.2 * LatticeValue(1, 1, seed), height * 0.34, height * 0.07, 3, 0.9, limbs, tips);
  GrowLimb(seed, 2, fork, 0.35 + 0.3 * LatticeValue(2, 1, seed), height * 0.28, height * 0.06, 2, 0.9, limbs, tips);
  PaintLimbs(sketch, limbs, kBark);
  for (int knot = 0; knot < 3; ++knot)
    sketch.Oval(-height * 0.02 + knot % 2 * height * 0.05, -height * (0.1 + knot * 0.1), 3.5, 5.5, kFurDark);
  // A hollow in the trunk.
  sketch.Oval(height * 0.03, -height * 0.22, height * 0.025, height * 0.04, kInk);
  for (std::size_t tip = 0; tip < tips.size(); tip += 2)
    sketch.Oval(tips[tip].x(), tips[tip].y(), height * 0.045, height * 0.03, kLeafDark);
  if (layer.Flag("nest", false)) {
    // The nest sits in the highest fork.
    QPointF top = tips.front();
    for (const QPointF& tip : tips)
      if (tip.y() < top.y()) top = tip;
    const QPointF nest = top + QPointF(0, height * 0.05);
    sketch.Oval(nest.x(), nest.y(), height * 0.09, height * 0.035, kDirtLight);
    for (int twig = 0; twig < 6; ++twig)
      sketch.Line(nest.x() - height * 0.07 + twig * height * 0.028, nest.y() - height * 0.03,
                  nest.x() - height * 0.05 + twig * height * 0.03, nest.y() + height * 0.03, kWoodDark, 1.5);
  }
}

// A tree stump about 50 wide; origin at its foot.
void PaintStump(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 50);
  sketch.Polygon({At(-width / 2, 0), At(-width * 0.4, -width * 0.5), At(width * 0.4, -width * 0.5), At(width / 2, 0)}, kBark);
  sketch.Oval(0, -width * 0.5, width * 0.4, width * 0.14, kWoodLight);
  sketch.Oval(0, -width * 0.5, width * 0.2, width * 0.07, kWoodLight);
}

// A band of corn stalks across w, h high; origin at the left end of their roots.
void PaintCornRow(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 200);
  const double spacing = layer.Number("spacing", height * 0.22);
  // The scene's seed mixed with the picture's: no two views of the maze show the same stalks.
  const int seed = static_cast<int>(layer.Number("seed", 1)) + static_cast<int>(sketch.Vary(1) * 997);
  int index = 0;
  for (double x = 0; x <= width; x += spacing, ++index) {
    sketch.Painter().save();
    sketch.Painter().translate(x + (Scatter(seed * 31 + index) - 0.5) * spacing * 0.5, 0);
    PaintCornStalk(sketch, height * (0.85 + 0.3 * Scatter(seed * 17 + index)), (Scatter(seed * 7 + index) - 0.5) * height * 0.2, seed + index);
    sketch.Painter().restore();
  }
}

// A solid mass of corn leaves filling a band, used behind the rows so no sky shows through; origin top-left.
void PaintCornWall(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 100);
  QPainterPath path;
  path.moveTo(0, height);
  // A ragged top of leaf tips and tassels, uneven in height.
  for (double x = 0; x <= width; x += 9) {
    const int step = static_cast<int>(x) / 9;
    path.lineTo(x, step % 2 == 0 ? -height * 0.1 * sketch.Vary(step) : height * (0.08 + 0.1 * sketch.Vary(step + 500)));
  }
  path.lineTo(width, height);
  path.closeSubpath();
  sketch.Shape(path, layer.Colour("colour", kCorn));
}

// Tall, heavy grass across w; origin at the left end of its roots.
void PaintTallGrass(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 60);
  const int seed = static_cast<int>(layer.Number("seed", 2));
  for (int blade = 0; blade < static_cast<int>(width / 5); ++blade) {
    const double x = blade * 5 + Scatter(seed * 99 + blade) * 4;
    const double bladeHeight = height * (0.6 + 0.6 * Scatter(seed * 13 + blade));
    const double lean = (Scatter(seed * 3 + blade) - 0.5) * 24;
    QPainterPath path;
    path.moveTo(x - 3, 0);
    path.quadTo(x + lean * 0.3, -bladeHeight * 0.6, x + lean, -bladeHeight);
    path.quadTo(x + lean * 0.2, -bladeHeight * 0.5, x + 3, 0);
    sketch.Fill(path, blade % 3 == 0 ? kGrassDark : blade % 3 == 1 ? kGrass : kLeafLight);
  }
}

// A haystack about 160 wide and 110 high; twinkle=yes puts a glint of metal in it; origin at its foot.
void PaintHaystack(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 160);
  const double height = layer.Number("h", width * 0.7);
  QPainterPath stack;
  stack.moveTo(-width / 2, 0);
  stack.cubicTo(-width / 2, -height * 0.8, -width * 0.2, -height, 0, -height);
  stack.cubicTo(width * 0.2, -height, width / 2, -height * 0.8, width / 2, 0);
  stack.closeSubpath();
  sketch.Shape(stack, kHay);
  for (int straw = 0; straw < 14; ++straw) {
    const double x = -width * 0.4 + straw * width * 0.8 / 13;
    const double top = -height * (0.35 + 0.5 * Scatter(straw + 77));
    sketch.Line(x, top, x + (straw % 2 == 0 ? -6 : 6), top + height * 0.25, kHayDark, 1.6);
  }
  if (layer.Flag("twinkle", false)) {
    sketch.Painter().save();
    sketch.Painter().translate(width * 0.12, -height * 0.45);
    sketch.FlatPolygon({At(0, -width * 0.14), At(width * 0.025, -width * 0.025), At(width * 0.14, 0), At(width * 0.025, width * 0.025),
                        At(0, width * 0.14), At(-width * 0.025, width * 0.025), At(-width * 0.14, 0), At(-width * 0.025, -width * 0.025)},
                       kWhite);
    sketch.Oval(0, 0, width * 0.025, width * 0.025, kSilver);
    sketch.Painter().restore();
  }
}

// A boulder of radius r resting on the origin.
void PaintBoulder(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 40);
  const QRgb colour = layer.Colour("colour", kStone);
  PaintFacetedRock(sketch, radius * 2.1, radius * 1.55, sketch.Seed(), colour);
}

// A burrow going down into the ground, r across: a lip of dug-out dirt, the far wall inside lit at the top
// and lost in darkness below, roots hanging from it, clods scattered round; origin at its centre.
void PaintGroundHole(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 40);
  QPainterPath lip;
  for (int point = 0; point < 16; ++point) {
    const double angle = point * 6.28318 / 16;
    const double reach = 1.25 + 0.12 * Scatter(point + 31);
    const QPointF spot(std::cos(angle) * radius * reach, std::sin(angle) * radius * 0.52 * reach);
    if (point == 0) lip.moveTo(spot);
    else lip.lineTo(spot);
  }
  lip.closeSubpath();
  sketch.Shape(lip, kDirt);
  QPainterPath opening;
  opening.addEllipse(QPointF(0, 2), radius, radius * 0.38);
  sketch.Fill(opening, kBlack);
  // The far wall, seen over the near rim, darkening as it goes down.
  QPainterPath below;
  below.addEllipse(QPointF(0, 2 + radius * 0.2), radius * 0.92, radius * 0.34);
  QLinearGradient wall(0, -radius * 0.36, 0, radius * 0.2);
  wall.setColorAt(0.0, QColor(kDirtDark));
  wall.setColorAt(1.0, QColor(kBlack));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(wall);
  sketch.Painter().drawPath(opening.subtracted(below));
  for (int root = 0; root < 3; ++root) {
    const double x = (root - 1) * radius * 0.45;
    QPainterPath hanging;
    hanging.moveTo(x, -radius * 0.3);
    hanging.quadTo(x + radius * 0.12, -radius * 0.12, x - radius * 0.04, radius * 0.02);
    sketch.Stroke(hanging, kBark, 2);
  }
  sketch.Outline(opening);
  for (int clod = 0; clod < 9; ++clod) {
    const double angle = clod * 0.7 + 0.3;
    const double reach = radius * (1.45 + 0.5 * Scatter(clod + 11));
    sketch.FlatOval(std::cos(angle) * reach, std::sin(angle) * reach * 0.45, 3 + 3 * Scatter(clod), 2 + 2 * Scatter(clod + 5),
                    kDirtDark);
  }
}

// A mound of loose dirt about w wide; origin at its foot.
void PaintDirtPile(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 140);
  QPainterPath pile;
  pile.moveTo(-width / 2, 0);
  pile.quadTo(-width * 0.2, -width * 0.55, width * 0.05, -width * 0.45);
  pile.quadTo(width * 0.3, -width * 0.4, width / 2, 0);
  pile.closeSubpath();
  sketch.Shape(pile, layer.Colour("colour", kDirt));
  for (int clod = 0; clod < 8; ++clod)
    sketch.FlatOval(-width * 0.3 + clod * width * 0.08, -width * (0.1 + 0.2 * Scatter(clod + 5)), 4, 3, kDirtDark);
}

// A palm tree about h high; origin at the foot of its curved trunk.
void PaintPalm(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 220);
  QPainterPath trunk;
  trunk.moveTo(-10, 0);
  trunk.quadTo(-4, -height * 0.5, height * 0.15, -height);
  trunk.lineTo(height * 0.15 + 12, -height + 4);
  trunk.quadTo(8, -height * 0.5, 10, 0);
  trunk.closeSubpath();
  sketch.Shape(trunk, kWoodLight);
  for (int ring = 1; ring < 8; ++ring) {
    const double along = ring / 8.0;
    sketch.InkLine(-8 + along * height * 0.15, -height * along, 8 + along * height * 0.15, -height * along + 2);
  }
  const QPointF top(height * 0.15 + 6, -height);
  for (int frond = 0; frond < 6; ++frond) {
    const double angle = -3.14159 + frond * 3.14159 / 5;
    const QPointF tip = top + QPointF(std::cos(angle) * height * 0.42, std::sin(angle) * height * 0.22 + height * 0.12);
    QPainterPath leaf;
    leaf.moveTo(top);
    leaf.quadTo((top + tip) / 2 + QPointF(0, -height * 0.14), tip);
    leaf.quadTo((top + tip) / 2 + QPointF(0, -height * 0.04), top);
    sketch.Shape(leaf, frond % 2 == 0 ? kPalm : kLeaf);
  }
  sketch.Oval(top.x() - 6, top.y() + 8, 7, 7, kBark);
  sketch.Oval(top.x() + 6, top.y() + 9, 7, 7, kBark);
}


// A column of grey smoke rising from the origin and drifting right, about h high.
void PaintSmoke(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 200);
  sketch.Painter().save();
  for (int puff = 0; puff < 8; ++puff) {
    const double along = puff / 8.0;
    sketch.Painter().setOpacity(0.75 - along * 0.45);
    const double size = height * (0.08 + along * 0.14);
    sketch.FlatOval(along * along * height * 0.5, -height * along, size * 1.3, size, puff % 2 == 0 ? kWallGrey : kStoneLight);
  }
  sketch.Painter().restore();
}

}  // namespace

void RegisterNatureProps(PropRegistry& registry) {
  registry.Add("tree", PaintTree, 40);
  registry.Add("pine", PaintPine, 40);
  registry.Add("forest", PaintForest);
  registry.Add("gnarly-tree", PaintGnarlyTree, 45);
  registry.Add("stump", PaintStump, 25);
  registry.Add("corn-row", PaintCornRow);
  registry.Add("corn-wall", PaintCornWall);
  registry.Add("tall-grass", PaintTallGrass);
  registry.Add("haystack", PaintHaystack, 80);
  registry.Add("boulder", PaintBoulder, 40);
  registry.Add("ground-hole", PaintGroundHole);
  registry.Add("dirt-pile", PaintDirtPile);
  registry.Add("palm", PaintPalm, 25);
  registry.Add("smoke", PaintSmoke);
}

}  // namespace brackenhollow::art
