#include "store/UndoHistory.h"

#include <sqlite3.h>

#include <algorithm>
#include <limits>
#include <map>
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

// What applying a step met: a table it would have passed over, which makes the step partial.
struct ApplyContext {
  bool skipped = false;
};

// Every table a step names was checked before; a table turned down here would be passed over silently
// by SQLite, so it is noted and the step taken back whole.
int OnlyRecordedTables(void* context, const char* table) {
  if (RecordTable(nullptr, table) != 0) return 1;
  static_cast<ApplyContext*>(context)->skipped = true;
  return 0;
}

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

// Whether the store has the history table in its present shape (true), in the earlier one without
// checksums, or not at all (both false). Returns SQLITE_OK or why the store could not be read.
int HistoryShape(sqlite3* connection, bool& exists, bool& current) {
  detail::Prepared prepared = detail::Prepare(
      connection, "SELECT count(*), count(*) FILTER (WHERE name = 'checksum') FROM pragma_table_info('undo_history')");
  if (!prepared.statement) return prepared.code;
  if (sqlite3_step(prepared.statement.get()) != SQLITE_ROW) return sqlite3_extended_errcode(connection);
  exists = sqlite3_column_int(prepared.statement.get(), 0) > 0;
  current = sqlite3_column_int(prepared.statement.get(), 1) > 0;
  return SQLITE_OK;
}

// Columns and key of one of the store's tables, as a step must name them.
struct TableShape {
  int columns = 0;
  std::vector<unsigned char> key;  // one flag per column
};

// The shape of table in the store; no columns when it has no such table.
TableShape ShapeOf(sqlite3* connection, const char* table) {
  TableShape shape;
  detail::Prepared prepared = detail::Prepare(connection, "SELECT pk FROM pragma_table_info(?)");
  if (!prepared.statement) return shape;
  sqlite3_bind_text(prepared.statement.get(), 1, table, -1, SQLITE_TRANSIENT);
  while (sqlite3_step(prepared.statement.get()) == SQLITE_ROW) {
    ++shape.columns;
    shape.key.push_back(sqlite3_column_int(prepared.statement.get(), 0) > 0 ? 1 : 0);
  }
  return shape;
}

// True when every value the change carries can be read.
bool ValuesReadable(sqlite3_changeset_iter* iterator, int columns, int operation) {
  for (int column = 0; column < columns; ++column) {
    sqlite3_value* value = nullptr;
    if (operation != SQLITE_INSERT && sqlite3changeset_old(iterator, column, &value) != SQLITE_OK) return false;
    if (operation != SQLITE_DELETE && sqlite3changeset_new(iterator, column, &value) != SQLITE_OK) return false;
  }
  return true;
}

// Reads a varint as SQLite writes them (big-endian groups of seven bits, a ninth byte of eight) at
// at, moving it past. Returns false when it runs past end.
bool ReadVarint(const unsigned char*& at, const unsigned char* end, std::uint64_t& value) {
  value = 0;
  for (int index = 0; index < 9; ++index) {
    if (at >= end) return false;
    const unsigned char byte = *at++;
    if (index == 8) {
      value = (value << 8) | byte;
      return true;
    }
    value = (value << 7) | (byte & 0x7f);
    if ((byte & 0x80) == 0) return true;
  }
  return true;
}

// Steps over one value of a change record. Returns false when it is no value or runs past end.
bool SkipValue(const unsigned char*& at, const unsigned char* end, bool mayBeUndefined) {
  if (at >= end) return false;
  std::uint64_t length = 0;
  switch (*at++) {
    case 0:  // a column an update leaves as it is
      return mayBeUndefined;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
      length = 8;
      break;
    case SQLITE_TEXT:
    case SQLITE_BLOB:
      if (!ReadVarint(at, end, length)) return false;
      break;
    case SQLITE_NULL:
      return true;
    default:
      return false;
  }
  if (length > static_cast<std::uint64_t>(end - at)) return false;
  at += length;
  return true;
}

