#pragma once
// A test of the world's state as the picture and exit tables write it, and the readings of one refresh
// that answer such tests.

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace brackenhollow {

class GameState;

// The status of an action key or the gone flag of an object, compared exactly with a literal. "Is not"
// holds for every other text, the empty one included.
struct StateTest {
  enum class Kind { Status, Gone };
  Kind kind = Kind::Status;
  std::string_view name;
  bool equal = true;  // true: "is"; false: "is not"
  std::string_view literal;
};

constexpr StateTest KeyIs(std::string_view key, std::string_view literal) {
  return {StateTest::Kind::Status, key, true, literal};
}
constexpr StateTest KeyIsNot(std::string_view key, std::string_view literal) {
  return {StateTest::Kind::Status, key, false, literal};
}
constexpr StateTest GoneIs(std::string_view object, std::string_view literal) {
  return {StateTest::Kind::Gone, object, true, literal};
}
constexpr StateTest GoneIsNot(std::string_view object, std::string_view literal) {
  return {StateTest::Kind::Gone, object, false, literal};
}

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

 private:
  GameState& m_state;
  std::map<std::pair<StateTest::Kind, std::string>, std::string, std::less<>> m_readings;
};

}  // namespace brackenhollow
