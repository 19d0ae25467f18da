#include "app/ReplayDriver.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>
#include <cstdio>
#include <utility>

#include "app/GameDialog.h"
#include "app/GameWindow.h"
#include "app/PointerPicture.h"
#include "app/SplashDialog.h"
#include "hints/Hint.h"
#include "view/CS309PictureBox.h"
#include "view/PicturePath.h"

namespace brackenhollow {

namespace {

struct NamedControl {
  const char* name;
  Control control;
};

// The controls in the order the screen block lists them.
constexpr std::array<NamedControl, kControlCount> kNamedControls = {{
    {"N", Control::North},
    {"S", Control::South},
    {"E", Control::East},
    {"W", Control::West},
    {"Toggle", Control::Toggle},
    {"Action", Control::Action},
    {"Exit", Control::Exit},
    {"verb", Control::VerbList},
    {"noun1", Control::Noun1List},
    {"noun2", Control::Noun2List},
}};

// The open window of that kind; with shown false, also one not shown yet.
template <typename Window>
Window* OpenWindow(bool shown = true) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<Window*>(widget); window != nullptr && (!shown || window->isVisible())) {
      return window;
    }
  }
  return nullptr;
}

std::string ListLine(const QComboBox& combo) {
  std::string line;
  for (int index = 0; index < combo.count(); ++index) {
    if (index > 0) line += " | ";
    const std::string entry = combo.itemText(index).toStdString();
    line += index == combo.currentIndex() ? "[" + entry + "]" : entry;
  }
  return line;
}

}  // namespace

ReplayDriver::ReplayDriver(std::vector<std::string> lines, std::string programDirectory, std::ostream& out)
    : m_lines(std::move(lines)), m_programDirectory(std::move(programDirectory)), m_out(out) {}

std::optional<std::string> ReplayDriver::NextCommand() {
  while (m_next < m_lines.size()) {
    std::string line = m_lines[m_next++];
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
    return line;
  }
  return std::nullopt;
}

bool ReplayDriver::Step() {
  if (!m_windowPrepared) {
    // Scripts see the compact screen at the desktop's text size, and leave no settings behind.
    if (GameWindow* window = OpenWindow<GameWindow>(false)) window->UseForScripts();
    m_windowPrepared = true;
  }
  const std::optional<std::string> command = NextCommand();
  if (command) {
    Run(*command);
    return true;
  }
  // The script is over while a dialog is still open: end as a killed game would, saving nothing.
  if (SplashDialog* splash = OpenWindow<SplashDialog>()) {
    splash->done(QDialog::Rejected);
  } else if (GameWindow* window = OpenWindow<GameWindow>()) {
    window->End(QDialog::Rejected);
  }
  return false;
}

void ReplayDriver::Closed() {
  m_out << "closed\n";
  while (const std::optional<std::string> command = NextCommand()) Refuse("the game has ended: " + *command);
  m_out.flush();
}

void ReplayDriver::Refuse(const std::string& why) {
  m_out << "! " << why << "\n";
  m_failed = true;
}

void ReplayDriver::Inform(const std::string& text) { m_out << "box " << text << "\n"; }

bool ReplayDriver::AskYesNo(const std::string& text) {
  m_out << "ask " << text << "\n";
  if (!m_answer) Refuse("no answer given");
  const bool yes = m_answer.value_or(false);
  m_answer.reset();
  m_out << (yes ? "answered yes" : "answered no") << "\n";
  return yes;
}

void ReplayDriver::Run(const std::string& command) {
  const std::size_t space = command.find(' ');
  const std::string verb = command.substr(0, space);
  const std::string argument = space == std::string::npos ? std::string() : command.substr(space + 1);
  if (verb == "answer") {
    if (argument == "yes" || argument == "no") {
      m_answer = argument == "yes";
    } else {
      Refuse("answer takes yes or no: " + command);
    }
    return;
  }
  if (SplashDialog* splash = OpenWindow<SplashDialog>()) {
    RunOnSplash(*splash, command);
  } else if (GameWindow* window = OpenWindow<GameWindow>()) {
    RunOnGame(*window, verb, argument);
  } else {
    Refuse("no dialog is open: " + command);
  }
}

void ReplayDriver::Shoot(QWidget& window, const std::string& file) {
  if (file.empty() || !window.grab().save(QString::fromStdString(file), "PNG")) Refuse("cannot write picture " + file);
}

void ReplayDriver::RunOnSplash(SplashDialog& splash, const std::string& command) {
  if (command.rfind("shot ", 0) == 0) {
    Shoot(splash, command.substr(5));
  } else if (command == "start") {
    splash.StartButton()->click();
  } else if (command == "leave") {
    splash.QuitButton()->click();
  } else {
    Refuse("the start dialog offers only start, leave and shot: " + command);
  }
}

void ReplayDriver::RunOnGame(GameWindow& window, const std::string& verb, const std::string& argument) {
  GameDialog& game = window.Game();
  if (RunGameMenu(window, verb, argument)) return;
  if (verb == "press") {
    Press(window, argument);
  } else if (verb == "verb" || verb == "noun1" || verb == "noun2") {
    Choose(game, verb, argument);
  } else if (verb == "show" && argument.empty()) {
    Show(game);
  } else if (verb == "shot") {
    Shoot(window, argument);
  } else if (verb == "layout" && (argument == "compact" || argument == "together")) {
    window.SetCompact(argument == "compact");
  } else if (verb == "size") {
    Resize(window, argument);
  } else if (verb == "hotspots" && argument.empty()) {
    ListHotspots(game);
  } else if (verb == "click" || verb == "doubleclick") {
    Click(game, argument, verb == "doubleclick");
  } else if (verb == "hint" && argument.empty()) {
    GameScreen& screen = game.Screen();
    m_out << HintLine(ComputeHint(screen.Database(), screen.CurrentRoom())) << "\n";
  } else {
    Refuse("unknown command: " + verb + (argument.empty() ? "" : " " + argument));
  }
}

void ReplayDriver::Press(GameWindow& window, const std::string& name) {
  if (name == "OK") {
    window.close();
    return;
  }
  GameDialog& game = window.Game();
  for (const NamedControl& named : kNamedControls) {
    if (name != named.name) continue;
    QPushButton* button = game.Button(named.control);
    if (button == nullptr) break;
    if (!button->isEnabled()) {
      Refuse("button " + name + " is disabled");
      return;
    }
    button->click();
    return;
  }
  Refuse("no button named " + name);
}

void ReplayDriver::Resize(GameWindow& window, const std::string& size) {
  int width = 0;
  int height = 0;
  char extra = 0;
  if (std::sscanf(size.c_str(), "%dx%d%c", &width, &height, &extra) != 2 || width <= 0 || height <= 0) {
    Refuse("size takes WIDTHxHEIGHT: " + size);
    return;
  }
  window.resize(width, height);
}

void ReplayDriver::Choose(GameDialog& game, const std::string& listName, const std::string& text) {
  const Control control =
      listName == "verb" ? Control::VerbList : listName == "noun1" ? Control::Noun1List : Control::Noun2List;
  QComboBox* combo = game.List(control);
  if (!combo->isEnabled()) {
    Refuse("list " + listName + " is disabled");
    return;
  }
  const QString wanted = QString::fromStdString(text.empty() ? std::string(" ") : text);
  const int index = combo->findText(wanted, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) {
    Refuse("list " + listName + " has no entry " + wanted.toStdString());
    return;
  }
  combo->setCurrentIndex(index);
}

void ReplayDriver::Show(GameDialog& game) {
  m_out << "screen\n";
  m_out << "room " << game.Screen().CurrentRoom() << "\n";
  const std::string picturePath = game.Picture()->PictureFile().toStdString();
  std::string pictureName = picturePath.empty() ? std::string("-") : picturePath;
  if (pictureName.rfind(m_programDirectory, 0) == 0) pictureName = pictureName.substr(m_programDirectory.size());
  m_out << "picture " << pictureName << "\n";
  const bool found = !picturePath.empty() && QFileInfo(QString::fromStdString(PictureFilePath(picturePath))).isFile();
  m_out << "picture-file " << (found ? "found" : "missing") << "\n";
  m_out << "toggle " << game.Button(Control::Toggle)->text().toStdString() << "\n";
  m_out << "picture-shown " << (game.Picture()->isHidden() ? "no" : "yes") << "\n";
  m_out << "enabled";
  for (const NamedControl& named : kNamedControls) {
    if (game.Widget(named.control)->isEnabled()) m_out << " " << named.name;
  }
  m_out << "\n";
  m_out << "verb " << game.List(Control::VerbList)->currentText().toStdString() << "\n";
  m_out << "noun1 " << ListLine(*game.List(Control::Noun1List)) << "\n";
  m_out << "noun2 " << ListLine(*game.List(Control::Noun2List)) << "\n";
  m_out << "text\n";
  for (const QString& line : game.TextView()->toPlainText().split(QLatin1Char('\n'))) {
    m_out << "> " << line.toStdString() << "\n";
  }
  m_out << "end\n";
}

bool ReplayDriver::RunGameMenu(GameWindow& window, const std::string& verb, const std::string& argument) {
  if (verb == "press" && (argument == "Undo" || argument == "Redo")) {
    const bool undo = argument == "Undo";
    QAction* item = window.Action(undo ? MenuCommand::Undo : MenuCommand::Redo);
    if (item->isEnabled()) {
      item->trigger();
    } else {
      Refuse(undo ? "nothing to undo" : "nothing to redo");
    }
    return true;
  }
  if (verb == "save") {
    window.SaveAs(argument);
    return true;
  }
  if (verb == "load") {
    if (!window.OpenSaved(argument)) Refuse("no saved game named " + argument);
    return true;
  }
  return false;
}

}  // namespace brackenhollow

namespace brackenhollow {

void ReplayDriver::ListHotspots(GameDialog& game) {
  for (const Hotspot& hotspot : game.PointerHotspots()) {
    const HotspotBox& box = hotspot.box;
    m_out << "hotspot " << (hotspot.IsWay() ? std::string("way ") + hotspot.way : hotspot.object) << " | " << box.x
          << " " << box.y << " " << box.width << " " << box.height << " | " << hotspot.point.x << " " << hotspot.point.y
          << "\n";
  }
}

void ReplayDriver::Click(GameDialog& game, const std::string& position, bool doubleClick) {
  const std::string command = (doubleClick ? "doubleclick " : "click ") + position;
  int x = 0;
  int y = 0;
  char extra = 0;
  if (std::sscanf(position.c_str(), "%d %d %c", &x, &y, &extra) != 2) {
    Refuse("click takes X Y in picture pixels: " + command);
    return;
  }
  PointerPicture* picture = game.Pointer();
  if (picture->isHidden()) {
    Refuse("the picture is hidden (press Toggle): " + command);
    return;
  }
  const HotspotMap& map = game.PictureHotspots();
  if (map.width > 0 && (x < 0 || y < 0 || x >= map.width || y >= map.height)) {
    Refuse("outside the picture: " + command);
    return;
  }
  // The middle of the pixel, as a pointer resting on it.
  const QPointF point(x + 0.5, y + 0.5);
  picture->ClickAt(point);
  if (doubleClick) picture->ClickAt(point, true);
}

}  // namespace brackenhollow
