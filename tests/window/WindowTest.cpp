// The game window on a real X server (the xcb platform under Xvfb, which scripts/test.sh starts):
// keys and focus as a player meets them, resizing, fullscreen, what it remembers, the names a screen
// reader finds, and pictures drawn from the painted size the screen's scale asks for. Without an X
// server the tests skip.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

#include "app/GameDialog.h"
#include "app/GameScreen.h"
#include "app/GameWindow.h"
#include "app/HelpDialogs.h"
#include "app/InventoryStrip.h"
#include "app/PointerPicture.h"
#include "app/SavedGamesDialog.h"
#include "app/SplashDialog.h"
#include "app/TranscriptView.h"
#include "art/painter/GifWriter.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/FakeSpeech.h"
#include "tests/TestSupport.h"
#include "view/CS309PictureBox.h"
#include "view/PictureFrame.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

bool HaveDisplay() { return !qEnvironmentVariableIsEmpty("DISPLAY"); }

QString AccessibleName(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveDisplay()) GTEST_SKIP() << "needs an X server; scripts/test.sh starts Xvfb";
    testing::Application();
    // The window's settings go to the scratch folder, never to the tester's own.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.File("config")));
    database = std::make_unique<GameDatabase>(folder.File("store.sqlite"));
    OpenWindow();
  }

  void OpenWindow() {
    window.reset();
    window = std::make_unique<GameWindow>(*database, boxes, "/nowhere/");
  }

  // Runs the window as the game does: presses the start window's first button, then runs body once
  // the game window is up and active, and ends the run (as killed) if body left it open. Returns
  // what the run returned.
  int Play(const std::function<void()>& body) {
    QTimer::singleShot(0, [this] { window->Splash().StartButton()->click(); });
    return RunUntilShown([this, &body] {
      window->activateWindow();
      if (QTest::qWaitForWindowActive(window.get())) {
        body();
      } else {
        ADD_FAILURE() << "the game window never became active";
      }
    });
  }

  // Runs the window, and body once the game window is shown (checked from the event loop, since the
  // start window's own loop runs first); ends the run (as killed) if body left the window open.
  int RunUntilShown(const std::function<void()>& body) {
    std::function<void()> whenShown = [this, &body, &whenShown] {
      if (!window->isVisible()) {
        QTimer::singleShot(10, whenShown);
        return;
      }
      body();
      if (window->isVisible()) window->End(QDialog::Rejected);
    };
    QTimer::singleShot(0, whenShown);
    return window->Run();
  }

  GameDialog& Game() { return window->Game(); }
  void Choose(Control list, const char* text) {
    QComboBox* combo = Game().List(list);
    combo->setCurrentIndex(combo->findText(QString::fromUtf8(text)));
  }
  QWidget* Focus() const { return QApplication::focusWidget(); }

  testing::ScratchFolder folder;
  testing::RecordingBoxes boxes;
  std::unique_ptr<GameDatabase> database;
  std::unique_ptr<GameWindow> window;
};

TEST_F(WindowTest, FocusStartsOnTheVerbListAndTabWalksVerbObjectsActionDirectionsAndTheText) {
  std::vector<QWidget*> walked;
  std::vector<QWidget*> expected;
  Play([&] {
    EXPECT_EQ(Focus(), Game().List(Control::VerbList));
    Choose(Control::VerbList, "Use the __ with the __");
    expected = {Game().List(Control::VerbList), Game().List(Control::Noun1List), Game().List(Control::Noun2List),
                Game().Button(Control::Action)};
    for (Control direction : {Control::North, Control::West, Control::East, Control::South}) {
      if (Game().Button(direction)->isEnabled()) expected.push_back(Game().Button(direction));
    }
    // The picture and the things carried, then the running text last, for reading back, as the
    // shortcut list says; then round to the verb.
    expected.push_back(Game().Pointer());
    for (QWidget* tile : Game().Strip()->Tiles()) expected.push_back(tile);
    expected.push_back(Game().Transcript());
    expected.push_back(Game().List(Control::VerbList));
    for (std::size_t step = 0; step < expected.size(); ++step) {
      walked.push_back(Focus());
      QTest::keyClick(Focus(), Qt::Key_Tab);
    }
  });
  // Named, so that a wrong stop says which widget took the focus.
  auto names = [](const std::vector<QWidget*>& widgets) {
    std::vector<std::string> named;
    for (QWidget* widget : widgets) {
      named.push_back(std::string(widget->metaObject()->className()) + " " + widget->accessibleName().toStdString());
    }
    return named;
  };
  EXPECT_EQ(names(walked), names(expected));
}

