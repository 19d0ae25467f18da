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

// The text without its hints to press the Graphic button ("(Click GRAPHIC button to view)" and the
// like), for a window that shows the picture beside the text anyway.
std::string WithoutGraphicHints(const std::string& text);

class Transcript {
 public:
  enum class Kind { Room, Answer };
  struct Entry {
    Kind kind;
    std::string text;  // lines separated by "\r\n", as the game writes them
  };

  // Takes the text view's text after a handler wrote it, and returns what is new to the player: the
  // room text when it differs from the last one recorded, and after an action its answer (also one
  // that repeats the last, since the player asked again).
  std::vector<Entry> Record(const std::string& viewText, bool afterAction);
  // A new game: the next room text is new to the player even when it reads as the last one did.
  void Restart() { m_lastRoomText.clear(); }

 private:
  std::string m_lastRoomText;
};

}  // namespace brackenhollow
