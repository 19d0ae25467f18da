// The ship's rooms: the gem altars, their beams of light, the lever, and the railing we look over.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

using namespace colours;

namespace {

// A beam of light rising from the origin to the top of the frame, w wide at its foot: a bright core with
// soft edges, glowing in the dusty air, motes drifting in it.
void PaintLightBeam(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 60);
  const QRgb colour = layer.Colour("colour", kBeam);
  const double top = -kFrameHeight * 2;
  QLinearGradient across(-width * 1.6, 0, width * 1.6, 0);
  QColor edge = QColor::fromRgb(colour);
  edge.setAlphaF(0);
  QColor body = QColor::fromRgb(colour);
  body.setAlphaF(0.55f);
  QColor core = QColor::fromRgb(kWhite);
  core.setAlphaF(0.95f);
  across.setColorAt(0.0, edge);
  across.setColorAt(0.25, body);
  across.setColorAt(0.42, core);
  across.setColorAt(0.58, core);
  across.setColorAt(0.75, body);
  across.setColorAt(1.0, edge);
  sketch.Painter().save();
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(across);
  QPainterPath beam;
  beam.moveTo(-width * 1.2, 0);
  beam.lineTo(-width * 1.6, top);
  beam.lineTo(width * 1.6, top);
  beam.lineTo(width * 1.2, 0);
  beam.closeSubpath();
  sketch.Painter().drawPath(beam);
  // Motes of dust caught in the light.
  for (int mote = 0; mote < 14; ++mote) {
    const double y = -20 - sketch.Vary(mote) * kFrameHeight * 0.8;
    const double x = (sketch.Vary(mote + 30) - 0.5) * width * 1.6;
    sketch.FlatOval(x, y, 1.2, 1.2, kWhite);
  }
  sketch.Painter().restore();
  // The beam lights the room round it: a column of light up the wall behind and a pool round its foot.
  sketch.LightCone(0, 0, width, -kFrameHeight, width * 4, colour, 0.5);
  sketch.Glow(0, 0, width * 6, colour, 0.7);
}

void PaintCornerHold(Sketch& sketch, const CornerView& corner, int portholes);
void PaintHoldStores(Sketch& sketch, const QRectF& backWall);

// The inside of a ship's hull over a room box: curved ribs rising up the side walls and deck beams across
// the ceiling, running to the vanishing point; round brass-rimmed portholes in the back wall with the sea
// beyond; a lantern hanging from a beam; a coil of rope and a barrel by the wall. Put at the origin after
// the room.
void PaintShipHold(Sketch& sketch, const Layer& layer) {
  const QRectF backWall = sketch.Air().BackWall().value_or(QRectF(110, 40, 376, 250));
  const QPointF vanishing = VanishingPoint(sketch.Air().View(), backWall);
  const int portholes = static_cast<int>(layer.Number("portholes", 2));
  if (const auto corner = CornerOf(sketch.Air().View(), backWall)) {
    PaintCornerHold(sketch, *corner, portholes);
    PaintHoldStores(sketch, backWall);
    return;
  }
  // Ribs and beams at depths from the back wall (0) out to the frame (1).
  for (const double depth : {0.0, 0.35, 0.7}) {
    const auto at = [&](QPointF corner) { return corner + (corner - vanishing) * (depth * 1.4); };
    const QPointF topLeft = at(backWall.topLeft());
    const QPointF topRight = at(backWall.topRight());
    const QPointF bottomLeft = at(backWall.bottomLeft());
    const QPointF bottomRight = at(backWall.bottomRight());
    const double thick = 8 + depth * 14;
    QPainterPath rib;
    rib.moveTo(bottomLeft);
    rib.cubicTo(bottomLeft + QPointF(-thick, -(bottomLeft.y() - topLeft.y()) * 0.5), topLeft + QPointF(0, thick * 2), topLeft);
    rib.lineTo(topRight);
    rib.cubicTo(topRight + QPointF(0, thick * 2), bottomRight + QPointF(thick, -(bottomRight.y() - topRight.y()) * 0.5), bottomRight);
    sketch.Stroke(rib, kInk, thick + 3);
    sketch.Stroke(rib, kHull, thick);
    sketch.Stroke(rib.translated(-thick * 0.2, -thick * 0.2), kShipPlank, thick * 0.25);
  }
  for (int hole = 0; hole < portholes; ++hole) {
    const double x = backWall.left() + backWall.width() * (hole + 1) / (portholes + 1);
    const double y = backWall.top() + backWall.height() * 0.32;
    const double radius = std::min(backWall.width(), backWall.height()) * 0.09;
    sketch.Oval(x, y, radius * 1.3, radius * 1.3, kGoldDark);
    sketch.Oval(x, y, radius, radius, kSea);
    sketch.Painter().save();
    QPainterPath glass;
    glass.addEllipse(QPointF(x, y), radius, radius);
    sketch.Painter().setClipPath(glass);
    sketch.FlatBox(x - radius, y - radius, radius * 2, radius * 0.9, kSkyPale);
    sketch.Line(x - radius, y - radius * 0.1, x + radius, y - radius * 0.1, kSeaDark, 1.5);
    sketch.Painter().restore();
    for (int rivet = 0; rivet < 8; ++rivet) {
      const double angle = rivet * 0.785;
      sketch.FlatOval(x + std::cos(angle) * radius * 1.15, y + std::sin(angle) * radius * 1.15, 1.3, 1.3, kGold);
    }
    sketch.Glow(x, y, radius * 3, kSkyPale, 0.3);
  }
  PaintHoldStores(sketch, backWall);
}

