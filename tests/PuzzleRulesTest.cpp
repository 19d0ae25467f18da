// Every puzzle played through the interpreter on a real world: it works under its verb, its nouns and
// in its room, and nowhere else; and the verbs' own rules (fallback answers, the lever's refusal, the
// dumbbell's weight) that the walkthrough alone would catch late or not at all.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "actions/ActionContext.h"
#include "actions/ActionInterpreter.h"
#include "actions/PuzzleRow.h"
#include "actions/Verbs.h"
#include "movement/RoomExits.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"
#include "world/PlacedObjects.h"
#include "world/StateReadings.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

// Some room other than this one.
int ElsewhereThan(int room) { return room == kFirstRoom ? kFirstRoom + 1 : kFirstRoom; }

// True when the row writes to the store when it succeeds (a row that only answers changes nothing).
bool ChangesTheWorld(const PuzzleRow& row) {
  for (const Effect& effect : row.effects) {
    switch (effect.kind) {
      case EffectKind::SetKey:
      case EffectKind::AddItem:
      case EffectKind::RemoveItem:
      case EffectKind::MarkGone:
      case EffectKind::PlaceObject:
      case EffectKind::SetDescription:
        return true;
      case EffectKind::Message:
      case EffectKind::PictureOn:
      case EffectKind::PictureOff:
      case EffectKind::ShowPicture:
        break;
    }
  }
  return false;
}

bool CanHold(const PuzzleRow& row) {
  for (const Check& check : row.checks) {
    if (check.kind == CheckKind::Never) return false;
  }
  return true;
}

class PuzzleRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  // Presses Action with the verb and nouns chosen, standing in room, through the context the game screen
  // and the hint search use; keeps what the action said and showed.
  ActionOutcome Act(const std::string& verb, const std::string& first, const std::string& second = " ") {
    ActionContext context(database, state, room, first, second, [this] { ++resets; });
    const ActionOutcome outcome = InterpretAction(verb, context);
    message = context.ActionMessage();
    picture = context.PictureFile();
    return outcome;
  }

  // Sets the world so that every check of row holds.
  void Satisfy(const PuzzleRow& row) {
    for (const Check& check : row.checks) {
      switch (check.kind) {
        case CheckKind::KeyIs:
          state.SetActionStatus(check.subject, check.value);
          break;
        case CheckKind::KeyIsNot:
          state.SetActionStatus(check.subject, check.value == "0" ? "1" : "0");
          break;
        case CheckKind::Carried:
          state.AddToInventory(check.subject);
          break;
        case CheckKind::Never:
          break;
      }
    }
  }

  // Sets the world so that the check fails.
  void Break(const Check& check) {
    switch (check.kind) {
      case CheckKind::KeyIs:
        state.SetActionStatus(check.subject, check.value == "0" ? "1" : "0");
        break;
      case CheckKind::KeyIsNot:
        state.SetActionStatus(check.subject, check.value);
        break;
      case CheckKind::Carried:
        state.RemoveFromInventory(check.subject);
        break;
      case CheckKind::Never:
        break;
    }
  }

  // Presses Action for row with every condition met, standing in room (the row's own unless told), and
  // tells whether the world changed.
  bool WorldChanges(const PuzzleRow& row) {
    const std::string before = testing::DumpWorld(database);
    Act(VerbOf(row.family).text, row.noun, row.otherNoun.empty() ? " " : row.otherNoun);
    return testing::DumpWorld(database) != before;
  }

  static std::string SuccessMessage(const PuzzleRow& row) {
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::Message) return effect.text;
    }
    return {};
  }

  std::string RoomText(int number) {
    GameRecordset query(database);
    if (!query.Open("SELECT NewDescr FROM Descriptions WHERE Roomnumber = " + std::to_string(number), kCursorForwardOnly,
                    kLockReadOnly)) {
      return "<not open>";
    }
    query.MoveFirst();
    return query.IsEOF() ? "<none>" : query.GetFieldText(0);
  }

  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameState state{database, boxes};
  int room = kFirstRoom;
  std::string message;
  std::string picture;
  int resets = 0;
};

