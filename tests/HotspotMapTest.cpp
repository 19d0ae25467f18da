// What the pointer can choose in each picture: the scene texts mark the layers that draw one of the
// world's objects or a way out, and say in one sentence what each picture shows. A name that differs by
// a letter from the world's, or a way the room does not have, would give the player a hotspot that
// chooses nothing, so every mark is checked against the world and its map.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "actions/PuzzleRow.h"
#include "art/painter/SceneBook.h"
#include "movement/RoomExits.h"
#include "world/PlacedObjects.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

using art::Layer;
using art::Picture;
using art::Region;
using art::SceneBook;

std::vector<Picture> ParseScenes(const std::string& text, std::string& error) {
  SceneBook book;
  std::vector<Picture> pictures;
  if (!book.AddText(text, "test.txt", error) || !book.Pictures(pictures, error)) return {};
  return pictures;
}

TEST(SceneChoices, ObjectsWaysRegionsAndDescriptionsAreReadApartFromThePropsValues) {
  std::string error;
  const std::vector<Picture> pictures = ParseScenes(R"(scene hall
  door x=10 way=N
picture "hall.gif" rooms=2
  describe "A hall with a door."
  use hall
  lamp x=5 object="lamp"
  region object="welcome mat" x=1 y=2 w=30 h=40.5
  rug x=3
)",
                                                    error);
  ASSERT_EQ(pictures.size(), 1u) << error;
  const Picture& picture = pictures[0];
  EXPECT_EQ(picture.description, "A hall with a door.");
  ASSERT_EQ(picture.layers.size(), 3u);
  EXPECT_EQ(picture.layers[0].Way(), "N");
  EXPECT_EQ(picture.layers[0].Object(), "");
  EXPECT_EQ(picture.layers[1].Object(), "lamp");
  EXPECT_EQ(picture.layers[2].Object(), "");
  // The props never see the marks, so a prop cannot mistake them for its own parameters.
  EXPECT_FALSE(picture.layers[0].Has("way"));
  EXPECT_EQ(picture.layers[1].Unused(), (std::vector<std::string>{"x"}));
  ASSERT_EQ(picture.regions.size(), 1u);
  const Region& region = picture.regions[0];
  EXPECT_EQ(region.object, "welcome mat");
  EXPECT_EQ(region.layersBehind, 2u);
  EXPECT_DOUBLE_EQ(region.height, 40.5);
  EXPECT_EQ(region.where, "test.txt:7");
}

TEST(SceneChoices, MarkMistakesAreReportedWithTheirLine) {
  const std::pair<const char*, const char*> kMistakes[] = {
      {"picture \"a.gif\"\n  door way=up\n", "test.txt:2: way must be N, S, E or W"},
      {"picture \"a.gif\"\n  door way=n\n", "way must be N, S, E or W"},
      {"picture \"a.gif\"\n  door way=N object=door\n", "test.txt:2: a layer is either an object or a way"},
      {"picture \"a.gif\"\n  lamp object=\n", "object= needs the name"},
      {"picture \"a.gif\"\n  region x=1 y=1 w=1 h=1\n", "a region needs object= or way="},
      {"picture \"a.gif\"\n  region way=E x=1 y=1 w=1\n", "a region needs h="},
      {"picture \"a.gif\"\n  region way=E x=1 y=1 w=0 h=4\n", "a width and a height above 0"},
      {"picture \"a.gif\"\n  region way=E x=1 y=1 w=9 h=4 seed=2\n", "a region has no parameter seed"},
      {"picture \"a.gif\"\n  region way=E x=1px y=1 w=9 h=4\n", "x=1px is not a number"},
      {"scene s\n  describe \"A scene.\"\n", "test.txt:2: describe takes one quoted sentence, inside a picture"},
      {"picture \"a.gif\"\n  describe \"One.\"\n  describe \"Two.\"\n", "test.txt:3: a.gif is described twice"},
      {"picture \"a.gif\"\n  describe\n", "describe takes one quoted sentence"},
  };
  for (const auto& [text, expected] : kMistakes) {
    std::string error;
    EXPECT_TRUE(ParseScenes(text, error).empty()) << text;
    EXPECT_NE(error.find(expected), std::string::npos) << "got: " << error;
  }
}

#ifdef BRACKENHOLLOW_SCENES_FOLDER

std::vector<Picture> GamePictures() {
  SceneBook book;
  std::vector<Picture> pictures;
  std::string error;
  EXPECT_TRUE(book.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) && book.Pictures(pictures, error)) << error;
  return pictures;
}

