#include "analysis/nullstellen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

constexpr double maschinenEpsilon = std::numeric_limits<double>::epsilon();
// Horner's scheme over n coefficients errs by at most about n·eps times the sum of
// |a_i|·|x|^i; the coefficients themselves carry a representation error of the same
// order. Twice that leaves room for both.
constexpr double schrankenFaktorJeGrad = 2.0;
constexpr int maxHalbierungen = 1000;

// Horner's scheme from the leading coefficient down. For finite x this gives exactly the
// value of Polynom::wert (the leading zeros it skips contribute exact zeros there).
class Auswerter {
 public:
  explicit Auswerter(const Polynom& p) : koeff_(p.koeff), grad_(p.grad2()) {}

  double operator()(double x) const {
    if (grad_ < 0) return 0.0;
    double y = koeff_[grad_];
    for (int i = grad_ - 1; i >= 0; --i) y = x * y + koeff_[i];
    return y;
  }

  // Zero up to the rounding error of evaluating at x (see wertIstNull).
  bool istNullBei(double x, double wert) const {
    if (istNull(wert)) return true;
    if (grad_ < 0) return true;
    const double betragX = std::abs(x);
    double summe = std::abs(koeff_[grad_]);
    for (int i = grad_ - 1; i >= 0; --i) summe = betragX * summe + std::abs(koeff_[i]);
    const double faktor = schrankenFaktorJeGrad * (grad_ + 1) * maschinenEpsilon;
    return std::abs(wert) <= faktor * summe;
  }

  // Values at up to four points in one pass over the coefficients. Each point gets exactly
  // the operations of operator(); running the four independent chains side by side only
  // hides their latency, which dominates the bisection.
  void werte4(const double* x, double* y, std::size_t anzahl) const {
    const double x0 = x[0];
    const double x1 = x[anzahl > 1 ? 1 : 0];
    const double x2 = x[anzahl > 2 ? 2 : 0];
    const double x3 = x[anzahl > 3 ? 3 : 0];
    double y0 = 0.0, y1 = 0.0, y2 = 0.0, y3 = 0.0;
    if (grad_ >= 0) {
      y0 = y1 = y2 = y3 = koeff_[grad_];
      for (int i = grad_ - 1; i >= 0; --i) {
        const double c = koeff_[i];
        y0 = x0 * y0 + c;
        y1 = x1 * y1 + c;
        y2 = x2 * y2 + c;
        y3 = x3 * y3 + c;
      }
    }
    const double ergebnis[4] = {y0, y1, y2, y3};
    std::copy_n(ergebnis, anzahl, y);
  }

  double wertOderNull(double x) const {
    const double wert = (*this)(x);
    return istNullBei(x, wert) ? 0.0 : wert;
  }

 private:
  Koeffizienten koeff_;
  int grad_;
};

// Opposite signs, both non-zero. Unlike a product this cannot underflow to zero.
bool vorzeichenwechsel(double u, double v) {
  return (u < 0 && v > 0) || (u > 0 && v < 0);
}

// The discriminant of x² + P·x + Q is zero up to the rounding error of computing it: a
// double root of ordinary size would otherwise split into two roots about 1e-7 apart.
bool diskriminanteIstNull(double d, double pHalbeQuadrat, double q) {
  return istNull(d) || std::abs(d) <= 8 * maschinenEpsilon * (pHalbeQuadrat + std::abs(q));
}

// The two roots of x² + P·x + Q with D = P²/4 − Q > 0, ascending. The one of smaller size
// is -P/2 ± √D with nearly equal terms when |Q| is tiny against P²: taking it from the
// product of the roots (Q) keeps all its digits. Roots of ordinary spread keep the plain
// formula, which they have always been given.
std::vector<double> quadratischeNullstellen(double pp, double q, double d) {
  const double w = std::sqrt(d);
  double links = -pp / 2 - w;
  double rechts = -pp / 2 + w;
  constexpr double ausloeschung = 1e-4;  // below this ratio the plain formula loses digits
  if (std::abs(q) < ausloeschung * pp * pp) {
    if (pp > 0) {
      rechts = q / links;
    } else {
      links = q / rechts;
    }
  }
  return {korr(links), korr(rechts)};
}

