// A damaged undo history: a step whose bytes, room or place changed is refused whole with one plain
// message, the history beyond it goes, and nothing else is said; a real disk error afterwards is
// still told. The fuzz test damages a real step at every byte and length, under Undo and Redo.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <set>
#include <thread>

#include "app/GameScreen.h"
#include "store/GameDatabase.h"
#include "store/UndoHistory.h"
#include "tests/FaultVfs.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/HistoryRows.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

// The walkthrough's opening: the bedroom, the letter, the mirror and the way out, 13 actions.
constexpr std::size_t kOpeningLines = 60;

using testing::ReadStep;
using testing::StepRow;
using testing::WriteStep;

int Count(sqlite3* connection, const std::string& sql) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, sql.c_str(), -1, &statement, nullptr);
  const int count = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
  sqlite3_finalize(statement);
  return count;
}

// Copies every page of from over to.
void CopyWhole(sqlite3* to, sqlite3* from) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  ASSERT_NE(backup, nullptr);
  EXPECT_EQ(sqlite3_backup_step(backup, -1), SQLITE_DONE);
  EXPECT_EQ(sqlite3_backup_finish(backup), SQLITE_OK);
}

class HistoryDamageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database.SetMessageBoxes(&boxes);
    std::vector<std::string> lines = testing::ScriptLines("walkthrough.txt");
    lines.resize(kOpeningLines);
    for (const std::string& line : lines) {
      ASSERT_TRUE(testing::PlayLine(screen, database, line)) << line;
      if (testing::WritesTheStore(line)) played.insert(testing::DumpWorld(database));
    }
    ASSERT_GE(Count(database.Handle(), "SELECT count(*) FROM undo_history"), 5);
    CopyWhole(healthy.Handle(), database.Handle());
  }

  // Puts the healthy game and its history back, damages it, and starts the game on it again.
  void Damage(const std::function<void(sqlite3*)>& damage) {
    CopyWhole(database.Handle(), healthy.Handle());
    damage(database.Handle());
    boxes.informed.clear();
    ASSERT_TRUE(testing::PlayLine(screen, database, "start"));
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameScreen screen{database, boxes, "/opt/brackenhollow/"};
  GameDatabase healthy{kMemoryStore};
  std::set<std::string> played;  // every state the opening passed through
};

TEST_F(HistoryDamageTest, OneFlippedByteIsRefusedWithOneMessageAndTheOlderStepsGo) {
  Damage([](sqlite3* connection) {
    StepRow row = ReadStep(connection, true);
    row.changes[2] = static_cast<char>(row.changes[2] ^ 0x01);
    WriteStep(connection, row);
  });
  const std::string before = testing::DumpWorld(database);
  screen.OnUndo();
  EXPECT_EQ(boxes.informed, std::vector<std::string>{"That step cannot be taken back."});
  EXPECT_EQ(testing::DumpWorld(database), before);
  EXPECT_FALSE(screen.Screen().canUndo);
  EXPECT_EQ(Count(database.Handle(), "SELECT count(*) FROM undo_history"), 0);
}

// A step in no room, even with a checksum made to match, never puts the player in no room: at
// start-up the history goes (the game stays), and in play the step is refused.
TEST_F(HistoryDamageTest, StepInNoRoomNeverPutsThePlayerInNoRoom) {
  const auto noRoom = [](sqlite3* connection) {
    StepRow row = ReadStep(connection, true);
    row.room = -1;
    row.checksum = StepChecksum(row.step, row.room, row.changes.data(), row.changes.size());
    WriteStep(connection, row);
  };
  Damage(noRoom);
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_FALSE(screen.Screen().canUndo);
  EXPECT_EQ(Count(database.Handle(), "SELECT count(*) FROM Inventory"), Count(healthy.Handle(), "SELECT count(*) FROM Inventory"));

  // Once more, now during play.
  CopyWhole(database.Handle(), healthy.Handle());
  noRoom(database.Handle());
  const std::string before = testing::DumpWorld(database);
  UndoHistory history(database, [] { return 1; });
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::Refused);
  EXPECT_EQ(testing::DumpWorld(database), before);
}

