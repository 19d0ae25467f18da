#pragma once
// The one road from game logic to the player's message boxes: the game screen answers with real
// boxes, tests and the replay driver record and answer them.

#include <string>

namespace brackenhollow {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A plain box with an OK button.
  virtual void Inform(const std::string& text) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace brackenhollow
