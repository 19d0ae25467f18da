// The coast seen from the sand: a sea running to its horizon in rows of waves, surf breaking on a slanting
// shore, wet sand mirroring the sky; a round lighthouse of stone courses; the end of the pier.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
#include "art/painter/props/Shared.h"

#include "art/painter/Noise.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace brackenhollow::art {

namespace {

using namespace colours;


// The colours of one kind of water, far to near.
struct WaterColours {
  QRgb far, middle, near, trough, crest;
};

WaterColours WaterOf(bool thick) {
  if (thick) return {0x3a3a9c, 0x3531b8, 0x4f5cf0, 0x24208a, 0xa8b0ff};
  return {0x6f9cc4, 0x3b82c4, 0x2f74b0, 0x245a8c, 0xd8ecf8};
}

// Where the water meets the sand at frame x: a line from left to right bowed by bow.
double WaterlineAt(double x, double left, double right, double bow) {
  const double along = x / kFrameWidth;
  return left + (right - left) * along - bow * 4 * along * (1 - along);
}

// Rows of waves from the horizon to the waterline, crowding and thinning into the distance: each crest a lit
// stroke over a darker trough, the gaps between them grown from the seed.
void PaintWaveRows(Sketch& sketch, double horizon, const std::function<double(double)>& waterline,
                   const WaterColours& water, std::uint32_t seed) {
  QPainter& painter = sketch.Painter();
  constexpr int kRows = 30;
  for (int row = 1; row < kRows; ++row) {
    const double depth = std::pow(row / static_cast<double>(kRows), 1.7);  // 0 at the horizon, 1 at the shore
    double x = -20 - LatticeValue(row, 1, seed) * 40;
    int crest = 0;
    while (x < kFrameWidth + 20) {
      const double length = (14 + 70 * depth) * (0.6 + LatticeValue(row, crest, seed) * 0.8);
      const double centre = x + length / 2;
      const double base = horizon + (waterline(centre) - horizon) * depth;
      const double rise = 0.6 + 5 * depth;
      QPainterPath trough;
      trough.moveTo(x, base);
      trough.quadTo(centre, base + rise * 1.2, x + length, base);
      trough.quadTo(centre, base - rise * 0.3, x, base);
      painter.setPen(Qt::NoPen);
      painter.setBrush(WithAlpha(water.trough, 0.35 + 0.3 * depth));
      painter.drawPath(trough);
      QPainterPath gloss;
      gloss.moveTo(x + length * 0.15, base - rise * 0.2);
      gloss.quadTo(centre, base - rise, x + length * 0.85, base - rise * 0.2);
      QPen pen(WithAlpha(water.crest, 0.35 + 0.45 * depth));
      pen.setWidthF(0.5 + 1.8 * depth);
      pen.setCapStyle(Qt::RoundCap);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(gloss);
      x += length * (1.1 + LatticeValue(crest, row, seed) * 1.3);
      ++crest;
    }
  }
}

// A wave breaking along the shore: a dark curling face under a lumpy white crest, foam washing up the sand
// in a lace of holes and a thin glassy sheet with a bright edge.
void PaintSurf(Sketch& sketch, const std::function<double(double)>& waterline, const WaterColours& water,
               std::uint32_t seed, double size, double horizon) {
  QPainter& painter = sketch.Painter();
  // Surf further off is smaller: its size follows how far below the horizon the shore lies.
  const auto sizeAt = [&](double x) { return size * std::clamp((waterline(x) - horizon) / 110.0, 0.12, 1.4); };
  // The face of the breaking wave, just off the shore.
  QPainterPath face;
  QPainterPath crest;
  constexpr int kSteps = 40;
  QPolygonF top;
  QPolygonF bottom;
  for (int step = 0; step <= kSteps; ++step) {
    const double x = step * kFrameWidth / static_cast<double>(kSteps);
    const double line = waterline(x);
    const double near = sizeAt(x);
    const double height = near * (0.7 + 0.6 * ValueNoise(x / 70.0, 3, seed));
    top << QPointF(x, line - near * 1.6 - height);
    bottom.prepend(QPointF(x, line - near * 1.6));
  }
  face.addPolygon(top + bottom);
  face.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(WithAlpha(water.trough, 0.85));
  painter.drawPath(face);
  // The white crest: a band along the top of the face, lumpy with overlapping spray.
  QPolygonF crestBand;
  for (const QPointF& point : top) crestBand << point + QPointF(0, -1);
  for (int step = kSteps; step >= 0; --step) {
    const double x = step * kFrameWidth / static_cast<double>(kSteps);
    crestBand << QPointF(x, top[step].y() + sizeAt(x) * 0.7);
  }
  crest.addPolygon(crestBand);
  crest.closeSubpath();
  for (int lump = 0; lump < 90; ++lump) {
    const double x = (lump + LatticeValue(lump, 2, seed)) * kFrameWidth / 88.0 - 6;
    const double near = sizeAt(x);
    const double y = waterline(x) - near * 1.6 - near * (0.7 + 0.6 * ValueNoise(x / 70.0, 3, seed));
    const double radius = near * (0.35 + 0.45 * LatticeValue(lump, 3, seed));
    crest.addEllipse(QPointF(x, y + radius * 0.1), radius * 1.5, radius * 0.75);
  }
  const QPainterPath crestShape = Merged(crest);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(kFoam));
  painter.drawPath(crestShape);
  painter.setBrush(WithAlpha(water.trough, 0.25));
  painter.drawPath(crestShape.translated(0, 2).subtracted(crestShape.translated(0, -1)));
  QPen foamEdge(WithAlpha(kInk, 0.35));
  foamEdge.setWidthF(0.8);
  painter.setPen(foamEdge);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(crestShape);

