// The painted pictures beside the game: every name the game can put on the picture control must be a
// readable GIF of the picture box's shape, and the pictures of one room must tell its states apart.
// Then the painter's own parts: the scene texts, the palette, the GIF writer and the painting.

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QRandomGenerator>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/painter/Atmosphere.h"
#include "art/painter/ContactSheet.h"
#include "art/painter/GifWriter.h"
#include "art/painter/Palette.h"
#include "art/painter/PaletteMapper.h"
#include "art/painter/Quantiser.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"
#include "view/PictureTables.h"
#include "world/PlacedObjects.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

// The game looks for its pictures beside its executable, and the tests are built into the same folder.
fs::path PictureFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// "\bedroom1.gif" names the file "bedroom1.gif".
fs::path FileOf(const std::string& pictureName) {
  return PictureFolder() / pictureName.substr(1);
}

// "\bedroom1.gif" at twice the size is "\bedroom1@2x.gif"; size 1 keeps the name.
std::string SizedName(const std::string& pictureName, int resolution) {
  if (resolution == 1) return pictureName;
  const std::size_t dot = pictureName.rfind('.');
  return pictureName.substr(0, dot) + "@" + std::to_string(resolution) + "x" + pictureName.substr(dot);
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream input(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
}

struct GifPicture {
  int width = 0;
  int height = 0;
  int imageCount = 0;
  std::vector<std::uint32_t> palette;  // 0xRRGGBB, the global colour map
  std::vector<std::uint8_t> pixels;    // indices into the palette, row by row
};

// Decodes a GIF with giflib; nullopt when giflib cannot read it or it has no global colour map.
std::optional<GifPicture> DecodeGif(const fs::path& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  if (gif == nullptr) return std::nullopt;
  std::optional<GifPicture> result;
  if (DGifSlurp(gif) == GIF_OK && gif->SColorMap != nullptr && gif->ImageCount > 0) {
    GifPicture picture;
    picture.width = gif->SWidth;
    picture.height = gif->SHeight;
    picture.imageCount = gif->ImageCount;
    for (int index = 0; index < gif->SColorMap->ColorCount; ++index) {
      const GifColorType& colour = gif->SColorMap->Colors[index];
      picture.palette.push_back((std::uint32_t{colour.Red} << 16) | (std::uint32_t{colour.Green} << 8) | colour.Blue);
    }
    const SavedImage& image = gif->SavedImages[0];
    picture.pixels.assign(image.RasterBits,
                          image.RasterBits + static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height);
    result = picture;
  }
  DGifCloseFile(gif, &error);
  return result;
}

// Every picture decoded once for all the tests here; a picture that cannot be read is missing.
const std::map<std::string, GifPicture>& Pictures() {
  static const std::map<std::string, GifPicture> kPictures = [] {
    std::map<std::string, GifPicture> pictures;
    for (const std::string& name : AllPictureNames()) {
      if (auto picture = DecodeGif(FileOf(name))) pictures.emplace(name, std::move(*picture));
    }
    return pictures;
  }();
  return kPictures;
}

// Share of pixels whose colour differs between two pictures of the same size.
double DifferingShare(const GifPicture& first, const GifPicture& second) {
  std::size_t differing = 0;
  for (std::size_t index = 0; index < first.pixels.size(); ++index) {
    if (first.palette[first.pixels[index]] != second.palette[second.pixels[index]]) ++differing;
  }
  return static_cast<double>(differing) / static_cast<double>(first.pixels.size());
}

double MeanBrightness(const GifPicture& picture) {
  double total = 0;
  for (const std::uint8_t index : picture.pixels) {
    const std::uint32_t colour = picture.palette[index];
    total += 0.299 * ((colour >> 16) & 0xff) + 0.587 * ((colour >> 8) & 0xff) + 0.114 * (colour & 0xff);
  }
  return total / static_cast<double>(picture.pixels.size());
}

TEST(PictureFiles, EveryNamedPictureIsAGif89aOfThePictureBoxShape) {
  const std::vector<std::string> names = AllPictureNames();
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(fs::exists(FileOf(name))) << "missing beside the game: " << FileOf(name);
    EXPECT_EQ(ReadBytes(FileOf(name)).substr(0, 6), "GIF89a");
    const auto found = Pictures().find(name);
    ASSERT_NE(found, Pictures().end()) << "giflib cannot read it";
    const GifPicture& picture = found->second;
    EXPECT_EQ(picture.width * 102, picture.height * 149) << picture.width << " x " << picture.height;
    EXPECT_GE(picture.width, 447);
    EXPECT_EQ(picture.imageCount, 1);
    EXPECT_LE(picture.palette.size(), 256u);
    EXPECT_LT(*std::max_element(picture.pixels.begin(), picture.pixels.end()), picture.palette.size());
  }
}

