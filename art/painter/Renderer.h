// Paints a picture's layers.
#pragma once

#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"

#include <QImage>

namespace brackenhollow::art {

// Paints every layer of a picture on the 596 x 408 frame (a square 408 one for the icon), enlarged by
// resolution (1, 2 or 3) so a larger picture is drawn sharp rather than blown up.
// Throws SceneError for an unknown prop or a parameter no prop used.
QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution);

// Paints the square icon at size x size pixels, drawn large enough and then reduced. Throws as PaintPicture.
QImage PaintIcon(const Picture& picture, const PropRegistry& registry, int size);

}  // namespace brackenhollow::art
