// Checks the puzzle tables and the room records against the starting world the game builds: a key or a
// name that differs by one letter from the stored one would make a puzzle that silently never fires, so
// every name a row uses is looked up in the starting world, and the rows are checked for the shape the
// interpreter needs.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "actions/PuzzleRow.h"
#include "actions/Verbs.h"
#include "world/CloseUpPictures.h"
#include "world/PlacedObjects.h"
#include "world/RoomRecord.h"
#include "world/WorldBuild.h"
#include "world/WorldFacts.h"

namespace brackenhollow {
namespace {

// What the starting world holds, read from the game's own statements run into a scratch store.
struct StartingWorld {
  std::set<std::string> keys;
  std::map<int, std::set<std::string>> objectsByRoom;
  std::set<std::string> objects;
  std::set<std::string> gettable;
};

StartingWorld LoadStartingWorld() {
  StartingWorld world;
  sqlite3* db = nullptr;
  if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
    ADD_FAILURE() << "cannot open a scratch store";
    return world;
  }
  // Rejected statements (drops of missing tables, the malformed rows) are part of the starting world.
  for (const std::string& statement : WorldStatements()) {
    sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr);
  }
  const auto each = [db](const char* sql, auto&& onRow) {
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &query, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
      return;
    }
    while (sqlite3_step(query) == SQLITE_ROW) onRow(query);
    sqlite3_finalize(query);
  };
  const auto text = [](sqlite3_stmt* query, int column) {
    const unsigned char* value = sqlite3_column_text(query, column);
    return value ? std::string(reinterpret_cast<const char*>(value)) : std::string();
  };
  each("SELECT actiontype FROM actions", [&](sqlite3_stmt* q) { world.keys.insert(text(q, 0)); });
  each("SELECT Roomnumber, Objects, Gettable FROM Objects", [&](sqlite3_stmt* q) {
    const std::string name = text(q, 1);
    world.objectsByRoom[sqlite3_column_int(q, 0)].insert(name);
    world.objects.insert(name);
    if (sqlite3_column_int(q, 2) == 1) world.gettable.insert(name);
  });
  sqlite3_close(db);
  return world;
}

const StartingWorld& World() {
  static const StartingWorld world = LoadStartingWorld();
  return world;
}

std::vector<const Effect*> EffectsOf(const PuzzleRow& row, EffectKind kind) {
  std::vector<const Effect*> found;
  for (const Effect& effect : row.effects) {
    if (effect.kind == kind) found.push_back(&effect);
  }
  return found;
}

// Everything the player can come to carry: objects of the starting world "Get the" may take, and whatever a puzzle
// hands over or leaves lying for the taking.
std::set<std::string> Obtainable() {
  std::set<std::string> names = World().gettable;
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::AddItem) names.insert(effect.name);
      if (effect.kind == EffectKind::PlaceObject && effect.gettable == 1) names.insert(effect.name);
    }
  }
  return names;
}

std::string Describe(const PuzzleRow& row) {
  return "row " + row.noun + (row.otherNoun.empty() ? "" : " + " + row.otherNoun) + " (room " +
         std::to_string(row.room) + ")";
}

// Rows never compete (below), so their order does not matter; each family must be run by a verb.
TEST(PuzzleTables, EveryRowIsReachedByAVerbOnTheList) {
  for (const PuzzleRow& row : PuzzleRows()) {
    const Verb* verb = FindVerb(VerbOf(row.family).text);
    ASSERT_NE(verb, nullptr) << Describe(row);
    EXPECT_TRUE(verb->handling == VerbHandling::Puzzles || verb->handling == VerbHandling::Get) << Describe(row);
    EXPECT_EQ(verb->usesSecondList, row.family == Family::UseWith) << Describe(row);
  }
}

TEST(PuzzleTables, NoTwoRowsCompeteForTheSameChoice) {
  std::set<std::pair<Family, std::string>> single;
  std::set<std::set<std::string>> pairs;
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.family == Family::UseWith) {
      EXPECT_FALSE(row.otherNoun.empty()) << Describe(row);
      EXPECT_NE(row.noun, row.otherNoun) << Describe(row);
      EXPECT_TRUE(pairs.insert({row.noun, row.otherNoun}).second) << "second " << Describe(row);
    } else {
      EXPECT_TRUE(row.otherNoun.empty()) << Describe(row);
      EXPECT_TRUE(single.insert({row.family, row.noun}).second) << "second " << Describe(row);
    }
  }
}

