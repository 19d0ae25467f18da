// The fittings of the mansion's rooms: art, telescope, safe, television, gym, pool and odds and ends.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>

namespace brackenhollow::art {

using namespace colours;

namespace {

// A stretch of the mansion's outer wall of blue-grey stone, top-left origin, w x h. state=crack adds a deep

// The gate in the spiked wall, about 180 x 200, with a star-shaped hollow. state=shut; state=open swings

// The sculpture: a twisted modern shape on a pedestal with a brass plaque, about 160 x 260; origin at the

// foot of the pedestal. groove=yes shows the nine-shaped hollow; fixed=yes has the nine in it and the top

// opened.
void PaintSculpture(Sketch& sketch, const Layer& layer) {
  const bool groove = layer.Flag("groove", false);
  const bool fixed = layer.Flag("fixed", false);
  sketch.Box(-70, -100, 140, 100, kStoneLight);
  sketch.Box(-80, -112, 160, 14, kStone);
  sketch.Box(-40, -70, 80, 34, kGold);
  sketch.Text(QRectF(-40, -70, 80, 34), QStringLiteral("No. 9"), 14, kInk);
  QPainterPath body;
  body.moveTo(-50, -112);
  body.cubicTo(-90, -180, 20, -200, -20, -250);
  body.cubicTo(-40, -280, 40, -300, 50, -260);
  body.cubicTo(70, -220, -10, -200, 40, -150);
  body.cubicTo(60, -130, 50, -120, 40, -112);
  body.closeSubpath();
  sketch.Shape(body, kMetal);
  sketch.FlatOval(-6, -230, 10, 30, kSilver);
  if (groove || fixed) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(44);
    font.setBold(true);
    QPainterPath nine;
    nine.addText(0, 0, font, QStringLiteral("9"));
    nine.translate(-nine.boundingRect().center() + QPointF(10, -170));
    sketch.Shape(nine, fixed ? kPaintYellow : kIron);
  }
  if (fixed) {
    sketch.Painter().save();
    sketch.Painter().translate(50, -262);
    sketch.Painter().rotate(-35);
    sketch.Shape(RoundedBox(-10, -30, 70, 26, 10), kMetal);
    sketch.Painter().restore();
    sketch.Glow(20, -275, 60, kGlowPale, 0.7);
    sketch.Oval(20, -272, 26, 9, kBlack);
  }
}

// A large framed abstract painting, about 260 x 180, centred on the origin. state=ruined has the paint

// dripping off and the numbers 4 5 9 showing through.
void PaintPainting(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 260);
  const double height = layer.Number("h", 180);
  const bool ruined = layer.Word("state", "whole") == "ruined";
  sketch.Box(-width / 2 - 14, -height / 2 - 14, width + 28, height + 28, kGoldDark);
  sketch.Box(-width / 2, -height / 2, width, height, ruined ? kPaper : kPaintYellow);
  sketch.Painter().save();
  sketch.Painter().setClipRect(QRectF(-width / 2, -height / 2, width, height));
  if (!ruined) {
    sketch.Polygon({At(-width / 2, -height / 2), At(-width * 0.05, -height / 2), At(-width * 0.3, height * 0.2)}, kPaintRed);
    sketch.Oval(width * 0.2, -height * 0.1, width * 0.18, width * 0.18, kPaintBlue);
    sketch.Polygon({At(-width * 0.2, height / 2), At(width * 0.1, -height * 0.05), At(width * 0.35, height / 2)}, kInk);
    sketch.Line(-width / 2, height * 0.1, width / 2, -height * 0.3, kGraffitiGreen, 8);
    sketch.Oval(-width * 0.3, height * 0.3, 20, 20, kWhite);
  } else {
    sketch.Text(QRectF(-width / 2, -height / 2, width, height), QStringLiteral("4  5  9"), height * 0.38, kInk);
    const QRgb drips[] = {kPaintRed, kPaintBlue, kPaintYellow, kGraffitiGreen, kInk, kPaintRed, kPaintBlue};
    for (int drip = 0; drip < 7; ++drip) {
      const double x = -width / 2 + drip * width / 6.5;
      const double length = height * (0.25 + 0.35 * Scatter(drip + 4));
      QPainterPath streak;
      streak.moveTo(x, -height / 2);
      streak.lineTo(x + width / 7, -height / 2);
      streak.lineTo(x + width / 7, -height / 2 + length * 0.6);
      streak.quadTo(x + width / 14, -height / 2 + length * 1.2, x + width / 28, -height / 2 + length * 0.5);
      streak.lineTo(x, -height / 2 + length * 0.4);
      streak.closeSubpath();
      sketch.Fill(streak, drips[drip]);
    }
    for (int puddle = 0; puddle < 4; ++puddle) sketch.FlatOval(-width * 0.35 + puddle * width * 0.24, height / 2 - 4, 22, 6, drips[puddle]);
  }
  sketch.Painter().restore();
  if (ruined) {
    for (int drop = 0; drop < 5; ++drop)
      sketch.Oval(-width * 0.4 + drop * width * 0.2, height / 2 + 30 + drop % 2 * 16, 4, 6, drop % 2 == 0 ? kPaintRed : kPaintBlue);
  }
}

