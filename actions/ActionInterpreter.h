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

// Runs the player's choice against the world through context and returns how to close the action.
// The answer is left in the context (SetActionMessage). An unknown row code in the puzzle tables
// stops the program with a message, since it can only be a programming error.
ActionOutcome InterpretAction(const std::string& verb, const std::string& noun1, const std::string& noun2,
                              ActionContext& context);

}  // namespace brackenhollow
