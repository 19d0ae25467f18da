// The Game menu on the game screen, played along the walkthrough: undoing every action returns every
// table and shows the room where it was done, also after leaving and starting again; redo does the
// actions again; a reset empties the history; a save opened later is that game in its room.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "app/GameScreen.h"
#include "movement/RoomExits.h"
#include "store/GameDatabase.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "view/PictureSelection.h"
#include "view/RoomView.h"
#include "world/StateReadings.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

constexpr char kProgramDirectory[] = "/opt/brackenhollow/";

// The tables before an action, and the screen a move into its room shows with them.
struct BeforeAction {
  std::string tables;
  int room = 0;
  std::string roomText;
  std::vector<std::string> nouns;
  std::string picture;
  unsigned directions = 0;
};

// The lines of a dump that b has and a has not, and the other way round: what a failure shows.
std::string DifferingLines(const std::string& a, const std::string& b) {
  std::istringstream left(a);
  std::istringstream right(b);
  std::string out;
  std::string leftLine;
  std::string rightLine;
  for (;;) {
    leftLine.clear();
    rightLine.clear();
    const bool leftMore = static_cast<bool>(std::getline(left, leftLine));
    const bool rightMore = static_cast<bool>(std::getline(right, rightLine));
    if (!leftMore && !rightMore) return out;
    if (leftLine != rightLine) out += "- " + leftLine + "\n+ " + rightLine + "\n";
  }
}

// The world's tables without the player's saved position, which only leaving the game writes.
std::string World(GameDatabase& database) {
  std::string dump = testing::DumpStore(database.Handle());
  return dump.substr(0, dump.find("== currentroom\n"));
}

class GameMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(*database));
    OpenScreen();
  }

  // Starts the game as the start dialog does, on the store as it is.
  void OpenScreen() {
    screen = std::make_unique<GameScreen>(*database, boxes, kProgramDirectory);
    screen->PrepareStart();
    screen->EnterGame(kStartChosen);
  }

  // Leaves the game with Exit and starts it again on the same file.
  void Restart() {
    screen->OnExit();
    screen.reset();
    const std::string path = database->Path();
    database = std::make_unique<GameDatabase>(path);
    OpenScreen();
  }

  const ScreenState& view() const { return screen->Screen(); }

  BeforeAction Capture() {
    BeforeAction before;
    before.tables = World(*database);
    before.room = screen->CurrentRoom();
    RoomViewContent content = ReadRoomView(before.room, *database, boxes);
    before.roomText = content.roomText;
    before.nouns = content.nounEntries;
    StateReadings readings(screen->State());
    if (const std::optional<std::string> picture = SelectRoomPicture(before.room, readings)) {
      before.picture = kProgramDirectory + *picture;
      before.directions = OpenDirections(before.room, readings);
    }
    return before;
  }

  void ExpectBackTo(const BeforeAction& before, const std::string& where) {
    const std::string now = World(*database);
    EXPECT_TRUE(now == before.tables) << where << "\n" << DifferingLines(before.tables, now);
    EXPECT_EQ(screen->CurrentRoom(), before.room) << where;
    EXPECT_EQ(view().viewText, before.roomText) << where;
    EXPECT_EQ(view().noun1.entries, before.nouns) << where;
    EXPECT_EQ(view().pictureFile, before.picture) << where;
    EXPECT_EQ(view().IsEnabled(Control::North), (before.directions & kNorth) != 0) << where;
    EXPECT_EQ(view().IsEnabled(Control::South), (before.directions & kSouth) != 0) << where;
    EXPECT_EQ(view().IsEnabled(Control::East), (before.directions & kEast) != 0) << where;
    EXPECT_EQ(view().IsEnabled(Control::West), (before.directions & kWest) != 0) << where;
    EXPECT_TRUE(view().IsEnabled(Control::Action)) << where;
  }

  // Plays the walkthrough's lines up to its stopAt-th Action press. Returns what stood before each
  // press that changed the game.
  std::vector<BeforeAction> PlayWalkthrough(int stopAt) {
    std::vector<BeforeAction> steps;
    int presses = 0;
    for (const std::string& line : testing::ScriptLines("walkthrough.txt")) {
      if (line == "start") continue;  // the fixture has started the game
      const bool action = line == "press Action";
      if (action && ++presses > stopAt) break;
      std::optional<BeforeAction> before;
      if (action) before = Capture();
      EXPECT_TRUE(testing::PlayLine(*screen, *database, line)) << line;
      if (before && World(*database) != before->tables) steps.push_back(std::move(*before));
    }
    return steps;
  }

  testing::ScratchFolder folder;
  std::unique_ptr<GameDatabase> database = std::make_unique<GameDatabase>(folder.File("store.sqlite"));
  testing::RecordingBoxes boxes;
  std::unique_ptr<GameScreen> screen;
};

