#include "art/painter/PropRegistry.h"

#include "art/painter/props/PropGroups.h"

#include <stdexcept>

namespace brackenhollow::art {

void PropRegistry::Add(const std::string& name, PropPainter painter, double footprint) {
  if (!m_painters.emplace(name, Entry{painter, footprint}).second) throw std::logic_error("two props are named " + name);
}

PropPainter PropRegistry::Find(const std::string& name) const {
  const auto found = m_painters.find(name);
  return found == m_painters.end() ? nullptr : found->second.painter;
}

double PropRegistry::Footprint(const std::string& name) const {
  const auto found = m_painters.find(name);
  return found == m_painters.end() ? 0 : found->second.footprint;
}

std::vector<std::string> PropRegistry::Names() const {
  std::vector<std::string> names;
  for (const auto& [name, painter] : m_painters) names.push_back(name);
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
    RegisterOrganicProps(registry);
    RegisterMazeProps(registry);
    RegisterFieldSightProps(registry);
    RegisterMasonryProps(registry);
    RegisterFieldProps(registry);
    RegisterIceProps(registry);
    RegisterForegroundProps(registry);
    RegisterMansionCloseUpProps(registry);
    RegisterOutdoorCloseUpProps(registry);
    RegisterWoodlandProps(registry);
    RegisterCragProps(registry);
    RegisterScrapProps(registry);
    return registry;
  }();
  return kRegistry;
}

}  // namespace brackenhollow::art
