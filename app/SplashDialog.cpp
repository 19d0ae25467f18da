#include "app/SplashDialog.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/SavedGame.h"
#include "app/StartGame.h"
#include "store/GameState.h"
#include "store/MessageBoxes.h"
#include "view/CS309PictureBox.h"
#include "view/PictureFrame.h"
#include "view/PictureStartSettings.h"
#include "world/CloseUpPictures.h"
#include "world/WorldBuild.h"

namespace brackenhollow {

namespace {

constexpr char kNewGameWait[] = "Starting a new game. Please wait...";

}  // namespace

SplashDialog::SplashDialog(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
                           QWidget* parent)
    : QDialog(parent), m_database(database), m_boxes(boxes) {
  setWindowTitle(QStringLiteral("Brackenhollow"));
  setModal(true);

  m_picture = new CS309PictureBox;
  auto* frame = new PictureFrame(m_picture, this);
  m_picture->setAccessibleName(tr("Title picture: Brackenhollow"));
  m_credit = new QLabel(tr("Brackenhollow, chapter one. Written, drawn and built by the Brackenhollow team."), this);
  m_credit->setWordWrap(true);
  m_credit->setAlignment(Qt::AlignCenter);
  m_continueButton = new QPushButton(tr("&Continue"), this);
  m_continueButton->setAccessibleName(tr("Continue"));
  m_newGameButton = new QPushButton(tr("&New Game"), this);
  m_newGameButton->setAccessibleName(tr("New Game"));
  m_quitButton = new QPushButton(tr("&Quit"), this);
  m_quitButton->setAccessibleName(tr("Quit"));

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {m_continueButton, m_newGameButton, m_quitButton}) {
    button->setMinimumWidth(button->fontMetrics().averageCharWidth() * 14);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame, 1);
  layout->addWidget(m_credit);
  layout->addLayout(buttons);

  ApplyPictureStartSettings(*m_picture);
  m_picture->SetPictureFile(QString::fromStdString(programDirectory + kTitlePicture));

  connect(m_continueButton, &QPushButton::clicked, this, &SplashDialog::OnContinue);
  connect(m_newGameButton, &QPushButton::clicked, this, &SplashDialog::OnNewGame);
  connect(m_quitButton, &QPushButton::clicked, this, &SplashDialog::OnQuit);
}

QPushButton* SplashDialog::StartButton() const { return m_gameInProgress ? m_continueButton : m_newGameButton; }

void SplashDialog::showEvent(QShowEvent* event) {
  OfferSavedGame();
  // On a small or strongly scaled screen the title picture gives way, so the buttons stay in reach.
  if (const QScreen* shown = screen()) resize(sizeHint().boundedTo(shown->availableGeometry().size() * 0.9));
  QDialog::showEvent(event);
}

void SplashDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SplashDialog::OfferSavedGame() {
  GameState state(m_database, m_boxes);
  const std::optional<SavedGame> saved = ReadSavedGame(m_database, state);
  m_gameInProgress = saved.has_value();
  m_continueButton->setVisible(m_gameInProgress);
  if (saved) {
    const QString room = QString::fromStdString(saved->roomName);
    m_continueButton->setText(room.isEmpty() ? tr("&Continue") : tr("&Continue: %1").arg(room));
    m_continueButton->setAccessibleDescription(room.isEmpty() ? QString() : tr("Resume in: %1").arg(room));
  }
  m_continueButton->setDefault(m_gameInProgress);
  m_newGameButton->setDefault(!m_gameInProgress);
  StartButton()->setFocus();
}

void SplashDialog::ShowWaitText(const std::string& text) {
  m_credit->setText(QString::fromStdString(text));
  m_credit->repaint();
}

void SplashDialog::OnContinue() {
  // The probe builds the world should the saved game have gone since this window opened.
  StartGame(m_database, [this](const std::string& text) { ShowWaitText(text); });
  m_startChoice = "N";
  accept();
}

void SplashDialog::OnNewGame() {
  if (m_gameInProgress) {
    if (!m_boxes.AskYesNo(kNewGameQuestion)) return;
    ShowWaitText(kNewGameWait);
    BuildWorldDatabase(m_database);
  } else {
    StartGame(m_database, [this](const std::string& text) { ShowWaitText(text); });
  }
  m_startChoice = "N";
  accept();
}

void SplashDialog::OnQuit() {
  m_startChoice = "Y";
  accept();
}

}  // namespace brackenhollow
