#include "store/GameDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "store/MessageBoxes.h"
#include "store/StoreCheck.h"
#include "store/StoreFiles.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

namespace {

constexpr int kBusyTimeoutMilliseconds = 2000;

// Failures that mean the store itself is in trouble rather than the statement.
bool IsStoreProblem(int code) {
  switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_PERM:
    case SQLITE_BUSY:
    case SQLITE_NOMEM:
      return true;
    default:
      return false;
  }
}

// What a failure at start-up says about the file.
enum class StartCause { Fine, Busy, Damaged, CannotWrite };

StartCause CauseOf(int code) {
  switch (code & 0xff) {
    case SQLITE_OK:
      return StartCause::Fine;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return StartCause::Busy;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
      return StartCause::Damaged;
    default:
      // Read-only, full, an I/O error, no permission: the file may be whole, so it is not touched.
      return StartCause::CannotWrite;
  }
}

// Runs sql and collects the text of the first column of every row. Returns SQLITE_OK or the code of
// the failure.
int Query(sqlite3* connection, const std::string& sql, std::vector<std::string>& rows) {
  rows.clear();
  detail::Prepared prepared = detail::Prepare(connection, sql);
  if (!prepared.statement) return prepared.code;
  int code = sqlite3_step(prepared.statement.get());
  for (; code == SQLITE_ROW; code = sqlite3_step(prepared.statement.get())) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(prepared.statement.get(), 0));
    rows.emplace_back(text != nullptr ? text : "");
  }
  return code == SQLITE_DONE ? SQLITE_OK : sqlite3_extended_errcode(connection);
}

// True when every complaint of an integrity check is about an index (an entry missing or too many),
// which rebuilding the indexes mends; the tables' own rows are whole then.
bool OnlyIndexesDamaged(sqlite3* connection, const std::vector<std::string>& complaints) {
  std::vector<std::string> indexes;
  if (Query(connection, "SELECT name FROM sqlite_schema WHERE type = 'index'", indexes) != SQLITE_OK) return false;
  for (const std::string& complaint : complaints) {
    const bool aboutEntries = complaint.rfind("row ", 0) == 0 || complaint.rfind("wrong # of entries", 0) == 0 ||
                              complaint.rfind("non-unique entry", 0) == 0;
    const std::size_t at = complaint.rfind(" index ");
    if (!aboutEntries || at == std::string::npos) return false;
    const std::string name = complaint.substr(at + 7);
    if (std::find(indexes.begin(), indexes.end(), name) == indexes.end()) return false;
  }
  return !complaints.empty();
}

bool DebugOutputWanted() {
  static const bool wanted = std::getenv("BRACKENHOLLOW_DEBUG") != nullptr;
  return wanted;
}

}  // namespace

bool RegisterComponents() { return sqlite3_initialize() == SQLITE_OK; }

void ReportComError(long code) {
  char buffer[1024];
  std::snprintf(buffer, sizeof buffer, "_com_issue_error(%ld)\n", code);
  std::fputs(buffer, stderr);
}

GameDatabase::GameDatabase(const std::string& path) : m_filePath(path) {
  RegisterComponents();
  OpenFile();
}

GameDatabase::~GameDatabase() { Close(); }

void GameDatabase::Close() {
  sqlite3_close_v2(m_connection);
  m_connection = nullptr;
}

int GameDatabase::OpenConnection(const std::string& name, int flags) {
  Close();
  sqlite3* connection = nullptr;
  const int code = sqlite3_open_v2(name.c_str(), &connection, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code != SQLITE_OK) {
    sqlite3_close_v2(connection);
    return code;
  }
  m_connection = connection;
  sqlite3_busy_timeout(m_connection, kBusyTimeoutMilliseconds);
  sqlite3_extended_result_codes(m_connection, 1);
  return SQLITE_OK;
}