TEST(PictureFiles, AllPicturesShareOneSizeAndUseEnoughColours) {
  ASSERT_FALSE(Pictures().empty());
  const GifPicture& first = Pictures().begin()->second;
  for (const auto& [name, picture] : Pictures()) {
    EXPECT_EQ(picture.width, first.width) << name;
    EXPECT_EQ(picture.height, first.height) << name;
    // Even the darkened bedroom keeps its lamp, bed and doorway apart in about ten shades.
    std::set<std::uint8_t> used(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GE(used.size(), 8u) << name << " is nearly a flat fill";
  }
}

// Each channel of a larger size averaged over blocks of resolution x resolution pixels, as the small size's
// pixels: a larger size showing the same scene lands close to the small one.
std::vector<double> ShrunkChannels(const GifPicture& picture, int resolution) {
  const int width = picture.width / resolution;
  const int height = picture.height / resolution;
  std::vector<double> channels(static_cast<std::size_t>(width) * height * 3, 0.0);
  for (int row = 0; row < height * resolution; ++row) {
    for (int column = 0; column < width * resolution; ++column) {
      const std::uint32_t colour = picture.palette[picture.pixels[static_cast<std::size_t>(row) * picture.width + column]];
      double* target = &channels[(static_cast<std::size_t>(row / resolution) * width + column / resolution) * 3];
      target[0] += (colour >> 16) & 0xff;
      target[1] += (colour >> 8) & 0xff;
      target[2] += colour & 0xff;
    }
  }
  for (double& channel : channels) channel /= resolution * resolution;
  return channels;
}

// The mean difference of a channel between two pictures' shrunk channels.
double MeanChannelDifference(const std::vector<double>& first, const std::vector<double>& second) {
  double total = 0;
  for (std::size_t index = 0; index < first.size(); ++index) total += std::abs(first[index] - second[index]);
  return total / static_cast<double>(first.size());
}

// Windows with more pixels show the larger files, which must be the same picture drawn sharper, not another
// picture, a blown-up one or a cropped one.
TEST(PictureFiles, EveryPictureHasItsTwoLargerSizesShowingTheSameScene) {
  for (const std::string& name : AllPictureNames()) {
    SCOPED_TRACE(name);
    const auto small = Pictures().find(name);
    if (small == Pictures().end()) continue;  // reported above
    const std::vector<double> smallChannels = ShrunkChannels(small->second, 1);
    for (const int resolution : {2, 3}) {
      const fs::path path = FileOf(SizedName(name, resolution));
      ASSERT_TRUE(fs::exists(path)) << "missing beside the game: " << path;
      EXPECT_EQ(ReadBytes(path).substr(0, 6), "GIF89a");
      const std::optional<GifPicture> large = DecodeGif(path);
      ASSERT_TRUE(large.has_value()) << "giflib cannot read " << path;
      EXPECT_EQ(large->width, small->second.width * resolution);
      EXPECT_EQ(large->height, small->second.height * resolution);
      EXPECT_EQ(large->imageCount, 1);
      EXPECT_LE(large->palette.size(), 256u);
      if (large->width != small->second.width * resolution || large->height != small->second.height * resolution) continue;
      // Dithering and sharper edges differ a little; another scene differs by tens of levels.
      EXPECT_LT(MeanChannelDifference(ShrunkChannels(*large, resolution), smallChannels), 6.0) << resolution << "x";
    }
  }
}

TEST(PictureFiles, NoTwoFilesAreTheSame) {
  std::map<std::string, std::string> byContent;
  for (const std::string& name : AllPictureNames()) {
    const std::string bytes = ReadBytes(FileOf(name));
    if (bytes.empty()) continue;  // reported by the test above
    const auto [previous, fresh] = byContent.emplace(bytes, name);
    EXPECT_TRUE(fresh) << name << " has the same bytes as " << previous->second;
  }
}

// A state change must be seen at a glance: not a few pixels but a visible part of the picture, at every size.
TEST(PictureFiles, EachRoomsPicturesTellItsStatesApart) {
  constexpr double kVisibleShare = 0.005;
  int roomsWithStates = 0;
  for (int room = 1; room <= kRoomCount; ++room) {
    const std::vector<std::string> names = RoomPictureNames(room);
    if (names.size() < 2) continue;
    ++roomsWithStates;
    for (const int resolution : {1, 2, 3}) {
      std::vector<std::optional<GifPicture>> decoded;
      for (const std::string& name : names) decoded.push_back(DecodeGif(FileOf(SizedName(name, resolution))));
      for (std::size_t first = 0; first < names.size(); ++first) {
        for (std::size_t second = first + 1; second < names.size(); ++second) {
          if (!decoded[first] || !decoded[second]) continue;  // reported above
          if (decoded[first]->pixels.size() != decoded[second]->pixels.size()) continue;
          EXPECT_GE(DifferingShare(*decoded[first], *decoded[second]), kVisibleShare)
              << "room " << room << " at " << resolution << "x: " << names[first] << " and " << names[second]
              << " look alike";
        }
      }
    }
  }
  EXPECT_GE(roomsWithStates, 40);
}

TEST(PictureFiles, UnlitStatesAreDarkerThanLitOnes) {
  const std::pair<const char*, const char*> kDarkAndLit[] = {
      {"\\bedroom left not lit.gif", "\\bedroom left lit.gif"},
      {"\\insde lighthouse missing power.gif", "\\inside lighthouse lit.gif"},
  };
  for (const auto& [dark, lit] : kDarkAndLit) {
    ASSERT_EQ(Pictures().count(dark), 1u) << dark;
    ASSERT_EQ(Pictures().count(lit), 1u) << lit;
    EXPECT_LT(MeanBrightness(Pictures().at(dark)), 0.75 * MeanBrightness(Pictures().at(lit))) << dark;
  }
  // The unlit bedroom is very dark, not merely dimmer.
  EXPECT_LT(MeanBrightness(Pictures().at("\\bedroom left not lit.gif")), 70.0);
}

// A GIF beside the game that no table names is a picture painted under a misspelt name; an item's icon
// must name a thing of the world.
TEST(PictureFiles, EveryGifBesideTheGameIsNamedByTheGame) {
  std::set<std::string> named;
  for (const std::string& name : AllPictureNames())
    for (const int resolution : {1, 2, 3}) named.insert(SizedName(name, resolution).substr(1));
  std::vector<std::string> things(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  things.insert(things.end(), std::begin(kAllPlacedObjectNames), std::end(kAllPlacedObjectNames));
  for (const std::string& thing : things)
    for (const int resolution : {1, 2, 3}) named.insert(SizedName("\\item " + thing + ".gif", resolution).substr(1));
  for (const auto& entry : fs::directory_iterator(PictureFolder())) {
    if (entry.path().extension() != ".gif") continue;
    EXPECT_EQ(named.count(entry.path().filename().string()), 1u) << "no table names " << entry.path().filename();
  }
}

// The window's icon, and the icons a desktop theme installs: square PNGs of their sizes.
TEST(PictureFiles, TheApplicationIconIsASquarePngAtEveryThemeSize) {
  std::vector<std::pair<std::string, std::uint32_t>> icons = {{"brackenhollow.png", 0}};
  for (const std::uint32_t size : {16u, 32u, 48u, 64u, 128u, 256u, 512u})
    icons.emplace_back("brackenhollow-" + std::to_string(size) + ".png", size);
  for (const auto& [name, size] : icons) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadBytes(PictureFolder() / name);
    ASSERT_GE(bytes.size(), 24u) << name << " is missing beside the game";
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    // The IHDR chunk opens the file: width and height as big-endian 32-bit numbers at bytes 16 and 20.
    const auto readNumber = [&bytes](std::size_t at) {
      std::uint32_t value = 0;
      for (std::size_t index = at; index < at + 4; ++index) value = (value << 8) | static_cast<unsigned char>(bytes[index]);
      return value;
    };
    EXPECT_EQ(bytes.substr(12, 4), "IHDR");
    EXPECT_EQ(readNumber(16), readNumber(20));
    if (size == 0) EXPECT_GE(readNumber(16), 48u);
    else EXPECT_EQ(readNumber(16), size);
  }
}

// ---- The painter's parts -------------------------------------------------------------------------

using art::Layer;
using art::Picture;
using art::SceneBook;
using art::SceneError;

// Parses scene text; the pictures it describes, or an empty list with the error.
std::vector<Picture> ParseScenes(const std::string& text, std::string& error) {
  SceneBook book;
  std::vector<Picture> pictures;
  if (!book.AddText(text, "test.txt", error) || !book.Pictures(pictures, error)) return {};
  return pictures;
}

std::vector<std::string> PropsOf(const Picture& picture) {
  std::vector<std::string> props;
  for (const Layer& layer : picture.layers) props.push_back(layer.Prop());
  return props;
}

TEST(SceneTexts, PicturesExpandTheirScenesInPlace) {
  std::string error;
  const std::vector<Picture> pictures = ParseScenes(R"(# a comment line
scene walls
  room wall=#ffcc00   # the colour survives, the comment does not
  rug x=1
scene furnished
  use walls
  bed x=2
picture "corner lit.gif" rooms=2,9
  use furnished
  lamp lit=yes
picture "corner dark.gif"
  lamp
  use walls
icon "icon.png" size=64
  sky
)",
                                                    error);
  ASSERT_EQ(pictures.size(), 3u) << error;
  EXPECT_EQ(pictures[0].fileName, "corner lit.gif");
  EXPECT_EQ(pictures[0].rooms, (std::vector<int>{2, 9}));
  EXPECT_EQ(PropsOf(pictures[0]), (std::vector<std::string>{"room", "rug", "bed", "lamp"}));
  EXPECT_EQ(PropsOf(pictures[1]), (std::vector<std::string>{"lamp", "room", "rug"}));
  EXPECT_TRUE(pictures[1].rooms.empty());
  EXPECT_EQ(pictures[0].layers[0].Word("wall", ""), "#ffcc00");
  EXPECT_EQ(pictures[0].layers[0].Unused(), std::vector<std::string>{});
  EXPECT_EQ(pictures[0].layers[3].Where(), "test.txt:10");
  EXPECT_EQ(pictures[2].iconSize, 64);
  EXPECT_EQ(pictures[0].iconSize, 0);
}

