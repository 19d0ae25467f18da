// The Qt layer: the picture control's paths and placeholder, and the game screen's widgets wired to
// its logic (both layouts, lists, buttons, transcript, what a screen reader hears).

#include <gtest/gtest.h>

#include <map>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTest>
#include <QWheelEvent>

#include "actions/Verbs.h"
#include "app/GameDialog.h"
#include "app/GameWindow.h"
#include "app/HelpDialogs.h"
#include "app/TranscriptView.h"
#include "view/PictureFrame.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "view/CS309PictureBox.h"
#include "view/PicturePath.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

// A one-pixel GIF89a.
constexpr unsigned char kTinyGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00,
                                      0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04, 0x01, 0x00, 0x00, 0x00,
                                      0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02,
                                      0x44, 0x01, 0x00, 0x3B};

TEST(PicturePath, BackslashNamesAndDoubledSeparatorsBecomeOnePath) {
  EXPECT_EQ(PictureFilePath("/opt/game/\\bedroom left lit.gif"), "/opt/game/bedroom left lit.gif");
  EXPECT_EQ(PictureFilePath("/opt//game\\\\x.gif"), "/opt/game/x.gif");
  EXPECT_EQ(PictureFilePath("relative\\x.gif"), "relative/x.gif");
}

TEST(PictureBox, ShowsTheFileTheGameNamesAndAPlaceholderOtherwise) {
  testing::Application();
  testing::ScratchFolder folder;
  QFile file(QString::fromStdString(folder.File("tiny picture.gif")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(kTinyGif), sizeof kTinyGif);
  file.close();

  CS309PictureBox picture;
  picture.resize(149, 102);
  picture.SetPictureFile(QString::fromStdString(folder.Path().string() + "/\\tiny picture.gif"));
  EXPECT_TRUE(picture.HasPicture());
  picture.SetPictureFile(QString::fromStdString(folder.Path().string() + "/\\missing.gif"));
  EXPECT_FALSE(picture.HasPicture());
  EXPECT_FALSE(picture.grab().isNull());  // the placeholder paints
  picture.PutStartSetting(21, 4096);
  picture.SetPictureShown(false);
  EXPECT_TRUE(picture.isHidden());
}

class GameDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(BuildWorldDatabase(database));
    dialog.PrepareStart();
    dialog.EnterGame("N");
  }

  QApplication& application = testing::Application();  // first: the dialog below needs it
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameDialog dialog{database, boxes, "/nowhere/"};
};

TEST_F(GameDialogTest, CompactLayoutPutsThePictureOverTheTextInTheSamePlace) {
  dialog.SetLayout(GameDialog::Layout::Compact);
  dialog.resize(640, 720);
  dialog.layout()->activate();
  EXPECT_EQ(dialog.PictureArea()->geometry(), dialog.TextView()->geometry());
  const QObjectList& children = dialog.children();
  EXPECT_GT(children.indexOf(dialog.PictureArea()), children.indexOf(dialog.TextView()));
  EXPECT_FALSE(dialog.Picture()->isHidden());
  EXPECT_EQ(dialog.Picture()->PictureFile(), "/nowhere/\\bedroom1.gif");
  dialog.Button(Control::Toggle)->click();
  EXPECT_TRUE(dialog.Picture()->isHidden());
  EXPECT_TRUE(dialog.PictureArea()->isHidden());
  EXPECT_EQ(dialog.Button(Control::Toggle)->text(), "Graphic");
}

TEST_F(GameDialogTest, TogetherLayoutShowsPictureAndTranscriptWithoutTheGraphicButton) {
  dialog.resize(1280, 760);
  dialog.show();
  ASSERT_EQ(dialog.CurrentLayout(), GameDialog::Layout::Together);
  EXPECT_TRUE(dialog.Button(Control::Toggle)->isHidden());
  EXPECT_TRUE(dialog.TextView()->isHidden());
  // An Action press hides the compact screen's picture; here it stays beside the text.
  dialog.List(Control::VerbList)->setCurrentIndex(dialog.List(Control::VerbList)->findText("Look at"));
  dialog.List(Control::Noun1List)->setCurrentIndex(dialog.List(Control::Noun1List)->findText("bed"));
  dialog.Button(Control::Action)->click();
  EXPECT_FALSE(dialog.Picture()->isHidden());
  EXPECT_FALSE(dialog.PictureArea()->isHidden());
  const QString transcript = dialog.Transcript()->toPlainText();
  EXPECT_TRUE(transcript.startsWith("You're in your bedroom."));
  EXPECT_EQ(dialog.Transcript()->NewestAnswer(), dialog.TextView()->toPlainText().section("\n\n", -1));
  dialog.SetLayout(GameDialog::Layout::Compact);
  EXPECT_TRUE(dialog.Picture()->isHidden());  // the game's own view mode comes back
}

