#include "store/SavedGames.h"

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "store/GameDatabase.h"
#include "store/StoreCheck.h"
#include "store/StoreFiles.h"
#include "store/UndoHistory.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

namespace fs = std::filesystem;

constexpr char kSuffix[] = ".sqlite";
// A save is first written to a file of its own named "<kPartialPrefix>-<process id>-<random>" and
// renamed into place only when complete. The leading dot keeps it out of the listing, which takes
// only names ending in kSuffix; the process id tells whether its writer still runs. Every name
// beginning with it (an earlier release's ".saving.partial" too) is a save's leftover.
constexpr char kPartialPrefix[] = ".saving";
// File names are limited to 255 bytes; this leaves room for the suffix.
constexpr std::size_t kLongestEncodedName = 200;

struct CloseConnection {
  void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};
using Connection = std::unique_ptr<sqlite3, CloseConnection>;

// Opens the file at path; nullptr when it cannot be opened.
Connection OpenFile(const std::string& path, int flags) {
  sqlite3* raw = nullptr;
  const int code = sqlite3_open_v2(path.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  Connection connection(raw);
  if (code != SQLITE_OK) return nullptr;
  return connection;
}

// Opens a save to read it: never through a link, and without its journal, which a save never has
// (it is complete before it takes its name). nullptr when it cannot be opened.
Connection OpenSave(const std::string& path) {
  return OpenFile(FileUri(path) + "?mode=ro&immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOFOLLOW);
}

// Runs one statement to its end, passing over any rows it returns. Returns false when it fails.
bool Run(sqlite3* connection, const std::string& sql) {
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return false;
  int code = sqlite3_step(prepared.statement.get());
  while (code == SQLITE_ROW) code = sqlite3_step(prepared.statement.get());
  return code == SQLITE_DONE;
}

// Copies every page of the source's main database over the destination's, as one write of the
// destination. Returns SQLITE_OK, or the cause, with the destination unchanged, when the copy could
// not finish.
int CopyStore(sqlite3* destination, sqlite3* source) {
  sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
  if (backup == nullptr) return sqlite3_extended_errcode(destination);
  const int stepped = sqlite3_backup_step(backup, -1);
  const int finished = sqlite3_backup_finish(backup);
  if (stepped != SQLITE_DONE) return stepped;
  return finished;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string() : std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// Fills in what the listing shows of a save that passed the check. Returns false when it cannot be read.
bool ReadAbout(sqlite3* connection, NamedSave& save) {
  detail::Prepared about = detail::Prepare(connection, "SELECT saved_at, picture FROM saved_game");
  if (about.statement && sqlite3_step(about.statement.get()) == SQLITE_ROW) {
    save.savedAt = sqlite3_column_int64(about.statement.get(), 0);
    save.picture = ColumnText(about.statement.get(), 1);
  }
  detail::Prepared where = detail::Prepare(
      connection, "SELECT c.room, d.roomname FROM currentroom c LEFT JOIN Descriptions d ON d.Roomnumber = c.room");
  if (!where.statement || sqlite3_step(where.statement.get()) != SQLITE_ROW) return false;
  save.room = sqlite3_column_int(where.statement.get(), 0);
  save.roomName = ColumnText(where.statement.get(), 1);
  return true;
}

// True when the path names a regular file itself (not through a link): nothing else is opened.
bool IsPlainFile(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Makes the file's content (or the folder's list of names) lasting on disk. Returns false when it
// could not.
bool FlushToDisk(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (descriptor < 0) return false;
  const bool flushed = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return flushed;
}

// Writes what the listing shows into the copy at connection. Returns false when it could not.
bool WriteAbout(sqlite3* connection, const std::string& name, const std::string& picture) {
  if (!Run(connection, "DROP TABLE IF EXISTS saved_game") || !Run(connection, kAboutTableCreate)) {
    return false;
  }
  detail::Prepared insert =
      detail::Prepare(connection, "INSERT INTO saved_game (name, saved_at, picture) VALUES (?, ?, ?)");
  if (!insert.statement) return false;
  const auto now = std::chrono::duration_cast<std::chrono::seconds>(
      std::chrono::system_clock::now().time_since_epoch());
  sqlite3_bind_text(insert.statement.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
  sqlite3_bind_int64(insert.statement.get(), 2, now.count());
  sqlite3_bind_text(insert.statement.get(), 3, picture.data(), static_cast<int>(picture.size()), SQLITE_TRANSIENT);
  return sqlite3_step(insert.statement.get()) == SQLITE_DONE;
}

// Letters, digits, blank, '-' and '_' stand for themselves; every other byte (slashes, dots, quotes,
// control characters, the bytes of non-Latin letters, '%' itself) becomes %XX. No name can therefore
// name a folder, a parent or a hidden file, and two names never share a file.
std::string EncodeName(const std::string& name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char character : name) {
    const auto byte = static_cast<unsigned char>(character);
    const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
                       byte == ' ' || byte == '-' || byte == '_';
    if (plain) {
      encoded += character;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0f];
    }
  }
  return encoded;
}

// The name a file name was encoded from; nothing when it is no encoding (a file named by hand).
std::optional<std::string> DecodeName(const std::string& encoded) {
  std::string name;
  for (std::size_t index = 0; index < encoded.size(); ++index) {
    if (encoded[index] != '%') {
      name += encoded[index];
      continue;
    }
    if (index + 2 >= encoded.size()) return std::nullopt;
    const std::string hex = encoded.substr(index + 1, 2);
    if (hex.find_first_not_of("0123456789ABCDEF") != std::string::npos) return std::nullopt;
    name += static_cast<char>(std::stoi(hex, nullptr, 16));
    index += 2;
  }
  return name;
}

// The process id in a temporary save's name ".saving-<id>-…"; 0 when it has none (an earlier
// release's name).
pid_t WriterOf(const std::string& fileName) {
  const std::string prefix = std::string(kPartialPrefix) + "-";
  if (fileName.rfind(prefix, 0) != 0) return 0;
  return static_cast<pid_t>(std::strtol(fileName.c_str() + prefix.size(), nullptr, 10));
}

// True while a process of that id runs.
bool Running(pid_t process) { return process > 0 && (::kill(process, 0) == 0 || errno == EPERM); }

// Removes the temporary file of a save and the journals SQLite may have left beside it.
void RemovePartial(const std::string& partial) {
  std::error_code error;
  for (const char* suffix : {"", "-journal", "-wal", "-shm"}) fs::remove(partial + suffix, error);
}

}  // namespace

std::string TrimSaveName(const std::string& name) {
  constexpr char kBlanks[] = " \t\r\n";
  const std::size_t first = name.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(kBlanks) - first + 1);
}

