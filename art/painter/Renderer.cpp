#include "art/painter/Renderer.h"

#include "art/painter/Atmosphere.h"
#include "art/painter/CastShadow.h"
#include "art/painter/Noise.h"
#include "art/painter/Sketch.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <string>

namespace brackenhollow::art {

namespace {

// Outdoors, things drawn smaller than this are far away and fade into the haze.
constexpr double kNearScale = 0.75;
constexpr double kMostHaze = 0.5;

// How dark a cast shadow is outdoors and in rooms, where lamps and walls fill it with light.
constexpr double kOutdoorShadow = 0.34;
constexpr double kIndoorShadow = 0.24;

// "light from=..." turns the picture's light and "camera ..." sets its viewpoint; they paint nothing.
bool IsSetting(const Layer& layer) {
  return layer.Prop() == "light" || layer.Prop() == "camera";
}

// A number for a text, the same on every machine.
std::uint32_t TextSeed(const std::string& text) {
  std::uint32_t seed = 2166136261u;
  for (const char character : text) seed = (seed ^ static_cast<unsigned char>(character)) * 16777619u;
  return seed;
}

// A picture's seed: its room's, so a room's state pictures grow alike; a close-up put by an action has its
// file name's.
std::uint32_t PictureSeed(const Picture& picture) {
  if (!picture.rooms.empty()) return MixSeed(0x5eed0000u, static_cast<std::uint32_t>(picture.rooms.front()));
  return TextSeed(picture.fileName);
}

// A layer's seed: the picture's, its prop and its place.
std::uint32_t LayerSeed(std::uint32_t pictureSeed, const Layer& layer) {
  const auto place = [&](const char* key) {
    return static_cast<std::uint32_t>(static_cast<int>(std::lround(layer.Number(key, 0.0))));
  };
  return MixSeed(MixSeed(MixSeed(pictureSeed, TextSeed(layer.Prop())), place("x")), place("y"));
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

// The layer's turn, scale, flip and the slant of a side wall, applied to a painter already at its place.
void ShapeLayer(QPainter& painter, const Layer& layer) {
  const double scale = layer.Number("scale", 1.0);
  const bool flip = layer.Flag("flip", false);
  painter.rotate(layer.Number("turn", 0.0));
  painter.scale(flip ? -scale : scale, scale);
  // A thing on a side wall of a room is seen at an angle: narrower, its lines sloping with the wall.
  painter.shear(0, layer.Number("skew", 0.0));
  painter.scale(layer.Number("squash", 1.0), 1.0);
}

// Moves the painter to the layer's place: on a side wall, into that wall's perspective.
void PlaceLayer(QPainter& painter, const Atmosphere& atmosphere, const Layer& layer) {
  const QPointF anchor(layer.Number("x", 0.0), layer.Number("y", 0.0));
  Wall wall = Wall::kBack;
  if (!ReadWall(layer.Word("on", "back"), wall))
    throw SceneError(layer.Where() + ": on is left, right or back");
  if (wall == Wall::kBack) {
    painter.translate(anchor);
    return;
  }
  const QRectF backWall = atmosphere.BackWall().value_or(QRectF(kFrameWidth * 0.25, kFrameHeight * 0.2,
                                                                kFrameWidth * 0.5, kFrameHeight * 0.5));
  const Camera& camera = atmosphere.View();
  if (const auto corner = CornerOf(camera, backWall)) {
    painter.setTransform(OnCornerWall(wall, anchor, *corner), true);
    return;
  }
  painter.setTransform(OnWall(wall, anchor, VanishingPoint(camera, backWall), camera.focal), true);
}

// Things that are themselves the light, or lie flat, cast no shadow of their shape.
bool CastsShadow(const Layer& layer, double footprint) {
  return footprint > 0 && layer.Flag("shadow", true) && layer.Prop() != "bonfire" && !layer.Has("on");
}

// A soft, cool darkening towards the frame's edges: draws the eye in and gives close views depth.
void Vignette(QPainter& painter, int width) {
  QRadialGradient gradient(QPointF(width / 2.0, kFrameHeight * 0.45), width * 0.72);
  QColor edge = QColor::fromRgb(0x1c1a3a);
  edge.setAlphaF(0);
  gradient.setColorAt(0.55, edge);
  edge.setAlphaF(0.26f);
  gradient.setColorAt(1.0, edge);
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawRect(QRectF(0, 0, width, kFrameHeight));
}

// The light, seed and camera a picture is painted under.
Atmosphere PrepareAtmosphere(const Picture& picture) {
  Atmosphere atmosphere;
  atmosphere.SetSeed(PictureSeed(picture));
  atmosphere.SetView(CameraFromSeed(atmosphere.Seed()));
  for (const Layer& layer : picture.layers) {
    if (layer.Prop() == "light") TurnLight(atmosphere, layer);
    if (layer.Prop() == "camera") atmosphere.SetView(ReadCamera(layer, atmosphere.View()));
  }
  return atmosphere;
}

// Paints one layer: casts the shadow of a thing that stands along the light, moves the painter to the
// layer's place, darkens the ground where it stands, then lets the prop draw around the origin.
void PaintLayer(QPainter& painter, Atmosphere& atmosphere, ShadowCaster* caster, int resolution, bool outdoors,
                const Layer& layer, const PropRegistry& registry) {
  const PropPainter paint = registry.Find(layer.Prop());
  if (paint == nullptr) throw SceneError(layer.Where() + ": no prop named " + layer.Prop());
  const double scale = layer.Number("scale", 1.0);
  const double haze = HazeOf(layer, scale, outdoors);
  const std::uint32_t seed = LayerSeed(atmosphere.Seed(), layer);
  const double footprint = registry.Footprint(layer.Prop());
  if (caster != nullptr && CastsShadow(layer, footprint)) {
    const double strength = (outdoors ? kOutdoorShadow : kIndoorShadow) * (1.0 - haze);
    caster->Cast(painter, QPointF(layer.Number("x", 0.0), layer.Number("y", 0.0)), atmosphere.ShadowSlant(), strength,
                atmosphere.Horizon().value_or(0.0),
                [&](QPainter& canvas) {
                  Atmosphere scratch = atmosphere;
                  ShapeLayer(canvas, layer);
                  Sketch silhouette(canvas, scratch, 0.5, 0.0);
                  silhouette.SetSeed(seed);
                  silhouette.SetSilhouette(true);
                  paint(silhouette, layer);
                });
  }
  // Things standing in water are mirrored in it: ships by default, anything else that asks.
  if (layer.Flag("reflect", layer.Prop() == "ship") && caster != nullptr) {
    caster->Reflect(painter, QPointF(layer.Number("x", 0.0), layer.Number("y", 0.0)), 0.4 * (1.0 - haze),
                   [&](QPainter& canvas) {
                     Atmosphere scratch = atmosphere;
                     ShapeLayer(canvas, layer);
                     Sketch mirrored(canvas, scratch, 0.5, haze);
                     mirrored.SetSeed(seed);
                     paint(mirrored, layer);
                   });
  }
  painter.save();
  PlaceLayer(painter, atmosphere, layer);
  ShapeLayer(painter, layer);
  Sketch sketch(painter, atmosphere, resolution, haze);
  sketch.SetSeed(seed);
  if (footprint > 0 && layer.Flag("shadow", true)) sketch.ContactShadow(ShadowHalfWidth(layer, footprint));
  paint(sketch, layer);
  painter.restore();
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": " + layer.Prop() + " has no parameter " + unused.front());
}

// Whether a picture has a sky, which makes it outdoors: far things fade into the haze, shadows are stronger.
bool IsOutdoors(const Picture& picture) {
  return std::any_of(picture.layers.begin(), picture.layers.end(),
                     [](const Layer& layer) { return layer.Prop() == "sky"; });
}

int FrameWidthOf(const Picture& picture) { return picture.iconSize > 0 ? kFrameHeight : kFrameWidth; }

// Begins painting on the image under the picture's resolution, as every layer expects.
void BeginPainting(QPainter& painter, int resolution) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(resolution, resolution);
}

}  // namespace

