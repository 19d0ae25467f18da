// The world checked by play: the walkthrough's states can all still reach the island, following only
// the exact hints reaches it with every hinted action valid where it is given, and the checker finds
// no state from which the island is lost (and does find one in a world that has it).

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <filesystem>
#include <fstream>
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
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

constexpr char kProgramDirectory[] = "/opt/brackenhollow/";
// More hints than any way from the start needs: following them must end before this.
constexpr int kMostHints = 400;

std::vector<std::string> WalkthroughCommands() {
  std::ifstream in(std::filesystem::path(BRACKENHOLLOW_SCRIPT_DIRECTORY) / "walkthrough.txt");
  std::vector<std::string> commands;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    commands.push_back(line);
  }
  return commands;
}

int IndexOf(const ListState& list, const std::string& text) {
  const auto found = std::find(list.entries.begin(), list.entries.end(), text);
  return found == list.entries.end() ? -1 : static_cast<int>(found - list.entries.begin());
}

class WorldCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    screen.PrepareStart();
    screen.EnterGame(kStartChosen);
  }

  // Plays one line of the walkthrough on the game screen as the replay driver would.
  void Play(const std::string& command) {
    const std::size_t space = command.find(' ');
    const std::string verb = command.substr(0, space);
    const std::string argument = space == std::string::npos ? " " : command.substr(space + 1);
    const ScreenState& view = screen.Screen();
    if (verb == "press") {
      Press(argument);
    } else if (verb == "verb") {
      ASSERT_TRUE(screen.ChooseVerb(IndexOf(view.verbs, argument))) << command;
    } else if (verb == "noun1") {
      ASSERT_TRUE(screen.ChooseNoun1(IndexOf(view.noun1, argument))) << command;
    } else if (verb == "noun2") {
      ASSERT_TRUE(screen.ChooseNoun2(IndexOf(view.noun2, argument))) << command;
    } else if (verb == "answer") {
      boxes.answers.push_back(argument == "yes");
    }
    // start, show, shot and hint change nothing here.
  }

  void Press(const std::string& name) {
    for (auto [control, button] : {std::pair{Control::North, "N"}, {Control::South, "S"}, {Control::East, "E"},
                                   {Control::West, "W"}, {Control::Action, "Action"}, {Control::Toggle, "Toggle"}}) {
      if (name != button) continue;
      ASSERT_TRUE(screen.Screen().IsEnabled(control)) << "button " << name << " is disabled in room "
                                                      << screen.CurrentRoom();
      switch (control) {
        case Control::North: return screen.OnNorth();
        case Control::South: return screen.OnSouth();
        case Control::East: return screen.OnEast();
        case Control::West: return screen.OnWest();
        case Control::Action: return screen.OnAction();
        case Control::Toggle: return screen.OnTextGraphic();
        case Control::Exit:
        case Control::VerbList:
        case Control::Noun1List:
        case Control::Noun2List: return;
      }
    }
  }

  // Follows only the exact hints until the player stands on the island; each hinted walk must be
  // open and each hinted action must be offered in its room and change the world there.
  void FollowHints() {
    for (int count = 0; count < kMostHints; ++count) {
      const Hint hint = ComputeHint(database, screen.CurrentRoom());
      if (hint.kind == Hint::Kind::Finished) return;
      ASSERT_TRUE(hint.kind == Hint::Kind::Act || hint.kind == Hint::Kind::Walk)
          << HintLine(hint) << " in room " << screen.CurrentRoom();
      for (const std::string& direction : hint.route) {
        ASSERT_NO_FATAL_FAILURE(Press(direction));
      }
      ASSERT_EQ(screen.CurrentRoom(), hint.room) << HintLine(hint);
      if (hint.kind == Hint::Kind::Walk) continue;
      const ScreenState& view = screen.Screen();
      ASSERT_TRUE(screen.ChooseVerb(IndexOf(view.verbs, hint.action.verb))) << HintLine(hint);
      ASSERT_TRUE(screen.ChooseNoun1(IndexOf(view.noun1, hint.action.noun1))) << HintLine(hint);
      if (!hint.action.noun2.empty()) {
        ASSERT_TRUE(screen.ChooseNoun2(IndexOf(view.noun2, hint.action.noun2))) << HintLine(hint);
      }
      const std::uint64_t before = WorldFingerprint(database);
      screen.OnAction();
      ASSERT_NE(WorldFingerprint(database), before) << HintLine(hint) << " changed nothing";
    }
    FAIL() << "still not on the island after " << kMostHints << " hints";
  }

  // The rooms the player can walk to: states alike in world and reach have the same ways on.
  std::bitset<kLastRoom + 1> Reach() {
    const Distances distance = WalkingDistances(ReadExitMap(database), screen.CurrentRoom());
    std::bitset<kLastRoom + 1> reach;
    for (int room = kFirstRoom; room <= kLastRoom; ++room) reach[room] = distance[room] >= 0;
    return reach;
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameScreen screen{database, boxes, kProgramDirectory};
};

