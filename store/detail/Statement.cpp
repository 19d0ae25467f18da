#include "store/detail/Statement.h"

namespace brackenhollow::detail {

Prepared Prepare(sqlite3* connection, const std::string& sql) {
  Prepared result;
  if (connection == nullptr) {
    result.code = SQLITE_MISUSE;
    result.error = "no store connection in: " + sql;
    return result;
  }
  sqlite3_stmt* raw = nullptr;
  const char* tail = nullptr;
  result.code = sqlite3_prepare_v2(connection, sql.c_str(), static_cast<int>(sql.size() + 1), &raw, &tail);
  result.statement = Statement(raw);
  if (result.code != SQLITE_OK) {
    result.error = std::string(sqlite3_errmsg(connection)) + " in: " + sql;
    return result;
  }
  if (!result.statement) {
    // Only blanks or comments: nothing to run, which the game treats as a statement the store rejects.
    result.code = SQLITE_MISUSE;
    result.error = "empty statement in: " + sql;
    return result;
  }
  if (tail != nullptr && *tail != '\0') {
    sqlite3_stmt* extra = nullptr;
    const int extraCode = sqlite3_prepare_v2(connection, tail, -1, &extra, nullptr);
    Statement extraStatement(extra);
    if (extraCode != SQLITE_OK || extraStatement) {
      result.statement = Statement();
      result.code = SQLITE_MISUSE;
      result.error = "more than one statement in: " + sql;
    }
  }
  return result;
}

}  // namespace brackenhollow::detail
