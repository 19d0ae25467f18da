// Playing by pointer in the real game window on an X server (the xcb platform under Xvfb, which
// scripts/test.sh starts): hover, click, double click, the right-click menu, walking by a way out, the
// strip of carried things, the verb bar, the keyboard through the picture and what a screen reader
// finds there. The test paints its own small pictures and maps; without an X server the tests skip.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "app/GameDialog.h"
#include "app/GameScreen.h"
#include "app/GameWindow.h"
#include "app/InventoryStrip.h"
#include "app/PointerPicture.h"
#include "app/SplashDialog.h"
#include "app/TranscriptView.h"
#include "app/VerbBar.h"
#include "art/painter/GifWriter.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

bool HaveDisplay() { return !qEnvironmentVariableIsEmpty("DISPLAY"); }

struct Spot {
  const char* name;  // an object, or "N", "S", "E", "W" for a way out
  int x, y, width, height;
};

// The rooms the tests walk: the bedroom (1) and its west side (2), in the states they pass through.
const std::vector<std::pair<std::string, std::vector<Spot>>> kPictures = {
    {"bedroom1", {{"bed", 100, 200, 200, 100}, {"W", 0, 100, 60, 200}, {"E", 536, 100, 60, 200}, {"N", 250, 0, 100, 60}}},
    {"bedroom left not lit", {{"lamp", 300, 150, 80, 120}, {"N", 250, 0, 100, 60}, {"E", 536, 100, 60, 200}}},
    {"bedroom left lit letter",
     {{"lamp", 300, 150, 80, 120}, {"letter", 100, 300, 60, 40}, {"N", 250, 0, 100, 60}, {"E", 536, 100, 60, 200}}},
    {"bedroom left lit", {{"lamp", 300, 150, 80, 120}, {"N", 250, 0, 100, 60}, {"E", 536, 100, 60, 200}}},
};

void Paint(const std::string& file, int width, int height, QRgb colour) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable({colour});
  image.fill(0);
  std::string error;
  ASSERT_TRUE(art::WriteGif(file, image, error)) << error;
}

class PointerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveDisplay()) GTEST_SKIP() << "needs an X server; scripts/test.sh starts Xvfb";
    testing::Application();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.File("config")));
    PaintTestPictures();
    database = std::make_unique<GameDatabase>(folder.File("store.sqlite"));
    window = std::make_unique<GameWindow>(*database, boxes, folder.Path().string() + "/");
  }

  // The test's own pictures and maps of the bedroom's two sides, and an icon of the letter.
  void PaintTestPictures() {
    for (const auto& [name, spots] : kPictures) {
      Paint(folder.File(name + ".gif"), 596, 408, qRgb(60, 70, 90));
      WriteMap(name, spots);
    }
    Paint(folder.File("item letter.gif"), 48, 48, qRgb(240, 230, 200));
  }

  // The map of the picture name, with a rectangular hotspot for each of spots.
  void WriteMap(const std::string& name, const std::vector<Spot>& spots) {
    std::ofstream map(folder.File(name + ".hotspots.json"));
    map << R"({"picture": ")" << name << R"(.gif", "width": 596, "height": 408, "description": "The )" << name
        << R"( drawn for the test.", "hotspots": [)";
    for (std::size_t index = 0; index < spots.size(); ++index) {
      const Spot& spot = spots[index];
      const bool way = std::string(spot.name).size() == 1;
      map << (index > 0 ? "," : "") << "{" << (way ? R"("way": ")" : R"("object": ")") << spot.name << R"(", "box": [)"
          << spot.x << "," << spot.y << "," << spot.width << "," << spot.height << R"(], "point": [)"
          << spot.x + spot.width / 2 << "," << spot.y + spot.height / 2 << R"(], "outline": [[)" << spot.x << ","
          << spot.y << "],[" << spot.x + spot.width << "," << spot.y << "],[" << spot.x + spot.width << ","
          << spot.y + spot.height << "],[" << spot.x << "," << spot.y + spot.height << "]]}";
    }
    map << "]}";
  }

  // Runs the game window from its start window and body once it is up and active.
  void Play(const std::function<void()>& body) {
    QTimer::singleShot(0, [this] { window->Splash().StartButton()->click(); });
    std::function<void()> whenShown = [this, &body, &whenShown] {
      if (!window->isVisible()) {
        QTimer::singleShot(10, whenShown);
        return;
      }
      window->activateWindow();
      // Clicks reach the window without the focus; only the keys need it.
      if (QTest::qWaitForWindowActive(window.get()) || !needsFocus) {
        window->resize(1200, 800);
        EXPECT_TRUE(QTest::qWaitFor([this] { return window->size() == QSize(1200, 800); }));
        QApplication::processEvents();
        body();
      } else {
        ADD_FAILURE() << "the game window never became active";
      }
      if (window->isVisible()) window->End(QDialog::Rejected);
    };
    QTimer::singleShot(0, whenShown);
    window->Run();
  }

  GameDialog& Game() { return window->Game(); }
  PointerPicture* Picture() { return Game().Pointer(); }
  int Room() { return window->Screen().CurrentRoom(); }
  QString First() { return Game().List(Control::Noun1List)->currentText(); }

  // The target named name (a thing, or "Way north" and the like).
  int Target(const QString& name) {
    for (int index = 0; index < static_cast<int>(Picture()->Targets().size()); ++index) {
      if (Picture()->TargetName(index) == name) return index;
    }
    ADD_FAILURE() << "no hotspot " << name.toStdString();
    return -1;
  }
  QPoint At(const QString& name) { return Picture()->TargetPoint(Target(name)).toPoint(); }
  // Moves the pointer over the picture to at, through the window as the X server reports a move (the
  // server's own pointer outlives a test and may already rest there, which would report nothing).
  void Hover(QPoint at) {
    QTest::mouseMove(window->windowHandle(), Picture()->mapTo(window.get(), at));
    QApplication::processEvents();
  }
  // Hovers at until the caption reads caption, moving again while it waits: on a busy server a stray
  // leave from the real pointer may come after the move.
  bool HoverUntilCaption(QPoint at, const QString& caption) {
    return QTest::qWaitFor([&] {
      Hover(at);
      return Picture()->Caption() == caption;
    });
  }

  // Mouse events through the window, as the X server delivers them: a right press brings the
  // context menu, a second press soon after the first a double click.
  void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton, bool twice = false) {
    const QPoint inWindow = widget->mapTo(window.get(), at);
    QWindow* handle = window->windowHandle();
    if (twice) {
      QTest::mouseDClick(handle, button, Qt::NoModifier, inWindow);
    } else {
      QTest::mouseClick(handle, button, Qt::NoModifier, inWindow);
    }
    QApplication::processEvents();
  }
  void Click(const QString& name, Qt::MouseButton button = Qt::LeftButton) { Press(Picture(), At(name), button); }
  void DoubleClick(const QString& name) { Press(Picture(), At(name), Qt::LeftButton, true); }
  void ClickTile(QWidget* tile, bool twice = false) { Press(tile, tile->rect().center(), Qt::LeftButton, twice); }
  void Walk(Control direction) { Game().Button(direction)->click(); }

  // Runs act, which opens a menu, and in the menu triggers the item whose text is item; returns every
  // item's text the menu offered.
  QStringList PickFromMenu(const QString& item, const std::function<void()>& act) {
    QStringList offered;
    // The menu opens in its own event loop, sooner or later on a busy machine: look until it is there.
    QTimer look;
    int tries = 0;
    look.setInterval(50);
    QObject::connect(&look, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) {
        if (++tries > 100) look.stop();
        return;
      }
      look.stop();
      QAction* wanted = nullptr;
      for (QAction* action : menu->actions()) {
        offered << action->text();
        if (action->text() == item) wanted = action;
      }
      if (wanted == nullptr) {
        menu->close();
        return;
      }
      // As the player does: the item lit, then Return.
      menu->setActiveAction(wanted);
      QTest::keyClick(menu, Qt::Key_Return);
    });
    look.start();
    act();
    QTest::qWaitFor([&] { return !look.isActive(); }, 6000);
    QTest::qWait(50);
    return offered;
  }

  testing::ScratchFolder folder;
  testing::RecordingBoxes boxes;
  std::unique_ptr<GameDatabase> database;
  std::unique_ptr<GameWindow> window;
  bool needsFocus = true;
};

