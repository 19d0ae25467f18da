// The Qt layer: the picture control's paths and placeholder, and the game screen's widgets wired to
// its logic (layout, lists, buttons, closing).

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/GameDialog.h"
#include "store/GameDatabase.h"
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

// The one application object of the test process; other tests may have made it already.
QApplication& Application() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "brackenhollow_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  return *application;
}

TEST(PicturePath, BackslashNamesAndDoubledSeparatorsBecomeOnePath) {
  EXPECT_EQ(PictureFilePath("/opt/game/\\bedroom left lit.gif"), "/opt/game/bedroom left lit.gif");
  EXPECT_EQ(PictureFilePath("/opt//game\\\\x.gif"), "/opt/game/x.gif");
  EXPECT_EQ(PictureFilePath("relative\\x.gif"), "relative/x.gif");
}

TEST(PictureBox, ShowsTheFileTheGameNamesAndAPlaceholderOtherwise) {
  Application();
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

  QApplication& application = Application();  // first: the dialog below needs it
  testing::ScratchFolder folder;
  GameDatabase database{folder.File("store.sqlite")};
  testing::RecordingBoxes boxes;
  GameDialog dialog{database, boxes, "/nowhere/"};
};

TEST_F(GameDialogTest, PictureCoversTheTextViewInTheSamePlace) {
  EXPECT_EQ(dialog.windowTitle(), "Brackenhollow");
  EXPECT_EQ(dialog.Picture()->geometry(), dialog.TextView()->geometry());
  const QObjectList& children = dialog.children();
  EXPECT_GT(children.indexOf(dialog.Picture()), children.indexOf(dialog.TextView()));
  EXPECT_FALSE(dialog.Picture()->isHidden());
  EXPECT_EQ(dialog.Picture()->PictureFile(), "/nowhere/\\bedroom1.gif");
  dialog.Button(Control::Toggle)->click();
  EXPECT_TRUE(dialog.Picture()->isHidden());
  EXPECT_EQ(dialog.Button(Control::Toggle)->text(), "Graphic");
}

TEST_F(GameDialogTest, ListsAndButtonsFollowTheGame) {
  QComboBox* verbs = dialog.List(Control::VerbList);
  ASSERT_EQ(verbs->count(), 13);
  EXPECT_EQ(verbs->itemText(0), "Climb the");
  EXPECT_EQ(verbs->itemText(10), "Use the __ with the __");
  EXPECT_EQ(verbs->itemText(12), "RESET THE GAME");
  EXPECT_EQ(verbs->currentText(), "Climb the");
  EXPECT_FALSE(dialog.List(Control::Noun2List)->isEnabled());
  verbs->setCurrentIndex(10);
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

TEST_F(GameDialogTest, ClosingTheWindowCountsAsOk) {
  dialog.show();
  dialog.close();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brackenhollow
