// The game-state operations against a real built world: results, the player's boxes, and names
// that must be looked up literally whatever they contain.

#include <gtest/gtest.h>

#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

class GameStateTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  std::string Read(const std::string& sql) {
    GameRecordset query(database);
    if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return "<not open>";
    return query.GetFieldText(0);
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
};

TEST_F(GameStateTest, MissingKeyIsReportedOnceAndReadsEmpty) {
  EXPECT_EQ(state.GetActionStatus("move mirror"), "0");
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_EQ(state.GetActionStatus("get magic staff"), "");
  EXPECT_EQ(boxes.informed, std::vector<std::string>{"No records found"});
}

TEST_F(GameStateTest, WritingMissingKeyChangesNothing) {
  state.SetActionStatus("move Mirror", "1");
  EXPECT_EQ(boxes.informed, std::vector<std::string>{"No Records"});
  EXPECT_EQ(Read("select count(*) from actions where status <> 0"), "0");
  EXPECT_EQ(Read("select count(*) from actions"), std::to_string(kKeyCount));
}

TEST_F(GameStateTest, StatusSurvivesReopeningTheStore) {
  state.SetActionStatus("Lamp On Room 1", "1");
  GameDatabase reopened(database.Path());
  GameState again(reopened, boxes);
  EXPECT_EQ(again.GetActionStatus("Lamp On Room 1"), "1");
  EXPECT_EQ(again.GetActionStatus("lamp on room 1"), "");  // keys are case-sensitive
}

TEST_F(GameStateTest, GoneFlagOfSharedNameMarksFirstRowOnly) {
  EXPECT_EQ(state.GetObjectGone("corn"), "0");
  state.SetObjectGone("corn");
  EXPECT_EQ(state.GetObjectGone("corn"), "1");
  EXPECT_EQ(Read("select count(*) from objects where objects = 'corn' and gone = 1"), "1");
  EXPECT_EQ(Read("select roomnumber from objects where objects = 'corn' and gone = 1"), "18");
  EXPECT_EQ(state.GetObjectGone("unicorn"), "0");
  EXPECT_EQ(boxes.informed, std::vector<std::string>{"No records found"});
}

TEST_F(GameStateTest, PlacedObjectKeepsItsApostrophes) {
  state.PlaceObjectInRoom("2", "letter", "1", "0", "It's your mail.");
  EXPECT_EQ(Read("select description from objects where objects = 'letter' and roomnumber = 2 and gettable = 1 "
                 "and gone = 0 and orig = 'N'"),
            "It's your mail.");
}

TEST_F(GameStateTest, InventoryTakesNamesWithApostrophes) {
  state.AddToInventory("it's");
  state.AddToInventory("it's");
  EXPECT_EQ(state.IsInInventory("it's"), "Y");
  EXPECT_EQ(state.IsInInventory("it"), "N");
  state.RemoveFromInventory("it's");
  EXPECT_EQ(state.IsInInventory("it's"), "N");
  EXPECT_EQ(Read("select count(*) from inventory"), "0");
}

// A name built to change what a statement does is looked up as the plain text it is.
TEST_F(GameStateTest, HostileNamesAreLookedUpLiterally) {
  const std::string hostile = "x' OR '1'='1";
  state.AddToInventory("rope");
  EXPECT_EQ(state.IsInInventory(hostile), "N");
  state.RemoveFromInventory(hostile);
  EXPECT_EQ(state.IsInInventory("rope"), "Y");
  EXPECT_EQ(state.GetActionStatus(hostile), "");
  state.SetActionStatus(hostile, "1");
  EXPECT_EQ(Read("select count(*) from actions where status = 1"), "0");
  state.SetObjectGone(hostile);
  EXPECT_EQ(Read("select count(*) from objects where gone = 1"), "0");
  state.AddToInventory("'); DROP TABLE actions; --");
  EXPECT_EQ(state.IsInInventory("'); DROP TABLE actions; --"), "Y");
  EXPECT_EQ(Read("select count(*) from actions"), std::to_string(kKeyCount));
}

// Names are bound whole: one with a NUL inside or a leading byte-order mark is its own name.
TEST_F(GameStateTest, NamesWithANulOrAByteOrderMarkAreKeptWhole) {
  const std::string withNul("rope\0 and more", 14);
  const std::string withMark = "\xEF\xBB\xBFrope";
  state.AddToInventory(withNul);
  state.AddToInventory(withMark);
  EXPECT_EQ(state.IsInInventory("rope"), "N");
  EXPECT_EQ(state.IsInInventory(withNul), "Y");
  EXPECT_EQ(state.IsInInventory(withMark), "Y");
  state.RemoveFromInventory(withNul);
  EXPECT_EQ(state.IsInInventory(withNul), "N");
  EXPECT_EQ(state.IsInInventory(withMark), "Y");
  state.PlaceObjectInRoom("9", withNul, "1", "0", withMark);
  EXPECT_EQ(state.GetObjectGone(withNul), "0");
  state.SetObjectGone(withNul);
  EXPECT_EQ(state.GetObjectGone(withNul), "1");
  EXPECT_EQ(Read("select count(*) from objects where roomnumber = 9 and gettable = 1 and typeof(roomnumber) = "
                 "'integer'"),
            "1");
}

TEST_F(GameStateTest, RoomDescriptionAndSavedRoom) {
  state.SetRoomDescription("It's a new text.", "9");
  EXPECT_EQ(Read("select newdescr from descriptions where roomnumber = 9"), "It's a new text.");
  EXPECT_NE(Read("select description from descriptions where roomnumber = 9"), "It's a new text.");
  state.SetRoomDescription("Nowhere.", "999");
  EXPECT_EQ(Read("select count(*) from descriptions where newdescr = 'Nowhere.'"), "0");

  state.SaveCurrentRoom(58);
  EXPECT_EQ(Read("select count(*) from currentroom"), "1");
  EXPECT_EQ(state.ReadSavedRoom(), "58");
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(GameStateTest, BrokenStoreFallsBackToDefaultsSilently) {
  ASSERT_TRUE(database.Execute("DROP TABLE actions"));
  ASSERT_TRUE(database.Execute("DROP TABLE inventory"));
  ASSERT_TRUE(database.Execute("DROP TABLE objects"));
  EXPECT_EQ(state.GetActionStatus("move mirror"), "");
  EXPECT_EQ(state.GetObjectGone("rope"), "0");
  EXPECT_EQ(state.IsInInventory("rope"), "N");
  state.SetActionStatus("move mirror", "1");
  EXPECT_TRUE(boxes.informed.empty());
}

}  // namespace
}  // namespace brackenhollow
