#pragma once
// Private to the store: an owned prepared statement, finalized when it goes out of scope.

#include <sqlite3.h>

#include <string>
#include <utility>

namespace brackenhollow::detail {

class Statement {
 public:
  Statement() = default;
  explicit Statement(sqlite3_stmt* statement) : m_statement(statement) {}
  ~Statement() { sqlite3_finalize(m_statement); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement(Statement&& other) noexcept : m_statement(std::exchange(other.m_statement, nullptr)) {}
  Statement& operator=(Statement&& other) noexcept {
    if (this != &other) {
      sqlite3_finalize(m_statement);
      m_statement = std::exchange(other.m_statement, nullptr);
    }
    return *this;
  }

  sqlite3_stmt* get() const { return m_statement; }
  explicit operator bool() const { return m_statement != nullptr; }

 private:
  sqlite3_stmt* m_statement = nullptr;
};

// The outcome of preparing one SQL text: the statement, or the error with the SQL that caused it.
struct Prepared {
  Statement statement;
  int code = SQLITE_OK;
  std::string error;  // "<sqlite message> in: <sql>" when code is not SQLITE_OK
};

// Prepares exactly one statement. Text after the first statement (other than blanks and comments) is
// refused, so a value smuggled into an SQL text can never start a second statement. On failure the
// result holds no statement, the error code and a message naming the SQL text.
Prepared Prepare(sqlite3* connection, const std::string& sql);

}  // namespace brackenhollow::detail
