// The game screen's rules, driven through its handlers on a real world: start-up, the verb rule,
// moves and view modes, and the closing rules of the Action button that are easy to get wrong.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/GameScreen.h"
#include "store/GameDatabase.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

constexpr char kProgramDirectory[] = "/opt/brackenhollow/";

class GameScreenTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  // Starts the game as the dialog does, in the saved room.
  void StartIn(int room) {
    screen.State().SaveCurrentRoom(room);
    screen.PrepareStart();
    screen.EnterGame(kStartChosen);
  }

  void Act(const std::string& verb, const std::string& noun1, const std::string& noun2 = " ") {
    ASSERT_TRUE(screen.ChooseVerb(view().verbs.IndexOf(verb))) << verb;
    ASSERT_TRUE(screen.ChooseNoun1(view().noun1.IndexOf(noun1))) << noun1;
    if (view().IsEnabled(Control::Noun2List)) {
      ASSERT_TRUE(screen.ChooseNoun2(view().noun2.IndexOf(noun2))) << noun2;
    }
    screen.OnAction();
  }

  const ScreenState& view() const { return screen.Screen(); }

  std::string Directions() const {
    std::string text;
    for (auto [control, name] : {std::pair{Control::North, "N"}, {Control::South, "S"}, {Control::East, "E"},
                                 {Control::West, "W"}}) {
      if (view().IsEnabled(control)) text += name;
    }
    return text;
  }

  bool TextEndsWith(const std::string& ending) const {
    return view().viewText.size() >= ending.size() &&
           view().viewText.compare(view().viewText.size() - ending.size(), ending.size(), ending) == 0;
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameScreen screen{database, boxes, kProgramDirectory};
};

TEST_F(GameScreenTest, StartShowsTheSavedRoomInGraphicView) {
  StartIn(1);
  EXPECT_EQ(screen.CurrentRoom(), 1);
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\bedroom1.gif");
  EXPECT_EQ(Directions(), "EW");
  EXPECT_EQ(view().verbs.SelectedText(), "Climb the");
  EXPECT_FALSE(view().IsEnabled(Control::Noun2List));
  EXPECT_TRUE(view().pictureShown);
  EXPECT_EQ(view().toggleCaption, "Text");
  EXPECT_EQ(view().noun1.entries,
            (std::vector<std::string>{" ", "OBJECTS IN ROOM -------", "bed", "INVENTORY ITEMS -------"}));
  EXPECT_FALSE(view().closeRequested);
}

TEST_F(GameScreenTest, SavedRoomIsReadAsPercentIAndOutOfRangeFallsBackToTheBedroom) {
  // Text the column cannot turn into a number is parsed as "%i" parses it: hexadecimal here.
  ASSERT_TRUE(database.Execute("UPDATE currentroom SET room = '0x1F'"));
  screen.PrepareStart();
  screen.EnterGame(kStartChosen);
  EXPECT_EQ(screen.CurrentRoom(), 31);

  GameScreen again(database, boxes, kProgramDirectory);
  again.State().SaveCurrentRoom(999);
  again.PrepareStart();
  again.EnterGame(kStartChosen);
  EXPECT_EQ(again.CurrentRoom(), 1);
  EXPECT_EQ(again.Screen().pictureFile, std::string(kProgramDirectory) + "\\bedroom1.gif");
}

TEST_F(GameScreenTest, LeavingFromTheStartDialogClosesTheScreen) {
  screen.PrepareStart();
  screen.EnterGame("Y");
  EXPECT_TRUE(view().closeRequested);
}

TEST_F(GameScreenTest, SecondNounListFollowsTheVerb) {
  StartIn(1);
  ASSERT_TRUE(screen.ChooseVerb(view().verbs.IndexOf("Use the __ with the __")));
  EXPECT_TRUE(view().IsEnabled(Control::Noun2List));
  ASSERT_TRUE(screen.ChooseNoun2(view().noun2.IndexOf("bed")));
  ASSERT_TRUE(screen.ChooseVerb(view().verbs.IndexOf("Look at")));
  EXPECT_FALSE(view().IsEnabled(Control::Noun2List));
  EXPECT_EQ(view().noun2.SelectedText(), " ");
  EXPECT_FALSE(screen.ChooseNoun2(2));
}

