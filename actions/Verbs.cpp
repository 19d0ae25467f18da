#include "actions/Verbs.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace brackenhollow {

namespace {

using enum VerbHandling;
using enum Family;

constexpr std::array<Verb, 13> kVerbs = {{
    {"Climb the", Puzzles, Climb, false, false,
     [](const std::string& n1, const std::string&) { return "Climbing the " + n1 + " didn't help."; }},
    {kVerbGet, Get, GetRat, false, false, nullptr},
    {kVerbLookAt, LookAt, std::nullopt, false, false, nullptr},
    {"Move the", Puzzles, Move, false, false,
     [](const std::string& n1, const std::string&) { return "You can't move the " + n1 + ". It won't budge."; }},
    {"Pull the", Puzzles, Pull, false, false,
     [](const std::string& n1, const std::string&) { return "Pulling the " + n1 + " doesn't do anything."; }},
    {"Read the", Puzzles, Read, false, false,
     [](const std::string& n1, const std::string&) { return "You can't read the " + n1; }},
    {"Search the", Puzzles, Search, false, false,
     [](const std::string& n1, const std::string&) { return "Searching the " + n1 + " didn't come up with anything."; }},
    {"Swim in the", Puzzles, Swim, false, false,
     [](const std::string& n1, const std::string&) { return "You can't swim in the " + n1; }},
    {"Talk to", Puzzles, TalkTo, false, false,
     [](const std::string& n1, const std::string&) { return "You can't talk to the " + n1; }},
    {"Turn On the", Puzzles, TurnOn, true, false,
     [](const std::string& n1, const std::string&) { return "Turning on the " + n1 + " didn't do anything."; }},
    {kVerbUseWith, Puzzles, UseWith, true, true,
     [](const std::string& n1, const std::string& n2) {
       return "Combining the " + n1 + " and the " + n2 + " didn't do anything";
     }},
    {"Wear the", Puzzles, Wear, false, false,
     [](const std::string& n1, const std::string&) { return "You can't wear the " + n1; }},
    {kVerbReset, Reset, std::nullopt, false, false, nullptr},
}};

}  // namespace

std::span<const Verb> Verbs() { return kVerbs; }

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

}  // namespace brackenhollow
