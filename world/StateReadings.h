#pragma once
// The readings of one refresh of the screen, which answer the room records' state tests.

#include <map>
#include <span>
#include <string>
#include <utility>

#include "world/StateTest.h"

namespace brackenhollow {

class GameState;

// Answers tests for one refresh of the screen. Each key or object is read from the store the first
// time a test asks for it and the reading is kept only as long as this object, so the reads (and any
// "No records found" box) come once each, in the order the tests ask.
class StateReadings {
 public:
  explicit StateReadings(GameState& state) : m_state(state) {}

  // True when the test holds for the state as read.
  bool Holds(const StateTest& test);
  // True when every test holds; tests are made in order and only while they hold.
  bool AllHold(std::span<const StateTest> tests);
  bool AllHold(const StateTests& tests) { return AllHold(tests.All()); }

 private:
  GameState& m_state;
  std::map<std::pair<StateTest::Kind, std::string>, std::string, std::less<>> m_readings;
};

}  // namespace brackenhollow
