// Trees, corn, brush, hay, rocks and caves.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

void PaintLeafyTree(Sketch& sketch, double height, QRgb leaves) {
  const double trunkWidth = height * 0.09;
  sketch.Polygon({At(-trunkWidth, 0), At(-trunkWidth * 0.6, -height * 0.55), At(trunkWidth * 0.6, -height * 0.55), At(trunkWidth, 0)}, kBark);
  QPainterPath crown;
  crown.addEllipse(QPointF(-height * 0.16, -height * 0.62), height * 0.22, height * 0.2);
  crown.addEllipse(QPointF(height * 0.16, -height * 0.64), height * 0.22, height * 0.2);
  crown.addEllipse(QPointF(0, -height * 0.8), height * 0.26, height * 0.2);
  sketch.Shape(Merged(crown), leaves);
  sketch.FlatOval(-height * 0.08, -height * 0.82, height * 0.09, height * 0.06, kLeafLight);
}

void PaintPineTree(Sketch& sketch, double height, QRgb needles) {
  sketch.Box(-height * 0.04, -height * 0.16, height * 0.08, height * 0.16, kBark);
  for (int tier = 0; tier < 3; ++tier) {
    const double bottom = -height * (0.12 + tier * 0.25);
    const double halfWidth = height * (0.3 - tier * 0.07);
    sketch.Polygon({At(-halfWidth, bottom), At(0, bottom - height * 0.42), At(halfWidth, bottom)}, needles);
  }
}

void PaintCornStalk(Sketch& sketch, double height, double lean, int seed) {
  QPainterPath stalk;
  stalk.moveTo(0, 0);
  stalk.quadTo(lean * 0.3, -height * 0.5, lean, -height);
  // Far-off stalks are small; ink outlines would turn them into a dark smudge, so they go without.
  const bool outlined = height >= 70;
  if (outlined) sketch.Stroke(stalk, kInk, height * 0.045 + 2.5);
  sketch.Stroke(stalk, kCorn, height * 0.045 + (outlined ? 0 : 1.5));
  for (int leaf = 0; leaf < 4; ++leaf) {
    const double along = 0.25 + leaf * 0.18;
    const double x = lean * along * along;
    const double y = -height * along;
    const double side = ((leaf + seed) % 2 == 0) ? 1 : -1;
    QPainterPath blade;
    blade.moveTo(x, y);
    blade.quadTo(x + side * height * 0.2, y - height * 0.12, x + side * height * 0.32, y + height * 0.04);
    blade.quadTo(x + side * height * 0.18, y - height * 0.05, x, y + height * 0.03);
    if (outlined) sketch.Shape(blade, leaf % 2 == 0 ? kCornLeaf : kCorn);
    else sketch.Fill(blade, leaf % 2 == 0 ? kCornLeaf : kCorn);
  }
  if (seed % 3 != 2) {
    const double x = lean * 0.3;
    if (outlined) sketch.Oval(x + 5, -height * 0.55, height * 0.035, height * 0.08, kCornCob);
    else sketch.FlatOval(x + 5, -height * 0.55, height * 0.035, height * 0.08, kCornCob);
  }
  sketch.Line(lean, -height, lean - 6, -height - height * 0.08, kCornDry, 2);
  sketch.Line(lean, -height, lean + 6, -height - height * 0.07, kCornDry, 2);
}

