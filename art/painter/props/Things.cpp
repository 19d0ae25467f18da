// Small things the player finds and takes; each is drawn by one routine wherever it lies.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

void PaintGoldSack(Sketch& sketch) {
  QPainterPath sack;
  sack.moveTo(-14, -70);
  sack.cubicTo(-50, -50, -50, 0, 0, 0);
  sack.cubicTo(50, 0, 50, -50, 14, -70);
  sack.closeSubpath();
  sketch.Shape(sack, kCardboard);
  sketch.Polygon({At(-18, -84), At(0, -72), At(18, -84), At(10, -68), At(-10, -68)}, kCardboard);
  sketch.Line(-14, -70, 14, -70, kWoodDark, 4);
  sketch.Text(QRectF(-20, -50, 40, 36), QStringLiteral("$"), 30, kGoldDark);
  for (int coin = 0; coin < 4; ++coin) sketch.Oval(30 + coin * 10, -4 - (coin % 2) * 4, 8, 4, kGold);
}

void PaintTurpentineCan(Sketch& sketch) {
  sketch.Box(-24, -60, 48, 60, kMetal);
  sketch.Box(-24, -46, 48, 30, kPaintRed);
  sketch.Text(QRectF(-24, -46, 48, 30), QStringLiteral("TURP"), 12, kWhite);
  sketch.Box(6, -70, 12, 10, kMetalDark);
  sketch.Line(-14, -60, 0, -74, kInk, 2);
}

void PaintBigBulb(Sketch& sketch) {
  sketch.Box(-18, -30, 36, 30, kMetal);
  for (int thread = 0; thread < 3; ++thread) sketch.InkLine(-18, -24 + thread * 8, 18, -20 + thread * 8);
  QPainterPath glass;
  glass.moveTo(-18, -30);
  glass.cubicTo(-22, -50, -48, -70, -48, -98);
  glass.cubicTo(-48, -136, 48, -136, 48, -98);
  glass.cubicTo(48, -70, 22, -50, 18, -30);
  glass.closeSubpath();
  sketch.Shape(glass, kGlowPale);
  sketch.Line(-8, -32, -10, -82, kMetalDark, 2);
  sketch.Line(8, -32, 10, -82, kMetalDark, 2);
  sketch.Line(-10, -82, 10, -82, kOrange, 2);
  sketch.FlatOval(-24, -106, 8, 14, kWhite);
}