// Reads the changeset's layout, every byte accounted for, before any SQLite code parses it: SQLite's
// own reader trusts the sizes written in it and can read past its end or run for ever on a damaged
// one. True when it is table headers (a column count, a key flag per column, a name) each followed by
// inserts, deletes and updates carrying a whole record per column.
bool WellFormed(const std::vector<unsigned char>& changes) {
  constexpr std::uint64_t kMostColumns = 2000;  // SQLite's own limit on a table's columns
  const unsigned char* at = changes.data();
  const unsigned char* const end = at + changes.size();
  std::uint64_t columns = 0;
  while (at < end) {
    const unsigned char kind = *at++;
    if (kind == 'T') {
      if (!ReadVarint(at, end, columns) || columns == 0 || columns > kMostColumns ||
          columns > static_cast<std::uint64_t>(end - at)) {
        return false;
      }
      for (std::uint64_t column = 0; column < columns; ++column) {
        if (*at > 1) return false;
        ++at;
      }
      const unsigned char* name = at;
      while (at < end && *at != 0) ++at;
      if (at == end || at == name) return false;
      ++at;
      continue;
    }
    if (columns == 0 || (kind != SQLITE_INSERT && kind != SQLITE_DELETE && kind != SQLITE_UPDATE)) return false;
    if (at >= end || *at > 1) return false;  // the indirect flag
    ++at;
    const int records = kind == SQLITE_UPDATE ? 2 : 1;
    for (int record = 0; record < records; ++record) {
      for (std::uint64_t column = 0; column < columns; ++column) {
        if (!SkipValue(at, end, kind == SQLITE_UPDATE)) return false;
      }
    }
  }
  return columns != 0;
}

// Reads the whole changeset, change by change, before SQLite is asked to invert or apply it: true when
// it reads to its end and every change is an insert, update or delete of a recorded table of the
// store, with that table's columns and key. Counts the changes into count.
bool ChangesFitTables(sqlite3* connection, std::vector<unsigned char>& changes, int& count) {
  count = 0;
  if (!WellFormed(changes)) return false;
  sqlite3_changeset_iter* iterator = nullptr;
  if (sqlite3changeset_start(&iterator, static_cast<int>(changes.size()), changes.data()) != SQLITE_OK) {
    sqlite3changeset_finalize(iterator);
    return false;
  }
  std::map<std::string, TableShape> shapes;
  bool fits = true;
  int code = SQLITE_OK;
  while (fits && (code = sqlite3changeset_next(iterator)) == SQLITE_ROW) {
    const char* table = nullptr;
    int columns = 0;
    int operation = 0;
    int indirect = 0;
    unsigned char* key = nullptr;
    int keyColumns = 0;
    fits = sqlite3changeset_op(iterator, &table, &columns, &operation, &indirect) == SQLITE_OK &&
           sqlite3changeset_pk(iterator, &key, &keyColumns) == SQLITE_OK && table != nullptr &&
           RecordTable(nullptr, table) != 0 && sqlite3_strnicmp(table, "sqlite_", 7) != 0 &&
           (operation == SQLITE_INSERT || operation == SQLITE_UPDATE || operation == SQLITE_DELETE);
    if (!fits) break;
    auto shape = shapes.find(table);
    if (shape == shapes.end()) shape = shapes.emplace(table, ShapeOf(connection, table)).first;
    fits = columns > 0 && columns == shape->second.columns && keyColumns == columns &&
           std::equal(shape->second.key.begin(), shape->second.key.end(), key,
                      [](unsigned char expected, unsigned char given) { return expected == (given != 0 ? 1 : 0); }) &&
           ValuesReadable(iterator, columns, operation);
    ++count;
  }
  const int finished = sqlite3changeset_finalize(iterator);
  return fits && code == SQLITE_DONE && finished == SQLITE_OK && count > 0;
}

// Makes sure the history table exists in its present shape, dropping one kept without checksums.
// Returns false (noted) when that could not be written.
bool EnsureHistoryTable(GameDatabase& database) {
  bool exists = false;
  bool current = false;
  if (const int code = HistoryShape(database.Handle(), exists, current); code != SQLITE_OK) {
    database.NoteFailure(code, std::string("reading the history's shape: ") + sqlite3_errstr(code));
    return false;
  }
  if (exists && !current && !database.Execute("DROP TABLE undo_history")) return false;
  return current || database.Execute(kHistoryTableCreate);
}

// True for a failure of the store itself (the disk, memory, another program), as opposed to one of
// the step.
bool IsStoreFailure(int code) {
  switch (code & 0xff) {
    case SQLITE_IOERR:
    case SQLITE_FULL:
    case SQLITE_NOMEM:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
      return true;
    default:
      return false;
  }
}

