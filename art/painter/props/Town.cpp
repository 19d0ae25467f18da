// Streets and paths, the tollbooth, the well, the graveyard, the junkyard, the alley and the sewer.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include <QLinearGradient>

namespace brackenhollow::art {

using namespace colours;

namespace {

// A band along a cubic curve from start to end, width wide at the start and narrowing to farShare of that
// at the end, as a road seen in perspective.
QPainterPath TaperedBand(QPointF start, QPointF control1, QPointF control2, QPointF end, double width, double farShare) {
  QPainterPath centre(start);
  centre.cubicTo(control1, control2, end);
  constexpr int kSteps = 24;
  QPolygonF left;
  QPolygonF right;
  for (int step = 0; step <= kSteps; ++step) {
    const double along = step / static_cast<double>(kSteps);
    const QPointF point = centre.pointAtPercent(along);
    const double angle = centre.angleAtPercent(along) * 3.14159265 / 180.0;
    const QPointF normal(std::sin(angle), std::cos(angle));
    const double halfWidth = width / 2 * (1 - along * (1 - farShare));
    left << point - normal * halfWidth;
    right.prepend(point + normal * halfWidth);
  }
  QPainterPath band;
  band.addPolygon(left + right);
  band.closeSubpath();
  return band;
}

// A street running across the frame from y=top, h deep, with kerbs and a dashed middle line.
void PaintStreet(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 300);
  const double height = layer.Number("h", 70);
  sketch.Box(-2, top - 10, kFrameWidth + 4, 10, kStoneLight);
  sketch.Box(-2, top, kFrameWidth + 4, height, kRoad);
  sketch.Box(-2, top + height, kFrameWidth + 4, 10, kStoneLight);
  for (double x = 10; x < kFrameWidth; x += 60) sketch.FlatBox(x, top + height / 2 - 3, 32, 6, kRoadLine);
}

// A road or path running away from us. ways says which ways it goes: n straight on to the horizon,
// w branching left, e branching right. Origin at the bottom middle; the horizon is length pixels up.
void PaintPath(Sketch& sketch, const Layer& layer) {
  const double nearWidth = layer.Number("near", 220);
  const double length = layer.Number("length", 170);
  const std::string ways = layer.Word("ways", "n");
  const QRgb colour = layer.Colour("colour", kPath);
  QPainterPath road;
  if (ways.find('n') != std::string::npos)
    road = road.united(TaperedBand(QPointF(0, 0), QPointF(0, -length * 0.4), QPointF(0, -length * 0.7), QPointF(0, -length), nearWidth, 0.1));
  if (ways.find('w') != std::string::npos || ways.find('e') != std::string::npos) {
    // Where the ways cross the road widens, so the branches join it without notches.
    QPainterPath junction;
    junction.addEllipse(QPointF(0, -length * 0.56), nearWidth * 0.3, length * 0.12);
    road = road.united(junction);
  }
  for (int side = -1; side <= 1; side += 2) {
    if (ways.find(side < 0 ? 'w' : 'e') == std::string::npos) continue;
    road = road.united(TaperedBand(QPointF(0, 0), QPointF(0, -length * 0.45), QPointF(side * length * 0.35, -length * 0.62),
                                   QPointF(side * kFrameWidth * 0.62, -length * 0.66), nearWidth, 0.22));
  }
  sketch.Shape(road, colour);
  if (layer.Flag("lines", false)) {
    for (int dash = 0; dash < 6; ++dash) {
      const double along = dash / 6.0;
      const double y = -along * length * 0.9;
      const double size = 1 - along;
      sketch.FlatBox(-2 * size - 1, y - 14 * size - 2, 4 * size + 2, 12 * size + 2, kRoadLine);
    }
  }
}

// The tollbooth seen three-quarter on: a little cabin on a kerbed island, its front with a wide window over
// the counter and the coin box, its side running back with a door, a flat roof with a deep fascia, and the
// sign on posts above it. sign is the sign's text; barrier=down lowers the striped arms across the lanes on
// either side, barrier=up raises them. Origin at the middle of the front's foot; the coin slot lies at
// (-22..22, -52..-24).
void PaintTollbooth(Sketch& sketch, const Layer& layer) {
  const bool down = layer.Word("barrier", "down") == "down";
  const QString sign = QString::fromStdString(layer.Word("sign", "1 COIN"));
  const bool paid = sign == QStringLiteral("PAID");
  QPainter& painter = sketch.Painter();
  constexpr double kFront = 62;    // half the front's width
  constexpr double kHeight = 140;  // the cabin's walls
  constexpr double kSideX = 40;    // how far the side runs back across the frame
  constexpr double kSideRise = 16; // and up it, towards the horizon
  // The island: a raised slab of concrete with black and yellow kerbs.
  const QPainterPath island = PathThrough({At(-kFront - 40, 8), At(kFront + 30, 8), At(kFront + kSideX + 50, -kSideRise - 10),
                                           At(-kFront - 10, -kSideRise - 10)});
  sketch.Shape(island, kStoneLight);
  const QPainterPath kerb = PathThrough({At(-kFront - 40, 8), At(kFront + 30, 8), At(kFront + 30, 16), At(-kFront - 40, 16)});
  sketch.Shape(kerb, kPaintYellow);
  painter.save();
  painter.setClipPath(kerb);
  for (double x = -kFront - 40; x < kFront + 30; x += 20)
    sketch.FlatPolygon({At(x, 16), At(x + 10, 16), At(x + 18, 8), At(x + 8, 8)}, kInk);
  painter.restore();
  // The side wall, in shade, running back with its narrow door.
  const QPainterPath side = PathThrough({At(kFront, 0), At(kFront + kSideX, -kSideRise), At(kFront + kSideX, -kHeight - kSideRise), At(kFront, -kHeight)});
  sketch.Shape(side, 0xc8a860);
  sketch.Polygon({At(kFront + 10, -2), At(kFront + 30, -10), At(kFront + 30, -kHeight * 0.72 - 10), At(kFront + 10, -kHeight * 0.72 - 2)}, 0x8a6a3a);
  sketch.Oval(kFront + 26, -kHeight * 0.36 - 8, 1.6, 2, kGold);
  // The front: cream boards, a wide window over a counter, the coin box under it.
  sketch.Box(-kFront, -kHeight, kFront * 2, kHeight, kHouseYellow);
  for (double y = -kHeight + 14; y < 0; y += 14) {
    painter.setPen(QPen(QColor(0x8a, 0x70, 0x40, 70), 0.8));
    painter.drawLine(QPointF(-kFront + 1, y), QPointF(kFront - 1, y));
  }
  QLinearGradient glass(-kFront, -kHeight + 14, kFront, -64);
  glass.setColorAt(0, QColor::fromRgb(0xd8ecf6));
  glass.setColorAt(0.45, QColor::fromRgb(0x7c9cb8));
  glass.setColorAt(1, QColor::fromRgb(0x4a5a74));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glass);
  painter.drawRect(QRectF(-kFront + 10, -kHeight + 14, kFront * 2 - 20, kHeight - 82));
  // Inside, dim: the attendant's empty stool and a cash drawer.
  painter.setBrush(QColor(0x2a, 0x30, 0x40, 110));
  painter.drawRect(QRectF(-kFront + 10, -88, kFront * 2 - 20, 20));
  painter.setBrush(QColor(255, 255, 255, 70));
  painter.drawPolygon(QPolygonF({QPointF(-kFront + 18, -kHeight + 14), QPointF(-kFront + 40, -kHeight + 14), QPointF(-kFront + 14, -70), QPointF(-kFront + 10, -70), QPointF(-kFront + 10, -100)}));
  painter.drawPolygon(QPolygonF({QPointF(-kFront + 50, -kHeight + 14), QPointF(-kFront + 58, -kHeight + 14), QPointF(-kFront + 30, -68), QPointF(-kFront + 22, -68)}));
  sketch.Outline(RoundedBox(-kFront + 10, -kHeight + 14, kFront * 2 - 20, kHeight - 82, 0));
  sketch.Line(0, -kHeight + 14, 0, -68, 0xf4f0e6, 3);
  sketch.Box(-kFront - 4, -70, kFront * 2 + 8, 8, kWoodDark);
  // The coin box with its slot and the word COINS on it.
  sketch.Box(-22, -52, 44, 28, kMetalDark);
  sketch.FlatBox(-12, -45, 24, 4, kBlack);
  sketch.Text(QRectF(-22, -38, 44, 12), QStringLiteral("COINS"), 8, kWhite);
  // The roof: a slab overhanging front and side, its fascia catching the light.
  sketch.Polygon({At(-kFront - 10, -kHeight), At(kFront + 10, -kHeight), At(kFront + kSideX + 12, -kHeight - kSideRise - 2),
                  At(kFront + kSideX + 12, -kHeight - kSideRise - 14), At(-kFront + kSideX - 8, -kHeight - kSideRise - 14),
                  At(-kFront - 10, -kHeight - 12)},
                 0x5a5f6e);
  sketch.Box(-kFront - 10, -kHeight - 12, kFront * 2 + 20, 14, kHouseRed);
  sketch.Polygon({At(kFront + 10, -kHeight + 2), At(kFront + kSideX + 12, -kHeight - kSideRise), At(kFront + kSideX + 12, -kHeight - kSideRise - 12), At(kFront + 10, -kHeight - 12)}, 0x8a3028);
  // The sign on two posts above the roof.
  sketch.Box(-40, -kHeight - 40, 5, 30, kIron);
  sketch.Box(35, -kHeight - 40, 5, 30, kIron);
  sketch.Box(-66, -kHeight - 82, 132, 44, paid ? kGraffitiGreen : kPaper);
  sketch.Text(QRectF(-66, -kHeight - 82, 132, 44), sign, 24, paid ? kWhite : kCrimson);
  // The barriers: a post with its motor box each side, the striped arm pivoting on it, a red disc hanging
  // from it when lowered.
  for (int sideSign = -1; sideSign <= 1; sideSign += 2) {
    const double postX = sideSign < 0 ? -kFront - 30 : kFront + kSideX + 26;
    const double postFoot = sideSign < 0 ? 4 : -kSideRise - 4;
    sketch.Box(postX - 9, postFoot - 54, 18, 54, kPaintYellow);
    sketch.Box(postX - 12, postFoot - 62, 24, 10, kIron);
    painter.save();
    painter.translate(postX, postFoot - 48);
    painter.rotate(sideSign * (down ? 0 : -80));
    const double length = 190;
    const double from = sideSign < 0 ? -length : 0;
    sketch.Box(from, -5, length, 10, kWhite);
    for (int stripe = 0; stripe < 6; ++stripe)
      sketch.FlatBox(from + 12 + stripe * 30, -4, 14, 8, kRuby);
    // A counterweight behind the pivot.
    sketch.Box(sideSign < 0 ? 4 : -24, -8, 20, 16, kIron);
    if (down) {
      const double discX = sideSign * length * 0.55;
      sketch.Line(discX, 5, discX, 18, kIron, 1.2);
      sketch.Oval(discX, 28, 10, 10, kRuby);
      sketch.FlatBox(discX - 6, 26, 12, 4, kWhite);
    }
    painter.restore();
  }
}