TEST(SceneTexts, MistakesAreReportedWithTheirFileAndLine) {
  const std::pair<const char*, const char*> kMistakes[] = {
      {"picture \"a.gif\"\n  sign text=\"open\n", "test.txt:2: unclosed quote"},
      {"  sky\n", "test.txt:1: a layer before any scene or picture"},
      {"picture \"a.gif\"\n  sky horizon\n", "test.txt:2: expected key=value"},
      {"picture \"a.gif\"\n  use nowhere\n", "test.txt:2: no scene named nowhere"},
      {"scene loop\n  use loop\npicture \"a.gif\"\n  use loop\n", "uses itself"},
      {"picture \"a.gif\"\n  sky\npicture \"a.gif\"\n  sky\n", "test.txt:3: a.gif is painted twice"},
      {"scene s\n  sky\nscene s\n  sky\n", "test.txt:3: scene s is defined twice"},
      {"picture \"a.gif\" rooms=1,x\n", "test.txt:1: unexpected"},
  };
  for (const auto& [text, expected] : kMistakes) {
    std::string error;
    EXPECT_TRUE(ParseScenes(text, error).empty()) << text;
    EXPECT_NE(error.find(expected), std::string::npos) << "got: " << error;
  }
}

TEST(SceneTexts, LayerValuesAreReadStrictly) {
  const Layer layer("prop", {{"x", "12.5"}, {"bad", "12px"}, {"lit", "yes"}, {"odd", "maybe"}, {"red", "ruby"},
                             {"hex", "#102030"}, {"nope", "mauve"}, {"spare", "1"}},
                    "here.txt:4");
  EXPECT_DOUBLE_EQ(layer.Number("x", 0), 12.5);
  EXPECT_DOUBLE_EQ(layer.Number("absent", 7), 7);
  EXPECT_THROW(layer.Number("bad", 0), SceneError);
  EXPECT_TRUE(layer.Flag("lit", false));
  EXPECT_THROW(layer.Flag("odd", false), SceneError);
  EXPECT_EQ(layer.Colour("red", 0), art::colours::kRuby);
  EXPECT_EQ(layer.Colour("hex", 0), 0x102030u);
  try {
    layer.Colour("nope", 0);
    ADD_FAILURE() << "an unknown colour must be refused";
  } catch (const SceneError& error) {
    EXPECT_NE(std::string(error.what()).find("here.txt:4"), std::string::npos);
  }
  EXPECT_EQ(layer.Unused(), std::vector<std::string>{"spare"});
}

