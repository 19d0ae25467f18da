#include "world/WorldBuild.h"

#include <sqlite3.h>

#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/UndoHistory.h"

namespace brackenhollow {

extern const unsigned char kWorldSql[];

namespace {

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Splits on statement ends that sqlite3_complete recognises, so a semicolon inside a quoted text
// never splits, and a statement with a syntax error still ends where it should.
std::vector<std::string> SplitStatements(const char* sql) {
  std::vector<std::string> statements;
  std::string pending;
  for (const char* line = sql; *line != '\0';) {
    const char* end = line;
    while (*end != '\0' && *end != '\n') ++end;
    pending.append(line, end);
    pending += '\n';
    line = (*end == '\n') ? end + 1 : end;
    if (sqlite3_complete(pending.c_str()) != 0) {
      statements.push_back(pending);
      pending.clear();
    }
  }
  if (!IsBlank(pending)) statements.push_back(pending);
  return statements;
}

}  // namespace

const std::vector<std::string>& WorldStatements() {
  static const std::vector<std::string> statements = SplitStatements(reinterpret_cast<const char*>(kWorldSql));
  return statements;
}

bool BuildWorldDatabase(GameDatabase& database, const BuildObserver& observer) {
  // A savepoint rather than BEGIN: a reset runs the build inside the Action press's own transaction.
  ActionTransaction transaction(database, ActionTransaction::Kind::WorldBuild);
  GameRecordset recordset(database);
  const std::vector<std::string>& statements = WorldStatements();
  for (std::size_t index = 0; index < statements.size(); ++index) {
    recordset.Open(statements[index], kCursorForwardOnly, kLockReadOnly);
    // A failure such as a full disk can end the transaction by itself; going on would write a
    // partial world outside it.
    if (transaction.Lost()) return false;
    if (observer) observer(index);
  }
  recordset.Close();
  // The marks go in the same commit as the world; so does the history, whose steps describe the
  // rows just replaced.
  return StampWorldFormat(database) && ClearUndoHistory(database) && transaction.Commit();
}

bool StampWorldFormat(GameDatabase& database) {
  return database.Execute("PRAGMA application_id = " + std::to_string(kStoreApplicationId)) &&
         database.Execute("PRAGMA user_version = " + std::to_string(kStoreFormatVersion));
}

}  // namespace brackenhollow
