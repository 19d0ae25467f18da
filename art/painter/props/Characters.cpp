// People and animals, each posed as the room's text has them: the young woman hanging lights, the
// magician waving from his store, the wader pushing through thick water, the blind old man feeling his
// way, the farmer blocking the path, the scarecrow sagging on its pole; the creatures after them.
#include "art/painter/props/Figure.h"
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <cmath>
#include <tuple>
#include <vector>

namespace brackenhollow::art {

using namespace colours;

namespace {

constexpr QRgb kShoe = 0x3a2a22;
constexpr QRgb kStocking = 0x3c3346;
constexpr QRgb kCollar = 0xf3ead8;
constexpr QRgb kSash = 0xb8323a;
constexpr QRgb kSyrup = 0x2f5fd6;
constexpr QRgb kSyrupLight = 0x8fb0f4;
constexpr QRgb kCrow = 0x24212a;

// A limb of one cloth or skin through its joints, as wide as widths at each.
void PaintLimb(Sketch& sketch, const std::vector<QPointF>& joints, const std::vector<double>& widths, QRgb fill) {
  sketch.Shape(LimbPath(joints, widths), fill);
}

// A shoe under the ankle, its toe towards toe (-1 left, 1 right).
void PaintShoe(Sketch& sketch, QPointF ankle, double toe, double size, QRgb colour) {
  sketch.Shape(SmoothOutline({{ankle.x() - toe * size * 0.35, ankle.y() - size * 0.2}, {ankle.x() + toe * size * 0.3, ankle.y() - size * 0.15},
                              {ankle.x() + toe * size * 1.05, ankle.y() + size * 0.35}, {ankle.x() + toe * size * 0.9, ankle.y() + size * 0.62},
                              {ankle.x() - toe * size * 0.45, ankle.y() + size * 0.62}}),
               colour);
}

// Bulbs of a light string along a path: each glows in its colour; first shifts the colours along.
void PaintBulbs(Sketch& sketch, const QPainterPath& wire, int count, int first) {
  const QRgb bulbs[] = {kRuby, kPaintYellow, kPaintBlue, kEmerald, kOrange};
  for (int bulb = 0; bulb < count; ++bulb) {
    const QPointF spot = wire.pointAtPercent((bulb + 0.5) / count);
    const QRgb colour = bulbs[(bulb + first) % 5];
    sketch.Glow(spot.x(), spot.y() + 5, 12, colour, 0.35);
    sketch.Oval(spot.x(), spot.y() + 5, 3, 4.5, colour);
    sketch.FlatOval(spot.x() - 1, spot.y() + 3.5, 1, 1.4, kWhite);
  }
}

// The wader gone under: sinking with the legs trailing and bent, the arms stretched up towards the light,
// hair lifted by the water, cheeks puffed on a held breath that leaks out in bubbles. Everything is seen
// through deep water, its colours drowned towards the sea's blue. Origin at the feet.
void PaintSinking(Sketch& sketch, QRgb shirt, QRgb trousers, QRgb hair) {
  const auto drowned = [](QRgb colour) {
    const auto channel = [](int from, int to) { return static_cast<int>(from + (to - from) * 0.45); };
    return qRgb(channel(qRed(colour), 0x1f), channel(qGreen(colour), 0x4f), channel(qBlue(colour), 0x8a));
  };
  const QRgb skin = drowned(kSkin);
  const QRgb cloth = drowned(shirt);
  const QRgb legs = drowned(trousers);
  // Legs trailing below, one knee drawn up.
  PaintLimb(sketch, {{8, -86}, {30, -52}, {22, -14}}, {17, 13, 11}, Shaded(legs, 0.15));
  PaintLimb(sketch, {{-8, -86}, {-12, -46}, {-22, -8}}, {18, 13, 11}, legs);
  // The far arm reaching up past the head.
  PaintLimb(sketch, {{14, -136}, {30, -166}, {40, -196}}, {13, 11, 9}, Shaded(cloth, 0.15));
  PaintHand(sketch, {40, -196}, 196, 15, skin, Grip::kOpen, true);
  const QPainterPath body = SmoothOutline({{-19, -140}, {19, -137}, {19, -120}, {15, -100}, {19, -84}, {-18, -82}, {-15, -100}, {-19, -122}});
  sketch.Shape(body, cloth);
  // The shirt ballooning up round the chest.
  Crease(sketch, {-16, -96}, {-4, -110}, {14, -100}, cloth, 2);
  Crease(sketch, {-10, -130}, {-4, -118}, {2, -130}, cloth, 2);
  PaintLimb(sketch, {{-1, -138}, {-2, -148}}, {10, 9}, skin);
  HeadLook head;
  head.radius = 12;
  head.skin = skin;
  head.hair = drowned(hair);
  head.style = Hair::kTousled;
  head.turn = -0.25;
  head.tilt = 8;
  head.gazeUp = 1;
  head.mood = Mood::kWeary;
  PaintHead(sketch, {-4, -160}, head);
  // Puffed cheeks.
  sketch.Oval(-14, -152, 4.5, 4, skin);
  // The near arm stretched up to the light.
  PaintLimb(sketch, {{-17, -134}, {-34, -168}, {-30, -206}}, {13, 11, 9}, cloth);
  PaintHand(sketch, {-30, -206}, 176, 15, skin, Grip::kOpen, false);
  // A held breath leaking out.
  for (int bubble = 0; bubble < 5; ++bubble) {
    const double size = 2 + bubble * 0.8;
    const double x = -8 + std::sin(bubble * 1.9) * 5;
    const double y = -150 - bubble * 14;
    sketch.Oval(x, y, size, size, kSeaLight);
    sketch.FlatOval(x - size * 0.35, y - size * 0.35, size * 0.3, size * 0.3, kWhite);
  }
}

// An everyday person about 170 high, feet on the origin. pose=stand rests the weight on one leg, the
// other easy, arms hanging; pose=wade is seen from the chest up, pushing through thick water that
// stands at waterline (units above the feet), syrupy drips hanging from the hands; pose=sink has gone
// under.
void PaintPersonProp(Sketch& sketch, const Layer& layer) {
  const QRgb shirt = layer.Colour("shirt", kShirtRed);
  const QRgb trousers = layer.Colour("trousers", kDenim);
  const QRgb hair = layer.Colour("hair", kHairBrown);
  const std::string pose = layer.Word("pose", "stand");
  if (pose != "stand" && pose != "wade" && pose != "sink")
    throw SceneError(layer.Where() + ": person pose must be stand, wade or sink");
  HeadLook head;
  head.radius = 11.5;
  head.skin = kSkin;
  head.hair = hair;
  if (pose == "stand") {
    // Weight on the left leg, the right knee eased forward and its foot turned out.
    PaintLimb(sketch, {{10, -88}, {15, -47}, {17, -8}}, {17, 13, 11}, Shaded(trousers, 0.12));
    PaintShoe(sketch, {17, -7}, 1, 10, kShoe);
    PaintLimb(sketch, {{-8, -86}, {-7, -46}, {-6, -8}}, {18, 13, 11}, trousers);
    PaintShoe(sketch, {-6, -7}, -0.6, 10, kShoe);
    Crease(sketch, {11, -56}, {15, -50}, {19, -52}, trousers);
    const QPainterPath body = SmoothOutline({{-19, -140}, {19, -137}, {19, -120}, {15, -100}, {19, -84}, {-18, -82}, {-15, -100}, {-19, -122}});
    PaintLimb(sketch, {{17, -132}, {25, -105}, {27, -80}}, {13, 11, 9}, Shaded(shirt, 0.1));
    PaintHand(sketch, {27, -80}, -6, 15, kSkin, Grip::kRelaxed, false);
    sketch.Shape(body, shirt);
    Crease(sketch, {-12, -96}, {0, -92}, {12, -98}, shirt);
    Crease(sketch, {-4, -132}, {2, -120}, {-2, -104}, shirt);
    PaintLimb(sketch, {{-17, -134}, {-23, -106}, {-20, -80}}, {13, 11, 9}, shirt);
    Crease(sketch, {-26, -108}, {-22, -104}, {-18, -106}, shirt);
    PaintHand(sketch, {-20, -80}, 6, 15, kSkin, Grip::kRelaxed, true);
    PaintLimb(sketch, {{0, -138}, {1, -150}}, {10, 9}, kSkin);
    head.turn = 0.3;
    head.mood = Mood::kCalm;
    PaintHead(sketch, {2, -161}, head);
    return;
  }
  if (pose == "sink") {
    PaintSinking(sketch, shirt, trousers, hair);
    return;
  }
  const double waterline = -layer.Number("waterline", 124);
  // Leaning into the thick water: the near arm pushes through it at the surface, the other hauls a hand
  // out of it, the stuff stretching from the fingers.
  const QPainterPath body = SmoothOutline({{-23, -138}, {20, -142}, {24, -124}, {22, waterline + 30}, {-24, waterline + 30}, {-25, -120}});
  PaintLimb(sketch, {{19, -136}, {40, waterline - 8}, {50, -158}}, {14, 12, 10}, Shaded(shirt, 0.1));
  PaintHand(sketch, {50, -158}, 196, 15, kSkin, Grip::kRelaxed, true);
  // Strands of the stuff stretched thin between the fingers and the water, thickening where they sag.
  for (const double x : {46.0, 51.0, 56.0}) {
    const double foot = x - 6 + (x - 51) * 2;
    sketch.Fill(LimbPath({{x + 1.5, -164}, {x + 1, -148}, {(x + foot) / 2 - 2, -138}, {foot, waterline + 2}}, {3.4, 1.3, 1.1, 3.6}), kSyrup);
  }
  sketch.Shape(body, shirt);
  // Cloth soaked dark up from the water, clinging in creases.
  sketch.Painter().save();
  sketch.Painter().setClipPath(body, Qt::IntersectClip);
  sketch.FlatBox(-30, waterline - 14, 60, 50, Shaded(shirt, 0.3));
  sketch.Painter().restore();
  Crease(sketch, {-18, waterline - 4}, {-8, -132}, {-2, -138}, shirt);
  Crease(sketch, {14, waterline - 2}, {10, -128}, {4, -136}, shirt);
  PaintLimb(sketch, {{-21, -134}, {-42, waterline - 3}, {-66, waterline - 4}}, {14, 12, 10}, shirt);
  Crease(sketch, {-44, waterline - 11}, {-40, waterline - 5}, {-36, waterline - 9}, shirt);
  PaintHand(sketch, {-66, waterline - 4}, 84, 15, kSkin, Grip::kOpen, false);
  PaintLimb(sketch, {{-1, -138}, {-2, -147}}, {10, 9}, kSkin);
  head.turn = -0.35;
  head.tilt = -6;
  head.mood = Mood::kStraining;
  PaintHead(sketch, {-4, -159}, head);
  // The thick water clings: strands stretched from the elbows and fingers, heaped against the chest.
  const auto drip = [&](double x, double top, double length) {
    sketch.Shape(SmoothOutline({{x - 2.2, top}, {x + 2.2, top}, {x + 0.6, top + length * 0.6}, {x + 2, top + length}, {x - 2, top + length}, {x - 0.6, top + length * 0.6}}), kSyrup);
  };
  drip(-46, waterline - 4, 8);
  drip(40, waterline - 8, 10);
  drip(-78, waterline - 4, 7);
  QPainterPath heap;
  heap.moveTo(-36, waterline + 4);
  heap.cubicTo(-28, waterline - 9, 28, waterline - 10, 36, waterline + 4);
  heap.closeSubpath();
  sketch.Shape(heap, kSyrup);
  Sheen(sketch, {-24, waterline - 2}, {0, waterline - 9}, {24, waterline - 2}, kSyrupLight, 2.5);
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
  // Legs apart in a wide stance, the weight on the left; or together as he bends.
  if (block) {
    PaintLimb(sketch, {{10, -72}, {20, -38}, {28, -7}}, {20, 16, 13}, Shaded(kIron, 0.1));
    PaintShoe(sketch, {28, -6}, 1, 12, kInk);
    PaintLimb(sketch, {{-10, -72}, {-16, -38}, {-20, -7}}, {21, 16, 13}, kIron);
    PaintShoe(sketch, {-20, -6}, -1, 12, kInk);
    Crease(sketch, {-20, -42}, {-15, -36}, {-10, -40}, kIron);
  } else {
    PaintLimb(sketch, {{8, -72}, {12, -38}, {8, -7}}, {20, 16, 13}, Shaded(kIron, 0.1));
    PaintShoe(sketch, {8, -6}, 1, 12, kInk);
    PaintLimb(sketch, {{-8, -72}, {-4, -38}, {-8, -7}}, {21, 16, 13}, kIron);
    PaintShoe(sketch, {-8, -6}, -1, 12, kInk);
  }
  painter.save();
  painter.translate(0, -72);
  painter.rotate(block ? -3 : 16);
  // Coat over a round belly, a red waistcoat and a gold watch chain.
  QPainterPath coat;
  coat.moveTo(-20, -56);
  coat.cubicTo(-30, -30, -34, -6, -24, 6);
  coat.lineTo(24, 6);
  coat.cubicTo(36, -8, 30, -30, 20, -56);
  coat.closeSubpath();
  sketch.Shape(coat, kSuit);
  sketch.Polygon({At(-8, -54), At(8, -54), At(12, -8), At(-12, -8)}, kShirtRed);
  Crease(sketch, {-24, -20}, {-18, -10}, {-22, 2}, kSuit);
  Crease(sketch, {24, -24}, {20, -12}, {24, 0}, kSuit);
  Crease(sketch, {-8, -30}, {0, -26}, {10, -32}, kShirtRed);
  QPainterPath chain;
  chain.moveTo(-10, -24);
  chain.quadTo(0, -14, 10, -26);
  sketch.Stroke(chain, kGold, 2);
  if (block) {
    // Right arm up, palm out: stop. Left fist on his hip, elbow out.
    PaintLimb(sketch, {{18, -50}, {38, -44}, {40, -70}}, {14, 12, 11}, kSuit);
    Crease(sketch, {34, -48}, {39, -44}, {42, -50}, kSuit);
    PaintHand(sketch, {40, -70}, 176, 17, kSkin, Grip::kOpen, false);
    PaintRings(sketch, 40, -80);
    PaintLimb(sketch, {{-18, -50}, {-40, -30}, {-24, -14}}, {14, 12, 11}, kSuit);
    Crease(sketch, {-36, -34}, {-40, -28}, {-34, -26}, kSuit);
    PaintHand(sketch, {-26, -16}, 60, 14, kSkin, Grip::kHolding, true);
    PaintRings(sketch, -20, -10);
  } else {
    // Both hands down at the open bag he holds against his belly, one lifting coins.
    painter.save();
    painter.translate(0, 10);
    painter.scale(0.5, 0.5);
    PaintGoldSack(sketch);
    painter.restore();
    PaintLimb(sketch, {{-18, -50}, {-22, -32}, {-18, -18}}, {13, 11, 10}, kSuit);
    PaintHand(sketch, {-18, -18}, -10, 13, kSkin, Grip::kHolding, true);
    PaintLimb(sketch, {{18, -50}, {28, -36}, {26, -26}}, {13, 11, 10}, kSuit);
    PaintHand(sketch, {26, -26}, 160, 13, kSkin, Grip::kHolding, false);
    PaintRings(sketch, 26, -34);
    for (int coin = 0; coin < 3; ++coin) sketch.Oval(30 + coin * 4, -40 - coin * 7, 4.5, 4.5, kGold);
  }
  // Head: jowly, smug while he blocks the way, greedy as he counts with his eyes down on the gold.
  const double headY = -76;
  HeadLook head;
  head.radius = 15;
  head.skin = kSkin;
  head.hair = kHairGrey;
  head.style = Hair::kNone;
  head.moustache = true;
  head.turn = block ? 0.15 : 0.45;
  head.tilt = block ? -4 : 10;
  head.gazeUp = block ? 0.1 : -0.9;
  head.mood = block ? Mood::kSmug : Mood::kGreedy;
  PaintHead(sketch, {0, headY}, head);
  // Jowls and a double chin.
  Crease(sketch, {-8, headY + 18}, {0, headY + 22}, {9, headY + 18}, kSkin, 1.4);
  // The straw hat, tipped back, its red band.
  sketch.Shape(SmoothOutline({{-34, headY - 12}, {-10, headY - 20}, {20, headY - 22}, {36, headY - 18}, {20, headY - 9}, {-14, headY - 6}}), kHay);
  sketch.Shape(SmoothOutline({{-18, headY - 14}, {-16, headY - 36}, {0, headY - 40}, {16, headY - 36}, {18, headY - 16}}), kHay);
  sketch.FlatPolygon({At(-17.5, headY - 20), At(17.5, headY - 22), At(17.8, headY - 16), At(-17.8, headY - 14)}, kShirtRed);
  painter.restore();
}

// The magician's robe: night blue, so he stands out against his own purple shop.
constexpr QRgb kMagicianRobe = kBlanketDark;

// A star-sprinkled patch of the magician's robe: stars and a crescent moon at fixed places of the cloth.
void PaintRobeStars(Sketch& sketch, std::initializer_list<QPointF> stars) {
  for (const QPointF& star : stars) PaintStar(sketch, star.x(), star.y(), 4.5, kGold);
}

// The magician in a starry robe and a pointed hat, his shop doing badly: patched robe, hopeful grin.
// pose=wave stands him three-quarter on, waving hello high with one hand, a wand in the other;
// pose=beckon has him in his doorway waving someone in and holding up a sign reading SALE.
void PaintMagician(Sketch& sketch, const Layer& layer) {
  const std::string pose = layer.Word("pose", "wave");
  if (pose != "wave" && pose != "beckon") throw SceneError(layer.Where() + ": magician pose must be wave or beckon");
  const bool sign = pose == "beckon";
  // Curled slippers under the hem, the weight on the right foot.
  PaintShoe(sketch, {-16, -4}, -1, 11, kSail);
  PaintShoe(sketch, {18, -4}, 1, 11, kSail);
  // The far arm, bent at the elbow, hand at his belly with the wand (or the sign).
  PaintLimb(sketch, {{-16, -136}, {-30, -108}, {-14, -96}}, {16, 18, 20}, Shaded(kMagicianRobe, 0.15));
  // The robe: narrow at the shoulders, falling in folds to a hem swung by the weight on one leg.
  const QPainterPath robe = SmoothOutline({{-14, -146}, {16, -146}, {26, -128}, {30, -84}, {44, -8}, {48, -2}, {26, 2}, {4, -2},
                                           {-18, 1}, {-40, -3}, {-38, -10}, {-28, -84}, {-24, -128}});
  sketch.Shape(robe, kMagicianRobe);
  // A pale trim round the hem, worn thin.
  sketch.Painter().save();
  sketch.Painter().setClipPath(robe, Qt::IntersectClip);
  sketch.Stroke(Bend({-46, -6}, {2, 4}, {50, -6}), kSail, 7);
  sketch.Painter().restore();
  for (const double x : {-22.0, -8.0, 8.0, 24.0}) Crease(sketch, {x * 0.4, -96}, {x * 0.9 - 2, -50}, {x * 1.3, -2}, kMagicianRobe, 2.2);
  Sheen(sketch, {-20, -120}, {-26, -70}, {-34, -8}, kMagicianRobe, 2.4);
  // A patch sewn on the robe: business is bad.
  sketch.Shape(RoundedBox(14, -52, 14, 13, 2), kSatin);
  for (int stitch = 0; stitch < 4; ++stitch) sketch.Line(15 + stitch * 4, -53, 17 + stitch * 4, -51, kPaper, 1);
  PaintRobeStars(sketch, {{-20, -70}, {4, -112}, {22, -84}, {-6, -30}, {30, -24}, {-26, -22}});
  // A rope belt with a tassel.
  sketch.Stroke(Bend({-26, -98}, {2, -92}, {26, -100}), kTwine, 3.4);
  sketch.Line(-6, -95, -8, -72, kTwine, 2.2);
  sketch.Line(-8, -72, -10, -66, kGold, 3);
  // The far hand in front of the belly: the wand with a spark, or the sign held up.
  if (sign) {
    sketch.Shape(RoundedBox(-52, -118, 44, 24, 3), kPaper);
    sketch.Text(QRectF(-52, -118, 44, 24), QStringLiteral("SALE"), 12, kShirtRed);
    PaintHand(sketch, {-14, -96}, 120, 13, kSkin, Grip::kHolding, true);
  } else {
    sketch.Line(-12, -94, -44, -72, kInk, 4.5);
    sketch.Line(-12, -94, -44, -72, kPaper, 2.6);
    sketch.Line(-40, -75, -44, -72, kInk, 3);
    PaintHand(sketch, {-14, -96}, 70, 13, kSkin, Grip::kHolding, true);
    PaintStar(sketch, -47, -70, 5, kFlameCore);
    sketch.Glow(-47, -70, 16, kFlameCore, 0.4);
  }
  // The waving arm raised high, its wide sleeve slipped back to the elbow and hanging open.
  PaintLimb(sketch, {{18, -138}, {42, -146}}, {17, 18}, kMagicianRobe);
  PaintLimb(sketch, {{40, -146}, {48, -180}}, {8, 7}, kSkin);
  sketch.Shape(SmoothOutline({{30, -152}, {46, -160}, {54, -150}, {58, -124}, {46, -118}, {34, -132}}), kMagicianRobe);
  sketch.Shape(SmoothOutline({{44, -121}, {58, -126}, {59, -120}, {46, -115}}), kSail);
  PaintHand(sketch, {48, -180}, 168, 16, kSkin, Grip::kOpen, true);
  // The wave's motion.
  for (const double reach : {24.0, 30.0}) Crease(sketch, {48 + reach * 0.5, -206 + reach * 0.2}, {50 + reach, -196}, {48 + reach * 0.8, -178}, kInk, 1.6);
  // Neck, head and the long white beard, bushy brows over a hopeful grin.
  PaintLimb(sketch, {{0, -144}, {1, -154}}, {10, 9}, kSkin);
  HeadLook head;
  head.radius = 12.5;
  head.skin = kSkin;
  head.hair = kHairGrey;
  head.style = Hair::kWisps;
  head.beard = 3.2;
  head.aged = true;
  head.turn = 0.3;
  head.tilt = 5;
  head.mood = Mood::kCheerful;
  PaintHead(sketch, {2, -168}, head);
  // The pointed hat, its tip gone limp and bent over, on a wide brim.
  sketch.Painter().save();
  sketch.Painter().translate(2, -176);
  sketch.Painter().rotate(5);
  sketch.Shape(SmoothOutline({{-16, -10}, {-12, -34}, {-8, -58}, {-12, -74}, {-26, -78}, {-20, -84}, {-4, -82}, {6, -60}, {14, -34}, {18, -10}}), kMagicianRobe);
  Crease(sketch, {-8, -14}, {-6, -40}, {-2, -62}, kMagicianRobe, 2);
  PaintStar(sketch, 4, -34, 5, kGold);
  PaintStar(sketch, -22, -80, 4, kGold);
  sketch.Shape(SmoothOutline({{-32, -10}, {-10, -18}, {14, -18}, {34, -10}, {16, -4}, {-14, -4}}), kMagicianRobe);
  sketch.Painter().restore();
}

// The scruffy blind old man in rags: stooped forward under a patched hood, a long grey beard, milky
// unseeing eyes, one hand feeling the air ahead, the other on a stick, the lame leg dragging. Origin at
// the feet.
void PaintOldMan(Sketch& sketch, const Layer&) {
  QPainter& painter = sketch.Painter();
  // Thin legs in ragged trousers: the lame one stiff and trailing, the other bent under his weight.
  PaintLimb(sketch, {{-8, -70}, {-14, -38}, {-22, -6}}, {15, 11, 10}, Shaded(kRagDark, 0.1));
  PaintShoe(sketch, {-22, -5}, 1, 10, kInk);
  PaintLimb(sketch, {{6, -70}, {16, -40}, {10, -6}}, {15, 12, 10}, kRagDark);
  PaintShoe(sketch, {10, -5}, 1, 10, kInk);
  sketch.Polygon({At(4, -14), At(8, -22), At(12, -14), At(16, -20), At(18, -12)}, kRagDark);
  // The stick, planted ahead of him.
  sketch.Line(44, -90, 58, 0, kInk, 7);
  sketch.Line(44, -90, 58, 0, kWoodDark, 4);
  painter.save();
  painter.translate(0, -66);
  painter.rotate(24);
  // A long ragged coat with a torn hem, patches and the folds of a hunched back.
  sketch.Shape(PathThrough({At(-20, -62), At(20, -62), At(26, 0), At(18, 8), At(10, 0), At(0, 10), At(-10, 0), At(-20, 8), At(-26, 0)}), kRag);
  Crease(sketch, {-14, -58}, {-10, -30}, {-16, 2}, kRag, 2);
  Crease(sketch, {12, -50}, {6, -24}, {12, 4}, kRag, 2);
  sketch.Box(-12, -46, 12, 12, kRagDark);
  sketch.Box(6, -24, 10, 12, kPaperShade);
  // The arm on the stick and the arm feeling the air ahead.
  PaintLimb(sketch, {{14, -56}, {30, -40}, {40, -30}}, {13, 11, 10}, kRag);
  PaintLimb(sketch, {{-12, -56}, {8, -68}, {34, -76}}, {13, 11, 10}, kRag);
  painter.restore();
  PaintHand(sketch, {45, -92}, 150, 13, kSkin, Grip::kHolding, false);
  // Hooded head bowed forward, the face open in the hood.
  const double headX = 26;
  const double headY = -142;
  QPainterPath hood;
  hood.moveTo(headX - 26, headY + 22);
  hood.cubicTo(headX - 34, headY - 10, headX - 12, headY - 34, headX + 8, headY - 28);
  hood.cubicTo(headX + 24, headY - 22, headX + 26, headY, headX + 20, headY + 20);
  hood.closeSubpath();
  sketch.Shape(hood, kRagDark);
  HeadLook head;
  head.radius = 12;
  head.skin = kSkin;
  head.hair = kHairGrey;
  head.style = Hair::kWisps;
  head.eyes = Eyes::kMilky;
  head.beard = 2.4;
  head.moustache = true;
  head.aged = true;
  head.turn = 0.5;
  head.tilt = 12;
  head.gazeUp = 0.2;
  head.mood = Mood::kWeary;
  PaintHead(sketch, {headX + 4, headY + 2}, head);
  // The reaching hand, fingers spread, groping ahead of his face.
  PaintHand(sketch, {62, -126}, -112, 15, kSkin, Grip::kOpen, true);
}

// The young woman hanging Christmas lights: turned to the wall, up on the toes of one foot, the far arm
// stretched high pressing the string's end to its hook, the near hand paying out the loops she holds,
// her head tipped back watching the hook. The string already hung runs from hook-x, hook-y (units from
// her feet) to her raised hand. Origin at the feet.
void PaintYoungLady(Sketch& sketch, const Layer& layer) {
  const QPointF hook(layer.Number("hook-x", -70), layer.Number("hook-y", -180));
  // Legs in dark stockings: the near one straight under her weight, the far one on tiptoe.
  PaintLimb(sketch, {{-7, -84}, {-15, -46}, {-20, -14}}, {13, 9, 7}, Shaded(kStocking, 0.15));
  sketch.Shape(SmoothOutline({{-24, -18}, {-16, -16}, {-14, -6}, {-20, 0}, {-26, -4}}), kSash);
  PaintLimb(sketch, {{8, -86}, {7, -46}, {9, -9}}, {13, 9, 7}, kStocking);
  PaintShoe(sketch, {9, -8}, -1, 9, kSash);
  // The skirt swinging towards the wall as she stretches, folds running down from the waist.
  const QPainterPath skirt = SmoothOutline({{-12, -106}, {-19, -86}, {-30, -58}, {-38, -36}, {-24, -40}, {-11, -33}, {4, -38},
                                            {18, -32}, {32, -36}, {26, -60}, {18, -86}, {12, -106}});
  sketch.Shape(skirt, kDress);
  for (const double x : {-20.0, -8.0, 6.0, 18.0}) Crease(sketch, {x * 0.35, -100}, {x * 0.8, -70}, {x * 1.25, -38}, kDress, 2);
  Sheen(sketch, {-14, -96}, {-22, -70}, {-30, -42}, kDress, 2.2);
  // The far arm up to the hook, its hand closed round the string's end.
  PaintLimb(sketch, {{-11, -136}, {-27, -164}, {-38, -194}}, {11, 9, 8}, Shaded(kDress, 0.12));
  Crease(sketch, {-30, -160}, {-27, -166}, {-22, -164}, kDress);
  sketch.Shape(LimbPath({{-37, -191}, {-38.5, -194}}, {8.5, 8.5}), kCollar);
  PaintHand(sketch, {-39, -197}, 158, 12, kSkin, Grip::kHolding, false);
  // The bodice, a white collar and a red sash tied in a bow at her back.
  const QPainterPath bodice = SmoothOutline({{-15, -141}, {0, -145}, {15, -138}, {17, -124}, {13, -104}, {-12, -104}, {-17, -126}});
  sketch.Shape(bodice, kDress);
  Crease(sketch, {-9, -128}, {-4, -122}, {2, -126}, kDress);
  sketch.Shape(SmoothOutline({{-10, -145}, {0, -147}, {8, -144}, {4, -137}, {-2, -139}, {-8, -136}}), kCollar);
  sketch.Shape(SmoothOutline({{-13, -110}, {13, -111}, {14, -102}, {-12, -100}}), kSash);
  sketch.Shape(SmoothOutline({{12, -108}, {22, -116}, {24, -104}, {14, -104}}), kSash);
  sketch.Shape(SmoothOutline({{14, -104}, {22, -96}, {18, -84}, {12, -100}}), kSash);
  // Neck and head, tipped back to watch her hand.
  PaintLimb(sketch, {{-2, -142}, {-4, -153}}, {8, 7}, kSkin);
  HeadLook head;
  head.radius = 12;
  head.skin = kSkin;
  head.hair = kHairBlonde;
  head.style = Hair::kPonytail;
  head.lashes = true;
  head.turn = -0.55;
  head.tilt = 12;
  head.gazeUp = 0.9;
  head.mood = Mood::kIntent;
  PaintHead(sketch, {-6, -166}, head);
  // The string from the hook down to her near hand, and the loops she has still to hang.
  QPainterPath hung;
  hung.moveTo(hook);
  hung.quadTo((hook.x() - 40) / 2, -186, -40, -204);
  sketch.Stroke(hung, kLeafDark, 1.6);
  PaintBulbs(sketch, hung, 2, 0);
  QPainterPath held;
  held.moveTo(-40, -204);
  held.cubicTo(-30, -150, -8, -100, 0, -114);
  held.cubicTo(4, -80, -14, -70, -6, -96);
  held.cubicTo(4, -70, 22, -84, 6, -112);
  sketch.Stroke(held, kLeafDark, 1.6);
  PaintBulbs(sketch, held, 9, 2);
  PaintLimb(sketch, {{13, -136}, {20, -112}, {4, -110}}, {11, 9, 8}, kDress);
  Crease(sketch, {16, -114}, {20, -110}, {16, -106}, kDress);
  sketch.Shape(LimbPath({{6, -110.5}, {4, -110}}, {8.5, 8.5}), kCollar);
  PaintHand(sketch, {2, -110}, 92, 12, kSkin, Grip::kHolding, true);
}

// A string of coloured Christmas lights sagging across w; origin at its left end.
void PaintChristmasLights(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double sag = layer.Number("sag", 40);
  QPainterPath wire;
  wire.moveTo(0, 0);
  wire.quadTo(width / 2, sag * 2, width, 0);
  sketch.Stroke(wire, kLeafDark, 2);
  PaintBulbs(sketch, wire, 17, 0);
}

// The scarecrow's shirt, its check faded by sun and rain.
constexpr QRgb kFadedCheck = 0xa89458;

// Straw sticking out of a cuff, a hem or a neck: count stalks fanned from the point along angle
// (degrees from straight down, positive towards +x).
void PaintStraw(Sketch& sketch, QPointF from, double angle, double length, int count, int seed) {
  for (int stalk = 0; stalk < count; ++stalk) {
    const double spread = angle + (stalk - (count - 1) / 2.0) * 14 + (Scatter(seed + stalk) - 0.5) * 16;
    const double radians = spread * 3.14159265 / 180;
    const double reach = length * (0.7 + 0.5 * Scatter(seed + stalk + 40));
    sketch.Line(from.x(), from.y(), from.x() + std::sin(radians) * reach, from.y() + std::cos(radians) * reach,
                stalk % 3 == 0 ? kHayDark : kHay, 2.2);
  }
}

// A crow perched on a bar at the origin, looking along +x, about 30 long.
void PaintCrow(Sketch& sketch) {
  sketch.Line(-2, 0, -4, -6, kInk, 1.4);
  sketch.Line(4, 0, 3, -6, kInk, 1.4);
  sketch.Shape(SmoothOutline({{-22, -4}, {-8, -14}, {6, -18}, {12, -22}, {18, -20}, {24, -16}, {16, -14}, {10, -6}, {-6, -4}}), kCrow);
  sketch.Shape(SmoothOutline({{-6, -14}, {8, -16}, {4, -8}, {-12, -6}}), Shaded(kCrow, -0.15));
  sketch.FlatPolygon({At(22, -19), At(30, -17), At(22, -15)}, kIron);
  sketch.FlatOval(15, -19, 1.2, 1.2, kPaintYellow);
}

// The scarecrow on its pole, about 220 high: a shirt hung over the crossbar with one sleeve slipped and
// sagging, limp trousers stuffed with straw, a burlap head lolling under a battered hat. view=front
// shows its stitched face, view=back its laced back seam; crow=yes sets a crow on the crossbar.
void PaintScarecrow(Sketch& sketch, const Layer& layer) {
  const bool back = layer.Word("view", "front") == "back";
  const bool crow = layer.Flag("crow", false);
  // A rough pole and a crooked branch for the crossbar.
  PaintLimb(sketch, {{-2, -204}, {1, -100}, {0, 0}}, {11, 12, 13}, kWoodDark);
  PaintLimb(sketch, {{-94, -140}, {-30, -148}, {40, -150}, {96, -146}}, {8, 10, 10, 7}, kWoodDark);
  // Limp trouser legs, one torn short, straw spilling from both.
  PaintLimb(sketch, {{-14, -70}, {-18, -40}, {-20, -20}}, {24, 20, 19}, kDenim);
  PaintLimb(sketch, {{14, -70}, {20, -46}, {22, -36}}, {24, 21, 20}, Shaded(kDenim, 0.1));
  sketch.Shape(RoundedBox(-26, -50, 12, 12, 2), kRagDark);
  PaintStraw(sketch, {-20, -14}, 0, 14, 6, 11);
  PaintStraw(sketch, {22, -30}, 10, 12, 5, 21);
  Crease(sketch, {-24, -46}, {-18, -42}, {-12, -46}, kDenim);
  // The sleeves along the bar: the left slipped from it and sagging, the right still hooked at the cuff.
  QPainterPath sleeves = LimbPath({{-30, -150}, {-62, -138}, {-86, -118}}, {28, 22, 20});
  sleeves.addPath(LimbPath({{30, -152}, {62, -150}, {92, -148}}, {28, 22, 20}));
  sketch.Shape(sleeves, kFadedCheck);
  sketch.Painter().save();
  sketch.Painter().setClipPath(sleeves, Qt::IntersectClip);
  for (int stripe = 0; stripe < 10; ++stripe) {
    const double x = -96.0 + stripe * 20 + (stripe >= 5 ? 20 : 0);
    Crease(sketch, {x, -168}, {x + 2, -146}, {x - 4, -110}, kShirtRed, 3);
  }
  Crease(sketch, {-96, -128}, {-60, -148}, {-30, -154}, kShirtRed, 3);
  Crease(sketch, {30, -156}, {60, -154}, {96, -152}, kShirtRed, 3);
  sketch.Painter().restore();
  Crease(sketch, {-50, -148}, {-56, -138}, {-54, -128}, kFadedCheck, 2);
  Crease(sketch, {-72, -136}, {-76, -126}, {-72, -116}, kFadedCheck, 2);
  Crease(sketch, {52, -160}, {56, -152}, {52, -142}, kFadedCheck, 2);
  PaintStraw(sketch, {-88, -112}, 20, 18, 6, 31);
  PaintStraw(sketch, {96, -148}, -90, 16, 6, 41);
  // The shirt hung from the bar: pulled tight across the shoulders, falling in folds to ragged tails.
  const QPainterPath shirt = SmoothOutline({{-34, -160}, {34, -162}, {44, -126}, {46, -72}, {36, -56}, {20, -64}, {8, -52},
                                            {-8, -62}, {-22, -54}, {-40, -62}, {-46, -94}, {-42, -130}});
  sketch.Shape(shirt, kFadedCheck);
  sketch.Painter().save();
  sketch.Painter().setClipPath(shirt, Qt::IntersectClip);
  for (int stripe = 0; stripe < 6; ++stripe) {
    Crease(sketch, {-44.0 + stripe * 17, -162}, {-40.0 + stripe * 17, -110}, {-46.0 + stripe * 18, -52}, kShirtRed, 3);
    Crease(sketch, {-48, -150.0 + stripe * 18}, {0, -147.0 + stripe * 18}, {48, -152.0 + stripe * 18}, kShirtRed, 3);
  }
  sketch.Painter().restore();
  Crease(sketch, {-24, -150}, {-30, -110}, {-24, -60}, kFadedCheck, 2.6);
  Crease(sketch, {26, -150}, {32, -106}, {24, -66}, kFadedCheck, 2.6);
  Sheen(sketch, {-36, -148}, {-42, -110}, {-40, -70}, kFadedCheck, 2.4);
  if (back) {
    // The back seam laced shut with twine.
    for (int stitch = 0; stitch < 5; ++stitch) {
      const double y = -150 + stitch * 17;
      sketch.Line(-4, y, 4, y + 8, kTwine, 2.4);
      sketch.Line(4, y, -4, y + 8, kTwine, 2.4);
    }
    sketch.Box(12, -106, 20, 18, kRagDark);
  } else {
    // Stitches and a denim patch on the front, a torn pocket.
    for (int stitch = 0; stitch < 5; ++stitch) {
      const double y = -146 + stitch * 18;
      sketch.Line(-4, y, 4, y + 8, kTwine, 2.5);
      sketch.Line(4, y, -4, y + 8, kTwine, 2.5);
    }
    sketch.Box(14, -120, 22, 20, kDenim);
    for (int stitch = 0; stitch < 3; ++stitch) sketch.Line(12 + stitch * 8, -124, 16 + stitch * 8, -118, kTwine, 2.5);
  }
  sketch.Shape(SmoothOutline({{-52, -158}, {-34, -160}, {-34, -144}, {-50, -142}}), kRagDark);
  for (int stitch = 0; stitch < 3; ++stitch) sketch.Line(-52 + stitch * 8, -160, -48 + stitch * 8, -152, kTwine, 2.5);
  PaintStraw(sketch, {0, -56}, 0, 16, 7, 51);
  // The head: a burlap sack cinched at the neck with twine, lolling to one side.
  sketch.Painter().save();
  sketch.Painter().translate(-4, -160);
  sketch.Painter().rotate(back ? 16 : -16);
  QPainterPath sack;
  sack.moveTo(-8, 0);
  sack.cubicTo(-34, -6, -32, -46, -14, -52);
  sack.cubicTo(0, -58, 26, -52, 28, -30);
  sack.cubicTo(30, -10, 16, -2, 8, 0);
  sack.closeSubpath();
  sketch.Shape(sack, kRag);
  Crease(sketch, {-20, -8}, {-14, -24}, {-18, -40}, kRag, 1.8);
  sketch.Line(-10, -2, 10, -2, kTwine, 3.5);
  PaintStraw(sketch, {0, 2}, 0, 12, 5, 61);
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
    Crease(sketch, {-10, -24}, {-11, -18}, {-11, -12}, kDirtDark, 3);
    Crease(sketch, {12, -22}, {13, -18}, {13, -14}, kDirtDark, 3);
  } else {
    sketch.Line(0, -50, 0, -4, kTwine, 2.5);
  }
  // A battered hat, its brim torn and a hole in the crown.
  sketch.Shape(PathThrough({At(-38, -46), At(-12, -52), At(20, -52), At(40, -44), At(30, -40), At(14, -44), At(-2, -42), At(-30, -40)}), kHayDark);
  sketch.Shape(PathThrough({At(-18, -50), At(-14, -74), At(12, -76), At(16, -50)}), kHayDark);
  sketch.Oval(-2, -62, 4, 3, kInk);
  sketch.Painter().restore();
  if (crow) {
    sketch.Painter().save();
    sketch.Painter().translate(70, -154);
    PaintCrow(sketch);
    sketch.Painter().restore();
  }
}

// A close-up of the scarecrow's chest before the blurred field: the stuffed shirt hung from its sloping
// shoulders, its faded check bent by the folds, the front seam stitched with thick twine, two patches,
// straw poking from a torn corner and one long loose piece of twine hanging down. Origin top-left.
void PaintScarecrowCloseup(Sketch& sketch, const Layer&) {
  QPainter& painter = sketch.Painter();
  // The crossbar through the sleeves, and the sack neck cinched with twine above the collar.
  PaintLimb(sketch, {{-20, 58}, {300, 40}, {620, 50}}, {22, 24, 22}, kWoodDark);
  sketch.Shape(SmoothOutline({{226, -30}, {372, -30}, {366, 40}, {232, 44}}), kRag);
  Crease(sketch, {250, -20}, {262, 10}, {252, 36}, kRag, 4);
  // The sleeves along the crossbar out of the frame, the left sagging off it.
  QPainterPath sleeves = LimbPath({{-40, 96}, {60, 84}, {150, 80}}, {86, 84, 80});
  sleeves.addPath(LimbPath({{446, 76}, {540, 70}, {640, 62}}, {80, 82, 84}));
  sketch.Shape(sleeves, kFadedCheck);
  Crease(sketch, {30, 50}, {40, 90}, {24, 130}, kFadedCheck, 6);
  Crease(sketch, {560, 40}, {574, 70}, {560, 104}, kFadedCheck, 6);
  const QPainterPath shirt = SmoothOutline({{100, 40}, {230, 30}, {300, 56}, {370, 28}, {496, 40}, {530, 130}, {546, 270}, {540, 408},
                                            {470, 394}, {420, 412}, {300, 398}, {200, 414}, {110, 396}, {64, 404}, {56, 270}, {70, 130}});
  sketch.Shape(shirt, kFadedCheck);
  painter.save();
  painter.setClipPath(shirt.united(sleeves), Qt::IntersectClip);
  // The check, bowed over the stuffing: stripes bend outwards and spread as they fall.
  const double opacity = painter.opacity();
  painter.setOpacity(opacity * 0.45);
  for (double x = -26; x < kFrameWidth + 60; x += 52) {
    QPainterPath stripe;
    stripe.moveTo(x, 20);
    stripe.cubicTo(x + (x - 298) * 0.04, 150, x + (x - 298) * 0.1 + 8 * std::sin(x), 290, x + (x - 298) * 0.16, 430);
    sketch.Stroke(stripe, kShirtRed, 15);
  }
  for (double y = 70; y < kFrameHeight + 30; y += 52) {
    QPainterPath stripe;
    stripe.moveTo(-20, y + 8);
    stripe.cubicTo(150, y - 14, 420, y - 16, 620, y + 6);
    sketch.Stroke(stripe, kShirtRed, 15);
  }
  painter.setOpacity(opacity * 0.4);
  // Deep folds falling from the shoulders and sagging between the buttons.
  Crease(sketch, {130, 60}, {160, 220}, {124, 410}, kFadedCheck, 30);
  Crease(sketch, {470, 60}, {446, 210}, {480, 410}, kFadedCheck, 34);
  Crease(sketch, {60, 120}, {90, 110}, {140, 124}, kFadedCheck, 18);
  Crease(sketch, {460, 118}, {510, 108}, {560, 112}, kFadedCheck, 18);
  Sheen(sketch, {100, 60}, {128, 220}, {96, 400}, kFadedCheck, 12);
  painter.setOpacity(opacity);
  painter.restore();
  // The front seam closed with big crossed stitches.
  for (int stitch = 0; stitch < 6; ++stitch) {
    const double y = 78 + stitch * 52;
    const double x = 300 + 4 * std::sin(stitch * 1.7);
    for (const double lean : {-1.0, 1.0}) {
      sketch.Line(x - 12, y - lean * 12, x + 12, y + lean * 12, kInk, 9);
      sketch.Line(x - 12, y - lean * 12, x + 12, y + lean * 12, kTwine, 6);
    }
  }
  // The denim patch, frayed at its edges, sewn on with thick twine.
  sketch.Shape(PathThrough({At(356, 88), At(392, 84), At(430, 92), At(470, 84), At(500, 90), At(504, 140), At(498, 180), At(502, 214),
                            At(462, 210), At(420, 216), At(380, 208), At(356, 214), At(360, 150)}),
               kDenim);
  Crease(sketch, {376, 110}, {430, 150}, {486, 124}, kDenim, 4);
  for (int stitch = 0; stitch < 6; ++stitch) {
    const double y = 96 + stitch * 20;
    sketch.Line(348, y, 364, y + 12, kInk, 9);
    sketch.Line(348, y, 364, y + 12, kTwine, 6);
  }
  // A dark rag patch lower on the left, its top edge stitched, its corner torn open with straw pushing out.
  sketch.Shape(PathThrough({At(60, 232), At(120, 226), At(210, 234), At(206, 300), At(212, 352), At(150, 346), At(70, 352), At(62, 290)}), kRagDark);
  for (int stitch = 0; stitch < 7; ++stitch) {
    const double x = 70 + stitch * 20;
    sketch.Line(x, 222, x + 12, 238, kInk, 9);
    sketch.Line(x, 222, x + 12, 238, kTwine, 6);
  }
  PaintStraw(sketch, {210, 344}, -40, 40, 9, 71);
  PaintStraw(sketch, {300, 398}, 0, 30, 9, 91);
  PaintStraw(sketch, {-10, 110}, -60, 40, 8, 81);
  // Where the loose piece comes away from the seam: one long twine end hanging down.
  QPainterPath loose;
  loose.moveTo(310, 218);
  loose.cubicTo(290, 280, 370, 300, 330, 360);
  loose.cubicTo(300, 390, 260, 380, 250, 420);
  sketch.Stroke(loose, kInk, 11);
  sketch.Stroke(loose, kTwine, 7);
  Sheen(sketch, loose.pointAtPercent(0.05), loose.pointAtPercent(0.25), loose.pointAtPercent(0.45), kTwine, 2.4);
  sketch.Oval(252, 402, 7, 7, kTwine);
  // A button hanging by a thread.
  sketch.Line(452, 262, 448, 282, kTwine, 2);
  sketch.Oval(448, 292, 12, 11, kWoodLight);
  sketch.FlatOval(444, 290, 2, 2, kInk);
  sketch.FlatOval(452, 294, 2, 2, kInk);
}

}  // namespace

