#include "analysis/division.h"

#include <algorithm>
#include <cassert>
#include <vector>

#include "analysis/nullstellen.h"
#include "model/polynomtext.h"

namespace quarvel {

Polynom polyDiv(const Polynom& p, double a) {
  const int n = p.grad2();
  assert(n >= 1 && "only a polynomial of degree >= 1 has a linear factor");
  Koeffizienten q{};
  q[static_cast<std::size_t>(n - 1)] = p.koeff[static_cast<std::size_t>(n)];
  // From the top: q[n-i] = a * q[n-i+1] + p[n-i+1].
  for (int i = 2; i <= n; ++i) {
    const auto k = static_cast<std::size_t>(n - i);
    q[k] = a * q[k + 1] + p.koeff[k + 1];
  }
  return Polynom(q);
}

Division polyDiv2(const Polynom& p1, const Polynom& p2) {
  const int g1 = p1.grad2();
  const int g2 = p2.grad2();
  assert(g2 >= 0 && "division by the zero polynomial");
  const double lead = p2.koeff[static_cast<std::size_t>(g2)];

  Polynom quotient;
  Polynom rest;
  if (g2 == 0) {
    quotient = (1.0 / lead) * p1;
  } else if (g1 < g2) {
    rest = p1.nurKoeffizienten();
  } else {
    const Polynom d = p2.istNormiert() ? p2.nurKoeffizienten() : (1.0 / lead) * p2;
    const int m = g1 - g2;
    // c[i] is the coefficient of x^(m-i) of the quotient by the monic divisor d.
    std::vector<double> c(static_cast<std::size_t>(m) + 1, 0.0);
    c[0] = p1.koeff[static_cast<std::size_t>(g1)];
    for (int i = 1; i <= m; ++i) {
      double s = p1.koeff[static_cast<std::size_t>(g1 - i)];
      for (int j = 1; j <= std::min(i, g2); ++j) {
        s -= d.koeff[static_cast<std::size_t>(g2 - j)] * c[static_cast<std::size_t>(i - j)];
      }
      c[static_cast<std::size_t>(i)] = s;
    }
    Koeffizienten k{};
    for (int i = 0; i <= m; ++i) k[static_cast<std::size_t>(i)] = c[static_cast<std::size_t>(m - i)];
    quotient = (1.0 / lead) * Polynom(k);
    rest = p1 - p2 * quotient;
    // The powers from g2 up cancel exactly in theory; with large coefficients rounding can
    // leave more than the smoothing removes, and such a remainder would keep the gcd loop
    // from ever shrinking its divisor.
    for (int i = g2; i < anzahlKoeffizienten; ++i) rest.koeff[static_cast<std::size_t>(i)] = 0.0;
  }
  return {quotient.geglaettet(), rest.geglaettet()};
}

Polynom ggT(const Polynom& p1, const Polynom& p2) {
  Polynom a = p1.nurKoeffizienten();
  Polynom b = p2.nurKoeffizienten();
  Polynom r = polyDiv2(a, b).rest;
  // Every remainder has a smaller degree than its divisor, so the loop ends.
  while (r.grad2() >= 0) {
    a = b;
    b = r.normiert();
    r = polyDiv2(a, b).rest;
  }
  // Norming divides the zero coefficients too; a negative lead leaves -0.0 behind.
  for (double& c : b.koeff) c += 0.0;
  return b;
}

std::string linFakZerlegung(const Polynom& f, int dezimalen) {
  Polynom cur = f.nurKoeffizienten();
  Polynom q = cur;
  std::string faktoren;
  const auto wurzelnVon = [dezimalen](const Polynom& p) {
    return p.grad2() >= 1 ? nullstMenge(p, dezimalen) : std::vector<double>{};
  };
  std::vector<double> wurzeln = wurzelnVon(cur);
  // Each division lowers the degree by one; a multiple root is found again in the quotient.
  while (!wurzeln.empty() && cur.grad2() >= 1) {
    const double a = wurzeln.front();
    q = polyDiv(cur, a);
    faktoren += linPol(a, dezimalen);
    cur = q.nurKoeffizienten();
    wurzeln = wurzelnVon(cur);
  }
  const std::string rest = polynomString(q, dezimalen);
  if (q.grad2() >= 1) return "( " + rest + " )" + faktoren;
  if (rest == " 1 ") return faktoren;
  if (rest == " -1 ") return "- " + faktoren;
  return rest + " " + faktoren;
}

}  // namespace quarvel
