// The player's house seen from its sides and back: a gable-ended wall of lap siding in two-point perspective
// with a curtained window mirroring the sky, picket fences running away across the lawn, the tool shed
// three-quarter on, the old stone well with its moss.
#include "art/painter/props/Kit.h"
#include "art/painter/props/Plane.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {

using namespace colours;


QRgb Darker(QRgb colour, double share) {
  return qRgb(static_cast<int>(qRed(colour) * (1 - share)), static_cast<int>(qGreen(colour) * (1 - share)),
              static_cast<int>(qBlue(colour) * (1 - share * 0.6)));
}

// A window w x h at (x, y) in a wall's own units: white frame and sill, glass mirroring the sky and a tree,
// a sash bar, curtains of the colour tied back inside (none when curtains is 0).
void PaintHouseWindow(Sketch& sketch, double x, double y, double width, double height, QRgb curtains, std::uint32_t seed) {
  QPainter& painter = sketch.Painter();
  sketch.Box(x - 8, y - 8, width + 16, height + 16, kHouseWhite);
  QLinearGradient glass(x, y, x, y + height);
  glass.setColorAt(0, QColor::fromRgb(0xb8d8f0));
  glass.setColorAt(0.55, QColor::fromRgb(0x6a8aa8));
  glass.setColorAt(1, QColor::fromRgb(0x3a4a60));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glass);
  painter.drawRect(QRectF(x, y, width, height));
  // The room behind the glass, dim, and the curtains hanging in it.
  painter.setBrush(WithAlpha(0x2a2230, 0.35));
  painter.drawRect(QRectF(x, y + height * 0.45, width, height * 0.55));
  if (curtains != 0) {
    for (const double side : {-1.0, 1.0}) {
      const double edge = side < 0 ? x : x + width;
      QPainterPath drape;
      drape.moveTo(edge, y);
      drape.lineTo(edge - side * width * 0.34, y);
      drape.quadTo(edge - side * width * 0.12, y + height * 0.5, edge - side * width * 0.22, y + height);
      drape.lineTo(edge, y + height);
      drape.closeSubpath();
      sketch.Fill(drape, curtains);
      for (int fold = 1; fold < 4; ++fold) {
        const double foldX = edge - side * width * 0.08 * fold;
        painter.setPen(QPen(WithAlpha(Darker(curtains, 0.4), 0.6), 1.2));
        painter.drawLine(QPointF(foldX, y + 2), QPointF(foldX - side * 2, y + height - 2));
      }
      painter.setPen(Qt::NoPen);
      sketch.FlatBox(edge - side * width * 0.2 - 3, y + height * 0.5, 6, 5, kTwine);
    }
  }
  // The sky and a tree mirrored in the glass, and the bright streaks of the pane.
  painter.setBrush(WithAlpha(0x4a6a40, 0.45));
  const double treeX = x + width * (0.55 + 0.3 * LatticeValue(1, 2, seed));
  painter.drawEllipse(QPointF(treeX, y + height * 0.4), width * 0.22, height * 0.2);
  painter.setBrush(WithAlpha(kWhite, 0.4));
  painter.drawPolygon(QPolygonF({QPointF(x + width * 0.1, y), QPointF(x + width * 0.34, y), QPointF(x, y + height * 0.5), QPointF(x, y + height * 0.2)}));
  painter.setBrush(WithAlpha(kWhite, 0.25));
  painter.drawPolygon(QPolygonF({QPointF(x + width * 0.5, y), QPointF(x + width * 0.58, y), QPointF(x + width * 0.14, y + height), QPointF(x + width * 0.06, y + height)}));
  sketch.Outline(RoundedBox(x, y, width, height, 0));
  sketch.Line(x + width / 2, y, x + width / 2, y + height, kHouseWhite, 5);
  sketch.Line(x, y + height / 2, x + width, y + height / 2, kHouseWhite, 5);
  sketch.Box(x - 14, y + height + 6, width + 28, 9, kHouseWhite);
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x2a2230, 0.25));
  painter.drawRect(QRectF(x - 12, y + height + 15, width + 24, 6));
}

