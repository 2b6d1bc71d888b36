#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "construction/regression.h"
#include "construction/splinebau.h"
#include "construction/steckbrief.h"

namespace {

using namespace quarvel;

Punktliste punktliste(int anzahl, double von, double bis) {
  Punktliste liste;
  for (int i = 0; i < anzahl; ++i) {
    const double x = von + (bis - von) * i / (anzahl - 1);
    // A quintic with a little deterministic noise.
    const double y = 0.02 * std::pow(x, 5) - 0.3 * x * x * x + x + 0.05 * std::sin(37.0 * i);
    auto p = teile(Punkt{x, y, 0, 0});
    p->valid = {true, false, false};
    p->name = "P" + std::to_string(i);
    liste[p->name] = p;
  }
  return liste;
}

// Fourteen conditions: value and slope at seven abscissas (elimination with refinement).
void BM_Steckbrief14Bedingungen(benchmark::State& state) {
  std::vector<Punkt> feld;
  for (int i = 0; i < 7; ++i) {
    Punkt p{i - 3.0, std::sin(i), std::cos(i), 0};
    p.valid = {true, true, false};
    feld.push_back(p);
  }
  for (auto _ : state) benchmark::DoNotOptimize(pktListe2Polynom(feld));
}
BENCHMARK(BM_Steckbrief14Bedingungen)->Unit(benchmark::kMicrosecond);

void BM_RegressionGrad5Aus10000Punkten(benchmark::State& state) {
  const Punktliste liste = punktliste(10000, -3, 3);
  for (auto _ : state) benchmark::DoNotOptimize(regression(liste, 5));
}
BENCHMARK(BM_RegressionGrad5Aus10000Punkten)->Unit(benchmark::kMicrosecond);

// The fit alone, from points already collected.
void BM_RegressionGrad5Ausgleichsrechnung(benchmark::State& state) {
  const Punktsystem sys = erzeugePunktsystem(punktliste(10000, -3, 3));
  for (auto _ : state) benchmark::DoNotOptimize(regression(sys, 5));
}
BENCHMARK(BM_RegressionGrad5Ausgleichsrechnung)->Unit(benchmark::kMicrosecond);

void BM_SplineAusPunktliste(benchmark::State& state) {
  const Punktliste liste = punktliste(static_cast<int>(state.range(0)), -10, 10);
  for (auto _ : state) benchmark::DoNotOptimize(genSpline(liste, 2));
}
BENCHMARK(BM_SplineAusPunktliste)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
