// Hints and the world checker: a hint from a new game and from the middle of one, the way to the
// island behind it, and the checker's whole exploration.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "app/GameScreen.h"
#include "hints/Hint.h"
#include "store/SilentBoxes.h"
#include "hints/WorldExplorer.h"
#include "hints/WorldSearch.h"
#include "store/GameDatabase.h"
#include "world/WorldBuild.h"

namespace {

using namespace brackenhollow;

// Actions done before the mid-game hint: about half of the way from a new game.
constexpr int kMidGameActions = 38;

// A new game in memory, or one played on by following the hints for so many actions.
class Game {
 public:
  explicit Game(int actions) {
    BuildWorldDatabase(m_database);
    m_screen.PrepareStart();
    m_screen.EnterGame(kStartChosen);
    for (int done = 0; done < actions; ++done) {
      const Hint hint = ComputeHint(m_database, m_screen.CurrentRoom());
      if (hint.kind != Hint::Kind::Act) break;
      for (const std::string& direction : hint.route) {
        if (direction == "N") m_screen.OnNorth();
        if (direction == "S") m_screen.OnSouth();
        if (direction == "E") m_screen.OnEast();
        if (direction == "W") m_screen.OnWest();
      }
      m_screen.ChooseVerb(m_screen.Screen().verbs.IndexOf(hint.action.verb));
      m_screen.ChooseNoun1(m_screen.Screen().noun1.IndexOf(hint.action.noun1));
      if (!hint.action.noun2.empty()) m_screen.ChooseNoun2(m_screen.Screen().noun2.IndexOf(hint.action.noun2));
      m_screen.OnAction();
    }
  }

  GameDatabase& Database() { return m_database; }
  int Room() const { return m_screen.CurrentRoom(); }

 private:
  GameDatabase m_database{":memory:"};
  SilentBoxes m_boxes;
  GameScreen m_screen{m_database, m_boxes, "/nowhere/"};
};

void HintFrom(benchmark::State& state, int actionsDone) {
  Game game(actionsDone);
  for (auto _ : state) {
    const Hint hint = ComputeHint(game.Database(), game.Room());
    benchmark::DoNotOptimize(hint.kind);
  }
}

// What Help → Hint and the driver's hint command cost the player.
void BM_HintFromNewGame(benchmark::State& state) { HintFrom(state, 0); }
void BM_HintFromMidGame(benchmark::State& state) { HintFrom(state, kMidGameActions); }

// The way to the island alone, without trimming its useless start.
void BM_WayFromNewGame(benchmark::State& state) {
  Game game(0);
  for (auto _ : state) {
    WorldSearch search(game.Database(), game.Room());
    benchmark::DoNotOptimize(search.FindWay());
  }
}

// The world checker's whole exploration of a new game.
void BM_CheckWorld(benchmark::State& state) {
  Game game(0);
  std::size_t states = 0;
  for (auto _ : state) states = ExploreWorld(game.Database(), game.Room(), Orders::Representative, 1'000'000).states;
  state.counters["states"] = static_cast<double>(states);
}

}  // namespace

BENCHMARK(BM_HintFromNewGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HintFromMidGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WayFromNewGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckWorld)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
