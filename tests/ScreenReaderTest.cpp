// What a screen reader and the game's own voice hear, without a display or a speech engine: the
// lists' names and values as words, the one notice per answer, room entered or changed choice, and
// Read Aloud speaking only the newest text.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>

#include "app/GameDialog.h"
#include "app/GameList.h"
#include "app/GameWindow.h"
#include "app/ReadAloud.h"
#include "app/ScreenReaderNotice.h"
#include "app/TranscriptView.h"
#include "store/GameDatabase.h"
#include "tests/FakeSpeech.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

using testing::FakeSpeech;

TEST(ReadAloud, SaysNothingWhileOffAndCutsOffTheTextBeforeEachNewOne) {
  auto log = std::make_shared<FakeSpeech::Log>();
  ReadAloud reader(std::make_unique<FakeSpeech>(log));
  reader.Read("before it was on");
  EXPECT_TRUE(log->calls.isEmpty());
  EXPECT_TRUE(reader.SetOn(true).isEmpty());
  reader.Read("You picked up the letter");
  reader.Read("   ");  // nothing to read: the letter goes on
  reader.Read("Get the");
  EXPECT_EQ(log->calls, (QStringList{"stop", "say: You picked up the letter", "stop", "say: Get the"}));
  reader.SetOn(false);
  EXPECT_EQ(log->calls.back(), "stop");  // switching off silences what was being read
  reader.Read("after it was off");
  EXPECT_EQ(log->Said().size(), 2);
}

TEST(ReadAloud, AVoiceThatIsMissingOrFailsStaysOffAndSaysWhy) {
  auto log = std::make_shared<FakeSpeech::Log>();
  ReadAloud missing(std::make_unique<FakeSpeech>(log, "No speech engine is installed"));
  EXPECT_EQ(missing.Missing(), "No speech engine is installed");
  EXPECT_EQ(missing.SetOn(true), "No speech engine is installed");
  EXPECT_FALSE(missing.IsOn());
  ReadAloud failing(std::make_unique<FakeSpeech>(log, QString(), "The speech engine did not start."));
  EXPECT_TRUE(failing.Missing().isEmpty());
  EXPECT_EQ(failing.SetOn(true), "The speech engine did not start.");
  failing.Read("You picked up the letter");
  EXPECT_TRUE(log->calls.isEmpty());
}

class ScreenReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    dialog.PrepareStart();
    dialog.EnterGame("N");
    QObject::connect(&dialog, &GameDialog::Announced, [this](const QString& text) { told << text; });
  }

  QAccessibleInterface* Accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
  void Choose(Control list, const char* text) {
    QComboBox* combo = dialog.List(list);
    combo->setCurrentIndex(combo->findText(QString::fromUtf8(text)));
  }

  QApplication& application = testing::Application();  // first: the dialog below needs it
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameDialog dialog{database, boxes, "/nowhere/"};
  QStringList told;
};

TEST_F(ScreenReaderTest, ListsAreNamedByTheirLabelAndReadTheirChoiceAsWords) {
  QAccessibleInterface* verbs = Accessible(dialog.List(Control::VerbList));
  ASSERT_NE(verbs, nullptr);
  EXPECT_EQ(verbs->role(), QAccessible::ComboBox);
  EXPECT_EQ(verbs->text(QAccessible::Name), "Verb");
  EXPECT_EQ(verbs->text(QAccessible::Value), "Climb the");
  // A screen reader without a selection interface reads the value as the list's text.
  ASSERT_NE(verbs->textInterface(), nullptr);
  EXPECT_EQ(verbs->textInterface()->text(0, verbs->textInterface()->characterCount()), "Climb the");
  Choose(Control::VerbList, "Use the __ with the __");
  EXPECT_EQ(verbs->text(QAccessible::Value), "Use the blank with the blank");

  QAccessibleInterface* first = Accessible(dialog.List(Control::Noun1List));
  EXPECT_EQ(first->text(QAccessible::Name), "First object");
  EXPECT_EQ(dialog.List(Control::Noun1List)->currentText(), " ");
  EXPECT_EQ(first->text(QAccessible::Value), "nothing");
  // The open list reads its headings and blanks as words too.
  const QAbstractItemModel* entries = dialog.List(Control::Noun1List)->model();
  EXPECT_EQ(entries->index(0, 0).data(Qt::AccessibleTextRole).toString(), "nothing");
  EXPECT_EQ(entries->index(1, 0).data(Qt::DisplayRole).toString(), "OBJECTS IN ROOM -------");
  EXPECT_EQ(entries->index(1, 0).data(Qt::AccessibleTextRole).toString(), "Objects in room");
  EXPECT_EQ(entries->index(1, 0).data(Qt::AccessibleDescriptionRole).toString(), "heading");
  EXPECT_EQ(GameList::SpokenEntry("INVENTORY ITEMS -------"), "Inventory items");
  EXPECT_EQ(GameList::SpokenEntry("bed"), "bed");

  QLabel* rose = nullptr;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() == QStringLiteral("✦")) rose = label;
  }
  ASSERT_NE(rose, nullptr);
  EXPECT_EQ(Accessible(rose)->text(QAccessible::Name), "Compass");
}

