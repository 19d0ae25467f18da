// Interiors: a room box in one-point perspective, doors in its side walls, holes and rugs.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include "art/painter/Noise.h"

#include <algorithm>

namespace brackenhollow::art {

using namespace colours;

namespace {

// The shape of a room box: the back wall's rectangle inside the frame.
struct RoomShape {
  double left = 110;
  double right = 486;
  double top = 40;
  double floorLine = 290;
};

// The back wall's rectangle as the layer gives it, the default room box otherwise.
RoomShape ReadShape(const Layer& layer) {
  RoomShape shape;
  shape.left = layer.Number("left", shape.left);
  shape.right = layer.Number("right", shape.right);
  shape.top = layer.Number("top", shape.top);
  shape.floorLine = layer.Number("floorline", shape.floorLine);
  return shape;
}

// Lines that give a wall its surface: planks, stripes, bricks, stone blocks or tiles.
void PaintWallPattern(Sketch& sketch, const std::string& style, double x, double y, double width, double height,
                      std::uint32_t seed) {
  sketch.Painter().save();
  sketch.Painter().setClipRect(QRectF(x, y, width, height));
  sketch.Painter().setOpacity(0.45);
  if (style == "planks") {
    for (double column = x + 22; column < x + width; column += 22) sketch.InkLine(column, y, column, y + height);
  } else if (style == "stripes") {
    sketch.Painter().setOpacity(0.18);
    for (double column = x + 14; column < x + width; column += 28) sketch.FlatBox(column, y, 12, height, kWhite);
  } else if (style == "brick" || style == "stone") {
    const double rowHeight = style == "brick" ? 14 : 30;
    const double brickWidth = style == "brick" ? 34 : 64;
    int row = 0;
    for (double line = y + rowHeight; line < y + height + rowHeight; line += rowHeight, ++row) {
      // Each brick or block a little lighter or darker than its neighbours.
      int block = 0;
      for (double column = x - brickWidth + (row % 2) * brickWidth / 2; column < x + width; column += brickWidth, ++block) {
        const double tone = LatticeValue(block, row, seed);
        sketch.Painter().save();
        sketch.Painter().setOpacity(0.22 * std::abs(tone - 0.5) * 2);
        sketch.FlatBox(column, line - rowHeight, brickWidth, rowHeight, tone > 0.5 ? kWhite : kInk);
        sketch.Painter().restore();
      }
      sketch.InkLine(x, line, x + width, line);
      for (double column = x + (row % 2) * brickWidth / 2; column < x + width; column += brickWidth)
        sketch.InkLine(column, line - rowHeight, column, line);
    }
  } else if (style == "tiles") {
    for (double column = x + 24; column < x + width; column += 24) sketch.InkLine(column, y, column, y + height);
    for (double line = y + 24; line < y + height; line += 24) sketch.InkLine(x, line, x + width, line);
  }
  sketch.Painter().restore();
}

// Where the line from the vanishing point through a corner of the back wall leaves the frame.
QPointF ToFrameEdge(QPointF vanishing, QPointF corner) {
  const QPointF direction = corner - vanishing;
  double reach = 1e9;
  if (direction.x() > 1e-9) reach = std::min(reach, (kFrameWidth - vanishing.x()) / direction.x());
  if (direction.x() < -1e-9) reach = std::min(reach, -vanishing.x() / direction.x());
  if (direction.y() > 1e-9) reach = std::min(reach, (kFrameHeight - vanishing.y()) / direction.y());
  if (direction.y() < -1e-9) reach = std::min(reach, -vanishing.y() / direction.y());
  return vanishing + direction * reach;
}

// How far round the frame's edge a point on it lies, clockwise from the top-left corner.
double AroundFrame(QPointF point) {
  constexpr double width = kFrameWidth;
  constexpr double height = kFrameHeight;
  if (point.y() <= 0.01) return point.x();
  if (point.x() >= width - 0.01) return width + point.y();
  if (point.y() >= height - 0.01) return width + height + (width - point.x());
  return 2 * width + height + (height - point.y());
}

// The surface between two neighbouring corners of the back wall (clockwise) and the frame's edge: a side
// wall, the ceiling or the floor.
QPainterPath Surface(QPointF vanishing, QPointF first, QPointF second) {
  constexpr double perimeter = 2.0 * (kFrameWidth + kFrameHeight);
  const QPointF firstEdge = ToFrameEdge(vanishing, first);
  const QPointF secondEdge = ToFrameEdge(vanishing, second);
  const double from = AroundFrame(firstEdge);
  double to = AroundFrame(secondEdge);
  if (to < from) to += perimeter;
  QPolygonF points({first, firstEdge});
  const QPointF corners[] = {At(0, 0), At(kFrameWidth, 0), At(kFrameWidth, kFrameHeight), At(0, kFrameHeight)};
  const double cornerAt[] = {0, kFrameWidth, kFrameWidth + kFrameHeight, 2.0 * kFrameWidth + kFrameHeight};
  for (int lap = 0; lap < 2; ++lap)
    for (int corner = 0; corner < 4; ++corner) {
      const double at = cornerAt[corner] + lap * perimeter;
      if (at > from && at < to) points << corners[corner];
    }
  points << secondEdge << second;
  QPainterPath path;
  path.addPolygon(points);
  path.closeSubpath();
  return path;
}

// Darkness gathering where two surfaces meet: a soft band along the line, widest at the line itself.
void CornerShade(Sketch& sketch, QPointF from, QPointF to, double width, double strength) {
  QColor shade(0x1c1a3a);
  for (const double share : {1.0, 0.55, 0.25}) {
    shade.setAlphaF(static_cast<float>(strength * 0.45));
    QPen pen(shade);
    pen.setWidthF(width * share);
    pen.setCapStyle(Qt::FlatCap);
    sketch.Painter().setPen(pen);
    sketch.Painter().drawLine(from, to);
  }
}

// A colour part way from one to another.
QRgb Blend(QRgb from, QRgb to, double share) {
  const auto channel = [&](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
  return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)), channel(qBlue(from), qBlue(to)));
}

