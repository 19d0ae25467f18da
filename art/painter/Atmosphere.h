// What one picture's props share while it is painted: where the light comes from, how dark the place is,
// the pools of light lamps and fires cast, and the haze that pales far things outdoors.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <QTransform>

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

  // How much of the daylight reaches the place, per channel (1 everywhere is plain daylight).
  void SetAmbient(double red, double green, double blue);
  // Adds a pool of light: shape in its own coordinates, transform to picture pixels, brightest at centre
  // and fading out at radius; strength 1 adds as much light again as daylight.
  void AddPool(const QTransform& toPixels, const QPainterPath& shape, QPointF centre, double radius, QRgb colour,
               double strength);
  // Multiplies the finished picture by its light: darkness where no light falls, warm pools where lamps shine.
  // Dark ink keeps its darkness, so outlines are never washed over by light.
  void Light(QImage& picture) const;

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
  double m_ambient[3] = {1.0, 1.0, 1.0};
  std::vector<Pool> m_pools;
  QRgb m_haze = 0;
  bool m_hasHaze = false;
};

}  // namespace brackenhollow::art
