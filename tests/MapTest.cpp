// The map's rules: every way of a room the player can reach leads back the way it came, only the
// cornfield's dead ends are out of reach, and a way that waits for a puzzle opens with that puzzle's key.

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "actions/PuzzleRow.h"
#include "movement/RoomExits.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "world/RoomRecord.h"
#include "world/StateReadings.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

struct Way {
  const char* text;
  const char* word;
  unsigned bit;
  Exit RoomExits::*exit;
  const char* back;
};
constexpr Way kWays[] = {{"N", "north", kNorth, &RoomExits::north, "S"},
                         {"S", "south", kSouth, &RoomExits::south, "N"},
                         {"E", "east", kEast, &RoomExits::east, "W"},
                         {"W", "west", kWest, &RoomExits::west, "E"}};

// True when some state of the world offers the way.
bool EverOffered(const Exit& exit) { return exit.to != 0 && exit.opening != Opening::MapOnly; }

std::set<int> ReachableFromTheBedroom() {
  std::set<int> reached = {kFirstRoom};
  std::queue<int> waiting;
  waiting.push(kFirstRoom);
  while (!waiting.empty()) {
    const RoomExits& row = FindRoomRecord(waiting.front())->exits;
    waiting.pop();
    for (const Way& way : kWays) {
      const Exit& exit = row.*way.exit;
      if (EverOffered(exit) && reached.insert(exit.to).second) waiting.push(exit.to);
    }
  }
  return reached;
}

TEST(Map, HasOneRecordPerRoomInRoomOrder) {
  ASSERT_EQ(RoomRecords().size(), static_cast<std::size_t>(kRoomCount));
  for (int room = 1; room <= kRoomCount; ++room) {
    ASSERT_NE(FindRoomRecord(room), nullptr) << "room " << room;
    EXPECT_EQ(FindRoomRecord(room)->room, room);
  }
  EXPECT_EQ(FindRoomRecord(0), nullptr);
  EXPECT_EQ(FindRoomRecord(kRoomCount + 1), nullptr);
}

// A mistyped target (a farm exit swapped, the punching bag leading to the wrong room) breaks the way back.
TEST(Map, EveryWayOfAReachableRoomLeadsBack) {
  for (int room : ReachableFromTheBedroom()) {
    for (const Way& way : kWays) {
      const Exit& exit = FindRoomRecord(room)->exits.*way.exit;
      if (!EverOffered(exit)) continue;
      EXPECT_EQ(NextRoom(exit.to, way.back), room) << "room " << room << " " << way.text << " -> " << exit.to;
    }
  }
}

TEST(Map, OnlyTheCornfieldDeadEndsAreOutOfReach) {
  const std::set<int> reached = ReachableFromTheBedroom();
  std::set<int> unreached;
  for (int room = 1; room <= kRoomCount; ++room) {
    if (reached.count(room) == 0) unreached.insert(room);
  }
  EXPECT_EQ(unreached, (std::set<int>{room::kCornfield21, room::kCornfield22, room::kCornfield29, room::kCornfield30,
                                      room::kCornfield33, room::kCornfield38, room::kCornfield39, room::kCornfield41,
                                      room::kCornfield42, room::kCornfield43, room::kCornfield45}));
}

TEST(Map, MapOnlyWaysAreFollowedButNeverOffered) {
  EXPECT_EQ(NextRoom(room::kIsland, "N"), room::kEastWestTunnel);
  EXPECT_EQ(NextRoom(room::kBathroom, "W"), room::kFrontOfFaucet);
  EXPECT_EQ(FindRoomRecord(room::kIsland)->exits.north.opening, Opening::MapOnly);
  EXPECT_EQ(FindRoomRecord(room::kBathroom)->exits.west.opening, Opening::MapOnly);
}

TEST(Map, NoWayMeansStayingAndOddInputChangesNothing) {
  EXPECT_EQ(NextRoom(room::kBedroom, "E"), room::kEastSideOfBedroom);
  EXPECT_EQ(NextRoom(room::kBedroom, "N"), room::kBedroom);
  EXPECT_EQ(NextRoom(room::kBedroom, ""), room::kBedroom);
  EXPECT_EQ(NextRoom(room::kBedroom, "e"), room::kBedroom);
  EXPECT_EQ(NextRoom(0, "E"), 0);
  EXPECT_EQ(NextRoom(kRoomCount + 1, "N"), kRoomCount + 1);
}

