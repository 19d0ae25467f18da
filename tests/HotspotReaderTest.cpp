// The hotspot map reader and the hit test: a sound map is read whole, any malformed part refuses the
// whole map (it is input from a file, never trusted), and a click finds the frontmost thing drawn
// under it, by its outline rather than its box.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/TestSupport.h"
#include "view/HotspotMap.h"

namespace brackenhollow {
namespace {

// A lamp (an L-shaped outline) with a letter lying in front of it, and a way north.
constexpr char kSoundMap[] = R"({
  "picture": "room.gif", "width": 596, "height": 408,
  "description": "A lamp with a letter in front of it.",
  "hotspots": [
    { "object": "lamp", "box": [100, 100, 100, 100], "point": [120, 180],
      "outline": [[100, 100], [140, 100], [140, 160], [200, 160], [200, 200], [100, 200]] },
    { "object": "letter", "box": [110, 150, 40, 30], "point": [130, 165],
      "outline": [[110, 150], [150, 150], [150, 180], [110, 180]] },
    { "way": "N", "box": [300, 0, 60, 100], "point": [330, 50],
      "outline": [[300, 0], [360, 0], [360, 100], [300, 100]] }
  ]
})";

// The sound map with one part replaced.
std::string Broken(const std::string& part, const std::string& replacement) {
  std::string json = kSoundMap;
  const std::size_t at = json.find(part);
  EXPECT_NE(at, std::string::npos) << part;
  return json.replace(at, part.size(), replacement);
}

TEST(HotspotReaderTest, ASoundMapIsReadWholeInItsOrder) {
  HotspotMap map;
  std::string error;
  ASSERT_TRUE(ParseHotspotMap(kSoundMap, map, error)) << error;
  EXPECT_EQ(map.picture, "room.gif");
  EXPECT_EQ(map.width, 596);
  EXPECT_EQ(map.height, 408);
  EXPECT_EQ(map.description, "A lamp with a letter in front of it.");
  ASSERT_EQ(map.hotspots.size(), 3U);
  EXPECT_EQ(map.hotspots[0].object, "lamp");
  EXPECT_FALSE(map.hotspots[0].IsWay());
  EXPECT_EQ(map.hotspots[0].box, (HotspotBox{100, 100, 100, 100}));
  EXPECT_EQ(map.hotspots[0].point, (HotspotPoint{120, 180}));
  EXPECT_EQ(map.hotspots[0].outline.size(), 6U);
  EXPECT_EQ(map.hotspots[2].way, 'N');
  EXPECT_TRUE(map.hotspots[2].object.empty());
}

