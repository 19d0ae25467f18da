#include "view/PictureSelection.h"

#include "world/RoomRecord.h"
#include "world/StateReadings.h"

namespace brackenhollow {

std::optional<std::string> SelectRoomPicture(int room, StateReadings& readings) {
  const RoomRecord* record = FindRoomRecord(room);
  if (record == nullptr) return std::nullopt;
  for (const PictureCase& pictureCase : record->Pictures()) {
    if (readings.AllHold(pictureCase.tests)) return std::string(pictureCase.picture);
  }
  return std::nullopt;
}

std::optional<std::string> SelectRoomPicture(int room, GameState& state) {
  StateReadings readings(state);
  return SelectRoomPicture(room, readings);
}

}  // namespace brackenhollow
