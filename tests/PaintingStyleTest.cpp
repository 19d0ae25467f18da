// The painter's look: materials that are the same surface at every size, the seed that keeps a room's
// pictures alike and other rooms apart, cameras and side-wall perspective, and shadows cast along the light.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>

#include <cmath>
#include <map>
#include <string>

#include "art/painter/Camera.h"
#include "art/painter/Focus.h"
#include "art/painter/Materials.h"
#include "art/painter/Noise.h"
#include "art/painter/Palette.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::Layer;
using art::Picture;

Picture MakePicture(const std::string& fileName, std::vector<int> rooms,
                    const std::vector<std::pair<std::string, std::map<std::string, std::string>>>& layers) {
  Picture picture;
  picture.fileName = fileName;
  picture.rooms = std::move(rooms);
  for (const auto& [prop, values] : layers) picture.layers.emplace_back(prop, values, "test.txt:1");
  return picture;
}

// Share of pixels that differ between two pictures of one size, inside rows from top to bottom.
double DifferingShare(const QImage& first, const QImage& second, int top, int bottom) {
  int differing = 0;
  int total = 0;
  for (int row = top; row < bottom; ++row)
    for (int column = 0; column < first.width(); ++column, ++total)
      if (first.pixel(column, row) != second.pixel(column, row)) ++differing;
  return static_cast<double>(differing) / total;
}

TEST(PaintingNoise, IsTheSameEveryTimeAndTilesWithoutASeam) {
  EXPECT_EQ(art::FractalNoise(3.3, 7.1, 42, 4), art::FractalNoise(3.3, 7.1, 42, 4));
  EXPECT_NE(art::FractalNoise(3.3, 7.1, 42, 4), art::FractalNoise(3.3, 7.1, 43, 4));
  for (const double x : {0.2, 1.7, 5.5})
    EXPECT_NEAR(art::FractalNoise(x, 2.5, 9, 3, 8), art::FractalNoise(x + 8, 2.5, 9, 3, 8), 1e-12) << x;
  for (int step = 0; step < 200; ++step) {
    const double value = art::FractalNoise(step * 0.37, step * 0.11, 5, 5);
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
  }
}

// A larger painting must show the same surface: each tile shrunk by its resolution lands on the small tile.
TEST(PaintingMaterials, EveryMaterialIsTheSameSurfaceAtEverySizeAndLowInContrast) {
  for (int index = 1; index < static_cast<int>(art::Material::kCount); ++index) {
    const auto material = static_cast<art::Material>(index);
    const QImage& small = art::MaterialTile(material, 1);
    ASSERT_EQ(small.width(), art::kMaterialTileUnits) << index;
    for (const int resolution : {2, 3}) {
      const QImage& large = art::MaterialTile(material, resolution);
      ASSERT_EQ(large.width(), art::kMaterialTileUnits * resolution);
      double difference = 0;
      for (int row = 0; row < small.height(); ++row)
        for (int column = 0; column < small.width(); ++column) {
          double alpha = 0;
          for (int down = 0; down < resolution; ++down)
            for (int across = 0; across < resolution; ++across)
              alpha += qAlpha(large.pixel(column * resolution + across, row * resolution + down));
          difference += std::abs(alpha / (resolution * resolution) - qAlpha(small.pixel(column, row)));
        }
      EXPECT_LT(difference / (small.width() * small.height()), 4.0) << "material " << index << " at " << resolution << "x";
    }
    int strongest = 0;
    for (int row = 0; row < small.height(); ++row)
      for (int column = 0; column < small.width(); ++column) strongest = std::max(strongest, qAlpha(small.pixel(column, row)));
    EXPECT_LE(strongest, 70) << "material " << index << " would drown its fill";
    EXPECT_GT(strongest, 5) << "material " << index << " shows nothing";
  }
  EXPECT_TRUE(art::MaterialTile(art::Material::kNone, 1).isNull());
  EXPECT_EQ(art::MaterialOf(art::colours::kWood), art::Material::kWood);
  EXPECT_EQ(art::MaterialOf(art::colours::kGrass), art::Material::kGrass);
  EXPECT_EQ(art::MaterialOf(art::colours::kInk), art::Material::kNone) << "ink is no surface";
}

