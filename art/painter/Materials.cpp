#include "art/painter/Materials.h"

#include "art/painter/Noise.h"
#include "art/painter/Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>
#include <unordered_map>

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr double kTau = 6.283185307179586;
constexpr int kTileUnits = kMaterialTileUnits;
constexpr int kLargestResolution = 3;

// Wrapping noise with different cell counts across and down: sampled on a square lattice of the larger
// count, with the other axis repeated so both edges still meet.
double StretchedNoise(double u, double v, int cellsAcross, int cellsDown, std::uint32_t seed, int octaves) {
  double total = 0;
  double strength = 0.5;
  double weights = 0;
  for (int octave = 0; octave < octaves; ++octave) {
    const int across = cellsAcross << octave;
    const int down = cellsDown << octave;
    // Separate periods per axis: wrap each lattice coordinate by its own count.
    const double x = u / kTileUnits * across;
    const double y = v / kTileUnits * down;
    const double floorX = std::floor(x);
    const double floorY = std::floor(y);
    const auto wrap = [](int value, int period) { return ((value % period) + period) % period; };
    const int left = wrap(static_cast<int>(floorX), across);
    const int right = wrap(static_cast<int>(floorX) + 1, across);
    const int top = wrap(static_cast<int>(floorY), down);
    const int bottom = wrap(static_cast<int>(floorY) + 1, down);
    const double fx = x - floorX;
    const double fy = y - floorY;
    const double wx = fx * fx * (3 - 2 * fx);
    const double wy = fy * fy * (3 - 2 * fy);
    const std::uint32_t octaveSeed = MixSeed(seed, static_cast<std::uint32_t>(octave));
    const double upper = LatticeValue(left, top, octaveSeed) +
                         (LatticeValue(right, top, octaveSeed) - LatticeValue(left, top, octaveSeed)) * wx;
    const double lower = LatticeValue(left, bottom, octaveSeed) +
                         (LatticeValue(right, bottom, octaveSeed) - LatticeValue(left, bottom, octaveSeed)) * wx;
    total += (upper + (lower - upper) * wy) * strength;
    weights += strength;
    strength *= 0.5;
  }
  return total / weights;
}

// A soft line of width about 1 where fraction crosses whole numbers: mortar, seams, furrows.
double Seam(double position, double width) {
  const double distance = std::abs(position - std::round(position));
  return std::clamp(1.0 - distance / width, 0.0, 1.0);
}

