#include "view/PaintingReader.h"

#include <gif_lib.h>

#include <QFile>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace brackenhollow {

namespace {

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// giflib reads through this from the Qt file it was opened on.
int ReadFromFile(GifFileType* gif, GifByteType* buffer, int length) {
  auto* file = static_cast<QFile*>(gif->UserData);
  const qint64 read = file->read(reinterpret_cast<char*>(buffer), length);
  return read < 0 ? 0 : static_cast<int>(read);
}

// The first image of a GIF, handed out one row of palette indices at a time, top to bottom, with
// its colours (a transparent index has alpha 0, premultiplied). An image that fills its screen and is
// not interlaced, as every painting is, is read row by row and never held whole; any other is read
// whole first.
class PaintingRows {
 public:
  PaintingRows(const PaintingRows&) = delete;
  PaintingRows& operator=(const PaintingRows&) = delete;
  PaintingRows() = default;

  // Reads the file up to its first image's rows. False when it cannot be opened or decoded.
  bool Open(const QString& path);
  // The next row (Size().width() indices); nullptr on a decoding error or past the last row.
  const uchar* NextRow();

  QSize Size() const { return m_size; }
  const std::array<QRgb, 256>& Colours() const { return m_colours; }
  bool Transparent() const { return m_transparent; }

 private:
  // Reads the whole image into m_whole, in the GIF's interlaced order when it is interlaced.
  bool ReadWhole(int background);

  QFile m_file;
  GifFile m_gif;
  QSize m_size;
  std::array<QRgb, 256> m_colours{};
  bool m_transparent = false;
  QImage m_whole;  // Format_Grayscale8 used as plain bytes; null when rows are read as they come
  std::vector<GifPixelType> m_row;
  int m_next = 0;
};

bool PaintingRows::Open(const QString& path) {
  m_file.setFileName(path);
  if (!m_file.open(QIODevice::ReadOnly)) return false;
  int error = 0;
  m_gif.reset(DGifOpen(&m_file, ReadFromFile, &error));
  if (!m_gif || m_gif->SWidth <= 0 || m_gif->SHeight <= 0) return false;
  GifFileType* gif = m_gif.get();
  int transparentIndex = NO_TRANSPARENT_COLOR;
  for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
    if (DGifGetRecordType(gif, &record) != GIF_OK) return false;
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) transparentIndex = control.TransparentColor;
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif) != GIF_OK) return false;
    const ColorMapObject* map = gif->Image.ColorMap != nullptr ? gif->Image.ColorMap : gif->SColorMap;
    if (map == nullptr) return false;
    for (int index = 0; index < map->ColorCount && index < 256; ++index) {
      const GifColorType& colour = map->Colors[index];
      m_colours[static_cast<std::size_t>(index)] = qRgb(colour.Red, colour.Green, colour.Blue);
    }
    if (transparentIndex >= 0 && transparentIndex < 256) {
      m_colours[static_cast<std::size_t>(transparentIndex)] = 0;
      m_transparent = true;
    }
    m_size = QSize(gif->SWidth, gif->SHeight);
    const GifImageDesc& frame = gif->Image;
    if (frame.Width <= 0) return false;
    m_row.resize(static_cast<std::size_t>(frame.Width));
    const bool fills = frame.Left == 0 && frame.Top == 0 && frame.Width == m_size.width() && frame.Height == m_size.height();
    if (fills && !frame.Interlace) return true;
    // What the image leaves uncovered shows the screen's background colour.
    return ReadWhole(transparentIndex != NO_TRANSPARENT_COLOR ? transparentIndex : gif->SBackGroundColor);
  }
  return false;
}

bool PaintingRows::ReadWhole(int background) {
  GifFileType* gif = m_gif.get();
  const GifImageDesc& frame = gif->Image;
  m_whole = QImage(m_size, QImage::Format_Grayscale8);
  if (m_whole.isNull()) return false;
  m_whole.fill(static_cast<uint>(background));
  auto put = [&](int y) {
    if (DGifGetLine(gif, m_row.data(), frame.Width) != GIF_OK) return false;
    const int line = frame.Top + y;
    if (line < 0 || line >= m_whole.height()) return true;
    const int from = std::max(0, -frame.Left);
    const int to = std::min(frame.Width, m_whole.width() - frame.Left);
    if (to > from) std::copy(m_row.begin() + from, m_row.begin() + to, m_whole.scanLine(line) + frame.Left + from);
    return true;
  };
  if (!frame.Interlace) {
    for (int y = 0; y < frame.Height; ++y) {
      if (!put(y)) return false;
    }
    return true;
  }
  constexpr int kOffsets[] = {0, 4, 2, 1};
  constexpr int kSteps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kOffsets[pass]; y < frame.Height; y += kSteps[pass]) {
      if (!put(y)) return false;
    }
  }
  return true;
}

const uchar* PaintingRows::NextRow() {
  if (m_next >= m_size.height()) return nullptr;
  const int row = m_next++;
  if (!m_whole.isNull()) return m_whole.constScanLine(row);
  if (DGifGetLine(m_gif.get(), m_row.data(), m_size.width()) != GIF_OK) return nullptr;
  return m_row.data();
}

// Which painted pixels each shown pixel along one axis covers, and by how much (in fixed point, the
// weights of one shown pixel summing to kWhole).
constexpr int kWholeBits = 12;
constexpr int kWhole = 1 << kWholeBits;

struct Span {
  int first = 0;
  std::vector<int> weights;
};