namespace {

// A white envelope about 56 x 34, centred on the origin.
void PaintLetter(Sketch& sketch, const Layer&) {
  // A bright white envelope catching the lamp's light, so it reads even in a dim room: the flap's fold,
  // a red wax seal and the lines of a written address.
  sketch.Glow(0, 0, 60, kGlowPale, 0.55);
  sketch.Box(-34, -21, 68, 42, kPaper);
  sketch.Painter().save();
  sketch.Painter().setOpacity(0.55);
  sketch.InkLine(-34, -21, 0, 2);
  sketch.InkLine(34, -21, 0, 2);
  sketch.Painter().restore();
  for (int line = 0; line < 3; ++line) sketch.Line(-16, 6 + line * 5, 12 - line * 6, 6 + line * 5, kPaintBlue, 1.6);
  sketch.Oval(0, 2, 6, 6, kShirtRed);
  sketch.FlatOval(-1.5, 0.5, 2, 2, kSatinLight);
}

// A coil of rope about 120 across lying on the floor, its loose end trailing right; origin at the centre.
void PaintRopeCoil(Sketch& sketch, const Layer& layer) {
  const double length = layer.Number("tail", 120);
  for (int loop = 0; loop < 4; ++loop) {
    const double radiusX = 58 - loop * 11;
    const double radiusY = 20 - loop * 3.5;
    QPainterPath ring;
    ring.addEllipse(QPointF(0, -loop * 3), radiusX, radiusY);
    sketch.Stroke(ring, kInk, 9);
    sketch.Stroke(ring, kTwine, 6);
  }
  QPainterPath tail;
  tail.moveTo(56, 4);
  tail.cubicTo(80, 20, length * 0.7, -6, length + 40, 14);
  sketch.Stroke(tail, kInk, 9);
  sketch.Stroke(tail, kTwine, 6);
}

// A big sterling silver teapot about 90 wide; origin at its foot.
void PaintTeapot(Sketch& sketch, const Layer&) {
  QPainterPath spout;
  spout.moveTo(30, -40);
  spout.cubicTo(52, -40, 50, -64, 70, -72);
  spout.lineTo(74, -66);
  spout.cubicTo(58, -56, 60, -26, 34, -20);
  spout.closeSubpath();
  sketch.Shape(spout, kSilver);
  QPainterPath handle;
  handle.addEllipse(QPointF(-40, -44), 20, 22);
  handle.addEllipse(QPointF(-40, -44), 12, 14);
  handle.setFillRule(Qt::OddEvenFill);
  sketch.Shape(handle, kMetal);
  sketch.Oval(0, -38, 40, 36, kSilver);
  sketch.Box(-26, -4, 52, 6, kMetal);
  sketch.Oval(0, -74, 22, 7, kMetal);
  sketch.Oval(0, -84, 6, 6, kSilver);
  sketch.FlatOval(-14, -52, 8, 14, kWhite);
}

// An orange carrot about 90 long lying on its side with green leaves; origin at the centre.
void PaintCarrot(Sketch& sketch, const Layer&) {
  for (int leaf = 0; leaf < 3; ++leaf) {
    QPainterPath blade;
    blade.moveTo(-40, 0);
    blade.quadTo(-56, -14 + leaf * 10, -74, -18 + leaf * 14);
    blade.quadTo(-58, -8 + leaf * 8, -40, 4);
    sketch.Shape(blade, kLeafLight);
  }
  sketch.Polygon({At(-42, -12), At(50, -1), At(50, 2), At(-42, 12)}, kOrange);
  for (int ridge = 0; ridge < 4; ++ridge) sketch.InkLine(-26 + ridge * 18, -8 + ridge * 2, -22 + ridge * 18, -3 + ridge);
}

// A scythe lying on the ground: a long wooden snath with a curved blade; origin at the centre.
void PaintScythe(Sketch& sketch, const Layer&) {
  sketch.Line(-110, 10, 100, -10, kInk, 9);
  sketch.Line(-110, 10, 100, -10, kWood, 6);
  sketch.Line(-30, 2, -40, -16, kInk, 7);
  sketch.Line(-30, 2, -40, -16, kWood, 4);
  QPainterPath blade;
  blade.moveTo(96, -14);
  blade.cubicTo(60, -60, -10, -58, -50, -40);
  blade.cubicTo(-4, -44, 56, -40, 104, -4);
  blade.closeSubpath();
  sketch.Shape(blade, kSilver);
}

// A small wooden clothespin with its steel spring, about 50 long; origin at the centre.
void PaintClothespin(Sketch& sketch, const Layer&) {
  sketch.Polygon({At(-26, -4), At(24, -8), At(26, -2), At(-26, 0)}, kWoodLight);
  sketch.Polygon({At(-26, 1), At(26, 3), At(24, 9), At(-26, 5)}, kWoodLight);
  sketch.Box(-6, -7, 10, 14, kMetal);
}

// A big rusty crowbar about 170 long lying on its side, its claw end hooked back; origin at the centre.
void PaintCrowbar(Sketch& sketch, const Layer&) {
  QPainterPath bar;
  bar.moveTo(-88, 4);
  bar.lineTo(62, -4);
  bar.cubicTo(80, -5, 86, -18, 80, -30);
  bar.lineTo(70, -34);
  // Red paint over the steel, so it stands out of the brown scrap, worn through to rust in patches, with a
  // bright glint along its top.
  sketch.Glow(0, -4, 90, kGlowPale, 0.25);
  sketch.Stroke(bar, kInk, 14);
  sketch.Stroke(bar, kPaintRed, 10);
  sketch.Line(-80, 1, 56, -6, 0xff9a8a, 2.5);
  for (int patch = 0; patch < 4; ++patch) sketch.FlatOval(-60 + patch * 34, -1 - patch * 1.5, 7, 3, kRust);
  // The flattened chisel end and the split claw, bare steel.
  sketch.Polygon({At(-88, -4), At(-106, 2), At(-106, 8), At(-88, 12)}, kSilver);
  sketch.Polygon({At(66, -36), At(74, -42), At(78, -33)}, kSilver);
}

// A long shovel hanging from its handle's end on the origin.
void PaintShovel(Sketch& sketch, const Layer&) {
  sketch.Oval(0, 8, 10, 8, kWoodDark);
  sketch.Line(0, 14, 0, 170, kInk, 11);
  sketch.Line(0, 14, 0, 170, kWood, 7);
  QPainterPath blade;
  blade.moveTo(-24, 170);
  blade.lineTo(24, 170);
  blade.lineTo(22, 214);
  blade.quadTo(0, 236, -22, 214);
  blade.closeSubpath();
  sketch.Shape(blade, kMetal);
  sketch.Box(-6, 160, 12, 14, kMetalDark);
}

// A red U magnet with silver tips, hanging from its bend on the origin.
void PaintMagnet(Sketch& sketch, const Layer&) {
  QPainterPath shape;
  shape.moveTo(-32, 70);
  shape.lineTo(-32, 30);
  shape.arcTo(QRectF(-32, 0, 64, 64), 180, -180);
  shape.lineTo(32, 70);
  shape.lineTo(14, 70);
  shape.lineTo(14, 30);
  shape.arcTo(QRectF(-14, 16, 28, 28), 0, 180);
  shape.lineTo(-14, 70);
  shape.closeSubpath();
  sketch.Shape(shape, kShirtRed);
  sketch.Box(-32, 70, 18, 16, kSilver);
  sketch.Box(14, 70, 18, 16, kSilver);
}

// A hand saw about 150 long with a wooden grip; origin at the centre of the blade.
void PaintSaw(Sketch& sketch, const Layer&) {
  QPainterPath blade;
  blade.moveTo(-70, -14);
  blade.lineTo(50, -20);
  blade.lineTo(50, 14);
  for (double x = 50; x > -70; x -= 8) {
    blade.lineTo(x - 4, 20);
    blade.lineTo(x - 8, 14);
  }
  blade.closeSubpath();
  sketch.Shape(blade, kMetal);
  QPainterPath grip;
  grip.addRoundedRect(QRectF(46, -26, 44, 44), 12, 12);
  grip.addRoundedRect(QRectF(58, -14, 20, 20), 6, 6);
  grip.setFillRule(Qt::OddEvenFill);
  sketch.Shape(grip, kWood);
}

// An old key about 60 long; bloody=yes cakes it with dried blood; origin at the centre.
void PaintKey(Sketch& sketch, const Layer& layer) {
  const QRgb colour = layer.Colour("colour", kGoldDark);
  QPainterPath ring;
  ring.addEllipse(QPointF(-22, 0), 12, 12);
  ring.addEllipse(QPointF(-22, 0), 6, 6);
  ring.setFillRule(Qt::OddEvenFill);
  sketch.Shape(ring, colour);
  sketch.Box(-10, -3, 42, 6, colour);
  sketch.Box(20, 3, 5, 8, colour);
  sketch.Box(28, 3, 4, 6, colour);
  if (layer.Flag("bloody", false)) {
    sketch.FlatOval(-20, 6, 7, 5, kBlood);
    sketch.FlatOval(6, 0, 9, 4, kBlood);
    sketch.FlatOval(24, 5, 5, 4, kBlood);
    sketch.FlatOval(14, 12, 14, 5, kBlood);
  }
}

// A round gold coin of radius r; origin at the centre.
void PaintCoin(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 10);
  sketch.Oval(0, 0, radius, radius, kGold);
  sketch.Oval(0, 0, radius * 0.6, radius * 0.6, kGold);
}