// The objects each room can offer: the starting world's rows, and those puzzles leave lying there for the
// player to see (a thing placed as already gone is carried at once and never lies in the room).
std::map<int, std::set<std::string>> ObjectsByRoom() {
  std::map<int, std::set<std::string>> byRoom;
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open a scratch store";
    return byRoom;
  }
  // Rejected statements (the malformed rows) are part of the starting world.
  for (const std::string& statement : WorldStatements()) sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
  sqlite3_stmt* query = nullptr;
  if (sqlite3_prepare_v2(db, "SELECT Roomnumber, Objects FROM Objects WHERE gone = 0", -1, &query, nullptr) == SQLITE_OK) {
    while (sqlite3_step(query) == SQLITE_ROW)
      byRoom[sqlite3_column_int(query, 0)].insert(reinterpret_cast<const char*>(sqlite3_column_text(query, 1)));
  }
  sqlite3_finalize(query);
  sqlite3_close(db);
  for (const PuzzleRow& row : PuzzleRows())
    for (const Effect& effect : row.effects)
      if (effect.kind == EffectKind::PlaceObject && effect.gone == 0) byRoom[effect.room].insert(effect.name);
  return byRoom;
}

// Every object and way a picture marks, layers and regions alike, with where it is written.
struct Mark {
  std::string object;
  std::string way;
  std::string where;
};

std::vector<Mark> MarksOf(const Picture& picture) {
  std::vector<Mark> marks;
  for (const Layer& layer : picture.layers)
    if (!layer.Object().empty() || !layer.Way().empty()) marks.push_back({layer.Object(), layer.Way(), layer.Where()});
  for (const Region& region : picture.regions) marks.push_back({region.object, region.way, region.where});
  return marks;
}

const Exit& ExitOf(int room, const std::string& way) {
  const RoomExits& exits = ExitsTable()[static_cast<std::size_t>(room - kFirstRoom)];
  if (way == "N") return exits.north;
  if (way == "S") return exits.south;
  if (way == "E") return exits.east;
  return exits.west;
}

TEST(SceneChoices, EveryMarkedObjectIsOneTheWorldOffersWhereThePictureIsShown) {
  std::set<std::string> worldNames(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  worldNames.insert(std::begin(kAllPlacedObjectNames), std::end(kAllPlacedObjectNames));
  const std::map<int, std::set<std::string>> byRoom = ObjectsByRoom();
  for (const Picture& picture : GamePictures()) {
    for (const Mark& mark : MarksOf(picture)) {
      if (mark.object.empty()) continue;
      EXPECT_EQ(worldNames.count(mark.object), 1u) << mark.where << ": the world has no object \"" << mark.object << "\"";
      // A close-up is put by an action in the room where it happens; a room's picture is shown only there.
      if (picture.rooms.empty()) continue;
      bool offered = false;
      for (const int room : picture.rooms) offered = offered || (byRoom.count(room) != 0 && byRoom.at(room).count(mark.object) != 0);
      EXPECT_TRUE(offered) << mark.where << ": no room of " << picture.fileName << " offers \"" << mark.object << "\"";
    }
  }
}

TEST(SceneChoices, EveryMarkedWayIsAWayOutOfEveryRoomThatShowsThePicture) {
  for (const Picture& picture : GamePictures()) {
    for (const Mark& mark : MarksOf(picture)) {
      if (mark.way.empty()) continue;
      EXPECT_FALSE(picture.rooms.empty()) << mark.where << ": a close-up belongs to no room, so it has no way out";
      for (const int room : picture.rooms) {
        const Exit& exit = ExitOf(room, mark.way);
        EXPECT_TRUE(exit.to != 0 && exit.opening != Opening::MapOnly)
            << mark.where << ": room " << room << " has no way " << mark.way << " a player could ever take";
      }
    }
  }
}

TEST(SceneChoices, EveryObjectLyingInARoomIsMarkedInOneOfItsPictures) {
  std::map<int, std::set<std::string>> marked;
  std::set<std::string> inCloseUps;
  for (const Picture& picture : GamePictures()) {
    for (const Mark& mark : MarksOf(picture)) {
      if (mark.object.empty()) continue;
      if (picture.rooms.empty()) inCloseUps.insert(mark.object);
      for (const int room : picture.rooms) marked[room].insert(mark.object);
    }
  }
  for (const auto& [room, objects] : ObjectsByRoom()) {
    if (!IsRoom(room)) continue;  // things handed straight to the player lie nowhere
    for (const std::string& object : objects)
      EXPECT_TRUE(marked[room].count(object) != 0 || inCloseUps.count(object) != 0)
          << "room " << room << " offers \"" << object << "\" but no picture of it marks where it is drawn";
  }
}

TEST(SceneChoices, EveryPictureSaysWhatItShowsInOneSentence) {
  for (const Picture& picture : GamePictures()) {
    if (picture.iconSize > 0) continue;
    const std::string& text = picture.description;
    EXPECT_FALSE(text.empty()) << picture.where << ": " << picture.fileName << " has no describe line";
    if (text.empty()) continue;
    EXPECT_TRUE(text.back() == '.') << picture.where << ": the description ends without a full stop";
    EXPECT_EQ(text.find(". "), std::string::npos) << picture.where << ": the description is more than one sentence";
    EXPECT_LE(text.size(), 160u) << picture.where << ": a screen reader reads the description at every room";
  }
}

#endif

}  // namespace
}  // namespace brackenhollow
