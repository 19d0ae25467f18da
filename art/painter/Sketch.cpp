#include "art/painter/Sketch.h"

#include <QFont>
#include <QPolygonF>

namespace brackenhollow::art {

namespace {
constexpr double kOutlineWidth = 2.0;
}

Sketch::Sketch(QPainter& painter, double pixelsPerUnit) : m_painter(painter), m_pixelsPerUnit(pixelsPerUnit) {}

QPen Sketch::InkPen() const {
  QPen pen(QColor::fromRgb(0x2a2230));
  pen.setWidthF(kOutlineWidth * m_pixelsPerUnit);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Sketch::Shape(const QPainterPath& path, QRgb fill) {
  m_painter.setPen(InkPen());
  m_painter.setBrush(QColor::fromRgb(fill));
  m_painter.drawPath(path);
}

void Sketch::Outline(const QPainterPath& path) {
  m_painter.setPen(InkPen());
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPath(path);
}

void Sketch::Fill(const QPainterPath& path, QRgb fill) {
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(QColor::fromRgb(fill));
  m_painter.drawPath(path);
}

void Sketch::Box(double x, double y, double width, double height, QRgb fill) {
  QPainterPath path;
  path.addRect(x, y, width, height);
  Shape(path, fill);
}

void Sketch::FlatBox(double x, double y, double width, double height, QRgb fill) {
  QPainterPath path;
  path.addRect(x, y, width, height);
  Fill(path, fill);
}

void Sketch::Oval(double centreX, double centreY, double radiusX, double radiusY, QRgb fill) {
  QPainterPath path;
  path.addEllipse(QPointF(centreX, centreY), radiusX, radiusY);
  Shape(path, fill);
}

void Sketch::FlatOval(double centreX, double centreY, double radiusX, double radiusY, QRgb fill) {
  QPainterPath path;
  path.addEllipse(QPointF(centreX, centreY), radiusX, radiusY);
  Fill(path, fill);
}

void Sketch::Polygon(std::initializer_list<QPointF> points, QRgb fill) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  Shape(path, fill);
}

void Sketch::FlatPolygon(std::initializer_list<QPointF> points, QRgb fill) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  Fill(path, fill);
}

void Sketch::Line(double fromX, double fromY, double toX, double toY, QRgb colour, double width) {
  QPen pen(QColor::fromRgb(colour));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::RoundCap);
  m_painter.setPen(pen);
  m_painter.drawLine(QPointF(fromX, fromY), QPointF(toX, toY));
}

void Sketch::Stroke(const QPainterPath& path, QRgb colour, double width) {
  QPen pen(QColor::fromRgb(colour));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  m_painter.setPen(pen);
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPath(path);
}

void Sketch::InkLine(double fromX, double fromY, double toX, double toY) {
  m_painter.setPen(InkPen());
  m_painter.drawLine(QPointF(fromX, fromY), QPointF(toX, toY));
}

void Sketch::Text(const QRectF& box, const QString& text, double pixelSize, QRgb colour, bool bold,
                  Qt::Alignment alignment) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(pixelSize + 0.5));
  font.setBold(bold);
  m_painter.setFont(font);
  m_painter.setPen(QColor::fromRgb(colour));
  // Scene texts write line breaks as the two characters \n.
  QString lines = text;
  lines.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  m_painter.drawText(box, static_cast<int>(alignment) | Qt::TextWordWrap, lines);
}

void Sketch::Glow(double centreX, double centreY, double radius, QRgb colour, double strength) {
  constexpr int kRings = 4;
  m_painter.setPen(Qt::NoPen);
  for (int ring = 0; ring < kRings; ++ring) {
    QColor shade = QColor::fromRgb(colour);
    shade.setAlphaF(static_cast<float>(strength / kRings));
    m_painter.setBrush(shade);
    const double ringRadius = radius * (1.0 - ring / static_cast<double>(kRings));
    m_painter.drawEllipse(QPointF(centreX, centreY), ringRadius, ringRadius);
  }
}

void Sketch::Veil(QRgb colour, double opacity) {
  m_painter.save();
  m_painter.resetTransform();
  QColor shade = QColor::fromRgb(colour);
  shade.setAlphaF(static_cast<float>(opacity));
  m_painter.fillRect(QRect(0, 0, m_painter.device()->width(), m_painter.device()->height()), shade);
  m_painter.restore();
}

}  // namespace brackenhollow::art
