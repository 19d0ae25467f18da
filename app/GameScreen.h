#pragma once
// The game screen's logic without widgets: its members, its handlers and the operations the other
// parts of the game reach it by. The Qt dialog routes events here and mirrors Screen() into widgets.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/ScreenState.h"
#include "store/GameState.h"
#include "store/SavedGames.h"
#include "store/UndoHistory.h"

namespace brackenhollow {

class GameDatabase;
class MessageBoxes;

inline constexpr char kStartChosen[] = "N";

class GameScreen {
 public:
  // programDirectory is the folder of the executable, ending in its separator.
  GameScreen(GameDatabase& database, MessageBoxes& boxes, std::string programDirectory);

  const ScreenState& Screen() const { return m_screen; }
  // Called when the screen must be painted at once, before a long step (the world rebuild).
  void SetPaintNow(std::function<void()> paintNow) { m_paintNow = std::move(paintNow); }

  // Start-up before the start dialog: picture settings, room 1.
  void PrepareStart();
  // Start-up after the start dialog: reads the saved room and shows it. A choice other than "N"
  // (the player left) asks for the screen to close.
  void EnterGame(const std::string& startChoice);

  // Handlers of the controls. A disabled control does nothing.
  void OnNorth();
  void OnSouth();
  void OnEast();
  void OnWest();
  void OnAction();
  void OnTextGraphic();
  void OnExit();
  // Game menu. Undo takes back the newest action that changed the game, Redo does the last one undone
  // again; either then shows the room where that action was done, as after a move into it, and tells
  // which action it was (Screen().toldAnswer). Each does nothing while Screen() says it cannot.
  void OnUndo();
  void OnRedo();
  // Keeps the game as it is now under name, asking first before replacing a save of that name.
  // Returns true when the save was written.
  bool SaveGameAs(const std::string& name);
  // Asks, then replaces the game with the save of that name and shows the room it was saved in.
  // Returns false, asking nothing, when there is no save of that name.
  bool OpenSavedGame(const std::string& name);
  // The named saves, newest first.
  std::vector<NamedSave> SavedGamesList() const { return m_saves.List(); }
  // The name of the room the player stands in ("bedroom"), which a new save is offered as its name;
  // empty when the room has none.
  std::string RoomName();

  // The player chooses a list entry; false (and nothing changes) when the list is disabled or the
  // index is not an entry.
  bool ChooseVerb(int index);
  bool ChooseNoun1(int index);
  bool ChooseNoun2(int index);

  // The shared operations of the screen.
  void RefreshRoomView();
  bool ShowRoomPicture();
  void DoMove();
  void SaveCurrentRoom();
  int CurrentRoom() const { return m_currentRoom; }
  GameDatabase& Database() { return m_database; }
  GameState& State() { return m_state; }
  // Asks for confirmation and, on Yes, rebuilds the world and puts the player in the first room.
  void ResetGame();

 private:
  void OnVerbChanged();
  // Shows room after the game jumped there (an undo, an opened save) as a move into it would.
  void ArriveIn(int room);
  // Brings what the Game menu offers up to date with the store.
  void UpdateHistoryCommands();
  void ShowHistoryStep(const HistoryStep& step, bool undo);
  // Tells what an undo or redo did: what ("Taken back: ") and the action's words, or, for a step kept
  // before this session, where it was done.
  void TellHistoryStep(const std::string& what, const std::optional<std::string>& words, int room);
  // The history is another's from now on (a new world, an opened save): this session kept none of it.
  void ForgetSessionSteps(const std::string& earlierSteps);
  // A direction button's handler: records the direction and moves.
  void Walk(Control button, const char* direction);
  void TakeControls();
  void ShowMembers();
  void SetViewText(const std::string& text);
  void SetAllControls(bool enabled);
  void EnableAfterHandler();

  GameDatabase& m_database;
  MessageBoxes& m_boxes;
  GameState m_state;
  UndoHistory m_history;
  SavedGames m_saves;
  ScreenState m_screen;
  std::function<void()> m_paintNow;
  bool m_resetConfirmed = false;
  // What this session knows of the history: the words of the steps it kept, newest last, and of the
  // steps it took back, the next to do again last (none for a step kept before the session). The
  // steps beyond them were kept earlier, as m_earlierSteps says ("your previous session").
  std::vector<std::string> m_keptSteps;
  std::vector<std::optional<std::string>> m_undoneSteps;
  std::string m_earlierSteps;

  // The members the game's parts share.
  int m_currentRoom = 1;
  std::string m_direction;
  std::string m_actionMessage;
  std::string m_roomText;
  std::string m_viewText;
  std::string m_verbText;
  std::string m_noun1Text;
  std::string m_noun2Text;
  std::string m_programDirectory;
};

}  // namespace brackenhollow
