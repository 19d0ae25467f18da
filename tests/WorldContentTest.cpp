// Builds the starting world through the game's own build code into a scratch store and reads it back
// with plain SQLite, checking the rules the rest of the game relies on: one text per room, the keys and
// names the code knows are the ones stored, everything a puzzle or picture names exists.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "store/GameDatabase.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// A store file nobody else uses; removed when the owner goes away.
class ScratchStore {
 public:
  const std::string& Path() const { return m_path; }

  // Runs the world build through the game's connection, closing it again before returning.
  bool Build() const {
    GameDatabase database(m_path);
    return BuildWorldDatabase(database);
  }

 private:
  testing::ScratchFolder m_folder;
  std::string m_path = m_folder.File("world.sqlite");
};

// A plain SQLite connection for reading back (and, in one test, disturbing) what the build wrote.
class Reader {
 public:
  explicit Reader(const std::string& path) {
    if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK) {
      ADD_FAILURE() << "cannot open " << path << ": " << sqlite3_errmsg(m_db);
    }
  }
  ~Reader() { sqlite3_close(m_db); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  sqlite3* Handle() const { return m_db; }

  // Every value as text; a NULL reads as "<null>" so it cannot pass for an empty text.
  Rows Query(const std::string& sql) const {
    Rows rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
      return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const unsigned char* text = sqlite3_column_text(statement, column);
        row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
      }
      rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
  }

  void Exec(const std::string& sql) const {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << (error ? error : "?");
    }
    sqlite3_free(error);
  }

  // The whole content of the five tables with each value's storage type, in row order.
  std::string Dump() const {
    std::string out;
    for (const char* table : {"Inventory", "currentroom", "actions", "Descriptions", "Objects"}) {
      out += std::string("== ") + table + "\n";
      sqlite3_stmt* statement = nullptr;
      const std::string sql = std::string("SELECT * FROM ") + table + " ORDER BY rowid";
      if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        out += "<missing>\n";
        continue;
      }
      while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
          const unsigned char* text = sqlite3_column_text(statement, column);
          out += std::to_string(sqlite3_column_type(statement, column)) + ":" +
                 (text ? reinterpret_cast<const char*>(text) : "") + "|";
        }
        out += "\n";
      }
      sqlite3_finalize(statement);
    }
    return out;
  }

 private:
  sqlite3* m_db = nullptr;
};

int ToInt(const std::string& text) { return std::stoi(text); }

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// ---- Statements --------------------------------------------------------------------------------

// A statement with any leading comment lines and blanks taken off.
std::string StatementBody(std::string text) {
  for (;;) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return "";
    text.erase(0, start);
    if (text.rfind("--", 0) != 0) return text;
    const size_t end = text.find('\n');
    if (end == std::string::npos) return "";
    text.erase(0, end + 1);
  }
}

// On an empty store only the drops of tables not yet made and the rows that lack a value may fail; any
// other failing statement is a row of the world that silently goes missing.
TEST(WorldStatements, OnlyDropsAndRowsWithAMissingValueFailOnAnEmptyStore) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  const std::regex missingValue(R"(\(\s*,|,\s*,|,\s*\))");
  std::size_t rowsWithAMissingValue = 0;
  for (const std::string& statement : WorldStatements()) {
    const std::string body = StatementBody(statement);
    const bool drop = body.rfind("Drop Table ", 0) == 0;
    const bool lacksValue = body.rfind("INSERT INTO", 0) == 0 && std::regex_search(body, missingValue);
    if (lacksValue) ++rowsWithAMissingValue;
    const bool failed = sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK;
    EXPECT_EQ(failed, drop || lacksValue) << body.substr(0, 120);
  }
  sqlite3_close(db);
  EXPECT_GT(rowsWithAMissingValue, 0u);
}

// ---- Built tables ------------------------------------------------------------------------------

class WorldContentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_store = new ScratchStore;
    s_built = s_store->Build();
  }
  static void TearDownTestSuite() {
    delete s_store;
    s_store = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(s_built); }

  static Rows Query(const std::string& sql) { return Reader(s_store->Path()).Query(sql); }

  static ScratchStore* s_store;
  static bool s_built;
};

ScratchStore* WorldContentTest::s_store = nullptr;
bool WorldContentTest::s_built = false;

