// Builds the world through the game's own build code into a scratch store and reads it back with
// plain SQLite, so a typo in a key, a room name or a short text shows up here instead of as a
// puzzle that silently never fires.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "store/GameDatabase.h"
#include "tests/TestSupport.h"
#include "world/WorldBuild.h"

namespace brackenhollow {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// A store file nobody else uses; removed when the owner goes away.
class ScratchStore {
 public:
  const std::string& Path() const { return m_path; }

  // Runs the world build through the game's connection, closing it again before returning.
  bool Build() const {
    GameDatabase database(m_path);
    return BuildWorldDatabase(database);
  }

 private:
  testing::ScratchFolder m_folder;
  std::string m_path = m_folder.File("world.sqlite");
};

// A plain SQLite connection for reading back (and, in one test, disturbing) what the build wrote.
class Reader {
 public:
  explicit Reader(const std::string& path) {
    if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK) {
      ADD_FAILURE() << "cannot open " << path << ": " << sqlite3_errmsg(m_db);
    }
  }
  ~Reader() { sqlite3_close(m_db); }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  sqlite3* Handle() const { return m_db; }

  // Every value as text; a NULL reads as "<null>" so it cannot pass for an empty text.
  Rows Query(const std::string& sql) const {
    Rows rows;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
      return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
      std::vector<std::string> row;
      for (int column = 0; column < sqlite3_column_count(statement); ++column) {
        const unsigned char* text = sqlite3_column_text(statement, column);
        row.push_back(text ? reinterpret_cast<const char*>(text) : "<null>");
      }
      rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return rows;
  }

  void Exec(const std::string& sql) const {
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << (error ? error : "?");
    }
    sqlite3_free(error);
  }

  // The whole content of the five tables with each value's storage type, in row order.
  std::string Dump() const {
    std::string out;
    for (const char* table : {"Inventory", "currentroom", "actions", "Descriptions", "Objects"}) {
      out += std::string("== ") + table + "\n";
      sqlite3_stmt* statement = nullptr;
      const std::string sql = std::string("SELECT * FROM ") + table + " ORDER BY rowid";
      if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        out += "<missing>\n";
        continue;
      }
      while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
          const unsigned char* text = sqlite3_column_text(statement, column);
          out += std::to_string(sqlite3_column_type(statement, column)) + ":" +
                 (text ? reinterpret_cast<const char*>(text) : "") + "|";
        }
        out += "\n";
      }
      sqlite3_finalize(statement);
    }
    return out;
  }

 private:
  sqlite3* m_db = nullptr;
};

int ToInt(const std::string& text) { return std::stoi(text); }

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// ---- The world as designed -------------------------------------------------------------------

struct ActionRow {
  const char* key;
  int room;  // -1: the statement carries no room value, so the store rejects it
};

const std::vector<ActionRow> kActions = {
    {"break tv to get large lightbulb for lighthouse", 111},
    {"climb tree to see eggs", 52},
    {"cut brush with scythe", 72},
    {"cut pine tree", 132},
    {"Dig in Grave With Shovel Get", -1},
    {"dig with shovel to get bone key to lighthouse", 50},
    {"dove", 121},
    {"feed snakes", 70},
    {"feed the toad", 91},
    {"get magic staff", -1},
    {"give christmas tree to young lady", 131},
    {"Give meat to dog 48", 48},
    {"give sick dog to blind man", 0},
    {"give staff to old man", 130},
    {"give the coins", 81},
    {"have weight", 100},
    {"Lamp On Room 1", 1},
    {"look at scarecrow", 17},
    {"look in hole for dusty key", 96},
    {"look in telescope to see crop circles in corn field that shows number 8", -1},
    {"Look in trash can 113", 113},
    {"look through telescope to find lighthouse", 67},
    {"melt wax", 118},
    {"move mirror", 9},
    {"move telescope", -1},
    {"open cave with crowbar", 71},
    {"open dresser", 62},
    {"open safe", 116},
    {"open the envelope", -1},
    {"openmanhole with crowbar", 88},
    {"pay the farmer to get into corn field", 18},
    {"pull lever in tunnel", 133},
    {"pull torch", 64},
    {"rabbit", 121},
    {"read the letter", 0},
    {"saw", 121},
    {"swim in pool", 103},
    {"talk about staff", -1},
    {"talk to magician", 121},
    {"tie rope to teapot", 0},
    {"tie string to carrot", 0},
    {"turn on the computer 109", 109},
    {"unlock mansion door", 55},
    {"use amulet to open gate", 78},
    {"use bloody key to open door", 63},
    {"use bone key", 83},
    {"use carrot to feed rabbit", 122},
    {"use clothespin", 0},
    {"use coin from well to pay toolboth", 15},
    {"use crowbar on crack", 119},
    {"use green emerald", 128},
    {"use lightbulb at lighhouse", 84},
    {"use magnet on haystack to find key", 56},
    {"use number 9", 83},
    {"use red ruby", 125},
    {"use teapot on rope on well to get coin", 0},
    {"use the dusty key to open door", 106},
    {"use tree key to open tree house", 74},
    {"use turpentine on painting", 61},
    {"use violet key in library", 65},
    {"wear gloves to pick up rat", 58},
    {"wear waterwings", 0},
};

enum class Text { Exact, Opening };