TEST(HotspotReaderTest, AnyMalformedPartRefusesTheWholeMapWithAReason) {
  const std::vector<std::pair<std::string, std::string>> faults = {
      {"not JSON", "{ \"picture\": "},
      {"not an object", "[1, 2, 3]"},
      {"no picture", Broken(R"("picture": "room.gif",)", "")},
      {"width a text", Broken(R"("width": 596)", R"("width": "596")")},
      {"width a fraction", Broken(R"("width": 596)", R"("width": 596.5)")},
      {"height zero", Broken(R"("height": 408)", R"("height": 0)")},
      {"huge picture", Broken(R"("height": 408)", R"("height": 4000000000)")},
      {"description a number", Broken(R"("description": "A lamp with a letter in front of it.")", R"("description": 7)")},
      {"hotspots a number", Broken(R"("hotspots": [)", R"("hotspots": 5, "other": [)")},
      {"both object and way", Broken(R"({ "way": "N",)", R"({ "way": "N", "object": "door",)")},
      {"neither object nor way", Broken(R"({ "way": "N",)", "{")},
      {"empty name", Broken(R"("object": "letter")", R"("object": "")")},
      {"unknown direction", Broken(R"("way": "N")", R"("way": "NE")")},
      {"direction in lower case", Broken(R"("way": "N")", R"("way": "n")")},
      {"box outside the picture", Broken("[300, 0, 60, 100]", "[560, 0, 60, 100]")},
      {"box of no width", Broken("[300, 0, 60, 100]", "[300, 0, 0, 100]")},
      {"negative box", Broken("[300, 0, 60, 100]", "[-1, 0, 60, 100]")},
      {"box of three numbers", Broken("[300, 0, 60, 100]", "[300, 0, 60]")},
      {"point outside its box", Broken("[330, 50]", "[10, 50]")},
      {"point of one number", Broken("[330, 50]", "[330]")},
      {"outline point outside the picture", Broken("[360, 100], [300, 100]]", "[360, 100], [300, 900]]")},
      {"outline of two points", Broken("[[300, 0], [360, 0], [360, 100], [300, 100]]", "[[300, 0], [360, 0]]")},
      {"outline missing", Broken(R"(,
      "outline": [[300, 0], [360, 0], [360, 100], [300, 100]])", "")},
      {"hotspot not an object", Broken(R"({ "way": "N",)", R"(7, { "way": "N",)")},
  };
  for (const auto& [fault, json] : faults) {
    HotspotMap map;
    map.hotspots.resize(1);
    std::string error;
    EXPECT_FALSE(ParseHotspotMap(json, map, error)) << fault;
    EXPECT_FALSE(error.empty()) << fault;
    EXPECT_TRUE(map.hotspots.empty()) << fault << ": a refused map leaves nothing half-read";
  }
}

TEST(HotspotReaderTest, TooManyHotspotsOrOutlinePointsAreRefused) {
  std::string points = "[[0, 0]";
  for (int index = 1; index < 1000; ++index) points += ", [" + std::to_string(index % 500) + ", 5]";
  points += "]";
  HotspotMap map;
  std::string error;
  EXPECT_FALSE(ParseHotspotMap(Broken("[[300, 0], [360, 0], [360, 100], [300, 100]]", points), map, error));
  EXPECT_NE(error.find("too many points"), std::string::npos) << error;

  std::string many = R"({"picture": "a.gif", "width": 10, "height": 10, "description": "", "hotspots": [)";
  for (int index = 0; index < 5000; ++index) {
    many += std::string(index > 0 ? "," : "") +
            R"({"way": "N", "box": [0, 0, 5, 5], "point": [1, 1], "outline": [[0, 0], [5, 0], [5, 5]]})";
  }
  many += "]}";
  EXPECT_FALSE(ParseHotspotMap(many, map, error));
  EXPECT_NE(error.find("too many hotspots"), std::string::npos) << error;
}

TEST(HotspotReaderTest, TheFrontmostOutlineUnderThePointWinsAndTheBoxAloneIsNotEnough) {
  HotspotMap map;
  std::string error;
  ASSERT_TRUE(ParseHotspotMap(kSoundMap, map, error)) << error;
  EXPECT_EQ(HitTest(map.hotspots, 130.5, 165.5), 1) << "the letter lies in front of the lamp";
  EXPECT_EQ(HitTest(map.hotspots, 120.5, 190.5), 0);
  EXPECT_EQ(HitTest(map.hotspots, 180.5, 120.5), -1) << "inside the lamp's box but outside its L";
  EXPECT_EQ(HitTest(map.hotspots, 330.5, 50.5), 2);
  EXPECT_EQ(HitTest(map.hotspots, 5, 5), -1);
  EXPECT_EQ(HitTest({}, 5, 5), -1);
  // Every hotspot's own point chooses it.
  for (std::size_t index = 0; index < map.hotspots.size(); ++index) {
    const HotspotPoint point = map.hotspots[index].point;
    EXPECT_EQ(HitTest(map.hotspots, point.x + 0.5, point.y + 0.5), static_cast<int>(index));
  }
}

TEST(HotspotReaderTest, TheMapLiesBesideThePictureAndAMissingOrForeignMapGivesNoHotspots) {
  EXPECT_EQ(HotspotMapPath("/p/bedroom left lit.gif"), "/p/bedroom left lit.hotspots.json");
  EXPECT_EQ(HotspotMapPath("/p.d/room"), "/p.d/room.hotspots.json");

  testing::ScratchFolder folder;
  EXPECT_TRUE(LoadHotspotMap(folder.File("room.gif")).hotspots.empty());
  std::ofstream(folder.File("room.hotspots.json")) << kSoundMap;
  EXPECT_EQ(LoadHotspotMap(folder.File("room.gif")).hotspots.size(), 3U);
  // The same map beside another picture was made for room.gif: refused.
  std::ofstream(folder.File("hall.hotspots.json")) << kSoundMap;
  EXPECT_TRUE(LoadHotspotMap(folder.File("hall.gif")).hotspots.empty());
  // A file of garbage bytes is refused, never a crash.
  std::ofstream(folder.File("junk.hotspots.json"), std::ios::binary) << std::string("\xff\xfe\x00{[", 5);
  EXPECT_TRUE(LoadHotspotMap(folder.File("junk.gif")).hotspots.empty());
}

}  // namespace
}  // namespace brackenhollow
