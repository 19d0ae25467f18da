// People and animals: one figure routine dressed differently for each character, and the creatures.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

namespace brackenhollow::art {

using namespace colours;

namespace {

// One arm hanging from a shoulder, turned outward by angle degrees; the hand at its end.
void PaintArm(Sketch& sketch, double shoulderX, double shoulderY, double angle, double side, QRgb sleeve, QRgb skin) {
  sketch.Painter().save();
  sketch.Painter().translate(shoulderX, shoulderY);
  sketch.Painter().rotate(side * angle);
  sketch.Shape(RoundedBox(-7, -4, 14, 58, 6), sleeve);
  sketch.Oval(0, 58, 8, 8, skin);
  sketch.Painter().restore();
}

// The head with hair, eyes and mouth, centred on the point; closed eyes for sleepers.
void PaintHead(Sketch& sketch, double x, double y, const PersonLook& look, bool eyesClosed) {
  if (!look.bald) {
    sketch.Oval(x, y - 3, 18, 18, look.hair);
  }
  sketch.Oval(x, y, 15, 16, look.skin);
  if (!look.bald) {
    QPainterPath fringe;
    fringe.moveTo(x - 16, y - 2);
    fringe.cubicTo(x - 14, y - 22, x + 14, y - 22, x + 16, y - 2);
    fringe.cubicTo(x + 6, y - 10, x - 6, y - 10, x - 16, y - 2);
    sketch.Shape(fringe, look.hair);
  }
  sketch.Painter().save();
  sketch.Painter().translate(x, y + 1);
  sketch.Painter().scale(0.55, 0.55);
  PaintFace(sketch, look.mood, eyesClosed, 0, 0);
  sketch.Painter().restore();
  if (look.beard) {
    QPainterPath beard;
    beard.moveTo(x - 14, y + 2);
    beard.quadTo(x, y + 34, x + 14, y + 2);
    beard.quadTo(x, y + 12, x - 14, y + 2);
    sketch.Shape(beard, look.hair);
  }
}

}  // namespace

void PaintFace(Sketch& sketch, Mood mood, bool eyesClosed, double lookX, double lookY) {
  // Brow tilt (inner end up is worry, down is anger), mouth curve (up is a smile) and how open the eyes are.
  double browTilt = 0, browLift = 0, smile = 0, eyeOpen = 1, mouthWidth = 9;
  bool grin = false, smirk = false;
  switch (mood) {
    case Mood::kCalm: smile = 1.5; break;
    case Mood::kCheerful: browLift = 3; smile = 6; grin = true; mouthWidth = 11; break;
    case Mood::kSmug: browTilt = -2; smile = 3; eyeOpen = 0.6; smirk = true; break;
    case Mood::kStern: browTilt = -5; smile = -2; eyeOpen = 0.8; break;
    case Mood::kWeary: browTilt = 5; browLift = 1; smile = -4; eyeOpen = 0.55; break;
    case Mood::kGreedy: browTilt = -4; smile = 5; grin = true; eyeOpen = 0.65; mouthWidth = 12; break;
  }
  // Cheeks flushed a little.
  QColor blush = QColor::fromRgb(kPink);
  blush.setAlphaF(0.45f);
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(blush);
  sketch.Painter().drawEllipse(QPointF(-15, 8), 6, 4);
  sketch.Painter().drawEllipse(QPointF(15, 8), 6, 4);
  for (const double side : {-1.0, 1.0}) {
    const double eyeX = side * 10;
    if (eyesClosed) {
      QPainterPath lid;
      lid.moveTo(eyeX - 6, -2);
      lid.quadTo(eyeX, 2, eyeX + 6, -2);
      sketch.Stroke(lid, kInk, 2.2);
    } else {
      const double height = 5 * eyeOpen;
      sketch.Painter().setPen(Qt::NoPen);
      sketch.Painter().setBrush(QColor::fromRgb(kWhite));
      sketch.Painter().drawEllipse(QPointF(eyeX, -2), 6, height);
      sketch.FlatOval(eyeX + lookX * 2.5, -2 + lookY * 2 + (1 - eyeOpen), 3.2, std::min(3.4, height), kHairBrown);
      sketch.FlatOval(eyeX + lookX * 2.5, -2 + lookY * 2 + (1 - eyeOpen), 1.6, std::min(1.8, height * 0.6), kInk);
      sketch.FlatOval(eyeX + lookX * 2.5 - 1.2, -3.4 + lookY * 2, 0.9, 0.9, kWhite);
      // The upper lid, heavier than the lower.
      QPainterPath lid;
      lid.moveTo(eyeX - 6.5, -1);
      lid.quadTo(eyeX, -2 - height * 2.0, eyeX + 6.5, -1);
      sketch.Stroke(lid, kInk, 1.8);
    }
    // The brow: its inner end (towards the nose) raised or lowered by the mood.
    const double inner = -10 - browLift - browTilt;
    const double outer = -11 - browLift + browTilt * 0.3;
    QPainterPath brow;
    brow.moveTo(side * 4, inner);
    brow.quadTo(side * 10, std::min(inner, outer) - 2, side * 16, outer);
    sketch.Stroke(brow, kHairBrown, 2.6);
  }
  // The nose: a soft shadow on the side away from the light and a nostril line.
  QPainterPath nose;
  nose.moveTo(1, -1);
  nose.quadTo(4, 6, 1, 8);
  nose.quadTo(-1, 9, -3, 8);
  sketch.Stroke(nose, kSkinShade, 2.2);
  // The mouth.
  QPainterPath mouth;
  const double left = -mouthWidth / 2;
  const double right = mouthWidth / 2;
  const double lift = smirk ? 3 : 0;
  mouth.moveTo(left, 15 - smile * 0.5);
  mouth.quadTo(0, 15 + smile * 0.6, right, 15 - smile * 0.5 - lift);
  if (grin) {
    mouth.quadTo(0, 15 + smile * 1.4, left, 15 - smile * 0.5);
    mouth.closeSubpath();
    sketch.Fill(mouth, 0x6a2a2a);
    sketch.FlatPolygon({At(left + 2, 15 - smile * 0.4), At(right - 2, 15 - smile * 0.4 - lift), At(right - 3, 16.5 - smile * 0.2), At(left + 3, 16.5)},
                       kWhite);
    sketch.Outline(mouth);
  } else {
    sketch.Stroke(mouth, 0x7a3a3a, 2.2);
  }
}

void PaintPerson(Sketch& sketch, const PersonLook& look) {
  if (look.dress) {
    sketch.Polygon({At(-18, -118), At(18, -118), At(34, -30), At(-34, -30)}, look.shirt);
    sketch.Box(-14, -30, 9, 28, look.skin);
    sketch.Box(5, -30, 9, 28, look.skin);
  } else {
    sketch.Box(-18, -72, 17, 68, look.trousers);
    sketch.Box(1, -72, 17, 68, look.trousers);
    sketch.Shape(RoundedBox(-19, -126, 38, 62, 8), look.shirt);
    if (look.rags) {
      sketch.Polygon({At(-19, -70), At(-12, -58), At(-4, -68), At(4, -56), At(12, -68), At(19, -60), At(19, -70)}, look.shirt);
      sketch.Box(-10, -110, 12, 10, kRagDark);
      sketch.Box(4, -92, 10, 12, kPaperShade);
    }
  }
  sketch.Oval(-12, -3, 11, 5, kInk);
  sketch.Oval(12, -3, 11, 5, kInk);
  PaintArm(sketch, -18, -120, look.leftArmAngle, 1, look.shirt, look.skin);
  PaintArm(sketch, 18, -120, look.rightArmAngle, -1, look.shirt, look.skin);
  PaintHead(sketch, 0, -144, look, false);
}

namespace {

// The everyday look: red shirt, jeans, brown hair.
PersonLook BaseLook() {
  PersonLook look;
  look.shirt = kShirtRed;
  look.trousers = kDenim;
  look.hair = kHairBrown;
  look.skin = kSkin;
  return look;
}

// A person about 150 high; shirt, trousers and hair colours and arm angles as given; origin at the feet.
void PaintPersonProp(Sketch& sketch, const Layer& layer) {
  PersonLook look = BaseLook();
  look.shirt = layer.Colour("shirt", look.shirt);
  look.trousers = layer.Colour("trousers", look.trousers);
  look.hair = layer.Colour("hair", look.hair);
  look.leftArmAngle = layer.Number("left-arm", 20);
  look.rightArmAngle = layer.Number("right-arm", 20);
  look.dress = layer.Flag("dress", false);
  PaintPerson(sketch, look);
}

// The farmer's gold rings on a hand at (x, y).
void PaintRings(Sketch& sketch, double x, double y) {
  // Fat bands across the fingers, each with a stone, catching the light.
  for (const double offset : {-4.0, 4.0}) {
    sketch.Glow(x + offset, y + offset * 0.3, 10, kGold, 0.35);
    sketch.Shape(RoundedBox(x + offset - 4.5, y + offset * 0.3 - 3, 9, 6, 2.5), kGold);
    sketch.Oval(x + offset, y + offset * 0.3 - 3, 2.6, 2.2, offset < 0 ? kRuby : kEmerald);
    sketch.FlatOval(x + offset - 2, y + offset * 0.3 - 1, 1.2, 0.8, kWhite);
  }
}

// The farmer in a fine suit with a waistcoat, a broad belly, gold rings and a straw hat. pose=block plants
// his feet wide across the path with one ringed hand raised, palm out; pose=aside has him stooped over a
// bag of gold, coins in his hand.
void PaintFarmer(Sketch& sketch, const Layer& layer) {
  const std::string pose = layer.Word("pose", "block");
  if (pose != "block" && pose != "aside") throw SceneError(layer.Where() + ": farmer pose must be block or aside");
  const bool block = pose == "block";
  QPainter& painter = sketch.Painter();
  // Legs apart in a wide stance, or together as he bends.
  const double stance = block ? 14 : 4;
  sketch.Polygon({At(-20, -74), At(-2, -74), At(-stance + 2, -4), At(-stance - 14, -4)}, kIron);
  sketch.Polygon({At(2, -74), At(20, -74), At(stance + 14, -4), At(stance - 2, -4)}, kIron);
  sketch.Oval(-stance - 8, -3, 13, 5, kInk);
  sketch.Oval(stance + 8, -3, 13, 5, kInk);
  painter.save();
  painter.translate(0, -72);
  painter.rotate(block ? 0 : 16);
  // Coat over a round belly, a red waistcoat and a gold watch chain.
  QPainterPath coat;
  coat.moveTo(-20, -56);
  coat.cubicTo(-30, -30, -34, -6, -24, 6);
  coat.lineTo(24, 6);
  coat.cubicTo(36, -8, 30, -30, 20, -56);
  coat.closeSubpath();
  sketch.Shape(coat, kSuit);
  sketch.Polygon({At(-8, -54), At(8, -54), At(12, -8), At(-12, -8)}, kShirtRed);
  QPainterPath chain;
  chain.moveTo(-10, -24);
  chain.quadTo(0, -14, 10, -26);
  sketch.Stroke(chain, kGold, 2);
  if (block) {
    // Right arm up, palm out: stop. Left hand on his hip.
    sketch.Shape(RoundedBox(16, -96, 13, 46, 6), kSuit);
    sketch.Oval(23, -102, 9, 10, kSkin);
    PaintRings(sketch, 23, -98);
    QPainterPath hip;
    hip.moveTo(-18, -52);
    hip.lineTo(-40, -28);
    hip.lineTo(-22, -14);
    sketch.Stroke(hip, kInk, 15);
    sketch.Stroke(hip, kSuit, 11);
    sketch.Oval(-22, -14, 7, 7, kSkin);
    PaintRings(sketch, -22, -14);
  } else {
    // Both hands down at the open bag he holds against his belly, one lifting coins.
    painter.save();
    painter.translate(0, 10);
    painter.scale(0.5, 0.5);
    PaintGoldSack(sketch);
    painter.restore();
    sketch.Line(-18, -50, -20, -18, kInk, 13);
    sketch.Line(-18, -50, -20, -18, kSuit, 9);
    sketch.Oval(-18, -14, 7, 7, kSkin);
    sketch.Line(18, -50, 26, -26, kInk, 13);
    sketch.Line(18, -50, 26, -26, kSuit, 9);
    sketch.Oval(26, -22, 7, 7, kSkin);
    PaintRings(sketch, 26, -22);
    for (int coin = 0; coin < 3; ++coin) sketch.Oval(28 + coin * 4, -30 - coin * 7, 5, 5, kGold);
  }
  // Head: jowly, small eyes looking down at the gold when counting, a grey moustache, the straw hat.
  const double headY = -74;
  const double look = block ? 0 : 4;
  sketch.Oval(0, headY, 16, 17, kSkin);
  sketch.Oval(12, headY + 4, 5, 4, kSkinShade);
  painter.save();
  painter.translate(0, headY);
  painter.scale(0.55, 0.55);
  // Smug while he blocks the way, greedy as he counts, eyes down on the gold.
  PaintFace(sketch, block ? Mood::kSmug : Mood::kGreedy, false, block ? 0.4 : 0.6, look / 4);
  painter.restore();
  sketch.Polygon({At(-10, headY + 5), At(0, headY + 3), At(10, headY + 5), At(6, headY + 8), At(0, headY + 6), At(-6, headY + 8)}, kHairGrey);
  sketch.Oval(0, headY - 14, 32, 7, kHay);
  sketch.Shape(RoundedBox(-16, headY - 36, 32, 22, 6), kHay);
  sketch.Box(-16, headY - 20, 32, 5, kShirtRed);
  painter.restore();
}

// The magician in a starry robe and pointed hat, waving; origin at the feet.
void PaintMagician(Sketch& sketch, const Layer&) {
  PersonLook look = BaseLook();
  look.shirt = kRobe;
  look.dress = true;
  look.hair = kHairGrey;
  look.beard = true;
  look.mood = Mood::kCheerful;
  look.leftArmAngle = 30;
  look.rightArmAngle = 150;
  sketch.Polygon({At(-24, -118), At(24, -118), At(40, 0), At(-40, 0)}, kRobe);
  PaintPerson(sketch, look);
  // His own face over the common one: a long pointed white beard, bushy brows, a hooked nose, a grin.
  sketch.Polygon({At(-15, -140), At(15, -140), At(4, -92), At(0, -86)}, kHairGrey);
  sketch.Line(-12, -151, -2, -148, kHairGrey, 4);
  sketch.Line(2, -148, 12, -151, kHairGrey, 4);
  sketch.Polygon({At(-2, -146), At(5, -138), At(0, -134)}, kSkinShade);
  sketch.InkLine(-6, -132, 6, -131);
  // The wand in the raised hand, with a spark at its tip.
  sketch.Line(58, -180, 74, -214, kInk, 5);
  sketch.Line(58, -180, 74, -214, kPaper, 3);
  PaintStar(sketch, 76, -218, 7, kFlameCore);
  PaintStar(sketch, -14, -60, 7, kGold);
  PaintStar(sketch, 16, -90, 6, kGold);
  PaintStar(sketch, 10, -30, 6, kGold);
  sketch.Polygon({At(-22, -156), At(22, -156), At(6, -220), At(-2, -222)}, kRobe);
  PaintStar(sketch, 2, -180, 6, kGold);
}

// The scruffy blind old man in rags: stooped forward under a patched hood, a long grey beard, milky
// unseeing eyes, one hand feeling the air ahead, the other on a stick. Origin at the feet.
void PaintOldMan(Sketch& sketch, const Layer&) {
  QPainter& painter = sketch.Painter();
  // Thin legs in ragged trousers, knees bent.
  sketch.Polygon({At(-14, -70), At(0, -70), At(-4, -36), At(-10, -4), At(-20, -4), At(-14, -36)}, kRagDark);
  sketch.Polygon({At(2, -70), At(16, -70), At(20, -36), At(14, -4), At(4, -4), At(8, -36)}, kRagDark);
  sketch.Oval(-16, -3, 11, 5, kInk);
  sketch.Oval(10, -3, 11, 5, kInk);
  // The stick, planted ahead of him.
  sketch.Line(44, -86, 58, 0, kInk, 7);
  sketch.Line(44, -86, 58, 0, kWoodDark, 4);
  painter.save();
  painter.translate(0, -66);
  painter.rotate(24);
  // A long ragged coat with a torn hem and patches.
  sketch.Shape(PathThrough({At(-20, -62), At(20, -62), At(26, 0), At(18, 8), At(10, 0), At(0, 10), At(-10, 0), At(-20, 8), At(-26, 0)}), kRag);
  sketch.Box(-12, -46, 12, 12, kRagDark);
  sketch.Box(6, -24, 10, 12, kPaperShade);
  // The arm on the stick and the arm feeling the air ahead.
  sketch.Line(14, -56, 38, -34, kInk, 14);
  sketch.Line(14, -56, 38, -34, kRag, 10);
  sketch.Line(-12, -56, 8, -80, kInk, 14);
  sketch.Line(-12, -56, 8, -80, kRag, 10);
  painter.restore();
  sketch.Oval(44, -88, 7, 7, kSkin);
  // The reaching hand, fingers spread.
  for (int finger = 0; finger < 4; ++finger)
    sketch.Line(46, -148, 56 + finger * 2, -160 + finger * 5, kSkinShade, 3);
  sketch.Oval(46, -148, 7, 7, kSkin);
  // Hooded head bowed forward, the face open in the hood.
  const double headX = 26;
  const double headY = -142;
  QPainterPath hood;
  hood.moveTo(headX - 26, headY + 22);
  hood.cubicTo(headX - 34, headY - 10, headX - 12, headY - 34, headX + 8, headY - 28);
  hood.cubicTo(headX + 24, headY - 22, headX + 26, headY, headX + 20, headY + 20);
  hood.closeSubpath();
  sketch.Shape(hood, kRagDark);
  sketch.Oval(headX + 4, headY, 13, 15, kSkin);
  sketch.FlatOval(headX - 4, headY + 2, 4, 8, kSkinShade);
  // Milky eyes with no pupils under heavy brows: he cannot see.
  sketch.Oval(headX, headY - 2, 3.5, 2.5, kPaperShade);
  sketch.Oval(headX + 10, headY - 2, 3.5, 2.5, kPaperShade);
  sketch.Line(headX - 4, headY - 7, headX + 3, headY - 6, kHairGrey, 3);
  sketch.Line(headX + 7, headY - 6, headX + 14, headY - 7, kHairGrey, 3);
  sketch.Polygon({At(headX + 12, headY), At(headX + 20, headY + 6), At(headX + 12, headY + 8)}, kSkinShade);
  QPainterPath beard;
  beard.moveTo(headX - 8, headY + 6);
  beard.cubicTo(headX - 10, headY + 30, headX + 2, headY + 46, headX + 8, headY + 52);
  beard.cubicTo(headX + 12, headY + 36, headX + 20, headY + 22, headX + 16, headY + 6);
  beard.quadTo(headX + 4, headY + 14, headX - 8, headY + 6);
  sketch.Shape(beard, kHairGrey);
}

// The young woman with both arms up, hanging a string of lights; origin at the feet.
void PaintYoungLady(Sketch& sketch, const Layer&) {
  PersonLook look = BaseLook();
  look.shirt = kDress;
  look.dress = true;
  look.hair = kHairBlonde;
  look.leftArmAngle = 150;
  look.rightArmAngle = 150;
  look.mood = Mood::kCheerful;
  PaintPerson(sketch, look);
  sketch.Oval(0, -136, 20, 24, kHairBlonde);
  PaintHead(sketch, 0, -144, look, false);
}

// A string of coloured Christmas lights sagging across w; origin at its left end.
void PaintChristmasLights(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double sag = layer.Number("sag", 40);
  QPainterPath wire;
  wire.moveTo(0, 0);
  wire.quadTo(width / 2, sag * 2, width, 0);
  sketch.Stroke(wire, kLeafDark, 2);
  const QRgb bulbs[] = {kRuby, kPaintYellow, kPaintBlue, kEmerald, kOrange};
  for (int bulb = 0; bulb <= 16; ++bulb) {
    const double along = bulb / 16.0;
    const QPointF spot = wire.pointAtPercent(along);
    sketch.Glow(spot.x(), spot.y() + 8, 12, bulbs[bulb % 5], 0.35);
    sketch.Oval(spot.x(), spot.y() + 8, 4, 6, bulbs[bulb % 5]);
  }
}

// The scarecrow's shirt, its check faded by sun and rain.
constexpr QRgb kFadedCheck = 0xa89458;

// The scarecrow on its pole, about 220 high; view=front shows its stitched face, view=back its back.
void PaintScarecrow(Sketch& sketch, const Layer& layer) {
  const bool back = layer.Word("view", "front") == "back";
  sketch.Box(-6, -200, 12, 200, kWoodDark);
  sketch.Box(-90, -150, 180, 10, kWoodDark);
  for (int side = -1; side <= 1; side += 2)
    for (int straw = 0; straw < 4; ++straw)
      sketch.Line(side * 90, -145, side * (104 + straw * 3), -160 + straw * 10, kHay, 2.5);
  QPainterPath shirt = PathThrough({At(-88, -156), At(88, -156), At(88, -134), At(38, -134), At(44, -60), At(-44, -60), At(-38, -134),
                                    At(-88, -134)});
  sketch.Shape(shirt, kFadedCheck);
  sketch.Box(14, -120, 22, 20, kDenim);
  sketch.Box(-50, -154, 18, 16, kRagDark);
  for (int stitch = 0; stitch < 5; ++stitch) {
    const double y = -146 + stitch * 18;
    sketch.Line(-4, y, 4, y + 8, kTwine, 2.5);
    sketch.Line(4, y, -4, y + 8, kTwine, 2.5);
  }
  for (int stitch = 0; stitch < 3; ++stitch) {
    sketch.Line(12 + stitch * 8, -124, 16 + stitch * 8, -118, kTwine, 2.5);
    sketch.Line(-52 + stitch * 8, -158, -48 + stitch * 8, -150, kTwine, 2.5);
  }
  for (int straw = 0; straw < 6; ++straw) sketch.Line(-30 + straw * 12, -60, -34 + straw * 13, -44, kHay, 2.5);
  // The head: a burlap sack cinched at the neck with twine, lolling to one side.
  sketch.Painter().save();
  sketch.Painter().translate(0, -160);
  sketch.Painter().rotate(-14);
  QPainterPath sack;
  sack.moveTo(-8, 0);
  sack.cubicTo(-34, -6, -32, -46, -14, -52);
  sack.cubicTo(0, -58, 26, -52, 28, -30);
  sack.cubicTo(30, -10, 16, -2, 8, 0);
  sack.closeSubpath();
  sketch.Shape(sack, kRag);
  sketch.Line(-10, -2, 10, -2, kTwine, 3.5);
  for (int strand = 0; strand < 5; ++strand) sketch.Line(-6 + strand * 3, 0, -12 + strand * 6, 12, kHay, 2);
  if (!back) {
    // Mismatched eyes: a black button sewn on with a cross, and a ragged hole with dark inside.
    sketch.Oval(-10, -30, 7, 7, kInk);
    sketch.Line(-13, -33, -7, -27, kTwine, 1.6);
    sketch.Line(-7, -33, -13, -27, kTwine, 1.6);
    sketch.Fill(PathThrough({At(5, -36), At(14, -34), At(17, -27), At(11, -22), At(4, -26)}), kBlack);
    sketch.Outline(PathThrough({At(5, -36), At(14, -34), At(17, -27), At(11, -22), At(4, -26)}));
    // A long crooked mouth sewn shut with heavy stitches.
    QPainterPath mouth;
    mouth.moveTo(-16, -14);
    mouth.cubicTo(-6, -8, 6, -18, 20, -10);
    sketch.Stroke(mouth, kInk, 2.4);
    for (int stitch = 0; stitch < 6; ++stitch) {
      const QPointF at = mouth.pointAtPercent(stitch / 5.0);
      sketch.Line(at.x() - 1, at.y() - 4, at.x() + 1, at.y() + 4, kTwine, 1.8);
    }
    // Stains run down from the eyes.
    sketch.Painter().save();
    sketch.Painter().setOpacity(0.35);
    sketch.Line(-10, -24, -11, -12, kDirtDark, 3);
    sketch.Line(12, -22, 13, -14, kDirtDark, 3);
    sketch.Painter().restore();
  } else {
    sketch.Line(0, -50, 0, -4, kTwine, 2.5);
  }
  // A battered hat, its brim torn and a hole in the crown.
  sketch.Shape(PathThrough({At(-38, -46), At(-12, -52), At(20, -52), At(40, -44), At(30, -40), At(14, -44), At(-2, -42), At(-30, -40)}), kHayDark);
  sketch.Shape(PathThrough({At(-18, -50), At(-14, -74), At(12, -76), At(16, -50)}), kHayDark);
  sketch.Oval(-2, -62, 4, 3, kInk);
  sketch.Painter().restore();
}

// A close-up of the scarecrow's shirt: checked cloth, thick twine stitches and one long loose piece.
void PaintScarecrowCloseup(Sketch& sketch, const Layer&) {
  sketch.FlatBox(0, 0, kFrameWidth, kFrameHeight, kShirtCheck);
  sketch.Painter().setOpacity(0.35);
  for (double x = 0; x < kFrameWidth; x += 48) sketch.FlatBox(x, 0, 16, kFrameHeight, kShirtRed);
  for (double y = 0; y < kFrameHeight; y += 48) sketch.FlatBox(0, y, kFrameWidth, 16, kShirtRed);
  sketch.Painter().setOpacity(1.0);
  sketch.Box(330, 70, 170, 150, kDenim);
  sketch.Box(60, 230, 150, 120, kRagDark);
  for (int stitch = 0; stitch < 8; ++stitch) {
    const double y = 80 + stitch * 18;
    sketch.Line(322, y, 338, y + 12, kInk, 9);
    sketch.Line(322, y, 338, y + 12, kTwine, 6);
  }
  for (int stitch = 0; stitch < 7; ++stitch) {
    const double x = 70 + stitch * 20;
    sketch.Line(x, 222, x + 12, 238, kInk, 9);
    sketch.Line(x, 222, x + 12, 238, kTwine, 6);
  }
  QPainterPath loose;
  loose.moveTo(330, 220);
  loose.cubicTo(300, 280, 380, 300, 330, 360);
  loose.cubicTo(300, 390, 260, 380, 250, 420);
  sketch.Stroke(loose, kInk, 11);
  sketch.Stroke(loose, kTwine, 7);
  sketch.Oval(252, 402, 7, 7, kTwine);
  for (int straw = 0; straw < 8; ++straw) sketch.Line(500 + straw * 6, 0, 480 + straw * 9, 60, kHay, 3);
}

// The big skinny junkyard dog, about 200 long, side view. state=growl shows teeth and ribs on a leash
// tied to a post on the left; state=dead has it lying still, eyes closed.
void PaintDog(Sketch& sketch, const Layer& layer) {
  const bool dead = layer.Word("state", "growl") == "dead";
  if (dead) {
    // Lying on its side: legs folded at the knee and hock, the long muzzle resting on the ground.
    const auto leg = [&](double hipX, double kneeX, double kneeY, double pawX) {
      QPainterPath bent;
      bent.moveTo(hipX, -22);
      bent.lineTo(kneeX, kneeY);
      bent.lineTo(pawX, -6);
      sketch.Stroke(bent, kInk, 12);
      sketch.Stroke(bent, kFur, 8);
      sketch.Oval(pawX + 4, -6, 8, 4, kFurDark);
    };
    leg(-60, -92, -16, -70);
    leg(-44, -70, -8, -50);
    leg(46, 72, -20, 60);
    leg(62, 92, -12, 84);
    QPainterPath body;
    body.moveTo(-86, -22);
    body.cubicTo(-90, -54, -30, -62, 10, -52);
    body.cubicTo(50, -58, 86, -50, 90, -28);
    body.cubicTo(70, -10, -60, -8, -86, -22);
    body.closeSubpath();
    sketch.Shape(body, kFur);
    for (int rib = 0; rib < 5; ++rib) sketch.InkLine(-14 + rib * 10, -46, -10 + rib * 10, -24);
    // Head and muzzle flat on the ground, ear flopped, eye shut, tongue out.
    sketch.Oval(104, -26, 26, 18, kFur);
    QPainterPath muzzle;
    muzzle.moveTo(118, -36);
    muzzle.lineTo(160, -24);
    muzzle.quadTo(164, -14, 156, -10);
    muzzle.lineTo(118, -12);
    muzzle.closeSubpath();
    sketch.Shape(muzzle, kFur);
    sketch.Oval(160, -20, 4, 3, kInk);
    sketch.Polygon({At(96, -40), At(84, -52), At(108, -42)}, kFurDark);
    sketch.Line(104, -30, 116, -28, kInk, 2);
    sketch.Shape(RoundedBox(140, -12, 10, 12, 4), kPink);
    sketch.Line(-86, -26, -128, -12, kInk, 6);
    sketch.Line(-86, -26, -128, -12, kFur, 3);
    return;
  }
  sketch.Box(-210, -120, 14, 120, kWoodDark);
  // A lean hound braced to lunge: hind legs bent at the stifle and hock, straight forelegs under a deep
  // chest, the belly tucked up under the ribs, hackles up, a long snarling muzzle.
  const auto limb = [&](std::initializer_list<QPointF> joints, double width, QRgb colour) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& joint : joints) {
      if (first) path.moveTo(joint);
      else path.lineTo(joint);
      first = false;
    }
    sketch.Stroke(path, kInk, width + 4);
    sketch.Stroke(path, colour, width);
  };
  // The far legs first, darker.
  limb({At(-70, -96), At(-52, -58), At(-84, -30), At(-76, -3)}, 9, kFurDark);
  limb({At(50, -80), At(54, -36), At(58, -3)}, 8, kFurDark);
  QPainterPath tail;
  tail.moveTo(-90, -106);
  tail.cubicTo(-118, -108, -136, -100, -150, -92);
  sketch.Stroke(tail, kInk, 9);
  sketch.Stroke(tail, kFur, 5);
  QPainterPath body;
  body.moveTo(-94, -110);
  body.cubicTo(-50, -118, 10, -112, 56, -124);
  body.cubicTo(70, -128, 80, -136, 90, -146);
  body.lineTo(104, -118);
  body.cubicTo(98, -100, 90, -74, 62, -62);
  body.cubicTo(34, -56, 10, -64, -8, -80);
  body.cubicTo(-30, -90, -56, -82, -86, -78);
  body.cubicTo(-100, -84, -102, -100, -94, -110);
  body.closeSubpath();
  sketch.Shape(body, kFur);
  // Hackles raised along the neck and shoulders.
  for (int tuft = 0; tuft < 6; ++tuft) {
    const double x = 20 + tuft * 11;
    const double y = -118 - tuft * 4;
    sketch.Polygon({At(x - 5, y + 2), At(x + 1, y - 11), At(x + 5, y + 1)}, kFurDark);
  }
  for (int rib = 0; rib < 5; ++rib) {
    QPainterPath line;
    line.moveTo(-2 + rib * 12, -106);
    line.quadTo(-8 + rib * 12, -88, 0 + rib * 12, -70);
    sketch.Stroke(line, kFurDark, 2.2);
  }
  // Near legs: the hind leg's big thigh, the foreleg straight under the chest.
  sketch.Shape(PathThrough({At(-92, -104), At(-58, -98), At(-48, -66), At(-60, -56), At(-80, -70)}), kFur);
  limb({At(-56, -62), At(-90, -32), At(-84, -3)}, 9, kFur);
  limb({At(70, -80), At(72, -36), At(78, -3)}, 9, kFur);
  sketch.Oval(-80, -3, 9, 4, kFurDark);
  sketch.Oval(82, -3, 9, 4, kFurDark);
  // The head: a narrow skull, ears pinned back, the muzzle drawn back off the teeth.
  sketch.Shape(PathThrough({At(88, -150), At(104, -162), At(124, -156), At(132, -140), At(120, -124), At(98, -122)}), kFur);
  sketch.Polygon({At(100, -158), At(86, -176), At(110, -160)}, kFurDark);
  sketch.Shape(PathThrough({At(124, -154), At(166, -140), At(170, -132), At(160, -126), At(126, -126)}), kFur);
  sketch.Shape(PathThrough({At(128, -128), At(160, -126), At(154, -112), At(132, -116)}), kFur);
  sketch.Polygon({At(132, -127), At(160, -127), At(154, -118), At(134, -120)}, kRubyDark);
  for (int tooth = 0; tooth < 5; ++tooth) {
    sketch.Polygon({At(134 + tooth * 5, -127), At(136.5 + tooth * 5, -121), At(139 + tooth * 5, -127)}, kWhite);
    sketch.Polygon({At(136 + tooth * 5, -118), At(138.5 + tooth * 5, -123), At(141 + tooth * 5, -118)}, kWhite);
  }
  sketch.Oval(167, -137, 4.5, 3.5, kInk);
  // Wrinkles of the snarl on the muzzle, a glaring eye under a lowered brow, drool.
  sketch.InkLine(134, -146, 140, -138);
  sketch.InkLine(142, -146, 147, -139);
  sketch.Oval(116, -146, 4, 3, kPaintYellow);
  sketch.FlatOval(117, -146, 1.6, 2.4, kInk);
  sketch.Line(108, -152, 124, -147, kInk, 2.6);
  sketch.Line(150, -114, 149, -98, kSkyPale, 2.2);
  // A red collar on the neck.
  sketch.Polygon({At(84, -142), At(96, -150), At(106, -122), At(96, -116)}, kShirtRed);
  QPainterPath leash;
  leash.moveTo(-203, -116);
  leash.quadTo(-60, -170, 98, -134);
  sketch.Stroke(leash, kInk, 5);
  sketch.Stroke(leash, kShirtRed, 3);
}

