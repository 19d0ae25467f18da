#pragma once
// The start window: the title picture, "Continue" (naming the room the player resumes in) when a game
// is in progress, "New Game" (asking first when one is) and "Quit".

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace brackenhollow {

class CS309PictureBox;
class GameDatabase;
class MessageBoxes;

inline constexpr char kNewGameQuestion[] =
    "Start a new game? Everything you have done in the game you are playing will be lost and can no longer "
    "be undone.";

class SplashDialog : public QDialog {
  Q_OBJECT

 public:
  SplashDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
               QWidget* parent = nullptr);

  // "N" after a game was started or continued, "Y" after "Quit", empty when closed any other way.
  const std::string& StartChoice() const { return m_startChoice; }

  // "Continue" when a game is in progress, otherwise "New Game": what Return presses.
  QPushButton* StartButton() const;
  QPushButton* ContinueButton() const { return m_continueButton; }
  QPushButton* NewGameButton() const { return m_newGameButton; }
  QPushButton* QuitButton() const { return m_quitButton; }
  QLabel* CreditLine() const { return m_credit; }
  CS309PictureBox* Picture() const { return m_picture; }

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape does not leave the game; Quit and the window's close button do.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Offers "Continue" with the saved room's name when a game is in progress.
  void OfferSavedGame();
  void OnContinue();
  void OnNewGame();
  void OnQuit();
  // Shows text on the credit line at once, before the long step that follows.
  void ShowWaitText(const std::string& text);

  GameDatabase& m_database;
  MessageBoxes& m_boxes;
  std::string m_startChoice;
  bool m_gameInProgress = false;
  CS309PictureBox* m_picture;
  QLabel* m_credit;
  QPushButton* m_continueButton;
  QPushButton* m_newGameButton;
  QPushButton* m_quitButton;
};

}  // namespace brackenhollow
