// A long session through the real game window, measured: the game's walkthrough played from the
// start window to the island, over and over (a new game each round), with every Action taken back
// and done again, hints, named saves opened again, fullscreen, both layouts, text sizes, window
// sizes and the help pages in between. The process's resident memory (VmRSS) and its peak so far
// (VmHWM) are read from /proc/self/status after every command and reported every five minutes of
// the session, counted at one player command (a choice, a press or a menu item) every two seconds;
// the counters give the peak and how much the resident memory moved from round to round.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; the figures as a player's desktop has them,
// on a virtual X server with a window manager:
//   xvfb-run -a -s "-screen 0 1920x1080x24" sh -c
//     'openbox & sleep 1; QT_QPA_PLATFORM=xcb build/bin/brackenhollow_memory_soak'

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/GameDialog.h"
#include "app/GameWindow.h"
#include "app/PictureFolder.h"
#include "app/SplashDialog.h"
#include "app/TranscriptView.h"
#include "store/GameDatabase.h"
#include "store/MessageBoxes.h"

namespace {

using brackenhollow::Control;
using brackenhollow::MenuCommand;

constexpr double kSecondsPerCommand = 2.0;
constexpr int kCommandsPerReport = 150;  // five minutes of play
constexpr double kKilobytesPerMebibyte = 1024.0;
constexpr double kNamedGrowth = 1.0;  // mebibytes
// A session that strays from the walkthrough says where, once: the rest follows from it.
constexpr long kFailuresShown = 10;

// Mebibytes (kB from /proc over 1024): resident now, its peak so far, and the resident part by kind (heap and other private
// memory; program, libraries and fonts mapped from files; shared memory, such as the window's image
// shared with the X server).
struct Memory {
  double resident = 0;
  double peak = 0;
  double anonymous = 0;
  double files = 0;
  double shared = 0;
};

// The process's resident set now and its peak so far; zeros when /proc cannot be read.
Memory ReadMemory() {
  std::ifstream status("/proc/self/status");
  Memory memory;
  const std::pair<const char*, double Memory::*> fields[] = {
      {"VmRSS: %ld kB", &Memory::resident}, {"VmHWM: %ld kB", &Memory::peak}, {"RssAnon: %ld kB", &Memory::anonymous},
      {"RssFile: %ld kB", &Memory::files},  {"RssShmem: %ld kB", &Memory::shared}};
  for (std::string line; std::getline(status, line);) {
    for (const auto& [format, field] : fields) {
      long kilobytes = 0;
      if (std::sscanf(line.c_str(), format, &kilobytes) == 1) {
        memory.*field = static_cast<double>(kilobytes) / kKilobytesPerMebibyte;
      }
    }
  }
  return memory;
}

// The walkthrough's player commands (choices, presses and hints), without its checks, its start and
// its final Exit. Empty when the file cannot be read.
std::vector<std::string> WalkthroughCommands() {
  std::ifstream file(BRACKENHOLLOW_WALKTHROUGH);
  std::vector<std::string> commands;
  for (std::string line; std::getline(file, line);) {
    for (const char* kept : {"press ", "verb ", "noun1 ", "noun2 ", "hint", "answer "}) {
      if (line.rfind(kept, 0) == 0 && line != "press Exit") commands.push_back(line);
    }
  }
  return commands;
}

// One round: the walkthrough with the rest of a long session woven in, then a new game.
std::vector<std::string> RoundCommands(const std::vector<std::string>& walkthrough) {
  std::vector<std::string> round;
  int count = 0;
  for (const std::string& command : walkthrough) {
    round.push_back(command);
    ++count;
    if (command == "press Action") {
      round.emplace_back("undo");
      round.emplace_back("redo");
    }
    if (count % 25 == 0) round.emplace_back("hint");
    if (count % 60 == 0) round.push_back("save soak " + std::to_string(count / 60 % 4));
    if (count % 120 == 0) round.push_back("load soak " + std::to_string(count / 60 % 4));
    if (count % 45 == 0) round.emplace_back("fullscreen");
    if (count % 70 == 0) round.emplace_back("layout");
    if (count % 100 == 0) round.emplace_back(count % 200 == 0 ? "smaller" : "larger");
    if (count % 150 == 0) round.emplace_back("help");
    if (count % 130 == 0) round.emplace_back(count % 260 == 0 ? "size 1280x800" : "size 1920x1080");
  }
  round.emplace_back("new game");
  return round;
}

// Answers every question as the walkthrough says, and Yes otherwise (a new game, replacing a save,
// opening one).
class SoakBoxes : public brackenhollow::MessageBoxes {
 public:
  void Inform(const std::string&) override { ++told; }
  bool AskYesNo(const std::string&) override {
    const bool yes = answer.value_or(true);
    answer.reset();
    return yes;
  }
  std::optional<bool> answer;
  long told = 0;
};

template <typename Window>
Window* OpenWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible()) return window;
  }
  return nullptr;
}