TEST_F(GameMenuTest, UndoingTheWalkthroughActionByActionReturnsEveryTableAndRoomAlsoAfterARestart) {
  std::vector<BeforeAction> steps = PlayWalkthrough(1000);  // the whole game, to the island
  ASSERT_GT(steps.size(), 60u);
  const std::string end = World(*database);
  EXPECT_TRUE(view().canUndo);
  EXPECT_FALSE(view().canRedo);

  const std::size_t half = steps.size() / 2;
  for (std::size_t index = steps.size(); index-- > 0;) {
    if (index + 1 == half) Restart();
    screen->OnUndo();
    ExpectBackTo(steps[index], "undoing step " + std::to_string(index));
  }
  EXPECT_FALSE(view().canUndo);
  EXPECT_TRUE(view().canRedo);
  const std::string start = World(*database);
  screen->OnUndo();  // nothing left: nothing happens
  EXPECT_EQ(World(*database), start);

  while (view().canRedo) screen->OnRedo();
  EXPECT_EQ(World(*database), end);
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(GameMenuTest, ConfirmedResetEmptiesTheHistoryAndSaysSo) {
  PlayWalkthrough(6);
  ASSERT_TRUE(view().canUndo);
  ASSERT_TRUE(testing::PlayLine(*screen, *database, "verb RESET THE GAME"));
  boxes.answers = {false};
  screen->OnAction();
  EXPECT_TRUE(view().canUndo);  // No keeps the game and its history
  boxes.answers = {true};
  screen->OnAction();
  ASSERT_EQ(boxes.asked.size(), 2u);
  EXPECT_NE(boxes.asked[1].find("can no longer be undone"), std::string::npos);
  EXPECT_FALSE(view().canUndo);
  EXPECT_FALSE(view().canRedo);
  Restart();
  EXPECT_FALSE(view().canUndo);
}

TEST_F(GameMenuTest, SaveOpenedLaterIsThatGameInItsRoom) {
  PlayWalkthrough(20);
  const int room = screen->CurrentRoom();
  screen->SaveGameAs("Before the maze");
  ASSERT_TRUE(boxes.informed.empty());
  const std::string saved = testing::DumpStore(database->Handle());
  ASSERT_EQ(screen->SavedGamesList().size(), 1u);
  EXPECT_EQ(screen->SavedGamesList()[0].room, room);

  screen->OnUndo();
  screen->OnUndo();
  screen->OnWest();
  Restart();
  ASSERT_NE(testing::DumpStore(database->Handle()), saved);

  boxes.answers = {false};
  ASSERT_TRUE(screen->OpenSavedGame("Before the maze"));
  EXPECT_NE(testing::DumpStore(database->Handle()), saved);  // No keeps the game being played
  boxes.answers = {true};
  ASSERT_TRUE(screen->OpenSavedGame("Before the maze"));
  EXPECT_EQ(testing::DumpStore(database->Handle()), saved);
  EXPECT_EQ(screen->CurrentRoom(), room);
  EXPECT_TRUE(view().canUndo);
  EXPECT_FALSE(screen->OpenSavedGame("Never saved"));
  EXPECT_EQ(boxes.asked.size(), 2u);  // an unknown name asks nothing

  // Saving again under the same name asks before replacing it.
  boxes.answers = {false};
  screen->OnUndo();
  screen->SaveGameAs("Before the maze");
  boxes.answers = {true};
  ASSERT_TRUE(screen->OpenSavedGame("Before the maze"));
  EXPECT_EQ(testing::DumpStore(database->Handle()), saved);
}

// Plays lines on the screen, failing the test for a line it cannot play.
void Play(GameScreen& screen, GameDatabase& database, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) EXPECT_TRUE(testing::PlayLine(screen, database, line)) << line;
}

const std::vector<std::string> kLampAndLetter = {"press W", "verb Turn On the", "noun1 lamp", "press Action",
                                                 "verb Get the", "noun1 letter", "press Action"};

