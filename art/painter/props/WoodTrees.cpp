// Trees grown from a seed in several species, leaf masses lit from the key light, and ferns.
#include "art/painter/props/WoodKit.h"

#include "art/painter/Noise.h"
#include "art/painter/Palette.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <vector>

namespace brackenhollow::art {

using namespace colours;

namespace {

constexpr QRgb kLeafShadow = 0x14283a;   // the cool dark a leaf mass turns in its own shade
constexpr QRgb kLeafSun = 0xe8e27a;      // the warm yellow its lit clumps take
constexpr QRgb kBarkInk = 0x241a16;
constexpr QRgb kBarkLit = 0xa88a66;

// A number in [0, 1) for a salt of the seed.
double Vary(std::uint32_t seed, int salt, int row = 0) {
  return LatticeValue(salt, row, seed);
}

// Fills an ellipse in a plain colour, without outline or texture: the dabs leaf masses are built of.
void Dab(QPainter& painter, QPointF centre, double radiusX, double radiusY, const QColor& colour) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawEllipse(centre, radiusX, radiusY);
}

// One tapered piece of wood from one point to another, its ink first so joints stay clean.
struct Wood {
  QPointF from, to;
  double width;
};

// Grows a limb and its forks from base, collecting the wood and the tips where leaves grow.
void Grow(std::uint32_t seed, int salt, QPointF base, double angle, double length, double width, int depth,
          double spread, std::vector<Wood>& wood, std::vector<QPointF>& tips) {
  QPointF point = base;
  constexpr int kKinks = 2;
  for (int kink = 0; kink < kKinks; ++kink) {
    angle += (Vary(seed, salt * 8 + kink, depth) - 0.5) * 0.5;
    const QPointF next = point + QPointF(std::sin(angle), -std::cos(angle)) * (length / kKinks);
    wood.push_back({point, next, width * (1.0 - 0.25 * (kink + 1) / kKinks)});
    point = next;
  }
  if (depth == 0) {
    tips.push_back(point);
    return;
  }
  const int forks = Vary(seed, salt * 8 + 5, depth) > 0.55 ? 3 : 2;
  for (int fork = 0; fork < forks; ++fork) {
    const double turn = (fork - (forks - 1) / 2.0) * spread * (0.7 + 0.6 * Vary(seed, salt * 8 + 6 + fork, depth));
    Grow(seed, salt * 4 + fork + 1, point, angle + turn, length * (0.62 + 0.2 * Vary(seed, salt + fork, depth + 9)),
         width * 0.66, depth - 1, spread, wood, tips);
  }
}

// Strokes the wood: a dark rim, the bark, and light down the side facing the key light.
void PaintWood(Sketch& sketch, const std::vector<Wood>& wood, QRgb bark, double haze) {
  QPainter& painter = sketch.Painter();
  const QPointF light = KeyLight(sketch);
  const auto stroke = [&](const Wood& piece, QRgb colour, double width, QPointF shift) {
    QPen pen(QColor::fromRgb(TowardsHaze(sketch, colour, haze)));
    pen.setWidthF(width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(piece.from + shift, piece.to + shift);
  };
  for (const Wood& piece : wood) stroke(piece, kBarkInk, piece.width + 2.2, QPointF());
  for (const Wood& piece : wood) stroke(piece, bark, piece.width, QPointF());
  for (const Wood& piece : wood)
    if (piece.width > 3) stroke(piece, BlendColour(bark, kBarkLit, 0.6), piece.width * 0.3, -light * piece.width * 0.28);
}

// A trunk from the ground to the fork, flared into roots at its foot, with bark furrows; returns the fork.
QPointF PaintTrunk(Sketch& sketch, double height, double width, double forkAt, QRgb bark, std::uint32_t seed,
                   double haze, bool furrowed) {
  const double lean = (Vary(seed, 1) - 0.5) * height * 0.06;
  const QPointF fork(lean, -height * forkAt);
  QPainterPath trunk;
  trunk.moveTo(-width * 1.5, 0);
  trunk.quadTo(-width * 0.55, -width * 0.25, -width * 0.5, -height * 0.1);
  trunk.quadTo(-width * 0.42 + lean * 0.4, -height * forkAt * 0.6, fork.x() - width * 0.34, fork.y());
  trunk.lineTo(fork.x() + width * 0.34, fork.y());
  trunk.quadTo(width * 0.42 + lean * 0.4, -height * forkAt * 0.6, width * 0.5, -height * 0.1);
  trunk.quadTo(width * 0.55, -width * 0.25, width * 1.6, 0);
  trunk.quadTo(width * 0.4, width * 0.12, 0, width * 0.05);
  trunk.quadTo(-width * 0.4, width * 0.12, -width * 1.5, 0);
  trunk.closeSubpath();
  QPainter& painter = sketch.Painter();
  painter.setPen(QPen(QColor::fromRgb(TowardsHaze(sketch, kBarkInk, haze)), 1.6));
  painter.setBrush(QColor::fromRgb(TowardsHaze(sketch, bark, haze)));
  painter.drawPath(trunk);
  if (haze < 0.6 && width > 4) sketch.Texture(trunk, kBark);
  // Shade on the side away from the light, a lit edge on the other.
  const QPointF light = KeyLight(sketch);
  const double away = light.x() >= 0 ? 1 : -1;
  QLinearGradient shade(QPointF(-width * 0.6, 0), QPointF(width * 0.6, 0));
  QColor dark = QColor::fromRgb(TowardsHaze(sketch, kLeafShadow, haze));
  dark.setAlphaF(0);
  shade.setColorAt(away > 0 ? 0.35 : 0.65, dark);
  dark.setAlphaF(0.55f * static_cast<float>(1.0 - haze));
  shade.setColorAt(away > 0 ? 1.0 : 0.0, dark);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(trunk);
  if (furrowed && haze < 0.5 && width > 5) {
    QPen furrow(QColor::fromRgb(TowardsHaze(sketch, kBarkInk, haze)));
    furrow.setWidthF(std::max(0.6, width * 0.06));
    painter.setPen(furrow);
    painter.setBrush(Qt::NoBrush);
    const int lines = 3 + static_cast<int>(width / 8);
    for (int line = 0; line < lines; ++line) {
      const double across = (line + 0.5) / lines - 0.5;
      QPainterPath path;
      path.moveTo(across * width * 0.9, -height * 0.03);
      for (int step = 1; step <= 5; ++step) {
        const double along = step / 5.0;
        const double x = across * width * (0.9 - 0.3 * along) + lean * 0.4 * along +
                         (Vary(seed, line * 7 + step, 4) - 0.5) * width * 0.08;
        path.lineTo(x, -height * forkAt * along * (0.8 + 0.15 * Vary(seed, line, 5)));
      }
      painter.drawPath(path);
    }
  }
  return fork;
}

// A spruce: a straight thin trunk under tiers of drooping, needled sprays, broad below and narrowing to a
// spire, the sprays facing the light paler.
void PaintSpruce(Sketch& sketch, double height, QRgb needles, std::uint32_t seed, double haze) {
  QPainter& painter = sketch.Painter();
  const double width = height * 0.035;
  PaintTrunk(sketch, height, width, 0.9, kBark, seed, haze, false);
  const QPointF light = KeyLight(sketch);
  const int tiers = 9 + static_cast<int>(Vary(seed, 2) * 4);
  const double girth = 0.26 + 0.08 * Vary(seed, 3);
  const QColor ink = QColor::fromRgb(TowardsHaze(sketch, kBarkInk, haze * 0.8));
  const QColor shade = QColor::fromRgb(TowardsHaze(sketch, BlendColour(needles, kLeafShadow, 0.45), haze));
  const QColor body = QColor::fromRgb(TowardsHaze(sketch, needles, haze));
  const QColor lit = QColor::fromRgb(TowardsHaze(sketch, BlendColour(needles, kLeafSun, 0.3), haze));
  // The dark heart of the tree the sprays hang from, so no sky shows between the tiers near the trunk.
  const double baseReach = height * girth;
  QPainterPath core;
  core.moveTo(0, -height * 0.95);
  core.lineTo(baseReach * 0.45, -height * 0.1);
  core.lineTo(-baseReach * 0.45, -height * 0.1);
  core.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgb(TowardsHaze(sketch, BlendColour(needles, kLeafShadow, 0.6), haze)));
  painter.drawPath(core);
  for (int tier = 0; tier < tiers; ++tier) {
    const double along = static_cast<double>(tier) / tiers;  // 0 at the bottom tier
    const double y = -height * (0.12 + along * 0.8);
    const double reach = height * girth * (1.0 - along * 0.92) * (0.85 + 0.3 * Vary(seed, tier, 6));
    const double droop = reach * (0.5 + 0.2 * Vary(seed, tier, 7));
    for (const double side : {-1.0, 1.0}) {
      const bool facingLight = side * light.x() < 0;
      QPainterPath spray;
      spray.moveTo(0, y - height * 0.03);
      spray.quadTo(side * reach * 0.55, y - droop * 0.15, side * reach, y + droop * 0.55);
      // A soft, ragged lower edge of small needle tufts back to the trunk.
      constexpr int kTufts = 9;
      for (int tuft = 1; tuft <= kTufts; ++tuft) {
        const double back = 1.0 - tuft / static_cast<double>(kTufts);
        const double sag = droop * (0.5 * back + 0.18) + height * 0.01 * (0.5 + Vary(seed, tier * 20 + tuft, 8));
        spray.lineTo(side * reach * (back + 0.05), sag + y);
        spray.lineTo(side * reach * back, y + droop * 0.45 * back + height * 0.002);
      }
      spray.closeSubpath();
      QColor edge = ink;
      edge.setAlphaF(0.6f);
      painter.setPen(QPen(edge, haze > 0.5 ? 0.5 : 0.9));
      painter.setBrush(facingLight ? body : shade);
      painter.drawPath(spray);
      if (facingLight && haze < 0.7) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(lit);
        painter.drawPath(spray.intersected([&] {
          QPainterPath top;
          top.addRect(QRectF(std::min(0.0, side * reach), y - height * 0.05, reach, droop * 0.45 + height * 0.04));
          return top;
        }()));
      }
    }
  }
  // The spire.
  QPainterPath spire;
  spire.moveTo(0, -height);
  spire.lineTo(height * 0.03, -height * 0.9);
  spire.lineTo(-height * 0.03, -height * 0.9);
  spire.closeSubpath();
  painter.setPen(QPen(ink, 1));
  painter.setBrush(body);
  painter.drawPath(spire);
}

}  // namespace

