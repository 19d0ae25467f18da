#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterCharacterProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
