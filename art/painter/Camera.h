// Where a picture is seen from: the eye's height and where it looks across a room, and how a thing put on a
// side wall is drawn in that wall's perspective.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <string>

namespace brackenhollow::art {

class Layer;

struct Camera {
  // Where the eye looks across the back wall: 0 at its left edge, 1 at its right.
  double across = 0.5;
  // The eye's height on the back wall: 0 at its top, 1 at the floor (low eyes see more ceiling).
  double eye = 0.45;
  // How far the eye stands from the picture plane, in frame units: shorter is a wider, more steeply
  // foreshortened view.
  double focal = 520;
};

// The camera a picture gets when its scene names none, grown from its seed: every room looks from its own
// place, and the pictures of one room share it.
Camera CameraFromSeed(std::uint32_t seed);

// Reads a "camera across=0..1 eye=0..1 focal=N" line over the seed's camera. Throws SceneError for a value out of range
// or an unknown parameter.
Camera ReadCamera(const Layer& layer, const Camera& fallback);

// The vanishing point of a room whose back wall is the rectangle, seen by the camera.
QPointF VanishingPoint(const Camera& camera, const QRectF& backWall);

// The side a thing hangs or stands against: "left", "right" or "back"; false for another word.
enum class Wall { kBack, kLeft, kRight };
bool ReadWall(const std::string& word, Wall& wall);

// Maps a flat prop drawn around its own origin onto a side wall at anchor (frame units), seen from the
// vanishing point: vertical lines stay upright, lines along the wall run to the vanishing point, and the
// prop narrows as it goes away. The back wall faces the eye and keeps the prop as drawn.
QTransform OnWall(Wall wall, QPointF anchor, QPointF vanishingPoint, double focal);

}  // namespace brackenhollow::art
