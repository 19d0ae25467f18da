#pragma once
// Named saved games: whole copies of the store (its undo history included) in a "saves" folder beside
// it. A save's name is the player's text, any characters; its file name is an encoding of it that
// never leaves that folder.

#include <cstdint>
#include <string>
#include <vector>

namespace brackenhollow {

class GameDatabase;

struct NamedSave {
  std::string name;          // as the player gave it
  std::int64_t savedAt = 0;  // seconds since 1970-01-01 UTC
  int room = 0;              // where the player stood
  std::string roomName;      // that room's short name; empty when the save has none
  std::string picture;       // the room's picture name when it was saved, as the picture selection gives it
};

enum class SaveOutcome { Saved, NameEmpty, NameTooLong, NoFolder, Failed };
enum class OpenOutcome { Opened, NotFound, Failed };

class SavedGames {
 public:
  // The saves of the store that database has open; none when it lives only in memory.
  explicit SavedGames(GameDatabase& database);

  // The folder the saves are kept in; empty when there is none.
  const std::string& Folder() const { return m_folder; }

  // Every readable save, newest first.
  std::vector<NamedSave> List() const;
  bool Exists(const std::string& name) const;
  // Copies the store as it is now under name (blanks at either end do not count), replacing a save
  // of that name. picture is remembered for the listing's thumbnail. An existing save of that name
  // stays as it was unless the new copy was complete.
  SaveOutcome Save(const std::string& name, const std::string& picture);
  // Replaces everything in the store with the save of that name. Failed, with the store unchanged,
  // when the save cannot be read or is no game. Call it outside any transaction.
  OpenOutcome Open(const std::string& name);

  // The file a name is kept in, inside Folder(); empty when the name is empty or too long.
  std::string FileFor(const std::string& name) const;

 private:
  GameDatabase& m_database;
  std::string m_folder;
};

// The name with the blanks at either end removed: "Before the maze " and "Before the maze" are one save.
std::string TrimSaveName(const std::string& name);

}  // namespace brackenhollow