// A toy number nine of bright plastic, about 60 high; origin at its foot.
void PaintNine(Sketch& sketch, const Layer& layer) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(layer.Number("size", 70)));
  font.setBold(true);
  QPainterPath nine;
  nine.addText(0, 0, font, QStringLiteral("9"));
  const QRectF bounds = nine.boundingRect();
  nine.translate(-bounds.center().x(), -bounds.bottom());
  sketch.Fill(nine.translated(4, 3), kShadow);
  sketch.Shape(nine, layer.Colour("colour", kPaintYellow));
}

// A red wax candle about 50 high on a saucer; lit=yes adds a flame; origin at its foot.
void PaintCandle(Sketch& sketch, const Layer& layer) {
  sketch.Oval(0, -3, 24, 5, kMetal);
  sketch.Box(-9, -50, 18, 46, kShirtRed);
  sketch.FlatOval(-3, -44, 3, 6, kSatinLight);
  sketch.Line(0, -50, 0, -58, kInk, 1.5);
  if (layer.Flag("lit", false)) {
    sketch.Glow(0, -64, 40, kGlow, 0.5);
    sketch.Oval(0, -66, 5, 9, kFlameCore);
  }
}

// The magician's tall staff, about 230 long, topped by a star; origin at its foot.
void PaintStaff(Sketch& sketch, const Layer&) {
  sketch.Line(0, 0, 0, -220, kInk, 11);
  sketch.Line(0, 0, 0, -220, kWoodDark, 7);
  sketch.Oval(0, -232, 14, 14, kPurpleLight);
  PaintStar(sketch, 0, -232, 10, kGold);
  for (int band = 0; band < 3; ++band) sketch.Box(-5, -200 + band * 12, 10, 5, kGold);
}

