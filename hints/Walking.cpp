#include "hints/Walking.h"

#include <deque>
#include <utility>

#include "movement/RoomExits.h"
#include "store/GameState.h"
#include "store/SilentBoxes.h"
#include "world/StateReadings.h"

namespace brackenhollow {

namespace {

constexpr std::array<std::pair<unsigned, const char*>, 4> kDirections = {
    {{kNorth, "N"}, {kSouth, "S"}, {kEast, "E"}, {kWest, "W"}}};

// Walks breadth first from room; previous[r] is the room and direction r is entered from.
Distances Walk(const ExitMap& exits, int from, std::array<std::pair<int, const char*>, kRoomCount + 1>* previous) {
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

}  // namespace

ExitMap ReadExitMap(GameDatabase& store) {
  SilentBoxes boxes;
  GameState state(store, boxes);
  // One set of readings for every room: each key or object the exits test is read once.
  StateReadings readings(state);
  ExitMap exits{};
  for (int room = 1; room <= kRoomCount; ++room) exits[room] = OpenDirections(room, readings);
  return exits;
}

Distances WalkingDistances(const ExitMap& exits, int from) { return Walk(exits, from, nullptr); }

std::optional<std::vector<std::string>> WalkingRoute(const ExitMap& exits, int from, int to) {
  std::array<std::pair<int, const char*>, kRoomCount + 1> previous{};
  const Distances distance = Walk(exits, from, &previous);
  if (!IsRoom(to) || distance[to] < 0) return std::nullopt;
  std::vector<std::string> route(static_cast<std::size_t>(distance[to]));
  for (int room = to; room != from; room = previous[room].first) {
    route[static_cast<std::size_t>(distance[room] - 1)] = previous[room].second;
  }
  return route;
}

}  // namespace brackenhollow
