// What the hotspot maps and the item icons add to painting the game's pictures: painting every room
// picture at its three sizes with its palette, working out every map, and painting every icon at its
// three sizes. The maps and icons should add at most a tenth to the painting.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "art/painter/HotspotMap.h"
#include "art/painter/ItemIcons.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Quantiser.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"

namespace {

using namespace brackenhollow::art;

constexpr int kLargestResolution = 3;

// The scene texts' pictures, split into room pictures (with close-ups and the title) and item icons.
struct Book {
  std::vector<Picture> pictures;
  std::vector<Picture> items;
};

const Book& Scenes() {
  static const Book book = [] {
    Book result;
    SceneBook scenes;
    std::vector<Picture> all;
    std::string error;
    if (!scenes.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) || !scenes.Pictures(all, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return result;
    }
    for (Picture& picture : all) {
      if (!picture.item.empty()) {
        result.items.push_back(std::move(picture));
      } else if (picture.iconSize == 0) {
        result.pictures.push_back(std::move(picture));
      }
    }
    return result;
  }();
  return book;
}

void PaintEveryPicture(benchmark::State& state) {
  for (auto _ : state) {
    for (const Picture& picture : Scenes().pictures) {
      std::vector<QImage> sizes;
      for (int resolution = 1; resolution <= kLargestResolution; ++resolution)
        sizes.push_back(PaintPicture(picture, PropRegistry::Everything(), resolution));
      std::string error;
      benchmark::DoNotOptimize(Quantise(sizes, error));
    }
  }
  state.counters["pictures"] = static_cast<double>(Scenes().pictures.size());
}
BENCHMARK(PaintEveryPicture)->Unit(benchmark::kMillisecond)->Iterations(2)->MeasureProcessCPUTime();

void MapEveryPicture(benchmark::State& state) {
  std::size_t hotspots = 0;
  for (auto _ : state) {
    hotspots = 0;
    for (const Picture& picture : Scenes().pictures) {
      const HotspotMap map = MapHotspots(picture, PropRegistry::Everything());
      hotspots += map.hotspots.size();
      benchmark::DoNotOptimize(HotspotJson(map));
    }
  }
  state.counters["hotspots"] = static_cast<double>(hotspots);
}
BENCHMARK(MapEveryPicture)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

void PaintEveryItemIcon(benchmark::State& state) {
  for (auto _ : state) {
    for (const Picture& item : Scenes().items) {
      for (const QImage& icon : PaintItemIcons(item)) {
        std::string error;
        int transparent = -1;
        benchmark::DoNotOptimize(QuantiseWithTransparency(icon, transparent, error));
      }
    }
  }
  state.counters["icons"] = static_cast<double>(Scenes().items.size());
}
BENCHMARK(PaintEveryItemIcon)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

}  // namespace