// Degrees -1 to 2, in closed form, without Newton polish.
std::vector<double> geschlosseneNullstellen(const Polynom& p) {
  const auto& a = p.koeff;
  switch (p.grad2()) {
    case 1:
      return {korr(-a[0] / a[1])};
    case 2: {
      const double q = a[0] / a[2];
      const double pp = a[1] / a[2];
      const double pHalbeQuadrat = pp * pp / 4;
      const double d = pHalbeQuadrat - q;
      if (diskriminanteIstNull(d, pHalbeQuadrat, q)) return {korr(-pp / 2)};
      if (d >= 0) return quadratischeNullstellen(pp, q, d);
      return n2Menge(p);
    }
    default:
      return {};
  }
}

// A bracket [von, bis] whose end values have opposite signs, being halved.
struct Klammer {
  double a = 0;
  double b = 0;
  double wertVon = 0;  // the sign is always compared with the value at the left end passed in
  int halbierungen = 0;
  bool fertig() const { return istFastNull(b - a) || halbierungen >= maxHalbierungen; }
};

// Bisects every bracket, all of them side by side.
void halbiereGemeinsam(const Auswerter& fu, std::vector<Klammer>& klammern) {
  constexpr std::size_t maxKlammern = anzahlKoeffizienten + 1;  // n + 1 brackets at most
  std::array<double, maxKlammern> mitte{};
  std::array<double, maxKlammern> wert{};
  std::array<std::size_t, maxKlammern> aktiv{};
  for (;;) {
    std::size_t anzahl = 0;
    for (std::size_t i = 0; i < klammern.size(); ++i) {
      if (klammern[i].fertig()) continue;
      aktiv[anzahl] = i;
      mitte[anzahl] = (klammern[i].a + klammern[i].b) / 2;
      ++anzahl;
    }
    if (anzahl == 0) return;
    for (std::size_t j = 0; j < anzahl; j += 4) {
      fu.werte4(&mitte[j], &wert[j], std::min<std::size_t>(4, anzahl - j));
    }
    for (std::size_t j = 0; j < anzahl; ++j) {
      Klammer& k = klammern[aktiv[j]];
      ++k.halbierungen;
      if (vorzeichenwechsel(wert[j], k.wertVon)) {
        k.b = mitte[j];
      } else {
        k.a = mitte[j];
      }
    }
  }
}

// Each candidate polished by one Newton step (the unsnapped root) and snapped to
// `dezimalen` decimals when the rounded value is a root of p within the candidate's
// interval (the root as shown).
Nullstellen poliere(const Polynom& p, std::span<const Nullstellenkandidat> nM, int dezimalen) {
  Nullstellen ergebnis;
  if (nM.empty()) return ergebnis;
  ergebnis.gezeigt.reserve(nM.size());
  ergebnis.roh.reserve(nM.size());
  const Auswerter fu(p);
  const Auswerter ableitung(p.abl());
  for (const Nullstellenkandidat& k : nM) {
    double x = k.x;
    const double wert = fu(x);
    if (!fu.istNullBei(x, wert)) {
      const double steigung = ableitung(x);
      if (!istNull(steigung)) {
        const double schritt = wert / steigung;
        if (!istNull(schritt)) x -= schritt;
      }
    }
    const double r = runden(x, dezimalen);
    const bool imEigenenIntervall = k.links < r && r < k.rechts;
    ergebnis.gezeigt.push_back(imEigenenIntervall && fu.istNullBei(r, fu(r)) ? r : x);
    ergebnis.roh.push_back(x);
  }
  return ergebnis;
}

