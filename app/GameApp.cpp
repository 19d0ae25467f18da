#include "app/GameApp.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QStandardPaths>

#include "app/GameScreen.h"
#include "app/GameWindow.h"
#include "app/QtMessageBoxes.h"

namespace brackenhollow {

int GameApp::Run(MessageBoxes* boxes, const std::string& programDirectory) {
  QtMessageBoxes qtBoxes;
  MessageBoxes& used = boxes != nullptr ? *boxes : qtBoxes;
  GameWindow window(m_database, used, programDirectory);
  qtBoxes.SetParent(&window);
  m_database.SetMessageBoxes(&used);
  if (window.Run() == QDialog::Accepted) window.Screen().SaveCurrentRoom();
  m_database.SetMessageBoxes(nullptr);
  return 0;
}

std::string DefaultStorePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(folder);
  return QDir(folder).filePath(QStringLiteral("brackenhollow.sqlite")).toStdString();
}

std::string ProgramDirectory() { return (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString(); }

}  // namespace brackenhollow
