#include "store/FieldValue.h"

#include <cstdio>

namespace brackenhollow {

std::string FieldValueText(const FieldValue& value) {
  if (const auto* text = std::get_if<std::string>(&value)) return *text;
  if (const auto* integer = std::get_if<long long>(&value)) return std::to_string(*integer);
  if (const auto* real = std::get_if<double>(&value)) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", *real);
    return buffer;
  }
  return "Empty";
}

}  // namespace brackenhollow
