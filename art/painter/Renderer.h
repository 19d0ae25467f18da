// Paints a picture's layers.
#pragma once

#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"

#include <QImage>

#include <cstddef>
#include <functional>

namespace brackenhollow::art {

// Paints every layer of a picture on the 596 x 408 frame (a square 408 one for the icon), enlarged by
// resolution (1, 2 or 3) so a larger picture is drawn sharp rather than blown up.
// Throws SceneError for an unknown prop or a parameter no prop used.
QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution);

// Paints each layer from index first on by itself on a clear frame enlarged by resolution, placed as
// PaintPicture places it, and hands it to visit before painting the next on the same frame: what each layer
// covers, for the hotspot maps, and the layers of an item's icon without a background. Throws as PaintPicture.
void PaintLayersAlone(const Picture& picture, const PropRegistry& registry, std::size_t first,
                      const std::function<void(std::size_t index, const QImage& alone)>& visit, int resolution = 1);

// Paints the square icon at size x size pixels, drawn large enough and then reduced. Throws as PaintPicture.
QImage PaintIcon(const Picture& picture, const PropRegistry& registry, int size);

}  // namespace brackenhollow::art
