#include "app/PointerPlay.h"

#include <algorithm>

#include "actions/Verbs.h"
#include "app/GameScreen.h"
#include "movement/RoomExits.h"
#include "view/RoomView.h"
#include "world/CloseUpPictures.h"
#include "world/RoomRecord.h"

namespace brackenhollow {

namespace {

// The rows [first, last) of the section held names.
std::pair<int, int> Section(const ListState& list, Held held) {
  const int objects = list.IndexOf(kObjectsHeader);
  const int inventory = list.IndexOf(kInventoryHeader);
  const int size = static_cast<int>(list.entries.size());
  if (objects < 0 || inventory < objects) return {0, 0};
  return held == Held::InRoom ? std::pair{objects + 1, inventory} : std::pair{inventory + 1, size};
}

// Whether the list has a thing chosen, not the blank entry.
bool HasThing(const ListState& list) {
  const std::string chosen = list.SelectedText();
  return !chosen.empty() && chosen != kBlankEntry && chosen != kObjectsHeader && chosen != kInventoryHeader;
}

Control DirectionButton(char direction) {
  switch (direction) {
    case 'N':
      return Control::North;
    case 'S':
      return Control::South;
    case 'E':
      return Control::East;
    default:
      return Control::West;
  }
}

}  // namespace

int EntryIndex(const ListState& list, const std::string& name, Held held) {
  const auto [first, last] = Section(list, held);
  for (int row = first; row < last; ++row) {
    if (list.entries[static_cast<std::size_t>(row)] == name) return row;
  }
  return -1;
}

std::vector<std::string> CarriedThings(const ListState& list) {
  const auto [first, last] = Section(list, Held::Carried);
  return {list.entries.begin() + first, list.entries.begin() + last};
}

std::vector<std::string> OfferedThings(const ListState& list) {
  std::vector<std::string> things;
  for (Held held : {Held::InRoom, Held::Carried}) {
    const auto [first, last] = Section(list, held);
    things.insert(things.end(), list.entries.begin() + first, list.entries.begin() + last);
  }
  return things;
}

std::vector<std::string> UnseenThings(const ListState& list, const std::vector<PointerTarget>& targets) {
  std::vector<std::string> unseen;
  const auto [first, last] = Section(list, Held::InRoom);
  for (int row = first; row < last; ++row) {
    const std::string& thing = list.entries[static_cast<std::size_t>(row)];
    const bool shown = std::any_of(targets.begin(), targets.end(),
                                   [&thing](const PointerTarget& target) { return target.hotspot.object == thing; });
    if (!shown) unseen.push_back(thing);
  }
  return unseen;
}

std::vector<std::string> ThingVerbs() {
  std::vector<std::string> verbs;
  for (const Verb& verb : Verbs()) {
    if (verb.handling != VerbHandling::Reset) verbs.emplace_back(verb.text);
  }
  return verbs;
}

std::vector<Hotspot> PointerPlay::Hotspots(const HotspotMap& map) const {
  const RoomRecord* record = FindRoomRecord(m_screen.CurrentRoom());
  if (record == nullptr || ShowsCloseUp()) return map.hotspots;
  const unsigned ways = WaysOut(record->room);
  std::string directions;
  if ((ways & kNorth) != 0) directions += 'N';
  if ((ways & kSouth) != 0) directions += 'S';
  if ((ways & kEast) != 0) directions += 'E';
  if ((ways & kWest) != 0) directions += 'W';
  return WithEdgeWays(map, record->facing, directions);
}

std::vector<PointerTarget> PointerPlay::Targets(const HotspotMap& map) const {
  const ScreenState& screen = m_screen.Screen();
  const RoomRecord* record = FindRoomRecord(m_screen.CurrentRoom());
  std::vector<PointerTarget> targets;
  for (const Hotspot& hotspot : Hotspots(map)) {
    PointerTarget target{hotspot};
    if (hotspot.IsWay()) {
      target.open = screen.IsEnabled(DirectionButton(hotspot.way));
      if (record != nullptr) target.side = SideOf(record->facing, hotspot.way);
    } else {
      if (EntryIndex(screen.noun1, hotspot.object, InPicture(hotspot.object)) < 0) continue;
      target.chosen = screen.noun1.SelectedText() == hotspot.object ||
                      (screen.IsEnabled(Control::Noun2List) && screen.noun2.SelectedText() == hotspot.object);
    }
    targets.push_back(std::move(target));
  }
  return targets;
}

Held PointerPlay::InPicture(const std::string& name) const {
  return EntryIndex(m_screen.Screen().noun1, name, Held::InRoom) >= 0 ? Held::InRoom : Held::Carried;
}

bool PointerPlay::Choose(const std::string& name, Held held) {
  const ScreenState& screen = m_screen.Screen();
  const int first = EntryIndex(screen.noun1, name, held);
  if (first < 0 || !screen.IsEnabled(Control::Noun1List)) return false;
  const bool pairs = screen.IsEnabled(Control::Noun2List);
  if (pairs && HasThing(screen.noun1) && !HasThing(screen.noun2)) {
    return m_screen.ChooseNoun2(EntryIndex(screen.noun2, name, held));
  }
  if (!m_screen.ChooseNoun1(first)) return false;
  // A new pair starts: its second thing is still to be chosen.
  if (pairs) m_screen.ChooseNoun2(screen.noun2.IndexOf(kBlankEntry));
  return true;
}

bool PointerPlay::ChooseVerb(const std::string& verb) { return m_screen.ChooseVerb(m_screen.Screen().verbs.IndexOf(verb)); }

bool PointerPlay::ShowsCloseUp() const {
  const std::string& shown = m_screen.Screen().pictureFile;
  for (const char* closeUp : kCloseUpPictures) {
    const std::string name(closeUp);
    if (shown.size() >= name.size() && shown.compare(shown.size() - name.size(), name.size(), name) == 0) return true;
  }
  return false;
}

bool PointerPlay::LeaveCloseUp() {
  if (!ShowsCloseUp() || !m_screen.Screen().IsEnabled(Control::Noun1List)) return false;
  m_screen.ShowRoomPicture();
  return true;
}

bool PointerPlay::StartSentence(int index) {
  if (!m_screen.ChooseVerb(index)) return false;
  const ScreenState& screen = m_screen.Screen();
  m_screen.ChooseNoun1(screen.noun1.IndexOf(kBlankEntry));
  m_screen.ChooseNoun2(screen.noun2.IndexOf(kBlankEntry));
  return true;
}

bool PointerPlay::LookAt(const std::string& name, Held held) { return Perform(kVerbLookAt, name, held); }

bool PointerPlay::Perform(const std::string& verb, const std::string& name, Held held, const std::string& second) {
  const ScreenState& screen = m_screen.Screen();
  if (!screen.IsEnabled(Control::VerbList) || !screen.IsEnabled(Control::Noun1List) ||
      !screen.IsEnabled(Control::Action) || screen.verbs.IndexOf(verb) < 0 || EntryIndex(screen.noun1, name, held) < 0) {
    return false;
  }
  const bool pairs = UsesSecondList(verb);
  // The second thing may lie in the room or be carried; the room's comes first, as in the list.
  const int secondRow = second.empty() ? -1 : screen.noun1.IndexOf(second);
  if (pairs && !second.empty() && secondRow < 0) return false;
  ChooseVerb(verb);
  m_screen.ChooseNoun1(EntryIndex(screen.noun1, name, held));
  if (pairs) m_screen.ChooseNoun2(secondRow < 0 ? screen.noun2.IndexOf(kBlankEntry) : secondRow);
  m_screen.OnAction();
  return true;
}

bool PointerPlay::Walk(char direction) {
  switch (direction) {
    case 'N':
      if (!m_screen.Screen().IsEnabled(Control::North)) return false;
      m_screen.OnNorth();
      return true;
    case 'S':
      if (!m_screen.Screen().IsEnabled(Control::South)) return false;
      m_screen.OnSouth();
      return true;
    case 'E':
      if (!m_screen.Screen().IsEnabled(Control::East)) return false;
      m_screen.OnEast();
      return true;
    case 'W':
      if (!m_screen.Screen().IsEnabled(Control::West)) return false;
      m_screen.OnWest();
      return true;
    default:
      return false;
  }
}

}  // namespace brackenhollow
