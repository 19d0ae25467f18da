// Memory a command frees in the middle of the heap must not stay resident for the rest of the
// session: the allocator by itself gives back only what lies free at the top.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/ProcessMemory.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

// The process's resident heap and other private memory in kilobytes; -1 when /proc cannot be read.
long ResidentAnonymousKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    long kilobytes = 0;
    if (std::sscanf(line.c_str(), "RssAnon: %ld kB", &kilobytes) == 1) return kilobytes;
  }
  return -1;
}

TEST(ProcessMemoryTest, HeapFreedBelowALiveBlockGoesBackOnceTheGameWaits) {
  testing::Application();
  BoundProcessMemory();
  BoundProcessMemory();  // twice: one watch only
  constexpr std::size_t kBlock = 64 * 1024;  // below the size that gets pages of its own
  constexpr int kBlocks = 256;               // 16 MiB
  std::vector<void*> blocks;
  for (int i = 0; i < kBlocks; ++i) {
    void* block = std::malloc(kBlock);
    ASSERT_NE(block, nullptr);
    std::memset(block, 1, kBlock);
    blocks.push_back(block);
  }
  // Kept alive above the freed blocks, so the heap's top cannot simply shrink.
  void* above = std::malloc(kBlock);
  std::memset(above, 1, kBlock);
  const long before = ResidentAnonymousKilobytes();
  ASSERT_GT(before, 0);
  for (void* block : blocks) std::free(block);
  // The event loop waits for a moment, as between a player's commands.
  QEventLoop wait;
  QTimer::singleShot(50, &wait, &QEventLoop::quit);
  wait.exec();
  const long after = ResidentAnonymousKilobytes();
  std::free(above);
  EXPECT_LT(after, before - 8 * 1024) << before << " kB before, " << after << " kB after";
}

}  // namespace
}  // namespace brackenhollow
