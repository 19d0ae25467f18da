#include "art/painter/Renderer.h"

#include "art/painter/Atmosphere.h"
#include "art/painter/Sketch.h"

#include <QPainter>

#include <algorithm>

namespace brackenhollow::art {

namespace {

// Outdoors, things drawn smaller than this are far away and fade into the haze.
constexpr double kNearScale = 0.75;
constexpr double kMostHaze = 0.5;

// A "light from=left|right|above|front" line turns the picture's light; it paints nothing itself.
bool IsLightDirection(const Layer& layer) {
  return layer.Prop() == "light";
}

// Turns the atmosphere's light as the layer says. Throws SceneError for an unknown side or parameter.
void TurnLight(Atmosphere& atmosphere, const Layer& layer) {
  if (!atmosphere.SetLightFrom(layer.Word("from", "left")))
    throw SceneError(layer.Where() + ": light comes from left, right, above or front");
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": light has no parameter " + unused.front());
}

// How far a layer fades into the haze: as the layer says, else by how small it is drawn outdoors.
double HazeOf(const Layer& layer, double scale, bool outdoors) {
  const double automatic = outdoors ? std::clamp((kNearScale - scale) * 1.2, 0.0, kMostHaze) : 0.0;
  return std::clamp(layer.Number("haze", automatic), 0.0, 1.0);
}

// Half the width of the shadow a standing prop throws: its own width or radius when the layer gives one.
double ShadowHalfWidth(const Layer& layer, double footprint) {
  if (layer.Has("w")) return layer.Number("w", 0) / 2;
  if (layer.Has("r")) return layer.Number("r", 0);
  return footprint;
}

// Paints one layer: moves the painter to the layer's place, throws the contact shadow of a thing that
// stands, then lets the prop draw around the origin.
void PaintLayer(QPainter& painter, Atmosphere& atmosphere, int resolution, bool outdoors, const Layer& layer,
                const PropRegistry& registry) {
  const PropPainter paint = registry.Find(layer.Prop());
  if (paint == nullptr) throw SceneError(layer.Where() + ": no prop named " + layer.Prop());
  const double scale = layer.Number("scale", 1.0);
  const bool flip = layer.Flag("flip", false);
  painter.save();
  painter.translate(layer.Number("x", 0.0), layer.Number("y", 0.0));
  painter.rotate(layer.Number("turn", 0.0));
  painter.scale(flip ? -scale : scale, scale);
  // A thing on a side wall of a room is seen at an angle: narrower, its lines sloping with the wall.
  painter.shear(0, layer.Number("skew", 0.0));
  painter.scale(layer.Number("squash", 1.0), 1.0);
  Sketch sketch(painter, atmosphere, resolution, HazeOf(layer, scale, outdoors));
  const double footprint = registry.Footprint(layer.Prop());
  if (footprint > 0 && layer.Flag("shadow", true)) sketch.ContactShadow(ShadowHalfWidth(layer, footprint));
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
  const bool outdoors = std::any_of(picture.layers.begin(), picture.layers.end(),
                                    [](const Layer& layer) { return layer.Prop() == "sky"; });
  Atmosphere atmosphere;
  for (const Layer& layer : picture.layers)
    if (IsLightDirection(layer)) TurnLight(atmosphere, layer);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(resolution, resolution);
    for (const Layer& layer : picture.layers)
      if (!IsLightDirection(layer)) PaintLayer(painter, atmosphere, resolution, outdoors, layer, registry);
  }
  atmosphere.Light(image);
  return image;
}

void PaintLayersAlone(const Picture& picture, const PropRegistry& registry, std::size_t first,
                      const std::function<void(std::size_t index, const QImage& alone)>& visit, int resolution) {
  const int width = picture.iconSize > 0 ? kFrameHeight : kFrameWidth;
  QImage alone(width * resolution, kFrameHeight * resolution, QImage::Format_ARGB32_Premultiplied);
  const bool outdoors = std::any_of(picture.layers.begin(), picture.layers.end(),
                                    [](const Layer& layer) { return layer.Prop() == "sky"; });
  Atmosphere atmosphere;
  for (const Layer& layer : picture.layers)
    if (IsLightDirection(layer)) TurnLight(atmosphere, layer);
  for (std::size_t index = first; index < picture.layers.size(); ++index) {
    alone.fill(Qt::transparent);
    if (!IsLightDirection(picture.layers[index])) {
      QPainter painter(&alone);
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setRenderHint(QPainter::TextAntialiasing, true);
      painter.scale(resolution, resolution);
      PaintLayer(painter, atmosphere, resolution, outdoors, picture.layers[index], registry);
    }
    visit(index, alone);
  }
}

QImage PaintIcon(const Picture& picture, const PropRegistry& registry, int size) {
  const int resolution = (size + kFrameHeight - 1) / kFrameHeight;
  return PaintPicture(picture, registry, resolution)
      .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace brackenhollow::art
