// Paints a picture's layers.
#pragma once

#include "art/painter/Atmosphere.h"
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

// A picture's first layers painted, unlit: what a room's state pictures share, painted once and continued.
struct PaintedStart {
  QImage image;
  Atmosphere atmosphere;
  std::size_t layers = 0;  // how many of the picture's layers it holds
};

// How many leading layers two pictures paint pixel for pixel alike: 0 unless they share seed, light,
// camera, frame and outdoors, then the layers up to the first that differs. An item's icon shares nothing.
std::size_t SharedStart(const Picture& first, const Picture& second);

// Paints the picture's first layers as PaintPicture would. Throws as PaintPicture.
PaintedStart PaintStart(const Picture& picture, const PropRegistry& registry, int resolution, std::size_t layers);

// Paints the rest of the picture on a copy of start (painted from this picture or one whose SharedStart with it
// covers start), as PaintPicture would. Throws as PaintPicture.
QImage PaintPicture(const Picture& picture, const PropRegistry& registry, int resolution, const PaintedStart& start);

// Paints each layer from index first on by itself on a clear frame enlarged by resolution, placed as
// PaintPicture places it, and hands it to visit before painting the next on the same frame: what each layer
// covers, for the hotspot maps, and the layers of an item's icon without a background. Throws as PaintPicture.
void PaintLayersAlone(const Picture& picture, const PropRegistry& registry, std::size_t first,
                      const std::function<void(std::size_t index, const QImage& alone)>& visit, int resolution = 1);

// Paints the square icon at size x size pixels, drawn large enough and then reduced. Throws as PaintPicture.
QImage PaintIcon(const Picture& picture, const PropRegistry& registry, int size);

}  // namespace brackenhollow::art
