#include "view/EdgeWays.h"

#include <algorithm>
#include <optional>

namespace brackenhollow {

namespace {

// A rectangle of picture pixels, [left, right) x [top, bottom).
struct Region {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Whether a click at the middle of pixel (x, y) lands inside.
  bool Holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool LargeEnough() const { return Width() >= kSmallestRegionSide && Height() >= kSmallestRegionSide; }
};

// A part of an edge way's region, where it goes in the map's order and where a click chooses it.
struct Piece {
  Region region;
  std::size_t before = 0;  // the hotspots in front of which it lies: those with a lower index
  HotspotPoint point;
};

// Steps of the search for a free point, and the room round it that must be free too, so the point does
// not lie on a hair's breadth between two things.
constexpr int kSearchStep = 4;
constexpr int kFreeSpotRadius = 6;

char Opposite(char direction) {
  switch (direction) {
    case 'N':
      return 'S';
    case 'S':
      return 'N';
    case 'E':
      return 'W';
    default:
      return 'E';
  }
}

char Letter(Facing facing) {
  switch (facing) {
    case Facing::North:
      return 'N';
    case Facing::South:
      return 'S';
    case Facing::East:
      return 'E';
    case Facing::West:
      return 'W';
  }
  return 'N';
}

// The direction on the onlooker's left hand when facing the direction ahead.
char LeftOf(char ahead) {
  switch (ahead) {
    case 'N':
      return 'W';
    case 'W':
      return 'S';
    case 'S':
      return 'E';
    default:
      return 'N';
  }
}

Region RegionOf(ViewSide side, int width, int height) {
  Region region;
  switch (side) {
    case ViewSide::Behind:
      region = {0, height - kBehindStripHeight, width, height};
      break;
    case ViewSide::Left:
      region = {0, 0, kSideStripWidth, height - kBehindStripHeight};
      break;
    case ViewSide::Right:
      region = {width - kSideStripWidth, 0, width, height - kBehindStripHeight};
      break;
    case ViewSide::Ahead:
      region = {(width - kAheadWidth) / 2, kAheadTop, (width + kAheadWidth) / 2, kAheadTop + kAheadHeight};
      break;
  }
  // A picture smaller than the regions keeps what lies inside it.
  return {std::max(region.left, 0), std::max(region.top, 0), std::min(region.right, width),
          std::min(region.bottom, height)};
}

// The parts of region that keep kClickPointClearance from every hotspot's click point: each point
// inside splits a part across its longer side. Parts smaller than a hotspot may be are dropped.
std::vector<Region> CarveClickPoints(Region region, const std::vector<Hotspot>& hotspots) {
  std::vector<Region> parts = {region};
  for (const Hotspot& hotspot : hotspots) {
    const int x = hotspot.point.x;
    const int y = hotspot.point.y;
    std::vector<Region> kept;
    for (const Region& part : parts) {
      if (!part.Holds(x, y)) {
        kept.push_back(part);
        continue;
      }
      const bool across = part.Width() >= part.Height();
      const Region first = across ? Region{part.left, part.top, x - kClickPointClearance, part.bottom}
                                  : Region{part.left, part.top, part.right, y - kClickPointClearance};
      const Region second = across ? Region{x + 1 + kClickPointClearance, part.top, part.right, part.bottom}
                                   : Region{part.left, y + 1 + kClickPointClearance, part.right, part.bottom};
      for (const Region& cut : {first, second}) {
        if (cut.LargeEnough()) kept.push_back(cut);
      }
    }
    parts = std::move(kept);
  }
  return parts;
}

// Whether hotspot is a backdrop over region, which an edge way may cover: a thing whose box fills at
// least kBackdropShare of the picture (the corn of a field, the water one wades in) and reaches into
// the region.
bool Backdrop(const Hotspot& hotspot, const Region& region, int width, int height) {
  const HotspotBox& box = hotspot.box;
  const bool large = static_cast<double>(box.width) * box.height >= kBackdropShare * width * height;
  const bool meets = box.x < region.right && box.x + box.width > region.left && box.y < region.bottom &&
                     box.y + box.height > region.top;
  return large && meets;
}

// The point of region nearest its middle that none of hotspots from index front on holds, with the
// room round it free too when roomy; nothing when every point is held.
std::optional<HotspotPoint> FreePoint(const Region& region, const std::vector<Hotspot>& hotspots, std::size_t front,
                                      bool roomy) {
  const auto held = [&hotspots, front](int x, int y) {
    // At the middle of the pixel, where a click lands.
    const double atX = x + 0.5;
    const double atY = y + 0.5;
    for (std::size_t index = front; index < hotspots.size(); ++index) {
      const HotspotBox& box = hotspots[index].box;
      if (atX < box.x || atY < box.y || atX > box.x + box.width || atY > box.y + box.height) continue;
      if (OutlineHolds(hotspots[index].outline, atX, atY)) return true;
    }
    return false;
  };
  const int margin = roomy ? kFreeSpotRadius : 0;
  const auto free = [&held, roomy, margin](const HotspotPoint& point) {
    if (held(point.x, point.y)) return false;
    return !roomy || !(held(point.x - margin, point.y) || held(point.x + margin, point.y) ||
                       held(point.x, point.y - margin) || held(point.x, point.y + margin));
  };
  const int middleX = (region.left + region.right) / 2;
  const int middleY = (region.top + region.bottom) / 2;
  // The middle itself first: most regions are free there.
  if (free({middleX, middleY})) return HotspotPoint{middleX, middleY};
  std::vector<HotspotPoint> candidates;
  for (int y = region.top + margin; y < region.bottom - margin; y += kSearchStep) {
    for (int x = region.left + margin; x < region.right - margin; x += kSearchStep) candidates.push_back({x, y});
  }
  const auto distance = [middleX, middleY](const HotspotPoint& point) {
    return (point.x - middleX) * (point.x - middleX) + (point.y - middleY) * (point.y - middleY);
  };
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&distance](const HotspotPoint& a, const HotspotPoint& b) { return distance(a) < distance(b); });
  const auto found = std::find_if(candidates.begin(), candidates.end(), free);
  if (found == candidates.end()) return std::nullopt;
  return *found;
}

