#pragma once
// Every row of every table of a store as text, to compare whole stores.

#include <string>

struct sqlite3;

namespace brackenhollow {
class GameDatabase;
}

namespace brackenhollow::testing {

// The tables in name order, each row in row order with every value's type and text. The undo
// history's own table is left out unless withHistory.
std::string DumpStore(sqlite3* connection, bool withHistory = false);

// Every row of every table of the world (the undo history left out): what the game's state is.
std::string DumpWorld(GameDatabase& database);

}  // namespace brackenhollow::testing
