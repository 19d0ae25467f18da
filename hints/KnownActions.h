#pragma once
// The actions the puzzle tables answer, as a player would choose them.

#include <string>
#include <vector>

namespace brackenhollow {

// A choice of the three lists, and the room it is made in.
struct PlayerAction {
  int room = 0;
  std::string verb;
  std::string noun1;
  std::string noun2;  // empty unless the verb is "Use the __ with the __"

  bool operator==(const PlayerAction&) const = default;
};

// Every action some puzzle row answers, in table order; room 0 stands for any room where the nouns
// are offered. Picking up an object is not here: any gettable object lying in a room can be taken.
const std::vector<PlayerAction>& KnownActions();

// The verb that picks up an object.
inline constexpr char kVerbGet[] = "Get the";

}  // namespace brackenhollow
