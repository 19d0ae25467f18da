// A flat surface seen in perspective: a wall, a road or a floor drawn square in its own units and laid onto
// the four corners it covers in the frame, so courses, cobbles and windows narrow and crowd as it recedes.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

namespace brackenhollow::art {

// The projective map from the flat rectangle onto the quad (its corners in the order top-left, top-right,
// bottom-right, bottom-left of the flat rectangle); the identity when the quad is degenerate.
inline QTransform PlaneOnto(const QRectF& flat, const QPolygonF& quad) {
  QTransform map;
  QPolygonF from;
  from << flat.topLeft() << flat.topRight() << flat.bottomRight() << flat.bottomLeft();
  if (!QTransform::quadToQuad(from, quad, map)) return QTransform();
  return map;
}

// The frame height where the line from the vanishing point through a point reaches frame x.
inline double AlongRay(QPointF vanishing, QPointF through, double x) {
  if (through.x() == vanishing.x()) return through.y();
  return vanishing.y() + (through.y() - vanishing.y()) * (x - vanishing.x()) / (through.x() - vanishing.x());
}

}  // namespace brackenhollow::art