// Each puzzle that can succeed does so under its verb and nouns in its room, and says its answer; one
// bound to a room does nothing of its own elsewhere ("Get the rat" while carrying it in the hallway must
// not hand over a second rat).
TEST_F(PuzzleRulesTest, EveryPuzzleWorksInItsRoomAndNowhereElse) {
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.effects.empty()) continue;  // a combination that only ever refuses
    const std::string verb = VerbOf(row.family).text;
    const std::string second = row.otherNoun.empty() ? " " : row.otherNoun;
    const std::string success = SuccessMessage(row);
    SCOPED_TRACE(verb + " " + row.noun + " " + row.otherNoun + " in room " + std::to_string(row.room));

    if (row.room != 0) {
      ASSERT_TRUE(BuildWorldDatabase(database));
      Satisfy(row);
      room = ElsewhereThan(row.room);
      Act(verb, row.noun, second);
      EXPECT_NE(message, success) << "the puzzle works outside its room";
    }

    ASSERT_TRUE(BuildWorldDatabase(database));
    Satisfy(row);
    room = row.room == 0 ? kFirstRoom : row.room;
    Act(verb, row.noun, second);
    EXPECT_EQ(message, success);
  }
}

// Every row of the puzzle tables, read as a rule: with all its conditions met in its room it changes the
// world, and while any one condition is unmet (a key, a carried item, the room) it changes nothing. A
// lever that works before the red ruby is placed, or a rat taken outside its room, fails here; a new
// row is covered as it is written.
TEST_F(PuzzleRulesTest, NoPuzzleChangesTheWorldWhileOneOfItsConditionsIsUnmet) {
  std::size_t conditionsBroken = 0;
  for (const PuzzleRow& row : PuzzleRows()) {
    if (!CanHold(row) || !ChangesTheWorld(row)) continue;
    const std::string verb = VerbOf(row.family).text;
    SCOPED_TRACE(verb + " " + row.noun + " " + row.otherNoun + " in room " + std::to_string(row.room));
    const int home = row.room == 0 ? kFirstRoom : row.room;

    ASSERT_TRUE(BuildWorldDatabase(database));
    Satisfy(row);
    room = home;
    EXPECT_TRUE(WorldChanges(row)) << "the puzzle does nothing with every condition met";

    for (std::size_t broken = 0; broken < row.checks.size(); ++broken) {
      const Check& check = row.checks[broken];
      ASSERT_TRUE(BuildWorldDatabase(database));
      Satisfy(row);
      Break(check);
      room = home;
      EXPECT_FALSE(WorldChanges(row)) << "it works without its condition on \"" << check.subject << '"';
      ++conditionsBroken;
    }

    if (row.room != 0) {
      ASSERT_TRUE(BuildWorldDatabase(database));
      Satisfy(row);
      room = ElsewhereThan(row.room);
      EXPECT_FALSE(WorldChanges(row)) << "it works in room " << room;
      ++conditionsBroken;
    }
  }
  EXPECT_GT(conditionsBroken, 50u);
}

TEST_F(PuzzleRulesTest, RatOutsideItsRoomIsNotTakenTwice) {
  state.SetActionStatus(key::kWearGlovesToPickUpRat, "1");
  state.AddToInventory(object::kRat);
  room = room::kHallwayOfMansion;
  Act(kVerbGet, object::kRat);
  GameRecordset query(database);
  ASSERT_TRUE(query.Open("SELECT count(*) FROM Inventory WHERE Items = 'rat'", kCursorForwardOnly, kLockReadOnly));
  query.MoveFirst();
  EXPECT_EQ(query.GetFieldText(0), "1");
}

// What each verb answers when no puzzle takes the choice, and that the answer alone is shown.
TEST_F(PuzzleRulesTest, VerbsWithoutAMatchingPuzzleGiveTheirOwnAnswer) {
  const std::map<std::string, std::string> expected = {
      {"Climb the", "Climbing the bed didn't help."},
      {"Move the", "You can't move the bed. It won't budge."},
      {"Pull the", "Pulling the bed doesn't do anything."},
      {"Read the", "You can't read the bed"},
      {"Search the", "Searching the bed didn't come up with anything."},
      {"Swim in the", "You can't swim in the bed"},
      {"Talk to", "You can't talk to the bed"},
      {"Turn On the", "Turning on the bed didn't do anything."},
      {kVerbUseWith, "Combining the bed and the mirror didn't do anything"},
      {"Wear the", "You can't wear the bed"},
  };
  std::size_t checked = 0;
  for (const Verb& verb : Verbs()) {
    if (verb.fallback == nullptr) continue;
    const ActionOutcome outcome = Act(verb.text, object::kBed, object::kMirror);
    // A verb added later needs no entry here: its own answer must name the noun.
    const auto known = expected.find(verb.text);
    if (known != expected.end()) {
      EXPECT_EQ(message, known->second);
      ++checked;
    }
    EXPECT_EQ(message, FallbackAnswer(verb, object::kBed, object::kMirror)) << verb.text;
    EXPECT_NE(message.find(object::kBed), std::string::npos) << verb.text;
    EXPECT_TRUE(outcome.messageOnly) << verb.text;
    EXPECT_FALSE(outcome.pictureFlag) << verb.text;
  }
  EXPECT_EQ(checked, expected.size()) << "a verb lost its answer when nothing matches";
  // A noun is shown as it stands, even when it looks like a placeholder.
  Act("Climb the", "%2 sign", "x");
  EXPECT_EQ(message, "Climbing the %2 sign didn't help.");
}