TEST_F(WorldContentTest, SchemaIsTheGamesOwn) {
  const Rows tables = Query("SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY name");
  const std::map<std::string, std::string> expected = {
      {"Inventory", "CREATE TABLE Inventory (Items VARCHAR(50), id INTEGER PRIMARY KEY)"},
      {"currentroom", "CREATE TABLE currentroom (room INTEGER, id INTEGER PRIMARY KEY)"},
      {"actions", "CREATE TABLE actions (actiontype VARCHAR(100), status INTEGER, room INTEGER, id INTEGER PRIMARY KEY)"},
      {"Descriptions",
       "CREATE TABLE Descriptions (Roomnumber INTEGER, Description TEXT, NewDescr TEXT, roomname VARCHAR(50), "
       "id INTEGER PRIMARY KEY)"},
      {"Objects",
       "CREATE TABLE Objects (Roomnumber INTEGER, Objects VARCHAR(50), Gettable INTEGER, description TEXT, "
       "gone INTEGER, orig VARCHAR(1), id INTEGER PRIMARY KEY)"},
  };
  ASSERT_EQ(tables.size(), expected.size());
  for (const auto& row : tables) {
    ASSERT_TRUE(expected.count(row[0])) << row[0];
    // SQLite keeps the statement's text; only the leading keywords are normalised.
    std::string sql = row[1];
    sql.replace(0, std::string("Create Table").size(), "CREATE TABLE");
    EXPECT_EQ(sql, expected.at(row[0]));
  }
  const Rows indexes = Query("SELECT name, tbl_name FROM sqlite_master WHERE type = 'index' ORDER BY name");
  EXPECT_EQ(indexes, (Rows{{"actions1", "actions"}, {"inv1", "Inventory"}, {"objectsx", "Objects"},
                           {"roomx", "Descriptions"}}));
}

TEST_F(WorldContentTest, PlayerStartsInTheBedroomWithNothing) {
  EXPECT_TRUE(Query("SELECT * FROM Inventory").empty());
  EXPECT_EQ(Query("SELECT room, typeof(room) FROM currentroom"), (Rows{{"1", "integer"}}));
}

TEST_F(WorldContentTest, StoredKeysAreTheNamedKeysAllUnsolved) {
  std::set<std::string> stored;
  for (const auto& row : Query("SELECT actiontype, status, typeof(status) FROM actions")) {
    EXPECT_TRUE(stored.insert(row[0]).second) << "stored twice: " << row[0];
    EXPECT_EQ(row[1], "0") << row[0];
    EXPECT_EQ(row[2], "integer") << row[0];
  }
  EXPECT_EQ(stored, std::set<std::string>(std::begin(kAllKeys), std::end(kAllKeys)));
  EXPECT_EQ(stored.size(), static_cast<std::size_t>(kKeyCount));
}

// A room without its text row would show an empty text and no objects line.
TEST_F(WorldContentTest, EveryRoomHasExactlyOneTextAndNoOtherRoomHasOne) {
  EXPECT_EQ(Query("SELECT count(*) FROM Descriptions"), (Rows{{std::to_string(kRoomCount)}}));
  for (int room = 1; room <= kRoomCount; ++room) {
    const Rows rows =
        Query("SELECT roomname, Description, NewDescr FROM Descriptions WHERE Roomnumber = " + std::to_string(room));
    ASSERT_EQ(rows.size(), 1u) << "room " << room;
    EXPECT_FALSE(rows[0][0].empty()) << "room " << room;
    EXPECT_GT(rows[0][1].size(), 20u) << "room " << room;
    EXPECT_EQ(rows[0][2], rows[0][1]) << "room " << room << ": a new game starts with the first text";
  }
}

// The code names rooms by their names in the world: a name must lead to the room that bears it, and the
// island and the first room are where the story ends and starts.
TEST_F(WorldContentTest, GeneratedRoomNamesAreTheRoomsOfThatName) {
  const std::vector<std::pair<int, std::string>> named = {
      {room::kBedroom, "bedroom"},        {room::kNextToWell, "next to well"},
      {room::kAlley87, "alley"},          {room::kAlley112, "alley"},
      {room::kMagiciansStore, "magician's store"}, {room::kIsland, "Island"},
  };
  for (const auto& [room, name] : named) {
    EXPECT_EQ(Query("SELECT roomname FROM Descriptions WHERE Roomnumber = " + std::to_string(room)), (Rows{{name}}))
        << "room " << room;
  }
  EXPECT_EQ(Query("SELECT room FROM currentroom"), (Rows{{std::to_string(kFirstRoom)}}));
  EXPECT_TRUE(Contains(Query("SELECT Description FROM Descriptions WHERE Roomnumber = " +
                             std::to_string(room::kIsland))[0][0],
                       "reached the island"));
}

// The maze's rooms are told apart only by the number on their stalks.
TEST_F(WorldContentTest, CornfieldRoomsShowTheirOwnNumber) {
  const Rows rows = Query("SELECT Roomnumber, Description FROM Descriptions WHERE roomname LIKE 'cornfield %' "
                          "AND Description LIKE '%scratched the number%'");
  EXPECT_GT(rows.size(), 20u);
  for (const auto& row : rows) {
    EXPECT_TRUE(Contains(row[1], "number " + row[0] + " ")) << "room " << row[0];
  }
}

