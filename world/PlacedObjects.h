#pragma once
// The names of the objects that puzzles bring into the world during play, beside those of the starting
// world in the generated "world/WorldFacts.h". Each is placed by a puzzle row, which also gives its
// room, its flags and its description; worn items are carried under their name with "<wearing>" before it.

namespace brackenhollow {

namespace object {
inline constexpr char kDustyKey[] = "dusty key";
inline constexpr char kLetter[] = "letter";
inline constexpr char kWearingGloves[] = "<wearing>gloves";
inline constexpr char kGloves[] = "gloves";
inline constexpr char kWearingWaterWings[] = "<wearing>water wings";
inline constexpr char kWearingClothespin[] = "<wearing>clothespin";
inline constexpr char kCoin[] = "coin";
inline constexpr char kRope[] = "rope";
inline constexpr char kRopeTiedToTeapot[] = "rope tied to teapot";
inline constexpr char kString[] = "string";
inline constexpr char kCarrotOnString[] = "carrot on string";
inline constexpr char kGreenEmerald[] = "green emerald";
inline constexpr char kSmallRuby[] = "small ruby";
inline constexpr char kVioletKey[] = "violet key";
inline constexpr char kBoneKey[] = "bone key";
inline constexpr char kMeltedWax[] = "melted wax";
inline constexpr char kRabbit[] = "rabbit";
inline constexpr char kWaterKey[] = "water key";
inline constexpr char kAmulet[] = "amulet";
inline constexpr char kHugeLightbulb[] = "huge lightbulb";
inline constexpr char kPlasticNine[] = "plastic nine";
inline constexpr char kTreeKey[] = "tree key";
inline constexpr char kJarFullOfFireFlies[] = "jar full of fire flies";
inline constexpr char kCutPineTree[] = "cut pine tree";
inline constexpr char kBagOfGold[] = "bag of gold";
inline constexpr char kRottenMeat[] = "rotten meat";
inline constexpr char kEggs[] = "eggs";
}  // namespace object

inline constexpr const char* kAllPlacedObjectNames[] = {
    object::kDustyKey,
    object::kLetter,
    object::kWearingGloves,
    object::kGloves,
    object::kWearingWaterWings,
    object::kWearingClothespin,
    object::kCoin,
    object::kRope,
    object::kRopeTiedToTeapot,
    object::kString,
    object::kCarrotOnString,
    object::kGreenEmerald,
    object::kSmallRuby,
    object::kVioletKey,
    object::kBoneKey,
    object::kMeltedWax,
    object::kRabbit,
    object::kWaterKey,
    object::kAmulet,
    object::kHugeLightbulb,
    object::kPlasticNine,
    object::kTreeKey,
    object::kJarFullOfFireFlies,
    object::kCutPineTree,
    object::kBagOfGold,
    object::kRottenMeat,
    object::kEggs,
};

}  // namespace brackenhollow
