// Fuzz: a real undo step damaged at every byte and cut at every length, under Undo and Redo, kept
// with its checksum (damage on disk) and with a checksum made to match (a forged save). Each case has
// a time bound; none may hang, apply part of a step, or raise a false alarm.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/GameScreen.h"
#include "store/GameDatabase.h"
#include "store/UndoHistory.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/HistoryRows.h"
#include "tests/TestSupport.h"
#include "tests/Watchdog.h"

namespace brackenhollow {
namespace {

constexpr std::size_t kOpeningLines = 60;
constexpr auto kCaseBound = std::chrono::seconds(10);

void CopyWhole(sqlite3* to, sqlite3* from) {
  sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
  ASSERT_NE(backup, nullptr);
  ASSERT_EQ(sqlite3_backup_step(backup, -1), SQLITE_DONE);
  ASSERT_EQ(sqlite3_backup_finish(backup), SQLITE_OK);
}

using testing::ReadStep;
using testing::StepRow;
using testing::WriteStep;

struct Tally {
  int cases = 0;
  int refused = 0;
  int rightStep = 0;    // applied, and the state is the one the real step gives
  int otherWhole = 0;   // a forged step applied whole: a state of its own, every change in it made
  int partial = 0;
  int falseAlarms = 0;  // a notice or a store failure for what is only a damaged step
};

TEST(HistoryFuzz, EveryFlippedByteAndEveryCutOfARealStepIsRefusedOrAppliedWhole) {
  GameDatabase database(kMemoryStore);
  testing::RecordingBoxes boxes;
  database.SetMessageBoxes(&boxes);
  {
    GameScreen screen(database, boxes, "/opt/brackenhollow/");
    std::vector<std::string> lines = testing::ScriptLines("walkthrough.txt");
    lines.resize(kOpeningLines);
    for (const std::string& line : lines) ASSERT_TRUE(testing::PlayLine(screen, database, line)) << line;
  }
  UndoHistory history(database, [] { return 1; });
  GameDatabase done(kMemoryStore);    // the game with its newest step done
  GameDatabase undone(kMemoryStore);  // the same with that step undone
  CopyWhole(done.Handle(), database.Handle());
  const std::string doneWorld = testing::DumpWorld(database);
  ASSERT_EQ(history.Undo().outcome, HistoryOutcome::Done);
  const std::string undoneWorld = testing::DumpWorld(database);
  CopyWhole(undone.Handle(), database.Handle());
  ASSERT_TRUE(boxes.informed.empty());

  testing::Watchdog watchdog(kCaseBound);
  Tally tally;
  for (const bool undo : {true, false}) {
    GameDatabase& base = undo ? done : undone;
    const std::string& baseWorld = undo ? doneWorld : undoneWorld;
    const std::string& rightWorld = undo ? undoneWorld : doneWorld;
    const StepRow real = ReadStep(base.Handle(), undo);
    ASSERT_GT(real.changes.size(), 20u);
    std::vector<std::string> damaged;
    for (std::size_t at = 0; at < real.changes.size(); ++at) {
      std::string flipped = real.changes;
      flipped[at] = static_cast<char>(flipped[at] ^ 0xff);
      damaged.push_back(flipped);
    }
    for (std::size_t length = 0; length < real.changes.size(); ++length) damaged.push_back(real.changes.substr(0, length));
    for (std::size_t index = 0; index < damaged.size(); ++index) {
      for (const bool forged : {false, true}) {
        StepRow row = real;
        row.changes = damaged[index];
        if (forged) row.checksum = StepChecksum(row.step, row.room, row.changes.data(), row.changes.size());
        CopyWhole(database.Handle(), base.Handle());
        WriteStep(database.Handle(), row);
        const std::string what = std::string(undo ? "undo" : "redo") + (forged ? ", forged" : "") + ", case " +
                                 std::to_string(index) + (index < real.changes.size() ? " (flip)" : " (cut)");
        watchdog.Arm(what);
        const HistoryStep step = undo ? history.Undo() : history.Redo();
        watchdog.Disarm();
        ++tally.cases;
        const std::string world = testing::DumpWorld(database);
        if (!boxes.informed.empty() || step.outcome == HistoryOutcome::Failed) {
          ++tally.falseAlarms;
          ADD_FAILURE() << what << ": " << (boxes.informed.empty() ? step.cause : boxes.informed.front());
          boxes.informed.clear();
        } else if (step.outcome == HistoryOutcome::Refused) {
          ++tally.refused;
          if (world != baseWorld) {
            ++tally.partial;
            ADD_FAILURE() << what << ": refused, yet the game changed";
          }
        } else if (world == rightWorld) {
          ++tally.rightStep;
        } else if (!forged || testing::IntegrityOf(database) != "ok") {
          ++tally.partial;
          ADD_FAILURE() << what << ": a damaged step was applied";
        } else {
          ++tally.otherWhole;
        }
      }
    }
  }
  std::printf("history fuzz: %d cases, %d refused, %d applied as the real step, %d forged steps applied whole, "
              "%d partial, %d false alarms, 0 hangs\n",
              tally.cases, tally.refused, tally.rightStep, tally.otherWhole, tally.partial, tally.falseAlarms);
  EXPECT_EQ(tally.partial, 0);
  EXPECT_EQ(tally.falseAlarms, 0);
}

}  // namespace
}  // namespace brackenhollow
