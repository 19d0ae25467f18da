#include "store/GameRecordset.h"

#include <sqlite3.h>

#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

constexpr long kInvalidArgument = static_cast<long>(static_cast<int>(0x80070057u));
constexpr long kOutOfMemory = static_cast<long>(static_cast<int>(0x8007000Eu));

// Binds value to parameter number index (1-based); text is bound whole, with its length, so an
// embedded NUL or a leading byte-order mark stays part of it. Returns SQLite's result code.
int BindValue(sqlite3_stmt* statement, int index, const FieldValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    return sqlite3_bind_text(statement, index, text->data(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
  }
  if (const auto* integer = std::get_if<long long>(&value)) return sqlite3_bind_int64(statement, index, *integer);
  if (const auto* real = std::get_if<double>(&value)) return sqlite3_bind_double(statement, index, *real);
  return sqlite3_bind_null(statement, index);
}

}  // namespace

struct GameRecordset::Impl {
  GameDatabase& database;
  detail::Statement statement;
  std::string sql;
  bool isOpen = false;
  bool atEnd = true;
  bool moved = false;        // the position has left the first row since Open
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

bool GameRecordset::Open(const std::string& sql, int /*cursorType*/, int /*lockType*/,
                         const std::vector<FieldValue>& parameters) {
  Close();
  Impl& impl = *m_impl;
  detail::Prepared prepared = detail::Prepare(impl.database.Handle(), sql);
  if (!prepared.statement) {
    impl.database.NoteFailure(prepared.code, prepared.error);
    return false;
  }
  sqlite3_stmt* statement = prepared.statement.get();
  if (static_cast<std::size_t>(sqlite3_bind_parameter_count(statement)) != parameters.size()) {
    impl.database.NoteFailure(SQLITE_RANGE, "wrong number of values for: " + sql);
    return false;
  }
  for (std::size_t index = 0; index < parameters.size(); ++index) {
    const int code = BindValue(statement, static_cast<int>(index + 1), parameters[index]);
    if (code != SQLITE_OK) {
      impl.database.NoteFailure(code, std::string(sqlite3_errstr(code)) + " binding a value in: " + sql);
      return false;
    }
  }
  // A write after the store dropped the action's transaction would stand alone, half an action.
  if (impl.database.TransactionLost() && sqlite3_stmt_readonly(statement) == 0) return false;
  impl.statement = std::move(prepared.statement);
  impl.sql = sql;
  if (!impl.Advance()) {
    impl.statement = detail::Statement();
    return false;
  }
  impl.isOpen = true;
  impl.moved = false;
  impl.fieldCount = sqlite3_column_count(impl.statement.get());
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
  switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
      return static_cast<long long>(sqlite3_column_int64(statement, index));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, index);
    case SQLITE_TEXT:
      return std::string(reinterpret_cast<const char*>(sqlite3_column_text(statement, index)),
                         static_cast<std::size_t>(sqlite3_column_bytes(statement, index)));
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
  const char* name = sqlite3_column_name(impl.statement.get(), index);
  return name != nullptr ? name : "Empty";
}

}  // namespace brackenhollow
