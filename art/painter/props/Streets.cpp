// The town's ground level seen in perspective: asphalt roads with kerbs, cobbled alleys between brick walls,
// cast-iron lamp posts.
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

// Cobbles laid in rows across a flat patch width x depth (row 0 at the far edge), each stone a rounded block
// of its own shade with a lit top edge, mortar dark between them; seed varies them.
void PaintCobbles(QPainter& painter, double width, double depth, double stone, std::uint32_t seed) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(0x4a4650));
  painter.drawRect(QRectF(0, 0, width, depth));
  int row = 0;
  for (double y = 0; y < depth; y += stone * 0.8, ++row) {
    double x = -(row % 2) * stone * 0.5;
    int column = 0;
    while (x < width) {
      const double length = stone * (0.8 + 0.5 * LatticeValue(column, row, seed));
      const double shade = LatticeValue(row, column, seed ^ 0x5a5a);
      const int grey = 118 + static_cast<int>(shade * 50);
      const QRectF block(x + stone * 0.06, y + stone * 0.06, length - stone * 0.12, stone * 0.68);
      painter.setBrush(QColor(grey, grey - 4, grey - 12 + static_cast<int>(shade * 10)));
      painter.drawRoundedRect(block, stone * 0.22, stone * 0.22);
      painter.setBrush(WithAlpha(kWhite, 0.18));
      painter.drawRoundedRect(QRectF(block.x() + stone * 0.08, block.y(), block.width() - stone * 0.16, stone * 0.2),
                              stone * 0.1, stone * 0.1);
      x += length;
      ++column;
    }
  }
}

// A wall of brick width x height in its own units, windows dark behind their frames, seen later in perspective.
void PaintBrickWall(Sketch& sketch, double width, double height, QRgb brick, int windows, double windowTop,
                    std::uint32_t seed) {
  sketch.Fill(QPainterPath([&] {
                QPainterPath wall;
                wall.addRect(QRectF(0, 0, width, height));
                return wall;
              }()),
              brick);
  QPainter& painter = sketch.Painter();
  // Courses of brick, their mortar lines and a few bricks darker or paler than the rest.
  const double course = 9;
  painter.setBrush(Qt::NoBrush);
  for (double y = course; y < height; y += course) {
    QPen mortar(WithAlpha(0xe8d8c0, 0.35));
    mortar.setWidthF(1.0);
    painter.setPen(mortar);
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    const int row = static_cast<int>(y / course);
    for (double x = (row % 2) * 11; x < width; x += 22) {
      painter.drawLine(QPointF(x, y - course), QPointF(x, y));
      const double shade = LatticeValue(static_cast<int>(x), row, seed) - 0.5;
      if (std::abs(shade) > 0.3) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade > 0 ? WithAlpha(0xf0b090, 0.25) : WithAlpha(0x3a1a18, 0.25));
        painter.drawRect(QRectF(x + 1, y - course + 1, 20, course - 2));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(mortar);
      }
    }
  }
  // Grime darkening the foot of the wall and streaks running down under the windows.
  QLinearGradient grime(0, height - 60, 0, height);
  grime.setColorAt(0, WithAlpha(0x201820, 0));
  grime.setColorAt(1, WithAlpha(0x201820, 0.45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(grime);
  painter.drawRect(QRectF(0, height - 60, width, 60));
  for (int window = 0; window < windows; ++window) {
    const double x = width * (window + 0.5) / windows - 28 + (LatticeValue(window, 9, seed) - 0.5) * 30;
    const double y = windowTop;
    sketch.Box(x - 4, y - 4, 64, 86, kStoneLight);
    QLinearGradient glass(x, y, x + 56, y + 78);
    glass.setColorAt(0, QColor::fromRgb(0x6a7a90));
    glass.setColorAt(0.5, QColor::fromRgb(0x2c3444));
    glass.setColorAt(1, QColor::fromRgb(0x1c2230));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glass);
    painter.drawRect(QRectF(x, y, 56, 78));
    painter.setBrush(WithAlpha(kWhite, 0.2));
    painter.drawPolygon(QPolygonF({QPointF(x + 8, y), QPointF(x + 22, y), QPointF(x + 4, y + 40), QPointF(x, y + 40), QPointF(x, y + 14)}));
    sketch.Line(x + 28, y, x + 28, y + 78, kStoneLight, 3);
    sketch.Line(x, y + 39, x + 56, y + 39, kStoneLight, 3);
    sketch.Box(x - 8, y + 78, 72, 7, kStone);
  }
}