TEST_F(WorldCheckTest, IslandStaysWithinReachFromEveryStateOfTheWalkthrough) {
  const std::vector<std::string> commands = WalkthroughCommands();
  ASSERT_GT(commands.size(), 100u);
  std::set<std::pair<std::uint64_t, std::string>> checked;
  for (const std::string& command : commands) {
    ASSERT_NO_FATAL_FAILURE(Play(command)) << command;
    if (screen.CurrentRoom() == kLastRoom) break;
    if (!checked.emplace(WorldFingerprint(database), Reach().to_string()).second) continue;
    WorldSearch search(database, screen.CurrentRoom());
    EXPECT_TRUE(search.FindWay().has_value()) << "no way to the island after \"" << command << "\" in room "
                                              << screen.CurrentRoom();
  }
  EXPECT_EQ(screen.CurrentRoom(), kLastRoom);
  EXPECT_GT(checked.size(), 50u);
}

TEST_F(WorldCheckTest, FollowingOnlyTheHintsFromANewGameReachesTheIsland) {
  FollowHints();
  EXPECT_EQ(screen.CurrentRoom(), kLastRoom);
}

TEST_F(WorldCheckTest, FollowingOnlyTheHintsFromPointsOfTheWalkthroughReachesTheIsland) {
  const std::vector<std::string> commands = WalkthroughCommands();
  for (const std::size_t percent : {30u, 60u, 90u}) {
    SCOPED_TRACE(std::to_string(percent) + "% into the walkthrough");
    ASSERT_TRUE(BuildWorldDatabase(database));
    screen.State().SaveCurrentRoom(kFirstRoom);
    screen.EnterGame(kStartChosen);
    for (std::size_t index = 0; index < commands.size() * percent / 100; ++index) {
      ASSERT_NO_FATAL_FAILURE(Play(commands[index]));
    }
    FollowHints();
    EXPECT_EQ(screen.CurrentRoom(), kLastRoom);
  }
}

TEST_F(WorldCheckTest, UselessActionAtHandIsNotHinted) {
  // Standing under the tree whose nest holds only eggs, climbing it is the nearest thing that changes
  // the world, yet the eggs serve nothing.
  const std::vector<std::string> commands = WalkthroughCommands();
  const auto climb = std::find(commands.begin(), commands.end(), "verb Climb the");
  ASSERT_NE(climb, commands.end());
  for (auto command = commands.begin(); command != climb; ++command) ASSERT_NO_FATAL_FAILURE(Play(*command));
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

TEST_F(WorldCheckTest, ExplorationStoppedByItsLimitClaimsNoVerdict) {
  const Exploration exploration = ExploreWorld(database, kFirstRoom, Orders::Every, 50);
  EXPECT_FALSE(exploration.complete);
  EXPECT_GE(exploration.states, 50u);
  EXPECT_TRUE(exploration.deadEnds.empty());
}

}  // namespace
}  // namespace brackenhollow
