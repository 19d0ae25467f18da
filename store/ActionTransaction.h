#pragma once
// One player action, one transaction: everything written between the start of an ActionTransaction
// and its Commit reaches the store together or not at all. Transactions nest (a reset runs the world
// build inside the Action press), each level a savepoint of its own.

struct sqlite3;

namespace brackenhollow {

class GameDatabase;

// Hears of every outermost action transaction (not of the world build run on its own at the first
// start). Code that must keep a record of what an action changed, in the same commit, hooks in here.
class ActionObserver {
 public:
  virtual ~ActionObserver() = default;
  // The action's transaction has just begun; nothing of the action is written yet.
  virtual void ActionBegan(sqlite3* connection) = 0;
  // The action's writes are done and about to be committed; what is written here commits with them.
  // Returning false takes the whole action back.
  virtual bool ActionCommitting(sqlite3* connection) = 0;
  // The action was committed (true) or taken back (false).
  virtual void ActionEnded(sqlite3* connection, bool committed) = 0;
};

class ActionTransaction {
 public:
  // What the transaction holds; only actions are shown to the ActionObserver.
  enum class Kind { Action, RoomSave, WorldBuild, HistoryStep };

  // Begins a savepoint on the shared connection.
  explicit ActionTransaction(GameDatabase& database, Kind kind = Kind::Action);
  // Takes everything back unless Commit succeeded.
  ~ActionTransaction();
  ActionTransaction(const ActionTransaction&) = delete;
  ActionTransaction& operator=(const ActionTransaction&) = delete;

  // Makes the writes since the start part of the enclosing transaction, or of the store when there
  // is none. Returns false, with every write since the start taken back, when the savepoint could not
  // begin, a write in it failed for lack of a usable store (full, read-only, I/O error), the observer
  // refused, or the store refused the commit; the failure is told to the player through the store's
  // notice (once per session).
  bool Commit();

  // True while the transaction is open but the store has already ended it by itself (after a full
  // disk or an I/O error SQLite may take the whole transaction back).
  bool Lost() const;

 private:
  void RollBack();

  GameDatabase& m_database;
  Kind m_kind;
  bool m_outermost = false;
  bool m_active = false;
};

}  // namespace brackenhollow
