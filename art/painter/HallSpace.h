// A hallway built in space and the eye standing in it: points in centimetres (x across to the right, y up
// from the floor, z away along the hall from the eye's feet) carried onto the frame in true perspective,
// and any flat surface of the hall (a wall, the floor, a door leaf swung on its hinges) as a projective map,
// so what is drawn flat on it lands in that surface's perspective.
#pragma once

#include "art/painter/Camera.h"

#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <vector>

namespace brackenhollow::art {

struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

inline Point3 operator+(Point3 a, Point3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point3 operator*(Point3 a, double by) {
  return {a.x * by, a.y * by, a.z * by};
}

class HallSpace {
 public:
  // How close to the eye a thing may come before it is cut away: nearer, it would fill the frame.
  static constexpr double kNear = 20;

  // The hall the camera names: its across= and eye= place the eye in the hall's width and height, turn= turns
  // it, focal= sets the lens; a hall with no size given is 2.4 m wide and 3 m high.
  explicit HallSpace(const Camera& camera);

  double Width() const { return m_width; }
  double Height() const { return m_height; }
  double EyeX() const { return m_eyeX; }
  double EyeHeight() const { return m_eyeY; }

  // How far in front of the eye a point lies, along the way it looks.
  double Depth(Point3 point) const;
  // Where a point lands on the frame; points nearer than kNear are taken at kNear.
  QPointF Project(Point3 point) const;
  // How many frame units a centimetre spans at the point's depth.
  double ScaleAt(Point3 point) const;
  // Frame coordinates of the points, the part nearer than kNear cut away; empty when nothing is left.
  QPolygonF ProjectPolygon(const std::vector<Point3>& points) const;
  // The map from a flat surface's own coordinates (u along across, v along up, in centimetres) to the frame:
  // the point origin + across * u + up * v.
  QTransform Plane(Point3 origin, Point3 across, Point3 up) const;
  // The smallest z at which a point at height-independent x lies at least kNear in front of the eye.
  double NearestZ(double x) const;

 private:
  Point3 Turned(Point3 offset) const;

  double m_width;
  double m_height;
  double m_eyeX;
  double m_eyeY;
  double m_sin;
  double m_cos;
  double m_focal;
  QPointF m_centre;
};

}  // namespace brackenhollow::art
