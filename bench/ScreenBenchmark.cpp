// The game screen end to end, through the real window and its widgets: start-up to the first screen,
// one move, one Action press (with the store queries each runs), one repaint of a 1920x1080 window,
// and a whole process from its start to the first painted start window and game window.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; for the figures on a real X server:
//   QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/brackenhollow_screen_bench

#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/GameApp.h"
#include "app/GameDialog.h"
#include "app/GameWindow.h"
#include "app/SplashDialog.h"
#include "store/GameDatabase.h"
#include "store/SilentBoxes.h"
#include "world/WorldBuild.h"

namespace {

namespace fs = std::filesystem;
using brackenhollow::Control;

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
  brackenhollow::SilentBoxes boxes;
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

// One repaint of the whole game window at 1920 x 1080, the picture beside the text.
void BM_RepaintFullHdWindow(benchmark::State& state) {
  Game game;
  brackenhollow::GameWindow window(game.database, game.boxes, brackenhollow::ProgramDirectory());
  window.Game().PrepareStart();
  window.Game().EnterGame("N");
  window.resize(1920, 1080);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) state.SkipWithError("the window was never shown");
  QApplication::processEvents();
  for (auto _ : state) window.repaint();
  window.hide();
}
BENCHMARK(BM_RepaintFullHdWindow)->Unit(benchmark::kMillisecond);

constexpr char kFirstPaintChild[] = "--first-paint-child";

// In the child process: runs the game as the program does and writes "start" when the start window
// first painted, "game" when the game window did (after Continue, pressed at once), then quits.
int RunFirstPaintChild(const char* storePath) {
  struct Watcher : QObject {
    bool eventFilter(QObject* object, QEvent* event) override {
      auto* widget = qobject_cast<QWidget*>(object);
      if (widget == nullptr || event->type() != QEvent::Paint) return false;
      if (!startPainted && qobject_cast<brackenhollow::SplashDialog*>(widget->window()) != nullptr) {
        startPainted = true;
        auto* splash = static_cast<brackenhollow::SplashDialog*>(widget->window());
        // Reported once this paint is done, then the player continues.
        QTimer::singleShot(0, splash, [splash] {
          Say("start\n");
          splash->StartButton()->click();
        });
      } else if (!gamePainted && qobject_cast<brackenhollow::GameWindow*>(widget->window()) != nullptr) {
        gamePainted = true;
        auto* window = static_cast<brackenhollow::GameWindow*>(widget->window());
        QTimer::singleShot(0, window, [window] {
          Say("game\n");
          window->End(0);
        });
      }
      return false;
    }
    static void Say(const char* text) {
      if (::write(STDOUT_FILENO, text, std::strlen(text)) < 0) std::perror("write");
    }
    bool startPainted = false;
    bool gamePainted = false;
  } watcher;
  qApp->installEventFilter(&watcher);
  // The window's first run: no remembered size or layout of the person running the benchmark.
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QString::fromStdString((fs::path(storePath).parent_path() / "bench-settings").string()));
  brackenhollow::GameApp game(storePath);
  brackenhollow::SilentBoxes boxes;
  game.Run(&boxes, brackenhollow::ProgramDirectory());
  return 0;
}

// A whole process: started, until its start window and then its game window are painted. The time
// of the iteration is the game window's; "start_ms" is the start window's.
void BM_ProcessStartToFirstPaintedWindow(benchmark::State& state) {
  Game game;  // a world already built: the player continues a saved game
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  double startTotal = 0;
  for (auto _ : state) {
    int output[2];
    if (::pipe(output) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    const auto started = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
      ::dup2(output[1], STDOUT_FILENO);
      ::close(output[0]);
      ::execl(self.c_str(), self.c_str(), kFirstPaintChild, game.path.c_str(), static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(output[1]);
    double startSeconds = 0;
    double gameSeconds = 0;
    std::string heard;
    char buffer[64];
    for (ssize_t got; (got = ::read(output[0], buffer, sizeof buffer)) > 0;) {
      const double now = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      heard.append(buffer, static_cast<std::size_t>(got));
      if (startSeconds == 0 && heard.find("start") != std::string::npos) startSeconds = now;
      if (gameSeconds == 0 && heard.find("game") != std::string::npos) gameSeconds = now;
    }
    ::close(output[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (gameSeconds == 0) {
      state.SkipWithError("the child never painted its game window");
      break;
    }
    state.SetIterationTime(gameSeconds);
    startTotal += startSeconds;
  }
  state.counters["start_ms"] = 1000 * startTotal / static_cast<double>(std::max<std::int64_t>(state.iterations(), 1));
}
BENCHMARK(BM_ProcessStartToFirstPaintedWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc == 3 && std::strcmp(argv[1], kFirstPaintChild) == 0) {
    QApplication application(argc, argv);
    return RunFirstPaintChild(argv[2]);
  }
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
