// Small path builders the prop files share.
#pragma once

#include "art/painter/Palette.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"
#include "art/painter/Sketch.h"

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace brackenhollow::art {

inline constexpr double kPi = std::numbers::pi;

// The colour at an opacity from 0 (see-through) to 1 (solid).
inline QColor WithAlpha(QRgb colour, double alpha) {
  QColor result = QColor::fromRgb(colour);
  result.setAlphaF(static_cast<float>(std::clamp(alpha, 0.0, 1.0)));
  return result;
}

// A closed path through the points.
inline QPainterPath PathThrough(std::initializer_list<QPointF> points) {
  QPainterPath path;
  path.addPolygon(QPolygonF(QList<QPointF>(points)));
  path.closeSubpath();
  return path;
}

// A rectangle with rounded corners.
inline QPainterPath RoundedBox(double x, double y, double width, double height, double radius) {
  QPainterPath path;
  path.addRoundedRect(QRectF(x, y, width, height), radius, radius);
  return path;
}

// One outline around overlapping parts (a cloud of ellipses, a tree crown), without inner lines.
inline QPainterPath Merged(const QPainterPath& parts) {
  QPainterPath merged;
  for (const QPolygonF& polygon : parts.toSubpathPolygons()) {
    QPainterPath piece;
    piece.addPolygon(polygon);
    piece.closeSubpath();
    merged = merged.united(piece);
  }
  return merged;
}

// A deterministic pseudo-random number in [0, 1) for scattering grass, stones and stars the same way on
// every build.
inline double Scatter(int seed) {
  const double value = std::sin(seed * 12.9898 + 78.233) * 43758.5453;
  return value - std::floor(value);
}

}  // namespace brackenhollow::art
