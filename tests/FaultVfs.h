#pragma once
// A test file system for the store, wrapping SQLite's default one, as SQLite tests itself: it counts
// the reads, writes and syncs that reach the files, and from a chosen one on it fails them (a full disk,
// an I/O error), fails one read (a disk that answers again after a moment), kills the process (a player
// pulling the plug), or behaves as a read-only folder.

namespace brackenhollow::testing {

struct FaultPlan {
  enum class Mode {
    Count,     // only count
    Fail,      // every write and sync from number `from` on fails with `error`
    Kill,      // the process is killed right after write number `from` reached the file
    ReadOnly,  // the store's folder takes no new file and the store's file is opened read-only
    FailRead,  // read number `from` fails with `error`; every other read goes through
  };
  Mode mode = Mode::Count;
  int from = 0;  // 1 for the first write (or sync, when failing)
  int error = 0;
};

// Installs the test file system as SQLite's default for as long as it lives: every store opened
// meanwhile goes through it. Only one may exist at a time.
class FaultVfs {
 public:
  explicit FaultVfs(FaultPlan plan = {});
  ~FaultVfs();
  FaultVfs(const FaultVfs&) = delete;
  FaultVfs& operator=(const FaultVfs&) = delete;

  // Replaces the plan and restarts the counts.
  void SetPlan(FaultPlan plan);
  int Reads() const;
  int Writes() const;
  int Syncs() const;
  // How many reads, writes or syncs were failed.
  int Failed() const;
};

}  // namespace brackenhollow::testing
