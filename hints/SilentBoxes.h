#pragma once
// Message boxes for actions only tried on a copy of the world: nobody is there to read them.

#include <string>

#include "store/MessageBoxes.h"

namespace brackenhollow {

class SilentBoxes : public MessageBoxes {
 public:
  void Inform(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return false; }
};

}  // namespace brackenhollow
