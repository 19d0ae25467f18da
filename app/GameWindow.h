#pragma once
// The game's main window: the start window first, then the game screen with its menus. It remembers
// its size, place, layout and text size between runs.

#include <QEventLoop>
#include <QMainWindow>
#include <memory>
#include <string>

#include "app/ReadAloud.h"
#include "app/WindowMenus.h"
#include "hints/HintSteps.h"

class QLabel;

namespace brackenhollow {

class GameDatabase;
class GameDialog;
class GameScreen;
class MessageBoxes;
class SplashDialog;

class GameWindow : public QMainWindow {
  Q_OBJECT

 public:
  GameWindow(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
             QWidget* parent = nullptr);
  ~GameWindow() override;

  // Runs the start window, then the game until the window closes. Returns QDialog::Accepted when
  // the game ended as with OK (Quit, Exit, closing the window, leaving at the start window), which
  // is when the room is to be saved.
  int Run();
  // Ends Run with result (QDialog::Rejected: as if the program were killed, nothing is saved).
  void End(int result);
  // For scripted play: the compact layout at the desktop's text size, and nothing remembered.
  void UseForScripts();
  // The compact layout (picture over text) or the picture beside the text.
  void SetCompact(bool compact);

  GameDialog& Game() { return *m_game; }
  GameScreen& Screen();
  SplashDialog& Splash() { return *m_splash; }
  QAction* Action(MenuCommand command) const { return m_menus->Action(command); }
  // Game → Save As… once the name is given, and Game → Open Saved Game… once a save is chosen (the
  // replay driver names them directly). OpenSaved returns false when there is no save of that name.
  void SaveAs(const std::string& name);
  bool OpenSaved(const std::string& name);
  // Steps of text size away from the desktop's (negative: smaller).
  int TextSize() const { return m_textSize; }
  // The voice View → Read Aloud speaks with (tests give one that only records what it would say).
  void SetSpeech(std::unique_ptr<Speech> speech);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Carries out a menu command.
  void Perform(MenuCommand command);
  // Sets the text size, steps away from the desktop's, kept within the sizes offered.
  void SetTextSize(int steps);
  // Offers Undo and Redo exactly while the game has a step to take back or to do again.
  void UpdateGameMenu();
  // The status bar names the room the player stands in, as the hints name it.
  void UpdateRoomName();
  // Switches Read Aloud on or off. Without a voice it stays off and the item says why, greyed when no
  // engine is installed at all.
  void SetReadAloud(bool on);
  // Takes size, place, state, layout and text size from the last run; a first run gets most of the screen.
  void RestoreSettings();
  void SaveSettings() const;

  MessageBoxes& m_boxes;
  GameDialog* m_game;
  SplashDialog* m_splash;
  HintSteps m_hintSteps;
  std::unique_ptr<WindowMenus> m_menus;
  QLabel* m_roomName = nullptr;
  std::unique_ptr<ReadAloud> m_readAloud;
  std::string m_programDirectory;
  QEventLoop m_loop;
  int m_result = 0;
  int m_textSize = 0;
  bool m_remember = true;
};

}  // namespace brackenhollow
