#pragma once
// The game screen as a Qt dialog: the template's controls, routed to GameScreen, which holds the
// game's logic and state; after every handler the dialog mirrors that state into its widgets.

#include <QDialog>
#include <array>
#include <string>

#include "app/GameScreen.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace brackenhollow {

class CS309PictureBox;
class GameDatabase;
class MessageBoxes;
class SplashDialog;

class GameDialog : public QDialog {
  Q_OBJECT

 public:
  GameDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
             QWidget* parent = nullptr);
  ~GameDialog() override;

  // Runs the start dialog, then the game screen. Returns QDialog::Accepted when the screen closed
  // with OK (Exit, the window's close button or Escape), which is when the room is to be saved.
  int Run();
  // The start sequence around the start dialog: before it runs, and with the choice it gave.
  void PrepareStart();
  void EnterGame(const std::string& startChoice);

  GameScreen& Screen() { return m_screen; }
  SplashDialog& Splash() { return *m_splash; }
  // The widgets, for the replay driver: it presses and chooses through them as a player would.
  QPushButton* Button(Control control) const;
  QComboBox* List(Control control) const;
  // The button or list that stands for control.
  QWidget* Widget(Control control) const;
  QPlainTextEdit* TextView() const { return m_textView; }
  CS309PictureBox* Picture() const { return m_picture; }

 public slots:
  // Closing the window any way counts as the caption bar's OK.
  void reject() override;

 private:
  void CreateControls();
  void ConnectControls();
  // Runs a handler of the screen, then mirrors the screen into the widgets.
  template <typename Handler>
  void Route(Handler handler);
  void Mirror();

  GameScreen m_screen;
  SplashDialog* m_splash;
  CS309PictureBox* m_picture = nullptr;
  QPlainTextEdit* m_textView = nullptr;
  std::array<QPushButton*, kControlCount> m_buttons{};
  std::array<QComboBox*, kControlCount> m_lists{};
  unsigned m_shownTextRevision = 0;
  bool m_mirroring = false;
};

}  // namespace brackenhollow
