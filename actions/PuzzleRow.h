#pragma once
// One puzzle of the Action button as data: the interpreter (ActionInterpreter) reads these rows; the
// rows themselves live in PuzzleTables.cpp. To list every puzzle as a player would try it, walk
// PuzzleRows() and take VerbOf(row.family).text (actions/Verbs.h), row.noun, row.otherNoun and row.room.

#include <string>
#include <vector>

namespace brackenhollow {

// The puzzle families; the verb table (actions/Verbs.h) names the verb that runs each.
enum class Family {
  GetRat,      // "Get the": pick-ups with a puzzle of their own (the rat); other nouns are taken plainly
  TurnOn,      // "Turn On the"
  TalkTo,      // "Talk to"
  Search,      // "Search the"
  Climb,       // "Climb the"
  Read,        // "Read the"
  Move,        // "Move the"
  Wear,        // "Wear the"
  Pull,        // "Pull the"
  Swim,        // "Swim in the"
  UseWith,     // "Use the __ with the __"
};

// What a row does to the picture flag of the action: leave it, or turn it on or off.
enum class PictureChange { Keep, On, Off };

// A condition tested before the effects, in row order. The first one that fails ends the puzzle with
// its own message (empty: nothing is said).
enum class CheckKind {
  KeyIs,     // GetActionStatus(subject) equals value
  KeyIsNot,  // GetActionStatus(subject) differs from value (an empty status differs from both)
  Carried,   // IsInInventory(subject) is "Y"
  Never,     // always fails: a combination that only ever refuses
};

struct Check {
  CheckKind kind;
  std::string subject;                        // action key or item name
  std::string value;                          // the literal compared with, for KeyIs and KeyIsNot
  std::string failMessage;                    // repeat or refusal message; empty says nothing
  PictureChange failPicture = PictureChange::Keep;
  bool failMessageOnly = false;               // the refusal leaves the room view as it is
};

enum class EffectKind {
  SetKey,          // SetActionStatus(text, "1")
  AddItem,         // AddToInventory(name)
  RemoveItem,      // RemoveFromInventory(name)
  MarkGone,        // SetObjectGone(name)
  PlaceObject,     // PlaceObjectInRoom(room, name, gettable, gone, text)
  SetDescription,  // SetRoomDescription(text, room)
  Message,         // SetActionMessage(text)
  PictureOn,       // picture flag on: the room picture and exits are chosen anew at the end
  PictureOff,      // picture flag off
  ShowPicture,     // SetPictureFile(program folder + text), a close-up that stays until the next room picture
};

struct Effect {
  EffectKind kind;
  std::string text;   // key, message, description or picture name
  std::string name;   // object or item name
  int room = 0;
  int gettable = 0;
  int gone = 0;
};

struct PuzzleRow {
  Family family;
  std::string noun;                 // noun 1; for UseWith one of the pair, in either list
  std::string otherNoun;            // UseWith only: the other of the pair
  int room = 0;                     // 0: any room
  PictureChange onMatch = PictureChange::Keep;
  std::vector<Check> checks;
  std::vector<Effect> effects;
};

// Builders that keep the tables readable.
inline Effect SetKey(std::string key) { return {EffectKind::SetKey, std::move(key), {}, 0, 0, 0}; }
inline Effect AddItem(std::string item) { return {EffectKind::AddItem, {}, std::move(item), 0, 0, 0}; }
inline Effect RemoveItem(std::string item) { return {EffectKind::RemoveItem, {}, std::move(item), 0, 0, 0}; }
inline Effect MarkGone(std::string object) { return {EffectKind::MarkGone, {}, std::move(object), 0, 0, 0}; }
inline Effect PlaceObject(int room, std::string object, int gettable, int gone, std::string description) {
  return {EffectKind::PlaceObject, std::move(description), std::move(object), room, gettable, gone};
}
inline Effect SetDescription(int room, std::string text) {
  return {EffectKind::SetDescription, std::move(text), {}, room, 0, 0};
}
inline Effect Message(std::string text) { return {EffectKind::Message, std::move(text), {}, 0, 0, 0}; }
inline Effect PictureOn() { return {EffectKind::PictureOn, {}, {}, 0, 0, 0}; }
inline Effect PictureOff() { return {EffectKind::PictureOff, {}, {}, 0, 0, 0}; }
inline Effect ShowPicture(std::string name) { return {EffectKind::ShowPicture, std::move(name), {}, 0, 0, 0}; }

// The whole puzzle set, every family's rows. No two rows answer the same choice, so their order only
// keeps the tables readable.
const std::vector<PuzzleRow>& PuzzleRows();

}  // namespace brackenhollow
