#include "art/painter/PaletteMapper.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <utility>

namespace brackenhollow::art {

namespace {

// Cells are 8 levels a side: 32 x 32 x 32 of them.
constexpr int kCellShift = 3;
constexpr int kCellSide = 1 << kCellShift;
constexpr int kCellsPerChannel = 256 >> kCellShift;
constexpr int kMostColours = 256;
// Slots for colours already found; a picture's dithered colours number in the tens of thousands.
constexpr int kRememberedBits = 16;
constexpr std::uint32_t kNone = 0xffffffffu;
// A share of the error is dropped at each step (15 of 16 parts passed on), so small errors do not pile up
// into speckles over flat fills.
constexpr int kPassedOn = 15;
// Errors are carried in 256ths of a level: kPassedOn sixteenths of it, split in sixteenths among the neighbours.
constexpr int kErrorScale = 16 * 16;
// Across a hard edge the error is mostly the edge itself; passing all of it on would fray the edge.
constexpr int kLargeError = 3 * 48 * 48;

// Squared distance from value to the nearest and the farthest point of [low, low + kCellSide - 1].
std::pair<std::int32_t, std::int32_t> SpanDistances(std::int32_t value, std::int32_t low) {
  const std::int32_t high = low + kCellSide - 1;
  const std::int32_t nearest = value < low ? low - value : (value > high ? value - high : 0);
  const std::int32_t farthest = std::max(std::abs(value - low), std::abs(value - high));
  return {nearest * nearest, farthest * farthest};
}

}  // namespace

NearestColour::NearestColour(const QList<QRgb>& palette)
    : m_candidates(static_cast<std::size_t>(kCellsPerChannel) * kCellsPerChannel * kCellsPerChannel),
      m_rememberedColours(std::size_t{1} << kRememberedBits, kNone),
      m_rememberedIndices(std::size_t{1} << kRememberedBits) {
  for (const QRgb colour : palette) {
    m_channels.push_back(qRed(colour));
    m_channels.push_back(qGreen(colour));
    m_channels.push_back(qBlue(colour));
  }
}

// Keeps the colours whose nearest approach to the cell is no farther than the best worst case of any colour:
// whatever the colour inside, its nearest palette colour is among them.
void NearestColour::FillCell(int cell) {
  const std::array<std::int32_t, 3> low = {(cell / (kCellsPerChannel * kCellsPerChannel)) << kCellShift,
                                           ((cell / kCellsPerChannel) % kCellsPerChannel) << kCellShift,
                                           (cell % kCellsPerChannel) << kCellShift};
  const std::size_t count = m_channels.size() / 3;
  std::vector<std::int32_t> nearest(count);
  std::int32_t bestFarthest = std::numeric_limits<std::int32_t>::max();
  for (std::size_t index = 0; index < count; ++index) {
    std::int32_t near = 0;
    std::int32_t far = 0;
    for (int channel = 0; channel < 3; ++channel) {
      const auto [spanNear, spanFar] = SpanDistances(m_channels[index * 3 + channel], low[channel]);
      near += spanNear;
      far += spanFar;
    }
    nearest[index] = near;
    bestFarthest = std::min(bestFarthest, far);
  }
  std::vector<std::uint8_t>& candidates = m_candidates[static_cast<std::size_t>(cell)];
  for (std::size_t index = 0; index < count; ++index)
    if (nearest[index] <= bestFarthest) candidates.push_back(static_cast<std::uint8_t>(index));
}

int NearestColour::Find(int red, int green, int blue) {
  const std::uint32_t colour = (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
                               static_cast<std::uint32_t>(blue);
  const std::size_t slot = (colour * 2654435761u) >> (32 - kRememberedBits);
  if (m_rememberedColours[slot] != colour) {
    m_rememberedColours[slot] = colour;
    m_rememberedIndices[slot] = static_cast<std::uint8_t>(Search(red, green, blue));
  }
  return m_rememberedIndices[slot];
}

// Finds the nearest colour among the candidates of the colour's cell.
int NearestColour::Search(int red, int green, int blue) {
  const int cell = ((red >> kCellShift) * kCellsPerChannel + (green >> kCellShift)) * kCellsPerChannel + (blue >> kCellShift);
  if (m_candidates[static_cast<std::size_t>(cell)].empty()) FillCell(cell);
  int best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (const std::uint8_t index : m_candidates[static_cast<std::size_t>(cell)]) {
    const std::int32_t* channels = &m_channels[static_cast<std::size_t>(index) * 3];
    const std::int32_t distance = (red - channels[0]) * (red - channels[0]) +
                                  (green - channels[1]) * (green - channels[1]) +
                                  (blue - channels[2]) * (blue - channels[2]);
    if (distance < bestDistance) {  // candidates come in palette order, so ties keep the lower index
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette) {
  if (picture.isNull() || palette.isEmpty() || palette.size() > kMostColours) return {};
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  const int width = source.width();
  QImage mapped(source.size(), QImage::Format_Indexed8);
  mapped.setColorTable(palette);
  NearestColour nearest(palette);
  // Errors carried to this row and the next, per channel, with a spare column on each side.
  const std::size_t span = static_cast<std::size_t>(width) + 2;
  std::vector<std::int32_t> errors(span * 6, 0);
  std::int32_t* thisRow = errors.data();
  std::int32_t* nextRow = errors.data() + span * 3;
  QRgb lastWanted = 0;  // no wanted colour is see-through
  int lastIndex = 0;
  for (int row = 0; row < source.height(); ++row) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(row));
    uchar* indices = mapped.scanLine(row);
    std::fill(nextRow, nextRow + span * 3, 0);
    // Serpentine: every other row runs right to left, so the error does not drift one way.
    const bool rightwards = row % 2 == 0;
    const std::ptrdiff_t step = rightwards ? 3 : -3;
    for (int column = rightwards ? 0 : width - 1; column >= 0 && column < width; column += rightwards ? 1 : -1) {
      std::int32_t* carried = thisRow + (column + 1) * 3;
      std::int32_t* below = nextRow + (column + 1) * 3;
      const QRgb pixel = pixels[column];
      const int red = std::clamp(qRed(pixel) + carried[0] / kErrorScale, 0, 255);
      const int green = std::clamp(qGreen(pixel) + carried[1] / kErrorScale, 0, 255);
      const int blue = std::clamp(qBlue(pixel) + carried[2] / kErrorScale, 0, 255);
      const QRgb wanted = qRgb(red, green, blue);
      if (wanted != lastWanted) {
        lastWanted = wanted;
        lastIndex = nearest.Find(red, green, blue);
      }
      indices[column] = static_cast<uchar>(lastIndex);
      const QRgb chosen = palette[lastIndex];
      const std::int32_t error[3] = {red - qRed(chosen), green - qGreen(chosen), blue - qBlue(chosen)};
      if ((error[0] | error[1] | error[2]) == 0) continue;
      const std::int32_t size = error[0] * error[0] + error[1] * error[1] + error[2] * error[2];
      const std::int32_t share = size > kLargeError ? kPassedOn * 3 / 4 : kPassedOn;
      for (int channel = 0; channel < 3; ++channel) {
        const std::int32_t passed = error[channel] * share;
        carried[step + channel] += passed * 7;
        below[-step + channel] += passed * 3;
        below[channel] += passed * 5;
        below[step + channel] += passed;
      }
    }
    std::swap(thisRow, nextRow);
  }
  return mapped;
}

}  // namespace brackenhollow::art
