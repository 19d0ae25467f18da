// The woodland's own props: forest edges in layers that haze into the distance, single grown trees, dark
// near trunks and boughs framing a view, sunlight dappling the ground, undergrowth, and winding trails.
#include "art/painter/props/Kit.h"
#include "art/painter/props/PropGroups.h"
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

constexpr QRgb kNearBark = 0x33271f;
// How much shallower a width lying across the ground looks than one standing upright.
constexpr double kGroundForeshortening = 0.3;
// The finest a far woodland is painted, in pixels a frame unit: the haze softens it anyway.
constexpr double kFarResolution = 1.5;
constexpr QRgb kNearLeaves = 0x26482c;
constexpr QRgb kMoss = 0x5f8a34;
constexpr QRgb kSunFleck = 0xfff0b8;
constexpr QRgb kCanopyShade = 0x1a2436;
constexpr QRgb kLitter[] = {0xb8642a, 0xd89a3a, 0x8a4a22, 0xc8b048, 0x6e5a2a};

double Vary(std::uint32_t seed, int salt, int row = 0) {
  return LatticeValue(salt, row, seed);
}

// The species a scene names; "mixed" and "conifer" choose per tree from the seed.
TreeKind KindFor(const std::string& kind, std::uint32_t seed, int index) {
  const double pick = Vary(seed, index, 21);
  if (kind == "oak") return TreeKind::kOak;
  if (kind == "beech") return TreeKind::kBeech;
  if (kind == "birch") return TreeKind::kBirch;
  if (kind == "spruce") return TreeKind::kSpruce;
  if (kind == "larch") return TreeKind::kLarch;
  if (kind == "conifer") return TreeKind::kSpruce;
  if (kind == "broadleaf") return pick < 0.45 ? TreeKind::kOak : pick < 0.75 ? TreeKind::kBeech : TreeKind::kBirch;
  return pick < 0.3 ? TreeKind::kOak : pick < 0.5 ? TreeKind::kBeech : pick < 0.65 ? TreeKind::kBirch : TreeKind::kSpruce;
}

// Throws SceneError unless the kind is one the woodland grows.
void CheckKind(const Layer& layer, const std::string& kind) {
  static const char* const kKinds[] = {"oak", "beech", "birch", "spruce", "larch", "conifer", "broadleaf", "mixed"};
  for (const char* known : kKinds)
    if (kind == known) return;
  throw SceneError(layer.Where() + ": kind must be oak, beech, birch, spruce, larch, conifer, broadleaf or mixed");
}

// A ragged band of treetops along the ground line, far off: one silhouette, tips of spruces among round
// crowns, paled into the haze; trunks show faintly beneath the nearer band.
void PaintTreeline(Sketch& sketch, double width, double height, std::uint32_t seed, double haze, QRgb colour,
                   double spikes) {
  QPainterPath band;
  band.moveTo(-4, 6);
  for (double x = -4; x <= width + 4; x += 3) {
    const double swell = FractalNoise(x / (height * 0.9), 0.5, seed, 3);
    double top = -height * (0.55 + 0.6 * swell);
    // A spruce's spire now and then.
    const double slot = std::fmod(x + 400, height * 0.45) / (height * 0.45);
    if (Vary(seed, static_cast<int>((x + 400) / (height * 0.45)), 22) < spikes)
      top -= height * 0.35 * std::max(0.0, 1.0 - std::abs(slot - 0.5) * 4);
    band.lineTo(x, top);
  }
  band.lineTo(width + 4, 6);
  band.closeSubpath();
  QPainter& painter = sketch.Painter();
  const QRgb far = TowardsHaze(sketch, colour, haze);
  QLinearGradient fade(0, -height * 1.2, 0, 6);
  fade.setColorAt(0, QColor::fromRgb(BlendColour(far, kWhite, 0.08)));
  fade.setColorAt(1, QColor::fromRgb(TowardsHaze(sketch, BlendColour(colour, kCanopyShade, 0.3), haze)));
  painter.setPen(Qt::NoPen);
  painter.setBrush(fade);
  painter.drawPath(band);
  // Lit crowns on the light's side: soft bumps along the top.
  const QPointF light = KeyLight(sketch);
  QColor lit = QColor::fromRgb(TowardsHaze(sketch, BlendColour(colour, 0xe8e27a, 0.3), haze));
  lit.setAlphaF(0.55f);
  painter.setBrush(lit);
  for (double x = 0; x < width; x += height * 0.3) {
    const double swell = FractalNoise(x / (height * 0.9), 0.5, seed, 3);
    painter.drawEllipse(QPointF(x - light.x() * height * 0.05, -height * (0.45 + 0.6 * swell)), height * 0.1, height * 0.06);
  }
}

