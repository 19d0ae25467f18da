#pragma once
// The map: where each direction leads from a room and whether the way is offered in the state of the
// world, as the room's record (world/RoomRecord.h) says. The direction buttons offer exactly the open
// exits; a move follows the exit the button names.

#include <string>

namespace brackenhollow {

class StateReadings;

// Direction buttons as bits, so a set of them fits one number.
enum DirectionBits : unsigned {
  kNoDirection = 0,
  kNorth = 1u << 0,
  kSouth = 1u << 1,
  kEast = 1u << 2,
  kWest = 1u << 3,
};

// The room reached from room by direction ("N", "S", "E" or "W"), offered or not. Returns room itself
// where it has no way that direction, for any other direction text, and for a number that is not a room.
int NextRoom(int room, const std::string& direction);

// The directions the room offers in the state readings answers for (DirectionBits); kNoDirection for a
// number that is not a room.
unsigned OpenDirections(int room, StateReadings& readings);

// The directions the room has a way in that some state of the world offers, open now or closed
// (DirectionBits): the ways its compass stands for. kNoDirection for a number that is not a room.
unsigned WaysOut(int room);

}  // namespace brackenhollow