SavedGames::SavedGames(GameDatabase& database, const StoreRules& rules) : m_database(database), m_rules(rules) {
  // A store in memory has no folder to keep saves beside.
  if (!database.Path().empty() && database.Path() != kMemoryStore) {
    m_folder = (fs::path(database.Path()).parent_path() / "saves").string();
  }
}

std::string SavedGames::FileFor(const std::string& name) const {
  const std::string trimmed = TrimSaveName(name);
  const std::string encoded = EncodeName(trimmed);
  if (m_folder.empty() || trimmed.empty() || encoded.size() > kLongestEncodedName) return {};
  return (fs::path(m_folder) / (encoded + kSuffix)).string();
}

std::vector<NamedSave> SavedGames::List() const {
  std::vector<NamedSave> saves;
  if (m_folder.empty()) return saves;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
    const std::string file = entry.path().string();
    if (entry.path().extension() != kSuffix || !IsPlainFile(file)) continue;
    // A file that does not sit under its own name's encoding (copied in by hand, renamed) could not
    // be opened by that name, so it is not offered.
    const std::optional<std::string> name = DecodeName(entry.path().stem().string());
    if (!name || FileFor(*name) != file) continue;
    NamedSave save;
    save.name = *name;
    const Connection connection = OpenSave(file);
    const StoreCheck check = CheckStoreFile(connection.get(), m_rules);
    if (!check.Sound()) {
      save.problem = check.reason;
    } else if (!ReadAbout(connection.get(), save)) {
      save.problem = "it holds no room to go on from";
    }
    if (save.savedAt == 0) {
      struct stat status {};
      if (::lstat(file.c_str(), &status) == 0) save.savedAt = status.st_mtime;
    }
    saves.push_back(std::move(save));
  }
  std::sort(saves.begin(), saves.end(), [](const NamedSave& a, const NamedSave& b) {
    return a.savedAt != b.savedAt ? a.savedAt > b.savedAt : a.name < b.name;
  });
  return saves;
}

