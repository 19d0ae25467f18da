// Picture and exit choice against a real world: every room answers in the starting state, and the
// state tests read the store in the order that decides which boxes the player sees.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "movement/RoomExits.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "view/PictureSelection.h"
#include "world/RoomRecord.h"
#include "world/StateReadings.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

class PictureSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  struct Shown {
    std::string picture;
    unsigned directions;  // DirectionBits
  };

  // The picture and the exits as the screen chooses them: with one set of readings, picture first.
  Shown Select(int room) {
    StateReadings readings(state);
    const std::optional<std::string> picture = SelectRoomPicture(room, readings);
    EXPECT_TRUE(picture.has_value()) << "room " << room;
    if (!picture) return {"<none>", 0};
    return {*picture, OpenDirections(room, readings)};
  }

  bool LiesInTheStartingWorld(int room, const std::string& name) {
    GameRecordset query(database);
    const std::string sql =
        "SELECT 1 FROM Objects WHERE Roomnumber = " + std::to_string(room) + " AND Objects = '" + name + "'";
    if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return false;
    query.MoveFirst();
    return !query.IsEOF();
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
};

TEST_F(PictureSelectionTest, EveryRoomHasAPictureInTheStartingWorldWithoutABox) {
  for (int room = 1; room <= kRoomCount; ++room) Select(room);
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
  EXPECT_FALSE(SelectRoomPicture(0, state).has_value());
  EXPECT_FALSE(SelectRoomPicture(kRoomCount + 1, state).has_value());
}

TEST_F(PictureSelectionTest, StateChangesPictureAndExits) {
  EXPECT_EQ(Select(1).picture, "\\bedroom1.gif");
  EXPECT_EQ(Select(1).directions, kEast | kWest);
  state.SetActionStatus("read the letter", "1");
  EXPECT_EQ(Select(1).picture, "\\bedroom100.gif");
  EXPECT_EQ(Select(1).directions, kSouth | kEast | kWest);

  EXPECT_EQ(Select(2).picture, "\\bedroom left not lit.gif");
  state.SetActionStatus("Lamp On Room 1", "1");
  state.PlaceObjectInRoom("2", "letter", "1", "0", "It's your mail.");
  EXPECT_EQ(Select(2).picture, "\\bedroom left lit letter.gif");
  state.SetObjectGone("letter");
  EXPECT_EQ(Select(2).picture, "\\bedroom left lit.gif");

  state.SetObjectGone("teapot");
  EXPECT_EQ(Select(69).picture, "\\kitchen carrot only.gif");
  EXPECT_EQ(Select(79).directions, kSouth | kEast | kWest);
  state.SetActionStatus("look through telescope to find lighthouse", "1");
  EXPECT_EQ(Select(79).picture, "\\beach.gif");
  EXPECT_EQ(Select(79).directions, kNorth | kSouth | kEast | kWest);
}

TEST_F(PictureSelectionTest, MissingKeyCountsAsNeitherLiteral) {
  ASSERT_TRUE(database.Execute("DELETE FROM actions WHERE actiontype IN ('read the letter', "
                               "'use coin from well to pay toolboth')"));
  EXPECT_EQ(Select(1).picture, "\\bedroom100.gif");
  EXPECT_EQ(Select(1).directions, kSouth | kEast | kWest);
  EXPECT_EQ(Select(15).picture, "\\tollbooth.gif");
  EXPECT_EQ(Select(15).directions, kNorth);
  // One box per selection: a test shared by two cases of a room is read once.
  EXPECT_EQ(boxes.informed.size(), 4u);
}

TEST_F(PictureSelectionTest, TunnelStopsReadingAtTheFirstUnsetKey) {
  ASSERT_TRUE(database.Execute("DELETE FROM actions WHERE actiontype IN ('use red ruby', 'use green emerald')"));
  EXPECT_EQ(Select(133).picture, "\\tunnel.gif");
  EXPECT_TRUE(boxes.informed.empty());  // the missing keys are never read while the lever is unpulled
  state.SetActionStatus("pull lever in tunnel", "1");
  EXPECT_EQ(Select(133).directions, kEast | kWest);
  EXPECT_EQ(boxes.informed.size(), 1u);  // the red ruby is read and found missing; the emerald is not read
}

// While a thing lies in its room the picture must not read as if it were gone (swapped dumbbell
// pictures), and taking it away must change the picture.
TEST_F(PictureSelectionTest, PicturesShowWhetherTheThingsOfTheStartingWorldAreStillThere) {
  const auto readsAsGone = [](const std::string& picture) {
    for (const char* marker : {" no ", "without", "gone", "nothing", " only", "empty"}) {
      if (picture.find(marker) != std::string::npos) return true;
    }
    return false;
  };
  std::size_t checked = 0;
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& pictureCase : record.Pictures()) {
      for (const StateTest& test : pictureCase.tests.All()) {
        const std::string name(test.name);
        if (test.kind != StateTest::Kind::Gone || !LiesInTheStartingWorld(record.room, name)) continue;
        ASSERT_TRUE(BuildWorldDatabase(database));
        const std::string there = Select(record.room).picture;
        EXPECT_FALSE(readsAsGone(there)) << "room " << record.room << " with " << name << ": " << there;
        state.SetObjectGone(name);
        EXPECT_NE(Select(record.room).picture, there) << "room " << record.room << " without " << name;
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 10u);
}

// Gone flags and statuses are "0" or "1": every mix of the values a room's cases test must choose a
// picture, and every case must be chosen by some mix (a flipped literal leaves a state without a picture
// or a picture that never shows).
TEST(RoomRecords, EveryStateOfARoomHasAPictureAndEveryCaseIsReachable) {
  for (const RoomRecord& record : RoomRecords()) {
    const int room = record.room;
    std::vector<const PictureCase*> cases;
    for (const PictureCase& pictureCase : record.Pictures()) cases.push_back(&pictureCase);
    std::vector<std::pair<StateTest::Kind, std::string_view>> tested;
    for (const PictureCase* pictureCase : cases) {
      for (const StateTest& test : pictureCase->tests.All()) {
        const auto subject = std::make_pair(test.kind, test.name);
        if (std::find(tested.begin(), tested.end(), subject) == tested.end()) tested.push_back(subject);
      }
    }
    std::set<const PictureCase*> chosen;
    for (unsigned mix = 0; mix < (1u << tested.size()); ++mix) {
      const auto holds = [&](const StateTest& test) {
        const auto at = std::find(tested.begin(), tested.end(), std::make_pair(test.kind, test.name));
        const bool one = ((mix >> (at - tested.begin())) & 1u) != 0;
        return ((one ? "1" : "0") == test.literal) == test.equal;
      };
      const auto first = std::find_if(cases.begin(), cases.end(), [&](const PictureCase* pictureCase) {
        const std::span<const StateTest> tests = pictureCase->tests.All();
        return std::all_of(tests.begin(), tests.end(), holds);
      });
      EXPECT_NE(first, cases.end()) << "room " << room << " has no picture for mix " << mix;
      if (first != cases.end()) chosen.insert(*first);
    }
    EXPECT_EQ(chosen.size(), cases.size()) << "room " << room << " has a case that is never chosen";
  }
}

}  // namespace
}  // namespace brackenhollow
