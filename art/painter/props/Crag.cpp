// Rock as the woodland shows it: crags built of stepped, cracked layers with moss on their ledges, a cave
// mouth going deep into one, and the cave's inside lit from its opening.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"
#include "art/painter/props/WoodKit.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brackenhollow::art {

namespace {

using namespace colours;

constexpr QRgb kRockInk = 0x221c24;
constexpr QRgb kRockLit = 0xd8d0bc;
constexpr QRgb kRockShade = 0x3a3448;
constexpr QRgb kMossGreen = 0x5f8a34;
constexpr QRgb kMossLight = 0x8fb04a;
constexpr QRgb kCaveDark = 0x0e0a10;

double Vary(std::uint32_t seed, int salt, int row = 0) {
  return LatticeValue(salt, row, seed);
}

// A jagged line across from left to right at height y (negative is up), bumped by noise.
std::vector<QPointF> JaggedLine(double left, double right, double y, double roughness, std::uint32_t seed, int salt) {
  std::vector<QPointF> points;
  const int steps = std::max(4, static_cast<int>((right - left) / 14));
  for (int step = 0; step <= steps; ++step) {
    const double x = left + (right - left) * step / steps;
    const double bump = (FractalNoise(x / 60.0, salt * 3.7, seed, 2) - 0.5) * roughness +
                        (Vary(seed, step, salt) - 0.5) * roughness * 0.35;
    points.push_back(QPointF(x, y + bump));
  }
  return points;
}

// Dabs of moss along a ledge, thicker where the light falls.
void MossAlong(QPainter& painter, const std::vector<QPointF>& ledge, double size, std::uint32_t seed) {
  painter.setPen(Qt::NoPen);
  for (std::size_t point = 0; point < ledge.size(); ++point) {
    if (Vary(seed, static_cast<int>(point), 40) < 0.45) continue;
    const QPointF at = ledge[point];
    const double grown = size * (0.55 + 0.9 * Vary(seed, static_cast<int>(point), 41));
    for (int dab = 0; dab < 3; ++dab) {
      painter.setBrush(QColor::fromRgb(dab == 2 ? kMossLight : dab == 1 ? kMossGreen : 0x3f6a2a));
      painter.drawEllipse(at + QPointF((dab - 1) * grown * 0.6, dab * -grown * 0.15 + grown * 0.25),
                          grown * (0.9 - dab * 0.2), grown * (0.45 - dab * 0.08));
    }
  }
}

// A band of rock from its jagged top down to the ground at y=0: stone with its grain, shade away from the
// light, a lit ledge along its top, upright cracks and a few facets cut across it.
void PaintStratum(Sketch& sketch, const std::vector<QPointF>& top, QRgb stone, std::uint32_t seed, int salt, bool moss) {
  QPainterPath band;
  band.moveTo(top.front().x(), 0);
  for (const QPointF& point : top) band.lineTo(point);
  band.lineTo(top.back().x(), 0);
  band.closeSubpath();
  QPainter& painter = sketch.Painter();
  if (sketch.IsSilhouette()) {
    sketch.Fill(band, stone);
    return;
  }
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.2));
  painter.setBrush(QColor::fromRgb(stone));
  painter.drawPath(band);
  sketch.Texture(band, kStone);
  const QPointF light = KeyLight(sketch);
  const QRectF bounds = band.boundingRect();
  // Facets: wedges from the ledge down, each lit or shaded by which way it leans.
  const int facets = std::max(2, static_cast<int>(bounds.width() / 40));
  painter.setPen(Qt::NoPen);
  for (int facet = 0; facet < facets; ++facet) {
    const std::size_t index = static_cast<std::size_t>(Vary(seed, facet, salt) * static_cast<double>(top.size() - 2));
    const QPointF from = top[index];
    const QPointF to = top[index + 1];
    const double drop = 14 + 30 * Vary(seed, facet, salt + 1);
    const double lean = (Vary(seed, facet, salt + 2) - 0.5) * 30;
    const bool lit = lean * light.x() < 0;
    QColor tone = QColor::fromRgb(lit ? kRockLit : kRockShade);
    tone.setAlphaF(lit ? 0.28f : 0.34f);
    painter.setBrush(tone);
    QPainterPath wedge;
    wedge.moveTo(from);
    wedge.lineTo(to);
    wedge.lineTo(to + QPointF(lean, drop));
    wedge.lineTo(from + QPointF(lean * 0.6, drop * 0.8));
    wedge.closeSubpath();
    painter.drawPath(wedge.intersected(band));
  }
  // Cool shade down the side away from the light and towards the foot.
  QLinearGradient shade(bounds.topLeft(), bounds.bottomRight());
  if (light.x() < 0) shade = QLinearGradient(bounds.topRight(), bounds.bottomLeft());
  QColor dark = QColor::fromRgb(kRockShade);
  dark.setAlphaF(0);
  shade.setColorAt(0.3, dark);
  dark.setAlphaF(0.45f);
  shade.setColorAt(1.0, dark);
  painter.setBrush(shade);
  painter.drawPath(band);
  // The lit ledge along the top.
  QPainterPath ledge;
  ledge.moveTo(top.front());
  for (const QPointF& point : top) ledge.lineTo(point);
  QPen lip(QColor::fromRgb(BlendColour(stone, kRockLit, 0.55)), 3.2);
  lip.setCapStyle(Qt::RoundCap);
  painter.setPen(lip);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(ledge.translated(0, 2.2));
  // Cracks running down from the ledge, forking.
  QPen crack(QColor::fromRgb(kRockInk), 1.3);
  painter.setPen(crack);
  const int cracks = std::max(1, static_cast<int>(bounds.width() / 70));
  for (int line = 0; line < cracks; ++line) {
    const std::size_t index = 1 + static_cast<std::size_t>(Vary(seed, line, salt + 5) * static_cast<double>(top.size() - 2));
    QPointF point = top[index] + QPointF(0, 3);
    QPainterPath path;
    path.moveTo(point);
    for (int step = 0; step < 4; ++step) {
      point += QPointF((Vary(seed, line * 5 + step, salt + 6) - 0.5) * 14, 8 + 10 * Vary(seed, line * 5 + step, salt + 7));
      path.lineTo(point);
    }
    painter.drawPath(path.intersected(band).isEmpty() ? path : path);
  }
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(ledge);
  if (moss) MossAlong(painter, top, 5.5, MixSeed(seed, static_cast<std::uint32_t>(salt)));
}