TEST_F(WindowTest, CtrlZTakesBackTheLastActionAndCtrlShiftZDoesItAgainAsTheMenuOffers) {
  Play([&] {
    EXPECT_FALSE(window->Action(MenuCommand::Undo)->isEnabled());
    Game().Button(Control::West)->click();
    Choose(Control::VerbList, "Turn On the");
    Choose(Control::Noun1List, "lamp");
    Game().Button(Control::Action)->click();
    EXPECT_TRUE(window->Action(MenuCommand::Undo)->isEnabled());
    EXPECT_FALSE(window->Action(MenuCommand::Redo)->isEnabled());

    QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->Screen().State().GetActionStatus("Lamp On Room 1"), "0");
    EXPECT_EQ(window->Screen().CurrentRoom(), 2);
    EXPECT_FALSE(window->Action(MenuCommand::Undo)->isEnabled());
    EXPECT_TRUE(window->Action(MenuCommand::Redo)->isEnabled());

    QTest::keyClick(Focus(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window->Screen().State().GetActionStatus("Lamp On Room 1"), "1");
    EXPECT_TRUE(window->Action(MenuCommand::Undo)->isEnabled());
  });
}

TEST_F(WindowTest, ReturnPressesActionOnAClosedListOrTheTextAndAFocusedButtonDoesItsOwnJob) {
  Play([&] {
    Choose(Control::VerbList, "Look at");
    Choose(Control::Noun1List, "bed");
    Game().List(Control::Noun1List)->setFocus();
    QTest::keyClick(Focus(), Qt::Key_Return);
    const QString answer = Game().Transcript()->NewestAnswer();
    EXPECT_FALSE(answer.isEmpty());
    // In the running text Return presses Action too, and typing changes nothing.
    Choose(Control::Noun1List, "bed");
    Game().Transcript()->setFocus();
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(Game().Transcript()->toPlainText().count(answer), 2);
    const QString before = Game().Transcript()->toPlainText();
    QTest::keyClicks(Focus(), "xyz");
    EXPECT_EQ(Game().Transcript()->toPlainText(), before);
    // On a direction button Return walks, as Space does; on Action it presses Action once.
    Game().Button(Control::East)->setFocus();
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(window->Screen().CurrentRoom(), 9);
    Choose(Control::Noun1List, "mirror");
    Game().Button(Control::Action)->setFocus();
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_EQ(Game().Transcript()->NewestAnswer().isEmpty(), false);
    EXPECT_EQ(Game().Transcript()->toPlainText().count(Game().Transcript()->NewestAnswer()), 1);
  });
}

TEST_F(WindowTest, ReturnInAnOpenListChoosesTheEntryAndClosesTheListAndNothingMore) {
  // Opens the list with Alt+Down, goes down to text with the arrow keys and chooses it with Return.
  auto chooseInOpenList = [this](Control control, const QString& text) {
    QComboBox* list = Game().List(control);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    const int wanted = list->findText(text);
    ASSERT_GE(wanted, 0) << text.toStdString();
    for (int step = 0; step < list->count() && list->view()->currentIndex().row() != wanted; ++step) {
      QTest::keyClick(list->view(), list->view()->currentIndex().row() < wanted ? Qt::Key_Down : Qt::Key_Up);
    }
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QApplication::processEvents();
    EXPECT_EQ(list->currentText(), text);
  };
  Play([&] {
    const QString before = Game().Transcript()->toPlainText();
    chooseInOpenList(Control::VerbList, "Use the __ with the __");
    EXPECT_TRUE(Game().List(Control::Noun2List)->isEnabled());
    chooseInOpenList(Control::Noun1List, "bed");
    EXPECT_EQ(Focus(), Game().List(Control::Noun1List));
    // No action ran: no answer, and the second object can still be chosen.
    EXPECT_EQ(Game().Transcript()->toPlainText(), before);
    EXPECT_TRUE(Game().Transcript()->NewestAnswer().isEmpty());
    // Return on the closed list then presses Action.
    QTest::keyClick(Focus(), Qt::Key_Return);
    EXPECT_FALSE(Game().Transcript()->NewestAnswer().isEmpty());
  });
}

