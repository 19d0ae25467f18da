// Leaving a room by its picture: a way out the painter did not mark is placed at the picture's edge
// by the way the room's view faces, and must be reachable with a click there without taking a click
// from any drawn thing.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>
#include <string>
#include <vector>

#include "movement/RoomExits.h"
#include "view/EdgeWays.h"
#include "view/HotspotMap.h"
#include "world/RoomRecord.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 596;
constexpr int kHeight = 408;

Hotspot Rectangle(const std::string& object, char way, int x, int y, int width, int height, HotspotPoint point) {
  Hotspot hotspot;
  hotspot.object = object;
  hotspot.way = way;
  hotspot.box = {x, y, width, height};
  hotspot.point = point;
  hotspot.outline = {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}};
  return hotspot;
}

HotspotMap MapOf(std::vector<Hotspot> hotspots) {
  HotspotMap map;
  map.picture = "room.gif";
  map.width = kWidth;
  map.height = kHeight;
  map.hotspots = std::move(hotspots);
  return map;
}

// The hotspots of way direction among hotspots.
std::vector<Hotspot> WaysTo(const std::vector<Hotspot>& hotspots, char direction) {
  std::vector<Hotspot> found;
  for (const Hotspot& hotspot : hotspots) {
    if (hotspot.way == direction) found.push_back(hotspot);
  }
  return found;
}

// What a click at the middle of pixel point chooses: the thing's name, "way D", or "" for nothing.
std::string ClickedAt(const std::vector<Hotspot>& hotspots, HotspotPoint point) {
  const int index = HitTest(hotspots, point.x + 0.5, point.y + 0.5);
  if (index < 0) return "";
  const Hotspot& hotspot = hotspots[static_cast<std::size_t>(index)];
  return hotspot.IsWay() ? std::string("way ") + hotspot.way : hotspot.object;
}

std::string Letters(unsigned ways) {
  std::string letters;
  if ((ways & kNorth) != 0) letters += 'N';
  if ((ways & kSouth) != 0) letters += 'S';
  if ((ways & kEast) != 0) letters += 'E';
  if ((ways & kWest) != 0) letters += 'W';
  return letters;
}

TEST(EdgeWays, TheSidesOfAViewKeepTheirHandednessWhicheverWayItFaces) {
  // Looking south, east lies on the left hand: the bedroom seen from the bed has its mirror (east) left.
  EXPECT_EQ(SideOf(Facing::South, 'E'), ViewSide::Left);
  EXPECT_EQ(SideOf(Facing::South, 'W'), ViewSide::Right);
  EXPECT_EQ(SideOf(Facing::North, 'W'), ViewSide::Left);
  EXPECT_EQ(SideOf(Facing::East, 'N'), ViewSide::Left);
  EXPECT_EQ(SideOf(Facing::West, 'N'), ViewSide::Right);
  for (const Facing facing : {Facing::North, Facing::South, Facing::East, Facing::West}) {
    std::vector<ViewSide> sides;
    for (const char direction : std::string("NSEW")) sides.push_back(SideOf(facing, direction));
    // Each direction on a side of its own.
    for (const ViewSide side : {ViewSide::Ahead, ViewSide::Behind, ViewSide::Left, ViewSide::Right}) {
      EXPECT_EQ(std::count(sides.begin(), sides.end(), side), 1);
    }
  }
}

