#include "construction/splinebau.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

#include "analysis/kritischestellen.h"
#include "construction/endlichkeit.h"
#include "construction/steckbrief.h"
#include "model/toleranz.h"

namespace quarvel {

namespace {

std::size_t u(int i) {
  return static_cast<std::size_t>(i);
}

}  // namespace

bool istStrengZunehmend(const std::vector<double>& feld) {
  if (feld.size() < 2) return false;
  for (std::size_t i = 0; i + 1 < feld.size(); ++i) {
    if (!(feld[i] < feld[i + 1])) return false;
  }
  return true;
}

Stuetzstellen punktVorbereitung(const std::vector<Punkt>& pfeld) {
  // (x, y) of the active points in list order; the stable sort keeps that order among
  // equal abscissas, so the last of a run is the point that came later.
  std::vector<std::pair<double, double>> paare;
  paare.reserve(pfeld.size());
  for (const Punkt& p : pfeld) {
    if (p.aktiv) paare.emplace_back(p.x(), p.y());
  }
  std::stable_sort(paare.begin(), paare.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  Stuetzstellen s;
  s.X.reserve(paare.size());
  s.Y.reserve(paare.size());
  for (std::size_t i = 0; i < paare.size(); ++i) {
    const double x = paare[i].first;
    if (i + 1 < paare.size() && paare[i + 1].first == x) continue;  // a later point decides
    // No comparison value before the first knot: every abscissa, however small, can be one.
    // A knot whose x equals the one before exactly was merged above; one closer than 1e-15
    // keeps the ordinate of the earlier knot.
    if (!s.X.empty() && istNull(x - s.X.back())) continue;
    s.X.push_back(x);
    s.Y.push_back(paare[i].second);
  }
  return s;
}

Matrix genSplineKoeffizienten(const std::vector<double>& X, const std::vector<double>& Y) {
  assert(X.size() >= 2 && X.size() == Y.size());
  const std::size_t n = X.size();
  const std::size_t m = n - 1;
  std::vector<double> h(m);
  for (std::size_t i = 0; i < m; ++i) h[i] = X[i + 1] - X[i];

  // Curvatures M at the knots, natural ends M[0] = M[m] = 0. Inner knot i:
  // h[i-1] M[i-1] + 2 (h[i-1] + h[i]) M[i] + h[i] M[i+1] = 6 (slope right − slope left).
  // The matrix is strictly diagonally dominant, so elimination without pivoting is stable.
  std::vector<double> M(n, 0.0), diag(n, 0.0), rhs(n, 0.0);
  for (std::size_t i = 1; i < m; ++i) {
    diag[i] = 2 * (h[i - 1] + h[i]);
    rhs[i] = 6 * ((Y[i + 1] - Y[i]) / h[i] - (Y[i] - Y[i - 1]) / h[i - 1]);
  }
  for (std::size_t i = 2; i < m; ++i) {
    const double faktor = h[i - 1] / diag[i - 1];
    diag[i] -= faktor * h[i - 1];
    rhs[i] -= faktor * rhs[i - 1];
  }
  for (std::size_t i = m - 1; i >= 1; --i) {
    M[i] = (rhs[i] - h[i] * M[i + 1]) / diag[i];
  }

  // Piece i in t = x − X[i]: Y[i] + b t + c t^2 + d t^3, written out in powers of x.
  Matrix k(1, static_cast<int>(4 * m));
  for (std::size_t i = 0; i < m; ++i) {
    const double a = X[i];
    const double b = (Y[i + 1] - Y[i]) / h[i] - h[i] * (2 * M[i] + M[i + 1]) / 6;
    const double c = M[i] / 2;
    const double d = (M[i + 1] - M[i]) / (6 * h[i]);
    const int s = static_cast<int>(4 * i);
    k(0, s) = Y[i] - b * a + c * a * a - d * a * a * a;
    k(0, s + 1) = b - 2 * c * a + 3 * d * a * a;
    k(0, s + 2) = c - 3 * d * a;
    k(0, s + 3) = d;
  }
  return k;
}

std::vector<Polynom> splineStuecke(const Matrix& koeffizienten) {
  std::vector<Polynom> stuecke;
  const int m = koeffizienten.columns / 4;
  stuecke.reserve(u(m));
  for (int i = 0; i < m; ++i) {
    stuecke.push_back(Polynom{koeffizienten(0, 4 * i), koeffizienten(0, 4 * i + 1),
                              koeffizienten(0, 4 * i + 2), koeffizienten(0, 4 * i + 3)});
  }
  return stuecke;
}

Grenzen spRahmen(const Spline& f, int dezimalen) {
  assert(f.istKorrekt());
  const double x0 = f.zerlegung.front();
  const double xm = f.zerlegung.back();
  const double dx = (xm - x0) / 20;
  double ymin = 0, ymax = 0;
  for (std::size_t i = 0; i < f.stuecke.size(); ++i) {
    const Wertebereich w =
        extremaImIntervall(f.stuecke[i], f.zerlegung[i], f.zerlegung[i + 1], dezimalen);
    ymin = std::min(ymin, w.lo);
    ymax = std::max(ymax, w.hi);
  }
  const double dy = (ymax - ymin) / 20;
  return {x0 - dx, xm + dx, ymin - dy, ymax + dy};
}

SplineBau genSpline(const Punktliste& punkte, int dezimalen) {
  Stuetzstellen s = punktVorbereitung(genPunktfeld(punkte));
  if (s.X.size() <= 2) return {};
  auto stuecke = splineStuecke(genSplineKoeffizienten(s.X, s.Y));
  if (!std::all_of(stuecke.begin(), stuecke.end(), istEndlich)) return {};
  auto spline = std::make_shared<Spline>(std::move(stuecke), std::move(s.X));
  spline->grenzen = spRahmen(*spline, dezimalen);
  return {true, spline};
}

}  // namespace quarvel