QRgb BlendColour(QRgb first, QRgb second, double share) {
  share = std::clamp(share, 0.0, 1.0);
  const auto channel = [share](int one, int other) { return static_cast<int>(one + (other - one) * share + 0.5); };
  return qRgb(channel(qRed(first), qRed(second)), channel(qGreen(first), qGreen(second)),
              channel(qBlue(first), qBlue(second)));
}

QRgb TowardsHaze(Sketch& sketch, QRgb colour, double amount) {
  if (amount <= 0 || !sketch.Air().HasHaze()) return colour;
  return BlendColour(colour, sketch.Air().Haze(), amount);
}

QPointF KeyLight(Sketch& sketch) {
  const QPointF direction = sketch.Air().LightDirection();
  const double length = std::hypot(direction.x(), direction.y());
  return length > 0 ? direction / length : QPointF(0, 1);
}

void PaintAtMost(Sketch& sketch, double most, const std::function<void(Sketch&)>& paint) {
  QPainter& painter = sketch.Painter();
  QPaintDevice* device = painter.device();
  const double resolution = device == nullptr ? 1.0 : device->width() / static_cast<double>(kFrameWidth);
  if (sketch.IsSilhouette() || device == nullptr || resolution <= most) {
    paint(sketch);
    return;
  }
  const double shrink = most / resolution;
  QImage canvas(static_cast<int>(std::ceil(device->width() * shrink)), static_cast<int>(std::ceil(device->height() * shrink)),
                QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  {
    QPainter soft(&canvas);
    soft.setRenderHint(QPainter::Antialiasing, true);
    soft.setWorldTransform(painter.worldTransform() * QTransform::fromScale(shrink, shrink));
    Sketch small(soft, sketch.Air(), most, 0.0);
    small.SetSeed(sketch.Seed());
    paint(small);
  }
  painter.save();
  painter.resetTransform();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(QRectF(0, 0, device->width(), device->height()), canvas);
  painter.restore();
}

void PaintLeafMass(Sketch& sketch, QPointF centre, double radius, QRgb leaves, std::uint32_t seed, double haze) {
  if (sketch.IsSilhouette()) {
    Dab(sketch.Painter(), centre, radius, radius * 0.8, Qt::black);
    return;
  }
  QPainter& painter = sketch.Painter();
  const QPointF light = KeyLight(sketch);
  const QColor rim = QColor::fromRgb(TowardsHaze(sketch, BlendColour(kBarkInk, kLeafShadow, 0.5), haze));
  const QColor shade = QColor::fromRgb(TowardsHaze(sketch, BlendColour(leaves, kLeafShadow, 0.5), haze));
  const QColor body = QColor::fromRgb(TowardsHaze(sketch, leaves, haze));
  const QColor lit = QColor::fromRgb(TowardsHaze(sketch, BlendColour(leaves, kLeafSun, 0.38), haze));
  const QColor sun = QColor::fromRgb(TowardsHaze(sketch, BlendColour(leaves, kLeafSun, 0.5), haze));
  // Far masses are small and soft: fewer dabs carry them.
  const int clumps = haze > 0.2 ? 7 : std::clamp(static_cast<int>(radius / 6), 10, 22);
  // Big near masses are built of more, smaller clumps, so leaves stay leaf-sized.
  const double clumpSize = std::sqrt(10.0 / clumps);
  const auto place = [&](int clump, int layer, double reach) {
    const double angle = clump * 2.39996 + Vary(seed, clump, layer) * 0.9;
    const double distance = reach * (0.35 + 0.65 * Vary(seed, clump + 40, layer));
    return centre + QPointF(std::cos(angle) * distance, std::sin(angle) * distance * 0.78);
  };
  // The dark rim and under-layer, shifted away from the light.
  for (int clump = 0; clump < clumps; ++clump) {
    const QPointF at = place(clump, 0, radius * 0.62) + light * radius * 0.08;
    const double size = radius * (0.3 + 0.14 * Vary(seed, clump, 1)) * clumpSize;
    if (haze < 0.75) Dab(painter, at, size + 1.3, size * 0.86 + 1.3, rim);
  }
  for (int clump = 0; clump < clumps; ++clump) {
    const QPointF at = place(clump, 0, radius * 0.62) + light * radius * 0.08;
    const double size = radius * (0.3 + 0.14 * Vary(seed, clump, 1)) * clumpSize;
    Dab(painter, at, size, size * 0.86, shade);
  }
  // The body, towards the light.
  for (int clump = 0; clump < clumps - 1; ++clump) {
    const QPointF at = place(clump, 2, radius * 0.55) - light * radius * 0.12;
    const double size = radius * (0.22 + 0.1 * Vary(seed, clump, 3)) * clumpSize;
    Dab(painter, at, size, size * 0.82, body);
  }
  // Lit clumps on the side the light comes from, and a few sunlit flecks at their edge.
  for (int clump = 0; clump < clumps / 2; ++clump) {
    const QPointF at = place(clump, 4, radius * 0.38) - light * radius * 0.32;
    const double size = radius * (0.13 + 0.07 * Vary(seed, clump, 5)) * clumpSize;
    Dab(painter, at, size, size * 0.78, lit);
  }
  // Near masses show their leaves: the foliage texture over the body.
  if (haze < 0.2 && radius > 20) {
    QPainterPath leafy;
    leafy.addEllipse(centre, radius * 0.8, radius * 0.65);
    sketch.Texture(leafy, kLeaf);
  }
  if (haze < 0.5 && radius > 7) {
    for (int fleck = 0; fleck < 4; ++fleck) {
      const QPointF at = place(fleck, 6, radius * 0.45) - light * radius * 0.42;
      const double size = radius * (0.035 + 0.035 * Vary(seed, fleck, 7));
      Dab(painter, at, size * 1.3, size, sun);
    }
  }
}

void PaintWoodTree(Sketch& sketch, double height, TreeKind kind, std::uint32_t seed, double haze) {
  if (kind == TreeKind::kSpruce) {
    const QRgb needles = Vary(seed, 30) > 0.5 ? kPine : kPineDark;
    PaintSpruce(sketch, height, needles, seed, haze);
    return;
  }
  struct Look {
    QRgb bark;
    QRgb leaves;
    double trunkWidth;  // share of the height
    double forkAt;      // where the trunk forks, share of the height
    double spread;      // how far the limbs lean apart
    double massSize;    // leaf mass radius, share of the height
    int depth;
  };
  Look look{kBark, kLeaf, 0.075, 0.42, 0.75, 0.14, 2};
  switch (kind) {
    case TreeKind::kOak: look = {kBark, Vary(seed, 31) > 0.5 ? kLeaf : 0x4a8236, 0.08, 0.38, 0.9, 0.17, 2}; break;
    case TreeKind::kBeech: look = {0x8c8a80, 0x5f9a3c, 0.06, 0.5, 0.55, 0.16, 2}; break;
    case TreeKind::kBirch: look = {0xe6e0d2, 0x7fae4a, 0.035, 0.55, 0.45, 0.11, 2}; break;
    case TreeKind::kLarch: look = {0x7a5a40, 0x6f9a44, 0.04, 0.3, 0.35, 0.08, 2}; break;
    case TreeKind::kSpruce: break;
  }
  // Far trees fork less and carry bigger masses: the detail would be lost in the haze anyway.
  if (haze > 0.2) {
    look.depth = 1;
    look.massSize *= 1.35;
  }
  const double width = height * look.trunkWidth;
  const QPointF fork = PaintTrunk(sketch, height, width, look.forkAt, look.bark, seed, haze,
                                  kind == TreeKind::kOak || kind == TreeKind::kLarch);
  if (kind == TreeKind::kBirch && haze < 0.6) {
    // Black lenticels and scars across the white bark.
    QPainter& painter = sketch.Painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(TowardsHaze(sketch, kBarkInk, haze)));
    for (int mark = 0; mark < 7; ++mark) {
      const double along = 0.08 + mark * 0.065 + Vary(seed, mark, 11) * 0.03;
      const double x = fork.x() * along / look.forkAt - width * 0.45 + Vary(seed, mark, 12) * width * 0.4;
      painter.drawRect(QRectF(x, -height * along, width * (0.25 + 0.35 * Vary(seed, mark, 13)), std::max(0.8, height * 0.006)));
    }
  }
  std::vector<Wood> wood;
  std::vector<QPointF> tips;
  const double limbLength = height * (1.0 - look.forkAt) * 0.5;
  const int limbs = kind == TreeKind::kLarch ? 4 : 3;
  for (int limb = 0; limb < limbs; ++limb) {
    const double angle = (limb - (limbs - 1) / 2.0) * look.spread * (0.8 + 0.4 * Vary(seed, limb, 14));
    const QPointF base = kind == TreeKind::kLarch ? QPointF(fork.x() * 0.5, fork.y() - (limb * 0.15) * height) : fork;
    Grow(seed, limb + 1, base, angle, limbLength * (0.8 + 0.3 * Vary(seed, limb, 15)), width * 0.55, look.depth,
         look.spread * 0.7, wood, tips);
  }
  if (kind == TreeKind::kLarch) {
    // The leader runs on up through the crown.
    wood.push_back({fork, QPointF(fork.x() * 0.6, -height * 0.98), width * 0.4});
    tips.push_back(QPointF(fork.x() * 0.6, -height * 0.95));
  }
  // Leaf masses behind the wood first, so limbs show between them; then those in front, lit last. The
  // crown's heart is filled first, so it reads as one mass with lobes rather than separate balls.
  const double mass = height * look.massSize;
  QPointF heart(0, 0);
  for (const QPointF& tip : tips) heart += tip;
  heart /= static_cast<double>(std::max<std::size_t>(1, tips.size()));
  double span = 0;
  for (const QPointF& tip : tips) span = std::max(span, std::hypot(tip.x() - heart.x(), (tip.y() - heart.y()) * 1.3));
  if (kind != TreeKind::kLarch) {
    for (int lobe = 0; lobe < 3; ++lobe) {
      const QPointF at = heart + QPointF((lobe - 1) * span * 0.4, (lobe == 1 ? -0.15 : 0.1) * span);
      PaintLeafMass(sketch, at, span * 0.55, look.leaves, MixSeed(seed, static_cast<std::uint32_t>(lobe + 300)),
                    haze + 0.1 * (1.0 - haze));
    }
  }
  std::vector<std::size_t> front;
  for (std::size_t tip = 0; tip < tips.size(); ++tip) {
    if (Vary(seed, static_cast<int>(tip), 16) < 0.45) {
      front.push_back(tip);
      continue;
    }
    PaintLeafMass(sketch, tips[tip], mass * (0.8 + 0.4 * Vary(seed, static_cast<int>(tip), 17)), look.leaves,
                  MixSeed(seed, static_cast<std::uint32_t>(tip)), haze + 0.06 * (1.0 - haze));
  }
  if (!sketch.IsSilhouette()) PaintWood(sketch, wood, look.bark, haze);
  else
    for (const Wood& piece : wood) sketch.Line(piece.from.x(), piece.from.y(), piece.to.x(), piece.to.y(), 0, piece.width);
  for (const std::size_t tip : front)
    PaintLeafMass(sketch, tips[tip] + QPointF(0, mass * 0.1), mass * (0.7 + 0.4 * Vary(seed, static_cast<int>(tip), 18)),
                  look.leaves, MixSeed(seed, static_cast<std::uint32_t>(tip + 100)), haze);
}

