#pragma once
// Chooses a room's picture from the state of the world, by the picture cases of its record.

#include <optional>
#include <string>

namespace brackenhollow {

class GameState;
class StateReadings;

// Makes the room's picture tests through readings, in case order and only while they hold, and returns
// the picture (with its leading backslash) of the first case that holds. Returns nothing for a number
// that is not a room, or when no case holds. The caller asks the map for the room's exits with the same
// readings, so that a key both ask about is read (and any "No records found" box shown) once.
std::optional<std::string> SelectRoomPicture(int room, StateReadings& readings);

// As above, with readings of its own.
std::optional<std::string> SelectRoomPicture(int room, GameState& state);

}  // namespace brackenhollow
