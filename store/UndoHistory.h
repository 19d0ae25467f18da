#pragma once
// Takes actions back and does them again. What each action changed in the world is recorded as a
// changeset and kept in the store itself, so the history outlives the program and goes with a copy
// of the store (a saved game).

#include <cstdint>
#include <functional>
#include <string>

#include "store/ActionTransaction.h"

struct sqlite3_session;

namespace brackenhollow {

class GameDatabase;

// Records what one action changes in the world's tables, from the start of its transaction until
// Keep. Destroyed without Keep, it keeps nothing.
class ActionRecording {
 public:
  ActionRecording() = default;
  ~ActionRecording();
  ActionRecording(const ActionRecording&) = delete;
  ActionRecording& operator=(const ActionRecording&) = delete;
  ActionRecording(ActionRecording&& other) noexcept;
  ActionRecording& operator=(ActionRecording&& other) noexcept;

  // Stops recording and, when the action changed the world, adds it to the history as the newest
  // step; the steps undone before it can no longer be redone. Writes inside the action's
  // transaction. Returns false when the step could not be written.
  bool Keep();
  // Stops recording and keeps nothing.
  void Discard();

 private:
  friend class UndoHistory;
  ActionRecording(GameDatabase& database, sqlite3_session* session, int room);

  GameDatabase* m_database = nullptr;
  sqlite3_session* m_session = nullptr;
  int m_room = 0;
};

// The history's table; each step is kept with a checksum of its place, its room and its changes.
inline constexpr char kHistoryTableCreate[] =
    "CREATE TABLE IF NOT EXISTS undo_history (step INTEGER PRIMARY KEY, room INTEGER NOT NULL, "
    "changes BLOB NOT NULL, undone INTEGER NOT NULL DEFAULT 0, checksum INTEGER NOT NULL)";
// The table as the release before kept it, without checksums: still taken from a file, then dropped
// (see BringHistoryUpToDate), since its steps cannot be told whole.
inline constexpr char kEarlierHistoryTableCreate[] =
    "CREATE TABLE IF NOT EXISTS undo_history (step INTEGER PRIMARY KEY, room INTEGER NOT NULL, "
    "changes BLOB NOT NULL, undone INTEGER NOT NULL DEFAULT 0)";

enum class HistoryOutcome {
  Done,
  NothingToDo,
  Refused,  // the step is damaged or does not fit the tables: nothing changed, the history beyond it is gone
  Failed,   // the store could not be read or written: nothing changed (cause says why)
};

struct HistoryStep {
  HistoryOutcome outcome = HistoryOutcome::NothingToDo;
  int room = 0;       // the room where the step's action was done; set when outcome is Done
  std::string cause;  // for Failed: the store's own words ("disk I/O error")
};

// The checksum a step is kept with: of its place in the sequence, its room and its changes.
std::int64_t StepChecksum(std::int64_t step, std::int64_t room, const void* changes, std::size_t size);

struct HistoryChoices {
  bool canUndo = false;
  bool canRedo = false;
};

class UndoHistory : public ActionObserver {
 public:
  // From now on records each action's transaction (see ActionTransaction) as a step done in the room
  // that currentRoom gives when it begins. A store without a history (none kept yet) has nothing to
  // undo or redo.
  UndoHistory(GameDatabase& database, std::function<int()> currentRoom);
  ~UndoHistory() override;
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // Stops recording the action in progress, which then leaves no step (a reset: the rebuild empties
  // the history itself).
  void ForgetAction() { m_recording.Discard(); }

  // Whether there is a step to take back and one to do again; neither when the store has no history
  // or cannot be read.
  HistoryChoices Choices();
  // Puts every table back as it was before the newest step that is not undone. Before anything is
  // changed the step's checksum, its place in the sequence and every change in it are checked against
  // the tables; the step is then applied whole or not at all. Refused (store unchanged but for the
  // history: the step and every older one are dropped) when the step is damaged or the tables no longer
  // match what it left; Failed (store unchanged) when the store could not be read or written.
  HistoryStep Undo();
  // Does the oldest undone step again, checked as for Undo; when it is refused, it and every newer
  // undone step are dropped.
  HistoryStep Redo();
  // The number of the newest step still done: it changes exactly when an action keeps a step. 0 when
  // there is none or the store has no history.
  std::int64_t NewestStep();

  // ActionObserver: the step is written in the action's own transaction; when it cannot be, the
  // action is taken back with it.
  void ActionBegan(sqlite3* connection) override;
  bool ActionCommitting(sqlite3* connection) override;
  void ActionEnded(sqlite3* connection, bool committed) override;

 private:
  // Starts recording an action done in room; idle when the store cannot record.
  ActionRecording StartAction(int room);
  HistoryStep Apply(bool undo);
  // Drops the step and the history beyond it in the direction of travel; what the player is told.
  HistoryStep Refuse(std::int64_t step, bool undo);

  GameDatabase& m_database;
  std::function<int()> m_currentRoom;
  ActionRecording m_recording;
};

// Forgets every step, as a rebuild of the world must: the steps describe rows that are gone. A store
// without a history has nothing to forget. Returns false when the history could not be emptied.
bool ClearUndoHistory(GameDatabase& database);

// Drops a history kept without checksums by the release before (its steps cannot be checked), keeping
// the game. Returns false when it could not be written.
bool BringHistoryUpToDate(GameDatabase& database);

}  // namespace brackenhollow
