#include "app/GameScreen.h"

#include <array>
#include <cstdint>

#include "actions/ActionContext.h"
#include "actions/ActionInterpreter.h"
#include "actions/Verbs.h"
#include "app/SavedGame.h"
#include "movement/RoomExits.h"
#include "store/ActionTransaction.h"
#include "store/MessageBoxes.h"
#include "view/PictureSelection.h"
#include "view/RoomView.h"
#include "world/StateReadings.h"
#include "world/WorldBuild.h"
#include "world/StoreRules.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

namespace {

constexpr char kTextCaption[] = "Text";
constexpr char kGraphicCaption[] = "Graphic";
constexpr char kResetQuestion[] =
    "Are you sure you want to reset the game? This will reset all the progress you have made thus far, "
    "and your actions can no longer be undone.";
constexpr char kResetWait[] = "Please Wait. Recreating the Database. This will take less than 1 minute.";
constexpr char kActionNotSaved[] =
    "That could not be saved, so it did not happen. The game is as it was before.";
// Whose the history's steps are that this session did not keep itself, when it starts.
constexpr char kPreviousSession[] = "your previous session";
constexpr std::array<Control, 4> kDirections = {Control::North, Control::South, Control::East, Control::West};

// Selects the entry equal to text, or else the first that begins with it; leaves the selection as
// it is when none does.
void SelectMatching(ListState& list, const std::string& text) {
  for (std::size_t index = 0; index < list.entries.size(); ++index) {
    if (list.entries[index] == text) {
      list.selected = static_cast<int>(index);
      return;
    }
  }
  for (std::size_t index = 0; index < list.entries.size(); ++index) {
    if (list.entries[index].compare(0, text.size(), text) == 0) {
      list.selected = static_cast<int>(index);
      return;
    }
  }
}

bool Choose(ListState& list, bool enabled, int index) {
  if (!enabled || index < 0 || index >= static_cast<int>(list.entries.size())) return false;
  list.selected = index;
  return true;
}

}  // namespace

GameScreen::GameScreen(GameDatabase& database, MessageBoxes& boxes, std::string programDirectory)
    : m_database(database),
      m_boxes(boxes),
      m_state(database, boxes),
      m_history(database, [this] { return m_currentRoom; }),
      m_saves(database, GameStoreRules()),
      m_earlierSteps(kPreviousSession),
      m_programDirectory(std::move(programDirectory)) {
  for (const Verb& verb : Verbs()) m_screen.verbs.entries.emplace_back(verb.text);
  SetAllControls(true);
  m_screen.Enable(Control::Noun2List, false);
}

void GameScreen::PrepareStart() {
  // The picture control starts shown: the game opens in the graphic view.
  m_screen.pictureShown = true;
  m_currentRoom = kFirstRoom;
}

void GameScreen::EnterGame(const std::string& startChoice) {
  if (startChoice != kStartChosen) m_screen.closeRequested = true;
  const std::string saved = m_state.ReadSavedRoom();
  if (!saved.empty()) m_currentRoom = ParseSavedRoom(saved);
  ShowRoomPicture();
  m_screen.verbs.selected = 0;
  UpdateHistoryCommands();
}

void GameScreen::SetAllControls(bool enabled) { m_screen.enabled.fill(enabled); }

void GameScreen::SetViewText(const std::string& text) {
  m_screen.viewText = text;
  ++m_screen.viewTextRevision;
}

void GameScreen::TakeControls() {
  m_verbText = m_screen.verbs.SelectedText();
  m_noun1Text = m_screen.noun1.SelectedText();
  m_noun2Text = m_screen.noun2.SelectedText();
  m_viewText = m_screen.viewText;
}

void GameScreen::ShowMembers() {
  SetViewText(m_viewText);
  SelectMatching(m_screen.verbs, m_verbText);
  SelectMatching(m_screen.noun1, m_noun1Text);
  SelectMatching(m_screen.noun2, m_noun2Text);
}

void GameScreen::RefreshRoomView() {
  RoomViewContent content = ReadRoomView(m_currentRoom, m_database, m_boxes);
  m_screen.noun1.entries = content.nounEntries;
  m_screen.noun2.entries = std::move(content.nounEntries);
  m_screen.noun1.selected = -1;
  m_screen.noun2.selected = -1;
  m_roomText = std::move(content.roomText);
  m_viewText = m_roomText;
  m_noun1Text = kBlankEntry;
  m_noun2Text = kBlankEntry;
  ShowMembers();
}

bool GameScreen::ShowRoomPicture() {
  RefreshRoomView();
  if (!IsRoom(m_currentRoom)) return true;
  // One set of readings for the picture and the exits, so a key both ask about is read (and any
  // "No records found" box shown) once, in the order of the room's picture tests.
  StateReadings readings(m_state);
  const std::optional<std::string> picture = SelectRoomPicture(m_currentRoom, readings);
  if (!picture) return true;
  const unsigned directions = OpenDirections(m_currentRoom, readings);
  m_screen.pictureFile = m_programDirectory + *picture;
  m_screen.Enable(Control::East, (directions & kEast) != 0);
  m_screen.Enable(Control::South, (directions & kSouth) != 0);
  m_screen.Enable(Control::North, (directions & kNorth) != 0);
  m_screen.Enable(Control::West, (directions & kWest) != 0);
  return true;
}

void GameScreen::OnNorth() { Walk(Control::North, "N"); }
void GameScreen::OnSouth() { Walk(Control::South, "S"); }
void GameScreen::OnEast() { Walk(Control::East, "E"); }
void GameScreen::OnWest() { Walk(Control::West, "W"); }

void GameScreen::Walk(Control button, const char* direction) {
  if (!m_screen.IsEnabled(button)) return;
  m_direction = direction;
  DoMove();
}

