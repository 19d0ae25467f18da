// Brackenhollow: the game's executable.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include <iostream>
#include <string>

#include "app/GameApp.h"
#include "app/PictureFolder.h"
#include "app/QtMessageBoxes.h"
#include "app/StoreOption.h"

namespace {

// What the command line asks for when it asks to play.
struct PlayRequest {
  std::string storePath;
};

// Prints where the pictures and the saved game lie. Returns the exit code: 1 when no folder holds the
// pictures (the folders searched are printed instead).
int PrintPaths(const std::string& storePath) {
  const brackenhollow::PictureFolderSearch search = brackenhollow::SearchPictureFolder();
  if (search.found) {
    std::cout << "pictures: " << search.folder << "\n";
  } else {
    std::cout << brackenhollow::MissingPicturesMessage(search) << "\n";
  }
  std::cout << "saved game: " << storePath << "\n";
  return search.found ? 0 : 1;
}

// Reads the command line with a display-free application object, so that --help, --version and
// --paths answer in a terminal without a display and without a window. Returns false with the exit
// code when the program has answered and is to end.
bool ReadCommandLine(int& argc, char* argv[], PlayRequest& request, int& exitCode) {
  QCoreApplication application(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Brackenhollow, a point-and-click adventure. Your game is saved as you play; without --store it lives in "
      "your data folder (see --paths)."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption storeOption = brackenhollow::StoreOption();
  parser.addOption(storeOption);
  const QCommandLineOption pathsOption(
      QStringLiteral("paths"), QStringLiteral("Print where the game finds its pictures and keeps your game, then exit."));
  parser.addOption(pathsOption);
  parser.process(application);  // answers --help, --version and mistakes itself, and exits
  if (!parser.positionalArguments().isEmpty()) {
    std::cerr << "brackenhollow: unexpected argument " << parser.positionalArguments().first().toStdString()
              << "\n(try brackenhollow --help)\n";
    exitCode = 1;
    return false;
  }
  request.storePath =
      parser.isSet(storeOption) ? parser.value(storeOption).toStdString() : brackenhollow::DefaultStorePath();
  if (parser.isSet(pathsOption)) {
    exitCode = PrintPaths(request.storePath);
    return false;
  }
  return true;
}

// The window icon: the desktop theme's when the game is installed, else the painted icons beside the
// pictures.
QIcon GameIcon(const std::string& pictureFolder) {
  QIcon painted;
  const QDir folder(QString::fromStdString(pictureFolder));
  for (const QString& file : folder.entryList({QStringLiteral("brackenhollow-*.png")}, QDir::Files)) {
    painted.addFile(folder.filePath(file));
  }
  return QIcon::fromTheme(QStringLiteral("brackenhollow"), painted);
}

}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("brackenhollow"));
  QCoreApplication::setApplicationVersion(QStringLiteral(BRACKENHOLLOW_VERSION));
  PlayRequest request;
  if (int exitCode = 0; !ReadCommandLine(argc, argv, request, exitCode)) return exitCode;

  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Brackenhollow"));
  QGuiApplication::setDesktopFileName(QStringLiteral("brackenhollow"));
  brackenhollow::GameApp game(request.storePath);
  const brackenhollow::PictureFolderSearch pictures = brackenhollow::SearchPictureFolder();
  if (!pictures.found) brackenhollow::QtMessageBoxes().Inform(brackenhollow::MissingPicturesMessage(pictures));
  QApplication::setWindowIcon(GameIcon(pictures.folder));
  return game.Run(nullptr, pictures.folder);
}
