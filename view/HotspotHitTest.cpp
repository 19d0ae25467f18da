// The hit test of a picture's hotspots, in plain C++ so that the screen's logic can use it without Qt.

#include "view/HotspotMap.h"

namespace brackenhollow {

bool OutlineHolds(const std::vector<HotspotPoint>& outline, double x, double y) {
  bool inside = false;
  for (std::size_t index = 0, previous = outline.size() - 1; index < outline.size(); previous = index++) {
    const double xi = outline[index].x;
    const double yi = outline[index].y;
    const double xj = outline[previous].x;
    const double yj = outline[previous].y;
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

int HitTest(const std::vector<Hotspot>& hotspots, double x, double y) {
  for (std::size_t index = hotspots.size(); index-- > 0;) {
    const Hotspot& hotspot = hotspots[index];
    const HotspotBox& box = hotspot.box;
    // The box first: most hotspots are far from the pointer.
    if (x < box.x || y < box.y || x > box.x + box.width || y > box.y + box.height) continue;
    if (OutlineHolds(hotspot.outline, x, y)) return static_cast<int>(index);
  }
  return -1;
}

}  // namespace brackenhollow
