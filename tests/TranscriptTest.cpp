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

TEST(Transcript, AddsARoomTextOnceAndEveryAnswerEvenARepeatedOne) {
  Transcript transcript;
  auto added = transcript.Record(kRoom, false);
  ASSERT_EQ(added.size(), 1U);
  EXPECT_EQ(added[0].kind, Transcript::Kind::Room);
  // Choosing another verb writes the same text again: nothing new for the player.
  EXPECT_TRUE(transcript.Record(kRoom, false).empty());
  const std::string answered = std::string(kRoom) + "\r\n\r\nIt's a lamp.";
  for (int time = 0; time < 2; ++time) {
    added = transcript.Record(answered, true);
    ASSERT_EQ(added.size(), 1U);
    EXPECT_EQ(added[0].kind, Transcript::Kind::Answer);
    EXPECT_EQ(added[0].text, "It's a lamp.");
  }
  // The same text after a verb change keeps its old answer out.
  EXPECT_TRUE(transcript.Record(answered, false).empty());
}

TEST(Transcript, AnActionThatChangesTheRoomAddsTheNewRoomTextBeforeItsAnswer) {
  Transcript transcript;
  transcript.Record(kRoom, false);
  const auto added = transcript.Record("You're in your bedroom.\r\n\r\nObjects in Room: lamp\r\n\r\nTaken.", true);
  ASSERT_EQ(added.size(), 2U);
  EXPECT_EQ(added[0].kind, Transcript::Kind::Room);
  EXPECT_EQ(added[0].text, "You're in your bedroom.\r\n\r\nObjects in Room: lamp");
  EXPECT_EQ(added[1].text, "Taken.");
  // A new game shows its first room again even when it reads the same.
  transcript.Restart();
  EXPECT_EQ(transcript.Record("You're in your bedroom.\r\n\r\nObjects in Room: lamp", false).size(), 1U);
}

}  // namespace
}  // namespace brackenhollow
