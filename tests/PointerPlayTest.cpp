// Playing by pointer on the game screen's logic: a pointed thing is chosen in the lists exactly as a
// player choosing it there would, pairs fill in order, a double click looks at once, a menu verb acts
// at once, and a way out walks only when its button is open. Only what the room offers can be pointed at.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/GameScreen.h"
#include "app/PointerPlay.h"
#include "store/GameDatabase.h"
#include "tests/TestSupport.h"
#include "view/RoomView.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

Hotspot Thing(const std::string& name) { return {name, 0, {10, 10, 30, 30}, {20, 20}, {{10, 10}, {40, 10}, {40, 40}}}; }
Hotspot Way(char direction) { return {"", direction, {50, 10, 30, 30}, {60, 20}, {{50, 10}, {80, 10}, {80, 40}}}; }

class PointerPlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    screen.State().SaveCurrentRoom(2);  // the lamp; ways north and east open, west closed
    screen.PrepareStart();
    screen.EnterGame(kStartChosen);
  }

  const ScreenState& view() const { return screen.Screen(); }
  std::string First() const { return view().noun1.SelectedText(); }
  std::string Second() const { return view().noun2.SelectedText(); }

  // Turns the lamp on and picks up the letter it shows, so one thing is carried.
  void CarryTheLetter() {
    ASSERT_TRUE(pointer.Perform("Turn On the", "lamp", Held::InRoom));
    ASSERT_TRUE(pointer.Perform("Get the", "letter", Held::InRoom));
    ASSERT_EQ(CarriedThings(view().noun1), std::vector<std::string>{"letter"});
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameScreen screen{database, boxes, "/nowhere/"};
  PointerPlay pointer{screen};
};

TEST_F(PointerPlayTest, OnlyThingsTheRoomOffersArePointedAtAndClosedWaysAreMarkedClosed) {
  HotspotMap map;
  map.hotspots = {Thing("lamp"), Thing("bed"), Way('N'), Way('W')};
  const std::vector<PointerTarget> targets = pointer.Targets(map);
  ASSERT_EQ(targets.size(), 3U) << "the bed lies in another room";
  EXPECT_EQ(targets[0].hotspot.object, "lamp");
  EXPECT_TRUE(targets[1].open);
  EXPECT_EQ(targets[2].hotspot.way, 'W');
  EXPECT_FALSE(targets[2].open);
  EXPECT_FALSE(targets[0].chosen);
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_TRUE(pointer.Targets(map)[0].chosen);
}

TEST_F(PointerPlayTest, TheRoomsUnmarkedWaysAreAddedAtThePicturesEdgeAndNoneItLacks) {
  HotspotMap map;
  map.width = 596;
  map.height = 408;
  map.hotspots = {Way('N')};
  const std::vector<PointerTarget> targets = pointer.Targets(map);
  // The west side of the bedroom looks north: the bed, east, on the right; it has no way west.
  ASSERT_EQ(targets.size(), 2U);
  const auto east = std::find_if(targets.begin(), targets.end(), [](const PointerTarget& target) { return target.hotspot.way == 'E'; });
  ASSERT_NE(east, targets.end());
  EXPECT_EQ(east->side, ViewSide::Right);
  EXPECT_TRUE(east->open);
  EXPECT_EQ(east->hotspot.box.x + east->hotspot.box.width, map.width);
  ASSERT_TRUE(pointer.Walk('E'));
  EXPECT_EQ(screen.CurrentRoom(), 1);
}

TEST_F(PointerPlayTest, TheRoomsThingsNoHotspotShowsAreTheUnseenOnesAndCarriedThingsAreNotAmongThem) {
  HotspotMap map;
  map.hotspots = {Way('N')};
  EXPECT_EQ(UnseenThings(view().noun1, pointer.Targets(map)), std::vector<std::string>{"lamp"});
  map.hotspots.push_back(Thing("lamp"));
  EXPECT_TRUE(UnseenThings(view().noun1, pointer.Targets(map)).empty());
  CarryTheLetter();
  map.hotspots = {};
  EXPECT_EQ(UnseenThings(view().noun1, pointer.Targets(map)), std::vector<std::string>{"lamp"});
}

