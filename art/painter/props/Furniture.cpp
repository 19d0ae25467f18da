// Furniture of the house and the mansion: beds, lamps, mirrors, dressers, shelves, tables, bath fittings.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

namespace {

// A bed seen from the side, about 260 long; origin at the middle of its foot line. Satin sheets for the
// mansion's guest bed, a rumpled blanket for the player's own.
void PaintBed(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  const bool satin = layer.Word("sheets", "blanket") == "satin";
  const bool unmade = layer.Flag("unmade", !satin);
  const QRgb cover = layer.Colour("colour", satin ? kSatin : kBlanket);
  const QRgb frame = layer.Colour("frame", kWoodDark);
  sketch.Box(-width / 2 - 8, -120, 16, 120, frame);
  sketch.Box(width / 2 - 8, -80, 16, 80, frame);
  sketch.Box(-width / 2, -62, width, 34, kPillow);
  sketch.Oval(-width / 2 + 40, -70, 36, 16, kPillow);
  QPainterPath blanket;
  blanket.moveTo(-width / 2 + 70, -64);
  if (unmade) {
    blanket.cubicTo(-width / 2 + 100, -96, -10, -60, 20, -88);
    blanket.cubicTo(50, -110, width / 2 - 60, -70, width / 2 + 4, -66);
  } else {
    blanket.lineTo(width / 2 + 4, -64);
  }
  blanket.lineTo(width / 2 + 4, -18);
  blanket.lineTo(-width / 2 + 60, -18);
  blanket.closeSubpath();
  sketch.Shape(blanket, cover);
  if (satin) {
    sketch.Painter().setOpacity(0.6);
    for (int fold = 0; fold < 4; ++fold) sketch.Line(-width / 2 + 90 + fold * 45, -58, -width / 2 + 80 + fold * 45, -24, kSatinLight, 4);
    sketch.Painter().setOpacity(1.0);
  } else {
    sketch.Line(-width / 2 + 90, -50, -width / 2 + 130, -30, kBlanketDark, 3);
    sketch.Line(-10, -70, 30, -40, kBlanketDark, 3);
    sketch.Line(60, -60, 100, -30, kBlanketDark, 3);
  }
  sketch.Box(-width / 2, -28, width, 12, frame);
  sketch.Box(-width / 2 + 6, -16, 10, 16, frame);
  sketch.Box(width / 2 - 16, -16, 10, 16, frame);
}

// The foot of the player's bed filling the bottom of the frame, as seen lying in it: a rumpled blanket.
void PaintBedFoot(Sketch& sketch, const Layer& layer) {
  // Seen from the pillow: the quilt runs away from the eye in perspective over the sleeper's legs, to two
  // mounds at the feet in front of the wooden footboard; the sheet is turned down at the near edge. The
  // quilt is a surface on the bed, so its patches shrink and close up towards the feet.
  const double width = layer.Number("w", 620);
  const QRgb quiltColour = layer.Colour("colour", kBlanket);
  const double board = width * 0.3;
  sketch.Box(-board, -132, board * 2, 34, kWood);
  sketch.Box(-board, -140, board * 2, 9, kWoodDark);
  for (const double side : {-1.0, 1.0}) {
    sketch.Box(side * board - 9, -160, 18, 70, kWoodDark);
    sketch.Oval(side * board, -166, 12, 9, kWoodDark);
  }
  // Depth 1 at the near edge (the frame's foot), 3 at the footboard; the eye's level lies above both.
  constexpr double kHorizon = -150;
  constexpr double kFar = 3.0;
  const double spread = board * 2 * kFar;
  const auto at = [&](double across, double depth) {
    return QPointF((across - 0.5) * spread / depth, kHorizon - kHorizon / depth);
  };
  QPainterPath quilt;
  quilt.moveTo(at(0, 1));
  quilt.lineTo(at(0, kFar));
  // The feet lift the quilt into two mounds, the left one nearer the window's light.
  const QPointF farLeft = at(0, kFar);
  const QPointF farRight = at(1, kFar);
  const double farY = farLeft.y();
  quilt.lineTo(-width * 0.16, farY);
  quilt.cubicTo(-width * 0.14, farY - 22, -width * 0.03, farY - 30, -width * 0.01, farY - 6);
  quilt.cubicTo(width * 0.01, farY - 26, width * 0.13, farY - 24, width * 0.15, farY);
  quilt.lineTo(farRight);
  quilt.lineTo(at(1, 1));
  quilt.closeSubpath();
  sketch.Shape(quilt, quiltColour);

  sketch.Painter().save();
  sketch.Painter().setClipPath(quilt);
  const QRgb patches[] = {kBlanketDark, kPillow, kRust, quiltColour, kShirtCheck};
  constexpr double kRows[] = {1.0, 1.28, 1.62, 2.05, 2.55, kFar};
  constexpr int kColumns = 7;
  for (int row = 0; row + 1 < static_cast<int>(std::size(kRows)); ++row) {
    for (int column = 0; column < kColumns; ++column) {
      const double left = static_cast<double>(column) / kColumns;
      const double right = static_cast<double>(column + 1) / kColumns;
      if ((row + column * 2) % 3 == 0) continue;  // the quilt's own colour shows between the patches
      sketch.Painter().setOpacity(0.55);
      sketch.FlatPolygon({at(left, kRows[row]), at(right, kRows[row]), at(right, kRows[row + 1]), at(left, kRows[row + 1])},
                         patches[(row * 2 + column * 3) % 5]);
    }
  }
  // Seams: thin, fainter towards the feet.
  sketch.Painter().setOpacity(0.3);
  for (int column = 1; column < kColumns; ++column) {
    const QPointF near = at(static_cast<double>(column) / kColumns, 1);
    const QPointF far = at(static_cast<double>(column) / kColumns, kFar);
    sketch.InkLine(near.x(), near.y(), far.x(), far.y());
  }
  for (const double depth : kRows) {
    const QPointF left = at(0, depth);
    const QPointF right = at(1, depth);
    sketch.InkLine(left.x(), left.y(), right.x(), right.y());
  }
  // The legs under the quilt: a lit ridge with a shaded hollow beside it, each running to its foot.
  for (const double side : {-1.0, 1.0}) {
    const double footX = side * width * 0.08;
    QPainterPath hollow;
    hollow.moveTo(side * width * 0.35, 0);
    hollow.quadTo(side * width * 0.2, farY * 0.55, footX + side * 40, farY + 2);
    sketch.Painter().setOpacity(0.35);
    sketch.Stroke(hollow, kBlanketDark, 14);
    QPainterPath ridge;
    ridge.moveTo(side * width * 0.2, 0);
    ridge.quadTo(side * width * 0.12, farY * 0.5, footX, farY - 14);
    sketch.Painter().setOpacity(0.25);
    sketch.Stroke(ridge, kPillow, 10);
  }
  // The shade of the footboard and the fold between the feet.
  sketch.Painter().setOpacity(0.3);
  sketch.FlatPolygon({QPointF(-width * 0.012, farY - 6), QPointF(width * 0.012, farY - 6), QPointF(width * 0.03, farY + 40),
                      QPointF(-width * 0.03, farY + 40)},
                     kBlanketDark);
  sketch.Painter().setOpacity(1.0);
  sketch.Painter().restore();
  sketch.Outline(quilt);
  // The sheet turned down over the quilt's near edge, in soft folds.
  QPainterPath sheet;
  sheet.moveTo(-width / 2 - 10, 0);
  sheet.lineTo(-width / 2 - 10, -22);
  for (int wave = 1; wave <= 6; ++wave) {
    const double x = -width / 2 - 10 + wave * (width + 20) / 6;
    sheet.quadTo(x - (width + 20) / 12, -30 + (wave % 2) * 6, x, -22 - (wave % 3) * 3);
  }
  sheet.lineTo(width / 2 + 10, 0);
  sheet.closeSubpath();
  sketch.Shape(sheet, kPillow);
}

// A nightstand about 70 x 70 with one drawer; origin at the bottom middle (its top is at y=-h).
void PaintNightstand(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 70);
  const double height = layer.Number("h", 70);
  sketch.Box(-width / 2, -height, width, height, kWood);
  sketch.Box(-width / 2 - 4, -height - 6, width + 8, 8, kWoodLight);
  sketch.Box(-width / 2 + 8, -height + 12, width - 16, height * 0.3, kWoodLight);
  sketch.Oval(0, -height + 12 + height * 0.15, 3, 3, kGold);
}

