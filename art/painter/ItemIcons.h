// The icons of the things the player carries, shown in a strip under the picture: painted from the scene
// texts' item blocks by the same props as the pictures, fitted to a square on a see-through background.
#pragma once

#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"

#include <QImage>

#include <string>

namespace brackenhollow::art {

// The side of an item icon at 1x; it is also written two and three times as large.
inline constexpr int kItemIconSize = 48;

// Every prop of the pictures, and the few things only an icon shows (a hank of twine, a rabbit, a jar of
// fireflies, a cut gem, a lump of wax).
const PropRegistry& ItemProps();

// Paints an item's layers and fits the thing, whole and centred, into a see-through size x size square.
// Throws SceneError as PaintPicture does, and for an item that paints nothing.
QImage PaintItemIcon(const Picture& item, int size);

// Writes the item's icon at every size ("item teapot.gif", "item teapot@2x.gif", "item teapot@3x.gif") into
// folder. Returns an empty text, or what failed. Throws as PaintItemIcon.
std::string WriteItemIcons(const Picture& item, const std::string& folder);

}  // namespace brackenhollow::art
