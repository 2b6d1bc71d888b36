#include <benchmark/benchmark.h>

#include "analysis/division.h"
#include "analysis/integral.h"
#include "analysis/verschiebung.h"

namespace {

using quarvel::Polynom;

// (x - 1)(x + 2) times two different factors of higher degree: a gcd of degree 2.
Polynom mitGemeinsamemFaktor(const Polynom& faktor) {
  return Polynom{-2, 1, 1} * faktor;
}

void BM_GgT(benchmark::State& state) {
  const Polynom p1 = mitGemeinsamemFaktor(Polynom{1, 0, 3, 0, -1, 2, 0, 0, 0, 0.5, 0, 1});
  const Polynom p2 = mitGemeinsamemFaktor(Polynom{-4, 1, 0, 2, 0, 0, 1, 0, 1.5, 1});
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::ggT(p1, p2));
}
BENCHMARK(BM_GgT);

Polynom grad14() {
  Polynom p;
  for (int i = 0; i < quarvel::anzahlKoeffizienten; ++i) p.koeff[i] = 1.0 / (i + 1) - 0.3;
  return p;
}

void BM_SpiegeleAnVer(benchmark::State& state) {
  const Polynom p = grad14();
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::spiegeleAnVer(p, 1.25));
}
BENCHMARK(BM_SpiegeleAnVer);

void BM_Verschiebung(benchmark::State& state) {
  const Polynom p = grad14();
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::verschAktPolynom(p, 1.25, -0.5));
}
BENCHMARK(BM_Verschiebung);

void BM_BestIntegral(benchmark::State& state) {
  const Polynom p = grad14();
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::bestIntegral(p, -1.5, 2.0));
}
BENCHMARK(BM_BestIntegral);

}  // namespace
