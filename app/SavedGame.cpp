#include "app/SavedGame.h"

#include <cstdio>

#include "store/GameState.h"
#include "view/RoomView.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

int ParseSavedRoom(const std::string& saved) {
  int room = 0;
  return std::sscanf(saved.c_str(), "%i", &room) == 1 && IsRoom(room) ? room : kFirstRoom;
}

std::optional<SavedGame> ReadSavedGame(GameDatabase& database, GameState& state) {
  const std::string saved = state.ReadSavedRoom();
  if (saved.empty()) return std::nullopt;
  const int room = ParseSavedRoom(saved);
  return SavedGame{room, ReadRoomName(database, room)};
}

}  // namespace brackenhollow
