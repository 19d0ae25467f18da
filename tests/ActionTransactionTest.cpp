// One action, one transaction: an Action press reaches the store whole or not at all, nests with the
// world build of a reset, and lets an observer write in the same commit.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "app/GameScreen.h"
#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

constexpr int kDumbbellRoom = 101;

// Records what it hears; can refuse the commit and write a row of its own before it.
class RecordingObserver : public ActionObserver {
 public:
  void ActionBegan(sqlite3*) override { heard += "began;"; }
  bool ActionCommitting(sqlite3* connection) override {
    heard += "committing;";
    if (writeOwnRow) sqlite3_exec(connection, "INSERT INTO inventory(items) VALUES ('observer')", nullptr, nullptr, nullptr);
    return acceptCommit;
  }
  void ActionEnded(sqlite3*, bool committed) override { heard += committed ? "committed;" : "taken back;"; }

  std::string heard;
  bool acceptCommit = true;
  bool writeOwnRow = false;
};

class ActionTransactionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    database.SetActionObserver(&observer);
  }

  void StartIn(int room) {
    screen.State().SaveCurrentRoom(room);
    screen.PrepareStart();
    screen.EnterGame(kStartChosen);
    observer.heard.clear();
  }

  void Act(const std::string& verb, const std::string& noun1) {
    ASSERT_TRUE(screen.ChooseVerb(screen.Screen().verbs.IndexOf(verb))) << verb;
    if (!noun1.empty()) {
      ASSERT_TRUE(screen.ChooseNoun1(screen.Screen().noun1.IndexOf(noun1))) << noun1;
    }
    screen.OnAction();
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  RecordingObserver observer;
  GameScreen screen{database, boxes, "/opt/brackenhollow/"};
};

TEST_F(ActionTransactionTest, RefusedCommitLeavesEveryTableAndTheScreenAsBeforeTheAction) {
  StartIn(kDumbbellRoom);
  const std::string before = testing::DumpWorld(database);
  observer.acceptCommit = false;
  // Four writes: the weight key, the icy lake's text, the inventory row, the gone flag.
  Act("Get the", "dumbbell");
  EXPECT_EQ(testing::DumpWorld(database), before);
  EXPECT_EQ(observer.heard, "began;committing;taken back;");
  EXPECT_NE(screen.Screen().noun1.IndexOf("dumbbell"), -1) << "the screen must show the dumbbell still lying there";
  EXPECT_NE(screen.Screen().viewText.find("could not be saved"), std::string::npos) << screen.Screen().viewText;
  EXPECT_EQ(screen.CurrentRoom(), kDumbbellRoom);

  observer.acceptCommit = true;
  Act("Get the", "dumbbell");
  EXPECT_EQ(screen.State().IsInInventory("dumbbell"), "Y");
  EXPECT_EQ(screen.State().GetActionStatus("have weight"), "1");
}

TEST_F(ActionTransactionTest, ObserverWritesCommitWithTheActionAndNotWithTheRoomSave) {
  StartIn(kDumbbellRoom);
  observer.writeOwnRow = true;
  Act("Get the", "dumbbell");
  EXPECT_EQ(observer.heard, "began;committing;committed;");
  EXPECT_EQ(screen.State().IsInInventory("observer"), "Y");

  observer.heard.clear();
  screen.SaveCurrentRoom();
  EXPECT_EQ(observer.heard, "");
  EXPECT_EQ(screen.State().ReadSavedRoom(), std::to_string(kDumbbellRoom));
}

TEST_F(ActionTransactionTest, ConfirmedResetNestsTheWorldBuildInTheActionsTransaction) {
  StartIn(kDumbbellRoom);
  Act("Get the", "dumbbell");
  boxes.answers = {true};
  Act("RESET THE GAME", "");
  EXPECT_EQ(observer.heard, "began;committing;committed;began;committing;committed;");
  EXPECT_EQ(screen.State().IsInInventory("dumbbell"), "N");
  EXPECT_EQ(screen.State().GetActionStatus("have weight"), "0");
  EXPECT_EQ(screen.CurrentRoom(), 1);
}

TEST_F(ActionTransactionTest, ResetTakenBackLeavesTheGameAndThePlayersRoom) {
  StartIn(kDumbbellRoom);
  Act("Get the", "dumbbell");
  const std::string before = testing::DumpWorld(database);
  boxes.answers = {true};
  observer.acceptCommit = false;
  Act("RESET THE GAME", "");
  EXPECT_EQ(testing::DumpWorld(database), before);
  EXPECT_EQ(screen.CurrentRoom(), kDumbbellRoom);
}

TEST_F(ActionTransactionTest, UncommittedTransactionIsTakenBackAtTheEndOfItsScope) {
  {
    ActionTransaction transaction(database);
    screen.State().AddToInventory("rope");
    EXPECT_EQ(screen.State().IsInInventory("rope"), "Y");
  }
  EXPECT_EQ(screen.State().IsInInventory("rope"), "N");
  EXPECT_EQ(observer.heard, "began;taken back;");
}

TEST_F(ActionTransactionTest, WriteRefusedByTheStoreTakesTheWholeActionBackAndTellsOnce) {
  const std::string before = testing::DumpWorld(database);
  database.SetMessageBoxes(&boxes);
  ActionTransaction transaction(database);
  screen.State().SetActionStatus("have weight", "1");
  // The store stops taking writes half-way through the action.
  ASSERT_TRUE(database.Execute("PRAGMA query_only = 1"));
  screen.State().AddToInventory("dumbbell");
  screen.State().SetObjectGone("dumbbell");
  ASSERT_TRUE(database.Execute("PRAGMA query_only = 0"));
  EXPECT_FALSE(transaction.Commit());
  EXPECT_EQ(testing::DumpWorld(database), before);
  EXPECT_EQ(boxes.informed.size(), 1u);
}

}  // namespace
}  // namespace brackenhollow
