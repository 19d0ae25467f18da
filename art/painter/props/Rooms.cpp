#include "Kit.h"
#include "PropGroups.h"

namespace brackenhollow::art {

void RegisterRoomProps(PropRegistry& registry) {
  (void)registry;
}

}  // namespace brackenhollow::art
