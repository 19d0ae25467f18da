#include "actions/ActionContext.h"

#include <utility>

namespace brackenhollow {

ActionContext::ActionContext(GameDatabase& database, GameState& state, int room, std::string noun1,
                             std::string noun2, std::function<void()> reset)
    : m_database(database),
      m_state(state),
      m_room(room),
      m_noun1(std::move(noun1)),
      m_noun2(std::move(noun2)),
      m_reset(std::move(reset)) {}

std::string ActionContext::IsPairSelected(const std::string& a, const std::string& b) const {
  return (m_noun1 == a && m_noun2 == b) || (m_noun1 == b && m_noun2 == a) ? "Y" : "N";
}

std::string ActionContext::IsPairSelectedInRoom(const std::string& a, const std::string& b, int room) const {
  return m_room == room ? IsPairSelected(a, b) : "N";
}

void ActionContext::ResetGame() {
  if (m_reset) m_reset();
}

}  // namespace brackenhollow
