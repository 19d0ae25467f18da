#include "store/StoreCheck.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>

#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

struct CloseConnection {
  void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};

// One object of a store's schema: its type and its create statement without blanks, in lower case,
// so a statement written with other spacing still counts as the same.
struct SchemaObject {
  std::string type;
  std::string table;
  std::string sql;
};
using Schema = std::map<std::string, SchemaObject>;  // by lower-case name

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string WithoutBlanks(const std::string& text) {
  std::string bare;
  for (const char character : Lower(text)) {
    if (std::isspace(static_cast<unsigned char>(character)) == 0) bare += character;
  }
  return bare;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string()
                         : std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// What a failure to read says about the file: the disk, the system or another program kept it from
// being read, or SQLite cannot make sense of what it holds.
StoreCheck ReadFailure(int code) {
  switch (code & 0xff) {
    case SQLITE_IOERR:
    case SQLITE_NOMEM:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_AUTH:
    case SQLITE_INTERRUPT:
      return {StoreVerdict::Unreadable, std::string("it could not be read (") + sqlite3_errstr(code) + ")"};
    default:
      return {StoreVerdict::Damaged, std::string("it is damaged (") + sqlite3_errstr(code) + ")"};
  }
}

// Runs sql and collects the first column of every row as text. Returns SQLITE_OK or the failure.
int Texts(sqlite3* connection, const std::string& sql, std::vector<std::string>& rows) {
  rows.clear();
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return prepared.code;
  int code = sqlite3_step(prepared.statement.get());
  for (; code == SQLITE_ROW; code = sqlite3_step(prepared.statement.get())) {
    rows.push_back(ColumnText(prepared.statement.get(), 0));
  }
  return code == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(connection);
}

int ReadSchema(sqlite3* connection, Schema& schema) {
  schema.clear();
  detail::Prepared prepared = detail::Prepare(connection, "SELECT type, name, tbl_name, sql FROM sqlite_schema");
  if (!prepared.statement) return prepared.code;
  sqlite3_stmt* statement = prepared.statement.get();
  int code = sqlite3_step(statement);
  for (; code == SQLITE_ROW; code = sqlite3_step(statement)) {
    schema[Lower(ColumnText(statement, 1))] = {ColumnText(statement, 0), Lower(ColumnText(statement, 2)),
                                               WithoutBlanks(ColumnText(statement, 3))};
  }
  return code == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(connection);
}

// The schema the statements make in an empty store.
Schema SchemaMadeBy(const std::vector<std::string>& creates) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  const std::unique_ptr<sqlite3, CloseConnection> scratch(raw);
  Schema schema;
  if (raw == nullptr) return schema;
  for (const std::string& create : creates) sqlite3_exec(raw, create.c_str(), nullptr, nullptr, nullptr);
  ReadSchema(raw, schema);
  return schema;
}

std::string Quoted(const std::string& name) { return "\u201c" + name + "\u201d"; }

StoreCheck CheckShape(sqlite3* connection, const StoreRules& rules) {
  Schema present;
  if (const int code = ReadSchema(connection, present); code != SQLITE_OK) return ReadFailure(code);
  const Schema expected = SchemaMadeBy(rules.creates);
  const Schema earlier = SchemaMadeBy(rules.earlierCreates);
  for (const auto& [name, object] : present) {
    if (object.type != "table" && object.type != "index") {
      return {StoreVerdict::Shape, "it holds a " + object.type + " named " + Quoted(name) + ", which no game of ours has"};
    }
    const auto ours = expected.find(name);
    const auto older = earlier.find(name);
    const bool matches = (ours != expected.end() && ours->second.type == object.type && ours->second.sql == object.sql) ||
                         (older != earlier.end() && older->second.type == object.type && older->second.sql == object.sql);
    if (matches) continue;
    if (ours == expected.end() && older == earlier.end()) {
      return {StoreVerdict::Shape, "it holds a " + object.type + " named " + Quoted(name) + ", which no game of ours has"};
    }
    return {StoreVerdict::Shape, "its " + object.type + " " + Quoted(name) + " is not made as ours is"};
  }
  for (const auto& [name, object] : expected) {
    if (present.count(name) != 0) continue;
    const bool optional = std::find(rules.optionalTables.begin(), rules.optionalTables.end(), object.table) !=
                          rules.optionalTables.end();
    // An index of a table made in its earlier shape is not looked for.
    const auto table = present.find(object.table);
    const bool earlierTable = table != present.end() && earlier.count(object.table) != 0 &&
                              earlier.at(object.table).sql == table->second.sql;
    // An index goes with its table: a missing table is told for itself, an optional one not at all.
    if (object.type != "table" && table == present.end()) continue;
    if (optional && object.type == "table") continue;
    if (earlierTable) continue;
    return {StoreVerdict::Shape, "it lacks the " + object.type + " " + Quoted(name)};
  }
  return {};
}

