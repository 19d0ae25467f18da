// The house drawing style: flat fills with one ink outline, on a fixed 596 x 408 frame.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRgb>
#include <QString>

#include <initializer_list>

namespace brackenhollow::art {

// Every picture is painted on this frame: the 149:102 shape of the game's picture box, four times over.
inline constexpr int kFrameWidth = 596;
inline constexpr int kFrameHeight = 408;

class Sketch {
 public:
  // pixelsPerUnit: how many pixels of the picture one unit of the frame covers (1, 2 or 3 for the three sizes).
  Sketch(QPainter& painter, double pixelsPerUnit);

  QPainter& Painter() { return m_painter; }

  // Fills the path and draws the ink outline around it.
  void Shape(const QPainterPath& path, QRgb fill);
  // Draws only the ink outline of the path.
  void Outline(const QPainterPath& path);
  // Fills the path without an outline.
  void Fill(const QPainterPath& path, QRgb fill);
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
  // Soft light: a few translucent discs, strongest in the middle.
  void Glow(double centreX, double centreY, double radius, QRgb colour, double strength);
  // Lays a translucent colour over the whole frame (darkness, haze), whatever the prop's transform.
  void Veil(QRgb colour, double opacity);

 private:
  // The outline pen: two frame units of ink whatever the prop's scale.
  QPen InkPen() const;

  QPainter& m_painter;
  double m_pixelsPerUnit;
};

// Shorthand for a point in prop coordinates.
inline QPointF At(double x, double y) {
  return QPointF(x, y);
}

}  // namespace brackenhollow::art
