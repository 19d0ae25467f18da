// The undo history on a real built world: steps taken back and done again exactly, kept across a
// restart, refused rather than half-applied when the tables no longer match, emptied by a rebuild.

#include <gtest/gtest.h>

#include <functional>

#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/UndoHistory.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldCheck.h"

namespace brackenhollow {
namespace {

class UndoHistoryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  // Does what an action does, in an action's transaction, standing in room.
  void Act(int room, const std::function<void()>& changes) {
    actionRoom = room;
    ActionTransaction transaction(database);
    changes();
    ASSERT_TRUE(transaction.Commit());
  }

  std::string Dump() { return testing::DumpStore(database.Handle()); }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
  int actionRoom = 0;
  UndoHistory history{database, [this] { return actionRoom; }};
};

TEST_F(UndoHistoryTest, UndoPutsEveryTableBackAndRedoDoesTheStepAgain) {
  const std::string before = Dump();
  Act(2, [&] {
    state.SetActionStatus("Lamp On Room 1", "1");
    state.PlaceObjectInRoom("2", "letter", "1", "0", "It's your mail.");
    state.SetRoomDescription("The lamp is on.", "2");
    state.AddToInventory("rat");
    state.AddToInventory("rat");  // the same item twice: rows, not names, are taken back
    state.SetObjectGone("corn");
    state.SaveCurrentRoom(58);
  });
  const std::string after = Dump();
  ASSERT_NE(after, before);

  EXPECT_TRUE(history.Choices().canUndo);
  EXPECT_FALSE(history.Choices().canRedo);
  const HistoryStep undone = history.Undo();
  EXPECT_EQ(undone.outcome, HistoryOutcome::Done);
  EXPECT_EQ(undone.room, 2);
  EXPECT_EQ(Dump(), before);
  EXPECT_FALSE(history.Choices().canUndo);
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::NothingToDo);

  const HistoryStep redone = history.Redo();
  EXPECT_EQ(redone.outcome, HistoryOutcome::Done);
  EXPECT_EQ(redone.room, 2);
  EXPECT_EQ(Dump(), after);
  EXPECT_EQ(history.Redo().outcome, HistoryOutcome::NothingToDo);
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(UndoHistoryTest, ManyStepsAreTakenBackNewestFirstAlsoAfterReopeningTheStore) {
  std::vector<std::string> dumps{Dump()};
  const std::vector<std::string> items = {"crowbar", "shovel", "rope", "gloves"};
  for (std::size_t index = 0; index < items.size(); ++index) {
    Act(static_cast<int>(10 + index), [&] { state.AddToInventory(items[index]); });
    dumps.push_back(Dump());
  }
  {
    GameDatabase reopened(database.Path());
    UndoHistory again(reopened, [] { return 0; });
    for (std::size_t index = items.size(); index-- > 0;) {
      const HistoryStep step = again.Undo();
      ASSERT_EQ(step.outcome, HistoryOutcome::Done);
      EXPECT_EQ(step.room, static_cast<int>(10 + index));
      EXPECT_EQ(testing::DumpStore(reopened.Handle()), dumps[index]);
    }
    EXPECT_EQ(again.Undo().outcome, HistoryOutcome::NothingToDo);
    ASSERT_EQ(again.Redo().outcome, HistoryOutcome::Done);
    EXPECT_EQ(testing::DumpStore(reopened.Handle()), dumps[1]);
  }
  EXPECT_EQ(Dump(), dumps[1]);
}

TEST_F(UndoHistoryTest, ActionChangingNothingIsNoStepAndANewStepEndsRedo) {
  Act(1, [&] { state.AddToInventory("crowbar"); });
  Act(1, [&] { state.GetActionStatus("move mirror"); });  // reads only
  ASSERT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  EXPECT_FALSE(history.Choices().canUndo);  // the reading action left no step of its own
  EXPECT_TRUE(history.Choices().canRedo);

  Act(3, [&] { state.AddToInventory("shovel"); });
  EXPECT_FALSE(history.Choices().canRedo);
  ASSERT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::NothingToDo);
}

TEST_F(UndoHistoryTest, ActionTakenBackOrForgottenLeavesNoStep) {
  {
    ActionTransaction abandoned(database);
    state.AddToInventory("crowbar");
  }
  Act(1, [&] {
    state.AddToInventory("shovel");
    history.ForgetAction();
  });
  EXPECT_EQ(state.IsInInventory("crowbar"), "N");
  EXPECT_EQ(state.IsInInventory("shovel"), "Y");
  EXPECT_FALSE(history.Choices().canUndo);
  // Recording goes on with the next action.
  Act(2, [&] { state.AddToInventory("rope"); });
  EXPECT_EQ(history.Undo().room, 2);
}

TEST_F(UndoHistoryTest, TablesChangedBehindTheHistoryRefuseTheStepWhole) {
  Act(2, [&] {
    state.AddToInventory("crowbar");
    state.SetActionStatus("move mirror", "1");
  });
  // Something outside the game changed a row the step wrote.
  ASSERT_TRUE(database.Execute("UPDATE actions SET status = 5 WHERE actiontype = 'move mirror'"));
  const std::string changed = Dump();
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::Refused);
  EXPECT_EQ(Dump(), changed);  // the inventory row was not taken back on its own either
  // The steps before it could only be reached through it.
  EXPECT_FALSE(history.Choices().canUndo);
}

TEST_F(UndoHistoryTest, RebuildOfTheWorldLeavesNothingToUndoOrRedo) {
  Act(1, [&] { state.AddToInventory("crowbar"); });
  Act(1, [&] { state.AddToInventory("shovel"); });
  ASSERT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  ASSERT_TRUE(BuildWorldDatabase(database));
  EXPECT_FALSE(history.Choices().canUndo);
  EXPECT_FALSE(history.Choices().canRedo);
  // The rebuilt tables are recorded like the first ones.
  Act(4, [&] { state.AddToInventory("rope"); });
  EXPECT_EQ(history.Undo().room, 4);
}

TEST_F(UndoHistoryTest, OldestStepsGoBeyondAThousand) {
  for (int index = 0; index < 1002; ++index) {
    Act(1, [&] { state.SetRoomDescription("text " + std::to_string(index), "5"); });
  }
  int undone = 0;
  while (history.Undo().outcome == HistoryOutcome::Done) ++undone;
  EXPECT_EQ(undone, 1000);
}

// The start-up check tells a new store by its having no tables: the history must not make one first.
TEST(UndoHistoryOnANewStore, AddsNoTableBeforeItsFirstStep) {
  testing::ScratchFolder folder;
  GameDatabase database(folder.File("store.sqlite"));
  UndoHistory history(database, [] { return 1; });
  EXPECT_FALSE(history.Choices().canUndo);
  EXPECT_EQ(InspectWorld(database).shape, WorldShape::Missing);
}

}  // namespace
}  // namespace brackenhollow