// A fake wall torch of plastic and crystal, about 90 high; origin at its bracket. state=pulled has it

// tipped down on its hinge.
void PaintFakeTorch(Sketch& sketch, const Layer& layer) {
  const bool pulled = layer.Word("state", "up") == "pulled";
  sketch.Box(-14, -8, 28, 16, kGoldDark);
  sketch.Painter().save();
  sketch.Painter().rotate(pulled ? 150 : 0);
  sketch.Polygon({At(-8, 0), At(-12, -50), At(12, -50), At(8, 0)}, kGold);
  sketch.Polygon({At(-14, -50), At(0, -96), At(14, -50)}, kSatinLight);
  sketch.Polygon({At(-6, -54), At(0, -80), At(6, -54)}, kWhite);
  sketch.Painter().restore();
  if (!pulled) sketch.Glow(0, -70, 60, kGlow, 0.35);
}

// A large brass telescope on a tripod, about 200 high, its wide end to the left raised aim degrees (up
// towards a window or the sky); origin at its feet.
void PaintTelescope(Sketch& sketch, const Layer& layer) {
  const double aim = layer.Number("aim", 20);
  sketch.Line(0, -110, -60, 0, kInk, 8);
  sketch.Line(0, -110, -60, 0, kWoodDark, 5);
  sketch.Line(0, -110, 60, 0, kInk, 8);
  sketch.Line(0, -110, 60, 0, kWoodDark, 5);
  sketch.Line(0, -110, 0, 0, kInk, 8);
  sketch.Line(0, -110, 0, 0, kWoodDark, 5);
  sketch.Painter().save();
  sketch.Painter().translate(0, -120);
  sketch.Painter().rotate(aim);
  sketch.Shape(RoundedBox(-120, -20, 150, 40, 6), kGoldDark);
  sketch.Box(-150, -26, 36, 52, kGold);
  sketch.Box(30, -12, 40, 24, kGold);
  sketch.Painter().restore();
}

// The view through the telescope: black all round a round view of the beach; lighthouse=yes shows the

