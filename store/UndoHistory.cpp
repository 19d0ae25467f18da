#include "store/UndoHistory.h"

#include <sqlite3.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

constexpr char kHistoryTable[] = "undo_history";
// Enough for any game (a whole walkthrough is far fewer steps) while bounding the store's growth.
constexpr int kStepsKept = 1000;

// The history's own rows are bookkeeping, never part of a step.
int RecordTable(void*, const char* table) { return sqlite3_stricmp(table, kHistoryTable) != 0 ? 1 : 0; }

// A step applies only onto exactly the rows it left behind; anything else means the history no
// longer belongs to these tables, and applying part of it would corrupt them.
int RefuseConflict(void*, int, sqlite3_changeset_iter*) { return SQLITE_CHANGESET_ABORT; }

// Prepares sql; a failure is reported to the store's failure hook. Returns an empty statement then.
detail::Statement PrepareNoted(GameDatabase& database, const std::string& sql) {
  detail::Prepared prepared = detail::Prepare(database.Handle(), sql);
  if (!prepared.statement) database.NoteFailure(prepared.code, prepared.error);
  return std::move(prepared.statement);
}

// Steps a prepared statement to its end. Returns false (reported) when it fails.
bool RunToEnd(GameDatabase& database, const detail::Statement& statement) {
  if (!statement) return false;
  int code = sqlite3_step(statement.get());
  while (code == SQLITE_ROW) code = sqlite3_step(statement.get());
  if (code == SQLITE_DONE) return true;
  database.NoteFailure(code, std::string(sqlite3_errmsg(database.Handle())) + " in: " + sqlite3_sql(statement.get()));
  return false;
}

}  // namespace

ActionRecording::ActionRecording(GameDatabase& database, sqlite3_session* session, int room)
    : m_database(&database), m_session(session), m_room(room) {}

ActionRecording::~ActionRecording() { Discard(); }

ActionRecording::ActionRecording(ActionRecording&& other) noexcept
    : m_database(other.m_database), m_session(std::exchange(other.m_session, nullptr)), m_room(other.m_room) {}

ActionRecording& ActionRecording::operator=(ActionRecording&& other) noexcept {
  if (this != &other) {
    Discard();
    m_database = other.m_database;
    m_session = std::exchange(other.m_session, nullptr);
    m_room = other.m_room;
  }
  return *this;
}

void ActionRecording::Discard() {
  if (m_session != nullptr) sqlite3session_delete(std::exchange(m_session, nullptr));
}

bool ActionRecording::Keep() {
  if (m_session == nullptr) return true;
  int size = 0;
  void* changes = nullptr;
  const int code = sqlite3session_changeset(m_session, &size, &changes);
  Discard();
  const std::unique_ptr<void, decltype(&sqlite3_free)> owned(changes, sqlite3_free);
  GameDatabase& database = *m_database;
  if (code != SQLITE_OK) {
    database.NoteFailure(code, std::string("recording an action: ") + sqlite3_errstr(code));
    return false;
  }
  if (size == 0) return true;  // the action changed nothing: nothing to take back

  // The table is made with the first step, never before: a store holding only it would not be
  // recognised as a game's at the next start. undone = 1 marks the steps taken back, which Redo can
  // do again until a new step is kept.
  if (!database.Execute("CREATE TABLE IF NOT EXISTS undo_history (step INTEGER PRIMARY KEY, room INTEGER NOT NULL, "
                        "changes BLOB NOT NULL, undone INTEGER NOT NULL DEFAULT 0)")) {
    return false;
  }
  // The steps undone before can no longer be redone, and the oldest go once kStepsKept are kept.
  detail::Statement forget = PrepareNoted(
      database,
      "DELETE FROM undo_history WHERE undone = 1 OR "
      "step <= (SELECT max(step) FROM undo_history WHERE undone = 0) + 1 - ?");
  if (!forget) return false;
  sqlite3_bind_int(forget.get(), 1, kStepsKept);
  if (!RunToEnd(database, forget)) return false;
  detail::Statement insert = PrepareNoted(database, "INSERT INTO undo_history (room, changes) VALUES (?, ?)");
  if (!insert) return false;
  sqlite3_bind_int(insert.get(), 1, m_room);
  sqlite3_bind_blob(insert.get(), 2, changes, size, SQLITE_STATIC);
  return RunToEnd(database, insert);
}

UndoHistory::UndoHistory(GameDatabase& database, std::function<int()> currentRoom)
    : m_database(database), m_currentRoom(std::move(currentRoom)) {
  m_database.SetActionObserver(this);
}

UndoHistory::~UndoHistory() { m_database.SetActionObserver(nullptr); }