// A pair of orange inflatable water wings, about 120 across; origin at the centre.
void PaintWaterWings(Sketch& sketch, const Layer&) {
  for (int wing = 0; wing < 2; ++wing) {
    const double x = wing == 0 ? -32 : 34;
    const double y = wing == 0 ? 0 : 6;
    sketch.Oval(x, y, 30, 22, kOrange);
    sketch.Oval(x, y, 12, 9, kSand);
    sketch.Box(x + 14, y - 24, 6, 8, kWhite);
  }
}

// The amulet: a large gold star with bevelled points and a ruby, on a chain; origin at the star's centre.
// chain=yes hangs the chain up from the top point, chain=coiled lets it lie in a loose loop beside the star
// as it lies on a floor, chain=no leaves it off.
void PaintAmulet(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 40);
  const std::string chain = layer.Word("chain", "yes");
  const auto link = [&](QPointF at, double angle, int index) {
    sketch.Painter().save();
    sketch.Painter().translate(at);
    sketch.Painter().rotate(angle);
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), radius * 0.085, radius * 0.05);
    ring = ring.subtracted([&] {
      QPainterPath hole;
      hole.addEllipse(QPointF(0, 0), radius * 0.045, radius * 0.018);
      return hole;
    }());
    sketch.Shape(ring, index % 2 == 0 ? kGold : kGoldDark);
    sketch.Painter().restore();
  };
  if (chain == "yes") {
    for (int side = -1; side <= 1; side += 2)
      for (int index = 0; index < 12; ++index) {
        const double along = index / 11.0;
        link(QPointF(side * radius * 1.3 * along, -radius * 0.95 - radius * 1.2 * along), side * 45 + index % 2 * 90, index);
      }
  } else if (chain == "coiled") {
    // The chain in a loose loop from the top point round to the right, as it fell.
    constexpr int kLinks = 46;
    for (int index = 0; index < kLinks; ++index) {
      const double along = index / static_cast<double>(kLinks - 1);
      const double angle = -1.7 + along * 5.4;
      const double reach = radius * (1.25 + 0.5 * along);
      const QPointF at(radius * 0.9 + std::cos(angle) * reach * 1.05, -radius * 0.2 + std::sin(angle) * reach * 0.7);
      link(at, angle * 57.3 + 90 + index % 2 * 90, index);
    }
  }
  if (chain != "no") sketch.Oval(0, -radius * 0.98, radius * 0.13, radius * 0.13, kGoldDark);
  if (chain == "coiled" && !sketch.IsSilhouette()) {
    // Lying on the floor it throws a soft shadow down and to the right.
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.3);
    PaintStar(sketch, radius * 0.1, radius * 0.12, radius * 1.04, kShadow);
    sketch.Painter().restore();
  }
  PaintStar(sketch, 0, 0, radius, kGold);
  if (!sketch.IsSilhouette()) {
    // Each point bevelled: the half facing the light bright, the other half in shade.
    for (int point = 0; point < 5; ++point) {
      const double tip = -1.5708 + point * 1.2566;
      const QPointF outer(std::cos(tip) * radius * 0.92, std::sin(tip) * radius * 0.92);
      for (int half = -1; half <= 1; half += 2) {
        const double valley = tip + half * 0.6283;
        const QPointF inner(std::cos(valley) * radius * 0.36, std::sin(valley) * radius * 0.36);
        const QPainterPath facet = PathThrough({QPointF(0, 0), outer, inner});
        const bool lit = std::cos(tip + half * 0.3 + 2.3) > 0;
        sketch.Fill(facet, lit ? kSunGlow : kGoldDark);
      }
    }
  }
  sketch.Oval(0, 0, radius * 0.2, radius * 0.2, kRubyDark);
  sketch.FlatOval(0, radius * 0.02, radius * 0.15, radius * 0.15, kRuby);
  sketch.FlatOval(-radius * 0.06, -radius * 0.07, radius * 0.05, radius * 0.04, kWhite);
}

