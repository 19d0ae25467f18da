#include "tests/ReplayRun.h"

#include <QProcess>
#include <QString>

namespace brackenhollow::testing {

std::filesystem::path ReplayDriverPath() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return self.parent_path() / "brackenhollow-replay";
}

ReplayRun RunReplay(const std::filesystem::path& store, const std::filesystem::path& script) {
  ReplayRun run;
  QProcess driver;
  driver.start(QString::fromStdString(ReplayDriverPath().string()),
               {QStringLiteral("--store"), QString::fromStdString(store.string()),
                QString::fromStdString(script.string())});
  if (!driver.waitForStarted() || !driver.waitForFinished(-1)) {
    run.errors = "cannot run " + ReplayDriverPath().string() + ": " + driver.errorString().toStdString();
    return run;
  }
  run.transcript = driver.readAllStandardOutput().toStdString();
  run.errors = driver.readAllStandardError().toStdString();
  if (driver.exitStatus() == QProcess::NormalExit) run.status = driver.exitCode();
  return run;
}

}  // namespace brackenhollow::testing