// lighthouse standing on it.
void PaintTelescopeView(Sketch& sketch, const Layer& layer) {
  sketch.FlatBox(0, 0, kFrameWidth, kFrameHeight, kBlack);
  const QPointF centre(kFrameWidth / 2.0, kFrameHeight / 2.0);
  const double radius = 180;
  QPainterPath view;
  view.addEllipse(centre, radius, radius);
  sketch.Painter().save();
  sketch.Painter().setClipPath(view);
  sketch.FlatBox(0, 0, kFrameWidth, centre.y() + 20, kSky);
  sketch.FlatBox(0, centre.y() + 20, kFrameWidth, 60, kThickWater);
  sketch.FlatBox(0, centre.y() + 80, kFrameWidth, 200, kSand);
  if (layer.Flag("lighthouse", false)) {
    sketch.Painter().save();
    sketch.Painter().translate(centre.x() + 20, centre.y() + 110);
    PaintLighthouseTower(sketch, 230, false);
    sketch.Painter().restore();
  }
  sketch.Painter().restore();
  QPainterPath rim;
  rim.addEllipse(centre, radius, radius);
  sketch.Stroke(rim, kMetalDark, 8);
  sketch.Line(centre.x() - 12, centre.y(), centre.x() + 12, centre.y(), kInk, 1);
  sketch.Line(centre.x(), centre.y() - 12, centre.x(), centre.y() + 12, kInk, 1);
}

// A huge steel safe with a combination dial, about 200 x 230; origin at its foot. state=open swings the

// door aside; bag=yes puts the bag of gold inside.
void PaintSafe(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const double height = layer.Number("h", 230);
  const bool open = layer.Word("state", "shut") == "open";
  sketch.Box(-width / 2, -height, width, height, kIron);
  if (!open) {
    sketch.Box(-width / 2 + 14, -height + 14, width - 28, height - 28, kMetalDark);
    sketch.Oval(0, -height / 2, 34, 34, kSilver);
    for (int tick = 0; tick < 12; ++tick) {
      const double angle = tick * 0.5236;
      sketch.InkLine(std::cos(angle) * 26, -height / 2 + std::sin(angle) * 26, std::cos(angle) * 32, -height / 2 + std::sin(angle) * 32);
    }
    sketch.Oval(0, -height / 2, 10, 10, kMetal);
    sketch.Box(width / 2 - 50, -height / 2 - 40, 12, 80, kSilver);
    return;
  }
  sketch.Box(-width / 2 + 14, -height + 14, width - 28, height - 28, kShadow);
  sketch.Box(-width / 2 + 14, -height * 0.45, width - 28, 8, kMetalDark);
  if (layer.Flag("bag", false)) {
    sketch.Painter().save();
    sketch.Painter().translate(0, -height * 0.45);
    sketch.Painter().scale(1.1, 1.1);
    PaintGoldSack(sketch);
    sketch.Painter().restore();
  }
  sketch.Polygon({At(width / 2, -height), At(width / 2 + 70, -height + 20), At(width / 2 + 70, -20), At(width / 2, 0)}, kMetalDark);
  sketch.Oval(width / 2 + 40, -height / 2, 14, 22, kSilver);
}

// The huge projection television between its speakers, about 300 x 220; origin at its foot. state=smashed

