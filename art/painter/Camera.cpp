#include "art/painter/Camera.h"

#include "art/painter/Noise.h"
#include "art/painter/SceneBook.h"
#include "art/painter/Sketch.h"

#include <algorithm>
#include <cmath>

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
  camera.corner = layer.Number("corner", fallback.corner);
  camera.turn = layer.Number("turn", fallback.turn);
  camera.hallWidth = layer.Number("hall-width", fallback.hallWidth);
  camera.hallHeight = layer.Number("hall-height", fallback.hallHeight);
  if (camera.across < -0.5 || camera.across > 1.5 || camera.eye < -0.5 || camera.eye > 1.5)
    throw SceneError(layer.Where() + ": camera across and eye lie between -0.5 and 1.5");
  if (camera.corner > 1) throw SceneError(layer.Where() + ": camera corner lies between 0 and 1");
  if (std::abs(camera.turn) > 70) throw SceneError(layer.Where() + ": camera turn lies between -70 and 70 degrees");
  if (camera.hallWidth < 0 || camera.hallWidth > 20 || camera.hallHeight < 0 || camera.hallHeight > 20)
    throw SceneError(layer.Where() + ": camera hall-width and hall-height lie between 0 and 20 metres");
  if (camera.focal < 100 || camera.focal > 5000) throw SceneError(layer.Where() + ": camera focal lies between 100 and 5000");
  const auto unused = layer.Unused();
  if (!unused.empty()) throw SceneError(layer.Where() + ": camera has no parameter " + unused.front());
  return camera;
}

QPointF VanishingPoint(const Camera& camera, const QRectF& backWall) {
  return QPointF(backWall.left() + backWall.width() * camera.across, backWall.top() + backWall.height() * camera.eye);
}

double CornerView::LeftWallY(double edgeY, double x) const {
  const QPointF vanishing = leftWallVanishing;
  return vanishing.y() + (edgeY - vanishing.y()) * (vanishing.x() - x) / (vanishing.x() - edgeTop.x());
}

double CornerView::RightWallY(double edgeY, double x) const {
  const QPointF vanishing = rightWallVanishing;
  return vanishing.y() + (edgeY - vanishing.y()) * (x - vanishing.x()) / (edgeTop.x() - vanishing.x());
}

std::optional<CornerView> CornerOf(const Camera& camera, const QRectF& backWall) {
  if (camera.corner < 0) return std::nullopt;
  CornerView view;
  const double edgeX = kFrameWidth * camera.corner;
  view.edgeTop = QPointF(edgeX, backWall.top());
  view.edgeFoot = QPointF(edgeX, backWall.bottom());
  const double horizon = backWall.top() + backWall.height() * camera.eye;
  // Two walls square to each other put their vanishing points focal * tan(a) and focal / tan(a) either side of
  // the frame's middle; the further the edge stands to one side, the more squarely the eye faces the other wall.
  const double turn = 0.785398 + (camera.corner - 0.5) * 0.9;
  const double middle = kFrameWidth / 2;
  view.leftWallVanishing = QPointF(std::max(middle + camera.focal * std::tan(turn), edgeX + 60), horizon);
  view.rightWallVanishing = QPointF(std::min(middle - camera.focal / std::tan(turn), edgeX - 60), horizon);
  return view;
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

QTransform OnCornerWall(Wall wall, QPointF anchor, const CornerView& corner) {
  if (wall == Wall::kBack) return QTransform::fromTranslate(anchor.x(), anchor.y());
  // A wall turned about half way from the eye: a step along it shrinks to about three quarters near the anchor.
  constexpr double kStretch = 1.3;
  if (wall == Wall::kLeft) {
    const QPointF vanishing = corner.leftWallVanishing;
    return OnWall(Wall::kLeft, anchor, vanishing, std::max(40.0, (vanishing.x() - anchor.x()) * kStretch));
  }
  const QPointF vanishing = corner.rightWallVanishing;
  return OnWall(Wall::kRight, anchor, vanishing, std::max(40.0, (anchor.x() - vanishing.x()) * kStretch));
}

}  // namespace brackenhollow::art