// The texture's value at (u, v) frame units inside the tile: below 0 darkens, above 0 lightens, about -1..1.
double TextureValue(Material material, double u, double v) {
  switch (material) {
    case Material::kNone:
    case Material::kCount:
      return 0;
    case Material::kWood: {
      const double warp = StretchedNoise(u, v, 2, 8, 11, 3);
      const double rings = std::sin(kTau * (v / 5.0 + warp * 4.0));
      return rings * 0.55 + (StretchedNoise(u, v, 16, 64, 12, 2) - 0.5) * 1.2;
    }
    case Material::kPlanks: {
      const double plank = std::floor(v / 16.0);
      const double joint = Seam((u + LatticeValue(static_cast<int>(plank), 0, 13) * 96) / 64.0, 0.018);
      const double seam = Seam(v / 16.0, 0.07);
      const double tone = (LatticeValue(static_cast<int>(plank), 1, 14) - 0.5) * 0.8;
      const double grain = std::sin(kTau * (v / 4.0 + StretchedNoise(u, v, 2, 8, 15, 3) * 4.0)) * 0.35;
      return tone + grain - std::max(seam, joint) * 2.2;
    }
    case Material::kPlaster:
      return (StretchedNoise(u, v, 4, 4, 21, 3) - 0.5) * 1.6 + (LatticeValue(static_cast<int>(u * 2), static_cast<int>(v * 2), 22) - 0.5) * 0.5;
    case Material::kBrick: {
      const double course = std::floor(v / 16.0);
      const double shift = static_cast<int>(course) % 2 == 0 ? 0 : 16;
      const double brick = std::floor((u + shift) / 32.0);
      const double tone = (LatticeValue(static_cast<int>(brick), static_cast<int>(course), 31) - 0.5) * 1.4;
      const double mortar = std::max(Seam(v / 16.0, 0.09), Seam((u + shift) / 32.0, 0.045));
      return tone * (1 - mortar) + mortar * 1.6 + (StretchedNoise(u, v, 32, 32, 32, 1) - 0.5) * 0.6;
    }
    case Material::kStone:
      return (StretchedNoise(u, v, 8, 8, 41, 4) - 0.5) * 1.8 +
             (LatticeValue(static_cast<int>(u), static_cast<int>(v), 42) > 0.93 ? -0.8 : 0.0);
    case Material::kSoil: {
      const double clumps = (StretchedNoise(u, v, 8, 16, 51, 3) - 0.5) * 1.6;
      const double pebble = LatticeValue(static_cast<int>(u / 2), static_cast<int>(v / 2), 52);
      return clumps + (pebble > 0.95 ? 1.0 : pebble < 0.05 ? -1.0 : 0.0);
    }
    case Material::kGrass: {
      const double blades = (StretchedNoise(u, v, 64, 16, 61, 2) - 0.5) * 2.0;
      return blades + (StretchedNoise(u, v, 4, 4, 62, 2) - 0.5) * 0.8;
    }
    case Material::kSand:
      return std::sin(kTau * (v / 6.0 + StretchedNoise(u, v, 2, 4, 71, 2) * 3.0)) * 0.35 +
             (LatticeValue(static_cast<int>(u), static_cast<int>(v), 72) - 0.5) * 0.7;
    case Material::kBark: {
      const double furrow = Seam(u / 6.0 + StretchedNoise(u, v, 8, 2, 81, 3) * 3.0, 0.18);
      return -furrow * 1.6 + (StretchedNoise(u, v, 32, 8, 82, 2) - 0.5) * 0.9;
    }
    case Material::kFabric: {
      const double weave = std::sin(kTau * u / 2.0) * std::sin(kTau * v / 2.0) * 0.45;
      const double folds = (StretchedNoise(u, v, 4, 2, 91, 2) - 0.5) * 1.2;
      return weave + folds;
    }
    case Material::kMetal:
      return (StretchedNoise(u, v, 4, 64, 101, 2) - 0.5) * 1.6 + (StretchedNoise(u, v, 4, 4, 102, 2) - 0.5) * 0.6;
    case Material::kWater: {
      const double ripple = std::sin(kTau * (v / 5.0 + StretchedNoise(u, v, 8, 4, 111, 2) * 3.0));
      const double glint = StretchedNoise(u, v, 8, 32, 112, 2);
      return ripple * 0.6 + (glint > 0.66 ? (glint - 0.66) * 5.0 : 0.0);
    }
    case Material::kFoliage:
      return (StretchedNoise(u, v, 16, 16, 121, 3) - 0.5) * 2.4;
    case Material::kHay: {
      const double straws = (StretchedNoise(u, v, 4, 64, 131, 2) - 0.5) * 2.0;
      return straws + (StretchedNoise(u, v, 32, 4, 132, 2) - 0.5) * 0.6;
    }
  }
  return 0;
}

// How strongly each material shows over its fill: low, so a surface reads as painted, not photographed.
double Contrast(Material material) {
  switch (material) {
    case Material::kNone:
    case Material::kCount:
      return 0;
    case Material::kWood: return 0.10;
    case Material::kPlanks: return 0.12;
    case Material::kPlaster: return 0.07;
    case Material::kBrick: return 0.14;
    case Material::kStone: return 0.12;
    case Material::kSoil: return 0.13;
    case Material::kGrass: return 0.14;
    case Material::kSand: return 0.08;
    case Material::kBark: return 0.16;
    case Material::kFabric: return 0.08;
    case Material::kMetal: return 0.10;
    case Material::kWater: return 0.14;
    case Material::kFoliage: return 0.14;
    case Material::kHay: return 0.14;
  }
  return 0;
}

QImage MakeTile(Material material, int resolution) {
  const int size = kTileUnits * resolution;
  QImage tile(size, size, QImage::Format_ARGB32_Premultiplied);
  const double contrast = Contrast(material);
  // Each pixel averages the texture over its own area, so the small painting is the large one shrunk.
  const int samples = (kLargestResolution + resolution - 1) / resolution;
  for (int row = 0; row < size; ++row) {
    auto* line = reinterpret_cast<QRgb*>(tile.scanLine(row));
    for (int column = 0; column < size; ++column) {
      double total = 0;
      for (int down = 0; down < samples; ++down)
        for (int across = 0; across < samples; ++across)
          total += TextureValue(material, (column + (across + 0.5) / samples) / resolution,
                                (row + (down + 0.5) / samples) / resolution);
      const double value = std::clamp(total / (samples * samples), -1.0, 1.0) * contrast;
      const int alpha = static_cast<int>(std::abs(value) * 255 + 0.5);
      line[column] = value >= 0 ? qRgba(alpha, alpha, alpha, alpha) : qRgba(0, 0, 0, alpha);
    }
  }
  return tile;
}

}  // namespace

