// Where a picture is seen from: the eye's height and where it looks across a room, and how a thing put on a
// side wall is drawn in that wall's perspective.
#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <optional>
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
  // Where the vertical edge of a room's corner stands across the frame, 0 at its left and 1 at its right; below 0
  // the room is seen square on, its back wall facing the eye.
  double corner = -1;
  // For a hallway built in space: how far the eye turns right from looking straight along it (degrees,
  // negative turns left), and the hall's width and height in metres; 0 leaves a room to the flat box above.
  double turn = 0;
  double hallWidth = 0;
  double hallHeight = 0;
};

// A room seen into a corner: two walls meeting at a vertical edge, each running to its own vanishing point on
// the horizon. The left wall's lines meet right of the edge, the right wall's left of it.
struct CornerView {
  QPointF edgeTop;
  QPointF edgeFoot;
  QPointF leftWallVanishing;
  QPointF rightWallVanishing;

  // The height on the frame of a line of the left or right wall that meets the edge at edgeY, at frame x.
  double LeftWallY(double edgeY, double x) const;
  double RightWallY(double edgeY, double x) const;
};

// The corner a corner camera sees, its edge as tall as the back wall's rectangle; empty for a square-on camera.
std::optional<CornerView> CornerOf(const Camera& camera, const QRectF& backWall);

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

// The same for a room seen into a corner: a thing on the left wall narrows towards the edge, one on the right
// wall widens away from it.
QTransform OnCornerWall(Wall wall, QPointF anchor, const CornerView& corner);

}  // namespace brackenhollow::art
