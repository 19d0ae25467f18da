// Writes a palette-indexed picture as a GIF89a file with giflib.
#pragma once

#include <QRgb>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace brackenhollow::art {

// Writes one GIF89a image of width x height indices into the 256-colour palette. Returns false and fills
// error when the sizes disagree or giflib cannot open or write the file.
bool WriteGif(const std::string& path, const std::vector<std::uint8_t>& indices, int width, int height,
              const std::array<QRgb, 256>& palette, std::string& error);

}  // namespace brackenhollow::art
