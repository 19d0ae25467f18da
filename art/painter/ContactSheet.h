// One overview image with every picture small and its file name under it.
#pragma once

#include <QImage>

#include <string>
#include <utility>
#include <vector>

namespace brackenhollow::art {

// Lays the pictures out in a grid, each scaled to thumbnailWidth with its name below. Returns a null image
// when there is nothing to show.
QImage ComposeContactSheet(const std::vector<std::pair<std::string, QImage>>& pictures, int columns,
                           int thumbnailWidth);

}  // namespace brackenhollow::art
