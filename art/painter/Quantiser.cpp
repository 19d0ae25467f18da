#include "art/painter/Quantiser.h"

#include "art/painter/PaletteMapper.h"

#include <libimagequant.h>

#include <algorithm>
#include <memory>

namespace brackenhollow::art {

namespace {

constexpr int kMostColours = 256;
// Flat painted shapes leave few colours to find: a quick setting keeps the quality near the slowest one's
// (the mapping error measured within a few percent) at a third of the time.
constexpr int kQuantiserSpeed = 7;
constexpr float kDithering = 1.0f;

struct AttributesDeleter {
  void operator()(liq_attr* attributes) const { liq_attr_destroy(attributes); }
};
struct ImageDeleter {
  void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct ResultDeleter {
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};
using Attributes = std::unique_ptr<liq_attr, AttributesDeleter>;
using QuantiserImage = std::unique_ptr<liq_image, ImageDeleter>;
using Result = std::unique_ptr<liq_result, ResultDeleter>;

// The quantiser's reading of a picture; the pixels must outlive it.
QuantiserImage ReadPixels(liq_attr* attributes, const QImage& rgba) {
  return QuantiserImage(liq_image_create_rgba(attributes, rgba.constBits(), rgba.width(), rgba.height(), 0));
}

// Chooses at most kMostColours for rgba and maps it onto them with dithering. A colour the quantiser
// found more clear than not is fully clear in the table, any other fully opaque. Returns an Indexed8
// image, or a null image with the quantiser's complaint in error.
QImage QuantiseRgba(const QImage& rgba, std::string& error) {
  const Attributes attributes(liq_attr_create());
  if (!attributes) {
    error = "the quantiser cannot start";
    return {};
  }
  liq_set_max_colors(attributes.get(), kMostColours);
  liq_set_speed(attributes.get(), kQuantiserSpeed);
  const QuantiserImage image = ReadPixels(attributes.get(), rgba);
  liq_result* quantised = nullptr;
  if (!image || liq_image_quantize(image.get(), attributes.get(), &quantised) != LIQ_OK) {
    error = "the quantiser found no palette";
    return {};
  }
  const Result result(quantised);
  liq_set_dithering_level(result.get(), kDithering);
  std::vector<unsigned char> pixels(static_cast<std::size_t>(rgba.width()) * rgba.height());
  if (liq_write_remapped_image(result.get(), image.get(), pixels.data(), pixels.size()) != LIQ_OK) {
    error = "the quantiser cannot map the picture";
    return {};
  }
  // The palette is refined while mapping, so it is read afterwards.
  const liq_palette* palette = liq_get_palette(result.get());
  QList<QRgb> colourTable;
  for (unsigned int index = 0; index < palette->count; ++index) {
    const liq_color& colour = palette->entries[index];
    colourTable.push_back(qRgba(colour.r, colour.g, colour.b, colour.a < 128 ? 0 : 255));
  }
  QImage indexed(rgba.width(), rgba.height(), QImage::Format_Indexed8);
  indexed.setColorTable(colourTable);
  for (int row = 0; row < indexed.height(); ++row)
    std::copy_n(pixels.data() + static_cast<std::size_t>(row) * indexed.width(), indexed.width(), indexed.scanLine(row));
  return indexed;
}

}  // namespace

std::vector<QImage> Quantise(const std::vector<QImage>& sizes, std::string& error) {
  if (sizes.empty() || sizes.front().isNull()) {
    error = "nothing to quantise";
    return {};
  }
  const QImage smallest = QuantiseRgba(sizes.front().convertToFormat(QImage::Format_RGBA8888), error);
  if (smallest.isNull()) return {};

  std::vector<QImage> indexed = {smallest};
  // The larger sizes show the same colours over more pixels: they keep the palette and are only mapped onto
  // it, which the quantiser's own mapping did at several times the cost. They share one search, so the
  // largest finds most colours already worked out.
  NearestColour nearest(smallest.colorTable());
  for (std::size_t size = 1; size < sizes.size(); ++size) {
    indexed.push_back(MapOntoPalette(sizes[size], smallest.colorTable(), nearest));
    if (indexed.back().isNull()) {
      error = "a larger size cannot be mapped onto the palette";
      return {};
    }
  }
  return indexed;
}

QImage QuantiseWithTransparency(const QImage& picture, int& transparentIndex, std::string& error) {
  transparentIndex = -1;
  QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
  if (rgba.isNull()) {
    error = "nothing to quantise";
    return {};
  }
  // GIF knows only clear and opaque: a pixel is one or the other, never half.
  for (int row = 0; row < rgba.height(); ++row) {
    unsigned char* pixel = rgba.scanLine(row);
    for (int column = 0; column < rgba.width(); ++column, pixel += 4) {
      if (pixel[3] >= 128) {
        pixel[3] = 255;
      } else {
        std::fill_n(pixel, 4, 0);
      }
    }
  }
  const QImage indexed = QuantiseRgba(rgba, error);
  const QList<QRgb> colourTable = indexed.colorTable();
  for (qsizetype index = 0; index < colourTable.size() && transparentIndex < 0; ++index) {
    if (qAlpha(colourTable[index]) == 0) transparentIndex = static_cast<int>(index);
  }
  return indexed;
}

}  // namespace brackenhollow::art
