#include "art/painter/Sketch.h"

#include "art/painter/Focus.h"
#include "art/painter/Materials.h"
#include "art/painter/Noise.h"

#include <QFont>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

namespace {
constexpr QRgb kInkColour = 0x2a2230;
constexpr QRgb kShadeColour = 0x241c3a;
constexpr QRgb kShadowColour = 0x1e1a28;
// Outlines of things drawn at their natural size; a thing drawn at half size is further away and thinner.
constexpr double kOutlineWidth = 2.0;
constexpr double kThinnestOutline = 0.9;
constexpr double kThickestOutline = 3.0;
// How dark the far side of a shape gets.
constexpr double kFarSideShade = 0.26;
// Outlines are lighter than the ink's full weight where the light falls, and heavier on the shadow side.
constexpr double kLitOutlineWeight = 0.75;
constexpr double kShadowSideWeight = 1.35;
// Surfaces smaller than this (frame units) show no material: the texture would be noise at that size.
constexpr double kSmallestTextured = 9.0;

// Mixes two colours; share 0 is the first, 1 the second.
QRgb Mix(QRgb first, QRgb second, double share) {
  const auto channel = [share](int one, int other) { return static_cast<int>(one + (other - one) * share + 0.5); };
  return qRgb(channel(qRed(first), qRed(second)), channel(qGreen(first), qGreen(second)),
              channel(qBlue(first), qBlue(second)));
}
}  // namespace

Sketch::Sketch(QPainter& painter, Atmosphere& atmosphere, double pixelsPerUnit, double haze)
    : m_painter(painter), m_atmosphere(atmosphere), m_pixelsPerUnit(pixelsPerUnit), m_haze(haze) {
  // The layer's own scale: the painter's scale over the picture's resolution.
  const QTransform transform = m_painter.worldTransform();
  const double scale = std::sqrt(std::abs(transform.determinant())) / pixelsPerUnit;
  m_scale = scale > 0 ? scale : 1.0;
  m_inkWidth = std::clamp(kOutlineWidth * std::sqrt(scale), kThinnestOutline, kThickestOutline) * (1.0 - 0.4 * haze);
}

QColor Sketch::Hazed(QRgb colour) const {
  if (m_haze <= 0 || !m_atmosphere.HasHaze()) return QColor::fromRgb(colour);
  return QColor::fromRgb(Mix(colour, m_atmosphere.Haze(), m_haze));
}

double Sketch::Vary(int salt) const {
  return LatticeValue(salt, 7, m_seed);
}

std::uint32_t Sketch::PlaceSeed() const {
  const double across = m_painter.worldTransform().dx() / m_pixelsPerUnit;
  return MixSeed(m_seed, static_cast<std::uint32_t>(static_cast<int>(std::floor(across / 3.0 + 0.5))));
}

