#include "view/PictureSelection.h"

#include <map>
#include <utility>

#include "store/GameState.h"
#include "view/PictureTables.h"

namespace brackenhollow {

std::optional<RoomPicture> SelectRoomPicture(int room, GameState& state) {
  return SelectRoomPicture(room, [&state](const StateTest& test) {
    return test.kind == StateTest::Kind::Status ? state.GetActionStatus(test.name) : state.GetObjectGone(test.name);
  });
}

std::optional<RoomPicture> SelectRoomPicture(int room, const StateReader& reader) {
  // A test shared by several cases of a room reads the store once, so the reads (and any "No records
  // found" box) come in the order of the room's tests.
  std::map<std::pair<StateTest::Kind, std::string>, std::string> readings;
  auto read = [&](const StateTest& test) -> const std::string& {
    const auto key = std::make_pair(test.kind, test.name);
    auto found = readings.find(key);
    if (found == readings.end()) found = readings.emplace(key, reader(test)).first;
    return found->second;
  };
  for (const PictureCase& pictureCase : PictureCases()) {
    if (pictureCase.room != room) continue;
    bool holds = true;
    for (const StateTest& test : pictureCase.tests) {
      if ((read(test) == test.literal) != test.equal) {
        holds = false;
        break;
      }
    }
    if (holds) return RoomPicture{pictureCase.picture, pictureCase.directions};
  }
  return std::nullopt;
}

}  // namespace brackenhollow
