#include "construction/regression.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "construction/endlichkeit.h"
#include "construction/konstruktionstexte.h"
#include "model/toleranz.h"

namespace quarvel {

namespace {

std::size_t u(int i) { return static_cast<std::size_t>(i); }

// The abscissas met so far: an open-addressing set of their bit patterns, since a node-based
// set costs more than the whole fit for many points. -0.0 is stored as 0.0, which leaves
// its pattern free to mark an empty place.
class Abszissenmenge {
 public:
  explicit Abszissenmenge(std::size_t anzahl) : plaetze_(std::bit_ceil(2 * anzahl + 2), leer) {}

  // False when x was there already (exact comparison; 0.0 and -0.0 are the same).
  bool einfuegen(double x) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x == 0.0 ? 0.0 : x);
    const std::size_t maske = plaetze_.size() - 1;
    for (std::size_t i = mische(bits) & maske;; i = (i + 1) & maske) {
      if (plaetze_[i] == bits) return false;
      if (plaetze_[i] == leer) {
        plaetze_[i] = bits;
        return true;
      }
    }
  }

 private:
  static constexpr std::uint64_t leer = 0x8000000000000000ULL;  // the pattern of -0.0

  static std::size_t mische(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return static_cast<std::size_t>(z ^ (z >> 31));
  }

  std::vector<std::uint64_t> plaetze_;
};

}  // namespace

Punktsystem erzeugePunktsystem(const Punktliste& punkte) {
  Punktsystem sys;
  sys.reserve(punkte.size());
  Abszissenmenge gesehen(punkte.size());
  for (const auto& [_, p] : punkte) {
    if (p->valy() && gesehen.einfuegen(p->ko[0])) sys.push_back({p->ko[0], p->ko[1]});
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
  e.es.reserve(u(n));
  for (int i = 0; i < n; ++i) e.es.push_back(x ^ i);
  return e;
}

Matrix gramMatrix(const std::vector<Vektor>& es) {
  const int n = static_cast<int>(es.size());
  Matrix g(n, n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j <= i; ++j) g(i, j) = g(j, i) = es[u(i)] * es[u(j)];
  }
  return g;
}

Skalarprodukte skalarprodukte(const Punktsystem& punktsys, int n) {
  // es[i] * es[j] is the power sum of degree i + j, es[i] * v the moment of degree i:
  // one pass over the points gives them all.
  std::vector<double> potenzsumme(u(std::max(2 * n - 1, 0)), 0.0);
  Skalarprodukte s{Matrix(n, n), std::vector<double>(u(n), 0.0)};
  for (const Stuetzpunkt& p : punktsys) {
    double potenz = 1.0;
    for (std::size_t k = 0; k < potenzsumme.size(); ++k) {
      potenzsumme[k] += potenz;
      if (k < u(n)) s.ves[k] += potenz * p.y;
      potenz *= p.x;
    }
  }
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) s.gram(i, j) = potenzsumme[u(i + j)];
  }
  return s;
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
  std::vector<double> ves;
  ves.reserve(es.size());
  for (const Vektor& e : es) ves.push_back(v * e);
  return approximationAusSkalarprodukten(ves, onbMatrix);
}

Vektor approximationAusSkalarprodukten(const std::vector<double>& ves, const Matrix& onbMatrix) {
  const int n = static_cast<int>(ves.size());
  const int r = onbMatrix.rows;
  // v * u_j over the basis rows.
  std::vector<double> vu(u(r), 0.0);
  for (int j = 0; j < r; ++j) {
    for (int i = 0; i < r; ++i) vu[u(j)] += onbMatrix(j, i) * ves[u(i)];
  }
  std::vector<double> c(u(std::max(n, 8)), 0.0);
  for (int k = 0; k < n; ++k) {
    double s = 0.0;
    for (int j = 0; j < r; ++j) s += vu[u(j)] * onbMatrix(j, k);
    c[u(k)] = pur(s);
  }
  return Vektor(std::move(c));
}

Regression regression(const Punktsystem& punktsys, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  const int k = static_cast<int>(punktsys.size());
  if (k == 0) return {std::nullopt, regressionOhnePunkte(grad)};
  if (k == 1) return {Polynom{punktsys.front().y}, ""};
  const int n = std::min(grad + 1, k);
  const Skalarprodukte s = skalarprodukte(punktsys, n);
  const Vektor c = approximationAusSkalarprodukten(s.ves, genONBausGram(s.gram));
  const Polynom p(std::span<const double>(c.komp.data(), std::min<std::size_t>(c.komp.size(), anzahlKoeffizienten)));
  // Far from the origin the powers lose every digit and the basis breaks down.
  if (!istEndlich(p)) return {std::nullopt, regressionNumerischUnmoeglich(n - 1)};
  return {p, ""};
}

Regression regression(const Punktliste& punkte, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  return regression(erzeugePunktsystem(punkte), grad);
}

}  // namespace quarvel
