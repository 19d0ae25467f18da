#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterThingProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