// breaks the screen open; bulb=yes shows the huge bulb inside.
void PaintTelevision(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  const double height = layer.Number("h", 220);
  const bool smashed = layer.Word("state", "whole") == "smashed";
  sketch.Box(-width / 2, -height, width, height - 30, kIron);
  sketch.Box(-width / 2 + 20, -30, width - 40, 30, kShadow);
  sketch.Box(-width / 2 + 16, -height + 16, width - 32, height - 70, smashed ? kBlack : kScreen);
  if (!smashed) {
    sketch.FlatPolygon({At(-width / 2 + 16, -height + 80), At(-width / 2 + 90, -height + 16), At(-width / 2 + 130, -height + 16), At(-width / 2 + 16, -height + 120)}, kScreenLight);
    sketch.FlatOval(width / 2 - 40, -50, 5, 5, kRuby);
    return;
  }
  const double left = -width / 2 + 16;
  const double top = -height + 16;
  const double innerWidth = width - 32;
  const double innerHeight = height - 70;
  const QPointF centre(left + innerWidth * 0.5, top + innerHeight * 0.5);
  // What glass is left clings to the frame; the middle is burst open, cracks running out to the edges.
  sketch.FlatBox(left, top, innerWidth, innerHeight, kScreenLight);
  QPainterPath hole;
  constexpr int kPoints = 16;
  for (int point = 0; point < kPoints; ++point) {
    const double angle = point * 6.28318 / kPoints;
    const double reach = (point % 2 == 0 ? 0.42 : 0.3) + 0.08 * Scatter(point + 3);
    const QPointF spot = centre + QPointF(std::cos(angle) * innerWidth * reach, std::sin(angle) * innerHeight * reach * 1.1);
    if (point == 0) hole.moveTo(spot);
    else hole.lineTo(spot);
  }
  hole.closeSubpath();
  sketch.Shape(hole, kBlack);
  sketch.Painter().save();
  sketch.Painter().setClipRect(QRectF(left, top, innerWidth, innerHeight));
  for (int crack = 0; crack < 10; ++crack) {
    const double angle = (crack + 0.3) * 6.28318 / 10;
    const QPointF from = centre + QPointF(std::cos(angle) * innerWidth * 0.3, std::sin(angle) * innerHeight * 0.33);
    const QPointF to = centre + QPointF(std::cos(angle) * innerWidth * 0.7, std::sin(angle) * innerHeight * 0.8);
    sketch.InkLine(from.x(), from.y(), to.x(), to.y());
  }
  sketch.Painter().restore();
  // Shards on the floor in front of it.
  for (int shard = 0; shard < 7; ++shard) {
    const double x = -width * 0.4 + shard * width * 0.13;
    sketch.Polygon({At(x, 6), At(x + 14, 2 + 6 * Scatter(shard)), At(x + 8, 12)}, kScreenLight);
  }
  if (layer.Flag("bulb", false)) {
    sketch.Painter().save();
    sketch.Painter().translate(0, -60);
    sketch.Painter().scale(0.9, 0.9);
    PaintBigBulb(sketch);
    sketch.Painter().restore();
  }
  for (int wire = 0; wire < 3; ++wire) sketch.Line(-width * 0.3 + wire * width * 0.3, -height + 30, -width * 0.25 + wire * width * 0.3, -height + 60, kPaintYellow, 2);
}

// A tall loudspeaker cabinet, about 80 x 220; origin at its foot.
void PaintSpeaker(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 220);
  sketch.Box(-40, -height, 80, height, kIron);
  sketch.Oval(0, -height + 40, 22, 22, kShadow);
  sketch.Oval(0, -height + 40, 8, 8, kMetalDark);
  sketch.Oval(0, -height * 0.4, 32, 32, kShadow);
  sketch.Oval(0, -height * 0.4, 12, 12, kMetalDark);
}

// A personal computer: monitor, keyboard and box, about 170 wide; origin at the foot of the monitor.
void PaintComputer(Sketch& sketch, const Layer&) {
  sketch.Box(-70, -130, 140, 110, kPaperShade);
  sketch.Box(-58, -120, 116, 86, kScreen);
  sketch.Box(-20, -20, 40, 14, kPaperShade);
  sketch.Box(-44, -8, 88, 8, kPaperShade);
  sketch.Polygon({At(-80, 20), At(80, 20), At(70, 0), At(-70, 0)}, kPaperShade);
  for (int row = 0; row < 3; ++row) sketch.InkLine(-70 + row * 4, 5 + row * 5, 70 - row * 4, 5 + row * 5);
  sketch.Box(90, -100, 46, 100, kPaperShade);
  sketch.Box(98, -84, 30, 6, kIron);
}

// A heavy punching bag hanging from the ceiling on a chain, about 70 x 180; origin where the chain starts.
void PaintPunchingBag(Sketch& sketch, const Layer&) {
  for (int link = 0; link < 5; ++link) sketch.Oval(0, 10 + link * 12, 4, 7, kMetal);
  sketch.Shape(RoundedBox(-38, 70, 76, 190, 30), kShirtRed);
  sketch.Box(-38, 110, 76, 12, kInk);
  sketch.Box(-38, 210, 76, 12, kInk);
  sketch.FlatOval(-16, 160, 8, 40, kSatinLight);
}

