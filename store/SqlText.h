#pragma once

#include <string>

namespace brackenhollow {

// Returns text with every apostrophe doubled, ready to stand between apostrophes in an SQL literal.
std::string QuoteSqlText(const std::string& text);

}  // namespace brackenhollow
