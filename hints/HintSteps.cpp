#include "hints/HintSteps.h"

#include "hints/StoreCopy.h"

namespace brackenhollow {

namespace {

constexpr int kLastStep = 3;

}  // namespace

std::string HintSteps::Next(GameDatabase& store, int room) {
  const std::uint64_t world = WorldFingerprint(store);
  if (world == 0 || world != m_world || room != m_room || m_step == 0) {
    m_hint = ComputeHint(store, room);
    m_world = world;
    m_room = room;
    m_step = 0;
  }
  if (m_step < kLastStep) ++m_step;
  return HintText(m_hint, m_step);
}

}  // namespace brackenhollow
