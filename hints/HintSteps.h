#pragma once
// Help → Hint asked again and again: each time for the same situation it tells one step more (where to
// go, what to use, the exact action); once the player moved or acted, it starts over.

#include <cstdint>
#include <string>

#include "hints/Hint.h"

namespace brackenhollow {

class GameDatabase;

class HintSteps {
 public:
  // The text of the next step for the player standing in room.
  std::string Next(GameDatabase& store, int room);

 private:
  std::uint64_t m_world = 0;
  int m_room = 0;
  int m_step = 0;
  Hint m_hint;
};

}  // namespace brackenhollow