// Every room except the plain cornfield rooms, which follow one pattern (checked in a loop).
struct RoomRow {
  int room;
  const char* name;
  const char* text;  // the whole text, or the words it must begin with
  Text kind;
};

const std::vector<RoomRow> kRooms = {
    {1, "bedroom", "You're in your bedroom.", Text::Opening},
    {2, "west side of bedroom", "You're on the west side of your bedroom.", Text::Opening},
    {3, "front of house", "You're in front of the house. You can go in to the north.", Text::Exact},
    {4, "south of house", "You're house is the north. There is a street to the south.", Text::Exact},
    {5, "east side of house", "You are on the east side of the house. You can go to the backyard by going east.", Text::Exact},
    {6, "west side of house", "You are on the west side of the house. There is nothing else here. You can go back to the front door by going east.", Text::Exact},
    {7, "northeast corner of house", "You are at the northeast corner of the house. There is an old fashioned well to the east. Your toolshed is to the north.", Text::Exact},
    {8, "next to well", "You are next to an old fashioned well. The rope and the bucket seem to be missing.", Text::Exact},
    {9, "east side of bedroom", "You are on the east side of your bedroom looking at your nice mirror. The mirror looks crooked.", Text::Exact},
    {10, "main street", "You are on the main street of your neighborhood. You're house is to the north.", Text::Exact},
    {11, "front of houses", "You are in front of a green house and a tan house. The green house is to the north. The tan house is to the south.", Text::Exact},
    {12, "front of green house", "You are in front of a green house. You can go in by going north. The main road is the south.", Text::Exact},
    {13, "front of tan house", "You are in front of a tan house. You can go in by going south. The main road is to the north.", Text::Exact},
    {14, "front of red house", "You are in front of a red house. The door is locked. The main road is to the west.", Text::Exact},
    {15, "tollbooth", "You are in front of a tollbooth.", Text::Opening},
    {16, "farm", "You are on a farm, you can see a scarecrow to the south.", Text::Opening},
    {17, "front of scarecrow", "You are in front of a scarecrow on a farm.", Text::Exact},
    {18, "cornfield 18", "You are in front of a fence that is front of a cornfield.", Text::Opening},
    {35, "cornfield 35", "You are in a clearing in the cornfield. Someone has scratched the number 35 on one of the corn stalks.", Text::Exact},
    {40, "cornfield 40", "You are in a clearing in the cornfield. Someone has scratched the number 40 on one of the corn stalks.", Text::Exact},
    {46, "three-way path in forest", "You are on a three way path in the forest.", Text::Opening},
    {47, "junkyard", "You are in a junkyard with big heaps of garbage and scrap everywhere. Maybe there's something salvageable here.", Text::Exact},
    {48, "edge of junkyard", "You are on the edge of the junkyard.", Text::Opening},
    {49, "graveyard", "You are in a graveyard. The wind whistles softly. It's always really quiet in graveyards. There is an interesting looking grave to the north.", Text::Exact},
    {50, "front of grave", "You are standing in front of grave that looks pretty fresh. There is something written on the tombstone.", Text::Exact},
    {51, "front of bridge", "You are in front of a bridge that doesn't look very sturdy but it'll probably hold", Text::Exact},
    {52, "four way road", "You are on a four way road.", Text::Opening},
    {53, "huge bonfire", "You are in front of a huge bonfire. You can get closer to the bonfire if you go east. You see some haystacks to the south.", Text::Exact},
    {54, "haystack field", "You are in a large field. There is a bonfire to the north. You can get close to some more haystacks to the south. You can see a mansion to the west.", Text::Exact},
    {55, "front of mansion", "You are in front of a huge blue mansion. There some haystacks to the east.", Text::Exact},
    {56, "mansion door", "The mansion door is in front of you.", Text::Opening},
    {57, "hallway of mansion", "You are in a hallway in the mansion.", Text::Opening},
    {58, "filthy room", "You are in a filthy room. Rats have burrowed a hole in the wall. There is a menacing looking rat here.", Text::Exact},
    {59, "bathroom", "You are in a bathroom.", Text::Exact},
    {60, "sculpture room", "You are in a room with a huge sculpture in the middle of the room.", Text::Opening},
    {61, "painting room", "You are in front of an abstract painting.", Text::Opening},
    {62, "dresser room", "You are in a room with a large dresser. You can get closer to the dresser by going west. There are hallways to the north and the south.", Text::Exact},
    {63, "long hallway", "You are in a long hallway. There is a crimson red door to the west that is locked. There is a library to the south.", Text::Exact},
    {64, "room with torch", "You are in a room with a torch on the wall and a bed. The torch isn't a real torch, just plastic and crystal made to simulate one.", Text::Exact},
    {65, "library", "You are in a room with a large bookshelf. There is a bright purple door that is locked that leads to the east. There is a weight room to the west.", Text::Exact},
    {66, "telescope room", "You are in a room with a large telescope to the south.", Text::Exact},
    {67, "front of telescope", "You are in front of large telescope. The telescope is pointed at the beach. As far as you know, there is nothing on the beach.", Text::Exact},
    {68, "wrecked room", "You are in a room that looks like it's in the middle of a construction project.", Text::Opening},
    {69, "kitchen", "You are in the kitchen of your house. Your bedroom is to the south.", Text::Exact},
    {70, "cave bottom", "You wonder around the cave until you can't go any further. This part of the cave is covered with snakes and hisses beneath you.", Text::Exact},
    {71, "west of cave", "The cave's entrance is to the south. The four way road is back to the west.", Text::Exact},
    {72, "thick brush", "You are in front of a wall of thick brush.", Text::Opening},
    {73, "forest", "There is a tree house in the distance to the west. There is some thick brush to the east.", Text::Exact},
    {74, "tree house door", "You are in front of a tree with a door in the trunk. The door is locked.", Text::Exact},
    {75, "inside tree house", "You are inside the magician's tree house.", Text::Opening},
    {76, "northwest side of wall", "You are on the northwest side of a large wall. The spikes on top of the wall has a 'Keep Out' feeling.", Text::Exact},
    {77, "west side of wall", "You are on the west side of a large, dangerous looking wall. You can see the entrance to the east.", Text::Exact},
    {78, "front of gate", "You are in front of a gate that is illuminated by two blue torches.", Text::Opening},
    {79, "edge of beach", "You are on the edge of a beach.", Text::Opening},
    {80, "long pier", "You are on a long pier. The water is empty and calm.", Text::Exact},
    {81, "edge of pier", "You are on the edge of the pier. There is nothing on the water, it goes on for miles.", Text::Exact},
    {82, "north side of beach", "You are on the north side of the beach. You can see a lighthouse in the distance to the north.", Text::Exact},
    {83, "entrance to lighthouse", "You are at the entrance to the lighthouse. The door to the north is locked. It is smooth and white, kind of like ivory.", Text::Exact},
    {84, "inside lighthouse", "You are inside the lighthouse.", Text::Opening},
    {85, "shallow water", "You are wading in pretty shallow water. For some reason it's hard to swim. The water seems unusually thick.", Text::Exact},
    {86, "deep ocean water", "You are really deep in the ocean right now.", Text::Opening},
    {87, "alley", "You are in an alley. There is a manhole to the north.", Text::Exact},
    {88, "front of manhole", "You are in front of a manhole that leads to the sewers to the north.", Text::Opening},
    {89, "sewer pipes", "You are in the sewer pipes for some godforsaken reason.", Text::Opening},
    {90, "east side of sewers", "You are on the east side of the sewage pipes. There is a way out of the pipes to the north. You can go back towards the alley to the west.", Text::Exact},
    {91, "front of bridge", "You can go under the bridge to the east if this big frog wasn't blocking your passage. You can go back into the pipes to the south.", Text::Exact},
    {92, "under bridge", "You are under a bridge. The water seems to washing a lot of trash this way.", Text::Exact},
    {93, "front of sculpture", "You are standing in the front of a large sculpture. There is a plaque on the base of the sculpture.", Text::Exact},
    {94, "close to dresser", "You are standing close to the dresser.", Text::Exact},
    {95, "front of faucet", "You are in front of the faucet. There is a mirror on the wall. You need some rest, you look sleepy.", Text::Exact},
    {96, "front of wall", "You are in front of a wall with a really large hole in the middle. It looks like someone took a sledgehammer to this wall.", Text::Exact},
    {97, "between haystacks", "You are in between some really large haystacks. You could swear you saw a twinkle in the haystack in front of you.", Text::Exact},
    {98, "front of cave", "You are in front of the entrance to a cave. There are huge boulders blocking the entrance to the east.", Text::Exact},
    {99, "south side of tree house", "You are on the south side of the tree house.", Text::Exact},
    {100, "weight room", "You are in a private weight room.", Text::Opening},
    {101, "weight room mirror", "You are in front of the weight room mirror.", Text::Opening},
    {102, "front of swimming pool", "You are in front of an indoor swimming pool.", Text::Opening},
    {103, "diving board", "You are in front of a diving board. You could probably do a mean jackknife or cannonball if you were so inclined, or if you could swim.", Text::Exact},
    {104, "punching bag", "You are in front of a punching bag. You could take out your aggressions on this bag or just work up a good sweat if you needed to.", Text::Exact},
    {105, "four way hallway", "You are in a hallway that leads all four ways except the door to the south is locked. That door looks gray and old.", Text::Exact},
    {106, "different hallway", "You are in a hallway of the mansion that leads east and west.", Text::Exact},
    {107, "another hallway", "You are in another hallway of the large mansion that leads all four ways.", Text::Exact},
    {108, "office", "You are in an office in the mansion.", Text::Opening},
    {109, "computer room", "There is a computer in front of you.", Text::Exact},
    {110, "entertainment room", "This must be the entertainment room.", Text::Opening},
    {111, "close to TV", "Now this is a great view of the TV: 2 feet in front of it!", Text::Opening},
    {112, "alley", "You are in an alley with a trash can to the west. It smells like people are using this alley for a toilet. There is a manhole to the north.", Text::Exact},
    {113, "front of trashcan", "You are in front of a trash can that smells like something's rotten.", Text::Exact},
    {114, "trashed room", "You are in a room that has a large amount of trash in it.", Text::Opening},
    {115, "safe room", "You are in a room that has a huge safe in it to the east. You can't reach it form here. You wonder why they would need a safe that size.", Text::Exact},
    {116, "front of safe", "You are in front of a large safe.", Text::Exact},
    {117, "inside tool shed", "You are in a tool shed. You're house didn't come with a garage so you had to build this nice toolshed.", Text::Exact},
    {118, "front of bonfire", "You are standing right in front of the bonfire. it's getting pretty hot here. Maybe you should back up before you get barbequed.", Text::Exact},
    {119, "southeast corner of mansion", "You are on the southeast corner of the mansion. They may need to get someone out here to fix that crack. You can hear air whistling through the crack.", Text::Exact},
    {120, "east side of mansion walls", "You are on the east side of the mansion walls.", Text::Exact},
    {121, "magician's store", "You are in the magician's store.", Text::Opening},
    {122, "cornfield clearing", "You are in a small clearing of the corn field. There is a hole here.", Text::Exact},
    {123, "hidden alcove", "You are in a small hidden alcove. You can exit to the east.", Text::Exact},
    {124, "janitor's room", "You are in the janitor's room. You can smell chemicals in the air.", Text::Exact},
    {125, "ship's red room", "You are in the ship's red room. There is a strange red altar in the middle of the room that beckons to you.", Text::Exact},
    {126, "edge of icy lake", "You are on the edge of an icy lake.", Text::Opening},
    {127, "middle of icy lake", "You are in the middle of the icy lake.", Text::Exact},
    {128, "green control room", "You are in the green control room of the ship. There is a strange altar in the middle of the room.", Text::Exact},
    {129, "another cornfield clearing", "You are in a cleared out part of the cornfield. For some reason, someone decided to open a magic store to the east. What a terrible location.", Text::Exact},
    {130, "blind man's house", "You are in a house. There is a blind man here. The house is cold and dirty.", Text::Exact},
    {131, "house with Christmas lights", "You are in a house with some Christmas lights. It's nice and warm in here. There is a young woman here.", Text::Exact},
    {132, "forest with pine trees", "You are in a part of the forest that has a lot of pine trees. Some of the pine trees are actually really small and could probably fit indoors.", Text::Exact},
    {133, "east west tunnel", "You are in an east west tunnel of the ship.", Text::Exact},
    {134, "Island", "You've reached the island.", Text::Opening},
};

