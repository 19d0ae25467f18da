// The game screen's Game menu: taking actions back and doing them again, and named saves.

#include <optional>

#include "app/GameScreen.h"
#include "app/SavedGame.h"
#include "store/MessageBoxes.h"
#include "view/PictureSelection.h"
#include "view/RoomView.h"

namespace brackenhollow {

namespace {

constexpr char kHistoryFailed[] =
    "That step cannot be taken back or done again: the saved game no longer matches its history. "
    "Nothing was changed.";
constexpr char kSaveNameEmpty[] = "Please give the saved game a name.";
constexpr char kSaveNameTooLong[] = "That name is too long for a saved game. Please choose a shorter one.";
constexpr char kSaveNoFolder[] = "This game is kept only in memory, so it cannot be saved under a name.";

// A save's name as the messages quote it.
std::string Quoted(const std::string& name) { return "\u201c" + name + "\u201d"; }

}  // namespace

std::string GameScreen::RoomName() { return ReadRoomName(m_database, m_currentRoom); }

void GameScreen::UpdateHistoryCommands() {
  const HistoryChoices choices = m_history.Choices();
  m_screen.canUndo = choices.canUndo;
  m_screen.canRedo = choices.canRedo;
}

void GameScreen::OnUndo() {
  if (m_screen.canUndo) ShowHistoryStep(m_history.Undo());
}

void GameScreen::OnRedo() {
  if (m_screen.canRedo) ShowHistoryStep(m_history.Redo());
}

void GameScreen::ShowHistoryStep(const HistoryStep& step) {
  switch (step.outcome) {
    case HistoryOutcome::Done:
      ArriveIn(step.room);
      break;
    case HistoryOutcome::NothingToDo:
      break;
    case HistoryOutcome::Failed:
      m_boxes.Inform(kHistoryFailed);
      break;
  }
  UpdateHistoryCommands();
}

bool GameScreen::SaveGameAs(const std::string& name) {
  const std::string trimmed = TrimSaveName(name);
  if (!trimmed.empty() && m_saves.Exists(trimmed) &&
      !m_boxes.AskYesNo("A saved game named " + Quoted(trimmed) + " already exists. Replace it with this game?")) {
    return false;
  }
  // The save resumes where the player stands, and its thumbnail shows that room as it is now.
  SaveCurrentRoom();
  const std::optional<std::string> picture = SelectRoomPicture(m_currentRoom, m_state);
  switch (m_saves.Save(trimmed, picture.value_or(std::string()))) {
    case SaveOutcome::Saved:
      return true;
    case SaveOutcome::NameEmpty:
      m_boxes.Inform(kSaveNameEmpty);
      break;
    case SaveOutcome::NameTooLong:
      m_boxes.Inform(kSaveNameTooLong);
      break;
    case SaveOutcome::NoFolder:
      m_boxes.Inform(kSaveNoFolder);
      break;
    case SaveOutcome::Failed:
      m_boxes.Inform("The game could not be saved in " + m_saves.Folder() +
                     ". Check that the disk has room and that the folder may be written to.");
      break;
  }
  return false;
}

bool GameScreen::OpenSavedGame(const std::string& name) {
  const std::string trimmed = TrimSaveName(name);
  if (!m_saves.Exists(trimmed)) return false;
  if (!m_boxes.AskYesNo("Open the saved game " + Quoted(trimmed) + "? It replaces the game you are playing now.")) {
    return true;
  }
  switch (m_saves.Open(trimmed)) {
    case OpenOutcome::Opened:
      ArriveIn(ParseSavedRoom(m_state.ReadSavedRoom()));
      break;
    case OpenOutcome::NotFound:
    case OpenOutcome::Failed:
      m_boxes.Inform("The saved game " + Quoted(trimmed) +
                     " could not be opened: its file is damaged or holds no game. Your game goes on as it was.");
      break;
  }
  UpdateHistoryCommands();
  return true;
}

}  // namespace brackenhollow
