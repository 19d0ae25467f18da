#include "world/WorldCheck.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "world/WorldBuild.h"

namespace brackenhollow {

namespace {

constexpr char kSavedRoomTable[] = "currentroom";

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool StartsWith(const std::string& text, const std::string& start) {
  return Lower(text.substr(0, start.size())) == start;
}

// A world statement without the blanks and comment lines before it.
std::string Bare(const std::string& statement) {
  std::size_t start = 0;
  while (true) {
    start = statement.find_first_not_of(" \t\r\n", start);
    if (start == std::string::npos) return {};
    if (statement.compare(start, 2, "--") != 0) return statement.substr(start);
    start = statement.find('\n', start);
    if (start == std::string::npos) return {};
  }
}

// The first column of every row of a query, as text.
std::vector<std::string> Column(GameDatabase& database, const std::string& sql,
                                const std::vector<FieldValue>& parameters = {}) {
  std::vector<std::string> values;
  GameRecordset query(database);
  if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly, parameters)) return values;
  for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) values.push_back(query.GetFieldText(0));
  return values;
}

std::vector<std::string> ColumnsOf(GameDatabase& database, const std::string& table) {
  return Column(database, "SELECT lower(name) FROM pragma_table_info(?)", {table});
}

// The world's tables with their columns, lower case, as the world's own create statements make them.
const std::vector<std::pair<std::string, std::vector<std::string>>>& WorldTables() {
  static const auto tables = [] {
    std::vector<std::pair<std::string, std::vector<std::string>>> found;
    GameDatabase scratch(kMemoryStore);
    for (const std::string& statement : WorldStatements()) {
      if (StartsWith(Bare(statement), "create table")) scratch.Execute(statement);
    }
    for (const std::string& table :
         Column(scratch, "SELECT lower(name) FROM sqlite_schema WHERE type = 'table' ORDER BY rowid")) {
      found.emplace_back(table, ColumnsOf(scratch, table));
    }
    return found;
  }();
  return tables;
}

}  // namespace

WorldInspection InspectWorld(GameDatabase& database) {
  WorldInspection inspection;
  const std::vector<std::string> tables =
      Column(database, "SELECT lower(name) FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite!_%' "
                       "ESCAPE '!'");
  if (tables.empty()) return inspection;
  const std::vector<std::string> id = Column(database, "PRAGMA application_id");
  const bool ourId = !id.empty() && id.front() == std::to_string(kStoreApplicationId);
  const bool noId = id.empty() || id.front() == "0";
  bool anyOfOurs = false;
  bool roomMissing = false;
  for (const auto& [table, columns] : WorldTables()) {
    if (std::find(tables.begin(), tables.end(), table) == tables.end()) {
      if (table == kSavedRoomTable) {
        roomMissing = true;
      } else {
        inspection.missing += (inspection.missing.empty() ? "table " : ", table ") + table;
      }
      continue;
    }
    anyOfOurs = true;
    const std::vector<std::string> present = ColumnsOf(database, table);
    for (const std::string& column : columns) {
      if (std::find(present.begin(), present.end(), column) != present.end()) continue;
      if (table == kSavedRoomTable) {
        roomMissing = true;
      } else {
        inspection.missing += (inspection.missing.empty() ? "column " : ", column ") + table + "." + column;
      }
    }
  }
  if (!ourId && !(noId && anyOfOurs)) {
    inspection.shape = WorldShape::Foreign;
  } else if (!inspection.missing.empty()) {
    inspection.shape = WorldShape::Incomplete;
  } else if (roomMissing || Column(database, "Select room from currentroom").empty()) {
    inspection.shape = WorldShape::RoomMissing;
  } else {
    inspection.shape = WorldShape::Whole;
  }
  return inspection;
}

bool RestoreSavedRoom(GameDatabase& database) {
  ActionTransaction transaction(database, ActionTransaction::Kind::RoomSave);
  const bool tableWhole = ColumnsOf(database, kSavedRoomTable) == std::vector<std::string>{"room"};
  if (!tableWhole) database.Execute(std::string("Drop Table ") + kSavedRoomTable);
  // The world's own statements for the table, as a new world runs them, but for the drop.
  for (const std::string& statement : WorldStatements()) {
    const std::string bare = Bare(statement);
    if (Lower(bare).find(kSavedRoomTable) == std::string::npos || StartsWith(bare, "drop")) continue;
    if (tableWhole && StartsWith(bare, "create")) continue;
    if (!database.Execute(statement)) return false;
  }
  return transaction.Commit();
}

}  // namespace brackenhollow
