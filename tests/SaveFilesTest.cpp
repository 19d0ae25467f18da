// The files beside the game: a lock that names no running game is taken over, thumbnails come from
// the game's own pictures, anything in the saves folder that is not a plain file is never opened, an
// interrupted save leaves nothing behind, two games save into one folder without mixing, a failed copy
// never replaces a save, and a disk error while opening a save is told as one.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLockFile>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/GameApp.h"
#include "app/SavedGamesDialog.h"
#include "app/StartGame.h"
#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "store/SavedGames.h"
#include "store/StoreCheck.h"
#include "tests/FaultVfs.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "view/PicturePath.h"
#include "view/PictureTables.h"
#include "world/StoreRules.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
}

std::string FirstValue(GameDatabase& database, const std::string& sql) {
  GameRecordset query(database);
  if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return "<failed>";
  query.MoveFirst();
  return query.IsEOF() ? "<none>" : query.GetFieldText(0);
}

// The first value sql gives on a read-only connection of its own to file.
std::string ValueIn(const std::string& file, const std::string& sql) {
  sqlite3* connection = nullptr;
  sqlite3_open_v2(file.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, sql.c_str(), -1, &statement, nullptr);
  std::string room = "<none>";
  if (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
    room = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
  }
  sqlite3_finalize(statement);
  sqlite3_close(connection);
  return room;
}

// The room a save holds.
std::string SavedRoomIn(const std::string& file) { return ValueIn(file, "SELECT room FROM currentroom"); }

std::vector<std::string> Leftovers(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().rfind(".saving", 0) == 0) names.push_back(entry.path().filename());
  }
  return names;
}

TEST(GameLock, LockThatNamesNoRunningGameIsTakenOverAndALiveOneIsRespected) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  // Killed between making the lock and writing its id; a lock of garbage; one that cannot be read.
  std::vector<std::pair<std::string, std::string>> locks = {{"empty", ""}, {"garbage", "not a process\n"}};
  if (::geteuid() != 0) locks.emplace_back("unreadable", "12345\nhost\napp\n");
  for (const auto& [what, content] : locks) {
    SCOPED_TRACE(what);
    WriteFile(path + ".lock", content);
    if (what == "unreadable") ::chmod((path + ".lock").c_str(), 0);
    GameApp first(path);
    EXPECT_TRUE(fs::exists(path)) << "the lock must have been taken over and the store opened";
    GameApp second(path);
    testing::RecordingBoxes boxes;
    EXPECT_EQ(second.Run(&boxes, "/opt/brackenhollow/"), 1);
    ASSERT_EQ(boxes.informed.size(), 1u);
    EXPECT_NE(boxes.informed[0].find("already running"), std::string::npos);
  }
}

TEST(Thumbnails, ComeFromTheRoomsOwnPicturesInTheGamesFolderNeverFromAPathInTheSave) {
  testing::ScratchFolder pictures;
  const std::string folder = pictures.Path().string() + "/";
  const std::vector<std::string> names = RoomPictureNames(9);
  ASSERT_GE(names.size(), 2u);
  for (const std::string& name : names) {
    fs::create_directories(fs::path(PictureFilePath(folder + name)).parent_path());
    WriteFile(PictureFilePath(folder + name), "picture");
  }
  NamedSave save;
  save.room = 9;
  save.picture = names[1];
  EXPECT_EQ(ThumbnailFile(save, folder), PictureFilePath(folder + names[1]));
  for (const std::string& hostile : {std::string("/../../../../etc/passwd"), std::string("\\..\\..\\fifo"),
                                     RoomPictureNames(1).front(), std::string()}) {
    save.picture = hostile;
    EXPECT_EQ(ThumbnailFile(save, folder), PictureFilePath(folder + names[0])) << hostile;
  }
  save.room = 999;
  EXPECT_EQ(ThumbnailFile(save, folder), "");
  // A pipe where the picture belongs is never opened (it would block).
  save.room = 9;
  save.picture = names[0];
  fs::remove(PictureFilePath(folder + names[0]));
  ASSERT_EQ(::mkfifo(PictureFilePath(folder + names[0]).c_str(), 0600), 0);
  EXPECT_EQ(ThumbnailFile(save, folder), "");
}

class SaveFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
  SavedGames saves{database, GameStoreRules()};
};

