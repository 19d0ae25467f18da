#include "app/SplashDialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/DialogUnits.h"
#include "app/StartGame.h"
#include "view/CS309PictureBox.h"
#include "view/PictureTables.h"
#include "view/PictureStartSettings.h"

namespace brackenhollow {

SplashDialog::SplashDialog(GameDatabase& database, const std::string& programDirectory, QWidget* parent)
    : QDialog(parent), m_database(database) {
  const double scale = DialogScale();
  setWindowTitle(QString());
  setModal(true);
  setFixedSize(DialogRect(0, 0, 164, 167, scale).size());

  m_picture = new CS309PictureBox(this);
  m_picture->setGeometry(DialogRect(7, 7, 150, 119, scale));
  m_credit = new QLabel(tr("Brackenhollow, chapter one. Written, drawn and built by the Brackenhollow team."), this);
  m_credit->setGeometry(DialogRect(7, 127, 150, 17, scale));
  m_credit->setWordWrap(true);
  m_startButton = new QPushButton(tr("Start Game"), this);
  m_startButton->setGeometry(DialogRect(7, 145, 42, 15, scale));
  m_startButton->setDefault(true);
  m_exitButton = new QPushButton(tr("Exit"), this);
  m_exitButton->setGeometry(DialogRect(57, 146, 44, 14, scale));
  m_exitButton->setAutoDefault(false);

  ApplyPictureStartSettings(*m_picture);
  m_picture->SetPictureFile(QString::fromStdString(programDirectory + kTitlePicture));

  connect(m_startButton, &QPushButton::clicked, this, &SplashDialog::OnStartGame);
  connect(m_exitButton, &QPushButton::clicked, this, &SplashDialog::OnSplashExit);
}

void SplashDialog::OnStartGame() {
  StartGame(m_database, [this](const std::string& text) {
    m_credit->setText(QString::fromStdString(text));
    m_credit->repaint();
  });
  accept();
  m_startChoice = "N";
}

void SplashDialog::OnSplashExit() {
  m_startChoice = "Y";
  accept();
}

}  // namespace brackenhollow