  // Foam spread between the wave and the sand, full of holes.
  for (int patch = 0; patch < 70; ++patch) {
    const double x = LatticeValue(patch, 4, seed) * kFrameWidth;
    const double line = waterline(x);
    const double near = sizeAt(x);
    const double y = line - near * 1.4 + LatticeValue(patch, 5, seed) * near * 1.6;
    const double width = 2 + near * 2.2 * LatticeValue(patch, 6, seed);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(kFoam, 0.55 + 0.35 * LatticeValue(patch, 7, seed)));
    painter.drawEllipse(QPointF(x, y), width, width * 0.22);
  }
  // The thin sheet of water running up the sand and its bright, wavering edge.
  QPainterPath sheet;
  QPolygonF edge;
  for (int step = 0; step <= kSteps; ++step) {
    const double x = step * kFrameWidth / static_cast<double>(kSteps);
    edge << QPointF(x, waterline(x) + sizeAt(x) * (0.4 + 0.8 * ValueNoise(x / 40.0, 9, seed)));
  }
  QPolygonF sheetShape = edge;
  for (int step = kSteps; step >= 0; --step) {
    const double x = step * kFrameWidth / static_cast<double>(kSteps);
    sheetShape << QPointF(x, waterline(x) - sizeAt(x) * 0.2);
  }
  sheet.addPolygon(sheetShape);
  sheet.closeSubpath();
  painter.setBrush(WithAlpha(water.near, 0.3));
  painter.drawPath(sheet);
  QPainterPath rim;
  rim.addPolygon(edge);
  QPen pen(WithAlpha(kWhite, 0.85));
  pen.setWidthF(1.6);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(rim);
}

