// What frames an outdoor view at its edges, nearer than anything else: overhanging leaves, tall grass,
// reeds and rocks, dark against the lit scene behind them.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kNearLeaf = 0x1f4426;
constexpr QRgb kNearLeafLight = 0x2f5e30;
constexpr QRgb kNearBark = 0x3a2a20;

// A branch reaching in from the top corner with clusters of leaves; mirrored for the right side.
void PaintOverhangingLeaves(Sketch& sketch, int seed, bool pine) {
  QPainterPath branch;
  branch.moveTo(-10, 30);
  branch.cubicTo(40, 20, 90, 30, 150, 14 + 20 * Scatter(seed));
  sketch.Stroke(branch, kNearBark, 7);
  QPainterPath leaves;
  for (int cluster = 0; cluster < 9; ++cluster) {
    const double along = cluster / 8.0;
    const double x = -10 + along * 160 + (Scatter(seed * 31 + cluster) - 0.5) * 20;
    const double y = 10 + 28 * (1 - along) + (Scatter(seed * 17 + cluster) - 0.5) * 30;
    const double size = 30 - along * 14;
    if (pine) {
      leaves.addPolygon(QPolygonF({At(x - size, y), At(x, y + size * 1.6), At(x + size, y), At(x, y - size * 0.4)}));
      leaves.closeSubpath();
    } else {
      leaves.addEllipse(QPointF(x, y), size, size * 0.72);
    }
  }
  leaves.addRect(-12, -12, 80, 30);
  const QPainterPath crown = Merged(leaves);
  sketch.Shape(crown, kNearLeaf);
  for (int vein = 0; vein < 7; ++vein) {
    const double x = 10 + vein * 20;
    const double y = 20 + 22 * Scatter(seed * 5 + vein);
    sketch.Line(x, y, x + 10, y + 8, kNearLeafLight, 3);
  }
}

// Tall blades of grass rising from the bottom corner; reeds are taller with seed heads.
void PaintCornerGrass(Sketch& sketch, int seed, bool reeds) {
  const double height = reeds ? 120 : 70;
  for (int blade = 0; blade < 16; ++blade) {
    const double x = blade * 9 + Scatter(seed * 11 + blade) * 6;
    const double tall = height * (0.45 + 0.55 * Scatter(seed * 23 + blade)) * (1.0 - blade / 22.0);
    const double lean = (Scatter(seed * 7 + blade) - 0.3) * 30;
    QPainterPath shape;
    shape.moveTo(x - 4, 0);
    shape.quadTo(x + lean * 0.3, -tall * 0.6, x + lean, -tall);
    shape.quadTo(x + lean * 0.3 + 3, -tall * 0.55, x + 5, 0);
    shape.closeSubpath();
    sketch.Shape(shape, blade % 3 == 0 ? kNearLeafLight : kNearLeaf);
    if (reeds && blade % 3 == 1) sketch.Oval(x + lean, -tall - 8, 4, 11, kFurDark);
  }
}

// A pair of dark rocks in the bottom corner, faceted and cracked, each shaped by the seed.
void PaintCornerRocks(Sketch& sketch, int seed) {
  sketch.Painter().save();
  sketch.Painter().translate(42, 4);
  PaintFacetedRock(sketch, 110 + 30 * Scatter(seed), 64 + 20 * Scatter(seed + 1), static_cast<std::uint32_t>(seed), kStoneDark);
  sketch.Painter().translate(78, -2);
  PaintFacetedRock(sketch, 70 + 20 * Scatter(seed + 2), 34 + 10 * Scatter(seed + 3), static_cast<std::uint32_t>(seed + 9), kIron);
  sketch.Painter().restore();
}

// Framing at the frame's edges: kind=leaves|pines|grass|reeds|rocks, side=left|right|both. Put at the origin.
void PaintForeground(Sketch& sketch, const Layer& layer) {
  const std::string kind = layer.Word("kind", "leaves");
  const std::string side = layer.Word("side", "both");
  // The scene's seed mixed with the picture's: no two rooms share the same leaves, grass or rocks.
  const int seed = static_cast<int>(layer.Number("seed", 1) + sketch.Vary(1) * 500);
  if (kind != "leaves" && kind != "pines" && kind != "grass" && kind != "reeds" && kind != "rocks")
    throw SceneError(layer.Where() + ": foreground kind must be leaves, pines, grass, reeds or rocks");
  if (side != "left" && side != "right" && side != "both")
    throw SceneError(layer.Where() + ": foreground side must be left, right or both");
  const bool top = kind == "leaves" || kind == "pines";
  for (const bool right : {false, true}) {
    if ((right && side == "left") || (!right && side == "right")) continue;
    QPainter& painter = sketch.Painter();
    painter.save();
    painter.translate(right ? kFrameWidth : 0, top ? 0 : kFrameHeight);
    painter.scale(right ? -1 : 1, 1);
    if (top) PaintOverhangingLeaves(sketch, seed + (right ? 5 : 0), kind == "pines");
    else if (kind == "rocks") PaintCornerRocks(sketch, seed + (right ? 5 : 0));
    else PaintCornerGrass(sketch, seed + (right ? 5 : 0), kind == "reeds");
    painter.restore();
  }
}

}  // namespace

void RegisterForegroundProps(PropRegistry& registry) {
  registry.Add("foreground", PaintForeground);
}

}  // namespace brackenhollow::art