// A possum-sized rat with red eyes and bared teeth, about 150 long; origin at its feet.
void PaintRat(Sketch& sketch, const Layer&) {
  QPainterPath tail;
  tail.moveTo(-60, -20);
  tail.cubicTo(-120, -10, -110, -60, -170, -40);
  sketch.Stroke(tail, kInk, 7);
  sketch.Stroke(tail, kPink, 4);
  sketch.Oval(-10, -34, 60, 34, kRat);
  sketch.Polygon({At(30, -54), At(90, -30), At(30, -14)}, kRat);
  sketch.Oval(28, -64, 14, 14, kPink);
  sketch.Oval(28, -64, 8, 8, kRat);
  sketch.Oval(90, -30, 5, 5, kPink);
  sketch.Oval(52, -42, 5, 5, kRuby);
  sketch.Polygon({At(70, -26), At(74, -14), At(78, -25)}, kWhite);
  sketch.Polygon({At(78, -25), At(81, -15), At(84, -26)}, kWhite);
  for (int whisker = 0; whisker < 3; ++whisker) sketch.Line(84, -32, 112, -44 + whisker * 10, kInk, 1);
  for (int foot = 0; foot < 3; ++foot) sketch.Oval(-40 + foot * 34, -2, 10, 5, kPink);
}