// Wooden power poles with sagging wires across the frame; count poles, the tops at y=0; origin at left.
void PaintPowerLines(Sketch& sketch, const Layer& layer) {
  const int poles = static_cast<int>(layer.Number("count", 3));
  const double height = layer.Number("h", 200);
  const double spacing = layer.Number("spacing", 260);
  for (int pole = 0; pole < poles; ++pole) {
    const double x = pole * spacing;
    sketch.Box(x - 5, 0, 10, height, kWoodDark);
    sketch.Box(x - 40, 14, 80, 8, kWoodDark);
    if (pole + 1 < poles) {
      for (int wire = 0; wire < 3; ++wire) {
        QPainterPath line;
        const double wireX = -34 + wire * 34;
        line.moveTo(x + wireX, 14);
        line.quadTo(x + spacing / 2 + wireX, 50, x + spacing + wireX, 14);
        sketch.Stroke(line, kInk, 1.8);
      }
    }
  }
}

// A tombstone about 90 x 110 with an inscription; cross=yes gives it a cross instead; origin at its foot.
void PaintTombstone(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 90);
  const double height = layer.Number("h", 110);
  if (layer.Flag("cross", false)) {
    sketch.Box(-8, -height, 16, height, kStoneLight);
    sketch.Box(-width * 0.3, -height * 0.78, width * 0.6, 14, kStoneLight);
    return;
  }
  QPainterPath stone;
  stone.moveTo(-width / 2, 0);
  stone.lineTo(-width / 2, -height + width / 2);
  stone.arcTo(QRectF(-width / 2, -height, width, width), 180, -180);
  stone.lineTo(width / 2, 0);
  stone.closeSubpath();
  sketch.Shape(stone, kStoneLight);
  const QString text = QString::fromStdString(layer.Word("text", "R.I.P."));
  sketch.Text(QRectF(-width / 2 + 6, -height + 18, width - 12, height - 30), text, layer.Number("size", 13), kStoneDark);
}