// A pair of thick gardening gloves, about 130 across; origin at the centre.
void PaintGloves(Sketch& sketch, const Layer&) {
  // Two thick gloves lying one half over the other: padded fingers of unequal length, a leather palm patch,
  // stitched seams and a ribbed gauntlet cuff.
  for (int glove = 0; glove < 2; ++glove) {
    sketch.Painter().save();
    sketch.Painter().translate(glove == 0 ? -30 : 30, glove == 0 ? 0 : -6);
    sketch.Painter().rotate(glove == 0 ? -18 : 14);
    if (glove == 1) sketch.Painter().scale(-1, 1);
    const double lengths[] = {30, 38, 36, 28};
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-28, -30, 56, 58), 16, 16);
    for (int finger = 0; finger < 4; ++finger)
      hand.addRoundedRect(QRectF(-26 + finger * 13.5, -24 - lengths[finger], 12.5, lengths[finger] + 8), 6, 6);
    hand.addRoundedRect(QRectF(18, -14, 30, 14), 7, 7);
    const QPainterPath outline = Merged(hand);
    sketch.Shape(outline, kShirtCheck);
    if (!sketch.IsSilhouette()) {
      sketch.Fill(RoundedBox(-22, -20, 40, 36, 12), kCardboardDark);
      for (int finger = 0; finger < 4; ++finger) {
        const double x = -26 + finger * 13.5 + 6.2;
        sketch.Painter().save();
        sketch.Painter().setOpacity(0.6);
        QPen stitch(QColor::fromRgb(kWoodDark));
        stitch.setWidthF(1.0);
        stitch.setDashPattern({2, 2});
        sketch.Painter().setPen(stitch);
        sketch.Painter().drawLine(QPointF(x, -22 - lengths[finger]), QPointF(x, -26));
        sketch.Painter().restore();
        sketch.FlatOval(x, -20 - lengths[finger], 4, 2.4, kHairBlonde);
      }
    }
    sketch.Shape(RoundedBox(-32, 24, 64, 30, 6), kDenim);
    if (!sketch.IsSilhouette())
      for (int rib = 0; rib < 9; ++rib) {
        sketch.Painter().save();
        sketch.Painter().setOpacity(0.45);
        sketch.Line(-28 + rib * 7, 27, -28 + rib * 7, 51, kBlanketDark, 1.4);
        sketch.Painter().restore();
      }
    sketch.Painter().restore();
  }
}

