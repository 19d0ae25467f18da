#pragma once
// Hints for a player who is stuck, worked out from the game as it stands: where to go, what to use,
// then the exact action.

#include <cstdint>
#include <string>
#include <vector>

#include "hints/KnownActions.h"

namespace brackenhollow {

class GameDatabase;

struct Hint {
  enum class Kind {
    Finished,     // the player stands on the island
    Walk,         // only walking is left: room is the island
    Act,          // action is the next useful one, to be done in room
    NoWay,        // the island can no longer be reached from here
    Unavailable,  // the store could not be copied to work it out
  };
  Kind kind = Kind::Unavailable;
  int room = 0;
  std::string roomName;             // the room's name in the world, for the player's texts
  PlayerAction action;              // for Act
  std::vector<std::string> route;   // the directions of a shortest walk from the player to room
};

// The hint for a player standing in room with the store's present state.
Hint ComputeHint(GameDatabase& store, int room);

// The replay driver's line: "hint ROOM VERB | NOUN1 | NOUN2", "hint ROOM" when only walking is
// left, "hint none" on the island, "hint unreachable" when no way is left.
std::string HintLine(const Hint& hint);

// The three steps of a hint for the player, each telling more than the one before: step 1 where to
// go, step 2 what to use, step 3 the exact action. Steps past 3 repeat the third.
std::string HintText(const Hint& hint, int step);

}  // namespace brackenhollow
