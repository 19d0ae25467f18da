#include "app/ProcessMemory.h"

#include <malloc.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPixmapCache>
#include <cstddef>

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
// What a command frees inside the heap (a room's text layouts, a closed page, an old picture's
// pieces) stays resident, since only the top is given back by itself. Once this much more lies free
// than after the last return, the free pages go back while the game waits for the player.
constexpr std::size_t kFreedBeforeReturn = 1024 * 1024;

std::size_t g_freeAfterReturn = 0;

// Gives the heap's free pages back to the system when enough was freed since the last time; cheap
// otherwise (the allocator's own totals are read).
void ReturnFreedPages() {
  const std::size_t free = mallinfo2().fordblks;
  if (free < g_freeAfterReturn) g_freeAfterReturn = free;
  if (free < g_freeAfterReturn + kFreedBeforeReturn) return;
  malloc_trim(0);
  g_freeAfterReturn = mallinfo2().fordblks;
}

}  // namespace

void BoundProcessMemory() {
  mallopt(M_MMAP_THRESHOLD, kOwnPagesFrom);
  mallopt(M_TRIM_THRESHOLD, kKeptFreeAtTop);
  mallopt(M_ARENA_MAX, kHeaps);
  QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
  static bool watching = false;
  QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance(QCoreApplication::instance() != nullptr
                                                                            ? QCoreApplication::instance()->thread()
                                                                            : nullptr);
  if (watching || events == nullptr) return;
  QObject::connect(events, &QAbstractEventDispatcher::aboutToBlock, &ReturnFreedPages);
  watching = true;
}

}  // namespace brackenhollow
