#pragma once
// One record per room: where each of its ways leads and when the way is open, which way its pictures
// look, and which picture the room shows in each state of the world. The records themselves are in RoomTable.cpp, named by the
// rooms' generated names; the map (movement/) and the picture choice (view/) both read them.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>

#include "world/StateTest.h"

namespace brackenhollow {

// When a way is offered.
enum class Opening {
  Always,   // whenever the player stands in the room
  When,     // while every test holds
  Unless,   // except while every test holds
  MapOnly,  // the map has the way, but no state of the world offers its button
};

struct Exit {
  int to = 0;  // the room the way leads to; 0: no way
  Opening opening = Opening::Always;
  StateTests tests{};
};

// A room's four ways; a way left out is none.
struct RoomExits {
  Exit north{};
  Exit south{};
  Exit east{};
  Exit west{};
};

// The compass direction a room's pictures look: the way ahead is painted at the far end of the view,
// the way behind it lies behind the onlooker, the others to the left and right. A close-up looks at
// the thing it shows.
enum class Facing { North, South, East, West };

// One case of a room: while its tests hold, the room shows the picture (named with its leading
// backslash). A room's cases are tried in order; the first whose tests all hold is the room's state.
struct PictureCase {
  std::string_view picture;
  StateTests tests{};
};

struct RoomRecord {
  static constexpr std::size_t kMaxPictureCases = 4;

  int room = 0;
  Facing facing = Facing::North;
  RoomExits exits;
  std::array<PictureCase, kMaxPictureCases> cases{};
  std::size_t caseCount = 0;

  constexpr std::span<const PictureCase> Pictures() const { return {cases.data(), caseCount}; }
};

// Every room's record, in room order: record i is room i + 1.
std::span<const RoomRecord> RoomRecords();

// The record of room; nullptr for a number that is not a room.
const RoomRecord* FindRoomRecord(int room);

}  // namespace brackenhollow