#ifdef BRACKENHOLLOW_SCENES_FOLDER
// The painter's own list, in its scene texts, must be the game's: the same file names, and each picture
// marked with exactly the rooms whose tables name it.
TEST(SceneTexts, TheScenesPaintExactlyThePicturesTheGameNames) {
  SceneBook book;
  std::vector<Picture> pictures;
  std::string error;
  ASSERT_TRUE(book.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) && book.Pictures(pictures, error)) << error;
  std::set<std::string> painted;
  std::map<int, std::set<std::string>> paintedByRoom;
  for (const Picture& picture : pictures) {
    if (picture.iconSize > 0 || !picture.item.empty()) continue;
    painted.insert("\\" + picture.fileName);
    for (const int room : picture.rooms) paintedByRoom[room].insert("\\" + picture.fileName);
  }
  const std::vector<std::string> named = AllPictureNames();
  EXPECT_EQ(painted, std::set<std::string>(named.begin(), named.end()));
  for (int room = 1; room <= kRoomCount; ++room) {
    const std::vector<std::string> roomNames = RoomPictureNames(room);
    EXPECT_EQ(paintedByRoom[room], std::set<std::string>(roomNames.begin(), roomNames.end())) << "room " << room;
  }
}
#endif

TEST(PicturePalette, EveryNamedColourHasOneName) {
  std::set<std::string> names;
  for (const art::NamedColour& colour : art::NamedColours()) {
    EXPECT_TRUE(names.insert(colour.name).second) << colour.name << " named twice";
    QRgb found = 0;
    EXPECT_TRUE(art::FindNamedColour(colour.name, found));
    EXPECT_EQ(found, colour.value) << colour.name;
  }
}

