// The start of the painting benchmarks: the painter's surroundings (an off-screen surface, one thread per
// picture), then the benchmarks linked in beside it.
#include <benchmark/benchmark.h>
#include <omp.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  // Painting needs no display, only an off-screen surface for text.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  // As in the painter, which paints a picture per core: the quantiser's own threads would only wait.
  omp_set_num_threads(1);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