// Wet sand below the waterline: darker, mirroring the sky in smeared pale streaks, drying into the sand.
void PaintWetSand(Sketch& sketch, const std::function<double(double)>& waterline, double nearDepth, double horizon,
                  std::uint32_t seed) {
  const auto depthAt = [&](double x) { return nearDepth * std::clamp((waterline(x) - horizon) / 110.0, 0.15, 1.4); };
  const double depth = nearDepth;
  QPainter& painter = sketch.Painter();
  QPainterPath band;
  QPolygonF upper;
  QPolygonF lower;
  for (int step = 0; step <= 40; ++step) {
    const double x = step * kFrameWidth / 40.0;
    upper << QPointF(x, waterline(x) - 2);
    lower.prepend(QPointF(x, waterline(x) + depthAt(x) * (0.7 + 0.6 * ValueNoise(x / 90.0, 11, seed))));
  }
  band.addPolygon(upper + lower);
  band.closeSubpath();
  const double middle = waterline(kFrameWidth / 2);
  QLinearGradient wet(0, middle - depth * 0.5, 0, middle + depth * 1.3);
  wet.setColorAt(0, WithAlpha(0x8a7a62, 0.75));
  wet.setColorAt(0.6, WithAlpha(0xa08a64, 0.45));
  wet.setColorAt(1, WithAlpha(kSandDark, 0.0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(wet);
  painter.drawPath(band);
  painter.save();
  painter.setClipPath(band);
  for (int streak = 0; streak < 26; ++streak) {
    const double x = LatticeValue(streak, 12, seed) * kFrameWidth;
    const double y = waterline(x) + 2 + LatticeValue(streak, 13, seed) * depthAt(x) * 0.7;
    const double length = (14 + 50 * LatticeValue(streak, 14, seed)) * depthAt(x) / depth;
    painter.setBrush(WithAlpha(0xd8ecf8, 0.25 + 0.3 * LatticeValue(streak, 15, seed)));
    painter.drawEllipse(QPointF(x, y), length, 1.2 + 1.5 * LatticeValue(streak, 16, seed));
  }
  painter.restore();
}

// Dry sand in perspective: wind ripples that widen towards the eye, pebbles, shells and strands of weed.
void PaintSandDetail(Sketch& sketch, const std::function<double(double)>& waterline, double wetDepth, std::uint32_t seed) {
  QPainter& painter = sketch.Painter();
  for (int ripple = 0; ripple < 44; ++ripple) {
    const double x = LatticeValue(ripple, 20, seed) * kFrameWidth;
    const double start = waterline(x) + wetDepth;
    if (start >= kFrameHeight) continue;
    const double along = LatticeValue(ripple, 21, seed);
    const double y = start + along * along * (kFrameHeight - start);
    const double length = 10 + 60 * along;
    QPainterPath curve;
    curve.moveTo(x - length, y);
    curve.quadTo(x, y - 2 - 3 * along, x + length, y + 1);
    QPen pen(WithAlpha(0x9c7e4a, 0.3));
    pen.setWidthF(0.8 + 1.4 * along);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    pen.setColor(WithAlpha(kWhite, 0.25));
    painter.setPen(pen);
    painter.drawPath(curve.translated(0, -1.5 - along));
  }
  for (int pebble = 0; pebble < 24; ++pebble) {
    const double x = LatticeValue(pebble, 22, seed) * kFrameWidth;
    const double start = waterline(x) + 4;
    if (start >= kFrameHeight) continue;
    const double along = LatticeValue(pebble, 23, seed);
    const double y = start + along * (kFrameHeight - start);
    const double size = 1.2 + 4 * along * (kFrameHeight - start) / 150.0;
    const bool shell = pebble % 5 == 0;
    if (shell) {
      QPainterPath fan;
      fan.moveTo(x, y);
      fan.arcTo(QRectF(x - size * 1.4, y - size * 1.4, size * 2.8, size * 2.8), 20, 140);
      fan.closeSubpath();
      sketch.Shape(fan, 0xf4e2d4);
      for (int rib = 0; rib < 4; ++rib) {
        const double angle = (35 + rib * 36) * kPi / 180;
        sketch.Line(x, y, x + std::cos(angle) * size * 1.3, y - std::sin(angle) * size * 1.3, 0xc8a898, 0.6);
      }
    } else {
      sketch.Oval(x, y, size, size * 0.6, pebble % 3 == 0 ? kStoneDark : kStone);
      painter.setPen(Qt::NoPen);
      painter.setBrush(WithAlpha(kWhite, 0.5));
      painter.drawEllipse(QPointF(x - size * 0.3, y - size * 0.25), size * 0.35, size * 0.18);
    }
  }
  for (int strand = 0; strand < 5; ++strand) {
    const double x = LatticeValue(strand, 24, seed) * kFrameWidth;
    const double y = waterline(x) + wetDepth * (0.6 + 0.5 * LatticeValue(strand, 25, seed));
    if (y >= kFrameHeight) continue;
    QPainterPath weed(QPointF(x - 20, y));
    weed.cubicTo(x - 8, y - 5, x + 4, y + 5, x + 22, y - 1);
    sketch.Stroke(weed, 0x4f6a32, 2.2);
    sketch.Stroke(weed.translated(3, 2), 0x6b7f3a, 1.4);
  }
}

// The coast from horizon down: the sea, the surf on a slanting shore, wet and dry sand. horizon= the sea's far
// edge; shore-left= and shore-right= where the waterline meets the frame's sides, bow= how far it curves up in
// the middle; thick=yes for this coast's strange syrupy water; surf= the breaking wave's size; wet= how deep
// the band of wet sand is. Paints the whole frame below the horizon; origin at the frame's top left.
void PaintShore(Sketch& sketch, const Layer& layer) {
  const double horizon = layer.Number("horizon", 200);
  const double left = layer.Number("shore-left", 300);
  const double right = layer.Number("shore-right", 300);
  const double bow = layer.Number("bow", 0);
  const bool thick = layer.Flag("thick", false);
  const double surf = layer.Number("surf", 6);
  const double wetDepth = layer.Number("wet", 30);
  const std::uint32_t seed = sketch.Seed();
  const WaterColours water = WaterOf(thick);
  const auto waterline = [&](double x) { return WaterlineAt(x, left, right, bow); };
  QPainter& painter = sketch.Painter();

  // Sand under everything below the horizon, the water laid over it.
  sketch.FlatBox(0, horizon, kFrameWidth, kFrameHeight - horizon + 1, kSand);
  QPainterPath sea;
  QPolygonF outline;
  outline << QPointF(0, horizon);
  outline << QPointF(kFrameWidth, horizon);
  for (int step = 40; step >= 0; --step) {
    const double x = step * kFrameWidth / 40.0;
    outline << QPointF(x, waterline(x));
  }
  sea.addPolygon(outline);
  sea.closeSubpath();
  const double deepest = std::max(left, right);
  QLinearGradient body(0, horizon, 0, deepest);
  body.setColorAt(0.0, QColor::fromRgb(water.far));
  body.setColorAt(0.25, QColor::fromRgb(water.middle));
  body.setColorAt(1.0, QColor::fromRgb(water.near));
  painter.setPen(Qt::NoPen);
  painter.setBrush(body);
  painter.drawPath(sea);
  painter.save();
  painter.setClipPath(sea);
  // The sky's light lying on the far water, and a haze over the horizon line.
  QLinearGradient sheen(0, horizon, 0, horizon + 40);
  sheen.setColorAt(0, WithAlpha(sketch.Air().HasHaze() ? sketch.Air().Haze() : kSkyPale, 0.3));
  sheen.setColorAt(1, WithAlpha(kSkyPale, 0));
  painter.setBrush(sheen);
  painter.drawRect(QRectF(0, horizon, kFrameWidth, 40));
  PaintWaveRows(sketch, horizon, waterline, water, seed);
  painter.restore();
  sketch.InkLine(0, horizon, kFrameWidth, horizon);
  PaintWetSand(sketch, waterline, wetDepth, horizon, seed);
  PaintSandDetail(sketch, waterline, wetDepth, seed);
  PaintSurf(sketch, waterline, water, seed, surf, horizon);
}

// A round lighthouse of whitewashed stone h high on the origin: a tapering tower shaded round from the light,
// its courses of stone curving with it, red bands, slit windows, a gallery with railings and a glazed lantern
// under a red dome; lit=yes lights the lantern.
void PaintRoundLighthouse(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 240);
  const bool lit = layer.Flag("lit", false);
  const bool lightFromLeft = sketch.Air().LightDirection().x() >= 0;
  QPainter& painter = sketch.Painter();
  const double base = height * 0.13;
  const double neck = height * 0.085;
  const double towerTop = -height * 0.74;
  const auto halfWidthAt = [&](double y) { return base + (neck - base) * (y / towerTop); };
  // A circle of the tower at height y seen from below the gallery: its front bulges up the frame.
  const auto ring = [&](double y) {
    const double half = halfWidthAt(y);
    QPainterPath arc;
    arc.moveTo(-half, y);
    arc.quadTo(0, y - half * 0.22, half, y);
    return arc;
  };

  // The rock the tower stands on.
  sketch.Painter().save();
  sketch.Painter().translate(0, 2);
  PaintFacetedRock(sketch, base * 3.6, height * 0.07, sketch.Seed(), kStoneDark);
  sketch.Painter().restore();

  QPainterPath tower;
  tower.moveTo(-base, 0);
  tower.quadTo(0, base * 0.2, base, 0);
  tower.lineTo(neck, towerTop);
  tower.quadTo(0, towerTop - neck * 0.22, -neck, towerTop);
  tower.closeSubpath();
  // Shaded round: bright a third of the way in from the lit side, darkening violet to the far side.
  QLinearGradient round(-base, 0, base, 0);
  const QColor lit1 = QColor::fromRgb(0xfbf8f0);
  const QColor mid = QColor::fromRgb(0xe4e0dc);
  const QColor dark = QColor::fromRgb(0x9a94a8);
  round.setColorAt(lightFromLeft ? 0.0 : 1.0, mid);
  round.setColorAt(lightFromLeft ? 0.3 : 0.7, lit1);
  round.setColorAt(lightFromLeft ? 1.0 : 0.0, dark);
  painter.setPen(Qt::NoPen);
  painter.setBrush(round);
  painter.drawPath(tower);
  painter.save();
  painter.setClipPath(tower);
  // Two red bands, shaded round as the wall is.
  for (const double band : {0.22, 0.5}) {
    const double bandBottom = towerTop * band;
    const double bandTop = towerTop * (band + 0.11);
    QPainterPath stripe = ring(bandBottom);
    stripe.lineTo(halfWidthAt(bandTop) + 2, bandTop);
    stripe.connectPath(ring(bandTop).toReversed());
    stripe.closeSubpath();
    QLinearGradient red(-base, 0, base, 0);
    red.setColorAt(lightFromLeft ? 0.0 : 1.0, QColor::fromRgb(0xc44a3a));
    red.setColorAt(lightFromLeft ? 0.3 : 0.7, QColor::fromRgb(0xd85a44));
    red.setColorAt(lightFromLeft ? 1.0 : 0.0, QColor::fromRgb(0x7a3038));
    painter.setBrush(red);
    painter.drawPath(stripe);
  }
  // Courses of stone following the curve, their joints crowding towards the edges.
  const int courses = std::max(8, static_cast<int>(height / 9));
  for (int course = 1; course < courses; ++course) {
    const double y = towerTop * course / courses;
    QPen pen(WithAlpha(kInk, 0.18));
    pen.setWidthF(0.6);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ring(y));
    const double half = halfWidthAt(y);
    for (int joint = 0; joint < 7; ++joint) {
      const double angle = (joint + (course % 2) * 0.5) / 7.0 * kPi;
      const double x = -std::cos(angle) * half;
      const double lift = half * 0.22 * std::sin(angle) * std::sin(angle);
      painter.drawLine(QPointF(x, y - lift), QPointF(x, y - lift + towerTop / courses));
    }
  }
  // Slit windows climbing the tower, and the door at its foot.
  for (int window = 0; window < 3; ++window) {
    const double y = towerTop * (0.36 + window * 0.22);
    const double x = (lightFromLeft ? -1 : 1) * halfWidthAt(y) * 0.12;
    sketch.Box(x - height * 0.012, y - height * 0.045, height * 0.024, height * 0.045, 0x2a3048);
  }
  painter.restore();
  sketch.Outline(tower);
  QPainterPath door;
  door.addRoundedRect(QRectF(-height * 0.03, -height * 0.085, height * 0.06, height * 0.085), height * 0.02, height * 0.02);
  sketch.Shape(door, kPaper);

  // The gallery: a wide ring on brackets with its railing, the lantern and the dome.
  const double gallery = neck * 1.55;
  for (int bracket = -2; bracket <= 2; ++bracket)
    sketch.Line(bracket * neck * 0.4, towerTop + 2, bracket * neck * 0.62, towerTop - height * 0.02, kIron, 1.6);
  sketch.Oval(0, towerTop - height * 0.02, gallery, gallery * 0.2, 0x4a4e55);
  const double lanternBottom = towerTop - height * 0.03;
  const double lanternTop = lanternBottom - height * 0.12;
  const double lanternHalf = neck * 0.9;
  QPainterPath glass;
  glass.addRect(QRectF(-lanternHalf, lanternTop, lanternHalf * 2, lanternBottom - lanternTop));
  if (lit) {
    sketch.Shape(glass, kGlow);
  } else {
    QLinearGradient sky(-lanternHalf, 0, lanternHalf, 0);
    sky.setColorAt(0, QColor::fromRgb(0xcfe6f4));
    sky.setColorAt(0.5, QColor::fromRgb(0x7fa6c8));
    sky.setColorAt(1, QColor::fromRgb(0x3e5a7a));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawPath(glass);
    sketch.Outline(glass);
  }
  for (int mullion = -1; mullion <= 1; ++mullion)
    sketch.Line(mullion * lanternHalf * 0.55, lanternTop, mullion * lanternHalf * 0.55, lanternBottom, kIron, 1.2);
  // The railing round the gallery, in front of the lantern's foot.
  for (int post = 0; post <= 8; ++post) {
    const double x = -std::cos(post / 8.0 * kPi) * gallery;
    sketch.Line(x, towerTop - height * 0.02, x, towerTop - height * 0.055, kIron, 1.0);
  }
  QPainterPath rail;
  rail.moveTo(-gallery, towerTop - height * 0.055);
  rail.quadTo(0, towerTop - height * 0.055 + gallery * 0.25, gallery, towerTop - height * 0.055);
  sketch.Stroke(rail, kIron, 1.4);
  QPainterPath dome;
  dome.moveTo(-lanternHalf * 1.25, lanternTop);
  dome.cubicTo(-lanternHalf * 1.1, lanternTop - height * 0.07, lanternHalf * 1.1, lanternTop - height * 0.07, lanternHalf * 1.25, lanternTop);
  dome.closeSubpath();
  sketch.Shape(dome, kHouseRed);
  sketch.Line(0, lanternTop - height * 0.052, 0, lanternTop - height * 0.09, kIron, 1.2);
  sketch.Oval(0, lanternTop - height * 0.09, 2, 2, kIron);
  if (lit) sketch.Glow(0, (lanternTop + lanternBottom) / 2, height * 0.3, kGlow, 0.7);
}

