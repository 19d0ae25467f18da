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

// The first image of the GIF as palette indices at the size of its screen, and its colours (a
// transparent index has alpha 0, premultiplied). A null image when it cannot be decoded.
struct IndexedPainting {
  QImage indices;  // Format_Grayscale8 used as plain bytes: no colour table to copy
  std::array<QRgb, 256> colours{};
  bool transparent = false;
};

// Reads the rows of one image, in the GIF's interlaced order when it is interlaced. False on a
// decoding error.
bool ReadRows(GifFileType* gif, QImage& indices) {
  const GifImageDesc& frame = gif->Image;
  const int left = frame.Left;
  const int top = frame.Top;
  std::vector<GifPixelType> row(static_cast<std::size_t>(frame.Width));
  auto put = [&](int y) {
    if (DGifGetLine(gif, row.data(), frame.Width) != GIF_OK) return false;
    const int line = top + y;
    if (line < 0 || line >= indices.height()) return true;
    const int from = std::max(0, -left);
    const int to = std::min(frame.Width, indices.width() - left);
    if (to > from) std::copy(row.begin() + from, row.begin() + to, indices.scanLine(line) + left + from);
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

IndexedPainting DecodeIndices(const QString& path) {
  IndexedPainting painting;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return painting;
  int error = 0;
  GifFile gif(DGifOpen(&file, ReadFromFile, &error));
  if (!gif || gif->SWidth <= 0 || gif->SHeight <= 0) return painting;
  int transparentIndex = NO_TRANSPARENT_COLOR;
  for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
    if (DGifGetRecordType(gif.get(), &record) != GIF_OK) return painting;
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* block = nullptr;
      if (DGifGetExtension(gif.get(), &code, &block) != GIF_OK) return painting;
      if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
        GraphicsControlBlock control;
        if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) transparentIndex = control.TransparentColor;
      }
      while (block != nullptr) {
        if (DGifGetExtensionNext(gif.get(), &block) != GIF_OK) return painting;
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) continue;
    if (DGifGetImageDesc(gif.get()) != GIF_OK) return painting;
    const ColorMapObject* map = gif->Image.ColorMap != nullptr ? gif->Image.ColorMap : gif->SColorMap;
    if (map == nullptr) return painting;
    QImage indices(gif->SWidth, gif->SHeight, QImage::Format_Grayscale8);
    if (indices.isNull()) return painting;
    // What the image leaves uncovered shows the screen's background colour.
    indices.fill(static_cast<uint>(transparentIndex != NO_TRANSPARENT_COLOR ? transparentIndex : gif->SBackGroundColor));
    if (!ReadRows(gif.get(), indices)) return painting;
    for (int index = 0; index < map->ColorCount && index < 256; ++index) {
      const GifColorType& colour = map->Colors[index];
      painting.colours[static_cast<std::size_t>(index)] = qRgb(colour.Red, colour.Green, colour.Blue);
    }
    if (transparentIndex >= 0 && transparentIndex < 256) {
      painting.colours[static_cast<std::size_t>(transparentIndex)] = 0;
      painting.transparent = true;
    }
    painting.indices = std::move(indices);
    return painting;
  }
  return painting;
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

QImage Reduce(const IndexedPainting& painting, const QSize& shown, QImage::Format format) {
  const QImage& indices = painting.indices;
  QImage result(shown, format);
  if (result.isNull()) return result;
  const std::vector<Span> columns = AreaSpans(indices.width(), shown.width());
  const std::vector<Span> rows = AreaSpans(indices.height(), shown.height());
  // One painted row brought to the shown width, four channels a pixel, then summed into the shown row.
  std::vector<std::uint32_t> across(static_cast<std::size_t>(shown.width()) * 4);
  std::vector<std::uint64_t> sum(across.size());
  for (int y = 0; y < shown.height(); ++y) {
    std::fill(sum.begin(), sum.end(), 0);
    const Span& rowSpan = rows[static_cast<std::size_t>(y)];
    for (std::size_t r = 0; r < rowSpan.weights.size(); ++r) {
      const uchar* line = indices.constScanLine(rowSpan.first + static_cast<int>(r));
      for (int x = 0; x < shown.width(); ++x) {
        const Span& columnSpan = columns[static_cast<std::size_t>(x)];
        std::uint32_t alpha = 0, red = 0, green = 0, blue = 0;
        for (std::size_t c = 0; c < columnSpan.weights.size(); ++c) {
          const QRgb colour = painting.colours[line[columnSpan.first + static_cast<int>(c)]];
          const auto weight = static_cast<std::uint32_t>(columnSpan.weights[c]);
          alpha += weight * static_cast<std::uint32_t>(qAlpha(colour));
          red += weight * static_cast<std::uint32_t>(qRed(colour));
          green += weight * static_cast<std::uint32_t>(qGreen(colour));
          blue += weight * static_cast<std::uint32_t>(qBlue(colour));
        }
        const auto weight = static_cast<std::uint64_t>(rowSpan.weights[r]);
        std::uint64_t* pixel = &sum[static_cast<std::size_t>(x) * 4];
        pixel[0] += weight * alpha;
        pixel[1] += weight * red;
        pixel[2] += weight * green;
        pixel[3] += weight * blue;
      }
    }
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    constexpr std::uint64_t kHalf = std::uint64_t{1} << (2 * kWholeBits - 1);
    for (int x = 0; x < shown.width(); ++x) {
      const std::uint64_t* pixel = &sum[static_cast<std::size_t>(x) * 4];
      auto channel = [&](int i) { return static_cast<int>((pixel[i] + kHalf) >> (2 * kWholeBits)); };
      out[x] = qRgba(channel(1), channel(2), channel(3), channel(0));
    }
  }
  return result;
}

QImage Repeat(const IndexedPainting& painting, const QSize& shown, QImage::Format format) {
  const QImage& indices = painting.indices;
  QImage result(shown, format);
  if (result.isNull()) return result;
  for (int y = 0; y < shown.height(); ++y) {
    const uchar* line = indices.constScanLine(static_cast<int>(static_cast<long long>(y) * indices.height() / shown.height()));
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < shown.width(); ++x) {
      out[x] = painting.colours[line[static_cast<long long>(x) * indices.width() / shown.width()]];
    }
  }
  return result;
}

}  // namespace

QImage ReadPaintingAtSize(const QString& file, const QSize& shown, bool smooth) {
  if (shown.isEmpty()) return {};
  const IndexedPainting painting = DecodeIndices(file);
  if (painting.indices.isNull()) return {};
  // The palette is stored premultiplied, so a transparent colour averages as nothing at all.
  const QImage::Format format = painting.transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  const bool reduced = smooth && (shown.width() < painting.indices.width() || shown.height() < painting.indices.height());
  return reduced ? Reduce(painting, shown, format) : Repeat(painting, shown, format);
}

}  // namespace brackenhollow
