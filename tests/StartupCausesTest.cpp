// Start-up told apart by cause: only real damage moves a saved game aside; a busy, read-only or full
// store, a special file and another program's file are never moved, replaced or emptied.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLockFile>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/GameApp.h"
#include "app/StartGame.h"
#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/StoreFiles.h"
#include "store/UndoHistory.h"
#include "tests/FaultVfs.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldCheck.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> FilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// The files of folder that a start moved or copied aside.
std::vector<std::string> KeptFiles(const fs::path& folder) {
  std::vector<std::string> kept;
  for (const std::string& name : FilesIn(folder)) {
    for (const char* label : {".damaged-", ".other-", ".incomplete-"}) {
      if (name.find(label) != std::string::npos) kept.push_back(name);
    }
  }
  return kept;
}

// Runs sql on its own connection to path, as another program would. Returns SQLite's result.
int RunElsewhere(const std::string& path, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open(path.c_str(), &connection);
  const int code = sqlite3_exec(connection, sql.c_str(), nullptr, nullptr, nullptr);
  sqlite3_close(connection);
  return code;
}

// The first value sql gives on its own connection to path ("" when none).
std::string ValueElsewhere(const std::string& path, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
  std::string value;
  sqlite3_exec(
      connection, sql.c_str(),
      [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0] != nullptr ? values[0] : "";
        return 0;
      },
      &value, nullptr);
  sqlite3_close(connection);
  return value;
}

// Every world table of the store at path as its own connection reads it.
std::string DumpElsewhere(const std::string& path) {
  sqlite3* connection = nullptr;
  sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
  const std::string dump = testing::DumpStore(connection);
  sqlite3_close(connection);
  return dump;
}

// Turns the store at path into one the earlier release wrote: the same tables, rows, row numbers and
// indexes, without the key column, our id or a format version, and a single file.
void MakeOlderFormat(const std::string& path) {
  constexpr char kKey[] = ", id INTEGER PRIMARY KEY";
  std::string sql = "PRAGMA journal_mode=DELETE; PRAGMA application_id = 0; PRAGMA user_version = 0;";
  for (const std::string& statement : WorldStatements()) {
    const std::size_t create = statement.find("Create Table ");
    if (create == std::string::npos) continue;
    std::string older = statement.substr(create);
    older.erase(older.find(kKey), sizeof kKey - 1);
    const std::string table = older.substr(13, older.find(' ', 13) - 13);
    const std::string columns = ValueElsewhere(
        path, "SELECT group_concat(name, ', ') FROM pragma_table_info('" + table + "') WHERE name <> 'id'");
    sql += "ALTER TABLE " + table + " RENAME TO newer; " + older + "INSERT INTO " + table + " (rowid, " + columns +
           ") SELECT id, " + columns + " FROM newer; DROP TABLE newer;";
  }
  for (const std::string& statement : WorldStatements()) {
    if (statement.find("Create Index") != std::string::npos) sql += statement;
  }
  ASSERT_EQ(RunElsewhere(path, sql), SQLITE_OK);
}

class StartupCauses : public ::testing::Test {
 protected:
  // A game in progress: one puzzle solved, the rope carried, the player in room 9; closed cleanly.
  void SetUp() override {
    GameDatabase database(path);
    ASSERT_TRUE(BuildWorldDatabase(database));
    testing::RecordingBoxes quiet;
    GameState state(database, quiet);
    state.SetActionStatus("move mirror", "1");
    state.AddToInventory("rope");
    state.SaveCurrentRoom(9);
  }

  static void ExpectProgress(GameDatabase& database) {
    testing::RecordingBoxes quiet;
    GameState state(database, quiet);
    EXPECT_EQ(state.GetActionStatus("move mirror"), "1");
    EXPECT_EQ(state.IsInInventory("rope"), "Y");
    EXPECT_EQ(state.ReadSavedRoom(), "9");
  }

  void ExpectNextStartResumes() {
    GameDatabase database(path);
    testing::RecordingBoxes told;
    database.SetMessageBoxes(&told);
    EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
    EXPECT_TRUE(told.informed.empty()) << told.informed.front();
    ExpectProgress(database);
  }

  testing::ScratchFolder folder;
  std::string path = folder.File("store.sqlite");
  testing::RecordingBoxes boxes;
};

