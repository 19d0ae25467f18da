// Houses, doors, windows, sheds, garden walls and the mansion's outside.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

void PaintDoorway(Sketch& sketch, double width, double height, const std::string& inside) {
  const double left = -width / 2;
  if (inside == "day") {
    sketch.FlatBox(left, -height, width, height, kSky);
    sketch.FlatBox(left, -height * 0.35, width, height * 0.35, kGrass);
    sketch.FlatBox(left + width * 0.35, -height * 0.35, width * 0.3, height * 0.35, kPath);
  } else if (inside == "hallway" || inside == "room") {
    const QRgb wall = inside == "hallway" ? kWallWarm : kWallCream;
    sketch.FlatBox(left, -height, width, height, wall);
    sketch.FlatPolygon({At(left, 0), At(left + width * 0.3, -height * 0.3), At(left + width * 0.7, -height * 0.3), At(-left, 0)},
                       kFloorWood);
    sketch.FlatBox(left + width * 0.3, -height * 0.75, width * 0.4, height * 0.45, kWallShade);
    sketch.FlatPolygon({At(left, -height), At(left + width * 0.3, -height * 0.75), At(left + width * 0.3, -height * 0.3), At(left, 0)},
                       kWallShade);
    sketch.Glow(0, -height * 0.5, width * 0.5, kGlow, 0.4);
  } else if (inside == "light") {
    sketch.FlatBox(left, -height, width, height, kGlowPale);
  } else {
    sketch.FlatBox(left, -height, width, height, kGloom);
  }
}

void PaintDoorLeaf(Sketch& sketch, double width, double height, QRgb colour, const std::string& style,
                   bool keyhole) {
  const double left = -width / 2;
  if (style == "tree") {
    QPainterPath path;
    path.moveTo(left, 0);
    path.lineTo(left, -height + width / 2);
    path.arcTo(QRectF(left, -height, width, width), 180, -180);
    path.lineTo(-left, 0);
    path.closeSubpath();
    sketch.Shape(path, colour);
    for (int plank = 1; plank < 4; ++plank) sketch.InkLine(left + width * plank / 4, -height + 8, left + width * plank / 4, -2);
    sketch.Box(left + 6, -height * 0.55, width - 12, 6, kIron);
    sketch.Box(left + 6, -height * 0.25, width - 12, 6, kIron);
  } else {
    sketch.Box(left, -height, width, height, colour);
    if (style == "panel" || style == "gray" || style == "floral" || style == "ivory") {
      sketch.Box(left + width * 0.18, -height * 0.9, width * 0.64, height * 0.35, colour);
      sketch.Box(left + width * 0.18, -height * 0.48, width * 0.64, height * 0.38, colour);
    }
    if (style == "floral") {
      for (int flower = 0; flower < 7; ++flower) {
        const double x = left + width * (0.2 + 0.6 * Scatter(flower + 3));
        const double y = -height * (0.12 + 0.8 * Scatter(flower + 11));
        for (int petal = 0; petal < 4; ++petal) {
          const double angle = petal * 1.5708;
          sketch.FlatOval(x + std::cos(angle) * 4, y + std::sin(angle) * 4, 3, 3, kPurpleLight);
        }
        sketch.FlatOval(x, y, 2, 2, kPaintYellow);
      }
    }
    if (style == "gray") {
      for (int smudge = 0; smudge < 9; ++smudge)
        sketch.FlatOval(left + width * Scatter(smudge + 21), -height * Scatter(smudge + 31), 6, 4, kRoadDark);
    }
  }
  sketch.Oval(left + width * 0.82, -height * 0.47, 3.5, 3.5, kGold);
  if (keyhole) {
    sketch.FlatOval(left + width * 0.82, -height * 0.4, 2, 2, kBlack);
    sketch.FlatPolygon({At(left + width * 0.82 - 1.5, -height * 0.4), At(left + width * 0.82 + 1.5, -height * 0.4),
                        At(left + width * 0.82 + 2, -height * 0.37), At(left + width * 0.82 - 2, -height * 0.37)},
                       kBlack);
  }
}

