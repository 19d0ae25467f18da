#include "store/StoreFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace brackenhollow {

namespace {

constexpr const char* kJournalSuffixes[] = {"-wal", "-shm", "-journal"};
constexpr int kMostNames = 100;

bool Exists(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0;
}

// Renames from to to unless to exists. Returns 0 or the errno of the failure.
int RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // A file system without the no-replace rename: a hard link fails when the name is taken.
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  ::unlink(from.c_str());
  return 0;
}

}  // namespace

StoreFileKind KindOfStoreFile(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return errno == ENOENT ? StoreFileKind::Missing : StoreFileKind::Unreadable;
  if (!S_ISREG(status.st_mode)) return StoreFileKind::NotAFile;
  if (status.st_size == 0) return StoreFileKind::Empty;
  // O_NONBLOCK: should the file be swapped for a FIFO after the look above, the open still returns.
  const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file < 0) return StoreFileKind::Unreadable;
  constexpr char kHeader[] = "SQLite format 3";  // with its closing NUL: the first 16 bytes
  char start[sizeof kHeader] = {};
  const ssize_t got = ::read(file, start, sizeof start);
  ::close(file);
  if (got < 0) return StoreFileKind::Unreadable;
  return got == static_cast<ssize_t>(sizeof start) && std::memcmp(start, kHeader, sizeof kHeader) == 0
             ? StoreFileKind::Store
             : StoreFileKind::OtherFile;
}

std::string FreeFileName(const std::string& base) {
  for (int number = 1; number <= kMostNames; ++number) {
    const std::string name = number == 1 ? base : base + "-" + std::to_string(number);
    bool taken = Exists(name);
    for (const char* suffix : kJournalSuffixes) taken = taken || Exists(name + suffix);
    if (!taken) return name;
  }
  return {};
}

std::string MoveStoreFile(const std::string& path, const std::string& kept) {
  if (kept.empty()) return "no free name to keep it under";
  if (const int error = RenameWithoutReplacing(path, kept); error != 0) return std::strerror(error);
  // The journals belong with the file they journal; one left behind would be read into the new store.
  for (const char* suffix : kJournalSuffixes) {
    if (!Exists(path + suffix)) continue;
    if (const int error = RenameWithoutReplacing(path + suffix, kept + suffix); error != 0) {
      return std::string(suffix) + " file: " + std::strerror(error);
    }
  }
  return {};
}

std::string FileUri(const std::string& path) {
  std::string uri = "file:";
  for (const char character : path) {
    if (character == '%' || character == '?' || character == '#') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(character));
      uri += escaped;
    } else {
      uri += character;
    }
  }
  return uri;
}

std::string TimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
  return buffer;
}

}  // namespace brackenhollow