// The pieces of the way's region, parts: each behind every drawn thing but the backdrops over the
// region, with a point where a click reaches it. Parts with room round their point are kept, or else
// those with any point; when nothing of the region can be reached so, it lies in front of every drawn
// thing (their click points are cut out of it all the same).
std::vector<Piece> PlacePieces(const Region& region, const std::vector<Region>& parts,
                               const std::vector<Hotspot>& hotspots, int width, int height) {
  std::size_t before = 0;
  for (std::size_t index = 0; index < hotspots.size(); ++index) {
    if (Backdrop(hotspots[index], region, width, height)) before = index + 1;
  }
  std::vector<Piece> pieces;
  for (const bool roomy : {true, false}) {
    for (const Region& part : parts) {
      if (const std::optional<HotspotPoint> point = FreePoint(part, hotspots, before, roomy)) {
        pieces.push_back({part, before, *point});
      }
    }
    if (!pieces.empty()) return pieces;
  }
  for (const Region& part : parts) {
    pieces.push_back({part, hotspots.size(), *FreePoint(part, hotspots, hotspots.size(), true)});
  }
  return pieces;
}

Hotspot EdgeHotspot(char direction, const Piece& piece) {
  const Region& region = piece.region;
  Hotspot hotspot;
  hotspot.way = direction;
  hotspot.box = {region.left, region.top, region.Width(), region.Height()};
  hotspot.point = piece.point;
  hotspot.outline = {{region.left, region.top},
                     {region.right, region.top},
                     {region.right, region.bottom},
                     {region.left, region.bottom}};
  return hotspot;
}

}  // namespace

ViewSide SideOf(Facing facing, char direction) {
  const char ahead = Letter(facing);
  if (direction == Opposite(ahead)) return ViewSide::Behind;
  if (direction == LeftOf(ahead)) return ViewSide::Left;
  if (direction == Opposite(LeftOf(ahead))) return ViewSide::Right;
  return ViewSide::Ahead;
}

std::vector<Hotspot> WithEdgeWays(const HotspotMap& map, Facing facing, std::string_view ways) {
  const std::vector<Hotspot>& drawn = map.hotspots;
  if (map.width <= 0 || map.height <= 0) return drawn;
  std::vector<std::pair<char, Piece>> added;
  for (const char direction : std::string_view("NSEW")) {
    if (ways.find(direction) == std::string_view::npos) continue;
    const bool marked = std::any_of(drawn.begin(), drawn.end(),
                                    [direction](const Hotspot& hotspot) { return hotspot.way == direction; });
    if (marked) continue;
    const Region region = RegionOf(SideOf(facing, direction), map.width, map.height);
    if (!region.LargeEnough()) continue;
    for (const Piece& piece : PlacePieces(region, CarveClickPoints(region, drawn), drawn, map.width, map.height)) added.emplace_back(direction, piece);
  }
  std::vector<Hotspot> hotspots;
  hotspots.reserve(drawn.size() + added.size());
  for (std::size_t index = 0; index <= drawn.size(); ++index) {
    for (const auto& [direction, piece] : added) {
      if (piece.before == index) hotspots.push_back(EdgeHotspot(direction, piece));
    }
    if (index < drawn.size()) hotspots.push_back(drawn[index]);
  }
  return hotspots;
}

}  // namespace brackenhollow
