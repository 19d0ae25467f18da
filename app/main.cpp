// Brackenhollow: the game's executable.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>

#include <iostream>
#include <optional>
#include <string>

#include "app/GameApp.h"
#include "app/PictureFolder.h"
#include "app/QtMessageBoxes.h"
#include "app/StoreOption.h"

namespace {

// The game's command line: --help, --version, --paths and --store FILE.
class GameCommandLine {
 public:
  GameCommandLine() {
    m_parser.setApplicationDescription(QStringLiteral(
        "Brackenhollow, a point-and-click adventure. Your game is saved as you play; without --store it lives "
        "in your data folder (see --paths)."));
    m_parser.addOption(m_store);
    m_parser.addOption(m_paths);
    // -platform, -style, ...: the window system's options are words after one dash.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  }

  // Reads the arguments, answering --help, --help-all and --version at once and reporting a mistake
  // other than an unknown option (the process then ends). Returns false when an option was not known:
  // it may be one the window system reads. With no display in reach and no platform named, the window
  // system would only abort, so an unknown option is reported here instead.
  bool Read(const QCoreApplication& application) {
    const bool understood = m_parser.parse(QCoreApplication::arguments());
    if (m_parser.isSet(m_help)) m_parser.showHelp();
    if (m_parser.isSet(m_version)) m_parser.showVersion();
    if (understood || m_parser.unknownOptionNames().isEmpty() || !WindowSystemReachable()) ReadOrEnd(application);
    return understood;
  }

  // Reads the arguments; an option not understood is reported and the process ends.
  void ReadOrEnd(const QCoreApplication& application) { m_parser.process(application); }

  // Reports an unexpected argument, or answers --paths. Returns the exit code when the program is to
  // end here, nothing when it is to play.
  std::optional<int> Answer() const {
    if (!m_parser.positionalArguments().isEmpty()) {
      std::cerr << "brackenhollow: unexpected argument " << m_parser.positionalArguments().first().toStdString()
                << "\n(try brackenhollow --help)\n";
      return 1;
    }
    if (m_parser.isSet(m_paths)) return PrintPaths();
    return std::nullopt;
  }

  // The store file to play: --store's, else the one in the user's data folder.
  std::string StorePath() const {
    return m_parser.isSet(m_store) ? m_parser.value(m_store).toStdString() : brackenhollow::DefaultStorePath();
  }

 private:
  // Prints where the pictures and the saved game lie. Returns the exit code: 1 when no folder holds
  // the pictures (the folders searched are printed instead).
  int PrintPaths() const {
    const brackenhollow::PictureFolderSearch search = brackenhollow::SearchPictureFolder();
    if (search.found) {
      std::cout << "pictures: " << search.folder << "\n";
    } else {
      std::cout << brackenhollow::MissingPicturesMessage(search) << "\n";
    }
    std::cout << "saved game: " << StorePath() << "\n";
    return search.found ? 0 : 1;
  }

  // True when a window system could start: a display, or a platform chosen by option or environment.
  bool WindowSystemReachable() const {
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           QCoreApplication::arguments().contains(QStringLiteral("-platform")) ||
           QCoreApplication::arguments().contains(QStringLiteral("--platform"));
  }

  QCommandLineParser m_parser;
  QCommandLineOption m_help = m_parser.addHelpOption();
  QCommandLineOption m_version = m_parser.addVersionOption();
  QCommandLineOption m_store = brackenhollow::StoreOption();
  QCommandLineOption m_paths{QStringLiteral("paths"),
                             QStringLiteral("Print where the game finds its pictures and keeps your game, then exit.")};
};

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
  GameCommandLine commandLine;
  bool understood = false;
  {
    // Read first with a display-free application object, so that --help, --version and --paths answer
    // in a terminal without a display and without opening a window.
    const QCoreApplication withoutDisplay(argc, argv);
    understood = commandLine.Read(withoutDisplay);
    if (understood) {
      if (const std::optional<int> exitCode = commandLine.Answer()) return *exitCode;
    }
  }

  QApplication application(argc, argv);
  if (!understood) {
    // The window system's own options (-platform, -session, -style …) are now taken out of the arguments.
    commandLine.ReadOrEnd(application);
    if (const std::optional<int> exitCode = commandLine.Answer()) return *exitCode;
  }
  QApplication::setApplicationDisplayName(QStringLiteral("Brackenhollow"));
  QGuiApplication::setDesktopFileName(QStringLiteral("brackenhollow"));
  brackenhollow::GameApp game(commandLine.StorePath());
  const brackenhollow::PictureFolderSearch pictures = brackenhollow::SearchPictureFolder();
  if (!pictures.found) brackenhollow::QtMessageBoxes().Inform(brackenhollow::MissingPicturesMessage(pictures));
  QApplication::setWindowIcon(GameIcon(pictures.folder));
  return game.Run(nullptr, pictures.folder);
}