class Session {
 public:
  Session(std::vector<std::string> commands, SoakBoxes& boxes) : m_commands(std::move(commands)), m_boxes(boxes) {}

  // Carries out the next command; false once all are done (the window is then closed).
  bool Step() {
    if (!m_started) {
      brackenhollow::SplashDialog* splash = OpenWindow<brackenhollow::SplashDialog>();
      if (splash == nullptr) return true;  // not shown yet
      splash->StartButton()->click();
      m_started = true;
      return true;
    }
    brackenhollow::GameWindow* window = OpenWindow<brackenhollow::GameWindow>();
    if (window == nullptr) return true;
    if (m_next == m_commands.size()) {
      window->close();
      return false;
    }
    const std::string& command = m_commands[m_next++];
    switch (Run(*window, command)) {
      case Outcome::Done:
        ++performed;
        break;
      case Outcome::Skipped:
        return true;
      case Outcome::Failed:
        if (++failed <= kFailuresShown) std::fprintf(stderr, "could not be carried out: %s\n", command.c_str());
        break;
    }
    Sample(command, command == "new game");
    paragraphs = window->Game().Transcript()->document()->blockCount();
    return true;
  }

  long performed = 0;
  long failed = 0;
  int paragraphs = 0;  // in the transcript
  Memory last;
  // The memory as each round ended.
  std::vector<Memory> rounds;

 private:
  enum class Outcome { Done, Skipped, Failed };

  void Sample(const std::string& command, bool roundEnded) {
    const Memory before = last;
    last = ReadMemory();
    // Where the peak grows, the command that grew it is named.
    if (last.peak - before.peak >= kNamedGrowth) {
      std::fprintf(stderr, "    peak +%.1f MiB to %.1f MiB: %s\n", last.peak - before.peak, last.peak, command.c_str());
    }
    m_highestResident = std::max(m_highestResident, last.resident);
    if (roundEnded) rounds.push_back(last);
    if (performed % kCommandsPerReport != 0 && !roundEnded) return;
    std::fprintf(stderr,
                 "%6.1f min %5ld commands  VmRSS %5.1f MiB (heap %4.1f, files %4.1f, shared %4.1f)  VmHWM %5.1f MiB"
                 "  highest VmRSS %5.1f MiB  transcript %d paragraphs%s\n",
                 static_cast<double>(performed) * kSecondsPerCommand / 60.0, performed, last.resident, last.anonymous,
                 last.files, last.shared, last.peak, m_highestResident, paragraphs, roundEnded ? "  (round ended: new game)" : "");
  }

  static Outcome Trigger(brackenhollow::GameWindow& window, MenuCommand command) {
    QAction* item = window.Action(command);
    if (!item->isEnabled()) return Outcome::Failed;
    item->trigger();
    return Outcome::Done;
  }

  static Outcome Choose(QComboBox* list, const std::string& text) {
    const int index = list->findText(QString::fromStdString(text.empty() ? " " : text),
                                     Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!list->isEnabled() || index < 0) return Outcome::Failed;
    list->setCurrentIndex(index);
    return Outcome::Done;
  }

  Outcome Press(brackenhollow::GameDialog& game, const std::string& name) {
    for (const auto& [caption, control] : {std::pair{"N", Control::North}, {"S", Control::South}, {"E", Control::East},
                                           {"W", Control::West}, {"Toggle", Control::Toggle},
                                           {"Action", Control::Action}}) {
      if (name != caption) continue;
      QPushButton* button = game.Button(control);
      if (button == nullptr || !button->isEnabled()) return Outcome::Failed;
      const int changesBefore = sqlite3_total_changes(game.Screen().Database().Handle());
      button->click();
      // Only an action that changed the game is taken back: Undo would otherwise take back an earlier
      // one, in another room, and the walkthrough would go on from there.
      m_lastActionChanged = sqlite3_total_changes(game.Screen().Database().Handle()) != changesBefore;
      return Outcome::Done;
    }
    return Outcome::Failed;
  }

