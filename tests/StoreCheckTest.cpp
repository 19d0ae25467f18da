// The store check: a save that is not a whole game of ours (a table or column missing, another
// program's id or file, a trigger or view, rows no game writes) is refused with its reason and the
// game goes on untouched; a live store that fails is kept aside before anything in it can run; the
// game's own states, a whole walkthrough long, always pass.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "app/GameScreen.h"
#include "app/StartGame.h"
#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/SavedGames.h"
#include "store/StoreCheck.h"
#include "store/UndoHistory.h"
#include "tests/FaultVfs.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/StoreRules.h"
#include "world/WorldBuild.h"
#include "world/WorldCheck.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

// Runs sql on its own connection to path, as another program would. Returns SQLite's result.
int RunElsewhere(const std::string& path, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open(path.c_str(), &connection);
  const int code = sqlite3_exec(connection, sql.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(connection);
  return code;
}

struct BadSave {
  const char* what;
  const char* sql;  // turns a real save into the bad one
};

class BadSaveTest : public ::testing::TestWithParam<BadSave> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    ActionTransaction action(database);
    state.AddToInventory("letter");
    state.SetActionStatus("Lamp On Room 1", "1");
    ASSERT_TRUE(action.Commit());
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
  UndoHistory history{database, [] { return 2; }};
  SavedGames saves{database, GameStoreRules()};
};

TEST_P(BadSaveTest, IsRefusedWithItsReasonAndTheGameGoesOnUntouched) {
  ASSERT_EQ(saves.Save("bad", "\\x.gif"), SaveOutcome::Saved);
  ASSERT_EQ(RunElsewhere(saves.FileFor("bad"), GetParam().sql), SQLITE_OK) << sqlite3_errstr(0);
  const std::string game = testing::DumpStore(database.Handle(), true);

  const SaveOpening opening = saves.Open("bad");
  EXPECT_EQ(opening.outcome, OpenOutcome::Refused);
  EXPECT_FALSE(opening.reason.empty());
  EXPECT_EQ(testing::DumpStore(database.Handle(), true), game);
  EXPECT_EQ(testing::IntegrityOf(database), "ok");
  EXPECT_TRUE(boxes.informed.empty());
  // The list offers it only with the same reason.
  const std::vector<NamedSave> listed = saves.List();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].problem, opening.reason);
  // The game itself is still checked whole, and undo works on it.
  EXPECT_TRUE(CheckStoreFile(database.Handle(), GameStoreRules()).Sound());
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::Done);
}

const BadSave kBadSaves[] = {
    {"NoInventory", "DROP TABLE Inventory"},
    {"NoActions", "DROP TABLE actions"},
    {"NoDescriptions", "DROP TABLE Descriptions"},
    {"NoObjects", "DROP TABLE Objects"},
    {"NoGoneColumn", "ALTER TABLE Objects DROP COLUMN gone"},
    {"NoSavedRoom", "DELETE FROM currentroom"},
    {"AnotherProgramsId", "PRAGMA application_id = 1234"},
    {"AnotherFormat", "PRAGMA user_version = 7"},
    {"TriggerEmptyingTheInventory",
     "CREATE TRIGGER wipe AFTER UPDATE ON currentroom BEGIN DELETE FROM Inventory; END"},
    {"TriggerThatNeverEnds",
     "CREATE TRIGGER spin AFTER UPDATE ON undo_history BEGIN SELECT count(*) FROM (WITH RECURSIVE r(n) AS "
     "(SELECT 1 UNION ALL SELECT n + 1 FROM r) SELECT n FROM r); END"},
    {"ViewInPlaceOfATable", "DROP TABLE Inventory; CREATE VIEW Inventory AS SELECT 'lamp' AS Items, 1 AS id"},
    {"TableOfItsOwn", "CREATE TABLE extra (x)"},
    {"IndexOfItsOwn", "CREATE INDEX extra ON Objects (Objects)"},
    {"ColumnWithAConstraint",
     "DROP TABLE Inventory; CREATE TABLE Inventory (Items VARCHAR(50) CHECK (length(Items) < 3), id INTEGER "
     "PRIMARY KEY); CREATE INDEX inv1 on Inventory(Items)"},
    {"RoomBeyondTheLast", "UPDATE currentroom SET room = 135"},
    {"RoomBelowTheFirst", "UPDATE currentroom SET room = -1"},
    {"ObjectInNoRoom", "UPDATE Objects SET Roomnumber = 500 WHERE id = 1"},
    {"UnknownItemCarried", "INSERT INTO Inventory (Items) VALUES ('unicorn')"},
    {"UnknownKey", "UPDATE actions SET actiontype = 'win the game' WHERE id = 1"},
    {"StepInNoRoom", "UPDATE undo_history SET room = -1"},
    {"StepMarkedOddly", "UPDATE undo_history SET undone = 7"},
    // Every table and row as ours, but an index reading another's pages: only the file's own check
    // finds it.
    {"IndexOverAnotherIndex",
     "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET rootpage = (SELECT rootpage FROM sqlite_schema WHERE "
     "type = 'index' AND name <> 'inv1' AND rootpage > 0 LIMIT 1) WHERE name = 'inv1'"},
};

