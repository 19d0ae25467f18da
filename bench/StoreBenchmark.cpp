// The world build beside the sqlite3 shell running the same statements in one transaction, and
// single state operations on a built world.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/GameDatabase.h"
#include "store/GameState.h"
#include "store/MessageBoxes.h"
#include "world/WorldBuild.h"

namespace {

namespace fs = std::filesystem;

class SilentBoxes : public brackenhollow::MessageBoxes {
 public:
  void Inform(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

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
  SilentBoxes boxes;
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

}  // namespace

BENCHMARK_MAIN();
