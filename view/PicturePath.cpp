#include "view/PicturePath.h"

namespace brackenhollow {

std::string PictureFilePath(const std::string& picturePath) {
  std::string path;
  path.reserve(picturePath.size());
  for (char character : picturePath) {
    const char separator = character == '\\' ? '/' : character;
    if (separator == '/' && !path.empty() && path.back() == '/') continue;
    path += separator;
  }
  return path;
}

}  // namespace brackenhollow
