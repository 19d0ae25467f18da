// Writes a palette picture as a GIF89a file with giflib.
#pragma once

#include <QImage>

#include <string>

namespace brackenhollow::art {

// Writes an Indexed8 picture of at most 256 colours as one GIF89a image; pixels of the palette entry
// transparentIndex (when 0 or more) let the background show through. Returns false and fills error when
// the picture is not such a picture or giflib cannot open or write the file.
bool WriteGif(const std::string& path, const QImage& picture, std::string& error, int transparentIndex = -1);

}  // namespace brackenhollow::art