namespace {

// A door in its frame, about 60 x 110; origin at the bottom middle. Open doors show what lies beyond.
void PaintDoor(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 60);
  const double height = layer.Number("h", 110);
  const QRgb colour = layer.Colour("colour", kWood);
  const std::string style = layer.Word("style", "panel");
  const std::string state = layer.Word("state", "shut");
  const bool keyhole = layer.Flag("lock", false);
  const double frame = layer.Number("frame", 5);
  const QRgb frameColour = layer.Colour("frame-colour", kWoodLight);
  if (frame > 0 && style != "tree") sketch.Box(-width / 2 - frame, -height - frame, width + frame * 2, height + frame, frameColour);
  if (state == "open") {
    PaintDoorway(sketch, width, height, layer.Word("inside", "dark"));
    QPainterPath opening;
    opening.addRect(-width / 2, -height, width, height);
    sketch.Outline(opening);
    // The leaf swings inwards against the hinge side and is seen edge-on, narrow.
    const double leaf = width * 0.28;
    QPainterPath path = PathThrough({At(-width / 2, -height), At(-width / 2 + leaf, -height * 0.92), At(-width / 2 + leaf, -height * 0.06),
                                     At(-width / 2, 0)});
    sketch.Shape(path, colour);
  } else if (state == "shut") {
    PaintDoorLeaf(sketch, width, height, colour, style, keyhole);
  } else {
    throw SceneError(layer.Where() + ": a door is open or shut");
  }
}

// A window with a frame and cross bars, centred on the origin; the view shows sky, night, dark, warm light,
// forest or the beach.
void PaintWindow(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 50);
  const double height = layer.Number("h", 60);
  const std::string view = layer.Word("view", "sky");
  const QRgb frame = layer.Colour("frame", kHouseWhite);
  // Indoors, daylight through the window lights the wall round it and falls in a slanting shaft to the floor.
  if (sketch.Air().BackWall().has_value() && (view == "sky" || view == "forest")) {
    sketch.Glow(0, 0, width * 1.7, kGlowPale, 0.3);
    sketch.LightCone(0, height / 2, width / 2, height * 2.6, width * 1.4, kGlowPale, 0.12);
  }
  sketch.Box(-width / 2 - 4, -height / 2 - 4, width + 8, height + 8, frame);
  QRgb glass = kSkyPale;
  if (view == "night") glass = kNightSky;
  else if (view == "dark") glass = kGloom;
  else if (view == "warm") glass = kGlow;
  else if (view == "forest") glass = kLeafLight;
  sketch.Box(-width / 2, -height / 2, width, height, glass);
  if (view == "sky") sketch.FlatPolygon({At(-width / 2 + 6, height / 2 - 4), At(width / 2 - 10, -height / 2 + 4), At(width / 2 - 2, -height / 2 + 4), At(-width / 2 + 14, height / 2 - 4)}, kCloud);
  if (view == "beach") {
    sketch.FlatBox(-width / 2, 0, width, height * 0.2, kThickWater);
    sketch.FlatBox(-width / 2, height * 0.2, width, height * 0.3, kSand);
  }
  if (view == "forest") {
    sketch.FlatOval(-width * 0.2, 0, width * 0.3, height * 0.35, kLeaf);
    sketch.FlatOval(width * 0.25, height * 0.1, width * 0.3, height * 0.3, kLeafDark);
  }
  sketch.InkLine(0, -height / 2, 0, height / 2);
  sketch.InkLine(-width / 2, 0, width / 2, 0);
  if (layer.Has("curtains")) {
    const QRgb curtain = layer.Colour("curtains", kShirtRed);
    sketch.Polygon({At(-width / 2 - 4, -height / 2 - 4), At(-width / 2 + width * 0.3, -height / 2 - 4), At(-width / 2 + 4, height / 2 + 4), At(-width / 2 - 4, height / 2 + 4)}, curtain);
    sketch.Polygon({At(width / 2 + 4, -height / 2 - 4), At(width / 2 - width * 0.3, -height / 2 - 4), At(width / 2 - 4, height / 2 + 4), At(width / 2 + 4, height / 2 + 4)}, curtain);
  }
  if (layer.Flag("sill", true)) sketch.Box(-width / 2 - 8, height / 2 + 4, width + 16, 6, frame);
}