// A heavy barbell loaded with plates, about 300 wide, resting on the floor; origin at the middle.
void PaintBarbell(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  sketch.Box(-width / 2, -44, width, 9, kMetal);
  for (int side = -1; side <= 1; side += 2) {
    for (int plate = 0; plate < 3; ++plate) {
      const double x = side * (width / 2 - 30 - plate * 16);
      sketch.Shape(RoundedBox(x - 7, -80 + plate * 4, 14, 80 - plate * 8, 4), plate == 0 ? kIron : kRoofGrey);
    }
  }
}

// A large wall mirror of a gym, w x h, top-left origin, with a few light streaks.
void PaintWallMirror(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  const double height = layer.Number("h", 180);
  sketch.Box(-6, -6, width + 12, height + 12, kMetal);
  sketch.Box(0, 0, width, height, kSkyPale);
  // Glare streaks stay on the glass.
  sketch.Painter().save();
  sketch.Painter().setClipRect(QRectF(1, 1, width - 2, height - 2));
  for (int streak = 0; streak < 2; ++streak) {
    const double x = width * (0.2 + streak * 0.4);
    sketch.FlatPolygon({At(x, height), At(x + height * 0.5, 0), At(x + height * 0.5 + width * 0.08, 0), At(x + width * 0.08, height)}, kWhite);
  }
  sketch.Painter().restore();
  sketch.Outline(RoundedBox(0, 0, width, height, 0));
}

// A rack of weight plates, about 160 x 120; origin at its foot.
void PaintWeightRack(Sketch& sketch, const Layer&) {
  sketch.Box(-80, -120, 10, 120, kIron);
  sketch.Box(70, -120, 10, 120, kIron);
  sketch.Box(-80, -70, 160, 8, kIron);
  for (int plate = 0; plate < 4; ++plate) sketch.Oval(-50 + plate * 34, -96, 16, 24 - plate * 2, kRoofGrey);
  for (int bell = 0; bell < 3; ++bell) {
    sketch.Box(-54 + bell * 44, -24, 28, 6, kMetal);
    sketch.Box(-60 + bell * 44, -32, 8, 22, kIron);
    sketch.Box(-30 + bell * 44, -32, 8, 22, kIron);
  }
}

// An indoor swimming pool in perspective: near edge wide at the origin, far edge depth pixels up.

// A leaning tower of pizza boxes, count boxes high; origin at its foot.
void PaintPizzaBoxes(Sketch& sketch, const Layer& layer) {
  const int count = static_cast<int>(layer.Number("count", 14));
  for (int box = 0; box < count; ++box) {
    const double shift = std::sin(box * 0.5) * 8 + box * 1.5;
    sketch.Box(-60 + shift, -(box + 1) * 16, 120, 16, box % 3 == 0 ? kCardboardDark : kCardboard);
    sketch.FlatOval(shift, -(box + 1) * 16 + 8, 18, 3, kPaintRed);
  }
  sketch.Painter().save();
  sketch.Painter().translate(80, -6);
  sketch.Painter().rotate(-8);
  sketch.Box(-55, -10, 110, 16, kCardboard);
  sketch.Painter().restore();
}

// Bare store shelves, about 240 x 200, with a few cheap props: a top hat, a wand, cards; origin at the foot.
void PaintStoreShelves(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 240);
  sketch.Box(-width / 2, -200, width, 200, kWoodDark);
  for (int shelf = 0; shelf < 4; ++shelf) sketch.Box(-width / 2 + 6, -190 + shelf * 50 + 40, width - 12, 8, kWood);
  sketch.Box(-width / 2 + 20, -170, 40, 20, kInk);
  sketch.Box(-width / 2 + 12, -152, 56, 4, kInk);
  sketch.Line(20, -100, 70, -106, kInk, 5);
  sketch.Line(64, -105, 70, -106, kWhite, 5);
  sketch.Box(-30, -54, 22, 30, kWhite);
  sketch.Box(-24, -50, 22, 30, kWhite);
  sketch.FlatOval(-13, -36, 3, 4, kRuby);
  sketch.Box(40, -166, 30, 16, kPaper);
  sketch.Text(QRectF(38, -166, 34, 16), QStringLiteral("50%"), 9, kCrimson);
}