TEST(PuzzleTables, EveryKeyIsOneTheWorldStores) {
  ASSERT_EQ(World().keys.size(), static_cast<std::size_t>(kKeyCount)) << "the world did not load as expected";
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& pictureCase : record.Pictures()) {
      for (const StateTest& test : pictureCase.tests.All()) {
        if (test.kind != StateTest::Kind::Status) continue;
        EXPECT_TRUE(World().keys.count(std::string(test.name))) << "room " << record.room << " tests " << test.name;
      }
    }
  }
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Check& check : row.checks) {
      if (check.kind == CheckKind::KeyIs || check.kind == CheckKind::KeyIsNot) {
        EXPECT_TRUE(World().keys.count(check.subject)) << Describe(row) << " reads \"" << check.subject << '"';
      }
    }
    for (const Effect* effect : EffectsOf(row, EffectKind::SetKey)) {
      EXPECT_TRUE(World().keys.count(effect->text)) << Describe(row) << " sets \"" << effect->text << '"';
    }
  }
}

// A puzzle guarded by "not done yet" must mark itself done, under the very same key, and no other
// puzzle may own that key; talk rows only read the key of the puzzle that concerns the character.
TEST(PuzzleTables, EachPuzzleMarksItselfDoneUnderTheKeyItGuards) {
  std::set<std::string> setKeys;
  for (const PuzzleRow& row : PuzzleRows()) {
    std::vector<std::string> notDone;
    for (const Check& check : row.checks) {
      if ((check.kind == CheckKind::KeyIs && check.value == "0") ||
          (check.kind == CheckKind::KeyIsNot && check.value == "1")) {
        notDone.push_back(check.subject);
      }
    }
    const auto sets = EffectsOf(row, EffectKind::SetKey);
    if (row.family == Family::TalkTo) {
      EXPECT_EQ(notDone.size(), 1u) << Describe(row);
      EXPECT_TRUE(sets.empty()) << Describe(row);
      continue;
    }
    ASSERT_LE(notDone.size(), 1u) << Describe(row);
    ASSERT_EQ(sets.size(), notDone.size()) << Describe(row);
    if (sets.empty()) continue;
    EXPECT_EQ(sets.front()->text, notDone.front()) << Describe(row);
    EXPECT_TRUE(setKeys.insert(sets.front()->text).second) << "key set twice: " << sets.front()->text;
  }
}

TEST(PuzzleTables, RoomBoundPuzzlesUseWhatLiesInTheirRoom) {
  const std::set<std::string> obtainable = Obtainable();
  for (const PuzzleRow& row : PuzzleRows()) {
    const auto found = World().objectsByRoom.find(row.room);
    const std::set<std::string> here =
        found == World().objectsByRoom.end() ? std::set<std::string>{} : found->second;
    if (row.family != Family::UseWith) {
      if (row.room != 0) {
        EXPECT_TRUE(here.count(row.noun)) << Describe(row);
      } else {
        EXPECT_TRUE(World().objects.count(row.noun) || obtainable.count(row.noun)) << Describe(row);
      }
      continue;
    }
    // Room 54 has no haystack of its own; that combination only ever refuses, so it does no harm.
    const bool unreachable = row.room == 54 && row.otherNoun == "haystack";
    for (const std::string& noun : {row.noun, row.otherNoun}) {
      if (unreachable && noun == row.otherNoun) continue;
      EXPECT_TRUE(World().objects.count(noun) || obtainable.count(noun)) << Describe(row) << ": " << noun;
    }
    if (row.room == 0) continue;
    EXPECT_TRUE(obtainable.count(row.noun)) << Describe(row) << ": the item can never be carried";
    if (!unreachable) {
      EXPECT_TRUE(here.count(row.otherNoun)) << Describe(row) << ": the fixture is not in the room";
    }
  }
}

// Items handed straight to the player need a hidden row so that "Look at" can describe them;
// things left lying in the room must be takeable, or the chain they start breaks.
TEST(PuzzleTables, ProducedItemsCanBeDescribedAndTaken) {
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect* added : EffectsOf(row, EffectKind::AddItem)) {
      const auto placed = EffectsOf(row, EffectKind::PlaceObject);
      const bool hidden = std::any_of(placed.begin(), placed.end(), [&](const Effect* p) {
        return p->name == added->name && p->gone == 1;
      });
      EXPECT_TRUE(hidden || World().objects.count(added->name)) << Describe(row) << ": " << added->name;
    }
    for (const Effect* placed : EffectsOf(row, EffectKind::PlaceObject)) {
      EXPECT_TRUE(placed->room == 999 || IsRoom(placed->room)) << Describe(row);
      if (placed->gone == 0) {
        EXPECT_EQ(placed->gettable, 1) << Describe(row) << ": " << placed->name;
        EXPECT_EQ(placed->room, row.room) << Describe(row) << ": " << placed->name;
      }
    }
    for (const Effect* changed : EffectsOf(row, EffectKind::SetDescription)) {
      EXPECT_TRUE(IsRoom(changed->room)) << Describe(row);
    }
  }
}

