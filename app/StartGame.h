#pragma once
// "Start Game" on the start dialog: makes sure a world exists before the game screen opens.

#include <functional>
#include <string>

namespace brackenhollow {

class GameDatabase;

inline constexpr char kFirstRunText[] =
    "Creating Database for the First Time. This only needs to be done once. Please Wait...";

// Looks for the saved room; when the table is missing or empty, shows the first-run text through
// showWaitText (which must paint it at once) and builds the whole world. Returns true when a world
// was built.
bool StartGame(GameDatabase& database, const std::function<void(const std::string&)>& showWaitText);

}  // namespace brackenhollow
