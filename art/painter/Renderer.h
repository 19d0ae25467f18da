// Paints a picture's layers and turns the result into palette indices.
#pragma once

#include "PropRegistry.h"
#include "SceneBook.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace brackenhollow::art {

// Paints every layer of a picture on the 596 x 408 frame (a square one for the icon, scaled to its size).
// Throws SceneError for an unknown prop or a parameter no prop used.
QImage PaintPicture(const Picture& picture, const PropRegistry& registry);

}  // namespace brackenhollow::art