TEST(PaintingCamera, EachSeedLooksFromItsOwnPlaceAndSideWallsRecede) {
  const art::Camera first = art::CameraFromSeed(1);
  EXPECT_EQ(art::CameraFromSeed(1).across, first.across);
  int distinct = 0;
  for (std::uint32_t seed = 2; seed < 40; ++seed) {
    const art::Camera other = art::CameraFromSeed(seed);
    if (std::abs(other.across - first.across) > 1e-6 || std::abs(other.eye - first.eye) > 1e-6) ++distinct;
    EXPECT_GT(std::abs(other.across - 0.5), 0.09) << "no room is seen dead centre";
  }
  EXPECT_EQ(distinct, 38);

  const QPointF vanishing(300, 150);
  const QPointF anchor(100, 200);
  EXPECT_EQ(art::OnWall(art::Wall::kBack, anchor, vanishing, 500).map(QPointF(10, 5)), QPointF(110, 205));
  const QTransform left = art::OnWall(art::Wall::kLeft, anchor, vanishing, 500);
  EXPECT_NEAR(left.map(QPointF(0, 0)).x(), anchor.x(), 1e-9);
  // Forty units along the left wall cover far less than forty across the picture, and head towards the
  // vanishing point; the far edge of a prop is shorter than its near edge.
  const QPointF along = left.map(QPointF(40, 0));
  EXPECT_GT(along.x(), anchor.x());
  EXPECT_LT(along.x() - anchor.x(), 25);
  const double nearHeight = left.map(QPointF(0, -50)).y() - left.map(QPointF(0, 50)).y();
  const double farHeight = left.map(QPointF(40, -50)).y() - left.map(QPointF(40, 50)).y();
  EXPECT_LT(std::abs(farHeight), std::abs(nearHeight));
  const QTransform right = art::OnWall(art::Wall::kRight, QPointF(500, 200), vanishing, 500);
  EXPECT_GT(right.map(QPointF(40, 0)).x(), 500.0) << "on the right wall a prop's right comes towards us";

  art::Wall wall = art::Wall::kBack;
  EXPECT_TRUE(art::ReadWall("left", wall));
  EXPECT_EQ(wall, art::Wall::kLeft);
  EXPECT_FALSE(art::ReadWall("ceiling", wall));
}

TEST(PaintingCamera, ACameraLineOutOfRangeOrMisspeltStopsThePainting) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const auto paint = [&](std::map<std::string, std::string> camera) {
    return art::PaintPicture(MakePicture("a.gif", {5}, {{"camera", camera}, {"room", {}}}), registry, 1);
  };
  EXPECT_NO_THROW(paint({{"across", "0.3"}, {"eye", "0.6"}}));
  EXPECT_THROW(paint({{"across", "7"}}), art::SceneError);
  EXPECT_THROW(paint({{"focal", "10"}}), art::SceneError);
  EXPECT_THROW(paint({{"acros", "0.3"}}), art::SceneError);
  EXPECT_THROW(art::PaintPicture(MakePicture("b.gif", {5}, {{"lamp", {{"x", "100"}, {"on", "ceiling"}}}}), registry, 1),
               art::SceneError);
  // The camera moves the room's vanishing point, so the same room is painted differently.
  EXPECT_NE(paint({{"across", "0.2"}}), paint({{"across", "0.8"}}));
}

// A room's state pictures must differ only where the state changed; another room must grow other clouds.
TEST(PaintingSeed, ARoomsPicturesGrowAlikeAndOtherRoomsDiffer) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const std::vector<std::pair<std::string, std::map<std::string, std::string>>> outdoors = {
      {"sky", {{"horizon", "200"}}},
      {"ground", {{"top", "200"}, {"tufts", "20"}}},
      {"boulder", {{"x", "150"}, {"y", "330"}}},
  };
  auto withDog = outdoors;
  withDog.push_back({"dog", {{"x", "420"}, {"y", "380"}, {"scale", "0.5"}}});
  const QImage first = art::PaintPicture(MakePicture("a.gif", {48}, outdoors), registry, 1);
  const QImage second = art::PaintPicture(MakePicture("b.gif", {48}, withDog), registry, 1);
  const QImage elsewhere = art::PaintPicture(MakePicture("c.gif", {49}, outdoors), registry, 1);
  // The dog stands at the right: the left half of the two states is painted pixel for pixel alike.
  const QImage firstLeft = first.copy(0, 0, 300, 408);
  const QImage secondLeft = second.copy(0, 0, 300, 408);
  EXPECT_EQ(firstLeft, secondLeft);
  EXPECT_GT(DifferingShare(first, second, 0, 408), 0.005) << "the dog must show";
  EXPECT_GT(DifferingShare(first, elsewhere, 0, 200), 0.2) << "another room must not share the sky";
}

