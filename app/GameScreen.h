#pragma once
// The game screen's logic without widgets: its members, its handlers and the operations the other
// parts of the game reach it by. The Qt dialog routes events here and mirrors Screen() into widgets.

#include <functional>
#include <string>

#include "actions/ActionContext.h"
#include "app/ScreenState.h"
#include "store/GameState.h"

namespace brackenhollow {

class GameDatabase;
class MessageBoxes;

inline constexpr char kStartChosen[] = "N";

class GameScreen : public ActionContext {
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
  int CurrentRoom() const override { return m_currentRoom; }

  // ActionContext
  GameDatabase& Database() override { return m_database; }
  GameState& State() override { return m_state; }
  std::string IsPairSelected(const std::string& a, const std::string& b) override;
  std::string IsPairSelectedInRoom(const std::string& a, const std::string& b, int room) override;
  void SetActionMessage(const std::string& text) override { m_actionMessage = text; }
  void SetPictureFile(const std::string& name) override;
  void ResetGame() override;

 private:
  void OnVerbChanged();
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
  ScreenState m_screen;
  std::function<void()> m_paintNow;
  bool m_resetConfirmed = false;

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