TEST_F(GameScreenTest, MovesKeepTheViewModeAndStillSetThePicture) {
  StartIn(1);
  screen.OnTextGraphic();
  EXPECT_FALSE(view().pictureShown);
  EXPECT_EQ(view().toggleCaption, "Graphic");
  screen.OnEast();
  EXPECT_EQ(screen.CurrentRoom(), 9);
  EXPECT_FALSE(view().pictureShown);
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\eastside move mirror not yet.gif");
  EXPECT_EQ(Directions(), "W");
  screen.OnTextGraphic();
  EXPECT_TRUE(view().pictureShown);
  EXPECT_EQ(view().toggleCaption, "Text");
  screen.OnNorth();  // disabled in room 9: nothing happens
  EXPECT_EQ(screen.CurrentRoom(), 9);
}

TEST_F(GameScreenTest, IncompleteChoiceKeepsSelectionsAndDirections) {
  StartIn(1);
  ASSERT_TRUE(screen.ChooseVerb(view().verbs.IndexOf("Look at")));
  screen.OnAction();
  EXPECT_TRUE(TextEndsWith("\r\n\r\nYou must enter an action and at least one noun."));
  EXPECT_EQ(view().verbs.SelectedText(), "Look at");
  EXPECT_EQ(Directions(), "EW");
  EXPECT_EQ(view().toggleCaption, "Graphic");
  EXPECT_FALSE(view().pictureShown);
}

TEST_F(GameScreenTest, HeaderRuleReplacesTheHandlersAnswer) {
  StartIn(1);
  const std::string before = testing::DumpWorld(database);
  Act("Get the", "OBJECTS IN ROOM -------");
  EXPECT_TRUE(TextEndsWith("You can't choose OBJECTS IN ROOM or INVENTORY ITEMS"));
  Act("Use the __ with the __", "bed", "INVENTORY ITEMS -------");
  EXPECT_TRUE(TextEndsWith("You can't choose OBJECTS IN ROOM or INVENTORY ITEMS"));
  EXPECT_EQ(testing::DumpWorld(database), before);
}

TEST_F(GameScreenTest, MessageOnlyOutcomeKeepsTheChosenNouns) {
  StartIn(1);
  Act("Talk to", "bed");
  EXPECT_TRUE(TextEndsWith("You can't talk to the bed"));
  EXPECT_EQ(view().noun1.SelectedText(), "bed");
  // Any other outcome rebuilds the lists on their blank entry.
  Act("Look at", "bed");
  EXPECT_TRUE(TextEndsWith("My bed looks slept in. I never make my bed so it always looks slept in."));
  EXPECT_EQ(view().noun1.SelectedText(), " ");
}

TEST_F(GameScreenTest, CarriedRabbitStaysChosenBesideTheRabbitHole) {
  screen.State().AddToInventory("rabbit");
  StartIn(122);
  Act("Talk to", "rabbit");
  EXPECT_EQ(view().noun1.SelectedText(), "rabbit");
}

TEST_F(GameScreenTest, ActionOpensADirectionOnlyThroughTheRoomPicture) {
  StartIn(2);
  Act("Turn On the", "lamp");
  Act("Get the", "letter");
  screen.OnEast();
  ASSERT_EQ(Directions(), "EW");
  Act("Look at", "letter");  // refreshes the view only: the south door stays shut
  EXPECT_EQ(Directions(), "EW");
  Act("Read the", "letter");  // the picture is chosen anew: now it opens
  EXPECT_EQ(Directions(), "SEW");
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\bedroom100.gif");
}

