// The parts people are painted from: limbs that cover their joints to their width, hands and heads that
// turn the way they are told, a face of its own for every mood, and poses a scene text may not misspell.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <map>
#include <string>
#include <vector>

#include "art/painter/Atmosphere.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/SceneBook.h"
#include "art/painter/Sketch.h"
#include "art/painter/props/Figure.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::Grip;
using art::HeadLook;
using art::Mood;

constexpr int kCanvas = 160;

// Paints with a fresh sketch on a white canvas; the light from the upper left as in every picture.
template <typename Paint>
QImage PaintOnCanvas(Paint paint) {
  testing::Application();
  QImage image(kCanvas, kCanvas, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  art::Atmosphere air;
  art::Sketch sketch(painter, air, 1, 0);
  paint(sketch);
  painter.end();
  return image;
}

// The mean column of the pixels where two paintings differ, or -1 when they are the same.
double DifferenceCentreColumn(const QImage& first, const QImage& second) {
  double sum = 0;
  int count = 0;
  for (int row = 0; row < first.height(); ++row)
    for (int column = 0; column < first.width(); ++column)
      if (first.pixel(column, row) != second.pixel(column, row)) {
        sum += column;
        ++count;
      }
  return count > 0 ? sum / count : -1;
}

// How many rows above (negative) or below (positive) the row the painted pixels reach on average.
double PaintedRowOffset(const QImage& image, int row) {
  double sum = 0;
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        sum += y - row;
        ++count;
      }
  return count > 0 ? sum / count : 0;
}

HeadLook PlainHead() {
  HeadLook look;
  look.radius = 50;
  look.skin = 0xf1c9a0;
  look.hair = 0x6b4226;
  return look;
}

TEST(PaintingFigures, ALimbCoversItsJointsToTheirWidthAndAMalformedOneIsNothing) {
  const QPainterPath straight = art::LimbPath({{0, 0}, {0, 50}, {0, 100}}, {20, 16, 12});
  for (const QPointF inside : {QPointF(0, 0), QPointF(0, 50), QPointF(0, 100), QPointF(6, 25), QPointF(-6, 25), QPointF(4, 90)})
    EXPECT_TRUE(straight.contains(inside)) << inside.x() << "," << inside.y();
  for (const QPointF outside : {QPointF(12, 25), QPointF(-12, 25), QPointF(9, 95), QPointF(0, 112), QPointF(0, -14)})
    EXPECT_FALSE(straight.contains(outside)) << outside.x() << "," << outside.y();
  // Bent hard at the elbow, the arm is still one piece through all three joints.
  const QPainterPath bent = art::LimbPath({{0, 0}, {30, 30}, {0, 50}}, {14, 12, 10});
  for (const QPointF joint : {QPointF(0, 0), QPointF(30, 30), QPointF(0, 50), QPointF(15, 15), QPointF(15, 40)})
    EXPECT_TRUE(bent.contains(joint)) << joint.x() << "," << joint.y();
  EXPECT_TRUE(art::LimbPath({{0, 0}}, {10}).isEmpty());
  EXPECT_TRUE(art::LimbPath({{0, 0}, {0, 10}}, {10}).isEmpty()) << "a width missing for a joint";
  EXPECT_TRUE(art::SmoothOutline({{0, 0}, {10, 0}}).isEmpty());
}

TEST(PaintingFigures, EveryMoodPaintsAFaceOfItsOwn) {
  const std::vector<Mood> moods = {Mood::kCalm,  Mood::kCheerful, Mood::kSmug,      Mood::kStern,  Mood::kWeary,
                                   Mood::kGreedy, Mood::kYawning, Mood::kStraining, Mood::kIntent};
  std::vector<QImage> faces;
  for (const Mood mood : moods) {
    HeadLook look = PlainHead();
    look.mood = mood;
    faces.push_back(PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, look); }));
  }
  for (std::size_t first = 0; first < faces.size(); ++first)
    for (std::size_t second = first + 1; second < faces.size(); ++second)
      EXPECT_NE(faces[first], faces[second]) << "moods " << first << " and " << second << " look alike";
  // Shut and clouded eyes are not open ones.
  HeadLook open = PlainHead();
  HeadLook shut = PlainHead();
  shut.eyes = art::Eyes::kClosed;
  HeadLook milky = PlainHead();
  milky.eyes = art::Eyes::kMilky;
  const QImage openFace = PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, open); });
  EXPECT_NE(openFace, PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, shut); }));
  EXPECT_NE(openFace, PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, milky); }));
}

TEST(PaintingFigures, AHeadTurnedToOneSideLooksThatWay) {
  // Where the features are: what changes between a cheerful and a stern face turned alike.
  const auto featuresCentre = [](double turn) {
    HeadLook look = PlainHead();
    look.turn = turn;
    look.mood = Mood::kCheerful;
    const QImage cheerful = PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, look); });
    look.mood = Mood::kStern;
    const QImage stern = PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHead(sketch, {80, 80}, look); });
    return DifferenceCentreColumn(cheerful, stern);
  };
  const double left = featuresCentre(-0.7);
  const double ahead = featuresCentre(0);
  const double right = featuresCentre(0.7);
  ASSERT_GT(ahead, 0) << "the face shows its features";
  EXPECT_LT(left, ahead - 6);
  EXPECT_GT(right, ahead + 6);
  EXPECT_NEAR(ahead, 80, 3) << "a head looking straight out is drawn square on";
}

TEST(PaintingFigures, AHandsFingersPointAlongItsAngle) {
  for (const Grip grip : {Grip::kOpen, Grip::kRelaxed, Grip::kHolding, Grip::kPointing}) {
    const auto reach = [&](double angle) {
      const QImage hand = PaintOnCanvas([&](art::Sketch& sketch) { art::PaintHand(sketch, {80, 80}, angle, 50, 0xf1c9a0, grip, true); });
      return PaintedRowOffset(hand, 80);
    };
    EXPECT_GT(reach(0), 10) << "angle 0 hangs down, grip " << static_cast<int>(grip);
    EXPECT_LT(reach(180), -10) << "angle 180 reaches up, grip " << static_cast<int>(grip);
  }
}

TEST(PaintingFigures, AFiguresPoseMisspeltInTheSceneStopsThePainting) {
  const auto& registry = art::PropRegistry::Everything();
  for (const std::string prop : {"person", "farmer", "magician"}) {
    const art::Layer layer(prop, {{"pose", "dancing"}}, "test.txt:1");
    const auto painter = registry.Find(prop);
    ASSERT_NE(painter, nullptr) << prop;
    EXPECT_THROW(PaintOnCanvas([&](art::Sketch& sketch) { painter(sketch, layer); }), art::SceneError) << prop;
  }
  // The poses the scenes use are all known.
  const std::map<std::string, std::vector<std::string>> poses = {
      {"person", {"stand", "wade", "sink"}}, {"farmer", {"block", "aside"}}, {"magician", {"wave", "beckon"}}};
  for (const auto& [prop, names] : poses)
    for (const std::string& pose : names) {
      const art::Layer layer(prop, {{"pose", pose}}, "test.txt:1");
      EXPECT_NO_THROW(PaintOnCanvas([&](art::Sketch& sketch) { registry.Find(prop)(sketch, layer); })) << prop << " " << pose;
    }
}

}  // namespace
}  // namespace brackenhollow