namespace {

// A leafy tree h high; origin at the foot of the trunk.
void PaintTree(Sketch& sketch, const Layer& layer) {
  PaintLeafyTree(sketch, layer.Number("h", 200), layer.Colour("colour", kLeaf));
}

// A pine h high; origin at the foot of the trunk.
void PaintPine(Sketch& sketch, const Layer& layer) {
  PaintPineTree(sketch, layer.Number("h", 200), layer.Colour("colour", kPine));
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

// An old, twisted tree with gnarled branches, about h high; nest=yes puts a nest in its top.
void PaintGnarlyTree(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 260);
  QPainterPath trunk;
  trunk.moveTo(-height * 0.12, 0);
  trunk.cubicTo(-height * 0.02, -height * 0.2, -height * 0.16, -height * 0.4, -height * 0.05, -height * 0.6);
  trunk.lineTo(-height * 0.3, -height * 0.82);
  trunk.lineTo(-height * 0.26, -height * 0.86);
  trunk.lineTo(-height * 0.02, -height * 0.68);
  trunk.lineTo(-height * 0.02, -height * 0.95);
  trunk.lineTo(height * 0.04, -height * 0.95);
  trunk.lineTo(height * 0.05, -height * 0.7);
  trunk.lineTo(height * 0.28, -height * 0.88);
  trunk.lineTo(height * 0.31, -height * 0.84);
  trunk.lineTo(height * 0.08, -height * 0.58);
  trunk.cubicTo(height * 0.02, -height * 0.4, height * 0.14, -height * 0.2, height * 0.12, 0);
  trunk.closeSubpath();
  sketch.Shape(trunk, kBark);
  for (int knot = 0; knot < 4; ++knot)
    sketch.Oval(-height * 0.03 + knot % 2 * height * 0.05, -height * (0.15 + knot * 0.12), 4, 6, kFurDark);
  for (int tuft = 0; tuft < 5; ++tuft)
    sketch.Oval(-height * 0.3 + tuft * height * 0.15, -height * (0.85 + 0.05 * Scatter(tuft)), height * 0.06, height * 0.04, kLeafDark);
  if (layer.Flag("nest", false)) {
    sketch.Oval(height * 0.01, -height * 0.96, height * 0.09, height * 0.035, kDirtLight);
    for (int twig = 0; twig < 6; ++twig)
      sketch.Line(-height * 0.07 + twig * height * 0.028, -height * 0.99, -height * 0.05 + twig * height * 0.03, -height * 0.93, kWoodDark, 1.5);
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
  const int seed = static_cast<int>(layer.Number("seed", 1));
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
  for (double x = 0; x <= width; x += 18) path.lineTo(x, (static_cast<int>(x) / 18) % 2 == 0 ? 0 : height * 0.12);
  path.lineTo(width, height);
  path.closeSubpath();
  sketch.Shape(path, layer.Colour("colour", kCorn));
}

// An arch standing on y=0 around centre: feet foot and shoulders shoulder from the centre,
// shoulders at height shoulderY, the curve's control point at height crownY.
QPainterPath ArchPath(double centre, double foot, double shoulder, double shoulderY, double crownY) {
  QPainterPath arch;
  arch.moveTo(centre - foot, 0);
  arch.lineTo(centre - shoulder, -shoulderY);
  arch.quadTo(centre, -crownY, centre + shoulder, -shoulderY);
  arch.lineTo(centre + foot, 0);
  arch.closeSubpath();
  return arch;
}

// A thick, thorny wall of brush across w, h high; hole=yes cuts a person-sized passage; origin bottom-left.
void PaintBrushWall(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 220);
  const bool hole = layer.Flag("hole", false);
  QPainterPath mass;
  mass.moveTo(0, 0);
  for (double x = 0; x <= width; x += 30) mass.lineTo(x, -height + 20 * Scatter(static_cast<int>(x)));
  mass.lineTo(width, 0);
  mass.closeSubpath();
  sketch.Shape(mass, kLeafDark);
  for (int clump = 0; clump < 40; ++clump) {
    const double x = Scatter(clump + 200) * width;
    const double y = -Scatter(clump + 300) * height * 0.9;
    sketch.Oval(x, y, 26, 18, clump % 2 == 0 ? kLeaf : kPineDark);
  }
  for (int thorn = 0; thorn < 70; ++thorn) {
    const double x = Scatter(thorn + 400) * width;
    const double y = -Scatter(thorn + 500) * height * 0.95;
    const double angle = Scatter(thorn + 600) * 6.28;
    sketch.Line(x, y, x + std::cos(angle) * 14, y + std::sin(angle) * 14, kBark, 2.2);
    sketch.Line(x + std::cos(angle) * 7, y + std::sin(angle) * 7, x + std::cos(angle + 0.8) * 12, y + std::sin(angle + 0.8) * 12, kBark, 1.5);
  }
  if (hole) {
    const double centre = layer.Number("hole-x", width / 2);
    sketch.Shape(ArchPath(centre, 55, 52, 120, 175), kLeafDark);
    sketch.Shape(ArchPath(centre, 42, 40, 112, 158), kGrassLight);
    sketch.FlatPolygon({At(centre - 30, 0), At(centre - 8, -70), At(centre + 8, -70), At(centre + 30, 0)}, kPath);
    sketch.FlatOval(centre, -95, 30, 18, kSkyPale);
    for (int stub = 0; stub < 8; ++stub) {
      const double angle = 3.14159 * (0.05 + stub * 0.13);
      sketch.Line(centre - std::cos(angle) * 46, -120 + std::sin(angle) * -30, centre - std::cos(angle) * 56, -124 - std::sin(angle) * 40, kWoodLight, 3);
    }
  }
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
  QPainterPath rock;
  rock.moveTo(-radius, 0);
  rock.cubicTo(-radius * 1.1, -radius * 1.2, -radius * 0.2, -radius * 1.7, radius * 0.3, -radius * 1.5);
  rock.cubicTo(radius * 1.1, -radius * 1.3, radius * 1.1, -radius * 0.4, radius, 0);
  rock.closeSubpath();
  sketch.Shape(rock, colour);
  sketch.FlatOval(-radius * 0.3, -radius * 1.15, radius * 0.3, radius * 0.15, kStoneLight);
  sketch.InkLine(radius * 0.1, -radius * 0.4, radius * 0.4, -radius * 0.8);
}

// A rock face with a cave mouth about 200 wide; blocked=yes piles boulders in it; origin at the mouth's foot.
void PaintCaveMouth(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 150);
  QPainterPath cliff;
  cliff.moveTo(-width * 1.2, 0);
  cliff.lineTo(-width * 1.1, -height * 1.3);
  cliff.lineTo(-width * 0.4, -height * 1.7);
  cliff.lineTo(width * 0.5, -height * 1.6);
  cliff.lineTo(width * 1.2, -height * 1.2);
  cliff.lineTo(width * 1.3, 0);
  cliff.closeSubpath();
  sketch.Shape(cliff, kStoneDark);
  for (int crack = 0; crack < 6; ++crack) {
    const double x = -width + crack * width * 0.4;
    sketch.InkLine(x, -height * 1.3, x + 20, -height * 0.9);
  }
  QPainterPath mouth;
  mouth.moveTo(-width / 2, 0);
  mouth.cubicTo(-width / 2, -height * 1.2, width / 2, -height * 1.2, width / 2, 0);
  mouth.closeSubpath();
  sketch.Shape(mouth, kBlack);
  if (layer.Flag("blocked", false)) {
    const double sizes[] = {48, 38, 44, 30, 34, 26};
    const double places[][2] = {{-60, 0}, {10, 0}, {70, 0}, {-30, -60}, {40, -56}, {5, -100}};
    for (int rock = 0; rock < 6; ++rock) {
      Layer boulder("boulder", {{"r", std::to_string(sizes[rock])}}, layer.Where());
      sketch.Painter().save();
      sketch.Painter().translate(places[rock][0] * width / 200, places[rock][1] * height / 150);
      PaintBoulder(sketch, boulder);
      sketch.Painter().restore();
    }
  }
}