TEST_F(WorldContentTest, ObjectsAreNamedLieInRoomsAndShareTextByName) {
  const Rows rows = Query("SELECT Roomnumber, Objects, description, gone, orig, Gettable FROM Objects");
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(kObjectRowCount));
  const std::set<std::string> named(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  std::map<std::string, std::string> textOf;
  for (const auto& row : rows) {
    EXPECT_TRUE(IsRoom(ToInt(row[0]))) << row[1];
    EXPECT_TRUE(named.count(row[1])) << row[1];
    EXPECT_GT(row[2].size(), 20u) << row[1];
    EXPECT_EQ(row[3], "0") << row[1];
    EXPECT_EQ(row[4], "Y") << row[1];
    EXPECT_TRUE(row[5] == "0" || row[5] == "1") << row[1];
    const auto [earlier, first] = textOf.emplace(row[1], row[2]);
    EXPECT_EQ(earlier->second, row[2]) << row[1] << " reads differently in room " << row[0];
  }
  EXPECT_EQ(textOf.size(), named.size());
}

TEST_F(WorldContentTest, LongRoomTextsKeepTheirClues) {
  const std::vector<std::pair<int, std::vector<std::string>>> clues = {
      {1, {"south", "mail"}},
      {2, {"north", "east", "lamp", "dark"}},
      {15, {"1 coin", "slot", "south", "west", "north"}},
      {16, {"scarecrow to the south", "north", "west", "east"}},
      {18, {"farmer", "west"}},
      {46, {"junkyard to the north", "bridge to the south", "west", "east"}},
      {52, {"south", "west", "east", "nest"}},
      {56, {"west", "locked", "south"}},
      {57, {"south", "west", "north", "east"}},
      {72, {"west", "east"}},
      {78, {"gold path", "star"}},
      {84, {"bulb"}},
      {88, {"north", "sewers"}},
      {89, {"east", "nose"}},
      {100, {"west", "south"}},
      {102, {"south"}},
      {108, {"west"}},
      {110, {"east"}},
      {126, {"20 pounds", "west"}},
      {room::kIsland, {"Exit", "OK", "\"RESET THE GAME\"", "Action button"}},
  };
  for (const auto& [room, needles] : clues) {
    const Rows rows = Query("SELECT Description FROM Descriptions WHERE Roomnumber = " + std::to_string(room));
    ASSERT_EQ(rows.size(), 1u) << "room " << room;
    for (const std::string& needle : needles) {
      EXPECT_TRUE(Contains(rows[0][0], needle)) << "room " << room << " lacks \"" << needle << "\"";
    }
  }
}

TEST_F(WorldContentTest, LongObjectTextsKeepTheirClues) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> clues = {
      {"well", {"coin", "bucket"}},
      {"scarecrow", {"twine"}},
      {"tombstone", {"key to light up"}},
      {"rat", {"teeth", "bare hands"}},
      {"painting", {"three numbers"}},
      {"wall", {"20 feet"}},
      {"gate", {"keyhole", "star"}},
      {"plaque", {"nine"}},
      {"haystacks", {"shiny"}},
      {"gray door", {"tan", "dirt"}},
      {"red altar", {"ruby"}},
      {"green altar", {"emerald"}},
  };
  for (const auto& [name, needles] : clues) {
    const Rows rows = Query("SELECT description FROM Objects WHERE Objects = '" + name + "'");
    ASSERT_EQ(rows.size(), 1u) << name;
    for (const std::string& needle : needles) {
      EXPECT_TRUE(Contains(rows[0][0], needle)) << name << " lacks \"" << needle << "\"";
    }
  }
}

TEST_F(WorldContentTest, TypographicApostropheSurvivesAsUtf8) {
  const Rows rows = Query("SELECT description FROM Objects WHERE Objects = 'mirror'");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0].substr(0, 6), "It\xE2\x80\x99s");
  EXPECT_TRUE(Contains(rows[0][0], "what's"));  // the plain apostrophe next to it stays plain
}

// ---- Rebuilding --------------------------------------------------------------------------------

TEST(WorldRebuild, RepeatedAndMidGameBuildsGiveTheStartingWorld) {
  ScratchStore store;
  ASSERT_TRUE(store.Build());
  const std::string fresh = Reader(store.Path()).Dump();

  ASSERT_TRUE(store.Build());
  EXPECT_EQ(Reader(store.Path()).Dump(), fresh);

  {
    Reader game(store.Path());
    game.Exec("INSERT INTO Inventory(Items) VALUES ('crowbar')");
    game.Exec("UPDATE Objects SET gone = 1 WHERE Objects = 'crowbar'");
    game.Exec("UPDATE Objects SET Roomnumber = 1 WHERE Objects = 'shovel'");
    game.Exec("INSERT INTO Objects(Roomnumber, Objects, Gettable, description, gone, orig) "
              "VALUES (2, 'letter', 1, 'It''s your mail.', 0, 'N')");
    game.Exec("UPDATE actions SET status = 1 WHERE actiontype = 'Lamp On Room 1'");
    game.Exec("UPDATE Descriptions SET NewDescr = 'changed' WHERE Roomnumber = 2");
    game.Exec("UPDATE currentroom SET room = 58");
  }
  ASSERT_NE(Reader(store.Path()).Dump(), fresh);

  ASSERT_TRUE(store.Build());
  EXPECT_EQ(Reader(store.Path()).Dump(), fresh);
}

}  // namespace
}  // namespace brackenhollow