TEST_F(PointerWindowTest, HoveringAThingShowsItsNameAnOutlineAndAPointingHand) {
  Play([&] {
    ASSERT_EQ(Room(), 1);
    const QImage plain = Picture()->grab().toImage();
    EXPECT_TRUE(HoverUntilCaption(At("bed"), "bed"));
    EXPECT_EQ(Picture()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_NE(Picture()->grab().toImage(), plain) << "neither caption nor outline drawn";
    EXPECT_TRUE(HoverUntilCaption(At("Way north (closed)"), "Way north (closed)"));
    // Over nothing: no caption, the usual pointer.
    EXPECT_TRUE(HoverUntilCaption(QPoint(Picture()->width() * 450 / 596, Picture()->height() * 350 / 408), QString()));
    EXPECT_EQ(Picture()->cursor().shape(), Qt::ArrowCursor);
  });
}

TEST_F(PointerWindowTest, AWayThePictureDoesNotDrawIsAtItsEdgeWithAnArrowPointingThereAndWalks) {
  // The bedroom looks south from the bed: the way west, not drawn here, lies along the right edge; the
  // closed door south, not drawn either, ahead in the upper middle.
  WriteMap("bedroom1", {{"bed", 100, 200, 200, 100}, {"E", 0, 100, 60, 200}});
  Play([&] {
    ASSERT_EQ(Room(), 1);
    const QRectF west = Picture()->TargetRect(Target("Way west"));
    EXPECT_NEAR(west.right(), Picture()->width(), 1.0);
    EXPECT_TRUE(HoverUntilCaption(At("Way west"), "Way west"));
    const QCursor arrow = Picture()->cursor();
    EXPECT_EQ(arrow.shape(), Qt::BitmapCursor);
    EXPECT_GT(arrow.hotSpot().x(), arrow.pixmap().width() * 3 / 4) << "the arrow points right, where west lies";
    EXPECT_TRUE(HoverUntilCaption(At("Way south (closed)"), "Way south (closed)"));
    EXPECT_EQ(Picture()->cursor().shape(), Qt::ForbiddenCursor);
    EXPECT_TRUE(HoverUntilCaption(At("bed"), "bed")) << "the bed, drawn, is not taken by the ways";
    Click("Way south (closed)");
    EXPECT_EQ(Room(), 1);
    Click("Way west");
    EXPECT_EQ(Room(), 2);
  });
}

TEST_F(PointerWindowTest, AClickChoosesTheThingInFirstObjectAndADoubleClickLooksAtIt) {
  Play([&] {
    const QString before = Game().Transcript()->toPlainText();
    Click("bed");
    EXPECT_EQ(First(), "bed");
    EXPECT_EQ(Game().Transcript()->toPlainText(), before) << "a click only chooses";
    DoubleClick("bed");
    EXPECT_EQ(Game().List(Control::VerbList)->currentText(), "Look at");
    EXPECT_TRUE(Game().Transcript()->NewestAnswer().contains("My bed looks slept in"))
        << Game().Transcript()->NewestAnswer().toStdString();
  });
}

TEST_F(PointerWindowTest, ARightClickOffersTheVerbsAndTheOneChosenIsDone) {
  Play([&] {
    Walk(Control::West);
    ASSERT_EQ(Room(), 2);
    const QStringList offered = PickFromMenu("Turn On the lamp", [&] { Click("lamp", Qt::RightButton); });
    EXPECT_TRUE(offered.contains("Look at lamp")) << offered.join(" | ").toStdString();
    EXPECT_TRUE(offered.contains("Use the lamp with the …")) << offered.join(" | ").toStdString();
    EXPECT_FALSE(offered.join(" ").contains("RESET"));
    EXPECT_EQ(window->Screen().State().GetActionStatus("Lamp On Room 1"), "1");
    EXPECT_EQ(Game().List(Control::VerbList)->currentText(), "Turn On the");
  });
}

TEST_F(PointerWindowTest, AClickOnAnOpenWayWalksAndOnAClosedOneChangesNothing) {
  Play([&] {
    const QString before = Game().Transcript()->toPlainText();
    Click("Way north (closed)");
    EXPECT_EQ(Room(), 1);
    EXPECT_EQ(Game().Transcript()->toPlainText(), before);
    Click("Way west");
    EXPECT_EQ(Room(), 2);
    // A double click on a way walks once: its second click lands on the new room and means nothing.
    DoubleClick("Way east");
    EXPECT_EQ(Room(), 1);
    EXPECT_EQ(Game().List(Control::VerbList)->currentText(), "Climb the");
  });
}

TEST_F(PointerWindowTest, CarriedThingsStandInTheStripAsIconsChosenAndLookedAtLikeThePictures) {
  Play([&] {
    Walk(Control::West);
    EXPECT_TRUE(Game().Strip()->Tiles().empty());
    // An empty strip says so instead of standing blank under the picture.
    auto nothingCarried = [&] {
      for (QLabel* label : Game().Strip()->findChildren<QLabel*>()) {
        if (label->text() == "You carry nothing yet.") return label->isVisible();
      }
      return false;
    };
    EXPECT_TRUE(nothingCarried());
    PickFromMenu("Turn On the lamp", [&] { Click("lamp", Qt::RightButton); });
    PickFromMenu("Get the letter", [&] { Click("letter", Qt::RightButton); });
    ASSERT_EQ(Game().Strip()->Tiles().size(), 1U);
    EXPECT_FALSE(nothingCarried());
    QToolButton* letter = Game().Strip()->Tiles()[0];
    EXPECT_EQ(letter->text(), "letter");
    EXPECT_FALSE(letter->icon().isNull()) << "the painted icon";
    EXPECT_TRUE(letter->isVisible());
    ClickTile(letter);
    EXPECT_EQ(First(), "letter");
    QComboBox* first = Game().List(Control::Noun1List);
    EXPECT_GT(first->currentIndex(), first->findText("INVENTORY ITEMS -------")) << "chosen among the carried things";
    EXPECT_TRUE(letter->isChecked());
    // A verb button starts a new sentence: use the letter (from the strip) with the lamp (in the picture).
    Game().VerbButtons()->Buttons()[Game().List(Control::VerbList)->findText("Use the __ with the __")]->click();
    EXPECT_EQ(First(), " ");
    ClickTile(letter);
    EXPECT_TRUE(HoverUntilCaption(At("lamp"), "Use the letter with the lamp")) << Picture()->Caption().toStdString();
    Click("lamp");
    EXPECT_EQ(First(), "letter");
    EXPECT_EQ(Game().List(Control::Noun2List)->currentText(), "lamp");
    ClickTile(letter, true);
    EXPECT_EQ(Game().List(Control::VerbList)->currentText(), "Look at");
    EXPECT_FALSE(Game().Transcript()->NewestAnswer().isEmpty());
  });
}

TEST_F(PointerWindowTest, AThingWithoutAPaintedIconGetsAPlainLabelledTile) {
  std::remove(folder.File("item letter.gif").c_str());
  Play([&] {
    Walk(Control::West);
    PickFromMenu("Turn On the lamp", [&] { Click("lamp", Qt::RightButton); });
    PickFromMenu("Get the letter", [&] { Click("letter", Qt::RightButton); });
    ASSERT_EQ(Game().Strip()->Tiles().size(), 1U);
    EXPECT_TRUE(Game().Strip()->Tiles()[0]->icon().isNull());
    EXPECT_EQ(Game().Strip()->Tiles()[0]->toolButtonStyle(), Qt::ToolButtonTextOnly);
    ClickTile(Game().Strip()->Tiles()[0]);
    EXPECT_EQ(First(), "letter");
  });
}

TEST_F(PointerWindowTest, ARoomThingThePictureDoesNotShowStandsOnTheStripAndIsChosenThere) {
  // The bedroom's map loses its bed.
  std::ofstream(folder.File("bedroom1.hotspots.json"))
      << R"({"picture": "bedroom1.gif", "width": 596, "height": 408, "description": "", "hotspots": []})";
  Play([&] {
    ASSERT_EQ(Game().Strip()->Tiles().size(), 1U);
    QToolButton* bed = Game().Strip()->Tiles()[0];
    EXPECT_EQ(bed->text(), "bed");
    EXPECT_FALSE(Game().Strip()->IsCarried(bed));
    ClickTile(bed);
    EXPECT_EQ(First(), "bed");
    QComboBox* first = Game().List(Control::Noun1List);
    EXPECT_LT(first->currentIndex(), first->findText("INVENTORY ITEMS -------")) << "chosen among the room's things";
  });
}

TEST_F(PointerWindowTest, TheVerbBarAndTheVerbListAlwaysAgree) {
  Play([&] {
    const std::vector<QToolButton*>& buttons = Game().VerbButtons()->Buttons();
    ASSERT_EQ(buttons.size(), 13U);
    EXPECT_TRUE(buttons[0]->isChecked());
    buttons[2]->click();
    EXPECT_EQ(Game().List(Control::VerbList)->currentText(), "Look at");
    EXPECT_TRUE(buttons[2]->isChecked());
    EXPECT_FALSE(buttons[0]->isChecked());
    Game().List(Control::VerbList)->setCurrentIndex(1);
    EXPECT_TRUE(buttons[1]->isChecked());
    EXPECT_FALSE(buttons[2]->isChecked());
    // A button starts a new sentence; the lists show it.
    Click("bed");
    buttons[2]->click();
    EXPECT_EQ(First(), " ");
    // Alt and the marked letter choose a verb.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Game().List(Control::VerbList)->currentText() == "Wear the"; }));
    // The compact layout is the original screen: no strip, no bar.
    window->SetCompact(true);
    EXPECT_FALSE(Game().VerbButtons()->isVisible());
    EXPECT_FALSE(Game().Strip()->isVisible());
  });
}

TEST_F(PointerWindowTest, TheKeyboardReachesThePictureMovesBetweenHotspotsAndChooses) {
  Play([&] {
    for (int step = 0; step < 12 && QApplication::focusWidget() != Picture(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), Picture()) << "Tab never reached the picture";
    ASSERT_GE(Picture()->KeyboardTarget(), 0);
    const QString before = Game().Transcript()->toPlainText();
    // Every hotspot can be reached with the arrows.
    QStringList reached;
    for (int step = 0; step < 8; ++step) {
      reached << Picture()->TargetName(Picture()->KeyboardTarget());
      QTest::keyClick(Picture(), step < 4 ? Qt::Key_Right : Qt::Key_Down);
    }
    for (const char* name : {"bed", "Way west", "Way east", "Way north (closed)", "Way south (closed)"}) {
      EXPECT_TRUE(reached.contains(name)) << name << " not reached: " << reached.join(" | ").toStdString();
    }
    while (Picture()->TargetName(Picture()->KeyboardTarget()) != "bed") QTest::keyClick(Picture(), Qt::Key_Right);
    EXPECT_EQ(Picture()->Caption(), "bed");
    QTest::keyClick(Picture(), Qt::Key_Return);
    EXPECT_EQ(First(), "bed");
    EXPECT_EQ(Game().Transcript()->toPlainText(), before) << "Return on the picture chooses; it does not act";
    // The context-menu key opens the verbs of the thing the keyboard stands on.
    const QStringList offered = PickFromMenu("Look at bed", [&] { QTest::keyClick(Picture(), Qt::Key_Menu); });
    EXPECT_TRUE(offered.contains("Look at bed"));
    EXPECT_TRUE(Game().Transcript()->NewestAnswer().contains("My bed looks slept in"));
  });
}

TEST_F(PointerWindowTest, AssistiveTechnologyFindsAnImageWithItsDescriptionAndOneChildPerHotspotAndThing) {
  Play([&] {
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(Picture());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_TRUE(picture->text(QAccessible::Name).startsWith("Picture")) << picture->text(QAccessible::Name).toStdString();
    EXPECT_EQ(picture->text(QAccessible::Description), "The bedroom1 drawn for the test.");
    QStringList children;
    for (int index = 0; index < picture->childCount(); ++index) {
      QAccessibleInterface* child = picture->child(index);
      ASSERT_NE(child, nullptr);
      children << child->text(QAccessible::Name);
      EXPECT_EQ(child->parent(), picture);
      EXPECT_EQ(picture->indexOfChild(child), index);
      EXPECT_TRUE(Picture()->rect().contains(Picture()->mapFromGlobal(child->rect().center())));
    }
    // The closed door south, which the test's map does not draw, stands at the back at the edge.
    EXPECT_EQ(children, QStringList({"Way south (closed)", "bed", "Way west", "Way east", "Way north (closed)"}));
    // Pressing the child is clicking the hotspot.
    picture->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(First(), "bed");
    // The room changes: the children follow.
    Walk(Control::West);
    picture = QAccessible::queryAccessibleInterface(Picture());
    ASSERT_EQ(picture->childCount(), 3);
    EXPECT_EQ(picture->child(0)->text(QAccessible::Name), "lamp");
    PickFromMenu("Turn On the lamp", [&] { Click("lamp", Qt::RightButton); });
    PickFromMenu("Get the letter", [&] { Click("letter", Qt::RightButton); });
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(Game().Strip());
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->text(QAccessible::Name), "Carried things");
    ASSERT_EQ(Game().Strip()->Tiles().size(), 1U);
    QAccessibleInterface* tile = QAccessible::queryAccessibleInterface(Game().Strip()->Tiles()[0]);
    EXPECT_EQ(tile->text(QAccessible::Name), "letter");
  });
}

