#include "store/SavedGames.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include "store/GameDatabase.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

namespace fs = std::filesystem;

constexpr char kSuffix[] = ".sqlite";
// A save is first written under this name and renamed into place only when complete. The leading
// dot keeps it out of the listing, which takes only names ending in kSuffix.
constexpr char kPartialFile[] = ".saving.partial";
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

// Runs one statement to its end, passing over any rows it returns. Returns false when it fails.
bool Run(sqlite3* connection, const std::string& sql) {
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return false;
  int code = sqlite3_step(prepared.statement.get());
  while (code == SQLITE_ROW) code = sqlite3_step(prepared.statement.get());
  return code == SQLITE_DONE;
}

// Copies every page of the source's main database over the destination's, as one write of the
// destination. Returns false, with the destination unchanged, when the copy could not finish.
bool CopyStore(sqlite3* destination, sqlite3* source) {
  sqlite3_backup* backup = sqlite3_backup_init(destination, "main", source, "main");
  if (backup == nullptr) return false;
  const int stepped = sqlite3_backup_step(backup, -1);
  const int finished = sqlite3_backup_finish(backup);
  return stepped == SQLITE_DONE && finished == SQLITE_OK;
}

// True for a readable, whole store that holds a player's position: what a game can go on from.
bool IsGame(sqlite3* connection) {
  detail::Prepared check = detail::Prepare(connection, "PRAGMA quick_check");
  if (!check.statement || sqlite3_step(check.statement.get()) != SQLITE_ROW) return false;
  const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.statement.get(), 0));
  if (verdict == nullptr || std::string(verdict) != "ok") return false;
  detail::Prepared room = detail::Prepare(connection, "SELECT room FROM currentroom");
  return room.statement && sqlite3_step(room.statement.get()) == SQLITE_ROW;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string() : std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement, column)));
}

// What the listing shows of the save in file; nothing when it is no save of this game.
std::optional<NamedSave> ReadSave(const std::string& file) {
  const Connection connection = OpenFile(file, SQLITE_OPEN_READONLY);
  if (!connection) return std::nullopt;
  detail::Prepared about = detail::Prepare(connection.get(), "SELECT name, saved_at, picture FROM saved_game");
  if (!about.statement || sqlite3_step(about.statement.get()) != SQLITE_ROW) return std::nullopt;
  NamedSave save;
  save.name = ColumnText(about.statement.get(), 0);
  save.savedAt = sqlite3_column_int64(about.statement.get(), 1);
  save.picture = ColumnText(about.statement.get(), 2);
  detail::Prepared where = detail::Prepare(
      connection.get(),
      "SELECT c.room, d.roomname FROM currentroom c LEFT JOIN Descriptions d ON d.Roomnumber = c.room");
  if (!where.statement || sqlite3_step(where.statement.get()) != SQLITE_ROW) return std::nullopt;
  save.room = sqlite3_column_int(where.statement.get(), 0);
  save.roomName = ColumnText(where.statement.get(), 1);
  return save;
}

// Makes the file's content lasting on disk. Returns false when it could not.
bool FlushToDisk(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool flushed = ::fsync(descriptor) == 0;
  ::close(descriptor);
  return flushed;
}

// Writes what the listing shows into the copy at connection. Returns false when it could not.
bool WriteAbout(sqlite3* connection, const std::string& name, const std::string& picture) {
  if (!Run(connection, "DROP TABLE IF EXISTS saved_game") ||
      !Run(connection, "CREATE TABLE saved_game (name TEXT, saved_at INTEGER, picture TEXT)")) {
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

}  // namespace

std::string TrimSaveName(const std::string& name) {
  constexpr char kBlanks[] = " \t\r\n";
  const std::size_t first = name.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return name.substr(first, name.find_last_not_of(kBlanks) - first + 1);
}

SavedGames::SavedGames(GameDatabase& database) : m_database(database) {
  // A store in memory has no folder to keep saves beside.
  if (!database.Path().empty() && database.Path() != ":memory:") m_folder = (fs::path(database.Path()).parent_path() / "saves").string();
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
    if (!entry.is_regular_file(error) || entry.path().extension() != kSuffix) continue;
    std::optional<NamedSave> save = ReadSave(file);
    // A file that does not sit under its own name's encoding (copied in by hand, renamed) could not
    // be opened by that name, so it is not offered.
    if (save && FileFor(save->name) == file) saves.push_back(std::move(*save));
  }
  std::sort(saves.begin(), saves.end(), [](const NamedSave& a, const NamedSave& b) {
    return a.savedAt != b.savedAt ? a.savedAt > b.savedAt : a.name < b.name;
  });
  return saves;
}

bool SavedGames::Exists(const std::string& name) const {
  const std::string file = FileFor(name);
  std::error_code error;
  return !file.empty() && fs::is_regular_file(file, error);
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
  const std::string partial = (fs::path(m_folder) / kPartialFile).string();
  for (const char* leftover : {"", "-journal", "-wal", "-shm"}) fs::remove(partial + leftover, error);

  bool written = false;
  {
    const Connection copy = OpenFile(partial, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    // Nobody reads the partial file before it is complete, so its writes need no flush of their own:
    // one flush of the finished file below makes it lasting before it takes the save's name. The
    // copy is one self-contained file, whatever journal the store itself uses.
    written = copy && Run(copy.get(), "PRAGMA synchronous=OFF") && CopyStore(copy.get(), m_database.Handle()) &&
              Run(copy.get(), "PRAGMA journal_mode=DELETE") && WriteAbout(copy.get(), trimmed, picture);
  }
  if (written) written = FlushToDisk(partial);
  if (written) fs::rename(partial, file, error);
  if (!written || error) {
    fs::remove(partial, error);
    return SaveOutcome::Failed;
  }
  return SaveOutcome::Saved;
}

OpenOutcome SavedGames::Open(const std::string& name) {
  if (!Exists(name)) return OpenOutcome::NotFound;
  const Connection save = OpenFile(FileFor(name), SQLITE_OPEN_READONLY);
  if (!save || !IsGame(save.get()) || !CopyStore(m_database.Handle(), save.get())) return OpenOutcome::Failed;
  // What the listing shows belongs to the file, not to the game that goes on from it.
  m_database.Execute("DROP TABLE IF EXISTS saved_game");
  return OpenOutcome::Opened;
}

}  // namespace brackenhollow
