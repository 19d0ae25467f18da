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
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

// The game screen as the interpreter sees it: a room, two chosen nouns, and what it was told.
class ChoiceContext : public ActionContext {
 public:
  ChoiceContext(GameDatabase& database, GameState& state) : m_database(database), m_state(state) {}

  GameDatabase& Database() override { return m_database; }
  GameState& State() override { return m_state; }
  int CurrentRoom() const override { return room; }
  std::string IsPairSelected(const std::string& a, const std::string& b) override {
    return PairAnswer(noun1, noun2, a, b);
  }
  std::string IsPairSelectedInRoom(const std::string& a, const std::string& b, int inRoom) override {
    return room == inRoom ? IsPairSelected(a, b) : "N";
  }
  void SetActionMessage(const std::string& text) override { message = text; }
  void SetPictureFile(const std::string& name) override { picture = name; }
  void ResetGame() override { ++resets; }

  ActionOutcome Act(const std::string& verb, const std::string& first, const std::string& second = " ") {
    noun1 = first;
    noun2 = second;
    message.clear();
    return InterpretAction(verb, noun1, noun2, *this);
  }

  int room = kFirstRoom;
  std::string noun1;
  std::string noun2;
  std::string message;
  std::string picture;
  int resets = 0;

 private:
  GameDatabase& m_database;
  GameState& m_state;
};

class PuzzleRulesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

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

  static std::string SuccessMessage(const PuzzleRow& row) {
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::Message) return effect.text;
    }
    return {};
  }

  std::string RoomText(int room) {
    GameRecordset query(database);
    if (!query.Open("SELECT NewDescr FROM Descriptions WHERE Roomnumber = " + std::to_string(room), kCursorForwardOnly,
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
  ChoiceContext context{database, state};
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
      context.room = row.room == kLastRoom ? row.room - 1 : row.room + 1;
      context.Act(verb, row.noun, second);
      EXPECT_NE(context.message, success) << "the puzzle works outside its room";
    }

    ASSERT_TRUE(BuildWorldDatabase(database));
    Satisfy(row);
    context.room = row.room == 0 ? kFirstRoom : row.room;
    context.Act(verb, row.noun, second);
    EXPECT_EQ(context.message, success);
  }
}

TEST_F(PuzzleRulesTest, RatOutsideItsRoomIsNotTakenTwice) {
  state.SetActionStatus(key::kWearGlovesToPickUpRat, "1");
  state.AddToInventory(object::kRat);
  context.room = 57;
  context.Act(kVerbGet, object::kRat);
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
  std::size_t withFallback = 0;
  for (const Verb& verb : Verbs()) {
    if (verb.fallback == nullptr) continue;
    ++withFallback;
    const ActionOutcome outcome = context.Act(verb.text, object::kBed, object::kMirror);
    ASSERT_TRUE(expected.count(verb.text)) << verb.text;
    EXPECT_EQ(context.message, expected.at(verb.text));
    EXPECT_TRUE(outcome.messageOnly) << verb.text;
    EXPECT_FALSE(outcome.pictureFlag) << verb.text;
  }
  EXPECT_EQ(withFallback, expected.size());
  // A noun is shown as it stands, even when it looks like a placeholder.
  context.Act("Climb the", "%2 sign", "x");
  EXPECT_EQ(context.message, "Climbing the %2 sign didn't help.");
}

TEST_F(PuzzleRulesTest, EveryVerbOnTheListDoesSomething) {
  for (const Verb& verb : Verbs()) {
    ASSERT_TRUE(BuildWorldDatabase(database));
    context.room = 2;
    context.Act(verb.text, object::kLamp, object::kBed);
    EXPECT_TRUE(!context.message.empty() || context.resets == 1) << verb.text;
    context.resets = 0;
  }
}

// Pulling the lever too early leaves the room view as it is: the chosen nouns stay chosen.
TEST_F(PuzzleRulesTest, LeverRefusalShowsOnlyTheMessage) {
  context.room = 133;
  ActionOutcome outcome = context.Act("Pull the", object::kLever);
  EXPECT_TRUE(outcome.messageOnly);
  EXPECT_FALSE(outcome.pictureFlag);
  EXPECT_NE(context.message.find("It won't move."), std::string::npos);

  state.SetActionStatus(key::kUseGreenEmerald, "1");
  state.SetActionStatus(key::kUseRedRuby, "1");
  outcome = context.Act("Pull the", object::kLever);
  EXPECT_FALSE(outcome.messageOnly);
  EXPECT_TRUE(outcome.pictureFlag);
  outcome = context.Act("Pull the", object::kLever);
  EXPECT_TRUE(outcome.messageOnly);
  EXPECT_EQ(context.message, "The lever is already pulled");
}

// The dumbbell's weight is what lets the player cross the icy lake: picking it up rewrites the lake's
// text, and no other room's, and opens the way west.
TEST_F(PuzzleRulesTest, DumbbellWeighsThePlayerDownAtTheIcyLake) {
  std::map<int, std::string> before;
  for (int room = kFirstRoom; room <= kLastRoom; ++room) before[room] = RoomText(room);
  context.room = 101;
  const ActionOutcome outcome = context.Act(kVerbGet, object::kDumbbell);
  EXPECT_EQ(context.message, "You picked up the dumbbell");
  EXPECT_TRUE(outcome.pictureFlag);
  EXPECT_EQ(state.IsInInventory(object::kDumbbell), "Y");
  for (int room = kFirstRoom; room <= kLastRoom; ++room) {
    if (room == 126) continue;
    EXPECT_EQ(RoomText(room), before[room]) << "room " << room;
  }
  EXPECT_NE(RoomText(126), before[126]);
  EXPECT_NE(RoomText(126).find("dumbbell"), std::string::npos);
  StateReadings readings(state);
  EXPECT_NE(OpenDirections(126, readings) & kWest, 0u);
}

TEST_F(PuzzleRulesTest, GenericPickUpTakesOnlyWhatLiesHereAndCanBeTaken) {
  context.room = 47;
  context.Act(kVerbGet, object::kJunkPiles);
  EXPECT_EQ(context.message, "You can't get this item");
  context.Act(kVerbGet, object::kCrowbar);
  EXPECT_EQ(context.message, "You picked up the crowbar");
  context.Act(kVerbGet, object::kCrowbar);
  EXPECT_EQ(context.message, "You already have this item.");
  context.Act(kVerbLookAt, object::kCrowbar);
  EXPECT_NE(context.message.find("rusty"), std::string::npos);
}

TEST_F(PuzzleRulesTest, ResetIsAskedForEvenWithoutANoun) {
  context.Act(kVerbReset, " ");
  EXPECT_EQ(context.resets, 1);
  context.Act(kVerbReset, object::kBed);
  EXPECT_EQ(context.resets, 2);
}

}  // namespace
}  // namespace brackenhollow