TEST_F(WindowTest, TheCompassHasTheSameSizeInEverySessionWhicheverWaysAreOpen) {
  ASSERT_TRUE(BuildWorldDatabase(*database));
  std::vector<QSize> sides;
  for (int room : {2, 9, 3}) {
    GameState(*database, boxes).SaveCurrentRoom(room);
    OpenWindow();
    Play([&] {
      QApplication::processEvents();
      sides.push_back(Game().Button(Control::North)->size());
      for (Control direction : {Control::South, Control::East, Control::West}) {
        EXPECT_EQ(Game().Button(direction)->size(), sides.back()) << room;
      }
    });
  }
  ASSERT_EQ(sides.size(), 3U);
  EXPECT_EQ(sides[0], sides[1]);
  EXPECT_EQ(sides[0], sides[2]);
}

TEST_F(WindowTest, At1280TheControlRowReachesAcrossUnderTheText) {
  Play([&] {
    window->resize(1280, 800);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(1280, 800); }));
    QApplication::processEvents();
    const QRect action = Game().Button(Control::Action)->geometry();
    const QRect text = Game().Transcript()->geometry();
    // Action fills the column under the running text; the lists reach to it.
    EXPECT_EQ(action.left(), text.left());
    EXPECT_EQ(action.right(), text.right());
    EXPECT_GE(Game().List(Control::VerbList)->geometry().right(), Game().PictureArea()->geometry().right() - 1);
  });
}

TEST_F(WindowTest, DialogsFitTheirContentAndTitle) {
  Play([&] {
    // The help pages show whole, within what the screen leaves (run on a 1280x800 screen too).
    const QSize room = window->screen()->availableGeometry().size() * 0.9;
    for (HelpPage page : {HelpPage::HowToPlay, HelpPage::KeyboardShortcuts}) {
      QWidget* dialog = ShowHelpPage(window.get(), page);
      ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
      QTest::qWait(200);  // the text lays out its page in steps
      auto* text = dialog->findChild<QTextBrowser*>();
      EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << dialog->windowTitle().toStdString();
      EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0) << dialog->windowTitle().toStdString();
      EXPECT_LE(dialog->height(), room.height()) << dialog->windowTitle().toStdString();
      EXPECT_LE(dialog->width(), room.width()) << dialog->windowTitle().toStdString();
      dialog->close();
    }
    // Save As is wide enough for its title and a long name.
    int width = 0;
    int fieldWidth = 0;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      width = dialog->width();
      fieldWidth = dialog->findChild<QLineEdit*>()->width();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(AskSaveName(window.get(), "bedroom").has_value());
    EXPECT_GE(width, window->fontMetrics().averageCharWidth() * 50);
    EXPECT_GE(fieldWidth, window->fontMetrics().horizontalAdvance(QStringLiteral("A long name for a saved game")));
    // Open Saved Game shows its few saves whole, long names too.
    window->SaveAs("Before the letter, with a name longer than most players would give");
    window->SaveAs("kitchen");
    ASSERT_EQ(window->Screen().SavedGamesList().size(), 2U);
    bool whole = false;
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      auto* list = dialog->findChild<QListWidget*>();
      whole = list->verticalScrollBar()->maximum() == 0 && list->horizontalScrollBar()->maximum() == 0;
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(ChooseSavedGame(window.get(), window->Screen().SavedGamesList(), "/nowhere/").has_value());
    EXPECT_TRUE(whole);
  });
}