// The opening of a cave mouth w x h at the origin: dark going in, the rock's lip lit round its top, a glimpse
// of the inner walls receding and the floor running in.
void PaintMouth(Sketch& sketch, double width, double height, std::uint32_t seed) {
  QPainterPath mouth;
  mouth.moveTo(-width / 2, 2);
  constexpr int kSteps = 18;
  for (int step = 0; step <= kSteps; ++step) {
    const double angle = 3.14159265 * step / kSteps;
    const double reach = 0.92 + 0.16 * Vary(seed, step, 50);
    mouth.lineTo(-std::cos(angle) * width / 2 * reach, -std::sin(angle) * height * reach * (step % 3 == 0 ? 0.96 : 1.0));
  }
  mouth.lineTo(width / 2, 2);
  mouth.closeSubpath();
  QPainter& painter = sketch.Painter();
  if (sketch.IsSilhouette()) {
    sketch.Fill(mouth, kCaveDark);
    return;
  }
  QRadialGradient deep(QPointF(width * 0.06, -height * 0.35), width * 0.62);
  deep.setColorAt(0, QColor::fromRgb(kCaveDark));
  deep.setColorAt(0.55, QColor::fromRgb(0x1c1620));
  deep.setColorAt(1, QColor::fromRgb(0x3a3036));
  painter.setPen(Qt::NoPen);
  painter.setBrush(deep);
  painter.drawPath(mouth);
  // The inner walls: a lit sliver on the side the light reaches, receding to the dark.
  const QPointF light = KeyLight(sketch);
  const double side = light.x() > 0 ? 1 : -1;
  QPainterPath wall;
  wall.moveTo(side * width * 0.46, 0);
  wall.lineTo(side * width * 0.44, -height * 0.7);
  wall.lineTo(side * width * 0.2, -height * 0.5);
  wall.lineTo(side * width * 0.16, -height * 0.12);
  wall.closeSubpath();
  QLinearGradient fade(QPointF(side * width * 0.46, 0), QPointF(side * width * 0.16, 0));
  fade.setColorAt(0, QColor::fromRgb(0x6a5c58));
  fade.setColorAt(1, QColor::fromRgb(0x1c1620));
  painter.setBrush(fade);
  painter.drawPath(wall.intersected(mouth));
  // The floor running in, paling at the lip.
  QPainterPath floor;
  floor.moveTo(-width * 0.48, 2);
  floor.quadTo(-width * 0.1, -height * 0.12, width * 0.0, -height * 0.2);
  floor.quadTo(width * 0.12, -height * 0.12, width * 0.48, 2);
  floor.closeSubpath();
  QLinearGradient ground(0, 2, 0, -height * 0.2);
  ground.setColorAt(0, QColor::fromRgb(0x6e5a48));
  ground.setColorAt(1, QColor::fromRgb(0x1c1620));
  painter.setBrush(ground);
  painter.drawPath(floor.intersected(mouth));
  // The lip: heavy ink, a lit edge along the top of the arch.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 4));
  painter.drawPath(mouth);
  QPainterPath arch;
  for (int step = 2; step <= kSteps - 2; ++step) {
    const double angle = 3.14159265 * step / kSteps;
    const double reach = 0.92 + 0.16 * Vary(seed, step, 50);
    const QPointF point(-std::cos(angle) * width / 2 * reach, -std::sin(angle) * height * reach * (step % 3 == 0 ? 0.96 : 1.0) - 4);
    if (step == 2) arch.moveTo(point);
    else arch.lineTo(point);
  }
  QPen lip(QColor::fromRgb(0xbab2a2), 3);
  lip.setCapStyle(Qt::RoundCap);
  painter.setPen(lip);
  painter.drawPath(arch);
}