// The colour of an Indexed8 picture's pixel.
QRgb ColourAt(const QImage& picture, int column, int row) {
  return picture.colorTable()[picture.pixelIndex(column, row)] & 0xffffffu;
}

TEST(PictureQuantiser, FewFlatColoursSurviveExactlyAtEverySize) {
  const QRgb kFills[] = {art::colours::kWood, art::colours::kSky, art::colours::kInk, art::colours::kGlow};
  std::vector<QImage> sizes;
  for (const int resolution : {1, 2, 3}) {
    QImage image(8 * resolution, 4 * resolution, QImage::Format_RGB32);
    for (int part = 0; part < 4; ++part)
      for (int row = 0; row < image.height(); ++row)
        for (int column = part * 2 * resolution; column < (part + 1) * 2 * resolution; ++column)
          image.setPixel(column, row, kFills[part]);
    sizes.push_back(image);
  }
  std::string error;
  const std::vector<QImage> indexed = art::Quantise(sizes, error);
  ASSERT_EQ(indexed.size(), 3u) << error;
  for (std::size_t size = 0; size < indexed.size(); ++size) {
    ASSERT_EQ(indexed[size].format(), QImage::Format_Indexed8);
    ASSERT_EQ(indexed[size].size(), sizes[size].size());
    for (int part = 0; part < 4; ++part)
      EXPECT_EQ(ColourAt(indexed[size], part * 2 * static_cast<int>(size + 1), 0), kFills[part] & 0xffffffu)
          << "fill " << part << " at size " << size + 1;
  }
}

TEST(PictureQuantiser, ManyColoursGetAtMost256AndKeepTheirBrightness) {
  // A lamp's light fading over a wall: thousands of colours, which dithering must not darken or brighten.
  QImage light(300, 200, QImage::Format_RGB32);
  double wanted = 0;
  for (int row = 0; row < light.height(); ++row)
    for (int column = 0; column < light.width(); ++column) {
      const QRgb colour = qRgb(255 - column / 3, 230 - column * 2 / 3 + row / 10, 140 + row / 4 - column / 6);
      light.setPixel(column, row, colour);
      wanted += qGray(colour);
    }
  std::string error;
  const std::vector<QImage> indexed = art::Quantise({light}, error);
  ASSERT_EQ(indexed.size(), 1u) << error;
  EXPECT_LE(indexed[0].colorCount(), 256);
  double got = 0;
  for (int row = 0; row < light.height(); ++row)
    for (int column = 0; column < light.width(); ++column) got += qGray(ColourAt(indexed[0], column, row));
  const double pixels = light.width() * light.height();
  EXPECT_NEAR(got / pixels, wanted / pixels, 1.5);
  EXPECT_TRUE(art::Quantise({}, error).empty());
  EXPECT_FALSE(error.empty());
}

