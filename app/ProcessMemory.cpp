#include "app/ProcessMemory.h"

#include <malloc.h>

#include <QPixmapCache>

namespace brackenhollow {

namespace {

// A picture or window image (hundreds of kilobytes to megabytes) gets pages of its own, returned
// the moment it is freed. Left to itself, the allocator raises this bound to the largest block freed
// so far, and after one large picture keeps every later one in a heap it seldom gives back.
constexpr int kOwnPagesFrom = 256 * 1024;
// Free memory at the top of the heap beyond this goes back to the system.
constexpr int kKeptFreeAtTop = 1024 * 1024;
// Threads (the window system's, Qt's image scaling) share this many heaps instead of one each.
constexpr int kHeaps = 2;
// Qt's style keeps drawn buttons, frames and gradients for reuse; every window size and text size
// adds more. This many kilobytes hold what one screen needs.
constexpr int kPixmapCacheKilobytes = 2048;

}  // namespace

void BoundProcessMemory() {
  mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeAtTop);
  mallopt(M_ARENA_MAX, kHeaps);
  QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
}

}  // namespace brackenhollow
