// What the close views share: faces of a turned thing painted in their own perspective, tints and sheens
// that show a material's gloss, and things near the eye painted out of focus.
#pragma once

#include "art/painter/props/Turned.h"
#include "art/painter/Sketch.h"

#include <QPainterPath>
#include <QRgb>

#include <functional>

namespace brackenhollow::art {

class Layer;

// The turn a layer asks for in degrees (yaw=, pitch=), else the prop's own.
Turn TurnOf(const Layer& layer, double yawDegrees, double pitchDegrees, double focal = 1000);

// Keeps the painter mapped onto a face until it goes out of scope.
class OnFace {
 public:
  OnFace(Sketch& sketch, const QTransform& face);
  ~OnFace();
  OnFace(const OnFace&) = delete;
  OnFace& operator=(const OnFace&) = delete;

 private:
  Sketch& m_sketch;
};

// Paints a face of the thing as a flat width x height box mapped onto the four points, filled with its
// material and darkened by shade (0 lit to 1 black); a negative shade lightens it.
void PaintFace(Sketch& sketch, const Turn& turn, const Point3& topLeft, const Point3& topRight, const Point3& bottomRight,
               const Point3& bottomLeft, QRgb fill, double shade);
// Lays a colour over the path at opacity alpha (nothing in a silhouette).
void Tint(Sketch& sketch, const QPainterPath& path, QRgb colour, double alpha);
// A gloss on lacquer, glass or steel: a soft pale band across the path from one point to another.
void Sheen(Sketch& sketch, const QPainterPath& path, QPointF from, QPointF to, double alpha);
// A soft shadow of the path, offset and feathered by spread, for a thing hanging or lying on a surface.
void SoftShadow(Sketch& sketch, const QPainterPath& path, QPointF offset, double spread, double alpha);
// Lets paint draw a thing near the eye, thrown out of focus by radius frame units (sharp in a silhouette).
void NearTheEye(Sketch& sketch, double radius, const std::function<void(Sketch&)>& paint);

}  // namespace brackenhollow::art
