// The painter's quick ways must give exactly what the plain ways give: every picture is compared byte for
// byte with what it was, so a shortcut that is off by one level at an edge or in a corner case is a fault.
// Each test checks a quick way against a plain one written out here, on awkward sizes and random content.

#include <gtest/gtest.h>

#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

#include "art/painter/Focus.h"
#include "art/painter/PaletteMapper.h"

namespace brackenhollow {
namespace {

// A premultiplied picture of random colours and coverage, with some fully clear and fully opaque pixels.
QImage RandomPremultiplied(int width, int height, quint32 seed) {
  QRandomGenerator random(seed);
  QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      const int choice = random.bounded(4);
      const int alpha = choice == 0 ? 0 : choice == 1 ? 255 : random.bounded(256);
      picture.setPixel(column, row, qRgba(random.bounded(alpha + 1), random.bounded(alpha + 1),
                                          random.bounded(alpha + 1), alpha));
    }
  return picture;
}

// Three box passes each way, each pixel the plain average of its window with the edge pixels repeated, then
// the haze mixed in by the share of the pixel that is there.
QImage PlainOutOfFocus(const QImage& picture, int radius, QRgb haze, double amount) {
  QImage soft = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int width = soft.width();
  const int height = soft.height();
  const int window = 2 * radius + 1;
  const auto channel = [](QRgb pixel, int index) { return static_cast<int>((pixel >> (8 * index)) & 0xff); };
  for (int pass = 0; pass < 6; ++pass) {
    const bool across = pass % 2 == 0;
    const QImage before = soft;
    for (int row = 0; row < height; ++row)
      for (int column = 0; column < width; ++column) {
        QRgb averaged = 0;
        for (int index = 0; index < 4; ++index) {
          int sum = 0;
          for (int offset = -radius; offset <= radius; ++offset) {
            const int x = across ? std::clamp(column + offset, 0, width - 1) : column;
            const int y = across ? row : std::clamp(row + offset, 0, height - 1);
            sum += channel(before.pixel(x, y), index);
          }
          averaged |= static_cast<QRgb>(sum / window) << (8 * index);
        }
        soft.setPixel(column, row, averaged);
      }
  }
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      const QRgb pixel = soft.pixel(column, row);
      const int alpha = qAlpha(pixel);
      const auto mix = [&](int value, int hazeValue) {
        return static_cast<int>(std::lround(value * (1 - amount) + hazeValue * alpha / 255.0 * amount));
      };
      soft.setPixel(column, row,
                    qRgba(mix(qRed(pixel), qRed(haze)), mix(qGreen(pixel), qGreen(haze)), mix(qBlue(pixel), qBlue(haze)), alpha));
    }
  return soft;
}

// Wide and narrow boxes, one wider than the picture is tall, with and without haze, on see-through and
// opaque pixels alike.
TEST(PaintingShortcuts, OutOfFocusIsExactlyThePlainBoxBlur) {
  const QImage picture = RandomPremultiplied(37, 11, 5);
  for (const int radius : {1, 4, 15})
    for (const double amount : {0.0, 0.35}) {
      const QImage quick = art::OutOfFocus(picture, radius, qRgb(200, 190, 170), amount);
      const QImage plain = PlainOutOfFocus(picture, radius, qRgb(200, 190, 170), amount);
      ASSERT_EQ(quick.format(), plain.format());
      for (int row = 0; row < picture.height(); ++row)
        for (int column = 0; column < picture.width(); ++column)
          ASSERT_EQ(quick.pixel(column, row), plain.pixel(column, row))
              << "radius " << radius << " haze " << amount << " at " << column << "," << row;
    }
}