// A house seen from the front, wall w x h of storeys=1|2 under a roof-shape=pitched|hipped|flat roof, porch=yes
// roofing its door on two posts; origin at the bottom middle.
void PaintHouse(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 240);
  const double height = layer.Number("h", 120);
  const int storeys = static_cast<int>(layer.Number("storeys", 1));
  const std::string roofShape = layer.Word("roof-shape", "pitched");
  const bool porch = layer.Flag("porch", false);
  if (storeys != 1 && storeys != 2) throw SceneError(layer.Where() + ": a house has 1 or 2 storeys");
  if (roofShape != "pitched" && roofShape != "hipped" && roofShape != "flat")
    throw SceneError(layer.Where() + ": a house roof is pitched, hipped or flat");
  const double roofHeight = roofShape == "flat" ? 14 : layer.Number("roof-h", height * (storeys == 2 ? 0.45 : 0.7));
  const QRgb wall = layer.Colour("colour", kHouseWhite);
  const QRgb roof = layer.Colour("roof", kRoof);
  const std::string door = layer.Word("door", "shut");
  const QRgb doorColour = layer.Colour("door-colour", kWood);
  const bool chimney = layer.Flag("chimney", true);
  // Seen three-quarter on: one side wall and that side of the roof run back from the front, the side
  // chosen by side=left|right|none or, by default, by the picture's seed.
  const std::string side = layer.Word("side", sketch.Vary(11) < 0.5 ? "left" : "right");
  if (side != "left" && side != "right" && side != "none")
    throw SceneError(layer.Where() + ": house side is left, right or none");
  if (side != "none") {
    const double toward = side == "left" ? -1 : 1;
    const double depth = width * 0.42;
    const QPointF back(toward * depth * 0.72, -depth * 0.28);
    const QPointF frontBottom(toward * width / 2, 0);
    const QPointF frontTop(toward * width / 2, -height);
    sketch.Shape(PathThrough({frontBottom, frontBottom + back, frontTop + back, frontTop}), QColor::fromRgb(wall).darker(118).rgb());
    // A window on the side wall, in its slant.
    const QPointF windowAt = frontBottom + back * 0.5 + QPointF(0, -height * 0.62);
    const QPointF across = back * 0.22;
    const QPointF up(0, -height * 0.3);
    sketch.Shape(PathThrough({windowAt - across / 2, windowAt + across / 2, windowAt + across / 2 + up, windowAt - across / 2 + up}), kSkyPale);
    sketch.InkLine((windowAt + up / 2 - across / 2).x(), (windowAt + up / 2 - across / 2).y(), (windowAt + up / 2 + across / 2).x(),
                   (windowAt + up / 2 + across / 2).y());
    const QPointF apex(0, -height - roofHeight);
    const QPointF eave(toward * (width / 2 + 16), -height);
    if (roofShape != "flat") sketch.Shape(PathThrough({apex, apex + back, eave + back, eave}), QColor::fromRgb(roof).darker(110).rgb());
    if (chimney) sketch.Box(width * 0.22 + back.x() * 0.5, -height - roofHeight * 0.9 + back.y() * 0.5, 22, roofHeight * 0.6, kBrick);
  } else if (chimney) {
    sketch.Box(width * 0.22, -height - roofHeight * 0.9, 22, roofHeight * 0.6, kBrick);
  }
  if (roofShape == "pitched") {
    sketch.Polygon({At(-width / 2 - 16, -height), At(0, -height - roofHeight), At(width / 2 + 16, -height)}, roof);
  } else if (roofShape == "hipped") {
    sketch.Polygon({At(-width / 2 - 16, -height), At(-width * 0.22, -height - roofHeight), At(width * 0.22, -height - roofHeight),
                    At(width / 2 + 16, -height)},
                   roof);
  }
  sketch.Box(-width / 2, -height, width, height, wall);
  if (roofShape == "flat") sketch.Box(-width / 2 - 6, -height - roofHeight, width + 12, roofHeight, roof);
  for (int line = 1; line < 6 * storeys; ++line) {
    sketch.Painter().setOpacity(0.35);
    sketch.InkLine(-width / 2, -height * line / (6 * storeys), width / 2, -height * line / (6 * storeys));
    sketch.Painter().setOpacity(1.0);
  }
  // A band between the storeys.
  if (storeys == 2) sketch.Box(-width / 2, -height / 2 - 3, width, 6, QColor::fromRgb(wall).darker(125).rgb());
  const int windows = static_cast<int>(layer.Number("windows", 2));
  const std::string view = layer.Word("window-view", "sky");
  const double storeyHeight = height / storeys;
  for (int storey = 0; storey < storeys; ++storey)
    for (int window = 0; window < windows; ++window) {
      const double x = windows == 1 ? -width * 0.3 : -width * 0.32 + window * width * 0.64 / (windows - 1);
      Layer windowLayer("window", {{"w", std::to_string(width * 0.14)}, {"h", std::to_string(storeyHeight * 0.34 * (storeys == 2 ? 1.4 : 1.0))}, {"view", view}},
                        layer.Where());
      sketch.Painter().save();
      sketch.Painter().translate(x, -storeyHeight * (storey + 0.58));
      PaintWindow(sketch, windowLayer);
      sketch.Painter().restore();
    }
  if (door != "none") {
    const double doorWidth = width * 0.17;
    const double doorHeight = storeyHeight * (storeys == 2 ? 0.82 : 0.68);
    if (porch) {
      // A small roof over the door on two posts, and a step before it.
      const double reach = doorWidth * 1.1;
      sketch.Box(-reach - 2, -doorHeight - 4, 5, doorHeight + 4, kWoodLight);
      sketch.Box(reach - 3, -doorHeight - 4, 5, doorHeight + 4, kWoodLight);
      sketch.Polygon({At(-reach - 10, -doorHeight - 2), At(-reach + 4, -doorHeight - 22), At(reach - 4, -doorHeight - 22), At(reach + 10, -doorHeight - 2)}, roof);
      sketch.Box(-reach - 6, -4, reach * 2 + 12, 8, kWoodLight);
    }
    if (door == "open")
      PaintDoorway(sketch, doorWidth, doorHeight, "room");
    else
      PaintDoorLeaf(sketch, doorWidth, doorHeight, doorColour, "panel", layer.Flag("lock", false));
  }
  sketch.Box(-width * 0.13, 0, width * 0.26, 6, kStoneLight);
}

