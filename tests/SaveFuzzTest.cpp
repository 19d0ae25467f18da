// Fuzz: a real save with one byte flipped or cut short, opened over a game in play. Each case has a
// time bound; every one must end in a refusal that leaves the game untouched or in a whole game that
// passes the store check, and none may raise a false alarm (a disk error for a damaged file, a notice).
// The quick run flips and cuts every byte of the file's first kilobyte (its header and the start of
// its schema) and every 61st byte after; the disabled run takes every byte of the file.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/GameScreen.h"
#include "store/GameDatabase.h"
#include "store/SavedGames.h"
#include "store/StoreCheck.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "tests/Watchdog.h"
#include "world/StoreRules.h"

namespace brackenhollow {
namespace {

constexpr std::size_t kOpeningLines = 60;
constexpr auto kCaseBound = std::chrono::seconds(20);

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << content;
}

// The places to damage: every byte up to whole, then every stride-th byte.
std::vector<std::size_t> Places(std::size_t size, std::size_t whole, std::size_t stride) {
  std::vector<std::size_t> places;
  for (std::size_t at = 0; at < size; at += at < whole ? 1 : stride) places.push_back(at);
  return places;
}

void FuzzASave(std::size_t whole, std::size_t stride) {
  testing::ScratchFolder folder;
  GameDatabase database(folder.File("store.sqlite"));
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  SavedGames saves(database, GameStoreRules());
  {
    GameScreen screen(database, boxes, "/opt/brackenhollow/");
    std::vector<std::string> lines = testing::ScriptLines("walkthrough.txt");
    lines.resize(kOpeningLines);
    for (const std::string& line : lines) ASSERT_TRUE(testing::PlayLine(screen, database, line)) << line;
    screen.SaveCurrentRoom();
  }
  ASSERT_EQ(saves.Save("real", "\\x.gif"), SaveOutcome::Saved);
  const std::string real = ReadFile(saves.FileFor("real"));
  ASSERT_GT(real.size(), 4096u);
  // The game in play differs from the save, so that a load shows.
  ASSERT_TRUE(database.Execute("UPDATE currentroom SET room = 3"));
  const std::string game = testing::DumpStore(database.Handle(), true);
  const std::string file = saves.FileFor("fuzz");

  testing::Watchdog watchdog(kCaseBound);
  int cases = 0;
  int refused = 0;
  int opened = 0;
  int partial = 0;
  int falseAlarms = 0;
  const std::vector<std::size_t> places = Places(real.size(), std::min(whole, real.size()), stride);
  for (const bool cut : {false, true}) {
    for (const std::size_t at : places) {
      std::string damaged = real;
      if (cut) {
        damaged.resize(at);
      } else {
        damaged[at] = static_cast<char>(damaged[at] ^ 0xff);
      }
      WriteFile(file, damaged);
      const std::string what = std::string(cut ? "cut at " : "flip at ") + std::to_string(at);
      watchdog.Arm(what);
      const SaveOpening opening = saves.Open("fuzz");
      watchdog.Disarm();
      ++cases;
      if (!boxes.informed.empty() || opening.outcome == OpenOutcome::Failed ||
          opening.outcome == OpenOutcome::NotFound) {
        ++falseAlarms;
        ADD_FAILURE() << what << ": " << (boxes.informed.empty() ? opening.reason : boxes.informed.front());
        boxes.informed.clear();
      } else if (opening.outcome == OpenOutcome::Refused) {
        ++refused;
        if (testing::DumpStore(database.Handle(), true) != game) {
          ++partial;
          ADD_FAILURE() << what << ": refused, yet the game changed";
        }
      } else {
        ++opened;
        const StoreCheck check = CheckStoreFile(database.Handle(), GameStoreRules());
        if (!check.Sound()) {
          ++partial;
          ADD_FAILURE() << what << ": opened a save the game does not pass: " << check.reason;
        }
        // Back to the game in play for the next case.
        WriteFile(file, real);
        ASSERT_EQ(saves.Open("fuzz").outcome, OpenOutcome::Opened);
        ASSERT_TRUE(database.Execute("UPDATE currentroom SET room = 3"));
      }
    }
  }
  std::printf("save fuzz: %zu bytes, %d cases, %d refused, %d opened whole, %d partial, %d false alarms, 0 hangs\n",
              real.size(), cases, refused, opened, partial, falseAlarms);
  EXPECT_EQ(partial, 0);
  EXPECT_EQ(falseAlarms, 0);
}

TEST(SaveFuzz, EveryByteOfTheHeaderAndASpreadOfTheRestRefusedOrOpenedWhole) { FuzzASave(1024, 61); }

TEST(SaveFuzz, DISABLED_EveryByteOfTheWholeFileRefusedOrOpenedWhole) { FuzzASave(SIZE_MAX, 1); }

}  // namespace
}  // namespace brackenhollow