bool IsPlainCornfield(int room) { return room >= 19 && room <= 45 && room != 35 && room != 40; }

// Objects other than the corn; the corn lies first in every room from 18 to 45.
struct ObjectRow {
  int room;
  const char* name;
  int gettable;
  const char* text;  // nullptr: a longer text, checked for its clues instead
};

const std::vector<ObjectRow> kObjects = {
    {1, "bed", 0, "My bed looks slept in. I never make my bed so it always looks slept in."},
    {2, "lamp", 0, "The lamp has an easy on and off switch."},
    {3, "welcome mat", 0, nullptr},
    {8, "well", 0, nullptr},
    {9, "mirror", 0, "It’s a nice looking mirror that looks really heavy. I wonder what's holding it up?"},
    {15, "slot", 0, "It looks like a coin slot. It has the words 'toll coins' only on it."},
    {15, "tollbooth", 0, "There's a slot on the tollbooth."},
    {17, "scarecrow", 0, nullptr},
    {18, "farmer", 0, "The farmer has some really nice clothes on for being a farmer. He's even wearing a bunch of gold rings. I wonder what kind of scams he's got going?"},
    {35, "scythe", 1, "The scythe is used for cutting the corn stalks and any other types of thick, thorny foliage."},
    {40, "clothespin", 1, "It’s a small, simple clothespin. Then tension is super tight, great for clipping clothes and other parts of the body."},
    {47, "crowbar", 1, nullptr},
    {47, "junk piles", 0, "Big piles of scrap metal and trash decorate this junk yard."},
    {48, "dog", 0, "The dog is a big hulking dog. He could probably rip me to shreds if I caught him on a bad day."},
    {50, "grave", 0, "The dirt on the grave looks unusually fresh and soft, almost new."},
    {50, "tombstone", 0, nullptr},
    {51, "bridge", 0, "The bridge sways softly in the wind. You give it a test by putting a foot on it. It creaks loudly underneath your step."},
    {52, "large twisted tree", 0, "The tree is old and gnarled. Its surface is particularly rough and provides a lot of places for grips and footholds."},
    {56, "blue door", 0, "The mansion front door is blue like the ocean."},
    {58, "rat", 0, nullptr},
    {59, "bathtub", 0, "There is a thick ring of scum that lines the inside of this bathtub. I think if you took a bath you'd be dirtier than you were coming in."},
    {61, "painting", 0, nullptr},
    {63, "red door", 0, "It’s a red door that makes the blood in your heart race."},
    {64, "nice bed", 0, "The bed is covered in satin sheets. It doesn't look like it's been slept in for a while."},
    {64, "torch", 0, "Upon closer inspection, you realize that this is a fake torch and it's kind of loose."},
    {65, "bookshelf", 0, "The book shelf is filled with how to books. None of the books interest you."},
    {65, "purple door", 0, "It's a purple door that has faint floral patterns on it."},
    {67, "telescope", 0, "I bet you can really see some cool things in the telescope if it was pointed correctly."},
    {69, "carrot", 1, "You were never big on carrots or any other vegetables for that matter. You think they're better reserved for animals."},
    {69, "teapot", 1, "It’s a sterling silver teapot. You open the top and notice that it's empty. It's pretty big. It looks like it could more than a bucket."},
    {70, "snakes", 0, nullptr},
    {72, "thick, thorny brush", 0, "The bushy is thick and thorny. You can't brush them aside with your hands long enough for you to get through."},
    {74, "tree door", 0, "It’s a door smack dab in the middle of a tree."},
    {75, "staff", 1, "This is the magician staff's that he uses to walk and to cast various illusions."},
    {77, "spikes", 0, "I wouldn't want to challenge those spikes. They look a lot worse than your common barbed wire."},
    {77, "wall", 0, nullptr},
    {78, "gate", 0, nullptr},
    {79, "sand", 1, "You run your finger through the sand. The sand feels nice and warm as you let it slide out of your hands."},
    {80, "pier", 0, "The pier runs for half a mile. You look over the side to see if it'd be a good fishing spot. Doesn't look too bad."},
    {83, "white door", 0, "It's a white door. The cool ocean air makes you shiver to your bones."},
    {84, "lighthouse lamp", 0, "It’s a huge lamp used as a beacon to lost and roaming ships on the ocean."},
    {85, "water", 0, "The ocean salt water is very clear and clean."},
    {86, "water", 0, "The ocean salt water is very clear and clean."},
    {88, "manhole", 0, "The manhole to the sewer looks very heavy. You can't pick it up with your bare hands."},
    {89, "sewage", 0, nullptr},
    {90, "sewage", 0, nullptr},
    {91, "big toad", 0, "This toad must have grown into a mutant size from living in the sewers because it is huge. I wouldn't get too close."},
    {91, "stone bridge", 0, "Looks like an old fashion stone bridge."},
    {92, "close to stone bridge", 0, "You're under a brick bridge. There's all kind of graffiti under the bridge."},
    {92, "water wings", 1, "It’s a floatation device. A lot of little kids use these to learn how to swim."},
    {93, "plaque", 0, nullptr},
    {93, "sculpture", 0, "This must be modern art because you can't tell what it it's supposed to be."},
    {94, "dresser", 0, "People usually keeps clothes in dressers."},
    {95, "bathroom mirror", 0, "You look at yourself in the mirror. Not bad."},
    {96, "hole", 0, "The hole looks large enough for you to poke your head through."},
    {97, "haystacks", 0, nullptr},
    {98, "boulders", 0, "The boulders are different sizes. Some are huge and some are small. You can't move them with your hands alone."},
    {101, "barbell", 0, "The barbell is loaded with a lot of weight. Too much for you to pick up without a spotter."},
    {101, "dumbbell", 1, "The dumbbell has a ten pound plate on each side. It's around 20 pounds with the bar. Not too heavy for you at all."},
    {103, "pool", 0, "The water is blue and murky. You can't see the bottom of the pool."},
    {104, "punching bag", 0, "You punch the bag for a minute before your heart feels like it's going to pound out of your chest."},
    {105, "gray door", 0, nullptr},
    {109, "computer", 0, "It looks like a typical personal computer. It doesn't look like it's turned on. You wouldn't know how to use this model anyways."},
    {109, "wax candle", 1, nullptr},
    {111, "television", 0, "You like the large screen television these people have. You wonder if it's HDTV compatible. The television bulb on this thing must be huge!"},
    {113, "trash can", 0, "The trashcan is emitting a disgusting odor."},
    {114, "pizza boxes", 0, "You check the stack of pizza boxes for some left over pizza. No luck. The owner of this house is a pig."},
    {116, "safe", 0, "The safe is huge. There must be something valuable in it. There's a combination lock on it."},
    {117, "magnet", 1, "It's a U magnet. The magnet keeps getting stuck on your belt. It seems like a super strong magnet."},
    {117, "shovel", 1, "It’s a long sturdy shovel used for digging deep holes."},
    {118, "bonfire", 0, "The bonfire rages in middle of this field. It crackles and flickers. You reach out towards the flame for some warmth."},
    {119, "crack", 0, "There is a deep crack in the wall that looks like it's ready to give."},
    {121, "magician", 0, "The magician waves hello to you."},
    {122, "rabbit hole", 0, "From the size of the hole you assume it’s a gopher hole, or maybe it's something else. You were never good at hole analysis."},
    {123, "saw", 1, "The saw is a good size with a lot of sharp little teeth."},
    {124, "turpentine", 1, "The turpentine is so strong it makes your eyes water. Turpentine's good for removing certain types of oil based materials."},
    {125, "red altar", 0, nullptr},
    {127, "bloody key", 1, "The key is caked with dry blood."},
    {128, "green altar", 0, nullptr},
    {130, "old man", 0, "There is a scruffy looking old man here. He's pretty poor and dressed in miscellaneous rags. He walks with a limp."},
    {131, "young woman", 0, "The young woman is hanging Christmas lights."},
    {132, "pine tree", 0, "It’s a very small pine tree. It could probably fit in a house."},
    {133, "lever", 0, "The lever is sticking out of the strange white alter."},
    {133, "white altar", 0, "It’s a huge white altar with a lever sticking out of it. You're not really sure what it is or what it's supposed to be."},
};

