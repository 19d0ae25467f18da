#pragma once
// Plays a script against the game's real windows, through their widgets, and prints what a player
// would see. It answers the game's message boxes itself.

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "store/MessageBoxes.h"

class QWidget;

namespace brackenhollow {

class GameDialog;
class GameWindow;
class SplashDialog;

class ReplayDriver : public MessageBoxes {
 public:
  ReplayDriver(std::vector<std::string> lines, std::string programDirectory, std::ostream& out);

  // Runs the next command of the script against whichever dialog is open. Returns false once the
  // script is used up (the open dialog has then been closed as a player killing the game would).
  bool Step();
  // Called when the game screen has closed: reports it, and refuses what the script still holds.
  void Closed();
  // True when any command could not be carried out.
  bool Failed() const { return m_failed; }

  void Inform(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

 private:
  std::optional<std::string> NextCommand();
  void Run(const std::string& command);
  void RunOnSplash(SplashDialog& splash, const std::string& verb);
  void RunOnGame(GameWindow& window, const std::string& verb, const std::string& argument);
  void Press(GameWindow& window, const std::string& name);
  // The Game menu: "press Undo" and "press Redo" as its items (refused while they are disabled),
  // "save NAME" and "load NAME" as Save As… and Open Saved Game… once the name is chosen. Returns
  // false for any other command.
  bool RunGameMenu(GameWindow& window, const std::string& verb, const std::string& argument);
  // Gives the window a size of "WIDTHxHEIGHT" pixels, for screenshots.
  void Resize(GameWindow& window, const std::string& size);
  void Choose(GameDialog& game, const std::string& listName, const std::string& text);
  void Show(GameDialog& game);
  // Lists the hotspots of the picture shown, back to front, in 1x picture pixels.
  void ListHotspots(GameDialog& game);
  // What the pointer does at "X Y" (1x picture pixels) in the picture: a click, or a double click.
  void Click(GameDialog& game, const std::string& position, bool doubleClick);
  // Writes what the window shows into a PNG file.
  void Shoot(QWidget& window, const std::string& file);
  void Refuse(const std::string& why);

  std::vector<std::string> m_lines;
  std::size_t m_next = 0;
  std::string m_programDirectory;
  std::ostream& m_out;
  std::optional<bool> m_answer;
  bool m_failed = false;
  bool m_windowPrepared = false;
};

}  // namespace brackenhollow
