#pragma once
// The search for a way to the end of the story (the island) from a state of the game. It plays the
// game's own action rules and exits on a copy of the store, so it follows the world as it is.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "hints/KnownActions.h"

namespace brackenhollow {

class GameDatabase;
class Playground;

class WorldSearch {
 public:
  // Copies the store; room is where the player stands.
  WorldSearch(GameDatabase& store, int room);
  ~WorldSearch();

  // False when the store could not be copied; every search then finds nothing.
  bool Ok() const;

  // A way to the island: actions in order, each done in its room after walking there, and after the
  // last a walk onto the island. Empty when walking alone gets there; nothing when the island can no
  // longer be reached. Tries the nearest action that changes the world first and backs out of
  // states from which no way goes on; after a step that closes no way (SafeSteps.h) it tries no other.
  std::optional<std::vector<PlayerAction>> FindWay();

  // As FindWay, without the leading actions that the rest of the way does not need, so that its first
  // action is the next useful one. The rest of the way is kept as found, useless actions included.
  std::optional<std::vector<PlayerAction>> FindUsefulWay();

  // World states read so far.
  std::size_t StatesRead() const;

 private:
  // Extends way from the copy's present state with the player in room; true once it reaches the
  // island. The copy is left as it was found.
  bool Solve(int room, std::vector<PlayerAction>& way);
  // True when the actions of way from first on, done in order from the present state (passing over
  // those that can no longer be done or change nothing), leave the island within walking reach.
  bool Works(const std::vector<PlayerAction>& way, std::size_t first);

  std::unique_ptr<Playground> m_playground;
  int m_room;
  // States known to lead nowhere, and the states on the way being built, by world and room.
  std::set<std::pair<std::uint64_t, int>> m_deadEnds;
  std::set<std::pair<std::uint64_t, int>> m_onWay;
};

}  // namespace brackenhollow
