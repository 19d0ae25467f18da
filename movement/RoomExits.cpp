#include "movement/RoomExits.h"

namespace brackenhollow {

namespace {

constexpr Exit kNoExit{};

constexpr Exit Open(int to) { return {to, Opening::Always, {}, 0}; }

constexpr Exit MapOnly(int to) { return {to, Opening::MapOnly, {}, 0}; }

constexpr Exit OpenWhen(int to, StateTest test) { return {to, Opening::When, {test}, 1}; }

template <std::size_t kCount>
constexpr Exit OpenWhen(int to, const std::array<StateTest, kCount>& tests) {
  static_assert(kCount <= kMaxExitTests);
  Exit exit{to, Opening::When, {}, kCount};
  for (std::size_t index = 0; index < kCount; ++index) exit.tests[index] = tests[index];
  return exit;
}

template <std::size_t kCount>
constexpr Exit OpenUnless(int to, const std::array<StateTest, kCount>& tests) {
  Exit exit = OpenWhen(to, tests);
  exit.opening = Opening::Unless;
  return exit;
}

// The tunnel's lever sets the ship sailing once both altars glow: the way south to the island opens and
// the tunnel's own ways close.
constexpr std::array kShipUnderWay = {KeyIs(key::kPullLeverInTunnel, "1"), KeyIs(key::kUseRedRuby, "1"),
                                      KeyIs(key::kUseGreenEmerald, "1")};

// room, north, south, east, west
constexpr std::array<RoomExits, kRoomCount> kExits = {{
    {1, kNoExit, OpenWhen(3, KeyIsNot(key::kReadTheLetter, "0")), Open(9), Open(2)},  // bedroom
    {2, Open(69), kNoExit, Open(1), kNoExit},  // west side of bedroom
    {3, Open(1), Open(4), Open(5), Open(6)},  // front of house
    {4, Open(3), Open(10), kNoExit, kNoExit},  // south of house
    {5, kNoExit, kNoExit, Open(7), Open(3)},  // east side of house
    {6, kNoExit, kNoExit, Open(3), kNoExit},  // west side of house
    {7, Open(117), kNoExit, Open(8), Open(5)},  // northeast corner of house
    {8, kNoExit, kNoExit, kNoExit, Open(7)},  // next to well
    {9, kNoExit, kNoExit, kNoExit, Open(1)},  // east side of bedroom
    {10, Open(4), Open(15), Open(14), Open(11)},  // main street
    {11, Open(12), Open(13), Open(10), kNoExit},  // front of houses
    {12, Open(131), Open(11), kNoExit, kNoExit},  // front of green house
    {13, Open(11), Open(130), kNoExit, kNoExit},  // front of tan house
    {14, kNoExit, kNoExit, kNoExit, Open(10)},  // front of red house
    {15,  // tollbooth
     Open(10),
     OpenWhen(16, KeyIs(key::kUseCoinFromWellToPayToolboth, "1")),
     kNoExit,
     OpenWhen(87, KeyIs(key::kUseCoinFromWellToPayToolboth, "1"))},
    {16, Open(15), Open(17), Open(46), Open(18)},  // farm
    {17, Open(16), kNoExit, kNoExit, kNoExit},  // front of scarecrow
    {18,  // cornfield 18
     kNoExit,
     kNoExit,
     Open(16),
     OpenWhen(19, KeyIsNot(key::kPayTheFarmerToGetIntoCornField, "0"))},
    {19, Open(31), Open(20), Open(18), Open(26)},  // cornfield 19
    {20, Open(19), Open(23), kNoExit, Open(27)},  // cornfield 20
    {21, Open(18), Open(22), kNoExit, kNoExit},  // cornfield 21
    {22, kNoExit, kNoExit, kNoExit, Open(23)},  // cornfield 22
    {23, Open(20), Open(24), MapOnly(22), Open(28)},  // cornfield 23
    {24, Open(23), kNoExit, Open(25), kNoExit},  // cornfield 24
    {25, kNoExit, Open(44), kNoExit, Open(24)},  // cornfield 25
    {26, Open(122), Open(27), Open(19), kNoExit},  // cornfield 26
    {27, Open(26), Open(28), Open(20), kNoExit},  // cornfield 27
    {28, Open(27), Open(36), Open(23), kNoExit},  // cornfield 28
    {29, Open(28), Open(36), kNoExit, kNoExit},  // cornfield 29
    {30, Open(31), Open(19), kNoExit, kNoExit},  // cornfield 30
    {31, kNoExit, Open(19), kNoExit, Open(32)},  // cornfield 31
    {32, Open(34), MapOnly(33), Open(31), kNoExit},  // cornfield 32
    {33, Open(32), kNoExit, kNoExit, kNoExit},  // cornfield 33
    {34, Open(35), Open(32), Open(129), kNoExit},  // cornfield 34
    {35, kNoExit, Open(34), kNoExit, kNoExit},  // cornfield 35
    {36, Open(28), kNoExit, Open(37), kNoExit},  // cornfield 36
    {37, kNoExit, Open(40), kNoExit, Open(36)},  // cornfield 37
    {38, Open(37), Open(39), kNoExit, kNoExit},  // cornfield 38
    {39, Open(38), Open(40), kNoExit, kNoExit},  // cornfield 39
    {40, Open(37), kNoExit, kNoExit, kNoExit},  // cornfield 40
    {41, kNoExit, Open(45), Open(44), kNoExit},  // cornfield 41
    {42, Open(43), kNoExit, kNoExit, Open(35)},  // cornfield 42
    {43, kNoExit, Open(42), kNoExit, kNoExit},  // cornfield 43
    {44, Open(25), kNoExit, kNoExit, Open(126)},  // cornfield 44
    {45, Open(41), kNoExit, Open(126), kNoExit},  // cornfield 45
    {46, Open(47), Open(51), Open(132), Open(16)},  // three-way path in forest
    {47, Open(48), Open(46), kNoExit, kNoExit},  // junkyard
    {48, OpenWhen(49, KeyIs(key::kGiveMeatToDog48, "1")), Open(47), kNoExit, kNoExit},  // edge of junkyard
    {49, Open(50), Open(48), Open(76), kNoExit},  // graveyard
    {50, kNoExit, Open(49), kNoExit, kNoExit},  // front of grave
    {51, Open(46), Open(52), kNoExit, kNoExit},  // front of bridge
    {52, Open(51), Open(53), Open(71), Open(72)},  // four way road
    {53, Open(52), Open(54), Open(118), kNoExit},  // huge bonfire
    {54, Open(53), Open(97), kNoExit, Open(55)},  // haystack field
    {55, kNoExit, kNoExit, Open(54), Open(56)},  // front of mansion
    {56, kNoExit, Open(119), Open(55), OpenWhen(57, KeyIs(key::kUnlockMansionDoor, "1"))},  // mansion door
    {57, Open(58), Open(59), Open(56), Open(60)},  // hallway of mansion
    {58, kNoExit, Open(57), kNoExit, kNoExit},  // filthy room
    {59, Open(57), kNoExit, Open(95), MapOnly(95)},  // bathroom
    {60, Open(93), Open(107), Open(57), Open(106)},  // sculpture room
    {61, kNoExit, kNoExit, Open(106), kNoExit},  // painting room
    {62, Open(107), Open(63), kNoExit, Open(94)},  // dresser room
    {63, Open(62), Open(65), Open(68), OpenWhen(64, KeyIsNot(key::kUseBloodyKeyToOpenDoor, "0"))},  // long hallway
    {64, kNoExit, kNoExit, Open(63), OpenWhen(123, KeyIsNot(key::kPullTorch, "0"))},  // room with torch
    {65, Open(63), Open(105), OpenWhen(102, KeyIsNot(key::kUseVioletKeyInLibrary, "0")), Open(100)},  // library
    {66, Open(105), Open(67), kNoExit, kNoExit},  // telescope room
    {67, Open(66), kNoExit, kNoExit, kNoExit},  // front of telescope
    {68, kNoExit, Open(96), kNoExit, Open(63)},  // wrecked room
    {69, kNoExit, Open(2), kNoExit, kNoExit},  // kitchen
    {70, kNoExit, kNoExit, kNoExit, Open(98)},  // cave bottom
    {71, kNoExit, Open(98), kNoExit, Open(52)},  // west of cave
    {72, kNoExit, kNoExit, Open(52), OpenWhen(73, KeyIs(key::kCutBrushWithScythe, "1"))},  // thick brush
    {73, kNoExit, kNoExit, Open(72), Open(74)},  // forest
    {74, OpenWhen(75, KeyIsNot(key::kUseTreeKeyToOpenTreeHouse, "0")), Open(99), Open(73), kNoExit},  // tree house door
    {75, kNoExit, Open(74), kNoExit, kNoExit},  // inside tree house
    {76, kNoExit, Open(77), kNoExit, Open(49)},  // northwest side of wall
    {77, Open(76), kNoExit, Open(78), kNoExit},  // west side of wall
    {78, kNoExit, kNoExit, OpenWhen(79, KeyIsNot(key::kUseAmuletToOpenGate, "0")), Open(77)},  // front of gate
    {79,  // edge of beach
     OpenWhen(82, KeyIsNot(key::kLookThroughTelescopeToFindLighthouse, "0")),
     Open(80),
     Open(85),
     Open(78)},
    {80, Open(79), Open(81), kNoExit, kNoExit},  // long pier
    {81, Open(80), OpenWhen(125, KeyIsNot(key::kUseLightbulbAtLighhouse, "0")), kNoExit, kNoExit},  // edge of pier
    {82, Open(83), Open(79), kNoExit, kNoExit},  // north side of beach
    {83, OpenWhen(84, KeyIsNot(key::kUseBoneKey, "0")), Open(82), kNoExit, kNoExit},  // entrance to lighthouse
    {84, kNoExit, Open(83), kNoExit, kNoExit},  // inside lighthouse
    {85, kNoExit, kNoExit, Open(86), Open(79)},  // shallow water
    {86, kNoExit, kNoExit, kNoExit, Open(85)},  // deep ocean water
    {87, Open(88), Open(112), Open(15), kNoExit},  // alley
    {88, OpenWhen(89, KeyIs(key::kOpenmanholeWithCrowbar, "1")), Open(87), kNoExit, kNoExit},  // front of manhole
    {89, kNoExit, Open(88), OpenWhen(90, KeyIsNot(key::kUseClothespin, "0")), kNoExit},  // sewer pipes
    {90, Open(91), kNoExit, kNoExit, Open(89)},  // east side of sewers
    {91, kNoExit, Open(90), OpenWhen(92, KeyIsNot(key::kFeedTheToad, "0")), kNoExit},  // front of bridge
    {92, kNoExit, kNoExit, kNoExit, Open(91)},  // under bridge
    {93, kNoExit, Open(60), kNoExit, kNoExit},  // front of sculpture
    {94, kNoExit, kNoExit, Open(62), kNoExit},  // close to dresser
    {95, kNoExit, kNoExit, kNoExit, Open(59)},  // front of faucet
    {96, Open(68), kNoExit, kNoExit, kNoExit},  // front of wall
    {97, Open(54), kNoExit, kNoExit, kNoExit},  // between haystacks
    {98, Open(71), kNoExit, OpenWhen(70, KeyIsNot(key::kOpenCaveWithCrowbar, "0")), kNoExit},  // front of cave
    {99, Open(74), kNoExit, kNoExit, kNoExit},  // south side of tree house
    {100, kNoExit, Open(101), Open(65), Open(104)},  // weight room
    {101, Open(100), kNoExit, kNoExit, kNoExit},  // weight room mirror
    {102, kNoExit, Open(103), kNoExit, Open(65)},  // front of swimming pool
    {103, Open(102), kNoExit, kNoExit, kNoExit},  // diving board
    {104, kNoExit, kNoExit, Open(100), kNoExit},  // punching bag
    {105,  // four way hallway
     Open(65),
     OpenWhen(66, KeyIsNot(key::kUseTheDustyKeyToOpenDoor, "0")),
     Open(110),
     Open(108)},
    {106, kNoExit, kNoExit, Open(60), Open(61)},  // different hallway
    {107, Open(60), Open(62), Open(115), Open(114)},  // another hallway
    {108, kNoExit, kNoExit, Open(105), Open(109)},  // office
    {109, kNoExit, kNoExit, Open(108), kNoExit},  // computer room
    {110, kNoExit, kNoExit, Open(111), Open(105)},  // entertainment room
    {111, kNoExit, kNoExit, kNoExit, Open(110)},  // close to TV
    {112, Open(87), kNoExit, kNoExit, Open(113)},  // alley
    {113, kNoExit, kNoExit, Open(112), kNoExit},  // front of trashcan
    {114, kNoExit, kNoExit, Open(107), kNoExit},  // trashed room
    {115, kNoExit, kNoExit, Open(116), Open(107)},  // safe room
    {116, kNoExit, kNoExit, kNoExit, Open(115)},  // front of safe
    {117, kNoExit, Open(7), kNoExit, kNoExit},  // inside tool shed
    {118, kNoExit, kNoExit, kNoExit, Open(53)},  // front of bonfire
    {119,  // southeast corner of mansion
     Open(56),
     OpenWhen(124, KeyIsNot(key::kUseCrowbarOnCrack, "0")),
     Open(120),
     kNoExit},
    {120, kNoExit, kNoExit, kNoExit, Open(119)},  // east side of mansion walls
    {121, kNoExit, kNoExit, kNoExit, Open(129)},  // magician's store
    {122, kNoExit, Open(26), kNoExit, kNoExit},  // cornfield clearing
    {123, kNoExit, kNoExit, Open(64), kNoExit},  // hidden alcove
    {124, Open(119), kNoExit, kNoExit, kNoExit},  // janitor's room
    {125, Open(81), kNoExit, Open(133), kNoExit},  // ship's red room
    {126, kNoExit, kNoExit, Open(44), OpenWhen(127, KeyIsNot(key::kHaveWeight, "0"))},  // edge of icy lake
    {127, kNoExit, kNoExit, Open(126), kNoExit},  // middle of icy lake
    {128, kNoExit, kNoExit, kNoExit, Open(133)},  // green control room
    {129, kNoExit, kNoExit, Open(121), Open(34)},  // another cornfield clearing
    {130, Open(13), kNoExit, kNoExit, kNoExit},  // blind man's house
    {131, kNoExit, Open(12), kNoExit, kNoExit},  // house with Christmas lights
    {132, kNoExit, kNoExit, kNoExit, Open(46)},  // forest with pine trees
    {133,  // east west tunnel
     kNoExit,
     OpenWhen(134, kShipUnderWay),
     OpenUnless(128, kShipUnderWay),
     OpenUnless(125, kShipUnderWay)},
    {134, MapOnly(133), kNoExit, kNoExit, kNoExit},  // Island
}};

constexpr bool EveryRoomHasItsRowAndEveryWayLeadsToARoom() {
  for (std::size_t index = 0; index < kExits.size(); ++index) {
    const RoomExits& row = kExits[index];
    if (row.room != static_cast<int>(index) + kFirstRoom) return false;
    for (const Exit& exit : {row.north, row.south, row.east, row.west}) {
      if (exit.to != 0 && !IsRoom(exit.to)) return false;
      if (exit.to == 0 && (exit.opening != Opening::Always || exit.testCount != 0)) return false;
    }
  }
  return true;
}
static_assert(EveryRoomHasItsRowAndEveryWayLeadsToARoom(),
              "the map needs one row per room, in room order, and every way must lead to a room");

bool IsOpen(const Exit& exit, StateReadings& readings) {
  if (exit.to == 0) return false;
  switch (exit.opening) {
    case Opening::Always:
      return true;
    case Opening::When:
      return readings.AllHold(exit.Tests());
    case Opening::Unless:
      return !readings.AllHold(exit.Tests());
    case Opening::MapOnly:
      return false;
  }
  return false;
}

}  // namespace

std::span<const RoomExits> ExitsTable() { return kExits; }

int NextRoom(int room, const std::string& direction) {
  if (!IsRoom(room)) return room;
  const RoomExits& exits = kExits[static_cast<std::size_t>(room - kFirstRoom)];
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
  if (!IsRoom(room)) return kNoDirection;
  const RoomExits& exits = kExits[static_cast<std::size_t>(room - kFirstRoom)];
  unsigned open = kNoDirection;
  if (IsOpen(exits.north, readings)) open |= kNorth;
  if (IsOpen(exits.south, readings)) open |= kSouth;
  if (IsOpen(exits.east, readings)) open |= kEast;
  if (IsOpen(exits.west, readings)) open |= kWest;
  return open;
}

}  // namespace brackenhollow
