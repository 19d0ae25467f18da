#include "art/painter/props/CloseUpKit.h"

#include "art/painter/Focus.h"
#include "art/painter/Palette.h"
#include "art/painter/SceneBook.h"

#include <QLinearGradient>

#include <cmath>

namespace brackenhollow::art {

namespace {
constexpr double kRadiansPerDegree = 3.14159265358979 / 180.0;
constexpr QRgb kShadeColour = 0x241c3a;
}  // namespace

Turn TurnOf(const Layer& layer, double yawDegrees, double pitchDegrees, double focal) {
  Turn turn;
  turn.yaw = layer.Number("yaw", yawDegrees) * kRadiansPerDegree;
  turn.pitch = layer.Number("pitch", pitchDegrees) * kRadiansPerDegree;
  turn.focal = focal;
  return turn;
}

OnFace::OnFace(Sketch& sketch, const QTransform& face) : m_sketch(sketch) {
  m_sketch.Painter().save();
  m_sketch.Painter().setTransform(face, true);
}

OnFace::~OnFace() {
  m_sketch.Painter().restore();
}

void PaintFace(Sketch& sketch, const Turn& turn, const Point3& topLeft, const Point3& topRight, const Point3& bottomRight,
               const Point3& bottomLeft, QRgb fill, double shade) {
  // The face is drawn flat in a box of its own length and height, so its material runs along it in perspective.
  const double width = std::hypot(topRight.x - topLeft.x, topRight.z - topLeft.z) + std::abs(topRight.y - topLeft.y);
  const double height = std::hypot(bottomLeft.y - topLeft.y, bottomLeft.z - topLeft.z) + std::abs(bottomLeft.x - topLeft.x);
  if (width < 0.5 || height < 0.5) return;
  const QRectF flat(0, 0, width, height);
  OnFace face(sketch, FaceOnto(turn, flat, topLeft, topRight, bottomRight, bottomLeft));
  QPainterPath path;
  path.addRect(flat);
  sketch.Shape(path, fill);
  if (shade > 0) Tint(sketch, path, kShadeColour, shade);
  if (shade < 0) Tint(sketch, path, colours::kWhite, -shade);
}

void Tint(Sketch& sketch, const QPainterPath& path, QRgb colour, double alpha) {
  if (sketch.IsSilhouette() || alpha <= 0) return;
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setOpacity(painter.opacity() * std::min(1.0, alpha));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(colour));
  painter.drawPath(path);
  painter.restore();
}

void Sheen(Sketch& sketch, const QPainterPath& path, QPointF from, QPointF to, double alpha) {
  if (sketch.IsSilhouette()) return;
  QLinearGradient gradient(from, to);
  QColor light = QColor::fromRgb(colours::kWhite);
  light.setAlphaF(0);
  gradient.setColorAt(0.0, light);
  gradient.setColorAt(0.35, light);
  light.setAlphaF(static_cast<float>(alpha));
  gradient.setColorAt(0.5, light);
  light.setAlphaF(0);
  gradient.setColorAt(0.65, light);
  gradient.setColorAt(1.0, light);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawPath(path);
  painter.restore();
}

void SoftShadow(Sketch& sketch, const QPainterPath& path, QPointF offset, double spread, double alpha) {
  if (sketch.IsSilhouette()) return;
  // Rings of falling strength round the shape, stroked rather than grown by path operations: a feathered
  // edge at little cost.
  constexpr int kRings = 5;
  const QPainterPath moved = path.translated(offset);
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setBrush(Qt::NoBrush);
  for (int ring = kRings; ring >= 1; --ring) {
    QPen pen(QColor::fromRgb(kShadeColour));
    pen.setWidthF(spread * 2 * ring / kRings);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setOpacity(alpha / kRings * 1.2);
    painter.setPen(pen);
    painter.drawPath(moved);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(kShadeColour));
  painter.setOpacity(alpha * 0.6);
  painter.drawPath(moved);
  painter.restore();
}

void NearTheEye(Sketch& sketch, double radius, const std::function<void(Sketch&)>& paint) {
  if (sketch.IsSilhouette()) {
    paint(sketch);
    return;
  }
  const double pixels = sketch.PixelsPerUnit();
  PaintOutOfFocus(sketch.Painter(), static_cast<int>(std::lround(radius * pixels)), [&](QPainter& painter) {
    Sketch near(painter, sketch.Air(), pixels, 0.0);
    near.SetSeed(sketch.Seed());
    paint(near);
  });
}

}  // namespace brackenhollow::art
