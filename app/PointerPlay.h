#pragma once
// Playing by pointing: the picture's hotspots, the carried things and the verb bar act on the game
// screen through its own lists and buttons, so the lists always show what the pointer chose.

#include <string>
#include <vector>

#include "app/ScreenState.h"
#include "view/EdgeWays.h"
#include "view/HotspotMap.h"

namespace brackenhollow {

class GameScreen;

// Where a thing is found in the First object list: among the room's objects or the carried items.
enum class Held { InRoom, Carried };

// A hotspot of the present picture that the player can point at now.
struct PointerTarget {
  Hotspot hotspot;
  bool open = true;     // a way out whose direction button is enabled; always true for a thing
  bool chosen = false;  // the thing is chosen in First or Second object
  ViewSide side = ViewSide::Ahead;  // where a way out lies as the onlooker sees it
};

// The row of the entry named name in the section of list that held names (objects in the room or
// carried items); -1 when that section has no such entry.
int EntryIndex(const ListState& list, const std::string& name, Held held);

// The carried items the First object list shows, in its order.
std::vector<std::string> CarriedThings(const ListState& list);

// The things the First object list offers, in the room and carried, in its order.
std::vector<std::string> OfferedThings(const ListState& list);

// The things the room offers in list that none of targets shows, in the list's order.
std::vector<std::string> UnseenThings(const ListState& list, const std::vector<PointerTarget>& targets);

// The verbs of the verb table that take a thing, in the verb list's order.
std::vector<std::string> ThingVerbs();

class PointerPlay {
 public:
  explicit PointerPlay(GameScreen& screen) : m_screen(screen) {}

  // The hotspots of map, back to front, with a hotspot at the picture's edge for every way out of the
  // room (open or closed) that it does not mark, placed by the way the room's view faces. A close-up
  // an action put there gets none: a click beside its things goes back to the room.
  std::vector<Hotspot> Hotspots(const HotspotMap& map) const;
  // The hotspots the player can point at now: the things the First object list offers (a thing it
  // does not offer is left out) and every way out of Hotspots, open or closed.
  std::vector<PointerTarget> Targets(const HotspotMap& map) const;
  // Where the First object list offers a thing drawn in the picture: in the room, or, when the player
  // has taken it and the picture still shows its like (sand on a beach), among the carried things.
  Held InPicture(const std::string& name) const;
  // Chooses the thing as choosing it in First object does; when the verb takes two things and only
  // the first is chosen, it fills Second object instead, and when both are chosen it starts a new
  // pair. Returns false, changing nothing, when the list does not offer it or is disabled.
  bool Choose(const std::string& name, Held held);
  // Looks at the thing at once: "Look at" with it, then Action. False, changing nothing, when it
  // cannot be chosen.
  bool LookAt(const std::string& name, Held held);
  // Does verb with the thing (and second, for a verb that takes two) at once, as choosing them in the
  // lists and pressing Action would. False, changing nothing, when any of them cannot be chosen.
  bool Perform(const std::string& verb, const std::string& name, Held held, const std::string& second = {});
  // Walks out by direction ('N', 'S', 'E', 'W') as its button does: only when it is open. Returns
  // whether the player walked.
  bool Walk(char direction);
  // Chooses the verb with that text in the verb list. False when it is no entry or the list is disabled.
  bool ChooseVerb(const std::string& verb);
  // Whether the picture shown is a close-up an action put there, which hides the room's other things.
  bool ShowsCloseUp() const;
  // Leaves a close-up for the room's own picture, as a move into the room would show it. False,
  // changing nothing, when no close-up is shown.
  bool LeaveCloseUp();
  // A verb button: chooses the verb in row index of the verb list and starts a new sentence, its
  // things still to be pointed at (First and Second object blank). False, changing nothing, when the
  // verb list is disabled or index is no verb.
  bool StartSentence(int index);

 private:
  GameScreen& m_screen;
};

}  // namespace brackenhollow
