// Finds the code that paints a prop by the name scene texts use for it.
#pragma once

#include "SceneBook.h"
#include "Sketch.h"

#include <map>
#include <string>
#include <vector>

namespace brackenhollow::art {

// Paints one prop around the origin; the renderer has already moved and scaled the painter to the layer's
// x, y, scale and flip. Throws SceneError for a bad parameter.
using PropPainter = void (*)(Sketch& sketch, const Layer& layer);

class PropRegistry {
 public:
  // Registers a prop; a second prop of the same name replaces the first.
  void Add(const std::string& name, PropPainter painter);
  // The painter of a prop, or nullptr when no prop has that name.
  PropPainter Find(const std::string& name) const;
  // Every registered prop name, in name order.
  std::vector<std::string> Names() const;

  // The registry with every prop of the game.
  static const PropRegistry& Everything();

 private:
  std::map<std::string, PropPainter> painters_;
};

}  // namespace brackenhollow::art