TEST_F(ScreenReaderTest, TheNoticeIsANotificationInAnAreaOfMessagesSoItIsReadWithoutItsRole) {
  QAccessibleInterface* notice = Accessible(dialog.Notice());
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->role(), QAccessible::Notification);
  ASSERT_NE(notice->parent(), nullptr);
  EXPECT_EQ(notice->parent()->role(), QAccessible::StatusBar);
  EXPECT_EQ(notice->parent()->child(0)->object(), dialog.Notice());
  EXPECT_EQ(notice->parent()->parent()->object(), &dialog);
  Choose(Control::VerbList, "Get the");
  EXPECT_EQ(notice->text(QAccessible::Name), "Get the");
}

TEST_F(ScreenReaderTest, EachChoiceAnswerAndRoomEnteredIsToldOnceAndNothingElseIs) {
  told.clear();
  Choose(Control::VerbList, "Look at");
  Choose(Control::Noun1List, "bed");
  EXPECT_EQ(told, (QStringList{"Look at", "bed"}));
  dialog.Button(Control::Action)->click();
  ASSERT_EQ(told.size(), 3);
  EXPECT_EQ(told[2], "My bed looks slept in. I never make my bed so it always looks slept in.");
  EXPECT_EQ(told[2], dialog.Notice()->Text());
  // Into another room: its text, once, and not the answer before it again.
  dialog.Button(Control::West)->click();
  ASSERT_EQ(told.size(), 4);
  EXPECT_TRUE(told[3].startsWith("You're on the west side of your bedroom.")) << told[3].toStdString();
  EXPECT_TRUE(told[3].endsWith("Objects in Room: lamp")) << told[3].toStdString();
  // An answer that changes the room's text in the same room is told as the answer alone, without the
  // graphic hint beside the picture.
  Choose(Control::VerbList, "Turn On the");
  Choose(Control::Noun1List, "lamp");
  told.clear();
  dialog.Button(Control::Action)->click();
  ASSERT_EQ(told.size(), 1);
  EXPECT_EQ(told[0], "You turn on the lamp and notice a letter sticking out from under the bed.");
}

TEST_F(ScreenReaderTest, TheCompactTextKeepsTheGraphicHintAndIsNotRewrittenByAChoice) {
  dialog.SetLayout(GameDialog::Layout::Compact);
  dialog.Button(Control::West)->click();
  // A screen reader hears of a text change through the text view's document: a choice that leaves
  // the text as it was must not touch it.
  QSignalSpy changes(dialog.TextView()->document(), &QTextDocument::contentsChange);
  Choose(Control::VerbList, "Turn On the");
  Choose(Control::Noun1List, "lamp");
  EXPECT_EQ(changes.count(), 0);
  told.clear();
  dialog.Button(Control::Action)->click();
  EXPECT_EQ(changes.count(), 0) << "the answer reaches the screen reader through the notice only";
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].endsWith("(Click GRAPHIC button to view)")) << told[0].toStdString();
  EXPECT_TRUE(dialog.TextView()->toPlainText().endsWith(told[0]));
}