// A huge toad, about 220 wide. state=awake sits blocking the way; state=asleep has its eyes shut, dozing.
void PaintToad(Sketch& sketch, const Layer& layer) {
  const bool asleep = layer.Word("state", "awake") == "asleep";
  sketch.Oval(-80, -20, 44, 22, kToadDark);
  sketch.Oval(80, -20, 44, 22, kToadDark);
  QPainterPath body;
  body.moveTo(-110, 0);
  body.cubicTo(-120, -120, 120, -120, 110, 0);
  body.closeSubpath();
  sketch.Shape(body, kToad);
  sketch.Oval(0, -22, 70, 26, kToadBelly);
  for (int wart = 0; wart < 8; ++wart) sketch.Oval(-70 + wart * 20, -70 + (wart % 3) * 12, 5, 5, kToadDark);
  for (int side = -1; side <= 1; side += 2) {
    sketch.Oval(side * 44, -92, 22, 20, kToad);
    if (asleep) {
      sketch.Line(side * 44 - 12, -92, side * 44 + 12, -92, kInk, 3);
    } else {
      sketch.Oval(side * 44, -94, 13, 12, kPaintYellow);
      sketch.FlatBox(side * 44 - 9, -97, 18, 5, kInk);
    }
  }
  sketch.InkLine(-50, -52, 50, -52);
  if (asleep) {
    sketch.Text(QRectF(70, -170, 60, 40), QStringLiteral("z"), 22, kWhite);
    sketch.Text(QRectF(96, -200, 60, 40), QStringLiteral("Z"), 30, kWhite);
  }
}

