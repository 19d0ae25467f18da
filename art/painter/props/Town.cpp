#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterTownProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