// A step's stored cause of failure: the store's words for its latest error.
HistoryStep FailedStep(sqlite3* connection) {
  return {HistoryOutcome::Failed, 0, sqlite3_errstr(sqlite3_extended_errcode(connection))};
}

}  // namespace

std::int64_t StepChecksum(std::int64_t step, std::int64_t room, const void* changes, std::size_t size) {
  // FNV-1a over the step, the room, the size and the changes: any one byte changed or moved changes it.
  std::uint64_t hash = 14695981039346656037ull;
  const auto mix = [&hash](const unsigned char* bytes, std::size_t count) {
    for (std::size_t index = 0; index < count; ++index) {
      hash ^= bytes[index];
      hash *= 1099511628211ull;
    }
  };
  for (const std::uint64_t number :
       {static_cast<std::uint64_t>(step), static_cast<std::uint64_t>(room), static_cast<std::uint64_t>(size)}) {
    unsigned char bytes[8];
    for (int index = 0; index < 8; ++index) bytes[index] = static_cast<unsigned char>(number >> (8 * index));
    mix(bytes, sizeof bytes);
  }
  mix(static_cast<const unsigned char*>(changes), size);
  return static_cast<std::int64_t>(hash);
}

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
  if (!EnsureHistoryTable(database)) return false;
  // The steps undone before can no longer be redone, and the oldest go once kStepsKept are kept: the
  // steps left are numbered without a gap, which Undo and Redo rely on.
  detail::Statement forget = PrepareNoted(
      database,
      "DELETE FROM undo_history WHERE undone <> 0 OR "
      "step <= (SELECT max(step) FROM undo_history WHERE undone = 0) + 1 - ?");
  if (!forget) return false;
  sqlite3_bind_int(forget.get(), 1, kStepsKept);
  if (!RunToEnd(database, forget)) return false;
  detail::Statement next = PrepareNoted(database, "SELECT coalesce(max(step), 0) + 1 FROM undo_history");
  if (!next || sqlite3_step(next.get()) != SQLITE_ROW) {
    database.NoteFailure(sqlite3_extended_errcode(database.Handle()), "numbering a step");
    return false;
  }
  const sqlite3_int64 step = sqlite3_column_int64(next.get(), 0);
  next = detail::Statement();
  detail::Statement insert =
      PrepareNoted(database, "INSERT INTO undo_history (step, room, changes, checksum) VALUES (?, ?, ?, ?)");
  if (!insert) return false;
  sqlite3_bind_int64(insert.get(), 1, step);
  sqlite3_bind_int(insert.get(), 2, m_room);
  sqlite3_bind_blob(insert.get(), 3, changes, size, SQLITE_STATIC);
  sqlite3_bind_int64(insert.get(), 4, StepChecksum(step, m_room, changes, static_cast<std::size_t>(size)));
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
      "EXISTS (SELECT 1 FROM undo_history WHERE undone <> 0)");
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
  sqlite3* connection = m_database.Handle();
  bool exists = false;
  bool current = false;
  if (HistoryShape(connection, exists, current) != SQLITE_OK) return FailedStep(connection);
  if (!current) return {HistoryOutcome::NothingToDo, 0, {}};
  // Undo takes the newest step still done, Redo the oldest one undone (the one undone last). Its
  // neighbour in the direction it came from must be there: the step undone just before (or none
  // newer at all), the step done just before (or none older at all); a lost or moved row shows here.
  detail::Prepared query = detail::Prepare(
      connection,
      undo ? "SELECT step, room, changes, checksum, typeof(changes), typeof(checksum), "
             "(SELECT max(step) FROM undo_history) = step OR "
             "EXISTS (SELECT 1 FROM undo_history n WHERE n.step = h.step + 1 AND n.undone <> 0) "
             "FROM undo_history h WHERE undone = 0 ORDER BY step DESC LIMIT 1"
           : "SELECT step, room, changes, checksum, typeof(changes), typeof(checksum), "
             "(SELECT min(step) FROM undo_history) = step OR "
             "EXISTS (SELECT 1 FROM undo_history n WHERE n.step = h.step - 1 AND n.undone = 0) "
             "FROM undo_history h WHERE undone <> 0 ORDER BY step ASC LIMIT 1");
  if (!query.statement) return {HistoryOutcome::Failed, 0, sqlite3_errstr(query.code)};
  sqlite3_stmt* row = query.statement.get();
  const int found = sqlite3_step(row);
  if (found == SQLITE_DONE) return {HistoryOutcome::NothingToDo, 0, {}};
  if (found != SQLITE_ROW) return FailedStep(connection);
  const sqlite3_int64 step = sqlite3_column_int64(row, 0);
  const sqlite3_int64 room = sqlite3_column_int64(row, 1);
  const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(row, 2));
  std::vector<unsigned char> changes(bytes, bytes + sqlite3_column_bytes(row, 2));
  const sqlite3_int64 checksum = sqlite3_column_int64(row, 3);
  const bool typed = std::string(reinterpret_cast<const char*>(sqlite3_column_text(row, 4))) == "blob" &&
                     std::string(reinterpret_cast<const char*>(sqlite3_column_text(row, 5))) == "integer";
  const bool inSequence = sqlite3_column_int(row, 6) != 0;
  query.statement = detail::Statement();

  int count = 0;
  // Nothing of a step that is not exactly as it was kept reaches SQLite's changeset code.
  if (!typed || !inSequence || checksum != StepChecksum(step, room, changes.data(), changes.size()) ||
      room < 1 || room > std::numeric_limits<int>::max() || !ChangesFitTables(connection, changes, count)) {
    return Refuse(step, undo);
  }
  {
    ActionTransaction transaction(m_database, ActionTransaction::Kind::HistoryStep);
    ApplyContext context;
    const sqlite3_int64 changedBefore = sqlite3_total_changes64(connection);
    const int code = sqlite3changeset_apply_v2(connection, static_cast<int>(changes.size()), changes.data(),
                                               OnlyRecordedTables, RefuseConflict, &context, nullptr, nullptr,
                                               undo ? SQLITE_CHANGESETAPPLY_INVERT : 0);
    const bool whole = code == SQLITE_OK && !context.skipped &&
                       sqlite3_total_changes64(connection) - changedBefore == count;
    if (IsStoreFailure(code)) return {HistoryOutcome::Failed, 0, sqlite3_errstr(code)};
    if (whole) {
      detail::Prepared mark = detail::Prepare(connection, "UPDATE undo_history SET undone = ? WHERE step = ?");
      if (!mark.statement) return {HistoryOutcome::Failed, 0, sqlite3_errstr(mark.code)};
      sqlite3_bind_int(mark.statement.get(), 1, undo ? 1 : 0);
      sqlite3_bind_int64(mark.statement.get(), 2, step);
      if (sqlite3_step(mark.statement.get()) != SQLITE_DONE) return FailedStep(connection);
      // The commit's failure was heard by the store (and the transaction then taken back).
      if (!transaction.Commit()) return {HistoryOutcome::Failed, 0, sqlite3_errstr(m_database.LastFailure())};
      return {HistoryOutcome::Done, static_cast<int>(room), {}};
    }
    // A conflict, a change passed over or one SQLite could not apply: the transaction takes back
    // whatever part went in.
  }
  return Refuse(step, undo);
}

