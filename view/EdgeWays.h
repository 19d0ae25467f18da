#pragma once
// The ways out a picture's map does not mark, placed at the edges of the picture by the direction the
// room's view faces, as a player of the classic adventures expects: the way behind the onlooker along
// the bottom edge, the ways to the left and right along the side edges, the way ahead in the upper
// middle, where the view ends. Drawn things win over them: an edge way lies behind every thing of the
// map except a backdrop (a thing filling much of the picture: the corn of a field, the water one wades
// in), and it never covers the point where a drawn thing is chosen.

#include <string_view>
#include <vector>

#include "view/HotspotMap.h"
#include "world/RoomRecord.h"

namespace brackenhollow {

// Where a way out lies as the onlooker sees it.
enum class ViewSide { Ahead, Behind, Left, Right };

// The regions, in 1x picture pixels (a picture is 596 x 408).
inline constexpr int kBehindStripHeight = 40;  // along the whole bottom edge
inline constexpr int kSideStripWidth = 48;     // along a side edge, from the top down to the bottom strip
inline constexpr int kAheadWidth = 176;        // centred across the picture
inline constexpr int kAheadTop = 96;
inline constexpr int kAheadHeight = 112;
// How far an edge region keeps from the point where a drawn thing is chosen.
inline constexpr int kClickPointClearance = 8;
// No region is cut smaller than a hotspot may be.
inline constexpr int kSmallestRegionSide = 24;
// A thing whose box fills this share of the picture is a backdrop, which edge ways lie in front of.
inline constexpr double kBackdropShare = 0.5;

// The side of a view looking facing on which the way in direction ('N', 'S', 'E' or 'W') lies.
// Ahead for any other character.
ViewSide SideOf(Facing facing, char direction);

// The hotspots of map, back to front, with edge hotspots added for each direction in ways ('N', 'S',
// 'E', 'W') that no hotspot of the map marks, in a picture of a room whose view faces facing. A way
// whose region is cut away entirely by the click points of drawn things gets none. A map without a
// size (no map) gets none.
std::vector<Hotspot> WithEdgeWays(const HotspotMap& map, Facing facing, std::string_view ways);

}  // namespace brackenhollow
