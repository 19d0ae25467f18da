#pragma once
// A value read from the store: null, integer, real or text, as the game's variant.

#include <string>
#include <variant>

namespace brackenhollow {

using FieldValue = std::variant<std::monostate, long long, double, std::string>;

// Returns the value as text: a number as its decimal text, "Empty" for a null, which has no text form.
std::string FieldValueText(const FieldValue& value);

}  // namespace brackenhollow