// A table lamp about 80 high standing on the origin; lit=yes sends warm light down and up out of its shade
// and a soft glow round it, reach far.
void PaintLamp(Sketch& sketch, const Layer& layer) {
  const bool lit = layer.Flag("lit", false);
  if (lit) {
    const double reach = layer.Number("reach", 230);
    sketch.LightCone(0, -40, 30, reach * 0.55, reach * 0.75, kGlow, 0.6);
    sketch.LightCone(0, -84, 18, -reach * 1.2, reach * 0.5, kGlow, 0.35);
    sketch.Glow(0, -56, reach, kGlow, 0.45);
    sketch.Glow(0, -60, 60, kGlowPale, 0.6);
  }
  sketch.Oval(0, -4, 20, 6, kWoodDark);
  sketch.Box(-4, -44, 8, 40, kGoldDark);
  if (lit) sketch.Oval(0, -40, 10, 10, kWhite);
  sketch.Polygon({At(-34, -40), At(-20, -84), At(20, -84), At(34, -40)}, lit ? kGlow : kLampShadeDark);
  sketch.Line(22, -40, 22, -22, kInk, 1.5);
  sketch.Oval(22, -20, 3, 3, kIron);
}

// A big mirror in a heavy frame, 90 x 140. hanging and crooked are centred on the origin on the wall;
// fallen lies broken on the floor around the origin.
void PaintMirror(Sketch& sketch, const Layer& layer) {
  const std::string state = layer.Word("state", "hanging");
  const double width = layer.Number("w", 90);
  const double height = layer.Number("h", 140);
  const QRgb frame = layer.Colour("frame", kGoldDark);
  if (state == "fallen") {
    QPainterPath body = PathThrough({At(-width * 0.9, 10), At(-width * 0.6, -22), At(width * 0.7, -22), At(width, 10)});
    sketch.Shape(body, frame);
    sketch.Shape(PathThrough({At(-width * 0.75, 5), At(-width * 0.52, -16), At(width * 0.6, -16), At(width * 0.84, 5)}), kSkyPale);
    for (int crack = 0; crack < 6; ++crack) sketch.InkLine(-10 + crack * 4, -6, -width * 0.7 + crack * width * 0.3, crack % 2 == 0 ? -15 : 4);
    for (int shard = 0; shard < 7; ++shard) {
      const double x = -width + shard * width * 0.33;
      const double y = 18 + 10 * Scatter(shard + 8);
      sketch.Polygon({At(x, y), At(x + 10, y - 6), At(x + 14, y + 3)}, kSkyPale);
    }
    return;
  }
  if (state == "crooked") sketch.Painter().rotate(-9);
  if (state != "hanging" && state != "crooked") throw SceneError(layer.Where() + ": a mirror hangs, is crooked or has fallen");
  sketch.Line(-width * 0.3, -height / 2, 0, -height / 2 - 30, kInk, 1.5);
  sketch.Line(width * 0.3, -height / 2, 0, -height / 2 - 30, kInk, 1.5);
  sketch.Oval(0, -height / 2 - 30, 3, 3, kIron);
  sketch.Box(-width / 2 - 10, -height / 2 - 10, width + 20, height + 20, frame);
  sketch.Box(-width / 2, -height / 2, width, height, kSkyPale);
  sketch.FlatPolygon({At(-width / 2 + 10, height / 2 - 20), At(width / 2 - 30, -height / 2 + 10), At(width / 2 - 10, -height / 2 + 10),
                      At(-width / 2 + 30, height / 2 - 20)},
                     kWhite);
}

