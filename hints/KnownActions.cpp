#include "hints/KnownActions.h"

#include "actions/ActionInterpreter.h"
#include "actions/PuzzleRow.h"

namespace brackenhollow {

namespace {

// The one place that reads the puzzle tables: a row's family gives the verb, its nouns the list
// entries, its room where it must be done. Rows that share a choice become one action.
std::vector<PlayerAction> ReadPuzzleTables() {
  std::vector<PlayerAction> actions;
  for (const PuzzleRow& row : PuzzleRows()) {
    PlayerAction action{row.room, VerbOfFamily(row.family), row.noun, row.otherNoun};
    bool known = false;
    for (const PlayerAction& other : actions) known = known || other == action;
    if (!known) actions.push_back(std::move(action));
  }
  return actions;
}

}  // namespace

const std::vector<PlayerAction>& KnownActions() {
  static const std::vector<PlayerAction> actions = ReadPuzzleTables();
  return actions;
}

}  // namespace brackenhollow