std::size_t SharedStart(const Picture& first, const Picture& second) {
  if (!first.item.empty() || !second.item.empty() || first.iconSize != second.iconSize ||
      PictureSeed(first) != PictureSeed(second) || IsOutdoors(first) != IsOutdoors(second))
    return 0;
  // Light and camera lines anywhere in a picture set how all of it is painted.
  const auto settings = [](const Picture& picture) {
    std::vector<const Layer*> found;
    for (const Layer& layer : picture.layers)
      if (IsSetting(layer)) found.push_back(&layer);
    return found;
  };
  const std::vector<const Layer*> firstSettings = settings(first);
  const std::vector<const Layer*> secondSettings = settings(second);
  if (!std::equal(firstSettings.begin(), firstSettings.end(), secondSettings.begin(), secondSettings.end(),
                  [](const Layer* one, const Layer* other) { return one->PaintsAs(*other); }))
    return 0;
  const auto differs = std::mismatch(first.layers.begin(), first.layers.end(), second.layers.begin(),
                                     second.layers.end(),
                                     [](const Layer& one, const Layer& other) { return one.PaintsAs(other); });
  return static_cast<std::size_t>(differs.first - first.layers.begin());
}

PaintedStart PaintStart(const Picture& picture, const PropRegistry& registry, int resolution, std::size_t layers) {
  PaintedStart start{QImage(FrameWidthOf(picture) * resolution, kFrameHeight * resolution, QImage::Format_RGB32),
                     PrepareAtmosphere(picture), std::min(layers, picture.layers.size())};
  start.image.fill(QColor(Qt::white));
  if (start.layers == 0) return start;
  const bool outdoors = IsOutdoors(picture);
  ShadowCaster caster;
  QPainter painter(&start.image);
  BeginPainting(painter, resolution);
  for (std::size_t index = 0; index < start.layers; ++index)
    if (!IsSetting(picture.layers[index]))
      PaintLayer(painter, start.atmosphere, &caster, resolution, outdoors, picture.layers[index], registry);
  return start;
}

QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution, const PaintedStart& start) {
  QImage image = start.image;
  Atmosphere atmosphere = start.atmosphere;
  const bool outdoors = IsOutdoors(picture);
  // The shadow caster keeps only a cleared scratch canvas between layers, so a fresh one continues alike.
  ShadowCaster caster;
  {
    QPainter painter(&image);
    BeginPainting(painter, resolution);
    for (std::size_t index = start.layers; index < picture.layers.size(); ++index)
      if (!IsSetting(picture.layers[index]))
        PaintLayer(painter, atmosphere, &caster, resolution, outdoors, picture.layers[index], registry);
    Vignette(painter, FrameWidthOf(picture));
  }
  atmosphere.Light(image);
  return image;
}

QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution) {
  return PaintPicture(picture, registry, resolution, PaintStart(picture, registry, resolution, 0));
}

void PaintLayersAlone(const Picture& picture, const PropRegistry& registry, std::size_t first,
                      const std::function<void(std::size_t index, const QImage& alone)>& visit, int resolution) {
  QImage alone(FrameWidthOf(picture) * resolution, kFrameHeight * resolution, QImage::Format_ARGB32_Premultiplied);
  const bool outdoors = IsOutdoors(picture);
  // Under the picture's own light, seed and camera, so each layer lies where the picture shows it; the
  // shadows it casts are not part of it.
  Atmosphere atmosphere = PrepareAtmosphere(picture);
  for (std::size_t index = first; index < picture.layers.size(); ++index) {
    alone.fill(Qt::transparent);
    if (!IsSetting(picture.layers[index])) {
      QPainter painter(&alone);
      BeginPainting(painter, resolution);
      PaintLayer(painter, atmosphere, nullptr, resolution, outdoors, picture.layers[index], registry);
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