void PaintSpruceTree(Sketch& sketch, double height, QRgb needles, std::uint32_t seed, double haze) {
  PaintSpruce(sketch, height, needles, seed, haze);
}

void PaintFern(Sketch& sketch, double size, std::uint32_t seed, QRgb colour) {
  QPainter& painter = sketch.Painter();
  const QPointF light = KeyLight(sketch);
  const QColor dark = QColor::fromRgb(BlendColour(colour, kLeafShadow, 0.45));
  const QColor lit = QColor::fromRgb(BlendColour(colour, kLeafSun, 0.35));
  const QColor body = QColor::fromRgb(colour);
  const int fronds = 5 + static_cast<int>(Vary(seed, 1) * 3);
  for (int frond = 0; frond < fronds; ++frond) {
    const double angle = -1.25 + 2.5 * (frond + 0.5) / fronds + (Vary(seed, frond, 2) - 0.5) * 0.3;
    const double length = size * (0.75 + 0.35 * Vary(seed, frond, 3)) * (1.0 - 0.25 * std::abs(angle));
    const QPointF tip(std::sin(angle) * length, -std::cos(angle) * length * 0.75 + length * 0.25 * std::abs(angle));
    const QPointF control(tip.x() * 0.45, -length * 0.75);
    QPainterPath stem;
    stem.moveTo(0, 0);
    stem.quadTo(control, tip);
    const bool facingLight = tip.x() * light.x() < 0;
    const QColor leaflet = facingLight ? lit : (frond % 2 ? body : dark);
    constexpr int kLeaflets = 9;
    painter.setPen(Qt::NoPen);
    for (int pair = 1; pair < kLeaflets; ++pair) {
      const double along = pair / static_cast<double>(kLeaflets);
      const QPointF at = stem.pointAtPercent(along);
      const double heading = stem.angleAtPercent(along) * 3.14159265 / 180.0;
      const QPointF tangent(std::cos(heading), -std::sin(heading));
      const QPointF normal(-tangent.y(), tangent.x());
      const double reach = size * 0.16 * (1.0 - along * 0.75);
      for (const double side : {-1.0, 1.0}) {
        QPainterPath leaf;
        leaf.moveTo(at);
        leaf.quadTo(at + normal * side * reach * 0.6 + tangent * reach * 0.5, at + normal * side * reach + tangent * reach * 0.5);
        leaf.quadTo(at + normal * side * reach * 0.3 + tangent * reach * 0.7, at + tangent * reach * 0.35);
        leaf.closeSubpath();
        painter.setBrush(side > 0 ? leaflet : leaflet.darker(115));
        painter.drawPath(leaf);
      }
    }
    QPen pen(dark.darker(130), std::max(0.8, size * 0.018));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);
  }
}

}  // namespace brackenhollow::art