void PaintSleepyReflection(Sketch& sketch) {
  // Behind the face the mirror shows the bathroom at the player's back: tiles, a door edge and a towel.
  sketch.FlatBox(-130, -110, 260, 240, kTile);
  for (double x = -126; x < 130; x += 30) sketch.Line(x, -110, x, 130, kTileDark, 1.2);
  for (double y = -104; y < 130; y += 30) sketch.Line(-130, y, 130, y, kTileDark, 1.2);
  sketch.FlatBox(-130, -110, 40, 240, kWoodLight);
  sketch.Line(-90, -110, -90, 130, kWoodDark, 2);
  sketch.FlatBox(70, -60, 60, 5, kSilver);
  sketch.Fill(SmoothOutline({{76, -58}, {128, -58}, {132, 40}, {118, 56}, {98, 46}, {80, 52}}), kBlanket);
  // The glass pales what lies behind the face.
  sketch.Painter().save();
  sketch.Painter().setOpacity(sketch.Painter().opacity() * 0.35);
  sketch.FlatBox(-130, -110, 260, 240, kSkyPale);
  sketch.Painter().restore();
  // Rumpled pyjamas, striped.
  const QPainterPath shoulders = SmoothOutline({{-96, 130}, {-84, 58}, {-40, 40}, {40, 40}, {86, 60}, {100, 130}});
  sketch.Shape(shoulders, kBlanket);
  sketch.Painter().save();
  sketch.Painter().setClipPath(shoulders, Qt::IntersectClip);
  for (double x = -100; x < 110; x += 22) Sheen(sketch, {x, 40}, {x + 4, 80}, {x - 2, 130}, kBlanket, 5);
  sketch.Painter().restore();
  Crease(sketch, {-60, 70}, {-44, 90}, {-50, 120}, kBlanket, 3);
  sketch.Shape(SmoothOutline({{-24, 40}, {0, 62}, {26, 40}, {14, 38}, {0, 50}, {-12, 38}}), kPaper);
  PaintLimb(sketch, {{0, 44}, {2, 22}}, {32, 29}, kSkin);
  HeadLook head;
  head.radius = 37;
  head.skin = kSkin;
  head.hair = kHairBrown;
  head.style = Hair::kTousled;
  head.eyes = Eyes::kHeavy;
  head.turn = 0.15;
  head.tilt = -9;
  head.mood = Mood::kYawning;
  PaintHead(sketch, {2, -12}, head);
  // One hand rubbing an eye, its sleeve fallen back.
  PaintLimb(sketch, {{74, 140}, {72, 70}, {48, 18}}, {30, 26, 22}, Shaded(kBlanket, 0.05));
  PaintHand(sketch, {44, 10}, 150, 34, kSkin, Grip::kHolding, false);
}

