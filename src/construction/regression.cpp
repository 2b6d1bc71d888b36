#include "construction/regression.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "construction/endlichkeit.h"
#include "construction/konstruktionstexte.h"
#include "construction/matrix.h"

namespace quarvel {

namespace {

std::size_t u(int i) {
  return static_cast<std::size_t>(i);
}

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

namespace {

// Four partial sums: a single running sum waits on each addition, which dominates the fit
// for many points.
double skalar(const std::vector<double>& a, const std::vector<double>& b) {
  double s[4] = {0.0, 0.0, 0.0, 0.0};
  std::size_t i = 0;
  for (; i + 4 <= a.size(); i += 4) {
    for (std::size_t k = 0; k < 4; ++k) s[k] += a[i + k] * b[i + k];
  }
  for (; i < a.size(); ++i) s[0] += a[i] * b[i];
  return (s[0] + s[1]) + (s[2] + s[3]);
}

// v minus its components along the orthonormal vectors q, by modified Gram-Schmidt twice
// (which keeps v orthogonal to q to working precision); the components removed are added
// to `anteile`.
void entferneAnteile(std::vector<double>& v, const std::vector<std::vector<double>>& q,
                     std::vector<double>& anteile) {
  for (int durchgang = 0; durchgang < 2; ++durchgang) {
    for (std::size_t j = 0; j < q.size(); ++j) {
      const double s = skalar(q[j], v);
      for (std::size_t i = 0; i < v.size(); ++i) v[i] -= s * q[j][i];
      anteile[j] += s;
    }
  }
}

// Least-squares coefficients over the powers of t, t in [-1, 1]: the sampled power vectors
// t^k are orthogonalised one after the other by Gram-Schmidt, twice, which keeps the basis
// orthogonal to working precision (A = Q·R); the ordinates are projected onto the basis
// the same way, and R·d = Qᵀy is solved from the bottom.
std::vector<double> koeffizientenInT(const std::vector<double>& t, const std::vector<double>& y,
                                     int n) {
  std::vector<std::vector<double>> q;
  q.reserve(u(n));
  Matrix r(n, n);
  std::vector<double> potenz(t.size(), 1.0);
  std::vector<double> spalte(u(n));
  for (int k = 0; k < n; ++k) {
    if (k > 0) {
      for (std::size_t i = 0; i < t.size(); ++i) potenz[i] *= t[i];
    }
    std::vector<double> v = potenz;
    std::fill(spalte.begin(), spalte.end(), 0.0);
    entferneAnteile(v, q, spalte);
    for (int j = 0; j < k; ++j) r(j, k) = spalte[u(j)];
    const double norm = std::sqrt(skalar(v, v));
    r(k, k) = norm;
    for (double& e : v) e /= norm;
    q.push_back(std::move(v));
  }
  std::vector<double> b(u(n), 0.0);
  std::vector<double> rest = y;
  entferneAnteile(rest, q, b);
  const auto rueckwaerts = [&](std::vector<double> rechts) {
    for (int k = n - 1; k >= 0; --k) {
      for (int j = k + 1; j < n; ++j) rechts[u(k)] -= r(k, j) * rechts[u(j)];
      rechts[u(k)] /= r(k, k);
    }
    return rechts;
  };
  std::vector<double> d = rueckwaerts(b);
  // One step of refinement: the residual of the fit projected the same way.
  for (std::size_t i = 0; i < t.size(); ++i) {
    double wert = 0.0;
    for (int k = n - 1; k >= 0; --k) wert = wert * t[i] + d[u(k)];
    rest[i] = y[i] - wert;
  }
  std::fill(b.begin(), b.end(), 0.0);
  entferneAnteile(rest, q, b);
  const std::vector<double> korrektur = rueckwaerts(b);
  for (int k = 0; k < n; ++k) d[u(k)] += korrektur[u(k)];
  // Coefficients at the level of the rounding noise of the largest one are that noise (an
  // odd term of symmetric data, a degree above that of exact data); they are cleared
  // relative to the fit, never by an absolute size.
  double groesster = 0.0;
  for (double c : d) groesster = std::max(groesster, std::abs(c));
  const double rauschen = 1e3 * n * std::numeric_limits<double>::epsilon() * groesster;
  for (double& c : d) {
    if (std::abs(c) <= rauschen) c = 0.0;
  }
  return d;
}

}  // namespace

Regression regression(const Punktsystem& punktsys, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  const int k = static_cast<int>(punktsys.size());
  if (k == 0) return {std::nullopt, regressionOhnePunkte(grad)};
  if (k == 1) return {Polynom{punktsys.front().y}, ""};
  const int n = std::min(grad + 1, k);
  // The fit runs on x mapped to t in [-1, 1], where the powers stay of one size.
  double kleinstes = punktsys.front().x;
  double groesstes = kleinstes;
  for (const Stuetzpunkt& s : punktsys) {
    kleinstes = std::min(kleinstes, s.x);
    groesstes = std::max(groesstes, s.x);
  }
  const double mitte = (kleinstes + groesstes) / 2;
  const double halbeBreite = (groesstes - kleinstes) / 2;
  std::vector<double> t, y;
  t.reserve(punktsys.size());
  y.reserve(punktsys.size());
  for (const Stuetzpunkt& s : punktsys) {
    t.push_back((s.x - mitte) / halbeBreite);
    y.push_back(s.y);
  }
  const std::vector<double> d = koeffizientenInT(t, y, n);
  // Back to powers of x: Horner's scheme in t = (x − mitte) / halbeBreite.
  const Polynom tVonX{-mitte / halbeBreite, 1.0 / halbeBreite};
  Polynom p{d.back()};
  for (int i = n - 2; i >= 0; --i) p = p * tVonX + Polynom{d[u(i)]};
  p = p.nurKoeffizienten();
  // Far from the origin the powers of x cannot hold the fit: their coefficients cancel or
  // leave the range of doubles. The power form must give back the fit at the ends and in
  // the middle.
  double groesse = 0.0;
  for (double c : d) groesse += std::abs(c);
  for (const double tStelle : {-1.0, 0.0, 1.0}) {
    double inT = 0.0;
    for (int i = n - 1; i >= 0; --i) inT = inT * tStelle + d[u(i)];
    const double abweichung = std::abs(p.wert(mitte + tStelle * halbeBreite) - inT);
    if (!(abweichung <= 1e-6 * groesse))
      return {std::nullopt, regressionNumerischUnmoeglich(n - 1)};
  }
  // Far from the origin the powers lose every digit and the basis breaks down.
  if (!istEndlich(p)) return {std::nullopt, regressionNumerischUnmoeglich(n - 1)};
  return {p, ""};
}

Regression regression(const Punktliste& punkte, int grad) {
  if (grad > pgrad) return {std::nullopt, regressionGradZuHoch()};
  return regression(erzeugePunktsystem(punkte), grad);
}

}  // namespace quarvel
