// What the pointer can choose in each picture: the scene texts mark the layers that draw one of the
// world's objects or a way out, and say in one sentence what each picture shows. A name that differs by
// a letter from the world's, or a way the room does not have, would give the player a hotspot that
// chooses nothing, so every mark is checked against the world and its map.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "actions/PuzzleRow.h"
#include "art/painter/HotspotMap.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"
#include "movement/RoomExits.h"
#include "tests/TestSupport.h"
#include "view/PictureTables.h"
#include "world/PlacedObjects.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

using art::Hotspot;
using art::HotspotMap;
using art::Layer;
using art::Picture;
using art::Region;
using art::SceneBook;

namespace fs = std::filesystem;

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

// A room's picture for a state where a thing lies there marks it; for a state where it is gone, a mark
// would offer the player a thing no longer there.
TEST(SceneChoices, APictureMarksAThingExactlyWhenItsStateHasTheThingLyingThere) {
  std::map<std::string, std::set<std::string>> markedIn;
  for (const Picture& picture : GamePictures())
    for (const Mark& mark : MarksOf(picture))
      if (!mark.object.empty()) markedIn["\\" + picture.fileName].insert(mark.object);
  int checked = 0;
  for (const PictureCase& pictureCase : PictureCases()) {
    for (const StateTest& test : pictureCase.tests) {
      if (test.kind != StateTest::Kind::Gone || test.literal != "0") continue;
      const std::string object(test.name);
      const bool lying = test.equal;
      ++checked;
      EXPECT_EQ(markedIn[pictureCase.picture].count(object) != 0, lying)
          << pictureCase.picture << " shows room " << pictureCase.room << " with \"" << object << "\" "
          << (lying ? "lying there, but does not mark it" : "gone, but marks it");
    }
  }
  EXPECT_GE(checked, 30) << "the picture tables no longer say which things lie where";
}

TEST(SceneChoices, EveryPictureSaysWhatItShowsInOneSentence) {
  for (const Picture& picture : GamePictures()) {
    if (picture.iconSize > 0 || !picture.item.empty()) continue;  // icons show no room
    const std::string& text = picture.description;
    EXPECT_FALSE(text.empty()) << picture.where << ": " << picture.fileName << " has no describe line";
    if (text.empty()) continue;
    EXPECT_TRUE(text.back() == '.') << picture.where << ": the description ends without a full stop";
    EXPECT_EQ(text.find(". "), std::string::npos) << picture.where << ": the description is more than one sentence";
    EXPECT_LE(text.size(), 160u) << picture.where << ": a screen reader reads the description at every room";
  }
}

#endif


// ---- The maps the painter works out --------------------------------------------------------------

// Painting needs a GUI application; the tests share the one the test support makes.
void EnsureApplication() {
  if (QCoreApplication::instance() == nullptr) testing::Application();
}

HotspotMap MapOf(const std::string& layers) {
  EnsureApplication();
  std::string error;
  const std::vector<Picture> pictures = ParseScenes("picture \"test.gif\"\n  describe \"A test.\"\n" + layers, error);
  EXPECT_EQ(pictures.size(), 1u) << error;
  if (pictures.empty()) return {};
  return art::MapHotspots(pictures[0], art::PropRegistry::Everything());
}

std::string NameOf(const Hotspot& hotspot) {
  return hotspot.way.empty() ? hotspot.object : "way " + hotspot.way;
}

std::vector<std::string> NamesOf(const HotspotMap& map) {
  std::vector<std::string> names;
  for (const Hotspot& hotspot : map.hotspots) names.push_back(NameOf(hotspot));
  return names;
}

// What the game's hit test does: the last hotspot whose outline holds the point, or none.
std::string ChosenAt(const HotspotMap& map, QPoint point) {
  std::string chosen;
  for (const Hotspot& hotspot : map.hotspots)
    if (hotspot.outline.containsPoint(point, Qt::OddEvenFill)) chosen = NameOf(hotspot);
  return chosen;
}

TEST(HotspotMaps, WhatALaterLayerPaintsOverIsNotPartOfTheThingBehind) {
  const HotspotMap map = MapOf(R"(  block x=100 y=100 w=200 h=100 object=lamp
  block x=200 y=80 w=150 h=150
)");
  ASSERT_EQ(NamesOf(map), (std::vector<std::string>{"lamp"}));
  const Hotspot& lamp = map.hotspots[0];
  EXPECT_NEAR(lamp.box.left(), 100, 2);
  EXPECT_NEAR(lamp.box.right(), 199, 3);  // the right half is hidden
  EXPECT_EQ(ChosenAt(map, QPoint(150, 150)), "lamp");
  EXPECT_EQ(ChosenAt(map, QPoint(250, 150)), "");
  EXPECT_EQ(ChosenAt(map, lamp.point), "lamp");
}

