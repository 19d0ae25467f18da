#include "store/GameState.h"

#include "store/GameRecordset.h"
#include "store/MessageBoxes.h"
#include "store/SqlText.h"

namespace brackenhollow {

namespace {

constexpr char kNoRecordsFound[] = "No records found";
constexpr char kNoRecords[] = "No Records";

}  // namespace

std::string GameState::GetActionStatus(const std::string& key) {
  GameRecordset query(m_database);
  if (!query.Open("Select status from actions where actiontype='" + QuoteSqlText(key) + "'", kCursorForwardOnly,
                  kLockReadOnly)) {
    return {};
  }
  query.MoveFirst();
  if (query.IsEOF()) {
    m_boxes.Inform(kNoRecordsFound);
    return {};
  }
  return query.GetFieldText(0);
}

void GameState::SetActionStatus(const std::string& key, const std::string& status) {
  GameRecordset query(m_database);
  if (!query.Open("Select status from actions where actiontype='" + QuoteSqlText(key) + "'", kCursorForwardOnly,
                  kLockOptimistic)) {
    return;
  }
  query.MoveFirst();
  if (query.IsEOF()) {
    m_boxes.Inform(kNoRecords);
    return;
  }
  query.UpdateField(0, status);
}

std::string GameState::GetObjectGone(const std::string& name) {
  std::string gone = "0";
  GameRecordset query(m_database);
  if (!query.Open("select gone from objects where objects = '" + QuoteSqlText(name) + "'", kCursorForwardOnly,
                  kLockReadOnly)) {
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
  GameRecordset query(m_database);
  if (!query.Open("Select objects,gone from objects where objects='" + QuoteSqlText(name) + "'",
                  kCursorForwardOnly, kLockOptimistic)) {
    return;
  }
  query.MoveFirst();
  if (!query.IsEOF()) query.UpdateField(1, std::string("1"));
}

void GameState::PlaceObjectInRoom(const std::string& room, const std::string& name, const std::string& gettable,
                                  const std::string& gone, const std::string& description) {
  GameRecordset statement(m_database);
  statement.Open("Insert into objects (Roomnumber, Objects, Gettable, description, gone, orig) values (" + room +
                     ",'" + QuoteSqlText(name) + "'," + gettable + ",'" + QuoteSqlText(description) + "'," + gone +
                     ", 'N')",
                 kCursorForwardOnly, kLockReadOnly);
}

void GameState::SetRoomDescription(const std::string& text, const std::string& room) {
  GameRecordset query(m_database);
  if (!query.Open("select description, newdescr from descriptions where roomnumber=" + room, kCursorForwardOnly,
                  kLockOptimistic)) {
    return;
  }
  query.MoveFirst();
  if (!query.IsEOF()) query.UpdateField(1, text);
}

void GameState::AddToInventory(const std::string& item) {
  GameRecordset statement(m_database);
  statement.Open("Insert into inventory(items) VALUES ('" + QuoteSqlText(item) + "')", kCursorForwardOnly,
                 kLockReadOnly);
}

void GameState::RemoveFromInventory(const std::string& item) {
  GameRecordset statement(m_database);
  statement.Open("delete from inventory where items='" + QuoteSqlText(item) + "'", kCursorForwardOnly,
                 kLockReadOnly);
}

std::string GameState::IsInInventory(const std::string& item) {
  GameRecordset query(m_database);
  if (!query.Open("Select items from inventory where items='" + QuoteSqlText(item) + "'", kCursorForwardOnly,
                  kLockReadOnly)) {
    return "N";
  }
  query.MoveFirst();
  return query.IsEOF() ? "N" : "Y";
}

void GameState::SaveCurrentRoom(int room) {
  GameRecordset query(m_database);
  if (!query.Open("select room from currentroom", kCursorForwardOnly, kLockOptimistic)) return;
  query.MoveFirst();
  if (!query.IsEOF()) query.UpdateField(0, std::to_string(room));
}

std::string GameState::ReadSavedRoom() {
  GameRecordset query(m_database);
  if (!query.Open("Select room from currentroom", kCursorForwardOnly, kLockReadOnly)) return {};
  query.MoveFirst();
  if (query.IsEOF()) return {};
  return query.GetFieldText(0);
}

}  // namespace brackenhollow
