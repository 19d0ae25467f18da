#include "world/StoreRules.h"

#include <limits>

#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/SavedGames.h"
#include "store/UndoHistory.h"
#include "world/PlacedObjects.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

namespace {

// Where puzzles put objects that are in the world but in no room yet (a coin in the well).
constexpr char kNoRoom[] = "999";

// The create statements of every table and index the world build makes, as the store keeps them.
std::vector<std::string> WorldCreates() {
  GameDatabase scratch(kMemoryStore);
  BuildWorldDatabase(scratch);
  std::vector<std::string> creates;
  GameRecordset query(scratch);
  if (!query.Open("SELECT sql FROM sqlite_schema WHERE sql IS NOT NULL ORDER BY rowid", kCursorForwardOnly,
                  kLockReadOnly)) {
    return creates;
  }
  for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) creates.push_back(query.GetFieldText(0));
  return creates;
}

StoreRules MakeRules() {
  StoreRules rules;
  rules.applicationId = kStoreApplicationId;
  rules.formatVersion = kStoreFormatVersion;
  rules.creates = WorldCreates();
  rules.creates.push_back(kHistoryTableCreate);
  rules.creates.push_back(kAboutTableCreate);
  // The history is made with the first step; a save's description is dropped once it is opened; a
  // lost saved room is put back at start-up.
  rules.optionalTables = {"undo_history", "saved_game", "currentroom"};
  rules.earlierCreates = {kEarlierHistoryTableCreate};

  std::set<std::string> objects(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  objects.insert(std::begin(kAllPlacedObjectNames), std::end(kAllPlacedObjectNames));
  const std::set<std::string> keys(std::begin(kAllKeys), std::end(kAllKeys));
  using Kind = ColumnBound::Kind;
  constexpr long long kMostSteps = std::numeric_limits<long long>::max();
  rules.bounds = {
      {"Descriptions", "Roomnumber", Kind::Range, 1, kRoomCount, {}},
      {"Objects", "Roomnumber", Kind::Range, 1, kRoomCount, {kNoRoom}},
      {"Objects", "Objects", Kind::OneOf, 0, 0, objects},
      {"Objects", "Gettable", Kind::Range, 0, 1, {}},
      {"Objects", "gone", Kind::Range, 0, 1, {}},
      {"Inventory", "Items", Kind::OneOf, 0, 0, objects},
      {"actions", "actiontype", Kind::OneOf, 0, 0, keys},
      {"actions", "status", Kind::Range, 0, 1, {}},
      // Room 0: keys that belong to no one room.
      {"actions", "room", Kind::Range, 0, kRoomCount, {}},
      // The saved room is read as "%i" reads a text, and a text that is no room gives room 1.
      {"currentroom", "room", Kind::RangeOrText, 1, kRoomCount, {}},
      {"undo_history", "step", Kind::Range, 1, kMostSteps, {}},
      {"undo_history", "room", Kind::Range, 1, kRoomCount, {}},
      {"undo_history", "undone", Kind::Range, 0, 1, {}},
  };
  return rules;
}

}  // namespace

const StoreRules& GameStoreRules() {
  static const StoreRules rules = MakeRules();
  return rules;
}

}  // namespace brackenhollow
