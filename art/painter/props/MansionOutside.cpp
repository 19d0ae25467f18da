// The mansion from outside, and the spiked wall with its gate and blue torches.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QRadialGradient>

#include <cmath>

namespace brackenhollow::art {

using namespace colours;

namespace {

// The huge blue mansion seen from the front: a main block of storeys floors under a grey roof with a
// pediment and columns, wings running on either side; about w x h; origin at the bottom middle.
void PaintMansion(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 460);
  const double height = layer.Number("h", 190);
  const int storeys = static_cast<int>(layer.Number("storeys", 2));
  const double wing = layer.Number("wings", 0);
  const double floorHeight = (height - 30) / storeys;
  // Wings: lower blocks reaching out to both sides, each with its own row of windows per floor.
  for (const double side : {-1.0, 1.0}) {
    if (wing <= 0) break;
    const double inner = side * width / 2;
    const double outer = side * (width / 2 + wing);
    const double wingHeight = height - floorHeight;
    sketch.Polygon({At(inner, -wingHeight), At(inner, -wingHeight - 40), At(outer - side * 20, -wingHeight - 40), At(outer, -wingHeight)}, kRoofGrey);
    sketch.Box(std::min(inner, outer), -wingHeight, wing, wingHeight, kMansionBlueDark);
    for (int row = 0; row < storeys - 1; ++row)
      for (double x = 30; x < wing - 20; x += 52) {
        const double windowX = inner + side * x;
        const double y = -wingHeight + 30 + row * floorHeight;
        sketch.Box(windowX - 12, y - 20, 24, 40, kSkyPale);
        sketch.Box(windowX - 16, y + 20, 32, 5, kHouseWhite);
      }
  }
  sketch.Polygon({At(-width / 2 - 14, -height), At(-width * 0.4, -height - 70), At(width * 0.4, -height - 70), At(width / 2 + 14, -height)}, kRoofGrey);
  for (int chimney = -1; chimney <= 1; chimney += 2) sketch.Box(chimney * width * 0.32 - 12, -height - 96, 24, 40, kBrick);
  sketch.Box(-width / 2, -height, width, height, kMansionBlue);
  sketch.Polygon({At(-70, -height), At(0, -height - 56), At(70, -height)}, kMansionBlueDark);
  for (int row = 0; row < storeys; ++row) {
    for (int column = 0; column < 6; ++column) {
      if (row == storeys - 1 && (column == 2 || column == 3)) continue;
      const double x = -width / 2 + 36 + column * (width - 72) / 5;
      const double y = -height + 48 + row * floorHeight;
      sketch.Box(x - 15, y - 24, 30, 48, kSkyPale);
      sketch.InkLine(x, y - 24, x, y + 24);
      sketch.Box(x - 20, y + 24, 40, 6, kHouseWhite);
    }
  }
  for (int column = -1; column <= 1; column += 2) sketch.Box(column * 58 - 8, -height + 4, 16, height - 4, kHouseWhite);
  PaintDoorLeaf(sketch, 52, 90, kOceanBlue, "panel", false);
  sketch.Box(-90, 0, 180, 8, kStoneLight);
}

// A stretch of the mansion's blue block wall, w x h from its top-left corner; state=crack splits it with a deep
// crack, state=broken bursts it open into a crawl hole at the foot. far=left or far=right makes it recede in
// perspective, that end far-scale times as tall around the eye line at eye (from the top), for a corner seen
// in two-point view; cornice=yes caps it with the roof's edge.
void PaintMansionWall(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double height = layer.Number("h", 260);
  const std::string state = layer.Word("state", "plain");
  const std::string far = layer.Word("far", "none");
  const double farScale = layer.Number("far-scale", 0.7);
  const double eye = layer.Number("eye", height * 0.85);
  const bool cornice = layer.Flag("cornice", false);
  const QRgb colour = layer.Colour("colour", kMansionBlueDark);
  QTransform receding;
  if (far == "left" || far == "right") {
    const double nearX = far == "left" ? width : 0;
    const double farX = width - nearX;
    const QPolygonF flat({QPointF(farX, 0), QPointF(nearX, 0), QPointF(nearX, height), QPointF(farX, height)});
    const QPolygonF seen({QPointF(farX, eye - eye * farScale), QPointF(nearX, 0), QPointF(nearX, height),
                          QPointF(farX, eye + (height - eye) * farScale)});
    QTransform::quadToQuad(flat, seen, receding);
  }
  sketch.Painter().save();
  sketch.Painter().setTransform(receding, true);
  sketch.Box(0, 0, width, height, colour);
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.45);
  int row = 0;
  for (double y = 30; y < height + 30; y += 30, ++row) {
    sketch.InkLine(0, y, width, y);
    for (double x = (row % 2) * 30; x < width; x += 60) sketch.InkLine(x, y - 30, x, y);
  }
  sketch.Painter().restore();
  const double crackX = layer.Number("crack-x", width / 2);
  if (state == "crack" || state == "broken") {
    QPainterPath crack;
    crack.moveTo(crackX - 6, 20);
    crack.lineTo(crackX + 10, 70);
    crack.lineTo(crackX - 12, 120);
    crack.lineTo(crackX + 8, 170);
    crack.lineTo(crackX - 4, height);
    crack.lineTo(crackX + 10, height);
    crack.lineTo(crackX + 20, 170);
    crack.lineTo(crackX, 120);
    crack.lineTo(crackX + 22, 70);
    crack.lineTo(crackX + 2, 20);
    crack.closeSubpath();
    sketch.Shape(crack, kBlack);
  }
  if (state == "broken") {
    // The crack burst open: broken brick round a ragged hole, the wall's thickness showing along the
    // upper and left rim, darkness deepening inside, and rubble heaped where it fell, big pieces first.
    QPainterPath hole;
    hole.moveTo(crackX - 70, height);
    hole.lineTo(crackX - 64, height - 60);
    hole.lineTo(crackX - 48, height - 74);
    hole.lineTo(crackX - 30, height - 96);
    hole.lineTo(crackX - 8, height - 100);
    hole.lineTo(crackX + 10, height - 110);
    hole.lineTo(crackX + 30, height - 96);
    hole.lineTo(crackX + 52, height - 88);
    hole.lineTo(crackX + 62, height - 70);
    hole.lineTo(crackX + 76, height - 50);
    hole.lineTo(crackX + 80, height);
    hole.closeSubpath();
    const QPainterPath bared = hole.united(hole.translated(-14, -12)).united(hole.translated(14, -8));
    sketch.Shape(bared, kBrick);
    QRadialGradient depth(QPointF(crackX + 6, height - 30), 110);
    depth.setColorAt(0.0, QColor(kBlack));
    depth.setColorAt(1.0, QColor(kGloom).lighter(170));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(depth);
    sketch.Painter().drawPath(hole);
    sketch.Fill(hole.subtracted(hole.translated(10, 12)), kBrickDark);
    sketch.Outline(hole);
    // Rubble: a heap at the hole's foot thinning out, pieces of uneven size and turn.
    for (int chunk = 0; chunk < 11; ++chunk) {
      const double spread = (sketch.Vary(chunk) - 0.5) * (60 + chunk * 14);
      const double x = crackX + spread;
      const double size = 7 + 16 * sketch.Vary(chunk + 20) * (1.0 - chunk / 14.0);
      const double y = height + 4 + std::abs(spread) * 0.06 + sketch.Vary(chunk + 40) * 10;
      sketch.Painter().save();
      sketch.Painter().translate(x, y);
      sketch.Painter().rotate((sketch.Vary(chunk + 60) - 0.5) * 70);
      sketch.ContactShadow(size);
      sketch.Polygon({At(-size, 0), At(-size * 0.6, -size * 0.8), At(size * 0.4, -size), At(size, -size * 0.2), At(size * 0.7, size * 0.2)},
                     chunk % 3 == 0 ? kBrick : kMansionBlue);
      sketch.Painter().restore();
    }
  }
  if (cornice) sketch.Box(-6, -18, width + 12, 20, kRoofGrey);
  sketch.Painter().restore();
}

