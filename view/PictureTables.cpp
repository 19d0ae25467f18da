#include "view/PictureTables.h"

#include <algorithm>

#include "world/CloseUpPictures.h"
#include "world/RoomRecord.h"

namespace brackenhollow {

namespace {

void AddOnce(std::vector<std::string>& names, std::string_view name) {
  if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
}

}  // namespace

std::vector<std::string> AllPictureNames() {
  std::vector<std::string> names;
  for (const RoomRecord& record : RoomRecords()) {
    for (const PictureCase& pictureCase : record.Pictures()) AddOnce(names, pictureCase.picture);
  }
  AddOnce(names, kTitlePicture);
  for (const char* name : kCloseUpPictures) AddOnce(names, name);
  return names;
}

std::vector<std::string> RoomPictureNames(int room) {
  std::vector<std::string> names;
  if (const RoomRecord* record = FindRoomRecord(room)) {
    for (const PictureCase& pictureCase : record->Pictures()) AddOnce(names, pictureCase.picture);
  }
  return names;
}

}  // namespace brackenhollow
