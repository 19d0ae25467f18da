#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterFurnitureProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