std::vector<Span> AreaSpans(int painted, int shown) {
  std::vector<Span> spans(static_cast<std::size_t>(shown));
  for (int target = 0; target < shown; ++target) {
    // The shown pixel covers [start, end) in painted pixels, measured in units of 1/shown.
    const long long start = static_cast<long long>(target) * painted;
    const long long end = start + painted;
    Span& span = spans[static_cast<std::size_t>(target)];
    span.first = static_cast<int>(start / shown);
    int given = 0;
    for (long long pixel = span.first; pixel * shown < end; ++pixel) {
      const long long covered = std::min(end, (pixel + 1) * shown) - std::max(start, pixel * shown);
      const int weight = static_cast<int>(covered * kWhole / painted);
      span.weights.push_back(weight);
      given += weight;
    }
    // Rounding leftovers go to the largest share, so every shown pixel weighs exactly kWhole.
    auto largest = std::max_element(span.weights.begin(), span.weights.end());
    *largest += kWhole - given;
  }
  return spans;
}

// Each shown pixel averages the painted pixels it covers, by how much of each it covers. Painted
// rows are taken in order; a shown row is written once its last painted row was added.
QImage Reduce(PaintingRows& painting, const QSize& shown, QImage::Format format) {
  QImage result(shown, format);
  if (result.isNull()) return result;
  const std::vector<Span> columns = AreaSpans(painting.Size().width(), shown.width());
  const std::vector<Span> rows = AreaSpans(painting.Size().height(), shown.height());
  const std::array<QRgb, 256>& colours = painting.Colours();
  // One painted row brought to the shown width, four channels a pixel, then summed into the shown row.
  std::vector<std::uint32_t> across(static_cast<std::size_t>(shown.width()) * 4);
  std::vector<std::uint64_t> sum(across.size());
  int target = 0;
  for (int source = 0; source < painting.Size().height() && target < shown.height(); ++source) {
    const uchar* line = painting.NextRow();
    if (line == nullptr) return {};
    for (int x = 0; x < shown.width(); ++x) {
      const Span& columnSpan = columns[static_cast<std::size_t>(x)];
      std::uint32_t alpha = 0, red = 0, green = 0, blue = 0;
      for (std::size_t c = 0; c < columnSpan.weights.size(); ++c) {
        const QRgb colour = colours[line[columnSpan.first + static_cast<int>(c)]];
        const auto weight = static_cast<std::uint32_t>(columnSpan.weights[c]);
        alpha += weight * static_cast<std::uint32_t>(qAlpha(colour));
        red += weight * static_cast<std::uint32_t>(qRed(colour));
        green += weight * static_cast<std::uint32_t>(qGreen(colour));
        blue += weight * static_cast<std::uint32_t>(qBlue(colour));
      }
      std::uint32_t* pixel = &across[static_cast<std::size_t>(x) * 4];
      pixel[0] = alpha;
      pixel[1] = red;
      pixel[2] = green;
      pixel[3] = blue;
    }
    // This painted row ends one shown row, and may begin the next (or, enlarged, cover several).
    while (target < shown.height()) {
      const Span& rowSpan = rows[static_cast<std::size_t>(target)];
      const int last = rowSpan.first + static_cast<int>(rowSpan.weights.size()) - 1;
      if (source < rowSpan.first) break;
      const auto weight = static_cast<std::uint64_t>(rowSpan.weights[static_cast<std::size_t>(source - rowSpan.first)]);
      for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += weight * across[i];
      if (source < last) break;
      auto* out = reinterpret_cast<QRgb*>(result.scanLine(target));
      constexpr std::uint64_t kHalf = std::uint64_t{1} << (2 * kWholeBits - 1);
      for (int x = 0; x < shown.width(); ++x) {
        const std::uint64_t* pixel = &sum[static_cast<std::size_t>(x) * 4];
        auto channel = [&](int i) { return static_cast<int>((pixel[i] + kHalf) >> (2 * kWholeBits)); };
        out[x] = qRgba(channel(1), channel(2), channel(3), channel(0));
      }
      std::fill(sum.begin(), sum.end(), 0);
      ++target;
    }
  }
  return target == shown.height() ? result : QImage();
}

// Each shown pixel takes the painted pixel under it.
QImage Repeat(PaintingRows& painting, const QSize& shown, QImage::Format format) {
  QImage result(shown, format);
  if (result.isNull()) return result;
  const QSize painted = painting.Size();
  const std::array<QRgb, 256>& colours = painting.Colours();
  int target = 0;
  for (int source = 0; source < painted.height() && target < shown.height(); ++source) {
    const uchar* line = painting.NextRow();
    if (line == nullptr) return {};
    for (; target < shown.height() && static_cast<long long>(target) * painted.height() / shown.height() == source; ++target) {
      auto* out = reinterpret_cast<QRgb*>(result.scanLine(target));
      for (int x = 0; x < shown.width(); ++x) out[x] = colours[line[static_cast<long long>(x) * painted.width() / shown.width()]];
    }
  }
  return target == shown.height() ? result : QImage();
}

}  // namespace

QImage ReadPaintingAtSize(const QString& file, const QSize& shown, bool smooth) {
  if (shown.isEmpty()) return {};
  PaintingRows painting;
  if (!painting.Open(file)) return {};
  // The palette is kept premultiplied, so a transparent colour averages as nothing at all.
  const QImage::Format format = painting.Transparent() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  return smooth ? Reduce(painting, shown, format) : Repeat(painting, shown, format);
}

}  // namespace brackenhollow