// A dark hole in the ground, an ellipse rx wide; origin at its centre.
void PaintGroundHole(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 40);
  sketch.Oval(0, 0, radius * 1.2, radius * 0.5, kDirt);
  sketch.Oval(0, 2, radius, radius * 0.38, kBlack);
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


// A huge bonfire of logs, about w wide with flames h high; origin at its foot.
void PaintBonfire(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 220);
  sketch.Glow(0, -height * 0.4, width * 0.9, kGlow, 0.45);
  for (int log = 0; log < 5; ++log) {
    sketch.Painter().save();
    sketch.Painter().translate((log - 2) * width * 0.12, -8);
    sketch.Painter().rotate((log - 2) * 22.0);
    sketch.Shape(RoundedBox(-width * 0.06, -height * 0.35, width * 0.12, height * 0.4, 6), kBark);
    sketch.Painter().restore();
  }
  const QRgb layers[] = {kFire, kFlame, kFlameCore};
  for (int band = 0; band < 3; ++band) {
    const double size = 1 - band * 0.28;
    QPainterPath flame;
    flame.moveTo(-width / 2 * size, 0);
    flame.cubicTo(-width * 0.6 * size, -height * 0.4 * size, -width * 0.2 * size, -height * 0.5 * size, -width * 0.22 * size, -height * 0.85 * size);
    flame.cubicTo(-width * 0.05 * size, -height * 0.6 * size, 0, -height * 0.7 * size, width * 0.04 * size, -height * size);
    flame.cubicTo(width * 0.14 * size, -height * 0.7 * size, width * 0.2 * size, -height * 0.6 * size, width * 0.26 * size, -height * 0.8 * size);
    flame.cubicTo(width * 0.3 * size, -height * 0.5 * size, width * 0.6 * size, -height * 0.35 * size, width / 2 * size, 0);
    flame.closeSubpath();
    if (band == 0) sketch.Shape(flame, layers[band]);
    else sketch.Fill(flame, layers[band]);
  }
  for (int spark = 0; spark < 10; ++spark)
    sketch.FlatOval((Scatter(spark + 5) - 0.5) * width, -height * (1 + 0.4 * Scatter(spark + 15)), 2.5, 2.5, kFlameCore);
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

