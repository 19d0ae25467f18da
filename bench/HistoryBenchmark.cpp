// The Game menu's costs on the game screen's logic: an Action press with its changes recorded for
// undo beside the same press unrecorded (and both when the press changes nothing), an undo, a redo,
// and a named save written and opened, each on a store file of a built world.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "app/GameScreen.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/MessageBoxes.h"
#include "world/WorldBuild.h"

namespace {

namespace fs = std::filesystem;

// Says yes to every question: replacing a save, opening one.
class YesBoxes : public brackenhollow::MessageBoxes {
 public:
  void Inform(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return true; }
};

struct Game {
  Game()
      : folder(fs::temp_directory_path() / ("brackenhollow-history-bench-" + std::to_string(::getpid()))),
        database((fs::remove_all(folder), fs::create_directories(folder), (folder / "store.sqlite").string())),
        screen(database, boxes, "/nowhere/") {
    brackenhollow::BuildWorldDatabase(database);
    brackenhollow::GameState(database, boxes).SaveCurrentRoom(2);  // beside the lamp
    screen.PrepareStart();
    screen.EnterGame(brackenhollow::kStartChosen);
  }
  ~Game() { fs::remove_all(folder); }

  // Chooses "Turn On the" "lamp", ready for Action.
  void ChooseLamp() {
    screen.ChooseVerb(screen.Screen().verbs.IndexOf("Turn On the"));
    screen.ChooseNoun1(screen.Screen().noun1.IndexOf("lamp"));
  }

  fs::path folder;
  YesBoxes boxes;
  brackenhollow::GameDatabase database;
  brackenhollow::GameScreen screen;
};

// Turning the lamp on writes a flag, a new object and a room text: the step kept for undo is
// written in the same transaction.
void BM_ActionRecorded(benchmark::State& state) {
  Game game;
  for (auto _ : state) {
    state.PauseTiming();
    game.ChooseLamp();
    state.ResumeTiming();
    game.screen.OnAction();
    state.PauseTiming();
    game.screen.OnUndo();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ActionRecorded)->Unit(benchmark::kMicrosecond);

// The same press with nobody recording it; the lamp is put back off by hand between presses.
void BM_ActionUnrecorded(benchmark::State& state) {
  Game game;
  game.database.SetActionObserver(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    game.database.Execute("UPDATE actions SET status = 0 WHERE actiontype = 'Lamp On Room 1'");
    game.database.Execute("DELETE FROM Objects WHERE orig = 'N'");
    game.database.Execute("UPDATE Descriptions SET NewDescr = Description WHERE Roomnumber = 2");
    game.screen.OnEast();  // out to the bed and back: the room's lists and exits are read anew
    game.screen.OnWest();
    game.ChooseLamp();
    if (game.screen.CurrentRoom() != 2) state.SkipWithError("not beside the lamp");
    state.ResumeTiming();
    game.screen.OnAction();
  }
}
BENCHMARK(BM_ActionUnrecorded)->Unit(benchmark::kMicrosecond);

// The lamp already on: the press changes nothing, so recording costs only its session.
void ActionChangingNothing(benchmark::State& state, bool recorded) {
  Game game;
  game.ChooseLamp();
  game.screen.OnAction();
  if (!recorded) game.database.SetActionObserver(nullptr);
  for (auto _ : state) {
    state.PauseTiming();
    game.ChooseLamp();
    state.ResumeTiming();
    game.screen.OnAction();
  }
}
void BM_ActionChangingNothingRecorded(benchmark::State& state) { ActionChangingNothing(state, true); }
void BM_ActionChangingNothingUnrecorded(benchmark::State& state) { ActionChangingNothing(state, false); }
BENCHMARK(BM_ActionChangingNothingRecorded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ActionChangingNothingUnrecorded)->Unit(benchmark::kMicrosecond);

// Takes the lamp back off: the inverted changes applied, the player shown the room.
void BM_Undo(benchmark::State& state) {
  Game game;
  for (auto _ : state) {
    state.PauseTiming();
    game.ChooseLamp();
    game.screen.OnAction();
    state.ResumeTiming();
    game.screen.OnUndo();
  }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

void BM_Redo(benchmark::State& state) {
  Game game;
  game.ChooseLamp();
  game.screen.OnAction();
  for (auto _ : state) {
    state.PauseTiming();
    game.screen.OnUndo();
    state.ResumeTiming();
    game.screen.OnRedo();
  }
}
BENCHMARK(BM_Redo)->Unit(benchmark::kMicrosecond);

// A whole copy of the store under a name, replacing the one written before.
void BM_SaveAs(benchmark::State& state) {
  Game game;
  for (auto _ : state) game.screen.SaveGameAs("Beside the lamp");
}
BENCHMARK(BM_SaveAs)->Unit(benchmark::kMillisecond);

// The copy brought back over the store, and the room shown.
void BM_OpenSavedGame(benchmark::State& state) {
  Game game;
  game.screen.SaveGameAs("Beside the lamp");
  for (auto _ : state) game.screen.OpenSavedGame("Beside the lamp");
}
BENCHMARK(BM_OpenSavedGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