bool SavedGames::Exists(const std::string& name) const {
  const std::string file = FileFor(name);
  return !file.empty() && IsPlainFile(file);
}

SaveOutcome SavedGames::Save(const std::string& name, const std::string& picture) {
  const std::string trimmed = TrimSaveName(name);
  if (trimmed.empty()) return SaveOutcome::NameEmpty;
  if (m_folder.empty()) return SaveOutcome::NoFolder;
  const std::string file = FileFor(trimmed);
  if (file.empty()) return SaveOutcome::NameTooLong;
  std::error_code error;
  fs::create_directories(m_folder, error);
  if (error) return SaveOutcome::Failed;
  std::string partial =
      (fs::path(m_folder) / (std::string(kPartialPrefix) + "-" + std::to_string(::getpid()) + "-XXXXXX")).string();
  const int descriptor = ::mkstemp(partial.data());
  if (descriptor < 0) return SaveOutcome::Failed;
  ::close(descriptor);

  bool written = false;
  {
    const Connection copy = OpenFile(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW);
    // Nobody reads the partial file before it is complete, so its writes need no flush of their own:
    // one flush of the finished file below makes it lasting before it takes the save's name. The
    // copy is one self-contained file, whatever journal the store itself uses.
    written = copy && Run(copy.get(), "PRAGMA synchronous=OFF") &&
              CopyStore(copy.get(), m_database.Handle()) == SQLITE_OK &&
              Run(copy.get(), "PRAGMA journal_mode=DELETE") && WriteAbout(copy.get(), trimmed, picture);
  }
  // The new name lasts only once the folder itself is flushed.
  written = written && FlushToDisk(partial) && ::rename(partial.c_str(), file.c_str()) == 0;
  if (!written) {
    RemovePartial(partial);
    return SaveOutcome::Failed;
  }
  FlushToDisk(m_folder);
  return SaveOutcome::Saved;
}

SaveOpening SavedGames::Open(const std::string& name) {
  if (!Exists(name)) return {OpenOutcome::NotFound};
  const Connection save = OpenSave(FileFor(name));
  if (!save) return {OpenOutcome::Failed, "it could not be opened"};
  const StoreCheck check = CheckStoreFile(save.get(), m_rules);
  if (!check.Sound()) {
    return {check.verdict == StoreVerdict::Unreadable ? OpenOutcome::Failed : OpenOutcome::Refused, check.reason};
  }
  NamedSave about;
  if (!ReadAbout(save.get(), about)) return {OpenOutcome::Refused, "it holds no room to go on from"};
  if (const int code = CopyStore(m_database.Handle(), save.get()); code != SQLITE_OK) {
    return {OpenOutcome::Failed, std::string("it could not be copied into your game (") + sqlite3_errstr(code) + ")"};
  }
  // What the listing shows belongs to the file, not to the game that goes on from it.
  m_database.Execute("DROP TABLE IF EXISTS saved_game");
  BringHistoryUpToDate(m_database);
  return {OpenOutcome::Opened};
}

void SavedGames::RemoveInterruptedSaves() const {
  if (m_folder.empty()) return;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(m_folder, error)) {
    const std::string fileName = entry.path().filename().string();
    if (fileName.rfind(kPartialPrefix, 0) != 0 || !IsPlainFile(entry.path().string())) continue;
    // Another game saving into the same folder this moment keeps its file.
    if (Running(WriterOf(fileName))) continue;
    fs::remove(entry.path(), error);
  }
}

}  // namespace brackenhollow