TEST_F(GameScreenTest, ResetAnsweredNoChangesNoTable) {
  StartIn(2);
  Act("Turn On the", "lamp");
  const std::string before = testing::DumpWorld(database);
  boxes.answers = {false};
  Act("RESET THE GAME", " ");
  EXPECT_EQ(boxes.asked.size(), 1u);
  EXPECT_EQ(testing::DumpWorld(database), before);
  EXPECT_EQ(screen.CurrentRoom(), 2);
  EXPECT_EQ(Directions(), "NE");
}

TEST_F(GameScreenTest, ResetAnsweredYesGivesTheStartingWorldWithRoomOnesExits) {
  screen.State().SetActionStatus("read the letter", "1");
  screen.State().AddToInventory("rope");
  StartIn(3);
  ASSERT_EQ(Directions(), "NSEW");
  boxes.answers = {true};
  Act("RESET THE GAME", "OBJECTS IN ROOM -------");
  EXPECT_EQ(screen.CurrentRoom(), 1);
  EXPECT_EQ(Directions(), "EW");
  EXPECT_EQ(view().verbs.SelectedText(), "RESET THE GAME");
  EXPECT_EQ(screen.State().GetActionStatus("read the letter"), "0");
  EXPECT_EQ(screen.State().IsInInventory("rope"), "N");
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\bedroom1.gif");
  EXPECT_FALSE(view().pictureShown);
}

TEST_F(GameScreenTest, UseWithNeedsTwoNounsAndTakesThemInEitherOrder) {
  screen.State().AddToInventory("coin");
  StartIn(15);
  Act("Use the __ with the __", "coin");
  EXPECT_TRUE(TextEndsWith("you must select 2 objects to combine."));
  EXPECT_EQ(view().noun1.SelectedText(), "coin");
  EXPECT_TRUE(view().IsEnabled(Control::Noun2List));
  Act("Use the __ with the __", "slot", "coin");
  EXPECT_EQ(screen.State().GetActionStatus("use coin from well to pay toolboth"), "1");
  EXPECT_EQ(screen.State().IsInInventory("coin"), "N");
  EXPECT_EQ(Directions(), "NSW");
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\tollboothopen.gif");
}

TEST_F(GameScreenTest, RoomBoundPairElsewhereGivesTheFallback) {
  // Both halves of the tollbooth's pair carried, but in the bedroom.
  screen.State().AddToInventory("coin");
  screen.State().AddToInventory("slot");
  StartIn(1);
  Act("Use the __ with the __", "slot", "coin");
  EXPECT_TRUE(TextEndsWith("Combining the slot and the coin didn't do anything"));
  EXPECT_EQ(screen.State().GetActionStatus("use coin from well to pay toolboth"), "0");
  EXPECT_EQ(screen.State().IsInInventory("coin"), "Y");
  Act("Use the __ with the __", "coin", "coin");
  EXPECT_TRUE(TextEndsWith("Combining the coin and the coin didn't do anything"));
  EXPECT_EQ(Directions(), "EW");
}

TEST_F(GameScreenTest, CloseUpStaysOnTheHiddenPictureUntilTheToggle) {
  StartIn(113);
  Act("Search the", "trash can");
  EXPECT_EQ(view().toggleCaption, "Graphic");
  EXPECT_FALSE(view().pictureShown);
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\alleywithtrashcaninside.gif");
  screen.OnTextGraphic();
  EXPECT_TRUE(view().pictureShown);
  EXPECT_EQ(view().pictureFile, std::string(kProgramDirectory) + "\\alleywithtrashcaninside.gif");
  Act("Search the", "trash can");
  EXPECT_TRUE(TextEndsWith("You're already looking right into the trash can"));
}

TEST_F(GameScreenTest, ExitSavesTheRoom) {
  StartIn(1);
  screen.OnEast();
  screen.OnExit();
  EXPECT_TRUE(view().closeRequested);
  EXPECT_EQ(screen.State().ReadSavedRoom(), "9");
}

}  // namespace
}  // namespace brackenhollow