// A tall wall of stone topped with iron spikes, top-left origin, w x h.
void PaintSpikeWall(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 596);
  const double height = layer.Number("h", 220);
  const QRgb colour = layer.Colour("colour", kStoneDark);
  for (double x = 6; x < width; x += 22) {
    sketch.Box(x + 6, -26, 5, 30, kIron);
    sketch.Polygon({At(x + 2, -26), At(x + 8.5, -46), At(x + 15, -26)}, kIron);
  }
  sketch.Box(0, 0, width, height, colour);
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.45);
  int row = 0;
  for (double y = 28; y < height; y += 28, ++row) {
    sketch.InkLine(0, y, width, y);
    for (double x = (row % 2) * 28; x < width; x += 56) sketch.InkLine(x, y - 28, x, y);
  }
  sketch.Painter().restore();
  sketch.Box(-4, -6, width + 8, 10, kStone);
}

// both leaves back to show a gold path beyond, the amulet sitting in its star; origin at the bottom middle.
void PaintGate(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 180);
  const double height = layer.Number("h", 200);
  const bool open = layer.Word("state", "shut") == "open";
  QPainterPath arch;
  arch.moveTo(-width / 2 - 20, 0);
  arch.lineTo(-width / 2 - 20, -height + 20);
  arch.quadTo(0, -height - 60, width / 2 + 20, -height + 20);
  arch.lineTo(width / 2 + 20, 0);
  arch.closeSubpath();
  sketch.Shape(arch, kStone);
  QPainterPath opening;
  opening.moveTo(-width / 2, 0);
  opening.lineTo(-width / 2, -height + 24);
  opening.quadTo(0, -height - 34, width / 2, -height + 24);
  opening.lineTo(width / 2, 0);
  opening.closeSubpath();
  if (!open) {
    sketch.Shape(opening, kIron);
    sketch.InkLine(0, 0, 0, -height - 5);
    for (double x = -width / 2 + 18; x < width / 2; x += 18) sketch.Line(x, -4, x, -height + 20, kMetalDark, 2);
    sketch.Oval(-22, -height * 0.5, 26, 26, kIron);
    QPolygonF star;
    for (int point = 0; point < 10; ++point) {
      const double angle = -1.5708 + point * 3.14159265 / 5;
      const double reach = point % 2 == 0 ? 22 : 10;
      star << QPointF(-22 + std::cos(angle) * reach, -height * 0.5 + std::sin(angle) * reach);
    }
    QPainterPath hollow;
    hollow.addPolygon(star);
    hollow.closeSubpath();
    sketch.Shape(hollow, kBlack);
    return;
  }
  sketch.Shape(opening, kSkyPale);
  sketch.Painter().save();
  sketch.Painter().setClipPath(opening);
  sketch.Glow(0, -height * 0.4, width * 0.7, kGlowPale, 0.7);
  sketch.FlatBox(-width, -height * 0.3, width * 2, height * 0.3, kGrassLight);
  sketch.FlatPolygon({At(-width * 0.42, 0), At(-8, -height * 0.3), At(8, -height * 0.3), At(width * 0.42, 0)}, kGold);
  sketch.Painter().restore();
  sketch.Outline(opening);
  sketch.Polygon({At(-width / 2, 0), At(-width / 2, -height + 24), At(-width / 2 - 46, -height + 10), At(-width / 2 - 46, 16)}, kIron);
  sketch.Polygon({At(width / 2, 0), At(width / 2, -height + 24), At(width / 2 + 46, -height + 10), At(width / 2 + 46, 16)}, kIron);
  sketch.Oval(-width / 2 - 24, -height * 0.5, 26, 26, kIron);
  PaintStar(sketch, -width / 2 - 24, -height * 0.5, 22, kGold);
  PaintStar(sketch, -width / 2 - 24, -height * 0.5, 10, kSunGlow);
}