void GameDatabase::OpenFile() {
  m_busy = false;
  m_path = m_filePath;
  if (m_filePath == kMemoryStore) {
    UseMemoryStore();
    return;
  }
  const StoreFileKind kind = KindOfStoreFile(m_filePath);
  switch (kind) {
    case StoreFileKind::NotAFile:
      Notify("There is a folder, pipe or device at " + m_filePath +
             " where the saved game belongs, so the game leaves it alone. You can play, but your progress will "
             "be lost when you leave.");
      UseMemoryStore();
      return;
    case StoreFileKind::Unreadable:
      Notify("The saved game at " + m_filePath +
             " may not be read. You can play, but your progress will be lost when you leave.");
      UseMemoryStore();
      return;
    case StoreFileKind::OtherFile:
      MoveAside("damaged", "The file at " + m_filePath + " is not a saved game");
      return;
    case StoreFileKind::Missing:
    case StoreFileKind::Empty:
    case StoreFileKind::Store:
      break;
  }
  int code = OpenConnection(m_filePath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  if (code == SQLITE_OK) code = CheckStore();
  switch (CauseOf(code)) {
    case StartCause::Fine:
      return;
    case StartCause::Busy:
      // Another program (most likely a second game) holds the store: wait and ask, never move it.
      Close();
      m_path.clear();
      m_busy = true;
      return;
    case StartCause::Damaged:
      MoveAside("damaged", "The saved game at " + m_filePath + " is damaged");
      return;
    case StartCause::CannotWrite:
      if (kind == StoreFileKind::Missing) {
        Notify("The game could not create its saved game at " + m_filePath + " (" + sqlite3_errstr(code) +
               "). You can play, but your progress will be lost when you leave.");
        UseMemoryStore();
      } else {
        PlayOnCopy(sqlite3_errstr(code));
      }
      return;
  }
}

// The whole file is read once, indexes included, so damage is caught here and not as wrong answers
// in play. A file that is neither new nor marked as ours is only read: whether it is ours is the
// world check's to say, and another program's file is not written (see ClaimStore).
int GameDatabase::CheckStore() {
  if (sqlite3_db_readonly(m_connection, "main") == 1) return SQLITE_READONLY;
  std::vector<std::string> rows;
  int code = Query(m_connection, "PRAGMA application_id", rows);
  if (code != SQLITE_OK) return code;
  const bool ourId = !rows.empty() && rows.front() == std::to_string(kStoreApplicationId);
  code = Query(m_connection, "SELECT count(*) FROM sqlite_schema", rows);
  if (code != SQLITE_OK) return code;
  m_claimed = ourId || (!rows.empty() && rows.front() == "0");
  code = Query(m_connection, "PRAGMA integrity_check", rows);
  if (code != SQLITE_OK) return code;
  // A page the disk failed to give is read once more; a disk that keeps failing leaves the file as it is.
  if (PagesCouldNotBeRead(rows)) {
    code = Query(m_connection, "PRAGMA integrity_check", rows);
    if (code != SQLITE_OK) return code;
    if (PagesCouldNotBeRead(rows)) return SQLITE_IOERR_READ;
  }
  if (rows != std::vector<std::string>{"ok"}) {
    if (!m_claimed || !OnlyIndexesDamaged(m_connection, rows)) return SQLITE_CORRUPT;
    code = RunForCode("REINDEX");
    if (code != SQLITE_OK) return CauseOf(code) == StartCause::Fine ? SQLITE_CORRUPT : code;
    code = Query(m_connection, "PRAGMA integrity_check", rows);
    if (code != SQLITE_OK) return code;
    if (rows != std::vector<std::string>{"ok"}) return SQLITE_CORRUPT;
    Notify("The saved game's indexes were damaged and have been rebuilt. Your game goes on where you left it.");
  }
  return m_claimed ? TakeForWriting() : SQLITE_OK;
}

// Write-ahead logging: every finished write survives a crash of the program, and a write costs no
// disk flush (flushes happen at checkpoints), which keeps each move and action quick. Then one value
// is written back unchanged, so a full disk or a store that takes no writes shows now, before the
// first action, and not as a lost action later.
int GameDatabase::TakeForWriting() {
  std::vector<std::string> rows;
  int code = Query(m_connection, "PRAGMA journal_mode=WAL", rows);
  if (code != SQLITE_OK) return code;
  // A store that cannot take the log file beside it answers with its old mode.
  if (rows.empty() || rows.front() != "wal") return SQLITE_READONLY;
  code = Query(m_connection, "PRAGMA synchronous=NORMAL", rows);
  if (code != SQLITE_OK) return code;
  code = Query(m_connection, "PRAGMA user_version", rows);
  if (code != SQLITE_OK) return code;
  return Query(m_connection, "PRAGMA user_version = " + (rows.empty() ? std::string("0") : rows.front()), rows);
}

bool GameDatabase::ClaimStore() {
  if (m_claimed || m_path.empty()) return true;
  int code = TakeForWriting();
  if (code == SQLITE_OK) code = RunForCode("PRAGMA application_id = " + std::to_string(kStoreApplicationId));
  if (code == SQLITE_OK) {
    m_claimed = true;
    return true;
  }
  PlayOnCopy(sqlite3_errstr(code));
  return false;
}

void GameDatabase::RetryOpen() { OpenFile(); }

void GameDatabase::PlayOnCopy(const std::string& reason) {
  Close();
  m_path.clear();
  sqlite3* source = nullptr;
  // Read-only first; a folder that cannot take the log's index file still lets the file be read whole.
  for (const char* mode : {"?mode=ro", "?immutable=1"}) {
    std::vector<std::string> rows;
    if (sqlite3_open_v2((FileUri(m_filePath) + mode).c_str(), &source, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        nullptr) == SQLITE_OK &&
        Query(source, "SELECT count(*) FROM sqlite_schema", rows) == SQLITE_OK) {
      break;
    }
    sqlite3_close_v2(source);
    source = nullptr;
  }
  UseMemoryStore();
  bool copied = false;
  if (source != nullptr && m_connection != nullptr) {
    sqlite3_backup* backup = sqlite3_backup_init(m_connection, "main", source, "main");
    copied = backup != nullptr && sqlite3_backup_step(backup, -1) == SQLITE_DONE;
    sqlite3_backup_finish(backup);
  }
  sqlite3_close_v2(source);
  if (!copied) UseMemoryStore();
  // The player hears once of a store that takes no writes, as long as the game goes on from there.
  if (m_writeProblemReported && copied) return;
  Notify("The saved game at " + m_filePath + " cannot be written (" + reason + "), so it is left as it is. " +
         (copied ? "You can play on from where you were, but your progress will be lost when you leave."
                 : "It could not be read either: a new game starts, and it will be lost when you leave."));
  m_writeProblemReported = true;
}

bool GameDatabase::MoveAside(const std::string& label, const std::string& reason) {
  if (m_path.empty()) {
    // Playing on a copy: the file was promised to stay as it is.
    UseMemoryStore();
    return false;
  }
  Close();
  m_path.clear();
  const std::string kept = FreeFileName(m_filePath + "." + label + "-" + TimeStamp());
  const std::string failure = MoveStoreFile(m_filePath, kept);
  if (!failure.empty()) {
    Notify(reason + ", but it could not be moved aside (" + failure +
           "), so it was left as it is. You can play, but your progress will be lost when you leave.");
    UseMemoryStore();
    return false;
  }
  Notify(reason + ", so a new game starts. The old file was kept as " + kept + ".");
  int code = OpenConnection(m_filePath, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  if (code == SQLITE_OK) code = CheckStore();
  if (code == SQLITE_OK) {
    m_path = m_filePath;
  } else {
    Notify("The game could not create a new saved game at " + m_filePath + " (" + sqlite3_errstr(code) +
           "). You can play, but your progress will be lost when you leave.");
    UseMemoryStore();
  }
  return true;
}

std::string GameDatabase::CopyAside(const std::string& label) {
  if (m_connection == nullptr || m_path.empty()) return {};
  const std::string kept = FreeFileName(m_path + "." + label + "-" + TimeStamp());
  if (kept.empty()) return {};
  detail::Prepared prepared = detail::Prepare(m_connection, "VACUUM INTO ?");
  if (!prepared.statement) return {};
  sqlite3_bind_text(prepared.statement.get(), 1, kept.data(), static_cast<int>(kept.size()), SQLITE_TRANSIENT);
  // VACUUM INTO refuses a file that exists and is not empty, so nothing is ever overwritten.
  return sqlite3_step(prepared.statement.get()) == SQLITE_DONE ? kept : std::string();
}

void GameDatabase::UseMemoryStore() {
  m_path.clear();
  OpenConnection(kMemoryStore, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void GameDatabase::SetMessageBoxes(MessageBoxes* boxes) {
  m_boxes = boxes;
  if (m_boxes == nullptr) return;
  std::vector<std::string> pending;
  pending.swap(m_pendingNotices);
  for (const std::string& notice : pending) m_boxes->Inform(notice);
}

void GameDatabase::Notify(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  if (m_boxes != nullptr) {
    m_boxes->Inform(text);
  } else {
    m_pendingNotices.push_back(text);
  }
}

bool GameDatabase::Execute(const std::string& sql) { return Run(sql, true); }

int GameDatabase::RunForCode(const std::string& sql) {
  std::vector<std::string> ignored;
  return Query(m_connection, sql, ignored);
}

bool GameDatabase::Run(const std::string& sql, bool noteFailure) {
  detail::Prepared prepared = detail::Prepare(m_connection, sql);
  if (!prepared.statement) {
    if (noteFailure) NoteFailure(prepared.code, prepared.error);
    return false;
  }
  if (TransactionLost() && sqlite3_stmt_readonly(prepared.statement.get()) == 0) return false;
  int code = sqlite3_step(prepared.statement.get());
  while (code == SQLITE_ROW) code = sqlite3_step(prepared.statement.get());
  if (code != SQLITE_DONE) {
    if (noteFailure) NoteFailure(code, std::string(sqlite3_errmsg(m_connection)) + " in: " + sql);
    return false;
  }
  return true;
}

bool GameDatabase::TransactionLost() const {
  return m_openTransactions > 0 && sqlite3_get_autocommit(m_connection) != 0;
}

void GameDatabase::NoteFailure(int code, const std::string& error) {
  if (DebugOutputWanted()) std::fprintf(stderr, "store: %s\n", error.c_str());
  m_lastFailure = code;
  if (!IsStoreProblem(code)) return;
  if (m_openTransactions > 0) m_storeFailedInTransaction = true;
  if (!m_reportedCauses.insert(code & 0xff).second) return;
  m_writeProblemReported = true;
  Notify("Your progress could not be saved: " + std::string(sqlite3_errstr(code)) +
         ". The game goes on, but what you do now may be lost when you leave.");
}

}  // namespace brackenhollow