// Every key a way waits for is one a puzzle sets, and at least one of its keys belongs to a puzzle solved
// in that room or one that rewrites the room's text, so the player is told why the way opened (picking
// up the dumbbell rewrites the icy lake's text).
TEST(Map, EveryWayWaitsForAPuzzleThatConcernsItsRoom) {
  std::map<std::string, std::set<int>> roomsOf = {{key::kHaveWeight, {room::kEdgeOfIcyLake}}};
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect& key : row.effects) {
      if (key.kind != EffectKind::SetKey) continue;
      std::set<int>& rooms = roomsOf[key.text];
      if (row.room != 0) rooms.insert(row.room);
      for (const Effect& effect : row.effects) {
        if (effect.kind == EffectKind::SetDescription) rooms.insert(effect.room);
      }
    }
  }
  for (const RoomRecord& row : RoomRecords()) {
    for (const Way& way : kWays) {
      const Exit& exit = row.exits.*way.exit;
      if (exit.tests.Empty()) continue;
      bool concernsTheRoom = false;
      for (const StateTest& test : exit.tests.All()) {
        EXPECT_EQ(test.kind, StateTest::Kind::Status) << "room " << row.room << " " << way.text;
        const auto found = roomsOf.find(std::string(test.name));
        ASSERT_NE(found, roomsOf.end()) << "room " << row.room << " " << way.text << " waits for " << test.name;
        concernsTheRoom = concernsTheRoom || found->second.count(row.room) > 0;
      }
      EXPECT_TRUE(concernsTheRoom) << "room " << row.room << " " << way.text;
    }
  }
}

class OpenWaysTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  unsigned Open(int room) {
    StateReadings readings(state);
    return OpenDirections(room, readings);
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
};

// A way that waits for a puzzle is closed in the starting world and opens once the puzzle is solved;
// the tunnel's ways close when the ship sails.
TEST_F(OpenWaysTest, WaysOpenAndCloseWithTheirPuzzles) {
  for (const RoomRecord& row : RoomRecords()) {
    for (const Way& way : kWays) {
      const Exit& exit = row.exits.*way.exit;
      if (exit.to == 0) continue;
      const bool openAtStart = exit.opening == Opening::Always || exit.opening == Opening::Unless;
      EXPECT_EQ((Open(row.room) & way.bit) != 0, openAtStart) << "room " << row.room << " " << way.text;
    }
  }
  for (const char* key : kAllKeys) state.SetActionStatus(key, "1");
  for (const RoomRecord& row : RoomRecords()) {
    for (const Way& way : kWays) {
      const Exit& exit = row.exits.*way.exit;
      if (exit.to == 0) continue;
      const bool openWhenSolved = exit.opening == Opening::Always || exit.opening == Opening::When;
      EXPECT_EQ((Open(row.room) & way.bit) != 0, openWhenSolved) << "room " << row.room << " " << way.text;
    }
  }
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_EQ(Open(0), kNoDirection);
  EXPECT_EQ(Open(kRoomCount + 1), kNoDirection);
}

// The ship sails only once the lever is pulled with both altars glowing: with one of them dark the
// tunnel keeps its ways to the ship's rooms and none to the island.
TEST_F(OpenWaysTest, TheShipSailsOnlyWithTheLeverPulledAndBothAltarsGlowing) {
  state.SetActionStatus(key::kPullLeverInTunnel, "1");
  for (const std::string_view altar : {key::kUseRedRuby, key::kUseGreenEmerald}) {
    state.SetActionStatus(key::kUseRedRuby, "0");
    state.SetActionStatus(key::kUseGreenEmerald, "0");
    state.SetActionStatus(std::string(altar), "1");
    EXPECT_EQ(Open(room::kEastWestTunnel), kEast | kWest) << altar;
  }
  state.SetActionStatus(key::kUseRedRuby, "1");
  EXPECT_EQ(Open(room::kEastWestTunnel), kSouth);
}

// A way the starting text calls locked or blocked is closed until its puzzle is solved.
TEST_F(OpenWaysTest, WaysTheStartingTextCallsLockedOrBlockedAreClosed) {
  const std::regex shut("lock|block");
  std::size_t checked = 0;
  for (int room = 1; room <= kRoomCount; ++room) {
    const unsigned open = Open(room);
    std::string text;
    {
      GameRecordset query(database);
      ASSERT_TRUE(query.Open("SELECT Description FROM Descriptions WHERE Roomnumber = " + std::to_string(room),
                             kCursorForwardOnly, kLockReadOnly));
      query.MoveFirst();
      text = query.GetFieldText(0);
    }
    std::istringstream sentences(text);
    for (std::string sentence; std::getline(sentences, sentence, '.');) {
      if (!std::regex_search(sentence, shut)) continue;
      for (const Way& way : kWays) {
        if (sentence.find(way.word) == std::string::npos) continue;
        EXPECT_EQ(open & way.bit, 0u) << "room " << room << " " << way.text << ": " << sentence;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 5u);
}

}  // namespace
}  // namespace brackenhollow
