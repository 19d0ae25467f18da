#include "hints/SafeSteps.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace brackenhollow {

namespace {

bool Shares(const std::vector<std::string>& a, const std::vector<std::string>& b) {
  return std::any_of(a.begin(), a.end(),
                     [&](const std::string& name) { return std::find(b.begin(), b.end(), name) != b.end(); });
}

bool Compete(const KnownAction& a, const KnownAction& b) {
  return Shares(a.removes, b.uses) || Shares(b.removes, a.uses) || Shares(a.keysSet, b.keysWantedUnset) ||
         Shares(b.keysSet, a.keysWantedUnset);
}

// The choice without its room, which the same action may be done in several of.
std::string ChoiceName(const PlayerAction& action) { return action.verb + "|" + action.noun1 + "|" + action.noun2; }

const std::unordered_set<std::string>& CompetingActions() {
  static const std::unordered_set<std::string> competing = [] {
    std::vector<const KnownAction*> all;
    for (const KnownAction& known : KnownActions()) {
      if (known.canChange) all.push_back(&known);
    }
    std::unordered_set<std::string> names;
    for (const KnownAction* a : all) {
      for (const KnownAction* b : all) {
        if (a != b && Compete(*a, *b)) names.insert(ChoiceName(a->action));
      }
    }
    return names;
  }();
  return competing;
}

const std::vector<std::string>& UsedUp(const PlayerAction& action) {
  static const std::unordered_map<std::string, std::vector<std::string>> removes = [] {
    std::unordered_map<std::string, std::vector<std::string>> byName;
    for (const KnownAction& known : KnownActions()) byName[ChoiceName(known.action)] = known.removes;
    return byName;
  }();
  static const std::vector<std::string> nothing;
  const auto found = removes.find(ChoiceName(action));
  return found == removes.end() ? nothing : found->second;
}

}  // namespace

Reach ReachOf(const Situation& situation, int room) {
  const Distances distance = WalkingDistances(situation.exits, room);
  Reach reach;
  for (int other = 1; other <= kRoomCount; ++other) reach[other] = distance[other] >= 0;
  return reach;
}

bool CompetesWithNone(const PlayerAction& action) { return CompetingActions().count(ChoiceName(action)) == 0; }

bool LosesNothing(const Situation& before, int room, const Situation& after, const PlayerAction& action) {
  for (int other = 1; other <= kRoomCount; ++other) {
    if ((before.exits[other] & ~after.exits[other]) != 0) return false;
  }
  const Reach reachBefore = ReachOf(before, room);
  if ((reachBefore & ~ReachOf(after, action.room)).any()) return false;
  const std::vector<std::string>& usedUp = UsedUp(action);
  for (const std::string& item : before.carried) {
    if (after.carried.count(item) == 0 && std::find(usedUp.begin(), usedUp.end(), item) == usedUp.end()) return false;
  }
  for (const auto& [where, names] : before.lying) {
    if (!IsRoom(where) || !reachBefore[where]) continue;
    const auto lyingAfter = after.lying.find(where);
    for (const std::string& name : names) {
      const bool stillOffered =
          after.carried.count(name) > 0 || (lyingAfter != after.lying.end() && lyingAfter->second.count(name) > 0);
      if (!stillOffered) return false;
    }
  }
  return true;
}

}  // namespace brackenhollow
