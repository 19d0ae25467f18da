#pragma once
// The places in a picture the player can point at: each thing the game lets the player choose there
// and each way out, as the painter drew them, in picture pixels at the 1x size. The painter writes one
// map beside each picture ("NAME.gif" -> "NAME.hotspots.json"); the larger sizes use it scaled.

#include <string>
#include <vector>

namespace brackenhollow {

struct HotspotPoint {
  int x = 0;
  int y = 0;

  bool operator==(const HotspotPoint&) const = default;
};

struct HotspotBox {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const HotspotBox&) const = default;
};

struct Hotspot {
  std::string object;  // the world's object name; empty for a way out
  char way = 0;        // 'N', 'S', 'E' or 'W' for a way out; 0 for a thing
  HotspotBox box;
  HotspotPoint point;  // inside the outline: where a click chooses it
  std::vector<HotspotPoint> outline;  // closed polygon

  bool IsWay() const { return way != 0; }
};

struct HotspotMap {
  std::string picture;  // the 1x picture's file name
  int width = 0;
  int height = 0;
  std::string description;  // one sentence: what the picture shows
  std::vector<Hotspot> hotspots;  // back to front
};

// The file name of the map beside the picture at picturePath ("a/room.gif" -> "a/room.hotspots.json").
std::string HotspotMapPath(const std::string& picturePath);

// Reads a map from JSON text. Any malformed part (bad JSON, wrong types, a box or point outside the
// picture, an unknown direction, too many hotspots or outline points) refuses the whole map: returns
// false and says why in error.
bool ParseHotspotMap(const std::string& json, HotspotMap& map, std::string& error);

// Reads the map beside the picture file picturePath. A missing map gives an empty one quietly; an
// unreadable, malformed or oversized one, or one made for another picture, gives an empty one and a
// warning in the log naming the file and the fault.
HotspotMap LoadHotspotMap(const std::string& picturePath);

// The frontmost (last) of hotspots whose outline holds the point (x, y) in 1x picture pixels, as an
// index into hotspots; -1 when none does.
int HitTest(const std::vector<Hotspot>& hotspots, double x, double y);

// Whether the closed polygon outline holds (x, y) (even-odd rule).
bool OutlineHolds(const std::vector<HotspotPoint>& outline, double x, double y);

}  // namespace brackenhollow
