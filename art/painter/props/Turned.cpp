#include "art/painter/props/Turned.h"

#include <QPolygonF>

#include <cmath>

namespace brackenhollow::art {

QPointF Project(const Turn& turn, const Point3& point) {
  const double cosYaw = std::cos(turn.yaw);
  const double sinYaw = std::sin(turn.yaw);
  const double across = point.x * cosYaw + point.z * sinYaw;
  const double deep = -point.x * sinYaw + point.z * cosYaw;
  const double cosPitch = std::cos(turn.pitch);
  const double sinPitch = std::sin(turn.pitch);
  // Looking down, what lies further back rises in the picture, and what stands higher comes nearer.
  const double down = point.y * cosPitch - deep * sinPitch;
  const double distance = deep * cosPitch + point.y * sinPitch;
  const double shrink = turn.focal / std::max(turn.focal * 0.2, turn.focal + distance);
  return QPointF(across * shrink, down * shrink);
}

QTransform FaceOnto(const Turn& turn, const QRectF& flat, const Point3& topLeft, const Point3& topRight,
                    const Point3& bottomRight, const Point3& bottomLeft) {
  const QPolygonF from({flat.topLeft(), flat.topRight(), flat.bottomRight(), flat.bottomLeft()});
  const QPolygonF to({Project(turn, topLeft), Project(turn, topRight), Project(turn, bottomRight),
                      Project(turn, bottomLeft)});
  QTransform transform;
  if (!QTransform::quadToQuad(from, to, transform)) return QTransform();
  return transform;
}

QTransform FrontPlane(const Turn& turn, double depth) {
  const QRectF flat(-100, -100, 200, 200);
  return FaceOnto(turn, flat, {-100, -100, depth}, {100, -100, depth}, {100, 100, depth}, {-100, 100, depth});
}

QTransform SidePlane(const Turn& turn, double across) {
  const QRectF flat(-100, -100, 200, 200);
  return FaceOnto(turn, flat, {across, -100, -100}, {across, -100, 100}, {across, 100, 100}, {across, 100, -100});
}

QTransform LevelPlane(const Turn& turn, double height) {
  const QRectF flat(-100, -100, 200, 200);
  return FaceOnto(turn, flat, {-100, height, -100}, {100, height, -100}, {100, height, 100}, {-100, height, 100});
}

}  // namespace brackenhollow::art