TEST_F(ScreenReaderTest, TheTranscriptGrowsWithoutReportingEachParagraphAndMark) {
  QSignalSpy changes(dialog.Transcript()->document(), &QTextDocument::contentsChange);
  Choose(Control::VerbList, "Look at");
  for (int time = 0; time < 2; ++time) {
    Choose(Control::Noun1List, "bed");
    dialog.Button(Control::Action)->click();
  }
  dialog.Button(Control::West)->click();
  EXPECT_EQ(changes.count(), 0);
  const QString shown = dialog.Transcript()->toPlainText();
  EXPECT_EQ(shown.count("My bed looks slept in."), 2);
  EXPECT_TRUE(shown.endsWith("You're on the west side of your bedroom. The kitchen is to the north and your bed is to "
                             "the east. You can reach the lamp on the nightstand from here. It's very dark in here.\n"
                             "Objects in Room: lamp"))
      << shown.toStdString();
}

// The whole window with a voice that records, for View → Read Aloud.
class ReadAloudWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    window.UseForScripts();  // nothing remembered in the tester's own settings
  }

  QApplication& application = testing::Application();  // first: the window below needs it
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameWindow window{database, boxes, "/nowhere/"};
  std::shared_ptr<FakeSpeech::Log> log = std::make_shared<FakeSpeech::Log>();
};

TEST_F(ReadAloudWindowTest, ReadsTheAnswerTheRoomEnteredAndTheChosenWordsOnlyWhileOn) {
  window.SetSpeech(std::make_unique<FakeSpeech>(log));
  window.Game().PrepareStart();
  window.Game().EnterGame("N");
  QAction* item = window.Action(MenuCommand::ReadAloud);
  EXPECT_TRUE(item->isEnabled());
  EXPECT_TRUE(item->isCheckable());
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
  window.Game().Button(Control::West)->click();
  EXPECT_TRUE(log->calls.isEmpty());
  item->trigger();
  EXPECT_TRUE(item->isChecked());
  QComboBox* verbs = window.Game().List(Control::VerbList);
  verbs->setCurrentIndex(verbs->findText("Look at"));
  QComboBox* objects = window.Game().List(Control::Noun1List);
  objects->setCurrentIndex(objects->findText("lamp"));
  window.Game().Button(Control::Action)->click();
  window.Game().Button(Control::North)->click();
  const QStringList said = log->Said();
  ASSERT_EQ(said.size(), 4) << said.join(" | ").toStdString();
  EXPECT_EQ(said[0], "Look at");
  EXPECT_EQ(said[1], "lamp");
  EXPECT_TRUE(said[3].startsWith("You are in the kitchen of your house.")) << said[3].toStdString();
  // Every text cuts off the one before.
  EXPECT_EQ(log->calls.count("stop"), 4);
  item->trigger();
  window.Game().Button(Control::South)->click();
  EXPECT_EQ(log->Said().size(), 4);
}

TEST_F(ReadAloudWindowTest, WithoutASpeechEngineTheItemIsGreyedAndSaysWhy) {
  window.SetSpeech(std::make_unique<FakeSpeech>(log, "No speech engine is installed."));
  QAction* item = window.Action(MenuCommand::ReadAloud);
  EXPECT_FALSE(item->isEnabled());
  EXPECT_FALSE(item->isChecked());
  EXPECT_EQ(item->toolTip(), "No speech engine is installed.");
  EXPECT_TRUE(boxes.informed.empty());
}

TEST_F(ReadAloudWindowTest, AnEngineThatFailsToStartTurnsTheItemOffQuietlyWithItsReason) {
  window.SetSpeech(std::make_unique<FakeSpeech>(log, QString(), "The speech engine did not start."));
  QAction* item = window.Action(MenuCommand::ReadAloud);
  ASSERT_TRUE(item->isEnabled());
  item->trigger();
  EXPECT_FALSE(item->isChecked());
  EXPECT_FALSE(item->isEnabled());
  EXPECT_EQ(item->toolTip(), "The speech engine did not start.");
  EXPECT_TRUE(boxes.informed.empty()) << "never an error box";
}

}  // namespace
}  // namespace brackenhollow
