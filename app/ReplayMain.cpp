// brackenhollow-replay: plays a script of player commands against the game's own dialogs, without
// a display, and prints what the player would see.

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/PictureFolder.h"
#include "app/ReplayDriver.h"
#include "app/StoreOption.h"

namespace {

constexpr char kUsage[] = "usage: brackenhollow-replay [--store FILE] [SCRIPT]\n";

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brackenhollow"));

  QCommandLineParser parser;
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption storeOption = brackenhollow::StoreOption();
  parser.addOption(storeOption);
  parser.addPositionalArgument(QStringLiteral("SCRIPT"),
                               QStringLiteral("The commands to play; standard input when absent."),
                               QStringLiteral("[SCRIPT]"));
  if (!parser.parse(QApplication::arguments()) || parser.positionalArguments().size() > 1) {
    std::cerr << kUsage;
    return 2;
  }
  if (parser.isSet(helpOption)) {
    std::cout << parser.helpText().toStdString();
    return 0;
  }
  const std::string storePath = parser.value(storeOption).toStdString();
  const std::string scriptPath =
      parser.positionalArguments().isEmpty() ? std::string() : parser.positionalArguments().first().toStdString();

  std::vector<std::string> lines;
  std::ifstream file;
  if (!scriptPath.empty()) {
    file.open(scriptPath);
    if (!file) {
      std::cerr << "brackenhollow-replay: cannot read " << scriptPath << "\n";
      return 2;
    }
  }
  std::istream& input = scriptPath.empty() ? std::cin : file;
  for (std::string line; std::getline(input, line);) lines.push_back(line);

  brackenhollow::GameApp game(storePath.empty() ? brackenhollow::DefaultStorePath() : storePath);
  const brackenhollow::PictureFolderSearch pictures = brackenhollow::SearchPictureFolder();
  brackenhollow::ReplayDriver driver(std::move(lines), pictures.folder, std::cout);
  if (!pictures.found) driver.Inform(brackenhollow::MissingPicturesMessage(pictures));
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!driver.Step()) timer.stop();
  });
  timer.start(0);
  game.Run(&driver, pictures.folder);
  timer.stop();
  driver.Closed();
  return driver.Failed() ? 1 : 0;
}