TEST_F(GameDialogTest, AnswersInTheTranscriptLeaveOutTheGraphicHintButTheGameTextKeepsIt) {
  dialog.Button(Control::West)->click();
  dialog.List(Control::VerbList)->setCurrentIndex(dialog.List(Control::VerbList)->findText("Turn On the"));
  dialog.List(Control::Noun1List)->setCurrentIndex(dialog.List(Control::Noun1List)->findText("lamp"));
  dialog.Button(Control::Action)->click();
  EXPECT_TRUE(dialog.TextView()->toPlainText().endsWith("(Click GRAPHIC button to view)"));
  EXPECT_TRUE(dialog.Transcript()->NewestAnswer().endsWith("under the bed."));
  EXPECT_FALSE(dialog.Transcript()->toPlainText().contains("GRAPHIC"));
  // Looking twice gives two answers; only the newest is marked.
  dialog.List(Control::VerbList)->setCurrentIndex(dialog.List(Control::VerbList)->findText("Look at"));
  for (int time = 0; time < 2; ++time) {
    dialog.List(Control::Noun1List)->setCurrentIndex(dialog.List(Control::Noun1List)->findText("lamp"));
    dialog.Button(Control::Action)->click();
  }
  const QString lampAnswer = dialog.Transcript()->NewestAnswer();
  EXPECT_EQ(dialog.Transcript()->toPlainText().count(lampAnswer), 2);
}

TEST_F(GameDialogTest, TheRunningTextTellsARoomOnEnteringAndWhenItChangesNotAfterEveryAnswer) {
  auto choose = [this](Control list, const char* text) {
    dialog.List(list)->setCurrentIndex(dialog.List(list)->findText(QString::fromUtf8(text)));
  };
  dialog.Button(Control::West)->click();
  choose(Control::VerbList, "Turn On the");
  choose(Control::Noun1List, "lamp");
  dialog.Button(Control::Action)->click();  // the room's description changes: it is told again
  choose(Control::VerbList, "Get the");
  choose(Control::Noun1List, "letter");
  dialog.Button(Control::Action)->click();  // only its objects change
  choose(Control::VerbList, "Look at");
  choose(Control::Noun1List, "lamp");
  dialog.Button(Control::Action)->click();  // nothing changes
  const QString text = dialog.Transcript()->toPlainText();
  EXPECT_EQ(text.count("You're on the west side of your bedroom."), 2) << text.toStdString();
  // The new objects line follows the answer that changed it, and is not marked as an answer.
  EXPECT_TRUE(text.contains("You picked up the letter\nObjects in Room: lamp\n")) << text.toStdString();
  EXPECT_FALSE(dialog.Transcript()->NewestAnswer().contains("Objects in Room"));
  // Walking back into a room tells it again.
  dialog.Button(Control::East)->click();
  dialog.Button(Control::West)->click();
  EXPECT_EQ(dialog.Transcript()->toPlainText().count("You're on the west side of your bedroom."), 3);
}