INSTANTIATE_TEST_SUITE_P(StoreCheck, BadSaveTest, ::testing::ValuesIn(kBadSaves),
                         [](const ::testing::TestParamInfo<BadSave>& param) { return std::string(param.param.what); });

// Values at the very edges of what a game holds are no damage: the last room, a thing in no room yet
// (the coin in the well), a saved room read as text.
TEST_F(BadSaveTest, SaveAtTheEdgesOfWhatAGameHoldsOpens) {
  const std::string last = std::to_string(kRoomCount);
  const std::vector<std::string> edges = {
      "UPDATE currentroom SET room = " + last,
      "UPDATE Objects SET Roomnumber = 999 WHERE id = 1",
      "UPDATE Objects SET Roomnumber = " + last + " WHERE id = 2",
      "UPDATE actions SET room = " + last + " WHERE id = 1",
      "UPDATE undo_history SET room = " + last,
      "UPDATE currentroom SET room = 'twelve'"};
  for (const std::string& sql : edges) {
    ASSERT_EQ(saves.Save("edge", "\\x.gif"), SaveOutcome::Saved);
    ASSERT_EQ(RunElsewhere(saves.FileFor("edge"), sql), SQLITE_OK) << sql;
    const SaveOpening opening = saves.Open("edge");
    EXPECT_EQ(opening.outcome, OpenOutcome::Opened) << sql << ": " << opening.reason;
  }
}

// A save without one of the world's tables is refused for that table, not for an index that went with it.
TEST_F(BadSaveTest, SaveLackingATableIsRefusedForThatTable) {
  for (const std::string table : {"Inventory", "actions", "Descriptions", "Objects"}) {
    ASSERT_EQ(saves.Save("lacking", "\\x.gif"), SaveOutcome::Saved);
    ASSERT_EQ(RunElsewhere(saves.FileFor("lacking"), "DROP TABLE " + table), SQLITE_OK) << table;
    const SaveOpening opening = saves.Open("lacking");
    EXPECT_EQ(opening.outcome, OpenOutcome::Refused) << table;
    EXPECT_NE(opening.reason.find("lacks the table"), std::string::npos) << table << ": " << opening.reason;
  }
}

// Another program's file that happens to have a table of the same name is no save.
TEST(StoreCheck, AnotherProgramsFileWithASavedRoomTableIsNoSave) {
  testing::ScratchFolder folder;
  GameDatabase database(folder.File("store.sqlite"));
  ASSERT_TRUE(BuildWorldDatabase(database));
  SavedGames saves(database, GameStoreRules());
  ASSERT_EQ(saves.Save("theirs", "\\x.gif"), SaveOutcome::Saved);
  fs::remove(saves.FileFor("theirs"));
  ASSERT_EQ(RunElsewhere(saves.FileFor("theirs"),
                         "CREATE TABLE currentroom (room INTEGER, id INTEGER PRIMARY KEY); "
                         "INSERT INTO currentroom (room) VALUES (3)"),
            SQLITE_OK);
  const std::string game = testing::DumpStore(database.Handle(), true);
  const SaveOpening opening = saves.Open("theirs");
  EXPECT_EQ(opening.outcome, OpenOutcome::Refused);
  EXPECT_NE(opening.reason.find("not made by this game"), std::string::npos) << opening.reason;
  EXPECT_EQ(testing::DumpStore(database.Handle(), true), game);
}

