#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWindow>
#include <sstream>

#include "app/skript.h"
#include "gui/hauptfenster.h"

namespace {

// From constructing the main window to its first exposure on screen.
void BM_HauptfensterBisSichtbar(benchmark::State& state) {
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
