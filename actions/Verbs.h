#pragma once
// The verb list: each verb's text, how the Action button handles it, its puzzle family, its answer when
// no puzzle matches and whether it takes a second noun. The game screen's list and the interpreter's
// dispatch both read this one table.

#include <optional>
#include <span>
#include <string>

#include "actions/PuzzleRow.h"

namespace brackenhollow {

inline constexpr char kVerbGet[] = "Get the";
inline constexpr char kVerbLookAt[] = "Look at";
inline constexpr char kVerbUseWith[] = "Use the __ with the __";
inline constexpr char kVerbReset[] = "RESET THE GAME";

// How the Action button handles a verb.
enum class VerbHandling {
  Puzzles,  // the family's puzzles, then the fallback answer when none matched
  Get,      // the family's own pick-ups; any other noun is picked up when it lies here and can be taken
  LookAt,   // the description of the first object of that name
  Reset,    // asks, then rebuilds the starting world
};

struct Verb {
  const char* text;
  VerbHandling handling;
  std::optional<Family> family;  // the verb's puzzle rows; none for LookAt and Reset
  bool pictureOnEntry;           // the picture flag goes on before the puzzles are tried
  bool usesSecondList;           // the second noun list applies; the verb checks its nouns itself
  // The answer when none of the family's puzzles matched, with %1 and %2 standing for the nouns;
  // nullptr: the verb has none.
  const char* fallback;
};

// Every verb, in the order the verb list shows them.
std::span<const Verb> Verbs();

// The verb's fallback answer for the chosen nouns; empty when the verb has none.
std::string FallbackAnswer(const Verb& verb, const std::string& noun1, const std::string& noun2);

// The verb with that text, or nullptr for a text that is no verb (a blank choice).
const Verb* FindVerb(const std::string& text);

// The verb whose puzzles make up family.
const Verb& VerbOf(Family family);

// True when the verb with that text takes a second noun.
bool UsesSecondList(const std::string& text);

// The choice as the player would say it: "Turn On the lamp", "Use the rope with the teapot"; the
// second noun only for a verb that takes one.
std::string SpokenAction(const std::string& verb, const std::string& noun1, const std::string& noun2);

}  // namespace brackenhollow