// The nearest palette colour by trying every one; ties go to the lower index.
int NearestByTryingAll(const QList<QRgb>& palette, int red, int green, int blue) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int index = 0; index < palette.size(); ++index) {
    const int distance = (red - qRed(palette[index])) * (red - qRed(palette[index])) +
                         (green - qGreen(palette[index])) * (green - qGreen(palette[index])) +
                         (blue - qBlue(palette[index])) * (blue - qBlue(palette[index]));
    if (distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return best;
}

// The shortcut through the colour cube must never pick a farther colour than trying them all would, even with
// the palette's colours crowded a level or two apart as a gradient's are.
TEST(PicturePaletteMapper, FindsTheSameNearestColourAsTryingEveryOne) {
  QRandomGenerator random(7);
  QList<QRgb> palette;
  for (int shade = 0; shade < 128; ++shade) palette.push_back(qRgb(90 + shade / 2, 100 + shade / 3, 60 + shade));
  while (palette.size() < 256) palette.push_back(random.generate() & 0xffffffu);
  art::NearestColour nearest(palette);
  for (int trial = 0; trial < 20000; ++trial) {
    const int red = random.bounded(256);
    const int green = random.bounded(256);
    const int blue = random.bounded(256);
    // Near the crowded shades too, where cells hold many candidates.
    const int shade = trial % 2 == 0 ? random.bounded(128) : -1;
    const int r = shade < 0 ? red : std::min(255, 90 + shade / 2 + random.bounded(3));
    const int g = shade < 0 ? green : std::min(255, 100 + shade / 3 + random.bounded(3));
    const int b = shade < 0 ? blue : std::min(255, 60 + shade + random.bounded(3));
    const int found = nearest.Find(r, g, b);
    const int wanted = NearestByTryingAll(palette, r, g, b);
    // Two colours at the same distance are equally right.
    const auto distance = [&](int index) {
      return (r - qRed(palette[index])) * (r - qRed(palette[index])) +
             (g - qGreen(palette[index])) * (g - qGreen(palette[index])) +
             (b - qBlue(palette[index])) * (b - qBlue(palette[index]));
    };
    ASSERT_EQ(distance(found), distance(wanted)) << r << "," << g << "," << b;
    // Asked again, the remembered answer is the same.
    ASSERT_EQ(nearest.Find(r, g, b), found);
  }
}

// A gradient over a few shades must be dithered into its in-between values, not cut into bands, and the
// palette's own colours must come through untouched.
TEST(PicturePaletteMapper, GradientsKeepTheirShadeAndPaletteColoursStayExact) {
  const QList<QRgb> greys = {qRgb(0, 0, 0), qRgb(85, 85, 85), qRgb(170, 170, 170), qRgb(255, 255, 255)};
  QImage gradient(256, 60, QImage::Format_RGB32);
  for (int row = 0; row < gradient.height(); ++row)
    for (int column = 0; column < gradient.width(); ++column)
      gradient.setPixel(column, row, row < 10 ? greys[column / 64] : qRgb(column, column, column));
  const QImage mapped = art::MapOntoPalette(gradient, greys);
  ASSERT_EQ(mapped.format(), QImage::Format_Indexed8);
  ASSERT_EQ(mapped.size(), gradient.size());
  EXPECT_EQ(mapped.colorTable(), greys);
  for (int row = 0; row < 10; ++row)
    for (int column = 0; column < gradient.width(); ++column)
      ASSERT_EQ(mapped.pixelIndex(column, row), column / 64) << column << "," << row;
  // Each 16-column strip of the gradient averages close to the shade it stands for.
  for (int strip = 0; strip < 16; ++strip) {
    double got = 0;
    double wanted = 0;
    for (int row = 20; row < gradient.height(); ++row)
      for (int column = strip * 16; column < (strip + 1) * 16; ++column) {
        got += qRed(greys[mapped.pixelIndex(column, row)]);
        wanted += column;
      }
    EXPECT_NEAR(got / (16 * 40), wanted / (16 * 40), 8.0) << "strip " << strip;
  }
  EXPECT_TRUE(art::MapOntoPalette(QImage(), greys).isNull());
  EXPECT_TRUE(art::MapOntoPalette(gradient, {}).isNull());
  EXPECT_TRUE(art::MapOntoPalette(gradient, QList<QRgb>(257, qRgb(1, 2, 3))).isNull());
}

// Light is laid over the finished picture: darkness dims everything, a pool cuts through it brightest at its
// centre, and the ink of outlines is never lit brighter than it was painted.
TEST(PictureLight, PoolsCutThroughDarknessWithoutLightingTheInk) {
  constexpr QRgb kWall = 0xc0b090;
  constexpr QRgb kInk = 0x2a2230;
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(kWall);
  for (int row = 0; row < 100; ++row) picture.setPixel(100, row, kInk);
  art::Atmosphere atmosphere;
  atmosphere.SetAmbient(0.2, 0.2, 0.3);
  QPainterPath disc;
  disc.addEllipse(QPointF(100, 50), 60, 60);
  atmosphere.AddPool(QTransform(), disc, QPointF(100, 50), 60, art::colours::kGlow, 1.0);
  atmosphere.Light(picture);
  const auto brightness = [&picture](int column, int row) { return qGray(picture.pixel(column, row)); };
  EXPECT_LT(brightness(5, 5), qGray(kWall) / 3) << "far from the lamp the room is dark";
  EXPECT_GT(brightness(96, 50), qGray(kWall)) << "next to the lamp the wall is lit above daylight";
  EXPECT_GT(brightness(96, 50), brightness(130, 50));
  EXPECT_GT(brightness(130, 50), brightness(175, 50)) << "the light falls off towards the pool's rim";
  EXPECT_LE(brightness(100, 50), qGray(kInk)) << "an outline under the lamp keeps its ink";

  QImage daylight(4, 4, QImage::Format_RGB32);
  daylight.fill(kWall);
  art::Atmosphere().Light(daylight);
  EXPECT_EQ(daylight.pixel(2, 2) & 0xffffffu, kWall) << "plain daylight leaves the picture as painted";
}

// A five-colour picture, the kind the quantiser hands the GIF writer.
QImage FiveColourPattern() {
  QImage picture(20, 12, QImage::Format_Indexed8);
  picture.setColorTable({qRgb(10, 20, 30), qRgb(200, 100, 0), qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(1, 2, 3)});
  for (int row = 0; row < picture.height(); ++row)
    for (int column = 0; column < picture.width(); ++column) picture.setPixel(column, row, (row * 7 + column) % 5);
  return picture;
}

TEST(PictureGifWriter, WritesAGif89aThatGiflibReadsBack) {
  testing::ScratchFolder folder;
  const QImage pattern = FiveColourPattern();
  const std::string path = folder.File("pattern.gif");
  std::string error;
  ASSERT_TRUE(art::WriteGif(path, pattern, error)) << error;
  EXPECT_EQ(ReadBytes(path).substr(0, 6), "GIF89a");
  const std::optional<GifPicture> picture = DecodeGif(path);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 20);
  EXPECT_EQ(picture->height, 12);
  ASSERT_EQ(picture->palette.size(), 8u) << "a GIF colour map holds a power of two";
  for (int row = 0; row < pattern.height(); ++row)
    for (int column = 0; column < pattern.width(); ++column)
      EXPECT_EQ(picture->palette[picture->pixels[static_cast<std::size_t>(row) * 20 + column]],
                pattern.pixel(column, row) & 0xffffffu);
  struct stat status {};
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_NE(status.st_mode & S_IROTH, 0u) << "the game may run as another user and must read its pictures";
}

