#include "world/StateReadings.h"

#include "store/GameState.h"

namespace brackenhollow {

bool StateReadings::Holds(const StateTest& test) {
  auto key = std::make_pair(test.kind, std::string(test.name));
  auto found = m_readings.find(key);
  if (found == m_readings.end()) {
    std::string value;
    switch (test.kind) {
      case StateTest::Kind::Status:
        value = m_state.GetActionStatus(key.second);
        break;
      case StateTest::Kind::Gone:
        value = m_state.GetObjectGone(key.second);
        break;
    }
    found = m_readings.emplace(std::move(key), std::move(value)).first;
  }
  return (found->second == test.literal) == test.equal;
}

bool StateReadings::AllHold(std::span<const StateTest> tests) {
  for (const StateTest& test : tests) {
    if (!Holds(test)) return false;
  }
  return true;
}

}  // namespace brackenhollow