// The rows of a woodland, from the far treeline to the row of trees in front.
void PaintWoodlandRows(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 150);
  const std::string kind = layer.Word("kind", "mixed");
  CheckKind(layer, kind);
  const double far = std::clamp(layer.Number("far", 0.0), 0.0, 0.9);
  const int rows = static_cast<int>(layer.Number("rows", 3));
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  const bool conifers = kind == "conifer" || kind == "spruce" || kind == "larch";
  const QRgb colour = conifers ? kPine : 0x3f7a3c;
  const double spikes = conifers ? 0.8 : kind == "mixed" ? 0.35 : 0.05;
  if (rows >= 3) {
    sketch.Painter().save();
    sketch.Painter().translate(0, -height * 0.08);
    PaintTreeline(sketch, width, height * 0.8, MixSeed(seed, 1), std::min(0.95, 0.68 + far * 0.3), colour, spikes);
    sketch.Painter().restore();
  }
  if (rows >= 2) PaintTreeline(sketch, width, height * 0.62, MixSeed(seed, 2), std::min(0.92, 0.48 + far * 0.4), colour, spikes);
  if (rows < 1 || sketch.IsSilhouette()) return;
  // The row of trees in front, each its own species and size, standing a little apart.
  const double step = height * 0.3;
  int index = 0;
  for (double x = Vary(seed, 3) * step; x < width + step * 0.5; x += step * (0.7 + 0.7 * Vary(seed, index, 4)), ++index) {
    const double treeHeight = height * (0.7 + 0.45 * Vary(seed, index, 5));
    sketch.Painter().save();
    sketch.Painter().translate(x, Vary(seed, index, 6) * height * 0.06);
    PaintWoodTree(sketch, treeHeight, KindFor(kind, seed, index), MixSeed(seed, static_cast<std::uint32_t>(index + 10)),
                  std::min(0.9, 0.28 + far * 0.6));
    sketch.Painter().restore();
  }
}


// A forest's edge along the ground line w wide: far treetops hazed blue-green, a nearer band, and a row of
// grown trees of several species in front; origin at the left end of the line. kind= picks the species.
void PaintWoodland(Sketch& sketch, const Layer& layer) {
  // Far and hazed: painted at no more than 1.5 pixels a unit and laid over the picture.
  const auto paint = [&](Sketch& canvas) { PaintWoodlandRows(canvas, layer); };
  PaintAtMost(sketch, kFarResolution, paint);
}

// One grown tree of kind= h high, its foot on the origin; far= pales it into the distance.
void PaintGrownTree(Sketch& sketch, const Layer& layer) {
  const std::string kind = layer.Word("kind", "oak");
  CheckKind(layer, kind);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  PaintWoodTree(sketch, layer.Number("h", 240), KindFor(kind, seed, 0), seed, std::clamp(layer.Number("far", 0.0), 0.0, 0.95));
}

// A near trunk at the frame's edge, dark against the lit view: furrowed bark with moss at its foot and light
// along the side facing the key light, roots into the ground, and a bough reaching in across the top with
// leaf masses in shade; for pines, a great spruce's dark tiers. Drawn for the left edge; the caller mirrors it.
void PaintNearTree(Sketch& sketch, std::uint32_t seed, bool pine, bool mirrored) {
  QPainter& painter = sketch.Painter();
  if (pine) {
    // A great spruce standing just outside the frame, its dark tiers reaching in.
    painter.save();
    painter.translate(-30 + 20 * Vary(seed, 1), kFrameHeight + 30);
    PaintSpruceTree(sketch, 640 + 80 * Vary(seed, 2), 0x1d3a28, seed, 0);
    painter.restore();
    return;
  }
  const double width = 34 + 22 * Vary(seed, 1);
  const double foot = 4 + 12 * Vary(seed, 2);
  const double lean = 4 + 12 * Vary(seed, 3);
  QPainterPath trunk;
  trunk.moveTo(-40, kFrameHeight + 10);
  trunk.lineTo(-40, -10);
  trunk.lineTo(foot - width * 0.5 + lean + width * 0.9, -10);
  trunk.cubicTo(foot + width * 0.45 + lean, 140, foot + width * 0.5, 300, foot + width * 0.75, 370);
  trunk.quadTo(foot + width * 1.1, 392, foot + width * 1.9, 412);
  trunk.lineTo(foot + width * 1.9, kFrameHeight + 10);
  trunk.closeSubpath();
  if (sketch.IsSilhouette()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(trunk);
    return;
  }
  painter.setPen(QPen(QColor::fromRgb(0x1a1412), 2.4));
  painter.setBrush(QColor::fromRgb(kNearBark));
  painter.drawPath(trunk);
  sketch.Texture(trunk, kBark);
  // Furrows running up the bark, parting round a burl.
  QPen furrow(QColor::fromRgb(0x1c1512), 1.6);
  painter.setBrush(Qt::NoBrush);
  for (int line = 0; line < 9; ++line) {
    const double across = -30 + line * (foot + width * 0.8 + 30) / 9;
    QPainterPath path;
    path.moveTo(across, kFrameHeight);
    for (int step = 1; step <= 12; ++step) {
      const double y = kFrameHeight - step * 36;
      path.lineTo(across + (Vary(seed, line * 13 + step, 7) - 0.5) * 7 + (lean * (kFrameHeight - y) / kFrameHeight) * 0.5, y);
    }
    furrow.setWidthF(1.0 + 1.4 * Vary(seed, line, 8));
    painter.setPen(furrow);
    painter.drawPath(path);
  }
  // Light on the edge that faces into the picture when the light comes from there; else a cool rim.
  const QPointF light = KeyLight(sketch);
  const bool lit = mirrored ? light.x() > 0 : light.x() < 0;
  QPainterPath edge;
  edge.moveTo(foot - width * 0.5 + lean + width * 0.9 - 4, -10);
  edge.cubicTo(foot + width * 0.45 + lean - 4, 140, foot + width * 0.5 - 4, 300, foot + width * 0.75 - 4, 370);
  QPen rim(QColor::fromRgb(lit ? 0x9a7a56 : 0x5a5a6e), lit ? 5 : 3);
  rim.setCapStyle(Qt::RoundCap);
  painter.setPen(rim);
  painter.drawPath(edge);
  // Moss climbing from the foot.
  painter.setPen(Qt::NoPen);
  for (int tuft = 0; tuft < 40; ++tuft) {
    const double rise = Vary(seed, tuft, 9);
    const double y = kFrameHeight - rise * rise * 90;
    const double x = -10 + Vary(seed, tuft, 10) * (foot + width * (0.75 + 0.5 * (1 - rise)));
    painter.setBrush(QColor::fromRgb(tuft % 3 == 0 ? 0x7a9e40 : tuft % 3 == 1 ? kMoss : 0x46702c));
    painter.drawEllipse(QPointF(x, y), 2 + 4 * Vary(seed, tuft, 11), 1.5 + 2 * Vary(seed, tuft, 12));
  }
  // The bough reaching in across the top, with twigs.
  std::vector<QPointF> tips;
  QPainterPath bough;
  const QPointF from(foot + width * 0.3, 60 + 40 * Vary(seed, 4));
  // It rises from the trunk, arches and droops towards its tip under the weight of its leaves.
  const QPointF to(200 + 80 * Vary(seed, 5), 80 + 50 * Vary(seed, 6));
  bough.moveTo(from);
  bough.cubicTo(from + QPointF(40, -70 - 20 * Vary(seed, 7)), QPointF((from.x() + to.x()) / 2 + 20, to.y() - 80 - 20 * Vary(seed, 8)), to);
  // Tapering from the trunk to the tip: the bough stroked in pieces, each thinner.
  constexpr int kPieces = 8;
  for (const bool ink : {true, false}) {
    for (int piece = 0; piece < kPieces; ++piece) {
      const double thickness = 16.0 * (1.0 - piece * 0.1) - (ink ? 0 : 3.5);
      QPen wood(QColor::fromRgb(ink ? 0x1a1412 : kNearBark), thickness);
      wood.setCapStyle(Qt::RoundCap);
      painter.setPen(wood);
      painter.drawLine(bough.pointAtPercent(piece / static_cast<double>(kPieces)),
                       bough.pointAtPercent((piece + 1) / static_cast<double>(kPieces)));
    }
  }
  for (int twig = 0; twig < 6; ++twig) {
    const double along = 0.3 + twig * 0.12;
    const QPointF at = bough.pointAtPercent(along);
    const QPointF end = at + QPointF(20 + 30 * Vary(seed, twig, 13), (twig % 2 ? -1 : 1) * (18 + 24 * Vary(seed, twig, 14)));
    QPen thin(QColor::fromRgb(0x1a1412), 4.5 - twig * 0.4);
    thin.setCapStyle(Qt::RoundCap);
    painter.setPen(thin);
    painter.drawLine(at, end);
    tips.push_back(end);
  }
  tips.push_back(to);
  tips.push_back(from + QPointF(-10, -40));
  for (std::size_t tip = 0; tip < tips.size(); ++tip)
    PaintLeafMass(sketch, tips[tip], 24 + 12 * Vary(seed, static_cast<int>(tip), 16), kNearLeaves,
                  MixSeed(seed, static_cast<std::uint32_t>(tip + 50)), 0);
}

