// Helpers the woodland props share: colour mixing towards light, shade and haze, clumped leaf masses lit
// from the key light, and trees of several species grown from a seed.
#pragma once

#include "art/painter/Sketch.h"

#include <QPointF>
#include <QRgb>

#include <cstdint>
#include <functional>

namespace brackenhollow::art {

// Mixes two colours; share 0 is the first, 1 the second.
QRgb BlendColour(QRgb first, QRgb second, double share);

// The colour mixed by amount towards the picture's haze (the sky at the horizon); unchanged before a sky.
QRgb TowardsHaze(Sketch& sketch, QRgb colour, double amount);

// The key light's direction across the frame, of length 1 (x right, y down).
QPointF KeyLight(Sketch& sketch);

// Lets paint draw on a canvas of at most most pixels a frame unit and lays it over the picture: far, hazed
// things that need no more sharpness than that cost a fraction of painting them at 3x. Paints directly
// when the picture is no finer, or for a silhouette.
void PaintAtMost(Sketch& sketch, double most, const std::function<void(Sketch&)>& paint);

// The species a grown tree takes.
enum class TreeKind { kOak, kBeech, kBirch, kSpruce, kLarch };

// A leaf mass of radius around centre: a dark under-layer with a soft dark rim, a middle layer and small
// lit clumps on the side facing the light, all in clumps grown from the seed. haze pales it towards the
// horizon's colour (0 near, 1 gone).
void PaintLeafMass(Sketch& sketch, QPointF centre, double radius, QRgb leaves, std::uint32_t seed, double haze);

// A tree of the kind, height high, its trunk's foot on the origin: a flared trunk with bark, limbs that
// fork and taper, leaf masses on their tips (needled tiers for a spruce), lit from the key light. haze
// pales it for distance and thins its detail.
void PaintWoodTree(Sketch& sketch, double height, TreeKind kind, std::uint32_t seed, double haze);

// A spruce height high with needles of the colour, its trunk's foot on the origin.
void PaintSpruceTree(Sketch& sketch, double height, QRgb needles, std::uint32_t seed, double haze);

// A fern about size high on the origin: arching fronds with leaflets, lit on their upper side.
void PaintFern(Sketch& sketch, double size, std::uint32_t seed, QRgb colour);

}  // namespace brackenhollow::art
