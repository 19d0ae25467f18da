#include "art/painter/Renderer.h"

#include "art/painter/Sketch.h"

#include <QPainter>

namespace brackenhollow::art {

namespace {

// Paints one layer: moves the painter to the layer's place, then lets the prop draw around the origin.
void PaintLayer(QPainter& painter, int resolution, const Layer& layer, const PropRegistry& registry) {
  const PropPainter paint = registry.Find(layer.Prop());
  if (paint == nullptr) throw SceneError(layer.Where() + ": no prop named " + layer.Prop());
  const double scale = layer.Number("scale", 1.0);
  const bool flip = layer.Flag("flip", false);
  painter.save();
  painter.translate(layer.Number("x", 0.0), layer.Number("y", 0.0));
  painter.rotate(layer.Number("turn", 0.0));
  painter.scale(flip ? -scale : scale, scale);
  Sketch sketch(painter, resolution);
  paint(sketch, layer);
  painter.restore();
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": " + layer.Prop() + " has no parameter " + unused.front());
}

}  // namespace

QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution) {
  const int width = picture.iconSize > 0 ? kFrameHeight : kFrameWidth;
  QImage image(width * resolution, kFrameHeight * resolution, QImage::Format_RGB32);
  image.fill(QColor(Qt::white));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(resolution, resolution);
  for (const Layer& layer : picture.layers) PaintLayer(painter, resolution, layer, registry);
  return image;
}

QImage PaintIcon(const Picture& picture, const PropRegistry& registry, int size) {
  const int resolution = (size + kFrameHeight - 1) / kFrameHeight;
  return PaintPicture(picture, registry, resolution)
      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace brackenhollow::art
