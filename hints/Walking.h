#pragma once
// Walking through the world as it stands: which directions each room offers, and the shortest walks.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "world/WorldFacts.h"

namespace brackenhollow {

class GameDatabase;

// The directions each room offers in the store's present state (DirectionBits), by the ways of its
// record. Index 0 is unused.
using ExitMap = std::array<unsigned, kRoomCount + 1>;
ExitMap ReadExitMap(GameDatabase& store);

// Steps from room to every room by the offered exits; -1 where it cannot be reached.
using Distances = std::array<int, kRoomCount + 1>;
Distances WalkingDistances(const ExitMap& exits, int from);

// The directions ("N", "S", "E", "W") of a shortest walk from one room to another; an empty walk when
// they are the same room, nothing when the second cannot be reached.
std::optional<std::vector<std::string>> WalkingRoute(const ExitMap& exits, int from, int to);

}  // namespace brackenhollow
