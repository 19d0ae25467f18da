// Surfaces laid into perspective (walls, roads, floors): their flat drawing must land on the quad the picture
// gives them, recede as it does, and never go astray when the quad is flattened to a line.

#include <gtest/gtest.h>

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

#include "art/painter/props/Plane.h"

namespace brackenhollow {
namespace {

constexpr double kClose = 1e-6;

void ExpectNear(QPointF actual, QPointF expected) {
  EXPECT_NEAR(actual.x(), expected.x(), kClose);
  EXPECT_NEAR(actual.y(), expected.y(), kClose);
}

TEST(PaintingPlane, AFlatWallLandsOnItsQuadAndItsFarHalfIsDrawnSmaller) {
  const QRectF flat(0, 0, 600, 300);
  QPolygonF quad;
  quad << QPointF(0, 60) << QPointF(400, 120) << QPointF(400, 300) << QPointF(0, 340);
  const QTransform onto = art::PlaneOnto(flat, quad);
  ExpectNear(onto.map(flat.topLeft()), quad[0]);
  ExpectNear(onto.map(flat.topRight()), quad[1]);
  ExpectNear(onto.map(flat.bottomRight()), quad[2]);
  ExpectNear(onto.map(flat.bottomLeft()), quad[3]);
  // Equal lengths of wall cover less of the frame the further they lie: the near half is wider than the far.
  const double nearHalf = onto.map(QPointF(300, 150)).x() - onto.map(QPointF(0, 150)).x();
  const double farHalf = onto.map(QPointF(600, 150)).x() - onto.map(QPointF(300, 150)).x();
  EXPECT_GT(nearHalf, farHalf * 1.2) << "the wall would not recede";
  // A course of bricks stays a straight line running to the vanishing point.
  const QPointF start = onto.map(QPointF(0, 100));
  const QPointF middle = onto.map(QPointF(300, 100));
  const QPointF end = onto.map(QPointF(600, 100));
  const double cross = (middle.x() - start.x()) * (end.y() - start.y()) - (middle.y() - start.y()) * (end.x() - start.x());
  EXPECT_NEAR(cross, 0.0, 1e-6);
}

TEST(PaintingPlane, AQuadFlattenedToALineLeavesTheDrawingWhereItWasInsteadOfThrowingItAway) {
  QPolygonF line;
  line << QPointF(10, 10) << QPointF(20, 10) << QPointF(30, 10) << QPointF(40, 10);
  const QTransform onto = art::PlaneOnto(QRectF(0, 0, 100, 100), line);
  EXPECT_TRUE(onto.isIdentity());
}

TEST(PaintingPlane, ARayFromTheVanishingPointIsFollowedAndAnUprightOneKeepsItsHeight) {
  const QPointF vanishing(300, 200);
  EXPECT_NEAR(art::AlongRay(vanishing, QPointF(200, 100), 0), -100, kClose);
  EXPECT_NEAR(art::AlongRay(vanishing, QPointF(400, 260), 596), 377.6, kClose);
  EXPECT_NEAR(art::AlongRay(vanishing, QPointF(300, 50), 10), 50, kClose) << "no division by zero";
}

}  // namespace
}  // namespace brackenhollow
