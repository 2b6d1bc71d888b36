#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/kurvendiskussion.h"
#include "analysis/nullstellen.h"

namespace {

using quarvel::Polynom;

// Degree 14 with 14 distinct real roots, multiplied out.
Polynom ausNullstellen(const std::vector<double>& nullstellen) {
  Polynom p{1};
  for (double r : nullstellen) p = p * Polynom{-r, 1.0};
  return p;
}

// Roots -6.5, -5.5, …, 6.5: a symmetric school-sized example.
Polynom symmetrischeNullstellen() {
  std::vector<double> r;
  for (int k = 0; k < 14; ++k) r.push_back(k - 6.5);
  return ausNullstellen(r);
}

// Roots 1, 2, …, 14: large coefficients, a wide root bound and long bisections.
Polynom ganzeNullstellen() {
  std::vector<double> r;
  for (int k = 1; k <= 14; ++k) r.push_back(k);
  return ausNullstellen(r);
}

// Irregular short decimals between -4 and 4.
Polynom unregelmaessigeNullstellen() {
  return ausNullstellen(
      {-3.9, -3.2, -2.75, -2.1, -1.4, -0.8, -0.15, 0.3, 0.95, 1.6, 2.05, 2.7, 3.35, 3.9});
}

Polynom beispiel(int nummer) {
  switch (nummer) {
    case 0:
      return symmetrischeNullstellen();
    case 1:
      return ganzeNullstellen();
    default:
      return unregelmaessigeNullstellen();
  }
}

void BM_NullstMengeGrad14(benchmark::State& state) {
  const Polynom p = beispiel(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::nullstMenge(p, 2));
}
BENCHMARK(BM_NullstMengeGrad14)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_Kurvendiskussion2fuGrad14(benchmark::State& state) {
  const Polynom p = beispiel(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quarvel::kurvendiskussion2fu(p, 2));
}
BENCHMARK(BM_Kurvendiskussion2fuGrad14)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