// One snake body winding from the origin, length about 160; seed varies the curve.
void PaintSnakeBody(Sketch& sketch, double length, int seed) {
  QPainterPath body;
  body.moveTo(0, 0);
  const double wave = 14 + 8 * Scatter(seed);
  for (int bend = 1; bend <= 4; ++bend)
    body.quadTo(length * (bend - 0.5) / 4, (bend % 2 == 0 ? -1 : 1) * wave, length * bend / 4, 0);
  sketch.Stroke(body, kInk, 15);
  sketch.Stroke(body, seed % 2 == 0 ? kSnake : kSnakeDark, 11);
  sketch.Stroke(body, kSnakeBand, 2);
  sketch.Oval(length + 6, 0, 11, 8, seed % 2 == 0 ? kSnake : kSnakeDark);
  sketch.FlatOval(length + 9, -3, 2, 2, kPaintYellow);
}

// A floor alive with snakes across w, with one large snake rearing in the middle; origin top-left.
void PaintSnakes(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 140);
  for (int snake = 0; snake < 26; ++snake) {
    sketch.Painter().save();
    sketch.Painter().translate(Scatter(snake + 3) * width - 60, Scatter(snake + 33) * height);
    sketch.Painter().rotate((Scatter(snake + 63) - 0.5) * 140);
    PaintSnakeBody(sketch, 110 + 60 * Scatter(snake + 93), snake);
    sketch.Painter().restore();
  }
  if (!layer.Flag("rearing", true)) return;
  sketch.Painter().save();
  sketch.Painter().translate(width / 2, height * 0.7);
  QPainterPath body;
  body.moveTo(-60, 10);
  body.cubicTo(-20, 30, 40, 0, 10, -40);
  body.cubicTo(-20, -80, 30, -120, 10, -170);
  sketch.Stroke(body, kInk, 30);
  sketch.Stroke(body, kSnake, 25);
  sketch.Stroke(body, kSnakeBand, 4);
  sketch.Oval(10, -180, 40, 22, kSnakeDark);
  sketch.Oval(14, -186, 22, 18, kSnake);
  sketch.Oval(4, -192, 5, 5, kPaintYellow);
  sketch.Oval(24, -192, 5, 5, kPaintYellow);
  sketch.Polygon({At(2, -174), At(6, -158), At(10, -174)}, kWhite);
  sketch.Polygon({At(18, -174), At(22, -158), At(26, -174)}, kWhite);
  sketch.Line(14, -168, 14, -150, kRuby, 2);
  sketch.Line(14, -150, 8, -142, kRuby, 2);
  sketch.Line(14, -150, 20, -142, kRuby, 2);
  sketch.Painter().restore();
}

}  // namespace

