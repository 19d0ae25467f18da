#include "art/painter/HallSpace.h"

#include "art/painter/Sketch.h"

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {
constexpr double kDefaultWidth = 240;
constexpr double kDefaultHeight = 300;
constexpr double kDegree = 3.14159265358979 / 180;
}  // namespace

HallSpace::HallSpace(const Camera& camera)
    : m_width(camera.hallWidth > 0 ? camera.hallWidth * 100 : kDefaultWidth),
      m_height(camera.hallHeight > 0 ? camera.hallHeight * 100 : kDefaultHeight),
      m_eyeX((camera.across - 0.5) * m_width),
      m_eyeY((1 - camera.eye) * m_height),
      m_sin(std::sin(camera.turn * kDegree)),
      m_cos(std::cos(camera.turn * kDegree)),
      m_focal(camera.focal),
      // A low eye sees more ceiling: the horizon sits lower on the frame, as a camera raised on its stand.
      m_centre(kFrameWidth / 2.0, kFrameHeight * (0.25 + 0.5 * camera.eye)) {}

Point3 HallSpace::Turned(Point3 offset) const {
  return {offset.x * m_cos - offset.z * m_sin, offset.y, offset.x * m_sin + offset.z * m_cos};
}

double HallSpace::Depth(Point3 point) const {
  return Turned({point.x - m_eyeX, point.y - m_eyeY, point.z}).z;
}

QPointF HallSpace::Project(Point3 point) const {
  const Point3 eye = Turned({point.x - m_eyeX, point.y - m_eyeY, point.z});
  const double depth = std::max(eye.z, kNear);
  return QPointF(m_centre.x() + m_focal * eye.x / depth, m_centre.y() - m_focal * eye.y / depth);
}

double HallSpace::ScaleAt(Point3 point) const {
  return m_focal / std::max(Depth(point), kNear);
}

QPolygonF HallSpace::ProjectPolygon(const std::vector<Point3>& points) const {
  // Cut the polygon at the near plane, then project what is in front of it.
  std::vector<Point3> kept;
  for (std::size_t index = 0; index < points.size(); ++index) {
    const Point3 from = points[index];
    const Point3 to = points[(index + 1) % points.size()];
    const double fromDepth = Depth(from) - kNear;
    const double toDepth = Depth(to) - kNear;
    if (fromDepth >= 0) kept.push_back(from);
    if ((fromDepth >= 0) != (toDepth >= 0)) {
      const double share = fromDepth / (fromDepth - toDepth);
      kept.push_back(from + (to + from * -1) * share);
    }
  }
  QPolygonF polygon;
  for (const Point3& point : kept) polygon << Project(point);
  return polygon;
}

QTransform HallSpace::Plane(Point3 origin, Point3 across, Point3 up) const {
  const Point3 base = Turned({origin.x - m_eyeX, origin.y - m_eyeY, origin.z});
  const Point3 u = Turned(across);
  const Point3 v = Turned(up);
  const double cx = m_centre.x();
  const double cy = m_centre.y();
  const double f = m_focal;
  return QTransform(cx * u.z + f * u.x, cy * u.z - f * u.y, u.z,  //
                    cx * v.z + f * v.x, cy * v.z - f * v.y, v.z,  //
                    cx * base.z + f * base.x, cy * base.z - f * base.y, base.z);
}

double HallSpace::NearestZ(double x) const {
  // Depth = (x - eyeX) sin + z cos, at least kNear.
  return (kNear - (x - m_eyeX) * m_sin) / m_cos;
}

}  // namespace brackenhollow::art
