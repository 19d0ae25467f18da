// brackenhollow-replay: plays a script of player commands against the game's own dialogs, without
// a display, and prints what the player would see.

#include <QApplication>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/GameApp.h"
#include "app/ReplayDriver.h"

namespace {

constexpr char kUsage[] = "usage: brackenhollow-replay [--store FILE] [SCRIPT]\n";

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("brackenhollow"));

  std::string storePath;
  std::string scriptPath;
  const QStringList arguments = QApplication::arguments();
  for (qsizetype index = 1; index < arguments.size(); ++index) {
    if (arguments[index] == QLatin1String("--store") && index + 1 < arguments.size()) {
      storePath = arguments[++index].toStdString();
    } else if (arguments[index].startsWith(QLatin1Char('-')) || !scriptPath.empty()) {
      std::cerr << kUsage;
      return 2;
    } else {
      scriptPath = arguments[index].toStdString();
    }
  }

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
  const std::string programDirectory = brackenhollow::ProgramDirectory();
  brackenhollow::ReplayDriver driver(std::move(lines), programDirectory, std::cout);
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (!driver.Step()) timer.stop();
  });
  timer.start(0);
  game.Run(&driver, programDirectory);
  timer.stop();
  driver.Closed();
  return driver.Failed() ? 1 : 0;
}
