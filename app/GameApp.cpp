#include "app/GameApp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/GameScreen.h"
#include "app/GameWindow.h"
#include "app/ProcessMemory.h"
#include "app/QtMessageBoxes.h"
#include "app/StartGame.h"
#include "store/GameDatabase.h"

namespace brackenhollow {

namespace {

constexpr char kAlreadyRunning[] =
    "Brackenhollow is already running with this saved game. Only one game can use it at a time, so this one "
    "closes.";
constexpr char kStoreBusy[] =
    "The saved game is in use by another program: Brackenhollow seems to be running already. Wait and try "
    "again? (No closes the game.)";

}  // namespace

GameApp::GameApp(const std::string& storePath) : m_lock(QString::fromStdString(storePath + ".lock")) {
  // A folder that takes no lock file (read-only) is no second game: the store's own checks follow.
  if (TakeLock(m_lock) || m_lock.error() != QLockFile::LockFailedError) {
    m_database = std::make_unique<GameDatabase>(storePath);
  }
}

bool TakeLock(QLockFile& lock) {
  // A lock is stale only when its process is gone, however long a game has been running.
  lock.setStaleLockTime(0);
  if (lock.tryLock(0)) return true;
  if (lock.error() != QLockFile::LockFailedError) return false;
  qint64 process = 0;
  QString host;
  QString application;
  if (lock.getLockInfo(&process, &host, &application)) return false;
  // The lock names no process: a game killed between making the file and writing its id into it, or
  // a file that cannot be read. Qt takes it away only while no running game holds it; a file that
  // cannot even be read, which no game of this player made, is removed by name.
  if (!lock.removeStaleLockFile()) {
    QFile file(lock.fileName());
    if (file.open(QIODevice::ReadOnly)) return false;
    QFile::remove(lock.fileName());
  }
  return lock.tryLock(0);
}

GameApp::~GameApp() = default;

int GameApp::Run(MessageBoxes* boxes, const std::string& programDirectory) {
  BoundProcessMemory();
  QtMessageBoxes qtBoxes;
  MessageBoxes& used = boxes != nullptr ? *boxes : qtBoxes;
  if (!m_database) {
    used.Inform(kAlreadyRunning);
    return 1;
  }
  while (m_database->IsBusy()) {
    if (!used.AskYesNo(kStoreBusy)) return 1;
    m_database->RetryOpen();
  }
  // Checked before any window reads it, and told through the boxes once they exist.
  VetStartingStore(*m_database);
  GameWindow window(*m_database, used, programDirectory);
  qtBoxes.SetParent(&window);
  m_database->SetMessageBoxes(&used);
  if (window.Run() == QDialog::Accepted) window.Screen().SaveCurrentRoom();
  m_database->SetMessageBoxes(nullptr);
  return 0;
}

std::string DefaultStorePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(folder);
  return QDir(folder).filePath(QStringLiteral("brackenhollow.sqlite")).toStdString();
}

std::string ProgramDirectory() { return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString(); }

}  // namespace brackenhollow
