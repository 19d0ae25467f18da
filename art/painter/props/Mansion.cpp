#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterMansionProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
