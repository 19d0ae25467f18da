#pragma once
// The player's store copied into memory, to try actions on without touching the real game: each try
// stands inside a savepoint and is taken back afterwards.

#include <cstdint>
#include <memory>
#include <string>

namespace brackenhollow {

class GameDatabase;

class StoreCopy {
 public:
  // Copies every table of source with the store's backup API. Ok() is false when it could not.
  explicit StoreCopy(GameDatabase& source);
  ~StoreCopy();
  StoreCopy(const StoreCopy&) = delete;
  StoreCopy& operator=(const StoreCopy&) = delete;

  bool Ok() const { return m_ok; }
  GameDatabase& Database() { return *m_database; }

  // Opens a savepoint; every Mark is closed by exactly one Undo or Keep, innermost first.
  void Mark();
  // Takes back everything since the innermost open Mark and closes it.
  void Undo();
  // Closes the innermost open Mark, keeping its changes (they still go with an outer Undo).
  void Keep();
  // Rows written since the copy was made; unchanged means no statement wrote anything.
  std::int64_t WriteCount() const;

 private:
  std::unique_ptr<GameDatabase> m_database;
  bool m_ok = false;
};

// A fingerprint of the world in a store: every row of the actions, Objects and Descriptions tables
// and the set of carried items (the order and repeats of carried rows change no rule). The player's
// room is not part of it. Returns 0 when the store cannot be read.
std::uint64_t WorldFingerprint(GameDatabase& database);

}  // namespace brackenhollow
