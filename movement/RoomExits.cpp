#include "movement/RoomExits.h"

#include "world/RoomRecord.h"
#include "world/StateReadings.h"

namespace brackenhollow {

namespace {

bool IsOpen(const Exit& exit, StateReadings& readings) {
  if (exit.to == 0) return false;
  switch (exit.opening) {
    case Opening::Always:
      return true;
    case Opening::When:
      return readings.AllHold(exit.tests);
    case Opening::Unless:
      return !readings.AllHold(exit.tests);
    case Opening::MapOnly:
      return false;
  }
  return false;
}

// Whether some state of the world offers the way: the map's own ways are never offered.
bool IsOffered(const Exit& exit) { return exit.to != 0 && exit.opening != Opening::MapOnly; }

}  // namespace

int NextRoom(int room, const std::string& direction) {
  const RoomRecord* record = FindRoomRecord(room);
  if (record == nullptr) return room;
  const RoomExits& exits = record->exits;
  int target = 0;
  if (direction == "N") {
    target = exits.north.to;
  } else if (direction == "S") {
    target = exits.south.to;
  } else if (direction == "E") {
    target = exits.east.to;
  } else if (direction == "W") {
    target = exits.west.to;
  }
  return target != 0 ? target : room;
}

unsigned OpenDirections(int room, StateReadings& readings) {
  const RoomRecord* record = FindRoomRecord(room);
  if (record == nullptr) return kNoDirection;
  const RoomExits& exits = record->exits;
  unsigned open = kNoDirection;
  if (IsOpen(exits.north, readings)) open |= kNorth;
  if (IsOpen(exits.south, readings)) open |= kSouth;
  if (IsOpen(exits.east, readings)) open |= kEast;
  if (IsOpen(exits.west, readings)) open |= kWest;
  return open;
}

unsigned WaysOut(int room) {
  const RoomRecord* record = FindRoomRecord(room);
  if (record == nullptr) return kNoDirection;
  const RoomExits& exits = record->exits;
  unsigned ways = kNoDirection;
  if (IsOffered(exits.north)) ways |= kNorth;
  if (IsOffered(exits.south)) ways |= kSouth;
  if (IsOffered(exits.east)) ways |= kEast;
  if (IsOffered(exits.west)) ways |= kWest;
  return ways;
}

}  // namespace brackenhollow
