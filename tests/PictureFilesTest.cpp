// The painted pictures beside the game: every name the game can put on the picture control must be a
// readable GIF of the picture box's shape, and the pictures of one room must tell its states apart.

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "view/PictureTables.h"

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
  ASSERT_EQ(names.size(), 176u);
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

TEST(PictureFiles, AllPicturesShareOneSizeAndOneFixedPalette) {
  ASSERT_FALSE(Pictures().empty());
  const GifPicture& first = Pictures().begin()->second;
  for (const auto& [name, picture] : Pictures()) {
    EXPECT_EQ(picture.width, first.width) << name;
    EXPECT_EQ(picture.height, first.height) << name;
    EXPECT_EQ(picture.palette, first.palette) << name;
    // Even the darkened bedroom keeps its lamp, bed and doorway apart in about ten shades.
    std::set<std::uint8_t> used(picture.pixels.begin(), picture.pixels.end());
    EXPECT_GE(used.size(), 8u) << name << " is nearly a flat fill";
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

// A state change must be seen at a glance: not a few pixels but a visible part of the picture.
TEST(PictureFiles, EachRoomsPicturesTellItsStatesApart) {
  constexpr double kVisibleShare = 0.005;
  int roomsWithStates = 0;
  for (int room = 1; room <= 134; ++room) {
    const std::vector<std::string> names = RoomPictureNames(room);
    if (names.size() > 1) ++roomsWithStates;
    for (std::size_t first = 0; first < names.size(); ++first) {
      for (std::size_t second = first + 1; second < names.size(); ++second) {
        const auto one = Pictures().find(names[first]);
        const auto other = Pictures().find(names[second]);
        if (one == Pictures().end() || other == Pictures().end()) continue;  // reported above
        EXPECT_GE(DifferingShare(one->second, other->second), kVisibleShare)
            << "room " << room << ": " << names[first] << " and " << names[second] << " look alike";
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

// A GIF beside the game that no table names is a picture painted under a misspelt name.
TEST(PictureFiles, EveryGifBesideTheGameIsNamedByTheGame) {
  std::set<std::string> named;
  for (const std::string& name : AllPictureNames()) named.insert(name.substr(1));
  for (const auto& entry : fs::directory_iterator(PictureFolder())) {
    if (entry.path().extension() != ".gif") continue;
    EXPECT_EQ(named.count(entry.path().filename().string()), 1u) << "no table names " << entry.path().filename();
  }
}

TEST(PictureFiles, TheApplicationIconIsASquarePng) {
  const std::string bytes = ReadBytes(PictureFolder() / "brackenhollow.png");
  ASSERT_GE(bytes.size(), 24u) << "brackenhollow.png is missing beside the game";
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  // The IHDR chunk opens the file: width and height as big-endian 32-bit numbers at bytes 16 and 20.
  const auto readNumber = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t index = at; index < at + 4; ++index) value = (value << 8) | static_cast<unsigned char>(bytes[index]);
    return value;
  };
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(readNumber(16), readNumber(20));
  EXPECT_GE(readNumber(16), 48u);
}

}  // namespace
}  // namespace brackenhollow
