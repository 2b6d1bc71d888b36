#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWindow>
#include <sstream>

#include "app/skript.h"
#include "gui/hauptfenster.h"

namespace {

// One application object for all window benchmarks; the platform is taken from
// QT_QPA_PLATFORM (offscreen when none is set), so the same run works under Xvfb.
QApplication& anwendung() {
  static int argc = 1;
  static char name[] = "quarvel_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static QApplication app(argc, argv);
  return app;
}

// From constructing the main window to its first exposure on screen.
void BM_HauptfensterBisSichtbar(benchmark::State& state) {
  anwendung();
  for (auto _ : state) {
    quarvel::Hauptfenster fenster(1);
    fenster.show();
    while (fenster.windowHandle() == nullptr || !fenster.windowHandle()->isExposed()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_HauptfensterBisSichtbar)->Unit(benchmark::kMillisecond)->Iterations(10);

// A script run without any line: start-up state only.
void BM_LeeresSkript(benchmark::State& state) {
  for (auto _ : state) {
    std::istringstream ein;
    std::ostringstream aus;
    benchmark::DoNotOptimize(quarvel::fuehreSkriptAus(ein, aus, aus, 1));
  }
}
BENCHMARK(BM_LeeresSkript)->Unit(benchmark::kMicrosecond);

}  // namespace
