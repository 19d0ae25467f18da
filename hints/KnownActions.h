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

// An action some puzzle row answers, with what its rows read and write, so that actions that can get
// in each other's way are known.
struct KnownAction {
  PlayerAction action;                    // room 0: any room where the nouns are offered
  bool canChange = false;                 // false when its rows only ever refuse
  std::vector<std::string> uses;          // its nouns and the items its rows check are carried
  std::vector<std::string> removes;       // the items its rows take out of the inventory
  std::vector<std::string> adds;          // the items its rows put into the inventory, and objects placed
  std::vector<std::string> keysSet;
  std::vector<std::string> keysWantedUnset;  // keys of other puzzles its rows want still unset
};

// Every action some puzzle row answers, in table order. Picking up an object is not here: any
// gettable object lying in a room can be taken.
const std::vector<KnownAction>& KnownActions();

}  // namespace brackenhollow