// A crag w wide and h high standing on the origin: stepped layers of cracked, faceted rock with moss on
// their ledges and ferns at its foot. mouth=yes opens a cave w x h at mouth-x; blocked=yes heaps boulders in it.
void PaintCrag(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 400);
  const double height = layer.Number("h", 220);
  const QRgb stone = layer.Colour("colour", 0x8a8478);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  const int layers = static_cast<int>(layer.Number("layers", 4));
  const bool mouth = layer.Flag("mouth", false);
  const double mouthX = layer.Number("mouth-x", 0);
  const double mouthWidth = layer.Number("mouth-w", width * 0.35);
  const double mouthHeight = layer.Number("mouth-h", height * 0.55);
  const bool blocked = layer.Flag("blocked", false);
  // The outcrop's outline: a peak off centre, shoulders stepping down to the ground on either side.
  const double peak = (Vary(seed, 60) - 0.5) * width * 0.3;
  QPainterPath outline;
  outline.moveTo(-width / 2, 2);
  for (double x = -width / 2; x <= width / 2; x += 8) {
    const double share = x < peak ? (x + width / 2) / (peak + width / 2) : (width / 2 - x) / (width / 2 - peak);
    const double step = std::floor(share * 4 + FractalNoise(x / 40.0, 2.5, seed, 2) * 1.2) / 4;
    const double rise = std::pow(std::clamp(0.55 * share + 0.45 * step, 0.0, 1.0), 0.7);
    outline.lineTo(x, -height * rise * (0.9 + 0.2 * FractalNoise(x / 25.0, 7.5, seed, 2)));
  }
  outline.lineTo(width / 2, 2);
  outline.closeSubpath();
  QPainter& painter = sketch.Painter();
  if (sketch.IsSilhouette()) {
    sketch.Fill(outline, stone);
  } else {
    painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.6));
    painter.setBrush(QColor::fromRgb(stone));
    painter.drawPath(outline);
    sketch.Texture(outline, kStone);
    painter.save();
    painter.setClipPath(outline);
    // Tilted beds of rock: each a band with facets, a lit ledge along its top and shade under its lip.
    const double tilt = (Vary(seed, 61) - 0.5) * 0.35;
    for (int band = layers; band >= 0; --band) {
      const double y = -height * (band + 0.3 * Vary(seed, band, 62)) / layers;
      std::vector<QPointF> line = JaggedLine(-width / 2 - 10, width / 2 + 10, y, height * 0.08, seed, band + 1);
      for (QPointF& point : line) point.ry() += point.x() * tilt;
      const QRgb tone = BlendColour(stone, band % 2 ? 0x5a5460 : 0xaaa292, 0.2 + 0.25 * Vary(seed, band, 63));
      PaintStratum(sketch, line, tone, seed, band * 10 + 3, true);
    }
    painter.restore();
    painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    // Moss and grass along the crown.
    std::vector<QPointF> crown;
    for (double x = -width / 2 + 12; x < width / 2 - 12; x += 12) {
      double top = 0;
      for (double y = -height * 1.3; y < 0; y += 2)
        if (outline.contains(QPointF(x, y))) {
          top = y;
          break;
        }
      crown.push_back(QPointF(x, top + 2));
    }
    MossAlong(painter, crown, 6, MixSeed(seed, 99));
  }
  if (sketch.IsSilhouette() && !mouth) return;
  if (mouth) {
    sketch.Painter().save();
    sketch.Painter().translate(mouthX, 0);
    PaintMouth(sketch, mouthWidth, mouthHeight, seed);
    if (blocked) {
      // Boulders heaped in the mouth, the dark showing over them.
      const double sizes[] = {0.27, 0.23, 0.28, 0.17, 0.19};
      const double places[][2] = {{-0.26, 0}, {0.04, 0.02}, {0.3, 0}, {-0.12, -0.3}, {0.18, -0.28}};
      for (int rock = 0; rock < 5; ++rock) {
        sketch.Painter().save();
        sketch.Painter().translate(places[rock][0] * mouthWidth, places[rock][1] * mouthHeight);
        const double size = sizes[rock] * mouthWidth;
        PaintFacetedRock(sketch, size * 2.1, size * 1.5, MixSeed(seed, static_cast<std::uint32_t>(rock + 70)),
                         rock % 2 ? kStone : 0x968e80);
        if (!sketch.IsSilhouette()) {
          sketch.Painter().setPen(Qt::NoPen);
          sketch.Painter().setBrush(QColor::fromRgb(kMossGreen));
          sketch.Painter().drawEllipse(QPointF(-size * 0.2, -size * 1.22), size * 0.35, size * 0.1);
        }
        sketch.Painter().restore();
      }
    }
    sketch.Painter().restore();
  }
  if (sketch.IsSilhouette()) return;
  // Ferns and moss at the foot, grass tucked against the rock.
  for (int fern = 0; fern < 5; ++fern) {
    const double x = -width / 2 + width * (0.05 + 0.9 * Vary(seed, fern, 62));
    if (mouth && std::abs(x - mouthX) < mouthWidth * 0.6) continue;
    sketch.Painter().save();
    sketch.Painter().translate(x, 4);
    PaintFern(sketch, 26 + 20 * Vary(seed, fern, 63), MixSeed(seed, static_cast<std::uint32_t>(fern + 80)), 0x4f8a34);
    sketch.Painter().restore();
  }
}