TEST(PictureGifWriter, RefusesFullColourPicturesAndUnwritablePlaces) {
  testing::ScratchFolder folder;
  std::string error;
  EXPECT_FALSE(art::WriteGif(folder.File("full.gif"), QImage(3, 2, QImage::Format_RGB32), error));
  EXPECT_FALSE(error.empty());
  error.clear();
  EXPECT_FALSE(art::WriteGif(folder.File("no/such/folder.gif"), FiveColourPattern(), error));
  EXPECT_FALSE(error.empty());
}

Picture OneLayerPicture(const std::string& prop, std::map<std::string, std::string> values) {
  Picture picture;
  picture.fileName = prop + ".gif";
  picture.layers.emplace_back(prop, std::move(values), "test.txt:1");
  return picture;
}

TEST(PicturePainting, UnknownPropsAndStrayParametersStopThePainting) {
  testing::Application();
  const art::PropRegistry& registry = art::PropRegistry::Everything();
  try {
    art::PaintPicture(OneLayerPicture("sofa", {}), registry, 1);
    ADD_FAILURE() << "an unknown prop must stop the painting";
  } catch (const SceneError& error) {
    EXPECT_NE(std::string(error.what()).find("test.txt:1: no prop named sofa"), std::string::npos) << error.what();
  }
  try {
    art::PaintPicture(OneLayerPicture("lamp", {{"lt", "yes"}}), registry, 1);
    ADD_FAILURE() << "a misspelt parameter must stop the painting";
  } catch (const SceneError& error) {
    EXPECT_NE(std::string(error.what()).find("lamp has no parameter lt"), std::string::npos) << error.what();
  }
  EXPECT_THROW(art::PaintPicture(OneLayerPicture("door", {{"state", "ajar"}}), registry, 1), SceneError);
}