// The colours and surfaces a room layer asks for.
struct RoomLook {
  QRgb wall;
  QRgb side;
  QRgb floor;
  QRgb ceiling;
  std::string wallStyle;
  std::string floorStyle;
};

// A room seen into its corner: the ceiling, two walls meeting at the vertical edge, and the floor, the lines
// of each wall running to that wall's own vanishing point; boards and tiles on the floor follow both walls.
void PaintCornerRoom(Sketch& sketch, const Layer& layer, const RoomLook& look, const CornerView& view) {
  constexpr double width = kFrameWidth;
  constexpr double height = kFrameHeight;
  const double top = view.edgeTop.y();
  const double foot = view.edgeFoot.y();
  const double edge = view.edgeTop.x();
  const QPointF leftTop(0, view.LeftWallY(top, 0));
  const QPointF leftFoot(0, view.LeftWallY(foot, 0));
  const QPointF rightTop(width, view.RightWallY(top, width));
  const QPointF rightFoot(width, view.RightWallY(foot, width));
  sketch.Shape(PathThrough({At(-4, -4), At(width + 4, -4), At(width + 4, height + 4), At(-4, height + 4)}), look.ceiling);
  // The wall facing the light more squarely is the lighter one.
  const QRgb turnedAway = Blend(look.wall, look.side, 0.45);
  const QPolygonF leftWall({leftTop, view.edgeTop, view.edgeFoot, leftFoot});
  const QPolygonF rightWall({view.edgeTop, rightTop, rightFoot, view.edgeFoot});
  const bool lightFromRight = sketch.Air().ShadowSlant().x() < 0;
  sketch.Shape(PathThrough({leftTop, view.edgeTop, view.edgeFoot, leftFoot}), lightFromRight ? turnedAway : look.wall);
  sketch.Shape(PathThrough({view.edgeTop, rightTop, rightFoot, view.edgeFoot}), lightFromRight ? look.wall : turnedAway);
  // Patterns are laid flat on a strip as long as the wall and bent onto it.
  for (const auto& [quad, length] : {std::pair{leftWall, edge * 1.4}, std::pair{rightWall, (width - edge) * 1.4}}) {
    QTransform bend;
    const QPolygonF flat({At(0, 0), At(length, 0), At(length, foot - top), At(0, foot - top)});
    if (!QTransform::quadToQuad(flat, quad, bend)) continue;
    sketch.Painter().save();
    sketch.Painter().setTransform(bend, true);
    PaintWallPattern(sketch, look.wallStyle, 0, 0, length, foot - top, sketch.Seed());
    sketch.Painter().restore();
  }
  const QPainterPath floorPath = PathThrough({leftFoot, view.edgeFoot, rightFoot, At(width + 4, height + 4), At(-4, height + 4)});
  sketch.Shape(floorPath, look.floor);
  sketch.Painter().save();
  sketch.Painter().setClipPath(floorPath);
  sketch.Painter().setOpacity(0.4);
  if (look.floorStyle == "boards" || look.floorStyle == "tiles") {
    // Boards run along the left wall, from the right wall's foot towards us.
    const int count = look.floorStyle == "boards" ? 9 : 7;
    for (int board = 1; board <= count; ++board) {
      const double x = edge + (width - edge) * board / count;
      const QPointF start(x, view.RightWallY(foot, x));
      const QPointF end = ToFrameEdge(view.leftWallVanishing, start);
      sketch.InkLine(start.x(), start.y(), end.x(), end.y());
    }
  }
  if (look.floorStyle == "tiles") {
    for (int row = 1; row <= 7; ++row) {
      const double x = edge * (1.0 - row / 7.0);
      const QPointF start(x, view.LeftWallY(foot, x));
      const QPointF end = ToFrameEdge(view.rightWallVanishing, start);
      sketch.InkLine(start.x(), start.y(), end.x(), end.y());
    }
  }
  sketch.Painter().restore();
  // Ambient occlusion: the dark gathers in the corner and along where walls meet floor and ceiling.
  CornerShade(sketch, view.edgeTop, view.edgeFoot, 26, 0.34);
  CornerShade(sketch, leftTop, view.edgeTop, 18, 0.22);
  CornerShade(sketch, view.edgeTop, rightTop, 18, 0.22);
  CornerShade(sketch, leftFoot, view.edgeFoot, 22, 0.3);
  CornerShade(sketch, view.edgeFoot, rightFoot, 22, 0.3);
  if (layer.Flag("baseboard", true)) {
    const QRgb board = layer.Colour("baseboard-colour", kWoodLight);
    const auto up = [](QPointF point, double by) { return point - QPointF(0, by); };
    sketch.Shape(PathThrough({up(leftFoot, 8 * leftFoot.y() / foot), up(view.edgeFoot, 8), view.edgeFoot, leftFoot}), board);
    sketch.Shape(PathThrough({up(view.edgeFoot, 8), up(rightFoot, 8 * rightFoot.y() / foot), rightFoot, view.edgeFoot}), board);
  }
  sketch.Painter().setOpacity(0.5);
  sketch.InkLine(view.edgeTop.x(), view.edgeTop.y(), view.edgeFoot.x(), view.edgeFoot.y());
  sketch.InkLine(leftTop.x(), leftTop.y(), view.edgeTop.x(), view.edgeTop.y());
  sketch.InkLine(view.edgeTop.x(), view.edgeTop.y(), rightTop.x(), rightTop.y());
  sketch.InkLine(leftFoot.x(), leftFoot.y(), view.edgeFoot.x(), view.edgeFoot.y());
  sketch.InkLine(view.edgeFoot.x(), view.edgeFoot.y(), rightFoot.x(), rightFoot.y());
  sketch.Painter().setOpacity(1.0);
}

