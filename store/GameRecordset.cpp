#include "store/GameRecordset.h"

#include <sqlite3.h>

#include <cctype>

#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

constexpr long kInvalidArgument = static_cast<long>(static_cast<int>(0x80070057u));
constexpr long kOutOfMemory = static_cast<long>(static_cast<int>(0x8007000Eu));
constexpr char kRowIdColumn[] = "brackenhollow_row";

// For an updatable query "SELECT <columns> ..." returns "SELECT rowid AS ..., <columns> ...", so the
// row read can be written back by its rowid. Returns "" for a text that does not start with SELECT.
std::string WithRowId(const std::string& sql) {
  std::size_t start = 0;
  while (start < sql.size() && std::isspace(static_cast<unsigned char>(sql[start]))) ++start;
  constexpr std::string_view kSelect = "select";
  if (sql.size() < start + kSelect.size() + 1) return {};
  for (std::size_t i = 0; i < kSelect.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(sql[start + i])) != kSelect[i]) return {};
  }
  if (!std::isspace(static_cast<unsigned char>(sql[start + kSelect.size()]))) return {};
  return "SELECT rowid AS " + std::string(kRowIdColumn) + "," + sql.substr(start + kSelect.size());
}

std::string QuoteIdentifier(const char* name) {
  std::string quoted = "\"";
  for (const char* character = name; *character != '\0'; ++character) {
    quoted += *character;
    if (*character == '"') quoted += '"';
  }
  return quoted + "\"";
}

}  // namespace

struct GameRecordset::Impl {
  GameDatabase& database;
  detail::Statement statement;
  std::string sql;
  bool isOpen = false;
  bool atEnd = true;
  bool moved = false;        // the position has left the first row since Open
  int firstField = 0;        // 1 when a hidden rowid column leads the result
  int fieldCount = 0;

  explicit Impl(GameDatabase& owner) : database(owner) {}

  // Steps once; returns false (and notes the failure) on an error.
  bool Advance() {
    const int code = sqlite3_step(statement.get());
    if (code == SQLITE_ROW) {
      atEnd = false;
      return true;
    }
    atEnd = true;
    if (code == SQLITE_DONE) return true;
    if ((code & 0xff) == SQLITE_NOMEM) ReportComError(kOutOfMemory);
    database.NoteFailure(code, std::string(sqlite3_errmsg(database.Handle())) + " in: " + sql);
    return false;
  }

  bool InRange(int index) const { return isOpen && index >= 0 && index < fieldCount; }
};

GameRecordset::GameRecordset(GameDatabase& database) : m_impl(std::make_unique<Impl>(database)) {}

GameRecordset::~GameRecordset() { Close(); }

bool GameRecordset::Open(const std::string& sql, int /*cursorType*/, int lockType) {
  Close();
  Impl& impl = *m_impl;
  sqlite3* connection = impl.database.Handle();
  detail::Prepared prepared;
  int firstField = 0;
  if (lockType == kLockOptimistic) {
    const std::string withRowId = WithRowId(sql);
    if (!withRowId.empty()) {
      prepared = detail::Prepare(connection, withRowId);
      if (prepared.statement) firstField = 1;
    }
  }
  if (!prepared.statement) {
    prepared = detail::Prepare(connection, sql);
    firstField = 0;
  }
  if (!prepared.statement) {
    impl.database.NoteFailure(prepared.code, prepared.error);
    return false;
  }
  // A write after the store dropped the action's transaction would stand alone, half an action.
  if (impl.database.TransactionLost() && sqlite3_stmt_readonly(prepared.statement.get()) == 0) return false;
  impl.statement = std::move(prepared.statement);
  impl.sql = sql;
  if (!impl.Advance()) {
    impl.statement = detail::Statement();
    return false;
  }
  impl.isOpen = true;
  impl.moved = false;
  impl.firstField = firstField;
  impl.fieldCount = sqlite3_column_count(impl.statement.get()) - firstField;
  return true;
}

bool GameRecordset::Close() {
  Impl& impl = *m_impl;
  impl.statement = detail::Statement();
  impl.isOpen = false;
  impl.atEnd = true;
  impl.fieldCount = 0;
  return true;
}

bool GameRecordset::MoveFirst() {
  Impl& impl = *m_impl;
  if (!impl.isOpen) return false;
  if (!impl.moved) return true;
  sqlite3_reset(impl.statement.get());
  impl.moved = false;
  return impl.Advance();
}

bool GameRecordset::MoveNext() {
  Impl& impl = *m_impl;
  if (!impl.isOpen || impl.atEnd) return false;
  impl.moved = true;
  return impl.Advance();
}

bool GameRecordset::IsEOF() const { return m_impl->isOpen && m_impl->atEnd; }

FieldValue GameRecordset::GetFieldValue(int index) {
  Impl& impl = *m_impl;
  if (!impl.InRange(index)) return 0LL;
  if (impl.atEnd) return std::string("Empty");
  sqlite3_stmt* statement = impl.statement.get();
  const int column = index + impl.firstField;
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
      return static_cast<long long>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, column);
    case SQLITE_TEXT:
      return std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                         static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
    case SQLITE_NULL:
      return std::monostate{};
    default:
      // A blob has no place in the game's values.
      ReportComError(kInvalidArgument);
      return std::string("Empty");
  }
}

std::string GameRecordset::GetFieldText(int index) { return FieldValueText(GetFieldValue(index)); }

std::string GameRecordset::GetFieldName(int index) {
  Impl& impl = *m_impl;
  if (!impl.InRange(index)) return {};
  const char* name = sqlite3_column_name(impl.statement.get(), index + impl.firstField);
  return name != nullptr ? name : "Empty";
}

bool GameRecordset::UpdateField(int index, const FieldValue& value) {
  Impl& impl = *m_impl;
  if (!impl.InRange(index) || impl.atEnd || impl.firstField == 0) return false;
  sqlite3_stmt* statement = impl.statement.get();
  const int column = index + impl.firstField;
  const char* table = sqlite3_column_table_name(statement, column);
  const char* origin = sqlite3_column_origin_name(statement, column);
  if (table == nullptr || origin == nullptr) return false;  // an expression, not a stored column
  if (impl.database.TransactionLost()) return false;
  const std::string update =
      "UPDATE " + QuoteIdentifier(table) + " SET " + QuoteIdentifier(origin) + " = ?1 WHERE rowid = ?2";
  detail::Prepared prepared = detail::Prepare(impl.database.Handle(), update);
  if (!prepared.statement) {
    impl.database.NoteFailure(prepared.code, prepared.error);
    return false;
  }
  sqlite3_stmt* writer = prepared.statement.get();
  if (const auto* text = std::get_if<std::string>(&value)) {
    sqlite3_bind_text(writer, 1, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
  } else if (const auto* integer = std::get_if<long long>(&value)) {
    sqlite3_bind_int64(writer, 1, *integer);
  } else if (const auto* real = std::get_if<double>(&value)) {
    sqlite3_bind_double(writer, 1, *real);
  } else {
    sqlite3_bind_null(writer, 1);
  }
  sqlite3_bind_int64(writer, 2, sqlite3_column_int64(statement, 0));
  const int code = sqlite3_step(writer);
  if (code != SQLITE_DONE) {
    impl.database.NoteFailure(code, std::string(sqlite3_errmsg(impl.database.Handle())) + " in: " + update);
    return false;
  }
  return sqlite3_changes(impl.database.Handle()) == 1;
}

}  // namespace brackenhollow
