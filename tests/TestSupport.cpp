#include "tests/TestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>

namespace brackenhollow::testing {

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  m_path = std::filesystem::path(::testing::TempDir()) /
           ("brackenhollow-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(m_path);
  std::filesystem::create_directories(m_path);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

}  // namespace brackenhollow::testing
