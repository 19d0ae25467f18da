#include "world/WorldCheck.h"

#include <algorithm>
#include <cctype>
#include <iterator>
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

struct WorldTable {
  std::string name;                  // lower case, as are the columns
  std::vector<std::string> columns;  // in the order the create statement gives them
  std::string key;                   // the key column, which tables of an earlier release lack
  std::vector<std::string> creates;  // the table's create statement, then its indexes'
};

// The world's tables as the world's own create statements make them.
const std::vector<WorldTable>& WorldTables() {
  static const auto tables = [] {
    std::vector<WorldTable> found;
    GameDatabase scratch(kMemoryStore);
    for (const std::string& statement : WorldStatements()) {
      if (StartsWith(Bare(statement), "create")) scratch.Execute(statement);
    }
    for (const std::string& table :
         Column(scratch, "SELECT lower(name) FROM sqlite_schema WHERE type = 'table' ORDER BY rowid")) {
      const std::vector<std::string> key =
          Column(scratch, "SELECT lower(name) FROM pragma_table_info(?) WHERE pk > 0", {table});
      found.push_back({table, ColumnsOf(scratch, table), key.empty() ? std::string() : key.front(),
                       Column(scratch, "SELECT sql FROM sqlite_schema WHERE lower(tbl_name) = ? "
                                       "ORDER BY type = 'index', rowid", {table})});
    }
    return found;
  }();
  return tables;
}

// The world's table of that name (lower case), which must be one of them.
const WorldTable& WorldTableNamed(const std::string& name) {
  return *std::find_if(WorldTables().begin(), WorldTables().end(),
                       [&name](const WorldTable& table) { return table.name == name; });
}

// True when the store's table has exactly the world's columns but the key: made by an earlier release.
bool LacksOnlyKey(GameDatabase& database, const WorldTable& table) {
  std::vector<std::string> present = ColumnsOf(database, table.name);
  std::vector<std::string> older;
  std::copy_if(table.columns.begin(), table.columns.end(), std::back_inserter(older),
               [&table](const std::string& column) { return column != table.key; });
  std::sort(present.begin(), present.end());
  std::sort(older.begin(), older.end());
  return !table.key.empty() && present == older;
}

// A table or column name as SQL text; the names come from the world and the store's own schema.
std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

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
  bool olderFormat = false;
  for (const WorldTable& world : WorldTables()) {
    const std::string& table = world.name;
    if (std::find(tables.begin(), tables.end(), table) == tables.end()) {
      if (table == kSavedRoomTable) {
        roomMissing = true;
      } else {
        inspection.missing += (inspection.missing.empty() ? "table " : ", table ") + table;
      }
      continue;
    }
    anyOfOurs = true;
    if (LacksOnlyKey(database, world)) {
      olderFormat = true;
      continue;
    }
    const std::vector<std::string> present = ColumnsOf(database, table);
    for (const std::string& column : world.columns) {
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
  } else if (olderFormat) {
    inspection.shape = WorldShape::OlderFormat;
  } else if (roomMissing || Column(database, "Select room from currentroom").empty()) {
    inspection.shape = WorldShape::RoomMissing;
  } else {
    inspection.shape = WorldShape::Whole;
  }
  return inspection;
}

bool UpgradeOlderFormat(GameDatabase& database) {
  ActionTransaction transaction(database, ActionTransaction::Kind::WorldBuild);
  for (const WorldTable& table : WorldTables()) {
    if (!LacksOnlyKey(database, table)) continue;
    std::string kept;
    for (const std::string& column : table.columns) {
      if (column != table.key) kept += (kept.empty() ? "" : ", ") + Quoted(column);
    }
    // The old table steps aside (its indexes go with it) for the world's own, which takes its rows.
    const std::string older = Quoted(table.name + " older");
    if (!database.Execute("ALTER TABLE " + Quoted(table.name) + " RENAME TO " + older) ||
        !database.Execute(table.creates.front()) ||
        !database.Execute("INSERT INTO " + Quoted(table.name) + " (" + kept + ", " + Quoted(table.key) + ") SELECT " +
                          kept + ", rowid FROM " + older + " ORDER BY rowid") ||
        !database.Execute("DROP TABLE " + older)) {
      return false;
    }
    for (std::size_t index = 1; index < table.creates.size(); ++index) {
      if (!database.Execute(table.creates[index])) return false;
    }
  }
  return StampWorldFormat(database) && transaction.Commit();
}

bool RestoreSavedRoom(GameDatabase& database) {
  ActionTransaction transaction(database, ActionTransaction::Kind::RoomSave);
  const bool tableWhole = ColumnsOf(database, kSavedRoomTable) == WorldTableNamed(kSavedRoomTable).columns;
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
