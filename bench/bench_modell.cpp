#include <benchmark/benchmark.h>

#include "model/polynom.h"
#include "model/polynomtext.h"

namespace {

using quarvel::Polynom;

Polynom grad14() {
  Polynom p;
  for (int i = 0; i < quarvel::anzahlKoeffizienten; ++i) p.koeff[i] = 1.0 / (i + 1) - 0.3;
  return p;
}

void BM_PolynomWert(benchmark::State& state) {
  const Polynom p = grad14();
  double x = 0.1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p.wert(x));
    x += 1e-9;
  }
}
BENCHMARK(BM_PolynomWert);

void BM_PolynomString(benchmark::State& state) {
  const Polynom p = grad14();
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::polynomString(p, 2));
}
BENCHMARK(BM_PolynomString);

}  // namespace
