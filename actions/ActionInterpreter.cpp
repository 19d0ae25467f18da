#include "actions/ActionInterpreter.h"

#include <cstdio>
#include <cstdlib>

#include "actions/ActionContext.h"
#include "actions/PuzzleRow.h"
#include "actions/Verbs.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "world/NounLists.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

namespace {

constexpr char kIncompleteChoice[] = "You must enter an action and at least one noun.";
constexpr char kHeaderChosen[] = "You can't choose OBJECTS IN ROOM or INVENTORY ITEMS";
constexpr char kUseWithNeedsTwo[] =
    "if you use this action 'Use the _ with the _' then you must select 2 objects to combine.";
constexpr char kIcyLakeWithWeight[] =
    "You are on the edge of an icy lake. The wind is blowing intensely. With the dumbbell weighing you down "
    "you feel heavy enough to lean into the wind and cross the ice to the west. To the east is the cornfield.";

// The picture flag of one action: unset, on or off; the last setting wins and only "on" counts.
enum class PictureFlag { Unset, On, Off };

[[noreturn]] void FailUnknownCode(const char* what, int code) {
  std::fprintf(stderr, "brackenhollow: unknown %s code %d in the puzzle tables\n", what, code);
  std::abort();
}

bool IsBlank(const std::string& text) { return text.empty() || text == " "; }
bool IsHeader(const std::string& text) { return text == kObjectsHeader || text == kInventoryHeader; }

// One action in progress: the choice, the flags, and the road to the world.
class Action {
 public:
  Action(const std::string& verb, ActionContext& context)
      : m_verb(verb), m_noun1(context.Noun1()), m_noun2(context.Noun2()), m_context(context),
        m_state(context.State()) {}

  ActionOutcome Run() {
    const Verb* verb = FindVerb(m_verb);
    // A verb that takes two nouns checks them itself.
    const bool incomplete = (IsBlank(m_verb) || IsBlank(m_noun1)) && !(verb != nullptr && verb->usesSecondList);
    if (incomplete) {
      if (verb != nullptr && verb->handling == VerbHandling::Reset) {
        m_context.ResetGame();
      } else {
        Say(kIncompleteChoice);
        m_messageOnly = true;
      }
    } else if (verb != nullptr) {
      RunVerb(*verb);
    }
    if (IsHeader(m_noun1) || IsHeader(m_noun2)) {
      Say(kHeaderChosen);
      m_picture = PictureFlag::Off;
      m_messageOnly = true;
    }
    return {m_messageOnly, m_picture == PictureFlag::On};
  }

 private:
  void Say(const std::string& text) { m_context.SetActionMessage(text); }

  // Hands the choice to the verb's handling.
  void RunVerb(const Verb& verb) {
    switch (verb.handling) {
      case VerbHandling::Puzzles:
        RunFamily(verb);
        return;
      case VerbHandling::Get:
        // A noun with a pick-up puzzle of its own is never picked up the plain way, in any room.
        if (NamedByRowOf(verb)) {
          RunFamily(verb);
        } else {
          GetGeneric();
        }
        return;
      case VerbHandling::LookAt:
        LookAt();
        return;
      case VerbHandling::Reset:
        m_context.ResetGame();
        return;
    }
    FailUnknownCode("verb handling", static_cast<int>(verb.handling));
  }

  // True when one of the verb's puzzle rows names the first noun.
  bool NamedByRowOf(const Verb& verb) const {
    for (const PuzzleRow& row : PuzzleRows()) {
      if (row.family == verb.family && row.noun == m_noun1) return true;
    }
    return false;
  }

  void Apply(PictureChange change) {
    switch (change) {
      case PictureChange::Keep:
        return;
      case PictureChange::On:
        m_picture = PictureFlag::On;
        return;
      case PictureChange::Off:
        m_picture = PictureFlag::Off;
        return;
    }
    FailUnknownCode("picture change", static_cast<int>(change));
  }

  // Takes a gettable object that lies in this room; the dumbbell also makes the player heavy enough
  // for the icy lake.
  void GetGeneric() {
    m_picture = PictureFlag::On;
    std::string gettable;
    {
      GameRecordset query(m_context.Database());
      if (!query.Open("SELECT Objects, Gettable FROM objects WHERE Objects=? AND objects.Roomnumber=? and gone = 0",
                      kCursorForwardOnly, kLockReadOnly,
                      {m_noun1, static_cast<long long>(m_context.CurrentRoom())})) {
        return;
      }
      query.MoveFirst();
      if (query.IsEOF()) {
        Say("You already have this item.");
        return;
      }
      gettable = query.GetFieldText(1);
    }
    if (gettable != "1") {
      Say("You can't get this item");
      return;
    }
    if (m_noun1 == object::kDumbbell) {
      m_state.SetActionStatus(key::kHaveWeight, "1");
      m_state.SetRoomDescription(kIcyLakeWithWeight, std::to_string(room::kEdgeOfIcyLake));
    }
    m_state.AddToInventory(m_noun1);
    m_state.SetObjectGone(m_noun1);
    Say("You picked up the " + m_noun1);
  }

