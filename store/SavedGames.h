#pragma once
// Named saved games: whole copies of the store (its undo history included) in a "saves" folder beside
// it. A save's name is the player's text, any characters; its file name is an encoding of it that
// never leaves that folder.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace brackenhollow {

class GameDatabase;
struct StoreRules;

// What a save holds beside the game: the name and when it was saved, and the room's picture for the
// listing.
inline constexpr char kAboutTableCreate[] = "CREATE TABLE saved_game (name TEXT, saved_at INTEGER, picture TEXT)";

struct NamedSave {
  std::string name;          // as the player gave it
  std::int64_t savedAt = 0;  // seconds since 1970-01-01 UTC
  int room = 0;              // where the player stood
  std::string roomName;      // that room's short name; empty when the save has none
  std::string picture;       // the room's picture name when it was saved, as the save gives it: unchecked
  std::string problem;       // why the save cannot be opened ("it is damaged (…)"); empty when it can
};

enum class SaveOutcome { Saved, NameEmpty, NameTooLong, NoFolder, Failed };
enum class OpenOutcome {
  Opened,
  NotFound,
  Refused,  // the file is no whole game of ours (reason says why)
  Failed,   // the save or the game could not be read or written (reason gives the cause)
};

struct SaveOpening {
  SaveOpening(OpenOutcome outcomeGiven, std::string reasonGiven = {})
      : outcome(outcomeGiven), reason(std::move(reasonGiven)) {}

  OpenOutcome outcome = OpenOutcome::NotFound;
  std::string reason;  // a clause for the player, for Refused and Failed
};

class SavedGames {
 public:
  // The saves of the store that database has open, each checked against rules (which must outlive
  // this); none when the store lives only in memory.
  SavedGames(GameDatabase& database, const StoreRules& rules);

  // The folder the saves are kept in; empty when there is none.
  const std::string& Folder() const { return m_folder; }

  // Every save, newest first, each checked as Open checks it (a save that fails says why in problem).
  // Only regular files under a name that a save's name makes are looked at; anything else in the
  // folder (a link, a pipe, a file copied in by hand) is passed over without being opened.
  std::vector<NamedSave> List() const;
  bool Exists(const std::string& name) const;
  // Copies the store as it is now under name (blanks at either end do not count), replacing a save
  // of that name. picture is remembered for the listing's thumbnail. The copy is written to a
  // temporary file of this writer's own, flushed to disk and only then renamed into place (the
  // folder flushed too), so an existing save of that name stays as it was unless the new copy was
  // complete, and two games saving into one folder never mix their files.
  SaveOutcome Save(const std::string& name, const std::string& picture);
  // Replaces everything in the store with the save of that name, once the save has passed the store
  // check. Refused or Failed, with the store unchanged, when it does not or cannot be read. A history
  // kept by the release before is dropped. Call it outside any transaction.
  SaveOpening Open(const std::string& name);
  // Removes what interrupted saves left in the folder (their temporary files), sparing those of a
  // save that a running game is still writing.
  void RemoveInterruptedSaves() const;

  // The file a name is kept in, inside Folder(); empty when the name is empty or too long.
  std::string FileFor(const std::string& name) const;

 private:
  GameDatabase& m_database;
  const StoreRules& m_rules;
  std::string m_folder;
};

// The name with the blanks at either end removed: "Before the maze " and "Before the maze" are one save.
std::string TrimSaveName(const std::string& name);

}  // namespace brackenhollow
