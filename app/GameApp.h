#pragma once
// The application object: owns the one store connection for the life of the process and runs the
// game's window.

#include <string>

#include "store/GameDatabase.h"

namespace brackenhollow {

class MessageBoxes;

class GameApp {
 public:
  // Opens the store before any window exists.
  explicit GameApp(const std::string& storePath) : m_database(storePath) {}

  // Runs the start window and the game window, with boxes for the player's messages (Qt message
  // boxes when null). Saves the player's room when the game ended as with OK. Returns the exit code.
  int Run(MessageBoxes* boxes, const std::string& programDirectory);

  GameDatabase& Database() { return m_database; }

 private:
  GameDatabase m_database;
};

// The store's file in the user's data folder (the folder is created when missing).
std::string DefaultStorePath();

// The executable's folder, ending in its separator: the pictures lie there.
std::string ProgramDirectory();

}  // namespace brackenhollow
