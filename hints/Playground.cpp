#include "hints/Playground.h"

#include "actions/Verbs.h"

#include <sqlite3.h>

#include <algorithm>

#include "actions/ActionContext.h"
#include "actions/ActionInterpreter.h"
#include "actions/Verbs.h"
#include "store/SilentBoxes.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
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

// The game screen as the interpreter sees it, with the choice made directly.
class Playground::Context : public ActionContext {
 public:
  explicit Context(GameDatabase& database) : m_database(database), m_state(database, m_boxes) {}

  void Choose(const PlayerAction& action) {
    m_room = action.room;
    m_noun1 = action.noun1;
    m_noun2 = action.noun2.empty() ? std::string(" ") : action.noun2;
  }
  const std::string& Noun1() const { return m_noun1; }
  const std::string& Noun2() const { return m_noun2; }

  GameDatabase& Database() override { return m_database; }
  GameState& State() override { return m_state; }
  int CurrentRoom() const override { return m_room; }
  std::string IsPairSelected(const std::string& a, const std::string& b) override {
    return PairAnswer(m_noun1, m_noun2, a, b);
  }
  std::string IsPairSelectedInRoom(const std::string& a, const std::string& b, int room) override {
    return m_room == room ? IsPairSelected(a, b) : "N";
  }
  void SetActionMessage(const std::string&) override {}
  void SetPictureFile(const std::string&) override {}
  // Never chosen by the search: a reset is no way forward.
  void ResetGame() override {}

 private:
  GameDatabase& m_database;
  SilentBoxes m_boxes;
  GameState m_state;
  int m_room = 0;
  std::string m_noun1;
  std::string m_noun2;
};

Playground::Playground(GameDatabase& store)
    : m_copy(store), m_context(std::make_unique<Context>(m_copy.Database())) {
  if (m_copy.Ok()) m_world = WorldFingerprint(m_copy.Database());
}

Playground::~Playground() = default;

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
  return room == kLastRoom || WalkingDistances(Current().exits, room)[kLastRoom] >= 0;
}

bool Playground::CanDo(int room, const PlayerAction& action) {
  const Situation& situation = Current();
  return IsRoom(action.room) && WalkingDistances(situation.exits, room)[action.room] >= 0 &&
         Offered(situation, action.noun1, action.room) && Offered(situation, action.noun2, action.room);
}

bool Playground::Try(const PlayerAction& action) {
  const std::int64_t writesBefore = m_copy.WriteCount();
  Mark();
  m_context->Choose(action);
  InterpretAction(action.verb, m_context->Noun1(), m_context->Noun2(), *m_context);
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
