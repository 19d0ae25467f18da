#pragma once
// The store's file as the file system sees it, looked at before SQLite opens it, and moved aside
// without ever overwriting another file.

#include <string>

namespace brackenhollow {

enum class StoreFileKind {
  Missing,      // nothing there yet: a new store is created
  Empty,        // a file of no bytes, as a new store starts
  Store,        // a file that begins as every SQLite file does
  OtherFile,    // a file with something else in it
  Unreadable,   // a file the player may not read
  NotAFile,     // a folder, FIFO, device or socket: opening it could block or harm it
};

// Looks at path without opening anything but a regular file.
StoreFileKind KindOfStoreFile(const std::string& path);

// The first of "<base>", "<base>-2", "<base>-3", … that names no file (also none with a journal's
// suffix). Returns "" when a hundred names are taken.
std::string FreeFileName(const std::string& base);

// Renames path, and its journal files beside it, to kept (and the matching journal names), never
// replacing a file that exists. Returns "" on success, else why it failed; a store whose main file
// could not be moved is left untouched.
std::string MoveStoreFile(const std::string& path, const std::string& kept);

// The file's name as an SQLite URI ("file:" and the path, with the characters a URI gives a meaning
// escaped), to which query parameters such as "?mode=ro" can be added.
std::string FileUri(const std::string& path);

// The local time as "YYYYMMDD-HHMMSS", for the names of kept files.
std::string TimeStamp();

}  // namespace brackenhollow
