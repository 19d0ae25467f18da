#include "app/StartGame.h"

#include "store/GameDatabase.h"
#include "store/SavedGames.h"
#include "store/StoreCheck.h"
#include "store/UndoHistory.h"
#include "world/StoreRules.h"
#include "world/WorldBuild.h"
#include "world/WorldCheck.h"

namespace brackenhollow {

namespace {

constexpr char kRoomRestored[] =
    "Your saved game had lost the room you were in, so you start again in your bedroom. Everything else you "
    "did is kept.";

// Brings a store of an earlier release to this format before anything reads it. When the file cannot
// take it, the game plays on a copy in memory, brought up to date there, and the file stays as it
// was. Returns what the store holds afterwards.
WorldInspection UpgradeStore(GameDatabase& database) {
  if (!UpgradeOlderFormat(database)) {
    database.PlayOnCopy("it could not be brought up to this version's format");
    UpgradeOlderFormat(database);
  }
  return InspectWorld(database);
}

// Checks a store that holds a game; one that fails is moved aside (a new world follows). Returns false
// when it was moved or could not be kept.
bool KeepsTrust(GameDatabase& database) {
  StoreCheck check = CheckStoreFile(database.Handle(), GameStoreRules());
  // A damaged history costs only the history: the game itself is kept.
  if (check.verdict == StoreVerdict::Rows && check.table == "undo_history" && ClearUndoHistory(database)) {
    check = CheckStoreFile(database.Handle(), GameStoreRules());
  }
  // A file that cannot be read now says nothing about its content; the reads of play report it.
  if (check.Sound() || check.verdict == StoreVerdict::Unreadable) return true;
  database.MoveAside("damaged", "The saved game at " + database.Path() + " cannot be played on, because " + check.reason);
  return false;
}

bool HoldsGame(WorldShape shape) { return shape == WorldShape::Whole || shape == WorldShape::RoomMissing; }

}  // namespace

void VetStartingStore(GameDatabase& database) {
  if (!database.IsOpen()) return;
  SavedGames(database, GameStoreRules()).RemoveInterruptedSaves();
  if (!HoldsGame(InspectWorld(database).shape)) return;
  // Known as ours by its tables: a store from before it carried our id is checked as ours.
  database.ClaimStore();
  KeepsTrust(database);
}

bool StartGame(GameDatabase& database, const std::function<void(const std::string&)>& showWaitText) {
  WorldInspection inspection = InspectWorld(database);
  // Upgraded before it is claimed, so a file that cannot take the upgrade keeps everything as it was.
  if (inspection.shape == WorldShape::OlderFormat) inspection = UpgradeStore(database);
  // A store of ours from before it carried our id is written to only now that it is known as ours.
  if (inspection.shape != WorldShape::Foreign) database.ClaimStore();
  if (HoldsGame(inspection.shape) && !KeepsTrust(database)) inspection = InspectWorld(database);
  // Steps kept without checksums cannot be checked before they are applied.
  if (HoldsGame(inspection.shape)) BringHistoryUpToDate(database);
  switch (inspection.shape) {
    case WorldShape::Whole:
      return false;
    case WorldShape::OlderFormat:
      // Not even the copy in memory took the upgrade: the game reads no key column and plays on as
      // it is, only without undo.
      return false;
    case WorldShape::RoomMissing:
      // The rest of the game is whole: only the room goes back to where a new game starts.
      if (RestoreSavedRoom(database)) database.Notify(kRoomRestored);
      return false;
    case WorldShape::Foreign:
      database.MoveAside("other", "The file at " + database.Path() + " belongs to another program");
      break;
    case WorldShape::Incomplete: {
      const std::string copy = database.CopyAside("incomplete");
      if (copy.empty()) {
        // No copy, no rebuild over it: the file is moved aside whole instead (or left alone).
        database.MoveAside("incomplete", "Your saved game is missing part of the world (" + inspection.missing + ")");
      } else {
        database.Notify("Your saved game is missing part of the world (" + inspection.missing +
                        "), so a new game starts. A copy of the old file was kept as " + copy + ".");
      }
      break;
    }
    case WorldShape::Missing:
      break;
  }
  showWaitText(kFirstRunText);
  if (BuildWorldDatabase(database)) return true;
  // The build was taken back whole: the file holds no half world, and the next start tries again.
  database.Notify("The new world could not be written to " + database.Path() +
                  ". You can play, but your progress will be lost when you leave; the game tries to save "
                  "again at its next start.");
  database.UseMemoryStore();
  BuildWorldDatabase(database);
  return true;
}

}  // namespace brackenhollow