// A drainpipe down a wall at x, from y top to the foot, with its brackets.
void PaintDrainpipe(Sketch& sketch, double x, double top, double bottom) {
  sketch.Box(x - 4, top, 8, bottom - top, 0x5a6068);
  for (double y = top + 30; y < bottom - 10; y += 60) sketch.Box(x - 6, y, 12, 4, 0x3a3e46);
  sketch.Box(x - 6, bottom - 12, 16, 12, 0x5a6068);
}

// A cobbled alley between two brick walls running away from the eye to its far end, the rectangle left..right,
// top..floorline. eye= and across= place the vanishing point; end=open shows daylight and far roofs where the
// alley comes out, end=wall closes it with a brick wall and a door; gap=left|right opens a side passage at
// gap-at (0 near, 1 far) in that wall; windows= per wall; puddles= on the cobbles. Origin at the frame's
// top left.
void PaintAlley(Sketch& sketch, const Layer& layer) {
  const double left = layer.Number("left", 220);
  const double right = layer.Number("right", 380);
  const double top = layer.Number("top", 90);
  const double floorLine = layer.Number("floorline", 270);
  const QPointF vanishing(layer.Number("across", (left + right) / 2), layer.Number("eye", 200));
  const std::string end = layer.Word("end", "wall");
  const std::string gap = layer.Word("gap", "none");
  const double gapAt = layer.Number("gap-at", 0.4);
  const int windows = static_cast<int>(layer.Number("windows", 2));
  const int puddles = static_cast<int>(layer.Number("puddles", 2));
  const QString tag = QString::fromStdString(layer.Word("tag", ""));
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();

  // The sky over the alley and what lies beyond its far end.
  QLinearGradient sky(0, 0, 0, floorLine);
  sky.setColorAt(0, QColor::fromRgb(0x7aa4d0));
  sky.setColorAt(1, QColor::fromRgb(0xe4ecf0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sky);
  painter.drawRect(QRectF(0, 0, kFrameWidth, floorLine + 2));
  const QRectF farEnd(left, top, right - left, floorLine - top);
  if (end == "open") {
    // Far roofs and chimneys hazed blue, a lit street beyond.
    QPainterPath roofs;
    roofs.moveTo(left - 10, floorLine);
    double x = left - 10;
    int roof = 0;
    while (x < right + 10) {
      const double width = 24 + 30 * LatticeValue(roof, 1, seed);
      const double height = 40 + 60 * LatticeValue(roof, 2, seed);
      roofs.lineTo(x, floorLine - height);
      roofs.lineTo(x + width * 0.5, floorLine - height - 14);
      roofs.lineTo(x + width, floorLine - height);
      if (roof % 2 == 0) {
        roofs.lineTo(x + width * 0.7, floorLine - height);
        roofs.lineTo(x + width * 0.7, floorLine - height - 24);
        roofs.lineTo(x + width * 0.8, floorLine - height - 24);
        roofs.lineTo(x + width * 0.8, floorLine - height);
      }
      x += width;
      ++roof;
    }
    roofs.lineTo(x, floorLine);
    roofs.closeSubpath();
    painter.setBrush(QColor::fromRgb(0xa8b4c8));
    painter.drawPath(roofs);
    painter.setBrush(QColor::fromRgb(0xd8d4c8));
    painter.drawRect(QRectF(left - 10, floorLine - 12, right - left + 20, 14));
  } else {
    QPainterPath wall;
    wall.addRect(farEnd);
    sketch.Fill(wall, kBrickDark);
    painter.save();
    painter.setClipRect(farEnd);
    painter.translate(farEnd.topLeft());
    const double scale = farEnd.width() / 240.0;
    painter.scale(scale, scale);
    PaintBrickWall(sketch, 240, farEnd.height() / scale, kBrickDark, 0, 0, seed ^ 3);
    sketch.Box(150, farEnd.height() / scale - 110, 60, 110, 0x3a4a3a);
    sketch.Box(150, farEnd.height() / scale - 116, 60, 6, kStone);
    painter.restore();
  }

  // The two walls, each a flat brick wall laid into its perspective.
  for (const bool isLeft : {true, false}) {
    const double farX = isLeft ? left : right;
    const double nearX = isLeft ? 0 : kFrameWidth;
    const double nearTop = AlongRay(vanishing, QPointF(farX, top), nearX);
    const double nearBottom = AlongRay(vanishing, QPointF(farX, floorLine), nearX);
    const double wallLength = 600;
    const double wallHeight = 300;
    QPolygonF quad;
    quad << QPointF(nearX, nearTop) << QPointF(farX, top) << QPointF(farX, floorLine) << QPointF(nearX, nearBottom);
    const QTransform onto = PlaneOnto(QRectF(0, 0, wallLength, wallHeight), quad);
    painter.save();
    painter.setTransform(onto, true);
    const QRgb brick = isLeft ? kBrick : kBrickDark;
    PaintBrickWall(sketch, wallLength, wallHeight, brick, windows, 40, seed ^ (isLeft ? 11u : 17u));
    PaintDrainpipe(sketch, isLeft ? 300 : 160, 0, wallHeight);
    // Sprayed letters low on the left wall, and a lamp on a bracket above them.
    if (isLeft && !tag.isEmpty()) {
      QPainterPath swirl(QPointF(40, 214));
      swirl.cubicTo(90, 180, 140, 250, 200, 206);
      sketch.Stroke(swirl, kGraffitiGreen, 5);
      sketch.Text(QRectF(60, 170, 130, 70), tag, 50, kGraffitiPink);
    }
    if (isLeft) {
      sketch.Line(420, 120, 440, 120, kIron, 3);
      sketch.Box(436, 110, 14, 22, kIron);
      painter.setPen(Qt::NoPen);
      painter.setBrush(WithAlpha(kGlow, 0.9));
      painter.drawRect(QRectF(438, 114, 10, 14));
    }
    if (gap == (isLeft ? "left" : "right")) {
      // A side passage: the bricks end, daylight and a lit street beyond.
      const double gapX = gapAt * wallLength;
      QLinearGradient light(gapX, 0, gapX, wallHeight);
      light.setColorAt(0, QColor::fromRgb(0xc8dcec));
      light.setColorAt(0.7, QColor::fromRgb(0xe8e4d8));
      light.setColorAt(1, QColor::fromRgb(0xb8b0a0));
      painter.setPen(Qt::NoPen);
      painter.setBrush(light);
      painter.drawRect(QRectF(gapX, -20, 110, wallHeight + 20));
      painter.setBrush(QColor::fromRgb(0xb4b8c4));
      painter.drawRect(QRectF(gapX + 10, 90, 90, 140));
      sketch.InkLine(gapX, -20, gapX, wallHeight);
      sketch.InkLine(gapX + 110, -20, gapX + 110, wallHeight);
    }
    painter.restore();
    if (isLeft) {
      const QPointF lamp = onto.map(QPointF(443, 121));
      sketch.Glow(lamp.x(), lamp.y(), 80, kGlow, 0.4);
    }
  }

  // The cobbled floor between the walls, a gutter down its middle, puddles mirroring the sky.
  {
    const double nearLeft = AlongRay(vanishing, QPointF(left, floorLine), 0);
    const double nearRight = AlongRay(vanishing, QPointF(right, floorLine), kFrameWidth);
    const double bottom = std::max({nearLeft, nearRight, static_cast<double>(kFrameHeight)}) + 4;
    // Where the floor's side edges reach the foot of the frame's line y=bottom.
    const double footLeft = vanishing.x() + (left - vanishing.x()) * (bottom - vanishing.y()) / (floorLine - vanishing.y());
    const double footRight = vanishing.x() + (right - vanishing.x()) * (bottom - vanishing.y()) / (floorLine - vanishing.y());
    QPolygonF quad;
    quad << QPointF(left, floorLine) << QPointF(right, floorLine) << QPointF(footRight, bottom) << QPointF(footLeft, bottom);
    const double width = 160;
    const double depth = 700;
    painter.save();
    painter.setTransform(PlaneOnto(QRectF(0, 0, width, depth), quad), true);
    PaintCobbles(painter, width, depth, 9, seed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(0x2a2630, 0.5));
    painter.drawRect(QRectF(width / 2 - 5, 0, 10, depth));
    for (int puddle = 0; puddle < puddles; ++puddle) {
      const QPointF centre(30 + LatticeValue(puddle, 3, seed) * (width - 60), depth * (0.45 + 0.5 * LatticeValue(puddle, 4, seed)));
      const double radius = 14 + 14 * LatticeValue(puddle, 5, seed);
      QPainterPath pool;
      pool.addEllipse(centre, radius * 1.4, radius);
      QLinearGradient mirror(0, centre.y() - radius, 0, centre.y() + radius);
      mirror.setColorAt(0, QColor::fromRgb(0xc4d8ea));
      mirror.setColorAt(1, QColor::fromRgb(0x7a94b4));
      painter.setBrush(mirror);
      painter.drawPath(pool);
      painter.setBrush(WithAlpha(0x8a3a2a, 0.35));
      painter.drawRect(QRectF(centre.x() - radius * 1.4, centre.y() - radius, radius * 0.5, radius * 2).intersected(pool.boundingRect()));
    }
    painter.restore();
  }
  // Dark gathering where the walls meet the ground and along the far end.
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x1c1a2a, 0.2));
  painter.drawRect(QRectF(left, floorLine - 4, right - left, 8));
}

