// The transcript beside the picture: which room texts and answers it adds, and the Graphic-button
// hints it leaves out.

#include <gtest/gtest.h>

#include "app/Transcript.h"

namespace brackenhollow {
namespace {

constexpr char kRoom[] = "You're in your bedroom.\r\n\r\nObjects in Room: lamp, letter";
constexpr char kEmptyRoom[] = "A bare room.\r\n\r\nObjects in Room";

TEST(SplitViewText, SeparatesRoomTextFromTheAnswerAfterTheObjectsLine) {
  EXPECT_EQ(SplitViewText(kRoom).roomText, kRoom);
  EXPECT_EQ(SplitViewText(kRoom).answer, "");
  const ViewTextParts parts = SplitViewText(std::string(kEmptyRoom) + "\r\n\r\nYou can't do that.\r\nReally.");
  EXPECT_EQ(parts.roomText, kEmptyRoom);
  EXPECT_EQ(parts.answer, "You can't do that.\r\nReally.");
  // A text without an objects line (the wait text of a reset) is all answer.
  EXPECT_EQ(SplitViewText("Please Wait.").answer, "Please Wait.");
  EXPECT_EQ(SplitViewText("Please Wait.").roomText, "");
}

TEST(WithoutGraphicHints, RemovesEveryWordingOfTheHintAndKeepsTheRest) {
  EXPECT_EQ(WithoutGraphicHints("You find gloves. (Click GRAPHIC button to view)"), "You find gloves.");
  EXPECT_EQ(WithoutGraphicHints("Eggs fall. (Click GRAPHIC to see the eggs.)"), "Eggs fall.");
  EXPECT_EQ(WithoutGraphicHints("It opens. (Click Graphic to view)"), "It opens.");
  EXPECT_EQ(WithoutGraphicHints("A toy. (Press the GRAPHIC button to view)"), "A toy.");
  EXPECT_EQ(WithoutGraphicHints("Light. (Push GRAPHIC to view) The boat sails."), "Light. The boat sails.");
  EXPECT_EQ(WithoutGraphicHints("Barriers rise. (Click GRAPHIC to view) Go west."), "Barriers rise. Go west.");
  // Other brackets stay.
  EXPECT_EQ(WithoutGraphicHints("A note (torn) lies here."), "A note (torn) lies here.");
}

std::vector<Transcript::Kind> Kinds(const std::vector<Transcript::Entry>& entries) {
  std::vector<Transcript::Kind> kinds;
  for (const Transcript::Entry& entry : entries) kinds.push_back(entry.kind);
  return kinds;
}

using Kind = Transcript::Kind;

TEST(SplitRoomText, SeparatesTheDescriptionFromTheObjectsLine) {
  EXPECT_EQ(SplitRoomText(kRoom).description, "You're in your bedroom.");
  EXPECT_EQ(SplitRoomText(kRoom).objectsLine, "Objects in Room: lamp, letter");
  EXPECT_EQ(SplitRoomText(kEmptyRoom).objectsLine, "Objects in Room");
  // A room without a description row starts with the blank line.
  EXPECT_EQ(SplitRoomText("\r\n\r\nObjects in Room").description, "");
}

TEST(Transcript, AddsARoomTextOnceAndEveryAnswerEvenARepeatedOne) {
  Transcript transcript;
  auto added = transcript.Record(1, kRoom, false);
  ASSERT_EQ(Kinds(added), std::vector<Kind>{Kind::Room});
  // Choosing another verb writes the same text again: nothing new for the player.
  EXPECT_TRUE(transcript.Record(1, kRoom, false).empty());
  const std::string answered = std::string(kRoom) + "\r\n\r\nIt's a lamp.";
  for (int time = 0; time < 2; ++time) {
    added = transcript.Record(1, answered, true);
    ASSERT_EQ(Kinds(added), std::vector<Kind>{Kind::Answer});
    EXPECT_EQ(added[0].text, "It's a lamp.");
  }
  // The same text after a verb change keeps its old answer out.
  EXPECT_TRUE(transcript.Record(1, answered, false).empty());
}

TEST(Transcript, TakingAnObjectAddsTheAnswerThenOnlyTheNewObjectsLineNotTheWholeRoomAgain) {
  Transcript transcript;
  transcript.Record(2, kRoom, false);
  const auto added = transcript.Record(2, "You're in your bedroom.\r\n\r\nObjects in Room: lamp\r\n\r\nTaken.", true);
  ASSERT_EQ(Kinds(added), (std::vector<Kind>{Kind::Answer, Kind::Objects}));
  EXPECT_EQ(added[0].text, "Taken.");
  EXPECT_EQ(added[1].text, "Objects in Room: lamp");
}

TEST(Transcript, AChangedDescriptionFollowsTheAnswerThatChangedIt) {
  Transcript transcript;
  transcript.Record(2, kRoom, false);
  const auto added = transcript.Record(2, "The lamp is on.\r\n\r\nObjects in Room: lamp, letter\r\n\r\nClick.", true);
  ASSERT_EQ(Kinds(added), (std::vector<Kind>{Kind::Answer, Kind::Room}));
  EXPECT_EQ(added[1].text, "The lamp is on.\r\n\r\nObjects in Room: lamp, letter");
}

TEST(Transcript, EnteringARoomShowsItsTextFirstEvenWhenItReadsAsTheLastRoomDid) {
  Transcript transcript;
  transcript.Record(18, kEmptyRoom, false);
  // The cornfield's rooms read alike; walking into the next is still a new room.
  EXPECT_EQ(Kinds(transcript.Record(19, kEmptyRoom, false)), std::vector<Kind>{Kind::Room});
  // An undo that brings the player back tells the room first, then what it took back.
  const auto added = transcript.Record(18, kRoom, false, "Taken back: Get the lamp.");
  ASSERT_EQ(Kinds(added), (std::vector<Kind>{Kind::Room, Kind::Answer}));
  EXPECT_EQ(added[1].text, "Taken back: Get the lamp.");
  // A told answer in the same room stands alone; an action's own answer is not taken from the text
  // unless the handler was an action.
  EXPECT_EQ(Kinds(transcript.Record(18, kRoom, false, "Done again: Get the lamp.")), std::vector<Kind>{Kind::Answer});
  EXPECT_TRUE(transcript.Record(18, std::string(kRoom) + "\r\n\r\nOld answer.", false).empty());
  // A new game shows its first room again even when the player stood there.
  transcript.Restart();
  EXPECT_EQ(Kinds(transcript.Record(18, kRoom, false)), std::vector<Kind>{Kind::Room});
}

TEST(Transcript, TheResetWaitTextIsNoAnswer) {
  Transcript transcript;
  transcript.Record(1, kRoom, false);
  EXPECT_TRUE(transcript.Record(1, "Please Wait. Recreating the Database.", false).empty());
  // A room text with an empty answer (a reset answered No) adds nothing either.
  EXPECT_TRUE(transcript.Record(1, std::string(kRoom) + "\r\n\r\n", true).empty());
}

}  // namespace
}  // namespace brackenhollow