const char kCornText[] = "The corn looks the same as the millions of other corn in this corn field.";

std::vector<ObjectRow> ExpectedObjectsInOrder() {
  std::vector<ObjectRow> rows;
  for (int room = 1; room <= 134; ++room) {
    if (room >= 18 && room <= 45) rows.push_back({room, "corn", 0, kCornText});
    for (const ObjectRow& row : kObjects) {
      if (row.room == room) rows.push_back(row);
    }
  }
  return rows;
}

// Drops of tables that do not exist yet, the six actions rows without a room, the empty last row.
const std::set<size_t> kFailingOnEmptyStore = {0, 3, 6, 13, 18, 28, 33, 37, 46, 71, 208, 323};

// A statement with any leading comment lines and blanks taken off.
std::string StatementBody(std::string text) {
  for (;;) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos) return "";
    text.erase(0, start);
    if (text.rfind("--", 0) != 0) return text;
    const size_t end = text.find('\n');
    if (end == std::string::npos) return "";
    text.erase(0, end + 1);
  }
}

// ---- Statements --------------------------------------------------------------------------------

TEST(WorldStatements, FixedListInOrder) {
  const std::vector<std::string>& statements = WorldStatements();
  ASSERT_EQ(statements.size(), 324u);

  const std::map<size_t, std::string> fixed = {
      {0, "Drop Table Inventory"},
      {1, "Create Table Inventory (Items VARCHAR(50), id INTEGER PRIMARY KEY)"},
      {2, "Create Index inv1 on Inventory(Items)"},
      {3, "Drop Table currentroom"},
      {4, "Create Table currentroom (room INTEGER, id INTEGER PRIMARY KEY)"},
      {5, "INSERT INTO currentroom(room) VALUES (1)"},
      {6, "Drop Table actions"},
      {7, "Create Table actions (actiontype VARCHAR(100), status INTEGER, room INTEGER, id INTEGER PRIMARY KEY)"},
      {8, "Create Index actions1 on actions(actiontype)"},
      {71, "Drop Table Descriptions"},
      {72, "Create Table Descriptions (Roomnumber INTEGER, Description TEXT, NewDescr TEXT, "
           "roomname VARCHAR(50), id INTEGER PRIMARY KEY)"},
      {73, "Create Index roomx on Descriptions (Roomnumber)"},
      {208, "Drop Table Objects"},
      {209, "Create Table Objects (Roomnumber INTEGER, Objects VARCHAR(50), Gettable INTEGER, "
            "description TEXT, gone INTEGER, orig VARCHAR(1), id INTEGER PRIMARY KEY)"},
      {210, "Create Index objectsx on Objects (Roomnumber)"},
  };
  for (size_t index = 0; index < statements.size(); ++index) {
    const std::string body = StatementBody(statements[index]);
    std::string expected;
    if (auto found = fixed.find(index); found != fixed.end()) {
      expected = found->second;
    } else if (index >= 9 && index <= 70) {
      expected = "INSERT INTO actions(actiontype, status, room) VALUES (";
    } else if (index >= 74 && index <= 207) {
      expected = "INSERT INTO Descriptions(Roomnumber, Description, NewDescr, roomname) VALUES (";
    } else {
      ASSERT_GE(index, 211u);
      expected = "INSERT INTO Objects(Roomnumber, Objects, Gettable, description, gone, orig) VALUES (";
    }
    EXPECT_EQ(body.substr(0, expected.size()), expected) << "statement " << index;
  }
}