// The bottom of a cave filling the frame: rough walls of layered rock closing in, a ceiling hung with
// dripstones, the way out an opening on the side opening= (left or right) full of daylight that slants
// in and pools on the floor, the cave running on into darkness at the back; the rest lies in deep shade.
void PaintCaveHall(Sketch& sketch, const Layer& layer) {
  const double floor = layer.Number("floor", 250);
  const std::string side = layer.Word("opening", "left");
  if (side != "left" && side != "right") throw SceneError(layer.Where() + ": cave-hall opening must be left or right");
  const bool left = side == "left";
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  QPainter& painter = sketch.Painter();
  if (sketch.IsSilhouette()) return;
  painter.save();
  if (!left) {
    painter.translate(kFrameWidth, 0);
    painter.scale(-1, 1);
  }
  // The back: the cave running on into the dark.
  QRadialGradient back(QPointF(380, floor - 60), 300);
  back.setColorAt(0, QColor::fromRgb(kCaveDark));
  back.setColorAt(0.35, QColor::fromRgb(0x241c26));
  back.setColorAt(1, QColor::fromRgb(0x4a3e44));
  painter.setPen(Qt::NoPen);
  painter.setBrush(back);
  painter.drawRect(QRectF(0, 0, kFrameWidth, kFrameHeight));
  // The right wall closing in: one rough mass, cracked, its edge towards the opening catching the light.
  QPainterPath wallRight = PathThrough({At(kFrameWidth + 10, -10), At(410, -10), At(468, 70), At(448, 150), At(492, floor - 40),
                                        At(468, floor + 24), At(kFrameWidth + 10, floor + 50)});
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.4));
  painter.setBrush(QColor::fromRgb(0x54484a));
  painter.drawPath(wallRight);
  sketch.Texture(wallRight, kStone);
  painter.setPen(QPen(QColor::fromRgb(0x8a7c70), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolyline(QPolygonF({At(414, 0), At(470, 70), At(450, 150), At(494, floor - 40)}));
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 1.4));
  for (int crack = 0; crack < 5; ++crack) {
    const double x = 500 + crack * 20 + Vary(seed, crack, 2) * 10;
    const double y = 40 + Vary(seed, crack, 3) * (floor - 60);
    painter.drawPolyline(QPolygonF({At(x, y), At(x + 6, y + 14), At(x + 2, y + 30), At(x + 9, y + 44)}));
  }
  // The left wall with the opening cut through it.
  QPainterPath wallLeft = PathThrough({At(-10, -10), At(250, -10), At(200, 40), At(215, 120), At(190, floor - 30), At(240, floor + 30),
                                       At(-10, floor + 60)});
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.4));
  painter.setBrush(QColor::fromRgb(0x5e5250));
  painter.drawPath(wallLeft);
  sketch.Texture(wallLeft, kStone);
  // The opening: daylight, the forest outside hazed, the sill of rock.
  QPainterPath opening;
  opening.moveTo(44, floor + 10);
  const double openingTop = 70;
  for (int step = 0; step <= 12; ++step) {
    const double angle = 3.14159265 * step / 12;
    const double reach = 0.9 + 0.2 * Vary(seed, step, 5);
    opening.lineTo(110 - std::cos(angle) * 66 * reach, floor + 10 - std::sin(angle) * (floor + 10 - openingTop) * reach);
  }
  opening.closeSubpath();
  QLinearGradient day(0, openingTop, 0, floor + 10);
  day.setColorAt(0, QColor::fromRgb(0xf4f6e0));
  day.setColorAt(0.55, QColor::fromRgb(0xcfe0b0));
  day.setColorAt(1, QColor::fromRgb(0x9abf74));
  painter.setPen(Qt::NoPen);
  painter.setBrush(day);
  painter.drawPath(opening);
  painter.save();
  painter.setClipPath(opening);
  for (int tree = 0; tree < 5; ++tree) {
    const double x = 60 + tree * 26 + Vary(seed, tree, 6) * 10;
    painter.setBrush(QColor::fromRgb(0x8aa88a));
    painter.drawRect(QRectF(x - 2, floor - 80, 4, 90));
    painter.setBrush(QColor::fromRgb(tree % 2 ? 0x9cba8c : 0x86a67a));
    painter.drawEllipse(QPointF(x, floor - 100 - 20 * Vary(seed, tree, 7)), 20, 28);
  }
  painter.setBrush(QColor::fromRgb(0xb8d08a));
  painter.drawRect(QRectF(40, floor - 20, 150, 40));
  painter.restore();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 3.5));
  painter.drawPath(opening);
  // Light catching the rim of the opening.
  painter.setPen(QPen(QColor::fromRgb(0xd8cca8), 2.5));
  painter.drawPath(opening.translated(4, 2));
  // The ceiling: a heavy band of rock hung with dripstones, lit on the side facing the opening.
  std::vector<QPointF> ceilingEdge = JaggedLine(-10, kFrameWidth + 10, 46, 30, seed, 9);
  QPainterPath ceiling;
  ceiling.moveTo(-10, -10);
  for (const QPointF& point : ceilingEdge) ceiling.lineTo(point);
  ceiling.lineTo(kFrameWidth + 10, -10);
  ceiling.closeSubpath();
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2.4));
  painter.setBrush(QColor::fromRgb(0x4a4046));
  painter.drawPath(ceiling);
  sketch.Texture(ceiling, kStone);
  for (int drip = 0; drip < 13; ++drip) {
    const double x = 180 + drip * 33 + (Vary(seed, drip, 10) - 0.5) * 20;
    const double length = 18 + 60 * Vary(seed, drip, 11) * Vary(seed, drip, 12);
    const double base = 7 + 8 * Vary(seed, drip, 13);
    const double rootY = 46 + (FractalNoise(x / 60.0, 9 * 3.7, seed, 2) - 0.5) * 30 - 4;
    QPainterPath stone;
    stone.moveTo(x - base, rootY);
    stone.quadTo(x - base * 0.3, rootY + length * 0.5, x, rootY + length);
    stone.quadTo(x + base * 0.35, rootY + length * 0.45, x + base, rootY);
    stone.closeSubpath();
    painter.setPen(QPen(QColor::fromRgb(kRockInk), 1.6));
    painter.setBrush(QColor::fromRgb(0x6a5e5a));
    painter.drawPath(stone);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(0xa89a88));
    painter.drawPath(PathThrough({At(x - base * 0.8, rootY + 1), At(x - base * 0.2, rootY + length * 0.7), At(x - base * 0.4, rootY + 1)}));
  }
  // The floor: trodden earth and stone slabs receding to the dark, pebbles, damp glints.
  QPainterPath ground;
  ground.moveTo(-10, floor + 30);
  ground.cubicTo(160, floor - 10, 380, floor - 30, kFrameWidth + 10, floor + 10);
  ground.lineTo(kFrameWidth + 10, kFrameHeight + 10);
  ground.lineTo(-10, kFrameHeight + 10);
  ground.closeSubpath();
  QLinearGradient soil(0, floor - 30, 0, kFrameHeight);
  soil.setColorAt(0, QColor::fromRgb(0x2e2628));
  soil.setColorAt(1, QColor::fromRgb(0x6a5646));
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 2));
  painter.setBrush(soil);
  painter.drawPath(ground);
  sketch.Texture(ground, kDirtDark);
  for (int slab = 0; slab < 9; ++slab) {
    const double depth = Vary(seed, slab, 14);
    const double y = floor + 20 + depth * (kFrameHeight - floor - 20);
    const double x = Vary(seed, slab, 15) * kFrameWidth;
    const double size = 12 + depth * 40;
    painter.setPen(QPen(QColor::fromRgb(kRockInk), 1.2));
    painter.setBrush(QColor::fromRgb(BlendColour(0x4a4046, 0x8a7c6c, depth)));
    painter.drawPath(PathThrough({At(x - size, y), At(x - size * 0.6, y - size * 0.3), At(x + size * 0.7, y - size * 0.25), At(x + size, y + 2),
                                  At(x + size * 0.2, y + size * 0.12)}));
  }
  // Daylight through the opening: a shaft slanting in and a pool on the floor; the rest of the cave dark.
  QPainterPath shaft;
  shaft.moveTo(60, openingTop + 20);
  shaft.lineTo(170, openingTop + 10);
  shaft.lineTo(440, kFrameHeight);
  shaft.lineTo(150, kFrameHeight);
  shaft.closeSubpath();
  QLinearGradient beam(60, openingTop, 300, kFrameHeight);
  QColor warm = QColor::fromRgb(0xfff2c8);
  warm.setAlphaF(0.22f);
  beam.setColorAt(0, warm);
  warm.setAlphaF(0.04f);
  beam.setColorAt(1, warm);
  painter.setPen(Qt::NoPen);
  painter.setBrush(beam);
  painter.drawPath(shaft);
  painter.restore();
  const double openingX = left ? 110 : kFrameWidth - 110;
  const double poolX = left ? 290 : kFrameWidth - 290;
  sketch.Veil(kCaveDark, layer.Number("dark", 0.5));
  sketch.Glow(openingX, floor - 60, 170, 0xfff2c8, 0.9);
  sketch.LightPool(poolX, floor + 95, 210, 70, 0xffe6b0, 0.7);
}