// A chest of drawers about 200 x 130; origin at the bottom middle; open=yes pulls the top drawer out.
void PaintDresser(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 130);
  const QRgb colour = layer.Colour("colour", kWood);
  sketch.Box(-width / 2, -height, width, height - 10, colour);
  sketch.Box(-width / 2 - 6, -height - 8, width + 12, 10, kWoodDark);
  sketch.Box(-width / 2 + 6, -10, 12, 10, kWoodDark);
  sketch.Box(width / 2 - 18, -10, 12, 10, kWoodDark);
  const int rows = 3;
  const double drawerHeight = (height - 26) / rows;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < 2; ++column) {
      const double x = -width / 2 + 8 + column * (width - 16) / 2;
      const double y = -height + 6 + row * drawerHeight;
      sketch.Box(x + 2, y + 2, (width - 16) / 2 - 4, drawerHeight - 4, kWoodLight);
      sketch.Oval(x + (width - 16) / 4, y + drawerHeight / 2, 4, 4, kGold);
    }
  }
}

// A tall wardrobe with two doors, about 140 x 220; origin at the bottom middle.
void PaintCloset(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 140);
  const double height = layer.Number("h", 220);
  const QRgb colour = layer.Colour("colour", kWoodDark);
  sketch.Box(-width / 2, -height, width, height, colour);
  sketch.Box(-width / 2 - 6, -height - 10, width + 12, 12, kWood);
  sketch.Box(-width / 2 + 8, -height + 10, width / 2 - 10, height - 20, kWood);
  sketch.Box(2, -height + 10, width / 2 - 10, height - 20, kWood);
  sketch.Oval(-8, -height / 2, 4, 6, kGold);
  sketch.Oval(8, -height / 2, 4, 6, kGold);
}

