// The world checked by play: the walkthrough's states can all still reach the island, following only
// the exact hints reaches it with every hinted action valid where it is given, and the checker finds
// no state from which the island is lost (and does find one in a world that has it).

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/GameScreen.h"
#include "hints/Hint.h"
#include "hints/StoreCopy.h"
#include "hints/Walking.h"
#include "hints/WorldExplorer.h"
#include "hints/WorldSearch.h"
#include "store/GameDatabase.h"
#include "tests/ScriptedPlay.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

constexpr char kProgramDirectory[] = "/opt/brackenhollow/";
// More hints than any way from the start needs: following them must end before this.
constexpr int kMostHints = 400;

class WorldCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    ASSERT_GT(walkthrough.size(), 100u);
  }

  // Plays the first share (in percent) of the walkthrough's lines from a new game.
  void PlayWalkthrough(std::size_t percent) {
    ASSERT_TRUE(BuildWorldDatabase(database));
    for (std::size_t index = 0; index < walkthrough.size() * percent / 100; ++index) {
      ASSERT_TRUE(testing::PlayLine(screen, database, walkthrough[index])) << walkthrough[index];
    }
  }

  // Walks one step; the hinted way must be open.
  void Walk(const std::string& direction) {
    const Control button = direction == "N"   ? Control::North
                           : direction == "S" ? Control::South
                           : direction == "E" ? Control::East
                                              : Control::West;
    ASSERT_TRUE(screen.Screen().IsEnabled(button)) << direction << " is closed in room " << screen.CurrentRoom();
    ASSERT_TRUE(testing::PlayLine(screen, database, "press " + direction));
  }

  // Follows only the exact hints until the player stands on the island; each hinted walk must be
  // open and each hinted action must be offered in its room and change the world there.
  void FollowHints() {
    for (int count = 0; count < kMostHints; ++count) {
      const Hint hint = ComputeHint(database, screen.CurrentRoom());
      if (hint.kind == Hint::Kind::Finished) return;
      ASSERT_TRUE(hint.kind == Hint::Kind::Act || hint.kind == Hint::Kind::Walk)
          << HintLine(hint) << " in room " << screen.CurrentRoom();
      for (const std::string& direction : hint.route) ASSERT_NO_FATAL_FAILURE(Walk(direction));
      ASSERT_EQ(screen.CurrentRoom(), hint.room) << HintLine(hint);
      if (hint.kind == Hint::Kind::Walk) continue;
      const ScreenState& view = screen.Screen();
      ASSERT_TRUE(screen.ChooseVerb(view.verbs.IndexOf(hint.action.verb))) << HintLine(hint);
      ASSERT_TRUE(screen.ChooseNoun1(view.noun1.IndexOf(hint.action.noun1))) << HintLine(hint);
      if (!hint.action.noun2.empty()) {
        ASSERT_TRUE(screen.ChooseNoun2(view.noun2.IndexOf(hint.action.noun2))) << HintLine(hint);
      }
      const std::uint64_t before = WorldFingerprint(database);
      screen.OnAction();
      ASSERT_NE(WorldFingerprint(database), before) << HintLine(hint) << " changed nothing";
    }
    FAIL() << "still not on the island after " << kMostHints << " hints";
  }

  // The rooms the player can walk to: states alike in world and reach have the same ways on.
  std::bitset<kRoomCount + 1> Reach() {
    const Distances distance = WalkingDistances(ReadExitMap(database), screen.CurrentRoom());
    std::bitset<kRoomCount + 1> reach;
    for (int room = 1; room <= kRoomCount; ++room) reach[room] = distance[room] >= 0;
    return reach;
  }

  const std::vector<std::string> walkthrough = testing::ScriptLines("walkthrough.txt");
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameScreen screen{database, boxes, kProgramDirectory};
};

TEST_F(WorldCheckTest, IslandStaysWithinReachFromEveryStateOfTheWalkthrough) {
  std::set<std::pair<std::uint64_t, std::string>> checked;
  for (const std::string& command : walkthrough) {
    ASSERT_TRUE(testing::PlayLine(screen, database, command)) << command;
    if (screen.CurrentRoom() == room::kIsland) break;
    if (!checked.emplace(WorldFingerprint(database), Reach().to_string()).second) continue;
    WorldSearch search(database, screen.CurrentRoom());
    EXPECT_TRUE(search.FindWay().has_value()) << "no way to the island after \"" << command << "\" in room "
                                              << screen.CurrentRoom();
  }
  EXPECT_EQ(screen.CurrentRoom(), room::kIsland);
  EXPECT_GT(checked.size(), 50u);
}

