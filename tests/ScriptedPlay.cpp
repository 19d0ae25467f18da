#include "tests/ScriptedPlay.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/StartGame.h"
#include "store/GameRecordset.h"

namespace brackenhollow::testing {

namespace {

}  // namespace

std::vector<std::string> ScriptLines(const std::string& name) {
  std::ifstream file(std::filesystem::path(BRACKENHOLLOW_SCRIPT_DIRECTORY) / name);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (line == "start" || line.rfind("verb ", 0) == 0 || line.rfind("noun", 0) == 0 ||
        line.rfind("press ", 0) == 0) {
      lines.push_back(line);
    }
  }
  return lines;
}

bool PlayLine(GameScreen& screen, GameDatabase& database, const std::string& line) {
  const std::size_t space = line.find(' ');
  const std::string command = line.substr(0, space);
  const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
  if (command == "start") {
    screen.PrepareStart();
    StartGame(database, [](const std::string&) {});
    screen.EnterGame(kStartChosen);
    return true;
  }
  if (command == "verb") return screen.ChooseVerb(screen.Screen().verbs.IndexOf(argument));
  if (command == "noun1") return screen.ChooseNoun1(screen.Screen().noun1.IndexOf(argument));
  if (command == "noun2") return screen.ChooseNoun2(screen.Screen().noun2.IndexOf(argument));
  if (line == "press N") screen.OnNorth();
  else if (line == "press S") screen.OnSouth();
  else if (line == "press E") screen.OnEast();
  else if (line == "press W") screen.OnWest();
  else if (line == "press Action") screen.OnAction();
  else if (line == "press Exit") screen.OnExit();
  else if (line == "press Toggle") screen.OnTextGraphic();
  else return false;
  return true;
}

bool WritesTheStore(const std::string& line) {
  return line == "start" || line == "press Action" || line == "press Exit";
}

std::string IntegrityOf(GameDatabase& database) {
  std::string verdict;
  GameRecordset query(database);
  if (!query.Open("PRAGMA integrity_check", kCursorForwardOnly, kLockReadOnly)) return "<not open>";
  for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) verdict += (verdict.empty() ? "" : "\n") + query.GetFieldText(0);
  return verdict;
}

}  // namespace brackenhollow::testing