TEST_F(StartupCauses, StoreLockedByAnotherConnectionIsNeverMovedAndOpensOnceFree) {
  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE inventory SET items = items",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  const std::vector<std::string> files = FilesIn(folder.Path());
  GameDatabase database(path);
  EXPECT_TRUE(database.IsBusy());
  EXPECT_FALSE(database.IsOpen());
  EXPECT_EQ(FilesIn(folder.Path()), files);

  sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(other);
  database.RetryOpen();
  EXPECT_FALSE(database.IsBusy());
  EXPECT_EQ(database.Path(), path);
  ExpectProgress(database);
}

TEST_F(StartupCauses, ReadOnlyFolderPlaysOnACopyAndLeavesTheFileAsItIs) {
  const std::string bytes = ReadFile(path);
  {
    testing::FaultVfs vfs({testing::FaultPlan::Mode::ReadOnly, 0, 0});
    GameDatabase database(path);
    database.SetMessageBoxes(&boxes);
    EXPECT_EQ(database.Path(), "");
    EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
    ExpectProgress(database);
    testing::RecordingBoxes quiet;
    GameState(database, quiet).AddToInventory("teapot");
  }
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("cannot be written"), std::string::npos) << boxes.informed[0];
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_TRUE(KeptFiles(folder.Path()).empty());
  ExpectNextStartResumes();
}

TEST_F(StartupCauses, FullDiskOnTwoQuickStartsNeverTouchesTheSave) {
  const std::string bytes = ReadFile(path);
  for (int start = 0; start < 2; ++start) {
    testing::FaultVfs vfs({testing::FaultPlan::Mode::Fail, 1, SQLITE_FULL});
    GameDatabase database(path);
    testing::RecordingBoxes told;
    database.SetMessageBoxes(&told);
    EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
    ExpectProgress(database);
    ASSERT_EQ(told.informed.size(), 1u);
    EXPECT_NE(told.informed[0].find("full"), std::string::npos) << told.informed[0];
  }
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_TRUE(KeptFiles(folder.Path()).empty());
  ExpectNextStartResumes();
}

TEST_F(StartupCauses, FifoAtTheStorePathIsRefusedWithoutBlocking) {
  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_EQ(database.Path(), "");
  EXPECT_TRUE(StartGame(database, [](const std::string&) {}));
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("pipe"), std::string::npos);
  EXPECT_TRUE(fs::is_fifo(path));
}

TEST_F(StartupCauses, AnotherProgramsFileIsKeptAsideWithEveryTable) {
  fs::remove(path);
  ASSERT_EQ(RunElsewhere(path, "CREATE TABLE notes (text); INSERT INTO notes VALUES ('keep me')"), SQLITE_OK);
  const std::string bytes = ReadFile(path);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_TRUE(StartGame(database, [](const std::string&) {}));
  EXPECT_EQ(InspectWorld(database).shape, WorldShape::Whole);
  const std::vector<std::string> files = FilesIn(folder.Path());
  const auto kept = std::find_if(files.begin(), files.end(), [](const std::string& name) {
    return name.rfind("store.sqlite.other-", 0) == 0;
  });
  ASSERT_NE(kept, files.end());
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find(*kept), std::string::npos) << boxes.informed[0];
  EXPECT_EQ(ReadFile(folder.File(*kept)), bytes) << "another program's file is kept byte for byte";
  EXPECT_EQ(ValueElsewhere(folder.File(*kept), "SELECT text FROM notes"), "keep me");
}

TEST_F(StartupCauses, StoreOfOursFromBeforeTheIdIsRecognisedByItsTablesAndKept) {
  ASSERT_EQ(RunElsewhere(path, "PRAGMA journal_mode=DELETE; PRAGMA application_id = 0"), SQLITE_OK);
  {
    GameDatabase database(path);
    database.SetMessageBoxes(&boxes);
    EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
    EXPECT_TRUE(boxes.informed.empty());
    ExpectProgress(database);
  }
  EXPECT_EQ(ValueElsewhere(path, "PRAGMA application_id"), std::to_string(kStoreApplicationId));
  EXPECT_EQ(ValueElsewhere(path, "PRAGMA journal_mode"), "wal");
}