HistoryStep UndoHistory::Refuse(std::int64_t step, bool undo) {
  // The steps beyond a damaged one could only be reached through it.
  ActionTransaction transaction(m_database, ActionTransaction::Kind::HistoryStep);
  detail::Statement drop =
      PrepareNoted(m_database, undo ? "DELETE FROM undo_history WHERE step <= ?" : "DELETE FROM undo_history WHERE step >= ?");
  if (drop) {
    sqlite3_bind_int64(drop.get(), 1, step);
    if (RunToEnd(m_database, drop)) transaction.Commit();
  }
  return {HistoryOutcome::Refused, 0, {}};
}

bool ClearUndoHistory(GameDatabase& database) {
  detail::Statement exists =
      PrepareNoted(database, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'undo_history'");
  if (!exists) return false;
  if (sqlite3_step(exists.get()) != SQLITE_ROW) return true;
  // A table is not dropped while a statement still reads the store.
  exists = detail::Statement();
  // Dropped rather than emptied: the next step makes it again, in this release's shape.
  return database.Execute("DROP TABLE undo_history");
}

bool BringHistoryUpToDate(GameDatabase& database) {
  bool exists = false;
  bool current = false;
  if (HistoryShape(database.Handle(), exists, current) != SQLITE_OK) return false;
  if (!exists || current) return true;
  ActionTransaction transaction(database, ActionTransaction::Kind::WorldBuild);
  return database.Execute("DROP TABLE undo_history") && transaction.Commit();
}

}  // namespace brackenhollow
