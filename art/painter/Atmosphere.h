// What one picture's props share while it is painted: where the light comes from, how dark the place is,
// the pools of light lamps and fires cast, and the haze that pales far things outdoors.
#pragma once

#include "art/painter/Camera.h"

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brackenhollow::art {

class Atmosphere {
 public:
  // The direction light travels, in picture pixels (x right, y down); by default from the upper left.
  QPointF LightDirection() const { return m_lightDirection; }
  // Turns the light to come from the side the scene says: "left", "right", "above" or "front".
  // Returns false for any other word.
  bool SetLightFrom(const std::string& side);

  // How a thing's cast shadow lies on the ground: x across per unit of the thing's height, and y up the
  // picture (away from the eye) per unit of height.
  QPointF ShadowSlant() const { return m_shadowSlant; }

  // The picture's seed: the same for every picture of one room, different from room to room, so skies,
  // trees and rocks grow alike in a room's states and differently everywhere else.
  std::uint32_t Seed() const { return m_seed; }
  void SetSeed(std::uint32_t seed) { m_seed = seed; }

  // Where the picture is seen from; the seed's camera until a scene names one.
  const Camera& View() const { return m_camera; }
  void SetView(const Camera& camera) { m_camera = camera; }
  // The back wall of the room the picture shows, once a room has been painted; props on its side walls
  // take their perspective from it.
  void SetBackWall(const QRectF& backWall) { m_backWall = backWall; }
  std::optional<QRectF> BackWall() const { return m_backWall; }

  // How much of the daylight reaches the place, per channel (1 everywhere is plain daylight).
  void SetAmbient(double red, double green, double blue);
  // Adds a pool of light: shape in its own coordinates, transform to picture pixels, brightest at centre
  // and fading out at radius; strength 1 adds as much light again as daylight.
  void AddPool(const QTransform& toPixels, const QPainterPath& shape, QPointF centre, double radius, QRgb colour,
               double strength);
  // Multiplies the finished picture by its light: darkness where no light falls, warm pools where lamps shine.
  // Dark ink keeps its darkness, so outlines are never washed over by light.
  void Light(QImage& picture) const;

  // The horizon outdoors, once a sky is painted: cast shadows lie on the ground below it, never on the sky.
  void SetHorizon(double horizon) { m_horizon = horizon; }
  std::optional<double> Horizon() const { return m_horizon; }

  // Far layers outdoors are mixed towards this colour, the sky at the horizon; none until a sky is painted.
  void SetHaze(QRgb colour) { m_haze = colour; m_hasHaze = true; }
  bool HasHaze() const { return m_hasHaze; }
  QRgb Haze() const { return m_haze; }

 private:
  struct Pool {
    QTransform toPixels;
    QPainterPath shape;
    QPointF centre;
    double radius = 0;
    QRgb colour = 0;
    double strength = 0;
  };

  QPointF m_lightDirection{0.55, 0.83};
  QPointF m_shadowSlant{0.5, 0.22};
  std::uint32_t m_seed = 0;
  Camera m_camera;
  std::optional<QRectF> m_backWall;
  std::optional<double> m_horizon;
  double m_ambient[3] = {1.0, 1.0, 1.0};
  std::vector<Pool> m_pools;
  QRgb m_haze = 0;
  bool m_hasHaze = false;
};

}  // namespace brackenhollow::art
