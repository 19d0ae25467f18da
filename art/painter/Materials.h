// What a painted surface is made of, and the low-contrast texture that shows it: grain, courses, weave,
// ripples. Chosen by the fill colour, so every prop painted in wood colours shows wood wherever it appears.
#pragma once

#include <QImage>
#include <QRgb>

namespace brackenhollow::art {

enum class Material {
  kNone,
  kWood,     // grain running along the piece
  kPlanks,   // grain with plank seams and butt joints
  kPlaster,  // soft mottling and fine speckle
  kBrick,    // courses of bricks, each a little different, pale mortar between
  kStone,    // granular, pitted
  kSoil,     // clumps and pebbles
  kGrass,    // short upright blades
  kSand,     // fine grains and wind ripples
  kBark,     // deep upright furrows
  kFabric,   // weave and soft folds
  kMetal,    // brushed streaks
  kWater,    // ripples and glints
  kFoliage,  // dappled leaves
  kHay,      // straws
  kCount,
};

// How wide a material's tile is, in frame units; the tile repeats without a seam.
inline constexpr int kMaterialTileUnits = 128;

// The material a fill colour of the house palette stands for; kNone for colours that are no surface.
Material MaterialOf(QRgb fill);

// The material's tile at a resolution (1, 2 or 3 pixels a frame unit): light and dark specks of low alpha
// to lay over a flat fill. The same texture at every resolution, so a larger painting shows the same
// surface, only sharper. Made once and shared by every thread; kNone gives a null image.
const QImage& MaterialTile(Material material, int resolution);

}  // namespace brackenhollow::art
