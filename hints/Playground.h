#pragma once
// A copy of the player's store on which actions are tried by the game's own interpreter, with what
// the player can reach and choose in each state of it.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "hints/KnownActions.h"
#include "hints/StoreCopy.h"
#include "hints/Walking.h"
#include "store/GameState.h"
#include "store/SilentBoxes.h"

namespace brackenhollow {

class GameDatabase;

// What one state of the world offers the player, read once per state.
struct Situation {
  ExitMap exits{};
  std::map<int, std::set<std::string>> lying;           // room -> objects lying there
  std::vector<std::pair<int, std::string>> gettable;    // gettable objects lying, with their rooms
  std::set<std::string> carried;
};

class Playground {
 public:
  explicit Playground(GameDatabase& store);

  bool Ok() const { return m_copy.Ok() && m_world != 0; }
  // The fingerprint of the world as it now stands in the copy.
  std::uint64_t World() const { return m_world; }
  const Situation& Current();

  // The actions the player could take next standing in room: each known action and each pick-up
  // whose room can be walked to and whose nouns are offered there, nearest first.
  std::vector<PlayerAction> Choices(int room);
  // True when the player in room can walk onto the island.
  bool CanWalkToIsland(int room);
  // True when the player in room can walk to the action's room and find its nouns offered there.
  bool CanDo(int room, const PlayerAction& action);

  // Does the action on the copy. When it changed the world, returns true and leaves it done inside an
  // open savepoint for the caller to close with Undo or Keep; otherwise returns false with nothing open.
  bool Try(const PlayerAction& action);
  void Mark();
  void Undo();
  void Keep();

  // Situations read so far: a measure of the work done.
  std::size_t StatesRead() const { return m_statesRead; }

 private:
  StoreCopy m_copy;
  SilentBoxes m_boxes;
  GameState m_state;
  std::uint64_t m_world = 0;
  std::vector<std::uint64_t> m_marks;
  std::unordered_map<std::uint64_t, Situation> m_situations;
  std::size_t m_statesRead = 0;
};

}  // namespace brackenhollow