namespace {

// The big skinny junkyard dog, about 200 long, side view. state=growl shows teeth and ribs on a leash
// tied to a post on the left; state=dead has it lying still, eyes closed.
void PaintDog(Sketch& sketch, const Layer& layer) {
  const bool dead = layer.Word("state", "growl") == "dead";
  if (dead) {
    // Sprawled on its side, spent: the far legs behind, the near ones stretched out limp, the bony back
    // towards the sky, the head flat on the ground with the tongue lolling; the leash lies slack.
    PaintLimb(sketch, {{-60, -36}, {-44, -20}, {-70, -12}, {-96, -10}}, {18, 11, 8, 8}, kFurDark);
    PaintLimb(sketch, {{58, -30}, {78, -18}, {108, -14}}, {14, 9, 8}, kFurDark);
    PaintLimb(sketch, {{-92, -38}, {-126, -18}, {-156, -6}}, {9, 6, 4}, kFur);
    QPainterPath tied;
    tied.moveTo(-70, -50);
    tied.quadTo(-60, -20, -30, -14);
    sketch.Stroke(tied, kInk, 5);
    sketch.Stroke(tied, kShirtRed, 3);
    const QPainterPath body = SmoothOutline({{86, -44}, {60, -60}, {30, -62}, {-6, -56}, {-40, -62}, {-70, -60}, {-94, -44},
                                             {-100, -22}, {-80, -12}, {-44, -22}, {-10, -18}, {30, -10}, {66, -14}, {92, -28}});
    sketch.Shape(body, kFur);
    // Ribs and hip bones under the thin coat, the knobs of the spine.
    for (int rib = 0; rib < 6; ++rib) Crease(sketch, {8.0 + rib * 9, -54}, {2.0 + rib * 9, -36}, {10.0 + rib * 9, -16}, kFur, 2.2);
    Crease(sketch, {-60, -58}, {-76, -48}, {-70, -34}, kFur, 2.6);
    for (int knob = 0; knob < 7; ++knob) sketch.FlatOval(-60.0 + knob * 17, -60 + std::abs(knob - 3) * 0.6, 2.4, 1.6, kFurDark);
    Sheen(sketch, {-80, -54}, {-20, -62}, {50, -60}, kFur, 3);
    // The near legs stretched out in front and behind, paws slack.
    PaintLimb(sketch, {{-66, -34}, {-50, -16}, {-82, -8}, {-112, -6}}, {22, 13, 9, 9}, kFur);
    sketch.Oval(-116, -6, 7, 4, kFurDark);
    PaintLimb(sketch, {{50, -30}, {66, -12}, {100, -6}}, {16, 10, 9}, kFur);
    sketch.Oval(104, -6, 7, 4, kFurDark);
    // The collar and the leash fallen slack on the ground in front of it.
    sketch.Shape(SmoothOutline({{80, -50}, {92, -46}, {96, -22}, {86, -20}}), kShirtRed);
    QPainterPath leash;
    leash.moveTo(90, -24);
    leash.cubicTo(100, 0, 60, 8, 20, 4);
    leash.cubicTo(-10, 2, -20, 8, -36, 6);
    sketch.Stroke(leash, kInk, 5);
    sketch.Stroke(leash, kShirtRed, 3);
    // The long head lying flat, the ear flopped over, the eye shut, the tongue out over the teeth.
    sketch.Shape(SmoothOutline({{94, -52}, {118, -54}, {138, -40}, {176, -26}, {180, -12}, {170, -4}, {120, -4}, {98, -16}}), kFur);
    sketch.Shape(SmoothOutline({{104, -52}, {96, -62}, {86, -58}, {92, -40}, {110, -38}}), kFurDark);
    sketch.Stroke(Bend({122, -36}, {128, -32}, {134, -36}), kInk, 1.8);
    Crease(sketch, {118, -42}, {128, -46}, {138, -40}, kFur, 1.6);
    sketch.Oval(177, -19, 4, 3.4, kInk);
    sketch.Stroke(Bend({140, -10}, {156, -8}, {172, -10}), kInk, 1.6);
    sketch.Shape(SmoothOutline({{150, -10}, {160, -10}, {164, 2}, {158, 6}, {150, 2}}), kPink);
    return;
  }
  sketch.Box(-210, -120, 14, 120, kWoodDark);
  // A lean hound braced to lunge: hind legs bent at the stifle and hock, straight forelegs under a deep
  // chest, the belly tucked up under the ribs, hackles up, a long snarling muzzle.
  // A leg tapering from the muscle at the top to the slender pastern, a paw at its foot.
  const auto limb = [&](std::initializer_list<QPointF> joints, double width, QRgb colour) {
    const std::vector<QPointF> points(joints);
    std::vector<double> widths;
    const double last = static_cast<double>(points.size() - 1);
    for (std::size_t joint = 0; joint < points.size(); ++joint) widths.push_back(width * (1.7 - 0.9 * static_cast<double>(joint) / last));
    PaintLimb(sketch, points, widths, colour);
    sketch.Oval(points.back().x() + 3, points.back().y(), width * 0.75, width * 0.42, Shaded(colour, 0.2));
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

// A possum-sized rat, about 150 long, hunched and menacing: a humped back, a pointed head low towards
// the player, red eyes, whiskers, bared yellow incisors, pink paws and a long tapering scaly tail; origin
// at its feet.
void PaintRat(Sketch& sketch, const Layer&) {
  PaintLimb(sketch, {{-56, -18}, {-100, -10}, {-130, -34}, {-170, -40}}, {12, 8, 5, 2.5}, kPink);
  // Scaly rings along the tail, which rises off the floor after its middle.
  for (int ring = 1; ring < 8; ++ring) {
    const double x = -60.0 - ring * 14;
    const double lift = ring > 3 ? -14.0 : 0.0;
    Crease(sketch, {x, -24 + lift}, {x - 2, -18 + lift}, {x, -12 + lift}, kPink, 1.2);
  }
  // Far paws, then the humped body with its coarse fur.
  sketch.Oval(30, -4, 8, 4, Shaded(kPink, 0.2));
  sketch.Oval(-30, -4, 9, 4, Shaded(kPink, 0.2));
  const QPainterPath body = SmoothOutline({{-70, -14}, {-72, -44}, {-40, -70}, {0, -72}, {34, -58}, {60, -46}, {96, -30}, {108, -22},
                                           {96, -12}, {60, -10}, {30, -6}, {-30, -4}});
  sketch.Shape(body, kRat);
  for (int tuft = 0; tuft < 9; ++tuft) {
    const double x = -50 + tuft * 11;
    const double y = -64 + std::abs(x + 10) * 0.09 - (tuft % 2) * 3;
    Crease(sketch, {x, y}, {x + 4, y + 4}, {x + 7, y + 10}, kRat, 1.6);
  }
  Sheen(sketch, {-56, -52}, {-20, -74}, {24, -64}, kRat, 3);
  // The haunch and the near legs with clawed pink paws.
  Crease(sketch, {-50, -50}, {-30, -40}, {-40, -14}, kRat, 2.4);
  PaintLimb(sketch, {{-40, -24}, {-28, -10}, {-36, -3}}, {16, 9, 6}, kRat);
  sketch.Oval(-40, -3, 10, 4, kPink);
  PaintLimb(sketch, {{44, -26}, {40, -10}, {46, -3}}, {12, 7, 5}, kRat);
  sketch.Oval(50, -3, 8, 3.5, kPink);
  // The ear, the glaring red eye, the nose, whiskers and the long yellow teeth.
  sketch.Shape(SmoothOutline({{22, -66}, {20, -84}, {36, -88}, {44, -72}, {36, -60}}), kRat);
  sketch.Shape(SmoothOutline({{26, -68}, {26, -80}, {36, -82}, {40, -72}, {34, -64}}), kPink);
  sketch.Oval(62, -44, 5, 4, kRuby);
  sketch.FlatOval(61, -45, 1.5, 1.5, kWhite);
  sketch.Stroke(Bend({54, -52}, {62, -54}, {70, -48}), kInk, 2);
  sketch.Oval(108, -24, 4, 3.5, kPink);
  sketch.Polygon({At(92, -14), At(93, -2), At(97, -2), At(97, -14)}, kPaintYellow);
  sketch.Polygon({At(97, -14), At(98, -3), At(102, -4), At(101, -15)}, kPaintYellow);
  for (int whisker = 0; whisker < 4; ++whisker) sketch.Line(100, -24, 130, -38 + whisker * 9, kInk, 0.8);
}

// A huge toad, about 220 wide, squatting three-quarter on towards the left: folded hind legs at its flanks,
// braced forelegs, a broad warty back, golden eyes with slotted pupils high on the head and a wide
// mouth. state=awake sits blocking the way, throat swelling; state=asleep has its eyes shut, dozing.
void PaintToad(Sketch& sketch, const Layer& layer) {
  const bool asleep = layer.Word("state", "awake") == "asleep";
  // The far hind leg and forefoot, darker, behind the body.
  sketch.Shape(SmoothOutline({{60, -50}, {112, -46}, {124, -10}, {100, 0}, {70, -4}}), Shaded(kToadDark, 0.1));
  PaintLimb(sketch, {{-50, -40}, {-66, -20}, {-60, -2}}, {20, 16, 14}, Shaded(kToadDark, 0.1));
  // The body: a broad lumpy back, high at the hips and sloping to the head on the left.
  const QPainterPath body = SmoothOutline({{-112, -20}, {-108, -60}, {-84, -92}, {-40, -104}, {20, -112}, {80, -100}, {114, -68},
                                           {118, -24}, {90, -2}, {-20, -2}, {-96, -4}});
  sketch.Shape(body, kToad);
  // A pale throat and belly, swelling when awake.
  sketch.Shape(SmoothOutline({{-110, -24}, {-86, -40}, {-30, -38}, {30, -30}, {80, -14}, {60, -2}, {-40, -2}, {-100, -6}}), kToadBelly);
  if (!asleep) sketch.Shape(SmoothOutline({{-104, -24}, {-80, -30}, {-56, -20}, {-66, -4}, {-96, -6}}), Shaded(kToadBelly, -0.2));
  // Warts scattered over the back, each with a lit top.
  for (int wart = 0; wart < 16; ++wart) {
    const double x = -70 + Scatter(wart + 5) * 170;
    const double y = -92 + Scatter(wart + 25) * 44 + std::abs(x) * 0.08;
    const double size = 3 + Scatter(wart + 45) * 4;
    sketch.Oval(x, y, size, size * 0.8, kToadDark);
    sketch.FlatOval(x - size * 0.3, y - size * 0.3, size * 0.35, size * 0.3, kToadBelly);
  }
  Sheen(sketch, {-80, -90}, {-20, -112}, {60, -104}, kToad, 4);
  // The near hind leg folded against the flank: the thigh's bulge, the long foot flat on the ground.
  sketch.Shape(SmoothOutline({{20, -70}, {70, -84}, {104, -56}, {96, -20}, {60, -12}, {28, -30}}), kToad);
  Crease(sketch, {40, -60}, {70, -66}, {90, -40}, kToad, 3);
  sketch.Shape(SmoothOutline({{50, -10}, {100, -14}, {120, -4}, {104, 2}, {40, 2}}), kToadDark);
  for (int toe = 0; toe < 3; ++toe) sketch.Oval(112 + toe * 6, -2 + toe, 4, 3, kToadDark);
  // The near foreleg braced under the chest, toes spread.
  PaintLimb(sketch, {{-58, -44}, {-80, -26}, {-72, -4}}, {22, 17, 14}, kToad);
  for (int toe = 0; toe < 4; ++toe) sketch.Oval(-88 + toe * 7, -2, 4.5, 3.2, kToadDark);
  // The wide mouth and the eyes high on the head.
  sketch.Stroke(Bend({-114, -34}, {-86, -28}, {-60, -48}), kInk, 2.4);
  sketch.FlatOval(-106, -52, 2, 1.5, kInk);
  for (const auto& [x, y, size] : {std::tuple{-70.0, -90.0, 15.0}, std::tuple{-102.0, -78.0, 11.0}}) {
    sketch.Oval(x, y, size, size * 0.9, kToad);
    if (asleep) {
      sketch.Stroke(Bend({x - size * 0.7, y}, {x, y + size * 0.35}, {x + size * 0.7, y}), kInk, 2.4);
    } else {
      sketch.Oval(x - 1, y - 1, size * 0.7, size * 0.65, kPaintYellow);
      sketch.FlatOval(x - 1, y - 1, size * 0.55, size * 0.16, kInk);
      sketch.FlatOval(x - size * 0.35, y - size * 0.35, size * 0.15, size * 0.15, kWhite);
      // A heavy lid over the top of the eye: it is not pleased.
      sketch.Stroke(Bend({x - size * 0.8, y - size * 0.3}, {x, y - size * 0.75}, {x + size * 0.8, y - size * 0.45}), kToadDark, 3);
    }
  }
  if (asleep) {
    sketch.Text(QRectF(-90, -150, 40, 36), QStringLiteral("z"), 22, kWhite);
    sketch.Text(QRectF(-66, -190, 50, 44), QStringLiteral("Z"), 30, kWhite);
  }
}

// One snake from its tail at the origin to its head along +x, length long and thick at most: its body
// tapering to the tail, dark bands across its back, a paler belly edge, a wedge head with a yellow eye;
// tongue puts out a forked tongue. seed bends it and chooses its colours.
void PaintSnake(Sketch& sketch, double length, double thick, int seed, bool tongue) {
  const int joints = 10;
  const double wave = 10 + 10 * Scatter(seed);
  const double phase = Scatter(seed + 7) * 6.28;
  std::vector<QPointF> spine;
  std::vector<double> widths;
  for (int joint = 0; joint <= joints; ++joint) {
    const double along = static_cast<double>(joint) / joints;
    spine.push_back({length * along, wave * std::sin(along * 7.5 + phase) * (0.4 + 0.6 * along)});
    widths.push_back(thick * std::min(1.0, 0.18 + along * 1.6) * (along > 0.92 ? 0.8 : 1.0));
  }
  const QRgb skin = seed % 3 == 0 ? kSnakeDark : seed % 3 == 1 ? kSnake : 0x7a8a3a;
  const QPainterPath body = LimbPath(spine, widths);
  sketch.Shape(body, skin);
  QPainterPath line;
  line.moveTo(spine.front());
  for (std::size_t joint = 1; joint < spine.size(); ++joint) line.lineTo(spine[joint]);
  QPainter& painter = sketch.Painter();
  if (!sketch.IsSilhouette()) {
    painter.save();
    painter.setClipPath(body, Qt::IntersectClip);
    QPen bands(QColor::fromRgb(Shaded(skin, 0.6)));
    bands.setWidthF(thick * 1.2);
    bands.setDashPattern({0.35, 0.9});
    bands.setCapStyle(Qt::FlatCap);
    painter.setPen(bands);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.restore();
    Sheen(sketch, spine[3] + QPointF(0, widths[3] * 0.3), spine[6] + QPointF(0, widths[6] * 0.35), spine[9] + QPointF(0, widths[9] * 0.3), skin, thick * 0.18);
  }
  // The head: a blunt wedge along the last stretch of the body.
  const QPointF neck = spine.back();
  const QPointF ahead = neck - spine[joints - 1];
  const double angle = std::atan2(ahead.y(), ahead.x()) * 180 / 3.14159265;
  painter.save();
  painter.translate(neck);
  painter.rotate(angle);
  const double size = thick * 0.9;
  sketch.Shape(SmoothOutline({{-size * 0.4, -size * 0.55}, {size * 0.8, -size * 0.7}, {size * 1.7, -size * 0.35}, {size * 1.9, size * 0.1},
                              {size * 1.5, size * 0.45}, {size * 0.4, size * 0.6}, {-size * 0.4, size * 0.5}}),
               skin);
  sketch.FlatOval(size * 0.95, -size * 0.28, size * 0.2, size * 0.17, kPaintYellow);
  sketch.FlatOval(size * 0.95, -size * 0.28, size * 0.06, size * 0.15, kInk);
  if (tongue) {
    sketch.Line(size * 1.85, size * 0.1, size * 2.5, size * 0.1, kRuby, 1.4);
    sketch.Line(size * 2.5, size * 0.1, size * 2.8, -size * 0.1, kRuby, 1.2);
    sketch.Line(size * 2.5, size * 0.1, size * 2.8, size * 0.3, kRuby, 1.2);
  }
  painter.restore();
}

// A floor alive with snakes across w, writhing over each other, with one large snake rearing in the middle,
// hood spread and fangs bared; origin top-left.
void PaintSnakes(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 140);
  for (int snake = 0; snake < 24; ++snake) {
    sketch.Painter().save();
    // Further back (higher) snakes are smaller.
    const double depth = Scatter(snake + 33);
    sketch.Painter().translate(Scatter(snake + 3) * width - 60, depth * height);
    sketch.Painter().rotate((Scatter(snake + 63) - 0.5) * 120);
    const double scale = 0.7 + 0.45 * depth;
    sketch.Painter().scale(scale, scale);
    PaintSnake(sketch, 120 + 60 * Scatter(snake + 93), 12 + 4 * Scatter(snake + 11), snake, snake % 4 == 0);
    sketch.Painter().restore();
  }
  if (!layer.Flag("rearing", true)) return;
  sketch.Painter().save();
  sketch.Painter().translate(width / 2, height * 0.7);
  // Coils on the floor rising into an S, the neck spread into a hood.
  PaintLimb(sketch, {{-90, 14}, {-40, 22}, {20, 16}, {40, 0}, {10, -30}}, {8, 18, 26, 28, 28}, kSnakeDark);
  PaintLimb(sketch, {{10, -30}, {-12, -70}, {8, -120}, {12, -160}}, {28, 26, 24, 22}, kSnake);
  sketch.Painter().save();
  sketch.Painter().setClipPath(LimbPath({{10, -30}, {-12, -70}, {8, -120}, {12, -160}}, {28, 26, 24, 22}), Qt::IntersectClip);
  for (int band = 0; band < 7; ++band) Crease(sketch, {-30, -40.0 - band * 18}, {4, -46.0 - band * 18}, {40, -40.0 - band * 18}, kSnake, 5);
  sketch.Painter().restore();
  Sheen(sketch, {-4, -50}, {-6, -100}, {4, -150}, kSnake, 4);
  sketch.Shape(SmoothOutline({{-28, -150}, {-20, -180}, {12, -196}, {40, -184}, {48, -150}, {30, -140}, {12, -150}, {-8, -140}}), kSnakeDark);
  sketch.Shape(SmoothOutline({{-6, -178}, {12, -198}, {32, -186}, {34, -166}, {20, -160}, {0, -162}}), kSnake);
  for (const double x : {4.0, 24.0}) {
    sketch.FlatOval(x, -184, 4.5, 3.5, kPaintYellow);
    sketch.FlatOval(x, -184, 1.3, 3.2, kInk);
  }
  // The open mouth, fangs bared and a forked tongue flicking.
  sketch.Shape(SmoothOutline({{0, -168}, {28, -168}, {24, -154}, {14, -150}, {4, -154}}), kRubyDark);
  sketch.Polygon({At(3, -167), At(6, -156), At(9, -167)}, kWhite);
  sketch.Polygon({At(19, -167), At(22, -156), At(25, -167)}, kWhite);
  sketch.Line(14, -156, 14, -140, kRuby, 2);
  sketch.Line(14, -140, 8, -132, kRuby, 2);
  sketch.Line(14, -140, 20, -132, kRuby, 2);
  sketch.Painter().restore();
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
}

}  // namespace brackenhollow::art
