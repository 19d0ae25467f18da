#pragma once
// What the player has read since the game was started, as room texts and answers: the screen
// only ever holds the latest, so the window keeps the rest for scrolling back.

#include <string>
#include <vector>

namespace brackenhollow {

// The text view's text in its two parts: the room text (description, blank line, objects line)
// and the answer shown after it (empty when there is none).
struct ViewTextParts {
  std::string roomText;
  std::string answer;
};

// Splits the text view's text after the objects line. A text without an objects line is all answer.
ViewTextParts SplitViewText(const std::string& viewText);

// The room text in its two parts: the description and the objects line ("Objects in Room: lamp").
struct RoomTextParts {
  std::string description;
  std::string objectsLine;
};

// Splits a room text before its objects line; a text without one is all description.
RoomTextParts SplitRoomText(const std::string& roomText);

// The text without its hints to press the Graphic button ("(Click GRAPHIC button to view)" and the
// like), for a window that shows the picture beside the text anyway.
std::string WithoutGraphicHints(const std::string& text);

class Transcript {
 public:
  // Room: a room's whole text; Objects: its objects line alone, when only what lies there changed.
  enum class Kind { Room, Objects, Answer };
  struct Entry {
    Kind kind;
    std::string text;  // lines separated by "\r\n", as the game writes them
  };

  // Takes the text view's text after a handler wrote it, the player standing in room, and returns
  // what is new to the player, in reading order. The answer is the text's own after an action (also
  // one that repeats the last, since the player asked again), else told (what an undo did; empty for
  // none). A room's text comes when the player enters it, before the answer; when its description
  // changed, whole after the answer; when only its objects changed, the objects line after the answer.
  std::vector<Entry> Record(int room, const std::string& viewText, bool afterAction, const std::string& told = {});
  // A new game: the next room text is new to the player even when it reads as the last one did.
  void Restart() { m_room = 0; }

 private:
  int m_room = 0;  // the room of the last room text recorded; 0 before the first
  RoomTextParts m_last;
};

}  // namespace brackenhollow
