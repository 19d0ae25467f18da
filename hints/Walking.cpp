#include "hints/Walking.h"

#include <deque>
#include <map>
#include <utility>

#include "store/GameRecordset.h"
#include "view/PictureSelection.h"
#include "view/PictureTables.h"

namespace brackenhollow {

namespace {

constexpr std::array<std::pair<unsigned, const char*>, 4> kDirections = {
    {{kNorth, "N"}, {kSouth, "S"}, {kEast, "E"}, {kWest, "W"}}};

// Walks breadth first from room; previous[r] is the room and direction r is entered from.
Distances Walk(const ExitMap& exits, int from, std::array<std::pair<int, const char*>, kLastRoom + 1>* previous) {
  Distances distance;
  distance.fill(-1);
  if (!IsRoom(from)) return distance;
  distance[from] = 0;
  std::deque<int> queue{from};
  while (!queue.empty()) {
    const int room = queue.front();
    queue.pop_front();
    for (const auto& [bit, name] : kDirections) {
      if ((exits[room] & bit) == 0) continue;
      const int next = NextRoom(room, name);
      if (distance[next] >= 0) continue;
      distance[next] = distance[room] + 1;
      if (previous != nullptr) (*previous)[next] = {room, name};
      queue.push_back(next);
    }
  }
  return distance;
}

// The first value of each name the query returns (name, value), as the state operations read the
// first row of a name.
std::map<std::string, std::string> ReadFirstValues(GameDatabase& store, const std::string& sql) {
  std::map<std::string, std::string> values;
  GameRecordset query(store);
  if (!query.Open(sql, kCursorForwardOnly, kLockReadOnly)) return values;
  for (query.MoveFirst(); !query.IsEOF(); query.MoveNext()) values.emplace(query.GetFieldText(0), query.GetFieldText(1));
  return values;
}

}  // namespace

// Reads every status and gone flag in two queries instead of one per test of each room.
ExitMap ReadExitMap(GameDatabase& store) {
  const std::map<std::string, std::string> statuses =
      ReadFirstValues(store, "SELECT actiontype, status FROM actions ORDER BY rowid");
  const std::map<std::string, std::string> goneFlags =
      ReadFirstValues(store, "SELECT Objects, gone FROM objects ORDER BY rowid");
  // A missing key reads as empty text and a missing object as "0", as the state operations answer.
  const StateReader read = [&](const StateTest& test) -> std::string {
    const bool status = test.kind == StateTest::Kind::Status;
    const auto& values = status ? statuses : goneFlags;
    const auto found = values.find(test.name);
    return found != values.end() ? found->second : status ? std::string() : std::string("0");
  };
  ExitMap exits{};
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    if (const std::optional<RoomPicture> picture = SelectRoomPicture(room, read)) exits[room] = picture->directions;
  }
  return exits;
}

Distances WalkingDistances(const ExitMap& exits, int from) { return Walk(exits, from, nullptr); }

std::optional<std::vector<std::string>> WalkingRoute(const ExitMap& exits, int from, int to) {
  std::array<std::pair<int, const char*>, kLastRoom + 1> previous{};
  const Distances distance = Walk(exits, from, &previous);
  if (!IsRoom(to) || distance[to] < 0) return std::nullopt;
  std::vector<std::string> route(static_cast<std::size_t>(distance[to]));
  for (int room = to; room != from; room = previous[room].first) {
    route[static_cast<std::size_t>(distance[room] - 1)] = previous[room].second;
  }
  return route;
}

}  // namespace brackenhollow
