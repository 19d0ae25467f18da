// Drawing routines more than one prop file needs, so a thing looks the same wherever it appears.
#pragma once

#include "art/painter/Sketch.h"

#include <cstdint>
#include <string>

namespace brackenhollow::art {

// What shows through an open doorway w x h standing on the origin: "day", "hallway", "room", "light" or dark.
void PaintDoorway(Sketch& sketch, double width, double height, const std::string& inside);
// A shut door leaf w x h standing on the origin; style "plain", "panel", "floral", "ivory", "gray" or "tree".
void PaintDoorLeaf(Sketch& sketch, double width, double height, QRgb colour, const std::string& style, bool keyhole);
// A five-pointed star.
void PaintStar(Sketch& sketch, double centreX, double centreY, double radius, QRgb colour);
// What a face shows: the brows, eyes and mouth take their shape from it. kYawning opens the mouth wide,
// kStraining knits the brows over gritted teeth, kIntent is a small pleased smile at careful work.
enum class Mood { kCalm, kCheerful, kSmug, kStern, kWeary, kGreedy, kYawning, kStraining, kIntent };
// The player's own sleepy face as a mirror shows it, head and shoulders, centred on the origin.
void PaintSleepyReflection(Sketch& sketch);
// A rock width wide and about height high sitting on the origin: an irregular outline cut into facets, each
// shaded by how it faces the light, with a crack or two; seed shapes it.
void PaintFacetedRock(Sketch& sketch, double width, double height, std::uint32_t seed, QRgb colour);
// A leafy tree h high with its trunk on the origin.
void PaintLeafyTree(Sketch& sketch, double height, QRgb leaves);
// A pine h high with its trunk on the origin.
void PaintPineTree(Sketch& sketch, double height, QRgb needles);
// A corn stalk h high rooted on the origin; lean bends it sideways.
void PaintCornStalk(Sketch& sketch, double height, double lean, int seed);
// The lighthouse, h high, standing on the origin; lit adds the lamp's glow.
void PaintLighthouseTower(Sketch& sketch, double height, bool lit);
// A sack of gold coins about 80 high standing on the origin, a few coins spilled beside it.
void PaintGoldSack(Sketch& sketch);
// A can of turpentine about 60 high standing on the origin.
void PaintTurpentineCan(Sketch& sketch);
// A huge light bulb about 110 high standing on its screw base at the origin.
void PaintBigBulb(Sketch& sketch);
// A sailing ship about 220 wide on the waterline through the origin.
void PaintShip(Sketch& sketch, double width);

}  // namespace brackenhollow::art
