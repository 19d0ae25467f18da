// The whole game played to the island by pointer alone, in the game window's widgets: every move a
// click on a way out in the picture (drawn there, or at the picture's edge where it is not), never on
// the compass; every thing a click in the picture or on the strip under it (the carried things, and
// the room's things the picture does not show), every verb a button of the verb bar, and Action its
// button; never a list. The lists must show what the pointer chose at every step, and the game must end as the
// walkthrough played through the lists ends.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include "app/GameDialog.h"
#include "app/InventoryStrip.h"
#include "app/PointerPicture.h"
#include "app/StartGame.h"
#include "app/VerbBar.h"
#include "store/GameDatabase.h"
#include "tests/ScriptedPlay.h"
#include "tests/StoreDump.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

constexpr char kUseWith[] = "Use the __ with the __";

// The folder of the test program, where the build puts the painted pictures and their maps.
std::string ProgramDirectory() {
  std::error_code error;
  return fs::read_symlink("/proc/self/exe", error).parent_path().string() + "/";
}

class PointerPlayer {
 public:
  PointerPlayer(GameDatabase& database, testing::RecordingBoxes& boxes)
      : m_database(database), m_dialog(database, boxes, ProgramDirectory()) {
    m_dialog.resize(1200, 800);
    m_dialog.show();
    QApplication::processEvents();
  }

  // Plays one line of the walkthrough by pointer; what could not be done so is added to faults and
  // done through the lists and buttons instead, so that the rest can still be tried.
  void Play(const std::string& line, std::vector<std::string>& faults) {
    const std::size_t space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : line.substr(space + 1);
    m_faults = &faults;
    m_line = line;
    if (command == "start") {
      m_dialog.PrepareStart();
      StartGame(m_database, [](const std::string&) {});
      m_dialog.EnterGame("N");
    } else if (command == "verb") {
      PressVerb(argument);
    } else if (command == "noun1") {
      // A half-made pair, or a thing to be unchosen: the verb's button starts the sentence anew.
      if (argument.empty() || Chosen(Control::Noun1List) || Chosen(Control::Noun2List)) PressVerb(Verb());
      if (!argument.empty()) PointAt(argument, Control::Noun1List);
    } else if (command == "noun2") {
      if (Chosen(Control::Noun2List)) {
        const std::string first = List(Control::Noun1List)->currentText().toStdString();
        PressVerb(Verb());
        PointAt(first, Control::Noun1List);
      }
      if (!argument.empty()) PointAt(argument, Control::Noun2List);
    } else if (line == "press Action") {
      QTest::mouseClick(m_dialog.Button(Control::Action), Qt::LeftButton);
    } else if (line == "press N" || line == "press S" || line == "press E" || line == "press W") {
      Walk(argument[0]);
    } else if (line == "press Exit") {
      // Leaving the game, as closing the window does: the room is kept.
      m_dialog.Button(Control::Exit)->click();
    } else if (line != "press Toggle") {
      Fault("a line the pointer player does not know");
    }
  }

  GameDialog& Dialog() { return m_dialog; }
  // How many moves went by the compass, the picture offering no way there.
  int CompassClicks() const { return m_compassClicks; }
  bool ShowsCloseUp() { return PointerPlay(m_dialog.Screen()).ShowsCloseUp(); }

 private:
  QComboBox* List(Control control) { return m_dialog.List(control); }
  std::string Verb() { return List(Control::VerbList)->currentText().toStdString(); }
  bool Chosen(Control list) {
    const QString text = List(list)->currentText();
    return List(list)->isEnabled() && !text.isEmpty() && text != " ";
  }
  void Fault(const std::string& what) { m_faults->push_back(m_line + ": " + what + " (room " + std::to_string(m_dialog.Screen().CurrentRoom()) + ", " + m_dialog.Picture()->PictureFile().toStdString() + ")"); }

  void PressVerb(const std::string& verb) {
    for (QToolButton* button : m_dialog.VerbButtons()->Buttons()) {
      if (button->accessibleName().toStdString() != verb) continue;
      QTest::mouseClick(button, Qt::LeftButton);
      if (Verb() != verb) Fault("the Verb list does not show the verb pressed");
      return;
    }
    Fault("no verb button");
  }