TEST_F(SaveFilesTest, PipesLinksAndFoldersInTheSavesFolderArePassedOverWithoutOpening) {
  ASSERT_EQ(saves.Save("real", "\\x.gif"), SaveOutcome::Saved);
  ASSERT_EQ(saves.Save("elsewhere", "\\x.gif"), SaveOutcome::Saved);
  fs::rename(saves.FileFor("elsewhere"), folder.File("elsewhere.sqlite"));
  ASSERT_EQ(::mkfifo(saves.FileFor("pipe").c_str(), 0600), 0);
  fs::create_symlink(folder.File("elsewhere.sqlite"), saves.FileFor("elsewhere"));
  fs::create_directory(saves.FileFor("folder"));
  // A pipe opened for reading would block for ever: the alarm ends the test instead.
  ::alarm(60);
  const std::vector<NamedSave> listed = saves.List();
  ::alarm(0);
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "real");
  for (const char* name : {"pipe", "elsewhere", "folder"}) EXPECT_EQ(saves.Open(name).outcome, OpenOutcome::NotFound) << name;
}

TEST_F(SaveFilesTest, LeftoversOfInterruptedSavesGoAtStartButASaveBeingWrittenStays) {
  ASSERT_EQ(saves.Save("real", "\\x.gif"), SaveOutcome::Saved);
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  const std::string dead = ".saving-" + std::to_string(child) + "-Ab12Cd";
  const std::string running = ".saving-" + std::to_string(::getpid()) + "-Ef34Gh";
  for (const std::string& name : {std::string(".saving.partial"), std::string(".saving.partial-journal"), dead,
                                  dead + "-journal", running}) {
    WriteFile(saves.Folder() + "/" + name, "partial");
  }
  VetStartingStore(database);
  EXPECT_EQ(Leftovers(saves.Folder()), std::vector<std::string>{running});
  EXPECT_EQ(saves.List().size(), 1u);
}

TEST_F(SaveFilesTest, SaveWhoseCopyFailsLeavesTheSaveOfThatNameAndNothingElse) {
  state.SaveCurrentRoom(5);
  ASSERT_EQ(saves.Save("slot", "\\x.gif"), SaveOutcome::Saved);
  state.SaveCurrentRoom(7);
  for (const int error : {SQLITE_FULL, SQLITE_IOERR}) {
    for (const int from : {1, 3, 10}) {
      testing::FaultVfs vfs({testing::FaultPlan::Mode::Fail, from, error});
      EXPECT_EQ(saves.Save("slot", "\\x.gif"), SaveOutcome::Failed) << from;
      EXPECT_GT(vfs.Failed(), 0);
    }
  }
  EXPECT_EQ(SavedRoomIn(saves.FileFor("slot")), "5");
  EXPECT_TRUE(Leftovers(saves.Folder()).empty());
  EXPECT_EQ(saves.List().size(), 1u);
}

TEST_F(SaveFilesTest, DistinctNamesNeverShareAFile) {
  const std::vector<std::string> names = {"Slot", "slot", "SLOT", "a b",  "a_b", "a-b", "a%20b", "a%2520b",
                                          "%",    "%25",  "A",    "%41",  "a.b", "a..b", "ab.", "a/b"};
  std::set<std::string> files;
  for (std::size_t index = 0; index < names.size(); ++index) {
    files.insert(saves.FileFor(names[index]));
    state.SaveCurrentRoom(static_cast<int>(index) + 1);
    ASSERT_EQ(saves.Save(names[index], "\\x.gif"), SaveOutcome::Saved) << names[index];
  }
  EXPECT_EQ(files.size(), names.size());
  EXPECT_EQ(saves.List().size(), names.size());
  for (std::size_t index = 0; index < names.size(); ++index) {
    EXPECT_EQ(SavedRoomIn(saves.FileFor(names[index])), std::to_string(index + 1)) << names[index];
  }
}

