// The old stone bridge seen from the towpath: its face of stone courses, an arch of voussoirs with the barrel
// vault running dark under it to daylight on the far side, the canal passing under it mirroring the arch.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {

using namespace colours;


// A half ellipse standing on the spring line: the arch's opening.
QPainterPath ArchOpening(QPointF centre, double halfSpan, double rise) {
  QPainterPath arch;
  arch.moveTo(centre.x() - halfSpan, centre.y());
  arch.arcTo(QRectF(centre.x() - halfSpan, centre.y() - rise, halfSpan * 2, rise * 2), 180, -180);
  arch.closeSubpath();
  return arch;
}

// The point of the arch's curve at angle (0 at the left spring, pi at the right).
QPointF ArchPoint(QPointF centre, double halfSpan, double rise, double angle) {
  return {centre.x() - std::cos(angle) * halfSpan, centre.y() - std::sin(angle) * rise};
}

// The bridge across the frame with its arch, the vault and the canal under it, the towpath running in along
// the right. arch-x= the arch's middle, spring= the height of the water where the arch springs, span= the
// arch's width, rise= its height, deck= the top of the parapet; origin at the frame's top left.
void PaintArchBridge(Sketch& sketch, const Layer& layer) {
  const QPointF centre(layer.Number("arch-x", 300), layer.Number("spring", 368));
  const double halfSpan = layer.Number("span", 400) / 2;
  const double rise = layer.Number("rise", 220);
  const double deck = layer.Number("deck", 56);
  const QPointF vanishing(centre.x() + 40, centre.y() - rise * 0.45);
  constexpr double kFarShare = 0.5;  // how large the far face's arch looks beside the near one's
  const QPointF farCentre = vanishing + (centre - vanishing) * kFarShare;
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  const QPainterPath opening = ArchOpening(centre, halfSpan, rise);
  const QPainterPath farOpening = ArchOpening(farCentre, halfSpan * kFarShare, rise * kFarShare);

  // Through the far arch: daylight, trees on the far bank and the bright water running on.
  QLinearGradient beyond(0, farCentre.y() - rise * kFarShare, 0, farCentre.y());
  beyond.setColorAt(0, QColor::fromRgb(0xe8f0e8));
  beyond.setColorAt(1, QColor::fromRgb(0xb8d4c0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(beyond);
  painter.drawPath(farOpening);
  painter.save();
  painter.setClipPath(farOpening);
  for (int tree = 0; tree < 9; ++tree) {
    const double x = farCentre.x() - halfSpan * kFarShare + tree * halfSpan * kFarShare / 4.0;
    const double radius = 14 + 12 * LatticeValue(tree, 11, seed);
    painter.setBrush(QColor::fromRgb(tree % 2 == 0 ? 0x7aa070 : 0x8cb080));
    painter.drawEllipse(QPointF(x, farCentre.y() - 16 - radius * 0.6), radius, radius * 1.2);
  }
  painter.setBrush(QColor::fromRgb(0x9ab890));
  painter.drawRect(QRectF(farCentre.x() - halfSpan, farCentre.y() - 18, halfSpan * 2, 12));
  painter.setBrush(QColor::fromRgb(0xd8ece8));
  painter.drawRect(QRectF(farCentre.x() - halfSpan, farCentre.y() - 6, halfSpan * 2, 8));
  painter.restore();
  // The vault: the curved stone underside running from the near arch to the far one, dark and damp.
  QPainterPath vault = opening.subtracted(farOpening);
  QLinearGradient gloom(centre.x() - halfSpan, 0, centre.x() + halfSpan, 0);
  gloom.setColorAt(0, QColor::fromRgb(0x4a4a50));
  gloom.setColorAt(0.55, QColor::fromRgb(0x2e2e36));
  gloom.setColorAt(1, QColor::fromRgb(0x3e3e46));
  painter.setBrush(gloom);
  painter.drawPath(vault);
  painter.save();
  painter.setClipPath(vault);
  // Courses of the vault running away to the far face, and rings across them.
  for (int course = 1; course < 14; ++course) {
    const double angle = course / 14.0 * kPi;
    const QPointF nearPoint = ArchPoint(centre, halfSpan, rise, angle);
    const QPointF farPoint = ArchPoint(farCentre, halfSpan * kFarShare, rise * kFarShare, angle);
    painter.setPen(QPen(WithAlpha(0x9a9aa4, 0.3), 1.0));
    painter.drawLine(nearPoint, farPoint);
  }
  for (int ring = 1; ring < 6; ++ring) {
    const double share = 1 - (1 - kFarShare) * ring / 6.0;
    const QPointF ringCentre = vanishing + (centre - vanishing) * share;
    painter.setPen(QPen(WithAlpha(0x14141c, 0.35), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ArchOpening(ringCentre, halfSpan * share, rise * share));
  }
  // The canal and the towpath running on under the vault to the daylight.
  const auto toFar = [&](QPointF point) { return vanishing + (point - vanishing) * kFarShare; };
  const QPointF nearLeft(centre.x() - halfSpan, centre.y());
  const QPointF nearRight(centre.x() + halfSpan, centre.y());
  const QPointF pathNear(layer.Number("path-at", centre.x() + halfSpan * 0.38), centre.y());
  QPainterPath water = PathThrough({nearLeft, toFar(nearLeft), toFar(pathNear), pathNear});
  QLinearGradient waterShade(0, toFar(nearLeft).y(), 0, centre.y());
  waterShade.setColorAt(0, QColor::fromRgb(0x8aa8a0));
  waterShade.setColorAt(0.3, QColor::fromRgb(0x2a3e3c));
  waterShade.setColorAt(1, QColor::fromRgb(0x1e2c2c));
  painter.setPen(Qt::NoPen);
  painter.setBrush(waterShade);
  painter.drawPath(water);
  painter.setBrush(WithAlpha(0xd8ece8, 0.35));
  painter.drawPath(PathThrough({toFar(nearLeft) + QPointF(40, 0), toFar(pathNear) - QPointF(10, 0), pathNear - QPointF(60, 0), nearLeft + QPointF(120, 0)}));
  QPainterPath ledge = PathThrough({pathNear, toFar(pathNear), toFar(nearRight), nearRight});
  QLinearGradient ledgeShade(0, toFar(nearLeft).y(), 0, centre.y());
  ledgeShade.setColorAt(0, QColor::fromRgb(0x9a968e));
  ledgeShade.setColorAt(0.35, QColor::fromRgb(0x3e3c44));
  ledgeShade.setColorAt(1, QColor::fromRgb(0x55525a));
  painter.setBrush(ledgeShade);
  painter.drawPath(ledge);
  painter.setPen(QPen(WithAlpha(0xb0aca4, 0.6), 1.2));
  painter.drawLine(pathNear, toFar(pathNear));
  painter.setPen(Qt::NoPen);
  // Drips of lime down the vault.
  painter.setPen(Qt::NoPen);
  for (int drip = 0; drip < 12; ++drip) {
    const double angle = (0.15 + 0.7 * LatticeValue(drip, 1, seed)) * kPi;
    const QPointF top = ArchPoint(centre, halfSpan * 0.92, rise * 0.92, angle);
    painter.setBrush(WithAlpha(0xd8d8c8, 0.35));
    painter.drawRect(QRectF(top.x(), top.y(), 1.5, 6 + 14 * LatticeValue(drip, 2, seed)));
  }
  painter.restore();

  // The face: stone courses across the frame, the arch cut from it, a band of voussoirs round the arch and
  // a keystone, a string course and the parapet with its coping.
  QPainterPath face;
  face.addRect(QRectF(-10, deck + 26, kFrameWidth + 20, centre.y() - deck - 26 + 2));
  face = face.subtracted(opening);
  sketch.Shape(face, kStone);
  painter.save();
  painter.setClipPath(face);
  // Courses of dressed stone, each block its own shade, the joints staggered course by course.
  int row = 0;
  for (double y = deck + 30; y < centre.y(); y += 17, ++row) {
    double x = -10 - LatticeValue(row, 9, seed) * 30;
    int column = 0;
    while (x < kFrameWidth + 10) {
      const double width = 30 + 26 * LatticeValue(column, row, seed);
      const double shade = LatticeValue(row, column, seed ^ 0x77) - 0.5;
      painter.setPen(Qt::NoPen);
      painter.setBrush(shade > 0 ? WithAlpha(kWhite, shade * 0.32) : WithAlpha(0x3a3440, -shade * 0.3));
      painter.drawRect(QRectF(x, y, width, 17));
      painter.setPen(QPen(WithAlpha(0x4a4450, 0.55), 1.0));
      painter.drawLine(QPointF(x, y), QPointF(x, y + 17));
      x += width;
      ++column;
    }
    painter.drawLine(QPointF(-10, y), QPointF(kFrameWidth + 10, y));
  }
  painter.setPen(Qt::NoPen);
  // Dark water stains and moss creeping up from the waterline.
  QLinearGradient stain(0, centre.y() - 70, 0, centre.y());
  stain.setColorAt(0, WithAlpha(0x3f5a38, 0));
  stain.setColorAt(1, WithAlpha(0x3f5a38, 0.6));
  painter.setBrush(stain);
  painter.drawRect(QRectF(-10, centre.y() - 70, kFrameWidth + 20, 72));
  painter.restore();
  // Voussoirs: wedge stones fanning round the arch, each its own shade, the keystone standing proud.
  const double band = 30;
  for (int stone = 0; stone < 17; ++stone) {
    const double from = stone / 17.0 * kPi;
    const double to = (stone + 1) / 17.0 * kPi;
    QPainterPath wedge;
    wedge.moveTo(ArchPoint(centre, halfSpan, rise, from));
    wedge.lineTo(ArchPoint(centre, halfSpan + band, rise + band, from));
    wedge.lineTo(ArchPoint(centre, halfSpan + band, rise + band, to));
    wedge.lineTo(ArchPoint(centre, halfSpan, rise, to));
    wedge.closeSubpath();
    const bool key = stone == 8;
    if (key) {
      wedge = QPainterPath();
      wedge.moveTo(ArchPoint(centre, halfSpan - 4, rise - 4, from));
      wedge.lineTo(ArchPoint(centre, halfSpan + band + 10, rise + band + 10, from - 0.02));
      wedge.lineTo(ArchPoint(centre, halfSpan + band + 10, rise + band + 10, to + 0.02));
      wedge.lineTo(ArchPoint(centre, halfSpan - 4, rise - 4, to));
      wedge.closeSubpath();
    }
    sketch.Shape(wedge, key ? kStoneLight : (stone % 2 == 0 ? kStone : 0xb4aea4));
  }
  // The string course, the parapet and its coping stones.
  sketch.Box(-10, deck + 20, kFrameWidth + 20, 10, kStoneLight);
  sketch.Box(-10, deck + 4, kFrameWidth + 20, 18, kStone);
  for (double x = -10; x < kFrameWidth + 10; x += 46) sketch.Box(x, deck - 6, 46, 12, kStoneLight);
  // Ivy trailing over the parapet.
  for (int leaf = 0; leaf < 40; ++leaf) {
    const double x = 420 + LatticeValue(leaf, 7, seed) * 180;
    const double y = deck + LatticeValue(leaf, 8, seed) * (30 + (x - 420) * 0.6);
    sketch.FlatOval(x, y, 5, 4, leaf % 3 == 0 ? kLeafLight : kLeaf);
  }
}

// The canal under the bridge: murky water from the spring line down, mirroring the arch (its dark vault and
// the bright far opening) broken by ripples; the towpath of stone flags running in under the arch on the
// right. spring=, arch-x=, span=, rise= as the bridge's; path-near= where the towpath's edge meets the
// frame's foot, path-far= where it meets the arch. Origin at the frame's top left.
void PaintCanal(Sketch& sketch, const Layer& layer) {
  const QPointF centre(layer.Number("arch-x", 300), layer.Number("spring", 368));
  const double halfSpan = layer.Number("span", 400) / 2;
  const double rise = layer.Number("rise", 220);
  const double pathNear = layer.Number("path-near", 250);
  const double pathFar = layer.Number("path-far", 380);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  const double bottom = kFrameHeight + 2;

  QLinearGradient murk(0, centre.y(), 0, bottom);
  murk.setColorAt(0, QColor::fromRgb(0x2e4a48));
  murk.setColorAt(1, QColor::fromRgb(0x4a7468));
  painter.setPen(Qt::NoPen);
  painter.setBrush(murk);
  painter.drawRect(QRectF(0, centre.y(), kFrameWidth, bottom - centre.y()));
  // The stone face mirrored either side of the arch, and the far daylight mirrored under its middle.
  painter.setBrush(WithAlpha(0x8a8478, 0.45));
  painter.drawRect(QRectF(0, centre.y(), centre.x() - halfSpan, bottom - centre.y()));
  painter.drawRect(QRectF(centre.x() + halfSpan, centre.y(), kFrameWidth, bottom - centre.y()));
  painter.setBrush(WithAlpha(0x8fbf7a, 0.45));
  painter.drawEllipse(QPointF(centre.x() + 20, centre.y() + 6), halfSpan * 0.45, rise * 0.12);
  // Ripples breaking the mirror: light streaks and dark ones, longer near the eye.
  for (int ripple = 0; ripple < 46; ++ripple) {
    const double along = LatticeValue(ripple, 1, seed);
    const double y = centre.y() + 3 + along * (bottom - centre.y());
    const double x = LatticeValue(ripple, 2, seed) * kFrameWidth;
    const double length = 8 + 40 * along;
    painter.setBrush(ripple % 2 == 0 ? WithAlpha(0xd8e8e0, 0.35) : WithAlpha(0x1a2a2a, 0.35));
    painter.drawEllipse(QPointF(x, y), length, 0.8 + along * 1.2);
  }
  // Scum and a floating leaf or two.
  for (int fleck = 0; fleck < 14; ++fleck) {
    const double x = LatticeValue(fleck, 3, seed) * pathNear;
    const double y = centre.y() + 6 + LatticeValue(fleck, 4, seed) * (bottom - centre.y() - 6);
    painter.setBrush(WithAlpha(0x8a9a4a, 0.55));
    painter.drawEllipse(QPointF(x, y), 3 + 4 * LatticeValue(fleck, 5, seed), 1.2);
  }
  // The towpath: flags of stone running in under the arch, a kerb of dressed stone along the water.
  const QPainterPath path = PathThrough({At(pathNear, bottom), At(pathFar, centre.y()), At(centre.x() + halfSpan + 40, centre.y()),
                                         At(kFrameWidth + 2, centre.y() - 4), At(kFrameWidth + 2, bottom)});
  sketch.Shape(path, kStone);
  painter.save();
  painter.setClipPath(path);
  for (int flag = 1; flag < 9; ++flag) {
    const double share = std::pow(flag / 9.0, 1.6);
    const double y = centre.y() + share * (bottom - centre.y());
    painter.setPen(QPen(WithAlpha(0x3a3640, 0.45), 1.0));
    painter.drawLine(QPointF(0, y), QPointF(kFrameWidth, y));
  }
  for (int seam = 1; seam < 6; ++seam) {
    const double x = pathNear + seam * (kFrameWidth - pathNear) / 6.0;
    painter.drawLine(QPointF(x, bottom), QPointF(pathFar + seam * 30, centre.y()));
  }
  // Under the arch the towpath goes dark.
  QLinearGradient shade(0, centre.y(), 0, centre.y() + 30);
  shade.setColorAt(0, WithAlpha(0x1c1a24, 0.6));
  shade.setColorAt(1, WithAlpha(0x1c1a24, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawRect(QRectF(pathFar, centre.y(), centre.x() + halfSpan - pathFar + 40, 30));
  painter.restore();
  sketch.Line(pathNear, bottom, pathFar, centre.y(), kStoneLight, 4);
  sketch.InkLine(pathNear, bottom, pathFar, centre.y());
}

// The round mouth of a sewer pipe in a stone bank, r across, a trickle running out of it; origin at its middle.
void PaintOutfall(Sketch& sketch, const Layer& layer) {
  const double radius = layer.Number("r", 40);
  sketch.Oval(0, 0, radius * 1.25, radius * 1.25, kStoneLight);
  sketch.Oval(0, 0, radius, radius, 0x1c1a22);
  QPainter& painter = sketch.Painter();
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(0x4a4a4a, 0.9));
  painter.drawEllipse(QPointF(radius * 0.2, radius * 0.15), radius * 0.7, radius * 0.75);
  sketch.FlatBox(-radius * 0.3, radius * 0.6, radius * 0.6, radius * 1.4, kSewage);
  painter.setBrush(WithAlpha(kWhite, 0.35));
  painter.drawRect(QRectF(-radius * 0.1, radius * 0.7, radius * 0.08, radius * 1.2));
  sketch.FlatOval(0, radius * 2.0, radius * 0.7, radius * 0.16, 0x8aa06a);
}

}  // namespace

void RegisterBridgeProps(PropRegistry& registry) {
  registry.Add("arch-bridge", PaintArchBridge);
  registry.Add("canal", PaintCanal);
  registry.Add("outfall", PaintOutfall);
}

}  // namespace brackenhollow::art
