#pragma once
// The game-state operations: the only road from game logic to the stored world. Each one is a single
// short exchange with the store; nothing read is kept.

#include <string>

namespace brackenhollow {

class GameDatabase;
class MessageBoxes;

class GameState {
 public:
  GameState(GameDatabase& database, MessageBoxes& boxes) : m_database(database), m_boxes(boxes) {}

  // The status of an action key as text ("0" or "1"). Empty when the key has no row (the player is
  // told "No records found") or the store cannot be read.
  std::string GetActionStatus(const std::string& key);
  // Sets the status of an existing key; a key without a row is reported as "No Records".
  void SetActionStatus(const std::string& key, const std::string& status);
  // The gone flag of the first object of that name ("0" or "1"); "0" when there is none (the player
  // is told "No records found") or the store cannot be read.
  std::string GetObjectGone(const std::string& name);
  // Marks the first object of that name as gone; nothing happens when there is none.
  void SetObjectGone(const std::string& name);
  // Adds an object row made during play (orig "N"). Room, gettable and gone are decimal texts.
  void PlaceObjectInRoom(const std::string& room, const std::string& name, const std::string& gettable,
                         const std::string& gone, const std::string& description);
  // Replaces the text shown for a room; nothing happens for a room without a row.
  void SetRoomDescription(const std::string& text, const std::string& room);
  void AddToInventory(const std::string& item);
  // Removes every carried row of that name.
  void RemoveFromInventory(const std::string& item);
  // "Y" when the item is carried, else "N" (also when the store cannot be read).
  std::string IsInInventory(const std::string& item);
  // Writes the room the player stands in; nothing happens when the row is missing.
  void SaveCurrentRoom(int room);
  // The saved room as its stored text, or "" when there is none to read.
  std::string ReadSavedRoom();

 private:
  GameDatabase& m_database;
  MessageBoxes& m_boxes;
};

}  // namespace brackenhollow
