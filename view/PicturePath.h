#pragma once

#include <string>

namespace brackenhollow {

// Turns a picture path as the game forms it (the program's folder, then a name that begins with a
// backslash) into a file path: backslashes become slashes and the path is cleaned as QDir does it, so a
// doubled separator counts as one. Returns an empty text for an empty path.
std::string PictureFilePath(const std::string& picturePath);

}  // namespace brackenhollow