// A tall bookshelf full of books, about 260 x 240; origin at the bottom middle.
void PaintBookshelf(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  const double height = layer.Number("h", 240);
  sketch.Box(-width / 2, -height, width, height, kWoodDark);
  const QRgb spines[] = {kShirtRed, kDenim, kDress, kHouseYellow, kPurple, kOrange, kWallGreen, kBrick};
  const int shelves = 5;
  const double shelfHeight = (height - 12) / shelves;
  for (int shelf = 0; shelf < shelves; ++shelf) {
    const double base = -height + 6 + (shelf + 1) * shelfHeight;
    double x = -width / 2 + 10;
    int book = shelf * 7;
    while (x < width / 2 - 22) {
      const double bookWidth = 9 + 8 * Scatter(book);
      const double bookHeight = shelfHeight * (0.62 + 0.3 * Scatter(book + 50));
      sketch.Box(x, base - bookHeight, bookWidth, bookHeight, spines[book % 8]);
      x += bookWidth + 1;
      ++book;
    }
    sketch.Box(-width / 2 + 4, base, width - 8, 6, kWood);
  }
}

// A simple wooden table about 140 x 70; origin at the bottom middle.
void PaintTable(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 140);
  const double height = layer.Number("h", 70);
  const QRgb colour = layer.Colour("colour", kWood);
  sketch.Box(-width / 2 + 8, -height, 10, height, colour);
  sketch.Box(width / 2 - 18, -height, 10, height, colour);
  sketch.Box(-width / 2, -height - 10, width, 12, kWoodLight);
}

// A three-legged stool about 50 high; origin at the bottom middle.
void PaintStool(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 50);
  sketch.Line(-16, 0, -10, -height, kInk, 8);
  sketch.Line(-16, 0, -10, -height, kWood, 5);
  sketch.Line(16, 0, 10, -height, kInk, 8);
  sketch.Line(16, 0, 10, -height, kWood, 5);
  sketch.Oval(0, -height, 24, 7, kWoodLight);
}

// A kitchen counter with cupboards, about 460 x 110; origin at the bottom middle; its top is at y=-h.
void PaintCounter(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 460);
  const double height = layer.Number("h", 110);
  sketch.Box(-width / 2, -height, width, height, kWallGreen);
  const int doors = 4;
  for (int door = 0; door < doors; ++door) {
    const double x = -width / 2 + 10 + door * (width - 20) / doors;
    sketch.Box(x + 3, -height + 22, (width - 20) / doors - 6, height - 30, kHouseGreen);
    sketch.Box(x + (width - 20) / doors / 2 - 10, -height + 30, 20, 5, kMetal);
  }
  sketch.Box(-width / 2 - 10, -height - 12, width + 20, 14, kStoneLight);
}

// A plain wall shelf about 160 wide; origin at the middle of its top surface.
void PaintShelf(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 160);
  sketch.Box(-width / 2, 0, width, 8, layer.Colour("colour", kWoodLight));
  sketch.Polygon({At(-width / 2 + 12, 8), At(-width / 2 + 12, 26), At(-width / 2 + 26, 8)}, kIron);
  sketch.Polygon({At(width / 2 - 12, 8), At(width / 2 - 12, 26), At(width / 2 - 26, 8)}, kIron);
}