Material MaterialOf(QRgb fill) {
  static const std::unordered_map<QRgb, Material> kByColour = {
      {kWood, Material::kWood}, {kWoodDark, Material::kWood}, {kWoodLight, Material::kWood},
      {kCardboard, Material::kWood}, {kCardboardDark, Material::kWood},
      {kFloorWood, Material::kPlanks}, {kFloorDark, Material::kPlanks}, {kShipPlank, Material::kPlanks},
      {kShipPlankDark, Material::kPlanks}, {kHull, Material::kPlanks},
      {kWallCream, Material::kPlaster}, {kWallWarm, Material::kPlaster}, {kWallShade, Material::kPlaster},
      {kWallpaper, Material::kPlaster}, {kWallGreen, Material::kPlaster}, {kWallGrey, Material::kPlaster},
      {kWallGreyDark, Material::kPlaster}, {kBlueWall, Material::kPlaster}, {kBlueWallDark, Material::kPlaster},
      {kFilth, Material::kPlaster}, {kFilthDark, Material::kPlaster}, {kHouseWhite, Material::kPlaster},
      {kHouseYellow, Material::kPlaster}, {kHouseGreen, Material::kPlaster}, {kHouseTan, Material::kPlaster},
      {kHouseRed, Material::kPlaster}, {kMansionBlue, Material::kPlaster}, {kMansionBlueDark, Material::kPlaster},
      {kTile, Material::kPlaster}, {kTileDark, Material::kPlaster}, {kSatinLight, Material::kFabric},
      {kBrick, Material::kBrick}, {kBrickDark, Material::kBrick},
      {kStone, Material::kStone}, {kStoneDark, Material::kStone}, {kStoneLight, Material::kStone},
      {kRoad, Material::kStone}, {kRoadDark, Material::kStone}, {kRoof, Material::kStone},
      {kRoofGrey, Material::kStone},
      {kDirt, Material::kSoil}, {kDirtDark, Material::kSoil}, {kDirtLight, Material::kSoil},
      {kPath, Material::kSoil},
      {kGrass, Material::kGrass}, {kGrassDark, Material::kGrass}, {kGrassLight, Material::kGrass},
      {kHill, Material::kGrass}, {kHillFar, Material::kGrass},
      {kSand, Material::kSand}, {kSandDark, Material::kSand}, {kSnow, Material::kSand},
      {kIce, Material::kPlaster}, {kIceDark, Material::kPlaster},
      {kBark, Material::kBark},
      {kBlanket, Material::kFabric}, {kBlanketDark, Material::kFabric}, {kCarpet, Material::kFabric},
      {kCarpetDark, Material::kFabric}, {kSatin, Material::kFabric}, {kDenim, Material::kFabric},
      {kShirtRed, Material::kFabric}, {kShirtCheck, Material::kFabric}, {kRag, Material::kFabric},
      {kRagDark, Material::kFabric}, {kSuit, Material::kFabric}, {kRobe, Material::kFabric},
      {kRobeLight, Material::kFabric}, {kDress, Material::kFabric}, {kSail, Material::kFabric},
      {kMetal, Material::kMetal}, {kMetalDark, Material::kMetal}, {kSilver, Material::kMetal},
      {kIron, Material::kMetal}, {kRust, Material::kMetal}, {kRustDark, Material::kMetal},
      {kSea, Material::kWater}, {kSeaDark, Material::kWater}, {kSeaLight, Material::kWater},
      {kThickWater, Material::kWater}, {kThickWaterLight, Material::kWater}, {kDeepWater, Material::kWater},
      {kMurky, Material::kWater}, {kSewage, Material::kWater},
      {kLeaf, Material::kFoliage}, {kLeafDark, Material::kFoliage}, {kLeafLight, Material::kFoliage},
      {kPine, Material::kFoliage}, {kPineDark, Material::kFoliage}, {kPalm, Material::kFoliage},
      {kHay, Material::kHay}, {kHayDark, Material::kHay}, {kCornDry, Material::kHay},
  };
  const auto found = kByColour.find(fill & 0xffffffu);
  return found == kByColour.end() ? Material::kNone : found->second;
}

const QImage& MaterialTile(Material material, int resolution) {
  static const QImage kNothing;
  static std::array<std::array<QImage, kLargestResolution>, static_cast<std::size_t>(Material::kCount)> tiles;
  static std::array<std::array<std::once_flag, kLargestResolution>, static_cast<std::size_t>(Material::kCount)> made;
  if (material == Material::kNone || material == Material::kCount) return kNothing;
  resolution = std::clamp(resolution, 1, kLargestResolution);
  const auto index = static_cast<std::size_t>(material);
  std::call_once(made[index][resolution - 1],
                 [&] { tiles[index][resolution - 1] = MakeTile(material, resolution); });
  return tiles[index][resolution - 1];
}

}  // namespace brackenhollow::art
