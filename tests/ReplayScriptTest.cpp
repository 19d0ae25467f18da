// Plays the scripted games of tests/scripts through the replay driver, the same dialogs a player
// uses, and checks the transcript against the scripts' "#expect" lines.
//
// Script conventions (the driver itself skips every line that starts with '#'):
//   #expect TEXT  TEXT must occur in the transcript after the previous expectation's match. When
//                 TEXT starts or ends with a letter or digit, the match may not run on into more
//                 letters or digits there, so "room 2" does not match "room 21".
//   #line TEXT    Like #expect, but a whole transcript line must equal TEXT.
//   #restart      Ends one run of the driver; the next part runs in a new driver process on the
//                 same store, as a player starting the game again would.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ReplayRun.h"
#include "tests/TestSupport.h"

namespace {

namespace fs = std::filesystem;

using brackenhollow::testing::ReplayDriverPath;
using brackenhollow::testing::ReplayRun;
using brackenhollow::testing::RunReplay;

fs::path ScriptDirectory() { return fs::path(BRACKENHOLLOW_SCRIPT_DIRECTORY); }

struct Expectation {
  int line;  // in the script, counted from 1
  std::string text;
  bool wholeLine;
};

struct Script {
  std::vector<std::string> parts;  // the script text of each driver run
  std::vector<Expectation> expectations;
};

Script ReadScript(const fs::path& path) {
  Script script;
  std::ifstream in(path);
  std::string line;
  std::string part;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "#restart") {
      script.parts.push_back(part);
      part.clear();
      continue;
    }
    if (line.rfind("#expect ", 0) == 0) script.expectations.push_back({number, line.substr(8), false});
    if (line.rfind("#line ", 0) == 0) script.expectations.push_back({number, line.substr(6), true});
    part += line + "\n";
  }
  script.parts.push_back(part);
  return script;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

// The first match at or after from, or npos.
std::size_t Find(const std::string& transcript, const Expectation& expectation, std::size_t from) {
  const std::string& text = expectation.text;
  for (std::size_t at = transcript.find(text, from); at != std::string::npos; at = transcript.find(text, at + 1)) {
    const std::size_t end = at + text.size();
    const char before = at > 0 ? transcript[at - 1] : '\n';
    const char after = end < transcript.size() ? transcript[end] : '\n';
    if (expectation.wholeLine) {
      if (before == '\n' && after == '\n') return at;
      continue;
    }
    if (text.empty()) return at;
    const bool gluedBefore = IsWordChar(text.front()) && IsWordChar(before);
    const bool gluedAfter = IsWordChar(text.back()) && IsWordChar(after);
    if (!gluedBefore && !gluedAfter) return at;
  }
  return std::string::npos;
}

// Transcript lines from a little before offset onwards, numbered, to show where a search started.
std::string Around(const std::string& transcript, std::size_t offset, int before, int after) {
  std::vector<std::string> lines;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  const int at = static_cast<int>(std::count(transcript.begin(), transcript.begin() + offset, '\n'));
  std::ostringstream out;
  for (int i = std::max(0, at - before); i < std::min(static_cast<int>(lines.size()), at + after); ++i) {
    out << (i == at ? "=> " : "   ") << i + 1 << ": " << lines[i] << "\n";
  }
  return out.str();
}

class ReplayScriptTest : public ::testing::TestWithParam<std::string> {};

// A test name may hold only letters, digits and underscores.
std::string ScriptName(const ::testing::TestParamInfo<std::string>& script) {
  std::string name = script.param;
  for (char& c : name) {
    if (!IsWordChar(c)) c = '_';
  }
  return name;
}

TEST_P(ReplayScriptTest, PlaysThroughWithEveryExpectationInOrder) {
  const fs::path path = ScriptDirectory() / (GetParam() + ".txt");
  ASSERT_TRUE(fs::is_regular_file(path)) << "no script " << path;
  ASSERT_TRUE(fs::is_regular_file(ReplayDriverPath())) << "no replay driver at " << ReplayDriverPath();
  const Script script = ReadScript(path);
  ASSERT_FALSE(script.expectations.empty()) << path << " checks nothing";

  const brackenhollow::testing::ScratchFolder scratch;
  const fs::path store = scratch.File("store.sqlite");
  std::string transcript;
  for (std::size_t part = 0; part < script.parts.size(); ++part) {
    const fs::path partFile = scratch.File("part" + std::to_string(part) + ".txt");
    std::ofstream(partFile) << script.parts[part];
    const ReplayRun run = RunReplay(store, partFile);
    transcript += run.transcript;
    EXPECT_EQ(run.status, 0) << "run " << part + 1 << " of " << path << " failed; its errors:\n"
                             << run.errors << "its transcript ends:\n"
                             << Around(run.transcript, run.transcript.size(), 12, 0);
  }

  // A refused command means the script asked for something a player could not do there. The
  // first one is shown in its place; later ones often only follow from it.
  std::vector<std::size_t> refusals;
  for (std::size_t at = 0; (at = transcript.find("! ", at)) != std::string::npos; at += 2) {
    if (at == 0 || transcript[at - 1] == '\n') refusals.push_back(at);
  }
  if (!refusals.empty()) {
    std::ostringstream all;
    for (std::size_t at : refusals) all << "  " << transcript.substr(at, transcript.find('\n', at) - at) << "\n";
    ADD_FAILURE() << refusals.size() << " refused command(s):\n"
                  << all.str() << "the first one after the screen it was given on:\n"
                  << Around(transcript, refusals.front(), 20, 2);
  }

  std::size_t from = 0;
  for (const Expectation& expectation : script.expectations) {
    const std::size_t at = Find(transcript, expectation, from);
    if (at == std::string::npos) {
      const std::size_t earlier = Find(transcript, expectation, 0);
      FAIL() << path.filename().string() << ":" << expectation.line << ": expected "
             << (expectation.wholeLine ? "the line \"" : "\"") << expectation.text
             << "\" after the previous expectation"
             << (earlier != std::string::npos ? " (it occurs only before that point)" : " (it never occurs)")
             << "; the transcript from there:\n"
             << Around(transcript, from, 3, 40);
    }
    from = at + expectation.text.size();
  }
}

// Every script in the folder, by its name without ".txt", in name order: a new script is played
// without being listed anywhere.
std::vector<std::string> ScriptNames() {
  std::vector<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(ScriptDirectory(), error)) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReplayScripts, AreFoundInTheScriptFolder) {
  EXPECT_TRUE(fs::is_directory(ScriptDirectory())) << ScriptDirectory();
  const std::vector<std::string> names = ScriptNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "walkthrough"), names.end());
}

INSTANTIATE_TEST_SUITE_P(Scripts, ReplayScriptTest, ::testing::ValuesIn(ScriptNames()), ScriptName);

}  // namespace