TEST_F(StartupCauses, StoreOfTheEarlierReleaseIsUpgradedKeepingEveryRowAndUndoWorksOnIt) {
  // A gap in the row numbers: each row must keep its own as its key.
  ASSERT_EQ(RunElsewhere(path, "INSERT INTO Inventory (Items) VALUES ('lamp'), ('coin'); "
                               "DELETE FROM Inventory WHERE Items = 'lamp'"),
            SQLITE_OK);
  const std::string before = DumpElsewhere(path);
  constexpr char kIndexes[] = "SELECT group_concat(sql) FROM (SELECT sql FROM sqlite_schema WHERE type = 'index' "
                              "ORDER BY name)";
  const std::string indexes = ValueElsewhere(path, kIndexes);
  MakeOlderFormat(path);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_EQ(InspectWorld(database).shape, WorldShape::OlderFormat);
  EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
  EXPECT_EQ(DumpElsewhere(path), before);
  EXPECT_EQ(ValueElsewhere(path, "PRAGMA user_version"), std::to_string(kStoreFormatVersion));
  EXPECT_EQ(ValueElsewhere(path, "PRAGMA application_id"), std::to_string(kStoreApplicationId));
  EXPECT_EQ(ValueElsewhere(path, kIndexes), indexes);
  ExpectProgress(database);

  UndoHistory history(database, [] { return 9; });
  {
    ActionTransaction action(database);
    GameState(database, boxes).AddToInventory("teapot");
    GameState(database, boxes).SetActionStatus("open safe", "1");
    ASSERT_TRUE(action.Commit());
  }
  ASSERT_NE(DumpElsewhere(path), before);
  EXPECT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  EXPECT_EQ(DumpElsewhere(path), before);
}

TEST_F(StartupCauses, StoreOfTheEarlierReleaseThatTakesNoWritesIsLeftAsItIsAndPlayedUpgradedInMemory) {
  const std::string before = DumpElsewhere(path);
  MakeOlderFormat(path);
  const std::string bytes = ReadFile(path);
  const std::vector<std::string> files = FilesIn(folder.Path());
  for (const testing::FaultPlan plan : {testing::FaultPlan{testing::FaultPlan::Mode::ReadOnly, 0, 0},
                                        testing::FaultPlan{testing::FaultPlan::Mode::Fail, 1, SQLITE_FULL}}) {
    testing::FaultVfs vfs(plan);
    GameDatabase database(path);
    testing::RecordingBoxes told;
    database.SetMessageBoxes(&told);
    EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
    EXPECT_EQ(database.Path(), "");
    EXPECT_EQ(testing::DumpStore(database.Handle()), before);
    ExpectProgress(database);
    EXPECT_EQ(told.informed.size(), 1u) << "a store that takes no writes is told once";
  }
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_EQ(FilesIn(folder.Path()), files);
  ExpectNextStartResumes();
}


TEST_F(StartupCauses, StoreOfTheEarlierReleaseOnADiskFillingAtAnyWriteOfTheUpgradeLosesNoRow) {
  const std::string before = DumpElsewhere(path);
  MakeOlderFormat(path);
  const std::string bytes = ReadFile(path);
  bool upgradedOnTheFile = false;
  for (int from = 2; !upgradedOnTheFile; from += 11) {
    for (const std::string& name : FilesIn(folder.Path())) fs::remove(folder.File(name));
    std::ofstream(path, std::ios::binary) << bytes;
    {
      testing::FaultVfs vfs({testing::FaultPlan::Mode::Fail, from, SQLITE_FULL});
      GameDatabase database(path);
      testing::RecordingBoxes told;
      database.SetMessageBoxes(&told);
      // A disk that takes not even the taking back of the upgrade leaves the file unreadable until
      // the next start rolls it back: only then does this start begin afresh in memory.
      if (!StartGame(database, [](const std::string&) {})) {
        EXPECT_EQ(testing::DumpStore(database.Handle()), before) << "full from write " << from;
      }
      upgradedOnTheFile = !database.Path().empty();
      EXPECT_EQ(told.informed.empty(), upgradedOnTheFile) << "full from write " << from;
    }
    ExpectNextStartResumes();
    EXPECT_EQ(DumpElsewhere(path), before) << "full from write " << from;
  }
}

TEST_F(StartupCauses, StoreMissingATableIsCopiedAsideBeforeTheRebuildAndThePlayerIsTold) {
  ASSERT_EQ(RunElsewhere(path, "DROP TABLE Inventory"), SQLITE_OK);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_TRUE(StartGame(database, [](const std::string&) {}));
  EXPECT_EQ(InspectWorld(database).shape, WorldShape::Whole);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("table inventory"), std::string::npos) << boxes.informed[0];
  const std::vector<std::string> files = FilesIn(folder.Path());
  const auto copy = std::find_if(files.begin(), files.end(), [](const std::string& name) {
    return name.rfind("store.sqlite.incomplete-", 0) == 0;
  });
  ASSERT_NE(copy, files.end());
  EXPECT_EQ(ValueElsewhere(folder.File(*copy), "SELECT status FROM actions WHERE actiontype = 'move mirror'"), "1");
}

