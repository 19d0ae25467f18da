#include "store/SqlText.h"

namespace brackenhollow {

std::string QuoteSqlText(const std::string& text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  for (char character : text) {
    quoted += character;
    if (character == '\'') quoted += '\'';
  }
  return quoted;
}

}  // namespace brackenhollow
