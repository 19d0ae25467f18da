// Finds the code that paints a prop by the name scene texts use for it.
#pragma once

#include "art/painter/SceneBook.h"
#include "art/painter/Sketch.h"

#include <map>
#include <string>
#include <vector>

namespace brackenhollow::art {

// Paints one prop around the origin; the renderer has already moved and scaled the painter to the layer's
// x, y, scale and flip. Throws SceneError for a bad parameter.
using PropPainter = void (*)(Sketch& sketch, const Layer& layer);

class PropRegistry {
 public:
  // Registers a prop; footprint is half the width of its foot at scale 1 for things that stand on the ground
  // and throw a contact shadow (0 for everything else). Throws std::logic_error when a prop of that name is already registered, since one
  // of the two would silently never be painted.
  void Add(const std::string& name, PropPainter painter, double footprint = 0);
  // The painter of a prop, or nullptr when no prop has that name.
  PropPainter Find(const std::string& name) const;
  // Half the width of the prop's foot, 0 when it throws no contact shadow or is unknown.
  double Footprint(const std::string& name) const;
  // Every registered prop name, in name order.
  std::vector<std::string> Names() const;

  // The registry with every prop of the game.
  static const PropRegistry& Everything();

 private:
  struct Entry {
    PropPainter painter = nullptr;
    double footprint = 0;
  };
  std::map<std::string, Entry> m_painters;
};

}  // namespace brackenhollow::art
