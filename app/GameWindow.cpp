#include "app/GameWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStatusBar>

#include <algorithm>

#include "app/GameDialog.h"
#include "app/HelpDialogs.h"
#include "app/SavedGamesDialog.h"
#include "app/SplashDialog.h"
#include "app/TextToSpeech.h"
#include "store/MessageBoxes.h"

namespace brackenhollow {

namespace {

constexpr int kSmallestTextSize = -3;
constexpr int kLargestTextSize = 8;
constexpr int kSavedMessageMilliseconds = 5000;
constexpr int kToldMessageMilliseconds = 8000;
// Each step of text size changes the desktop's font by this share.
constexpr double kTextStep = 0.12;

// The window's own settings file: ~/.config/brackenhollow/window.ini on Linux.
std::unique_ptr<QSettings> WindowSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("brackenhollow"),
                                     QStringLiteral("window"));
}

}  // namespace

GameWindow::GameWindow(GameDatabase& database, MessageBoxes& boxes, const std::string& programDirectory,
                       QWidget* parent)
    : QMainWindow(parent),
      m_boxes(boxes),
      m_game(new GameDialog(database, boxes, programDirectory, this)),
      m_splash(new SplashDialog(database, boxes, programDirectory, this)),
      m_programDirectory(programDirectory) {
  setWindowTitle(QStringLiteral("Brackenhollow"));
  setObjectName(QStringLiteral("GameWindow"));
  setCentralWidget(m_game);
  m_menus = std::make_unique<WindowMenus>(*menuBar());
  for (const auto& [command, action] : m_menus->Actions()) {
    connect(action, &QAction::triggered, this, [this, command = command] { Perform(command); });
  }
  connect(m_game, &GameDialog::CloseRequested, this, &GameWindow::close);
  connect(m_game, &GameDialog::Mirrored, this, &GameWindow::UpdateGameMenu);
  connect(m_game, &GameDialog::Mirrored, this, &GameWindow::UpdateRoomName);
  // Beside the picture the running text tells what an undo did; the compact screen tells it here.
  connect(m_game, &GameDialog::Told, this, [this](const QString& answer) {
    if (m_game->CurrentLayout() == GameDialog::Layout::Compact) {
      statusBar()->showMessage(answer, kToldMessageMilliseconds);
    }
  });
  // The status bar is always there, so a message showing or going never moves the picture.
  m_roomName = new QLabel(this);
  m_roomName->setObjectName(QStringLiteral("roomName"));
  m_roomName->setAccessibleName(tr("Room"));
  m_roomName->setContentsMargins(0, 0, fontMetrics().averageCharWidth(), 0);
  statusBar()->addPermanentWidget(m_roomName);
  statusBar()->setSizeGripEnabled(false);
  connect(m_game, &GameDialog::Announced, this, [this](const QString& text) { m_readAloud->Read(text); });
  SetSpeech(std::make_unique<TextToSpeech>());
  // Escape closes an open list (the list does that itself) and leaves fullscreen; it never quits.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
    if (isFullScreen()) Perform(MenuCommand::Fullscreen);
  });
}

GameWindow::~GameWindow() = default;

GameScreen& GameWindow::Screen() { return m_game->Screen(); }

int GameWindow::Run() {
  m_result = QDialog::Rejected;
  m_game->PrepareStart();
  m_splash->exec();
  m_game->EnterGame(m_splash->StartChoice());
  if (m_game->Screen().Screen().closeRequested) return QDialog::Accepted;
  if (m_remember) RestoreSettings();
  show();
  m_game->List(Control::VerbList)->setFocus();
  m_loop.exec();
  return m_result;
}

void GameWindow::End(int result) {
  m_result = result;
  hide();
  m_loop.exit();
}

void GameWindow::UseForScripts() {
  m_remember = false;
  SetTextSize(0);
  SetCompact(true);
  resize(sizeHint());
}

void GameWindow::closeEvent(QCloseEvent* event) {
  // Closing the window any way counts as the caption bar's OK: the game keeps the room.
  if (m_remember && isVisible()) SaveSettings();
  event->accept();
  End(QDialog::Accepted);
}

void GameWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) Action(MenuCommand::Fullscreen)->setChecked(isFullScreen());
}

void GameWindow::Perform(MenuCommand command) {
  switch (command) {
    case MenuCommand::NewGame:
      m_game->NewGame();
      break;
    case MenuCommand::OpenSavedGame:
      if (const std::optional<std::string> name =
              ChooseSavedGame(this, Screen().SavedGamesList(), m_programDirectory)) {
        OpenSaved(*name);
      }
      break;
    case MenuCommand::SaveAs:
      if (const std::optional<std::string> name = AskSaveName(this, Screen().RoomName())) SaveAs(*name);
      break;
    case MenuCommand::Undo:
      m_game->Undo();
      break;
    case MenuCommand::Redo:
      m_game->Redo();
      break;
    case MenuCommand::Quit:
      close();
      break;
    case MenuCommand::Fullscreen:
      setWindowState(windowState() ^ Qt::WindowFullScreen);
      break;
    case MenuCommand::CompactLayout:
      SetCompact(Action(MenuCommand::CompactLayout)->isChecked());
      break;
    case MenuCommand::LargerText:
      SetTextSize(m_textSize + 1);
      break;
    case MenuCommand::SmallerText:
      SetTextSize(m_textSize - 1);
      break;
    case MenuCommand::ReadAloud:
      SetReadAloud(Action(MenuCommand::ReadAloud)->isChecked());
      if (m_remember) WindowSettings()->setValue(QStringLiteral("readAloud"), m_readAloud->IsOn());
      break;
    case MenuCommand::Hint: {
      // A hint is an answer like any other; the compact screen's text has no room for it, so a box
      // tells it there.
      const std::string hint = m_hintSteps.Next(Screen().Database(), Screen().CurrentRoom());
      m_game->Tell("Hint: " + hint);
      if (m_game->CurrentLayout() == GameDialog::Layout::Compact) m_boxes.Inform(hint);
      break;
    }
    case MenuCommand::HowToPlay:
      ShowHelpPage(this, HelpPage::HowToPlay);
      break;
    case MenuCommand::KeyboardShortcuts:
      ShowHelpPage(this, HelpPage::KeyboardShortcuts);
      break;
    case MenuCommand::About:
      ShowHelpPage(this, HelpPage::About);
      break;
  }
}

