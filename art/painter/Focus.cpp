#include "art/painter/Focus.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace brackenhollow::art {

namespace {

// Quotients by the box's width for every sum a box of bytes can reach: a look-up instead of a division.
std::vector<std::uint8_t> Quotients(int window) {
  std::vector<std::uint8_t> quotients(static_cast<std::size_t>(255 * window + 1));
  for (std::size_t sum = 0; sum < quotients.size(); ++sum) quotients[sum] = static_cast<std::uint8_t>(sum / window);
  return quotients;
}

// One box pass along every row, from source into target: each byte (all four channels at once) becomes the
// average of the 2 * radius + 1 bytes around it, the edge pixels standing in for those past the edge.
void BoxPassRows(const std::uint8_t* source, std::uint8_t* target, int width, int height, std::ptrdiff_t stride,
                 int radius, const std::vector<std::uint8_t>& quotients) {
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* in = source + row * stride;
    std::uint8_t* out = target + row * stride;
    const auto at = [&](int column, int channel) { return in[std::clamp(column, 0, width - 1) * 4 + channel]; };
    int sums[4] = {};
    for (int channel = 0; channel < 4; ++channel)
      for (int column = -radius; column <= radius; ++column) sums[channel] += at(column, channel);
    for (int column = 0; column < width; ++column)
      for (int channel = 0; channel < 4; ++channel) {
        out[column * 4 + channel] = quotients[static_cast<std::size_t>(sums[channel])];
        sums[channel] += at(column + radius + 1, channel) - at(column - radius, channel);
      }
  }
}

// The same down every column, swept row by row so memory is read in order: one running sum per byte of a row.
void BoxPassColumns(const std::uint8_t* source, std::uint8_t* target, int width, int height, std::ptrdiff_t stride,
                    int radius, const std::vector<std::uint8_t>& quotients) {
  const int bytes = width * 4;
  const auto row = [&](int index) { return source + std::clamp(index, 0, height - 1) * stride; };
  std::vector<int> sums(static_cast<std::size_t>(bytes), 0);
  for (int index = -radius; index <= radius; ++index) {
    const std::uint8_t* in = row(index);
    for (int byte = 0; byte < bytes; ++byte) sums[static_cast<std::size_t>(byte)] += in[byte];
  }
  for (int index = 0; index < height; ++index) {
    std::uint8_t* out = target + index * stride;
    const std::uint8_t* entering = row(index + radius + 1);
    const std::uint8_t* leaving = row(index - radius);
    for (int byte = 0; byte < bytes; ++byte) {
      out[byte] = quotients[static_cast<std::size_t>(sums[static_cast<std::size_t>(byte)])];
      sums[static_cast<std::size_t>(byte)] += entering[byte] - leaving[byte];
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
  const auto stride = static_cast<std::ptrdiff_t>(soft.bytesPerLine() / 4);
  // A layer painted alone for the hotspot maps holds nothing behind it: nothing to soften.
  bool empty = true;
  for (int row = 0; row < height && empty; ++row)
    for (int column = 0; column < width && empty; ++column)
      if (pixels[row * stride + column] != 0) empty = false;
  if (empty) return soft;
  if (radius >= 1) {
    // Three box passes each way, ping-ponging between the picture and a scratch copy.
    const std::vector<std::uint8_t> quotients = Quotients(2 * radius + 1);
    QImage scratch(soft.size(), soft.format());
    std::uint8_t* blurred = soft.bits();
    std::uint8_t* spare = scratch.bits();
    const std::ptrdiff_t bytesPerLine = soft.bytesPerLine();
    for (int pass = 0; pass < 3; ++pass) {
      BoxPassRows(blurred, spare, width, height, bytesPerLine, radius, quotients);
      BoxPassColumns(spare, blurred, width, height, bytesPerLine, radius, quotients);
    }
  }
  const double share = std::clamp(amount, 0.0, 1.0);
  if (share > 0) {
    // Premultiplied: the haze joins in proportion to how much of the pixel is there.
    const auto mix = [&](int channel, int hazeChannel, int alpha) {
      return static_cast<int>(std::lround(channel * (1 - share) + hazeChannel * alpha / 255.0 * share));
    };
    // Most pixels are opaque: their mixes are worked out once per channel value.
    std::array<std::array<std::uint8_t, 256>, 3> opaque{};
    const int hazeChannels[3] = {qRed(haze), qGreen(haze), qBlue(haze)};
    for (int channel = 0; channel < 3; ++channel)
      for (int value = 0; value < 256; ++value)
        opaque[channel][value] = static_cast<std::uint8_t>(mix(value, hazeChannels[channel], 255));
    for (int row = 0; row < height; ++row) {
      QRgb* scan = reinterpret_cast<QRgb*>(soft.scanLine(row));
      for (int column = 0; column < width; ++column) {
        const QRgb pixel = scan[column];
        const int alpha = qAlpha(pixel);
        if (alpha == 255) {
          scan[column] = qRgba(opaque[0][qRed(pixel)], opaque[1][qGreen(pixel)], opaque[2][qBlue(pixel)], alpha);
        } else {
          scan[column] = qRgba(mix(qRed(pixel), hazeChannels[0], alpha), mix(qGreen(pixel), hazeChannels[1], alpha),
                               mix(qBlue(pixel), hazeChannels[2], alpha), alpha);
        }
      }
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
