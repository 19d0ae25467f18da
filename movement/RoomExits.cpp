#include "movement/RoomExits.h"

#include <array>

namespace brackenhollow {

namespace {

// Targets north, south, east, west; 0 where the room has no exit that way. Whether an exit is offered
// at a given moment is decided by the direction buttons, not here.
struct Exits {
  int north;
  int south;
  int east;
  int west;
};

constexpr std::array<Exits, kLastRoom> kExits = {{
    {  0,   3,   9,   2},  //   1 bedroom
    { 69,   0,   1,   0},  //   2 west side of bedroom
    {  1,   4,   5,   6},  //   3 front of house
    {  3,  10,   0,   0},  //   4 south of house
    {  0,   0,   7,   3},  //   5 east side of house
    {  0,   0,   3,   0},  //   6 west side of house
    {117,   0,   8,   5},  //   7 northeast corner of house
    {  0,   0,   0,   7},  //   8 next to well
    {  0,   0,   0,   1},  //   9 east side of bedroom
    {  4,  15,  14,  11},  //  10 main street
    { 12,  13,  10,   0},  //  11 front of houses
    {131,  11,   0,   0},  //  12 front of green house
    { 11, 130,   0,   0},  //  13 front of tan house
    {  0,   0,   0,  10},  //  14 front of red house
    { 10,  16,   0,  87},  //  15 tollbooth
    { 15,  17,  46,  18},  //  16 farm
    { 16,   0,   0,   0},  //  17 front of scarecrow
    {  0,   0,  16,  19},  //  18 cornfield 18
    { 31,  20,  18,  26},  //  19 cornfield 19
    { 19,  23,   0,  27},  //  20 cornfield 20
    { 18,  22,   0,   0},  //  21 cornfield 21
    {  0,   0,   0,  23},  //  22 cornfield 22
    { 20,  24,  22,  28},  //  23 cornfield 23
    { 23,   0,  25,   0},  //  24 cornfield 24
    {  0,  44,   0,  24},  //  25 cornfield 25
    {122,  27,  19,   0},  //  26 cornfield 26
    { 26,  28,  20,   0},  //  27 cornfield 27
    { 27,  36,  23,   0},  //  28 cornfield 28
    { 28,  36,   0,   0},  //  29 cornfield 29
    { 31,  19,   0,   0},  //  30 cornfield 30
    {  0,  19,   0,  32},  //  31 cornfield 31
    { 34,  33,  31,   0},  //  32 cornfield 32
    { 32,   0,   0,   0},  //  33 cornfield 33
    { 35,  32, 129,   0},  //  34 cornfield 34
    {  0,  34,   0,   0},  //  35 cornfield 35
    { 28,   0,  37,   0},  //  36 cornfield 36
    {  0,  40,   0,  36},  //  37 cornfield 37
    { 37,  39,   0,   0},  //  38 cornfield 38
    { 38,  40,   0,   0},  //  39 cornfield 39
    { 37,   0,   0,   0},  //  40 cornfield 40
    {  0,  45,  44,   0},  //  41 cornfield 41
    { 43,   0,   0,  35},  //  42 cornfield 42
    {  0,  42,   0,   0},  //  43 cornfield 43
    { 25,   0,   0, 126},  //  44 cornfield 44
    { 41,   0, 126,   0},  //  45 cornfield 45
    { 47,  51, 132,  16},  //  46 three-way path in forest
    { 48,  46,   0,   0},  //  47 junkyard
    { 49,  47,   0,   0},  //  48 edge of junkyard
    { 50,  48,  76,   0},  //  49 graveyard
    {  0,  49,   0,   0},  //  50 front of grave
    { 46,  52,   0,   0},  //  51 front of bridge
    { 51,  53,  71,  72},  //  52 four way road
    { 52,  54, 118,   0},  //  53 huge bonfire
    { 53,  97,   0,  55},  //  54 haystack field
    {  0,   0,  54,  56},  //  55 front of mansion
    {  0, 119,  55,  57},  //  56 mansion door
    { 58,  59,  56,  60},  //  57 hallway of mansion
    {  0,  57,   0,   0},  //  58 filthy room
    { 57,   0,  95,  95},  //  59 bathroom
    { 93, 107,  57, 106},  //  60 sculpture room
    {  0,   0, 106,   0},  //  61 painting room
    {107,  63,   0,  94},  //  62 dresser room
    { 62,  65,  68,  64},  //  63 long hallway
    {  0,   0,  63, 123},  //  64 room with torch
    { 63, 105, 102, 100},  //  65 library
    {105,  67,   0,   0},  //  66 telescope room
    { 66,   0,   0,   0},  //  67 front of telescope
    {  0,  96,   0,  63},  //  68 wrecked room
    {  0,   2,   0,   0},  //  69 kitchen
    {  0,   0,   0,  98},  //  70 cave bottom
    {  0,  98,   0,  52},  //  71 west of cave
    {  0,   0,  52,  73},  //  72 thick brush
    {  0,   0,  72,  74},  //  73 forest
    { 75,  99,  73,   0},  //  74 tree house door
    {  0,  74,   0,   0},  //  75 inside tree house
    {  0,  77,   0,  49},  //  76 northwest side of wall
    { 76,   0,  78,   0},  //  77 west side of wall
    {  0,   0,  79,  77},  //  78 front of gate
    { 82,  80,  85,  78},  //  79 edge of beach
    { 79,  81,   0,   0},  //  80 long pier
    { 80, 125,   0,   0},  //  81 edge of pier
    { 83,  79,   0,   0},  //  82 north side of beach
    { 84,  82,   0,   0},  //  83 entrance to lighthouse
    {  0,  83,   0,   0},  //  84 inside lighthouse
    {  0,   0,  86,  79},  //  85 shallow water
    {  0,   0,   0,  85},  //  86 deep ocean water
    { 88, 112,  15,   0},  //  87 alley
    { 89,  87,   0,   0},  //  88 front of manhole
    {  0,  88,  90,   0},  //  89 sewer pipes
    { 91,   0,   0,  89},  //  90 east side of sewers
    {  0,  90,  92,   0},  //  91 front of bridge
    {  0,   0,   0,  91},  //  92 under bridge
    {  0,  60,   0,   0},  //  93 front of sculpture
    {  0,   0,  62,   0},  //  94 close to dresser
    {  0,   0,   0,  59},  //  95 front of faucet
    { 68,   0,   0,   0},  //  96 front of wall
    { 54,   0,   0,   0},  //  97 between haystacks
    { 71,   0,  70,   0},  //  98 front of cave
    { 74,   0,   0,   0},  //  99 south side of tree house
    {  0, 101,  65, 104},  // 100 weight room
    {100,   0,   0,   0},  // 101 weight room mirror
    {  0, 103,   0,  65},  // 102 front of swimming pool
    {102,   0,   0,   0},  // 103 diving board
    {  0,   0, 100,   0},  // 104 punching bag
    { 65,  66, 110, 108},  // 105 four way hallway
    {  0,   0,  60,  61},  // 106 different hallway
    { 60,  62, 115, 114},  // 107 another hallway
    {  0,   0, 105, 109},  // 108 office
    {  0,   0, 108,   0},  // 109 computer room
    {  0,   0, 111, 105},  // 110 entertainment room
    {  0,   0,   0, 110},  // 111 close to TV
    { 87,   0,   0, 113},  // 112 alley
    {  0,   0, 112,   0},  // 113 front of trashcan
    {  0,   0, 107,   0},  // 114 trashed room
    {  0,   0, 116, 107},  // 115 safe room
    {  0,   0,   0, 115},  // 116 front of safe
    {  0,   7,   0,   0},  // 117 inside tool shed
    {  0,   0,   0,  53},  // 118 front of bonfire
    { 56, 124, 120,   0},  // 119 southeast corner of mansion
    {  0,   0,   0, 119},  // 120 east side of mansion walls
    {  0,   0,   0, 129},  // 121 magician's store
    {  0,  26,   0,   0},  // 122 cornfield clearing
    {  0,   0,  64,   0},  // 123 hidden alcove
    {119,   0,   0,   0},  // 124 janitor's room
    { 81,   0, 133,   0},  // 125 ship's red room
    {  0,   0,  44, 127},  // 126 edge of icy lake
    {  0,   0, 126,   0},  // 127 middle of icy lake
    {  0,   0,   0, 133},  // 128 green control room
    {  0,   0, 121,  34},  // 129 another cornfield clearing
    { 13,   0,   0,   0},  // 130 blind man's house
    {  0,  12,   0,   0},  // 131 house with Christmas lights
    {  0,   0,   0,  46},  // 132 forest with pine trees
    {  0, 134, 128, 125},  // 133 east west tunnel
    {133,   0,   0,   0},  // 134 Island
}};

}  // namespace

int NextRoom(int room, const std::string& direction) {
  if (!IsRoom(room)) return room;
  const Exits& exits = kExits[static_cast<std::size_t>(room - kFirstRoom)];
  int target = 0;
  if (direction == "N") {
    target = exits.north;
  } else if (direction == "S") {
    target = exits.south;
  } else if (direction == "E") {
    target = exits.east;
  } else if (direction == "W") {
    target = exits.west;
  }
  return target != 0 ? target : room;
}

}  // namespace brackenhollow