TEST_F(StartupCauses, OnlyTheSavedRoomMissingRestoresRoomOneAndKeepsTheGame) {
  ASSERT_EQ(RunElsewhere(path, "DROP TABLE currentroom"), SQLITE_OK);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_FALSE(StartGame(database, [](const std::string&) {}));
  ASSERT_EQ(boxes.informed.size(), 1u);
  testing::RecordingBoxes quiet;
  GameState state(database, quiet);
  EXPECT_EQ(state.ReadSavedRoom(), "1");
  EXPECT_EQ(state.GetActionStatus("move mirror"), "1");
  EXPECT_EQ(state.IsInInventory("rope"), "Y");
}

TEST_F(StartupCauses, DamageConfinedToAnIndexIsRebuiltAndTheGameGoesOn) {
  // The index's entries no longer match what its definition says: the tables are whole.
  ASSERT_EQ(RunElsewhere(path, "PRAGMA writable_schema = ON; UPDATE sqlite_schema SET sql = "
                               "'CREATE INDEX actions1 on actions(status)' WHERE name = 'actions1'"),
            SQLITE_OK);
  GameDatabase database(path);
  database.SetMessageBoxes(&boxes);
  EXPECT_EQ(database.Path(), path);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("rebuilt"), std::string::npos) << boxes.informed[0];
  EXPECT_EQ(testing::IntegrityOf(database), "ok");
  ExpectProgress(database);
}

TEST_F(StartupCauses, DamagedFilesStartedTwiceInOneSecondAreKeptUnderTwoNames) {
  for (const char* content : {"first damaged file", "second damaged file"}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content << std::string(100, '.');
    GameDatabase database(path);
    EXPECT_EQ(database.Path(), path);
  }
  int kept = 0;
  for (const std::string& name : FilesIn(folder.Path())) {
    if (name.find(".damaged-") == std::string::npos || name.find("-wal") != std::string::npos) continue;
    ++kept;
    const std::string content = ReadFile(folder.File(name));
    EXPECT_TRUE(content.rfind("first", 0) == 0 || content.rfind("second", 0) == 0) << name;
  }
  EXPECT_EQ(kept, 2);
}

TEST(StoreFiles, MovingAsideNeverReplacesAFileAndLeavesTheStoreWhenItFails) {
  testing::ScratchFolder folder;
  std::ofstream(folder.File("store")) << "the game";
  std::ofstream(folder.File("taken")) << "someone else's";
  EXPECT_FALSE(MoveStoreFile(folder.File("store"), folder.File("taken")).empty());
  EXPECT_EQ(ReadFile(folder.File("store")), "the game");
  EXPECT_EQ(ReadFile(folder.File("taken")), "someone else's");
  EXPECT_EQ(FreeFileName(folder.File("taken")), folder.File("taken-2"));
}

// A second game on the same store must not start; a lock left by a game that died is taken over.
TEST(OneGamePerStore, SecondGameSaysItIsRunningAndALockOfADeadGameIsTakenOver) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  const pid_t child = ::fork();
  if (child == 0) {
    // Dies holding the lock, as a crashed game would.
    QLockFile lock(QString::fromStdString(path + ".lock"));
    lock.tryLock(0);
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(fs::exists(path + ".lock"));

  GameApp first(path);
  ASSERT_TRUE(fs::exists(path)) << "the stale lock must have been taken over and the store opened";
  // A game played for hours holds a lock file that old: its age alone must not let a second game in.
  fs::last_write_time(path + ".lock", fs::file_time_type::clock::now() - std::chrono::hours(5));
  GameApp second(path);
  testing::RecordingBoxes boxes;
  EXPECT_EQ(second.Run(&boxes, "/opt/brackenhollow/"), 1);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("already running"), std::string::npos);
}


// A game on another machine sharing the home folder holds the lock: Qt cannot tell whether it still
// runs, and however old the lock is, it is not taken over.
TEST(OneGamePerStore, ALockOfAGameOnAnotherMachineIsNeverTakenOverHoweverOld) {
  testing::ScratchFolder folder;
  const std::string lockPath = folder.File("store.sqlite.lock");
  std::ofstream(lockPath) << "4242\nbrackenhollow\nanother-machine-of-this-player\n";
  fs::last_write_time(lockPath, fs::file_time_type::clock::now() - std::chrono::hours(5));
  QLockFile lock(QString::fromStdString(lockPath));
  EXPECT_FALSE(TakeLock(lock));
  EXPECT_TRUE(fs::exists(lockPath));
}

}  // namespace
}  // namespace brackenhollow