void GameScreen::DoMove() { ArriveIn(IsRoom(m_currentRoom) ? NextRoom(m_currentRoom, m_direction) : m_currentRoom); }

void GameScreen::ArriveIn(int room) {
  SetAllControls(false);
  m_currentRoom = room;
  ShowRoomPicture();
  EnableAfterHandler();
  m_screen.Enable(Control::Noun2List, UsesSecondList(m_screen.verbs.SelectedText()));
}

void GameScreen::EnableAfterHandler() {
  for (Control control : {Control::Toggle, Control::Action, Control::Exit, Control::VerbList, Control::Noun1List}) {
    m_screen.Enable(control, true);
  }
}

void GameScreen::OnAction() {
  if (!m_screen.IsEnabled(Control::Action)) return;
  std::array<bool, kDirections.size()> directionsBefore{};
  for (std::size_t index = 0; index < kDirections.size(); ++index) {
    directionsBefore[index] = m_screen.IsEnabled(kDirections[index]);
  }
  SetAllControls(false);
  m_screen.toggleCaption = kGraphicCaption;
  m_screen.pictureShown = false;
  TakeControls();
  m_actionMessage.clear();
  m_resetConfirmed = false;
  const std::string verb = m_verbText;
  const std::string noun1 = m_noun1Text;
  const std::string noun2 = m_noun2Text;

  const int roomBefore = m_currentRoom;
  const std::int64_t newestStep = m_history.NewestStep();

  ActionTransaction transaction(m_database);
  ActionContext context(m_database, m_state, m_currentRoom, noun1, noun2, [this] { ResetGame(); });
  ActionOutcome outcome = InterpretAction(verb, context);
  m_actionMessage = context.ActionMessage();
  if (!context.PictureFile().empty()) m_screen.pictureFile = m_programDirectory + context.PictureFile();
  const bool committed = transaction.Commit();
  // Undo will tell this action by its words; a reset began a history of its own.
  if (committed && !m_resetConfirmed && m_history.NewestStep() != newestStep) {
    m_keptSteps.push_back(SpokenAction(verb, noun1, noun2));
    m_undoneSteps.clear();
  }
  if (!committed) {
    // The store holds the game as it was before the action, and so must the screen.
    m_currentRoom = roomBefore;
    m_resetConfirmed = false;
    m_actionMessage = kActionNotSaved;
    outcome = {false, true};
  }

  // After a confirmed reset the exits are room 1's, as the reset's own refresh set them; the ones
  // open before it belong to a world that no longer exists.
  const bool restoreDirections = !m_resetConfirmed;
  if (outcome.messageOnly) {
    m_viewText = m_roomText + kParagraphBreak + m_actionMessage;
    ShowMembers();
  } else {
    if (outcome.pictureFlag) {
      ShowRoomPicture();
    } else {
      RefreshRoomView();
    }
    m_viewText = m_roomText + kParagraphBreak + m_actionMessage;
    ShowMembers();
  }
  if ((outcome.messageOnly || !outcome.pictureFlag) && restoreDirections) {
    for (std::size_t index = 0; index < kDirections.size(); ++index) {
      if (directionsBefore[index]) m_screen.Enable(kDirections[index], true);
    }
  }
  EnableAfterHandler();
  m_screen.Enable(Control::Noun2List, UsesSecondList(m_verbText));
  UpdateHistoryCommands();
}

void GameScreen::ResetGame() {
  if (!m_boxes.AskYesNo(kResetQuestion)) return;
  m_resetConfirmed = true;
  // The rebuild empties the history itself; it is no step that could be taken back.
  m_history.ForgetAction();
  m_screen.toggleCaption = kGraphicCaption;
  m_screen.pictureShown = false;
  SetViewText(kResetWait);
  if (m_paintNow) m_paintNow();
  BuildWorldDatabase(m_database);
  ForgetSessionSteps(kPreviousSession);
  ++m_screen.worldRevision;
  m_currentRoom = kFirstRoom;
  ShowRoomPicture();
  UpdateHistoryCommands();
}

void GameScreen::OnTextGraphic() {
  if (!m_screen.IsEnabled(Control::Toggle)) return;
  if (m_screen.toggleCaption == kTextCaption) {
    m_screen.toggleCaption = kGraphicCaption;
    m_screen.pictureShown = false;
  } else {
    m_screen.toggleCaption = kTextCaption;
    m_screen.pictureShown = true;
  }
}

void GameScreen::OnExit() {
  if (!m_screen.IsEnabled(Control::Exit)) return;
  SaveCurrentRoom();
  m_screen.closeRequested = true;
}

void GameScreen::SaveCurrentRoom() {
  ActionTransaction transaction(m_database, ActionTransaction::Kind::RoomSave);
  m_state.SaveCurrentRoom(m_currentRoom);
  transaction.Commit();
}

bool GameScreen::ChooseVerb(int index) {
  if (!Choose(m_screen.verbs, m_screen.IsEnabled(Control::VerbList), index)) return false;
  OnVerbChanged();
  return true;
}

bool GameScreen::ChooseNoun1(int index) {
  return Choose(m_screen.noun1, m_screen.IsEnabled(Control::Noun1List), index);
}

bool GameScreen::ChooseNoun2(int index) {
  return Choose(m_screen.noun2, m_screen.IsEnabled(Control::Noun2List), index);
}

void GameScreen::OnVerbChanged() {
  TakeControls();
  if (UsesSecondList(m_verbText)) {
    m_screen.Enable(Control::Noun2List, true);
    return;
  }
  m_screen.Enable(Control::Noun2List, false);
  m_noun2Text = kBlankEntry;
  ShowMembers();
}

}  // namespace brackenhollow