TEST(PuzzleTables, TakenItemsAreOnesThePlayerCanHave) {
  const std::set<std::string> obtainable = Obtainable();
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect* removed : EffectsOf(row, EffectKind::RemoveItem)) {
      EXPECT_TRUE(obtainable.count(removed->name)) << Describe(row) << ": " << removed->name;
    }
  }
}

// A close-up put on the control must survive the closing refresh, so the row must end with the
// picture flag off.
TEST(PuzzleTables, CloseUpsAreKnownPicturesThatStayUp) {
  const std::set<std::string> closeUps(std::begin(kCloseUpPictures), std::end(kCloseUpPictures));
  std::set<std::string> shown;
  for (const PuzzleRow& row : PuzzleRows()) {
    const auto pictures = EffectsOf(row, EffectKind::ShowPicture);
    if (pictures.empty()) continue;
    PictureChange flag = row.onMatch;
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::PictureOn) flag = PictureChange::On;
      if (effect.kind == EffectKind::PictureOff) flag = PictureChange::Off;
    }
    EXPECT_EQ(flag, PictureChange::Off) << Describe(row);
    for (const Effect* picture : pictures) {
      EXPECT_TRUE(closeUps.count(picture->text)) << Describe(row) << ": " << picture->text;
      shown.insert(picture->text);
    }
  }
  EXPECT_EQ(shown, closeUps);
}

// Every puzzle that can succeed says exactly one thing; rows that cannot succeed always refuse.
// The long texts are joined from pieces, so a lost blank at a join shows up as "word.Word".
TEST(PuzzleTables, EverySuccessSaysOneThingInWellFormedText) {
  const std::regex gluedSentence("[a-z][.!?,][A-Za-z]");
  const auto wellFormed = [&](const std::string& text, const PuzzleRow& row) {
    EXPECT_FALSE(text.empty()) << Describe(row);
    if (text.empty()) return;
    EXPECT_NE(text.front(), ' ') << Describe(row) << ": " << text;
    EXPECT_NE(text.back(), ' ') << Describe(row) << ": " << text;
    EXPECT_FALSE(std::regex_search(text, gluedSentence)) << Describe(row) << ": " << text;
    // Only room 128's lit altar keeps its run of blanks.
    if (text.find("bright light    .") == std::string::npos) {
      EXPECT_EQ(text.find("  "), std::string::npos) << Describe(row) << ": " << text;
    }
  };
  for (const PuzzleRow& row : PuzzleRows()) {
    const auto messages = EffectsOf(row, EffectKind::Message);
    if (row.effects.empty()) {
      ASSERT_FALSE(row.checks.empty()) << Describe(row);
      EXPECT_EQ(row.checks.front().kind, CheckKind::Never) << Describe(row);
    } else {
      EXPECT_EQ(messages.size(), 1u) << Describe(row);
    }
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::Message || effect.kind == EffectKind::SetDescription ||
          effect.kind == EffectKind::PlaceObject) {
        wellFormed(effect.text, row);
      }
    }
    for (const Check& check : row.checks) {
      if (!check.failMessage.empty()) wellFormed(check.failMessage, row);
    }
  }
}

// Every name a puzzle row or a picture test uses is an object of the starting world or one a puzzle
// brings in, and every name brought in is placed or handed over by some row.
TEST(PuzzleTables, EveryNamedObjectExists) {
  std::set<std::string> known(std::begin(kAllObjectNames), std::end(kAllObjectNames));
  known.insert(std::begin(kAllPlacedObjectNames), std::end(kAllPlacedObjectNames));
  std::set<std::string> brought;
  for (const PuzzleRow& row : PuzzleRows()) {
    // Room 54 has no haystack; that combination only ever refuses.
    for (const std::string& noun : {row.noun, row.otherNoun}) {
      if (noun.empty() || noun == "haystack") continue;
      EXPECT_TRUE(known.count(noun)) << Describe(row) << ": " << noun;
    }
    for (const Effect& effect : row.effects) {
      if (effect.name.empty()) continue;
      EXPECT_TRUE(known.count(effect.name)) << Describe(row) << ": " << effect.name;
      if (effect.kind == EffectKind::PlaceObject || effect.kind == EffectKind::AddItem) brought.insert(effect.name);
    }
    for (const Check& check : row.checks) {
      if (check.kind != CheckKind::Carried) continue;
      EXPECT_TRUE(known.count(check.subject)) << Describe(row);
    }
  }
  for (const char* name : kAllPlacedObjectNames) EXPECT_TRUE(brought.count(name)) << "nothing brings in " << name;
}

