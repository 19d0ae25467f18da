#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

namespace brackenhollow::testing {

ScratchFolder::ScratchFolder() : m_folder(QDir::tempPath() + QStringLiteral("/brackenhollow-XXXXXX")) {
  if (!m_folder.isValid()) ADD_FAILURE() << "no scratch folder: " << m_folder.errorString().toStdString();
}

QApplication& Application() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "brackenhollow_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

}  // namespace brackenhollow::testing
