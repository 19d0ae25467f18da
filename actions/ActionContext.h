#pragma once
// What one press of Action works on and leaves behind: the store, the room the player stands in, the
// two chosen nouns, and for the caller to show, the answer and any close-up picture. The game screen,
// the hint search and the tests all act through this one class.

#include <functional>
#include <string>

namespace brackenhollow {

class GameDatabase;
class GameState;

class ActionContext {
 public:
  // reset is run when the action asks for the world to be rebuilt (it asks the player first); without
  // one such an action does nothing, as in a search that never chooses it.
  ActionContext(GameDatabase& database, GameState& state, int room, std::string noun1, std::string noun2,
                std::function<void()> reset = {});

  GameDatabase& Database() { return m_database; }
  GameState& State() { return m_state; }
  int CurrentRoom() const { return m_room; }
  const std::string& Noun1() const { return m_noun1; }
  const std::string& Noun2() const { return m_noun2; }

  // "Y" when the chosen nouns are a and b, in either order; otherwise "N".
  std::string IsPairSelected(const std::string& a, const std::string& b) const;
  // As IsPairSelected, and the player stands in room.
  std::string IsPairSelectedInRoom(const std::string& a, const std::string& b, int room) const;

  void SetActionMessage(const std::string& text) { m_message = text; }
  // The last answer given; empty when none was.
  const std::string& ActionMessage() const { return m_message; }
  // Asks for a picture, named with its leading backslash, to go straight on the picture control.
  void SetPictureFile(const std::string& name) { m_pictureFile = name; }
  // The picture last asked for; empty when none was.
  const std::string& PictureFile() const { return m_pictureFile; }
  void ResetGame();

 private:
  GameDatabase& m_database;
  GameState& m_state;
  int m_room;
  std::string m_noun1;
  std::string m_noun2;
  std::function<void()> m_reset;
  std::string m_message;
  std::string m_pictureFile;
};

}  // namespace brackenhollow
