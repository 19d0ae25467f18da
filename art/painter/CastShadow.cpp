#include "art/painter/CastShadow.h"

#include "art/painter/Sketch.h"

#include <algorithm>
#include <cstring>

namespace brackenhollow::art {

namespace {
// Canvas pixels per frame unit: coarse, so the shadow's edge is blurred when it is laid over the picture.
constexpr double kCanvasScale = 0.5;
// Cool, dark and a little violet: shade is the complement of the warm light.
constexpr QRgb kShadowColour = 0x1c1a3a;
}  // namespace

ShadowCaster::ShadowCaster()
    : m_canvas(static_cast<int>(kFrameWidth * kCanvasScale), static_cast<int>(kFrameHeight * kCanvasScale),
               QImage::Format_ARGB32_Premultiplied) {
  m_canvas.fill(Qt::transparent);
}

QRect ShadowCaster::PaintCanvas(const QTransform& transform, bool silhouette,
                                const std::function<void(QPainter&)>& paint) {
  // Clear what the last drawing left, row by row over its bounds only.
  for (int row = m_dirty.top(); row <= m_dirty.bottom() && !m_dirty.isEmpty(); ++row)
    std::memset(m_canvas.scanLine(row) + m_dirty.left() * 4, 0, static_cast<std::size_t>(m_dirty.width()) * 4);
  {
    QPainter canvas(&m_canvas);
    canvas.setRenderHint(QPainter::Antialiasing, true);
    canvas.scale(kCanvasScale, kCanvasScale);
    canvas.setTransform(transform, true);
    paint(canvas);
    if (silhouette) {
      canvas.resetTransform();
      canvas.setCompositionMode(QPainter::CompositionMode_SourceIn);
      canvas.fillRect(m_canvas.rect(), QColor::fromRgb(kShadowColour));
    }
  }
  // The painted bounds: rows and columns with any alpha.
  int top = m_canvas.height(), bottom = -1, left = m_canvas.width(), right = -1;
  for (int row = 0; row < m_canvas.height(); ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(m_canvas.constScanLine(row));
    for (int column = 0; column < m_canvas.width(); ++column) {
      if (qAlpha(line[column]) == 0) continue;
      top = std::min(top, row);
      bottom = row;
      left = std::min(left, column);
      right = std::max(right, column);
    }
  }
  m_dirty = bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
  return m_dirty;
}

void ShadowCaster::Lay(QPainter& picture, const QRect& painted, double strength, const QRectF& clip) {
  if (painted.isEmpty()) return;
  const QRect source = painted.adjusted(-1, -1, 1, 1).intersected(m_canvas.rect());
  picture.save();
  picture.setRenderHint(QPainter::SmoothPixmapTransform, true);
  picture.setOpacity(strength);
  picture.setClipRect(clip);
  picture.drawImage(QRectF(source.x() / kCanvasScale, source.y() / kCanvasScale, source.width() / kCanvasScale,
                           source.height() / kCanvasScale),
                    m_canvas, QRectF(source));
  picture.restore();
}

void ShadowCaster::Cast(QPainter& picture, QPointF foot, QPointF slant, double strength, double groundTop,
                        const std::function<void(QPainter&)>& paintSilhouette) {
  if (strength <= 0) return;
  // A point h above the foot lands slant.x * h across and slant.y * h up the ground.
  QTransform transform = QTransform(1, 0, -slant.x(), slant.y(), 0, 0) * QTransform::fromTranslate(foot.x(), foot.y());
  const QRect painted = PaintCanvas(transform, true, paintSilhouette);
  Lay(picture, painted, strength, QRectF(0, groundTop, kFrameWidth, kFrameHeight - groundTop));
}

void ShadowCaster::Reflect(QPainter& picture, QPointF foot, double strength,
                           const std::function<void(QPainter&)>& paintThing) {
  if (strength <= 0) return;
  // Mirrored about the foot's line, a little squashed as water seen at a low angle shows it.
  QTransform transform = QTransform::fromScale(1, -0.8) * QTransform::fromTranslate(foot.x(), foot.y());
  const QRect painted = PaintCanvas(transform, false, paintThing);
  Lay(picture, painted, strength, QRectF(0, foot.y(), kFrameWidth, kFrameHeight - foot.y()));
}

}  // namespace brackenhollow::art
