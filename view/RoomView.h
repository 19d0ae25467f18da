#pragma once
// What the player reads about the room: its text with the objects line, and the entries both noun
// lists offer.

#include <string>
#include <vector>

#include "world/NounLists.h"

namespace brackenhollow {

class GameDatabase;
class MessageBoxes;

inline constexpr char kParagraphBreak[] = "\r\n\r\n";
// The objects line, the room text's last line, starts with this label.
inline constexpr char kObjectsLabel[] = "Objects in Room";

struct RoomViewContent {
  std::string roomText;                  // description, a blank line, the objects line
  std::vector<std::string> nounEntries;  // " ", the objects header, objects, the inventory header, items
};

// Reads the room's shown description, the objects lying there and the carried items. A room without
// a description row is reported as "No records found" and its text starts with the blank line; a query
// the store refuses leaves its part empty, and the header entries are there all the same.
RoomViewContent ReadRoomView(int room, GameDatabase& database, MessageBoxes& boxes);

// The room's name as the world gives it ("bedroom", "next to well"); empty when it has none or the
// store cannot be read. Says nothing to the player either way.
std::string ReadRoomName(GameDatabase& database, int room);

}  // namespace brackenhollow
