#pragma once
// The application object: owns the one store connection for the life of the process and runs the
// game's window.

#include <QLockFile>

#include <memory>
#include <string>

namespace brackenhollow {

class GameDatabase;
class MessageBoxes;

class GameApp {
 public:
  // Takes the store for this process alone (a lock file beside it) and opens it before any window
  // exists. When another running game holds the lock, the store is not opened at all.
  explicit GameApp(const std::string& storePath);
  ~GameApp();

  // Runs the start window and the game window, with boxes for the player's messages (Qt message
  // boxes when null), in a process whose memory stays bounded however long the game is played. Saves
  // the player's room when the game ended as with OK. Returns the exit code:
  // 1 when the game did not start because the store is in use elsewhere.
  int Run(MessageBoxes* boxes, const std::string& programDirectory);

 private:
  QLockFile m_lock;
  std::unique_ptr<GameDatabase> m_database;  // null while another game holds the store
};

// Takes the lock for this process: a lock of a game that is no longer running is taken over, and so
// is one that names no process (empty, unreadable) unless a running game holds it. Returns false when
// a running game holds it or the lock could not be made (see QLockFile::error).
bool TakeLock(QLockFile& lock);

// The store's file in the user's data folder (the folder is created when missing).
std::string DefaultStorePath();

// The executable's folder, ending in its separator: the pictures lie there in the build folder.
std::string ProgramDirectory();

}  // namespace brackenhollow
