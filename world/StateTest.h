#pragma once
// A test of the world's state as the room records write it: the status of an action key or the gone
// flag of an object, compared with a literal.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

namespace brackenhollow {

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

// Up to kMaxStateTests tests, made in order and only while they hold; none always holds. Held by value
// so that the room records are constants.
class StateTests {
 public:
  static constexpr std::size_t kMaxStateTests = 3;

  constexpr StateTests() = default;
  // A list longer than kMaxStateTests does not compile in a constant (and throws otherwise).
  constexpr StateTests(std::initializer_list<StateTest> tests) {
    for (const StateTest& test : tests) {
      if (m_count == kMaxStateTests) throw "more state tests than a record holds";
      m_tests[m_count++] = test;
    }
  }

  constexpr std::span<const StateTest> All() const { return {m_tests.data(), m_count}; }
  constexpr bool Empty() const { return m_count == 0; }

 private:
  std::array<StateTest, kMaxStateTests> m_tests{};
  std::size_t m_count = 0;
};

}  // namespace brackenhollow