// The gable end of the house in two-point perspective: lap siding in courses with a shadow under each board,
// corner boards, a stone foundation, the gable rising to its peak under bargeboards with an attic vent, a
// window at window-at (0 near, 1 far) with curtains=, a downpipe at the far corner. The wall's near edge
// stands at near-x from near-top to near-bottom, its far edge at far-x from far-top to far-bottom; colour=
// the siding's. Origin at the frame's top left.
void PaintSideWall(Sketch& sketch, const Layer& layer) {
  const double nearX = layer.Number("near-x", 0);
  const double nearTop = layer.Number("near-top", 60);
  const double nearBottom = layer.Number("near-bottom", 340);
  const double farX = layer.Number("far-x", 400);
  const double farTop = layer.Number("far-top", 120);
  const double farBottom = layer.Number("far-bottom", 300);
  const QRgb colour = layer.Colour("colour", kHouseYellow);
  const double windowAt = layer.Number("window-at", 0.45);
  const QRgb curtains = layer.Has("curtains") ? layer.Colour("curtains", kShirtRed) : 0;
  const double gable = layer.Number("gable", 0.5);  // the gable's height over the wall's
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  constexpr double kLength = 600;
  constexpr double kHeight = 300;
  const double gableHeight = kHeight * gable;
  QPolygonF quad;
  quad << QPointF(nearX, nearTop) << QPointF(farX, farTop) << QPointF(farX, farBottom) << QPointF(nearX, nearBottom);
  const QTransform onto = PlaneOnto(QRectF(0, 0, kLength, kHeight), quad);
  painter.save();
  painter.setTransform(onto, true);
  if (gableHeight > 0) {
    // The roof's slopes showing behind the gable, running back from its edges.
    QPainterPath roofSlope = PathThrough({At(-30, 10), At(kLength / 2, -gableHeight - 12), At(kLength / 2 + 40, -gableHeight - 30), At(-10, -10)});
    sketch.Shape(roofSlope, kRoof);
    QPainterPath farSlope = PathThrough({At(kLength + 30, 10), At(kLength / 2, -gableHeight - 12), At(kLength / 2 + 50, -gableHeight - 26), At(kLength + 60, -4)});
    sketch.Shape(farSlope, Darker(kRoof, 0.25));
  } else {
    // An eaves wall: the roof climbs away above it in courses of shingles.
    QPainterPath roof = PathThrough({At(-30, 14), At(kLength + 30, 14), At(kLength + 10, -150), At(-10, -150)});
    sketch.Shape(roof, kRoof);
    painter.save();
    painter.setClipPath(roof);
    for (double y = 0; y > -150; y -= 16) {
      painter.setPen(QPen(WithAlpha(0x2a1410, 0.55), 1.0));
      painter.drawLine(QPointF(-30, y), QPointF(kLength + 30, y));
      for (double x = -30 + (static_cast<int>(-y / 16) % 2) * 12; x < kLength + 30; x += 24) painter.drawLine(QPointF(x, y), QPointF(x, y + 16));
    }
    painter.restore();
  }
  // The wall with its gable, clad in lap boards.
  QPainterPath wall = PathThrough({At(0, 0), At(kLength / 2, -gableHeight), At(kLength, 0), At(kLength, kHeight), At(0, kHeight)});
  sketch.Fill(wall, colour);
  painter.save();
  painter.setClipPath(wall);
  const double board = 15;
  for (double y = -gableHeight + board; y < kHeight; y += board) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(0x5a4020, 0.22));
    painter.drawRect(QRectF(0, y - 3, kLength, 3));
    painter.setBrush(WithAlpha(kWhite, 0.18));
    painter.drawRect(QRectF(0, y, kLength, 2));
  }
  // Weathering: the siding paler high up where the sun bleaches it, a green tinge near the ground.
  QLinearGradient weather(0, -gableHeight, 0, kHeight);
  weather.setColorAt(0, WithAlpha(kWhite, 0.15));
  weather.setColorAt(0.8, WithAlpha(kWhite, 0));
  weather.setColorAt(1, WithAlpha(0x4a6a30, 0.25));
  painter.setBrush(weather);
  painter.drawRect(QRectF(0, -gableHeight, kLength, kHeight + gableHeight));
  painter.restore();
  sketch.Outline(wall);
  // The attic vent in the gable: louvres behind a white frame.
  if (gableHeight > 40) {
  QPainterPath vent = PathThrough({At(kLength / 2 - 30, -20), At(kLength / 2, -60), At(kLength / 2 + 30, -20)});
  sketch.Shape(vent, 0x4a4650);
  for (int louvre = 0; louvre < 4; ++louvre) {
    const double y = -26 - louvre * 8;
    const double half = 24 - louvre * 6;
    sketch.Line(kLength / 2 - half, y, kLength / 2 + half, y, kHouseWhite, 1.4);
  }
  }
  // Corner boards, bargeboards along the gable and the stone foundation.
  sketch.Box(-4, -2, 16, kHeight, kHouseWhite);
  sketch.Box(kLength - 12, -2, 16, kHeight, kHouseWhite);
  for (const double side : {-1.0, 1.0}) {
    if (gableHeight <= 0) {
      sketch.Box(-24, -4, kLength + 48, 16, kHouseWhite);
      break;
    }
    const QPointF eave(side < 0 ? -20 : kLength + 20, 10);
    const QPointF peak(kLength / 2, -gableHeight - 10);
    const QPointF normal(0, 14);
    sketch.Polygon({eave, peak, peak + normal, eave + normal}, kHouseWhite);
  }
  QPainterPath foundation;
  foundation.addRect(QRectF(-6, kHeight - 26, kLength + 12, 30));
  sketch.Shape(foundation, kStone);
  for (int stone = 0; stone < 20; ++stone) {
    const double x = stone * 31 + (stone % 2) * 8;
    painter.setPen(QPen(WithAlpha(0x3a3640, 0.5), 1.0));
    painter.drawLine(QPointF(x, kHeight - 26), QPointF(x, kHeight + 4));
  }
  painter.drawLine(QPointF(-6, kHeight - 12), QPointF(kLength + 6, kHeight - 12));
  // The window, and a downpipe at the far corner.
  PaintHouseWindow(sketch, kLength * windowAt - 50, 70, 100, 120, curtains, seed);
  sketch.Box(kLength - 28, 0, 10, kHeight - 20, 0xe8e4dc);
  sketch.Box(kLength - 34, kHeight - 30, 22, 10, 0xe8e4dc);
  painter.restore();
  // The lawn meets the foundation in a soft dark line.
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x1c2418, 0.3));
  painter.drawPolygon(QPolygonF({QPointF(nearX, nearBottom - 4), QPointF(farX, farBottom - 2), QPointF(farX, farBottom + 3), QPointF(nearX, nearBottom + 8)}));
}

