// The store in trouble, with real files: a damaged file, a full disk, a store that refuses writes,
// and a world build killed part-way.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Read(GameDatabase& database, const std::string& sql) {
  GameRecordset query(database);
  if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return "<not open>";
  return query.GetFieldText(0);
}

TEST(StoreTrouble, DamagedFileIsKeptAsideWithItsJournalAndPlayerIsToldOnce) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  WriteFile(path, "this was never a game store, just text long enough to look like a file");
  WriteFile(path + "-wal", "journal bytes");

  GameDatabase database(path);
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);

  ASSERT_EQ(boxes.informed.size(), 1u);
  fs::path kept;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path())) {
    const std::string name = entry.path().filename().string();
    if (name.find(".damaged-") != std::string::npos && name.find("-wal") == std::string::npos) kept = entry.path();
  }
  ASSERT_FALSE(kept.empty());
  EXPECT_NE(boxes.informed[0].find(kept.string()), std::string::npos) << boxes.informed[0];
  EXPECT_EQ(ReadFile(kept), "this was never a game store, just text long enough to look like a file");
  EXPECT_EQ(ReadFile(kept.string() + "-wal"), "journal bytes");

  // The fresh store in its place takes a whole world.
  ASSERT_TRUE(BuildWorldDatabase(database));
  EXPECT_EQ(Read(database, "select count(*) from descriptions"), std::to_string(kRoomCount));
  EXPECT_EQ(boxes.informed.size(), 1u);
}

TEST(StoreTrouble, HealthyStoreOpensWithoutANotice) {
  testing::ScratchFolder folder;
  { GameDatabase first(folder.File("store.sqlite")); ASSERT_TRUE(BuildWorldDatabase(first)); }
  GameDatabase database(folder.File("store.sqlite"));
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  EXPECT_TRUE(boxes.informed.empty());
  EXPECT_EQ(Read(database, "select room from currentroom"), "1");
}

TEST(StoreTrouble, FolderThatCannotHoldAStoreFallsBackToMemoryAndSaysSo) {
  testing::ScratchFolder folder;
  const std::string blocker = folder.File("not-a-folder");
  WriteFile(blocker, "a file where a folder should be");
  GameDatabase database(blocker + "/store.sqlite");
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("progress will be lost"), std::string::npos);
  ASSERT_TRUE(BuildWorldDatabase(database));
  EXPECT_EQ(Read(database, "select count(*) from actions"), std::to_string(kKeyCount));
}

class RefusedWrites : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    database.SetMessageBoxes(&boxes);
    state.AddToInventory("rope");
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
};

TEST_F(RefusedWrites, FullDiskIsReportedOnceAndKeepsWhatWasSaved) {
  const std::string pages = Read(database, "PRAGMA page_count");
  ASSERT_TRUE(database.Execute("PRAGMA max_page_count = " + pages));
  const std::string bulky(64 * 1024, 'x');
  state.AddToInventory(bulky);
  state.AddToInventory(bulky + "y");
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_NE(boxes.informed[0].find("could not be saved"), std::string::npos) << boxes.informed[0];
  EXPECT_EQ(state.IsInInventory("rope"), "Y");
  EXPECT_EQ(state.IsInInventory(bulky), "N");
}

TEST_F(RefusedWrites, ReadOnlyStoreIsReportedOnce) {
  ASSERT_TRUE(database.Execute("PRAGMA query_only = 1"));
  state.SetActionStatus("move mirror", "1");
  state.AddToInventory("teapot");
  ASSERT_EQ(boxes.informed.size(), 1u);
  EXPECT_EQ(state.GetActionStatus("move mirror"), "0");
  EXPECT_EQ(state.IsInInventory("teapot"), "N");
}

TEST_F(RefusedWrites, BuildThatCannotFinishLeavesTheGameAsItWas) {
  state.SetActionStatus("move mirror", "1");
  ASSERT_TRUE(database.Execute("PRAGMA query_only = 1"));
  EXPECT_FALSE(BuildWorldDatabase(database));
  ASSERT_TRUE(database.Execute("PRAGMA query_only = 0"));
  EXPECT_EQ(state.GetActionStatus("move mirror"), "1");
  EXPECT_EQ(state.IsInInventory("rope"), "Y");
}

// Runs a world build in a child process that is killed after statement stopAfter, as a player
// pulling the plug would; returns the child's termination signal.
int KillBuildPartWay(const std::string& path, std::size_t stopAfter) {
  const pid_t child = ::fork();
  if (child == 0) {
    GameDatabase database(path);
    BuildWorldDatabase(database, [stopAfter](std::size_t index) {
      if (index == stopAfter) ::raise(SIGKILL);
    });
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST(InterruptedBuild, GameInProgressSurvivesAKilledRebuild) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  {
    GameDatabase database(path);
    ASSERT_TRUE(BuildWorldDatabase(database));
    testing::RecordingBoxes boxes;
    GameState state(database, boxes);
    state.SetActionStatus("move mirror", "1");
    state.AddToInventory("rope");
    state.PlaceObjectInRoom("9", "rope", "1", "1", "It's a nice long rope.");
  }
  ASSERT_EQ(KillBuildPartWay(path, 200), SIGKILL);

  GameDatabase database(path);
  testing::RecordingBoxes boxes;
  GameState state(database, boxes);
  EXPECT_EQ(state.GetActionStatus("move mirror"), "1");
  EXPECT_EQ(state.IsInInventory("rope"), "Y");
  // The starting world's objects and the rope placed in play.
  EXPECT_EQ(Read(database, "select count(*) from objects"), std::to_string(kObjectRowCount + 1));
  EXPECT_EQ(Read(database, "select count(*) from descriptions"), std::to_string(kRoomCount));
  EXPECT_TRUE(boxes.informed.empty());
}

TEST(InterruptedBuild, KilledFirstBuildLeavesNoWorldSoTheNextStartBuildsIt) {
  testing::ScratchFolder folder;
  const std::string path = folder.File("store.sqlite");
  ASSERT_EQ(KillBuildPartWay(path, 100), SIGKILL);
  GameDatabase database(path);
  EXPECT_EQ(Read(database, "select room from currentroom"), "<not open>");
  ASSERT_TRUE(BuildWorldDatabase(database));
  EXPECT_EQ(Read(database, "select count(*) from objects"), std::to_string(kObjectRowCount));
}

}  // namespace
}  // namespace brackenhollow