// A welcome mat about 120 x 40 in perspective, centred on the origin; loud colours, tacky on purpose.
void PaintWelcomeMat(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 120);
  const double height = layer.Number("h", 36);
  sketch.Polygon({At(-width * 0.42, -height / 2), At(width * 0.42, -height / 2), At(width / 2, height / 2), At(-width / 2, height / 2)}, kGraffitiPink);
  sketch.Polygon({At(-width * 0.36, -height / 2 + 5), At(width * 0.36, -height / 2 + 5), At(width * 0.42, height / 2 - 5), At(-width * 0.42, height / 2 - 5)}, kGraffitiGreen);
  sketch.Text(QRectF(-width / 2, -height / 2, width, height), QStringLiteral("WELCOME"), height * 0.42, kGraffitiPink);
  for (int flower = 0; flower < 2; ++flower) sketch.FlatOval((flower == 0 ? -1 : 1) * width * 0.4, 0, 3, 3, kPaintYellow);
}

// A wooden fence w wide and h high with an opening of gap pixels in the middle; origin at bottom-left.
void PaintFence(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double height = layer.Number("h", 60);
  const double gap = layer.Number("gap", 0);
  const QRgb colour = layer.Colour("colour", kWoodLight);
  const double gapLeft = width / 2 - gap / 2;
  const double gapRight = width / 2 + gap / 2;
  for (int rail = 0; rail < 2; ++rail) {
    const double y = -height * (0.35 + rail * 0.4);
    if (gap > 0) {
      sketch.Box(0, y, gapLeft, 7, colour);
      sketch.Box(gapRight, y, width - gapRight, 7, colour);
    } else {
      sketch.Box(0, y, width, 7, colour);
    }
  }
  for (double x = 4; x < width; x += 26) {
    if (gap > 0 && x > gapLeft - 10 && x < gapRight) continue;
    sketch.Polygon({At(x, 0), At(x, -height), At(x + 6, -height - 8), At(x + 12, -height), At(x + 12, 0)}, colour);
  }
}