TEST_F(GameDialogTest, UndoAndRedoEnterTheRunningTextAsTheNewestAnswer) {
  std::vector<QString> announced;
  QObject::connect(&dialog, &GameDialog::Announced,
                   [&announced](const QString& text) { announced.push_back(text); });
  dialog.Button(Control::West)->click();
  dialog.List(Control::VerbList)->setCurrentIndex(dialog.List(Control::VerbList)->findText("Turn On the"));
  dialog.List(Control::Noun1List)->setCurrentIndex(dialog.List(Control::Noun1List)->findText("lamp"));
  dialog.Button(Control::Action)->click();
  dialog.Button(Control::East)->click();
  dialog.Undo();
  // The player is back where the action was done: that room first, then what was taken back.
  EXPECT_EQ(dialog.Transcript()->NewestAnswer(), "Taken back: Turn On the lamp.");
  EXPECT_TRUE(dialog.Transcript()->toPlainText().endsWith("Taken back: Turn On the lamp."));
  ASSERT_FALSE(announced.empty());
  // Heard after the room the player is back in.
  EXPECT_TRUE(announced.back().endsWith("\nTaken back: Turn On the lamp.")) << announced.back().toStdString();
  dialog.Redo();
  EXPECT_EQ(dialog.Transcript()->NewestAnswer(), "Done again: Turn On the lamp.");
  // The lamp's light is told after it, since the redo changed the room's description.
  EXPECT_TRUE(
      dialog.Transcript()->toPlainText().endsWith("It's nice and bright in here.\nObjects in Room: lamp, letter"));
  // The compact screen's text stays the game's own; the window hears of the answer to show it.
  std::vector<QString> told;
  QObject::connect(&dialog, &GameDialog::Told, [&told](const QString& answer) { told.push_back(answer); });
  dialog.SetLayout(GameDialog::Layout::Compact);
  dialog.Undo();
  EXPECT_EQ(told, std::vector<QString>{"Taken back: Turn On the lamp."});
  EXPECT_FALSE(dialog.TextView()->toPlainText().contains("Taken back"));
}

TEST_F(GameDialogTest, TheCompassKeepsItsSizeWhicheverWaysAreOpenAndStandsBesideTheLists) {
  dialog.resize(1280, 760);
  dialog.show();
  const QSize side = dialog.Button(Control::North)->size();
  EXPECT_EQ(side.width(), side.height());
  EXPECT_EQ(side.height(), dialog.List(Control::VerbList)->height());
  for (Control direction : {Control::South, Control::East, Control::West}) {
    EXPECT_EQ(dialog.Button(direction)->size(), side);
  }
  dialog.Button(Control::East)->click();  // other ways open here
  QApplication::processEvents();
  for (Control direction : {Control::North, Control::South, Control::East, Control::West}) {
    EXPECT_EQ(dialog.Button(direction)->size(), side);
  }
}

TEST_F(GameDialogTest, ARoomTextCannotBeEdited) {
  EXPECT_TRUE(dialog.TextView()->isReadOnly());
  EXPECT_TRUE(dialog.Transcript()->isReadOnly());
  EXPECT_TRUE(dialog.TextView()->tabChangesFocus());
}

TEST_F(GameDialogTest, HeadingRowsCannotBeChosenByKeysOrWheelAndTheWheelNeedsFocus) {
  dialog.Button(Control::East)->click();  // room 9: the mirror lies here
  QComboBox* noun1 = dialog.List(Control::Noun1List);
  ASSERT_EQ(noun1->itemText(1), "OBJECTS IN ROOM -------");
  auto* items = qobject_cast<QStandardItemModel*>(noun1->model());
  ASSERT_NE(items, nullptr);
  EXPECT_FALSE(items->item(1)->isEnabled());
  EXPECT_FALSE(items->item(3)->isEnabled());
  EXPECT_TRUE(items->item(2)->isEnabled());
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  // Without focus the wheel scrolls past the list and changes nothing.
  QWheelEvent wheel(QPointF(5, 5), noun1->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(noun1, &wheel);
  EXPECT_EQ(noun1->currentIndex(), 0);
  noun1->setFocus();
  QTest::keyClick(noun1, Qt::Key_Down);
  EXPECT_EQ(noun1->currentText(), "mirror");  // the heading is passed over
  QTest::keyClick(noun1, Qt::Key_Down);
  EXPECT_EQ(noun1->currentText(), "mirror");  // nothing after the inventory heading
  QTest::keyClick(noun1, Qt::Key_Up);
  EXPECT_EQ(noun1->currentText(), " ");
  // The game's rule for a heading chosen some other way stays: the action refuses it.
  noun1->setCurrentIndex(1);
  dialog.Button(Control::Action)->click();
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 9);
}