// The curved foot of the lighthouse filling the frame down to y=0, w wide and h high: whitewashed stone
// courses bowing with the tower's round, shaded from the lit side to the far one, a red band above, a stone
// plinth and steps, an arched recess door-w wide and door-h high for the door painted after it.
void PaintLighthouseFoot(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", 460);
  const double height = layer.Number("h", 420);
  const double doorWidth = layer.Number("door-w", 110);
  const double doorHeight = layer.Number("door-h", 200);
  const double eye = layer.Number("eye", -120);  // the eye's height: courses above it bow up, below it down
  const bool lightFromLeft = sketch.Air().LightDirection().x() >= 0;
  QPainter& painter = sketch.Painter();
  const double half = width / 2;
  const double topHalf = half * 0.9;
  const auto halfAt = [&](double y) { return half + (topHalf - half) * (-y / height); };
  const auto bowAt = [&](double y) { return (y - eye) * 0.2; };
  QPainterPath wall;
  wall.moveTo(-half, 0);
  wall.quadTo(0, bowAt(0) * 2, half, 0);
  wall.lineTo(topHalf, -height);
  wall.quadTo(0, -height + bowAt(-height) * 2, -topHalf, -height);
  wall.closeSubpath();
  QLinearGradient round(-half, 0, half, 0);
  round.setColorAt(lightFromLeft ? 0.0 : 1.0, QColor::fromRgb(0xc8c2c4));
  round.setColorAt(lightFromLeft ? 0.28 : 0.72, QColor::fromRgb(0xfffcf4));
  round.setColorAt(lightFromLeft ? 0.55 : 0.45, QColor::fromRgb(0xe2dcd8));
  round.setColorAt(lightFromLeft ? 0.85 : 0.15, QColor::fromRgb(0xa49cb0));
  round.setColorAt(lightFromLeft ? 1.0 : 0.0, QColor::fromRgb(0x7c7494));
  painter.setPen(Qt::NoPen);
  painter.setBrush(round);
  painter.drawPath(wall);
  painter.save();
  painter.setClipPath(wall);
  // The red band near the top, its lower edge bowing with the round.
  QPainterPath band;
  band.moveTo(-half, -height * 0.83);
  band.quadTo(0, -height * 0.83 + bowAt(-height * 0.83) * 2, half, -height * 0.83);
  band.lineTo(half, -height - 40);
  band.lineTo(-half, -height - 40);
  band.closeSubpath();
  QLinearGradient red(-half, 0, half, 0);
  red.setColorAt(lightFromLeft ? 0.0 : 1.0, QColor::fromRgb(0xb8443a));
  red.setColorAt(lightFromLeft ? 0.32 : 0.68, QColor::fromRgb(0xd85a44));
  red.setColorAt(lightFromLeft ? 1.0 : 0.0, QColor::fromRgb(0x6e2c36));
  painter.setBrush(red);
  painter.drawPath(band);
  // Stone courses bowing about the eye, their joints crowding towards the tower's edges, each block a
  // shade of its own.
  const double courseHeight = 26;
  int course = 0;
  for (double y = 0; y > -height; y -= courseHeight, ++course) {
    const double next = y - courseHeight;
    const double halfHere = halfAt(y);
    for (int block = 0; block < 9; ++block) {
      const double from = (block + (course % 2) * 0.5) / 9.0 * kPi;
      const double to = (block + 1 + (course % 2) * 0.5) / 9.0 * kPi;
      const double x0 = -std::cos(from) * halfHere;
      const double x1 = -std::cos(std::min(to, kPi)) * halfHere;
      if (x1 <= x0) continue;
      const auto lift = [&](double x, double yy) { return bowAt(yy) * 2 * (1 - (x / halfHere) * (x / halfHere)); };
      QPainterPath stone;
      stone.moveTo(x0 + 1, y + lift(x0, y) - 1);
      stone.lineTo(x1 - 1, y + lift(x1, y) - 1);
      stone.lineTo(x1 - 1, next + lift(x1, next) + 1);
      stone.lineTo(x0 + 1, next + lift(x0, next) + 1);
      stone.closeSubpath();
      const double shade = LatticeValue(block, course, sketch.Seed()) - 0.5;
      painter.setPen(Qt::NoPen);
      painter.setBrush(shade > 0 ? WithAlpha(kWhite, shade * 0.35) : WithAlpha(0x6a6478, -shade * 0.22));
      painter.drawPath(stone);
      QPen joint(WithAlpha(0x5a5468, 0.45));
      joint.setWidthF(1.0);
      painter.setPen(joint);
      painter.setBrush(Qt::NoBrush);
      painter.drawPath(stone);
    }
  }
  // Weathering: grey streaks running down from the band and a damp green foot.
  for (int streak = 0; streak < 9; ++streak) {
    const double x = (LatticeValue(streak, 31, sketch.Seed()) - 0.5) * width * 0.9;
    QLinearGradient run(0, -height * 0.83, 0, -height * 0.3);
    run.setColorAt(0, WithAlpha(0x7a6a60, 0.3));
    run.setColorAt(1, WithAlpha(0x7a6a60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(run);
    painter.drawRect(QRectF(x, -height * 0.83, 3 + 5 * LatticeValue(streak, 32, sketch.Seed()), height * 0.5));
  }
  QLinearGradient damp(0, -50, 0, 0);
  damp.setColorAt(0, WithAlpha(0x5f7a48, 0));
  damp.setColorAt(1, WithAlpha(0x5f7a48, 0.45));
  painter.setBrush(damp);
  painter.drawRect(QRectF(-half, -50, width, 60));
  painter.restore();
  sketch.Outline(wall);

  // The arched recess the door sits in, its voussoirs and its shadowed reveal.
  const double recessHalf = doorWidth / 2 + 16;
  QPainterPath recess;
  recess.moveTo(-recessHalf, 0);
  recess.lineTo(-recessHalf, -doorHeight);
  recess.arcTo(QRectF(-recessHalf, -doorHeight - recessHalf, recessHalf * 2, recessHalf * 2), 180, -180);
  recess.lineTo(recessHalf, 0);
  recess.closeSubpath();
  sketch.Shape(recess, 0x9e98a4);
  for (int stone = 0; stone <= 8; ++stone) {
    const double angle = kPi - stone * kPi / 8;
    const QPointF centre(0, -doorHeight);
    const QPointF inner = centre + QPointF(std::cos(angle), -std::sin(angle)) * recessHalf;
    const QPointF outer = centre + QPointF(std::cos(angle), -std::sin(angle)) * (recessHalf + 20);
    sketch.InkLine(inner.x(), inner.y(), outer.x(), outer.y());
  }
  QPainterPath arch;
  arch.arcMoveTo(QRectF(-recessHalf - 20, -doorHeight - recessHalf - 20, (recessHalf + 20) * 2, (recessHalf + 20) * 2), 180);
  arch.arcTo(QRectF(-recessHalf - 20, -doorHeight - recessHalf - 20, (recessHalf + 20) * 2, (recessHalf + 20) * 2), 180, -180);
  sketch.Stroke(arch, kInk, 1.2);
  // The plinth and two worn steps up to the door.
  QPainterPath plinth;
  plinth.moveTo(-half - 30, 18);
  plinth.quadTo(0, 18 + bowAt(0) * 2.2, half + 30, 18);
  plinth.lineTo(half + 30, -4);
  plinth.quadTo(0, -4 + bowAt(0) * 2.2, -half - 30, -4);
  plinth.closeSubpath();
  sketch.Shape(plinth, kStone);
  for (int step = 0; step < 2; ++step) {
    const double stepHalf = recessHalf + 30 - step * 12;
    const double y = 30 - step * 16;
    QPainterPath tread;
    tread.moveTo(-stepHalf, y);
    tread.quadTo(0, y + 10, stepHalf, y);
    tread.lineTo(stepHalf, y - 12);
    tread.quadTo(0, y - 4, -stepHalf, y - 12);
    tread.closeSubpath();
    sketch.Shape(tread, step == 0 ? kStoneDark : kStone);
  }
}

// The end of the pier seen standing on it: planks running away to a last crossbeam, their seams meeting at
// the horizon, bollards and a lantern post at the end, the piles standing down into the water. near= the
// deck's width at the frame's foot, far= at its end, length= how far up the frame it runs; origin at the
// bottom middle.
void PaintPierEnd(Sketch& sketch, const Layer& layer) {
  const double nearWidth = layer.Number("near", 640);
  const double farWidth = layer.Number("far", 300);
  const double length = layer.Number("length", 130);
  const QRgb weathered = 0xa4876a;
  QPainter& painter = sketch.Painter();
  const double farY = -length;
  const auto halfAt = [&](double y) { return nearWidth / 2 + (farWidth - nearWidth) / 2 * (y / farY); };

  // Piles under the far end, standing in the water with their reflections, green with weed at the waterline.
  for (int pile = -2; pile <= 2; ++pile) {
    const double x = pile * farWidth / 4.2;
    const double top = farY + 4;
    const double bottom = farY + 36;
    sketch.Box(x - 6, top, 12, bottom - top, kWoodDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(0x3f5a30, 0.7));
    painter.drawRect(QRectF(x - 6, bottom - 8, 12, 8));
    painter.setBrush(WithAlpha(0x3a2a20, 0.3));
    painter.drawRect(QRectF(x - 5, bottom + 2, 10, 14));
  }
  // The deck's edge beam, then the deck.
  QPainterPath beam = PathThrough({At(-farWidth / 2, farY), At(farWidth / 2, farY), At(farWidth / 2, farY + 10), At(-farWidth / 2, farY + 10)});
  sketch.Shape(beam, kWoodDark);
  QPainterPath deck = PathThrough({At(-nearWidth / 2, 0), At(-farWidth / 2, farY), At(farWidth / 2, farY), At(nearWidth / 2, 0)});
  sketch.Fill(deck, weathered);
  painter.save();
  painter.setClipPath(deck);
  // Planks: seams running to the vanishing point, each plank its own shade, butt joints across them.
  const int planks = 16;
  for (int plank = 0; plank < planks; ++plank) {
    const double a0 = plank / static_cast<double>(planks) - 0.5;
    const double a1 = (plank + 1) / static_cast<double>(planks) - 0.5;
    const QPainterPath strip = PathThrough({At(a0 * nearWidth, 0), At(a0 * farWidth, farY), At(a1 * farWidth, farY), At(a1 * nearWidth, 0)});
    const double shade = LatticeValue(plank, 40, sketch.Seed()) - 0.5;
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade > 0 ? WithAlpha(0xe8d2b0, shade * 0.4) : WithAlpha(0x4a3424, -shade * 0.35));
    painter.drawPath(strip);
    QPen seam(WithAlpha(0x3a2818, 0.75));
    seam.setWidthF(1.3);
    painter.setPen(seam);
    painter.drawLine(QPointF(a0 * nearWidth, 0), QPointF(a0 * farWidth, farY));
    // A butt joint somewhere along each plank, with its two nails.
    const double along = 0.2 + 0.6 * LatticeValue(plank, 41, sketch.Seed());
    const double y = farY * along;
    const double x0 = a0 * (nearWidth + (farWidth - nearWidth) * along);
    const double x1 = a1 * (nearWidth + (farWidth - nearWidth) * along);
    seam.setWidthF(0.8);
    painter.setPen(seam);
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(kIron, 0.7));
    painter.drawEllipse(QPointF(x0 + (x1 - x0) * 0.3, y + 2), 1.1, 0.7);
    painter.drawEllipse(QPointF(x0 + (x1 - x0) * 0.7, y + 2), 1.1, 0.7);
  }
  sketch.Texture(deck, kWood);
  // The deck dries paler towards the far end and darkens near the eye.
  QLinearGradient depth(0, farY, 0, 0);
  depth.setColorAt(0, WithAlpha(sketch.Air().HasHaze() ? sketch.Air().Haze() : kSkyPale, 0.25));
  depth.setColorAt(0.5, WithAlpha(kWhite, 0));
  depth.setColorAt(1, WithAlpha(0x241c3a, 0.28));
  painter.setPen(Qt::NoPen);
  painter.setBrush(depth);
  painter.drawPath(deck);
  painter.restore();
  sketch.Outline(deck);
  // Stringers along both edges, a bollard with a coil of rope, and a lantern post at the end.
  for (const double side : {-1.0, 1.0}) {
    QPainterPath stringer = PathThrough({At(side * nearWidth / 2, 0), At(side * farWidth / 2, farY),
                                         At(side * (farWidth / 2 + 6), farY + 2), At(side * (nearWidth / 2 + 24), 0)});
    sketch.Shape(stringer, kWoodDark);
  }
  for (const double side : {-1.0, 1.0}) {
    const double x = side * (halfAt(farY * 0.85) - 16);
    const double y = farY * 0.85;
    sketch.Box(x - 7, y - 22, 14, 22, 0x3a3e46);
    sketch.Oval(x, y - 22, 9, 3.5, 0x4a4e55);
  }
  // A coil of old rope on the near planks, its loose end trailing.
  QPainterPath coil;
  for (int step = 0; step <= 120; ++step) {
    const double angle = step / 120.0 * 4 * 2 * kPi;
    const double radius = 30 - step / 120.0 * 20;
    const QPointF point(-nearWidth * 0.26 + std::cos(angle) * radius, -26 + std::sin(angle) * radius * 0.36 - step * 0.04);
    if (step == 0) coil.moveTo(point);
    else coil.lineTo(point);
  }
  QPainterPath end(QPointF(-nearWidth * 0.26 + 30, -26));
  end.cubicTo(-nearWidth * 0.26 + 60, -20, -nearWidth * 0.26 + 50, -4, -nearWidth * 0.26 + 90, 2);
  for (const QPainterPath& rope : {coil, end}) {
    sketch.Stroke(rope, kInk, 5.5);
    sketch.Stroke(rope, kTwine, 3.6);
  }
  const double postX = farWidth / 2 - 12;
  sketch.Box(postX - 3, farY - 96, 6, 96, 0x3a3e46);
  sketch.Line(postX, farY - 90, postX - 16, farY - 90, 0x3a3e46, 2.2);
  QPainterPath lantern = PathThrough({At(postX - 22, farY - 88), At(postX - 10, farY - 88), At(postX - 12, farY - 72), At(postX - 20, farY - 72)});
  sketch.Shape(lantern, 0xdfe6e8);
  sketch.Polygon({At(postX - 24, -length - 88), At(postX - 16, -length - 96), At(postX - 8, -length - 88)}, kIron);
}

