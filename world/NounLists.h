#pragma once
// The entries the noun lists show besides objects and items, which the screen lays out and the Action
// rules refuse.

namespace brackenhollow {

inline constexpr char kObjectsHeader[] = "OBJECTS IN ROOM -------";
inline constexpr char kInventoryHeader[] = "INVENTORY ITEMS -------";
inline constexpr char kBlankEntry[] = " ";

}  // namespace brackenhollow
