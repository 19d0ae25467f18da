#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterShipProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
