#include "art/painter/Camera.h"

#include "art/painter/Noise.h"
#include "art/painter/SceneBook.h"

namespace brackenhollow::art {

Camera CameraFromSeed(std::uint32_t seed) {
  Camera camera;
  // Off centre on purpose: a box looked into dead centre is the look this replaces.
  const double side = LatticeValue(1, 0, seed) < 0.5 ? -1.0 : 1.0;
  camera.across = 0.5 + side * (0.12 + 0.24 * LatticeValue(2, 0, seed));
  camera.eye = 0.22 + 0.44 * LatticeValue(3, 0, seed);
  camera.focal = 380 + 260 * LatticeValue(4, 0, seed);
  return camera;
}

Camera ReadCamera(const Layer& layer, const Camera& fallback) {
  Camera camera;
  camera.across = layer.Number("across", fallback.across);
  camera.eye = layer.Number("eye", fallback.eye);
  camera.focal = layer.Number("focal", fallback.focal);
  if (camera.across < -0.5 || camera.across > 1.5 || camera.eye < -0.5 || camera.eye > 1.5)
    throw SceneError(layer.Where() + ": camera across and eye lie between -0.5 and 1.5");
  if (camera.focal < 100 || camera.focal > 5000) throw SceneError(layer.Where() + ": camera focal lies between 100 and 5000");
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": camera has no parameter " + unused.front());
  return camera;
}

QPointF VanishingPoint(const Camera& camera, const QRectF& backWall) {
  return QPointF(backWall.left() + backWall.width() * camera.across, backWall.top() + backWall.height() * camera.eye);
}

bool ReadWall(const std::string& word, Wall& wall) {
  if (word == "back") wall = Wall::kBack;
  else if (word == "left") wall = Wall::kLeft;
  else if (word == "right") wall = Wall::kRight;
  else return false;
  return true;
}

QTransform OnWall(Wall wall, QPointF anchor, QPointF vanishingPoint, double focal) {
  if (wall == Wall::kBack) return QTransform::fromTranslate(anchor.x(), anchor.y());
  // Facing the left wall, the prop's right runs towards the back; facing the right wall, towards us. A step
  // u along the wall moves the depth from 1 to 1 + u / focal, and every point heads for the vanishing point
  // as its depth grows.
  const double toBack = wall == Wall::kLeft ? 1.0 : -1.0;
  const double x = vanishingPoint.x();
  const double y = vanishingPoint.y();
  return QTransform(toBack * x / focal, toBack * y / focal, toBack / focal, 0, 1, 0, anchor.x(), anchor.y(), 1);
}

}  // namespace brackenhollow::art
