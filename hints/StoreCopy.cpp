#include "hints/StoreCopy.h"

#include <sqlite3.h>

#include <functional>
#include <string_view>


#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

constexpr char kInMemory[] = ":memory:";
constexpr std::uint64_t kHashStart = 14695981039346656037ull;
constexpr std::uint64_t kHashPrime = 1099511628211ull;

// Mixes one field into hash; the field as a whole, so that "ab","c" and "a","bc" differ.
void Mix(std::uint64_t& hash, const unsigned char* bytes, int size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), bytes == nullptr ? 0 : static_cast<std::size_t>(size));
  hash = (hash ^ std::hash<std::string_view>{}(text)) * kHashPrime;
}

// Mixes every column of every row the query returns. False when the store refuses it.
bool MixRows(std::uint64_t& hash, sqlite3* connection, const char* sql) {
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return false;
  sqlite3_stmt* statement = prepared.statement.get();
  const int columns = sqlite3_column_count(statement);
  int code = SQLITE_ROW;
  while ((code = sqlite3_step(statement)) == SQLITE_ROW) {
    for (int column = 0; column < columns; ++column) {
      const unsigned char* text = sqlite3_column_text(statement, column);
      Mix(hash, text, text == nullptr ? 0 : sqlite3_column_bytes(statement, column));
    }
  }
  return code == SQLITE_DONE;
}

}  // namespace

StoreCopy::StoreCopy(GameDatabase& source) : m_database(std::make_unique<GameDatabase>(kInMemory)) {
  sqlite3* target = m_database->Handle();
  if (target == nullptr || source.Handle() == nullptr) return;
  sqlite3_backup* backup = sqlite3_backup_init(target, "main", source.Handle(), "main");
  if (backup == nullptr) return;
  const int stepCode = sqlite3_backup_step(backup, -1);
  const int finishCode = sqlite3_backup_finish(backup);
  m_ok = stepCode == SQLITE_DONE && finishCode == SQLITE_OK;
}

StoreCopy::~StoreCopy() = default;

void StoreCopy::Mark() { m_database->Execute("SAVEPOINT try"); }

void StoreCopy::Undo() {
  m_database->Execute("ROLLBACK TO try");
  m_database->Execute("RELEASE try");
}

void StoreCopy::Keep() { m_database->Execute("RELEASE try"); }

std::int64_t StoreCopy::WriteCount() const { return sqlite3_total_changes64(m_database->Handle()); }

std::uint64_t WorldFingerprint(GameDatabase& database) {
  sqlite3* connection = database.Handle();
  std::uint64_t hash = kHashStart;
  if (!MixRows(hash, connection, "SELECT actiontype, status FROM actions ORDER BY rowid") ||
      !MixRows(hash, connection,
               "SELECT Roomnumber, Objects, Gettable, gone, description FROM objects ORDER BY rowid") ||
      !MixRows(hash, connection, "SELECT Roomnumber, NewDescr FROM descriptions ORDER BY rowid") ||
      !MixRows(hash, connection, "SELECT DISTINCT Items FROM inventory ORDER BY Items")) {
    return 0;
  }
  return hash;
}

}  // namespace brackenhollow
