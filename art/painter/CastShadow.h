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

 private:
  QImage m_canvas;  // the silhouette, at a fixed low resolution whatever the picture's: soft at every size
  QRect m_dirty;    // the part of the canvas painted last time, cleared before the next silhouette
};

}  // namespace brackenhollow::art
