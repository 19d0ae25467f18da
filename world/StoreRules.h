#pragma once
// What a store of this game holds, for the store check (store/StoreCheck.h): the tables and indexes
// the world build and the game make, and the rooms, keys and objects the world has.

#include "store/StoreCheck.h"

namespace brackenhollow {

// The rules every store file is checked against, made once from the world's own statements and
// facts.
const StoreRules& GameStoreRules();

}  // namespace brackenhollow
