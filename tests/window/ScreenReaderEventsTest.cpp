// The events a screen reader receives from the game window, counted where Qt sends them: each
// changed choice, answer and room entered reaches it once, as one notice, and the texts it is shown
// in stay quiet. Qt sends events only while a screen reader could listen: ctest runs these under
// tests/window/with-accessibility-bus.sh, and elsewhere they skip.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <memory>
#include <vector>

#include "app/GameDialog.h"
#include "app/GameScreen.h"
#include "app/GameWindow.h"
#include "app/ScreenReaderNotice.h"
#include "app/TranscriptView.h"
#include "store/GameDatabase.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

struct Sent {
  QAccessible::Event type;
  QObject* object;
  QString text;  // what a notice told, or the text inserted
};

std::vector<Sent>& SentEvents() {
  static std::vector<Sent> sent;
  return sent;
}

void Record(QAccessibleEvent* event) {
  QString text;
  if (event->type() == QAccessible::TextInserted) {
    text = static_cast<QAccessibleTextInsertEvent*>(event)->textInserted();
  } else if (auto* notice = qobject_cast<ScreenReaderNotice*>(event->object())) {
    text = notice->Text();
  }
  SentEvents().push_back({event->type(), event->object(), text});
}

bool IsTextEvent(QAccessible::Event type) {
  return type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated;
}

class ScreenReaderEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) GTEST_SKIP() << "needs an X server; scripts/test.sh starts Xvfb";
    testing::Application();
    // Qt turns accessibility on once it found the accessibility bus, shortly after starting.
    for (int wait = 0; wait < 50 && !QAccessible::isActive(); ++wait) QTest::qWait(40);
    if (!QAccessible::isActive()) {
      if (!qEnvironmentVariableIsEmpty("BRACKENHOLLOW_ACCESSIBILITY_BUS")) FAIL() << "accessibility never came on";
      GTEST_SKIP() << "needs an accessibility bus: run under tests/window/with-accessibility-bus.sh";
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.File("config")));
    database = std::make_unique<GameDatabase>(folder.File("store.sqlite"));
    ASSERT_TRUE(BuildWorldDatabase(*database));
    window = std::make_unique<GameWindow>(*database, boxes, "/nowhere/");
    window->Game().PrepareStart();
    window->Game().EnterGame("N");
    window->resize(1280, 800);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Game().List(Control::VerbList)->setFocus();
    QTest::qWait(50);
    previous = QAccessible::installUpdateHandler(&Record);
  }

  void TearDown() override {
    if (previous != nullptr || !SentEvents().empty()) QAccessible::installUpdateHandler(previous);
    SentEvents().clear();
  }

  GameDialog& Game() { return window->Game(); }
  void Choose(Control list, const char* text) {
    QComboBox* combo = Game().List(list);
    combo->setCurrentIndex(combo->findText(QString::fromUtf8(text)));
  }
  // The notices sent since the last call, and how many text events the transcript and the compact
  // text sent meanwhile.
  QStringList Notices() {
    QStringList told;
    for (const Sent& sent : SentEvents()) {
      if (sent.object == Game().Notice()) {
        EXPECT_EQ(sent.type, QAccessible::ObjectShow);
        told << sent.text;
      }
    }
    return told;
  }
  int TextEvents() {
    int count = 0;
    for (const Sent& sent : SentEvents()) {
      if (IsTextEvent(sent.type) && (sent.object == Game().Transcript() || sent.object == Game().TextView())) ++count;
    }
    return count;
  }
  void Forget() { SentEvents().clear(); }

  testing::ScratchFolder folder;
  testing::RecordingBoxes boxes;
  std::unique_ptr<GameDatabase> database;
  std::unique_ptr<GameWindow> window;
  QAccessible::UpdateHandler previous = nullptr;
};

TEST_F(ScreenReaderEvents, AnArrowOnTheVerbListIsOneNoticeOfTheNewVerbAndNoTextEvent) {
  QTest::keyClick(Game().List(Control::VerbList), Qt::Key_Down);
  EXPECT_EQ(Notices(), QStringList{"Get the"});
  EXPECT_EQ(TextEvents(), 0) << "the hidden compact text was rewritten for a verb";
}

TEST_F(ScreenReaderEvents, AnAnswerIsOneNoticeAndTheTranscriptSendsNoTextEvent) {
  Choose(Control::VerbList, "Look at");
  Choose(Control::Noun1List, "bed");
  Forget();
  Game().Button(Control::Action)->click();
  EXPECT_EQ(Notices(), QStringList{"My bed looks slept in. I never make my bed so it always looks slept in."});
  EXPECT_EQ(TextEvents(), 0);
  // The same question again is a new answer, told again.
  Forget();
  Game().Button(Control::Action)->click();
  EXPECT_EQ(Notices().size(), 1);
  EXPECT_EQ(TextEvents(), 0);
}

TEST_F(ScreenReaderEvents, WalkingIntoTheKitchenIsOneNoticeOfItsTextPerStep) {
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up}) {
    Forget();
    QTest::keyClick(Game().List(Control::VerbList), key, Qt::ControlModifier);
    ASSERT_EQ(Notices().size(), 1);
    EXPECT_EQ(TextEvents(), 0);
  }
  EXPECT_EQ(window->Screen().CurrentRoom(), 69);
  EXPECT_TRUE(Notices()[0].startsWith("You are in the kitchen of your house.")) << Notices()[0].toStdString();
  EXPECT_TRUE(Notices()[0].endsWith("Objects in Room: carrot, teapot")) << Notices()[0].toStdString();
}

}  // namespace
}  // namespace brackenhollow
