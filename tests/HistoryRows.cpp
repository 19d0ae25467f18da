#include "tests/HistoryRows.h"

#include <gtest/gtest.h>

namespace brackenhollow::testing {

StepRow ReadStep(sqlite3* connection, bool undo) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection,
                     undo ? "SELECT step, room, changes, checksum FROM undo_history WHERE undone = 0 "
                            "ORDER BY step DESC LIMIT 1"
                          : "SELECT step, room, changes, checksum FROM undo_history WHERE undone = 1 "
                            "ORDER BY step LIMIT 1",
                     -1, &statement, nullptr);
  StepRow row;
  if (sqlite3_step(statement) == SQLITE_ROW) {
    row.step = sqlite3_column_int64(statement, 0);
    row.room = sqlite3_column_int64(statement, 1);
    row.changes.assign(static_cast<const char*>(sqlite3_column_blob(statement, 2)),
                       static_cast<std::size_t>(sqlite3_column_bytes(statement, 2)));
    row.checksum = sqlite3_column_int64(statement, 3);
  }
  sqlite3_finalize(statement);
  return row;
}

void WriteStep(sqlite3* connection, const StepRow& row) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, "UPDATE undo_history SET room = ?, changes = ?, checksum = ? WHERE step = ?", -1,
                     &statement, nullptr);
  sqlite3_bind_int64(statement, 1, row.room);
  sqlite3_bind_blob(statement, 2, row.changes.data(), static_cast<int>(row.changes.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(statement, 3, row.checksum);
  sqlite3_bind_int64(statement, 4, row.step);
  EXPECT_EQ(sqlite3_step(statement), SQLITE_DONE);
  sqlite3_finalize(statement);
}

}  // namespace brackenhollow::testing