  // A close-up hides the room's other things: a click where it shows none goes back to the room.
  void LeaveCloseUp() {
    PointerPicture* picture = m_dialog.Pointer();
    const HotspotMap& map = m_dialog.PictureHotspots();
    QPointF empty(map.width / 2.0, map.height / 2.0);
    for (int y = 5; y < map.height && picture->TargetAt(empty) >= 0; y += 10) {
      for (int x = 5; x < map.width && picture->TargetAt(empty = QPointF(x + 0.5, y + 0.5)) >= 0; x += 10) {
      }
    }
    const QPointF scale(double(picture->width()) / std::max(map.width, 1), double(picture->height()) / std::max(map.height, 1));
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(int(empty.x() * scale.x()), int(empty.y() * scale.y())));
  }

  void PointAt(const std::string& thing, Control list, bool again = false) {
    PointerPicture* picture = m_dialog.Pointer();
    const std::vector<PointerTarget>& targets = picture->Targets();
    bool pointed = false;
    for (std::size_t index = targets.size(); index-- > 0 && !pointed;) {
      if (targets[index].hotspot.object != thing) continue;
      QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->TargetPoint(static_cast<int>(index)).toPoint());
      pointed = true;
    }
    for (QToolButton* tile : m_dialog.Strip()->Tiles()) {
      if (pointed || tile->text().toStdString() != thing) continue;
      QTest::mouseClick(tile, Qt::LeftButton);
      pointed = true;
    }
    if (!pointed && !again && m_dialog.PictureHotspots().width > 0 && ShowsCloseUp()) {
      LeaveCloseUp();
      PointAt(thing, list, true);
      return;
    }
    if (!pointed) {
      Fault("neither in the picture nor on the strip");
      List(list)->setCurrentIndex(List(list)->findText(QString::fromStdString(thing)));
      return;
    }
    if (List(list)->currentText().toStdString() != thing) Fault("the list does not show the thing pointed at");
  }

  void Walk(char direction, bool again = false) {
    PointerPicture* picture = m_dialog.Pointer();
    const std::vector<PointerTarget>& targets = picture->Targets();
    for (std::size_t index = 0; index < targets.size(); ++index) {
      if (targets[index].hotspot.way != direction || !targets[index].open) continue;
      QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, picture->TargetPoint(static_cast<int>(index)).toPoint());
      return;
    }
    // A close-up shows no ways out: a click beside its things goes back to the room, which does.
    if (!again && m_dialog.PictureHotspots().width > 0 && ShowsCloseUp()) {
      LeaveCloseUp();
      Walk(direction, true);
      return;
    }
    // Not in the picture: the compass button, a click too, and a fault.
    Fault("no way out there in the picture");
    const Control button = direction == 'N' ? Control::North : direction == 'S' ? Control::South
                           : direction == 'E' ? Control::East : Control::West;
    QTest::mouseClick(m_dialog.Button(button), Qt::LeftButton);
    ++m_compassClicks;
  }

  GameDatabase& m_database;
  GameDialog m_dialog;
  std::vector<std::string>* m_faults = nullptr;
  std::string m_line;
  int m_compassClicks = 0;
};

TEST(PointerWalkthroughTest, TheWholeGameIsPlayedToTheIslandWithClicksAndTheVerbBarAlone) {
  if (!fs::exists(ProgramDirectory() + "bedroom1.hotspots.json")) {
    GTEST_SKIP() << "the pictures' hotspot maps are not painted in this build";
  }
  testing::Application();
  testing::ScratchFolder folder;
  testing::RecordingBoxes boxes;

  GameDatabase byPointer(folder.File("pointer.sqlite"));
  std::vector<std::string> faults;
  {
    PointerPlayer player(byPointer, boxes);
    for (const std::string& line : testing::ScriptLines("walkthrough.txt")) player.Play(line, faults);
    EXPECT_EQ(player.CompassClicks(), 0) << "moves by the compass, the picture offering no way there";
  }
  std::string all;
  for (const std::string& fault : faults) all += "  " + fault + "\n";
  EXPECT_TRUE(faults.empty()) << faults.size() << " step(s) the pointer could not do:\n" << all;

  GameDatabase byLists(folder.File("lists.sqlite"));
  GameScreen screen(byLists, boxes, "/nowhere/");
  for (const std::string& line : testing::ScriptLines("walkthrough.txt")) {
    ASSERT_TRUE(testing::PlayLine(screen, byLists, line)) << line;
  }
  EXPECT_TRUE(testing::DumpWorld(byPointer) == testing::DumpWorld(byLists)) << "the pointer's game ended elsewhere";
}

}  // namespace
}  // namespace brackenhollow