TEST_F(GameDialogTest, ControlsCarryTheNamesAScreenReaderAnnounces) {
  auto name = [](QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
  };
  EXPECT_EQ(name(dialog.Transcript()), "Room description");
  EXPECT_EQ(name(dialog.TextView()), "Room description");
  // A list is announced by its bound label (its own name, on this desktop, is its chosen entry).
  auto label = [&name](QWidget* list) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(list);
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
  };
  EXPECT_EQ(label(dialog.List(Control::VerbList)), "Verb");
  EXPECT_EQ(label(dialog.List(Control::Noun1List)), "First object");
  EXPECT_EQ(label(dialog.List(Control::Noun2List)), "Second object");
  EXPECT_EQ(dialog.List(Control::Noun2List)->accessibleName(), "Second object");
  EXPECT_EQ(name(dialog.Button(Control::North)), "North");
  EXPECT_EQ(name(dialog.Button(Control::South)), "South");
  EXPECT_EQ(name(dialog.Button(Control::East)), "East");
  EXPECT_EQ(name(dialog.Button(Control::West)), "West");
  EXPECT_EQ(name(dialog.Button(Control::Action)), "Action");
  EXPECT_EQ(name(dialog.Picture()), "Picture: bedroom");
}

TEST_F(GameDialogTest, ListsAndButtonsFollowTheGame) {
  QComboBox* verbs = dialog.List(Control::VerbList);
  ASSERT_EQ(verbs->count(), static_cast<int>(Verbs().size()));
  for (std::size_t index = 0; index < Verbs().size(); ++index) {
    EXPECT_EQ(verbs->itemText(static_cast<int>(index)), Verbs()[index].text);
  }
  EXPECT_EQ(verbs->currentText(), "Climb the");
  EXPECT_FALSE(dialog.List(Control::Noun2List)->isEnabled());
  verbs->setCurrentIndex(verbs->findText(kVerbUseWith));
  EXPECT_TRUE(dialog.List(Control::Noun2List)->isEnabled());
  EXPECT_FALSE(dialog.Button(Control::North)->isEnabled());
  dialog.Button(Control::East)->click();
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 9);
  EXPECT_TRUE(dialog.TextView()->toPlainText().endsWith("\n\nObjects in Room: mirror"));
  EXPECT_EQ(dialog.List(Control::Noun1List)->itemText(2), "mirror");
}

TEST_F(GameDialogTest, ArrowKeysWalkOnlyWhereAButtonIsOpen) {
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  QTest::keyClick(&dialog, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 1);
  QTest::keyClick(&dialog, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 9);
}

TEST_F(GameDialogTest, NewGameAsksAndThenRebuildsTheWorldInRoomOne) {
  dialog.Button(Control::East)->click();
  boxes.answers = {false};
  dialog.NewGame();
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 9);
  ASSERT_EQ(boxes.asked.size(), 1U);
  GameState(database, boxes).SetActionStatus("move mirror", "1");
  boxes.answers = {true};
  dialog.NewGame();
  EXPECT_EQ(dialog.Screen().CurrentRoom(), 1);
  EXPECT_EQ(GameState(database, boxes).GetActionStatus("move mirror"), "0");
  // The transcript starts the new game with its first room.
  EXPECT_TRUE(dialog.Transcript()->toPlainText().endsWith("Objects in Room: bed"));
}

TEST_F(GameDialogTest, ExitAsksTheWindowToClose) {
  bool asked = false;
  QObject::connect(&dialog, &GameDialog::CloseRequested, [&asked] { asked = true; });
  dialog.SetLayout(GameDialog::Layout::Compact);
  dialog.Button(Control::Exit)->click();
  EXPECT_TRUE(asked);
}

// The whole window on a new world, for the menu commands.
class GameWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(BuildWorldDatabase(database)); }

  QApplication& application = testing::Application();  // first: the window below needs it
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameWindow window{database, boxes, "/nowhere/"};
};

