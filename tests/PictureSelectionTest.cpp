// Picture and exit choice against a real world: every room answers in the starting state, and the
// state tests read the store in the order that decides which boxes the player sees.

#include <gtest/gtest.h>

#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "view/PictureSelection.h"
#include "movement/RoomExits.h"
#include "view/PictureTables.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

class PictureSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  RoomPicture Select(int room) {
    const std::optional<RoomPicture> choice = SelectRoomPicture(room, state);
    EXPECT_TRUE(choice.has_value()) << "room " << room;
    return choice.value_or(RoomPicture{"<none>", 0});
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
};

TEST_F(PictureSelectionTest, EveryRoomHasAPictureInTheStartingWorldWithoutABox) {
  for (int room = kFirstRoom; room <= kLastRoom; ++room) Select(room);
  EXPECT_TRUE(boxes.informed.empty()) << boxes.informed.front();
  EXPECT_FALSE(SelectRoomPicture(0, state).has_value());
  EXPECT_FALSE(SelectRoomPicture(kLastRoom + 1, state).has_value());
}

TEST_F(PictureSelectionTest, StateChangesPictureAndExits) {
  EXPECT_EQ(Select(1).picture, "\\bedroom1.gif");
  EXPECT_EQ(Select(1).directions, kEast | kWest);
  state.SetActionStatus("read the letter", "1");
  EXPECT_EQ(Select(1).picture, "\\bedroom100.gif");
  EXPECT_EQ(Select(1).directions, kSouth | kEast | kWest);

  EXPECT_EQ(Select(2).picture, "\\bedroom left not lit.gif");
  state.SetActionStatus("Lamp On Room 1", "1");
  state.PlaceObjectInRoom("2", "letter", "1", "0", "It's your mail.");
  EXPECT_EQ(Select(2).picture, "\\bedroom left lit letter.gif");
  state.SetObjectGone("letter");
  EXPECT_EQ(Select(2).picture, "\\bedroom left lit.gif");

  state.SetObjectGone("teapot");
  EXPECT_EQ(Select(69).picture, "\\kitchen carrot only.gif");
  EXPECT_EQ(Select(79).directions, kSouth | kEast | kWest);
  state.SetActionStatus("look through telescope to find lighthouse", "1");
  EXPECT_EQ(Select(79).picture, "\\beach.gif");
  EXPECT_EQ(Select(79).directions, kNorth | kSouth | kEast | kWest);
}

TEST_F(PictureSelectionTest, MissingKeyCountsAsNeitherLiteral) {
  ASSERT_TRUE(database.Execute("DELETE FROM actions WHERE actiontype IN ('read the letter', "
                               "'use coin from well to pay toolboth')"));
  EXPECT_EQ(Select(1).picture, "\\bedroom100.gif");
  EXPECT_EQ(Select(1).directions, kSouth | kEast | kWest);
  EXPECT_EQ(Select(15).picture, "\\tollbooth.gif");
  EXPECT_EQ(Select(15).directions, kNorth);
  // One box per selection: a test shared by two cases of a room is read once.
  EXPECT_EQ(boxes.informed.size(), 4u);
}

TEST_F(PictureSelectionTest, TunnelStopsReadingAtTheFirstUnsetKey) {
  ASSERT_TRUE(database.Execute("DELETE FROM actions WHERE actiontype IN ('use red ruby', 'use green emerald')"));
  EXPECT_EQ(Select(133).picture, "\\tunnel.gif");
  EXPECT_TRUE(boxes.informed.empty());  // the missing keys are never read while the lever is unpulled
  state.SetActionStatus("pull lever in tunnel", "1");
  EXPECT_EQ(Select(133).directions, kEast | kWest);
  EXPECT_EQ(boxes.informed.size(), 1u);  // the red ruby is read and found missing; the emerald is not read
}

}  // namespace
}  // namespace brackenhollow