  Outcome Run(brackenhollow::GameWindow& window, const std::string& command) {
    brackenhollow::GameDialog& game = window.Game();
    const std::size_t space = command.find(' ');
    const std::string verb = command.substr(0, space);
    const std::string argument = space == std::string::npos ? std::string() : command.substr(space + 1);
    if (verb == "press") return Press(game, argument);
    if (verb == "verb") return Choose(game.List(Control::VerbList), argument);
    if (verb == "noun1") return Choose(game.List(Control::Noun1List), argument);
    if (verb == "noun2") return Choose(game.List(Control::Noun2List), argument);
    if (verb == "answer") {
      m_boxes.answer = argument == "yes";
      return Outcome::Skipped;
    }
    if (command == "undo" || command == "redo") {
      if (!m_lastActionChanged) return Outcome::Skipped;
      return Trigger(window, command == "undo" ? MenuCommand::Undo : MenuCommand::Redo);
    }
    if (command == "hint") return Trigger(window, MenuCommand::Hint);
    if (command == "fullscreen") return Trigger(window, MenuCommand::Fullscreen);
    if (command == "layout") return Trigger(window, MenuCommand::CompactLayout);
    if (command == "larger") return Trigger(window, MenuCommand::LargerText);
    if (command == "smaller") return Trigger(window, MenuCommand::SmallerText);
    if (command == "new game") return Trigger(window, MenuCommand::NewGame);
    if (verb == "save") {
      window.SaveAs(argument);
      return Outcome::Done;
    }
    if (verb == "load") return window.OpenSaved(argument) ? Outcome::Done : Outcome::Failed;
    if (verb == "size") {
      if (window.isFullScreen()) Trigger(window, MenuCommand::Fullscreen);
      window.resize(argument == "1280x800" ? QSize(1280, 800) : QSize(1920, 1080));
      return Outcome::Done;
    }
    if (command == "help") {
      // Opened as a player opens them, shown for a moment, then closed (each deletes itself).
      Trigger(window, MenuCommand::HowToPlay);
      Trigger(window, MenuCommand::KeyboardShortcuts);
      QApplication::processEvents();
      for (QDialog* page : window.findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (page->objectName().startsWith(QStringLiteral("help-page-"))) page->close();
      }
      return Outcome::Done;
    }
    return Outcome::Failed;
  }

  std::vector<std::string> m_commands;
  SoakBoxes& m_boxes;
  std::size_t m_next = 0;
  bool m_started = false;
  bool m_lastActionChanged = false;
  double m_highestResident = 0;
};

void BM_LongSession(benchmark::State& state) {
  const std::vector<std::string> walkthrough = WalkthroughCommands();
  if (walkthrough.empty()) {
    state.SkipWithError("cannot read the walkthrough " BRACKENHOLLOW_WALKTHROUGH);
    return;
  }
  std::vector<std::string> commands;
  for (int round = 0; round < state.range(0); ++round) {
    const std::vector<std::string> more = RoundCommands(walkthrough);
    commands.insert(commands.end(), more.begin(), more.end());
  }
  for (auto _ : state) {
    QTemporaryDir folder;
    const std::string store = folder.filePath(QStringLiteral("soak.sqlite")).toStdString();
    const brackenhollow::PictureFolderSearch pictures = brackenhollow::SearchPictureFolder();
    SoakBoxes boxes;
    Session session(commands, boxes);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (!session.Step()) timer.stop();
    });
    timer.start(0);
    {
      brackenhollow::GameApp game(store);
      game.Run(&boxes, pictures.folder);
    }
    timer.stop();
    state.counters["commands"] = static_cast<double>(session.performed);
    state.counters["minutes"] = static_cast<double>(session.performed) * kSecondsPerCommand / 60.0;
    state.counters["failed"] = static_cast<double>(session.failed);
    state.counters["VmHWM_MiB"] = ReadMemory().peak;
    state.counters["VmRSS_end_MiB"] = session.last.resident;
    if (!session.rounds.empty()) {
      state.counters["VmRSS_round1_MiB"] = session.rounds.front().resident;
      state.counters["VmRSS_rounds_grew_MiB"] = session.rounds.back().resident - session.rounds.front().resident;
    }
  }
}
// Three rounds, so that a fourth would show whether memory still grows; one process, one session.
BENCHMARK(BM_LongSession)->Arg(3)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Saves and window settings go to a scratch folder, never the player's own.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brackenhollow"));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