// A ship's hold seen into a corner: ribs rising up both walls, each upright where it stands and as tall as its
// wall there; portholes on the wall facing the eye more squarely, narrowed by its slant.
void PaintCornerHold(Sketch& sketch, const CornerView& corner, int portholes) {
  const double edge = corner.edgeTop.x();
  const double top = corner.edgeTop.y();
  const double foot = corner.edgeFoot.y();
  const auto rib = [&](double x, double ceiling, double floor, double thick) {
    QPainterPath path;
    path.moveTo(x, floor);
    path.cubicTo(x - thick * 0.6, floor - (floor - ceiling) * 0.4, x - thick * 0.3, ceiling + thick * 2, x, ceiling);
    sketch.Stroke(path, kInk, thick + 3);
    sketch.Stroke(path, kHull, thick);
    sketch.Stroke(path.translated(-thick * 0.2, 0), kShipPlank, thick * 0.25);
  };
  for (const double share : {0.15, 0.5, 0.8}) {
    const double x = edge * share;
    rib(x, corner.LeftWallY(top, x), corner.LeftWallY(foot, x), 8 + (1 - share) * 14);
  }
  for (const double share : {0.2, 0.55, 0.9}) {
    const double x = edge + (kFrameWidth - edge) * share;
    rib(x, corner.RightWallY(top, x), corner.RightWallY(foot, x), 8 + share * 14);
  }
  const bool onLeft = edge > kFrameWidth / 2.0;
  for (int hole = 0; hole < portholes; ++hole) {
    const double share = (hole + 1.0) / (portholes + 1.0);
    const double x = onLeft ? edge * (0.3 + 0.5 * share) : edge + (kFrameWidth - edge) * (0.2 + 0.5 * share);
    const double ceiling = onLeft ? corner.LeftWallY(top, x) : corner.RightWallY(top, x);
    const double floor = onLeft ? corner.LeftWallY(foot, x) : corner.RightWallY(foot, x);
    const double y = ceiling + (floor - ceiling) * 0.32;
    const double radius = (floor - ceiling) * 0.08;
    const double narrow = 0.7;
    sketch.Oval(x, y, radius * 1.3 * narrow, radius * 1.3, kGoldDark);
    sketch.Oval(x, y, radius * narrow, radius, kSea);
    sketch.Painter().save();
    QPainterPath glass;
    glass.addEllipse(QPointF(x, y), radius * narrow, radius);
    sketch.Painter().setClipPath(glass);
    sketch.FlatBox(x - radius, y - radius, radius * 2, radius * 0.9, kSkyPale);
    sketch.Painter().restore();
    sketch.Glow(x, y, radius * 3, kSkyPale, 0.3);
  }
}

// The stores of a hold: a lantern hanging from a beam, lighting the planks round it, and rope and a barrel on
// the floor.
void PaintHoldStores(Sketch& sketch, const QRectF& backWall) {
  // A lantern hanging from the middle beam, lighting the planks round it.
  const QPointF lantern(backWall.left() + backWall.width() * 0.8, backWall.top() + 30);
  sketch.Line(lantern.x(), backWall.top() - 30, lantern.x(), lantern.y() - 12, kInk, 2);
  sketch.Shape(RoundedBox(lantern.x() - 8, lantern.y() - 12, 16, 22, 3), kGlow);
  sketch.Box(lantern.x() - 10, lantern.y() - 16, 20, 5, kIron);
  sketch.Box(lantern.x() - 10, lantern.y() + 9, 20, 4, kIron);
  sketch.Glow(lantern.x(), lantern.y(), 110, kGlow, 0.6);
  // Rope and a barrel against the left of the back wall.
  const QPointF floor(backWall.left() + 40, backWall.bottom() + 6);
  for (int turn = 0; turn < 3; ++turn) sketch.Oval(floor.x(), floor.y() - turn * 4, 26 - turn * 5, 8 - turn, kTwine);
  const double barrelX = backWall.left() + 100;
  sketch.Shape(RoundedBox(barrelX - 20, backWall.bottom() - 50, 40, 56, 12), kWood);
  for (const double band : {0.2, 0.8}) sketch.Line(barrelX - 19, backWall.bottom() - 50 + 56 * band, barrelX + 19, backWall.bottom() - 50 + 56 * band, kIron, 3);
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
  registry.Add("ship-hold", PaintShipHold);
  registry.Add("altar", PaintAltar, 60);
  registry.Add("railing", PaintRailing);
}

}  // namespace brackenhollow::art