// A log of driftwood w long lying on the sand, bleached silver-grey, split along its grain, a stub of a
// branch and a tangle of dry weed caught on it; origin under its middle.
void PaintDriftwood(Sketch& sketch, const Layer& layer) {
  const double length = layer.Number("w", 160);
  const double thick = length * 0.12;
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  const double half = length / 2;
  QPainterPath log;
  log.moveTo(-half, -thick * 0.3);
  log.cubicTo(-half * 0.4, -thick * 1.1, half * 0.3, -thick * 0.9, half, -thick * 0.7);
  log.quadTo(half + thick * 0.3, -thick * 0.3, half, 0);
  log.cubicTo(half * 0.3, thick * 0.2, -half * 0.4, thick * 0.3, -half, thick * 0.1);
  log.quadTo(-half - thick * 0.3, -thick * 0.1, -half, -thick * 0.3);
  log.closeSubpath();
  QPainterPath stub = PathThrough({At(-half * 0.3, -thick * 0.8), At(-half * 0.62, -thick * 1.7), At(-half * 0.6, -thick * 1.95), At(-half * 0.18, -thick * 0.85)});
  sketch.Shape(stub, 0xb8b0a4);
  sketch.Shape(log, 0xc4bcb0);
  painter.save();
  painter.setClipPath(log);
  for (int split = 0; split < 6; ++split) {
    const double y = -thick * (0.8 - split * 0.17);
    QPainterPath grain(QPointF(-half, y));
    grain.cubicTo(-half * 0.3, y - thick * 0.2 * LatticeValue(split, 1, seed), half * 0.3, y + thick * 0.1, half, y - thick * 0.05);
    painter.setPen(QPen(QColor(0x5a, 0x52, 0x4a, 110), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(grain);
  }
  painter.restore();
  sketch.Oval(-half + 2, -thick * 0.1, thick * 0.2, thick * 0.4, 0x8a8276);
  for (int strand = 0; strand < 4; ++strand) {
    QPainterPath weed(QPointF(half * 0.2 + strand * 6, -thick * 0.6));
    weed.cubicTo(half * 0.3 + strand * 8, thick * 0.2, half * 0.5, -thick * 0.2, half * 0.55 + strand * 10, thick * 0.4);
    sketch.Stroke(weed, strand % 2 ? 0x4f6a32 : 0x6b6a3a, 1.6);
  }
}

// A trail of footprints in the sand from the origin to (to-x, to-y), shrinking into the distance.
void PaintFootprints(Sketch& sketch, const Layer& layer) {
  const QPointF end(layer.Number("to-x", 0), layer.Number("to-y", -150));
  const double bend = layer.Number("bend", 40);
  QPainterPath trail(QPointF(0, 0));
  trail.quadTo(QPointF(end.x() / 2 + bend, end.y() / 2), end);
  QPainter& painter = sketch.Painter();
  constexpr int kSteps = 22;
  for (int step = 0; step < kSteps; ++step) {
    const double along = std::pow(step / static_cast<double>(kSteps), 0.6);
    const QPointF point = trail.pointAtPercent(along);
    const double size = 6.5 * (1 - along * 0.85);
    const double side = step % 2 == 0 ? -1 : 1;
    const QPointF print = point + QPointF(side * size * 0.9, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(WithAlpha(0x9c7e4a, 0.55));
    painter.drawEllipse(print, size * 0.45, size * 0.8 * (0.35 + 0.2 * (1 - along)));
    painter.setBrush(WithAlpha(kWhite, 0.35));
    painter.drawEllipse(print + QPointF(0, size * 0.3), size * 0.35, size * 0.12);
  }
}

// The lantern room at the top of the lighthouse seen from inside: a round room glazed all round above a low
// whitewashed wall, the sea and a dusk sky through its panes, iron mullions crowding towards the sides as the
// round turns away, a ribbed iron ceiling and a floor of iron plates, and the hatch where the stair comes up
// at the front left. eye= the horizon's height; sill= and top= the glazing's foot and head at the middle;
// floor= where the wall meets the floor at the middle. Origin at the frame's top left.
void PaintLanternRoom(Sketch& sketch, const Layer& layer) {
  const double eye = layer.Number("eye", 150);
  const double sill = layer.Number("sill", 222);
  const double glazingTop = layer.Number("top", 34);
  const double floorLine = layer.Number("floor", 300);
  const std::uint32_t seed = sketch.Seed();
  QPainter& painter = sketch.Painter();
  const double centreX = kFrameWidth / 2.0;
  const double radius = kFrameWidth * 0.62;
  // A level line of the round wall: at its middle (straight ahead, furthest) it lies nearer the horizon than
  // at the sides.
  const auto level = [&](double middle, double x) {
    const double across = std::clamp((x - centreX) / radius, -1.0, 1.0);
    return eye + (middle - eye) * (1 + 0.35 * across * across);
  };
  const auto curve = [&](double middle) {
    QPolygonF line;
    for (int step = 0; step <= 30; ++step) {
      const double x = -4 + step * (kFrameWidth + 8) / 30.0;
      line << QPointF(x, level(middle, x));
    }
    return line;
  };
  // Outside: a dusk sky over the sea, the horizon straight through every pane.
  QLinearGradient sky(0, 0, 0, eye);
  sky.setColorAt(0, QColor::fromRgb(0x3a3f7a));
  sky.setColorAt(0.6, QColor::fromRgb(0x9a7aa0));
  sky.setColorAt(1, QColor::fromRgb(0xf0b07a));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sky);
  painter.drawRect(QRectF(0, 0, kFrameWidth, eye));
  QLinearGradient sea(0, eye, 0, kFrameHeight);
  sea.setColorAt(0, QColor::fromRgb(0x4a5a8a));
  sea.setColorAt(1, QColor::fromRgb(0x2a3460));
  painter.setBrush(sea);
  painter.drawRect(QRectF(0, eye, kFrameWidth, kFrameHeight - eye));
  for (int glint = 0; glint < 30; ++glint) {
    const double along = LatticeValue(glint, 1, seed);
    painter.setBrush(WithAlpha(0xf0c090, 0.4 * (1 - along)));
    painter.drawEllipse(QPointF(LatticeValue(glint, 2, seed) * kFrameWidth, eye + 3 + along * 60), 6 + 20 * along, 0.8 + along);
  }
  // The panes' glass: a faint sheen, brighter towards the sides where it turns to the eye at a slant.
  QLinearGradient sheen(0, 0, kFrameWidth, 0);
  sheen.setColorAt(0, WithAlpha(kWhite, 0.25));
  sheen.setColorAt(0.3, WithAlpha(kWhite, 0.04));
  sheen.setColorAt(0.7, WithAlpha(kWhite, 0.04));
  sheen.setColorAt(1, WithAlpha(kWhite, 0.25));
  painter.setBrush(sheen);
  painter.drawRect(QRectF(0, 0, kFrameWidth, kFrameHeight));
  // The ceiling: iron plates between ribs running up to a boss above the room's middle.
  QPainterPath ceiling;
  ceiling.addPolygon(curve(glazingTop) << QPointF(kFrameWidth + 4, -4) << QPointF(-4, -4));
  ceiling.closeSubpath();
  sketch.Shape(ceiling, 0x3a3e48);
  painter.save();
  painter.setClipPath(ceiling);
  for (int rib = -6; rib <= 6; ++rib) {
    const double angle = rib / 6.0 * 1.3;
    const double x = centreX + std::sin(angle) * radius;
    sketch.Line(x, level(glazingTop, x), centreX + std::sin(angle) * 60, -60, 0x5a606c, 3);
  }
  painter.restore();
  // Mullions: iron bars between the panes, spaced evenly round the room, so they crowd at the sides.
  for (int bar = -7; bar <= 7; ++bar) {
    const double angle = bar / 7.0 * 1.45;
    const double x = centreX + std::sin(angle) * radius;
    const double width = 4 + 5 * std::abs(std::sin(angle));
    const double top = level(glazingTop, x);
    const double bottom = level(sill, x);
    sketch.Box(x - width / 2, top, width, bottom - top, 0x2e323c);
  }
  QPainterPath transom;
  transom.addPolygon(curve(glazingTop + (sill - glazingTop) * 0.55));
  sketch.Stroke(transom, 0x2e323c, 4);
  // The low wall under the glazing, whitewashed stone in courses bowing with the round.
  QPolygonF wallShape = curve(sill);
  QPolygonF floorEdge = curve(floorLine);
  for (qsizetype point = floorEdge.size() - 1; point >= 0; --point) wallShape << floorEdge[point];
  QPainterPath wall;
  wall.addPolygon(wallShape);
  wall.closeSubpath();
  sketch.Fill(wall, 0xe4ddd0);
  painter.save();
  painter.setClipPath(wall);
  for (int course = 1; course < 5; ++course) {
    QPainterPath line;
    line.addPolygon(curve(sill + (floorLine - sill) * course / 5.0));
    painter.setPen(QPen(WithAlpha(0x6a6258, 0.45), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
  }
  for (int joint = -9; joint <= 9; ++joint) {
    const double angle = (joint + 0.5) / 9.0 * 1.45;
    const double x = centreX + std::sin(angle) * radius;
    const int course = (joint + 20) % 2;
    const double y0 = level(sill + (floorLine - sill) * course / 5.0, x);
    const double y1 = level(sill + (floorLine - sill) * (course + 1) / 5.0, x);
    painter.drawLine(QPointF(x, y0), QPointF(x, y1));
  }
  QLinearGradient damp(0, floorLine - 40, 0, floorLine + 30);
  damp.setColorAt(0, WithAlpha(0x3a3448, 0));
  damp.setColorAt(1, WithAlpha(0x3a3448, 0.45));
  painter.setPen(Qt::NoPen);
  painter.setBrush(damp);
  painter.drawRect(QRectF(0, sill, kFrameWidth, kFrameHeight));
  painter.restore();
  QPainterPath sillLine;
  sillLine.addPolygon(curve(sill));
  sketch.Stroke(sillLine, 0xb8b0a4, 5);
  // The floor: iron plates in rings and spokes round the lamp's pedestal.
  QPolygonF floorShape = curve(floorLine);
  floorShape << QPointF(kFrameWidth + 4, kFrameHeight + 4) << QPointF(-4, kFrameHeight + 4);
  QPainterPath floor;
  floor.addPolygon(floorShape);
  floor.closeSubpath();
  QLinearGradient plate(0, floorLine, 0, kFrameHeight);
  plate.setColorAt(0, QColor::fromRgb(0x5a5a64));
  plate.setColorAt(1, QColor::fromRgb(0x7a7880));
  painter.setBrush(plate);
  painter.drawPath(floor);
  sketch.Texture(floor, kMetalDark);
  painter.save();
  painter.setClipPath(floor);
  const QPointF hub(centreX, floorLine + 70);
  for (int ring = 1; ring < 5; ++ring) {
    painter.setPen(QPen(WithAlpha(0x2a2a34, 0.6), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(hub, ring * 110.0, ring * 26.0);
  }
  for (int spoke = 0; spoke < 12; ++spoke) {
    const double angle = spoke / 12.0 * 2 * kPi;
    painter.drawLine(hub, hub + QPointF(std::cos(angle) * 600, std::sin(angle) * 140));
  }
  painter.restore();
  sketch.Outline(floor);
  // The hatch at the front left where the stair comes up, its rail curving down into the dark.
  const QPainterPath hatch = PathThrough({At(8, 352), At(128, 344), At(150, 410), At(-4, 410)});
  sketch.Shape(hatch, 0x14121c);
  QPainterPath rail(QPointF(20, 300));
  rail.cubicTo(60, 292, 140, 300, 150, 340);
  sketch.Stroke(rail, kInk, 6);
  sketch.Stroke(rail, kGoldDark, 3.5);
  for (const double x : {24.0, 84.0, 140.0}) sketch.Line(x, 300 + (x > 100 ? 20 : 0), x + 4, 370, kGoldDark, 2.5);
}

}  // namespace

void RegisterShoreProps(PropRegistry& registry) {
  registry.Add("shore", PaintShore);
  registry.Add("round-lighthouse", PaintRoundLighthouse, 34);
  registry.Add("lighthouse-foot", PaintLighthouseFoot);
  registry.Add("pier-end", PaintPierEnd);
  registry.Add("footprints", PaintFootprints);
  registry.Add("driftwood", PaintDriftwood, 60);
  registry.Add("lantern-room", PaintLanternRoom);
}

}  // namespace brackenhollow::art