// The first value of the bound's column that is out of bounds, as the player would read it.
StoreCheck CheckBound(sqlite3* connection, const ColumnBound& bound) {
  const std::string sql = "SELECT \"" + bound.column + "\" FROM \"" + bound.table + "\"";
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return ReadFailure(prepared.code);
  sqlite3_stmt* statement = prepared.statement.get();
  int code = sqlite3_step(statement);
  for (; code == SQLITE_ROW; code = sqlite3_step(statement)) {
    const int type = sqlite3_column_type(statement, 0);
    bool inBounds = false;
    switch (bound.kind) {
      case ColumnBound::Kind::Range:
      case ColumnBound::Kind::RangeOrText:
        if (type == SQLITE_INTEGER) {
          const long long value = sqlite3_column_int64(statement, 0);
          inBounds = (value >= bound.low && value <= bound.high) || bound.values.count(std::to_string(value)) != 0;
        } else {
          inBounds = type == SQLITE_TEXT && bound.kind == ColumnBound::Kind::RangeOrText;
        }
        break;
      case ColumnBound::Kind::OneOf:
        inBounds = type == SQLITE_TEXT && bound.values.count(ColumnText(statement, 0)) != 0;
        break;
    }
    if (!inBounds) {
      const std::string value = type == SQLITE_NULL ? std::string("nothing") : Quoted(ColumnText(statement, 0).substr(0, 60));
      return {StoreVerdict::Rows,
              "its table " + Quoted(bound.table) + " holds " + value + " as " + Quoted(bound.column) +
                  ", which no game of ours has",
              bound.table};
    }
  }
  if (code != SQLITE_DONE) return ReadFailure(sqlite3_extended_errcode(connection));
  return {};
}

}  // namespace

bool PagesCouldNotBeRead(const std::vector<std::string>& integrityRows) {
  return std::any_of(integrityRows.begin(), integrityRows.end(), [](const std::string& row) {
    return row.find("unable to get the page") != std::string::npos;
  });
}

StoreCheck CheckStoreFile(sqlite3* connection, const StoreRules& rules) {
  if (connection == nullptr) return {StoreVerdict::Unreadable, "it could not be opened"};
  std::vector<std::string> rows;
  if (const int code = Texts(connection, "PRAGMA application_id", rows); code != SQLITE_OK) return ReadFailure(code);
  if (rows.empty() || rows.front() != std::to_string(rules.applicationId)) {
    return {StoreVerdict::NotOurs, "it was not made by this game"};
  }
  if (const int code = Texts(connection, "PRAGMA user_version", rows); code != SQLITE_OK) return ReadFailure(code);
  if (rows.empty() || rows.front() != std::to_string(rules.formatVersion)) {
    return {StoreVerdict::OtherVersion, "it was made by another version of the game (format " +
                                            (rows.empty() ? std::string("unknown") : rows.front()) + ")"};
  }
  if (const int code = Texts(connection, "PRAGMA integrity_check", rows); code != SQLITE_OK) return ReadFailure(code);
  if (PagesCouldNotBeRead(rows)) return ReadFailure(SQLITE_IOERR_READ);
  if (rows != std::vector<std::string>{"ok"}) {
    return {StoreVerdict::Damaged, "it is damaged (" + (rows.empty() ? std::string() : rows.front()) + ")"};
  }
  if (StoreCheck shape = CheckShape(connection, rules); !shape.Sound()) return shape;
  std::vector<std::string> tables;
  if (const int code = Texts(connection, "SELECT lower(name) FROM sqlite_schema WHERE type = 'table'", tables);
      code != SQLITE_OK) {
    return ReadFailure(code);
  }
  for (const ColumnBound& bound : rules.bounds) {
    if (std::find(tables.begin(), tables.end(), Lower(bound.table)) == tables.end()) continue;
    if (StoreCheck rowsCheck = CheckBound(connection, bound); !rowsCheck.Sound()) return rowsCheck;
  }
  return {};
}

}  // namespace brackenhollow