// A picket fence running from the origin to (to-x, to-y), h high at the origin and to-h high at its far end,
// its pickets crowding as it recedes; gap-at= and gap= leave an open gateway (shares of its length).
void PaintPicketFence(Sketch& sketch, const Layer& layer) {
  const QPointF end(layer.Number("to-x", 300), layer.Number("to-y", -40));
  const double nearHeight = layer.Number("h", 70);
  const double farHeight = layer.Number("to-h", 40);
  const double gapAt = layer.Number("gap-at", -1);
  const double gap = layer.Number("gap", 0);
  const int pickets = static_cast<int>(layer.Number("count", 22));
  const QRgb colour = layer.Colour("colour", kHouseWhite);
  // Equal steps along the ground: spaced by the inverse of the height, so they crowd into the distance.
  const auto at = [&](double share) {
    const double inverse = 1 / nearHeight + (1 / farHeight - 1 / nearHeight) * share;
    const double near = (1 / inverse - farHeight) / (nearHeight - farHeight + 1e-9);
    const double along = 1 - std::clamp(near, 0.0, 1.0);
    return std::make_pair(QPointF(end.x() * along, end.y() * along), 1 / inverse);
  };
  for (int rail = 0; rail < 2; ++rail) {
    const double level = rail == 0 ? 0.3 : 0.72;
    for (const auto& [from, to] : {std::make_pair(0.0, gap > 0 ? gapAt : 1.0), std::make_pair(gap > 0 ? gapAt + gap : 2.0, 1.0)}) {
      if (from >= to) continue;
      const auto [a, ha] = at(from);
      const auto [b, hb] = at(to);
      sketch.Polygon({a + QPointF(0, -ha * level), b + QPointF(0, -hb * level), b + QPointF(0, -hb * level + hb * 0.08),
                      a + QPointF(0, -ha * level + ha * 0.1)},
                     Darker(colour, 0.15));
    }
  }
  for (int picket = 0; picket <= pickets; ++picket) {
    const double share = picket / static_cast<double>(pickets);
    if (gap > 0 && share > gapAt && share < gapAt + gap) continue;
    const auto [foot, height] = at(share);
    const double width = height * 0.12;
    sketch.Polygon({foot + QPointF(-width / 2, 0), foot + QPointF(-width / 2, -height), foot + QPointF(0, -height - width * 0.8),
                    foot + QPointF(width / 2, -height), foot + QPointF(width / 2, 0)},
                   colour);
  }
}

