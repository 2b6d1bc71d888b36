#include <benchmark/benchmark.h>

#ifdef QUARVEL_BENCH_MIT_FENSTER
#include <QApplication>
#endif

// The window benchmarks need one application object that outlives every benchmark and is
// destroyed before the toolkit's own statics; so it lives here, on main's stack.
int main(int argc, char** argv) {
#ifdef QUARVEL_BENCH_MIT_FENSTER
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