TEST_F(WorldCheckTest, FollowingOnlyTheHintsFromANewGameReachesTheIsland) {
  ASSERT_TRUE(testing::PlayLine(screen, database, "start"));
  FollowHints();
  EXPECT_EQ(screen.CurrentRoom(), room::kIsland);
}

TEST_F(WorldCheckTest, FollowingOnlyTheHintsFromPointsOfTheWalkthroughReachesTheIsland) {
  for (const std::size_t percent : {30u, 60u, 90u}) {
    SCOPED_TRACE(std::to_string(percent) + "% into the walkthrough");
    ASSERT_NO_FATAL_FAILURE(PlayWalkthrough(percent));
    FollowHints();
    EXPECT_EQ(screen.CurrentRoom(), room::kIsland);
  }
}

TEST_F(WorldCheckTest, UselessActionAtHandIsNotHinted) {
  // Standing under the tree whose nest holds only eggs, climbing it is the nearest thing that changes
  // the world, yet the eggs serve nothing.
  const auto climb = std::find(walkthrough.begin(), walkthrough.end(), "verb Climb the");
  ASSERT_NE(climb, walkthrough.end());
  for (auto command = walkthrough.begin(); command != climb; ++command) {
    ASSERT_TRUE(testing::PlayLine(screen, database, *command)) << *command;
  }
  ASSERT_EQ(screen.CurrentRoom(), 52);
  const Hint hint = ComputeHint(database, 52);
  ASSERT_EQ(hint.kind, Hint::Kind::Act);
  EXPECT_NE(hint.action.verb, "Climb the") << HintLine(hint);
  EXPECT_NE(hint.action.noun1, "eggs") << HintLine(hint);
}

TEST_F(WorldCheckTest, CheckerFindsNoStateFromWhichTheIslandIsLost) {
  const Exploration exploration = ExploreWorld(database, kFirstRoom, Orders::Representative, 100000);
  EXPECT_TRUE(exploration.complete);
  EXPECT_GT(exploration.states, 70u);
  EXPECT_TRUE(exploration.deadEnds.empty()) << exploration.deadEnds.size() << " dead ends, the first in room "
                                            << exploration.deadEnds.front().room;
}

TEST_F(WorldCheckTest, CheckerListsTheStatesFromWhichTheIslandIsLost) {
  // Without the crowbar the cave, the manhole, the crack and the television stay shut for good.
  ASSERT_TRUE(database.Execute("UPDATE objects SET gone = 1 WHERE Objects = 'crowbar'"));
  const Exploration exploration = ExploreWorld(database, kFirstRoom, Orders::Representative, 100000);
  ASSERT_TRUE(exploration.complete);
  ASSERT_FALSE(exploration.deadEnds.empty());
  EXPECT_TRUE(exploration.deadEnds.front().actions.empty()) << "the start itself is a dead end";
  EXPECT_EQ(exploration.deadEnds.size(), exploration.states);
}

TEST_F(WorldCheckTest, OneOrderOfFreeStepsFindsWhatEveryOrderFindsNearTheEnd) {
  // Near the end every order of play is few enough to follow: the one-order exploration must reach a
  // verdict on fewer states, and the same one.
  ASSERT_NO_FATAL_FAILURE(PlayWalkthrough(85));
  const Exploration every = ExploreWorld(database, screen.CurrentRoom(), Orders::Every, 20000);
  const Exploration one = ExploreWorld(database, screen.CurrentRoom(), Orders::Representative, 20000);
  ASSERT_TRUE(every.complete);
  ASSERT_TRUE(one.complete);
  EXPECT_GT(every.states, one.states);
  EXPECT_EQ(every.deadEnds.size(), 0u);
  EXPECT_EQ(one.deadEnds.size(), 0u);
}

TEST_F(WorldCheckTest, ExplorationStoppedByItsLimitClaimsNoVerdict) {
  const Exploration exploration = ExploreWorld(database, kFirstRoom, Orders::Every, 50);
  EXPECT_FALSE(exploration.complete);
  EXPECT_GE(exploration.states, 50u);
  EXPECT_TRUE(exploration.deadEnds.empty());
}

}  // namespace
}  // namespace brackenhollow
