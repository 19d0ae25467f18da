#include "Renderer.h"

#include "Sketch.h"

#include <QPainter>

namespace brackenhollow::art {

namespace {

// Paints one layer: moves the painter to the layer's place, then lets the prop draw around the origin.
void PaintLayer(QPainter& painter, const Layer& layer, const PropRegistry& registry) {
  const PropPainter paint = registry.Find(layer.Prop());
  if (paint == nullptr) throw SceneError(layer.Where() + ": no prop named " + layer.Prop());
  const double scale = layer.Number("scale", 1.0);
  const bool flip = layer.Flag("flip", false);
  painter.save();
  painter.translate(layer.Number("x", 0.0), layer.Number("y", 0.0));
  painter.rotate(layer.Number("turn", 0.0));
  painter.scale(flip ? -scale : scale, scale);
  Sketch sketch(painter);
  paint(sketch, layer);
  painter.restore();
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": " + layer.Prop() + " has no parameter " + unused.front());
}

}  // namespace

QImage PaintPicture(const Picture& picture, const PropRegistry& registry) {
  const bool icon = picture.iconSize > 0;
  QImage image(icon ? kFrameHeight : kFrameWidth, kFrameHeight, QImage::Format_RGB32);
  image.fill(QColor(Qt::white));
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const Layer& layer : picture.layers) PaintLayer(painter, layer, registry);
  }
  if (icon)
    return image.scaled(picture.iconSize, picture.iconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image;
}

}  // namespace brackenhollow::art