TEST(WorldStatements, ExactlyTheIntendedStatementsFailOnAnEmptyStore) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  const std::vector<std::string>& statements = WorldStatements();
  std::set<size_t> failing;
  for (size_t index = 0; index < statements.size(); ++index) {
    if (sqlite3_exec(db, statements[index].c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
      failing.insert(index);
    }
  }
  sqlite3_close(db);
  EXPECT_EQ(failing, kFailingOnEmptyStore);
}

// ---- Built tables ------------------------------------------------------------------------------

class WorldContentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_store = new ScratchStore;
    s_built = s_store->Build();
  }
  static void TearDownTestSuite() {
    delete s_store;
    s_store = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(s_built); }

  static Rows Query(const std::string& sql) { return Reader(s_store->Path()).Query(sql); }

  static ScratchStore* s_store;
  static bool s_built;
};

ScratchStore* WorldContentTest::s_store = nullptr;
bool WorldContentTest::s_built = false;

TEST_F(WorldContentTest, SchemaIsTheGamesOwn) {
  const Rows tables = Query("SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY name");
  const std::map<std::string, std::string> expected = {
      {"Inventory", "CREATE TABLE Inventory (Items VARCHAR(50), id INTEGER PRIMARY KEY)"},
      {"currentroom", "CREATE TABLE currentroom (room INTEGER, id INTEGER PRIMARY KEY)"},
      {"actions", "CREATE TABLE actions (actiontype VARCHAR(100), status INTEGER, room INTEGER, id INTEGER PRIMARY KEY)"},
      {"Descriptions",
       "CREATE TABLE Descriptions (Roomnumber INTEGER, Description TEXT, NewDescr TEXT, roomname VARCHAR(50), "
       "id INTEGER PRIMARY KEY)"},
      {"Objects",
       "CREATE TABLE Objects (Roomnumber INTEGER, Objects VARCHAR(50), Gettable INTEGER, description TEXT, "
       "gone INTEGER, orig VARCHAR(1), id INTEGER PRIMARY KEY)"},
  };
  ASSERT_EQ(tables.size(), expected.size());
  for (const auto& row : tables) {
    ASSERT_TRUE(expected.count(row[0])) << row[0];
    // SQLite keeps the statement's text; only the leading keywords are normalised.
    std::string sql = row[1];
    sql.replace(0, std::string("Create Table").size(), "CREATE TABLE");
    EXPECT_EQ(sql, expected.at(row[0]));
  }
  const Rows indexes = Query("SELECT name, tbl_name FROM sqlite_master WHERE type = 'index' ORDER BY name");
  EXPECT_EQ(indexes, (Rows{{"actions1", "actions"}, {"inv1", "Inventory"}, {"objectsx", "Objects"},
                           {"roomx", "Descriptions"}}));
}