// A grave plot in front of its stone, about 180 wide; state=fresh is a soft mound, state=dug a deep hole
// with the dirt thrown up beside it; origin at the centre of the plot.
void PaintGrave(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 180);
  const std::string state = layer.Word("state", "fresh");
  if (state == "dug") {
    // The hole seen from above at a slant: its far inside wall lit, side walls darker, the bottom in shadow.
    const double near = width / 2 + 20;
    const double far = width / 2;
    sketch.Polygon({At(-far - 8, -26), At(far + 8, -26), At(near + 8, 36), At(-near - 8, 36)}, kDirtDark);
    const QPainterPath mouth = PathThrough({At(-far, -20), At(far, -20), At(near, 30), At(-near, 30)});
    sketch.Fill(mouth, kBlack);
    sketch.Painter().save();
    sketch.Painter().setClipPath(mouth);
    QLinearGradient wall(0, -20, 0, 30);
    wall.setColorAt(0.0, QColor::fromRgb(kDirt));
    wall.setColorAt(0.75, QColor::fromRgb(0x2a1c12));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(wall);
    sketch.Painter().drawPolygon(QPolygonF({At(-far, -20), At(far, -20), At(far * 0.8, 24), At(-far * 0.8, 24)}));
    sketch.FlatPolygon({At(-far, -20), At(-far * 0.8, 24), At(-near, 30)}, kDirtDark);
    sketch.FlatPolygon({At(far, -20), At(far * 0.8, 24), At(near, 30)}, 0x4a3020);
    for (int mark = 0; mark < 5; ++mark) {
      const double x = -far * 0.7 + mark * far * 0.35;
      sketch.Line(x, -16, x + 6, 4, kDirtDark, 3);
    }
    sketch.Painter().restore();
    sketch.Outline(mouth);
    QPainterPath pile;
    pile.moveTo(width / 2 + 10, 44);
    pile.cubicTo(width / 2 + 30, -60, width / 2 + 110, -90, width / 2 + 160, 44);
    pile.closeSubpath();
    sketch.Shape(pile, kDirt);
    for (int clod = 0; clod < 10; ++clod)
      sketch.Oval(width / 2 + 40 + clod * 10, 20 - (clod % 4) * 16, 6, 4, clod % 2 ? kDirtDark : kDirtLight);
    return;
  }
  QPainterPath mound;
  mound.moveTo(-width / 2 - 20, 30);
  mound.cubicTo(-width / 2, -34, width / 2, -34, width / 2 + 20, 30);
  mound.closeSubpath();
  sketch.Shape(mound, kDirtLight);
  for (int clod = 0; clod < 10; ++clod) sketch.FlatOval(-width * 0.4 + clod * width * 0.09, -4 + (clod % 3) * 8, 5, 3, kDirt);
}