// Dark near trunks and boughs at the frame's edge: side=left|right|both, kind=leafy|pine. Put at the origin.
void PaintWoodFrame(Sketch& sketch, const Layer& layer) {
  const std::string side = layer.Word("side", "both");
  const std::string kind = layer.Word("kind", "leafy");
  if (side != "left" && side != "right" && side != "both")
    throw SceneError(layer.Where() + ": wood-frame side must be left, right or both");
  if (kind != "leafy" && kind != "pine") throw SceneError(layer.Where() + ": wood-frame kind must be leafy or pine");
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  for (const bool right : {false, true}) {
    if ((right && side == "left") || (!right && side == "right")) continue;
    QPainter& painter = sketch.Painter();
    painter.save();
    painter.translate(right ? kFrameWidth : 0, 0);
    painter.scale(right ? -1 : 1, 1);
    PaintNearTree(sketch, MixSeed(seed, right ? 2 : 1), kind == "pine", right);
    painter.restore();
  }
}

// Sunlight through the canopy on the ground below top: warm flecks, flattened and smaller with distance, in
// pools of cool shade; beams=N slanting shafts of light along the key light. Put at the origin.
void PaintSunDapple(Sketch& sketch, const Layer& layer) {
  if (sketch.IsSilhouette()) return;
  const double top = layer.Number("top", 220);
  const double strength = std::clamp(layer.Number("strength", 0.5), 0.0, 1.0);
  const std::uint32_t seed = MixSeed(sketch.Seed(), 0xd4b1);
  constexpr double kScale = 0.5;
  const int width = static_cast<int>(kFrameWidth * kScale);
  const int height = std::max(1, static_cast<int>((kFrameHeight - top) * kScale) + 1);
  QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
  const double horizon = sketch.Air().Horizon().value_or(top);
  for (int row = 0; row < height; ++row) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(row));
    const double y = top + row / kScale;
    const double distance = 1.0 / std::max(6.0, y - horizon + 6.0);
    for (int column = 0; column < width; ++column) {
      const double x = column / kScale - kFrameWidth / 2.0;
      const double value = FractalNoise(x * distance * 6.0, distance * 2400.0, seed, 3);
      if (value > 0.58) {
        const double alpha = std::clamp((value - 0.58) / 0.08, 0.0, 1.0) * strength * 0.55;
        const int a = static_cast<int>(alpha * 255);
        line[column] = qRgba(qRed(kSunFleck) * a / 255, qGreen(kSunFleck) * a / 255, qBlue(kSunFleck) * a / 255, a);
      } else if (value < 0.45) {
        const double alpha = std::clamp((0.45 - value) / 0.15, 0.0, 1.0) * strength * 0.35;
        const int a = static_cast<int>(alpha * 255);
        line[column] = qRgba(qRed(kCanopyShade) * a / 255, qGreen(kCanopyShade) * a / 255, qBlue(kCanopyShade) * a / 255, a);
      } else {
        line[column] = 0;
      }
    }
  }
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(0, top, width / kScale, height / kScale), canvas);
  // Shafts of light slanting down through the leaves.
  const int beams = static_cast<int>(layer.Number("beams", 0));
  const QPointF light = KeyLight(sketch);
  for (int beam = 0; beam < beams; ++beam) {
    const double x = kFrameWidth * (0.15 + 0.7 * Vary(seed, beam, 1));
    const double spread = 10 + 22 * Vary(seed, beam, 2);
    const QPointF down = light / std::max(0.2, light.y());
    const double length = top + 120;
    QPainterPath shaft;
    shaft.moveTo(x - spread * 0.4, 0);
    shaft.lineTo(x + spread * 0.4, 0);
    shaft.lineTo(x + down.x() * length + spread, length);
    shaft.lineTo(x + down.x() * length - spread, length);
    shaft.closeSubpath();
    QLinearGradient fade(0, 0, 0, length);
    QColor glow = QColor::fromRgb(kSunFleck);
    glow.setAlphaF(0.0f);
    fade.setColorAt(0, glow);
    glow.setAlphaF(static_cast<float>(0.16 * strength + 0.04));
    fade.setColorAt(0.4, glow);
    glow.setAlphaF(0.0f);
    fade.setColorAt(1, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fade);
    painter.drawPath(shaft);
  }
  painter.restore();
}

