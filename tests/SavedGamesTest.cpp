// Named saves: a save opened later is exactly that game, undo history included; names of any text
// stay inside the saves folder; bad saves and unknown names change nothing.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>

#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "store/SavedGames.h"
#include "store/UndoHistory.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/StoreRules.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

class SavedGamesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  std::string Dump() { return testing::DumpStore(database.Handle(), true); }

  // Every file under the scratch folder, relative to it.
  std::vector<std::string> FilesUnderScratch() const {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
      files.push_back(fs::relative(entry.path(), folder.Path()).string());
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
  UndoHistory history{database, [] { return 2; }};
  SavedGames saves{database, GameStoreRules()};
};

TEST_F(SavedGamesTest, OpenedSaveIsExactlyTheSavedGameWithItsHistory) {
  {
    ActionTransaction action(database);
    state.SetActionStatus("Lamp On Room 1", "1");
    state.AddToInventory("letter");
    ASSERT_TRUE(action.Commit());
  }
  state.SaveCurrentRoom(9);
  const std::string saved = Dump();
  ASSERT_EQ(saves.Save("Before the mirror", "\\eastside move mirror not yet.gif"), SaveOutcome::Saved);
  EXPECT_EQ(Dump(), saved);  // saving leaves the game as it was

  ASSERT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  state.AddToInventory("crowbar");
  state.SaveCurrentRoom(40);
  ASSERT_NE(Dump(), saved);

  ASSERT_EQ(saves.Open("Before the mirror").outcome, OpenOutcome::Opened);
  EXPECT_EQ(Dump(), saved);
  // The store keeps its own journal, and with it what it promises about crashes.
  GameRecordset mode(database);
  ASSERT_TRUE(mode.Open("PRAGMA journal_mode", kCursorForwardOnly, kLockReadOnly));
  EXPECT_EQ(mode.GetFieldText(0), "wal");
  mode.Close();
  // The history came with it: the action before the save can still be taken back.
  const HistoryStep step = history.Undo();
  EXPECT_EQ(step.outcome, HistoryOutcome::Done);
  EXPECT_EQ(step.room, 2);
  EXPECT_EQ(state.GetActionStatus("Lamp On Room 1"), "0");

  const std::vector<NamedSave> listed = saves.List();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].name, "Before the mirror");
  EXPECT_EQ(listed[0].room, 9);
  EXPECT_FALSE(listed[0].roomName.empty());
  EXPECT_EQ(listed[0].picture, "\\eastside move mirror not yet.gif");
  EXPECT_GT(listed[0].savedAt, 1'700'000'000);
}

TEST_F(SavedGamesTest, SavingAgainUnderANameReplacesThatSaveOnly) {
  ASSERT_EQ(saves.Save("slot", "\\a.gif"), SaveOutcome::Saved);
  ASSERT_EQ(saves.Save("other", "\\b.gif"), SaveOutcome::Saved);
  state.AddToInventory("crowbar");
  const std::string second = Dump();
  ASSERT_EQ(saves.Save("  slot ", "\\c.gif"), SaveOutcome::Saved);  // blanks at the ends do not count
  ASSERT_EQ(saves.Open("other").outcome, OpenOutcome::Opened);
  EXPECT_EQ(state.IsInInventory("crowbar"), "N");
  ASSERT_EQ(saves.Open("slot").outcome, OpenOutcome::Opened);
  EXPECT_EQ(Dump(), second);
  EXPECT_EQ(saves.List().size(), 2u);
}

TEST_F(SavedGamesTest, HostileNamesAreKeptInsideTheSavesFolderUnderDistinctFiles) {
  const std::vector<std::string> names = {
      "../../escape",   "/etc/passwd",       "..",          ".",  "a/b",  "a%2Fb",      "a\\b",
      "it's \"quoted\"", "`rm -rf ~`; echo", "名前のセーブ", "Ünïcödé Straße", "-dash", ".hidden",
      std::string("nul\0inside", 10), "tab\there",
  };
  for (const std::string& name : names) {
    ASSERT_EQ(saves.Save(name, "\\x.gif"), SaveOutcome::Saved) << name;
    const fs::path file = saves.FileFor(name);
    EXPECT_EQ(file.parent_path(), fs::path(saves.Folder())) << name;
    EXPECT_NE(file.filename().string().front(), '.') << name;
  }
  std::vector<std::string> listed;
  for (const NamedSave& save : saves.List()) listed.push_back(save.name);
  std::vector<std::string> expected = names;
  std::sort(expected.begin(), expected.end());
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, expected);  // one file each, and each reads back its own name

  for (const std::string& path : FilesUnderScratch()) {
    EXPECT_TRUE(path == "saves" || path.rfind("saves/", 0) == 0 || path.rfind("store.sqlite", 0) == 0) << path;
  }
  EXPECT_FALSE(fs::exists(folder.Path().parent_path() / "escape"));
  for (const std::string& name : names) EXPECT_EQ(saves.Open(name).outcome, OpenOutcome::Opened) << name;
}