TEST_F(WindowTest, CtrlArrowsWalkAndEscapeClosesAListButNeverQuits) {
  Play([&] {
    QTest::keyClick(Focus(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(window->Screen().CurrentRoom(), 9);
    QComboBox* verbs = Game().List(Control::VerbList);
    verbs->setFocus();
    verbs->showPopup();
    QTest::qWait(50);
    QTest::keyClick(QApplication::activePopupWidget() != nullptr ? QApplication::activePopupWidget() : Focus(),
                    Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    for (int time = 0; time < 3; ++time) QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
  });
}

TEST_F(WindowTest, CtrlQQuitsWithoutAQuestionAndKeepsTheRoom) {
  const int result = Play([&] {
    QTest::keyClick(Focus(), Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(Focus(), Qt::Key_Q, Qt::ControlModifier);
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(boxes.asked.empty());
}

TEST_F(WindowTest, F11AndTheMenuToggleFullscreenAndEscapeLeavesIt) {
  Play([&] {
    QTest::keyClick(Focus(), Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
    EXPECT_TRUE(window->Action(MenuCommand::Fullscreen)->isChecked());
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    EXPECT_TRUE(window->isVisible());
    window->Action(MenuCommand::Fullscreen)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
    window->Action(MenuCommand::Fullscreen)->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    EXPECT_FALSE(window->Action(MenuCommand::Fullscreen)->isChecked());
  });
}

TEST_F(WindowTest, ResizingGrowsThePictureAtItsOwnProportionsAndItCoversOnlyThePicture) {
  // The test's own pictures are missing: a placeholder fills the frame. The proportions are checked
  // on the painted pictures in PictureScaleTest; here the picture's area follows the window.
  std::vector<QSize> frames;
  Play([&] {
    for (const QSize size : {QSize(900, 650), QSize(1600, 1000)}) {
      window->resize(size);
      EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == size; }));
      QApplication::processEvents();
      frames.push_back(Game().PictureArea()->size());
      EXPECT_EQ(Game().Picture()->geometry(), Game().PictureArea()->rect());
    }
  });
  ASSERT_EQ(frames.size(), 2U);
  EXPECT_GT(frames[1].width(), frames[0].width());
  EXPECT_GT(frames[1].height(), frames[0].height());
}

TEST_F(WindowTest, BothLayoutsFitAScreenOf1366x768AtTwiceTheScale) {
  const QSize screen(683, 384);  // in the window's own units at twice the scale
  for (bool compact : {false, true}) {
    window->SetCompact(compact);
    const QSize smallest = window->minimumSizeHint();
    EXPECT_LE(smallest.width(), screen.width()) << compact;
    EXPECT_LE(smallest.height(), screen.height()) << compact;
  }
}

TEST_F(WindowTest, TheWindowRemembersItsSizeLayoutAndTextSize) {
  Play([&] {
    window->resize(1000, 700);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(1000, 700); }));
    window->Action(MenuCommand::CompactLayout)->trigger();
    window->Action(MenuCommand::LargerText)->trigger();
    window->Action(MenuCommand::LargerText)->trigger();
    window->close();
  });
  OpenWindow();
  Play([&] {
    // The X server may report the restored size a moment after the window shows.
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == QSize(1000, 700); })) << window->size().width();
    EXPECT_TRUE(window->Action(MenuCommand::CompactLayout)->isChecked());
    EXPECT_EQ(Game().CurrentLayout(), GameDialog::Layout::Compact);
    EXPECT_EQ(window->TextSize(), 2);
    EXPECT_GT(Game().font().pointSizeF(), QApplication::font().pointSizeF());
  });
}

