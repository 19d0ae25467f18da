// The picture control reads a painting at the size it is shown without decoding it at 32 bits a
// pixel; what it shows must stay what Qt's own decoding and smooth reduction showed.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "art/painter/GifWriter.h"
#include "tests/TestSupport.h"
#include "view/PaintingReader.h"

namespace brackenhollow {
namespace {

QString Path(const std::string& file) { return QString::fromStdString(file); }

// Qt's decoding of the file (by its bytes, so no density is read from the name), at 32 bits.
QImage QtDecoded(const QString& file) {
  QImageReader reader(file, "gif");
  return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean and the largest difference of the colour channels of two images of one size.
struct Difference {
  double mean = 0;
  int largest = 0;
};

Difference Compare(const QImage& first, const QImage& second) {
  const QImage a = first.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage b = second.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  Difference difference;
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* lineA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* lineB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      for (int shift : {0, 8, 16, 24}) {
        const int channel = std::abs(static_cast<int>((lineA[x] >> shift) & 0xff) - static_cast<int>((lineB[x] >> shift) & 0xff));
        total += channel;
        difference.largest = std::max(difference.largest, channel);
      }
    }
  }
  difference.mean = total / (4.0 * a.width() * a.height());
  return difference;
}

// A palette picture of the given size: colour bands, fine stripes and a checkerboard, the detail a
// reduction can get wrong.
QImage Detailed(int width, int height) {
  QImage image(width, height, QImage::Format_Indexed8);
  QList<QRgb> colours;
  for (int i = 0; i < 16; ++i) colours.push_back(qRgb(i * 16, 255 - i * 13, (i * 71) % 256));
  image.setColorTable(colours);
  for (int y = 0; y < height; ++y) {
    uchar* line = image.scanLine(y);
    for (int x = 0; x < width; ++x) {
      line[x] = static_cast<uchar>(y < height / 3 ? (x * 16 / width) : y < 2 * height / 3 ? (x / 3) % 2 * 7 : (x + y) % 2 * 15);
    }
  }
  return image;
}

// Writes image as an interlaced GIF (rows stored in four passes), which the painter never writes.
bool WriteInterlaced(const std::string& path, const QImage& image) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  if (gif == nullptr) return false;
  std::vector<GifColorType> colours(256);
  for (int i = 0; i < image.colorCount(); ++i) {
    colours[static_cast<std::size_t>(i)] = {static_cast<GifByteType>(qRed(image.color(i))),
                                            static_cast<GifByteType>(qGreen(image.color(i))),
                                            static_cast<GifByteType>(qBlue(image.color(i)))};
  }
  ColorMapObject* map = GifMakeMapObject(256, colours.data());
  bool written = EGifPutScreenDesc(gif, image.width(), image.height(), 8, 0, map) == GIF_OK &&
                 EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), true, nullptr) == GIF_OK;
  constexpr int kOffsets[] = {0, 4, 2, 1};
  constexpr int kSteps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4 && written; ++pass) {
    for (int y = kOffsets[pass]; y < image.height() && written; y += kSteps[pass]) {
      written = EGifPutLine(gif, const_cast<GifPixelType*>(image.constScanLine(y)), image.width()) == GIF_OK;
    }
  }
  GifFreeMapObject(map);
  return EGifCloseFile(gif, &error) == GIF_OK && written;
}

class PaintingReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::Application(); }
  testing::ScratchFolder folder;
};