TEST_F(SavedGamesTest, EmptyAndOverlongNamesAreRefusedWithoutWriting) {
  EXPECT_EQ(saves.Save("", "\\x.gif"), SaveOutcome::NameEmpty);
  EXPECT_EQ(saves.Save(" \t ", "\\x.gif"), SaveOutcome::NameEmpty);
  EXPECT_EQ(saves.Save(std::string(300, 'a'), "\\x.gif"), SaveOutcome::NameTooLong);
  // Non-Latin letters take more room in a file name than Latin ones.
  EXPECT_EQ(saves.Save(std::string(150, 'a'), "\\x.gif"), SaveOutcome::Saved);
  std::string longNonLatin;
  for (int index = 0; index < 30; ++index) longNonLatin += "名";
  EXPECT_EQ(saves.Save(longNonLatin, "\\x.gif"), SaveOutcome::NameTooLong);
  EXPECT_EQ(saves.List().size(), 1u);
  EXPECT_EQ(saves.Open(std::string(300, 'a')).outcome, OpenOutcome::NotFound);
}

TEST_F(SavedGamesTest, UnknownOrDamagedSavesLeaveTheGameAsItIs) {
  state.AddToInventory("crowbar");
  const std::string game = Dump();
  EXPECT_EQ(saves.Open("never saved").outcome, OpenOutcome::NotFound);

  ASSERT_EQ(saves.Save("broken", "\\x.gif"), SaveOutcome::Saved);
  {
    std::ofstream damage(saves.FileFor("broken"), std::ios::binary | std::ios::trunc);
    damage << "SQLite format 3" << std::string(5000, '\x7f');
  }
  const SaveOpening opening = saves.Open("broken");
  EXPECT_EQ(opening.outcome, OpenOutcome::Refused);
  EXPECT_NE(opening.reason.find("damaged"), std::string::npos) << opening.reason;
  EXPECT_EQ(Dump(), game);
  // Offered only with the reason it cannot be opened.
  const std::vector<NamedSave> listed = saves.List();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].problem, opening.reason);
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(SavedGamesTest, ListingShowsTheNewestSaveFirstAndSavesOfOneMomentByName) {
  for (const char* name : {"b oldest", "c newest", "a also newest"}) {
    ASSERT_EQ(saves.Save(name, "\\x.gif"), SaveOutcome::Saved);
  }
  // When each was saved, as the listing reads it from the file.
  for (const auto& [name, when] : {std::pair<const char*, int>{"b oldest", 1000}, {"c newest", 3000},
                                   {"a also newest", 3000}}) {
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open(saves.FileFor(name).c_str(), &file), SQLITE_OK);
    const std::string sql = "UPDATE saved_game SET saved_at = " + std::to_string(when);
    EXPECT_EQ(sqlite3_exec(file, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(file);
  }
  std::vector<std::string> order;
  for (const NamedSave& save : saves.List()) order.push_back(save.name);
  EXPECT_EQ(order, (std::vector<std::string>{"a also newest", "c newest", "b oldest"}));
}

TEST(SavedGamesInMemory, StoreWithoutAFileHasNoSaves) {
  GameDatabase database(":memory:");
  SavedGames saves(database, GameStoreRules());
  EXPECT_TRUE(saves.Folder().empty());
  EXPECT_EQ(saves.Save("anything", "\\x.gif"), SaveOutcome::NoFolder);
  EXPECT_TRUE(saves.List().empty());
}

}  // namespace
}  // namespace brackenhollow
