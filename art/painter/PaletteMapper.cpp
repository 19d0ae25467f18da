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
// Slots for colours already found; a picture's dithered colours number in the tens of thousands. The slot
// takes 6 bits of red and 5 of green and blue.
constexpr int kRememberedBits = 16;
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
    : m_cells(static_cast<std::size_t>(kCellsPerChannel) * kCellsPerChannel * kCellsPerChannel) {
  for (const QRgb colour : palette) {
    m_channels.push_back(qRed(colour));
    m_channels.push_back(qGreen(colour));
    m_channels.push_back(qBlue(colour));
  }
  // Every slot starts out holding black and black's answer: a true entry, so no slot needs a mark for empty.
  const auto black = palette.isEmpty() ? 0u : static_cast<std::uint32_t>(Search(0, 0, 0));
  m_remembered.assign(std::size_t{1} << kRememberedBits, black);
}

// Keeps the colours whose nearest approach to the cell is no farther than the best worst case of any colour:
// whatever the colour inside, its nearest palette colour is among them.
void NearestColour::FillCell(int cell) {
  const std::array<std::int32_t, 3> low = {(cell / (kCellsPerChannel * kCellsPerChannel)) << kCellShift,
                                           ((cell / kCellsPerChannel) % kCellsPerChannel) << kCellShift,
                                           (cell % kCellsPerChannel) << kCellShift};
  const std::size_t count = m_channels.size() / 3;
  std::array<std::int32_t, kMostColours> nearest{};
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
  Cell& filled = m_cells[static_cast<std::size_t>(cell)];
  filled.start = static_cast<std::int32_t>(m_candidates.size());
  for (std::size_t index = 0; index < count; ++index)
    if (nearest[index] <= bestFarthest)
      m_candidates.push_back({static_cast<std::int16_t>(m_channels[index * 3]),
                              static_cast<std::int16_t>(m_channels[index * 3 + 1]),
                              static_cast<std::int16_t>(m_channels[index * 3 + 2]), static_cast<std::int16_t>(index)});
  filled.count = static_cast<std::int32_t>(m_candidates.size()) - filled.start;
}

