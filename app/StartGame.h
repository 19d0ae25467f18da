#pragma once
// "Start Game" on the start dialog: makes sure a world exists before the game screen opens.

#include <functional>
#include <string>

namespace brackenhollow {

class GameDatabase;

inline constexpr char kFirstRunText[] =
    "Creating Database for the First Time. This only needs to be done once. Please Wait...";

// Looks at what the store holds of the world and checks it (see VetStartingStore). A store of an
// earlier release is first brought up to this format, every row kept (on a copy in memory, with a notice, when the file cannot take it). A
// whole world is left as it is; a lost saved room is put back to room 1, keeping the rest. Otherwise shows the first-run text through showWaitText
// (which must paint it at once) and builds the world: into a new store when the file belongs to
// another program (moved aside) or is missing part of the world (copied aside first), and into
// memory, with a notice, when the build cannot be written. Returns true when a world was built.
bool StartGame(GameDatabase& database, const std::function<void(const std::string&)>& showWaitText);

// Runs the store check on a store that holds a game, before anything else reads it: a store that is
// not exactly ours (a trigger or view, a table not made as ours, rows naming rooms, keys or objects the
// world does not have, another format) is moved aside whole, with the player told why, and the next
// StartGame builds a new world. Also removes what interrupted saves left beside it.
void VetStartingStore(GameDatabase& database);

}  // namespace brackenhollow
