#include "hints/KnownActions.h"

#include <algorithm>

#include "actions/PuzzleRow.h"
#include "actions/Verbs.h"

namespace brackenhollow {

namespace {

void AddOnce(std::vector<std::string>& names, const std::string& name) {
  if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

// The one place that reads the puzzle tables: a row's family gives the verb, its nouns the list
// entries, its room where it must be done, its checks and effects what it reads and writes. Rows that
// share a choice become one action.
std::vector<KnownAction> ReadPuzzleTables() {
  std::vector<KnownAction> actions;
  for (const PuzzleRow& row : PuzzleRows()) {
    const PlayerAction choice{row.room, VerbOf(row.family).text, row.noun, row.otherNoun};
    auto found = std::find_if(actions.begin(), actions.end(), [&](const KnownAction& known) { return known.action == choice; });
    if (found == actions.end()) found = actions.insert(actions.end(), KnownAction{choice, false, {}, {}, {}, {}, {}});
    KnownAction& known = *found;
    AddOnce(known.uses, row.noun);
    AddOnce(known.uses, row.otherNoun);
    std::vector<std::string> keysWantedUnset;
    for (const Check& check : row.checks) {
      switch (check.kind) {
        case CheckKind::KeyIs:
          if (check.value == "0") AddOnce(keysWantedUnset, check.subject);
          break;
        case CheckKind::KeyIsNot:
          if (check.value == "1") AddOnce(keysWantedUnset, check.subject);
          break;
        case CheckKind::Carried:
          AddOnce(known.uses, check.subject);
          break;
        case CheckKind::Never:
          break;
      }
    }
    bool never = false;
    for (const Check& check : row.checks) never = never || check.kind == CheckKind::Never;
    for (const Effect& effect : row.effects) {
      switch (effect.kind) {
        case EffectKind::SetKey:
          AddOnce(known.keysSet, effect.text);
          break;
        case EffectKind::RemoveItem:
          AddOnce(known.removes, effect.name);
          break;
        case EffectKind::AddItem:
        case EffectKind::PlaceObject:
          AddOnce(known.adds, effect.name);
          break;
        case EffectKind::MarkGone:
        case EffectKind::SetDescription:
        case EffectKind::Message:
        case EffectKind::PictureOn:
        case EffectKind::PictureOff:
        case EffectKind::ShowPicture:
          break;
      }
      known.canChange = known.canChange || (!never && effect.kind != EffectKind::Message &&
                                            effect.kind != EffectKind::PictureOn &&
                                            effect.kind != EffectKind::PictureOff &&
                                            effect.kind != EffectKind::ShowPicture);
    }
    // A row's own key guards against doing it twice; only another puzzle's key can stand in the way.
    for (const std::string& key : keysWantedUnset) {
      if (std::find(known.keysSet.begin(), known.keysSet.end(), key) == known.keysSet.end()) {
        AddOnce(known.keysWantedUnset, key);
      }
    }
  }
  return actions;
}

}  // namespace

const std::vector<KnownAction>& KnownActions() {
  static const std::vector<KnownAction> actions = ReadPuzzleTables();
  return actions;
}

}  // namespace brackenhollow
