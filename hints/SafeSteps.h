#pragma once
// Steps that close no way: an action that competes with no other for an item or a key, and that
// loses nothing when done, leaves every way on open (whatever the player could do instead can still be
// done after it, to the same effect). Searches follow such a step alone instead of every order.

#include <bitset>

#include "hints/KnownActions.h"
#include "hints/Playground.h"

namespace brackenhollow {

using Reach = std::bitset<kRoomCount + 1>;

// The rooms the player in room can walk to.
Reach ReachOf(const Situation& situation, int room);

// True when no other puzzle action takes away an item this one uses or a key it wants unset, nor
// wants what this one takes away. Picking up never competes: puzzles take items out of the
// inventory, never off the floor.
bool CompetesWithNone(const PlayerAction& action);

// True when the action, done from before with the player in room, led to after without closing an
// exit, losing a room from the player's reach or taking away anything offered except what it uses up.
bool LosesNothing(const Situation& before, int room, const Situation& after, const PlayerAction& action);

}  // namespace brackenhollow