TEST(HotspotMaps, ThingsAreListedBackToFrontAndEachPointChoosesItsOwnThing) {
  const HotspotMap map = MapOf(R"(  block x=50 y=50 w=300 h=300 way=N
  block x=150 y=150 w=60 h=60 object=letter
  region object=lamp x=320 y=60 w=60 h=60
)");
  ASSERT_EQ(NamesOf(map), (std::vector<std::string>{"way N", "letter", "lamp"}));
  // The door's point is not where the letter lies in front of it, though its outline holds the letter.
  for (const Hotspot& hotspot : map.hotspots) EXPECT_EQ(ChosenAt(map, hotspot.point), NameOf(hotspot));
  EXPECT_EQ(ChosenAt(map, QPoint(180, 180)), "letter");
  EXPECT_EQ(ChosenAt(map, QPoint(340, 100)), "lamp");
}

TEST(HotspotMaps, ARegionBehindALaterLayerIsHiddenLikeAnyLayer) {
  const HotspotMap map = MapOf(R"(  region way=E x=400 y=100 w=100 h=100
  block x=450 y=0 w=146 h=408
)");
  ASSERT_EQ(map.hotspots.size(), 1u);
  EXPECT_NEAR(map.hotspots[0].box.right(), 449, 2);
}

TEST(HotspotMaps, AThingHiddenEntirelyHasNoHotspot) {
  const HotspotMap map = MapOf(R"(  block x=100 y=100 w=50 h=50 object=coin
  block x=0 y=0 w=596 h=408
)");
  EXPECT_TRUE(map.hotspots.empty());
}

TEST(HotspotMaps, ASmallThingGetsAHotspotAPointerCanHit) {
  const HotspotMap map = MapOf("  block x=590 y=300 w=6 h=8 object=coin\n");
  ASSERT_EQ(map.hotspots.size(), 1u);
  const Hotspot& coin = map.hotspots[0];
  EXPECT_EQ(coin.box.size(), QSize(art::kSmallestHotspot, art::kSmallestHotspot));
  EXPECT_TRUE(QRect(0, 0, 596, 408).contains(coin.box)) << "grown inside the frame at its edge";
  EXPECT_EQ(ChosenAt(map, coin.point), "coin");
}

TEST(HotspotMaps, SeparatePartsOfAThingAreEachChosenAndCrumbsAreNot) {
  const HotspotMap map = MapOf(R"(  block x=20 y=20 w=100 h=100 object=corn
  block x=400 y=200 w=80 h=100 object=corn
  block x=300 y=20 w=5 h=5 object=corn
)");
  ASSERT_EQ(NamesOf(map), (std::vector<std::string>{"corn", "corn"}));
  EXPECT_EQ(ChosenAt(map, QPoint(60, 60)), "corn");
  EXPECT_EQ(ChosenAt(map, QPoint(440, 250)), "corn");
  EXPECT_EQ(ChosenAt(map, QPoint(302, 22)), "");
}

TEST(HotspotMaps, AnIntricateThingKeepsItsOutlineWithinTheLimit) {
  const HotspotMap map = MapOf("  corn-row x=0 y=400 w=600 h=300 seed=3 object=corn\n");
  ASSERT_FALSE(map.hotspots.empty());
  for (const Hotspot& hotspot : map.hotspots) {
    EXPECT_LE(hotspot.outline.size(), art::kMostOutlinePoints);
    EXPECT_GE(hotspot.outline.size(), 3);
    EXPECT_EQ(hotspot.outline.boundingRect(), hotspot.box);
  }
}

