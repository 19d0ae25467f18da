// The house drawing style: fills shaded away from the light and textured by what they are made of, ink
// outlines heavier on the side away from the light and thinning with distance, on a fixed 596 x 408 frame.
#pragma once

#include "art/painter/Atmosphere.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <initializer_list>

namespace brackenhollow::art {

// Every picture is painted on this frame: the 149:102 shape of the game's picture box, four times over.
inline constexpr int kFrameWidth = 596;
inline constexpr int kFrameHeight = 408;

class Sketch {
 public:
  // pixelsPerUnit: how many pixels of the picture one unit of the frame covers (1, 2 or 3 for the three sizes).
  // haze: how far this layer's colours are mixed towards the atmosphere's haze (0 near, up to 1 far away).
  Sketch(QPainter& painter, Atmosphere& atmosphere, double pixelsPerUnit, double haze);

  QPainter& Painter() { return m_painter; }
  Atmosphere& Air() { return m_atmosphere; }
  // How many picture pixels one frame unit covers, for a prop that paints part of itself on a layer of its own.
  double PixelsPerUnit() const { return m_pixelsPerUnit; }

  // This layer's seed: grown from the picture's seed, the prop and its place, so the same prop in the same
  // place of one room's pictures grows alike, and anywhere else differently.
  std::uint32_t Seed() const { return m_seed; }
  void SetSeed(std::uint32_t seed) { m_seed = seed; }
  // A number in [0, 1) from this layer's seed; each salt gives another.
  double Vary(int salt) const;
  // The layer's seed mixed with where across the frame the painter now stands, for props that paint many
  // of a kind (a row of trees): each grows differently, and alike at every size.
  std::uint32_t PlaceSeed() const;
  // Paints only the silhouette: no textures, shading or light, for a shadow cut from the thing's shape.
  void SetSilhouette(bool silhouette) { m_silhouette = silhouette; }
  bool IsSilhouette() const { return m_silhouette; }

  // Fills the path and draws the ink outline around it.
  void Shape(const QPainterPath& path, QRgb fill);
  // Draws only the ink outline of the path.
  void Outline(const QPainterPath& path);
  // Fills the path without an outline.
  void Fill(const QPainterPath& path, QRgb fill);
  // Lays the texture of the fill colour's material over the path (nothing for colours that are no material).
  void Texture(const QPainterPath& path, QRgb fill);
  // Outlined rectangle.
  void Box(double x, double y, double width, double height, QRgb fill);
  // Rectangle without an outline.
  void FlatBox(double x, double y, double width, double height, QRgb fill);
  // Outlined ellipse around a centre.
  void Oval(double centreX, double centreY, double radiusX, double radiusY, QRgb fill);
  // Ellipse without an outline.
  void FlatOval(double centreX, double centreY, double radiusX, double radiusY, QRgb fill);
  // Outlined polygon.
  void Polygon(std::initializer_list<QPointF> points, QRgb fill);
  // Polygon without an outline.
  void FlatPolygon(std::initializer_list<QPointF> points, QRgb fill);
  // A stroke whose width scales with the prop (ropes, stalks, wires).
  void Line(double fromX, double fromY, double toX, double toY, QRgb colour, double width);
  // Strokes a path with a width that scales with the prop.
  void Stroke(const QPainterPath& path, QRgb colour, double width);
  // A thin ink line, as thick as the outlines whatever the prop's scale.
  void InkLine(double fromX, double fromY, double toX, double toY);
  // Text centred (or aligned) in a box, in the house font.
  void Text(const QRectF& box, const QString& text, double pixelSize, QRgb colour, bool bold = true,
            Qt::Alignment alignment = Qt::AlignCenter);
  // A round pool of light fading out at radius, laid over the finished picture.
  void Glow(double centreX, double centreY, double radius, QRgb colour, double strength);
  // An oval pool of light on a floor or a wall, fading out towards its rim.
  void LightPool(double centreX, double centreY, double radiusX, double radiusY, QRgb colour, double strength);
  // Light spreading from a source at (x, y) down to a floor at floorY, halfWidth either side there: the cone
  // under a lampshade or through a doorway.
  void LightCone(double x, double y, double topHalfWidth, double floorY, double halfWidth, QRgb colour,
                 double strength);
  // Darkness over the whole place: amount 0 is daylight, near 1 nearly black; lit pools still cut through it.
  void Veil(QRgb colour, double amount);
  // Throws everything painted so far out of focus by radius frame units and veils it towards haze by amount:
  // the background of a close view, behind the sharp thing painted next.
  void Defocus(double radius, QRgb haze, double amount);
  // The soft shadow a thing standing on the origin throws on the ground, halfWidth either side of it.
  void ContactShadow(double halfWidth);

 private:
  // The outline pen: about two frame units of ink times weight, thinner for things drawn small (far away).
  QPen InkPen(double weight = 1.0) const;
  // A heavier line along the side of the path away from the light, drawn before the fill covers its inner
  // half.
  void ShadowSideEdge(const QPainterPath& path);
  // A fill colour after the layer's haze.
  QColor Hazed(QRgb colour) const;
  // Darkens the side of a filled path that faces away from the light.
  void ShadeFarSide(const QPainterPath& path);
  // The light's direction in the prop's own coordinates.
  QPointF LocalLightDirection() const;

  QPainter& m_painter;
  Atmosphere& m_atmosphere;
  double m_pixelsPerUnit;
  double m_haze;
  double m_inkWidth;
  double m_scale;
  std::uint32_t m_seed = 0;
  bool m_silhouette = false;
};

// Shorthand for a point in prop coordinates.
inline QPointF At(double x, double y) {
  return QPointF(x, y);
}

}  // namespace brackenhollow::art