void UndoHistory::ActionBegan(sqlite3*) { m_recording = StartAction(m_currentRoom()); }

bool UndoHistory::ActionCommitting(sqlite3*) { return m_recording.Keep(); }

void UndoHistory::ActionEnded(sqlite3*, bool) { m_recording.Discard(); }

ActionRecording UndoHistory::StartAction(int room) {
  sqlite3_session* session = nullptr;
  if (sqlite3session_create(m_database.Handle(), "main", &session) != SQLITE_OK) {
    sqlite3session_delete(session);
    return {};
  }
  sqlite3session_table_filter(session, RecordTable, nullptr);
  if (sqlite3session_attach(session, nullptr) != SQLITE_OK) {
    sqlite3session_delete(session);
    return {};
  }
  return ActionRecording(m_database, session, room);
}

HistoryChoices UndoHistory::Choices() {
  detail::Statement query = PrepareNoted(
      m_database,
      "SELECT EXISTS (SELECT 1 FROM undo_history WHERE undone = 0), "
      "EXISTS (SELECT 1 FROM undo_history WHERE undone = 1)");
  if (!query || sqlite3_step(query.get()) != SQLITE_ROW) return {};
  return {sqlite3_column_int(query.get(), 0) != 0, sqlite3_column_int(query.get(), 1) != 0};
}

HistoryStep UndoHistory::Undo() { return Apply(true); }

HistoryStep UndoHistory::Redo() { return Apply(false); }

std::int64_t UndoHistory::NewestStep() {
  // A store without the table has kept no step; that is no failure to report.
  detail::Prepared query =
      detail::Prepare(m_database.Handle(), "SELECT ifnull(max(step), 0) FROM undo_history WHERE undone = 0");
  if (!query.statement || sqlite3_step(query.statement.get()) != SQLITE_ROW) return 0;
  return sqlite3_column_int64(query.statement.get(), 0);
}

HistoryStep UndoHistory::Apply(bool undo) {
  // Undo takes the newest step still done, Redo the oldest one undone (the one undone last).
  detail::Statement query = PrepareNoted(
      m_database, undo ? "SELECT step, room, changes FROM undo_history WHERE undone = 0 ORDER BY step DESC LIMIT 1"
                       : "SELECT step, room, changes FROM undo_history WHERE undone = 1 ORDER BY step ASC LIMIT 1");
  if (!query) return {HistoryOutcome::Failed};
  const int found = sqlite3_step(query.get());
  if (found == SQLITE_DONE) return {HistoryOutcome::NothingToDo};
  if (found != SQLITE_ROW) return {HistoryOutcome::Failed};
  const sqlite3_int64 step = sqlite3_column_int64(query.get(), 0);
  const int room = sqlite3_column_int(query.get(), 1);
  const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(query.get(), 2));
  std::vector<unsigned char> changes(bytes, bytes + sqlite3_column_bytes(query.get(), 2));
  query = detail::Statement();

  int size = static_cast<int>(changes.size());
  void* apply = changes.data();
  void* inverted = nullptr;
  if (undo) {
    const int code = sqlite3changeset_invert(size, changes.data(), &size, &inverted);
    if (code != SQLITE_OK) {
      m_database.NoteFailure(code, std::string("inverting an action: ") + sqlite3_errstr(code));
      return {HistoryOutcome::Failed};
    }
    apply = inverted;
  }
  const std::unique_ptr<void, decltype(&sqlite3_free)> ownedInverse(inverted, sqlite3_free);

  ActionTransaction transaction(m_database, ActionTransaction::Kind::HistoryStep);
  const int code = sqlite3changeset_apply(m_database.Handle(), size, apply, nullptr, RefuseConflict, nullptr);
  if (code != SQLITE_OK) {
    m_database.NoteFailure(code, std::string("applying an action's changes: ") + sqlite3_errmsg(m_database.Handle()));
    return {HistoryOutcome::Failed};
  }
  detail::Statement mark = PrepareNoted(m_database, "UPDATE undo_history SET undone = ? WHERE step = ?");
  if (!mark) return {HistoryOutcome::Failed};
  sqlite3_bind_int(mark.get(), 1, undo ? 1 : 0);
  sqlite3_bind_int64(mark.get(), 2, step);
  if (!RunToEnd(m_database, mark) || !transaction.Commit()) return {HistoryOutcome::Failed};
  return {HistoryOutcome::Done, room};
}

bool ClearUndoHistory(GameDatabase& database) {
  detail::Statement exists =
      PrepareNoted(database, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'undo_history'");
  if (!exists) return false;
  if (sqlite3_step(exists.get()) != SQLITE_ROW) return true;
  return database.Execute("DELETE FROM undo_history");
}

}  // namespace brackenhollow