int NearestColour::Find(int red, int green, int blue) {
  const std::uint32_t colour = (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
                               static_cast<std::uint32_t>(blue);
  // The slot is the colour's low bits: a dithered run asks for colours a few levels apart, whose slots then
  // lie close together in memory rather than scattered over all of it.
  const std::size_t slot = (static_cast<std::size_t>(red & 63) << 10) | (static_cast<std::size_t>(green & 31) << 5) |
                           static_cast<std::size_t>(blue & 31);
  std::uint32_t& remembered = m_remembered[slot];
  if ((remembered >> 8) != colour) remembered = (colour << 8) | static_cast<std::uint32_t>(Search(red, green, blue));
  return static_cast<int>(remembered & 0xffu);
}

// Finds the nearest colour among the candidates of the colour's cell.
int NearestColour::Search(int red, int green, int blue) {
  const int cell = ((red >> kCellShift) * kCellsPerChannel + (green >> kCellShift)) * kCellsPerChannel + (blue >> kCellShift);
  if (m_cells[static_cast<std::size_t>(cell)].start < 0) FillCell(cell);
  const Cell& found = m_cells[static_cast<std::size_t>(cell)];
  const Candidate* candidates = m_candidates.data() + found.start;
  int best = 0;
  std::int32_t bestDistance = std::numeric_limits<std::int32_t>::max();
  for (std::int32_t index = 0; index < found.count; ++index) {
    const Candidate& candidate = candidates[index];
    const std::int32_t distance = (red - candidate.red) * (red - candidate.red) +
                                  (green - candidate.green) * (green - candidate.green) +
                                  (blue - candidate.blue) * (blue - candidate.blue);
    if (distance < bestDistance) {  // candidates come in palette order, so ties keep the lower index
      best = candidate.index;
      bestDistance = distance;
    }
  }
  return best;
}

namespace {

// The error a pixel passes on to its neighbours, in 256ths of a level per channel.
struct Error {
  std::int32_t red = 0;
  std::int32_t green = 0;
  std::int32_t blue = 0;
};

// Maps one row onto the palette, left to right (kStep 1) or right to left (kStep -1). carried holds what the row
// above passed to this one; below receives what this row passes on (every column written). The error for the
// next pixel and the three below are kept at hand rather than added into memory pixel by pixel.
template <int kStep>
void MapRow(const QRgb* pixels, uchar* indices, int width, const Error* carried, Error* below,
            const std::array<QRgb, kMostColours>& palette, NearestColour& nearest, QRgb& lastWanted, int& lastIndex) {
  Error ahead;        // passed to the next pixel of this row
  Error belowBehind;  // for the column below the previous pixel, still waiting for this pixel's share
  Error belowHere;    // for the column below this pixel
  int column = kStep > 0 ? 0 : width - 1;
  for (int done = 0; done < width; ++done, column += kStep) {
    const QRgb pixel = pixels[column];
    const Error& fromAbove = carried[column];
    const int red = std::clamp(qRed(pixel) + (fromAbove.red + ahead.red) / kErrorScale, 0, 255);
    const int green = std::clamp(qGreen(pixel) + (fromAbove.green + ahead.green) / kErrorScale, 0, 255);
    const int blue = std::clamp(qBlue(pixel) + (fromAbove.blue + ahead.blue) / kErrorScale, 0, 255);
    const QRgb wanted = qRgb(red, green, blue);
    if (wanted != lastWanted) {
      lastWanted = wanted;
      lastIndex = nearest.Find(red, green, blue);
    }
    indices[column] = static_cast<uchar>(lastIndex);
    const QRgb chosen = palette[static_cast<std::size_t>(lastIndex)];
    const Error error = {red - qRed(chosen), green - qGreen(chosen), blue - qBlue(chosen)};
    const std::int32_t size = error.red * error.red + error.green * error.green + error.blue * error.blue;
    const std::int32_t share = size > kLargeError ? kPassedOn * 3 / 4 : kPassedOn;
    const Error passed = {error.red * share, error.green * share, error.blue * share};
    const std::int32_t aheadShare = share * 7;
    ahead = {error.red * aheadShare, error.green * aheadShare, error.blue * aheadShare};
    // Floyd-Steinberg: 3 sixteenths behind below, 5 straight below, 1 ahead below.
    if (done > 0)
      below[column - kStep] = {belowBehind.red + passed.red * 3, belowBehind.green + passed.green * 3,
                               belowBehind.blue + passed.blue * 3};
    belowBehind = {belowHere.red + passed.red * 5, belowHere.green + passed.green * 5,
                   belowHere.blue + passed.blue * 5};
    belowHere = passed;
  }
  below[column - kStep] = belowBehind;
}

}  // namespace

QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette) {
  if (picture.isNull() || palette.isEmpty() || palette.size() > kMostColours) return {};
  NearestColour nearest(palette);
  return MapOntoPalette(picture, palette, nearest);
}

QImage MapOntoPalette(const QImage& picture, const QList<QRgb>& palette, NearestColour& nearest) {
  if (picture.isNull() || palette.isEmpty() || palette.size() > kMostColours) return {};
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  const int width = source.width();
  QImage mapped(source.size(), QImage::Format_Indexed8);
  mapped.setColorTable(palette);
  std::array<QRgb, kMostColours> colours{};
  std::copy(palette.begin(), palette.end(), colours.begin());
  // What the row above passed to this row, and what this row passes to the next.
  std::vector<Error> thisRow(static_cast<std::size_t>(width));
  std::vector<Error> nextRow(static_cast<std::size_t>(width));
  QRgb lastWanted = 0;  // no wanted colour is see-through
  int lastIndex = 0;
  for (int row = 0; row < source.height(); ++row) {
    const QRgb* pixels = reinterpret_cast<const QRgb*>(source.constScanLine(row));
    // Serpentine: every other row runs right to left, so the error does not drift one way.
    if (row % 2 == 0)
      MapRow<1>(pixels, mapped.scanLine(row), width, thisRow.data(), nextRow.data(), colours, nearest, lastWanted, lastIndex);
    else
      MapRow<-1>(pixels, mapped.scanLine(row), width, thisRow.data(), nextRow.data(), colours, nearest, lastWanted, lastIndex);
    std::swap(thisRow, nextRow);
  }
  return mapped;
}

}  // namespace brackenhollow::art