// The painted pictures and their maps, as the build makes them beside the test program: in a room of
// every part of the world, a click on each thing's point in the real window chooses that thing.
class PaintedPicturesTest : public PointerWindowTest {
 protected:
  void SetUp() override {
    if (!HaveDisplay()) GTEST_SKIP() << "needs an X server; scripts/test.sh starts Xvfb";
    std::error_code error;
    directory = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string() + "/";
    if (!std::filesystem::exists(directory + "bedroom1.hotspots.json")) GTEST_SKIP() << "no painted hotspot maps";
    testing::Application();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(folder.File("config")));
    database = std::make_unique<GameDatabase>(folder.File("store.sqlite"));
    ASSERT_TRUE(BuildWorldDatabase(*database));
    needsFocus = false;
  }

  std::string directory;
};

TEST_F(PaintedPicturesTest, AClickOnEveryThingOfARoomInEachPartOfTheWorldChoosesIt) {
  // The house, the town, the farm, the cornfield, the forest, the mansion, the coast, the sewers, the
  // lighthouse and the ship's island.
  int things = 0;
  for (int room : {1, 2, 9, 10, 15, 16, 17, 18, 35, 47, 52, 56, 59, 64, 65, 79, 80, 84, 88, 91, 101, 109, 116, 130, 133}) {
    GameState(*database, boxes).SaveCurrentRoom(room);
    window.reset();
    window = std::make_unique<GameWindow>(*database, boxes, directory);
    Play([&] {
      ASSERT_EQ(Room(), room);
      for (int index = 0; index < static_cast<int>(Picture()->Targets().size()); ++index) {
        const Hotspot hotspot = Picture()->Targets()[static_cast<std::size_t>(index)].hotspot;
        if (hotspot.IsWay()) continue;
        Press(Picture(), Picture()->TargetPoint(index).toPoint());
        EXPECT_EQ(First().toStdString(), hotspot.object) << "room " << room << ", " << Picture()->PictureFile().toStdString();
        ++things;
      }
    });
  }
  EXPECT_GT(things, 20);
}

}  // namespace
}  // namespace brackenhollow
