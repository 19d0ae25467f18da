#pragma once
// Game → Open Saved Game…: the named saves, each with a thumbnail of its room's picture, its name,
// its room and when it was saved.

#include <optional>
#include <string>
#include <vector>

#include "store/SavedGames.h"

class QWidget;

namespace brackenhollow {

// The picture file a save's thumbnail is made from: the save's picture name when it is one its room
// can show, else the room's first picture, always inside pictureFolder (the game's own). Empty when
// the room has none or the file is not a regular file, which is then never opened.
std::string ThumbnailFile(const NamedSave& save, const std::string& pictureFolder);

// Shows saves (newest first) and lets the player pick one; pictures are looked up under
// programDirectory. A save that cannot be opened is shown with the reason and cannot be chosen.
// Returns the chosen save's name, or nothing when the player cancelled.
std::optional<std::string> ChooseSavedGame(QWidget* parent, const std::vector<NamedSave>& saves,
                                           const std::string& programDirectory);

// Asks for the name to keep the game under, offering suggestion. Returns nothing when the player
// cancelled.
std::optional<std::string> AskSaveName(QWidget* parent, const std::string& suggestion);

}  // namespace brackenhollow
