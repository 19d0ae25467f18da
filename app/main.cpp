// Brackenhollow: the game's executable.

#include <QApplication>
#include <QIcon>

#include "app/GameApp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brackenhollow"));
  QApplication::setApplicationDisplayName(QStringLiteral("Brackenhollow"));
  QApplication::setWindowIcon(QIcon(QApplication::applicationDirPath() + QStringLiteral("/brackenhollow.png")));
  brackenhollow::GameApp game(brackenhollow::DefaultStorePath());
  return game.Run(nullptr, brackenhollow::ProgramDirectory());
}
