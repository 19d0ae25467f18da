#pragma once
// The one connection to the game's store for the whole process.

#include <string>
#include <vector>

struct sqlite3;

namespace brackenhollow {

class ActionObserver;
class MessageBoxes;

// Prepares the store library for use. Returns false when it could not be initialised.
bool RegisterComponents();

// Writes the failure of a value conversion to standard error as "_com_issue_error(<code>)".
void ReportComError(long code);

class GameDatabase {
 public:
  // Opens the store file at path, creating it when missing. A file that is not a readable store is
  // kept aside under a ".damaged-<time>" name and a fresh store takes its place; a store that cannot
  // be opened at all is replaced by one in memory. Either way the player is told once (see
  // SetMessageBoxes). Every later query works on whatever store this leaves open.
  explicit GameDatabase(const std::string& path);
  ~GameDatabase();
  GameDatabase(const GameDatabase&) = delete;
  GameDatabase& operator=(const GameDatabase&) = delete;

  // The file the store lives in ("" while only the in-memory stand-in is open).
  const std::string& Path() const { return m_path; }
  bool IsOpen() const { return m_connection != nullptr; }
  sqlite3* Handle() const { return m_connection; }

  // Where notices for the player go. Notices raised before a receiver existed are delivered now.
  void SetMessageBoxes(MessageBoxes* boxes);

  // Runs one statement that returns no rows. Returns false when the store refuses it.
  bool Execute(const std::string& sql);

  // Hears of a failed statement: a failure that means the store cannot keep the player's progress
  // (read-only, full, damaged, locked by another program) is told to the player once per session;
  // an SQL error (a missing table, a malformed statement) is the caller's to ignore.
  void NoteFailure(int code, const std::string& error);

  // Who hears of each action's transaction (see ActionTransaction); null for nobody.
  void SetActionObserver(ActionObserver* observer) { m_actionObserver = observer; }

  // True when a transaction of ours is open but the store has already taken it back by itself:
  // a write now would be committed on its own, apart from the rest of its action, so writes refuse.
  bool TransactionLost() const;

 private:
  friend class ActionTransaction;

  void OpenOrRecover();
  bool TryOpen(const std::string& path);
  bool IsReadable();
  bool Run(const std::string& sql, bool noteFailure);
  void KeepDamagedFileAside();
  void Notify(const std::string& text);

  std::string m_path;
  sqlite3* m_connection = nullptr;
  MessageBoxes* m_boxes = nullptr;
  std::vector<std::string> m_pendingNotices;
  bool m_writeProblemReported = false;
  ActionObserver* m_actionObserver = nullptr;
  int m_openTransactions = 0;
  // A write inside the open transaction failed for lack of a usable store.
  bool m_storeFailedInTransaction = false;
};

}  // namespace brackenhollow