TEST_F(WindowTest, CtrlRTurnsReadAloudOnForTheNextRunToo) {
  auto log = std::make_shared<testing::FakeSpeech::Log>();
  window->SetSpeech(std::make_unique<testing::FakeSpeech>(log));
  Play([&] {
    QTest::keyClick(Focus(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(window->Action(MenuCommand::ReadAloud)->isChecked());
    QTest::keyClick(Focus(), Qt::Key_Down);  // the verb list has the focus: the next verb is read
    window->close();
  });
  EXPECT_EQ(log->Said(), QStringList{"Get the"});
  OpenWindow();
  window->SetSpeech(std::make_unique<testing::FakeSpeech>(log));
  Play([&] {
    EXPECT_TRUE(window->Action(MenuCommand::ReadAloud)->isChecked());
    QTest::keyClick(Focus(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_FALSE(window->Action(MenuCommand::ReadAloud)->isChecked());
    window->close();
  });
  OpenWindow();
  Play([&] { EXPECT_FALSE(window->Action(MenuCommand::ReadAloud)->isChecked()); });
}

TEST_F(WindowTest, MenusAndTheStartWindowCarryTheNamesAScreenReaderFinds) {
  QStringList items;
  for (QAction* menu : window->menuBar()->actions()) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu->menu());
    ASSERT_NE(accessible, nullptr);
    for (int child = 0; child < accessible->childCount(); ++child) items << accessible->child(child)->text(QAccessible::Name);
  }
  for (const char* name : {"New Game…", "Open Saved Game…", "Save As…", "Undo", "Redo", "Quit", "Fullscreen",
                           "Compact Layout", "Read Aloud", "How to Play", "Keyboard Shortcuts", "About"}) {
    EXPECT_TRUE(items.contains(QString::fromUtf8(name))) << name;
  }
  EXPECT_FALSE(window->Action(MenuCommand::Undo)->isEnabled());
  EXPECT_EQ(window->Action(MenuCommand::HowToPlay)->shortcut(), QKeySequence(Qt::Key_F1));
  EXPECT_EQ(window->Action(MenuCommand::Quit)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(AccessibleName(window->Splash().NewGameButton()), "New Game");
  EXPECT_EQ(AccessibleName(window->Splash().ContinueButton()), "Continue");
  EXPECT_EQ(AccessibleName(window->Splash().QuitButton()), "Quit");
  EXPECT_EQ(window->windowTitle(), "Brackenhollow");
  EXPECT_EQ(window->Splash().windowTitle(), "Brackenhollow");
}

TEST_F(WindowTest, ContinueNamesTheSavedRoomAndANewGameAsksFirst) {
  ASSERT_TRUE(BuildWorldDatabase(*database));
  GameState(*database, boxes).SaveCurrentRoom(9);
  // A refused new game leaves the start window open; Continue then resumes in room 9.
  QTimer::singleShot(0, [this] {
    SplashDialog& splash = window->Splash();
    EXPECT_TRUE(splash.ContinueButton()->isVisible());
    EXPECT_TRUE(splash.ContinueButton()->text().contains("east side of bedroom"));
    boxes.answers = {false};
    splash.NewGameButton()->click();
    EXPECT_EQ(boxes.asked.size(), 1U);
    EXPECT_TRUE(splash.isVisible());
    splash.ContinueButton()->click();
  });
  RunUntilShown([this] { EXPECT_EQ(window->Screen().CurrentRoom(), 9); });
  // A confirmed new game starts in room 1.
  OpenWindow();
  boxes.answers = {true};
  QTimer::singleShot(0, [this] { window->Splash().NewGameButton()->click(); });
  RunUntilShown([this] { EXPECT_EQ(window->Screen().CurrentRoom(), 1); });
  EXPECT_EQ(boxes.asked.size(), 2U);
}

// Pictures drawn from the painted size the screen's scale needs: the same tests run at scale 1 and,
// with QT_SCALE_FACTOR=2, at scale 2.
class PictureScaleTest : public ::testing::Test {
 protected:
  static constexpr QRgb kColours[] = {qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};

  void SetUp() override {
    if (!HaveDisplay()) GTEST_SKIP() << "needs an X server; scripts/test.sh starts Xvfb";
    testing::Application();
    picture = new CS309PictureBox;
    frame = std::make_unique<PictureFrame>(picture);
  }

  // Writes NAME.gif and the painted sizes up to largest (1 to 3), each a solid colour of its own, or,
  // with checkered, a one-pixel checkerboard of the first two colours.
  void Paint(int largest, bool checkered = false) {
    for (int scale = 1; scale <= largest; ++scale) {
      const int width = 596 * scale;
      const int height = 408 * scale;
      QImage image(width, height, QImage::Format_Indexed8);
      image.setColorTable(QList<QRgb>(std::begin(kColours), std::end(kColours)));
      for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) line[x] = static_cast<uchar>(checkered ? (x + y) % 2 : scale - 1);
      }
      const std::string name = scale == 1 ? "room.gif" : "room@" + std::to_string(scale) + "x.gif";
      std::string error;
      ASSERT_TRUE(art::WriteGif(folder.File(name), image, error)) << error;
    }
  }

  // Shows the game's path for the picture in a frame of the given logical size.
  void Show(const QSize& size) {
    frame->resize(size);
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    picture->SetPictureFile(QString::fromStdString(folder.Path().string() + "/\\room.gif"));
    QApplication::processEvents();
    grabbed = picture->grab().toImage();
  }

  double Ratio() const { return frame->devicePixelRatioF(); }

  testing::ScratchFolder folder;
  CS309PictureBox* picture = nullptr;  // owned by the frame
  std::unique_ptr<PictureFrame> frame;
  QImage grabbed;
};

TEST_F(PictureScaleTest, DrawsFromThePaintedSizeAtLeastAsLargeAsShown) {
  Paint(3);
  Show(QSize(596, 408));
  const int wanted = static_cast<int>(std::ceil(Ratio()));  // 1 at scale 1, 2 at scale 2
  EXPECT_EQ(picture->DrawnSource(), QSize(596, 408) * wanted);
  EXPECT_EQ(grabbed.pixel(grabbed.width() / 2, grabbed.height() / 2), kColours[wanted - 1]);
  // Somewhat larger: the next painted size, brought down.
  Show(QSize(700, 480));
  EXPECT_EQ(picture->DrawnSource(), QSize(596, 408) * (wanted + 1));
  EXPECT_EQ(picture->geometry().size(), picture->FittedSize(frame->size()));
  EXPECT_NEAR(double(picture->width()) / picture->height(), 596.0 / 408.0, 0.01);
}

// The largest painting is read without the density its name suggests and its pixels are dropped while
// the picture is hidden: neither may change what is drawn.
TEST_F(PictureScaleTest, TheLargestPaintingDrawsWholeAndTheSameAgainAfterBeingHidden) {
  Paint(3);
  Show(QSize(1300, 900));
  if (Ratio() != 1.0) GTEST_SKIP() << "needs a screen at scale 1";
  ASSERT_EQ(picture->DrawnSource(), QSize(596, 408) * 3);
  const QImage shown = grabbed;
  EXPECT_EQ(shown.size(), picture->size());
  for (const QPoint& point : {QPoint(0, 0), QPoint(shown.width() - 1, shown.height() - 1),
                              QPoint(shown.width() / 2, shown.height() / 2)}) {
    EXPECT_EQ(shown.pixel(point), kColours[2]) << point.x() << "," << point.y();
  }
  frame->hide();
  QApplication::processEvents();
  frame->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
  EXPECT_EQ(picture->grab().toImage(), shown);
}

TEST_F(PictureScaleTest, WithOnlyNameGifItEnlargesByAWholeNumberWithoutSmoothing) {
  Paint(1, true);
  Show(QSize(1300, 900));
  const int times = static_cast<int>(std::floor(std::min(1300 * Ratio() / 596, 900 * Ratio() / 408)));
  ASSERT_GE(times, 2);
  EXPECT_EQ(picture->DrawnSource(), QSize(596, 408));
  EXPECT_EQ(grabbed.size(), QSize(596, 408) * times);
  // Every painted pixel became a block of times x times of exactly its colour.
  for (int x = 0; x < times * 4; ++x) {
    EXPECT_EQ(grabbed.pixel(x, 0), kColours[(x / times) % 2]) << "x " << x;
  }
}

}  // namespace
}  // namespace brackenhollow
