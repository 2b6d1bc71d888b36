#include "construction/regression.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "construction/konstruktionstexte.h"
#include "model/toleranz.h"

namespace quarvel {

Punktsystem erzeugePunktsystem(const Punktliste& punkte) {
  Punktsystem sys;
  sys.reserve(punkte.size());
  std::unordered_set<double> gesehen;
  gesehen.reserve(punkte.size());
  for (const auto& [_, p] : punkte) {
    if (!p->valy()) continue;
    if (gesehen.insert(p->ko[0]).second) sys.push_back({p->ko[0], p->ko[1]});
  }
  return sys;
}

Erzeugendensystem pp2vl(const Punktsystem& punktsys, int n) {
  std::vector<double> xs, ys;
  xs.reserve(punktsys.size());
  ys.reserve(punktsys.size());
  for (const Stuetzpunkt& s : punktsys) {
    xs.push_back(s.x);
    ys.push_back(s.y);
  }
  Erzeugendensystem e{{}, Vektor(std::move(ys))};
  const Vektor x(std::move(xs));
  e.es.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) e.es.push_back(x ^ i);
  return e;
}

Matrix gramMatrix(const std::vector<Vektor>& es) {
  const int n = static_cast<int>(es.size());
  Matrix g(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= i; ++j) g(i, j) = g(j, i) = es[static_cast<std::size_t>(i)] * es[static_cast<std::size_t>(j)];
  }
  return g;
}

double spezNorm(const Matrix& m, int znr, const Matrix& gram) {
  double s = 0.0;
  for (int j = 0; j < m.rows; ++j) {
    for (int k = 0; k < m.rows; ++k) s += m(znr, j) * m(znr, k) * gram(j, k);
  }
  return std::sqrt(s);
}

Matrix genONBausGram(const Matrix& gram) {
  const int n = gram.rows;
  Matrix m(n, n);
  if (n == 0) return m;
  m(0, 0) = -std::sqrt(1.0 / gram(0, 0));
  for (int i = 1; i < n; ++i) {
    // Coefficients of the projection of es[i] onto the basis found so far:
    // sum over l of (es[i] * u_l) · M(l, k), with es[i] * u_l = sum over m of M(l, m) · G(i, m).
    for (int l = 0; l < i; ++l) {
      double skalar = 0.0;
      for (int mm = 0; mm < i; ++mm) skalar += m(l, mm) * gram(i, mm);
      for (int k = 0; k < i; ++k) m(i, k) += skalar * m(l, k);
    }
    m(i, i) = -1.0;
    m.zeileMalZahl(i, 1.0 / spezNorm(m, i, gram));
  }
  return m;
}

Matrix genONB(const std::vector<Vektor>& es) { return genONBausGram(gramMatrix(es)); }

Vektor approximation(const Vektor& v, const std::vector<Vektor>& es, const Matrix& onbMatrix) {
  const int n = static_cast<int>(es.size());
  const int r = onbMatrix.rows;
  // v * es[i], each formed once.
  std::vector<double> ves(static_cast<std::size_t>(r));
  for (int i = 0; i < r; ++i) ves[static_cast<std::size_t>(i)] = v * es[static_cast<std::size_t>(i)];
  // v * u_j over the basis rows.
  std::vector<double> vu(static_cast<std::size_t>(r), 0.0);
  for (int j = 0; j < r; ++j) {
    for (int i = 0; i < r; ++i) vu[static_cast<std::size_t>(j)] += onbMatrix(j, i) * ves[static_cast<std::size_t>(i)];
  }
  std::vector<double> c(static_cast<std::size_t>(std::max(n, 8)), 0.0);
  for (int k = 0; k < n; ++k) {
    double s = 0.0;
    for (int j = 0; j < r; ++j) s += vu[static_cast<std::size_t>(j)] * onbMatrix(j, k);
    c[static_cast<std::size_t>(k)] = pur(s);
  }
  return Vektor(std::move(c));
}

Regression regression(const Punktsystem& punktsys, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  const int k = static_cast<int>(punktsys.size());
  if (k == 0) return {std::nullopt, regressionOhnePunkte(grad)};
  if (k == 1) return {Polynom{punktsys.front().y}, ""};
  const int n = std::min(grad + 1, k);
  const Erzeugendensystem e = pp2vl(punktsys, n);
  const Vektor c = approximation(e.v, e.es, genONB(e.es));
  return {Polynom(std::span<const double>(c.komp.data(), std::min<std::size_t>(c.komp.size(), anzahlKoeffizienten))), ""};
}

Regression regression(const Punktliste& punkte, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  return regression(erzeugePunktsystem(punkte), grad);
}

}  // namespace quarvel