TEST_F(PointerPlayTest, AThingTakenWhileThePictureStillShowsItsLikeIsChosenAmongTheCarried) {
  CarryTheLetter();
  HotspotMap map;
  map.hotspots = {Thing("letter")};
  ASSERT_EQ(pointer.Targets(map).size(), 1U);
  EXPECT_EQ(pointer.InPicture("letter"), Held::Carried);
  EXPECT_EQ(pointer.InPicture("lamp"), Held::InRoom);
  ASSERT_TRUE(pointer.Choose("letter", pointer.InPicture("letter")));
  EXPECT_EQ(view().noun1.selected, EntryIndex(view().noun1, "letter", Held::Carried));
}

TEST_F(PointerPlayTest, AClickChoosesTheThingInFirstObjectAndNothingElseChanges) {
  const std::string text = view().viewText;
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_EQ(First(), "lamp");
  EXPECT_EQ(view().noun1.selected, view().noun1.IndexOf("lamp"));
  EXPECT_EQ(view().viewText, text);
  // A name the list does not offer, or offers only in the other section, changes nothing.
  EXPECT_FALSE(pointer.Choose("bed", Held::InRoom));
  EXPECT_FALSE(pointer.Choose("lamp", Held::Carried));
  EXPECT_FALSE(pointer.Choose(kObjectsHeader, Held::InRoom));
  EXPECT_EQ(First(), "lamp");
}

TEST_F(PointerPlayTest, WithAVerbOfTwoThingsClicksFillFirstThenSecondThenStartANewPair) {
  CarryTheLetter();
  ASSERT_TRUE(pointer.ChooseVerb("Use the __ with the __"));
  ASSERT_TRUE(pointer.Choose("letter", Held::Carried));
  EXPECT_EQ(First(), "letter");
  EXPECT_EQ(Second(), kBlankEntry);
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_EQ(First(), "letter");
  EXPECT_EQ(Second(), "lamp");
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_EQ(First(), "lamp");
  EXPECT_EQ(Second(), kBlankEntry);
  // With a verb of one thing every click replaces the first.
  ASSERT_TRUE(pointer.ChooseVerb("Look at"));
  ASSERT_TRUE(pointer.Choose("letter", Held::Carried));
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_EQ(First(), "lamp");
}

TEST_F(PointerPlayTest, AVerbButtonStartsANewSentenceWithItsThingsStillToChoose) {
  CarryTheLetter();
  ASSERT_TRUE(pointer.ChooseVerb("Use the __ with the __"));
  ASSERT_TRUE(pointer.Choose("letter", Held::Carried));
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  ASSERT_TRUE(pointer.StartSentence(view().verbs.IndexOf("Use the __ with the __")));
  EXPECT_EQ(First(), kBlankEntry);
  EXPECT_EQ(Second(), kBlankEntry);
  ASSERT_TRUE(pointer.Choose("lamp", Held::InRoom));
  EXPECT_EQ(First(), "lamp") << "the first click fills the first thing again";
  EXPECT_FALSE(pointer.StartSentence(99));
  EXPECT_EQ(First(), "lamp");
}

TEST_F(PointerPlayTest, ADoubleClickLooksAtTheThingAtOnce) {
  ASSERT_TRUE(pointer.ChooseVerb("Pull the"));
  ASSERT_TRUE(pointer.LookAt("lamp", Held::InRoom));
  EXPECT_EQ(view().verbs.SelectedText(), "Look at");
  const std::string answer = "The lamp has an easy on and off switch.";
  ASSERT_GE(view().viewText.size(), answer.size());
  EXPECT_EQ(view().viewText.substr(view().viewText.size() - answer.size()), answer);
  EXPECT_FALSE(pointer.LookAt("bed", Held::InRoom));
}

