// The game screen end to end, through the real dialog and its widgets on the offscreen platform:
// start-up to the first screen, one move, and one Action press, with the store queries each runs.

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <filesystem>

#include "app/GameDialog.h"
#include "store/GameDatabase.h"
#include "store/MessageBoxes.h"
#include "world/WorldBuild.h"

namespace {

namespace fs = std::filesystem;
using brackenhollow::Control;

class SilentBoxes : public brackenhollow::MessageBoxes {
 public:
  void Inform(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

// Counts the statements the store runs, to report queries per operation.
int CountStatement(unsigned, void* counter, void*, void*) {
  ++*static_cast<long*>(counter);
  return 0;
}

struct Game {
  Game()
      : path(fs::temp_directory_path() / ("brackenhollow-screen-bench-" + std::to_string(::getpid()) + ".sqlite")),
        database((fs::remove(path), path.string())) {
    brackenhollow::BuildWorldDatabase(database);
    sqlite3_trace_v2(database.Handle(), SQLITE_TRACE_STMT, CountStatement, &statements);
  }
  ~Game() {
    for (const char* suffix : {"", "-wal", "-shm"}) fs::remove(path.string() + suffix);
  }

  std::unique_ptr<brackenhollow::GameDialog> OpenScreen() {
    auto dialog = std::make_unique<brackenhollow::GameDialog>(database, boxes, "/nowhere/");
    dialog->PrepareStart();
    dialog->EnterGame("N");
    return dialog;
  }

  static void Choose(QComboBox* list, const char* text) { list->setCurrentIndex(list->findText(text)); }

  fs::path path;
  SilentBoxes boxes;
  brackenhollow::GameDatabase database;
  long statements = 0;
};

void Report(benchmark::State& state, const Game& game, long before, long operations) {
  state.counters["queries"] = static_cast<double>(game.statements - before) / static_cast<double>(operations);
}

void BM_StartUpToFirstScreen(benchmark::State& state) {
  Game game;
  const long before = game.statements;
  for (auto _ : state) benchmark::DoNotOptimize(game.OpenScreen());
  Report(state, game, before, state.iterations());
}
BENCHMARK(BM_StartUpToFirstScreen)->Unit(benchmark::kMillisecond);

void BM_Move(benchmark::State& state) {
  Game game;
  auto dialog = game.OpenScreen();
  const long before = game.statements;
  bool east = true;
  for (auto _ : state) {
    dialog->Button(east ? Control::East : Control::West)->click();
    east = !east;
  }
  Report(state, game, before, state.iterations());
}
BENCHMARK(BM_Move)->Unit(benchmark::kMicrosecond);

// Presses Action with verb and noun chosen, once per iteration, and reports the queries it ran.
void PressAction(benchmark::State& state, Game& game, brackenhollow::GameDialog& dialog, const char* verb,
                 const char* noun) {
  long queries = 0;
  for (auto _ : state) {
    Game::Choose(dialog.List(Control::VerbList), verb);
    Game::Choose(dialog.List(Control::Noun1List), noun);
    const long before = game.statements;
    dialog.Button(Control::Action)->click();
    queries += game.statements - before;
  }
  state.counters["queries"] = static_cast<double>(queries) / static_cast<double>(state.iterations());
}

void BM_ActionLookAt(benchmark::State& state) {
  Game game;
  auto dialog = game.OpenScreen();
  PressAction(state, game, *dialog, "Look at", "bed");
}
BENCHMARK(BM_ActionLookAt)->Unit(benchmark::kMicrosecond);

// A puzzle that ends by choosing the room picture anew: moving the mirror (after the first time,
// its repeat message, which closes the same way).
void BM_ActionPuzzleWithRoomPicture(benchmark::State& state) {
  Game game;
  auto dialog = game.OpenScreen();
  dialog->Button(Control::East)->click();
  PressAction(state, game, *dialog, "Move the", "mirror");
}
BENCHMARK(BM_ActionPuzzleWithRoomPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