TEST_F(GameMenuTest, UndoAndRedoTellWhichActionTheyTookBackOrDidAgain) {
  Play(*screen, *database, kLampAndLetter);
  // Looking changes nothing, so it is no step of its own.
  Play(*screen, *database, {"verb Look at", "noun1 lamp", "press Action"});
  const unsigned told = view().toldRevision;
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer, "Taken back: Get the letter.");
  EXPECT_EQ(view().toldRevision, told + 1);
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer, "Taken back: Turn On the lamp.");
  screen->OnRedo();
  EXPECT_EQ(view().toldAnswer, "Done again: Turn On the lamp.");
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer, "Taken back: Turn On the lamp.");
  screen->OnRedo();
  screen->OnRedo();
  EXPECT_EQ(view().toldAnswer, "Done again: Get the letter.");
  // Nothing left to redo: nothing is told.
  screen->OnRedo();
  EXPECT_EQ(view().toldRevision, told + 6);
  // A step kept after undoing is told by its own words; the one undone before it is gone.
  screen->OnUndo();
  screen->OnUndo();
  Play(*screen, *database, {"verb Turn On the", "noun1 lamp", "press Action"});
  EXPECT_FALSE(view().canRedo);
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer, "Taken back: Turn On the lamp.");
}

TEST_F(GameMenuTest, AfterARestartUndoSaysTheStepBelongsToThePreviousSession) {
  Play(*screen, *database, kLampAndLetter);
  Play(*screen, *database, {"press E"});
  Restart();
  Play(*screen, *database, {"press W", "verb Look at", "noun1 lamp", "press Action"});
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer,
            "Taken back: an action from your previous session, in the room \u201cwest side of bedroom\u201d.");
  EXPECT_EQ(screen->CurrentRoom(), 2);
  // One of this session's own after it is told by its words, the earlier one still as earlier.
  Play(*screen, *database, {"verb Get the", "noun1 letter", "press Action"});
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer, "Taken back: Get the letter.");
  screen->OnUndo();
  EXPECT_NE(view().toldAnswer.find("from your previous session"), std::string::npos) << view().toldAnswer;
  screen->OnRedo();
  EXPECT_NE(view().toldAnswer.find("Done again: an action from your previous session"), std::string::npos)
      << view().toldAnswer;
  // A step taken back in the previous session and done again in this one is still an earlier one.
  screen->OnUndo();
  Restart();
  screen->OnRedo();
  EXPECT_NE(view().toldAnswer.find("Done again: an action from your previous session"), std::string::npos)
      << view().toldAnswer;
}

TEST_F(GameMenuTest, AnOpenedSavesStepsAreToldAsTheSavesAndANewWorldStartsANewPassage) {
  Play(*screen, *database, kLampAndLetter);
  ASSERT_TRUE(screen->SaveGameAs("Letter found"));
  const unsigned world = view().worldRevision;
  boxes.answers = {true};
  ASSERT_TRUE(screen->OpenSavedGame("Letter found"));
  EXPECT_EQ(view().worldRevision, world + 1);
  screen->OnUndo();
  EXPECT_EQ(view().toldAnswer,
            "Taken back: an action from the saved game \u201cLetter found\u201d, in the room "
            "\u201cwest side of bedroom\u201d.");
  boxes.answers = {true};
  screen->ResetGame();
  EXPECT_EQ(view().worldRevision, world + 2);
  EXPECT_FALSE(view().canUndo);
}

// The replay driver refuses what the Game menu does not offer, as it refuses a disabled button.
TEST(GameMenuReplay, NothingToUndoOrRedoAndAnUnknownSaveAreRefused) {
  const testing::ScratchFolder scratch;
  std::ofstream(scratch.File("script.txt")) << "start\npress Undo\npress Redo\nanswer yes\nload never saved\n";
  const std::filesystem::path driver = std::filesystem::read_symlink("/proc/self/exe").parent_path() /
                                       "brackenhollow-replay";
  const std::string command = "'" + driver.string() + "' --store '" + scratch.File("store.sqlite") + "' '" +
                              scratch.File("script.txt") + "' > '" + scratch.File("out.txt") + "' 2>/dev/null";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  std::ifstream out(scratch.File("out.txt"));
  std::vector<std::string> refusals;
  for (std::string line; std::getline(out, line);) {
    if (line.rfind("! ", 0) == 0) refusals.push_back(line);
  }
  EXPECT_EQ(refusals, (std::vector<std::string>{"! nothing to undo", "! nothing to redo",
                                                "! no saved game named never saved"}));
}

}  // namespace
}  // namespace brackenhollow
