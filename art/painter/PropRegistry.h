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
  // Registers a prop. Throws std::logic_error when a prop of that name is already registered, since one
  // of the two would silently never be painted.
  void Add(const std::string& name, PropPainter painter);
  // The painter of a prop, or nullptr when no prop has that name.
  PropPainter Find(const std::string& name) const;
  // Every registered prop name, in name order.
  std::vector<std::string> Names() const;

  // The registry with every prop of the game.
  static const PropRegistry& Everything();

 private:
  std::map<std::string, PropPainter> m_painters;
};

}  // namespace brackenhollow::art