// The heavy iron cover in perspective, r across, its thickness showing as an edge, a grid cast on top.
void PaintManholeCover(Sketch& sketch, double x, double y, double radius) {
  sketch.Oval(x, y + radius * 0.06, radius, radius * 0.42, kIron);
  sketch.Oval(x, y, radius, radius * 0.42, kMetalDark);
  QPainterPath top;
  top.addEllipse(QPointF(x, y), radius * 0.86, radius * 0.36);
  sketch.Painter().save();
  sketch.Painter().setClipPath(top);
  for (int bar = -4; bar <= 4; ++bar) {
    sketch.Line(x + bar * radius * 0.2, y - radius * 0.4, x + bar * radius * 0.2, y + radius * 0.4, kIron, radius * 0.04 + 1);
    sketch.Line(x - radius, y + bar * radius * 0.09, x + radius, y + bar * radius * 0.09, kIron, radius * 0.02 + 1);
  }
  sketch.Painter().restore();
  sketch.Outline(top);
  sketch.Oval(x - radius * 0.55, y, 4, 3, kBlack);
}

// A manhole r across in the ground, in perspective; state=closed shows the heavy cover, state=open the
// shaft with a ladder going down and the cover pushed aside; origin at the centre.
void PaintManhole(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 80);
  const bool open = layer.Word("state", "closed") == "open";
  if (!open) {
    PaintManholeCover(sketch, 0, 0, radius);
    return;
  }
  // The open shaft, its rim, the ladder going down into the dark, and the cover dragged aside.
  sketch.Oval(0, 0, radius, radius * 0.42, kRoadDark);
  QPainterPath shaft;
  shaft.addEllipse(QPointF(0, 0), radius * 0.86, radius * 0.34);
  sketch.Fill(shaft, kBlack);
  sketch.Painter().save();
  sketch.Painter().setClipPath(shaft);
  // The shaft's far wall going down: courses of brick curving round it, fading into the dark.
  QLinearGradient wall(0, -radius * 0.34, 0, radius * 0.3);
  wall.setColorAt(0.0, QColor::fromRgb(kBrick));
  wall.setColorAt(0.55, QColor::fromRgb(kBrickDark).darker(160));
  wall.setColorAt(1.0, QColor::fromRgb(kBlack));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(wall);
  sketch.Painter().drawRect(QRectF(-radius, -radius * 0.4, radius * 2, radius * 0.8));
  for (int course = 1; course < 8; ++course) {
    QPainterPath ring;
    ring.addEllipse(QPointF(0, course * radius * 0.075), radius * 0.86, radius * 0.34);
    sketch.Painter().setOpacity(0.6 * (1.0 - course / 8.0));
    sketch.Stroke(ring, kInk, 1.5);
  }
  sketch.Painter().setOpacity(1.0);
  sketch.Line(-radius * 0.3, -radius * 0.36, -radius * 0.24, radius * 0.4, kMetal, 5);
  sketch.Line(radius * 0.3, -radius * 0.36, radius * 0.24, radius * 0.4, kMetal, 5);
  for (int rung = 0; rung < 5; ++rung) {
    const double y = -radius * 0.26 + rung * radius * 0.12;
    sketch.Painter().setOpacity(1.0 - rung * 0.18);
    sketch.Line(-radius * 0.29 + rung * 2, y, radius * 0.29 - rung * 2, y, rung < 2 ? kMetal : kMetalDark, 4);
  }
  sketch.Painter().setOpacity(1.0);
  sketch.Painter().restore();
  sketch.Outline(shaft);
  PaintManholeCover(sketch, radius * 1.55, radius * 0.45, radius * 0.85);
}

