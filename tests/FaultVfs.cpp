#include "tests/FaultVfs.h"

#include <sqlite3.h>

#include <csignal>
#include <cstring>

namespace brackenhollow::testing {

namespace {

struct State {
  sqlite3_vfs* real = nullptr;
  sqlite3_vfs vfs{};
  FaultPlan plan;
  int reads = 0;
  int writes = 0;
  int syncs = 0;
  int failed = 0;
};

State g_state;

struct File {
  sqlite3_file base;
  sqlite3_file* real;  // lives right after this struct
};

sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<File*>(file)->real; }

// True once the plan fails every write and sync: from its chosen one on.
bool Failing() {
  return g_state.plan.mode == FaultPlan::Mode::Fail && g_state.writes + g_state.syncs >= g_state.plan.from;
}

// The error to give instead of a write or sync just counted, or SQLITE_OK.
int Fault() {
  if (!Failing()) return SQLITE_OK;
  ++g_state.failed;
  return g_state.plan.error;
}

int Close(sqlite3_file* file) { return Real(file)->pMethods->xClose(Real(file)); }
int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
  ++g_state.reads;
  if (g_state.plan.mode == FaultPlan::Mode::FailRead && g_state.reads == g_state.plan.from) {
    ++g_state.failed;
    return g_state.plan.error;
  }
  return Real(file)->pMethods->xRead(Real(file), buffer, amount, offset);
}
int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
  ++g_state.writes;
  if (const int error = Fault(); error != SQLITE_OK) return error;
  const int code = Real(file)->pMethods->xWrite(Real(file), buffer, amount, offset);
  if (g_state.plan.mode == FaultPlan::Mode::Kill && g_state.writes == g_state.plan.from) ::raise(SIGKILL);
  return code;
}
int Truncate(sqlite3_file* file, sqlite3_int64 size) {
  if (Failing()) return g_state.plan.error;
  return Real(file)->pMethods->xTruncate(Real(file), size);
}
int Sync(sqlite3_file* file, int flags) {
  ++g_state.syncs;
  if (const int error = Fault(); error != SQLITE_OK) return error;
  return Real(file)->pMethods->xSync(Real(file), flags);
}
int FileSize(sqlite3_file* file, sqlite3_int64* size) { return Real(file)->pMethods->xFileSize(Real(file), size); }
int Lock(sqlite3_file* file, int level) { return Real(file)->pMethods->xLock(Real(file), level); }
int Unlock(sqlite3_file* file, int level) { return Real(file)->pMethods->xUnlock(Real(file), level); }
int CheckReservedLock(sqlite3_file* file, int* out) {
  return Real(file)->pMethods->xCheckReservedLock(Real(file), out);
}
int FileControl(sqlite3_file* file, int op, void* argument) {
  return Real(file)->pMethods->xFileControl(Real(file), op, argument);
}
int SectorSize(sqlite3_file* file) { return Real(file)->pMethods->xSectorSize(Real(file)); }
int DeviceCharacteristics(sqlite3_file* file) { return Real(file)->pMethods->xDeviceCharacteristics(Real(file)); }
int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** out) {
  return Real(file)->pMethods->xShmMap(Real(file), region, size, extend, out);
}
int ShmLock(sqlite3_file* file, int offset, int count, int flags) {
  return Real(file)->pMethods->xShmLock(Real(file), offset, count, flags);
}
void ShmBarrier(sqlite3_file* file) { Real(file)->pMethods->xShmBarrier(Real(file)); }
int ShmUnmap(sqlite3_file* file, int deleteFlag) { return Real(file)->pMethods->xShmUnmap(Real(file), deleteFlag); }

// Version 2: no memory-mapped reads, so every byte goes through Read and Write above.
const sqlite3_io_methods kMethods = {
    2,        Close,   Read,      Write,        Truncate, Sync,     FileSize,  Lock, Unlock, CheckReservedLock,
    FileControl, SectorSize, DeviceCharacteristics, ShmMap, ShmLock, ShmBarrier, ShmUnmap, nullptr, nullptr,
};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags) {
  File* wrapper = reinterpret_cast<File*>(file);
  wrapper->real = reinterpret_cast<sqlite3_file*>(wrapper + 1);
  file->pMethods = nullptr;
  if (g_state.plan.mode == FaultPlan::Mode::ReadOnly) {
    if ((flags & SQLITE_OPEN_MAIN_DB) == 0) return SQLITE_CANTOPEN;  // no new file beside the store
    flags = (flags & ~(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) | SQLITE_OPEN_READONLY;
  }
  const int code = g_state.real->xOpen(g_state.real, name, wrapper->real, flags, outFlags);
  if (wrapper->real->pMethods != nullptr) file->pMethods = &kMethods;
  return code;
}

int Access(sqlite3_vfs*, const char* name, int flags, int* out) {
  const int code = g_state.real->xAccess(g_state.real, name, flags, out);
  if (g_state.plan.mode == FaultPlan::Mode::ReadOnly && flags == SQLITE_ACCESS_READWRITE) *out = 0;
  return code;
}

}  // namespace

FaultVfs::FaultVfs(FaultPlan plan) {
  g_state = State{};
  g_state.real = sqlite3_vfs_find(nullptr);
  g_state.vfs = *g_state.real;
  g_state.vfs.iVersion = 1;  // the calls of later versions fall back to version 1's
  g_state.vfs.szOsFile = static_cast<int>(sizeof(File)) + g_state.real->szOsFile;
  g_state.vfs.zName = "brackenhollow-fault";
  g_state.vfs.pNext = nullptr;
  g_state.vfs.xOpen = Open;
  g_state.vfs.xAccess = Access;
  g_state.plan = plan;
  sqlite3_vfs_register(&g_state.vfs, 1);
}

FaultVfs::~FaultVfs() {
  sqlite3_vfs_unregister(&g_state.vfs);
  sqlite3_vfs_register(g_state.real, 1);
}

void FaultVfs::SetPlan(FaultPlan plan) {
  g_state.plan = plan;
  g_state.reads = 0;
  g_state.writes = 0;
  g_state.syncs = 0;
  g_state.failed = 0;
}

int FaultVfs::Reads() const { return g_state.reads; }
int FaultVfs::Writes() const { return g_state.writes; }
int FaultVfs::Syncs() const { return g_state.syncs; }
int FaultVfs::Failed() const { return g_state.failed; }

}  // namespace brackenhollow::testing
