#pragma once
// Message boxes nobody reads: for actions only tried on a copy of the world, and for benchmarks.
// Every question is answered No.

#include <string>

#include "store/MessageBoxes.h"

namespace brackenhollow {

class SilentBoxes : public MessageBoxes {
 public:
  void Inform(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

}  // namespace brackenhollow