// Degree 3 and more: the roots of p from the roots of p' (its stationary points). The
// brackets end at the stationary points as shown; a root found at one of them keeps that
// point's unsnapped position as its own, so a multiple root has one unsnapped position in
// every derivative it belongs to.
Nullstellen nullstellenZwischenStationaeren(const Polynom& p, const Nullstellen& stationaer,
                                            int dezimalen) {
  const Auswerter fu(p);
  const double grenze = p.nullstGrenze();
  std::vector<double> enden;
  enden.reserve(stationaer.gezeigt.size() + 2);
  enden.push_back(-grenze);
  enden.insert(enden.end(), stationaer.gezeigt.begin(), stationaer.gezeigt.end());
  enden.push_back(grenze);

  // Candidates in ascending order; those from a sign change are filled in after bisection.
  std::vector<Nullstellenkandidat> kandidaten;
  std::vector<Klammer> klammern;
  std::vector<std::size_t> klammerKandidat;
  // For each candidate: the stationary point it sits on (its index + 1), or 0.
  std::vector<std::size_t> amStationaeren;
  double wertA = fu.wertOderNull(korr(enden[0]));
  for (std::size_t i = 0; i + 1 < enden.size(); ++i) {
    const double a = korr(enden[i]);
    const double b = korr(enden[i + 1]);
    const double wertB = fu.wertOderNull(b);
    if (vorzeichenwechsel(wertA, wertB)) {
      klammerKandidat.push_back(kandidaten.size());
      kandidaten.push_back({0.0, a, b});
      amStationaeren.push_back(0);
      klammern.push_back({a, b, wertA, 0});
    }
    // A root at a stationary point, where the sign need not change (even multiplicity or
    // a saddle on the axis). Its snap may move it up to the neighbouring bracket ends.
    if (wertB == 0.0) {
      const double rechts = i + 2 < enden.size() ? korr(enden[i + 2]) : b;
      kandidaten.push_back({b, a, rechts});
      amStationaeren.push_back(i + 2 < enden.size() ? i + 1 : 0);
    }
    wertA = wertB;
  }
  halbiereGemeinsam(fu, klammern);
  for (std::size_t i = 0; i < klammern.size(); ++i) {
    const double r = (klammern[i].a + klammern[i].b) / 2;
    kandidaten[klammerKandidat[i]].x = istNull(r) ? 0.0 : r;
  }
  Nullstellen ergebnis = poliere(p, kandidaten, dezimalen);
  for (std::size_t i = 0; i < kandidaten.size(); ++i) {
    if (amStationaeren[i] != 0) ergebnis.roh[i] = stationaer.roh[amStationaeren[i] - 1];
  }
  return ergebnis;
}

// The derivatives of p down to degree 2 (or p alone when its degree is at most 2).
std::vector<Polynom> ableitungsKette(const Polynom& p) {
  std::vector<Polynom> kette{p.nurKoeffizienten()};
  while (kette.back().grad2() > 2) kette.push_back(kette.back().abl());
  return kette;
}

Nullstellen geschlossen(const Polynom& p) {
  std::vector<double> n = geschlosseneNullstellen(p);
  return {n, n};
}

}  // namespace

Polynom aufEinsSkaliert(const Polynom& p) {
  double groesster = 0.0;
  for (double a : p.koeff) groesster = std::max(groesster, std::abs(a));
  if (groesster == 0.0) return p.nurKoeffizienten();
  const int exponent = std::ilogb(groesster);
  Polynom q = p.nurKoeffizienten();
  for (double& a : q.koeff) a = std::scalbn(a, -exponent);
  return q;
}

std::vector<double> n2Menge(const Polynom& p) {
  const double v = (-p.koeff[1] * 0.5) / p.koeff[2];
  if (wertIstNull(p, v)) return {v};
  return {};
}

bool wertIstNull(const Polynom& p, double x) {
  const Auswerter fu(aufEinsSkaliert(p));
  return fu.istNullBei(x, fu(x));
}

std::vector<double> newton(const Polynom& p, std::span<const Nullstellenkandidat> nM,
                           int dezimalen) {
  return poliere(p, nM, dezimalen).gezeigt;
}

std::vector<Nullstellen> nullstellenMitRoh(const Polynom& p, int anzahl, int dezimalen) {
  if (anzahl <= 0) return {};
  std::vector<Nullstellen> ergebnis(static_cast<std::size_t>(anzahl));
  const std::vector<Polynom> kette = ableitungsKette(aufEinsSkaliert(p));
  // Up the chain: each polynomial's roots come from those of its derivative.
  Nullstellen nullstellen = geschlossen(kette.back());
  for (std::size_t k = kette.size() - 1;; --k) {
    if (k != kette.size() - 1)
      nullstellen = nullstellenZwischenStationaeren(kette[k], nullstellen, dezimalen);
    if (k < ergebnis.size()) ergebnis[k] = nullstellen;
    if (k == 0) break;
  }
  // Derivatives below the quadratic one are solved directly.
  Polynom ableitung = kette.back();
  for (std::size_t k = kette.size(); k < ergebnis.size(); ++k) {
    ableitung = ableitung.abl();
    ergebnis[k] = geschlossen(ableitung);
  }
  return ergebnis;
}

std::vector<std::vector<double>> nullstellenDerAbleitungen(const Polynom& p, int anzahl,
                                                           int dezimalen) {
  std::vector<std::vector<double>> ergebnis;
  for (Nullstellen& n : nullstellenMitRoh(p, anzahl, dezimalen)) {
    ergebnis.push_back(std::move(n.gezeigt));
  }
  return ergebnis;
}

std::vector<double> nullstMenge(const Polynom& p, int dezimalen) {
  return std::move(nullstellenDerAbleitungen(p, 1, dezimalen).front());
}

}  // namespace quarvel