// A room seen from its doorway: ceiling, side walls, back wall and floor filling the frame, all running to
// the camera's vanishing point; corners darken where the surfaces meet. A corner camera looks into a corner
// of the room instead, the edge as tall as the back wall would be.
void PaintRoom(Sketch& sketch, const Layer& layer) {
  const RoomShape shape = ReadShape(layer);
  const QRgb wall = layer.Colour("wall", kWallCream);
  const QRgb side = layer.Colour("side", kWallShade);
  const QRgb floor = layer.Colour("floor", kFloorWood);
  const QRgb ceiling = layer.Colour("ceiling", kWallWarm);
  const std::string wallStyle = layer.Word("wall-style", "plain");
  const std::string floorStyle = layer.Word("floor-style", "boards");
  const QRectF backWall(shape.left, shape.top, shape.right - shape.left, shape.floorLine - shape.top);
  sketch.Air().SetBackWall(backWall);
  if (const auto corner = CornerOf(sketch.Air().View(), backWall)) {
    PaintCornerRoom(sketch, layer, RoomLook{wall, side, floor, ceiling, wallStyle, floorStyle}, *corner);
    return;
  }
  const QPointF vanishing = VanishingPoint(sketch.Air().View(), backWall);
  const QPointF topLeft = backWall.topLeft();
  const QPointF topRight = backWall.topRight();
  const QPointF bottomLeft = backWall.bottomLeft();
  const QPointF bottomRight = backWall.bottomRight();
  sketch.Shape(Surface(vanishing, topLeft, topRight), ceiling);
  sketch.Shape(Surface(vanishing, bottomLeft, topLeft), side);
  sketch.Shape(Surface(vanishing, topRight, bottomRight), side);
  sketch.Box(shape.left, shape.top, backWall.width(), backWall.height(), wall);
  PaintWallPattern(sketch, wallStyle, shape.left, shape.top, backWall.width(), backWall.height(), sketch.Seed());
  const QPainterPath floorPath = Surface(vanishing, bottomRight, bottomLeft);
  sketch.Shape(floorPath, floor);
  sketch.Painter().save();
  sketch.Painter().setClipPath(floorPath);
  sketch.Painter().setOpacity(0.4);
  if (floorStyle == "boards" || floorStyle == "tiles") {
    const int count = floorStyle == "boards" ? 10 : 8;
    for (int board = 1; board < count; ++board) {
      const QPointF start(shape.left + backWall.width() * board / count, shape.floorLine);
      sketch.InkLine(start.x(), start.y(), ToFrameEdge(vanishing, start).x(), ToFrameEdge(vanishing, start).y());
    }
  }
  if (floorStyle == "tiles") {
    // Rows closing up with distance, between the floor's two edges.
    const auto edgeX = [&](QPointF corner, double y) {
      return vanishing.x() + (corner.x() - vanishing.x()) * (y - vanishing.y()) / (corner.y() - vanishing.y());
    };
    for (int row = 1; row < 5; ++row) {
      const double depth = row / 5.0;
      const double y = shape.floorLine + (kFrameHeight - shape.floorLine) * depth * depth;
      sketch.InkLine(edgeX(bottomLeft, y), y, edgeX(bottomRight, y), y);
    }
  }
  sketch.Painter().restore();
  // Ambient occlusion: the corners of the room hold the dark.
  for (const QPointF corner : {topLeft, topRight, bottomLeft, bottomRight})
    CornerShade(sketch, corner, ToFrameEdge(vanishing, corner), 22, 0.28);
  CornerShade(sketch, topLeft, topRight, 18, 0.2);
  CornerShade(sketch, bottomLeft, bottomRight, 22, 0.3);
  CornerShade(sketch, topLeft, bottomLeft, 18, 0.22);
  CornerShade(sketch, topRight, bottomRight, 18, 0.22);
  if (layer.Flag("baseboard", true)) {
    sketch.Box(shape.left, shape.floorLine - 8, backWall.width(), 8, layer.Colour("baseboard-colour", kWoodLight));
  }
  sketch.Painter().setOpacity(0.5);
  for (const QPointF corner : {topLeft, topRight, bottomLeft, bottomRight}) {
    const QPointF edge = ToFrameEdge(vanishing, corner);
    sketch.InkLine(corner.x(), corner.y(), edge.x(), edge.y());
  }
  sketch.Painter().setOpacity(1.0);
}