TEST(EdgeWays, UnmarkedWaysLieAlongTheEdgesTheyFaceAndMarkedOnesKeepTheirDrawing) {
  const Hotspot door = Rectangle("", 'N', 250, 150, 90, 150, {295, 225});
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({door}), Facing::East, "NSEW");
  // Looking east: north on the left, south on the right, west behind, east ahead.
  ASSERT_EQ(WaysTo(hotspots, 'N').size(), 1U);
  EXPECT_EQ(WaysTo(hotspots, 'N')[0].box, door.box) << "a drawn way gets no second hotspot";
  const HotspotBox behind = WaysTo(hotspots, 'W').at(0).box;
  EXPECT_EQ(behind.y + behind.height, kHeight);
  EXPECT_EQ(behind.width, kWidth);
  const HotspotBox right = WaysTo(hotspots, 'S').at(0).box;
  EXPECT_EQ(right.x + right.width, kWidth);
  EXPECT_LE(right.y + right.height, behind.y) << "the side strips stop at the bottom strip";
  const HotspotBox ahead = WaysTo(hotspots, 'E').at(0).box;
  EXPECT_LT(ahead.y + ahead.height, kHeight / 2 + kAheadHeight / 2);
  EXPECT_EQ(ahead.x + ahead.width / 2, kWidth / 2);
  for (const char direction : std::string("SEW")) {
    const Hotspot& edge = WaysTo(hotspots, direction)[0];
    EXPECT_EQ(ClickedAt(hotspots, edge.point), std::string("way ") + direction);
  }
  EXPECT_TRUE(WithEdgeWays(MapOf({}), Facing::North, "").empty());
  HotspotMap noMap;
  EXPECT_TRUE(WithEdgeWays(noMap, Facing::North, "NSEW").empty()) << "a picture without a map has no size";
}

TEST(EdgeWays, ADrawnThingOverAnEdgeWinsAndItsClickPointIsCutOutOfTheStrip) {
  // A rug lying across the bottom edge, chosen at a point inside the strip.
  const Hotspot rug = Rectangle("rug", 0, 200, 340, 200, 68, {300, 390});
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({rug}), Facing::North, "S");
  const std::vector<Hotspot> behind = WaysTo(hotspots, 'S');
  ASSERT_EQ(behind.size(), 2U) << "the strip goes round the rug's point on both sides";
  for (const Hotspot& part : behind) {
    EXPECT_FALSE(part.box.x <= 300 + kClickPointClearance && 300 - kClickPointClearance < part.box.x + part.box.width);
    EXPECT_EQ(ClickedAt(hotspots, part.point), "way S");
  }
  EXPECT_EQ(ClickedAt(hotspots, rug.point), "rug");
  EXPECT_EQ(ClickedAt(hotspots, {210, 400}), "rug") << "where the rug lies over the strip, the rug is chosen";
}

TEST(EdgeWays, ABackdropFillingMuchOfThePictureLiesBehindTheEdgeButKeepsItsPoint) {
  // Water filling the picture, as when wading; a toy floating in it near the bottom.
  const Hotspot water = Rectangle("water", 0, 0, 0, kWidth, kHeight, {298, 200});
  const Hotspot toy = Rectangle("toy", 0, 100, 375, 30, 30, {115, 390});
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({water, toy}), Facing::East, "W");
  const std::vector<Hotspot> behind = WaysTo(hotspots, 'W');
  ASSERT_FALSE(behind.empty());
  for (const Hotspot& part : behind) EXPECT_EQ(ClickedAt(hotspots, part.point), "way W");
  EXPECT_EQ(ClickedAt(hotspots, water.point), "water");
  EXPECT_EQ(ClickedAt(hotspots, toy.point), "toy") << "a thing in front of the backdrop stays in front of the edge";
  EXPECT_EQ(ClickedAt(hotspots, {50, 400}), "way W");
}

TEST(EdgeWays, AWayWhoseRegionIsCoveredByAThingIsStillReachedBesideIt) {
  // A closed door filling most of the middle of a close-up, as the mansion's door does.
  const Hotspot door = Rectangle("door", 0, 230, 60, 136, 280, {298, 150});
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({door}), Facing::West, "W");
  const std::vector<Hotspot> ahead = WaysTo(hotspots, 'W');
  ASSERT_FALSE(ahead.empty());
  for (const Hotspot& part : ahead) EXPECT_EQ(ClickedAt(hotspots, part.point), "way W");
  EXPECT_EQ(ClickedAt(hotspots, {250, 120}), "door") << "the door in front is not swallowed";
}

// The folder of the test program, where the build puts the painted pictures and their maps.
std::string ProgramDirectory() {
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path().string() + "/";
}

