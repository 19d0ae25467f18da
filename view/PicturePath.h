#pragma once

#include <string>

namespace brackenhollow {

// Turns a picture path as the game forms it (the program's folder, then a name that begins with a
// backslash) into a file path: backslashes become slashes and a doubled separator counts as one.
std::string PictureFilePath(const std::string& picturePath);

}  // namespace brackenhollow