TEST_F(HistoryDamageTest, SwappedDeletedOrEmptyStepsNeverReachAStateNotPlayed) {
  const std::vector<std::pair<std::string, std::function<void(sqlite3*)>>> damages = {
      {"the two newest rows swapped",
       [](sqlite3* connection) {
         ASSERT_EQ(sqlite3_exec(connection,
                                "CREATE TEMP TABLE newest AS SELECT step, room, changes, checksum FROM undo_history "
                                "ORDER BY step DESC LIMIT 2; "
                                "UPDATE undo_history SET "
                                "changes = (SELECT changes FROM newest n WHERE n.step <> undo_history.step), "
                                "room = (SELECT room FROM newest n WHERE n.step <> undo_history.step), "
                                "checksum = (SELECT checksum FROM newest n WHERE n.step <> undo_history.step) "
                                "WHERE step IN (SELECT step FROM newest); DROP TABLE newest",
                                nullptr, nullptr, nullptr),
                   SQLITE_OK);
       }},
      {"a row in the middle deleted",
       [](sqlite3* connection) {
         ASSERT_EQ(sqlite3_exec(connection, "DELETE FROM undo_history WHERE step = (SELECT max(step) - 2 FROM undo_history)",
                                nullptr, nullptr, nullptr),
                   SQLITE_OK);
       }},
      {"an empty step",
       [](sqlite3* connection) {
         StepRow row = ReadStep(connection, true);
         row.changes.clear();
         row.checksum = StepChecksum(row.step, row.room, row.changes.data(), 0);
         WriteStep(connection, row);
       }},
  };
  for (const auto& [what, damage] : damages) {
    SCOPED_TRACE(what);
    Damage(damage);
    // Undo as far as it goes: each step taken back leads to a state played, and the first refused
    // ends the history with one message.
    for (int press = 0; press < 20 && screen.Screen().canUndo; ++press) {
      screen.OnUndo();
      EXPECT_EQ(played.count(testing::DumpWorld(database)), 1u) << "a state never played, after press " << press;
      EXPECT_GE(screen.CurrentRoom(), 1);
      if (!boxes.informed.empty()) break;
    }
    EXPECT_EQ(boxes.informed, std::vector<std::string>{"That step cannot be taken back."});
  }
}

// A damaged step is no disk problem: it says nothing of one, and a real one afterwards is still told,
// as is a second cause after the first.
TEST_F(HistoryDamageTest, DamagedStepRaisesNoFalseAlarmAndSilencesNoRealOne) {
  Damage([](sqlite3* connection) {
    StepRow row = ReadStep(connection, true);
    row.changes[row.changes.size() / 2] = static_cast<char>(row.changes[row.changes.size() / 2] ^ 0xff);
    WriteStep(connection, row);
  });
  screen.OnUndo();
  ASSERT_EQ(boxes.informed, std::vector<std::string>{"That step cannot be taken back."});
  database.NoteFailure(SQLITE_FULL, "a write");
  database.NoteFailure(SQLITE_FULL, "another write");
  database.NoteFailure(SQLITE_IOERR_WRITE, "a write");
  ASSERT_EQ(boxes.informed.size(), 3u);
  EXPECT_NE(boxes.informed[1].find("full"), std::string::npos) << boxes.informed[1];
  EXPECT_NE(boxes.informed[2].find("disk I/O error"), std::string::npos) << boxes.informed[2];
}

// A disk error while a step is taken back is told as a disk error, changes nothing and keeps the step.
TEST(HistoryDiskError, IsToldAsADiskErrorAndTheStepStays) {
  testing::ScratchFolder folder;
  testing::FaultVfs vfs;
  GameDatabase database(folder.File("store.sqlite"));
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  GameScreen screen(database, boxes, "/opt/brackenhollow/");
  std::vector<std::string> lines = testing::ScriptLines("walkthrough.txt");
  lines.resize(kOpeningLines);
  for (const std::string& line : lines) ASSERT_TRUE(testing::PlayLine(screen, database, line)) << line;
  const std::string before = testing::DumpStore(database.Handle(), true);
  vfs.SetPlan({testing::FaultPlan::Mode::Fail, 1, SQLITE_IOERR});
  screen.OnUndo();
  ASSERT_GT(vfs.Failed(), 0);
  vfs.SetPlan({});
  EXPECT_EQ(testing::DumpStore(database.Handle(), true), before);
  ASSERT_FALSE(boxes.informed.empty());
  for (const std::string& told : boxes.informed) {
    EXPECT_NE(told.find("disk I/O error"), std::string::npos) << told;
    EXPECT_EQ(told.find("cannot be taken back"), std::string::npos) << told;
  }
  boxes.informed.clear();
  screen.OnUndo();
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
  EXPECT_NE(testing::DumpStore(database.Handle(), true), before);
}

}  // namespace
}  // namespace brackenhollow
