#pragma once
// Runs the replay driver built beside the test program on a script, as its own process.

#include <filesystem>
#include <string>

namespace brackenhollow::testing {

struct ReplayRun {
  std::string transcript;
  int status = -1;  // the driver's exit status, -1 when it did not exit normally
  std::string errors;
};

// The replay driver beside the running test program.
std::filesystem::path ReplayDriverPath();

// Plays script on the store file through the driver and returns what it printed.
ReplayRun RunReplay(const std::filesystem::path& store, const std::filesystem::path& script);

}  // namespace brackenhollow::testing