// A hole knocked through a wall, centred on the origin: plaster broken away round it baring the bricks, the
// wall's thickness inside the rim, darkness (view=dark) or the outside (view=outside) beyond, cracks, and
// rubble=N broken pieces on the floor floor= below the centre.
void PaintWallHole(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 60);
  const std::string view = layer.Word("view", "dark");
  const int rubble = static_cast<int>(layer.Number("rubble", 0));
  const double floor = layer.Number("floor", radius * 1.6);
  const auto jagged = [&](double size, int seed) {
    QPainterPath edge;
    for (int point = 0; point < 18; ++point) {
      const double angle = point * 6.28318 / 18;
      const double reach = size * (0.78 + 0.32 * Scatter(point + seed));
      const QPointF spot(std::cos(angle) * reach, std::sin(angle) * reach * 0.85);
      if (point == 0) edge.moveTo(spot);
      else edge.lineTo(spot);
    }
    edge.closeSubpath();
    return edge;
  };
  const QPainterPath hole = jagged(radius, 17);
  const QPainterPath bared = jagged(radius * 1.32, 41).united(hole);

  // Bricks where the plaster fell, in courses with staggered joints.
  sketch.Fill(bared, kBrick);
  sketch.Painter().save();
  sketch.Painter().setClipPath(bared);
  const double course = std::max(6.0, radius * 0.17);
  for (int row = 0; row * course < radius * 2.6; ++row) {
    const double y = -radius * 1.3 + row * course;
    sketch.Line(-radius * 1.5, y, radius * 1.5, y, kStoneLight, 1.6);
    for (double x = -radius * 1.5 + (row % 2) * course; x < radius * 1.5; x += course * 2)
      sketch.Line(x, y, x, y + course, kStoneLight, 1.6);
  }
  sketch.Painter().restore();
  sketch.Outline(bared);

  if (view == "outside") {
    sketch.Fill(hole, kSky);
    sketch.Painter().save();
    sketch.Painter().setClipPath(hole);
    sketch.FlatBox(-radius * 2, radius * 0.2, radius * 4, radius * 2, kGrass);
    sketch.FlatOval(-radius * 0.4, radius * 0.2, radius * 0.5, radius * 0.3, kLeaf);
    sketch.Painter().restore();
  } else {
    // Darkness deepening away from the rim.
    QRadialGradient depth(QPointF(radius * 0.1, radius * 0.1), radius);
    depth.setColorAt(0.0, QColor(kBlack));
    depth.setColorAt(1.0, QColor(kGloom).lighter(160));
    sketch.Painter().setPen(Qt::NoPen);
    sketch.Painter().setBrush(depth);
    sketch.Painter().drawPath(hole);
  }
  // The wall's broken thickness, seen along the upper and left rim.
  const QPainterPath thickness = hole.subtracted(hole.translated(radius * 0.1, radius * 0.13));
  sketch.Fill(thickness, kBrickDark);
  sketch.Outline(hole);

  for (int crack = 0; crack < 7; ++crack) {
    const double angle = crack * 6.28318 / 7 + 0.3;
    const double start = radius * 1.2;
    sketch.InkLine(std::cos(angle) * start, std::sin(angle) * start * 0.85, std::cos(angle + 0.1) * radius * 1.6,
                   std::sin(angle + 0.1) * radius * 1.36);
  }
  // Broken plaster and brick lying where they fell.
  for (int piece = 0; piece < rubble; ++piece) {
    const double x = (Scatter(piece * 3 + 5) - 0.5) * radius * 2.6;
    const double size = radius * (0.08 + 0.1 * Scatter(piece * 7 + 2));
    const double y = floor + Scatter(piece * 5 + 9) * radius * 0.2;
    sketch.Painter().save();
    sketch.Painter().translate(x, y);
    sketch.ContactShadow(size);
    if (piece % 3 == 0) {
      sketch.Box(-size, -size * 0.8, size * 2, size * 0.8, kBrick);
    } else {
      sketch.Polygon({At(-size, 0), At(-size * 0.3, -size * (0.7 + 0.5 * Scatter(piece))), At(size * 0.6, -size * 0.5),
                      At(size, 0)},
                     piece % 3 == 1 ? kWallGrey : kStoneLight);
    }
    sketch.Painter().restore();
  }
}

