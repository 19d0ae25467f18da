#pragma once
// The map: for every room, where each direction leads and in which state of the world the way is
// offered. The direction buttons offer exactly the open exits; a move follows the exit the button names.

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "world/StateTest.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

class StateReadings;

constexpr int kFirstRoom = 1;
constexpr int kLastRoom = kRoomCount;

// True for a room number the world has.
constexpr bool IsRoom(int room) { return room >= kFirstRoom && room <= kLastRoom; }

// Direction buttons as bits, so a set of them fits one number.
enum DirectionBits : unsigned {
  kNoDirection = 0,
  kNorth = 1u << 0,
  kSouth = 1u << 1,
  kEast = 1u << 2,
  kWest = 1u << 3,
};

// When an exit is offered.
enum class Opening {
  Always,   // whenever the player stands in the room
  When,     // while every test holds
  Unless,   // except while every test holds
  MapOnly,  // the map has the way, but no state of the world offers its button
};

inline constexpr std::size_t kMaxExitTests = 3;

struct Exit {
  int to = 0;  // the room the way leads to; 0: no way
  Opening opening = Opening::Always;
  std::array<StateTest, kMaxExitTests> tests{};
  std::size_t testCount = 0;

  constexpr std::span<const StateTest> Tests() const { return {tests.data(), testCount}; }
};

// One room's row of the map.
struct RoomExits {
  int room;
  Exit north;
  Exit south;
  Exit east;
  Exit west;
};

// Every room's row, in room order: row i is room i + 1.
std::span<const RoomExits> ExitsTable();

// The room reached from room by direction ("N", "S", "E" or "W"), offered or not. Returns room itself
// where it has no way that direction, for any other direction text, and for a number that is not a room.
int NextRoom(int room, const std::string& direction);

// The directions the room offers in the state readings answers for (DirectionBits); kNoDirection for a
// number that is not a room.
unsigned OpenDirections(int room, StateReadings& readings);

}  // namespace brackenhollow
