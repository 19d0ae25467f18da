// The parts people are built from: limbs that taper and bend at their joints, hands that grip, point or
// wave, and heads turned three-quarter with faces that show a mood. Characters.cpp poses them.
#pragma once

#include "art/painter/Sketch.h"
#include "art/painter/props/Shared.h"

#include <QPainterPath>
#include <QPointF>
#include <QRgb>

#include <vector>

namespace brackenhollow::art {

// A closed outline rounded through the midpoints between its corner points: the soft silhouette of
// cloth, hair and flesh. Fewer than three corners give an empty path.
QPainterPath SmoothOutline(const std::vector<QPointF>& corners);

// A limb through its joints (shoulder, elbow, wrist; hip, knee, ankle), as wide as widths at each joint,
// rounded at both ends and at the bends. joints and widths must be as long as each other; fewer than two
// joints give an empty path.
QPainterPath LimbPath(const std::vector<QPointF>& joints, const std::vector<double>& widths);

// A curve from one point bent towards another on its way to the third.
QPainterPath Bend(QPointF from, QPointF bend, QPointF to);

// The colour towards the cool shade (amount > 0) or the warm light (amount < 0), amount from -1 to 1.
QRgb Shaded(QRgb colour, double amount);

// A fold or crease: a thin curve in the fill's own shade, half see-through, widest in its middle.
void Crease(Sketch& sketch, QPointF from, QPointF bend, QPointF to, QRgb fill, double width = 1.6);

// A soft light stroke along a lit edge of cloth or hair.
void Sheen(Sketch& sketch, QPointF from, QPointF bend, QPointF to, QRgb fill, double width = 1.6);

enum class Grip {
  kOpen,      // fingers spread, palm out: waving, stopping, feeling the air
  kRelaxed,   // fingers together, a little curled: hanging at the side
  kHolding,   // closed round a stick, a string or a coin
  kPointing,  // the forefinger out, the others curled
};

// A hand at the wrist with its fingers along angle (degrees; 0 points straight down, positive turns the
// fingers towards -x as Qt's rotation does), size its length from wrist to fingertip. thumbLeft puts the
// thumb on the hand's -x side before the rotation.
void PaintHand(Sketch& sketch, QPointF wrist, double angle, double size, QRgb skin, Grip grip, bool thumbLeft);

enum class Hair {
  kNone,      // under a hood or a hat
  kShort,     // parted and combed
  kPonytail,  // long hair drawn back, locks framing the face
  kTousled,   // just out of bed
  kWisps,     // an old man's thin long hair at the sides
};

enum class Eyes {
  kOpen,
  kClosed,
  kHeavy,  // half shut with bags under them
  kMilky,  // clouded and unseeing
};

// How a head looks and where it looks.
struct HeadLook {
  double radius = 14;        // half the head's width; it is a little taller than wide
  double turn = 0;           // -1 faces the viewer's left, 1 the right, 0 straight out
  double tilt = 0;           // degrees the head leans, clockwise positive
  double gazeUp = 0;         // -1 looks down, 1 up
  Mood mood = Mood::kCalm;
  Eyes eyes = Eyes::kOpen;
  QRgb skin = 0;
  QRgb hair = 0;
  Hair style = Hair::kShort;
  double beard = 0;          // beard length in radii, 0 for none
  bool moustache = false;
  bool aged = false;         // wrinkles at the eyes and brow, hollow cheeks
  bool lashes = false;
};

// A head centred on the point: the ear on the side it turns from, the face turned with the features,
// the hair in its style, the beard. The neck is the body's.
void PaintHead(Sketch& sketch, QPointF centre, const HeadLook& look);

}  // namespace brackenhollow::art