// A bird's nest woven of twigs, radius r, holding eggs speckled and lying in two rows deep in its hollow, the
// front rim over them; origin at the centre.
void PaintNest(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 80);
  const int eggs = static_cast<int>(layer.Number("eggs", 5));
  const double depth = radius * 0.42;
  QPainterPath body;
  body.addEllipse(QPointF(0, 0), radius, depth);
  QPainterPath hollow;
  hollow.addEllipse(QPointF(0, -radius * 0.1), radius * 0.76, radius * 0.25);
  sketch.Shape(body, kDirtLight);
  sketch.Fill(hollow, kDirtDark);
  if (!sketch.IsSilhouette()) {
    // Grass and twigs woven round the body, and soft moss lining the hollow.
    sketch.Painter().save();
    sketch.Painter().setClipPath(body);
    for (int strand = 0; strand < 70; ++strand) {
      const double angle = sketch.Vary(strand) * 6.28318;
      const double y = (sketch.Vary(strand + 200) - 0.2) * depth;
      QPainterPath weave;
      weave.moveTo(std::cos(angle) * radius, y);
      weave.quadTo(0, y + depth * 0.5 * (sketch.Vary(strand + 400) - 0.5), -std::cos(angle) * radius * 0.7, y + depth * 0.2);
      sketch.Painter().setOpacity(0.7);
      sketch.Stroke(weave, strand % 4 == 0 ? kHayDark : (strand % 3 == 0 ? kBark : kWoodDark), 2.2);
    }
    sketch.Painter().restore();
    for (int tuft = 0; tuft < 14; ++tuft)
      sketch.FlatOval((sketch.Vary(tuft + 600) - 0.5) * radius * 1.3, -radius * 0.1 + (sketch.Vary(tuft + 700) - 0.5) * radius * 0.3,
                      radius * 0.04, radius * 0.02, tuft % 2 == 0 ? kGrassDark : kHillFar);
  }

  // The back row lies higher in the hollow than the front one.
  const int backRow = eggs / 2;
  for (int egg = 0; egg < eggs; ++egg) {
    const bool back = egg < backRow;
    const int inRow = back ? egg : egg - backRow;
    const int rowCount = back ? backRow : eggs - backRow;
    const double x = (inRow - (rowCount - 1) / 2.0) * radius * 0.27;
    const double y = back ? -radius * 0.2 : -radius * 0.07;
    sketch.Painter().save();
    sketch.Painter().translate(x, y);
    sketch.Painter().rotate((Scatter(egg + 3) - 0.5) * 40);
    sketch.Oval(0, 0, radius * 0.12, radius * 0.16, kSkyPale);
    for (int speck = 0; speck < 5; ++speck)
      sketch.FlatOval((Scatter(egg * 9 + speck) - 0.5) * radius * 0.16, (Scatter(egg * 5 + speck + 40) - 0.5) * radius * 0.22,
                      radius * 0.012, radius * 0.01, kDirt);
    sketch.FlatOval(-radius * 0.04, -radius * 0.07, radius * 0.03, radius * 0.04, kWhite);
    sketch.Painter().restore();
  }

  // The front rim hides the bottoms of the eggs.
  QPainterPath above;
  above.addEllipse(QPointF(0, -radius * 0.17), radius * 0.8, radius * 0.27);
  QPainterPath lowerHalf;
  lowerHalf.addRect(QRectF(-radius * 1.1, -radius * 0.12, radius * 2.2, radius));
  sketch.Shape(body.subtracted(above).intersected(lowerHalf), kDirtLight);

  // Twigs woven round the rim, and a few sticking out.
  for (int twig = 0; twig < 48; ++twig) {
    const double angle = twig * 6.28318 / 48 + Scatter(twig) * 0.1;
    const double reach = 0.84 + 0.12 * Scatter(twig + 60);
    const double x = std::cos(angle) * radius * reach;
    const double y = std::sin(angle) * depth * reach;
    if (y < -depth * 0.35) continue;  // the back rim's top is hidden by the eggs' hollow
    const double along = radius * (0.08 + 0.06 * Scatter(twig + 7));
    sketch.Line(x - std::sin(angle) * along, y + std::cos(angle) * along * 0.4, x + std::sin(angle) * along,
                y - std::cos(angle) * along * 0.4, twig % 3 == 0 ? kBark : kWoodDark, 2.2);
  }
  for (int twig = 0; twig < 9; ++twig) {
    const double angle = 0.2 + twig * 0.75;
    const double x = std::cos(angle) * radius;
    const double y = std::sin(angle) * depth;
    sketch.Line(x, y, x * 1.12 + (Scatter(twig) - 0.5) * radius * 0.1, y * 1.2 - radius * 0.03, kBark, 2.4);
  }
}