TEST(HotspotMaps, TheJsonSaysWhatTheReaderExpects) {
  HotspotMap map;
  map.picture = "bedroom left lit.gif";
  map.width = 596;
  map.height = 408;
  map.description = "A \"quoted\" room.";
  map.hotspots.push_back({"lamp", "", QRect(1, 2, 30, 40), QPoint(10, 20), QPolygon({QPoint(1, 2), QPoint(30, 2), QPoint(30, 41)})});
  map.hotspots.push_back({"", "N", QRect(5, 6, 24, 24), QPoint(7, 8), QPolygon({QPoint(5, 6), QPoint(28, 6), QPoint(28, 29)})});
  QJsonParseError error;
  const QJsonObject root = QJsonDocument::fromJson(art::HotspotJson(map), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError);
  EXPECT_EQ(root["picture"].toString(), "bedroom left lit.gif");
  EXPECT_EQ(root["width"].toInt(), 596);
  EXPECT_EQ(root["description"].toString(), "A \"quoted\" room.");
  const QJsonArray hotspots = root["hotspots"].toArray();
  ASSERT_EQ(hotspots.size(), 2);
  const QJsonObject lamp = hotspots[0].toObject();
  EXPECT_EQ(lamp["object"].toString(), "lamp");
  EXPECT_FALSE(lamp.contains("way"));
  EXPECT_EQ(lamp["box"].toArray(), (QJsonArray{1, 2, 30, 40}));
  EXPECT_EQ(lamp["point"].toArray(), (QJsonArray{10, 20}));
  EXPECT_EQ(lamp["outline"].toArray()[2].toArray(), (QJsonArray{30, 41}));
  EXPECT_EQ(hotspots[1].toObject()["way"].toString(), "N");
  EXPECT_FALSE(hotspots[1].toObject().contains("object"));
  EXPECT_EQ(art::HotspotFileName("bedroom left lit.gif"), "bedroom left lit.hotspots.json");
}

TEST(HotspotMaps, AMapThatCannotBeWrittenIsReportedAndLeavesNoPartialFile) {
  EnsureApplication();
  std::string error;
  const std::vector<Picture> pictures =
      ParseScenes("picture \"hall.gif\"\n  describe \"A hall.\"\n  block x=10 y=10 w=50 h=50 way=N\n", error);
  ASSERT_EQ(pictures.size(), 1u) << error;
  testing::ScratchFolder folder;
  EXPECT_EQ(art::WriteHotspotMap(pictures[0], art::PropRegistry::Everything(), folder.Path().string()), "");
  QFile written(QString::fromStdString(folder.File("hall.hotspots.json")));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), art::HotspotJson(art::MapHotspots(pictures[0], art::PropRegistry::Everything())));
  const std::string failure =
      art::WriteHotspotMap(pictures[0], art::PropRegistry::Everything(), folder.File("no/such/folder"));
  EXPECT_NE(failure.find("no/such/folder/hall.hotspots.json: cannot write the hotspot map"), std::string::npos) << failure;
  EXPECT_FALSE(fs::exists(folder.File("no/such/folder")));
}

// ---- The maps beside the game ---------------------------------------------------------------------

fs::path PictureFolder() {
  return fs::read_symlink("/proc/self/exe").parent_path();
}

// Reads a map beside the game as the format says it is; a failure names what is wrong.
struct ReadMap {
  HotspotMap map;
  std::string problem;
};

ReadMap ReadMapBeside(const std::string& pictureFile) {
  ReadMap read;
  QFile file(QString::fromStdString((PictureFolder() / art::HotspotFileName(pictureFile)).string()));
  if (!file.open(QIODevice::ReadOnly)) {
    read.problem = "missing";
    return read;
  }
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) {
    read.problem = "not a JSON object";
    return read;
  }
  const QJsonObject root = document.object();
  read.map.picture = root["picture"].toString().toStdString();
  read.map.width = root["width"].toInt();
  read.map.height = root["height"].toInt();
  read.map.description = root["description"].toString().toStdString();
  const auto point = [](const QJsonValue& value) {
    const QJsonArray pair = value.toArray();
    return pair.size() == 2 ? QPoint(pair[0].toInt(-1), pair[1].toInt(-1)) : QPoint(-1, -1);
  };
  for (const QJsonValue& value : root["hotspots"].toArray()) {
    const QJsonObject entry = value.toObject();
    Hotspot hotspot;
    hotspot.object = entry["object"].toString().toStdString();
    hotspot.way = entry["way"].toString().toStdString();
    const QJsonArray box = entry["box"].toArray();
    if (box.size() == 4) hotspot.box = QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
    hotspot.point = point(entry["point"]);
    for (const QJsonValue& corner : entry["outline"].toArray()) hotspot.outline << point(corner);
    read.map.hotspots.push_back(hotspot);
  }
  return read;
}

