#pragma once
// Which picture each room shows, and which directions it offers, in each state of the world.

#include <string>
#include <vector>

namespace brackenhollow {

// Direction buttons as bits, so a table row can name a set of them.
enum DirectionBits : unsigned {
  kNoDirection = 0,
  kNorth = 1u << 0,
  kSouth = 1u << 1,
  kEast = 1u << 2,
  kWest = 1u << 3,
};

// One test of a case: the status of an action key or the gone flag of an object, compared exactly
// with a literal. "Is not" holds for every other text, the empty one included.
struct StateTest {
  enum class Kind { Status, Gone };
  Kind kind;
  std::string name;
  bool equal;           // true: "is"; false: "is not"
  std::string literal;  // "0" or "1"
};

// One case of a room: its tests, made in order and only while they hold, then its picture and exits.
// A room's cases are tried in order; the first whose tests all hold is the room's state.
struct PictureCase {
  int room;
  std::vector<StateTest> tests;
  std::string picture;
  unsigned directions;
};

// Every case of every room, in room order.
const std::vector<PictureCase>& PictureCases();

// The start dialog's picture and the close-ups that actions put on the picture control themselves.
inline constexpr char kTitlePicture[] = "\\title.gif";
const std::vector<std::string>& CloseUpPictureNames();

// Every name the game can put on the picture control, each once, with its leading backslash.
std::vector<std::string> AllPictureNames();

// The distinct names one room can show, in table order.
std::vector<std::string> RoomPictureNames(int room);

}  // namespace brackenhollow