// The tool shed three-quarter on, w wide at its front and about h high to the eaves: plank walls, a door of
// boards with a Z brace and a small window on the front, the side running back, a shingled pitched roof.
// Origin at the front's foot, middle.
void PaintGardenShed(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 120);
  const double height = layer.Number("h", 90);
  const double depth = width * 0.5;
  const double rise = width * 0.12;
  QPainter& painter = sketch.Painter();
  const double half = width / 2;
  const double ridge = height * 0.5;
  // The side wall running back to the right.
  QPainterPath side = PathThrough({At(half, 0), At(half + depth, -rise), At(half + depth, -height - rise), At(half, -height)});
  sketch.Shape(side, kWood);
  painter.save();
  painter.setClipPath(side);
  for (int plank = 1; plank < 6; ++plank) {
    const double share = plank / 6.0;
    sketch.InkLine(half + depth * share, -rise * share, half + depth * share, -height - rise * share);
  }
  painter.restore();
  // The front, with its gable.
  QPainterPath front = PathThrough({At(-half, 0), At(-half, -height), At(0, -height - ridge), At(half, -height), At(half, 0)});
  sketch.Shape(front, kWoodLight);
  painter.save();
  painter.setClipPath(front);
  for (double x = -half + 12; x < half; x += 12) {
    painter.setPen(QPen(WithAlpha(0x5a3a1c, 0.6), 1.0));
    painter.drawLine(QPointF(x, 0), QPointF(x, -height - ridge));
  }
  painter.restore();
  sketch.Box(-half * 0.35, -height * 0.82, half * 0.7, height * 0.82, kWood);
  sketch.Line(-half * 0.35 + 3, -4, half * 0.35 - 3, -height * 0.82 + 4, kWoodDark, 4);
  sketch.Line(-half * 0.35 + 3, -height * 0.41, half * 0.35 - 3, -height * 0.41, kWoodDark, 4);
  sketch.Oval(half * 0.25, -height * 0.42, 2.5, 2.5, kIron);
  sketch.Box(half * 0.5, -height * 0.78, half * 0.36, height * 0.28, 0x3a4a5a);
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(kWhite, 0.35));
  painter.drawRect(QRectF(half * 0.52, -height * 0.76, half * 0.1, height * 0.24));
  // The roof: the near slope over the side, the front's bargeboards.
  QPainterPath roof = PathThrough({At(0, -height - ridge - 6), At(half + 10, -height + 4), At(half + depth + 10, -height - rise + 4),
                                   At(depth, -height - ridge - rise - 6)});
  sketch.Shape(roof, kRoofGrey);
  painter.save();
  painter.setClipPath(roof);
  for (int course = 1; course < 6; ++course) {
    const double share = course / 6.0;
    const QPointF from = QPointF(0, -height - ridge - 6) + (QPointF(half + 10, -height + 4) - QPointF(0, -height - ridge - 6)) * share;
    sketch.InkLine(from.x(), from.y(), from.x() + depth + 10, from.y() - rise);
  }
  painter.restore();
  sketch.Line(-half - 6, -height + 4, 0, -height - ridge - 6, kWoodDark, 5);
  sketch.Line(0, -height - ridge - 6, half + 10, -height + 4, kWoodDark, 5);
}