// A metal trash can about 90 x 120; state=closed keeps the lid on, state=empty shows it open with its lid
// leaning on it (what lies inside is painted over it); origin at its foot.
void PaintTrashCan(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 90);
  const double height = layer.Number("h", 120);
  const std::string state = layer.Word("state", "closed");
  sketch.Polygon({At(-width / 2, -height), At(width / 2, -height), At(width * 0.42, 0), At(-width * 0.42, 0)}, kMetal);
  for (int rib = 1; rib < 4; ++rib) sketch.InkLine(-width / 2 + rib * 2, -height + rib * height / 4, width / 2 - rib * 2, -height + rib * height / 4);
  if (state == "closed") {
    sketch.Oval(0, -height, width / 2 + 6, 12, kMetalDark);
    sketch.Oval(0, -height - 12, 14, 6, kMetal);
    return;
  }
  sketch.Oval(0, -height, width / 2, 14, kShadow);
  sketch.Painter().save();
  sketch.Painter().translate(width * 0.9, -height * 0.4);
  sketch.Painter().rotate(70);
  sketch.Oval(0, 0, width / 2 + 6, 12, kMetalDark);
  sketch.Painter().restore();
}

// The inside of a round sewer pipe filling the frame, running away from the eye: the concrete darkening with
// distance, its joints closing up, slime along the sewage line and streaks where it drips. opening=top lets
// daylight down a shaft with a ladder; exit=north shows the light of a way out far ahead.
void PaintSewer(Sketch& sketch, const Layer& layer) {
  const QPointF centre(kFrameWidth / 2.0, kFrameHeight * 0.48);
  const bool exit = layer.Word("exit", "") == "north";
  const bool opening = layer.Word("opening", "") == "top";
  QPainter& painter = sketch.Painter();

  // The pipe wall: pale near the eye, black where it runs out of sight.
  painter.save();
  painter.translate(centre);
  painter.scale(1.0, 0.78);
  QRadialGradient wall(QPointF(0, 0), kFrameWidth * 0.62);
  wall.setColorAt(0.0, QColor(exit ? kStoneDark : kBlack));
  wall.setColorAt(0.1, QColor(kGloom));
  wall.setColorAt(0.45, QColor(kStoneDark).darker(130));
  wall.setColorAt(1.0, QColor(kStone));
  painter.setPen(Qt::NoPen);
  painter.setBrush(wall);
  painter.drawRect(QRectF(-kFrameWidth, -kFrameHeight, kFrameWidth * 2, kFrameHeight * 2));
  painter.restore();

  // Joints between the pipe's sections, closer together as they go.
  for (int joint = 0; joint < 9; ++joint) {
    const double scale = 1.0 / (1.0 + joint * 0.55);
    QPainterPath ring;
    ring.addEllipse(centre, kFrameWidth * 0.6 * scale, kFrameWidth * 0.6 * 0.78 * scale);
    sketch.Stroke(ring, joint < 4 ? kInk : kShadow, std::max(1.0, 3.0 * scale));
  }
  // Stains where water drips down the upper wall.
  painter.save();
  painter.setOpacity(0.45);
  for (int streak = 0; streak < 12; ++streak) {
    const double angle = 3.5 + streak * 0.22;
    const double scale = 0.55 + 0.4 * Scatter(streak + 3);
    const double x = centre.x() + std::cos(angle) * kFrameWidth * 0.6 * scale;
    const double y = centre.y() + std::sin(angle) * kFrameWidth * 0.47 * scale;
    sketch.Line(x, y, x + (centre.x() - x) * 0.06, y + 30 * scale + 20 * Scatter(streak), kFilthDark, 6 * scale);
  }
  painter.restore();

  // The far end: black, or the daylight of the way out.
  if (exit) {
    sketch.Oval(centre.x(), centre.y(), 34, 27, kSkyPale);
    sketch.Glow(centre.x(), centre.y(), 150, kGlowPale, 0.6);
  } else {
    sketch.FlatOval(centre.x(), centre.y(), 30, 24, kBlack);
  }

  // Sewage along the bottom, with slime at its edge and ripples closing up in the distance.
  const QPointF nearLeft(-40, kFrameHeight);
  const QPointF nearRight(kFrameWidth + 40, kFrameHeight);
  sketch.FlatPolygon({nearLeft, At(centre.x() - 26, centre.y() + 22), At(centre.x() + 26, centre.y() + 22), nearRight}, kSewage);
  sketch.Line(nearLeft.x(), nearLeft.y(), centre.x() - 26, centre.y() + 22, kFilth, 8);
  sketch.Line(nearRight.x(), nearRight.y(), centre.x() + 26, centre.y() + 22, kFilth, 8);
  for (int ripple = 0; ripple < 7; ++ripple) {
    const double y = centre.y() + 30 + ripple * ripple * 4.2;
    const double half = 14 + (y - centre.y()) * 1.5;
    sketch.Line(centre.x() - half * (0.3 + 0.3 * Scatter(ripple)), y, centre.x() + half * (0.2 + 0.35 * Scatter(ripple + 9)), y,
                kFilthDark, 1 + ripple * 0.4);
  }
  // The way out's light glinting on the sewage, wider as it comes nearer; ripples break the reflection
  // into wavering flecks of uneven length and place, not a dashed line.
  for (int glint = 0; exit && glint < 7; ++glint) {
    const double y = centre.y() + 30 + glint * glint * 4.2 + 6;
    const double half = 3 + glint * 3.5;
    for (int fleck = 0; fleck < 3; ++fleck) {
      const double from = centre.x() - half + (sketch.Vary(glint * 5 + fleck) * 1.4 - 0.2) * half;
      const double length = half * (0.2 + 0.4 * sketch.Vary(glint * 5 + fleck + 40));
      QPainterPath wave;
      wave.moveTo(from, y + fleck * 1.5);
      wave.quadTo(from + length / 2, y + fleck * 1.5 - 1.5 - glint * 0.3, from + length, y + fleck * 1.5);
      sketch.Painter().save();
      sketch.Painter().setOpacity(0.45 + 0.4 * sketch.Vary(glint * 5 + fleck + 80));
      sketch.Stroke(wave, kGlowPale, 0.8 + glint * 0.25);
      sketch.Painter().restore();
    }
  }

  if (opening) {
    // A round shaft in the roof near the eye, daylight falling down it onto the sewage.
    sketch.Oval(centre.x(), 14, 70, 26, kSkyPale);
    sketch.LightCone(centre.x(), 14, 60, kFrameHeight * 0.82, 110, kGlowPale, 0.7);
    sketch.LightPool(centre.x(), kFrameHeight * 0.82, 120, 26, kGlowPale, 0.6);
    for (int side = -1; side <= 1; side += 2)
      sketch.Line(centre.x() + side * 26, 0, centre.x() + side * 30, kFrameHeight * 0.8, kMetalDark, 6);
    for (int rung = 0; rung < 8; ++rung) {
      const double y = 24 + rung * 36;
      sketch.Line(centre.x() - 27 - rung * 0.5, y, centre.x() + 27 + rung * 0.5, y, kMetal, 4);
    }
  }
}

