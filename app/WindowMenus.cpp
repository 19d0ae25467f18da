#include "app/WindowMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace brackenhollow {

namespace {

QString Text(const char* text) { return QCoreApplication::translate("WindowMenus", text); }

}  // namespace

std::vector<MenuItem> MenuItems() {
  const QString game = Text("&Game");
  const QString view = Text("&View");
  const QString help = Text("&Help");
  return {
      {MenuCommand::NewGame, game, Text("&New Game…"), {QKeySequence::New}},
      {MenuCommand::OpenSavedGame, game, Text("&Open Saved Game…"), {QKeySequence::Open}},
      {MenuCommand::SaveAs, game, Text("Save &As…"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
      // Enabled while the game's history has a step to take back, or one to do again.
      {MenuCommand::Undo, game, Text("&Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, false, false, true},
      {MenuCommand::Redo, game, Text("&Redo"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}, false, false},
      {MenuCommand::Quit, game, Text("&Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, false, true, true},
      {MenuCommand::Fullscreen, view, Text("&Fullscreen"), {QKeySequence(Qt::Key_F11)}, true},
      {MenuCommand::CompactLayout, view, Text("&Compact Layout"), {}, true},
      {MenuCommand::LargerText,
       view,
       Text("&Larger Text"),
       {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       false,
       true,
       true},
      {MenuCommand::SmallerText, view, Text("&Smaller Text"), {QKeySequence::ZoomOut}},
      // The game's own voice reads each new answer, the room entered and the chosen words.
      {MenuCommand::ReadAloud, view, Text("&Read Aloud"), {QKeySequence(Qt::CTRL | Qt::Key_R)}, true, true, true},
      // Asked again for the same situation, it tells more: where to go, what to use, the exact action.
      {MenuCommand::Hint, help, Text("&Hint"), {QKeySequence(Qt::CTRL | Qt::Key_H)}},
      {MenuCommand::HowToPlay, help, Text("&How to Play"), {QKeySequence(Qt::Key_F1)}},
      {MenuCommand::KeyboardShortcuts, help, Text("&Keyboard Shortcuts"), {}},
      {MenuCommand::About, help, Text("&About"), {}, false, true, true},
  };
}

WindowMenus::WindowMenus(QMenuBar& bar) {
  std::map<QString, QMenu*> menus;
  for (const MenuItem& item : MenuItems()) {
    QMenu*& menu = menus[item.menu];
    if (menu == nullptr) {
      menu = bar.addMenu(item.menu);
      // An item that cannot be had (Read Aloud without a speech engine) says why when pointed at.
      menu->setToolTipsVisible(true);
    }
    if (item.separatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(item.text);
    action->setShortcuts(item.shortcuts);
    action->setCheckable(item.checkable);
    action->setEnabled(item.enabled);
    m_actions[item.command] = action;
  }
}

}  // namespace brackenhollow
