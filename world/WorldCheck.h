#pragma once
// What the store holds of the game's world at start-up, told by its tables and columns.

#include <string>

namespace brackenhollow {

class GameDatabase;

enum class WorldShape {
  Missing,      // no tables at all: a new store
  Whole,        // every table and column of the world, and the saved room
  RoomMissing,  // whole but for the saved room's table or row
  OlderFormat,  // whole but for the key columns that tables of an earlier release lack
  Incomplete,   // a store of ours that lacks one of the other tables or a column
  Foreign,      // tables of another program: not ours to change
};

struct WorldInspection {
  WorldShape shape = WorldShape::Missing;
  std::string missing;  // for Incomplete: what is missing, as "table Inventory, column Objects.orig"
};

// Compares the store with the tables the world build creates. A store with tables and neither our
// application id nor any of the world's tables (or another program's id) is Foreign.
WorldInspection InspectWorld(GameDatabase& database);

// Rebuilds each table of an older store that lacks its key column in this format, keeping every row
// in order with its row number as the key, and marks the store as of this format, all in one
// transaction. Returns false, with the store as it was, when that could not be written.
bool UpgradeOlderFormat(GameDatabase& database);

// Puts back the saved room as a new world has it (room 1), making its table when missing. Returns
// false when it could not be written.
bool RestoreSavedRoom(GameDatabase& database);

}  // namespace brackenhollow