// Serpentine Floyd-Steinberg in 256ths of a level, 15 of 16 parts passed on (three quarters of that across a
// hard edge), each colour matched to its nearest palette colour by trying every one.
QImage PlainMapOntoPalette(const QImage& picture, const QList<QRgb>& palette) {
  const int width = picture.width();
  const int height = picture.height();
  QImage mapped(picture.size(), QImage::Format_Indexed8);
  mapped.setColorTable(palette);
  std::vector<std::vector<int>> errors(2, std::vector<int>(static_cast<std::size_t>(width + 2) * 3, 0));
  for (int row = 0; row < height; ++row) {
    std::vector<int>& here = errors[static_cast<std::size_t>(row % 2)];
    std::vector<int>& next = errors[static_cast<std::size_t>((row + 1) % 2)];
    std::fill(next.begin(), next.end(), 0);
    const int step = row % 2 == 0 ? 1 : -1;
    for (int done = 0; done < width; ++done) {
      const int column = step > 0 ? done : width - 1 - done;
      const QRgb pixel = picture.pixel(column, row);
      const std::size_t at = static_cast<std::size_t>(column + 1) * 3;
      const int wanted[3] = {std::clamp(qRed(pixel) + here[at] / 256, 0, 255),
                             std::clamp(qGreen(pixel) + here[at + 1] / 256, 0, 255),
                             std::clamp(qBlue(pixel) + here[at + 2] / 256, 0, 255)};
      int best = 0;
      int bestDistance = 1 << 30;
      for (int index = 0; index < palette.size(); ++index) {
        const QRgb colour = palette[index];
        const int distance = (wanted[0] - qRed(colour)) * (wanted[0] - qRed(colour)) +
                             (wanted[1] - qGreen(colour)) * (wanted[1] - qGreen(colour)) +
                             (wanted[2] - qBlue(colour)) * (wanted[2] - qBlue(colour));
        if (distance < bestDistance) {
          best = index;
          bestDistance = distance;
        }
      }
      mapped.setPixel(column, row, static_cast<uint>(best));
      const int error[3] = {wanted[0] - qRed(palette[best]), wanted[1] - qGreen(palette[best]),
                            wanted[2] - qBlue(palette[best])};
      const int size = error[0] * error[0] + error[1] * error[1] + error[2] * error[2];
      const int share = size > 3 * 48 * 48 ? 11 : 15;
      for (std::size_t channel = 0; channel < 3; ++channel) {
        const int passed = error[channel] * share;
        const auto offset = [&](int columns) { return at + static_cast<std::size_t>(columns * step * 3) + channel; };
        here[offset(1)] += passed * 7;
        next[offset(-1)] += passed * 3;
        next[offset(0)] += passed * 5;
        next[offset(1)] += passed;
      }
    }
  }
  return mapped;
}

// Random palettes crowded in places, random pictures with flat runs and noise; one search shared by two
// pictures must answer as a fresh one would.
TEST(PaintingShortcuts, MappingOntoThePaletteIsExactlyPlainFloydSteinberg) {
  QRandomGenerator random(11);
  QList<QRgb> palette;
  for (int shade = 0; shade < 40; ++shade) palette.push_back(qRgb(100 + shade, 90 + shade / 2, 80));
  while (palette.size() < 200) palette.push_back(random.generate() & 0xffffffu);
  const auto randomPicture = [&](int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row)
      for (int column = 0; column < width; ++column)
        picture.setPixel(column, row, column < width / 3 ? qRgb(120, 100, 80) : random.generate() | 0xff000000u);
    return picture;
  };
  const QImage small = randomPicture(61, 17);
  const QImage large = randomPicture(1, 9);  // one column: every row starts and ends on the same pixel
  art::NearestColour shared(palette);
  for (const QImage* picture : {&small, &large}) {
    const QImage plain = PlainMapOntoPalette(*picture, palette);
    EXPECT_EQ(art::MapOntoPalette(*picture, palette), plain);
    EXPECT_EQ(art::MapOntoPalette(*picture, palette, shared), plain);
  }
}

}  // namespace
}  // namespace brackenhollow
