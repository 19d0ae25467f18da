#pragma once
// The world checker: plays every sequence of actions the player could take, on a copy of the store,
// and lists the states from which the island can no longer be reached.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "hints/KnownActions.h"

namespace brackenhollow {

class GameDatabase;

struct ExploredState {
  std::uint64_t world = 0;
  int room = 0;                        // where the player stands: the room of the last action
  std::vector<PlayerAction> actions;   // one way to get there from the start of the exploration
};

struct Exploration {
  std::size_t states = 0;       // states told apart: the world, and the rooms the player can walk to
  std::size_t worlds = 0;       // distinct worlds among them
  std::size_t transitions = 0;  // actions that changed the world
  bool complete = false;        // false when the state limit stopped the exploration
  std::vector<ExploredState> deadEnds;  // reached by play, yet the island is out of reach for good
};

// How far apart two orders of the same actions are told.
enum class Orders {
  // Actions that compete with no other for an item or a key, and lose nothing when done, are done in
  // one order only: any other order reaches the same states up to the order of steps, so every state
  // in which the player can end up stuck is still found.
  Representative,
  // Every order of every action: the full tree of play, far too large to finish for the whole world.
  Every,
};

// Explores every state reachable by play from the store's state with the player in room, up to
// stateLimit states; progress, when given, hears the number of states every so often.
Exploration ExploreWorld(GameDatabase& store, int room, Orders orders, std::size_t stateLimit,
                         const std::function<void(std::size_t states)>& progress = {});

}  // namespace brackenhollow
