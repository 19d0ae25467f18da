// Hints worked out from the world as it stands: the exact action at known points of the game, the
// three steps, the driver's line, and the player's store left as it was.

#include <gtest/gtest.h>

#include "hints/Hint.h"
#include "hints/HintSteps.h"
#include "hints/StoreCopy.h"
#include "store/GameDatabase.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

class HintTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  void SetKey(const std::string& key) {
    ASSERT_TRUE(database.Execute("UPDATE actions SET status = 1 WHERE actiontype = '" + key + "'")) << key;
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
};

TEST_F(HintTest, FirstHintOfANewGameIsTheLampOneRoomWest) {
  const Hint hint = ComputeHint(database, 1);
  ASSERT_EQ(hint.kind, Hint::Kind::Act);
  EXPECT_EQ(hint.room, 2);
  EXPECT_EQ(hint.roomName, "west side of bedroom");
  EXPECT_EQ(hint.action, (PlayerAction{2, "Turn On the", "lamp", ""}));
  EXPECT_EQ(hint.route, std::vector<std::string>{"W"});
  EXPECT_EQ(HintLine(hint), "hint 2 Turn On the | lamp |");
}

TEST_F(HintTest, WithTheLeverPulledOnlyTheWalkSouthIsLeft) {
  for (const char* key : {"use green emerald", "use red ruby", "pull lever in tunnel"}) SetKey(key);
  const Hint hint = ComputeHint(database, room::kEastWestTunnel);
  ASSERT_EQ(hint.kind, Hint::Kind::Walk);
  EXPECT_EQ(hint.room, room::kIsland);
  EXPECT_EQ(hint.route, std::vector<std::string>{"S"});
  EXPECT_EQ(HintLine(hint), "hint " + std::to_string(room::kIsland));
  EXPECT_NE(HintText(hint, 3).find("S"), std::string::npos);
}

TEST_F(HintTest, OnTheIslandThereIsNothingLeftToHint) {
  const Hint hint = ComputeHint(database, room::kIsland);
  EXPECT_EQ(hint.kind, Hint::Kind::Finished);
  EXPECT_EQ(HintLine(hint), "hint none");
}

TEST_F(HintTest, SecondNounStandsAfterTheLastBarOnlyForUseWith) {
  Hint hint;
  hint.kind = Hint::Kind::Act;
  hint.room = 8;
  hint.action = {8, "Use the __ with the __", "rope tied to teapot", "well"};
  EXPECT_EQ(HintLine(hint), "hint 8 Use the __ with the __ | rope tied to teapot | well");
  hint.kind = Hint::Kind::NoWay;
  EXPECT_EQ(HintLine(hint), "hint unreachable");
}

TEST_F(HintTest, LostItemTheEndNeedsLeavesNoWayAndSaysSo) {
  // The crowbar opens the cave, the manhole, the crack and the television; without it nothing does.
  ASSERT_TRUE(database.Execute("UPDATE objects SET gone = 1 WHERE Objects = 'crowbar'"));
  const Hint hint = ComputeHint(database, 1);
  EXPECT_EQ(hint.kind, Hint::Kind::NoWay);
  EXPECT_EQ(HintLine(hint), "hint unreachable");
  EXPECT_NE(HintText(hint, 1).find("RESET THE GAME"), std::string::npos);
}

TEST_F(HintTest, WorkingOutAHintChangesNothingInThePlayersStore) {
  const std::string before = testing::DumpWorld(database);
  const std::uint64_t fingerprint = WorldFingerprint(database);
  ComputeHint(database, 1);
  ComputeHint(database, 47);
  EXPECT_EQ(WorldFingerprint(database), fingerprint);
  EXPECT_EQ(testing::DumpWorld(database), before);
}

TEST_F(HintTest, StepsTellMoreForTheSameSituationAndStartOverElsewhere) {
  HintSteps steps;
  const std::string where = steps.Next(database, 1);
  const std::string what = steps.Next(database, 1);
  const std::string exact = steps.Next(database, 1);
  EXPECT_EQ(where, "Your next step is in the room \u201cwest side of bedroom\u201d, 1 move away.");
  EXPECT_EQ(where.find("lamp"), std::string::npos) << "the first step names only the place: " << where;
  EXPECT_NE(what.find("lamp"), std::string::npos) << what;
  EXPECT_EQ(what.find("Turn On"), std::string::npos) << "the second step does not give the action away: " << what;
  EXPECT_EQ(exact, "Walk W. Then, in the room \u201cwest side of bedroom\u201d: Turn On the lamp.")
      << "the way there comes first";
  EXPECT_EQ(steps.Next(database, 1), exact);

  // Standing elsewhere is another situation: the steps start over, and so they do once the world
  // changed. Standing where the step is done, the hint says so rather than naming the room.
  EXPECT_EQ(steps.Next(database, 2), "Your next step is here, where you stand.");
  EXPECT_EQ(steps.Next(database, 2), "Think of the lamp, here where you stand.");
  EXPECT_EQ(steps.Next(database, 2), "Turn On the lamp, here where you stand.");
  SetKey("Lamp On Room 1");
  const std::string afterLamp = steps.Next(database, 2);
  EXPECT_EQ(afterLamp.find("lamp"), std::string::npos) << afterLamp;
  EXPECT_NE(afterLamp, exact);
}

TEST_F(HintTest, FingerprintTellsWorldsApartButNotTheOrderOfCarriedRows) {
  const std::uint64_t start = WorldFingerprint(database);
  ASSERT_NE(start, 0u);
  ASSERT_TRUE(database.Execute("INSERT INTO inventory(items) VALUES ('rope')"));
  ASSERT_TRUE(database.Execute("INSERT INTO inventory(items) VALUES ('coin')"));
  const std::uint64_t carrying = WorldFingerprint(database);
  EXPECT_NE(carrying, start);
  // Carrying an item twice changes no rule: every test asks only whether it is carried.
  ASSERT_TRUE(database.Execute("INSERT INTO inventory(items) VALUES ('rope')"));
  EXPECT_EQ(WorldFingerprint(database), carrying);
  ASSERT_TRUE(database.Execute("UPDATE descriptions SET NewDescr = 'changed' WHERE Roomnumber = 5"));
  EXPECT_NE(WorldFingerprint(database), carrying);
}

}  // namespace
}  // namespace brackenhollow