TEST(EdgeWays, EveryWayEachRoomOffersIsReachedInEachOfItsPicturesAndNoDrawnThingLosesItsPoint) {
  if (!fs::exists(ProgramDirectory() + "bedroom1.hotspots.json")) {
    GTEST_SKIP() << "the pictures' hotspot maps are not painted in this build";
  }
  int edgeWays = 0;
  for (const RoomRecord& record : RoomRecords()) {
    const std::string ways = Letters(WaysOut(record.room));
    for (const PictureCase& shown : record.Pictures()) {
      const std::string picture(shown.picture.substr(1));
      const std::string where = picture + " (room " + std::to_string(record.room) + ")";
      const HotspotMap map = LoadHotspotMap(ProgramDirectory() + picture);
      ASSERT_GT(map.width, 0) << "no map for " << where;
      // Every drawn thing counted, as in the room's fullest state.
      const std::vector<Hotspot> hotspots = WithEdgeWays(map, record.facing, ways);
      for (const char direction : ways) {
        const std::vector<Hotspot> found = WaysTo(hotspots, direction);
        ASSERT_FALSE(found.empty()) << "no way " << direction << " in " << where;
        for (const Hotspot& part : found) {
          EXPECT_EQ(ClickedAt(hotspots, part.point), std::string("way ") + direction)
              << "a click on way " << direction << " in " << where;
          EXPECT_GE(std::min(part.box.width, part.box.height), kSmallestRegionSide) << where;
        }
      }
      for (const Hotspot& drawn : map.hotspots) {
        const std::string name = drawn.IsWay() ? std::string("way ") + drawn.way : drawn.object;
        EXPECT_EQ(ClickedAt(hotspots, drawn.point), ClickedAt(map.hotspots, drawn.point))
            << "an edge way takes the click point of " << name << " in " << where;
        for (const Hotspot& edge : hotspots) {
          if (!edge.IsWay() || !WaysTo(map.hotspots, edge.way).empty()) continue;
          const HotspotBox& box = edge.box;
          EXPECT_FALSE(drawn.point.x >= box.x && drawn.point.x < box.x + box.width && drawn.point.y >= box.y &&
                       drawn.point.y < box.y + box.height)
              << "the edge way " << edge.way << " covers the click point of " << name << " in " << where;
        }
      }
      edgeWays += static_cast<int>(hotspots.size() - map.hotspots.size());
    }
  }
  EXPECT_GT(edgeWays, 200) << "most ways were never drawn";
}

// Whether a drawn way lies where the room's view cannot show it: one to the left wholly in the right
// third of the picture, one to the right wholly in the left third, or the way behind wholly in the upper
// half.
bool OnTheWrongSide(const Hotspot& way, ViewSide side) {
  const HotspotBox& box = way.box;
  switch (side) {
    case ViewSide::Left:
      return box.x * 3 >= kWidth * 2;
    case ViewSide::Right:
      return (box.x + box.width) * 3 <= kWidth;
    case ViewSide::Behind:
      return (box.y + box.height) * 2 <= kHeight;
    case ViewSide::Ahead:
      return false;
  }
  return false;
}

TEST(EdgeWays, EveryRoomsViewAgreesWithTheWaysItsPicturesDraw) {
  if (!fs::exists(ProgramDirectory() + "bedroom1.hotspots.json")) {
    GTEST_SKIP() << "the pictures' hotspot maps are not painted in this build";
  }
  // Pictures that draw a way on the wrong hand, mirrored against their room's text, until repainted:
  // the tollbooth's barbed wire west and the haystack field's mansion west (both looking south), and
  // the weight room's punching bag west (looking south at the weights).
  const std::set<std::pair<int, char>> mirrored = {{15, 'W'}, {54, 'W'}, {100, 'W'}};
  std::set<std::pair<int, char>> found;
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& shown : record.Pictures()) {
      const std::string picture(shown.picture.substr(1));
      for (const Hotspot& hotspot : LoadHotspotMap(ProgramDirectory() + picture).hotspots) {
        if (!hotspot.IsWay() || !OnTheWrongSide(hotspot, SideOf(record.facing, hotspot.way))) continue;
        found.insert({record.room, hotspot.way});
        EXPECT_TRUE(mirrored.count({record.room, hotspot.way}) != 0)
            << "way " << hotspot.way << " of " << picture << " (room " << record.room
            << ") is drawn on the other side of the view its record gives";
      }
    }
  }
  for (const auto& [room, way] : mirrored) {
    EXPECT_TRUE(found.count({room, way}) != 0) << "room " << room << " way " << way << " is no longer mirrored";
  }
}


