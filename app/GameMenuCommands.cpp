// The game screen's Game menu: taking actions back and doing them again, and named saves.

#include <optional>
#include <string>

#include "app/GameScreen.h"
#include "app/SavedGame.h"
#include "store/MessageBoxes.h"
#include "view/PictureSelection.h"
#include "view/RoomView.h"

namespace brackenhollow {

namespace {

constexpr char kUndoRefused[] = "That step cannot be taken back.";
constexpr char kRedoRefused[] = "That step cannot be done again.";
// What an undo and a redo tell, before the action's words.
constexpr char kTakenBack[] = "Taken back: ";
constexpr char kDoneAgain[] = "Done again: ";
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
  if (!m_screen.canUndo) return;
  const HistoryStep step = m_history.Undo();
  if (step.outcome == HistoryOutcome::Done) {
    std::optional<std::string> words;
    if (!m_keptSteps.empty()) {
      words = std::move(m_keptSteps.back());
      m_keptSteps.pop_back();
    }
    m_undoneSteps.push_back(words);
    TellHistoryStep(kTakenBack, words, step.room);
  } else if (step.outcome == HistoryOutcome::Refused) {
    // The refused step went with every older one.
    m_keptSteps.clear();
  }
  ShowHistoryStep(step, true);
}

void GameScreen::OnRedo() {
  if (!m_screen.canRedo) return;
  const HistoryStep step = m_history.Redo();
  if (step.outcome == HistoryOutcome::Done) {
    // A step taken back before this session is not among the undone steps it knows.
    std::optional<std::string> words;
    if (!m_undoneSteps.empty()) {
      words = std::move(m_undoneSteps.back());
      m_undoneSteps.pop_back();
    }
    if (words) m_keptSteps.push_back(*words);
    TellHistoryStep(kDoneAgain, words, step.room);
  } else if (step.outcome == HistoryOutcome::Refused) {
    // The refused step went with every newer one.
    m_undoneSteps.clear();
  }
  ShowHistoryStep(step, false);
}

void GameScreen::TellHistoryStep(const std::string& what, const std::optional<std::string>& words, int room) {
  if (words) {
    m_screen.toldAnswer = what + *words + ".";
  } else {
    const std::string name = ReadRoomName(m_database, room);
    const std::string where = name.empty() ? "room " + std::to_string(room) : "the room " + Quoted(name);
    m_screen.toldAnswer = what + "an action from " + m_earlierSteps + ", in " + where + ".";
  }
  ++m_screen.toldRevision;
}

void GameScreen::ForgetSessionSteps(const std::string& earlierSteps) {
  m_keptSteps.clear();
  m_undoneSteps.clear();
  m_earlierSteps = earlierSteps;
}

void GameScreen::ShowHistoryStep(const HistoryStep& step, bool undo) {
  switch (step.outcome) {
    case HistoryOutcome::Done:
      ArriveIn(step.room);
      break;
    case HistoryOutcome::NothingToDo:
      break;
    case HistoryOutcome::Refused:
      m_boxes.Inform(undo ? kUndoRefused : kRedoRefused);
      break;
    case HistoryOutcome::Failed:
      m_boxes.Inform(std::string(undo ? "That step could not be taken back (" : "That step could not be done again (") +
                     step.cause + "). Nothing was changed.");
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
  const SaveOpening opening = m_saves.Open(trimmed);
  switch (opening.outcome) {
    case OpenOutcome::Opened:
      ForgetSessionSteps("the saved game " + Quoted(trimmed));
      ++m_screen.worldRevision;
      ArriveIn(ParseSavedRoom(m_state.ReadSavedRoom()));
      break;
    case OpenOutcome::NotFound:
      m_boxes.Inform("The saved game " + Quoted(trimmed) + " is no longer there. Your game goes on as it was.");
      break;
    case OpenOutcome::Refused:
    case OpenOutcome::Failed:
      m_boxes.Inform("The saved game " + Quoted(trimmed) + " could not be opened: " + opening.reason +
                     ". Your game goes on as it was.");
      break;
  }
  UpdateHistoryCommands();
  return true;
}

}  // namespace brackenhollow