// A signpost with a board of text, about 120 high; origin at its foot.
void PaintSign(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 110);
  sketch.Box(-5, -110, 10, 110, kWoodDark);
  sketch.Box(-width / 2, -130, width, 40, kWoodLight);
  sketch.Text(QRectF(-width / 2, -130, width, 40), QString::fromStdString(layer.Word("text", "")), layer.Number("size", 14), kInk);
}

// Looking down into the well: a ring of stones closing in on dark water far below, with a coin glinting.
void PaintWellShaft(Sketch& sketch, const Layer&) {
  // Grass round the well, seen from beside it and above.
  sketch.FlatBox(0, 0, kFrameWidth, kFrameHeight, kGrassDark);
  for (int tuft = 0; tuft < 30; ++tuft) {
    const double x = Scatter(tuft + 300) * kFrameWidth;
    const double y = Scatter(tuft + 400) * 120;
    sketch.Line(x, y, x - 4, y - 10, kGrass, 2);
    sketch.Line(x, y, x + 3, y - 11, kGrass, 2);
  }
  const QPointF centre(kFrameWidth / 2.0, 190);
  const double outerX = 250;
  const double outerY = 100;
  const double innerX = 196;
  const double innerY = 74;
  // The round stone wall coming towards us, down out of the frame, in courses of blocks.
  QPainterPath body;
  body.moveTo(centre.x() - outerX, centre.y());
  body.lineTo(centre.x() - outerX, kFrameHeight + 10);
  body.lineTo(centre.x() + outerX, kFrameHeight + 10);
  body.lineTo(centre.x() + outerX, centre.y());
  body.arcTo(QRectF(centre.x() - outerX, centre.y() - outerY, outerX * 2, outerY * 2), 0, -180);
  body.closeSubpath();
  sketch.Shape(body, kStone);
  for (int course = 1; course < 5; ++course) {
    const double drop = course * 46;
    QPainterPath joint;
    joint.moveTo(centre.x() - outerX, centre.y() + drop);
    joint.quadTo(centre.x(), centre.y() + drop + outerY * 2, centre.x() + outerX, centre.y() + drop);
    sketch.Stroke(joint, kStoneDark, 2);
    for (int block = 0; block < 7; ++block) {
      const double along = (block + (course % 2) * 0.5) / 7.0;
      const double x = centre.x() - outerX + along * outerX * 2;
      const double bulge = std::sin(along * 3.14159) * outerY * 0.9;
      sketch.Line(x, centre.y() + drop - 46 + bulge, x, centre.y() + drop + bulge, kStoneDark, 2);
    }
  }
  // The rim's top, a ring of capstones.
  QPainterPath rim;
  rim.addEllipse(centre, outerX, outerY);
  QPainterPath mouth;
  mouth.addEllipse(centre + QPointF(0, 4), innerX, innerY);
  sketch.Shape(rim.subtracted(mouth), kStoneLight);
  for (int stone = 0; stone < 18; ++stone) {
    const double angle = stone * 6.28318 / 18;
    sketch.InkLine(centre.x() + std::cos(angle) * innerX, centre.y() + 4 + std::sin(angle) * innerY,
                   centre.x() + std::cos(angle) * outerX, centre.y() + std::sin(angle) * outerY);
  }
  // Down the shaft: the far inside wall in courses that shrink and darken with depth to black, and far
  // below a small disc of dark water catching a glint of sky.
  sketch.Painter().save();
  sketch.Painter().setClipPath(mouth);
  QLinearGradient depth(0, centre.y() - innerY, 0, centre.y() + innerY);
  depth.setColorAt(0.0, QColor::fromRgb(kStoneDark));
  depth.setColorAt(0.55, QColor::fromRgb(0x2a2824));
  depth.setColorAt(1.0, QColor::fromRgb(kBlack));
  sketch.Painter().setPen(Qt::NoPen);
  sketch.Painter().setBrush(depth);
  sketch.Painter().drawEllipse(centre + QPointF(0, 4), innerX, innerY);
  for (int course = 1; course <= 7; ++course) {
    const double shrink = 1.0 - course * 0.1;
    QPainterPath ring;
    ring.addEllipse(centre + QPointF(0, 4 + course * 9), innerX * shrink, innerY * shrink);
    sketch.Painter().setOpacity(1.0 - course * 0.12);
    sketch.Stroke(ring, kStone, 1.6);
  }
  sketch.Painter().setOpacity(1.0);
  sketch.Oval(centre.x(), centre.y() + 70, 56, 18, kDeepWater);
  sketch.FlatOval(centre.x() - 14, centre.y() + 66, 20, 4, kSeaLight);
  sketch.Painter().restore();
  sketch.Outline(mouth);
  // The posts of the well's little roof and its crank axle, with no rope and no bucket.
  for (const double side : {-1.0, 1.0}) sketch.Box(centre.x() + side * (outerX - 20) - 14, -10, 28, centre.y() - 10, kWood);
  sketch.Box(centre.x() - outerX + 6, 30, outerX * 2 - 12, 16, kWoodDark);
  sketch.Line(centre.x() + outerX + 14, 38, centre.x() + outerX + 30, 70, kIron, 7);
  sketch.Box(centre.x() + outerX + 24, 64, 24, 12, kWoodDark);
}

}  // namespace

void RegisterTownProps(PropRegistry& registry) {
  registry.Add("street", PaintStreet);
  registry.Add("path", PaintPath);
  registry.Add("tollbooth", PaintTollbooth, 70);
  RegisterStreetProps(registry);
  registry.Add("power-lines", PaintPowerLines);
  registry.Add("tombstone", PaintTombstone, 45);
  registry.Add("grave", PaintGrave);
  registry.Add("manhole", PaintManhole);
  registry.Add("trash-can", PaintTrashCan, 45);
  registry.Add("sewer", PaintSewer);
  registry.Add("sign", PaintSign, 20);
  registry.Add("well-shaft", PaintWellShaft);
}

}  // namespace brackenhollow::art