// An asphalt road running away to the vanishing point, kerbs of stone along both sides and a pavement
// beyond them. near-left and near-right are where its edges meet the frame's foot, far-left and far-right
// where they stop at far-y; branch=w|e lets a side road leave at branch-at (0 near, 1 far); lines=yes paints a
// dashed middle line. Origin at the frame's top left.
void PaintRoad(Sketch& sketch, const Layer& layer) {
  const double nearLeft = layer.Number("near-left", 80);
  const double nearRight = layer.Number("near-right", 520);
  const double farLeft = layer.Number("far-left", 280);
  const double farRight = layer.Number("far-right", 316);
  const double farY = layer.Number("far-y", 240);
  const bool lines = layer.Flag("lines", true);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  const double bottom = kFrameHeight + 2;
  const double width = 200;
  const double depth = 2000;
  // The kerbs and pavements either side, on the same plane, wider than the road.
  const double kerb = 16;
  const double pavement = 70;
  QPolygonF quad;
  quad << QPointF(farLeft, farY) << QPointF(farRight, farY) << QPointF(nearRight, bottom) << QPointF(nearLeft, bottom);
  painter.save();
  painter.setTransform(PlaneOnto(QRectF(0, 0, width, depth), quad), true);
  // Pavement slabs and the kerb's lit top.
  for (const double side : {-1.0, 1.0}) {
    const double edge = side < 0 ? 0 : width;
    const double outer = edge + side * (kerb + pavement);
    const QRectF slabs(std::min(edge + side * kerb, outer), 0, pavement, depth);
    QPainterPath walk;
    walk.addRect(slabs);
    sketch.Fill(walk, kStoneLight);
    painter.setPen(QPen(WithAlpha(0x6a6670, 0.5), 1.2));
    for (double y = 0; y < depth; y += 60) painter.drawLine(QPointF(slabs.left(), y), QPointF(slabs.right(), y));
    painter.drawLine(QPointF(slabs.center().x(), 0), QPointF(slabs.center().x(), depth));
    const QRectF kerbTop(std::min(edge, edge + side * kerb), 0, kerb, depth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(0xd8d4cc));
    painter.drawRect(kerbTop);
    painter.setPen(QPen(WithAlpha(0x5a5660, 0.6), 1.0));
    for (double y = 0; y < depth; y += 90) painter.drawLine(QPointF(kerbTop.left(), y), QPointF(kerbTop.right(), y));
  }
  // The asphalt: dark, speckled, patched and cracked, lighter where worn in the wheel tracks.
  QPainterPath asphalt;
  asphalt.addRect(QRectF(0, 0, width, depth));
  sketch.Fill(asphalt, kRoadDark);
  painter.setPen(Qt::NoPen);
  for (const double track : {0.25, 0.75}) {
    painter.setBrush(WithAlpha(0xb0aca4, 0.16));
    painter.drawRect(QRectF(width * track - 16, 0, 32, depth));
  }
  // The kerb's upright face, dark, along the road's edge.
  painter.setBrush(WithAlpha(0x3a3640, 0.6));
  painter.drawRect(QRectF(0, 0, 4, depth));
  painter.drawRect(QRectF(width - 4, 0, 4, depth));
  for (int patch = 0; patch < 6; ++patch) {
    const double x = LatticeValue(patch, 1, seed) * (width - 50);
    const double y = depth * (0.4 + 0.6 * LatticeValue(patch, 2, seed));
    painter.setBrush(WithAlpha(0x3a3840, 0.35));
    painter.drawRect(QRectF(x, y, 30 + 30 * LatticeValue(patch, 3, seed), 40 + 60 * LatticeValue(patch, 4, seed)));
  }
  QPen crackPen(WithAlpha(0x1c1a22, 0.7), 1.2);
  painter.setPen(crackPen);
  painter.setBrush(Qt::NoBrush);
  for (int crack = 0; crack < 5; ++crack) {
    QPointF point(LatticeValue(crack, 5, seed) * width, depth * (0.5 + 0.5 * LatticeValue(crack, 6, seed)));
    QPainterPath line(point);
    for (int step = 0; step < 5; ++step) {
      point += QPointF((LatticeValue(crack, step + 10, seed) - 0.5) * 30, 12 + 20 * LatticeValue(step, crack, seed));
      line.lineTo(point);
    }
    painter.drawPath(line);
  }
  if (lines) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(kRoadLine, 0.9));
    for (double y = 20; y < depth; y += 110) painter.drawRect(QRectF(width / 2 - 2.5, y, 5, 55));
  }
  painter.restore();
}