// Undergrowth along a line w wide: ferns, low leafy bushes, grass and now and then a fallen branch, sized
// by near= (1 close, smaller further off); origin at the left end of the line.
void PaintUndergrowth(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double near = layer.Number("near", 1.0);
  const double far = std::clamp(layer.Number("far", 0.0), 0.0, 0.9);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  const double density = layer.Number("density", 1.0);
  const double step = 34 * near / std::max(0.2, density);
  int index = 0;
  for (double x = Vary(seed, 1) * step; x < width; x += step * (0.6 + 0.8 * Vary(seed, index, 2)), ++index) {
    const double pick = Vary(seed, index, 3);
    const double y = (Vary(seed, index, 4) - 0.5) * 10 * near;
    sketch.Painter().save();
    sketch.Painter().translate(x, y);
    const std::uint32_t own = MixSeed(seed, static_cast<std::uint32_t>(index));
    if (pick < 0.4) {
      PaintFern(sketch, 40 * near * (0.7 + 0.6 * Vary(seed, index, 5)), own,
                TowardsHaze(sketch, index % 2 ? 0x4f8f34 : 0x3f7a30, far));
    } else if (pick < 0.75) {
      const double size = 22 * near * (0.7 + 0.6 * Vary(seed, index, 6));
      PaintLeafMass(sketch, QPointF(0, -size * 0.55), size, index % 3 ? 0x3a6e34 : 0x4a7a2c, own, far);
    } else if (pick < 0.93) {
      QPainter& painter = sketch.Painter();
      for (int blade = 0; blade < 7; ++blade) {
        const double lean = (Vary(seed, index * 9 + blade, 7) - 0.5) * 18 * near;
        const double tall = near * (14 + 16 * Vary(seed, index * 9 + blade, 8));
        QPainterPath path;
        path.moveTo(blade * 2.5 * near - 8 * near, 0);
        path.quadTo(blade * 2.5 * near - 8 * near + lean * 0.3, -tall * 0.6, blade * 2.5 * near - 8 * near + lean, -tall);
        QPen pen(QColor::fromRgb(TowardsHaze(sketch, blade % 2 ? 0x5f9a3a : 0x3f7a2c, far)), 1.6 * near);
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
      }
    } else {
      // A fallen branch lying in the leaves.
      const double length = 60 * near;
      QPen pen(QColor::fromRgb(0x241a16), 7 * near);
      pen.setCapStyle(Qt::RoundCap);
      sketch.Painter().setPen(pen);
      sketch.Painter().drawLine(QPointF(-length / 2, 0), QPointF(length / 2, -4 * near));
      pen.setColor(QColor::fromRgb(TowardsHaze(sketch, 0x6a5038, far)));
      pen.setWidthF(5 * near);
      sketch.Painter().setPen(pen);
      sketch.Painter().drawLine(QPointF(-length / 2, 0), QPointF(length / 2, -4 * near));
    }
    sketch.Painter().restore();
  }
}

