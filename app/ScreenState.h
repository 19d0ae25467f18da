#pragma once
// Everything the game screen shows, as plain data: the Qt dialog mirrors it into its widgets, and
// tests read it without any.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace brackenhollow {

enum class Control : std::size_t { North, South, East, West, Toggle, Action, Exit, VerbList, Noun1List, Noun2List };
inline constexpr std::size_t kControlCount = 10;

struct ListState {
  std::vector<std::string> entries;
  int selected = -1;  // -1: nothing selected

  // The row of the entry whose text is exactly text; -1 when there is none.
  int IndexOf(const std::string& text) const {
    const auto found = std::find(entries.begin(), entries.end(), text);
    return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
  }

  // The selected entry's text; empty when nothing is selected.
  std::string SelectedText() const {
    return selected >= 0 && selected < static_cast<int>(entries.size()) ? entries[static_cast<std::size_t>(selected)]
                                                                        : std::string();
  }
};

struct ScreenState {
  std::array<bool, kControlCount> enabled{};
  std::string toggleCaption = "Text";
  bool pictureShown = false;
  std::string pictureFile;      // the full path last put on the picture control; empty before the first
  std::string viewText;         // the text view, lines separated by "\r\n"
  unsigned viewTextRevision = 0;  // grows whenever the game writes the text view
  std::string toldAnswer;       // what the last Undo or Redo did, told beside the text view
  unsigned toldRevision = 0;    // grows with each told answer
  unsigned worldRevision = 0;   // grows whenever the game goes on elsewhere: a new world, an opened save
  ListState verbs;
  ListState noun1;
  ListState noun2;
  bool closeRequested = false;  // the screen asked to be closed with OK
  bool canUndo = false;         // the Game menu's Undo and Redo
  bool canRedo = false;

  bool IsEnabled(Control control) const { return enabled[static_cast<std::size_t>(control)]; }
  void Enable(Control control, bool on) { enabled[static_cast<std::size_t>(control)] = on; }
};

}  // namespace brackenhollow