  // Shows the description of the first object row of that name, wherever it lies.
  void LookAt() {
    GameRecordset query(m_context.Database());
    if (!query.Open("Select description from objects where objects=?", kCursorForwardOnly, kLockReadOnly, {m_noun1})) {
      return;
    }
    query.MoveFirst();
    Say(query.IsEOF() ? std::string() : query.GetFieldText(0));
  }

  void RunFamily(const Verb& verb) {
    bool handled = false;
    if (verb.pictureOnEntry) m_picture = PictureFlag::On;
    if (verb.usesSecondList && (IsBlank(m_noun1) || IsBlank(m_noun2))) {
      Say(kUseWithNeedsTwo);
      m_picture = PictureFlag::Off;
      handled = true;
      m_messageOnly = true;
    }
    for (const PuzzleRow& row : PuzzleRows()) {
      if (row.family != verb.family || !Matches(row)) continue;
      handled = true;
      Apply(row.onMatch);
      if (ChecksPass(row)) RunEffects(row);
    }
    if (!handled && verb.fallback != nullptr) {
      Say(FallbackAnswer(verb, m_noun1, m_noun2));
      m_messageOnly = true;
      m_picture = PictureFlag::Off;
    }
  }

  bool Matches(const PuzzleRow& row) {
    if (row.family == Family::UseWith) {
      return row.room == 0 ? m_context.IsPairSelected(row.noun, row.otherNoun) == "Y"
                           : m_context.IsPairSelectedInRoom(row.noun, row.otherNoun, row.room) == "Y";
    }
    return m_noun1 == row.noun && (row.room == 0 || row.room == m_context.CurrentRoom());
  }

  // Tests the row's conditions in order; the first that fails gives its message. Returns true when
  // all hold.
  bool ChecksPass(const PuzzleRow& row) {
    for (const Check& check : row.checks) {
      if (Holds(check)) continue;
      if (!check.failMessage.empty()) Say(check.failMessage);
      Apply(check.failPicture);
      if (check.failMessageOnly) m_messageOnly = true;
      return false;
    }
    return true;
  }

  bool Holds(const Check& check) {
    switch (check.kind) {
      case CheckKind::KeyIs:
        return m_state.GetActionStatus(check.subject) == check.value;
      case CheckKind::KeyIsNot:
        return m_state.GetActionStatus(check.subject) != check.value;
      case CheckKind::Carried:
        return m_state.IsInInventory(check.subject) == "Y";
      case CheckKind::Never:
        return false;
    }
    FailUnknownCode("check", static_cast<int>(check.kind));
  }

  void RunEffects(const PuzzleRow& row) {
    for (const Effect& effect : row.effects) {
      switch (effect.kind) {
        case EffectKind::SetKey:
          m_state.SetActionStatus(effect.text, "1");
          break;
        case EffectKind::AddItem:
          m_state.AddToInventory(effect.name);
          break;
        case EffectKind::RemoveItem:
          m_state.RemoveFromInventory(effect.name);
          break;
        case EffectKind::MarkGone:
          m_state.SetObjectGone(effect.name);
          break;
        case EffectKind::PlaceObject:
          m_state.PlaceObjectInRoom(std::to_string(effect.room), effect.name, std::to_string(effect.gettable),
                                    std::to_string(effect.gone), effect.text);
          break;
        case EffectKind::SetDescription:
          m_state.SetRoomDescription(effect.text, std::to_string(effect.room));
          break;
        case EffectKind::Message:
          Say(effect.text);
          break;
        case EffectKind::PictureOn:
          m_picture = PictureFlag::On;
          break;
        case EffectKind::PictureOff:
          m_picture = PictureFlag::Off;
          break;
        case EffectKind::ShowPicture:
          m_context.SetPictureFile(effect.text);
          break;
      }
    }
  }

  const std::string& m_verb;
  const std::string& m_noun1;
  const std::string& m_noun2;
  ActionContext& m_context;
  GameState& m_state;
  bool m_messageOnly = false;
  PictureFlag m_picture = PictureFlag::Unset;
};

}  // namespace

ActionOutcome InterpretAction(const std::string& verb, ActionContext& context) {
  return Action(verb, context).Run();
}

}  // namespace brackenhollow