// A standing thing darkens the ground on the side away from the light, and never the sky.
TEST(PaintingShadows, AStandingThingCastsItsShadowAwayFromTheLightOnTheGroundOnly) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const std::vector<std::pair<std::string, std::map<std::string, std::string>>> bare = {
      {"light", {{"from", "left"}}},
      {"sky", {{"horizon", "250"}, {"clouds", "no"}}},
      {"block", {{"x", "0"}, {"y", "250"}, {"w", "596"}, {"h", "160"}, {"colour", "sand"}}},
  };
  auto withPost = bare;
  withPost.push_back({"sign", {{"x", "200"}, {"y", "380"}, {"text", "A"}}});
  const QImage without = art::PaintPicture(MakePicture("a.gif", {7}, bare), registry, 1);
  const QImage with = art::PaintPicture(MakePicture("a.gif", {7}, withPost), registry, 1);
  const auto darkening = [&](int left, int right, int top, int bottom) {
    double total = 0;
    for (int row = top; row < bottom; ++row)
      for (int column = left; column < right; ++column) total += qGray(without.pixel(column, row)) - qGray(with.pixel(column, row));
    return total / ((right - left) * (bottom - top));
  };
  EXPECT_GT(darkening(250, 300, 340, 375), 8.0) << "the shadow falls right of the sign, away from a light on the left";
  EXPECT_LT(darkening(120, 160, 340, 375), 1.0) << "nothing darkens on the lit side";
  EXPECT_EQ(without.copy(0, 0, 596, 240), with.copy(0, 0, 596, 240)) << "no shadow on the sky";
}

TEST(PaintingCamera, ACornerViewRunsEachWallToItsOwnVanishingPointAndItsPropsRecedeWithIt) {
  art::Camera square;
  EXPECT_FALSE(art::CornerOf(square, QRectF(110, 40, 376, 250)).has_value()) << "a room is seen square on unless asked";
  art::Camera camera;
  camera.corner = 0.6;
  camera.eye = 0.5;
  camera.focal = 450;
  const auto corner = art::CornerOf(camera, QRectF(40, 20, 500, 280));
  ASSERT_TRUE(corner.has_value());
  EXPECT_NEAR(corner->edgeTop.x(), 596 * 0.6, 1e-9);
  EXPECT_GT(corner->leftWallVanishing.x(), corner->edgeTop.x()) << "the left wall runs away to the right";
  EXPECT_LT(corner->rightWallVanishing.x(), corner->edgeTop.x()) << "the right wall runs away to the left";
  // Ceiling and floor lines open out towards the frame's edges on both walls, and meet at the edge.
  EXPECT_LT(corner->LeftWallY(20, 0), 20);
  EXPECT_GT(corner->LeftWallY(300, 0), 300);
  EXPECT_LT(corner->RightWallY(20, 596), 20);
  EXPECT_GT(corner->RightWallY(300, 596), 300);
  EXPECT_NEAR(corner->LeftWallY(300, corner->edgeTop.x()), 300, 1e-9);
  EXPECT_NEAR(corner->RightWallY(300, corner->edgeTop.x()), 300, 1e-9);

  // A prop on the left wall shrinks towards the corner; one on the right wall grows away from it.
  const auto height = [](const QTransform& wall, double along) {
    return std::abs(wall.map(QPointF(along, -50)).y() - wall.map(QPointF(along, 50)).y());
  };
  const QTransform left = art::OnCornerWall(art::Wall::kLeft, QPointF(150, 200), *corner);
  EXPECT_LT(height(left, 60), height(left, 0));
  EXPECT_GT(left.map(QPointF(60, 0)).x(), 150.0);
  const QTransform right = art::OnCornerWall(art::Wall::kRight, QPointF(480, 200), *corner);
  EXPECT_GT(height(right, 60), height(right, 0));
  EXPECT_GT(right.map(QPointF(60, 0)).x(), 480.0);

  // The corner camera paints another room than the square-on one, and rejects a corner past the frame.
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const auto paint = [&](std::map<std::string, std::string> settings) {
    return art::PaintPicture(MakePicture("a.gif", {5}, {{"camera", settings}, {"room", {}}}), registry, 1);
  };
  EXPECT_NE(paint({{"corner", "0.4"}}), paint({}));
  EXPECT_THROW(paint({{"corner", "1.5"}}), art::SceneError);
}

