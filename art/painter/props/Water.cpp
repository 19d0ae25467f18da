#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterWaterProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