// Posts strung with barbed wire, w wide and about 60 high; origin at bottom-left.
void PaintBarbedWire(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 60);
  for (double x = 0; x <= width; x += width / 3) sketch.Box(x - 4, -height - 6, 8, height + 6, kWoodDark);
  for (int strand = 0; strand < 3; ++strand) {
    const double y = -height * (0.3 + strand * 0.3);
    QPainterPath wire;
    wire.moveTo(0, y);
    for (double x = 10; x <= width; x += 10) wire.lineTo(x, y + ((static_cast<int>(x) / 10) % 2 == 0 ? -2 : 2));
    sketch.Stroke(wire, kIron, 1.6);
    for (double x = 14; x < width; x += 22) {
      sketch.Line(x - 4, y - 4, x + 4, y + 4, kIron, 1.4);
      sketch.Line(x - 4, y + 4, x + 4, y - 4, kIron, 1.4);
    }
  }
}

// The magic store: a shack with a crooked sign and stars; origin at the bottom middle.
void PaintStoreFront(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 120);
  sketch.Polygon({At(-width / 2 - 12, -height), At(width / 2 + 12, -height), At(width / 2, -height - 30), At(-width / 2, -height - 30)}, kRobe);
  sketch.Box(-width / 2, -height, width, height, kRobeLight);
  sketch.Polygon({At(-width * 0.42, -height - 62), At(width * 0.42, -height - 54), At(width * 0.4, -height - 24), At(-width * 0.44, -height - 30)}, kPaper);
  sketch.Text(QRectF(-width * 0.42, -height - 60, width * 0.84, 32), QStringLiteral("MAGIC SHOP"), 18, kRobe);
  for (int star = 0; star < 4; ++star) PaintStar(sketch, -width * 0.36 + star * width * 0.24, -height * 0.82, 7, kGold);
  PaintDoorLeaf(sketch, width * 0.28, height * 0.7, kRobe, "plain", false);
  Layer windowLayer("window", {{"w", "40"}, {"h", "36"}, {"view", "warm"}}, layer.Where());
  sketch.Painter().save();
  sketch.Painter().translate(width * 0.3, -height * 0.5);
  PaintWindow(sketch, windowLayer);
  sketch.Painter().restore();
}

}  // namespace

void PaintStar(Sketch& sketch, double centreX, double centreY, double radius, QRgb colour) {
  QPolygonF star;
  for (int point = 0; point < 10; ++point) {
    const double angle = -1.5708 + point * 3.14159265 / 5;
    const double reach = point % 2 == 0 ? radius : radius * 0.45;
    star << QPointF(centreX + std::cos(angle) * reach, centreY + std::sin(angle) * reach);
  }
  QPainterPath path;
  path.addPolygon(star);
  path.closeSubpath();
  sketch.Shape(path, colour);
}

void RegisterBuildingProps(PropRegistry& registry) {
  RegisterHouseSideProps(registry);
  registry.Add("door", PaintDoor);
  registry.Add("window", PaintWindow);
  registry.Add("house", PaintHouse, 120);
  registry.Add("welcome-mat", PaintWelcomeMat);
  registry.Add("fence", PaintFence);
  registry.Add("barbed-wire", PaintBarbedWire);
  registry.Add("store-front", PaintStoreFront, 100);
}

}  // namespace brackenhollow::art