TEST_F(WorldContentTest, PlayerStartsInTheBedroomWithNothing) {
  EXPECT_TRUE(Query("SELECT * FROM Inventory").empty());
  EXPECT_EQ(Query("SELECT room, typeof(room) FROM currentroom"), (Rows{{"1", "integer"}}));
}

TEST_F(WorldContentTest, ActionsHoldTheStoredKeysOnlyAllUnsolved) {
  Rows expected;
  for (const ActionRow& row : kActions) {
    if (row.room >= 0) expected.push_back({row.key, "0", std::to_string(row.room)});
  }
  ASSERT_EQ(expected.size(), 56u);
  EXPECT_EQ(Query("SELECT actiontype, status, room FROM actions ORDER BY rowid"), expected);
  EXPECT_EQ(Query("SELECT count(*) FROM actions WHERE typeof(status) <> 'integer' OR status <> 0"),
            (Rows{{"0"}}));

  for (const ActionRow& row : kActions) {
    if (row.room >= 0) continue;
    EXPECT_TRUE(Query(std::string("SELECT 1 FROM actions WHERE actiontype = '") + row.key + "'").empty())
        << row.key;
  }
  // The capitals are part of the key: the game looks keys up with exact comparisons.
  EXPECT_EQ(Query("SELECT count(*) FROM actions WHERE actiontype = 'Lamp On Room 1'"), (Rows{{"1"}}));
  EXPECT_EQ(Query("SELECT count(*) FROM actions WHERE actiontype = 'lamp on room 1'"), (Rows{{"0"}}));
}

