#include "Palette.h"

#include <algorithm>
#include <unordered_map>

namespace brackenhollow::art {

const std::vector<NamedColour>& NamedColours() {
  static const std::vector<NamedColour> kNamed = {
      {"ink", colours::kInk},
      {"black", colours::kBlack},
      {"white", colours::kWhite},
      {"sky-top", colours::kSkyTop},
      {"sky", colours::kSky},
      {"sky-pale", colours::kSkyPale},
      {"cloud", colours::kCloud},
      {"dusk-sky", colours::kDuskSky},
      {"dusk-high", colours::kDuskHigh},
      {"night-sky", colours::kNightSky},
      {"night-high", colours::kNightHigh},
      {"sun", colours::kSun},
      {"sun-glow", colours::kSunGlow},
      {"grass", colours::kGrass},
      {"grass-dark", colours::kGrassDark},
      {"grass-light", colours::kGrassLight},
      {"leaf", colours::kLeaf},
      {"leaf-dark", colours::kLeafDark},
      {"leaf-light", colours::kLeafLight},
      {"pine", colours::kPine},
      {"pine-dark", colours::kPineDark},
      {"hill", colours::kHill},
      {"hill-far", colours::kHillFar},
      {"dirt", colours::kDirt},
      {"dirt-dark", colours::kDirtDark},
      {"dirt-light", colours::kDirtLight},
      {"sand", colours::kSand},
      {"sand-dark", colours::kSandDark},
      {"road", colours::kRoad},
      {"road-dark", colours::kRoadDark},
      {"road-line", colours::kRoadLine},
      {"path", colours::kPath},
      {"stone", colours::kStone},
      {"stone-dark", colours::kStoneDark},
      {"stone-light", colours::kStoneLight},
      {"wood", colours::kWood},
      {"wood-dark", colours::kWoodDark},
      {"wood-light", colours::kWoodLight},
      {"bark", colours::kBark},
      {"brick", colours::kBrick},
      {"brick-dark", colours::kBrickDark},
      {"sea", colours::kSea},
      {"sea-dark", colours::kSeaDark},
      {"sea-light", colours::kSeaLight},
      {"thick-water", colours::kThickWater},
      {"thick-water-light", colours::kThickWaterLight},
      {"deep-water", colours::kDeepWater},
      {"murky", colours::kMurky},
      {"sewage", colours::kSewage},
      {"foam", colours::kFoam},
      {"ice", colours::kIce},
      {"ice-dark", colours::kIceDark},
      {"snow", colours::kSnow},
      {"house-white", colours::kHouseWhite},
      {"house-yellow", colours::kHouseYellow},
      {"house-green", colours::kHouseGreen},
      {"house-tan", colours::kHouseTan},
      {"house-red", colours::kHouseRed},
      {"roof", colours::kRoof},
      {"roof-grey", colours::kRoofGrey},
      {"mansion-blue", colours::kMansionBlue},
      {"mansion-blue-dark", colours::kMansionBlueDark},
      {"ocean-blue", colours::kOceanBlue},
      {"wall-cream", colours::kWallCream},
      {"wall-warm", colours::kWallWarm},
      {"wall-shade", colours::kWallShade},
      {"wallpaper", colours::kWallpaper},
      {"wall-green", colours::kWallGreen},
      {"wall-grey", colours::kWallGrey},
      {"wall-grey-dark", colours::kWallGreyDark},
      {"blue-wall", colours::kBlueWall},
      {"blue-wall-dark", colours::kBlueWallDark},
      {"filth", colours::kFilth},
      {"filth-dark", colours::kFilthDark},
      {"floor-wood", colours::kFloorWood},
      {"floor-dark", colours::kFloorDark},
      {"carpet", colours::kCarpet},
      {"carpet-dark", colours::kCarpetDark},
      {"tile", colours::kTile},
      {"tile-dark", colours::kTileDark},
      {"blanket", colours::kBlanket},
      {"blanket-dark", colours::kBlanketDark},
      {"pillow", colours::kPillow},
      {"satin", colours::kSatin},
      {"satin-light", colours::kSatinLight},
      {"lamp-shade", colours::kLampShade},
      {"lamp-shade-dark", colours::kLampShadeDark},
      {"glow", colours::kGlow},
      {"glow-pale", colours::kGlowPale},
      {"flame", colours::kFlame},
      {"flame-core", colours::kFlameCore},
      {"fire", colours::kFire},
      {"blue-flame", colours::kBlueFlame},
      {"blue-flame-core", colours::kBlueFlameCore},
      {"metal", colours::kMetal},
      {"metal-dark", colours::kMetalDark},
      {"silver", colours::kSilver},
      {"iron", colours::kIron},
      {"rust", colours::kRust},
      {"rust-dark", colours::kRustDark},
      {"gold", colours::kGold},
      {"gold-dark", colours::kGoldDark},
      {"skin", colours::kSkin},
      {"skin-shade", colours::kSkinShade},
      {"hair-brown", colours::kHairBrown},
      {"hair-grey", colours::kHairGrey},
      {"hair-blonde", colours::kHairBlonde},
      {"denim", colours::kDenim},
      {"shirt-red", colours::kShirtRed},
      {"shirt-check", colours::kShirtCheck},
      {"rag", colours::kRag},
      {"rag-dark", colours::kRagDark},
      {"suit", colours::kSuit},
      {"robe", colours::kRobe},
      {"robe-light", colours::kRobeLight},
      {"dress", colours::kDress},
      {"fur", colours::kFur},
      {"fur-dark", colours::kFurDark},
      {"rat", colours::kRat},
      {"pink", colours::kPink},
      {"toad", colours::kToad},
      {"toad-dark", colours::kToadDark},
      {"toad-belly", colours::kToadBelly},
      {"snake", colours::kSnake},
      {"snake-dark", colours::kSnakeDark},
      {"snake-band", colours::kSnakeBand},
      {"blood", colours::kBlood},
      {"rotten-meat", colours::kRottenMeat},
      {"rotten-meat-dark", colours::kRottenMeatDark},
      {"ruby", colours::kRuby},
      {"ruby-dark", colours::kRubyDark},
      {"emerald", colours::kEmerald},
      {"emerald-dark", colours::kEmeraldDark},
      {"altar-white", colours::kAltarWhite},
      {"beam", colours::kBeam},
      {"paper", colours::kPaper},
      {"paper-shade", colours::kPaperShade},
      {"corn", colours::kCorn},
      {"corn-leaf", colours::kCornLeaf},
      {"corn-dry", colours::kCornDry},
      {"corn-cob", colours::kCornCob},
      {"hay", colours::kHay},
      {"hay-dark", colours::kHayDark},
      {"purple", colours::kPurple},
      {"purple-light", colours::kPurpleLight},
      {"crimson", colours::kCrimson},
      {"orange", colours::kOrange},
      {"screen", colours::kScreen},
      {"screen-light", colours::kScreenLight},
      {"ship-plank", colours::kShipPlank},
      {"ship-plank-dark", colours::kShipPlankDark},
      {"hull", colours::kHull},
      {"sail", colours::kSail},
      {"palm", colours::kPalm},
      {"twine", colours::kTwine},
      {"cardboard", colours::kCardboard},
      {"cardboard-dark", colours::kCardboardDark},
      {"graffiti-pink", colours::kGraffitiPink},
      {"graffiti-green", colours::kGraffitiGreen},
      {"paint-red", colours::kPaintRed},
      {"paint-yellow", colours::kPaintYellow},
      {"paint-blue", colours::kPaintBlue},
      {"shadow", colours::kShadow},
      {"gloom", colours::kGloom},
  };
  return kNamed;
}

bool FindNamedColour(const std::string& name, QRgb& value) {
  for (const NamedColour& colour : NamedColours()) {
    if (name == colour.name) {
      value = colour.value;
      return true;
    }
  }
  return false;
}

namespace {

constexpr int kDarkRampSteps = 14;
constexpr int kGreyRampSteps = 12;
constexpr int kCubeLevels = 4;
constexpr int kBucketBits = 5;
constexpr int kBucketsPerChannel = 1 << kBucketBits;

// Builds the palette once: named colours first so they keep stable indices, then the ramps and the cube.
std::array<QRgb, 256> BuildPalette() {
  std::vector<QRgb> entries;
  const auto add = [&entries](QRgb colour) {
    colour = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    if (std::find(entries.begin(), entries.end(), colour) == entries.end()) entries.push_back(colour);
  };
  for (const NamedColour& colour : NamedColours()) add(colour.value);
  // Unlit rooms are painted over with a deep blue veil; this ramp keeps their shapes apart.
  for (int step = 0; step < kDarkRampSteps; ++step) {
    const int level = 6 + step * 6;
    add(qRgb(level, level + step, level + 2 * step + 8));
  }
  for (int step = 1; step <= kGreyRampSteps; ++step) {
    const int level = step * 255 / (kGreyRampSteps + 1);
    add(qRgb(level, level, level));
  }
  for (int red = 0; red < kCubeLevels; ++red)
    for (int green = 0; green < kCubeLevels; ++green)
      for (int blue = 0; blue < kCubeLevels; ++blue)
        add(qRgb(red * 255 / (kCubeLevels - 1), green * 255 / (kCubeLevels - 1), blue * 255 / (kCubeLevels - 1)));
  // Whatever room is left goes to warm light, the blend a lamp's glow leaves on indoor walls.
  for (int step = 0; entries.size() < 256 && step < 64; ++step)
    add(qRgb(255 - step * 3, 244 - step * 5, 200 - step * 7));
  std::array<QRgb, 256> palette{};
  palette.fill(qRgb(0, 0, 0));
  std::copy_n(entries.begin(), std::min<std::size_t>(entries.size(), palette.size()), palette.begin());
  return palette;
}

// Weighted squared distance; green counts most, as the eye sees it.
int ColourDistance(QRgb first, QRgb second) {
  const int red = qRed(first) - qRed(second);
  const int green = qGreen(first) - qGreen(second);
  const int blue = qBlue(first) - qBlue(second);
  return 3 * red * red + 4 * green * green + 2 * blue * blue;
}

// The palette index closest to a colour, by a full search.
std::uint8_t NearestIndex(QRgb colour) {
  const auto& palette = FixedPalette();
  int best = 0;
  int bestDistance = ColourDistance(colour, palette[0]);
  for (int index = 1; index < 256; ++index) {
    const int distance = ColourDistance(colour, palette[index]);
    if (distance < bestDistance) {
      best = index;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// Nearest palette index for every colour bucket, so mapping a picture costs one look-up per pixel.
const std::vector<std::uint8_t>& BucketTable() {
  static const std::vector<std::uint8_t> kTable = [] {
    std::vector<std::uint8_t> table(kBucketsPerChannel * kBucketsPerChannel * kBucketsPerChannel);
    const int half = 1 << (7 - kBucketBits);
    for (int red = 0; red < kBucketsPerChannel; ++red)
      for (int green = 0; green < kBucketsPerChannel; ++green)
        for (int blue = 0; blue < kBucketsPerChannel; ++blue) {
          const QRgb centre = qRgb((red << (8 - kBucketBits)) + half, (green << (8 - kBucketBits)) + half,
                                   (blue << (8 - kBucketBits)) + half);
          table[(red * kBucketsPerChannel + green) * kBucketsPerChannel + blue] = NearestIndex(centre);
        }
    return table;
  }();
  return kTable;
}

}  // namespace

const std::array<QRgb, 256>& FixedPalette() {
  static const std::array<QRgb, 256> kPalette = BuildPalette();
  return kPalette;
}

std::vector<std::uint8_t> MapToPalette(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  static const std::unordered_map<QRgb, std::uint8_t> kExact = [] {
    std::unordered_map<QRgb, std::uint8_t> exact;
    const auto& palette = FixedPalette();
    for (int index = 255; index >= 0; --index) exact[palette[index] | 0xff000000u] = static_cast<std::uint8_t>(index);
    return exact;
  }();
  const auto& buckets = BucketTable();
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(rgb.width()) * rgb.height());
  std::size_t next = 0;
  for (int row = 0; row < rgb.height(); ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(row));
    for (int column = 0; column < rgb.width(); ++column) {
      const QRgb pixel = line[column] | 0xff000000u;
      const auto exact = kExact.find(pixel);
      if (exact != kExact.end()) {
        indices[next++] = exact->second;
        continue;
      }
      const int bucket = ((qRed(pixel) >> (8 - kBucketBits)) * kBucketsPerChannel + (qGreen(pixel) >> (8 - kBucketBits))) *
                             kBucketsPerChannel +
                         (qBlue(pixel) >> (8 - kBucketBits));
      indices[next++] = buckets[bucket];
    }
  }
  return indices;
}

QImage ImageFromIndices(const std::vector<std::uint8_t>& indices, int width, int height) {
  if (width <= 0 || height <= 0 || indices.size() != static_cast<std::size_t>(width) * height) return {};
  QImage image(width, height, QImage::Format_RGB32);
  const auto& palette = FixedPalette();
  std::size_t next = 0;
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < width; ++column) line[column] = palette[indices[next++]] | 0xff000000u;
  }
  return image;
}

}  // namespace brackenhollow::art
