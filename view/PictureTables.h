#pragma once
// Which picture each room shows in each state of the world. The directions a room offers are the map's
// (movement/RoomExits.h).

#include <string>
#include <vector>

#include "view/CloseUpPictures.h"
#include "world/StateTest.h"

namespace brackenhollow {

// One case of a room: its tests, made in order and only while they hold, then its picture.
// A room's cases are tried in order; the first whose tests all hold is the room's state.
struct PictureCase {
  int room;
  std::vector<StateTest> tests;
  std::string picture;
};

// Every case of every room, in room order.
const std::vector<PictureCase>& PictureCases();

// Every name the game can put on the picture control, each once, with its leading backslash.
std::vector<std::string> AllPictureNames();

// The distinct names one room can show, in table order.
std::vector<std::string> RoomPictureNames(int room);

}  // namespace brackenhollow