// A picture that shows whether something is still there must test a thing that lies in that room: in
// the starting world or placed there by a puzzle.
TEST(PuzzleTables, PicturesTestTheGoneFlagOfThingsInTheirRoom) {
  std::map<int, std::set<std::string>> lyingIn = World().objectsByRoom;
  for (const PuzzleRow& row : PuzzleRows()) {
    for (const Effect* placed : EffectsOf(row, EffectKind::PlaceObject)) lyingIn[placed->room].insert(placed->name);
  }
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& pictureCase : record.Pictures()) {
      for (const StateTest& test : pictureCase.tests.All()) {
        if (test.kind != StateTest::Kind::Gone) continue;
        EXPECT_TRUE(lyingIn[record.room].count(std::string(test.name)))
            << "room " << record.room << " tests " << test.name;
      }
    }
  }
}

// The keys a room's picture or ways wait for.
std::set<std::string> KeysShownByRooms() {
  std::set<std::string> keys;
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& pictureCase : record.Pictures()) {
      for (const StateTest& test : pictureCase.tests.All()) {
        if (test.kind == StateTest::Kind::Status) keys.insert(std::string(test.name));
      }
    }
    const RoomExits& exits = record.exits;
    for (const Exit& exit : {exits.north, exits.south, exits.east, exits.west}) {
      for (const StateTest& test : exit.tests.All()) keys.insert(std::string(test.name));
    }
  }
  return keys;
}

// A puzzle that changes what a room shows or where it leads must ask for the room's picture and ways to
// be chosen anew (the torch must open its passage at once), unless it leaves a close-up up instead.
TEST(PuzzleTables, PuzzlesThatChangeARoomsPictureOrWaysRefreshIt) {
  const std::set<std::string> shown = KeysShownByRooms();
  for (const PuzzleRow& row : PuzzleRows()) {
    const auto sets = EffectsOf(row, EffectKind::SetKey);
    const bool changesARoom =
        std::any_of(sets.begin(), sets.end(), [&](const Effect* effect) { return shown.count(effect->text) > 0; });
    if (!changesARoom || !EffectsOf(row, EffectKind::ShowPicture).empty()) continue;
    bool refresh = VerbOf(row.family).pictureOnEntry;
    if (row.onMatch != PictureChange::Keep) refresh = row.onMatch == PictureChange::On;
    for (const Effect& effect : row.effects) {
      if (effect.kind == EffectKind::PictureOn) refresh = true;
      if (effect.kind == EffectKind::PictureOff) refresh = false;
    }
    EXPECT_TRUE(refresh) << Describe(row);
  }
}

// The things a room-bound puzzle works on stay in their room, and what a puzzle takes from the player
// can be picked up where it lies.
TEST(PuzzleTables, FixturesCannotBeTakenAndNeededThingsCan) {
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.room == 0) continue;
    const std::string& fixture = row.family == Family::UseWith ? row.otherNoun : row.noun;
    EXPECT_FALSE(World().gettable.count(fixture)) << Describe(row) << ": " << fixture;
  }
  const std::set<std::string> obtainable = Obtainable();
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.family != Family::UseWith || row.room == 0) continue;
    if (World().objects.count(row.noun)) {
      EXPECT_TRUE(obtainable.count(row.noun)) << Describe(row) << ": " << row.noun << " cannot be picked up";
    }
  }
}

// A thing that only one combination needs is used up by it, or it would stay in the inventory for good;
// one that several need, like the crowbar, is kept.
TEST(PuzzleTables, CombinationsUseUpWhatOnlyTheyNeed) {
  std::map<std::string, int> needs;
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.family == Family::UseWith && !row.effects.empty()) ++needs[row.noun];
  }
  for (const PuzzleRow& row : PuzzleRows()) {
    if (row.family != Family::UseWith || row.effects.empty() || needs[row.noun] > 1) continue;
    const auto removed = EffectsOf(row, EffectKind::RemoveItem);
    const bool usedUp =
        std::any_of(removed.begin(), removed.end(), [&](const Effect* effect) { return effect->name == row.noun; });
    EXPECT_TRUE(usedUp) << Describe(row);
  }
}

}  // namespace
}  // namespace brackenhollow
