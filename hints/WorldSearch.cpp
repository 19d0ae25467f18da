#include "hints/WorldSearch.h"

#include "hints/Playground.h"
#include "hints/SafeSteps.h"

namespace brackenhollow {

WorldSearch::WorldSearch(GameDatabase& store, int room)
    : m_playground(std::make_unique<Playground>(store)), m_room(room) {}

WorldSearch::~WorldSearch() = default;

bool WorldSearch::Ok() const { return m_playground->Ok(); }

std::size_t WorldSearch::StatesRead() const { return m_playground->StatesRead(); }

std::optional<std::vector<PlayerAction>> WorldSearch::FindWay() {
  if (!Ok()) return std::nullopt;
  std::vector<PlayerAction> way;
  if (!Solve(m_room, way)) return std::nullopt;
  return way;
}

std::optional<std::vector<PlayerAction>> WorldSearch::FindUsefulWay() {
  std::optional<std::vector<PlayerAction>> way = FindWay();
  if (!way) return way;
  std::size_t first = 0;
  while (first < way->size() && Works(*way, first + 1)) ++first;
  way->erase(way->begin(), way->begin() + static_cast<std::ptrdiff_t>(first));
  return way;
}

bool WorldSearch::Solve(int room, std::vector<PlayerAction>& way) {
  if (m_playground->CanWalkToIsland(room)) return true;
  const std::pair<std::uint64_t, int> here{m_playground->World(), room};
  if (m_deadEnds.count(here) > 0 || m_onWay.count(here) > 0) return false;
  m_onWay.insert(here);
  const Situation before = m_playground->Current();
  bool found = false;
  for (const PlayerAction& action : m_playground->Choices(room)) {
    if (!m_playground->Try(action)) continue;
    // After a step that closes no way, a way on exists if one existed before: no other choice needs
    // trying when none is found from there.
    const bool closesNothing = CompetesWithNone(action) && LosesNothing(before, room, m_playground->Current(), action);
    way.push_back(action);
    found = Solve(action.room, way);
    m_playground->Undo();
    if (found) break;
    way.pop_back();
    if (closesNothing) break;
  }
  m_onWay.erase(here);
  if (!found) m_deadEnds.insert(here);
  return found;
}

bool WorldSearch::Works(const std::vector<PlayerAction>& way, std::size_t first) {
  m_playground->Mark();
  int room = m_room;
  for (std::size_t index = first; index < way.size(); ++index) {
    const PlayerAction& action = way[index];
    if (!m_playground->CanDo(room, action) || !m_playground->Try(action)) continue;
    m_playground->Keep();
    room = action.room;
  }
  const bool works = m_playground->CanWalkToIsland(room);
  m_playground->Undo();
  return works;
}

}  // namespace brackenhollow
