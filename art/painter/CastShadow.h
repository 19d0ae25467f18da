// The shadow a standing thing casts: its own silhouette laid flat along the key light from its foot,
// softened, and darkening whatever was painted before it.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRgb>

#include <functional>

namespace brackenhollow::art {

class ShadowCaster {
 public:
  ShadowCaster();
  ShadowCaster(const ShadowCaster&) = delete;
  ShadowCaster& operator=(const ShadowCaster&) = delete;

  // Lets paintSilhouette draw the thing (in frame units, foot at the painter's origin) sheared by slant onto
  // the ground, then lays the silhouette over picture (whose painter works in frame units) as a soft shadow
  // of the given strength (0 none, 1 the shadow colour itself), only below groundTop (outdoors the horizon:
  // a shadow never falls on the sky). Painting nothing casts nothing.
  void Cast(QPainter& picture, QPointF foot, QPointF slant, double strength, double groundTop,
            const std::function<void(QPainter&)>& paintSilhouette);

  // Lets paintThing draw the thing upside down below its foot, as still water mirrors it, and lays it over
  // picture at the given strength, softened, only below the foot's line.
  void Reflect(QPainter& picture, QPointF foot, double strength, const std::function<void(QPainter&)>& paintThing);

 private:
  // Clears the canvas, lets paint draw on it under the transform (frame units to canvas), and returns the
  // painted bounds (empty when nothing was painted).
  QRect PaintCanvas(const QTransform& transform, bool silhouette, const std::function<void(QPainter&)>& paint);
  // Lays the painted part of the canvas over the picture at the strength, inside the clip (frame units).
  void Lay(QPainter& picture, const QRect& painted, double strength, const QRectF& clip);

  QImage m_canvas;  // the silhouette, at a fixed low resolution whatever the picture's: soft at every size
  QRect m_dirty;    // the part of the canvas painted last time, cleared before the next silhouette
};

}  // namespace brackenhollow::art