// A clawfoot bathtub about 260 long with a brown ring of scum inside; origin at the bottom middle.
void PaintBathtub(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  QPainterPath tub;
  tub.moveTo(-width / 2, -100);
  tub.lineTo(width / 2, -100);
  tub.quadTo(width / 2 - 10, -20, width / 2 - 40, -18);
  tub.lineTo(-width / 2 + 40, -18);
  tub.quadTo(-width / 2 + 10, -20, -width / 2, -100);
  tub.closeSubpath();
  sketch.Shape(tub, kWhite);
  sketch.Oval(0, -100, width / 2, 14, kTileDark);
  sketch.Oval(0, -98, width / 2 - 14, 9, kFilth);
  sketch.FlatOval(0, -96, width / 2 - 26, 6, kFilthDark);
  sketch.Painter().setOpacity(0.8);
  sketch.Line(-width * 0.35, -86, width * 0.35, -86, kFilthDark, 4);
  sketch.Painter().setOpacity(1.0);
  for (int foot = 0; foot < 2; ++foot) sketch.Oval((foot == 0 ? -1 : 1) * (width / 2 - 40), -8, 10, 8, kGold);
  sketch.Box(width / 2 - 30, -124, 8, 24, kMetal);
  sketch.Box(width / 2 - 44, -128, 24, 8, kMetal);
}

// A wash basin with a faucet, about 120 wide; origin at the bottom middle of the pedestal.
void PaintSink(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 120);
  sketch.Polygon({At(-16, 0), At(-12, -80), At(12, -80), At(16, 0)}, kWhite);
  QPainterPath bowl;
  bowl.moveTo(-width / 2, -100);
  bowl.lineTo(width / 2, -100);
  bowl.quadTo(width / 2, -70, 0, -70);
  bowl.quadTo(-width / 2, -70, -width / 2, -100);
  sketch.Shape(bowl, kWhite);
  sketch.Oval(0, -100, width / 2, 8, kTileDark);
  sketch.Box(-5, -128, 10, 28, kSilver);
  sketch.Polygon({At(-5, -128), At(22, -128), At(22, -116), At(5, -116)}, kSilver);
  sketch.Oval(-20, -112, 7, 4, kSilver);
  sketch.Oval(20, -104, 2, 3, kSeaLight);
}

// A wide office desk about 240 x 80; origin at the bottom middle.
void PaintDesk(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 240);
  const double height = layer.Number("h", 80);
  sketch.Box(-width / 2, -height, 70, height, kWood);
  sketch.Box(width / 2 - 70, -height, 70, height, kWood);
  for (int drawer = 0; drawer < 3; ++drawer) {
    sketch.Box(-width / 2 + 6, -height + 8 + drawer * 24, 58, 20, kWoodLight);
    sketch.Box(width / 2 - 64, -height + 8 + drawer * 24, 58, 20, kWoodLight);
  }
  sketch.Box(-width / 2 - 8, -height - 10, width + 16, 12, kWoodDark);
}


// A bathroom mirror of w x h centred on the origin with the player's sleepy reflection in it.
void PaintBathroomMirror(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 220);
  const double height = layer.Number("h", 180);
  sketch.Box(-width / 2 - 10, -height / 2 - 10, width + 20, height + 20, kSilver);
  sketch.Box(-width / 2, -height / 2, width, height, kSkyPale);
  sketch.Painter().save();
  sketch.Painter().setClipRect(QRectF(-width / 2, -height / 2, width, height));
  sketch.Painter().translate(0, height * 0.05);
  sketch.Painter().scale(height / 180, height / 180);
  PaintSleepyReflection(sketch);
  sketch.Painter().restore();
  sketch.FlatPolygon({At(width / 2 - 60, -height / 2), At(width / 2 - 40, -height / 2), At(width / 2 - 90, height / 2), At(width / 2 - 110, height / 2)}, kWhite);
  QPainterPath glass;
  glass.addRect(-width / 2, -height / 2, width, height);
  sketch.Outline(glass);
}

}  // namespace

void RegisterFurnitureProps(PropRegistry& registry) {
  registry.Add("bed", PaintBed, 130);
  registry.Add("bed-foot", PaintBedFoot);
  registry.Add("nightstand", PaintNightstand, 35);
  registry.Add("lamp", PaintLamp);
  registry.Add("mirror", PaintMirror);
  registry.Add("dresser", PaintDresser, 100);
  registry.Add("closet", PaintCloset, 70);
  registry.Add("bookshelf", PaintBookshelf, 130);
  registry.Add("table", PaintTable, 70);
  registry.Add("stool", PaintStool, 22);
  registry.Add("counter", PaintCounter, 230);
  registry.Add("shelf", PaintShelf);
  registry.Add("bathtub", PaintBathtub, 130);
  registry.Add("sink", PaintSink);
  registry.Add("desk", PaintDesk, 120);
  registry.Add("bathroom-mirror", PaintBathroomMirror);
}

}  // namespace brackenhollow::art