// A dumbbell about 90 long lying on the floor; origin at its foot.
void PaintDumbbell(Sketch& sketch, const Layer&) {
  sketch.Box(-34, -18, 68, 8, kMetal);
  for (int side = 0; side < 2; ++side) {
    const double x = side == 0 ? -44 : 30;
    sketch.Box(x, -32, 14, 32, kIron);
  }
}


// A heap of green rotten meat; origin at the centre.
void PaintRottenMeat(Sketch& sketch, const Layer&) {
  // A spoiled joint of meat: a leg bone sticking out, grey-green flesh streaked with the red it once was,
  // a rim of yellowed fat, mould spots, maggots and flies.
  sketch.Shape(RoundedBox(18, -30, 50, 10, 5), kPaperShade);
  sketch.Oval(70, -25, 8, 9, kPaperShade);
  sketch.Oval(70, -33, 7, 7, kPaperShade);
  QPainterPath joint;
  joint.moveTo(-50, 4);
  joint.cubicTo(-60, -30, -20, -44, 10, -38);
  joint.cubicTo(34, -34, 40, -14, 26, 2);
  joint.cubicTo(10, 14, -36, 16, -50, 4);
  joint.closeSubpath();
  sketch.Shape(joint, kRottenMeat);
  sketch.Painter().save();
  sketch.Painter().setClipPath(joint);
  sketch.Stroke(joint.translated(2, 3), kHayDark, 6);
  for (int streak = 0; streak < 4; ++streak) {
    QPainterPath marble;
    marble.moveTo(-44 + streak * 16, -24 + streak * 3);
    marble.quadTo(-34 + streak * 16, -14, -40 + streak * 18, 4);
    sketch.Stroke(marble, streak % 2 == 0 ? 0xa04a4a : kRottenMeatDark, 3.5);
  }
  sketch.Painter().restore();
  for (int spot = 0; spot < 5; ++spot)
    sketch.FlatOval(-30 + spot * 12, -20 + (spot % 2) * 14, 4 + spot % 3, 3, spot % 2 == 0 ? 0xd8e0b0 : kRottenMeatDark);
  for (int maggot = 0; maggot < 4; ++maggot) sketch.Oval(-20 + maggot * 11, -30 + (maggot % 2) * 4, 3, 1.6, kPaper);
  for (int fly = 0; fly < 4; ++fly) {
    const double x = -36 + fly * 24;
    const double y = -58 - (fly % 2) * 12;
    sketch.FlatOval(x, y, 3, 2, kInk);
    sketch.FlatOval(x - 2, y - 3, 2.5, 1.5, kSkyPale);
    sketch.FlatOval(x + 2, y - 3, 2.5, 1.5, kSkyPale);
  }
}

