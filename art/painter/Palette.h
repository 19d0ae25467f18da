// The named colours props paint in; each picture's own palette is chosen later by the quantiser.
#pragma once

#include <QRgb>

#include <string>
#include <vector>

namespace brackenhollow::art {

// Named colours. Props paint their flat fills with these, so one thing keeps one colour in every picture.
namespace colours {
inline constexpr QRgb kInk = 0x2a2230;
inline constexpr QRgb kBlack = 0x111111;
inline constexpr QRgb kWhite = 0xffffff;
inline constexpr QRgb kSkyTop = 0x6cb0e4;
inline constexpr QRgb kSky = 0x9ad0f2;
inline constexpr QRgb kSkyPale = 0xcbe8f7;
inline constexpr QRgb kCloud = 0xf7fbff;
inline constexpr QRgb kDuskSky = 0xf2a65e;
inline constexpr QRgb kDuskHigh = 0x8e6fb0;
inline constexpr QRgb kNightSky = 0x1c2848;
inline constexpr QRgb kNightHigh = 0x111a33;
inline constexpr QRgb kSun = 0xffdd55;
inline constexpr QRgb kSunGlow = 0xfff1a8;
inline constexpr QRgb kGrass = 0x7cbf4f;
inline constexpr QRgb kGrassDark = 0x4f8f34;
inline constexpr QRgb kGrassLight = 0xa6d66a;
inline constexpr QRgb kLeaf = 0x3f8a3a;
inline constexpr QRgb kLeafDark = 0x2a6230;
inline constexpr QRgb kLeafLight = 0x62aa48;
inline constexpr QRgb kPine = 0x2f6b45;
inline constexpr QRgb kPineDark = 0x1f4a30;
inline constexpr QRgb kHill = 0x8fbf86;
inline constexpr QRgb kHillFar = 0xb4d6c2;
inline constexpr QRgb kDirt = 0x9a6b3f;
inline constexpr QRgb kDirtDark = 0x6e4a2a;
inline constexpr QRgb kDirtLight = 0xb88a58;
inline constexpr QRgb kSand = 0xf0d9a0;
inline constexpr QRgb kSandDark = 0xd6b878;
inline constexpr QRgb kRoad = 0x8d8b88;
inline constexpr QRgb kRoadDark = 0x696765;
inline constexpr QRgb kRoadLine = 0xf3e39a;
inline constexpr QRgb kPath = 0xcaa46c;
inline constexpr QRgb kStone = 0xa8a39a;
inline constexpr QRgb kStoneDark = 0x7b766e;
inline constexpr QRgb kStoneLight = 0xcbc6bc;
inline constexpr QRgb kWood = 0xa86f3c;
inline constexpr QRgb kWoodDark = 0x7a4c25;
inline constexpr QRgb kWoodLight = 0xc99563;
inline constexpr QRgb kBark = 0x6d5038;
inline constexpr QRgb kBrick = 0xb5523b;
inline constexpr QRgb kBrickDark = 0x86392a;
inline constexpr QRgb kSea = 0x3b82c4;
inline constexpr QRgb kSeaDark = 0x2a5f99;
inline constexpr QRgb kSeaLight = 0x74b4e2;
inline constexpr QRgb kThickWater = 0x2f5fd6;
inline constexpr QRgb kThickWaterLight = 0x5a86ea;
inline constexpr QRgb kDeepWater = 0x1d3f73;
inline constexpr QRgb kMurky = 0x3f7f8f;
inline constexpr QRgb kSewage = 0x6b7a3a;
inline constexpr QRgb kFoam = 0xe8f4fb;
inline constexpr QRgb kIce = 0xdaeef7;
inline constexpr QRgb kIceDark = 0xa6cde2;
inline constexpr QRgb kSnow = 0xf4f8fb;
inline constexpr QRgb kHouseWhite = 0xf1ecde;
inline constexpr QRgb kHouseYellow = 0xf0d68a;
inline constexpr QRgb kHouseGreen = 0x7fb27a;
inline constexpr QRgb kHouseTan = 0xd8b98c;
inline constexpr QRgb kHouseRed = 0xc0473a;
inline constexpr QRgb kRoof = 0x6b3b2f;
inline constexpr QRgb kRoofGrey = 0x5c5f6e;
inline constexpr QRgb kMansionBlue = 0x3f6fb5;
inline constexpr QRgb kMansionBlueDark = 0x2c4f88;
inline constexpr QRgb kOceanBlue = 0x2c86c9;
inline constexpr QRgb kWallCream = 0xf3e2bc;
inline constexpr QRgb kWallWarm = 0xe6c48a;
inline constexpr QRgb kWallShade = 0xcca874;
inline constexpr QRgb kWallpaper = 0xd9c3e0;
inline constexpr QRgb kWallGreen = 0xb7d3a8;
inline constexpr QRgb kWallGrey = 0xb9b4aa;
inline constexpr QRgb kWallGreyDark = 0x8f8a80;
inline constexpr QRgb kBlueWall = 0x5a8ad6;
inline constexpr QRgb kBlueWallDark = 0x3f68ad;
inline constexpr QRgb kFilth = 0x8e8758;
inline constexpr QRgb kFilthDark = 0x6a6440;
inline constexpr QRgb kFloorWood = 0xb07a45;
inline constexpr QRgb kFloorDark = 0x8a5a30;
inline constexpr QRgb kCarpet = 0x9a3f46;
inline constexpr QRgb kCarpetDark = 0x74303a;
inline constexpr QRgb kTile = 0xe2e8ec;
inline constexpr QRgb kTileDark = 0xb3c1ca;
inline constexpr QRgb kBlanket = 0x4f7fbf;
inline constexpr QRgb kBlanketDark = 0x3a5f99;
inline constexpr QRgb kPillow = 0xf8f4ea;
inline constexpr QRgb kSatin = 0xc23b6a;
inline constexpr QRgb kSatinLight = 0xe47aa2;
inline constexpr QRgb kLampShade = 0xf5cf6a;
inline constexpr QRgb kLampShadeDark = 0xb08a3a;
inline constexpr QRgb kGlow = 0xffe9a0;
inline constexpr QRgb kGlowPale = 0xfff6d6;
inline constexpr QRgb kFlame = 0xff8a1f;
inline constexpr QRgb kFlameCore = 0xffd23f;
inline constexpr QRgb kFire = 0xe0401f;
inline constexpr QRgb kBlueFlame = 0x4fb8ff;
inline constexpr QRgb kBlueFlameCore = 0xc8ecff;
inline constexpr QRgb kMetal = 0xb8bec6;
inline constexpr QRgb kMetalDark = 0x7d858f;
inline constexpr QRgb kSilver = 0xe3e8ee;
inline constexpr QRgb kIron = 0x4a4e55;
inline constexpr QRgb kRust = 0xa0522d;
inline constexpr QRgb kRustDark = 0x703a20;
inline constexpr QRgb kGold = 0xf2c230;
inline constexpr QRgb kGoldDark = 0xbf8c18;
inline constexpr QRgb kSkin = 0xf1c9a0;
inline constexpr QRgb kSkinShade = 0xd7a276;
inline constexpr QRgb kHairBrown = 0x6b4226;
inline constexpr QRgb kHairGrey = 0xbdbdb6;
inline constexpr QRgb kHairBlonde = 0xe8c66a;
inline constexpr QRgb kDenim = 0x4a6fa5;
inline constexpr QRgb kShirtRed = 0xc44d4d;
inline constexpr QRgb kShirtCheck = 0xd9a441;
inline constexpr QRgb kRag = 0x8c7b62;
inline constexpr QRgb kRagDark = 0x655844;
inline constexpr QRgb kSuit = 0x4b3f6b;
inline constexpr QRgb kRobe = 0x5b3f9a;
inline constexpr QRgb kRobeLight = 0x8a6ad0;
inline constexpr QRgb kDress = 0x2f8f6f;
inline constexpr QRgb kFur = 0x8a6a4a;
inline constexpr QRgb kFurDark = 0x5e4630;
inline constexpr QRgb kRat = 0x6d6a66;
inline constexpr QRgb kPink = 0xe9a0a8;
inline constexpr QRgb kToad = 0x6f8f3a;
inline constexpr QRgb kToadDark = 0x4f6a28;
inline constexpr QRgb kToadBelly = 0xcfc77e;
inline constexpr QRgb kSnake = 0x5f9a2f;
inline constexpr QRgb kSnakeDark = 0x3c6a1e;
inline constexpr QRgb kSnakeBand = 0xd8b040;
inline constexpr QRgb kBlood = 0x8a1a1a;
inline constexpr QRgb kRottenMeat = 0x7fa23a;
inline constexpr QRgb kRottenMeatDark = 0x56762a;
inline constexpr QRgb kRuby = 0xd0203a;
inline constexpr QRgb kRubyDark = 0x8a1428;
inline constexpr QRgb kEmerald = 0x2fae5f;
inline constexpr QRgb kEmeraldDark = 0x1a7a3f;
inline constexpr QRgb kAltarWhite = 0xeeeeea;
inline constexpr QRgb kBeam = 0xfffbe0;
inline constexpr QRgb kPaper = 0xfbfbf5;
inline constexpr QRgb kPaperShade = 0xdedbd0;
inline constexpr QRgb kCorn = 0x5f9a34;
inline constexpr QRgb kCornLeaf = 0x86bb46;
inline constexpr QRgb kCornDry = 0xd8c06a;
inline constexpr QRgb kCornCob = 0xf2d24a;
inline constexpr QRgb kHay = 0xe6c65a;
inline constexpr QRgb kHayDark = 0xbf9a38;
inline constexpr QRgb kPurple = 0x9b3fc7;
inline constexpr QRgb kPurpleLight = 0xc98be6;
inline constexpr QRgb kCrimson = 0xb0182c;
inline constexpr QRgb kOrange = 0xe8862a;
inline constexpr QRgb kScreen = 0x243448;
inline constexpr QRgb kScreenLight = 0x6fa0d0;
inline constexpr QRgb kShipPlank = 0x7a5234;
inline constexpr QRgb kShipPlankDark = 0x56391f;
inline constexpr QRgb kHull = 0x5a3a22;
inline constexpr QRgb kSail = 0xf3ecd6;
inline constexpr QRgb kPalm = 0x3f9a4a;
inline constexpr QRgb kTwine = 0xd9c08a;
inline constexpr QRgb kCardboard = 0xc8a064;
inline constexpr QRgb kCardboardDark = 0x9c7844;
inline constexpr QRgb kGraffitiPink = 0xe0509a;
inline constexpr QRgb kGraffitiGreen = 0x50d070;
inline constexpr QRgb kPaintRed = 0xd8453a;
inline constexpr QRgb kPaintYellow = 0xf0c83a;
inline constexpr QRgb kPaintBlue = 0x3a6ad8;
inline constexpr QRgb kShadow = 0x3a3440;
inline constexpr QRgb kGloom = 0x141a2a;
}  // namespace colours

// A colour of the palette that scene texts may name.
struct NamedColour {
  const char* name;
  QRgb value;
};

// Every colour a scene text may name, e.g. "house-green".
const std::vector<NamedColour>& NamedColours();

// Finds a named colour; returns false when the name is unknown.
bool FindNamedColour(const std::string& name, QRgb& value);

}  // namespace brackenhollow::art
