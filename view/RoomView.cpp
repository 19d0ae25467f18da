#include "view/RoomView.h"

#include <sqlite3.h>

#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/MessageBoxes.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

RoomViewContent ReadRoomView(int room, GameDatabase& database, MessageBoxes& boxes) {
  RoomViewContent content;
  const std::vector<FieldValue> roomNumber = {static_cast<long long>(room)};
  GameRecordset query(database);

  std::string description;
  if (query.Open("select newdescr,roomname from descriptions where roomnumber = ?", kCursorForwardOnly, kLockReadOnly,
                 roomNumber)) {
    query.MoveFirst();
    if (query.IsEOF()) {
      boxes.Inform("No records found");
    } else {
      description = query.GetFieldText(0);
    }
    query.Close();
  }

  std::string objectsLine = std::string(kObjectsLabel) + ": ";
  content.nounEntries = {kBlankEntry, kObjectsHeader};
  if (query.Open("Select Objects FROM objects where roomnumber = ? and gone =0", kCursorForwardOnly, kLockReadOnly,
                 roomNumber)) {
    for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) {
      std::string name = query.GetFieldText(0);
      objectsLine += name + ", ";
      content.nounEntries.push_back(std::move(name));
    }
    query.Close();
  }

  content.nounEntries.push_back(kInventoryHeader);
  if (query.Open("select items from inventory", kCursorForwardOnly, kLockReadOnly)) {
    for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) content.nounEntries.push_back(query.GetFieldText(0));
    query.Close();
  }

  // Drops the last ", "; with no object it drops the label's colon and blank instead.
  objectsLine.resize(objectsLine.size() - 2);
  content.roomText = description + kParagraphBreak + objectsLine;
  return content;
}

std::string ReadRoomName(GameDatabase& database, int room) {
  if (!database.IsOpen()) return {};
  detail::Prepared prepared =
      detail::Prepare(database.Handle(), "select roomname from descriptions where roomnumber = ?1");
  if (!prepared.statement) return {};
  sqlite3_stmt* statement = prepared.statement.get();
  if (sqlite3_bind_int(statement, 1, room) != SQLITE_OK || sqlite3_step(statement) != SQLITE_ROW) return {};
  const unsigned char* name = sqlite3_column_text(statement, 0);
  return name != nullptr ? reinterpret_cast<const char*>(name) : std::string();
}

}  // namespace brackenhollow
