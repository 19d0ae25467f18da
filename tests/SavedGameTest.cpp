// The saved game the start window offers: its room read as the game reads it, and the room's name.

#include <gtest/gtest.h>

#include "app/SavedGame.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "view/RoomView.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

TEST(ParseSavedRoom, ReadsAsPercentIAndFallsBackToRoomOneForWhatIsNoRoom) {
  EXPECT_EQ(ParseSavedRoom("12"), 12);
  EXPECT_EQ(ParseSavedRoom("012"), 10);  // octal, as "%i" reads it
  EXPECT_EQ(ParseSavedRoom("0x0C"), 12);
  EXPECT_EQ(ParseSavedRoom(std::to_string(kRoomCount)), kRoomCount);
  for (const std::string& notARoom : {std::string("0"), std::to_string(kRoomCount + 1), std::string("-3"),
                                      std::string("abc"), std::string("Empty")}) {
    EXPECT_EQ(ParseSavedRoom(notARoom), kFirstRoom) << notARoom;
  }
}

TEST(ReadSavedGame, NamesTheSavedRoomAndIsEmptyWithoutAGame) {
  testing::ScratchFolder folder;
  testing::RecordingBoxes boxes;
  GameDatabase database(folder.File("store.sqlite"));
  GameState state(database, boxes);
  EXPECT_FALSE(ReadSavedGame(database, state).has_value());
  EXPECT_EQ(ReadRoomName(database, 9), "");  // no world yet: no name, no message
  ASSERT_TRUE(BuildWorldDatabase(database));
  state.SaveCurrentRoom(9);
  const std::optional<SavedGame> saved = ReadSavedGame(database, state);
  ASSERT_TRUE(saved.has_value());
  EXPECT_EQ(saved->room, 9);
  EXPECT_EQ(saved->roomName, "east side of bedroom");
  EXPECT_EQ(ReadRoomName(database, 999), "");
  EXPECT_TRUE(boxes.informed.empty());
}

}  // namespace
}  // namespace brackenhollow