// A gorge across the frame: its far cliff from the far edge at top= down into mist, beds of rock lit along
// their ledges, trees' roots and moss over the far lip; the near lip at bottom= with grass and rock and the
// near bank below it. Put at the origin.
void PaintGorge(Sketch& sketch, const Layer& layer) {
  const double top = layer.Number("top", 230);
  const double bottom = layer.Number("bottom", 320);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  QPainter& painter = sketch.Painter();
  QPainterPath face;
  face.addRect(QRectF(-10, top, kFrameWidth + 20, bottom - top + 20));
  if (sketch.IsSilhouette()) {
    sketch.Fill(face, kStoneDark);
    return;
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(0x7a7468));
  painter.drawPath(face);
  sketch.Texture(face, kStone);
  painter.save();
  painter.setClipPath(face);
  for (int band = 0; band < 5; ++band) {
    std::vector<QPointF> line = JaggedLine(-20, kFrameWidth + 20, top + 6 + band * (bottom - top) * 0.16, 10, seed, band + 20);
    painter.save();
    std::vector<QPointF> shifted;
    const double base = line.front().y();
    for (const QPointF& point : line) shifted.push_back(point - QPointF(0, base));
    painter.translate(0, base);
    PaintStratum(sketch, shifted, BlendColour(0x8a8274, band % 2 ? 0x5a5460 : 0xb0a894, 0.3), seed, band * 9 + 40, band == 0);
    painter.restore();
  }
  // Upright joints split the beds into columns.
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 1.3));
  for (int joint = 0; joint < 22; ++joint) {
    const double x = joint * 28 + Vary(seed, joint, 35) * 14;
    const double from = top + 4 + Vary(seed, joint, 36) * 20;
    painter.drawLine(QPointF(x, from), QPointF(x + (Vary(seed, joint, 37) - 0.5) * 8, from + 24 + 40 * Vary(seed, joint, 38)));
  }
  // The face falls into shade under the far lip, then into mist rising out of the depth.
  QLinearGradient mist(0, top, 0, bottom + 10);
  QColor shade = QColor::fromRgb(0x2a2634);
  shade.setAlphaF(0.1f);
  mist.setColorAt(0, shade);
  shade.setAlphaF(0.55f);
  mist.setColorAt(0.5, shade);
  QColor haze = QColor::fromRgb(sketch.Air().HasHaze() ? sketch.Air().Haze() : 0xdde2e6);
  haze.setAlphaF(0.9f);
  mist.setColorAt(1, haze);
  painter.setBrush(mist);
  painter.drawRect(QRectF(-10, top, kFrameWidth + 20, bottom - top + 20));
  painter.restore();
  // The far lip: grass and roots hanging over the edge.
  std::vector<QPointF> lip = JaggedLine(-10, kFrameWidth + 10, top, 6, seed, 30);
  QPen root(QColor::fromRgb(0x4a3a2c), 1.6);
  painter.setPen(root);
  for (int hang = 0; hang < 24; ++hang) {
    const double x = Vary(seed, hang, 31) * kFrameWidth;
    painter.drawLine(QPointF(x, top), QPointF(x + (Vary(seed, hang, 32) - 0.5) * 10, top + 8 + 22 * Vary(seed, hang, 33)));
  }
  MossAlong(painter, lip, 5, seed);
  // The near bank: its rocky lip, grass on top.
  std::vector<QPointF> near = JaggedLine(-10, kFrameWidth + 10, bottom, 14, seed, 34);
  QPainterPath bank;
  bank.moveTo(-10, kFrameHeight + 10);
  for (const QPointF& point : near) bank.lineTo(point);
  bank.lineTo(kFrameWidth + 10, kFrameHeight + 10);
  bank.closeSubpath();
  sketch.Shape(bank, kGrassDark);
  QPainterPath rim;
  rim.moveTo(near.front());
  for (const QPointF& point : near) rim.lineTo(point + QPointF(0, 5));
  QPen rock(QColor::fromRgb(0x8a8478), 7);
  rock.setCapStyle(Qt::RoundCap);
  painter.setPen(rock);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(rim);
  painter.setPen(QPen(QColor::fromRgb(kRockInk), 1.8));
  painter.drawPath(rim.translated(0, 4));
}

}  // namespace

void RegisterCragProps(PropRegistry& registry) {
  registry.Add("crag", PaintCrag);
  registry.Add("cave-hall", PaintCaveHall);
  registry.Add("gorge", PaintGorge);
}

}  // namespace brackenhollow::art
