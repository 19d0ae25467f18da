#pragma once
// The names of the pictures the game shows, gathered from the room records and the close-ups.

#include <string>
#include <vector>

namespace brackenhollow {

// Every name the game can put on the picture control, each once, with its leading backslash.
std::vector<std::string> AllPictureNames();

// The distinct names one room can show, in case order; none for a number that is not a room.
std::vector<std::string> RoomPictureNames(int room);

}  // namespace brackenhollow