// A cast-iron street lamp h high on the origin: a fluted post on a wide foot, an arm and a glass lantern;
// lit=yes lights it.
void PaintLampPost(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 200);
  const bool lit = layer.Flag("lit", false);
  const QRgb iron = 0x2e343c;
  sketch.Polygon({At(-height * 0.05, 0), At(-height * 0.03, -height * 0.1), At(height * 0.03, -height * 0.1), At(height * 0.05, 0)}, iron);
  sketch.Polygon({At(-height * 0.022, -height * 0.1), At(-height * 0.014, -height * 0.86), At(height * 0.014, -height * 0.86), At(height * 0.022, -height * 0.1)}, iron);
  sketch.Box(-height * 0.03, -height * 0.88, height * 0.06, height * 0.03, iron);
  const double lanternTop = -height;
  const double lanternBottom = -height * 0.88;
  sketch.Polygon({At(-height * 0.05, lanternTop + height * 0.02), At(height * 0.05, lanternTop + height * 0.02),
                  At(height * 0.035, lanternBottom), At(-height * 0.035, lanternBottom)},
                 lit ? kGlow : 0xd8e4ec);
  sketch.Polygon({At(-height * 0.065, lanternTop + height * 0.025), At(0, lanternTop - height * 0.03), At(height * 0.065, lanternTop + height * 0.025)}, iron);
  sketch.Line(0, lanternTop + height * 0.02, 0, lanternBottom, iron, 0.8);
  if (lit) sketch.Glow(0, (lanternTop + lanternBottom) / 2, height * 0.35, kGlow, 0.6);
}

}  // namespace

void RegisterStreetProps(PropRegistry& registry) {
  registry.Add("alley", PaintAlley);
  registry.Add("road", PaintRoad);
  registry.Add("lamp-post", PaintLampPost, 8);
}

}  // namespace brackenhollow::art
