#pragma once
// A short-lived query on the shared connection: runs one SQL text and reads its rows.

#include <memory>
#include <string>
#include <vector>

#include "store/FieldValue.h"

namespace brackenhollow {

class GameDatabase;

// Cursor and lock arguments of Open; these are the only values the game passes.
constexpr int kCursorForwardOnly = 0;
constexpr int kLockReadOnly = 1;

class GameRecordset {
 public:
  explicit GameRecordset(GameDatabase& database);
  ~GameRecordset();
  GameRecordset(const GameRecordset&) = delete;
  GameRecordset& operator=(const GameRecordset&) = delete;

  // Runs one SQL text with its values bound to its parameters ("?", in order); a statement that
  // returns rows is left on its first row. A second Open closes the previous result first. Returns
  // false, with nothing else changed, when the store rejects the text or the number of values is
  // not the number of parameters.
  bool Open(const std::string& sql, int cursorType, int lockType, const std::vector<FieldValue>& parameters = {});
  // Ends the current result. Returns true.
  bool Close();
  // Goes back to the first row. Returns false when nothing is open.
  bool MoveFirst();
  // Goes to the next row (past the last one, IsEOF turns true). False when nothing is open or
  // already past the end.
  bool MoveNext();
  // True when the position is past the last row of an open result.
  bool IsEOF() const;
  // The field's value as text: "Empty" for a null field or past the last row, "0" for an index
  // beyond the result's fields.
  std::string GetFieldText(int index);
  // The field's value: the text "Empty" past the last row, the integer 0 for an index beyond the fields.
  FieldValue GetFieldValue(int index);
  // The field's column name; empty for an index beyond the fields.
  std::string GetFieldName(int index);

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace brackenhollow