TEST(HotspotMapFiles, EveryPictureHasAWellFormedMapBesideIt) {
  std::set<std::string> worldNames(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  worldNames.insert(std::begin(kAllPlacedObjectNames), std::end(kAllPlacedObjectNames));
  const QRect frame(0, 0, 596, 408);
  for (const std::string& name : AllPictureNames()) {
    const std::string file = name.substr(1);
    SCOPED_TRACE(file);
    const ReadMap read = ReadMapBeside(file);
    ASSERT_EQ(read.problem, "");
    const HotspotMap& map = read.map;
    EXPECT_EQ(map.picture, file);
    EXPECT_EQ(QSize(map.width, map.height), frame.size());
    EXPECT_FALSE(map.description.empty());
    for (std::size_t index = 0; index < map.hotspots.size(); ++index) {
      const Hotspot& hotspot = map.hotspots[index];
      SCOPED_TRACE(NameOf(hotspot));
      EXPECT_NE(hotspot.object.empty(), hotspot.way.empty()) << "exactly one of object and way";
      if (!hotspot.object.empty()) {
        EXPECT_EQ(worldNames.count(hotspot.object), 1u);
      } else {
        EXPECT_NE(std::string("NSEW").find(hotspot.way), std::string::npos);
      }
      EXPECT_TRUE(frame.contains(hotspot.box));
      EXPECT_GE(hotspot.box.width(), art::kSmallestHotspot);
      EXPECT_GE(hotspot.box.height(), art::kSmallestHotspot);
      EXPECT_GE(hotspot.outline.size(), 3);
      EXPECT_LE(hotspot.outline.size(), art::kMostOutlinePoints);
      EXPECT_EQ(hotspot.outline.boundingRect(), hotspot.box);
      // The point chooses this hotspot: inside its outline and inside none listed after it.
      EXPECT_TRUE(hotspot.outline.containsPoint(hotspot.point, Qt::OddEvenFill));
      for (std::size_t later = index + 1; later < map.hotspots.size(); ++later)
        EXPECT_FALSE(map.hotspots[later].outline.containsPoint(hotspot.point, Qt::OddEvenFill))
            << "the point lies in " << NameOf(map.hotspots[later]) << " in front";
    }
  }
}

#ifdef BRACKENHOLLOW_SCENES_FOLDER
// A marked thing missing from its map was painted over entirely, or the map is stale.
TEST(HotspotMapFiles, EveryMarkedThingIsVisibleInItsMap) {
  for (const Picture& picture : GamePictures()) {
    if (picture.iconSize > 0 || !picture.item.empty()) continue;  // icons show no room
    const ReadMap read = ReadMapBeside(picture.fileName);
    ASSERT_EQ(read.problem, "") << picture.fileName;
    std::set<std::string> mapped;
    for (const Hotspot& hotspot : read.map.hotspots) mapped.insert(NameOf(hotspot));
    for (const Mark& mark : MarksOf(picture)) {
      const std::string name = mark.way.empty() ? mark.object : "way " + mark.way;
      EXPECT_EQ(mapped.count(name), 1u) << mark.where << ": " << name << " is nowhere to be seen in " << picture.fileName;
    }
    EXPECT_EQ(read.map.description, picture.description);
  }
}
#endif

// The window scales the 1x map to the 2x and 3x paintings; that holds only while every size shows the
// thing at the same place, which the colour under each point tells.
TEST(HotspotMapFiles, EachPointFallsOnTheSameThingAtEverySize) {
  EnsureApplication();
  int compared = 0;
  int differing = 0;
  std::string first;
  const std::vector<std::string> names = AllPictureNames();
  // Decoding the large paintings is slow; every third picture is a fair sample of the painter's props.
  for (std::size_t picture = 0; picture < names.size(); picture += 3) {
    const std::string file = names[picture].substr(1);
    const ReadMap read = ReadMapBeside(file);
    if (!read.problem.empty()) continue;  // reported above
    const QImage small(QString::fromStdString((PictureFolder() / file).string()));
    const std::string stem = fs::path(file).stem().string();
    for (const int resolution : {2, 3}) {
      const QImage large(QString::fromStdString((PictureFolder() / (stem + "@" + std::to_string(resolution) + "x.gif")).string()));
      ASSERT_FALSE(small.isNull() || large.isNull()) << file;
      for (const Hotspot& hotspot : read.map.hotspots) {
        const QColor expected = small.pixelColor(hotspot.point);
        const QColor found = large.pixelColor(hotspot.point * resolution + QPoint(resolution / 2, resolution / 2));
        const int distance = std::abs(expected.red() - found.red()) + std::abs(expected.green() - found.green()) +
                             std::abs(expected.blue() - found.blue());
        ++compared;
        if (distance > 90) {
          ++differing;
          if (first.empty()) first = file + " " + NameOf(hotspot) + " at " + std::to_string(resolution) + "x";
        }
      }
    }
  }
  // Fine detail (an outline, a letter) can fall on a point at one size and beside it at another.
  EXPECT_LE(differing * 20, compared) << differing << " of " << compared << " points differ, first " << first;
}

}  // namespace
}  // namespace brackenhollow