TEST_F(PaintingReaderTest, ReductionLooksLikeQtsSmoothScalingOfThePaintedPictures) {
  // The largest paintings, reduced to the sizes a full screen and a small window ask of them.
  const std::filesystem::path pictures = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  int compared = 0;
  for (const char* name : {"bedroom100@3x.gif", "beach@3x.gif", "beach@2x.gif"}) {
    const QString file = Path((pictures / name).string());
    if (!QFile::exists(file)) continue;
    const QImage decoded = QtDecoded(file);
    ASSERT_FALSE(decoded.isNull()) << name;
    for (const QSize shown : {QSize(1577, 1080), QSize(1000, 685), QSize(597, 409)}) {
      const QImage ours = ReadPaintingAtSize(file, shown, true);
      ASSERT_EQ(ours.size(), shown) << name;
      const Difference difference =
          Compare(ours, decoded.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      EXPECT_LT(difference.mean, 2.0) << name << " at " << shown.width();
      ++compared;
    }
  }
  ASSERT_GT(compared, 0) << "no painted picture beside the tests";
}

TEST_F(PaintingReaderTest, FineDetailAndAnInterlacedFileReduceAsQtReducesThem) {
  const QImage painted = Detailed(900, 600);
  std::string error;
  const std::string plain = folder.File("plain.gif");
  const std::string interlaced = folder.File("interlaced.gif");
  ASSERT_TRUE(art::WriteGif(plain, painted, error)) << error;
  ASSERT_TRUE(WriteInterlaced(interlaced, painted));
  const QImage reference = painted.convertToFormat(QImage::Format_RGB32);
  // At its own size both read back pixel for pixel: the interlaced rows land where they belong.
  for (const std::string& file : {plain, interlaced}) {
    const QImage same = ReadPaintingAtSize(Path(file), painted.size(), true);
    EXPECT_EQ(Compare(same, reference).largest, 0) << file;
    for (const QSize shown : {QSize(899, 599), QSize(600, 400), QSize(451, 300), QSize(133, 97)}) {
      const Difference difference = Compare(ReadPaintingAtSize(Path(file), shown, true),
                                            reference.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      EXPECT_LT(difference.mean, 2.5) << file << " at " << shown.width();
    }
  }
}

TEST_F(PaintingReaderTest, WholeNumberEnlargementRepeatsEachPixelAsQtsFastScalingDoes) {
  const QImage painted = Detailed(60, 40);
  std::string error;
  const std::string file = folder.File("small.gif");
  ASSERT_TRUE(art::WriteGif(file, painted, error)) << error;
  const QImage reference = painted.convertToFormat(QImage::Format_RGB32);
  for (const int times : {1, 2, 3}) {
    const QSize shown = painted.size() * times;
    EXPECT_EQ(Compare(ReadPaintingAtSize(Path(file), shown, false),
                      reference.scaled(shown, Qt::IgnoreAspectRatio, Qt::FastTransformation)).largest, 0)
        << times;
  }
}

TEST_F(PaintingReaderTest, TheTransparentColourStaysTransparentAndDoesNotDarkenItsNeighbours) {
  QImage painted(40, 40, QImage::Format_Indexed8);
  painted.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) painted.setPixel(x, y, x < 20 ? 0 : 1);
  }
  std::string error;
  const std::string file = folder.File("see-through.gif");
  ASSERT_TRUE(art::WriteGif(file, painted, error, 1)) << error;
  const QImage half = ReadPaintingAtSize(Path(file), QSize(20, 20), true).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(half.isNull());
  EXPECT_EQ(half.pixel(0, 0), qRgba(255, 255, 255, 255));
  EXPECT_EQ(qAlpha(half.pixel(19, 0)), 0);
  // Where white meets the transparent colour the shown pixel is half covered, still white.
  const QImage odd = ReadPaintingAtSize(Path(file), QSize(13, 13), true).convertToFormat(QImage::Format_ARGB32);
  const QRgb edge = odd.pixel(6, 6);
  EXPECT_GT(qAlpha(edge), 0);
  EXPECT_EQ(qRed(edge), 255);
}

TEST_F(PaintingReaderTest, AFileThatIsNoGifOrIsCutShortGivesANullImage) {
  const QImage painted = Detailed(200, 100);
  std::string error;
  const std::string whole = folder.File("whole.gif");
  ASSERT_TRUE(art::WriteGif(whole, painted, error)) << error;
  QFile source(Path(whole));
  ASSERT_TRUE(source.open(QIODevice::ReadOnly));
  const QByteArray bytes = source.readAll();
  const std::string cut = folder.File("cut.gif");
  const std::string text = folder.File("text.gif");
  QFile cutFile(Path(cut));
  ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly));
  cutFile.write(bytes.left(bytes.size() / 2));
  cutFile.close();
  QFile textFile(Path(text));
  ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
  textFile.write("not a picture at all");
  textFile.close();
  for (const std::string& file : {cut, text, folder.File("missing.gif")}) {
    EXPECT_TRUE(ReadPaintingAtSize(Path(file), QSize(100, 50), true).isNull()) << file;
  }
  EXPECT_TRUE(ReadPaintingAtSize(Path(whole), QSize(0, 50), true).isNull());
  EXPECT_FALSE(ReadPaintingAtSize(Path(whole), QSize(100, 50), true).isNull());
}

}  // namespace
}  // namespace brackenhollow
