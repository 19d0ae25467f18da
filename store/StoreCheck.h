#pragma once
// The one check of a store file before the game trusts it: the live store at start-up, a saved game
// before it replaces the game, and each save the Open Saved Game list shows. A file passes only when
// it is ours, of this format, holds exactly our tables and indexes (nothing that runs by itself, such
// as a trigger), is whole, and its rows name only rooms, keys and objects the world has.

#include <set>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

namespace brackenhollow {

// The values one column may hold. Null is never in bounds.
struct ColumnBound {
  enum class Kind {
    Range,        // an integer from low to high
    RangeOrText,  // an integer from low to high, or a text the game reads as a number itself
    OneOf,        // one of the texts in values
  };
  std::string table;
  std::string column;
  Kind kind = Kind::Range;
  long long low = 0;
  long long high = 0;
  // For OneOf, the texts allowed; for the ranges, integers allowed beside the range, as texts.
  std::set<std::string> values;
};

// What a store of ours holds.
struct StoreRules {
  int applicationId = 0;
  int formatVersion = 0;
  // The statements that make every table and index a store of ours may hold. The store's objects are
  // compared with what these make in an empty store, so the list is never written out by hand.
  std::vector<std::string> creates;
  // Tables a store of ours may lack (made at first use, or put back at start-up).
  std::vector<std::string> optionalTables;
  // Earlier shapes of our tables that are still taken, to be brought up to date after the check.
  std::vector<std::string> earlierCreates;
  // Bounds of the rows; a bound on a table the store lacks holds.
  std::vector<ColumnBound> bounds;
};

enum class StoreVerdict {
  Sound,
  Unreadable,    // the file could not be read (an I/O error, no permission): says nothing of the file
  NotOurs,       // another program's file
  OtherVersion,  // ours, of another format
  Damaged,       // the integrity check failed
  Shape,         // tables, columns or indexes not ours, or a trigger or view
  Rows,          // a row out of bounds
};

struct StoreCheck {
  StoreCheck() = default;
  StoreCheck(StoreVerdict verdictGiven, std::string reasonGiven, std::string tableGiven = {})
      : verdict(verdictGiven), reason(std::move(reasonGiven)), table(std::move(tableGiven)) {}

  StoreVerdict verdict = StoreVerdict::Sound;
  // For the player, a clause: "it holds a trigger named “wipe”", "it could not be read (disk I/O
  // error)". Empty when sound.
  std::string reason;
  std::string table;  // for Rows: the table that holds the row out of bounds
  bool Sound() const { return verdict == StoreVerdict::Sound; }
};

// True when the rows of an integrity check report pages that could not be read: the disk failed, which
// says nothing of what the file holds.
bool PagesCouldNotBeRead(const std::vector<std::string>& integrityRows);

// Checks the store open on connection against rules, reading only. Returns the first problem found,
// in the order: readable, ours, format, integrity, shape, rows.
StoreCheck CheckStoreFile(sqlite3* connection, const StoreRules& rules);

}  // namespace brackenhollow