TEST(EdgeWays, TheSideStripsStopAtTheBottomStripSoItsCornersLeadBehind) {
  // Looking north with nothing drawn: west on the left, east on the right, south behind.
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({}), Facing::North, "SEW");
  const HotspotBox behind = WaysTo(hotspots, 'S').at(0).box;
  for (const char side : std::string("EW")) {
    const HotspotBox strip = WaysTo(hotspots, side).at(0).box;
    EXPECT_LE(strip.y + strip.height, behind.y) << "the strip of way " << side << " reaches into the bottom strip";
  }
  EXPECT_EQ(ClickedAt(hotspots, {5, kHeight - 5}), "way S") << "the bottom left corner";
  EXPECT_EQ(ClickedAt(hotspots, {kWidth - 5, kHeight - 5}), "way S") << "the bottom right corner";
  EXPECT_EQ(ClickedAt(hotspots, {5, kHeight - kBehindStripHeight - 1}), "way W");
  EXPECT_EQ(ClickedAt(hotspots, {kWidth - 5, kHeight - kBehindStripHeight - 1}), "way E");
}

TEST(EdgeWays, ABackdropOverPartOfAStripLiesBehindAllOfIt) {
  // Corn filling the upper part of a field, down into the side strip; the rest of the strip is free.
  const Hotspot corn = Rectangle("corn", 0, 0, 0, kWidth, 260, {298, 130});
  const std::vector<Hotspot> hotspots = WithEdgeWays(MapOf({corn}), Facing::North, "W");
  ASSERT_FALSE(WaysTo(hotspots, 'W').empty());
  EXPECT_EQ(ClickedAt(hotspots, {20, 100}), "way W") << "the strip over the corn leads west too";
  EXPECT_EQ(ClickedAt(hotspots, {20, 300}), "way W");
  EXPECT_EQ(ClickedAt(hotspots, corn.point), "corn");
}

TEST(EdgeWays, AWayOnlyTheMapDrawsIsNeverOfferedInThePicture) {
  // The island is reached by ship and never left on foot; the corn and the bathroom's wall hide a way
  // the map shows.
  EXPECT_EQ(WaysOut(room::kIsland), kNoDirection);
  EXPECT_EQ(Letters(WaysOut(room::kCornfield23)), "NSW");
  EXPECT_EQ(Letters(WaysOut(room::kBathroom)), "NE");
  EXPECT_EQ(WaysOut(0), kNoDirection);
}

// Whether a drawn way stands in the middle of its picture, as a door or a path straight ahead does:
// centred in the middle fifth, clear of the top edge (a way down from above) and of the bottom strip.
bool InTheMiddle(const Hotspot& way) {
  const HotspotBox& box = way.box;
  const int twiceCentre = box.x * 2 + box.width;
  return twiceCentre * 5 >= kWidth * 4 && twiceCentre * 5 <= kWidth * 6 && box.y > 0 &&
         box.y + box.height <= kHeight - kBehindStripHeight;
}

TEST(EdgeWays, EveryRoomLooksTowardTheWayItsPicturesDrawInTheMiddle) {
  if (!fs::exists(ProgramDirectory() + "bedroom1.hotspots.json")) {
    GTEST_SKIP() << "the pictures' hotspot maps are not painted in this build";
  }
  int checked = 0;
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& shown : record.Pictures()) {
      const std::string picture(shown.picture.substr(1));
      for (const Hotspot& hotspot : LoadHotspotMap(ProgramDirectory() + picture).hotspots) {
        if (!hotspot.IsWay() || !InTheMiddle(hotspot)) continue;
        ++checked;
        EXPECT_EQ(SideOf(record.facing, hotspot.way), ViewSide::Ahead)
            << "way " << hotspot.way << " is drawn straight ahead in " << picture << " (room " << record.room
            << "), but the room's view does not look that way";
      }
    }
  }
  EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace brackenhollow
