// What each stage of making a picture costs, for a handful of pictures that between them use every costly
// technique: a close-up thrown out of focus behind its thing, skies of noise clouds, lamps that light a room,
// water, a forest, a long hallway. Stages: painting at the three sizes, choosing the palette and mapping
// every size onto it, writing the GIFs, working out the hotspot map. Run by hand; the figures go into the
// commit messages of changes that make painting faster.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

#include "art/painter/GifWriter.h"
#include "art/painter/HotspotMap.h"
#include "art/painter/PaletteMapper.h"
#include "art/painter/PropRegistry.h"
#include "art/painter/Quantiser.h"
#include "art/painter/Renderer.h"
#include "art/painter/SceneBook.h"

namespace {

using namespace brackenhollow::art;

constexpr int kLargestResolution = 3;

const std::vector<std::string> kHandful = {
    "sculpture close up.gif",          // out of focus behind the thing
    "corn field.gif",                  // noise clouds, rows of corn
    "bedroom left lit.gif",            // a lamp lighting the room
    "beach.gif",                       // sea, sand and sky
    "three way path in forest.gif",    // trees, foliage and bark
    "hallway 3 way.gif",               // a room in deep perspective
    "inside lighthouse lit.gif",       // light and stone
};

// The handful's scenes, read once.
const std::vector<Picture>& Handful() {
  static const std::vector<Picture> handful = [] {
    std::vector<Picture> result;
    SceneBook scenes;
    std::vector<Picture> all;
    std::string error;
    if (!scenes.AddFolder(BRACKENHOLLOW_SCENES_FOLDER, error) || !scenes.Pictures(all, error)) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return result;
    }
    for (const std::string& name : kHandful)
      for (const Picture& picture : all)
        if (picture.fileName == name) result.push_back(picture);
    if (result.size() != kHandful.size()) std::fprintf(stderr, "some of the handful's pictures are gone\n");
    return result;
  }();
  return handful;
}

std::vector<QImage> PaintSizes(const Picture& picture) {
  std::vector<QImage> sizes;
  for (int resolution = 1; resolution <= kLargestResolution; ++resolution)
    sizes.push_back(PaintPicture(picture, PropRegistry::Everything(), resolution));
  return sizes;
}

// Every size of every picture of the handful, painted once and kept for the later stages.
const std::vector<std::vector<QImage>>& PaintedHandful() {
  static const std::vector<std::vector<QImage>> painted = [] {
    std::vector<std::vector<QImage>> result;
    for (const Picture& picture : Handful()) result.push_back(PaintSizes(picture));
    return result;
  }();
  return painted;
}

const std::vector<std::vector<QImage>>& QuantisedHandful() {
  static const std::vector<std::vector<QImage>> quantised = [] {
    std::vector<std::vector<QImage>> result;
    std::string error;
    for (const std::vector<QImage>& sizes : PaintedHandful()) result.push_back(Quantise(sizes, error));
    return result;
  }();
  return quantised;
}

void PaintHandful(benchmark::State& state) {
  PaintedHandful();  // the material tiles are made once per program: not part of any one picture's cost
  for (auto _ : state)
    for (const Picture& picture : Handful()) benchmark::DoNotOptimize(PaintSizes(picture));
  state.counters["pictures"] = static_cast<double>(Handful().size());
}
BENCHMARK(PaintHandful)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void QuantiseHandful(benchmark::State& state) {
  const auto& painted = PaintedHandful();
  for (auto _ : state) {
    std::string error;
    for (const std::vector<QImage>& sizes : painted) benchmark::DoNotOptimize(Quantise(sizes, error));
  }
}
BENCHMARK(QuantiseHandful)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The larger sizes mapped onto the palette chosen for the smallest: the part of the palette stage that is ours.
void MapHandfulLargerSizes(benchmark::State& state) {
  const auto& painted = PaintedHandful();
  const auto& quantised = QuantisedHandful();
  for (auto _ : state)
    for (std::size_t picture = 0; picture < painted.size(); ++picture) {
      NearestColour nearest(quantised[picture].front().colorTable());
      for (std::size_t size = 1; size < painted[picture].size(); ++size)
        benchmark::DoNotOptimize(MapOntoPalette(painted[picture][size], quantised[picture].front().colorTable(), nearest));
    }
}
BENCHMARK(MapHandfulLargerSizes)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void WriteHandfulGifs(benchmark::State& state) {
  const auto& quantised = QuantisedHandful();
  const QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("picture.gif")).toStdString();
  for (auto _ : state) {
    std::string error;
    for (const std::vector<QImage>& sizes : quantised)
      for (const QImage& size : sizes) benchmark::DoNotOptimize(WriteGif(path, size, error));
  }
}
BENCHMARK(WriteHandfulGifs)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void MapHandfulHotspots(benchmark::State& state) {
  for (auto _ : state)
    for (const Picture& picture : Handful()) benchmark::DoNotOptimize(MapHotspots(picture, PropRegistry::Everything()));
}
BENCHMARK(MapHandfulHotspots)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace
