#pragma once
// Plays the lines of a replay script straight on the game screen's logic, without dialogs, so the
// store tests can stop or fault a real game at any point.

#include <string>
#include <vector>

#include "app/GameScreen.h"

namespace brackenhollow::testing {

// The playing lines of a script in tests/scripts (start, verb, noun1, noun2, press), without the
// "show", "answer" and comment lines.
std::vector<std::string> ScriptLines(const std::string& name);

// Plays one line on screen: "start" starts the game as the start dialog does (building the world
// when there is none). Returns false for a line naming an entry or button that is not there.
bool PlayLine(GameScreen& screen, GameDatabase& database, const std::string& line);

// True for the lines after which the store may hold something new.
bool WritesTheStore(const std::string& line);

// "ok" when PRAGMA integrity_check finds the store whole, else its complaints.
std::string IntegrityOf(GameDatabase& database);

}  // namespace brackenhollow::testing
