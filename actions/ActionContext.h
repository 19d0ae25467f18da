#pragma once
// What the action interpreter needs of the game screen: the store, the room, the chosen nouns, the
// answer text and the picture control.

#include <string>

namespace brackenhollow {

class GameDatabase;
class GameState;

// "Y" when the chosen nouns first and second are a and b, in either order; otherwise "N". The one
// rule behind IsPairSelected, for every context.
inline std::string PairAnswer(const std::string& first, const std::string& second, const std::string& a,
                              const std::string& b) {
  return (first == a && second == b) || (first == b && second == a) ? "Y" : "N";
}

class ActionContext {
 public:
  virtual ~ActionContext() = default;
  virtual GameDatabase& Database() = 0;
  virtual GameState& State() = 0;
  virtual int CurrentRoom() const = 0;
  // "Y" when the two noun lists show a and b, in either order; otherwise "N".
  virtual std::string IsPairSelected(const std::string& a, const std::string& b) = 0;
  // As IsPairSelected, and the player stands in room.
  virtual std::string IsPairSelectedInRoom(const std::string& a, const std::string& b, int room) = 0;
  virtual void SetActionMessage(const std::string& text) = 0;
  // Puts a picture, named with its leading backslash, straight on the (hidden) picture control.
  virtual void SetPictureFile(const std::string& name) = 0;
  // Asks for confirmation and, on Yes, rebuilds the world and puts the player in room 1.
  virtual void ResetGame() = 0;
};

}  // namespace brackenhollow
