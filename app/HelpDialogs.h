#pragma once
// The Help menu's pages: how to play, the keys, and what the program is made of.

class QWidget;

namespace brackenhollow {

enum class HelpPage { HowToPlay, KeyboardShortcuts, About };

// Shows the page in a window of its own beside parent (one per page; asking again brings it to the
// front). Returns the page's window.
QWidget* ShowHelpPage(QWidget* parent, HelpPage page);

}  // namespace brackenhollow