TEST_F(SaveFilesTest, StoreAndSavesKeepTheDurabilityTheyPromise) {
  EXPECT_EQ(FirstValue(database, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(FirstValue(database, "PRAGMA synchronous"), "1");  // normal: every commit survives a crash
  ASSERT_EQ(saves.Save("slot", "\\x.gif"), SaveOutcome::Saved);
  // A save is one self-contained file: no log beside it that a copy could leave behind.
  EXPECT_EQ(ValueIn(saves.FileFor("slot"), "PRAGMA journal_mode"), "delete");
  EXPECT_EQ(saves.Open("slot").outcome, OpenOutcome::Opened);
  EXPECT_EQ(FirstValue(database, "PRAGMA journal_mode"), "wal");
  EXPECT_EQ(FirstValue(database, "PRAGMA synchronous"), "1");
}

// SQLite may end a transaction by itself (a full disk); the action's later writes must not then be
// committed on their own.
TEST_F(SaveFilesTest, WritesStopOnceTheStoreHasTakenTheActionBack) {
  const std::string before = testing::DumpWorld(database);
  {
    ActionTransaction action(database);
    state.AddToInventory("rat");
    ASSERT_TRUE(database.Execute("ROLLBACK"));
    state.AddToInventory("shovel");
    state.SaveCurrentRoom(40);
    EXPECT_TRUE(action.Lost());
    EXPECT_FALSE(action.Commit());
  }
  EXPECT_EQ(testing::DumpWorld(database), before);
}

TEST_F(SaveFilesTest, DiskErrorWhileOpeningASaveIsToldAsADiskError) {
  ASSERT_EQ(saves.Save("slot", "\\x.gif"), SaveOutcome::Saved);
  testing::FaultVfs vfs;
  GameDatabase live(folder.File("store.sqlite"));
  SavedGames liveSaves(live, GameStoreRules());
  const std::string game = testing::DumpStore(live.Handle(), true);
  vfs.SetPlan({testing::FaultPlan::Mode::Fail, 1, SQLITE_IOERR});
  const SaveOpening opening = liveSaves.Open("slot");
  vfs.SetPlan({});
  EXPECT_EQ(opening.outcome, OpenOutcome::Failed);
  EXPECT_NE(opening.reason.find("disk I/O error"), std::string::npos) << opening.reason;
  EXPECT_EQ(opening.reason.find("damaged"), std::string::npos) << opening.reason;
  EXPECT_EQ(testing::DumpStore(live.Handle(), true), game);
}

// Two games in one folder (two store files) save at the same moment: every save holds its own
// game, whole, and nothing is left behind.
TEST(TwoGames, SavingIntoOneFolderAtOnceNeverMixesTheirSaves) {
  testing::ScratchFolder folder;
  constexpr int kSaves = 25;
  const auto play = [&folder](const std::string& game, int room) {
    GameDatabase database(folder.File(game + ".sqlite"));
    if (!BuildWorldDatabase(database)) return kSaves * 2;
    testing::RecordingBoxes boxes;
    GameState(database, boxes).SaveCurrentRoom(room);
    SavedGames saves(database, GameStoreRules());
    int failed = 0;
    for (int index = 0; index < kSaves; ++index) {
      failed += saves.Save(game + "-" + std::to_string(index), "\\x.gif") == SaveOutcome::Saved ? 0 : 1;
      failed += saves.Save("shared", "\\x.gif") == SaveOutcome::Saved ? 0 : 1;
    }
    return failed;
  };
  // Both stores exist before the race, so that only the saves run at once.
  { GameDatabase a(folder.File("a.sqlite")); }
  { GameDatabase b(folder.File("b.sqlite")); }
  const pid_t child = ::fork();
  if (child == 0) ::_exit(play("b", 7));
  const int failedHere = play("a", 5);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(failedHere, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);

  GameDatabase reader(folder.File("a.sqlite"));
  SavedGames saves(reader, GameStoreRules());
  for (int index = 0; index < kSaves; ++index) {
    EXPECT_EQ(SavedRoomIn(saves.FileFor("a-" + std::to_string(index))), "5") << index;
    EXPECT_EQ(SavedRoomIn(saves.FileFor("b-" + std::to_string(index))), "7") << index;
  }
  const std::string shared = SavedRoomIn(saves.FileFor("shared"));
  EXPECT_TRUE(shared == "5" || shared == "7") << shared;
  for (const NamedSave& save : saves.List()) EXPECT_TRUE(save.problem.empty()) << save.name << ": " << save.problem;
  EXPECT_EQ(saves.List().size(), 2u * kSaves + 1);
  EXPECT_TRUE(Leftovers(saves.Folder()).empty());
}

}  // namespace
}  // namespace brackenhollow
