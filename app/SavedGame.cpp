#include "app/SavedGame.h"

#include <sqlite3.h>

#include <cstdio>

#include "movement/RoomExits.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/detail/Statement.h"

namespace brackenhollow {

int ParseSavedRoom(const std::string& saved) {
  int room = 0;
  return std::sscanf(saved.c_str(), "%i", &room) == 1 && IsRoom(room) ? room : 1;
}

std::optional<SavedGame> ReadSavedGame(GameDatabase& database, GameState& state) {
  const std::string saved = state.ReadSavedRoom();
  if (saved.empty()) return std::nullopt;
  const int room = ParseSavedRoom(saved);
  return SavedGame{room, ReadRoomName(database, room)};
}

std::string ReadRoomName(GameDatabase& database, int room) {
  if (!database.IsOpen()) return {};
  detail::Prepared prepared =
      detail::Prepare(database.Handle(), "select roomname from descriptions where roomnumber = ?1");
  if (!prepared.statement) return {};
  sqlite3_stmt* statement = prepared.statement.get();
  if (sqlite3_bind_int(statement, 1, room) != SQLITE_OK || sqlite3_step(statement) != SQLITE_ROW) return {};
  const unsigned char* name = sqlite3_column_text(statement, 0);
  return name != nullptr ? reinterpret_cast<const char*>(name) : std::string();
}

}  // namespace brackenhollow
