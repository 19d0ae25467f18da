// A thing seen three-quarter on: turned about its upright axis and looked down on, in perspective, so a
// close view shows its front, one side and its top instead of one flat face.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

namespace brackenhollow::art {

// A point of the thing: x to its right, y down (0 at its foot, negative up), z away from the eye (0 at its front).
struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

struct Turn {
  double yaw = 0.4;    // radians about the upright axis; positive shows the thing's right side
  double pitch = 0.15;  // radians; positive looks down onto its top
  double focal = 900;   // how far the eye stands, in frame units: nearer foreshortens more
};

// Where a point of the thing lands, in the prop's own coordinates (the front's foot centre stays at the origin).
QPointF Project(const Turn& turn, const Point3& point);

// Maps the flat rectangle onto the face through the four points of the thing that its top-left, top-right,
// bottom-right and bottom-left corners stand for; the identity when no mapping exists.
QTransform FaceOnto(const Turn& turn, const QRectF& flat, const Point3& topLeft, const Point3& topRight,
                    const Point3& bottomRight, const Point3& bottomLeft);

// The plane z = depth seen from the turn: a flat prop drawn in x, y lands on the thing's front at that depth.
QTransform FrontPlane(const Turn& turn, double depth);
// The plane x = across: flat x is the depth z, flat y stays y.
QTransform SidePlane(const Turn& turn, double across);
// The plane y = height (a top, a shelf, a floor): flat x stays x, flat y is the depth z.
QTransform LevelPlane(const Turn& turn, double height);

}  // namespace brackenhollow::art