// An oval rug on the floor, centred on the origin.
void PaintRug(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 200);
  const QRgb colour = layer.Colour("colour", kCarpet);
  sketch.Oval(0, 0, width / 2, width * 0.14, colour);
  sketch.Oval(0, 0, width * 0.38, width * 0.1, layer.Colour("inner", kCarpetDark));
}

// A ceiling lamp hanging from the top of the frame down to the origin; lit sends a cone of warm light down
// to a pool on the floor, floor below it.
void PaintHangingLamp(Sketch& sketch, const Layer& layer) {
  if (layer.Flag("lit", true)) {
    const double floor = layer.Number("floor", 200);
    sketch.Glow(0, 6, 110, kGlow, 0.4);
    sketch.LightCone(0, 0, 22, floor, floor * 0.7, kGlow, 0.35);
    sketch.LightPool(0, floor, floor * 0.9, floor * 0.25, kGlow, 0.45);
  }
  sketch.Line(0, -400, 0, -20, kInk, 2);
  sketch.Polygon({At(-26, 0), At(-12, -22), At(12, -22), At(26, 0)}, kLampShade);
  sketch.Oval(0, 2, 7, 5, kGlowPale);
}

}  // namespace

void RegisterRoomProps(PropRegistry& registry) {
  registry.Add("room", PaintRoom);
  registry.Add("wall-hole", PaintWallHole);
  registry.Add("rug", PaintRug);
  registry.Add("hanging-lamp", PaintHangingLamp);
  RegisterCorridorProps(registry);
}

}  // namespace brackenhollow::art
