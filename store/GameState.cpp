#include "store/GameState.h"

#include "store/GameRecordset.h"
#include "store/MessageBoxes.h"

namespace brackenhollow {

namespace {

constexpr char kNoRecordsFound[] = "No records found";
constexpr char kNoRecords[] = "No Records";

}  // namespace

// Every value is bound to its "?", never written into the SQL text. Room numbers and flags arrive as
// decimal text and the integer columns convert them, as they would a literal.

std::string GameState::GetActionStatus(const std::string& key) {
  GameRecordset query(m_database);
  if (!query.Open("Select status from actions where actiontype=?", kCursorForwardOnly, kLockReadOnly, {key})) {
    return {};
  }
  query.MoveFirst();
  if (query.IsEOF()) {
    m_boxes.Inform(kNoRecordsFound);
    return {};
  }
  return query.GetFieldText(0);
}

// The writers change the first row their query finds, by its rowid, in one statement.
void GameState::SetActionStatus(const std::string& key, const std::string& status) {
  GameRecordset query(m_database);
  if (!query.Open("Update actions set status=? where rowid=(Select rowid from actions where actiontype=?) "
                  "returning status",
                  kCursorForwardOnly, kLockReadOnly, {status, key})) {
    return;
  }
  if (query.IsEOF()) m_boxes.Inform(kNoRecords);
}

std::string GameState::GetObjectGone(const std::string& name) {
  std::string gone = "0";
  GameRecordset query(m_database);
  if (!query.Open("select gone from objects where objects = ?", kCursorForwardOnly, kLockReadOnly, {name})) {
    return gone;
  }
  query.MoveFirst();
  if (query.IsEOF()) {
    m_boxes.Inform(kNoRecordsFound);
    return gone;
  }
  return query.GetFieldText(0);
}

void GameState::SetObjectGone(const std::string& name) {
  GameRecordset statement(m_database);
  statement.Open("Update objects set gone=1 where rowid=(Select rowid from objects where objects=?)",
                 kCursorForwardOnly, kLockReadOnly, {name});
}

void GameState::PlaceObjectInRoom(const std::string& room, const std::string& name, const std::string& gettable,
                                  const std::string& gone, const std::string& description) {
  GameRecordset statement(m_database);
  statement.Open("Insert into objects (Roomnumber, Objects, Gettable, description, gone, orig) values (?,?,?,?,?, 'N')",
                 kCursorForwardOnly, kLockReadOnly, {room, name, gettable, description, gone});
}

void GameState::SetRoomDescription(const std::string& text, const std::string& room) {
  GameRecordset statement(m_database);
  statement.Open("Update descriptions set newdescr=? where rowid=(select rowid from descriptions where roomnumber=?)",
                 kCursorForwardOnly, kLockReadOnly, {text, room});
}

void GameState::AddToInventory(const std::string& item) {
  GameRecordset statement(m_database);
  statement.Open("Insert into inventory(items) VALUES (?)", kCursorForwardOnly, kLockReadOnly, {item});
}

void GameState::RemoveFromInventory(const std::string& item) {
  GameRecordset statement(m_database);
  statement.Open("delete from inventory where items=?", kCursorForwardOnly, kLockReadOnly, {item});
}

std::string GameState::IsInInventory(const std::string& item) {
  GameRecordset query(m_database);
  if (!query.Open("Select items from inventory where items=?", kCursorForwardOnly, kLockReadOnly, {item})) {
    return "N";
  }
  query.MoveFirst();
  return query.IsEOF() ? "N" : "Y";
}

void GameState::SaveCurrentRoom(int room) {
  GameRecordset statement(m_database);
  statement.Open("Update currentroom set room=? where rowid=(select rowid from currentroom)", kCursorForwardOnly,
                 kLockReadOnly, {static_cast<long long>(room)});
}

std::string GameState::ReadSavedRoom() {
  GameRecordset query(m_database);
  if (!query.Open("Select room from currentroom", kCursorForwardOnly, kLockReadOnly)) return {};
  query.MoveFirst();
  if (query.IsEOF()) return {};
  return query.GetFieldText(0);
}

}  // namespace brackenhollow
