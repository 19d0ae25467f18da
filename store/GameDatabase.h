#pragma once
// The one connection to the game's store for the whole process.

#include <set>
#include <string>
#include <vector>

struct sqlite3;

namespace brackenhollow {

class ActionObserver;
class MessageBoxes;

// Written into every store the world build makes, so a store of ours is told from another program's
// SQLite file, and a store of an older format from the present one.
inline constexpr int kStoreApplicationId = 0x42686f6c;  // "Bhol"
inline constexpr int kStoreFormatVersion = 1;

// The path of a store that lives in memory only, for as long as its GameDatabase.
inline constexpr char kMemoryStore[] = ":memory:";

// Prepares the store library for use. Returns false when it could not be initialised.
bool RegisterComponents();

// Writes the failure of a value conversion to standard error as "_com_issue_error(<code>)".
void ReportComError(long code);

class GameDatabase {
 public:
  // Opens the store file at path, creating it when missing, and checks it whole. What goes wrong is
  // told apart by cause, and the player is told once (see SetMessageBoxes):
  // - damage (not an SQLite file, a failed integrity check that rebuilding the indexes does not
  //   mend): the file is moved aside under a free ".damaged-<time>" name and a fresh store is made;
  // - a store that cannot be written (read-only file or folder, full disk, I/O error): the game
  //   plays on a copy in memory and the file is left as it is;
  // - a file with tables and without our application id is only read (see ClaimStore);
  // - a store locked by another program: nothing is opened and IsBusy() holds;
  // - a folder, FIFO, device or socket at the path, or a file that could not be moved aside: the
  //   game plays in memory and leaves it alone.
  explicit GameDatabase(const std::string& path);
  ~GameDatabase();
  GameDatabase(const GameDatabase&) = delete;
  GameDatabase& operator=(const GameDatabase&) = delete;

  // The file the store lives in ("" while only a store in memory is open).
  const std::string& Path() const { return m_path; }
  bool IsOpen() const { return m_connection != nullptr; }
  sqlite3* Handle() const { return m_connection; }

  // True when another program kept the store locked for the whole wait; nothing is open then.
  bool IsBusy() const { return m_busy; }
  // Waits for the store and opens it again (after IsBusy).
  void RetryOpen();

  // Moves the store file aside as "<path>.<label>-<time>" (a free name) and opens a fresh store in
  // its place, telling the player why (reason, a clause such as "The saved game at … is damaged")
  // and where the file went. When the move fails, says so,
  // leaves the file untouched and plays in memory. Returns false when the file stayed.
  bool MoveAside(const std::string& label, const std::string& reason);
  // Copies the whole store, unchanged, to a free "<path>.<label>-<time>" name. Returns that name, or
  // "" when no copy could be made.
  std::string CopyAside(const std::string& label);
  // Leaves the file alone from now on and plays on a copy in memory of it, read without writing a
  // byte, and says why (reason) unless a failed write was told already. When the file cannot be read
  // either, plays on an empty store in memory and says so.
  void PlayOnCopy(const std::string& reason);
  // Leaves the file alone from now on and plays on an empty store in memory.
  void UseMemoryStore();
  // Takes a file that was opened but only read (it has tables and not our application id) for
  // writing, once the world check has found it to be a store of ours: the log mode, our id, a write.
  // When it takes no writes, plays on a copy in memory as at start-up and returns false.
  bool ClaimStore();

  // Where notices for the player go. Notices raised before a receiver existed are delivered now.
  void SetMessageBoxes(MessageBoxes* boxes);
  // Tells the player text (queued until a receiver exists) and writes it to standard error.
  void Notify(const std::string& text);

  // Runs one statement that returns no rows. Returns false when the store refuses it.
  bool Execute(const std::string& sql);

  // Hears of a failed statement: a failure that means the store cannot keep the player's progress
  // (read-only, full, damaged, locked by another program) is told to the player once per session and
  // cause, so one cause told never hides another;
  // an SQL error (a missing table, a malformed statement) is the caller's to ignore.
  void NoteFailure(int code, const std::string& error);
  // The code of the last failure NoteFailure heard of (SQLITE_OK before any).
  int LastFailure() const { return m_lastFailure; }

  // Who hears of each action's transaction (see ActionTransaction); null for nobody.
  void SetActionObserver(ActionObserver* observer) { m_actionObserver = observer; }

  // True when a transaction of ours is open but the store has already taken it back by itself:
  // a write now would be committed on its own, apart from the rest of its action, so writes refuse.
  bool TransactionLost() const;

 private:
  friend class ActionTransaction;

  // Opens and checks the file, acting on what went wrong as the constructor says.
  void OpenFile();
  // Opens name as the connection, closing the one before. Returns SQLITE_OK or the failure's code.
  int OpenConnection(const std::string& name, int flags);
  void Close();
  // Checks the whole file and, for a new store or one of ours, takes it for writing; SQLITE_OK or
  // the cause of the failure.
  int CheckStore();
  // Sets the log mode and writes one header value back unchanged. Returns SQLITE_OK or why the store
  // takes no writes.
  int TakeForWriting();
  // Runs sql; false when it fails (noted through NoteFailure when noteFailure is set).
  bool Run(const std::string& sql, bool noteFailure);
  // Runs sql and returns SQLITE_OK or the code of its failure, which is not noted.
  int RunForCode(const std::string& sql);

  std::string m_path;
  std::string m_filePath;  // the store's file, also while playing in memory
  sqlite3* m_connection = nullptr;
  bool m_busy = false;
  bool m_claimed = false;  // new or ours: written to; otherwise only read so far
  MessageBoxes* m_boxes = nullptr;
  std::vector<std::string> m_pendingNotices;
  bool m_writeProblemReported = false;
  std::set<int> m_reportedCauses;  // SQLite's primary codes already told by NoteFailure
  int m_lastFailure = 0;
  ActionObserver* m_actionObserver = nullptr;
  int m_openTransactions = 0;
  // A write inside the open transaction failed for lack of a usable store.
  bool m_storeFailedInTransaction = false;
};

}  // namespace brackenhollow
