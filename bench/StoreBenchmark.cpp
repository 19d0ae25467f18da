// The world build beside the sqlite3 shell running the same statements in one transaction, single
// state operations on a built world, the writes of one action as separate commits and as one, a
// whole Action press, and the start-up check of a store.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/GameScreen.h"
#include "store/ActionTransaction.h"
#include "store/GameDatabase.h"
#include "store/GameRecordset.h"
#include "store/GameState.h"
#include "store/SilentBoxes.h"
#include "store/StoreCheck.h"
#include "world/StoreRules.h"
#include "world/WorldBuild.h"

namespace {

namespace fs = std::filesystem;

fs::path Scratch(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / ("brackenhollow-bench-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  return folder / name;
}

void RemoveStore(const fs::path& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path.string() + suffix);
}

// A fresh store file each time: the build the player waits for on first start.
void BM_WorldBuild(benchmark::State& state) {
  const fs::path path = Scratch("build.sqlite");
  for (auto _ : state) {
    state.PauseTiming();
    RemoveStore(path);
    state.ResumeTiming();
    brackenhollow::GameDatabase database(path.string());
    benchmark::DoNotOptimize(brackenhollow::BuildWorldDatabase(database));
  }
  RemoveStore(path);
}
BENCHMARK(BM_WorldBuild)->Unit(benchmark::kMillisecond);

// The same statements through the sqlite3 shell, in one transaction, on the same journal mode; the
// shell's own start is part of its figure as the game's open is part of the build's.
void BM_ShellBuild(benchmark::State& state) {
  const fs::path script = Scratch("build.sql");
  {
    std::ofstream out(script);
    out << "PRAGMA journal_mode=WAL;\nPRAGMA synchronous=NORMAL;\nBEGIN;\n";
    for (const std::string& statement : brackenhollow::WorldStatements()) out << statement;
    out << "COMMIT;\n";
  }
  const fs::path path = Scratch("shell.sqlite");
  const std::string command = "sqlite3 " + path.string() + " < " + script.string() + " > /dev/null 2>&1";
  for (auto _ : state) {
    state.PauseTiming();
    RemoveStore(path);
    state.ResumeTiming();
    benchmark::DoNotOptimize(std::system(command.c_str()));
  }
  RemoveStore(path);
}
BENCHMARK(BM_ShellBuild)->Unit(benchmark::kMillisecond);

struct BuiltWorld {
  BuiltWorld() : path(Scratch("state.sqlite")), database((RemoveStore(path), path.string())), state(database, boxes) {
    brackenhollow::BuildWorldDatabase(database);
  }
  ~BuiltWorld() { RemoveStore(path); }
  fs::path path;
  brackenhollow::SilentBoxes boxes;
  brackenhollow::GameDatabase database;
  brackenhollow::GameState state;
};

void BM_GetActionStatus(benchmark::State& state) {
  BuiltWorld world;
  for (auto _ : state) benchmark::DoNotOptimize(world.state.GetActionStatus("use lightbulb at lighhouse"));
}
BENCHMARK(BM_GetActionStatus)->Unit(benchmark::kMicrosecond);

void BM_SetActionStatus(benchmark::State& state) {
  BuiltWorld world;
  bool on = false;
  for (auto _ : state) {
    on = !on;
    world.state.SetActionStatus("move mirror", on ? "1" : "0");
  }
}
BENCHMARK(BM_SetActionStatus)->Unit(benchmark::kMicrosecond);

void BM_AddToInventory(benchmark::State& state) {
  BuiltWorld world;
  for (auto _ : state) world.state.AddToInventory("rope tied to teapot");
}
BENCHMARK(BM_AddToInventory)->Unit(benchmark::kMicrosecond);


constexpr char kIcyLakeText[] = "You are on the edge of an icy lake. The wind is blowing intensely.";

// The four writes of picking up the dumbbell, each its own commit, as every action wrote before.
void BM_DumbbellWritesSeparateCommits(benchmark::State& state) {
  BuiltWorld world;
  for (auto _ : state) {
    world.state.SetActionStatus("have weight", "1");
    world.state.SetRoomDescription(kIcyLakeText, "126");
    world.state.AddToInventory("dumbbell");
    world.state.SetObjectGone("dumbbell");
  }
}
BENCHMARK(BM_DumbbellWritesSeparateCommits)->Unit(benchmark::kMicrosecond);

// The same four writes in the one transaction an Action press now makes.
void BM_DumbbellWritesOneCommit(benchmark::State& state) {
  BuiltWorld world;
  for (auto _ : state) {
    brackenhollow::ActionTransaction transaction(world.database);
    world.state.SetActionStatus("have weight", "1");
    world.state.SetRoomDescription(kIcyLakeText, "126");
    world.state.AddToInventory("dumbbell");
    world.state.SetObjectGone("dumbbell");
    benchmark::DoNotOptimize(transaction.Commit());
  }
}
BENCHMARK(BM_DumbbellWritesOneCommit)->Unit(benchmark::kMicrosecond);

// A whole Action press, "Get the" "dumbbell" in its room, from the button to the refreshed screen.
// A new dumbbell is laid down (untimed) before each press.
void BM_ActionPressGetDumbbell(benchmark::State& state) {
  BuiltWorld world;
  world.state.SaveCurrentRoom(101);
  brackenhollow::GameScreen screen(world.database, world.boxes, "/opt/brackenhollow/");
  screen.PrepareStart();
  screen.EnterGame(brackenhollow::kStartChosen);
  const auto indexOf = [](const brackenhollow::ListState& list, const std::string& text) {
    for (std::size_t index = 0; index < list.entries.size(); ++index) {
      if (list.entries[index] == text) return static_cast<int>(index);
    }
    return -1;
  };
  for (auto _ : state) {
    state.PauseTiming();
    world.state.PlaceObjectInRoom("101", "dumbbell", "1", "0", "A dumbbell.");
    screen.RefreshRoomView();
    screen.ChooseVerb(indexOf(screen.Screen().verbs, "Get the"));
    screen.ChooseNoun1(indexOf(screen.Screen().noun1, "dumbbell"));
    state.ResumeTiming();
    screen.OnAction();
  }
}
BENCHMARK(BM_ActionPressGetDumbbell)->Unit(benchmark::kMicrosecond);

// A store in mid-game: the world and the rows a long game adds, closed cleanly.
fs::path MidGameStore() {
  const fs::path path = Scratch("midgame.sqlite");
  RemoveStore(path);
  brackenhollow::GameDatabase database(path.string());
  brackenhollow::BuildWorldDatabase(database);
  brackenhollow::SilentBoxes boxes;
  brackenhollow::GameState state(database, boxes);
  brackenhollow::GameRecordset keys(database);
  std::vector<std::string> names;
  keys.Open("select actiontype from actions", brackenhollow::kCursorForwardOnly, brackenhollow::kLockReadOnly);
  for (keys.MoveFirst(); !keys.IsEOF(); keys.MoveNext()) names.push_back(keys.GetFieldText(0));
  keys.Close();
  for (std::size_t index = 0; index < names.size() / 2; ++index) {
    state.SetActionStatus(names[index], "1");
    state.AddToInventory("item " + std::to_string(index));
    state.PlaceObjectInRoom("999", "item " + std::to_string(index), "1", "1", "Something found on the way.");
    state.SetRoomDescription("A room changed by play.", std::to_string(index + 1));
  }
  return path;
}

// PRAGMA integrity_check alone on a mid-game store.
void BM_IntegrityCheckMidGame(benchmark::State& state) {
  const fs::path path = MidGameStore();
  brackenhollow::GameDatabase database(path.string());
  for (auto _ : state) {
    brackenhollow::GameRecordset check(database);
    check.Open("PRAGMA integrity_check", brackenhollow::kCursorForwardOnly, brackenhollow::kLockReadOnly);
    benchmark::DoNotOptimize(check.GetFieldText(0));
  }
  state.counters["store bytes"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(BM_IntegrityCheckMidGame)->Unit(benchmark::kMillisecond);

// The whole start-up of a mid-game store: open, log mode, integrity check, write probe, close.
void BM_StartUpMidGame(benchmark::State& state) {
  const fs::path path = MidGameStore();
  for (auto _ : state) {
    brackenhollow::GameDatabase database(path.string());
    benchmark::DoNotOptimize(database.IsOpen());
  }
}
BENCHMARK(BM_StartUpMidGame)->Unit(benchmark::kMillisecond);

// The whole store check on a mid-game store (ours, format, integrity, tables and indexes, rows), as
// at start-up, before a save is opened and for each save listed.
void BM_StoreCheckMidGame(benchmark::State& state) {
  const fs::path path = MidGameStore();
  brackenhollow::GameDatabase database(path.string());
  for (auto _ : state) {
    benchmark::DoNotOptimize(brackenhollow::CheckStoreFile(database.Handle(), brackenhollow::GameStoreRules()).Sound());
  }
}
BENCHMARK(BM_StoreCheckMidGame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
