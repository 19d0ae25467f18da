#pragma once
// The game window's menus, built from one table. To add an item: add its command here, a row in
// MenuItems() (WindowMenus.cpp), and its case in GameWindow::Perform. An item that does not work yet
// stands in the table with enabled false, and GameWindow enables it with Action(command).

#include <QKeySequence>
#include <QList>
#include <QString>
#include <map>
#include <vector>

class QAction;
class QMenuBar;

namespace brackenhollow {

enum class MenuCommand {
  NewGame,
  OpenSavedGame,
  SaveAs,
  Undo,
  Redo,
  Quit,
  Fullscreen,
  CompactLayout,
  LargerText,
  SmallerText,
  ReadAloud,
  Hint,
  HowToPlay,
  KeyboardShortcuts,
  About,
};

struct MenuItem {
  MenuCommand command;
  QString menu;  // the menu's title, with its mnemonic
  QString text;  // the item's text, with its mnemonic
  QList<QKeySequence> shortcuts;
  bool checkable = false;
  bool enabled = true;
  bool separatorBefore = false;
};

// Every item, in menu order; the menus appear in the order their first item does.
std::vector<MenuItem> MenuItems();

class WindowMenus {
 public:
  // Fills bar with the menus of MenuItems().
  explicit WindowMenus(QMenuBar& bar);

  // The item of command.
  QAction* Action(MenuCommand command) const { return m_actions.at(command); }
  const std::map<MenuCommand, QAction*>& Actions() const { return m_actions; }

 private:
  std::map<MenuCommand, QAction*> m_actions;
};

}  // namespace brackenhollow
