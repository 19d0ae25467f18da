// The running text keeps its last paragraphs only; the newest answer must stay the one marked and
// told once the oldest leave the top, and a long session must not leave anything behind.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <string>

#include "app/TranscriptView.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

TEST(TranscriptViewTest, OnceTheTextIsFullTheNewestAnswerIsStillTheLastOneAdded) {
  testing::Application();
  TranscriptView view;
  int start = -1;
  // Far more paragraphs than the text keeps: a room text of two and an answer of two each turn.
  for (int turn = 0; turn < 1500; ++turn) {
    const std::string number = std::to_string(turn);
    start = view.Append({{Transcript::Kind::Room, "Room " + number + "\r\nObjects in Room: lamp " + number},
                         {Transcript::Kind::Answer, "Answer " + number + "\r\nsecond line " + number}});
  }
  EXPECT_LT(view.document()->blockCount(), 6000);
  EXPECT_EQ(view.NewestAnswer(), QStringLiteral("Answer 1499\nsecond line 1499"));
  ASSERT_GE(start, 0);
  EXPECT_EQ(view.document()->findBlock(start).text(), QStringLiteral("Answer 1499"));
  EXPECT_EQ(view.document()->findBlock(start).position(), start);
  // The document keeps every format it was ever given; one per answer would grow for good.
  EXPECT_LT(view.document()->allFormats().size(), 50);
}

}  // namespace
}  // namespace brackenhollow
