#include "actions/Verbs.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace brackenhollow {

namespace {

using enum VerbHandling;
using enum Family;

// text, handling, family, picture on entry, second list, answer when no puzzle matches
constexpr auto kVerbs = std::to_array<Verb>({
    {"Climb the", Puzzles, Climb, false, false, "Climbing the %1 didn't help."},
    {kVerbGet, Get, GetRat, false, false, nullptr},
    {kVerbLookAt, LookAt, std::nullopt, false, false, nullptr},
    {"Move the", Puzzles, Move, false, false, "You can't move the %1. It won't budge."},
    {"Pull the", Puzzles, Pull, false, false, "Pulling the %1 doesn't do anything."},
    {"Read the", Puzzles, Read, false, false, "You can't read the %1"},
    {"Search the", Puzzles, Search, false, false, "Searching the %1 didn't come up with anything."},
    {"Swim in the", Puzzles, Swim, false, false, "You can't swim in the %1"},
    {"Talk to", Puzzles, TalkTo, false, false, "You can't talk to the %1"},
    {"Turn On the", Puzzles, TurnOn, true, false, "Turning on the %1 didn't do anything."},
    {kVerbUseWith, Puzzles, UseWith, true, true, "Combining the %1 and the %2 didn't do anything"},
    {"Wear the", Puzzles, Wear, false, false, "You can't wear the %1"},
    {kVerbReset, Reset, std::nullopt, false, false, nullptr},
});

}  // namespace

std::span<const Verb> Verbs() { return kVerbs; }

std::string FallbackAnswer(const Verb& verb, const std::string& noun1, const std::string& noun2) {
  std::string answer;
  if (verb.fallback == nullptr) return answer;
  for (const char* at = verb.fallback; *at != '\0'; ++at) {
    if (at[0] == '%' && (at[1] == '1' || at[1] == '2')) {
      answer += at[1] == '1' ? noun1 : noun2;
      ++at;
    } else {
      answer += *at;
    }
  }
  return answer;
}

const Verb* FindVerb(const std::string& text) {
  for (const Verb& verb : kVerbs) {
    if (text == verb.text) return &verb;
  }
  return nullptr;
}

const Verb& VerbOf(Family family) {
  for (const Verb& verb : kVerbs) {
    if (verb.family == family) return verb;
  }
  std::fprintf(stderr, "brackenhollow: no verb runs the puzzle family %d\n", static_cast<int>(family));
  std::abort();
}

bool UsesSecondList(const std::string& text) {
  const Verb* verb = FindVerb(text);
  return verb != nullptr && verb->usesSecondList;
}

std::string SpokenAction(const std::string& verb, const std::string& noun1, const std::string& noun2) {
  if (verb == kVerbUseWith) return "Use the " + noun1 + " with the " + noun2;
  return verb + " " + noun1;
}

}  // namespace brackenhollow
