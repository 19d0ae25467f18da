// The pointer through the replay driver, on the painted pictures and their maps: every picture the
// walkthrough passes through lists hotspots that name what the room offers (or a way the room has),
// every way the room offers among them, large enough to hit, and a click on each one's point chooses exactly that thing; and the driver's
// pointer commands refuse what a player could not do.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "movement/RoomExits.h"
#include "world/CloseUpPictures.h"
#include "tests/ReplayRun.h"
#include "tests/ScriptedPlay.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

namespace fs = std::filesystem;

constexpr int kSmallestSide = 24;
constexpr char kUseWith[] = "Use the __ with the __";

struct ListedHotspot {
  std::string name;  // the object, or "way D"
  int x, y, width, height, pointX, pointY;
};

// One screen after a step: the hotspots listed, then the show block.
struct Screen {
  std::vector<ListedHotspot> hotspots;
  int room = 0;
  std::string picture;
  std::string verb;
  std::vector<std::string> noun1;  // the entries, the chosen one without its brackets
  int chosen1 = -1;
  std::string chosen2;
  bool noun2Enabled = false;
  std::string text;
};

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  for (std::size_t bar; (bar = line.find(" | ", from)) != std::string::npos; from = bar + 3) {
    parts.push_back(line.substr(from, bar - from));
  }
  parts.push_back(line.substr(from));
  return parts;
}

// Reads the screens of a transcript: each "hotspot" line belongs to the show block after it.
std::vector<Screen> ReadScreens(const std::string& transcript) {
  static const std::regex hotspotLine(R"(hotspot (.+) \| (\d+) (\d+) (\d+) (\d+) \| (\d+) (\d+))");
  std::vector<Screen> screens;
  Screen screen;
  bool inText = false;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) {
    std::smatch match;
    if (inText) {
      if (line == "end") {
        screens.push_back(screen);
        screen = Screen();
        inText = false;
      } else {
        screen.text += line + "\n";
      }
    } else if (std::regex_match(line, match, hotspotLine)) {
      screen.hotspots.push_back({match[1], std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4]),
                                 std::stoi(match[5]), std::stoi(match[6]), std::stoi(match[7])});
    } else if (line.rfind("room ", 0) == 0) {
      screen.room = std::stoi(line.substr(5));
    } else if (line.rfind("picture ", 0) == 0) {
      screen.picture = line.substr(8);
    } else if (line.rfind("verb ", 0) == 0) {
      screen.verb = line.substr(5);
    } else if (line.rfind("enabled ", 0) == 0) {
      screen.noun2Enabled = line.find(" noun2") != std::string::npos;
    } else if (line.rfind("noun1 ", 0) == 0 || line.rfind("noun2 ", 0) == 0) {
      const bool first = line[4] == '1';
      std::vector<std::string> entries = Split(line.substr(6));
      for (std::size_t index = 0; index < entries.size(); ++index) {
        std::string& entry = entries[index];
        if (entry.size() < 2 || entry.front() != '[' || entry.back() != ']') continue;
        entry = entry.substr(1, entry.size() - 2);
        if (first) {
          screen.chosen1 = static_cast<int>(index);
        } else {
          screen.chosen2 = entry;
        }
      }
      if (first) screen.noun1 = entries;
    } else if (line == "text") {
      inText = true;
    }
  }
  return screens;
}

// The lines of a transcript that refuse a command.
std::string Refusals(const std::string& transcript) {
  std::string refused;
  std::istringstream in(transcript);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("! ", 0) == 0) refused += line + "\n";
  }
  return refused;
}

// Whether picture (as the screen names it) is a close-up an action put there, which shows no ways out.
bool CloseUp(const std::string& picture) {
  for (const char* closeUp : kCloseUpPictures) {
    const std::string name(closeUp);
    if (picture.size() >= name.size() && picture.compare(picture.size() - name.size(), name.size(), name) == 0) {
      return true;
    }
  }
  return false;
}

// Whether the First object list offers name, in the room or (taken from a picture that still shows
// its like) carried.
bool Offered(const Screen& screen, const std::string& name) {
  return std::find(screen.noun1.begin(), screen.noun1.end(), name) != screen.noun1.end();
}

class PointerReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::is_regular_file(testing::ReplayDriverPath())) << "no replay driver";
    if (!fs::exists(testing::ReplayDriverPath().parent_path() / "bedroom1.hotspots.json")) {
      GTEST_SKIP() << "the pictures' hotspot maps are not painted in this build";
    }
  }

  testing::ReplayRun Play(const std::vector<std::string>& lines, const std::string& name) {
    const fs::path script = scratch.File(name + ".txt");
    std::ofstream out(script);
    for (const std::string& line : lines) out << line << "\n";
    out.close();
    return testing::RunReplay(scratch.File(name + ".sqlite"), script);
  }

  testing::ScratchFolder scratch;
};

TEST_F(PointerReplayTest, EveryHotspotOnTheWalkthroughsPicturesNamesWhatIsThereAndAClickOnItsPointChoosesIt) {
  const std::vector<std::string> walkthrough = testing::ScriptLines("walkthrough.txt");
  ASSERT_FALSE(walkthrough.empty());
  ASSERT_EQ(walkthrough.front(), "start");
  // The picture stands beside the text, so it is in view after every action.
  std::vector<std::string> survey = {"start", "layout together", "hotspots", "show"};
  // The last step reaches the island and ends the game.
  for (std::size_t index = 1; index + 1 < walkthrough.size(); ++index) {
    survey.insert(survey.end(), {walkthrough[index], "hotspots", "show"});
  }
  survey.push_back(walkthrough.back());
  const testing::ReplayRun surveyed = Play(survey, "survey");
  ASSERT_EQ(surveyed.status, 0) << surveyed.errors << Refusals(surveyed.transcript);
  EXPECT_EQ(surveyed.errors.find("is refused"), std::string::npos) << surveyed.errors;
  const std::vector<Screen> screens = ReadScreens(surveyed.transcript);
  ASSERT_EQ(screens.size(), walkthrough.size() - 1);

  // Second run: the walkthrough again, and at the first visit of each picture in each state of its
  // room, a click on every thing's point; then the choices of the walkthrough as they were.
  std::vector<std::string> clicks = {"start", "layout together"};
  std::vector<std::pair<std::string, std::string>> expected;  // the object clicked, and where
  std::set<std::string> visited;
  std::set<std::string> pictures;
  for (std::size_t step = 0; step < screens.size(); ++step) {
    if (step > 0) clicks.push_back(walkthrough[step]);
    const Screen& screen = screens[step];
    pictures.insert(screen.picture);
    std::string state = screen.picture;
    for (const std::string& entry : screen.noun1) state += "|" + entry;
    if (!visited.insert(state).second) continue;
    const std::string where = screen.picture + " (room " + std::to_string(screen.room) + ", step " +
                              std::to_string(step) + ")";
    // Every way the room offers, open or closed, is in the picture: drawn, or at its edge.
    for (const auto& [bit, direction] : {std::pair{kNorth, "N"}, {kSouth, "S"}, {kEast, "E"}, {kWest, "W"}}) {
      if ((WaysOut(screen.room) & bit) == 0 || CloseUp(screen.picture)) continue;
      const std::string name = std::string("way ") + direction;
      const bool listed = std::any_of(screen.hotspots.begin(), screen.hotspots.end(),
                                      [&name](const ListedHotspot& hotspot) { return hotspot.name == name; });
      EXPECT_TRUE(listed) << "no way " << direction << " listed in " << where;
    }
    bool anyThing = false;
    for (const ListedHotspot& hotspot : screen.hotspots) {
      EXPECT_GE(hotspot.width, kSmallestSide) << hotspot.name << " in " << where;
      EXPECT_GE(hotspot.height, kSmallestSide) << hotspot.name << " in " << where;
      if (hotspot.name.rfind("way ", 0) == 0) {
        const std::string direction = hotspot.name.substr(4);
        EXPECT_NE(NextRoom(screen.room, direction), screen.room) << "no way " << direction << " from " << where;
        continue;
      }
      EXPECT_TRUE(Offered(screen, hotspot.name)) << hotspot.name << " is not offered in " << where;
      if (!anyThing) clicks.push_back("verb Look at");
      anyThing = true;
      clicks.push_back("click " + std::to_string(hotspot.pointX) + " " + std::to_string(hotspot.pointY));
      clicks.push_back("show");
      expected.emplace_back(hotspot.name, where);
    }
    if (!anyThing) continue;
    clicks.push_back("verb " + screen.verb);
    const std::string first = screen.chosen1 >= 0 ? screen.noun1[static_cast<std::size_t>(screen.chosen1)] : " ";
    clicks.push_back(first == " " ? "noun1" : "noun1 " + first);
    if (screen.verb == kUseWith) clicks.push_back(screen.chosen2 == " " ? "noun2" : "noun2 " + screen.chosen2);
  }
  clicks.push_back(walkthrough.back());
  const testing::ReplayRun clicked = Play(clicks, "clicks");
  EXPECT_EQ(clicked.status, 0) << clicked.errors << Refusals(clicked.transcript);
  const std::vector<Screen> chosen = ReadScreens(clicked.transcript);
  ASSERT_EQ(chosen.size(), expected.size());
  for (std::size_t index = 0; index < expected.size(); ++index) {
    const Screen& screen = chosen[index];
    const std::string got = screen.chosen1 >= 0 ? screen.noun1[static_cast<std::size_t>(screen.chosen1)] : "nothing";
    EXPECT_EQ(got, expected[index].first) << "a click on the point of " << expected[index].first << " in "
                                          << expected[index].second;
  }
  // The clicks changed nothing of the game: it still ends where the walkthrough does.
  const std::string ending = surveyed.transcript.substr(surveyed.transcript.rfind("\nend\n") + 5);
  EXPECT_EQ(clicked.transcript.substr(clicked.transcript.size() - std::min(ending.size(), clicked.transcript.size())),
            ending);
  EXPECT_GT(pictures.size(), 60U) << "the walkthrough passes through most pictures";
}

