#pragma once
// The Action button's rules: validation, the verbs (actions/Verbs.h) and their puzzles, the header rule.

#include <string>

#include "actions/Verbs.h"

namespace brackenhollow {

class ActionContext;

// How an action asks to be closed.
struct ActionOutcome {
  bool messageOnly = false;  // show the answer under the old room text; re-read nothing
  bool pictureFlag = false;  // choose the room's picture and exits anew
};

// Runs the verb with the context's chosen nouns against the world and returns how to close the action.
// The answer and any close-up are left in the context. An unknown row code in the puzzle tables stops
// the program with a message, since it can only be a programming error.
ActionOutcome InterpretAction(const std::string& verb, ActionContext& context);

}  // namespace brackenhollow