void GameWindow::SaveAs(const std::string& name) {
  // A save changes nothing on screen, so the status bar tells the player it was made.
  if (m_game->SaveGameAs(name)) {
    statusBar()->showMessage(tr("Game saved as \u201c%1\u201d.").arg(QString::fromStdString(name).trimmed()),
                             kSavedMessageMilliseconds);
  }
}

bool GameWindow::OpenSaved(const std::string& name) { return m_game->OpenSavedGame(name); }

void GameWindow::UpdateGameMenu() {
  Action(MenuCommand::Undo)->setEnabled(Screen().Screen().canUndo);
  Action(MenuCommand::Redo)->setEnabled(Screen().Screen().canRedo);
}

void GameWindow::UpdateRoomName() {
  const std::string name = Screen().RoomName();
  m_roomName->setText(QString::fromStdString(name));
}

void GameWindow::SetSpeech(std::unique_ptr<Speech> speech) {
  const bool on = m_readAloud != nullptr && m_readAloud->IsOn();
  if (m_readAloud != nullptr) m_readAloud->SetOn(false);
  m_readAloud = std::make_unique<ReadAloud>(std::move(speech));
  QAction* item = Action(MenuCommand::ReadAloud);
  const QString missing = m_readAloud->Missing();
  item->setEnabled(missing.isEmpty());
  item->setToolTip(missing.isEmpty() ? tr("Read each new answer, the room entered and the chosen words aloud")
                                     : missing);
  item->setStatusTip(item->toolTip());
  SetReadAloud(on);
}

void GameWindow::SetReadAloud(bool on) {
  QAction* item = Action(MenuCommand::ReadAloud);
  const QString problem = m_readAloud->SetOn(on && item->isEnabled());
  item->setChecked(m_readAloud->IsOn());
  // A voice that fails to start is told once, quietly: the game goes on without it.
  if (!problem.isEmpty()) {
    item->setEnabled(false);
    item->setToolTip(problem);
    item->setStatusTip(problem);
    statusBar()->showMessage(problem, kSavedMessageMilliseconds);
  }
}

void GameWindow::SetTextSize(int steps) {
  m_textSize = std::clamp(steps, kSmallestTextSize, kLargestTextSize);
  QFont font = QApplication::font();
  const double factor = 1.0 + kTextStep * m_textSize;
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * factor);
  } else {
    font.setPixelSize(static_cast<int>(font.pixelSize() * factor));
  }
  m_game->setFont(font);
  Action(MenuCommand::LargerText)->setEnabled(m_textSize < kLargestTextSize);
  Action(MenuCommand::SmallerText)->setEnabled(m_textSize > kSmallestTextSize);
}

void GameWindow::SetCompact(bool compact) {
  Action(MenuCommand::CompactLayout)->setChecked(compact);
  m_game->SetLayout(compact ? GameDialog::Layout::Compact : GameDialog::Layout::Together);
}

void GameWindow::RestoreSettings() {
  const std::unique_ptr<QSettings> settings = WindowSettings();
  SetTextSize(settings->value(QStringLiteral("textSize"), 0).toInt());
  SetCompact(settings->value(QStringLiteral("compact"), false).toBool());
  SetReadAloud(settings->value(QStringLiteral("readAloud"), false).toBool());
  if (!restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray())) {
    // First run: most of the screen, up to a size the pictures and text fill well.
    const QRect screen = QApplication::primaryScreen() != nullptr ? QApplication::primaryScreen()->availableGeometry()
                                                                  : QRect(0, 0, 1280, 800);
    const QSize size = QSize(1280, 800).boundedTo(screen.size() * 0.9);
    setGeometry(QRect(screen.center() - QPoint(size.width() / 2, size.height() / 2), size));
  }
  restoreState(settings->value(QStringLiteral("state")).toByteArray());
}

void GameWindow::SaveSettings() const {
  const std::unique_ptr<QSettings> settings = WindowSettings();
  settings->setValue(QStringLiteral("geometry"), saveGeometry());
  settings->setValue(QStringLiteral("state"), saveState());
  settings->setValue(QStringLiteral("compact"), m_game->CurrentLayout() == GameDialog::Layout::Compact);
  settings->setValue(QStringLiteral("textSize"), m_textSize);
}

}  // namespace brackenhollow
