#pragma once
// Chooses the picture and the open exits of a room from the state of the world.

#include <optional>
#include <string>

namespace brackenhollow {

class GameState;

struct RoomPicture {
  std::string picture;   // the name, with its leading backslash
  unsigned directions;   // DirectionBits
};

// Makes the room's picture tests against the store, each at most once and in table order, and returns
// the picture of the first case that holds with the directions the map opens in that state. Returns
// nothing for a number that is not a room.
std::optional<RoomPicture> SelectRoomPicture(int room, GameState& state);

}  // namespace brackenhollow
