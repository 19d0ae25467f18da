#pragma once
// The dialogs are laid out in the dialog units of their templates and scaled to the desktop.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

namespace brackenhollow {

// Pixels per dialog unit: the game screen fills about seven tenths of the desktop's height, within
// limits that keep it readable on small screens and not absurd on large ones.
inline double DialogScale() {
  constexpr double kGameScreenHeightUnits = 166.0;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const double available = screen != nullptr ? screen->availableGeometry().height() : 800.0;
  return std::clamp(available * 0.7 / kGameScreenHeightUnits, 3.0, 5.0);
}

inline QRect DialogRect(int x, int y, int width, int height, double scale) {
  return {static_cast<int>(x * scale), static_cast<int>(y * scale), static_cast<int>(width * scale),
          static_cast<int>(height * scale)};
}

}  // namespace brackenhollow