// A prop that paints nothing where it is put is a prop whose origin or size is wrong. Props that stand
// somewhere are put in the middle; those that fill the frame (sky, ground, rooms) are put at the origin.
TEST(PicturePainting, EveryPropPaintsSomethingWhereItIsPut) {
  testing::Application();
  const art::PropRegistry& registry = art::PropRegistry::Everything();
  ASSERT_GE(registry.Names().size(), 100u);
  const QRgb background = art::colours::kRoadDark;
  for (const std::string& prop : registry.Names()) {
    int mostPainted = 0;
    for (const auto& [x, y] : {std::pair{"298", "300"}, std::pair{"0", "0"}}) {
      std::map<std::string, std::string> values = {{"x", x}, {"y", y}};
      if (prop == "text" || prop == "lettering") values["text"] = "Ab";
      Picture picture = OneLayerPicture("block", {{"w", "596"}, {"h", "408"}, {"colour", "road-dark"}});
      picture.layers.emplace_back(prop, values, "test.txt:2");
      const QImage image = art::PaintPicture(picture, registry, 1);
      ASSERT_EQ(image.size(), QSize(596, 408)) << prop;
      int painted = 0;
      for (int row = 0; row < image.height(); row += 2)
        for (int column = 0; column < image.width(); column += 2)
          if ((image.pixel(column, row) & 0xffffffu) != background) ++painted;
      mostPainted = std::max(mostPainted, painted);
    }
    EXPECT_GE(mostPainted, 20) << prop << " left the frame blank";
  }
}

TEST(PicturePainting, PicturesArePaintedAtTheirResolutionAndTheIconSquare) {
  testing::Application();
  const Picture picture = OneLayerPicture("sky", {});
  EXPECT_EQ(art::PaintPicture(picture, art::PropRegistry::Everything(), 1).size(), QSize(596, 408));
  EXPECT_EQ(art::PaintPicture(picture, art::PropRegistry::Everything(), 3).size(), QSize(1788, 1224));
  Picture icon = picture;
  icon.iconSize = 64;
  EXPECT_EQ(art::PaintIcon(icon, art::PropRegistry::Everything(), 64).size(), QSize(64, 64));
  EXPECT_EQ(art::PaintIcon(icon, art::PropRegistry::Everything(), 512).size(), QSize(512, 512));
}

TEST(PicturePainting, ASecondPropOfTheSameNameIsRefused) {
  art::PropRegistry registry;
  const art::PropPainter nothing = [](art::Sketch&, const Layer&) {};
  registry.Add("lamp", nothing);
  EXPECT_THROW(registry.Add("lamp", nothing), std::logic_error);
  EXPECT_EQ(registry.Names(), std::vector<std::string>{"lamp"});
}

TEST(PicturePainting, TheContactSheetShowsEveryPictureInItsGrid) {
  testing::Application();
  QImage small(596, 408, QImage::Format_RGB32);
  small.fill(Qt::red);
  const std::vector<std::pair<std::string, QImage>> pictures(5, {"a.gif", small});
  const QImage sheet = art::ComposeContactSheet(pictures, 2, 149);
  EXPECT_EQ(sheet.width(), 8 + 2 * (149 + 8));
  EXPECT_EQ(sheet.height(), 8 + 3 * (102 + 16 + 8));
  EXPECT_EQ(sheet.pixel(8 + 70, 8 + 2 * (102 + 16 + 8) + 50), qRgb(255, 0, 0)) << "the fifth picture, first in the third row";
  EXPECT_TRUE(art::ComposeContactSheet({}, 2, 149).isNull());
}

}  // namespace
}  // namespace brackenhollow
