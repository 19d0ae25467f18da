#include "art/painter/Atmosphere.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>

namespace brackenhollow::art {

namespace {

// The light map holds twice daylight at most: a level of 1 is stored as this value.
constexpr double kDaylightLevel = 120.0;
// Pixels darker than this keep their darkness under light: they are the ink of outlines.
constexpr int kInkBrightness = 70;
constexpr int kLitBrightness = 120;

// How much of the light above daylight a pixel of this brightness takes: none for ink, all for bright paint.
double LitShare(int brightness) {
  return std::clamp((brightness - kInkBrightness) / static_cast<double>(kLitBrightness - kInkBrightness), 0.0, 1.0);
}

// A channel's value under a stored light level. Ink may be darkened but not lit: above daylight, light fades
// in only on brighter pixels.
int LitChannel(int value, int stored, double litShare) {
  double factor = stored / kDaylightLevel;
  if (factor > 1.0) factor = 1.0 + (factor - 1.0) * litShare;
  return std::clamp(static_cast<int>(value * factor + 0.5), 0, 255);
}

// Every channel value under every light level, for ink and for fully lit paint: most pixels are one or the
// other, and a look-up is much cheaper than the arithmetic.
struct LightTables {
  std::array<std::array<std::uint8_t, 256>, 256> ink;  // [stored][value]
  std::array<std::array<std::uint8_t, 256>, 256> lit;
};

const LightTables& Tables() {
  static const LightTables tables = [] {
    LightTables made;
    for (int stored = 0; stored < 256; ++stored)
      for (int value = 0; value < 256; ++value) {
        made.ink[stored][value] = static_cast<std::uint8_t>(LitChannel(value, stored, LitShare(0)));
        made.lit[stored][value] = static_cast<std::uint8_t>(LitChannel(value, stored, LitShare(255)));
      }
    return made;
  }();
  return tables;
}

}  // namespace

bool Atmosphere::SetLightFrom(const std::string& side) {
  // Light from a side throws long shadows across; from above short ones; from behind the eye they run
  // straight away from it.
  if (side == "left") {
    m_lightDirection = QPointF(0.83, 0.55);
    m_shadowSlant = QPointF(0.6, 0.24);
  } else if (side == "right") {
    m_lightDirection = QPointF(-0.83, 0.55);
    m_shadowSlant = QPointF(-0.6, 0.24);
  } else if (side == "above") {
    m_lightDirection = QPointF(0.2, 0.98);
    m_shadowSlant = QPointF(0.18, 0.1);
  } else if (side == "front") {
    m_lightDirection = QPointF(0.1, 0.99);
    m_shadowSlant = QPointF(0.08, 0.42);
  } else {
    return false;
  }
  return true;
}

void Atmosphere::SetAmbient(double red, double green, double blue) {
  m_ambient[0] = red;
  m_ambient[1] = green;
  m_ambient[2] = blue;
}

void Atmosphere::AddPool(const QTransform& toPixels, const QPainterPath& shape, QPointF centre, double radius,
                         QRgb colour, double strength) {
  m_pools.push_back({toPixels, shape, centre, radius, colour, strength});
}

void Atmosphere::Light(QImage& picture) const {
  const bool daylight = m_ambient[0] == 1.0 && m_ambient[1] == 1.0 && m_ambient[2] == 1.0;
  if (daylight && m_pools.empty()) return;
  const auto level = [](double light) { return std::clamp(static_cast<int>(light * kDaylightLevel + 0.5), 0, 255); };
  QImage map(picture.size(), QImage::Format_RGB32);
  map.fill(qRgb(level(m_ambient[0]), level(m_ambient[1]), level(m_ambient[2])));
  {
    QPainter painter(&map);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setPen(Qt::NoPen);
    for (const Pool& pool : m_pools) {
      // A smooth falloff: bright core, long soft edge, nothing at the radius.
      QRadialGradient gradient(pool.centre, pool.radius);
      const auto stop = [&](double at, double share) {
        gradient.setColorAt(at, QColor(level(qRed(pool.colour) / 255.0 * pool.strength * share),
                                       level(qGreen(pool.colour) / 255.0 * pool.strength * share),
                                       level(qBlue(pool.colour) / 255.0 * pool.strength * share)));
      };
      stop(0.0, 1.0);
      stop(0.25, 0.75);
      stop(0.55, 0.35);
      stop(0.8, 0.1);
      stop(1.0, 0.0);
      painter.setTransform(pool.toPixels);
      painter.setBrush(gradient);
      painter.drawPath(pool.shape);
    }
  }
  QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const LightTables& tables = Tables();
  for (int row = 0; row < rgb.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(rgb.scanLine(row));
    const auto* light = reinterpret_cast<const QRgb*>(map.constScanLine(row));
    for (int column = 0; column < rgb.width(); ++column) {
      const QRgb pixel = line[column];
      const int brightness = qGray(pixel);
      const QRgb stored = light[column];
      if (brightness <= kInkBrightness || brightness >= kLitBrightness) {
        // Fully ink or fully lit: the answer for every value and level is in a table.
        const auto& table = brightness <= kInkBrightness ? tables.ink : tables.lit;
        line[column] = qRgb(table[qRed(stored)][qRed(pixel)], table[qGreen(stored)][qGreen(pixel)],
                            table[qBlue(stored)][qBlue(pixel)]);
        continue;
      }
      const double litShare = LitShare(brightness);
      line[column] = qRgb(LitChannel(qRed(pixel), qRed(stored), litShare), LitChannel(qGreen(pixel), qGreen(stored), litShare),
                          LitChannel(qBlue(pixel), qBlue(stored), litShare));
    }
  }
  picture = rgb;
}

}  // namespace brackenhollow::art
