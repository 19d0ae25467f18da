// Turns painted full-colour pictures into palette pictures of at most 256 colours.
#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace brackenhollow::art {

// Chooses one palette of at most 256 colours for the sizes of one picture from the first, smallest size, and
// maps every size onto it with dithering: the first by the quantiser, the larger ones by MapOntoPalette. Returns Indexed8 images in the given order, or an empty list
// with the quantiser's complaint in error.
std::vector<QImage> Quantise(const std::vector<QImage>& sizes, std::string& error);

// Turns a picture with a see-through background into one of at most 256 colours, each pixel either
// opaque or clear (at least half covered counts as opaque); transparentIndex is the palette entry of the
// clear pixels, -1 when there is none. Returns an Indexed8 image, or a null image with the complaint in error.
QImage QuantiseWithTransparency(const QImage& picture, int& transparentIndex, std::string& error);

}  // namespace brackenhollow::art