// The old stone well, w across, in perspective: a round wall of rough stones in courses, each lit by how it
// faces the light, moss on its rim and shaded side, two posts carrying a shingled roof and the windlass with
// its crank, no rope and no bucket; dark water glinting far down. Origin at its foot, middle.
void PaintStoneWell(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 150);
  const double wallHeight = width * 0.46;
  const double radius = width / 2;
  const double squash = 0.3;  // how flat the round looks from the eye's height
  const std::uint32_t seed = sketch.Seed();
  const bool lightFromLeft = sketch.Air().LightDirection().x() >= 0;
  QPainter& painter = sketch.Painter();
  // The posts and roof stand behind and over the wall; the far post first.
  const double postX = radius * 0.78;
  const double postTop = -wallHeight - width * 0.85;
  sketch.Box(-postX - 5, postTop, 10, width * 0.85 + 4, kWoodDark);
  sketch.Box(postX - 5, postTop, 10, width * 0.85 + 4, kWoodDark);
  // The wall: a cylinder of stones.
  QPainterPath body;
  body.moveTo(-radius, -wallHeight);
  body.arcTo(QRectF(-radius, -wallHeight - radius * squash, width, radius * squash * 2), 180, 180);
  body.lineTo(radius, 0);
  body.arcTo(QRectF(-radius, -radius * squash, width, radius * squash * 2), 0, -180);
  body.closeSubpath();
  sketch.Fill(body, kStone);
  painter.save();
  painter.setClipPath(body);
  const int courses = 5;
  for (int course = 0; course < courses; ++course) {
    const double top = -wallHeight + course * wallHeight / courses;
    const double bottom = top + wallHeight / courses;
    const int stones = 9;
    for (int stone = 0; stone < stones; ++stone) {
      const double from = (stone + (course % 2) * 0.5) / stones * kPi;
      const double to = std::min(kPi, (stone + 1 + (course % 2) * 0.5) / stones * kPi);
      if (to <= from) continue;
      QPainterPath block;
      const int steps = 6;
      for (int step = 0; step <= steps; ++step) {
        const double angle = from + (to - from) * step / steps;
        const QPointF point(-std::cos(angle) * radius, top + std::sin(angle) * radius * squash + 1);
        if (step == 0) block.moveTo(point);
        else block.lineTo(point);
      }
      for (int step = steps; step >= 0; --step) {
        const double angle = from + (to - from) * step / steps;
        block.lineTo(QPointF(-std::cos(angle) * radius, bottom + std::sin(angle) * radius * squash - 1));
      }
      block.closeSubpath();
      // Lit by how the stone faces the light: bright on the lit side, violet on the other.
      const double middle = (from + to) / 2;
      const double facing = lightFromLeft ? std::cos(middle) : -std::cos(middle);
      const double vary = LatticeValue(stone, course, seed) - 0.5;
      const double light = std::clamp(facing * 0.5 + vary * 0.4, -1.0, 1.0);
      painter.setPen(QPen(WithAlpha(0x3a3440, 0.7), 1.1));
      painter.setBrush(light > 0 ? WithAlpha(0xf4ecdc, light * 0.5) : WithAlpha(0x3a2c50, -light * 0.55));
      painter.drawPath(block);
    }
  }
  // Moss on the damp, shaded side and creeping up from the ground.
  for (int tuft = 0; tuft < 26; ++tuft) {
    const double angle = (lightFromLeft ? 0.55 : 0.0) * kPi + LatticeValue(tuft, 40, seed) * 0.45 * kPi;
    const double y = -wallHeight * LatticeValue(tuft, 41, seed) * 0.9;
    const QPointF point(-std::cos(angle) * radius, y + std::sin(angle) * radius * squash);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(tuft % 3 == 0 ? 0x8aa84a : 0x5a7a34, 0.8));
    painter.drawEllipse(point, 5 + 7 * LatticeValue(tuft, 42, seed), 3 + 3 * LatticeValue(tuft, 43, seed));
  }
  painter.restore();
  sketch.Outline(body);
  // The rim: capstones round the top, mossy, the dark shaft inside with a glint of water far down.
  sketch.Oval(0, -wallHeight, radius + 4, (radius + 4) * squash, kStoneLight);
  sketch.Oval(0, -wallHeight, radius - 10, (radius - 10) * squash, 0x14121a);
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x4a6a7a, 0.6));
  painter.drawEllipse(QPointF(4, -wallHeight + 2), radius * 0.22, radius * 0.05);
  for (int cap = 0; cap < 12; ++cap) {
    const double angle = cap / 12.0 * 2 * kPi;
    const QPointF point(std::cos(angle) * (radius - 3), -wallHeight + std::sin(angle) * (radius - 3) * squash);
    painter.setPen(QPen(WithAlpha(0x3a3440, 0.6), 1.0));
    const QPointF inner(std::cos(angle) * (radius - 10), -wallHeight + std::sin(angle) * (radius - 10) * squash);
    const QPointF outer(std::cos(angle) * (radius + 4), -wallHeight + std::sin(angle) * (radius + 4) * squash);
    painter.drawLine(inner, outer);
    if (cap % 3 != 0) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(WithAlpha(0x6a8a3a, 0.75));
      painter.drawEllipse(point, 7, 3);
    }
  }
  // The near post, the windlass across the posts with its crank, and the roof.
  sketch.Line(-postX, postTop + width * 0.3, postX + 14, postTop + width * 0.3, kInk, 9);
  sketch.Line(-postX, postTop + width * 0.3, postX + 14, postTop + width * 0.3, kWood, 6);
  sketch.Line(postX + 14, postTop + width * 0.3, postX + 14, postTop + width * 0.3 + 18, kIron, 3);
  sketch.Line(postX + 14, postTop + width * 0.3 + 18, postX + 26, postTop + width * 0.3 + 18, kIron, 3);
  QPainterPath roofNear = PathThrough({At(-radius - 18, postTop + 14), At(0, postTop - width * 0.32), At(radius + 18, postTop + 14),
                                       At(radius + 6, postTop + 24), At(0, postTop - width * 0.22), At(-radius - 6, postTop + 24)});
  sketch.Shape(PathThrough({At(-radius - 18, postTop + 14), At(0, postTop - width * 0.32), At(radius + 18, postTop + 14)}), kRoof);
  painter.save();
  painter.setClipPath(PathThrough({At(-radius - 18, postTop + 14), At(0, postTop - width * 0.32), At(radius + 18, postTop + 14)}));
  for (int course = 1; course < 5; ++course) {
    const double y = postTop + 14 - course * width * 0.09;
    painter.setPen(QPen(WithAlpha(0x2a1a14, 0.6), 1.0));
    painter.drawLine(QPointF(-radius - 20, y), QPointF(radius + 20, y));
    for (double x = -radius + (course % 2) * 9; x < radius; x += 18) painter.drawLine(QPointF(x, y), QPointF(x, y + width * 0.09));
  }
  painter.restore();
  sketch.Shape(roofNear.subtracted(PathThrough({At(-radius - 6, postTop + 14), At(0, postTop - width * 0.22), At(radius + 6, postTop + 14)})), kWoodDark);
}

