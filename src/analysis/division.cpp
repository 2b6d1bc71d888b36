#include "analysis/division.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <vector>

#include "analysis/nullstellen.h"
#include "analysis/stellenart.h"
#include "model/polynomtext.h"

namespace quarvel {

namespace {

// Coefficients with the sums of the absolute values of the terms each was computed from:
// a coefficient that is no larger than a small multiple of its sum is rounding noise.
struct MitSchranke {
  Koeffizienten koeff{};
  Koeffizienten betragssumme{};
};

// Relative to its own terms a coefficient below this is taken for 0 (the noise of a few
// dozen roundings is far below it, the remainders of a gcd computation far above).
constexpr double relativNull = 1e-9;

double groessterBetrag(const Polynom& p) {
  double m = 0.0;
  for (double c : p.koeff) m = std::max(m, std::abs(c));
  return m;
}

// Smoothed as before where the result's natural size is 1 or more (below 1e-7 is 0), and
// relative below that, so that tiny operands keep their digits; relative to the terms of
// each coefficient as well, so that huge operands lose their rounding noise.
Polynom geglaettet(const MitSchranke& m, double groesse) {
  Polynom p(m.koeff);
  const double glaettung = 1e-7 * std::min(1.0, groesse);
  for (std::size_t i = 0; i < p.koeff.size(); ++i) {
    const double c = std::abs(p.koeff[i]);
    if (c <= relativNull * m.betragssumme[i] || c < glaettung) p.koeff[i] = 0.0;
  }
  return p;
}

struct Teilung {
  MitSchranke quotient;
  MitSchranke rest;
};

// Long division of p1 by p2 (degree g2 >= 1, g1 >= g2), quotient and remainder with the
// sizes of their terms.
Teilung teile(const Polynom& p1, const Polynom& p2) {
  const int g1 = p1.grad2();
  const int g2 = p2.grad2();
  const double lead = p2.koeff[static_cast<std::size_t>(g2)];
  const Polynom d = p2.istNormiert() ? p2.nurKoeffizienten() : (1.0 / lead) * p2;
  const int m = g1 - g2;
  Teilung t;
  // Quotient by the monic d from the top; then divided by the lead of p2.
  for (int i = m; i >= 0; --i) {
    const auto iq = static_cast<std::size_t>(i);
    double s = p1.koeff[static_cast<std::size_t>(g2 + i)];
    double betrag = std::abs(s);
    for (int j = std::max(0, i + g2 - m); j < g2; ++j) {
      const auto k = static_cast<std::size_t>(i + g2 - j);
      s -= d.koeff[static_cast<std::size_t>(j)] * t.quotient.koeff[k];
      betrag += std::abs(d.koeff[static_cast<std::size_t>(j)] * t.quotient.koeff[k]);
    }
    t.quotient.koeff[iq] = s;
    t.quotient.betragssumme[iq] = betrag;
  }
  for (int i = 0; i <= m; ++i) {
    const auto iq = static_cast<std::size_t>(i);
    t.quotient.koeff[iq] /= lead;
    t.quotient.betragssumme[iq] /= std::abs(lead);
  }
  // Remainder p1 - p2·quotient below x^g2; the powers from g2 up cancel in theory.
  for (int k = 0; k < g2; ++k) {
    const auto ik = static_cast<std::size_t>(k);
    double s = p1.koeff[ik];
    double betrag = std::abs(s);
    for (int i = 0; i <= std::min(k, m); ++i) {
      const double term =
          p2.koeff[static_cast<std::size_t>(k - i)] * t.quotient.koeff[static_cast<std::size_t>(i)];
      s -= term;
      betrag += std::abs(term);
    }
    t.rest.koeff[ik] = s;
    t.rest.betragssumme[ik] = betrag;
  }
  return t;
}

}  // namespace

Division polyDiv2(const Polynom& p1, const Polynom& p2) {
  const int g1 = p1.grad2();
  const int g2 = p2.grad2();
  assert(g2 >= 0 && "division by the zero polynomial");
  const double groesse = groessterBetrag(p1);
  const double lead = std::abs(p2.koeff[static_cast<std::size_t>(g2)]);
  const auto ohneRechnung = [](const Polynom& p) { return MitSchranke{p.koeff, {}}; };
  if (g2 == 0)
    return {geglaettet(ohneRechnung((1.0 / p2.koeff[0]) * p1), groesse / lead), Polynom{}};
  if (g1 < g2) return {Polynom{}, geglaettet(ohneRechnung(p1), groesse)};
  const Teilung t = teile(p1, p2);
  return {geglaettet(t.quotient, groesse / lead), geglaettet(t.rest, groesse)};
}

Polynom ggT(const Polynom& p1, const Polynom& p2) {
  Polynom a = p1.nurKoeffizienten();
  Polynom b = p2.nurKoeffizienten();
  Polynom r = polyDiv2(a, b).rest;
  // Every remainder has a smaller degree than its divisor, so the loop ends. Each divisor
  // is monic, so the steps do not depend on the scale of the operands.
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
  // The roots with their multiplicities, all found on f itself: a multiple root is a root of
  // as many derivatives. Dividing by their product once keeps the rest free of the errors
  // that repeated deflation piles up.
  const std::vector<Nullstellen> alle =
      f.grad2() >= 1 ? nullstellenAllerAbleitungen(f, dezimalen) : std::vector<Nullstellen>{};
  std::string faktoren;
  Polynom produkt{1};
  if (!alle.empty()) {
    const Nullstellen& wurzeln = alle.front();
    for (std::size_t i = 0; i < wurzeln.roh.size(); ++i) {
      for (std::size_t k = 0; k < alle.size() && liegtAufNullstelle(alle[k], wurzeln.roh[i]); ++k) {
        faktoren += linPol(wurzeln.gezeigt[i], dezimalen);
        produkt = produkt * Polynom{-wurzeln.roh[i], 1};
      }
    }
  }
  const Polynom q = produkt.grad2() >= 1 ? polyDiv2(f, produkt).quotient : f.nurKoeffizienten();
  const std::string rest = polynomString(q, dezimalen);
  if (q.grad2() >= 1) return "( " + rest + " )" + faktoren;
  if (rest == " 1 ") return faktoren;
  if (rest == " -1 ") return "- " + faktoren;
  return rest + " " + faktoren;
}

}  // namespace quarvel
