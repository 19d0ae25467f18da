#include "view/PictureSelection.h"

#include "movement/RoomExits.h"
#include "view/PictureTables.h"
#include "world/StateTest.h"

namespace brackenhollow {

std::optional<RoomPicture> SelectRoomPicture(int room, GameState& state) {
  // One set of readings for the picture and the exits, so a key both ask about is read (and any
  // "No records found" box shown) once, in the order of the room's picture tests.
  StateReadings readings(state);
  for (const PictureCase& pictureCase : PictureCases()) {
    if (pictureCase.room != room || !readings.AllHold(pictureCase.tests)) continue;
    return RoomPicture{pictureCase.picture, OpenDirections(room, readings)};
  }
  return std::nullopt;
}

}  // namespace brackenhollow
