// A room's state pictures are continued from one painted start: continuing must give the very pixels of a
// whole painting, and pictures must share a start only as far as they are painted alike.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <map>
#include <string>
#include <vector>

#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::Picture;

// The pictures of a scene text, by file name.
std::map<std::string, Picture> PicturesOf(const std::string& text) {
  art::SceneBook book;
  std::string error;
  std::vector<Picture> pictures;
  EXPECT_TRUE(book.AddText(text, "test.txt", error)) << error;
  EXPECT_TRUE(book.Pictures(pictures, error)) << error;
  std::map<std::string, Picture> byName;
  for (Picture& picture : pictures) byName.emplace(picture.fileName, std::move(picture));
  return byName;
}

// A lit room whose states share the room, a lamp's pool of light and a standing thing's shadow, then differ.
constexpr const char* kLitRoom = R"(
scene west
  room wall=wallpaper side=wall-shade floor=floor-wood ceiling=wall-warm
  nightstand x=330 y=330 scale=1.3
  lamp x=330 y=231 scale=1.3 lit=yes reach=170 object=lamp

picture "dark.gif" rooms=2
  light from=right
  use west
  darkness amount=0.6

picture "letter.gif" rooms=2
  light from=right
  use west
  letter x=478 y=384 turn=-8 scale=1.2 object=letter
  bed x=600 y=372 scale=1.25 way=E
  darkness amount=0.6

picture "elsewhere.gif" rooms=3
  light from=right
  use west
  darkness amount=0.6

picture "other light.gif" rooms=2
  use west
  darkness amount=0.6
  light from=left

picture "lamp off.gif" rooms=2
  light from=right
  room wall=wallpaper side=wall-shade floor=floor-wood ceiling=wall-warm
  nightstand x=330 y=330 scale=1.3
  lamp x=330 y=231 scale=1.3 object=lamp
  darkness amount=0.6
)";

TEST(PaintingSharedStart, ContinuingFromAnotherStatesStartGivesThePixelsOfAWholePainting) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const auto pictures = PicturesOf(kLitRoom);
  const Picture& dark = pictures.at("dark.gif");
  const Picture& letter = pictures.at("letter.gif");
  const std::size_t shared = art::SharedStart(dark, letter);
  ASSERT_EQ(shared, 4u) << "the light line and the room's three layers";
  for (const int resolution : {1, 2}) {
    // The start is painted from one state and continued by the other: the lamp's light pool, the camera and
    // the shadow the bed casts must all come out as when the other is painted whole.
    const art::PaintedStart start = art::PaintStart(dark, registry, resolution, shared);
    EXPECT_EQ(art::PaintPicture(letter, registry, resolution, start), art::PaintPicture(letter, registry, resolution))
        << "at " << resolution << "x";
    EXPECT_EQ(art::PaintPicture(dark, registry, resolution, start), art::PaintPicture(dark, registry, resolution))
        << "at " << resolution << "x";
  }
}

TEST(PaintingSharedStart, PicturesPaintedUnderAnotherSeedLightOrSkyOrWithAChangedLayerShareNoMoreThanTheyPaintAlike) {
  const auto pictures = PicturesOf(kLitRoom);
  const Picture& dark = pictures.at("dark.gif");
  EXPECT_EQ(art::SharedStart(dark, pictures.at("elsewhere.gif")), 0u) << "another room grows from another seed";
  EXPECT_EQ(art::SharedStart(dark, pictures.at("other light.gif")), 0u)
      << "a light line after the shared layers still turns all of them";
  EXPECT_EQ(art::SharedStart(dark, pictures.at("lamp off.gif")), 3u) << "the lamp's parameters differ";
  EXPECT_EQ(art::SharedStart(dark, dark), dark.layers.size());

  const auto outdoors = PicturesOf(R"(
picture "meadow.gif" rooms=2
  light from=right
  sky horizon=200
  ground top=200

picture "field.gif" rooms=2
  light from=right
  sky horizon=200
  ground top=220

item "letter"
  letter x=298 y=204 scale=1.6 turn=-8
)");
  const Picture& meadow = outdoors.at("meadow.gif");
  EXPECT_EQ(art::SharedStart(dark, meadow), 0u) << "a sky makes a picture outdoors";
  EXPECT_EQ(art::SharedStart(meadow, outdoors.at("field.gif")), 2u) << "the ground's top differs";
  EXPECT_EQ(art::SharedStart(outdoors.at("item letter.gif"), outdoors.at("item letter.gif")), 0u)
      << "an item's icon is painted on its own";
}

}  // namespace
}  // namespace brackenhollow
