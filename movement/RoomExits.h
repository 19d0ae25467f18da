#pragma once
// The map: for every room, the room each direction leads to.

#include <string>

namespace brackenhollow {

constexpr int kFirstRoom = 1;
constexpr int kLastRoom = 134;

// True for a room number the world has.
constexpr bool IsRoom(int room) { return room >= kFirstRoom && room <= kLastRoom; }

// The room reached from room by direction ("N", "S", "E" or "W"). Returns room itself where it has
// no exit that way, for any other direction text, and for a number that is not a room.
int NextRoom(int room, const std::string& direction);

}  // namespace brackenhollow
