// Close views: things turned three-quarter on in true perspective, things near the eye painted soft, and the
// close-up props refusing a kind they do not know.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <filesystem>

#include <cmath>
#include <map>
#include <string>

#include "art/painter/Focus.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"
#include "art/painter/props/Turned.h"
#include "tests/TestSupport.h"

namespace brackenhollow {
namespace {

using art::Point3;
using art::Project;
using art::Turn;

double Distance(QPointF first, QPointF second) {
  return std::hypot(first.x() - second.x(), first.y() - second.y());
}

TEST(CloseUpTurn, TheTurnShowsOneSideAndTheTopAndFarEdgesShrink) {
  const Turn right{0.5, 0.3, 900};
  EXPECT_LT(Distance(Project(right, {0, 0, 0}), QPointF(0, 0)), 1e-9) << "the front's foot stays where the layer puts it";
  // Turned to show its right side, the back right edge lands right of the front right edge; the left back edge
  // hides behind the front.
  EXPECT_GT(Project(right, {100, -50, 200}).x(), Project(right, {100, -50, 0}).x());
  EXPECT_GT(Project(right, {-100, -50, 200}).x(), Project(right, {-100, -50, 0}).x());
  const Turn left{-0.5, 0.3, 900};
  EXPECT_LT(Project(left, {-100, -50, 200}).x(), Project(left, {-100, -50, 0}).x());
  // Looked down on, the top's back edge rises in the picture; a lower eye (negative pitch) sees it sink.
  EXPECT_LT(Project(right, {0, -100, 200}).y(), Project(right, {0, -100, 0}).y());
  EXPECT_GT(Project(Turn{0.5, -0.3, 900}, {0, -100, 200}).y(), Project(Turn{0.5, -0.3, 900}, {0, -100, 0}).y());
  // Perspective: the same edge is shorter further back.
  const double nearEdge = Distance(Project(right, {0, -100, 0}), Project(right, {0, 0, 0}));
  const double farEdge = Distance(Project(right, {0, -100, 300}), Project(right, {0, 0, 300}));
  EXPECT_LT(farEdge, nearEdge * 0.95);
  // A point behind the eye does not turn the picture inside out.
  const QPointF behind = Project(right, {0, 0, -5000});
  EXPECT_TRUE(std::isfinite(behind.x()) && std::isfinite(behind.y()));
}

TEST(CloseUpTurn, AFaceMapsAFlatDrawingOntoTheThingsOwnPoints) {
  const Turn turn{0.4, 0.2, 1000};
  // What a prop draws flat on the front, side or top lands exactly where those points of the thing project.
  for (const QPointF flat : {QPointF(-80, -120), QPointF(60, -10), QPointF(0, 0)}) {
    EXPECT_LT(Distance(art::FrontPlane(turn, 40).map(flat), Project(turn, {flat.x(), flat.y(), 40})), 1e-6);
    EXPECT_LT(Distance(art::SidePlane(turn, 90).map(flat), Project(turn, {90, flat.y(), flat.x()})), 1e-6);
    EXPECT_LT(Distance(art::LevelPlane(turn, -150).map(flat), Project(turn, {flat.x(), -150, flat.y()})), 1e-6);
  }
}

TEST(CloseUpFocus, AThingNearTheEyeIsPaintedSoftOverWhatIsBehindIt) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    art::PaintOutOfFocus(painter, 3, [](QPainter& near) { near.fillRect(QRectF(30, 0, 30, 60), Qt::black); });
  }
  EXPECT_EQ(image.pixel(3, 30), qRgb(255, 255, 255)) << "far from the thing the background is untouched";
  EXPECT_EQ(image.pixel(56, 30), qRgb(0, 0, 0));
  EXPECT_GT(qRed(image.pixel(30, 30)), 40) << "its edge is soft";
  EXPECT_LT(qRed(image.pixel(29, 30)), 215);

  QImage sharp(60, 60, QImage::Format_RGB32);
  sharp.fill(Qt::white);
  {
    QPainter painter(&sharp);
    art::PaintOutOfFocus(painter, 0, [](QPainter& near) { near.fillRect(QRectF(30, 0, 30, 60), Qt::black); });
  }
  EXPECT_EQ(sharp.pixel(30, 30), qRgb(0, 0, 0)) << "no blur asked: painted sharp";
  EXPECT_EQ(sharp.pixel(29, 30), qRgb(255, 255, 255));
}

TEST(CloseUpProps, AnUnknownKindOfThingNearTheEyeStopsThePainting) {
  testing::Application();
  art::Picture picture;
  picture.fileName = "near.gif";
  picture.layers.emplace_back("near-edge", std::map<std::string, std::string>{{"kind", "teapot"}}, "test.txt:3");
  try {
    art::PaintPicture(picture, art::PropRegistry::Everything(), 1);
    FAIL() << "a kind no one paints was accepted";
  } catch (const art::SceneError& error) {
    EXPECT_NE(std::string(error.what()).find("test.txt:3"), std::string::npos) << error.what();
  }
}

// A close view paints the thing's surroundings (its wall, the road round it) as scenery of their own; had the
// thing's layer painted them, pointing anywhere in the picture would choose the thing.
TEST(CloseUpProps, AThingSeenCloseIsChosenOnlyWhereItIsPainted) {
  const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  const std::pair<const char*, const char*> kThings[] = {
      {"painting1", "painting"},    {"painting2", "painting"},      {"manholecloser", "manhole"},
      {"manholeopen", "manhole"},   {"dresser close up", "dresser"}, {"safe close up", "safe"},
      {"tv close up", "television"}, {"amulet", "amulet"},           {"nest with eggs", "eggs"}};
  for (const auto& [picture, thing] : kThings) {
    QFile file(QString::fromStdString((folder / (std::string(picture) + ".hotspots.json")).string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << picture << ": no map beside the test program";
    bool found = false;
    for (const QJsonValue& value : QJsonDocument::fromJson(file.readAll()).object()["hotspots"].toArray()) {
      const QJsonObject hotspot = value.toObject();
      if (hotspot["object"].toString().toStdString() != thing) continue;
      found = true;
      const QJsonArray box = hotspot["box"].toArray();
      EXPECT_LT(box[2].toInt() * box[3].toInt(), 596 * 408 * 3 / 4) << picture << ": the " << thing << " takes in its surroundings";
    }
    EXPECT_TRUE(found) << picture << " has no " << thing;
  }
}

}  // namespace
}  // namespace brackenhollow
