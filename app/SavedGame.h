#pragma once
// The game a player would continue from the start window: where it stands, read from the store.

#include <optional>
#include <string>

namespace brackenhollow {

class GameDatabase;
class GameState;

struct SavedGame {
  int room = 1;
  std::string roomName;  // empty when the room has no name row
};

// The room a saved room text stands for, read as "%i" reads it; a text that is no room gives room 1,
// where the player would otherwise stand in a room with no text, picture or exit.
int ParseSavedRoom(const std::string& saved);

// The saved game, or nothing when no game is in progress (no saved room to read).
std::optional<SavedGame> ReadSavedGame(GameDatabase& database, GameState& state);

}  // namespace brackenhollow
