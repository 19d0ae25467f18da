#pragma once
// The undo history's rows as the tests read and damage them, straight through SQLite.

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace brackenhollow::testing {

// A history row as it is kept.
struct StepRow {
  std::int64_t step = 0;
  std::int64_t room = 0;
  std::string changes;
  std::int64_t checksum = 0;
};

// The step Undo (newest done) or Redo (oldest undone) would take; a row of zeros when there is none.
StepRow ReadStep(sqlite3* connection, bool undo);
// Writes the row's room, changes and checksum over the step of that number.
void WriteStep(sqlite3* connection, const StepRow& row);

}  // namespace brackenhollow::testing