QPen Sketch::InkPen(double weight) const {
  QPen pen(Hazed(kInkColour));
  pen.setWidthF(m_inkWidth * weight * m_pixelsPerUnit);
  pen.setCosmetic(true);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

QPointF Sketch::LocalLightDirection() const {
  const QTransform transform = m_painter.worldTransform();
  const QTransform linear(transform.m11(), transform.m12(), transform.m21(), transform.m22(), 0, 0);
  const QPointF local = linear.inverted().map(m_atmosphere.LightDirection());
  const double length = std::hypot(local.x(), local.y());
  return length > 0 ? local / length : QPointF(0, 1);
}

void Sketch::ShadeFarSide(const QPainterPath& path) {
  if (m_silhouette) return;
  const QRectF bounds = path.boundingRect();
  if (bounds.width() < 3 || bounds.height() < 3) return;
  const QPointF direction = LocalLightDirection();
  const QPointF centre = bounds.center();
  const double reach = (std::abs(direction.x()) * bounds.width() + std::abs(direction.y()) * bounds.height()) / 2;
  // Walls, floors and grounds wider than half the frame are left to the light map: shading them would
  // double the cost of filling the largest areas for a change hardly seen.
  if (m_painter.worldTransform().mapRect(bounds).width() > kFrameWidth * m_pixelsPerUnit * 0.5) return;
  QLinearGradient gradient(centre - direction * reach, centre + direction * reach);
  QColor shade = Hazed(kShadeColour);
  shade.setAlphaF(0);
  gradient.setColorAt(0.0, shade);
  gradient.setColorAt(0.45, shade);
  shade.setAlphaF(static_cast<float>(kFarSideShade * (1.0 - 0.6 * m_haze)));
  gradient.setColorAt(1.0, shade);
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(gradient);
  m_painter.drawPath(path);
}

void Sketch::ShadowSideEdge(const QPainterPath& path) {
  if (m_silhouette) return;
  const QPointF offset = LocalLightDirection() * (m_inkWidth * 0.5 / m_scale);
  m_painter.setPen(InkPen(kShadowSideWeight));
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPath(path.translated(offset));
}

void Sketch::Shape(const QPainterPath& path, QRgb fill) {
  ShadowSideEdge(path);
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(Hazed(fill));
  m_painter.drawPath(path);
  Texture(path, fill);
  ShadeFarSide(path);
  Outline(path);
}

void Sketch::Outline(const QPainterPath& path) {
  m_painter.setPen(InkPen(kLitOutlineWeight));
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawPath(path);
}

void Sketch::Fill(const QPainterPath& path, QRgb fill) {
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(Hazed(fill));
  m_painter.drawPath(path);
  Texture(path, fill);
}

void Sketch::Texture(const QPainterPath& path, QRgb fill) {
  if (m_silhouette || m_haze >= 0.9) return;
  const Material material = MaterialOf(fill);
  if (material == Material::kNone) return;
  const QRectF bounds = path.boundingRect();
  if (bounds.width() * m_scale < kSmallestTextured || bounds.height() * m_scale < kSmallestTextured) return;
  // The tile is made at the picture's own resolution and laid in the prop's units, so grain follows the
  // thing and is equally fine at every size.
  const int resolution = std::max(1, static_cast<int>(std::lround(m_pixelsPerUnit)));
  QBrush brush(MaterialTile(material, resolution));
  brush.setTransform(QTransform::fromScale(1.0 / resolution, 1.0 / resolution));
  const double opacity = m_painter.opacity();
  m_painter.setOpacity(opacity * (1.0 - m_haze));
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(brush);
  m_painter.drawPath(path);
  m_painter.setOpacity(opacity);
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
  QPen pen(Hazed(colour));
  pen.setWidthF(width);
  pen.setCapStyle(Qt::RoundCap);
  m_painter.setPen(pen);
  m_painter.drawLine(QPointF(fromX, fromY), QPointF(toX, toY));
}

void Sketch::Stroke(const QPainterPath& path, QRgb colour, double width) {
  QPen pen(Hazed(colour));
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
  m_painter.setPen(Hazed(colour));
  // Scene texts write line breaks as the two characters \n.
  QString lines = text;
  lines.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
  m_painter.drawText(box, static_cast<int>(alignment) | Qt::TextWordWrap, lines);
}

void Sketch::Glow(double centreX, double centreY, double radius, QRgb colour, double strength) {
  if (m_silhouette) return;
  QPainterPath disc;
  disc.addEllipse(QPointF(centreX, centreY), radius, radius);
  m_atmosphere.AddPool(m_painter.worldTransform(), disc, QPointF(centreX, centreY), radius, colour, strength);
}

void Sketch::LightPool(double centreX, double centreY, double radiusX, double radiusY, QRgb colour, double strength) {
  if (m_silhouette) return;
  // A round pool squashed into the oval, so the falloff follows the oval's rim.
  QTransform squash;
  squash.translate(centreX, centreY);
  squash.scale(1.0, radiusY / radiusX);
  QPainterPath disc;
  disc.addEllipse(QPointF(0, 0), radiusX, radiusX);
  m_atmosphere.AddPool(squash * m_painter.worldTransform(), disc, QPointF(0, 0), radiusX, colour, strength);
}

void Sketch::LightCone(double x, double y, double topHalfWidth, double floorY, double halfWidth, QRgb colour,
                       double strength) {
  if (m_silhouette) return;
  QPainterPath cone;
  cone.moveTo(x - topHalfWidth, y);
  cone.lineTo(x + topHalfWidth, y);
  cone.lineTo(x + halfWidth, floorY);
  cone.quadTo(x, floorY + (floorY - y) * 0.12, x - halfWidth, floorY);
  cone.closeSubpath();
  const double reach = std::hypot(halfWidth, floorY - y) * 1.15;
  m_atmosphere.AddPool(m_painter.worldTransform(), cone, QPointF(x, y), reach, colour, strength);
}

void Sketch::Veil(QRgb colour, double amount) {
  // What is left of daylight, tinted towards the colour of the dark.
  const auto left = [amount](int channel) { return 1.0 - amount + amount * channel / 255.0 * 0.9; };
  m_atmosphere.SetAmbient(left(qRed(colour)), left(qGreen(colour)), left(qBlue(colour)));
}

void Sketch::ContactShadow(double halfWidth) {
  if (m_silhouette) return;
  const QPointF direction = LocalLightDirection();
  const double radiusY = std::max(4.0, halfWidth * 0.16);
  const QPointF centre(direction.x() * halfWidth * 0.3, radiusY * 0.25);
  QTransform squash;
  squash.translate(centre.x(), centre.y());
  squash.scale(1.0, radiusY / (halfWidth * 1.15));
  QRadialGradient gradient(QPointF(0, 0), halfWidth * 1.15);
  QColor shadow = Hazed(kShadowColour);
  shadow.setAlphaF(0.5f * static_cast<float>(1.0 - m_haze));
  gradient.setColorAt(0.0, shadow);
  gradient.setColorAt(0.6, shadow);
  shadow.setAlphaF(0);
  gradient.setColorAt(1.0, shadow);
  m_painter.save();
  m_painter.setTransform(squash, true);
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(gradient);
  m_painter.drawEllipse(QPointF(0, 0), halfWidth * 1.15, halfWidth * 1.15);
  m_painter.restore();
}

void Sketch::Defocus(double radius, QRgb haze, double amount) {
  if (m_silhouette) return;
  SoftenPainted(m_painter, static_cast<int>(std::lround(radius * m_pixelsPerUnit)), haze, amount);
}

}  // namespace brackenhollow::art
