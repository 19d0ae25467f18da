#include "store/GameDatabase.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "store/MessageBoxes.h"
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

std::string TimeStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[32];
  std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
  return buffer;
}

// True for a missing or empty file and for one that starts as every SQLite store does. Checked before
// SQLite opens the file, since opening it may already rewrite the journal files beside it.
bool LooksLikeStore(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0) return true;
  constexpr char kHeader[] = "SQLite format 3";
  char start[sizeof kHeader] = {};
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return true;  // unreadable: let the open itself decide
  const std::size_t got = std::fread(start, 1, sizeof start, file);
  std::fclose(file);
  return got == sizeof start && std::memcmp(start, kHeader, sizeof kHeader) == 0;
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

GameDatabase::GameDatabase(const std::string& path) : m_path(path) {
  RegisterComponents();
  OpenOrRecover();
}

GameDatabase::~GameDatabase() { sqlite3_close_v2(m_connection); }

bool GameDatabase::TryOpen(const std::string& path) {
  sqlite3_close_v2(m_connection);
  m_connection = nullptr;
  sqlite3* connection = nullptr;
  const int code = sqlite3_open_v2(path.c_str(), &connection,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code != SQLITE_OK) {
    sqlite3_close_v2(connection);
    return false;
  }
  m_connection = connection;
  sqlite3_busy_timeout(m_connection, kBusyTimeoutMilliseconds);
  sqlite3_extended_result_codes(m_connection, 1);
  return true;
}

// Reads the whole file once: a file that is not an SQLite store, or whose pages do not add up, is
// caught here instead of as a silently empty world later.
bool GameDatabase::IsReadable() {
  if (sqlite3_db_readonly(m_connection, "main") == 1) {
    // A store we may read but not write is not damaged: play it, and say that nothing will stick.
    Notify("The saved game at " + m_path +
           " can be read but not written. You can play, but your progress will be lost when you leave.");
    m_writeProblemReported = true;
  } else if (!Run("PRAGMA journal_mode=WAL", false) || !Run("PRAGMA synchronous=NORMAL", false)) {
    // Write-ahead logging: every finished write survives a crash of the program, and a write costs
    // no disk flush (flushes happen at checkpoints), which keeps each move and action quick.
    return false;
  }
  detail::Prepared check = detail::Prepare(m_connection, "PRAGMA quick_check");
  if (!check.statement || sqlite3_step(check.statement.get()) != SQLITE_ROW) return false;
  const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check.statement.get(), 0));
  return verdict != nullptr && std::string(verdict) == "ok";
}

void GameDatabase::KeepDamagedFileAside() {
  sqlite3_close_v2(m_connection);
  m_connection = nullptr;
  const std::string kept = m_path + ".damaged-" + TimeStamp();
  std::error_code ignored;
  std::filesystem::rename(m_path, kept, ignored);
  // The journal files belong with the file they journal, so they move under the matching names.
  for (const char* suffix : {"-wal", "-shm", "-journal"}) {
    if (std::filesystem::exists(m_path + suffix, ignored)) {
      std::filesystem::rename(m_path + suffix, kept + suffix, ignored);
    }
  }
  Notify("The saved game could not be read, so a new game starts. The old file was kept as " + kept + ".");
}

void GameDatabase::OpenOrRecover() {
  if (LooksLikeStore(m_path) && TryOpen(m_path) && IsReadable()) return;
  std::error_code ignored;
  if (std::filesystem::exists(m_path, ignored)) {
    KeepDamagedFileAside();
    if (TryOpen(m_path) && IsReadable()) return;
  }
  // Nowhere to keep a store on disk: play on in memory rather than on no world at all.
  Notify("The game could not create its saved game at " + m_path +
         ". You can play, but your progress will be lost when you leave.");
  m_path.clear();
  TryOpen(":memory:");
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
  if (!IsStoreProblem(code)) return;
  if (m_openTransactions > 0) m_storeFailedInTransaction = true;
  if (m_writeProblemReported) return;
  m_writeProblemReported = true;
  Notify("Your progress could not be saved: " + std::string(sqlite3_errstr(code)) +
         ". The game goes on, but what you do now may be lost when you leave.");
}

}  // namespace brackenhollow
