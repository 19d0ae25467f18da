#include "hints/Hint.h"

#include "actions/Verbs.h"
#include "hints/Walking.h"
#include "hints/WorldSearch.h"
#include "view/RoomView.h"
#include "world/WorldFacts.h"

namespace brackenhollow {

namespace {

// The room's name as the world calls it; "room N" when it has none.
std::string RoomName(GameDatabase& store, int room) {
  const std::string name = ReadRoomName(store, room);
  return name.empty() ? "room " + std::to_string(room) : name;
}

std::string Joined(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

// The action as the player would say it.
std::string Spoken(const PlayerAction& action) { return SpokenAction(action.verb, action.noun1, action.noun2); }

std::string WalkText(const Hint& hint) {
  return hint.route.empty() ? "You are there already." : "Walk " + Joined(hint.route, ", ") + ".";
}

}  // namespace

Hint ComputeHint(GameDatabase& store, int room) {
  Hint hint;
  if (room == room::kIsland) {
    hint.kind = Hint::Kind::Finished;
    hint.room = room;
    hint.roomName = RoomName(store, room);
    return hint;
  }
  WorldSearch search(store, room);
  if (!search.Ok()) return hint;
  const std::optional<std::vector<PlayerAction>> way = search.FindUsefulWay();
  if (!way) {
    hint.kind = Hint::Kind::NoWay;
    return hint;
  }
  if (way->empty()) {
    hint.kind = Hint::Kind::Walk;
    hint.room = room::kIsland;
  } else {
    hint.kind = Hint::Kind::Act;
    hint.action = way->front();
    hint.room = hint.action.room;
  }
  hint.roomName = RoomName(store, hint.room);
  hint.route = WalkingRoute(ReadExitMap(store), room, hint.room).value_or(std::vector<std::string>{});
  return hint;
}

std::string HintLine(const Hint& hint) {
  switch (hint.kind) {
    case Hint::Kind::Finished:
      return "hint none";
    case Hint::Kind::Walk:
      return "hint " + std::to_string(hint.room);
    case Hint::Kind::Act:
      // No blank is left dangling after the last bar when there is no second noun.
      return "hint " + std::to_string(hint.room) + " " + hint.action.verb + " | " + hint.action.noun1 + " |" +
             (hint.action.noun2.empty() ? "" : " " + hint.action.noun2);
    case Hint::Kind::NoWay:
      return "hint unreachable";
    case Hint::Kind::Unavailable:
      return "hint unavailable";
  }
  return "hint unavailable";
}

std::string HintText(const Hint& hint, int step) {
  switch (hint.kind) {
    case Hint::Kind::Finished:
      return "You have reached the island. There is nothing left to do in this chapter.";
    case Hint::Kind::NoWay:
      return "The island can no longer be reached from here. RESET THE GAME starts the story again.";
    case Hint::Kind::Unavailable:
      return "No hint can be worked out right now: the saved game could not be read.";
    case Hint::Kind::Walk:
      if (step <= 1) return "Everything is done. Head for the " + hint.roomName + ".";
      if (step == 2) return "You need nothing more: just walk to the " + hint.roomName + ".";
      return "Go to the " + hint.roomName + ": " + WalkText(hint);
    case Hint::Kind::Act: {
      // A room's name is a label ("east side of bedroom"), so it is quoted rather than put in a sentence.
      const std::string room = "the room \u201c" + hint.roomName + "\u201d";
      const bool here = hint.route.empty();
      if (step <= 1) {
        if (here) return "Your next step is here, where you stand.";
        const std::size_t moves = hint.route.size();
        return "Your next step is in " + room + ", " + std::to_string(moves) + (moves == 1 ? " move" : " moves") +
               " away.";
      }
      const std::vector<std::string> nouns = hint.action.noun2.empty()
                                                 ? std::vector<std::string>{hint.action.noun1}
                                                 : std::vector<std::string>{hint.action.noun1, hint.action.noun2};
      if (step == 2) {
        const std::string things = "the " + Joined(nouns, " and the ");
        return here ? "Think of " + things + ", here where you stand." : "In " + room + ", think of " + things + ".";
      }
      // The way there comes first, as the player will take it.
      if (here) return Spoken(hint.action) + ", here where you stand.";
      return WalkText(hint) + " Then, in " + room + ": " + Spoken(hint.action) + ".";
    }
  }
  return {};
}

}  // namespace brackenhollow
