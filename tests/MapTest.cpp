// The map checked against the exits the screen offers, so a mistyped target shows up as a room that
// cannot be reached or a button that leads nowhere.

#include <gtest/gtest.h>

#include <queue>
#include <set>

#include "movement/RoomExits.h"
#include "view/PictureTables.h"

namespace brackenhollow {
namespace {

struct DirectionName {
  unsigned bit;
  const char* text;
};
constexpr DirectionName kDirections[] = {{kNorth, "N"}, {kSouth, "S"}, {kEast, "E"}, {kWest, "W"}};

// The directions a room offers in any state of the world.
unsigned OfferedDirections(int room) {
  unsigned offered = 0;
  for (const PictureCase& pictureCase : PictureCases()) {
    if (pictureCase.room == room) offered |= pictureCase.directions;
  }
  return offered;
}

TEST(Map, EveryExitLeadsToARoom) {
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    for (const DirectionName& direction : kDirections) {
      const int target = NextRoom(room, direction.text);
      EXPECT_TRUE(IsRoom(target)) << room << " " << direction.text << " -> " << target;
    }
  }
}

TEST(Map, EveryOfferedButtonMovesThePlayer) {
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    for (const DirectionName& direction : kDirections) {
      if ((OfferedDirections(room) & direction.bit) != 0) {
        EXPECT_NE(NextRoom(room, direction.text), room) << "room " << room << " offers " << direction.text;
      }
    }
  }
}

TEST(Map, OnlyTheCornfieldDeadEndsAreOutOfReach) {
  std::set<int> reached = {1};
  std::queue<int> waiting;
  waiting.push(1);
  while (!waiting.empty()) {
    const int room = waiting.front();
    waiting.pop();
    for (const DirectionName& direction : kDirections) {
      if ((OfferedDirections(room) & direction.bit) == 0) continue;
      if (reached.insert(NextRoom(room, direction.text)).second) waiting.push(NextRoom(room, direction.text));
    }
  }
  std::set<int> unreached;
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    if (reached.count(room) == 0) unreached.insert(room);
  }
  EXPECT_EQ(unreached, (std::set<int>{21, 22, 29, 30, 33, 38, 39, 41, 42, 43, 45}));
}

TEST(Map, ExitsThatAreNeverOfferedStillHaveRules) {
  EXPECT_EQ(NextRoom(134, "N"), 133);
  EXPECT_EQ(NextRoom(23, "E"), 22);
  EXPECT_EQ(NextRoom(32, "S"), 33);
  EXPECT_EQ(NextRoom(59, "W"), 95);
  EXPECT_EQ(OfferedDirections(134), kNoDirection);
  EXPECT_EQ(OfferedDirections(23) & kEast, 0u);
  EXPECT_EQ(OfferedDirections(59) & kWest, 0u);
}

TEST(Map, NoExitMeansStayingAndOddInputChangesNothing) {
  EXPECT_EQ(NextRoom(1, "E"), 9);
  EXPECT_EQ(NextRoom(9, "W"), 1);
  EXPECT_EQ(NextRoom(1, "N"), 1);
  EXPECT_EQ(NextRoom(47, "E"), 47);
  EXPECT_EQ(NextRoom(91, "E"), 92);
  EXPECT_EQ(NextRoom(133, "S"), 134);
  EXPECT_EQ(NextRoom(1, ""), 1);
  EXPECT_EQ(NextRoom(1, "e"), 1);
  EXPECT_EQ(NextRoom(0, "E"), 0);
  EXPECT_EQ(NextRoom(135, "N"), 135);
}

}  // namespace
}  // namespace brackenhollow