TEST_F(WorldContentTest, EveryRoomHasOneRowWithItsNameAndText) {
  const Rows rows = Query("SELECT Roomnumber, roomname, Description, NewDescr FROM Descriptions ORDER BY rowid");
  ASSERT_EQ(rows.size(), 134u);
  std::map<int, const RoomRow*> designed;
  for (const RoomRow& row : kRooms) designed[row.room] = &row;

  for (int room = 1; room <= 134; ++room) {
    const std::vector<std::string>& row = rows[room - 1];
    ASSERT_EQ(ToInt(row[0]), room);
    EXPECT_EQ(row[3], row[2]) << "room " << room;
    if (IsPlainCornfield(room)) {
      EXPECT_EQ(row[1], "cornfield " + std::to_string(room));
      EXPECT_EQ(row[2], "You are in a cornfield. Someone has scratched the number " + std::to_string(room) +
                            " on one of the corn stalks.");
      continue;
    }
    ASSERT_TRUE(designed.count(room)) << "room " << room;
    const RoomRow& expected = *designed[room];
    EXPECT_EQ(row[1], expected.name) << "room " << room;
    if (expected.kind == Text::Exact) {
      EXPECT_EQ(row[2], expected.text) << "room " << room;
    } else {
      EXPECT_EQ(row[2].rfind(expected.text, 0), 0u) << "room " << room << ": " << row[2];
      EXPECT_GT(row[2].size(), std::string(expected.text).size() + 40) << "room " << room;
    }
  }
}

TEST_F(WorldContentTest, LongRoomTextsKeepTheirClues) {
  const std::vector<std::pair<int, std::vector<std::string>>> clues = {
      {1, {"south", "mail"}},
      {2, {"north", "east", "lamp", "dark"}},
      {15, {"1 coin", "slot", "south", "west", "north"}},
      {16, {"scarecrow to the south", "north", "west", "east"}},
      {18, {"farmer", "west"}},
      {46, {"junkyard to the north", "bridge to the south", "west", "east"}},
      {52, {"south", "west", "east", "nest"}},
      {56, {"west", "locked", "south"}},
      {57, {"south", "west", "north", "east"}},
      {72, {"west", "east"}},
      {78, {"gold path", "star"}},
      {84, {"bulb"}},
      {88, {"north", "sewers"}},
      {89, {"east", "nose"}},
      {100, {"west", "south"}},
      {102, {"south"}},
      {108, {"west"}},
      {110, {"east"}},
      {126, {"20 pounds", "west"}},
      {134, {"Exit", "OK", "\"RESET THE GAME\"", "Action button"}},
  };
  for (const auto& [room, needles] : clues) {
    const Rows rows = Query("SELECT Description FROM Descriptions WHERE Roomnumber = " + std::to_string(room));
    ASSERT_EQ(rows.size(), 1u) << "room " << room;
    for (const std::string& needle : needles) {
      EXPECT_TRUE(Contains(rows[0][0], needle)) << "room " << room << " lacks \"" << needle << "\"";
    }
  }
}