// A trigger in the live store must never get the chance to run: no read or write of the start may
// happen before the store is kept aside.
TEST(StoreCheck, LiveStoreWithATriggerIsKeptAsideBeforeItCanRun) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  {
    GameDatabase database(path);
    ASSERT_TRUE(BuildWorldDatabase(database));
  }
  ASSERT_EQ(RunElsewhere(path, "CREATE TRIGGER wipe AFTER UPDATE ON currentroom BEGIN DELETE FROM Inventory; END"),
            SQLITE_OK);
  GameDatabase database(path);
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  VetStartingStore(database);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("trigger"), std::string::npos) << boxes.informed[0];
  EXPECT_NE(boxes.informed[0].find(".damaged-"), std::string::npos) << boxes.informed[0];
  EXPECT_TRUE(StartGame(database, [](const std::string&) {}));
  EXPECT_TRUE(CheckStoreFile(database.Handle(), GameStoreRules()).Sound());
  EXPECT_EQ(database.Path(), path);
}

// The release before kept undo steps without checksums: the game is kept, the steps that cannot be
// checked go, and undo works from the next action on.
TEST(StoreCheck, LiveStoreWithTheEarlierHistoryKeepsItsGameAndUndoWorksAgain) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  {
    GameDatabase database(path);
    ASSERT_TRUE(BuildWorldDatabase(database));
    ASSERT_TRUE(database.Execute(kEarlierHistoryTableCreate));
    ASSERT_TRUE(database.Execute("INSERT INTO undo_history (room, changes) VALUES (3, x'5401')"));
    ASSERT_TRUE(database.Execute("UPDATE currentroom SET room = 58"));
  }
  GameDatabase database(path);
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  VetStartingStore(database);
  EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
  GameState state(database, boxes);
  EXPECT_EQ(state.ReadSavedRoom(), "58");
  UndoHistory history(database, [] { return 58; });
  EXPECT_FALSE(history.Choices().canUndo);
  {
    ActionTransaction action(database);
    state.AddToInventory("rat");
    ASSERT_TRUE(action.Commit());
  }
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  EXPECT_EQ(state.IsInInventory("rat"), "N");
}

// No false alarms: every state of the whole walkthrough, undone and redone, passes the check, and a
// save of its end opens.
TEST(StoreCheck, EveryStateOfTheWalkthroughPasses) {
  testing::ScratchFolder folder;
  GameDatabase database(folder.File("store.sqlite"));
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  GameScreen screen(database, boxes, "/opt/brackenhollow/");
  int checked = 0;
  for (const std::string& line : testing::ScriptLines("walkthrough.txt")) {
    ASSERT_TRUE(testing::PlayLine(screen, database, line)) << line;
    if (!testing::WritesTheStore(line)) continue;
    const StoreCheck check = CheckStoreFile(database.Handle(), GameStoreRules());
    ASSERT_TRUE(check.Sound()) << line << ": " << check.reason;
    ++checked;
  }
  EXPECT_GT(checked, 100);
  screen.SaveCurrentRoom();
  SavedGames saves(database, GameStoreRules());
  ASSERT_EQ(saves.Save("the end", "\\x.gif"), SaveOutcome::Saved);
  EXPECT_EQ(saves.Open("the end").outcome, OpenOutcome::Opened);
  for (int step = 0; step < 20; ++step) screen.OnUndo();
  EXPECT_TRUE(CheckStoreFile(database.Handle(), GameStoreRules()).Sound());
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
}


TEST(StoreCheck, APageTheDiskFailsToReadIsNoDamage) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  {
    GameDatabase database(path);
    ASSERT_TRUE(BuildWorldDatabase(database));
  }
  // Opened as a save is: read-only, as a file nothing else changes; a failed open is no connection.
  const auto check = [&path] {
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(("file:" + path + "?mode=ro&immutable=1").c_str(), &connection,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
      sqlite3_close(connection);
      connection = nullptr;
    }
    const StoreCheck result = CheckStoreFile(connection, GameStoreRules());
    sqlite3_close(connection);
    return result;
  };
  int reads = 0;
  {
    testing::FaultVfs vfs;
    ASSERT_TRUE(check().Sound());
    reads = vfs.Reads();
  }
  ASSERT_GT(reads, 0);
  // One failed read at each place in turn: the file may be unreadable now, never damaged.
  for (int read = 1; read <= reads; ++read) {
    testing::FaultVfs vfs({testing::FaultPlan::Mode::FailRead, read, SQLITE_IOERR_READ});
    const StoreCheck result = check();
    EXPECT_TRUE(result.Sound() || result.verdict == StoreVerdict::Unreadable)
        << "read " << read << " of " << reads << " failed, and the file was called: " << result.reason;
  }
}

}  // namespace
}  // namespace brackenhollow
