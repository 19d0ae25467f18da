// What a walker in the corn sees over it or on it: the scarecrow's hat and the farmhouse roof peeping
// over the tops, and the crows.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

namespace brackenhollow::art {

namespace {

using namespace colours;

// The scarecrow's battered hat and the top of its sacking head just over the corn, about 60 wide; origin
// where the corn's tops would cut it.
void PaintHatOverCorn(Sketch& sketch, const Layer&) {
  sketch.Oval(0, -12, 17, 16, kRag);
  sketch.InkLine(-6, -14, -2, -12);
  sketch.InkLine(3, -13, 7, -15);
  QPainterPath crown;
  crown.moveTo(-18, -26);
  crown.cubicTo(-20, -44, -12, -56, 2, -55);
  crown.cubicTo(14, -54, 19, -44, 17, -27);
  crown.closeSubpath();
  sketch.Shape(crown, kRagDark);
  sketch.Line(-17, -30, 16, -31, kRust, 3.5);
  QPainterPath brim;
  brim.moveTo(-34, -22);
  brim.cubicTo(-20, -32, 22, -33, 36, -24);
  brim.cubicTo(28, -17, 24, -22, 14, -20);
  brim.lineTo(10, -15);
  brim.lineTo(6, -20);
  brim.cubicTo(-10, -20, -20, -14, -34, -22);
  brim.closeSubpath();
  sketch.Shape(brim, kRagDark);
  for (int straw = 0; straw < 5; ++straw)
    sketch.Line(-14 + straw * 3, -18, -22 + straw * 2.5, -4 + straw, kHay, 1.6);
}

// The farmhouse's roof and chimney over the corn, about w wide; origin at the middle of its eaves.
void PaintRoofOverCorn(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 160);
  sketch.Box(width * 0.2, -width * 0.42, width * 0.09, width * 0.2, kBrick);
  sketch.Box(width * 0.18, -width * 0.45, width * 0.13, width * 0.04, kBrickDark);
  QPainterPath roof;
  roof.moveTo(-width / 2, 0);
  roof.lineTo(-width * 0.12, -width * 0.3);
  roof.lineTo(width * 0.5, -width * 0.3);
  roof.lineTo(width * 0.56, 0);
  roof.closeSubpath();
  sketch.Shape(roof, kRoof);
  // The gable end facing the eye, its boards catching the sun, a small attic window.
  sketch.Polygon({At(-width / 2, 0), At(-width * 0.12, -width * 0.3), At(width * 0.26, 0)}, kHouseRed);
  sketch.Box(-width * 0.16, -width * 0.14, width * 0.08, width * 0.08, kGlowPale);
  sketch.InkLine(-width * 0.12, -width * 0.14, -width * 0.12, -width * 0.06);
  for (double y = -width * 0.05; y > -width * 0.3; y -= width * 0.05)
    sketch.InkLine(width * 0.02, y, width * 0.5, y);
}

// A crow: pose=perched grips what it stands on at the origin, pose=flying spreads its wings about the origin;
// about 40 long.
void PaintCrow(Sketch& sketch, const Layer& layer) {
  const std::string pose = layer.Word("pose", "perched");
  if (pose == "perched") {
    QPainterPath body;
    body.moveTo(-4, -2);
    body.cubicTo(-16, -6, -20, -18, -10, -26);
    body.cubicTo(-4, -32, 8, -30, 12, -22);
    body.lineTo(24, -16);
    body.lineTo(26, -10);
    body.lineTo(12, -12);
    body.cubicTo(8, -6, 2, -2, -4, -2);
    body.closeSubpath();
    sketch.Line(-2, -4, -4, 2, kIron, 2);
    sketch.Line(4, -4, 5, 2, kIron, 2);
    sketch.Shape(body, kGloom);
    sketch.Polygon({At(-14, -22), At(-28, -30), At(-26, -22)}, kGloom);
    sketch.Polygon({At(-10, -26), At(-20, -29), At(-20, -24)}, kIron);
    sketch.Polygon({At(-13, -24), At(-30, -20), At(-18, -18)}, kIron);
    sketch.Oval(-10, -25, 2, 2, kGold);
    sketch.FlatOval(-10.5, -25.5, 0.8, 0.8, kWhite);
    sketch.Line(0, -18, 14, -14, kScreenLight, 1);
    return;
  }
  if (pose != "flying") throw SceneError(layer.Where() + ": a crow is perched or flying");
  const double beat = layer.Number("beat", 0.5);
  QPainterPath bird;
  bird.moveTo(-22, -2 - beat * 18);
  bird.quadTo(-10, -4 - beat * 6, -3, 0);
  bird.lineTo(-8, 1);
  bird.lineTo(-6, 3);
  bird.quadTo(0, 5, 6, 3);
  bird.lineTo(12, 5);
  bird.lineTo(10, 1);
  bird.quadTo(10, -4 - beat * 6, 24, -2 - beat * 18);
  bird.quadTo(8, -2, 2, -2);
  bird.quadTo(-6, -2, -22, -2 - beat * 18);
  bird.closeSubpath();
  sketch.Shape(bird, kGloom);
}

}  // namespace

void RegisterFieldSightProps(PropRegistry& registry) {
  registry.Add("hat-over-corn", PaintHatOverCorn);
  registry.Add("roof-over-corn", PaintRoofOverCorn);
  registry.Add("crow", PaintCrow);
}

}  // namespace brackenhollow::art
