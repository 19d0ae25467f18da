// Playing by pointer: the hit test of one pointer position on a busy picture, the placing of the ways
// out a picture does not draw at its edges (done whenever the screen changes), and the hover update
// of the game window's picture (the pointer moves onto another thing: hit test, outline and caption
// repainted), at the picture's own size and at 1920x1080.
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise; on a real X server:
//   QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" build/bin/brackenhollow_pointer_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cmath>
#include <random>

#include "app/PointerPicture.h"
#include "art/painter/GifWriter.h"
#include "view/EdgeWays.h"
#include "view/HotspotMap.h"

namespace {

using namespace brackenhollow;

constexpr int kWidth = 596;
constexpr int kHeight = 408;

// A busy picture: count things, each a round outline of 64 points, scattered over the picture.
std::vector<Hotspot> BusyMap(int count) {
  std::mt19937 random(7);
  std::vector<Hotspot> hotspots;
  for (int index = 0; index < count; ++index) {
    const int radius = 12 + static_cast<int>(random() % 40);
    const int cx = radius + static_cast<int>(random() % (kWidth - 2 * radius));
    const int cy = radius + static_cast<int>(random() % (kHeight - 2 * radius));
    Hotspot hotspot;
    hotspot.object = "thing " + std::to_string(index);
    hotspot.box = {cx - radius, cy - radius, 2 * radius, 2 * radius};
    hotspot.point = {cx, cy};
    for (int corner = 0; corner < 64; ++corner) {
      const double angle = corner * 2 * M_PI / 64;
      hotspot.outline.push_back({cx + static_cast<int>(radius * std::cos(angle)), cy + static_cast<int>(radius * std::sin(angle))});
    }
    hotspots.push_back(std::move(hotspot));
  }
  return hotspots;
}

void BM_HitTest(benchmark::State& state) {
  const std::vector<Hotspot> hotspots = BusyMap(static_cast<int>(state.range(0)));
  std::mt19937 random(11);
  std::vector<std::pair<double, double>> points;
  for (int index = 0; index < 1024; ++index) {
    points.emplace_back(static_cast<int>(random() % kWidth) + 0.5, static_cast<int>(random() % kHeight) + 0.5);
  }
  std::size_t next = 0;
  for (auto _ : state) {
    const auto& [x, y] = points[next++ % points.size()];
    benchmark::DoNotOptimize(HitTest(hotspots, x, y));
  }
}
BENCHMARK(BM_HitTest)->Arg(10)->Arg(40);

// All four ways placed at the edges of a busy picture; with the second argument 1, a thing listed last,
// too small to be a backdrop, covers the middle band of the picture: every point of the region ahead is
// searched twice (for a roomy point, then for any) before that way goes in front of everything.
void BM_EdgeWays(benchmark::State& state) {
  HotspotMap map;
  map.width = kWidth;
  map.height = kHeight;
  map.hotspots = BusyMap(static_cast<int>(state.range(0)));
  if (state.range(1) != 0) {
    Hotspot cover;
    cover.object = "cover";
    cover.box = {1, 60, kWidth - 2, 190};
    cover.point = {kWidth / 2, 70};
    cover.outline = {{1, 60}, {kWidth - 1, 60}, {kWidth - 1, 250}, {1, 250}};
    map.hotspots.push_back(cover);
  }
  for (auto _ : state) benchmark::DoNotOptimize(WithEdgeWays(map, Facing::North, "NSEW"));
}
BENCHMARK(BM_EdgeWays)->Args({10, 0})->Args({40, 0})->Args({40, 1})->Unit(benchmark::kMicrosecond);

// The picture widget at a size, with a painted picture and a busy map, the pointer moving from the
// middle of one thing to the middle of the next and the widget repainted each time.
void BM_HoverUpdate(benchmark::State& state) {
  QTemporaryDir folder;
  QImage image(kWidth, kHeight, QImage::Format_Indexed8);
  image.setColorTable({qRgb(40, 60, 80)});
  image.fill(0);
  std::string error;
  const std::string file = folder.filePath(QStringLiteral("room.gif")).toStdString();
  if (!art::WriteGif(file, image, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  PointerPicture picture;
  picture.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(0)) * kHeight / kWidth);
  picture.SetPictureFile(QString::fromStdString(file));
  std::vector<PointerTarget> targets;
  for (Hotspot& hotspot : BusyMap(20)) targets.push_back({std::move(hotspot)});
  picture.SetTargets(targets, QSize(kWidth, kHeight), {});
  picture.show();
  QApplication::processEvents();
  std::size_t next = 0;
  for (auto _ : state) {
    const QPointF at = picture.TargetPoint(static_cast<int>(next++ % targets.size()));
    QMouseEvent move(QEvent::MouseMove, at, picture.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &move);
    picture.repaint();
  }
  if (picture.Hovered() < 0) state.SkipWithError("the pointer never landed on a thing");
}
BENCHMARK(BM_HoverUpdate)->Arg(kWidth)->Arg(1400)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
