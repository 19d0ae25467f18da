// Limbs, hands and heads for the people in the pictures.
#include "art/painter/props/Figure.h"

#include "art/painter/Palette.h"

#include <algorithm>
#include <cmath>

namespace brackenhollow::art {

using namespace colours;

namespace {

constexpr QRgb kCoolShade = 0x3a2d55;
constexpr QRgb kWarmLight = 0xfff1d8;
constexpr QRgb kEyeWhite = 0xf4eee6;
constexpr QRgb kIris = 0x5a4a36;
constexpr QRgb kMilky = 0xd8dde2;
constexpr QRgb kLips = 0xb0555a;
constexpr QRgb kMouthDark = 0x4a1e24;
constexpr QRgb kTongue = 0xc9636b;
constexpr double kPi = 3.14159265358979;

QPointF Middle(QPointF first, QPointF second) {
  return (first + second) / 2;
}

QPointF Unit(QPointF vector) {
  const double length = std::hypot(vector.x(), vector.y());
  return length > 0 ? vector / length : QPointF(0, 1);
}

// The direction at an angle in degrees from straight down, positive towards +x.
QPointF Towards(double degrees) {
  const double radians = degrees * kPi / 180;
  return {std::sin(radians), std::cos(radians)};
}

// Draws with the painter's opacity lowered, for creases and blush that should only tint.
template <typename Paint>
void Faintly(Sketch& sketch, double opacity, Paint paint) {
  if (sketch.IsSilhouette()) return;
  const double before = sketch.Painter().opacity();
  sketch.Painter().setOpacity(before * opacity);
  paint();
  sketch.Painter().setOpacity(before);
}

// What a mood does to the face, in head radii: brow ends lowered (positive) or raised, how open the eyes
// are, how the mouth curves and whether it opens.
struct Expression {
  double browInner = 0;
  double browOuter = 0;
  double eyeOpen = 1;
  double smile = 0.05;   // mouth corners lifted
  double smirk = 0;      // one corner lifted more
  double mouthWidth = 0.38;
  bool teeth = false;    // an open smile showing the upper teeth
  bool gritted = false;  // teeth clenched behind drawn lips
  bool yawn = false;
  bool squeezed = false;  // eyes screwed shut
};

Expression ExpressionOf(Mood mood) {
  Expression face;
  switch (mood) {
    case Mood::kCalm: break;
    case Mood::kCheerful: face.browInner = -0.1; face.browOuter = -0.06; face.smile = 0.16; face.teeth = true; face.mouthWidth = 0.46; break;
    case Mood::kSmug: face.browInner = 0.06; face.browOuter = -0.08; face.eyeOpen = 0.6; face.smile = 0.06; face.smirk = 0.1; break;
    case Mood::kStern: face.browInner = 0.14; face.browOuter = -0.04; face.eyeOpen = 0.8; face.smile = -0.06; break;
    case Mood::kWeary: face.browInner = -0.12; face.browOuter = 0.06; face.eyeOpen = 0.6; face.smile = -0.08; break;
    case Mood::kGreedy: face.browInner = 0.12; face.browOuter = -0.04; face.eyeOpen = 0.55; face.smile = 0.16; face.teeth = true; face.mouthWidth = 0.5; break;
    case Mood::kYawning: face.browInner = -0.14; face.browOuter = 0.02; face.eyeOpen = 0; face.yawn = true; face.squeezed = true; break;
    case Mood::kStraining: face.browInner = 0.16; face.browOuter = -0.02; face.eyeOpen = 0.45; face.smile = -0.08; face.gritted = true; face.mouthWidth = 0.44; break;
    case Mood::kIntent: face.browInner = -0.05; face.browOuter = -0.03; face.eyeOpen = 0.9; face.smile = 0.09; face.mouthWidth = 0.32; break;
  }
  return face;
}

// The hair's outline over the top of the head, without the face; spiky for tousled hair.
QPainterPath HairCap(double radius, double turn, Hair style) {
  const double r = radius;
  const double part = turn * 0.3 * r;
  if (style == Hair::kTousled) {
    std::vector<QPointF> corners;
    for (int tuft = 0; tuft <= 12; ++tuft) {
      const double angle = kPi * (1.02 + tuft / 12.0 * 0.96);
      const double reach = (tuft % 2 == 0 ? 1.32 : 1.08) + 0.05 * std::sin(tuft * 2.3);
      corners.push_back({std::cos(angle) * r * reach, std::sin(angle) * r * reach * 1.05 - 0.1 * r});
    }
    corners.push_back({0.92 * r, -0.1 * r});
    corners.push_back({0.55 * r, -0.5 * r});
    corners.push_back({0.3 * r + part, -0.66 * r});
    corners.push_back({0.05 * r + part, -0.5 * r});
    corners.push_back({-0.3 * r + part, -0.7 * r});
    corners.push_back({-0.6 * r, -0.48 * r});
    corners.push_back({-0.93 * r, -0.1 * r});
    return SmoothOutline(corners);
  }
  if (style == Hair::kShort) {
    // Locks falling unevenly over the brow.
    return SmoothOutline({{-0.97 * r, -0.02 * r}, {-1.04 * r, -0.62 * r}, {-0.62 * r, -1.2 * r}, {0.1 * r, -1.3 * r}, {0.78 * r, -1.08 * r},
                          {1.04 * r, -0.55 * r}, {0.98 * r, -0.04 * r}, {0.86 * r, -0.4 * r}, {0.62 * r + part, -0.58 * r},
                          {0.5 * r + part, -0.74 * r}, {0.3 * r + part, -0.52 * r}, {0.12 * r + part, -0.76 * r}, {-0.12 * r + part, -0.56 * r},
                          {-0.3 * r + part, -0.74 * r}, {-0.56 * r + part, -0.6 * r}, {-0.86 * r, -0.32 * r}});
  }
  return SmoothOutline({{-0.97 * r, 0.2 * r},
                        {-1.04 * r, -0.62 * r},
                        {-0.62 * r, -1.2 * r},
                        {0.1 * r, -1.3 * r},
                        {0.78 * r, -1.08 * r},
                        {1.04 * r, -0.55 * r},
                        {0.98 * r, 0.2 * r},
                        {0.86 * r, -0.36 * r},
                        {0.55 * r + part, -0.7 * r},
                        {part - 0.05 * r, -0.78 * r},
                        {-0.5 * r + part, -0.62 * r},
                        {-0.86 * r, -0.32 * r}});
}

void PaintEye(Sketch& sketch, QPointF at, double halfWidth, double radius, const HeadLook& look,
              const Expression& face, double gazeX, double side) {
  const double r = radius;
  const double ink = std::max(0.05 * r, 0.6);
  if (look.eyes == Eyes::kClosed || face.squeezed) {
    // Shut: a lid line sagging to a curve, creased at the corner when screwed up.
    sketch.Stroke(Bend(at + QPointF(-halfWidth, -0.01 * r), at + QPointF(0, 0.08 * r), at + QPointF(halfWidth, -0.01 * r)), kInk, ink);
    if (face.squeezed) {
      const QPointF corner = at + QPointF(side * halfWidth * 1.05, 0);
      sketch.Stroke(Bend(corner, corner + QPointF(side * 0.08 * r, -0.02 * r), corner + QPointF(side * 0.14 * r, -0.07 * r)), Shaded(look.skin, 0.5), ink * 0.6);
      sketch.Stroke(Bend(corner, corner + QPointF(side * 0.08 * r, 0.03 * r), corner + QPointF(side * 0.14 * r, 0.06 * r)), Shaded(look.skin, 0.5), ink * 0.6);
    }
    return;
  }
  double open = face.eyeOpen;
  if (look.eyes == Eyes::kHeavy) open = std::min(open, 0.38);
  const double halfHeight = 0.11 * r * std::max(open, 0.2);
  QPainterPath white;
  white.addEllipse(at, halfWidth, halfHeight);
  sketch.Fill(white, look.eyes == Eyes::kMilky ? kMilky : kEyeWhite);
  sketch.Painter().save();
  sketch.Painter().setClipPath(white, Qt::IntersectClip);
  const QPointF iris = at + QPointF(gazeX * halfWidth * 0.45, -look.gazeUp * halfHeight * 0.5 + (1 - open) * 0.03 * r);
  if (look.eyes == Eyes::kMilky) {
    Faintly(sketch, 0.45, [&] { sketch.FlatOval(iris.x(), iris.y(), 0.075 * r, 0.075 * r, 0x9aa4ae); });
  } else {
    const QRgb colour = look.hair == kHairBlonde ? 0x3f6f9a : kIris;
    sketch.FlatOval(iris.x(), iris.y(), 0.085 * r, 0.09 * r, colour);
    sketch.FlatOval(iris.x(), iris.y(), 0.045 * r, 0.05 * r, kBlack);
    sketch.FlatOval(iris.x() - 0.03 * r, iris.y() - 0.035 * r, 0.024 * r, 0.024 * r, kWhite);
  }
  // The upper lid's shadow on the eyeball.
  Faintly(sketch, 0.35, [&] { sketch.FlatBox(at.x() - halfWidth, at.y() - halfHeight, halfWidth * 2, halfHeight * 0.6, kCoolShade); });
  sketch.Painter().restore();
  // The upper lid heavier than the lower; lashes at the outer corner; a lid crease above.
  const double lidTop = at.y() - halfHeight * 2.0;
  sketch.Stroke(Bend(at + QPointF(-halfWidth * 1.1, 0.02 * r), QPointF(at.x(), lidTop), at + QPointF(halfWidth * 1.1, 0.0)), kInk, ink * 1.3);
  Faintly(sketch, 0.5, [&] {
    sketch.Stroke(Bend(at + QPointF(-halfWidth * 0.8, halfHeight * 0.9), at + QPointF(0, halfHeight * 1.5), at + QPointF(halfWidth * 0.8, halfHeight * 0.9)), Shaded(look.skin, 0.6), ink * 0.6);
    sketch.Stroke(Bend(at + QPointF(-halfWidth * 0.9, -halfHeight - 0.05 * r), QPointF(at.x(), lidTop - 0.07 * r), at + QPointF(halfWidth * 0.9, -halfHeight - 0.04 * r)), Shaded(look.skin, 0.55), ink * 0.6);
  });
  if (look.lashes) {
    const QPointF outer = at + QPointF(side * halfWidth * 1.1, -0.01 * r);
    sketch.Line(outer.x(), outer.y(), outer.x() + side * 0.08 * r, outer.y() - 0.08 * r, kInk, ink * 0.9);
  }
  if (look.eyes == Eyes::kHeavy) {
    // Bags under tired eyes.
    Faintly(sketch, 0.55, [&] {
      sketch.Stroke(Bend(at + QPointF(-halfWidth * 0.9, 0.1 * r), at + QPointF(0, 0.2 * r), at + QPointF(halfWidth * 0.9, 0.08 * r)), 0x8a5a6a, ink * 0.9);
    });
  }
}

void PaintMouth(Sketch& sketch, QPointF at, double radius, double turn, const Expression& face) {
  const double r = radius;
  const double half = face.mouthWidth * r * (1 - 0.3 * std::abs(turn)) / 2;
  const double ink = std::max(0.05 * r, 0.6);
  const QPointF left = at + QPointF(-half, -face.smile * r);
  const QPointF right = at + QPointF(half, -(face.smile + face.smirk) * r);
  if (face.yawn) {
    QPainterPath yawn;
    yawn.addEllipse(at + QPointF(0, 0.08 * r), half * 0.9 + 0.08 * r, 0.24 * r);
    sketch.Shape(yawn, kMouthDark);
    sketch.FlatOval(at.x(), at.y() + 0.22 * r, half * 0.6, 0.08 * r, kTongue);
    sketch.FlatBox(at.x() - half * 0.55, at.y() - 0.15 * r, half * 1.1, 0.05 * r, kEyeWhite);
    return;
  }
  if (face.teeth || face.gritted) {
    QPainterPath open;
    open.moveTo(left);
    open.quadTo(at + QPointF(0, face.gritted ? -0.06 * r : 0.02 * r), right);
    open.quadTo(at + QPointF(0, face.gritted ? 0.2 * r : 0.36 * r), left);
    open.closeSubpath();
    sketch.Fill(open, face.gritted ? kEyeWhite : kMouthDark);
    if (!face.gritted) {
      sketch.Painter().save();
      sketch.Painter().setClipPath(open, Qt::IntersectClip);
      sketch.FlatBox(left.x(), at.y() - 0.2 * r, half * 2, 0.2 * r + 0.06 * r, kEyeWhite);
      sketch.FlatOval(at.x(), at.y() + 0.26 * r, half * 0.6, 0.09 * r, kTongue);
      sketch.Painter().restore();
    } else {
      sketch.Line(left.x() + 0.04 * r, at.y() + 0.03 * r, right.x() - 0.04 * r, at.y() + 0.03 * r, kInk, ink * 0.6);
      for (int tooth = 1; tooth < 4; ++tooth) {
        const double x = left.x() + (right.x() - left.x()) * tooth / 4;
        sketch.Line(x, at.y() - 0.04 * r, x, at.y() + 0.1 * r, Shaded(kEyeWhite, 0.5), ink * 0.5);
      }
    }
    sketch.Stroke(open, kInk, ink);
    return;
  }
  // Closed lips: the line between them, the lower lip's shadow under it.
  sketch.Stroke(Bend(left, at + QPointF(0, face.smile * r * 0.9), right), kLips, ink * 1.6);
  sketch.Stroke(Bend(left, at + QPointF(0, face.smile * r * 0.7), right), kInk, ink * 0.8);
  Faintly(sketch, 0.35, [&] { sketch.FlatOval(at.x(), at.y() + 0.14 * r + face.smile * r * 0.4, half * 0.5, 0.04 * r, kCoolShade); });
}

}  // namespace

QPainterPath SmoothOutline(const std::vector<QPointF>& corners) {
  QPainterPath path;
  if (corners.size() < 3) return path;
  // A limb folded hard at the elbow crosses its own inner side; every part of it is still the limb.
  path.setFillRule(Qt::WindingFill);
  const std::size_t count = corners.size();
  path.moveTo(Middle(corners[count - 1], corners[0]));
  for (std::size_t index = 0; index < count; ++index) path.quadTo(corners[index], Middle(corners[index], corners[(index + 1) % count]));
  path.closeSubpath();
  return path;
}

QPainterPath LimbPath(const std::vector<QPointF>& joints, const std::vector<double>& widths) {
  if (joints.size() < 2 || joints.size() != widths.size()) return {};
  const std::size_t last = joints.size() - 1;
  const auto normalOf = [](QPointF direction) { return QPointF(-direction.y(), direction.x()); };
  std::vector<QPointF> segment(last);
  for (std::size_t index = 0; index < last; ++index) segment[index] = Unit(joints[index + 1] - joints[index]);
  // One side's corners: near each bend a point on the segment before and after it, and the mitred point
  // between, so the rounding stays close to the joint instead of cutting the elbow away.
  const auto side = [&](double sign) {
    std::vector<QPointF> corners;
    for (std::size_t index = 0; index <= last; ++index) {
      const double half = sign * widths[index] / 2;
      if (index == 0 || index == last) {
        corners.push_back(joints[index] + normalOf(segment[index == 0 ? 0 : last - 1]) * half);
        continue;
      }
      const QPointF before = segment[index - 1];
      const QPointF after = segment[index];
      const QPointF bisector = Unit(normalOf(before) + normalOf(after));
      const double cosine = std::max(0.5, bisector.x() * normalOf(after).x() + bisector.y() * normalOf(after).y());
      const double reachBefore = std::min(widths[index] * 0.6, std::hypot(joints[index].x() - joints[index - 1].x(), joints[index].y() - joints[index - 1].y()) * 0.3);
      const double reachAfter = std::min(widths[index] * 0.6, std::hypot(joints[index + 1].x() - joints[index].x(), joints[index + 1].y() - joints[index].y()) * 0.3);
      corners.push_back(joints[index] - before * reachBefore + normalOf(before) * half);
      corners.push_back(joints[index] + bisector * (half / cosine));
      corners.push_back(joints[index] + after * reachAfter + normalOf(after) * half);
    }
    return corners;
  };
  const auto cap = [&](QPointF joint, QPointF forward, double width) {
    const QPointF normal = normalOf(forward);
    return std::vector<QPointF>{joint + forward * (width * 0.4) + normal * (width * 0.42), joint + forward * (width * 0.55),
                                joint + forward * (width * 0.4) - normal * (width * 0.42)};
  };
  std::vector<QPointF> corners = side(1);
  for (const QPointF& point : cap(joints[last], segment[last - 1], widths[last])) corners.push_back(point);
  std::vector<QPointF> other = side(-1);
  corners.insert(corners.end(), other.rbegin(), other.rend());
  for (const QPointF& point : cap(joints[0], -segment[0], widths[0])) corners.push_back(point);
  return SmoothOutline(corners);
}

QPainterPath Bend(QPointF from, QPointF bend, QPointF to) {
  QPainterPath path;
  path.moveTo(from);
  path.quadTo(bend, to);
  return path;
}

QRgb Shaded(QRgb colour, double amount) {
  const QRgb toward = amount >= 0 ? kCoolShade : kWarmLight;
  const double share = std::clamp(std::abs(amount), 0.0, 1.0);
  const auto channel = [share](int from, int to) { return static_cast<int>(from + (to - from) * share + 0.5); };
  return qRgb(channel(qRed(colour), qRed(toward)), channel(qGreen(colour), qGreen(toward)), channel(qBlue(colour), qBlue(toward)));
}

void Crease(Sketch& sketch, QPointF from, QPointF bend, QPointF to, QRgb fill, double width) {
  Faintly(sketch, 0.55, [&] { sketch.Stroke(Bend(from, bend, to), Shaded(fill, 0.55), width); });
}

void Sheen(Sketch& sketch, QPointF from, QPointF bend, QPointF to, QRgb fill, double width) {
  Faintly(sketch, 0.45, [&] { sketch.Stroke(Bend(from, bend, to), Shaded(fill, -0.45), width); });
}

void PaintHand(Sketch& sketch, QPointF wrist, double angle, double size, QRgb skin, Grip grip, bool thumbLeft) {
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(wrist);
  painter.rotate(angle);
  if (!thumbLeft) painter.scale(-1, 1);
  const double s = size;
  QPainterPath hand = SmoothOutline({{-0.26 * s, -0.04 * s}, {0.26 * s, -0.04 * s}, {0.36 * s, 0.28 * s}, {0.33 * s, 0.56 * s}, {-0.3 * s, 0.56 * s}, {-0.38 * s, 0.3 * s}});
  const auto add = [&](const std::vector<QPointF>& joints, double width) {
    hand = hand.united(LimbPath(joints, std::vector<double>(joints.size(), width)));
  };
  // Fingers from the forefinger (thumb side, -x) to the little finger.
  const double lengths[] = {0.46, 0.52, 0.48, 0.38};
  std::vector<std::pair<QPointF, QPointF>> gaps;
  switch (grip) {
    case Grip::kOpen:
      for (int finger = 0; finger < 4; ++finger) {
        const QPointF base(-0.22 * s + finger * 0.15 * s, 0.46 * s);
        add({base, base + Towards((finger - 1.3) * 14) * (lengths[finger] * s)}, 0.15 * s);
      }
      add({{-0.3 * s, 0.1 * s}, {-0.52 * s, 0.3 * s}, {-0.62 * s, 0.42 * s}}, 0.17 * s);
      break;
    case Grip::kRelaxed:
      for (int finger = 0; finger < 4; ++finger) {
        const QPointF base(-0.22 * s + finger * 0.15 * s, 0.46 * s);
        const QPointF knuckle = base + Towards((finger - 1.5) * 4) * (lengths[finger] * s * 0.55);
        add({base, knuckle, knuckle + Towards(-24) * (lengths[finger] * s * 0.45)}, 0.16 * s);
        if (finger > 0) gaps.push_back({base + QPointF(-0.075 * s, 0), knuckle + QPointF(-0.075 * s, 0)});
      }
      add({{-0.3 * s, 0.1 * s}, {-0.42 * s, 0.36 * s}, {-0.34 * s, 0.56 * s}}, 0.17 * s);
      break;
    case Grip::kHolding:
    case Grip::kPointing:
      hand = hand.united(SmoothOutline({{-0.36 * s, 0.34 * s}, {0.36 * s, 0.34 * s}, {0.42 * s, 0.66 * s}, {0.24 * s, 0.86 * s}, {-0.22 * s, 0.86 * s}, {-0.4 * s, 0.68 * s}}));
      for (int finger = 1; finger < 4; ++finger) gaps.push_back({{-0.3 * s + finger * 0.16 * s, 0.62 * s}, {-0.3 * s + finger * 0.16 * s, 0.84 * s}});
      if (grip == Grip::kPointing) add({{-0.26 * s, 0.6 * s}, {-0.3 * s, 1.1 * s}}, 0.15 * s);
      add({{-0.34 * s, 0.14 * s}, {-0.3 * s, 0.5 * s}, {-0.06 * s, 0.62 * s}}, 0.17 * s);
      break;
  }
  sketch.Shape(hand, skin);
  for (const auto& [from, to] : gaps) Crease(sketch, from, Middle(from, to), to, skin, 0.05 * s);
  painter.restore();
}

void PaintHead(Sketch& sketch, QPointF centre, const HeadLook& look) {
  QPainter& painter = sketch.Painter();
  painter.save();
  painter.translate(centre);
  painter.rotate(look.tilt);
  const double r = look.radius;
  const double t = std::clamp(look.turn, -1.0, 1.0);
  const double facing = t >= 0 ? 1.0 : -1.0;
  const Expression face = ExpressionOf(look.mood);
  const double ink = std::max(0.05 * r, 0.6);

  // Behind the head: a ponytail hanging at the back, an old man's long wisps.
  if (look.style == Hair::kPonytail) {
    const double back = -facing * 0.75 * r;
    QPainterPath tail = SmoothOutline({{back + facing * 0.1 * r, -1.0 * r}, {back - facing * 0.9 * r, -0.7 * r}, {back - facing * 1.05 * r, 0.4 * r},
                                       {back - facing * 0.75 * r, 1.7 * r}, {back - facing * 0.45 * r, 2.3 * r}, {back - facing * 0.2 * r, 1.6 * r},
                                       {back - facing * 0.25 * r, 0.5 * r}, {back + facing * 0.3 * r, -0.2 * r}});
    sketch.Shape(tail, look.hair);
    for (int strand = 0; strand < 3; ++strand) {
      const double x = back - facing * (0.3 + strand * 0.15) * r;
      Crease(sketch, {x, -0.4 * r}, {x - facing * 0.15 * r, 0.6 * r}, {x + facing * 0.05 * r, 1.6 * r}, look.hair, 0.06 * r);
    }
  } else if (look.style == Hair::kWisps) {
    for (const double side : {-1.0, 1.0}) {
      const double edge = side * 0.95 * r;
      sketch.Shape(SmoothOutline({{edge - side * 0.2 * r, -0.5 * r}, {edge + side * 0.22 * r, -0.1 * r}, {edge + side * 0.3 * r, 1.2 * r},
                                  {edge + side * 0.05 * r, 1.6 * r}, {edge - side * 0.12 * r, 0.8 * r}}),
                   look.hair);
    }
  }
  const auto paintEar = [&](double x) {
    QPainterPath ear;
    ear.addEllipse(QPointF(x, 0.08 * r), 0.17 * r, 0.27 * r);
    sketch.Shape(ear, look.skin);
    Crease(sketch, {x - 0.05 * r, -0.08 * r}, {x + 0.08 * r, 0.05 * r}, {x - 0.02 * r, 0.22 * r}, look.skin, 0.05 * r);
  };
  const bool frontal = std::abs(t) < 0.15;
  // Long hair drawn back covers the ears.
  const bool ears = look.style != Hair::kPonytail;
  if (frontal && ears) {
    paintEar(-0.95 * r);
    paintEar(0.95 * r);
  }
  // The skull and the face, the chin swung towards where it looks.
  const QPainterPath head = SmoothOutline({{-0.1 * t * r, -1.18 * r},
                                           {0.86 * r, -0.82 * r},
                                           {0.96 * r + 0.04 * t * r, -0.05 * r},
                                           {0.84 * r + 0.1 * t * r, 0.55 * r},
                                           {0.42 * r + 0.32 * t * r, 1.04 * r},
                                           {0.42 * t * r, 1.2 * r},
                                           {-0.42 * r + 0.32 * t * r, 1.04 * r},
                                           {-0.84 * r + 0.1 * t * r, 0.55 * r},
                                           {-0.96 * r + 0.04 * t * r, -0.05 * r},
                                           {-0.86 * r, -0.82 * r}});
  sketch.Shape(head, look.skin);
  if (!frontal && ears) paintEar(-facing * r * (0.9 - 0.55 * std::abs(t)));

  const double featuresX = t * 0.4 * r;
  const double eyeY = -0.06 * r;
  // Warm cheeks, hollow and lined when old.
  Faintly(sketch, look.aged ? 0.18 : 0.28, [&] {
    for (const double side : {-1.0, 1.0}) {
      const double squeeze = 1 - 0.5 * std::max(0.0, side * t);
      sketch.FlatOval(featuresX + side * 0.48 * r * squeeze, 0.36 * r, 0.17 * r * squeeze, 0.11 * r, look.aged ? kSkinShade : kPink);
    }
  });
  if (look.aged) {
    for (int line = 0; line < 2; ++line) {
      const double y = -0.62 * r + line * 0.13 * r;
      Crease(sketch, {featuresX - 0.4 * r, y}, {featuresX, y - 0.06 * r}, {featuresX + 0.4 * r, y}, look.skin, 0.05 * r);
    }
    for (const double side : {-1.0, 1.0}) {
      const double x = featuresX + side * 0.2 * r;
      Crease(sketch, {x, 0.3 * r}, {x + side * 0.08 * r, 0.5 * r}, {x + side * 0.06 * r, 0.72 * r}, look.skin, 0.05 * r);
    }
  }
  // Eyes and brows, the one on the side it turns towards foreshortened.
  for (const double side : {-1.0, 1.0}) {
    const double squeeze = 1 - 0.5 * std::max(0.0, side * t);
    const QPointF eye(featuresX + side * 0.36 * r * squeeze, eyeY);
    const double halfWidth = 0.17 * r * squeeze;
    PaintEye(sketch, eye, halfWidth, r, look, face, t, side);
    const double innerY = eyeY - 0.3 * r + face.browInner * r;
    const double outerY = eyeY - 0.3 * r + face.browOuter * r;
    QPainterPath brow;
    brow.moveTo(eye.x() - side * halfWidth * 1.0, innerY);
    brow.quadTo(eye.x() + side * halfWidth * 0.2, std::min(innerY, outerY) - 0.08 * r, eye.x() + side * halfWidth * 1.35, outerY + 0.02 * r);
    const QRgb browColour = look.hair == kHairGrey ? Shaded(kHairGrey, 0.15) : Shaded(look.hair, 0.35);
    sketch.Stroke(brow, browColour, (look.hair == kHairGrey ? 0.11 : 0.085) * r);
  }
  // The nose: its bridge and tip stand out towards where the head turns, a shadow under it.
  const QPointF tip(featuresX + t * 0.2 * r, 0.34 * r);
  sketch.Stroke(Bend({featuresX + t * 0.06 * r - facing * 0.06 * r, 0.0}, {tip.x() + facing * 0.1 * r, 0.2 * r}, tip), Shaded(look.skin, 0.45), ink * 1.1);
  sketch.Stroke(Bend(tip, tip + QPointF(-facing * 0.08 * r, 0.06 * r), tip + QPointF(-facing * 0.16 * r, 0.02 * r)), Shaded(look.skin, 0.55), ink);
  Faintly(sketch, 0.3, [&] { sketch.FlatOval(tip.x() - facing * 0.06 * r, tip.y() + 0.07 * r, 0.14 * r, 0.05 * r, kCoolShade); });

  const QPointF mouth(featuresX + t * 0.06 * r, 0.66 * r);
  if (look.beard > 0) {
    const double length = look.beard * r;
    QPainterPath beard = SmoothOutline({{-0.92 * r + 0.15 * t * r, 0.05 * r},
                                        {-0.86 * r + 0.2 * t * r, 0.75 * r},
                                        {-0.45 * r + 0.3 * t * r, 0.95 * r + length * 0.6},
                                        {featuresX * 0.8, 1.05 * r + length},
                                        {0.45 * r + 0.3 * t * r, 0.95 * r + length * 0.6},
                                        {0.86 * r + 0.2 * t * r, 0.75 * r},
                                        {0.92 * r + 0.15 * t * r, 0.05 * r},
                                        {0.6 * r + 0.2 * t * r, 0.35 * r},
                                        {mouth.x() + 0.3 * r, 0.5 * r},
                                        {mouth.x() - 0.3 * r, 0.5 * r},
                                        {-0.6 * r + 0.2 * t * r, 0.35 * r}});
    sketch.Shape(beard, look.hair);
    for (int strand = 0; strand < 5; ++strand) {
      const double x = featuresX * 0.8 + (strand - 2) * 0.22 * r;
      Crease(sketch, {x, 0.9 * r}, {x + 0.06 * r, 0.9 * r + length * 0.4}, {featuresX * 0.8 + (strand - 2) * 0.08 * r, 0.9 * r + length * 0.9}, look.hair, 0.05 * r);
    }
  }
  PaintMouth(sketch, mouth, r, t, face);
  if (look.moustache) {
    for (const double side : {-1.0, 1.0}) {
      const double inner = mouth.x() + side * 0.03 * r;
      sketch.Shape(SmoothOutline({{inner, 0.44 * r}, {inner + side * 0.3 * r, 0.46 * r}, {inner + side * 0.42 * r, 0.72 * r},
                                  {inner + side * 0.26 * r, 0.62 * r}, {inner, 0.6 * r}}),
                   look.hair);
    }
  }
  if (look.style != Hair::kNone && look.style != Hair::kWisps) {
    const QPainterPath cap = HairCap(r, t, look.style);
    sketch.Shape(cap, look.hair);
    // Strands combed from the crown, a sheen where the light falls.
    for (int strand = 0; strand < 4; ++strand) {
      const double x = (-0.6 + strand * 0.38) * r;
      Crease(sketch, {x * 0.3 + t * 0.2 * r, -1.15 * r}, {x, -1.0 * r}, {x * 1.1 + t * 0.2 * r, -0.6 * r}, look.hair, 0.05 * r);
    }
    Sheen(sketch, {-0.7 * r, -0.75 * r}, {-0.45 * r, -1.12 * r}, {0.05 * r, -1.2 * r}, look.hair, 0.09 * r);
    if (look.style == Hair::kPonytail) {
      // Locks falling past the cheeks to the jaw, the one at the back of the turn the fuller.
      for (const double side : {-1.0, 1.0}) {
        if (side * t > 0.2) continue;
        const double x = side * 0.92 * r + 0.06 * t * r;
        sketch.Shape(SmoothOutline({{x - side * 0.34 * r, -0.7 * r}, {x + side * 0.16 * r, -0.45 * r}, {x + side * 0.12 * r, 0.6 * r},
                                    {x + side * 0.02 * r, 1.3 * r}, {x - side * 0.16 * r, 0.5 * r}, {x - side * 0.2 * r, -0.2 * r}}),
                     look.hair);
        Crease(sketch, {x - side * 0.1 * r, -0.4 * r}, {x, 0.4 * r}, {x + side * 0.02 * r, 1.1 * r}, look.hair, 0.05 * r);
      }
    }
  }
  painter.restore();
}

}  // namespace brackenhollow::art
