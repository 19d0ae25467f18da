#include "view/RoomView.h"

#include "store/GameRecordset.h"
#include "store/MessageBoxes.h"

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

}  // namespace brackenhollow