TEST_F(WorldContentTest, ObjectsLieWhereTheWorldStarts) {
  const Rows rows =
      Query("SELECT Roomnumber, Objects, Gettable, description, gone, orig FROM Objects ORDER BY rowid");
  const std::vector<ObjectRow> expected = ExpectedObjectsInOrder();
  ASSERT_EQ(expected.size(), 112u);
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t index = 0; index < rows.size(); ++index) {
    const ObjectRow& want = expected[index];
    const std::vector<std::string>& row = rows[index];
    EXPECT_EQ(ToInt(row[0]), want.room) << "row " << index;
    EXPECT_EQ(row[1], want.name) << "row " << index;
    EXPECT_EQ(ToInt(row[2]), want.gettable) << want.name;
    if (want.text) {
      EXPECT_EQ(row[3], want.text) << want.name << " in room " << want.room;
    } else {
      EXPECT_GT(row[3].size(), 60u) << want.name;
    }
    EXPECT_EQ(row[4], "0") << want.name;
    EXPECT_EQ(row[5], "Y") << want.name;
  }
  EXPECT_EQ(Query("SELECT count(*) FROM Objects WHERE Roomnumber IS NULL OR Objects IS NULL"), (Rows{{"0"}}));
}

TEST_F(WorldContentTest, OnlyTheDesignedItemsCanBeTaken) {
  const Rows rows = Query("SELECT Objects FROM Objects WHERE Gettable = 1 ORDER BY Objects");
  std::vector<std::string> names;
  for (const auto& row : rows) names.push_back(row[0]);
  EXPECT_EQ(names, (std::vector<std::string>{"bloody key", "carrot", "clothespin", "crowbar", "dumbbell",
                                              "magnet", "sand", "saw", "scythe", "shovel", "staff", "teapot",
                                              "turpentine", "water wings", "wax candle"}));
}

TEST_F(WorldContentTest, SharedObjectNamesShareTheirText) {
  EXPECT_EQ(Query("SELECT count(*), count(DISTINCT description), min(Roomnumber), max(Roomnumber) "
                  "FROM Objects WHERE Objects = 'corn'"),
            (Rows{{"28", "1", "18", "45"}}));
  EXPECT_EQ(Query("SELECT count(*), count(DISTINCT description) FROM Objects WHERE Objects = 'sewage'"),
            (Rows{{"2", "1"}}));
  EXPECT_EQ(Query("SELECT count(*), count(DISTINCT description) FROM Objects WHERE Objects = 'water'"),
            (Rows{{"2", "1"}}));
}

TEST_F(WorldContentTest, LongObjectTextsKeepTheirClues) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> clues = {
      {"well", {"coin", "bucket"}},
      {"scarecrow", {"twine"}},
      {"tombstone", {"key to light up"}},
      {"rat", {"teeth", "bare hands"}},
      {"painting", {"three numbers"}},
      {"wall", {"20 feet"}},
      {"gate", {"keyhole", "star"}},
      {"plaque", {"nine"}},
      {"haystacks", {"shiny"}},
      {"gray door", {"tan", "dirt"}},
      {"red altar", {"ruby"}},
      {"green altar", {"emerald"}},
  };
  for (const auto& [name, needles] : clues) {
    const Rows rows = Query("SELECT description FROM Objects WHERE Objects = '" + name + "'");
    ASSERT_EQ(rows.size(), 1u) << name;
    for (const std::string& needle : needles) {
      EXPECT_TRUE(Contains(rows[0][0], needle)) << name << " lacks \"" << needle << "\"";
    }
  }
}

TEST_F(WorldContentTest, TypographicApostropheSurvivesAsUtf8) {
  const Rows rows = Query("SELECT description FROM Objects WHERE Objects = 'mirror'");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0].substr(0, 6), "It\xE2\x80\x99s");
  EXPECT_TRUE(Contains(rows[0][0], "what's"));  // the plain apostrophe next to it stays plain
}

// ---- Rebuilding --------------------------------------------------------------------------------

TEST(WorldRebuild, RepeatedAndMidGameBuildsGiveTheStartingWorld) {
  ScratchStore store;
  ASSERT_TRUE(store.Build());
  const std::string fresh = Reader(store.Path()).Dump();

  ASSERT_TRUE(store.Build());
  EXPECT_EQ(Reader(store.Path()).Dump(), fresh);

  {
    Reader game(store.Path());
    game.Exec("INSERT INTO Inventory(Items) VALUES ('crowbar')");
    game.Exec("UPDATE Objects SET gone = 1 WHERE Objects = 'crowbar'");
    game.Exec("UPDATE Objects SET Roomnumber = 1 WHERE Objects = 'shovel'");
    game.Exec("INSERT INTO Objects(Roomnumber, Objects, Gettable, description, gone, orig) "
              "VALUES (2, 'letter', 1, 'It''s your mail.', 0, 'N')");
    game.Exec("UPDATE actions SET status = 1 WHERE actiontype = 'Lamp On Room 1'");
    game.Exec("UPDATE Descriptions SET NewDescr = 'changed' WHERE Roomnumber = 2");
    game.Exec("UPDATE currentroom SET room = 58");
  }
  ASSERT_NE(Reader(store.Path()).Dump(), fresh);

  ASSERT_TRUE(store.Build());
  EXPECT_EQ(Reader(store.Path()).Dump(), fresh);
}

}  // namespace
}  // namespace brackenhollow