TEST_F(PointerPlayTest, AMenuVerbActsAtOnceAndAPairTakesItsSecondFromEitherSection) {
  ASSERT_TRUE(pointer.Perform("Turn On the", "lamp", Held::InRoom));
  EXPECT_EQ(screen.State().GetActionStatus("Lamp On Room 1"), "1");
  ASSERT_TRUE(pointer.Perform("Get the", "letter", Held::InRoom));
  ASSERT_TRUE(pointer.Perform("Use the __ with the __", "letter", Held::Carried, "lamp"));
  EXPECT_EQ(First(), "letter");
  EXPECT_EQ(Second(), "lamp");
  const std::string text = view().viewText;
  EXPECT_FALSE(pointer.Perform("Use the __ with the __", "letter", Held::Carried, "bed"));
  EXPECT_FALSE(pointer.Perform("RESET", "letter", Held::Carried));
  EXPECT_EQ(view().viewText, text);
}

TEST_F(PointerPlayTest, AWayOutWalksWhenOpenAndAClosedOneStaysShutAsItsButtonDoes) {
  EXPECT_FALSE(pointer.Walk('W'));
  EXPECT_EQ(screen.CurrentRoom(), 2);
  EXPECT_FALSE(pointer.Walk('x'));
  ASSERT_TRUE(pointer.Walk('E'));
  EXPECT_EQ(screen.CurrentRoom(), 1);
}

TEST_F(PointerPlayTest, AClickBesideTheThingsOfACloseUpGoesBackToTheRoomsPicture) {
  screen.State().SaveCurrentRoom(room::kCloseToDresser);
  screen.EnterGame(kStartChosen);
  const std::string room = view().pictureFile;
  EXPECT_FALSE(pointer.ShowsCloseUp());
  EXPECT_FALSE(pointer.LeaveCloseUp());
  // Searching the dresser shows the open drawer as a close-up.
  ASSERT_TRUE(pointer.Perform("Search the", "dresser", Held::InRoom));
  EXPECT_TRUE(pointer.ShowsCloseUp());
  ASSERT_TRUE(pointer.LeaveCloseUp());
  EXPECT_EQ(view().pictureFile, room);
  EXPECT_EQ(screen.CurrentRoom(), room::kCloseToDresser);
}

TEST_F(PointerPlayTest, TheMenuOffersEveryVerbOfTheTableThatTakesAThing) {
  const std::vector<std::string> verbs = ThingVerbs();
  EXPECT_EQ(verbs.size(), view().verbs.entries.size() - 1);
  EXPECT_EQ(std::find(verbs.begin(), verbs.end(), "RESET THE GAME"), verbs.end());
  EXPECT_NE(std::find(verbs.begin(), verbs.end(), "Use the __ with the __"), verbs.end());
}


TEST_F(PointerPlayTest, ACloseUpGetsNoEdgeWaysSoAClickBesideItsThingsGoesBackToTheRoom) {
  screen.State().SaveCurrentRoom(room::kCloseToDresser);
  screen.EnterGame(kStartChosen);
  HotspotMap map;
  map.width = 596;
  map.height = 408;
  const auto ways = [&] {
    const std::vector<PointerTarget> targets = pointer.Targets(map);
    return std::count_if(targets.begin(), targets.end(), [](const PointerTarget& target) { return target.hotspot.IsWay(); });
  };
  ASSERT_EQ(ways(), 1) << "the room's own picture has its way east at an edge";
  ASSERT_TRUE(pointer.Perform("Search the", "dresser", Held::InRoom));
  ASSERT_TRUE(pointer.ShowsCloseUp());
  EXPECT_EQ(ways(), 0) << "a click beside the drawer would walk away instead of going back";
}

}  // namespace
}  // namespace brackenhollow
