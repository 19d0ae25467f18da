#pragma once
// Chooses the picture and the open exits of a room from the state of the world.

#include <functional>
#include <optional>
#include <string>

namespace brackenhollow {

class GameState;
struct StateTest;

struct RoomPicture {
  std::string picture;   // the name, with its leading backslash
  unsigned directions;   // DirectionBits
};

// Makes the room's picture tests against the store, each at most once and in table order, and returns
// the picture of the first case that holds with the directions the map opens in that state. Returns
// nothing for a number that is not a room.
std::optional<RoomPicture> SelectRoomPicture(int room, GameState& state);

// The value a test compares: the status of an action key or the gone flag of an object, as the
// state operations read them.
using StateReader = std::function<std::string(const StateTest& test)>;

// As above, with the values given by read (asked at most once per name, in table order).
std::optional<RoomPicture> SelectRoomPicture(int room, const StateReader& read);

}  // namespace brackenhollow
