// The ship's rooms: the gem altars, their beams of light, the lever, and the railing we look over.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

namespace {

// A beam of light rising from the origin to the top of the frame, w wide at its foot.
void PaintLightBeam(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 60);
  const QRgb colour = layer.Colour("colour", kBeam);
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.45);
  sketch.FlatPolygon({At(-width, 0), At(-width * 1.4, -kFrameHeight * 2), At(width * 1.4, -kFrameHeight * 2), At(width, 0)}, colour);
  sketch.Painter().setOpacity(0.9);
  sketch.FlatPolygon({At(-width / 2, 0), At(-width * 0.6, -kFrameHeight * 2), At(width * 0.6, -kFrameHeight * 2), At(width / 2, 0)}, kWhite);
  sketch.Painter().restore();
  // The beam lights the room round it: a column of light up the wall behind and a pool round its foot.
  sketch.LightCone(0, 0, width, -kFrameHeight, width * 4, colour, 0.5);
  sketch.Glow(0, 0, width * 6, colour, 0.7);
}

// An altar of red ruby, green emerald or white stone, about 140 x 150, with a hollow in its top; origin at
// its foot. gem=yes sets the gem in the hollow; lever=up or down gives the white altar its lever.
void PaintAltar(Sketch& sketch, const Layer& layer) {
  const std::string kind = layer.Word("kind", "red");
  QRgb colour = kRuby;
  QRgb shade = kRubyDark;
  if (kind == "green") {
    colour = kEmerald;
    shade = kEmeraldDark;
  } else if (kind == "white") {
    colour = kAltarWhite;
    shade = kStoneLight;
  } else if (kind != "red") {
    throw SceneError(layer.Where() + ": an altar is red, green or white");
  }
  sketch.Polygon({At(-80, 0), At(-60, -24), At(60, -24), At(80, 0)}, shade);
  sketch.Polygon({At(-46, -24), At(-40, -130), At(40, -130), At(46, -24)}, colour);
  sketch.Polygon({At(-30, -44), At(-26, -112), At(0, -120), At(-6, -50)}, shade);
  sketch.Polygon({At(-64, -130), At(-56, -150), At(56, -150), At(64, -130)}, colour);
  sketch.Oval(0, -150, 30, 8, shade);
  if (layer.Flag("gem", false)) {
    sketch.Polygon({At(-18, -150), At(-10, -166), At(10, -166), At(18, -150), At(0, -140)}, kind == "green" ? kEmerald : kRuby);
    sketch.FlatPolygon({At(-8, -160), At(-2, -164), At(-4, -152)}, kWhite);
  }
  const std::string lever = layer.Word("lever", "none");
  if (lever != "none") {
    const double angle = lever == "down" ? 50 : -50;
    sketch.Painter().save();
    sketch.Painter().translate(40, -90);
    sketch.Painter().rotate(angle);
    sketch.Line(0, 0, 0, -70, kInk, 9);
    sketch.Line(0, 0, 0, -70, kMetal, 6);
    sketch.Oval(0, -74, 10, 10, kRuby);
    sketch.Painter().restore();
    sketch.Oval(40, -90, 8, 8, kIron);
  }
}

// The ship's wooden railing along the bottom of the frame, its top rail at the origin's height.
void PaintRailing(Sketch& sketch, const Layer&) {
  sketch.FlatBox(0, 30, kFrameWidth, kFrameHeight, kShipPlank);
  for (double x = 20; x < kFrameWidth; x += 50) sketch.Box(x, 0, 14, 60, kWoodDark);
  sketch.Box(-4, -12, kFrameWidth + 8, 16, kWood);
  sketch.Box(-4, 26, kFrameWidth + 8, 8, kWoodDark);
}

// A small island w wide seen across the water, its waterline on the origin: a ring of pale turquoise
// shallows, a line of surf, wet and dry sand rising to a grassy crown.
void PaintIsland(Sketch& sketch, const Layer& layer) {
  const double half = layer.Number("w", 340) / 2;
  QPainterPath shallows;
  shallows.addEllipse(QPointF(0, 2), half * 1.25, 18);
  sketch.Fill(shallows, 0x6fd0d0);
  QPainterPath surf;
  surf.addEllipse(QPointF(0, 1), half * 1.04, 9);
  sketch.Stroke(surf, kFoam, 3);
  QPainterPath sand;
  sand.moveTo(-half, 2);
  sand.cubicTo(-half * 0.8, -10, -half * 0.55, -22, -half * 0.2, -24);
  sand.cubicTo(half * 0.2, -30, half * 0.6, -20, half * 0.95, 2);
  sand.quadTo(0, 12, -half, 2);
  sand.closeSubpath();
  sketch.Shape(sand, kSand);
  QPainterPath wet;
  wet.moveTo(-half, 2);
  wet.quadTo(0, 12, half * 0.95, 2);
  wet.quadTo(0, 4, -half, 2);
  sketch.Fill(wet, kSandDark);
  QPainterPath crown;
  crown.moveTo(-half * 0.55, -18);
  crown.cubicTo(-half * 0.4, -46, half * 0.3, -52, half * 0.55, -16);
  crown.quadTo(0, -26, -half * 0.55, -18);
  crown.closeSubpath();
  sketch.Shape(crown, kGrass);
  for (int shell = 0; shell < 6; ++shell)
    sketch.FlatOval(-half * 0.7 + shell * half * 0.28, -4 - 6 * Scatter(shell + 3), 2.5, 1.5, kWhite);
}

}  // namespace

void RegisterShipProps(PropRegistry& registry) {
  registry.Add("island", PaintIsland);
  registry.Add("light-beam", PaintLightBeam);
  registry.Add("altar", PaintAltar, 60);
  registry.Add("railing", PaintRailing);
}

}  // namespace brackenhollow::art
