#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

namespace brackenhollow::testing {

ScratchFolder::ScratchFolder() : m_folder(QDir::tempPath() + QStringLiteral("/brackenhollow-XXXXXX")) {
  if (!m_folder.isValid()) ADD_FAILURE() << "no scratch folder: " << m_folder.errorString().toStdString();
}

}  // namespace brackenhollow::testing
