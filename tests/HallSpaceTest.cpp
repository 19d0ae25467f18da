// Hallways built in space: what is drawn flat on a wall, the floor or a swung door leaf must land where its
// points project, nothing behind the eye may reach the frame, and the camera's turn and eye must move the
// view, not the hall. A door that opens changes only its own part of the picture.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <cmath>
#include <map>
#include <string>

#include "art/painter/Camera.h"
#include "art/painter/HallSpace.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::HallSpace;
using art::Point3;

art::Camera TurnedCamera(double turn) {
  art::Camera camera;
  camera.across = 0.3;
  camera.eye = 0.45;
  camera.focal = 380;
  camera.turn = turn;
  camera.hallWidth = 2.6;
  camera.hallHeight = 3.0;
  return camera;
}

TEST(HallSpace, WhatIsDrawnOnAPlaneLandsWhereItsPointsProject) {
  const HallSpace space(TurnedCamera(12));
  // The left wall, the floor and a door leaf swung 70 degrees out of the right wall.
  const double swing = 70 * 3.14159265 / 180;
  const struct {
    Point3 origin;
    Point3 across;
    Point3 up;
  } planes[] = {{{-130, 0, 0}, {0, 0, 1}, {0, 1, 0}},
                {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}},
                {{130, 0, 400}, {-std::sin(swing), 0, -std::cos(swing)}, {0, 1, 0}}};
  for (const auto& plane : planes) {
    const QTransform map = space.Plane(plane.origin, plane.across, plane.up);
    for (const double u : {50.0, 230.0, 610.0})
      for (const double v : {0.0, 95.0, 240.0}) {
        const Point3 point = plane.origin + plane.across * u + plane.up * v;
        if (space.Depth(point) < HallSpace::kNear) continue;
        const QPointF mapped = map.map(QPointF(u, v));
        const QPointF projected = space.Project(point);
        EXPECT_NEAR(mapped.x(), projected.x(), 1e-6) << u << "," << v;
        EXPECT_NEAR(mapped.y(), projected.y(), 1e-6) << u << "," << v;
      }
  }
}

TEST(HallSpace, OnlyWhatLiesInFrontOfTheEyeReachesTheFrame) {
  const HallSpace space(TurnedCamera(0));
  // A strip of floor from behind the eye to far ahead is cut where it passes the eye, not folded over.
  const QPolygonF strip = space.ProjectPolygon({{-50, 0, -300}, {50, 0, -300}, {50, 0, 800}, {-50, 0, 800}});
  ASSERT_EQ(strip.size(), 4);
  const double horizon = space.Project({0, space.EyeHeight(), 1e6}).y();
  for (const QPointF corner : strip) {
    EXPECT_TRUE(std::isfinite(corner.x()) && std::isfinite(corner.y()));
    EXPECT_GT(corner.y(), horizon) << "the floor stays below the horizon";
  }
  EXPECT_TRUE(space.ProjectPolygon({{-50, 0, -300}, {50, 0, -300}, {50, 0, -100}, {-50, 0, -100}}).isEmpty());
}

TEST(HallSpace, TheTurnAndTheEyeMoveTheViewNotTheHall) {
  const Point3 farEnd{0, 150, 2000};
  const double straight = HallSpace(TurnedCamera(0)).Project(farEnd).x();
  EXPECT_LT(HallSpace(TurnedCamera(15)).Project(farEnd).x(), straight - 50) << "turning right sends the far end left";
  EXPECT_GT(HallSpace(TurnedCamera(-15)).Project(farEnd).x(), straight + 50);
  art::Camera low = TurnedCamera(0);
  low.eye = 0.7;
  const auto horizon = [](const HallSpace& space) { return space.Project({0, space.EyeHeight(), 1e6}).y(); };
  EXPECT_GT(horizon(HallSpace(low)), horizon(HallSpace(TurnedCamera(0)))) << "a low eye puts the horizon lower, showing more ceiling";
}

art::Picture HallPicture(const std::map<std::string, std::string>& camera, const std::map<std::string, std::string>& door) {
  art::Picture picture;
  picture.fileName = "hall.gif";
  picture.rooms = {57};
  picture.layers.emplace_back("camera", camera, "test.txt:1");
  picture.layers.emplace_back("hall", std::map<std::string, std::string>{{"length", "9"}, {"runner", "carpet"}}, "test.txt:2");
  picture.layers.emplace_back("hall-sconce", std::map<std::string, std::string>{{"wall", "left"}, {"at", "4"}}, "test.txt:3");
  picture.layers.emplace_back("hall-door", door, "test.txt:4");
  return picture;
}

// A door that opens must leave the rest of the hall as it was (a painter that leaks its transform, clip or
// light into later layers would move the whole picture), and a camera out of range is refused.
TEST(HallPictures, AnOpenedDoorChangesOnlyItsSideOfTheHall) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const std::map<std::string, std::string> camera{{"across", "0.4"}, {"eye", "0.45"}, {"focal", "380"}, {"turn", "8"}};
  std::map<std::string, std::string> shut{{"wall", "right"}, {"at", "2.5"}, {"colour", "crimson"}};
  std::map<std::string, std::string> open = shut;
  open["state"] = "open";
  open["swing"] = "hall";
  open["spill"] = "no";
  const QImage before = art::PaintPicture(HallPicture(camera, shut), registry, 1);
  const QImage after = art::PaintPicture(HallPicture(camera, open), registry, 1);
  ASSERT_EQ(before.size(), after.size());
  int changedLeft = 0;
  int changedRight = 0;
  for (int row = 0; row < before.height(); ++row)
    for (int column = 0; column < before.width(); ++column) {
      if (before.pixel(column, row) == after.pixel(column, row)) continue;
      (column < before.width() / 3 ? changedLeft : changedRight)++;
    }
  EXPECT_GT(changedRight, 2000) << "the door swung into the hall shows";
  EXPECT_EQ(changedLeft, 0) << "the far side of the hall is untouched";

  std::map<std::string, std::string> turned = camera;
  turned["turn"] = "80";
  EXPECT_THROW(art::PaintPicture(HallPicture(turned, shut), registry, 1), art::SceneError);
  std::map<std::string, std::string> wide = camera;
  wide["hall-width"] = "-1";
  EXPECT_THROW(art::PaintPicture(HallPicture(wide, shut), registry, 1), art::SceneError);
  std::map<std::string, std::string> nowhere = shut;
  nowhere["wall"] = "ceiling";
  EXPECT_THROW(art::PaintPicture(HallPicture(camera, nowhere), registry, 1), art::SceneError);
}

}  // namespace
}  // namespace brackenhollow
