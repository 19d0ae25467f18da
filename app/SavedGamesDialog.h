#pragma once
// Game → Open Saved Game…: the named saves, each with a thumbnail of its room's picture, its name,
// its room and when it was saved.

#include <optional>
#include <string>
#include <vector>

#include "store/SavedGames.h"

class QWidget;

namespace brackenhollow {

// Shows saves (newest first) and lets the player pick one; pictures are looked up under
// programDirectory. Returns the chosen save's name, or nothing when the player cancelled.
std::optional<std::string> ChooseSavedGame(QWidget* parent, const std::vector<NamedSave>& saves,
                                           const std::string& programDirectory);

// Asks for the name to keep the game under, offering suggestion. Returns nothing when the player
// cancelled.
std::optional<std::string> AskSaveName(QWidget* parent, const std::string& suggestion);

}  // namespace brackenhollow
