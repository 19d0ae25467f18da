// The icons of the things the player carries, shown in a strip under the picture: painted from the scene
// texts' item blocks by the same props as the pictures, fitted to a square on a see-through background.
#pragma once

#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"

#include <QImage>

#include <string>
#include <vector>

namespace brackenhollow::art {

// The side of an item icon at 1x; it is also written two and three times as large.
inline constexpr int kItemIconSize = 48;

// Every prop of the pictures, and the few things only an icon shows (a hank of twine, a rabbit, a jar of
// fireflies, a cut gem, a lump of wax).
const PropRegistry& ItemProps();

// The icons are also written two and three times as large, for screens with more pixels.
inline constexpr int kLargestItemResolution = 3;

// Paints an item's layers once and fits the thing, whole and centred, into see-through squares of
// kItemIconSize times 1, 2 and 3. Throws SceneError as PaintPicture does, and for an item that paints nothing.
std::vector<QImage> PaintItemIcons(const Picture& item);

// Writes the item's icon at every size ("item teapot.gif", "item teapot@2x.gif", "item teapot@3x.gif") into
// folder. Returns an empty text, or what failed. Throws as PaintItemIcon.
std::string WriteItemIcons(const Picture& item, const std::string& folder);

}  // namespace brackenhollow::art
