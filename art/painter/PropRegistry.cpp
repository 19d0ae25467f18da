#include "PropRegistry.h"

#include "props/PropGroups.h"

namespace brackenhollow::art {

void PropRegistry::Add(const std::string& name, PropPainter painter) {
  painters_[name] = painter;
}

PropPainter PropRegistry::Find(const std::string& name) const {
  const auto found = painters_.find(name);
  return found == painters_.end() ? nullptr : found->second;
}

std::vector<std::string> PropRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, painter] : painters_) names.push_back(name);
  return names;
}

const PropRegistry& PropRegistry::Everything() {
  static const PropRegistry kRegistry = [] {
    PropRegistry registry;
    RegisterBackdropProps(registry);
    RegisterBuildingProps(registry);
    RegisterNatureProps(registry);
    RegisterRoomProps(registry);
    RegisterFurnitureProps(registry);
    RegisterThingProps(registry);
    RegisterCharacterProps(registry);
    RegisterWaterProps(registry);
    RegisterTownProps(registry);
    RegisterMansionOutsideProps(registry);
    RegisterMansionRoomProps(registry);
    RegisterShipProps(registry);
    return registry;
  }();
  return kRegistry;
}

}  // namespace brackenhollow::art