TEST_F(PuzzleRulesTest, EveryVerbOnTheListDoesSomething) {
  for (const Verb& verb : Verbs()) {
    ASSERT_TRUE(BuildWorldDatabase(database));
    room = room::kWestSideOfBedroom;
    Act(verb.text, object::kLamp, object::kBed);
    EXPECT_TRUE(!message.empty() || resets == 1) << verb.text;
    resets = 0;
  }
}

// Pulling the lever too early leaves the room view as it is: the chosen nouns stay chosen.
TEST_F(PuzzleRulesTest, LeverRefusalShowsOnlyTheMessage) {
  room = room::kEastWestTunnel;
  ActionOutcome outcome = Act("Pull the", object::kLever);
  EXPECT_TRUE(outcome.messageOnly);
  EXPECT_FALSE(outcome.pictureFlag);
  EXPECT_NE(message.find("It won't move."), std::string::npos);

  state.SetActionStatus(key::kUseGreenEmerald, "1");
  state.SetActionStatus(key::kUseRedRuby, "1");
  outcome = Act("Pull the", object::kLever);
  EXPECT_FALSE(outcome.messageOnly);
  EXPECT_TRUE(outcome.pictureFlag);
  outcome = Act("Pull the", object::kLever);
  EXPECT_TRUE(outcome.messageOnly);
  EXPECT_EQ(message, "The lever is already pulled");
}

// The dumbbell's weight is what lets the player cross the icy lake: picking it up rewrites the lake's
// text, and no other room's, and opens the way west.
TEST_F(PuzzleRulesTest, DumbbellWeighsThePlayerDownAtTheIcyLake) {
  std::map<int, std::string> before;
  for (int other = 1; other <= kRoomCount; ++other) before[other] = RoomText(other);
  room = room::kWeightRoomMirror;
  const ActionOutcome outcome = Act(kVerbGet, object::kDumbbell);
  EXPECT_EQ(message, "You picked up the dumbbell");
  EXPECT_TRUE(outcome.pictureFlag);
  EXPECT_EQ(state.IsInInventory(object::kDumbbell), "Y");
  for (int other = 1; other <= kRoomCount; ++other) {
    if (other == room::kEdgeOfIcyLake) continue;
    EXPECT_EQ(RoomText(other), before[other]) << "room " << other;
  }
  EXPECT_NE(RoomText(room::kEdgeOfIcyLake), before[room::kEdgeOfIcyLake]);
  EXPECT_NE(RoomText(room::kEdgeOfIcyLake).find("dumbbell"), std::string::npos);
  StateReadings readings(state);
  EXPECT_NE(OpenDirections(room::kEdgeOfIcyLake, readings) & kWest, 0u);
}

TEST_F(PuzzleRulesTest, GenericPickUpTakesOnlyWhatLiesHereAndCanBeTaken) {
  room = room::kJunkyard;
  Act(kVerbGet, object::kJunkPiles);
  EXPECT_EQ(message, "You can't get this item");
  Act(kVerbGet, object::kCrowbar);
  EXPECT_EQ(message, "You picked up the crowbar");
  Act(kVerbGet, object::kCrowbar);
  EXPECT_EQ(message, "You already have this item.");
  Act(kVerbLookAt, object::kCrowbar);
  EXPECT_NE(message.find("rusty"), std::string::npos);
}

TEST_F(PuzzleRulesTest, ResetIsAskedForEvenWithoutANoun) {
  Act(kVerbReset, " ");
  EXPECT_EQ(resets, 1);
  Act(kVerbReset, object::kBed);
  EXPECT_EQ(resets, 2);
}

}  // namespace
}  // namespace brackenhollow
