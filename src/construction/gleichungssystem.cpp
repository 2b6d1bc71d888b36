#include "construction/gleichungssystem.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>
#include <vector>

namespace quarvel {

namespace {

// A power of two near 1 / groesster (1 for 0), so that scaling is exact.
double skalaFuer(double groesster) {
  return groesster > 0.0 && std::isfinite(groesster) ? std::scalbn(1.0, -std::ilogb(groesster))
                                                     : 1.0;
}

// The LU factors of a square matrix with the row order of the pivots.
struct Zerlegung {
  int n = 0;
  std::vector<double> lu;  // row-major, L below the diagonal (unit diagonal), U on and above
  std::vector<int> zeile;  // zeile[k]: the original row in place k
  double& operator()(int r, int c) { return lu[static_cast<std::size_t>(r * n + c)]; }
  double operator()(int r, int c) const { return lu[static_cast<std::size_t>(r * n + c)]; }

  std::vector<double> loese(const std::vector<double>& b) const {
    std::vector<double> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      double s = b[static_cast<std::size_t>(zeile[static_cast<std::size_t>(i)])];
      for (int j = 0; j < i; ++j) s -= (*this)(i, j) * x[static_cast<std::size_t>(j)];
      x[static_cast<std::size_t>(i)] = s;
    }
    for (int i = n - 1; i >= 0; --i) {
      double s = x[static_cast<std::size_t>(i)];
      for (int j = i + 1; j < n; ++j) s -= (*this)(i, j) * x[static_cast<std::size_t>(j)];
      x[static_cast<std::size_t>(i)] = s / (*this)(i, i);
    }
    return x;
  }
};

}  // namespace

Loesung loeseGleichungssystem(const Matrix& erwM) {
  const int n = erwM.rows;
  if (n < 1 || erwM.columns != n + 1) return {markerMatrix(markerUnloesbar), false};
  const auto idx = [](int i) { return static_cast<std::size_t>(i); };
  // Equilibration: columns first (the powers of x differ by orders of magnitude), then rows.
  std::vector<double> spaltenSkala(idx(n)), zeilenSkala(idx(n));
  for (int c = 0; c < n; ++c) {
    double groesster = 0.0;
    for (int r = 0; r < n; ++r) groesster = std::max(groesster, std::abs(erwM(r, c)));
    spaltenSkala[idx(c)] = skalaFuer(groesster);
  }
  Zerlegung z{n, std::vector<double>(idx(n * n)), std::vector<int>(idx(n))};
  for (int r = 0; r < n; ++r) {
    double groesster = 0.0;
    for (int c = 0; c < n; ++c)
      groesster = std::max(groesster, std::abs(erwM(r, c) * spaltenSkala[idx(c)]));
    zeilenSkala[idx(r)] = skalaFuer(groesster);
    for (int c = 0; c < n; ++c) z(r, c) = erwM(r, c) * spaltenSkala[idx(c)] * zeilenSkala[idx(r)];
    z.zeile[idx(r)] = r;
  }
  const Zerlegung a = z;  // the scaled matrix, for the residual
  double norm = 0.0;
  for (int r = 0; r < n; ++r) {
    double summe = 0.0;
    for (int c = 0; c < n; ++c) summe += std::abs(z(r, c));
    norm = std::max(norm, summe);
  }
  const double kleinsterPivot = 4.0 * n * std::numeric_limits<double>::epsilon() * norm;
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int r = k + 1; r < n; ++r) {
      if (std::abs(z(r, k)) > std::abs(z(pivot, k))) pivot = r;
    }
    if (!(std::abs(z(pivot, k)) > kleinsterPivot)) return {markerMatrix(markerUnloesbar), false};
    if (pivot != k) {
      for (int c = 0; c < n; ++c) std::swap(z(k, c), z(pivot, c));
      std::swap(z.zeile[idx(k)], z.zeile[idx(pivot)]);
    }
    for (int r = k + 1; r < n; ++r) {
      const double faktor = z(r, k) / z(k, k);
      z(r, k) = faktor;
      for (int c = k + 1; c < n; ++c) z(r, c) -= faktor * z(k, c);
    }
  }
  std::vector<double> b(idx(n));
  for (int r = 0; r < n; ++r) b[idx(r)] = erwM(r, n) * zeilenSkala[idx(r)];
  std::vector<double> y = z.loese(b);
  // One step of refinement with the residual in extended precision.
  std::vector<double> rest(idx(n));
  for (int r = 0; r < n; ++r) {
    long double s = b[idx(r)];
    for (int c = 0; c < n; ++c) s -= static_cast<long double>(a(r, c)) * y[idx(c)];
    rest[idx(r)] = static_cast<double>(s);
  }
  const std::vector<double> korrektur = z.loese(rest);
  Loesung l{Matrix(1, n), true};
  for (int c = 0; c < n; ++c) {
    l.werte(0, c) = (y[idx(c)] + korrektur[idx(c)]) * spaltenSkala[idx(c)];
    if (!std::isfinite(l.werte(0, c))) return {markerMatrix(markerUnloesbar), false};
  }
  return l;
}

}  // namespace quarvel
