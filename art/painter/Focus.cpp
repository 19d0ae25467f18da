#include "art/painter/Focus.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace brackenhollow::art {

namespace {

// One box pass along a row or column of premultiplied pixels: count values read from start, step apart.
void BoxPass(std::uint32_t* start, int count, int step, int radius, std::vector<std::uint32_t>& line) {
  line.assign(count, 0);
  for (int index = 0; index < count; ++index) line[index] = start[static_cast<std::ptrdiff_t>(index) * step];
  const int window = 2 * radius + 1;
  for (int channel = 0; channel < 32; channel += 8) {
    const auto value = [&](int index) {
      return static_cast<int>((line[std::clamp(index, 0, count - 1)] >> channel) & 0xff);
    };
    int sum = 0;
    for (int index = -radius; index <= radius; ++index) sum += value(index);
    for (int index = 0; index < count; ++index) {
      std::uint32_t& out = start[static_cast<std::ptrdiff_t>(index) * step];
      out = (out & ~(0xffu << channel)) | (static_cast<std::uint32_t>(sum / window) << channel);
      sum += value(index + radius + 1) - value(index - radius);
    }
  }
}

}  // namespace

QImage OutOfFocus(const QImage& picture, int radius, QRgb haze, double amount) {
  QImage soft = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (soft.isNull()) return soft;
  const int width = soft.width();
  const int height = soft.height();
  const auto pixels = reinterpret_cast<std::uint32_t*>(soft.bits());
  const int stride = soft.bytesPerLine() / 4;
  // A layer painted alone for the hotspot maps holds nothing behind it: nothing to soften.
  bool empty = true;
  for (int row = 0; row < height && empty; ++row)
    for (int column = 0; column < width && empty; ++column)
      if (pixels[static_cast<std::ptrdiff_t>(row) * stride + column] != 0) empty = false;
  if (empty) return soft;
  std::vector<std::uint32_t> line;
  if (radius >= 1)
    for (int pass = 0; pass < 3; ++pass) {
      for (int row = 0; row < height; ++row) BoxPass(pixels + static_cast<std::ptrdiff_t>(row) * stride, width, 1, radius, line);
      for (int column = 0; column < width; ++column) BoxPass(pixels + column, height, stride, radius, line);
    }
  const double share = std::clamp(amount, 0.0, 1.0);
  if (share > 0)
    for (int row = 0; row < height; ++row) {
      QRgb* scan = reinterpret_cast<QRgb*>(soft.scanLine(row));
      for (int column = 0; column < width; ++column) {
        const QRgb pixel = scan[column];
        const int alpha = qAlpha(pixel);
        // Premultiplied: the haze joins in proportion to how much of the pixel is there.
        const auto mix = [&](int channel, int hazeChannel) {
          return static_cast<int>(std::lround(channel * (1 - share) + hazeChannel * alpha / 255.0 * share));
        };
        scan[column] = qRgba(mix(qRed(pixel), qRed(haze)), mix(qGreen(pixel), qGreen(haze)), mix(qBlue(pixel), qBlue(haze)), alpha);
      }
    }
  return soft;
}

void SoftenPainted(QPainter& painter, int radius, QRgb haze, double amount) {
  if (painter.device() == nullptr || painter.device()->devType() != QInternal::Image) return;
  const auto* image = static_cast<const QImage*>(painter.device());
  const QImage soft = OutOfFocus(image->copy(), radius, haze, amount);
  painter.save();
  painter.resetTransform();
  painter.setOpacity(1.0);
  painter.setClipping(false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(0, 0, soft);
  painter.restore();
}

void PaintOutOfFocus(QPainter& painter, int radius, const std::function<void(QPainter&)>& paint) {
  if (radius < 1 || painter.device() == nullptr || painter.device()->devType() != QInternal::Image) {
    paint(painter);
    return;
  }
  const auto* image = static_cast<const QImage*>(painter.device());
  QImage layer(image->size(), QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QPainter near(&layer);
    near.setRenderHints(painter.renderHints());
    near.setTransform(painter.worldTransform());
    paint(near);
  }
  // Only the part holding the thing, and as far round it as the blur spreads, is blurred: a thing at the
  // frame's edge costs a corner's work, not the whole frame's.
  int top = layer.height();
  int bottom = -1;
  int left = layer.width();
  int right = -1;
  for (int row = 0; row < layer.height(); ++row) {
    const auto* scan = reinterpret_cast<const QRgb*>(layer.constScanLine(row));
    for (int column = 0; column < layer.width(); ++column) {
      if (qAlpha(scan[column]) == 0) continue;
      top = std::min(top, row);
      bottom = row;
      left = std::min(left, column);
      right = std::max(right, column);
    }
  }
  if (bottom < 0) return;
  const int margin = 3 * radius + 1;
  const QRect painted = QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-margin, -margin, margin, margin)
                            .intersected(layer.rect());
  const QImage soft = OutOfFocus(layer.copy(painted), radius, 0, 0.0);
  painter.save();
  painter.resetTransform();
  painter.setClipping(false);
  painter.drawImage(painted.topLeft(), soft);
  painter.restore();
}

}  // namespace brackenhollow::art