// A wall torch burning with a cold blue flame, about 80 high; origin at its bracket. It lights the wall
// round it, a pool on the ground floor= below the bracket, and glows in the evening haze.
void PaintBlueTorch(Sketch& sketch, const Layer& layer) {
  const double floor = layer.Number("floor", 150);
  sketch.Glow(0, -50, 170, kBlueFlame, 0.5);
  sketch.LightPool(0, -10, 120, 150, kBlueFlameCore, 0.35);
  sketch.LightPool(0, floor, 150, 34, kBlueFlame, 0.6);
  sketch.Polygon({At(-8, 20), At(-14, -20), At(14, -20), At(8, 20)}, kIron);
  QPainterPath flame;
  flame.moveTo(-16, -20);
  flame.cubicTo(-22, -50, 0, -60, 0, -84);
  flame.cubicTo(10, -60, 24, -48, 16, -20);
  flame.closeSubpath();
  sketch.Shape(flame, kBlueFlame);
  sketch.FlatOval(0, -34, 7, 12, kBlueFlameCore);
}

// The mansion's front doorway round a door w x h standing on the origin: the deep reveal it is set in, fluted
// pilasters, a fanlight, an entablature under a pediment, lanterns on brackets either side lighting the
// stone, and worn steps falling away below.
void PaintGrandDoorway(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 150);
  const double height = layer.Number("h", 230);
  const double fan = width / 2;
  const double top = -height - fan - 10;
  // The reveal: the wall's thickness round the door, lit on the side towards the light.
  sketch.Box(-width / 2 - 14, top + 4, width + 28, -top - 4, kStoneDark);
  const bool lightFromLeft = sketch.Air().LightDirection().x() > 0;
  const double litSide = lightFromLeft ? -1 : 1;
  sketch.FlatPolygon({At(litSide * (width / 2 + 14), top + 4), At(litSide * (width / 2 + 2), top + 14), At(litSide * (width / 2 + 2), 0),
                      At(litSide * (width / 2 + 14), 0)},
                     kStoneLight);
  // The fanlight: a half wheel of glazing over the door.
  QPainterPath fanlight;
  fanlight.moveTo(-fan, -height);
  fanlight.arcTo(QRectF(-fan, -height - fan, fan * 2, fan * 2), 180, -180);
  fanlight.closeSubpath();
  sketch.Shape(fanlight, 0x4a5670);
  for (int spoke = 1; spoke < 6; ++spoke) {
    const double angle = 3.14159265 * spoke / 6;
    sketch.Line(0, -height, -std::cos(angle) * fan, -height - std::sin(angle) * fan, kHouseWhite, 2);
  }
  sketch.Oval(0, -height, fan * 0.25, fan * 0.12, kHouseWhite);
  // Pilasters with fluting, bases and capitals.
  for (const double side : {-1.0, 1.0}) {
    const double x = side * (width / 2 + 40);
    sketch.Box(x - 16, top + 14, 32, -top - 14, kStoneLight);
    for (int flute = -1; flute <= 1; ++flute) {
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.5);
      sketch.InkLine(x + flute * 8, top + 30, x + flute * 8, -20);
      sketch.Painter().restore();
    }
    sketch.Box(x - 21, -20, 42, 20, kStone);
    sketch.Box(x - 22, top + 8, 44, 14, kStone);
    sketch.Oval(x - 16, top + 22, 5, 5, kStoneLight);
    sketch.Oval(x + 16, top + 22, 5, 5, kStoneLight);
  }
  // The entablature and its pediment.
  const double reach = width / 2 + 70;
  sketch.Box(-reach, top - 20, reach * 2, 28, kStoneLight);
  sketch.Box(-reach - 8, top - 30, reach * 2 + 16, 12, kStone);
  sketch.Polygon({At(-reach - 8, top - 30), At(0, top - 90), At(reach + 8, top - 30)}, kStone);
  sketch.Polygon({At(-reach + 20, top - 36), At(0, top - 78), At(reach - 20, top - 36)}, kStoneLight);
  sketch.Oval(0, top - 50, 12, 9, kStoneDark);
  // Lanterns on iron brackets, each lighting the stone round it.
  for (const double side : {-1.0, 1.0}) {
    const double x = side * (width / 2 + 96);
    const double y = -height * 0.72;
    sketch.Line(x - side * 22, y - 40, x, y - 40, kIron, 3);
    sketch.Line(x - side * 22, y - 10, x - side * 4, y - 38, kIron, 2);
    sketch.Box(x - side * 24, y - 46, 4, 40, kIron);
    sketch.Glow(x, y - 10, 130, kGlow, 0.9);
    sketch.Polygon({At(x - 10, y - 34), At(x + 10, y - 34), At(x + 13, y + 8), At(x - 13, y + 8)}, kGlow);
    sketch.Line(x, y - 34, x, y + 8, kIron, 1.6);
    sketch.Polygon({At(x - 14, y - 34), At(x, y - 46), At(x + 14, y - 34)}, kIron);
    sketch.Box(x - 14, y + 8, 28, 5, kIron);
    sketch.FlatOval(x, y - 10, 4, 7, kFlameCore);
  }
  // Steps falling away towards the eye, worn hollow in the middle.
  for (int step = 0; step < 3; ++step) {
    const double half = width / 2 + 60 + step * 34;
    const double y = step * 26;
    sketch.Box(-half, y, half * 2, 10, kStoneLight);
    sketch.Box(-half, y + 10, half * 2, 16, kStone);
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.35);
    sketch.FlatOval(0, y + 5, width * 0.35, 3.5, kStoneDark);
    sketch.Painter().restore();
  }
}

// What only a shut door shows: a brass knocker and a letter slot on a door w x h standing on the origin.
void PaintDoorFurniture(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 230);
  sketch.Box(-16, -height * 0.52, 32, 7, kGold);
  sketch.Oval(0, -height * 0.7, 6, 6, kGoldDark);
  QPainterPath ring;
  ring.addEllipse(QPointF(0, -height * 0.66), 14, 16);
  ring.addEllipse(QPointF(0, -height * 0.66), 10, 12);
  ring.setFillRule(Qt::OddEvenFill);
  sketch.Shape(ring, kGold);
  sketch.FlatOval(-6, -height * 0.7, 2, 3, kSunGlow);
}

}  // namespace

void RegisterMansionOutsideProps(PropRegistry& registry) {
  registry.Add("mansion", PaintMansion, 230);
  registry.Add("mansion-wall", PaintMansionWall);
  registry.Add("spike-wall", PaintSpikeWall);
  registry.Add("gate", PaintGate);
  registry.Add("blue-torch", PaintBlueTorch);
  registry.Add("grand-doorway", PaintGrandDoorway);
  registry.Add("door-furniture", PaintDoorFurniture);
}

}  // namespace brackenhollow::art
