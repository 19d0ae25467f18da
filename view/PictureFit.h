#pragma once
// How big a picture is drawn in a given space, and from which of its painted sizes: never enlarged
// by smoothing, so it stays sharp at any window size and screen scale.

#include <vector>

namespace brackenhollow {

struct PixelSize {
  int width = 0;
  int height = 0;

  bool operator==(const PixelSize&) const = default;
};

struct PictureFit {
  int source = -1;    // index of the painted size to draw from; -1 when there is nothing to draw
  PixelSize shown;    // the drawn size, in device pixels
  bool smooth = false;  // brought down with filtering; otherwise drawn 1:1 or enlarged by a whole number
};

// painted lists the painted sizes of one picture, smallest first (the first gives the proportions).
// The picture fills space at its own proportions, drawn from the smallest painted size at least as
// large and brought down with filtering; beyond the largest painted size it is that size enlarged by
// the largest whole number that fits (at least 1). Returns source -1 when there is no painted size or
// the space is empty.
PictureFit FitPicture(PixelSize space, const std::vector<PixelSize>& painted);

}  // namespace brackenhollow