TEST_F(PointerReplayTest, TheDriverListsHotspotsClicksAndDoubleClicksAndRefusesWhatAPlayerCouldNot) {
  const testing::ReplayRun run = Play({"start", "hotspots", "show"}, "first");
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::vector<Screen> screens = ReadScreens(run.transcript);
  ASSERT_EQ(screens.size(), 1U);
  const Screen& bedroom = screens[0];
  const auto find = [&](const std::string& name) -> const ListedHotspot* {
    for (const ListedHotspot& hotspot : bedroom.hotspots) {
      if (hotspot.name == name) return &hotspot;
    }
    return nullptr;
  };
  const ListedHotspot* bed = find("bed");
  const ListedHotspot* west = find("way W");
  ASSERT_NE(bed, nullptr) << run.transcript;
  ASSERT_NE(west, nullptr) << run.transcript;
  const std::string atBed = std::to_string(bed->pointX) + " " + std::to_string(bed->pointY);
  const std::string atWest = std::to_string(west->pointX) + " " + std::to_string(west->pointY);

  const testing::ReplayRun played =
      Play({"start", "click " + atBed, "show", "doubleclick " + atBed, "show", "press Toggle", "click " + atWest, "show",
            "click 596 0", "click -1 5", "click 3", "click a b", "verb Look at", "noun1 lamp", "press Action",
            "click " + atWest},
           "second");
  EXPECT_EQ(played.status, 1) << "the refused commands fail the run";
  const std::vector<Screen> shown = ReadScreens(played.transcript);
  ASSERT_EQ(shown.size(), 3U) << played.transcript;
  EXPECT_EQ(shown[0].noun1[static_cast<std::size_t>(std::max(shown[0].chosen1, 0))], "bed");
  EXPECT_EQ(shown[0].room, 1);
  EXPECT_EQ(shown[1].verb, "Look at");
  EXPECT_NE(shown[1].text.find("My bed looks slept in"), std::string::npos) << shown[1].text;
  EXPECT_EQ(shown[2].room, 2) << "a click on the open way west walks there";
  for (const char* refusal : {"! outside the picture: click 596 0", "! outside the picture: click -1 5",
                              "! click takes X Y in picture pixels: click 3", "! click takes X Y in picture pixels: click a b",
                              "! the picture is hidden (press Toggle): click "}) {
    EXPECT_NE(played.transcript.find(refusal), std::string::npos) << refusal << "\n" << played.transcript;
  }
}

}  // namespace
}  // namespace brackenhollow
