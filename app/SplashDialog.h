#pragma once
// The start dialog: the title picture, a credit line, "Start Game" and "Exit".

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace brackenhollow {

class CS309PictureBox;
class GameDatabase;

class SplashDialog : public QDialog {
  Q_OBJECT

 public:
  SplashDialog(GameDatabase& database, const std::string& programDirectory, QWidget* parent = nullptr);

  // "N" after "Start Game", "Y" after "Exit", empty when closed any other way.
  const std::string& StartChoice() const { return m_startChoice; }

  QPushButton* StartButton() const { return m_startButton; }
  QPushButton* ExitButton() const { return m_exitButton; }
  QLabel* CreditLine() const { return m_credit; }
  CS309PictureBox* Picture() const { return m_picture; }

 private:
  void OnStartGame();
  void OnSplashExit();

  GameDatabase& m_database;
  std::string m_startChoice;
  CS309PictureBox* m_picture;
  QLabel* m_credit;
  QPushButton* m_startButton;
  QPushButton* m_exitButton;
};

}  // namespace brackenhollow