// A metal shelf of cleaning bottles with a mop bucket; can=yes stands the turpentine can on it; origin at

// the foot.
void PaintJanitorShelf(Sketch& sketch, const Layer& layer) {
  sketch.Box(-110, -200, 8, 200, kMetalDark);
  sketch.Box(102, -200, 8, 200, kMetalDark);
  for (int shelf = 0; shelf < 3; ++shelf) sketch.Box(-110, -200 + shelf * 70 + 60, 220, 8, kMetal);
  const QRgb bottles[] = {kPaintBlue, kGraffitiGreen, kPaintYellow, kWhite};
  for (int bottle = 0; bottle < 4; ++bottle) {
    const double x = -90 + bottle * 26;
    sketch.Box(x, -178, 18, 38, bottles[bottle]);
    sketch.Box(x + 5, -188, 8, 10, kWhite);
  }
  for (int rag = 0; rag < 3; ++rag) sketch.Box(-90 + rag * 40, -98, 34, 18, kRag);
  if (layer.Flag("can", false)) {
    sketch.Painter().save();
    sketch.Painter().translate(50, -140);
    PaintTurpentineCan(sketch);
    sketch.Painter().restore();
  }
}

// A mop in a wheeled bucket, about 150 high; origin at the foot.
void PaintMopBucket(Sketch& sketch, const Layer&) {
  sketch.Line(0, -40, 30, -170, kInk, 7);
  sketch.Line(0, -40, 30, -170, kWoodLight, 4);
  sketch.Polygon({At(-40, -60), At(40, -60), At(32, 0), At(-32, 0)}, kPaintYellow);
  sketch.Oval(0, -60, 40, 8, kMurky);
  for (int strand = 0; strand < 5; ++strand) sketch.Line(-8 + strand * 4, -60, -14 + strand * 7, -44, kPaperShade, 3);
}

// A metal pail about 70 high; origin at its foot.
void PaintPail(Sketch& sketch, const Layer&) {
  sketch.Polygon({At(-36, -70), At(36, -70), At(28, 0), At(-28, 0)}, kMetal);
  sketch.Oval(0, -70, 36, 8, kMetalDark);
  QPainterPath handle;
  handle.moveTo(-34, -68);
  handle.quadTo(0, -112, 34, -68);
  sketch.Stroke(handle, kInk, 2);
}

}  // namespace

void RegisterMansionRoomProps(PropRegistry& registry) {
  registry.Add("sculpture", PaintSculpture, 60);
  registry.Add("painting", PaintPainting);
  registry.Add("fake-torch", PaintFakeTorch);
  registry.Add("telescope", PaintTelescope, 70);
  registry.Add("telescope-view", PaintTelescopeView);
  registry.Add("safe", PaintSafe, 100);
  registry.Add("television", PaintTelevision, 150);
  registry.Add("speaker", PaintSpeaker, 40);
  registry.Add("computer", PaintComputer, 85);
  registry.Add("punching-bag", PaintPunchingBag);
  registry.Add("barbell", PaintBarbell);
  registry.Add("wall-mirror", PaintWallMirror);
  registry.Add("weight-rack", PaintWeightRack, 80);
  registry.Add("pizza-boxes", PaintPizzaBoxes, 45);
  registry.Add("store-shelves", PaintStoreShelves);
  registry.Add("janitor-shelf", PaintJanitorShelf);
  registry.Add("mop-bucket", PaintMopBucket, 35);
  registry.Add("pail", PaintPail, 28);
}

}  // namespace brackenhollow::art
