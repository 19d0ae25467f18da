// brackenhollow-check-world: plays every sequence of actions a player could take and lists the states
// from which the island can no longer be reached.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hints/WorldExplorer.h"
#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/SilentBoxes.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace {

constexpr char kUsage[] =
    "usage: brackenhollow-check-world [--store FILE] [--every-order] [--limit STATES]\n"
    "Explores every state reachable by play from a new game, or from the saved game in FILE, and lists\n"
    "those from which the island can no longer be reached. Actions that compete with no other are\n"
    "followed in one order only, unless --every-order asks for all of them. Exits with 0 when there\n"
    "are none, 1 when there are, 2 when the exploration could not be finished.\n";
constexpr std::size_t kDefaultLimit = 5'000'000;

void PrintAction(const brackenhollow::PlayerAction& action) {
  if (action.verb.empty()) {
    std::printf("    walk to room %d\n", action.room);
    return;
  }
  std::printf("    in room %d: %s | %s | %s\n", action.room, action.verb.c_str(), action.noun1.c_str(),
              action.noun2.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
  std::string storePath;
  std::size_t limit = kDefaultLimit;
  brackenhollow::Orders orders = brackenhollow::Orders::Representative;
  for (int index = 1; index < argc; ++index) {
    if (std::strcmp(argv[index], "--store") == 0 && index + 1 < argc) {
      storePath = argv[++index];
    } else if (std::strcmp(argv[index], "--every-order") == 0) {
      orders = brackenhollow::Orders::Every;
    } else if (std::strcmp(argv[index], "--limit") == 0 && index + 1 < argc) {
      limit = std::strtoull(argv[++index], nullptr, 10);
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }

  brackenhollow::GameDatabase store(storePath.empty() ? std::string(":memory:") : storePath);
  int room = brackenhollow::kFirstRoom;
  if (storePath.empty()) {
    if (!brackenhollow::BuildWorldDatabase(store)) {
      std::fputs("brackenhollow-check-world: cannot build the world\n", stderr);
      return 2;
    }
  } else {
    brackenhollow::SilentBoxes boxes;
    const int saved = std::atoi(brackenhollow::GameState(store, boxes).ReadSavedRoom().c_str());
    if (brackenhollow::IsRoom(saved)) room = saved;
  }

  const auto started = std::chrono::steady_clock::now();
  const brackenhollow::Exploration exploration =
      brackenhollow::ExploreWorld(store, room, orders, limit, [&](std::size_t states) {
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::fprintf(stderr, "\r%zu states, %.0f s", states, seconds);
      });
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr, "\n");

  std::printf("states %zu\nworlds %zu\nactions %zu\nseconds %.1f\n", exploration.states, exploration.worlds,
              exploration.transitions, seconds);
  if (!exploration.complete) {
    std::printf("incomplete: the limit of %zu states was reached\n", limit);
    return 2;
  }
  std::printf("dead-ends %zu\n", exploration.deadEnds.size());
  for (const brackenhollow::ExploredState& deadEnd : exploration.deadEnds) {
    std::printf("  dead end in room %d, reached by:\n", deadEnd.room);
    for (const brackenhollow::PlayerAction& action : deadEnd.actions) PrintAction(action);
  }
  return exploration.deadEnds.empty() ? 0 : 1;
}