// The inside of a cave filling the frame: dark rock walls, hanging stalactites and a stony floor from y=floor.
void PaintCaveInside(Sketch& sketch, const Layer& layer) {
  const double floor = layer.Number("floor", 250);
  sketch.FlatBox(0, 0, kFrameWidth, kFrameHeight, kShadow);
  sketch.Shape(PathThrough({At(0, 0), At(kFrameWidth, 0), At(kFrameWidth, floor + 20), At(460, floor - 40), At(300, floor - 60), At(140, floor - 30), At(0, floor + 30)}), kStoneDark);
  sketch.Shape(PathThrough({At(150, floor - 30), At(300, floor - 60), At(450, floor - 38), At(420, floor - 150), At(300, floor - 170), At(180, floor - 140)}), kBlack);
  for (int drip = 0; drip < 9; ++drip) {
    const double x = 20 + drip * 66;
    const double length = 30 + 50 * Scatter(drip + 3);
    sketch.Polygon({At(x - 12, 0), At(x, length), At(x + 12, 0)}, kStone);
  }
  QPainterPath ground;
  ground.moveTo(0, floor + 30);
  ground.quadTo(kFrameWidth / 2.0, floor - 40, kFrameWidth, floor + 20);
  ground.lineTo(kFrameWidth, kFrameHeight);
  ground.lineTo(0, kFrameHeight);
  ground.closeSubpath();
  sketch.Shape(ground, layer.Colour("colour", kDirtDark));
  for (int pebble = 0; pebble < 18; ++pebble)
    sketch.Oval(Scatter(pebble + 40) * kFrameWidth, floor + 30 + Scatter(pebble + 60) * (kFrameHeight - floor - 40), 8, 4, kStone);
}

// A tree house: a broad tree with a little plank house in its crown; origin at the foot of the trunk.
// ladder=yes adds a ladder up the trunk.
void PaintTreeHouse(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 300);
  sketch.Polygon({At(-height * 0.12, 0), At(-height * 0.07, -height * 0.6), At(height * 0.07, -height * 0.6), At(height * 0.12, 0)}, kBark);
  QPainterPath crown;
  crown.addEllipse(QPointF(-height * 0.25, -height * 0.7), height * 0.25, height * 0.18);
  crown.addEllipse(QPointF(height * 0.25, -height * 0.72), height * 0.25, height * 0.18);
  crown.addEllipse(QPointF(0, -height * 0.86), height * 0.3, height * 0.18);
  sketch.Shape(Merged(crown), kLeaf);
  sketch.Box(-height * 0.18, -height * 0.72, height * 0.36, height * 0.18, kWoodLight);
  for (int plank = 1; plank < 6; ++plank) sketch.InkLine(-height * 0.18, -height * 0.72 + plank * height * 0.03, height * 0.18, -height * 0.72 + plank * height * 0.03);
  sketch.Polygon({At(-height * 0.22, -height * 0.72), At(0, -height * 0.86), At(height * 0.22, -height * 0.72)}, kRoof);
  sketch.Box(-height * 0.05, -height * 0.68, height * 0.08, height * 0.08, kGlow);
  sketch.Box(-height * 0.2, -height * 0.555, height * 0.4, height * 0.02, kWoodDark);
  if (layer.Flag("ladder", false)) {
    sketch.Line(-height * 0.04, 0, -height * 0.04, -height * 0.55, kWoodDark, 4);
    sketch.Line(height * 0.04, 0, height * 0.04, -height * 0.55, kWoodDark, 4);
    for (int rung = 0; rung < 10; ++rung) sketch.Line(-height * 0.04, -rung * height * 0.055 - 10, height * 0.04, -rung * height * 0.055 - 10, kWoodDark, 3);
  }
}

}  // namespace

void RegisterNatureProps(PropRegistry& registry) {
  registry.Add("tree", PaintTree);
  registry.Add("pine", PaintPine);
  registry.Add("forest", PaintForest);
  registry.Add("gnarly-tree", PaintGnarlyTree);
  registry.Add("stump", PaintStump);
  registry.Add("corn-row", PaintCornRow);
  registry.Add("corn-wall", PaintCornWall);
  registry.Add("brush-wall", PaintBrushWall);
  registry.Add("tall-grass", PaintTallGrass);
  registry.Add("haystack", PaintHaystack);
  registry.Add("boulder", PaintBoulder);
  registry.Add("cave-mouth", PaintCaveMouth);
  registry.Add("ground-hole", PaintGroundHole);
  registry.Add("dirt-pile", PaintDirtPile);
  registry.Add("palm", PaintPalm);
  registry.Add("bonfire", PaintBonfire);
  registry.Add("smoke", PaintSmoke);
  registry.Add("cave-inside", PaintCaveInside);
  registry.Add("tree-house", PaintTreeHouse);
}

}  // namespace brackenhollow::art