// Flat stepping stones set in the lawn from the origin to (to-x, to-y), count= of them, shrinking into the
// distance, each its own shape and shade, the grass growing over its rim.
void PaintSteppingStones(Sketch& sketch, const Layer& layer) {
  const QPointF end(layer.Number("to-x", 0), layer.Number("to-y", -120));
  const int count = static_cast<int>(layer.Number("count", 7));
  const double size = layer.Number("size", 46);
  const std::uint32_t seed = sketch.Seed();
  for (int stone = count - 1; stone >= 0; --stone) {
    const double along = std::pow(stone / static_cast<double>(count), 0.75);
    const double scale = 1 - along * 0.8;
    const QPointF centre = end * along + QPointF((LatticeValue(stone, 1, seed) - 0.5) * 14 * scale, 0);
    QPainterPath flag;
    for (int corner = 0; corner < 7; ++corner) {
      const double angle = corner / 7.0 * 2 * kPi;
      const double reach = size * scale * (0.8 + 0.3 * LatticeValue(stone, corner + 2, seed));
      const QPointF point = centre + QPointF(std::cos(angle) * reach * 0.6, std::sin(angle) * reach * 0.18);
      if (corner == 0) flag.moveTo(point);
      else flag.lineTo(point);
    }
    flag.closeSubpath();
    sketch.Shape(flag, stone % 2 == 0 ? kStone : kStoneLight);
  }
}

}  // namespace

void RegisterHouseSideProps(PropRegistry& registry) {
  registry.Add("side-wall", PaintSideWall);
  registry.Add("picket-fence", PaintPicketFence);
  registry.Add("garden-shed", PaintGardenShed, 70);
  registry.Add("stone-well", PaintStoneWell, 78);
  registry.Add("stepping-stones", PaintSteppingStones);
}

}  // namespace brackenhollow::art