// A background thrown out of focus must soften, keep its light, and leave a layer painted alone (for the
// hotspot maps) transparent, or the haze would hide every thing behind the close-up's subject.
TEST(PaintingFocus, TheBackgroundSoftensKeepsItsLightAndNothingIsAddedWhereNothingWasPainted) {
  QImage sharp(40, 40, QImage::Format_RGB32);
  sharp.fill(Qt::black);
  for (int row = 0; row < 40; ++row)
    for (int column = 20; column < 40; ++column) sharp.setPixel(column, row, qRgb(255, 255, 255));
  const QImage soft = art::OutOfFocus(sharp, 3, qRgb(0, 0, 0), 0.0);
  EXPECT_GT(qRed(soft.pixel(19, 20)), 40) << "the edge blurs into the dark side";
  EXPECT_LT(qRed(soft.pixel(20, 20)), 215) << "and the light side darkens at the edge";
  EXPECT_EQ(qRed(soft.pixel(2, 20)), 0) << "far from the edge nothing changes";
  EXPECT_EQ(qRed(soft.pixel(37, 20)), 255);
  const QImage hazed = art::OutOfFocus(sharp, 0, qRgb(200, 200, 200), 0.5);
  EXPECT_EQ(qRed(hazed.pixel(2, 20)), 100);

  QImage alone(30, 30, QImage::Format_ARGB32_Premultiplied);
  alone.fill(Qt::transparent);
  const QImage stillAlone = art::OutOfFocus(alone, 2, qRgb(200, 180, 160), 0.4);
  for (int row = 0; row < 30; ++row)
    for (int column = 0; column < 30; ++column) ASSERT_EQ(qAlpha(stillAlone.pixel(column, row)), 0);

  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const Picture picture = MakePicture("close.gif", {}, {{"room", {}}, {"depth", {{"blur", "4"}, {"haze", "0.3"}}}});
  art::PaintLayersAlone(picture, registry, 1, [](std::size_t index, const QImage& layer) {
    ASSERT_EQ(index, 1u);
    for (int row = 0; row < layer.height(); row += 7)
      for (int column = 0; column < layer.width(); column += 7) ASSERT_EQ(qAlpha(layer.pixel(column, row)), 0);
  });
  EXPECT_NE(art::PaintPicture(picture, registry, 1),
            art::PaintPicture(MakePicture("close.gif", {}, {{"room", {}}}), registry, 1));
}

// The corn beside the maze's path throws its shadow across it away from the sun: a sign turned the wrong
// way would light the side that should lie in shade. A misspelt shape of path stops the painting.
TEST(PaintingMaze, TheCornsShadowLiesOnThePathOnTheSideAwayFromTheSun) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const auto paint = [&](const std::string& side, const std::string& kind) {
    return art::PaintPicture(MakePicture("maze.gif", {19},
                                         {{"light", {{"from", side}}},
                                          {"sky", {{"horizon", "190"}}},
                                          {"maze-floor", {{"kind", kind}}},
                                          {"maze-corn", {{"kind", kind}}}}),
                             registry, 1);
  };
  // The mean brightness of the path a little left and a little right of its middle, low in the frame.
  const auto brightness = [](const QImage& picture, int left) {
    double total = 0;
    for (int row = 330; row < 400; ++row)
      for (int column = left; column < left + 24; ++column) total += qGray(picture.pixel(column, row));
    return total / (70 * 24);
  };
  const QImage fromLeft = paint("left", "straight");
  const QImage fromRight = paint("right", "straight");
  EXPECT_LT(brightness(fromLeft, 250), brightness(fromLeft, 322) - 10) << "sun from the left shades the path's left side";
  EXPECT_LT(brightness(fromRight, 322), brightness(fromRight, 250) - 10) << "sun from the right shades its right side";
  EXPECT_THROW(paint("left", "spiral"), art::SceneError);
}

// The glint in the haystack is the player's only cue that something is hidden in it: it must show as a
// bright spot that the haystack without it lacks.
TEST(PaintingFields, TheHaystacksGlintShowsWhereItIsAskedForAndNowhereElse) {
  testing::Application();
  const auto& registry = art::PropRegistry::Everything();
  const auto paint = [&](const std::string& twinkle) {
    return art::PaintPicture(MakePicture("hay.gif", {97},
                                         {{"sky", {{"horizon", "200"}}},
                                          {"close-haystack", {{"x", "298"}, {"y", "380"}, {"w", "320"}, {"h", "260"}, {"twinkle", twinkle}}}}),
                             registry, 1);
  };
  const QImage plain = paint("no");
  const QImage glinting = paint("yes");
  // The glint sits a little right of the stack's middle, half way up.
  int brightOnlyWithGlint = 0;
  for (int row = 230; row < 270; ++row)
    for (int column = 310; column < 350; ++column)
      if (qGray(glinting.pixel(column, row)) > 235 && qGray(plain.pixel(column, row)) <= 235) ++brightOnlyWithGlint;
  EXPECT_GT(brightOnlyWithGlint, 20);
  EXPECT_EQ(plain.copy(0, 0, 596, 120), glinting.copy(0, 0, 596, 120)) << "the glint stays on the stack";
}

}  // namespace
}  // namespace brackenhollow
