#pragma once
// The process's memory over a long session: what it frees goes back to the system, and Qt's caches
// stay small, so that hours of play hold no more than the first minutes.

namespace brackenhollow {

// Sets the allocator and Qt's pixmap cache for the game's process, and, once the application
// exists, gives freed heap pages back whenever the game waits for the player. Call once, before the
// first window; again does no harm.
void BoundProcessMemory();

}  // namespace brackenhollow