// A trail winding from its near end at the origin (w wide) to its far end at to-x, to-y (to-w wide), bent
// sideways by bend=: worn earth with wheel ruts or a trodden centre, grass eating into its edges, roots
// crossing it, stones and fallen leaves on it, all smaller with distance.
void PaintTrail(Sketch& sketch, const Layer& layer) {
  const double nearWidth = layer.Number("w", 220);
  const QPointF end(layer.Number("to-x", 0), layer.Number("to-y", -180));
  const double farWidth = layer.Number("to-w", 30);
  const double bend = layer.Number("bend", 0);
  const QRgb colour = layer.Colour("colour", kPath);
  const bool ruts = layer.Flag("ruts", true);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  QPainterPath centre;
  centre.moveTo(0, 0);
  centre.cubicTo(QPointF(bend, end.y() * 0.35), QPointF(end.x() - bend * 0.6, end.y() * 0.75), end);
  constexpr int kSteps = 40;
  std::vector<QPointF> left, right, middle;
  std::vector<double> widths;
  for (int step = 0; step <= kSteps; ++step) {
    const double along = step / static_cast<double>(kSteps);
    const QPointF at = centre.pointAtPercent(along);
    // Width shrinks with distance like the perspective of a level road.
    const double width = nearWidth + (farWidth - nearWidth) * std::pow(along, 0.8);
    const double wobble = (FractalNoise(along * 9, 1.5, seed, 2) - 0.5) * 0.22;
    const double wobble2 = (FractalNoise(along * 9, 4.5, seed, 2) - 0.5) * 0.22;
    // Across the trail on the ground: sideways for a trail running away, foreshortened for one running across.
    const double heading = centre.angleAtPercent(along) * 3.14159265 / 180.0;
    const QPointF across(std::sin(heading), std::cos(heading) * kGroundForeshortening);
    const QPointF half = across * (width / 2) * (across.x() < 0 ? -1.0 : 1.0);
    left.push_back(at - half * (1.0 - wobble));
    right.push_back(at + half * (1.0 + wobble2));
    middle.push_back(at);
    widths.push_back(width);
  }
  QPainterPath ribbon;
  ribbon.moveTo(left.front());
  for (const QPointF& point : left) ribbon.lineTo(point);
  for (auto point = right.rbegin(); point != right.rend(); ++point) ribbon.lineTo(*point);
  ribbon.closeSubpath();
  if (sketch.IsSilhouette()) {
    sketch.Fill(ribbon, colour);
    return;
  }
  QPainter& painter = sketch.Painter();
  sketch.Fill(ribbon, colour);
  // Shade along the edges where the trodden earth dips under the grass; paler where it was worn.
  QPen edge(QColor::fromRgb(BlendColour(colour, 0x3a2a20, 0.45)));
  edge.setCapStyle(Qt::RoundCap);
  for (int step = 0; step < kSteps; ++step) {
    edge.setWidthF(std::max(0.8, widths[step] * 0.05));
    painter.setPen(edge);
    painter.drawLine(left[step] + QPointF(widths[step] * 0.02, 0), left[step + 1] + QPointF(widths[step] * 0.02, 0));
    painter.drawLine(right[step] - QPointF(widths[step] * 0.02, 0), right[step + 1] - QPointF(widths[step] * 0.02, 0));
  }
  // Wheel ruts, or a trodden line for a footpath.
  const auto along = [&](double share, int step) { return left[step] + (right[step] - left[step]) * share; };
  const QColor rutColour = QColor::fromRgb(BlendColour(colour, 0x3a2618, 0.35));
  const QColor rutLight = QColor::fromRgb(BlendColour(colour, 0xfff0d0, 0.35));
  for (const double share : ruts ? std::vector<double>{0.28, 0.72} : std::vector<double>{0.5}) {
    for (int step = 0; step < kSteps; ++step) {
      QPen pen(rutColour, std::max(0.6, widths[step] * (ruts ? 0.05 : 0.1)));
      pen.setCapStyle(Qt::RoundCap);
      painter.setPen(pen);
      painter.drawLine(along(share, step), along(share, step + 1));
      pen.setColor(rutLight);
      pen.setWidthF(std::max(0.4, widths[step] * 0.015));
      painter.setPen(pen);
      const QPointF lift(0, std::max(0.5, widths[step] * 0.025));
      painter.drawLine(along(share, step) + lift, along(share, step + 1) + lift);
    }
  }
  // Grass tufts along the middle between ruts and over the edges.
  painter.setBrush(Qt::NoBrush);
  for (int tuft = 0; tuft < 70; ++tuft) {
    const int step = static_cast<int>(Vary(seed, tuft, 1) * kSteps);
    const double size = widths[step] * 0.06 + 1;
    const double pick = Vary(seed, tuft, 2);
    const QPointF at = pick < 0.4 ? along(0.5, step) : pick < 0.7 ? left[step] : right[step];
    QPen blade(QColor::fromRgb(tuft % 2 ? 0x4f8a30 : 0x6aa040), std::max(0.6, size * 0.22));
    blade.setCapStyle(Qt::RoundCap);
    painter.setPen(blade);
    for (int leaf = -1; leaf <= 1; ++leaf)
      painter.drawLine(at + QPointF(leaf * size * 0.3, 0), at + QPointF(leaf * size * 0.7, -size * (1.1 - 0.3 * std::abs(leaf))));
  }
  // Roots crossing the near part of the trail.
  const int roots = static_cast<int>(layer.Number("roots", 2));
  for (int root = 0; root < roots; ++root) {
    const int step = 2 + static_cast<int>(Vary(seed, root, 3) * kSteps * 0.35);
    const bool fromLeft = Vary(seed, root, 4) < 0.5;
    const QPointF start = fromLeft ? left[step] - QPointF(widths[step] * 0.08, 0) : right[step] + QPointF(widths[step] * 0.08, 0);
    const QPointF stop = along(fromLeft ? 0.2 + 0.3 * Vary(seed, root, 5) : 0.8 - 0.3 * Vary(seed, root, 5), step + 3);
    QPainterPath path;
    path.moveTo(start);
    path.quadTo((start + stop) / 2 + QPointF(0, -widths[step] * 0.05), stop);
    const double thick = widths[step] * 0.035 + 1;
    QPen pen(QColor::fromRgb(0x2a201a), thick + 1.6);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawPath(path);
    pen.setColor(QColor::fromRgb(0x7a5a40));
    pen.setWidthF(thick);
    painter.setPen(pen);
    painter.drawPath(path);
    pen.setColor(QColor::fromRgb(0xb0906a));
    pen.setWidthF(thick * 0.3);
    painter.setPen(pen);
    painter.drawPath(path.translated(0, -thick * 0.25));
  }
  // Stones half sunk in the earth and fallen leaves.
  painter.setPen(Qt::NoPen);
  for (int fleck = 0; fleck < 70; ++fleck) {
    const int step = static_cast<int>(Vary(seed, fleck, 6) * kSteps);
    const QPointF at = along(Vary(seed, fleck, 7), step);
    const double size = widths[step] * 0.012 + 0.5;
    if (fleck % 4 == 0) {
      painter.setBrush(QColor::fromRgb(0x4a3c34));
      painter.drawEllipse(at + QPointF(0, size * 0.3), size * 1.3, size * 0.7);
      painter.setBrush(QColor::fromRgb(fleck % 8 ? kStone : kStoneLight));
      painter.drawEllipse(at, size * 1.2, size * 0.6);
    } else {
      painter.save();
      painter.translate(at);
      painter.rotate(Vary(seed, fleck, 8) * 180);
      painter.setBrush(QColor::fromRgb(kLitter[fleck % 5]));
      painter.drawEllipse(QPointF(0, 0), size * 1.4, size * 0.6);
      painter.restore();
    }
  }
}


