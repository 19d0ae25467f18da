#include "hints/Playground.h"

#include <sqlite3.h>

#include <algorithm>

#include "actions/ActionContext.h"
#include "actions/ActionInterpreter.h"
#include "actions/Verbs.h"
#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

// Situations kept at most; the explorer of the whole world would otherwise keep one per state.
constexpr std::size_t kSituationsKept = 4096;

// True when the noun is carried or lies in the room (an empty noun is always there).
bool Offered(const Situation& situation, const std::string& noun, int room) {
  if (noun.empty() || situation.carried.count(noun) > 0) return true;
  const auto lying = situation.lying.find(room);
  return lying != situation.lying.end() && lying->second.count(noun) > 0;
}

}  // namespace

Playground::Playground(GameDatabase& store)
    : m_copy(store), m_state(m_copy.Database(), m_boxes) {
  if (m_copy.Ok()) m_world = WorldFingerprint(m_copy.Database());
}

const Situation& Playground::Current() {
  auto found = m_situations.find(m_world);
  if (found != m_situations.end()) return found->second;
  if (m_situations.size() >= kSituationsKept) m_situations.clear();
  ++m_statesRead;
  Situation situation;
  GameDatabase& database = m_copy.Database();
  situation.exits = ReadExitMap(database);
  detail::Prepared objects =
      detail::Prepare(database.Handle(), "SELECT Roomnumber, Objects, Gettable FROM objects WHERE gone = 0");
  while (objects.statement && sqlite3_step(objects.statement.get()) == SQLITE_ROW) {
    const int room = sqlite3_column_int(objects.statement.get(), 0);
    const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(objects.statement.get(), 1));
    if (name == nullptr) continue;
    situation.lying[room].insert(name);
    if (sqlite3_column_int(objects.statement.get(), 2) == 1) situation.gettable.emplace_back(room, name);
  }
  detail::Prepared items = detail::Prepare(database.Handle(), "SELECT Items FROM inventory");
  while (items.statement && sqlite3_step(items.statement.get()) == SQLITE_ROW) {
    if (const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(items.statement.get(), 0))) {
      situation.carried.insert(name);
    }
  }
  return m_situations.emplace(m_world, std::move(situation)).first->second;
}

std::vector<PlayerAction> Playground::Choices(int room) {
  const Situation& situation = Current();
  const Distances distance = WalkingDistances(situation.exits, room);
  auto offered = [&](const std::string& noun, int where) { return Offered(situation, noun, where); };
  auto reachable = [&](int where) { return IsRoom(where) && distance[where] >= 0; };

  std::vector<PlayerAction> choices;
  auto add = [&](PlayerAction action) {
    if (std::find(choices.begin(), choices.end(), action) == choices.end()) choices.push_back(std::move(action));
  };
  for (const KnownAction& entry : KnownActions()) {
    const PlayerAction& known = entry.action;
    if (!entry.canChange) continue;
    if (known.room != 0) {
      if (reachable(known.room) && offered(known.noun1, known.room) && offered(known.noun2, known.room)) add(known);
      continue;
    }
    // Any room will do: here when everything is carried, else the nearest room where the rest lies.
    std::vector<int> places{room};
    for (const auto& [where, names] : situation.lying) {
      if (names.count(known.noun1) > 0 || names.count(known.noun2) > 0) places.push_back(where);
    }
    int best = 0;
    for (int where : places) {
      if (!reachable(where) || !offered(known.noun1, where) || !offered(known.noun2, where)) continue;
      if (best == 0 || distance[where] < distance[best]) best = where;
    }
    if (best == 0) continue;
    PlayerAction action = known;
    action.room = best;
    add(std::move(action));
  }
  for (const auto& [where, name] : situation.gettable) {
    if (reachable(where)) add(PlayerAction{where, kVerbGet, name, {}});
  }
  std::stable_sort(choices.begin(), choices.end(), [&](const PlayerAction& a, const PlayerAction& b) {
    return distance[a.room] < distance[b.room];
  });
  return choices;
}

bool Playground::CanWalkToIsland(int room) {
  return room == room::kIsland || WalkingDistances(Current().exits, room)[room::kIsland] >= 0;
}

bool Playground::CanDo(int room, const PlayerAction& action) {
  const Situation& situation = Current();
  return IsRoom(action.room) && WalkingDistances(situation.exits, room)[action.room] >= 0 &&
         Offered(situation, action.noun1, action.room) && Offered(situation, action.noun2, action.room);
}

bool Playground::Try(const PlayerAction& action) {
  const std::int64_t writesBefore = m_copy.WriteCount();
  Mark();
  // A reset is never chosen by the search: it is no way forward.
  ActionContext context(m_copy.Database(), m_state, action.room, action.noun1,
                        action.noun2.empty() ? std::string(" ") : action.noun2);
  InterpretAction(action.verb, context);
  if (m_copy.WriteCount() != writesBefore) {
    const std::uint64_t world = WorldFingerprint(m_copy.Database());
    if (world != m_world) {
      m_world = world;
      return true;
    }
  }
  Undo();
  return false;
}

void Playground::Mark() {
  m_copy.Mark();
  m_marks.push_back(m_world);
}

void Playground::Undo() {
  m_copy.Undo();
  m_world = m_marks.back();
  m_marks.pop_back();
}

void Playground::Keep() {
  m_copy.Keep();
  m_marks.pop_back();
}

}  // namespace brackenhollow