void PaintSleepyReflection(Sketch& sketch) {
  PersonLook look;
  look.hair = kHairBrown;
  look.skin = kSkin;
  sketch.Shape(RoundedBox(-46, 40, 92, 60, 20), kShirtRed);
  sketch.Oval(0, -6, 44, 50, look.hair);
  sketch.Oval(0, 0, 38, 44, look.skin);
  QPainterPath hair;
  hair.moveTo(-40, -6);
  hair.cubicTo(-30, -60, 30, -60, 40, -6);
  hair.lineTo(30, -24);
  hair.lineTo(18, -14);
  hair.lineTo(0, -30);
  hair.lineTo(-16, -14);
  hair.lineTo(-30, -24);
  hair.closeSubpath();
  sketch.Shape(hair, look.hair);
  for (int side = -1; side <= 1; side += 2) {
    sketch.Oval(side * 15, -2, 9, 6, kWhite);
    sketch.FlatBox(side * 15 - 10, -9, 20, 7, look.skin);
    sketch.InkLine(side * 15 - 10, -3, side * 15 + 10, -3);
    sketch.Line(side * 15 - 8, 8, side * 15 + 8, 8, kSkinShade, 2);
  }
  sketch.Oval(0, 24, 9, 11, kRubyDark);
}

namespace {

// A sleepy face looking back from a mirror: heavy-lidded eyes and a yawn; origin at the face's centre.
void PaintSleepyFace(Sketch& sketch, const Layer&) {
  PaintSleepyReflection(sketch);
}

}  // namespace

void RegisterCharacterProps(PropRegistry& registry) {
  registry.Add("person", PaintPersonProp, 30);
  registry.Add("farmer", PaintFarmer, 32);
  registry.Add("magician", PaintMagician, 32);
  registry.Add("old-man", PaintOldMan, 30);
  registry.Add("young-lady", PaintYoungLady, 28);
  registry.Add("christmas-lights", PaintChristmasLights);
  registry.Add("scarecrow", PaintScarecrow, 30);
  registry.Add("scarecrow-closeup", PaintScarecrowCloseup);
  registry.Add("dog", PaintDog, 80);
  registry.Add("rat", PaintRat, 60);
  registry.Add("toad", PaintToad, 110);
  registry.Add("snakes", PaintSnakes);
  registry.Add("sleepy-face", PaintSleepyFace);
}

}  // namespace brackenhollow::art
