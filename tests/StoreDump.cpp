#include "tests/StoreDump.h"

#include <sqlite3.h>

#include <vector>

#include "store/GameDatabase.h"

namespace brackenhollow::testing {

std::string DumpStore(sqlite3* connection, bool withHistory) {
  std::vector<std::string> tables;
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &statement,
                     nullptr);
  while (sqlite3_step(statement) == SQLITE_ROW) {
    const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    if (withHistory || name != "undo_history") tables.push_back(name);
  }
  sqlite3_finalize(statement);

  std::string dump;
  for (const std::string& table : tables) {
    dump += "== " + table + "\n";
    const std::string sql = "SELECT * FROM \"" + table + "\" ORDER BY rowid";
    sqlite3_prepare_v2(connection, sql.c_str(), -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
        dump += std::to_string(sqlite3_column_type(statement, column)) + ":" +
                (bytes ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(statement, column))) : "") +
                "|";
      }
      dump += "\n";
    }
    sqlite3_finalize(statement);
  }
  return dump;
}

std::string DumpWorld(GameDatabase& database) { return DumpStore(database.Handle()); }

}  // namespace brackenhollow::testing