// One arching bramble stem from the origin, bend sideways, with hooked thorns along it.
void PaintThornStem(QPainter& painter, double length, double bend, std::uint32_t seed) {
  QPainterPath stem;
  stem.moveTo(0, 0);
  stem.cubicTo(bend * 0.1, -length * 0.6, bend * 0.7, -length * 1.05, bend * 1.3, -length * 0.7);
  for (const bool ink : {true, false}) {
    QPen pen(QColor::fromRgb(ink ? 0x1a1214 : 0x6a3a30), ink ? 4.2 : 2.4);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(0x2a1a1a));
  for (int thorn = 1; thorn < 10; ++thorn) {
    const double along = thorn / 10.0;
    const QPointF point = stem.pointAtPercent(along);
    const double angle = stem.angleAtPercent(along) * 3.14159265 / 180.0;
    const double side = Vary(seed, thorn, 1) < 0.5 ? 1 : -1;
    const QPointF tangent(std::cos(angle), -std::sin(angle));
    const QPointF normal(-tangent.y() * side, tangent.x() * side);
    painter.drawPath(PathThrough({point - tangent * 2.5, point + normal * 7 - tangent * 2, point + tangent * 2.5}));
  }
}

// A thicket of thorny brush w wide and h high on the origin's line, its left end at the origin: leaf
// masses heaped in rows from dark, hazed ones behind to large lit ones in front, bramble stems arching out
// with hooked thorns, dark berries. hole=yes cuts a passage at hole-x: a dark tunnel through the brush with
// daylight and the trail beyond at its end, cut stems at its rim.
void PaintThicket(Sketch& sketch, const Layer& layer) {
  const double width = layer.Number("w", kFrameWidth);
  const double height = layer.Number("h", 260);
  const bool hole = layer.Flag("hole", false);
  const double holeX = layer.Number("hole-x", width / 2);
  const double holeWidth = layer.Number("hole-w", 110);
  const double holeHeight = layer.Number("hole-h", 190);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  QPainter& painter = sketch.Painter();
  // The mass behind everything: no sky shows through the brush.
  QPainterPath body;
  body.moveTo(-10, 10);
  for (double x = -10; x <= width + 10; x += 10)
    body.lineTo(x, -height * (0.66 + 0.16 * FractalNoise(x / 70.0, 1.5, seed, 2)));
  body.lineTo(width + 10, 10);
  body.closeSubpath();
  sketch.Fill(body, 0x1c3022);
  if (sketch.IsSilhouette()) return;
  // The rows of leaf masses, back to front; stems between them.
  constexpr int kRows = 5;
  for (int row = 0; row < kRows; ++row) {
    const double depth = row / static_cast<double>(kRows - 1);  // 0 behind, 1 in front
    const double y = -height * (0.8 - depth * 0.66);
    const double radius = height * (0.11 + depth * 0.08);
    int index = 0;
    for (double x = -radius * 0.5 + Vary(seed, row, 2) * radius; x < width + radius; x += radius * (1.05 + 0.4 * Vary(seed, index, row + 3)), ++index) {
      if (hole && std::abs(x - holeX) < holeWidth * 0.5 + radius * 0.4 && y > -holeHeight - radius * 0.3) continue;
      const QPointF at(x, y + (Vary(seed, index, row + 10) - 0.5) * radius * 1.1);
      if (row > 0) {
        // The mass in front shades the brush behind it.
        QRadialGradient shade(at - QPointF(0, radius * 0.35), radius * 1.35);
        QColor dark = QColor::fromRgb(0x0c1a12);
        dark.setAlphaF(0.45f);
        shade.setColorAt(0, dark);
        dark.setAlphaF(0);
        shade.setColorAt(1, dark);
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(at - QPointF(0, radius * 0.35), radius * 1.35, radius * 1.35);
      }
      const QRgb leaves = index % 3 == 0 ? 0x3a6a2c : index % 3 == 1 ? 0x2f5e34 : 0x4a7a30;
      PaintLeafMass(sketch, at, radius * (0.75 + 0.5 * Vary(seed, index, row + 11)), leaves,
                    MixSeed(seed, static_cast<std::uint32_t>(row * 100 + index)), 0.25 * (1.0 - depth));
      if (Vary(seed, index, row + 20) < 0.45) {
        painter.save();
        painter.translate(at + QPointF(0, radius * 0.6));
        PaintThornStem(painter, radius * (1.6 + Vary(seed, index, row + 21)), (Vary(seed, index, row + 22) - 0.5) * radius * 3,
                       MixSeed(seed, static_cast<std::uint32_t>(index + row * 50)));
        painter.restore();
      }
    }
  }
  // Long brambles arching out of the front of the brush towards the eye.
  for (int stem = 0; stem < 8; ++stem) {
    const double x = (stem + 0.3 + 0.4 * Vary(seed, stem, 35)) * width / 8;
    if (hole && std::abs(x - holeX) < holeWidth) continue;
    painter.save();
    painter.translate(x, -height * 0.05);
    PaintThornStem(painter, height * (0.35 + 0.2 * Vary(seed, stem, 36)), (stem % 2 ? 1 : -1) * height * (0.15 + 0.15 * Vary(seed, stem, 37)),
                   MixSeed(seed, static_cast<std::uint32_t>(stem + 900)));
    painter.restore();
  }
  // Berries in clusters.
  painter.setPen(QPen(QColor::fromRgb(0x1a1012), 0.8));
  for (int berry = 0; berry < 40; ++berry) {
    const double x = Vary(seed, berry, 30) * width;
    if (hole && std::abs(x - holeX) < holeWidth * 0.6) continue;
    const double y = -height * (0.1 + 0.6 * Vary(seed, berry, 31));
    painter.setBrush(QColor::fromRgb(berry % 3 ? 0x3a1a3a : 0x8a1f3a));
    painter.drawEllipse(QPointF(x, y), 2.6, 2.6);
  }
  if (!hole) return;
  // The passage: a tunnel through the brush, dark at its walls, daylight and the trail at its end.
  QPainterPath tunnel;
  tunnel.moveTo(holeX - holeWidth / 2, 2);
  tunnel.cubicTo(holeX - holeWidth * 0.62, -holeHeight * 0.6, holeX - holeWidth * 0.35, -holeHeight, holeX, -holeHeight);
  tunnel.cubicTo(holeX + holeWidth * 0.35, -holeHeight, holeX + holeWidth * 0.62, -holeHeight * 0.6, holeX + holeWidth / 2, 2);
  tunnel.closeSubpath();
  QRadialGradient inside(QPointF(holeX, -holeHeight * 0.42), holeWidth * 0.7);
  inside.setColorAt(0, QColor::fromRgb(0xf0f2d0));
  inside.setColorAt(0.3, QColor::fromRgb(0x9ab870));
  inside.setColorAt(0.7, QColor::fromRgb(0x2a4426));
  inside.setColorAt(1, QColor::fromRgb(0x101a12));
  painter.setPen(Qt::NoPen);
  painter.setBrush(inside);
  painter.drawPath(tunnel);
  // The trail running in to the light, trodden, with leaves on it.
  painter.save();
  painter.setClipPath(tunnel);
  painter.translate(holeX, 4);
  const Layer trail("trail", {{"w", std::to_string(holeWidth * 0.85)}, {"to-x", "0"}, {"to-y", std::to_string(-holeHeight * 0.34)},
                              {"to-w", "10"}, {"bend", std::to_string(holeWidth * 0.2)}, {"ruts", "no"}, {"roots", "1"}},
                    layer.Where());
  PaintTrail(sketch, trail);
  painter.restore();
  // Cut stems bristling round the rim, their pale cut ends towards the passage.
  for (int stub = 0; stub < 14; ++stub) {
    const double share = (stub + 0.5) / 14;
    const QPointF rim = tunnel.pointAtPercent(0.04 + share * 0.92);
    const QPointF out = rim + (rim - QPointF(holeX, -holeHeight * 0.4)) * (0.12 + 0.08 * Vary(seed, stub, 40));
    QPen cut(QColor::fromRgb(0x1a1214), 4.5);
    cut.setCapStyle(Qt::RoundCap);
    painter.setPen(cut);
    painter.drawLine(rim, out);
    cut.setColor(QColor::fromRgb(0x7a5a3a));
    cut.setWidthF(2.6);
    painter.setPen(cut);
    painter.drawLine(rim, out);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(0xe8d8a8));
    painter.drawEllipse(rim, 2.2, 2.2);
  }
  painter.setPen(QPen(QColor::fromRgb(0x101a12), 2.5));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tunnel);
}

