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
    // Side on, facing left: a heavy beak, a round head, the folded wing along the back and the tail
    // tipped down behind; perch=N stands it on a dry broken stalk N high.
    const double perch = layer.Number("perch", 0);
    if (perch > 0) {
      sketch.Line(0, 0, 2, perch, kCornDry, 3);
      sketch.Line(2, perch * 0.4, 14, perch * 0.3, kHayDark, 2);
    }
    sketch.Line(-3, -6, -4, 1, kIron, 1.6);
    sketch.Line(3, -6, 3, 1, kIron, 1.6);
    sketch.Line(-7, 1, 0, 1, kIron, 1.4);
    sketch.Line(-1, 1, 6, 1, kIron, 1.4);
    sketch.Polygon({At(8, -14), At(30, -3), At(27, 1), At(6, -7)}, kGloom);
    QPainterPath body;
    body.moveTo(-14, -20);
    body.cubicTo(-16, -10, -8, -4, 2, -5);
    body.cubicTo(10, -6, 16, -10, 14, -16);
    body.cubicTo(10, -24, -4, -26, -14, -20);
    body.closeSubpath();
    sketch.Shape(body, kGloom);
    sketch.Oval(-13, -26, 7.5, 7, kGloom);
    sketch.Polygon({At(-18, -29), At(-32, -25), At(-18, -22)}, kIron);
    sketch.InkLine(-18, -25.5, -29, -25);
    sketch.Oval(-14, -27.5, 1.7, 1.7, kGold);
    sketch.FlatOval(-14.4, -28, 0.6, 0.6, kWhite);
    QPainterPath wing;
    wing.moveTo(-6, -20);
    wing.cubicTo(4, -22, 18, -14, 26, -6);
    wing.cubicTo(14, -8, 2, -9, -4, -12);
    wing.closeSubpath();
    sketch.Shape(wing, kIron);
    for (int feather = 0; feather < 3; ++feather) sketch.InkLine(6 + feather * 5, -15 + feather * 2, 14 + feather * 4, -10 + feather * 1.5);
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