TEST_F(GameWindowTest, CtrlHTellsWhereThenWhatThenTheExactActionInTheRunningText) {
  QAction* hint = window.Action(MenuCommand::Hint);
  EXPECT_EQ(hint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
  window.Game().EnterGame("N");
  std::vector<QString> hints;
  for (int press = 0; press < 3; ++press) {
    hint->trigger();
    hints.push_back(window.Game().Transcript()->NewestAnswer());
  }
  EXPECT_TRUE(boxes.informed.empty()) << "beside the picture a hint needs no box";
  EXPECT_TRUE(hints[0].startsWith("Hint: ") && hints[0].contains("west side of bedroom")) << hints[0].toStdString();
  EXPECT_TRUE(hints[1].contains("lamp")) << hints[1].toStdString();
  EXPECT_TRUE(hints[2].contains("Turn On the lamp")) << hints[2].toStdString();
  // The compact screen's text has no place for it: a box tells it there as well.
  window.SetCompact(true);
  hint->trigger();
  ASSERT_EQ(boxes.informed.size(), 1U);
  EXPECT_NE(boxes.informed[0].find("Turn On the lamp"), std::string::npos) << boxes.informed[0];
}

TEST_F(GameWindowTest, TheStatusBarIsThereFromTheStartAndNamesTheRoom) {
  window.Game().EnterGame("N");
  window.resize(1280, 800);
  window.show();
  QApplication::processEvents();
  const int pictureHeight = window.Game().PictureArea()->height();
  EXPECT_TRUE(window.statusBar()->isVisible());
  EXPECT_TRUE(window.statusBar()->findChild<QLabel*>("roomName")->text() == "bedroom");
  window.SaveAs("first");
  QApplication::processEvents();
  EXPECT_EQ(window.Game().PictureArea()->height(), pictureHeight);
  window.statusBar()->clearMessage();
  QApplication::processEvents();
  EXPECT_EQ(window.Game().PictureArea()->height(), pictureHeight);
  window.Game().Button(Control::West)->click();
  EXPECT_TRUE(window.statusBar()->findChild<QLabel*>("roomName")->text() == "west side of bedroom");
  // The compact screen's text stays the game's own: what an undo did shows in the status bar, and
  // the room's name stays beside it.
  window.SetCompact(true);
  GameDialog& game = window.Game();
  game.List(Control::VerbList)->setCurrentIndex(game.List(Control::VerbList)->findText("Turn On the"));
  game.List(Control::Noun1List)->setCurrentIndex(game.List(Control::Noun1List)->findText("lamp"));
  game.Button(Control::Action)->click();
  window.Action(MenuCommand::Undo)->trigger();
  EXPECT_EQ(window.statusBar()->currentMessage(), "Taken back: Turn On the lamp.");
  EXPECT_TRUE(window.statusBar()->findChild<QLabel*>("roomName")->isVisible());
}

TEST_F(GameWindowTest, SaveAsConfirmsInTheStatusBarOnlyWhenTheSaveWasWritten) {
  window.SaveAs("before the mirror");
  EXPECT_NE(window.statusBar()->currentMessage().toStdString().find("before the mirror"), std::string::npos);
  window.statusBar()->clearMessage();
  window.SaveAs("   ");  // an empty name is refused with a box, not confirmed
  EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());
  EXPECT_EQ(boxes.informed.size(), 1U);
}

TEST_F(GameWindowTest, EveryAltLetterReachesOneMenuOrListOnly) {
  std::map<QKeySequence, QString> taken;
  auto claim = [&taken](const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) return;
    const auto [where, added] = taken.emplace(key, text);
    EXPECT_TRUE(added) << key.toString().toStdString() << " opens both " << where->second.toStdString() << " and "
                       << text.toStdString();
  };
  for (const QAction* menu : window.menuBar()->actions()) claim(menu->text());
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->buddy() != nullptr) claim(label->text());
  }
  EXPECT_GE(taken.size(), 6U) << "three menus and three lists";
}

TEST(HelpPages, HowToPlayTellsOfEveryGameCommandAndTheHint) {
  testing::Application();
  QWidget parent;
  QWidget* page = ShowHelpPage(&parent, HelpPage::HowToPlay);
  const auto* text = page->findChild<QTextBrowser*>();
  ASSERT_NE(text, nullptr);
  const QString shown = text->toPlainText();
  for (const MenuItem& item : MenuItems()) {
    if (item.menu != MenuItems().front().menu && item.command != MenuCommand::Hint) continue;
    const QString name = QString(item.text).remove(QLatin1Char('&')).remove(QStringLiteral("…"));
    EXPECT_TRUE(shown.contains(name)) << name.toStdString() << " is not explained";
  }
}

}  // namespace
}  // namespace brackenhollow
