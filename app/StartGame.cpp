#include "app/StartGame.h"

#include "store/GameRecordset.h"
#include "world/WorldBuild.h"

namespace brackenhollow {

bool StartGame(GameDatabase& database, const std::function<void(const std::string&)>& showWaitText) {
  bool missing = true;
  {
    GameRecordset probe(database);
    if (probe.Open("Select room from currentroom", kCursorForwardOnly, kLockReadOnly)) {
      probe.MoveFirst();
      missing = probe.IsEOF();
    }
    // The probe closes before the build: a table with a query still open on it cannot be dropped.
  }
  if (!missing) return false;
  showWaitText(kFirstRunText);
  BuildWorldDatabase(database);
  return true;
}

}  // namespace brackenhollow
