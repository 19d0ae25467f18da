// The woodland's painting: a room's state pictures differ only round what changed, a trail running across
// the ground keeps its breadth, a far woodland painted coarse shows the same scene at every size, the
// cave's opening carries its light, and misspelt scene words are refused.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "art/painter/HotspotMap.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::Picture;

Picture MakePicture(const std::vector<std::pair<std::string, std::map<std::string, std::string>>>& layers) {
  Picture picture;
  picture.fileName = "woods.gif";
  picture.rooms = {46};
  for (const auto& [prop, values] : layers) picture.layers.emplace_back(prop, values, "test.txt:1");
  return picture;
}

// The box round every pixel that differs between two paintings of one size; empty when none does.
QRect DifferingBox(const QImage& first, const QImage& second) {
  QRect box;
  for (int row = 0; row < first.height(); ++row)
    for (int column = 0; column < first.width(); ++column)
      if (first.pixel(column, row) != second.pixel(column, row)) box |= QRect(column, row, 1, 1);
  return box;
}

#ifdef BRACKENHOLLOW_SCENES_FOLDER

const Picture* Find(const std::vector<Picture>& pictures, const std::string& fileName) {
  for (const Picture& picture : pictures)
    if (picture.fileName == fileName) return &picture;
  return nullptr;
}

// Seeds grown from anything but the room and the layer's place (a counter, a state) would regrow the trees,
// heaps and rocks of a room between its states; only the thing that changed may differ, with its shadow.
TEST(WoodlandStates, ARoomsStatePicturesDifferOnlyRoundTheThingThatChanged) {
  testing::Application();
  art::SceneBook book;
  std::vector<Picture> pictures;
  std::string error;
  ASSERT_TRUE(book.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) && book.Pictures(pictures, error)) << error;
  const auto& registry = art::PropRegistry::Everything();
  struct Pair {
    std::string with, without, thing;
  };
  const std::vector<Pair> pairs = {
      {"junkyard with crowbar1.gif", "junkyard without crowbar1.gif", "crowbar"},
      {"snakesgone.gif", "snakesgone no nine.gif", "plastic nine"},
      {"christmas tree cut.gif", "christmas tree cut gone.gif", "cut pine tree"},
  };
  // The thing's contact shadow and the shadow it casts along the light reach past what the pointer picks.
  constexpr int kShadowMargin = 80;
  for (const Pair& pair : pairs) {
    const Picture* with = Find(pictures, pair.with);
    const Picture* without = Find(pictures, pair.without);
    ASSERT_TRUE(with != nullptr && without != nullptr) << pair.with;
    const art::HotspotMap map = art::MapHotspots(*with, registry);
    QRect thing;
    for (const art::Hotspot& hotspot : map.hotspots)
      if (hotspot.object == pair.thing) thing |= hotspot.box;
    ASSERT_FALSE(thing.isEmpty()) << pair.with << " shows no " << pair.thing;
    const QRect differing = DifferingBox(art::PaintPicture(*with, registry, 1), art::PaintPicture(*without, registry, 1));
    EXPECT_FALSE(differing.isEmpty()) << pair.with << " and " << pair.without << " must differ";
    EXPECT_TRUE(thing.adjusted(-kShadowMargin, -kShadowMargin, kShadowMargin, kShadowMargin).contains(differing))
        << pair.with << " differs from " << pair.without << " at " << differing.x() << "," << differing.y() << " "
        << differing.width() << "x" << differing.height() << ", beyond the " << pair.thing;
  }
}

#endif

// Offsetting a trail's edges only sideways flattens a trail that runs across the view into a hairline; its
// breadth must lie across the ground whichever way it runs.
TEST(WoodlandTrail, ATrailRunningAcrossTheViewKeepsItsBreadth) {
  testing::Application();
  const Picture picture = MakePicture({{"trail", {{"x", "40"}, {"y", "300"}, {"w", "100"}, {"to-x", "500"}, {"to-y", "0"},
                                                  {"to-w", "100"}, {"bend", "0"}, {"roots", "0"}}}});
  int tallest = 0;
  art::PaintLayersAlone(picture, art::PropRegistry::Everything(), 0, [&](std::size_t, const QImage& alone) {
    int painted = 0;
    for (int row = 0; row < alone.height(); ++row) painted += qAlpha(alone.pixel(290, row)) > 128 ? 1 : 0;
    tallest = painted;
  });
  // Seen across the ground a 100 wide trail is foreshortened, but still far more than a line.
  EXPECT_GT(tallest, 20);
  EXPECT_LT(tallest, 80);
}

// The far woodland is painted on a coarser canvas and laid over the picture: misplacing or misscaling that
// canvas would move the trees between the sizes of one picture.
TEST(WoodlandFar, AFarWoodlandShowsTheSameTreesAtEverySize) {
  testing::Application();
  const Picture picture = MakePicture({{"sky", {{"horizon", "200"}}},
                                       {"woodland", {{"x", "0"}, {"y", "260"}, {"h", "160"}, {"seed", "4"}}}});
  const auto& registry = art::PropRegistry::Everything();
  const QImage small = art::PaintPicture(picture, registry, 1);
  const QImage large = art::PaintPicture(picture, registry, 3).scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  double difference = 0;
  for (int row = 0; row < small.height(); ++row)
    for (int column = 0; column < small.width(); ++column)
      difference += std::abs(qGray(small.pixel(column, row)) - qGray(large.pixel(column, row)));
  EXPECT_LT(difference / (small.width() * small.height()), 6.0);
  // And the trees are there: the woodland darkens the band above its foot against the sky.
  EXPECT_LT(qGray(small.pixel(300, 230)), qGray(small.pixel(300, 40)));
}


// The cave's way out is its lit opening: turned to the other side, its daylight and the light it throws must
// turn with it, or the player sees a dark hole where the way out is and light on bare rock.
TEST(WoodlandCave, TheOpeningIsLitOnWhicheverSideItIs) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  for (const std::string side : {"left", "right"}) {
    const QImage cave = art::PaintPicture(MakePicture({{"cave-hall", {{"floor", "250"}, {"opening", side}}}}), registry, 1);
    const int openingX = side == "left" ? 110 : 596 - 110;
    const int otherX = 596 - openingX;
    EXPECT_GT(qGray(cave.pixel(openingX, 160)), qGray(cave.pixel(otherX, 160)) + 60) << "opening on the " << side;
  }
}

// A misspelt kind or side in a scene is a mistake to report with what would be right, never a silent default.
TEST(WoodlandScenes, AMisspeltKindOrSideStopsThePaintingAndSaysWhatIsAllowed) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const std::vector<std::pair<std::pair<std::string, std::map<std::string, std::string>>, std::string>> cases = {
      {{"woodland", {{"kind", "palm"}}}, "kind must be oak, beech"},
      {{"wood-tree", {{"kind", "elm"}}}, "kind must be oak, beech"},
      {{"wood-frame", {{"side", "top"}}}, "side must be left, right or both"},
      {{"wood-frame", {{"kind", "cactus"}}}, "kind must be leafy or pine"},
      {{"cave-hall", {{"opening", "up"}}}, "opening must be left or right"},
  };
  for (const auto& [layer, expected] : cases) {
    try {
      art::PaintPicture(MakePicture({layer}), registry, 1);
      ADD_FAILURE() << layer.first << " painted with a bad parameter";
    } catch (const art::SceneError& error) {
      EXPECT_NE(std::string(error.what()).find(expected), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace brackenhollow