// A tree house in the crown of a great oak h high, its trunk's foot at the origin: a house of planks with a
// shingled roof and a lit window on a platform with a railing, leaf masses round it. ladder=yes runs a
// ladder up the trunk to the platform; far= pales it with distance.
void PaintOakTreeHouse(Sketch& sketch, const Layer& layer) {
  const double height = layer.Number("h", 300);
  const double far = std::clamp(layer.Number("far", 0.0), 0.0, 0.9);
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  PaintWoodTree(sketch, height, TreeKind::kOak, seed, far);
  QPainter& painter = sketch.Painter();
  const double floorY = -height * 0.5;
  const double half = height * 0.2;
  // The platform and its railing.
  sketch.Box(-half * 1.25, floorY, half * 2.5, height * 0.03, TowardsHaze(sketch, kWoodDark, far));
  for (int post = 0; post <= 8; ++post) {
    const double x = -half * 1.2 + post * half * 2.4 / 8;
    sketch.Line(x, floorY, x, floorY - height * 0.06, TowardsHaze(sketch, kWoodDark, far), std::max(1.0, height * 0.008));
  }
  sketch.Line(-half * 1.22, floorY - height * 0.06, half * 1.22, floorY - height * 0.06, TowardsHaze(sketch, kWoodDark, far), std::max(1.2, height * 0.01));
  // The house: planks, a door and a lit window, a roof of shingles.
  const double wallTop = floorY - height * 0.2;
  sketch.Box(-half * 0.9, wallTop, half * 1.8, floorY - wallTop, TowardsHaze(sketch, kWoodLight, far));
  if (!sketch.IsSilhouette()) {
    painter.setPen(QPen(QColor::fromRgb(TowardsHaze(sketch, kWoodDark, far)), std::max(0.6, height * 0.003)));
    for (int plank = 1; plank < 7; ++plank) {
      const double y = wallTop + plank * (floorY - wallTop) / 7;
      painter.drawLine(QPointF(-half * 0.9, y), QPointF(half * 0.9, y));
    }
  }
  sketch.Box(-half * 0.6, floorY - height * 0.13, half * 0.45, height * 0.13, TowardsHaze(sketch, kWoodDark, far));
  sketch.Box(half * 0.15, wallTop + height * 0.05, half * 0.5, height * 0.07, 0xffd98a);
  sketch.Line(half * 0.4, wallTop + height * 0.05, half * 0.4, wallTop + height * 0.12, kWoodDark, std::max(1.0, height * 0.006));
  if (!sketch.IsSilhouette()) sketch.Glow(half * 0.4, wallTop + height * 0.085, height * 0.12, 0xffd98a, 0.25);
  QPainterPath roof = PathThrough({At(-half * 1.15, wallTop + 2), At(0, wallTop - height * 0.14), At(half * 1.15, wallTop + 2)});
  sketch.Shape(roof, TowardsHaze(sketch, kRoof, far));
  if (!sketch.IsSilhouette()) {
    painter.setPen(QPen(QColor::fromRgb(TowardsHaze(sketch, 0x4a2a22, far)), std::max(0.6, height * 0.003)));
    for (int course = 1; course < 4; ++course) {
      const double share = course / 4.0;
      painter.drawLine(QPointF(-half * 1.15 * share, wallTop - height * 0.14 * (1 - share)),
                       QPointF(half * 1.15 * share, wallTop - height * 0.14 * (1 - share)));
    }
  }
  // Leaves hanging in front of the house's corners.
  PaintLeafMass(sketch, QPointF(-half * 1.3, wallTop - height * 0.02), height * 0.08, kLeaf, MixSeed(seed, 7), far);
  PaintLeafMass(sketch, QPointF(half * 1.35, floorY - height * 0.12), height * 0.07, kLeaf, MixSeed(seed, 8), far);
  if (layer.Flag("ladder", false)) {
    const QRgb wood = TowardsHaze(sketch, kWoodDark, far);
    const double rail = height * 0.035;
    sketch.Line(-rail, 4, -rail * 0.8, floorY, wood, std::max(1.5, height * 0.012));
    sketch.Line(rail, 4, rail * 0.8, floorY, wood, std::max(1.5, height * 0.012));
    for (int rung = 1; rung < 12; ++rung) {
      const double y = floorY * rung / 12.0;
      sketch.Line(-rail * 0.9, y, rail * 0.9, y, wood, std::max(1.2, height * 0.008));
    }
  }
}