// Scattered litter across w, different in every place it lies: crushed cans, bottles on their sides,
// crumpled paper, newspaper, wrappers and crusts, each turned its own way; origin at the left.
void PaintLitter(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 300);
  const int seed = static_cast<int>(layer.Number("seed", 5));
  const QRgb canColours[] = {kPaintRed, kPaintBlue, kSilver, kPaintYellow, kEmeraldDark, kOrange};
  const QRgb glassColours[] = {0x3f7a3a, 0x8a5a2a, 0x9ab8c0};
  constexpr int kKinds = 6;
  const int count = static_cast<int>(width / 34) + 1;
  for (int item = 0; item < count; ++item) {
    const double x = item * width / count + Scatter(seed + item) * 20;
    const double y = (Scatter(seed * 3 + item) - 0.5) * 30;
    const int kind = static_cast<int>(Scatter(seed * 7 + item * 13) * kKinds);
    const QRgb colour = canColours[static_cast<int>(Scatter(seed * 11 + item) * 6)];
    sketch.Painter().save();
    sketch.Painter().translate(x, y);
    sketch.Painter().rotate((Scatter(seed * 5 + item) - 0.5) * 140);
    switch (kind) {
      case 0:  // a crushed can on its side
        sketch.Polygon({At(-10, -6), At(-2, -4), At(2, -7), At(10, -6), At(10, 6), At(2, 4), At(-2, 7), At(-10, 6)}, colour);
        sketch.Oval(10, 0, 3, 6, kMetal);
        break;
      case 1: {  // a bottle lying down
        const QRgb glass = glassColours[static_cast<int>(Scatter(seed + item * 3) * 3)];
        sketch.Shape(RoundedBox(-14, -6, 20, 12, 5), glass);
        sketch.Box(6, -3, 10, 6, glass);
        sketch.FlatBox(-10, -4, 12, 2, kWhite);
        break;
      }
      case 2:  // a crumpled ball of paper
        sketch.Polygon({At(-8, -2), At(-4, -8), At(3, -7), At(8, -2), At(6, 6), At(-2, 8), At(-8, 4)}, kPaper);
        sketch.InkLine(-4, -2, 2, 2);
        break;
      case 3:  // a sheet of newspaper
        sketch.Polygon({At(-16, -10), At(14, -12), At(18, 8), At(-12, 10)}, kPaperShade);
        for (int line = 0; line < 3; ++line) sketch.Line(-10, -5 + line * 5, 10, -6 + line * 5, kStoneDark, 1.2);
        break;
      case 4:  // a torn wrapper
        sketch.Polygon({At(-10, -5), At(10, -7), At(12, 2), At(6, 6), At(-8, 5)}, colour);
        sketch.FlatBox(-4, -3, 8, 5, kWhite);
        break;
      default:  // a crust or a peel
        sketch.Shape(RoundedBox(-10, -3, 20, 7, 3), kCardboard);
        break;
    }
    sketch.Painter().restore();
  }
}

// A sack of gold coins; origin at its foot.
void PaintGoldBag(Sketch& sketch, const Layer&) {
  PaintGoldSack(sketch);
}

// A can of turpentine; origin at its foot.
void PaintTurpentine(Sketch& sketch, const Layer&) {
  PaintTurpentineCan(sketch);
}

// A huge light bulb; origin at its foot.
void PaintLightbulb(Sketch& sketch, const Layer&) {
  PaintBigBulb(sketch);
}


}  // namespace

void RegisterThingProps(PropRegistry& registry) {
  registry.Add("letter", PaintLetter);
  registry.Add("rope-coil", PaintRopeCoil);
  registry.Add("teapot", PaintTeapot, 45);
  registry.Add("carrot", PaintCarrot);
  registry.Add("scythe", PaintScythe);
  registry.Add("clothespin", PaintClothespin);
  registry.Add("crowbar", PaintCrowbar);
  registry.Add("shovel", PaintShovel);
  registry.Add("magnet", PaintMagnet);
  registry.Add("saw", PaintSaw);
  registry.Add("key", PaintKey);
  registry.Add("coin", PaintCoin);
  registry.Add("gold-bag", PaintGoldBag);
  registry.Add("nine", PaintNine);
  registry.Add("candle", PaintCandle);
  registry.Add("staff", PaintStaff);
  registry.Add("water-wings", PaintWaterWings);
  registry.Add("amulet", PaintAmulet);
  registry.Add("gloves", PaintGloves);
  registry.Add("nest", PaintNest);
  registry.Add("lightbulb", PaintLightbulb);
  registry.Add("dumbbell", PaintDumbbell);
  registry.Add("turpentine", PaintTurpentine);
  registry.Add("rotten-meat", PaintRottenMeat);
  registry.Add("litter", PaintLitter);
}

}  // namespace brackenhollow::art