// A spruce h long cut down and lying on the ground, its sawn face at the origin and its tip toward= left
// or right: the standing spruce laid on its side and seen along the ground, the pale cut face with its rings.
void PaintFelledSpruce(Sketch& sketch, const Layer& layer) {
  const double length = layer.Number("h", 220);
  const bool left = layer.Word("toward", "left") == "left";
  const std::uint32_t seed = MixSeed(sketch.Seed(), static_cast<std::uint32_t>(layer.Number("seed", 1)));
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(0, -length * 0.07);
  painter.scale(1, 0.62);
  painter.rotate(left ? -90 : 90);
  PaintSpruceTree(sketch, length, layer.Colour("colour", kPine), seed, 0);
  painter.restore();
  sketch.Oval(0, -length * 0.07, length * 0.02, length * 0.04, kWoodLight);
  sketch.Oval(0, -length * 0.07, length * 0.01, length * 0.02, kWoodLight);
}

}  // namespace

void RegisterWoodlandProps(PropRegistry& registry) {
  registry.Add("woodland", PaintWoodland);
  registry.Add("wood-tree", PaintGrownTree, 30);
  registry.Add("wood-frame", PaintWoodFrame);
  registry.Add("sun-dapple", PaintSunDapple);
  registry.Add("undergrowth", PaintUndergrowth);
  registry.Add("trail", PaintTrail);
  registry.Add("thicket", PaintThicket);
  registry.Add("oak-tree-house", PaintOakTreeHouse, 45);
  registry.Add("felled-spruce", PaintFelledSpruce, 60);
}

}  // namespace brackenhollow::art
