#pragma once

// Polynomials whose roots, or whose stationary points, are known exactly because the
// polynomial is built from them, and a check of the curve description against that
// knowledge. Factors (q·x − k) with small integers keep every coefficient an exact integer,
// so the known positions are the true ones; the scale factor c then tests that c·f is
// described as f.

#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/integral.h"
#include "analysis/kurvendiskussion.h"
#include "analysis/nullstellen.h"
#include "construction/regression.h"
#include "construction/steckbrief.h"
#include "model/polynom.h"

namespace quarvel::korpus {

struct Stelle {
  int k = 0;  // position k / q
  int q = 1;
  int vielfach = 1;
  double x() const { return static_cast<double>(k) / q; }
};

struct Fall {
  Polynom p;
  std::vector<Stelle> stellen;  // roots of p (nullstellen) or of p' (otherwise)
  bool nullstellen = true;
  double c = 1;
  int dezimalen = 2;
};

// Distinct rational positions k/q in [-5, 5], at least `abstand` apart, multiplicities 1–3,
// `grad` in total.
inline std::vector<Stelle> zufallsStellen(std::mt19937& zufall, int grad, double abstand) {
  static constexpr int nenner[] = {1, 1, 2, 3, 4, 5, 10};
  std::vector<Stelle> stellen;
  int summe = 0;
  while (summe < grad) {
    const int q = nenner[zufall() % std::size(nenner)];
    const int k = static_cast<int>(zufall() % static_cast<unsigned>(10 * q + 1)) - 5 * q;
    if (std::gcd(k, q) != 1 && k != 0) continue;
    const double x = static_cast<double>(k) / q;
    bool nah = false;
    for (const Stelle& s : stellen) nah = nah || std::abs(s.x() - x) < abstand;
    if (nah) continue;
    const int m = 1 + static_cast<int>(zufall() % static_cast<unsigned>(std::min(3, grad - summe)));
    stellen.push_back({k, q, m});
    summe += m;
  }
  return stellen;
}

inline Polynom ausFaktoren(double fuehrend, const std::vector<Stelle>& stellen) {
  Polynom p{fuehrend};
  for (const Stelle& s : stellen) {
    for (int i = 0; i < s.vielfach; ++i)
      p = p * Polynom{-static_cast<double>(s.k), static_cast<double>(s.q)};
  }
  return p;
}

// An antiderivative of d times lcm(1 … n + 1), so its coefficients stay integers.
inline Polynom ganzeStammfunktion(const Polynom& d) {
  long long faktor = 1;
  for (int i = 1; i <= d.grad2() + 1; ++i) faktor = std::lcm(faktor, static_cast<long long>(i));
  Polynom p;
  for (int i = 0; i < pgrad; ++i)
    p.koeff[i + 1] = d.koeff[i] * static_cast<double>(faktor / (i + 1));
  return p;
}

inline Polynom mal(const Polynom& p, double c) {
  Polynom q = p.nurKoeffizienten();
  for (double& a : q.koeff) a *= c;
  return q;
}

// Sign of the product of (x − s)^m over all known positions except `ohne`, times `a`.
inline double vorzeichenOhne(const std::vector<Stelle>& stellen, std::size_t ohne, double a) {
  double v = a;
  for (std::size_t i = 0; i < stellen.size(); ++i) {
    if (i != ohne) v *= std::pow(stellen[ohne].x() - stellen[i].x(), stellen[i].vielfach);
  }
  return v;
}

struct Eintrag {
  double x = 0;
  std::string arten;
};

inline std::vector<Eintrag> eintraege(const std::string& beschreibung) {
  static const std::regex zeile(R"(^[A-Z]\d* \((\S+) \| \S+\)\) ist ein ([^,.]*)(,|\.).*$)");
  std::vector<Eintrag> ergebnis;
  std::istringstream strom(beschreibung);
  for (std::string z; std::getline(strom, z);) {
    std::smatch m;
    if (std::regex_match(z, m, zeile)) ergebnis.push_back({std::stod(m[1]), m[2]});
  }
  return ergebnis;
}

inline bool hat(const std::string& arten, const char* art) {
  return arten.find(art) != std::string::npos;
}

// The first contradiction between the description of f.p and what is known, or "".
inline std::string widerspruch(const Fall& f) {
  const std::vector<Eintrag> e = eintraege(kurvendiskussion2fu(f.p, f.dezimalen));
  const double halbeStelle = 0.5 * std::pow(10.0, -f.dezimalen) + 1e-9;
  const double fuehrend = f.p.koeff[f.p.grad2()];
  for (std::size_t i = 0; i < f.stellen.size(); ++i) {
    const Stelle& s = f.stellen[i];
    const Eintrag* treffer = nullptr;
    for (const Eintrag& kandidat : e) {
      if (std::abs(kandidat.x - s.x()) <= halbeStelle) treffer = &kandidat;
    }
    const std::string wo = " bei " + std::to_string(s.x());
    if (treffer == nullptr) return "keine Stelle" + wo;
    const std::string& a = treffer->arten;
    // The sign of the first derivative of p (roots) or of p' (stationary points) that
    // does not vanish at s.
    const bool positiv = vorzeichenOhne(f.stellen, i, fuehrend) > 0;
    // Order of the first non-vanishing derivative of p at s.
    const int ordnung = f.nullstellen ? s.vielfach : s.vielfach + 1;
    if (f.nullstellen && !hat(a, "Nullpunkt")) return "kein Nullpunkt" + wo + ": " + a;
    if (!f.nullstellen && hat(a, "Nullpunkt") && !wertIstNull(f.p, s.x()))
      return "Nullpunkt, wo keiner ist" + wo + ": " + a;
    if (ordnung == 1) {
      if (hat(a, "Hoch") || hat(a, "Tief") || hat(a, "Sattel"))
        return "einfache Nullstelle mit waagrechter Tangente" + wo + ": " + a;
      continue;
    }
    const std::string erwartet = ordnung % 2 == 0
                                     ? (positiv ? "Tiefpunkt" : "Hochpunkt")
                                     : (positiv ? "r-l-Sattelpunkt" : "l-r-Sattelpunkt");
    if (!hat(a, erwartet.c_str())) return erwartet + " erwartet" + wo + ": " + a;
  }
  int extrema = 0;
  int nullpunkte = 0;
  for (const Eintrag& kandidat : e) {
    extrema +=
        hat(kandidat.arten, "Hoch") || hat(kandidat.arten, "Tief") || hat(kandidat.arten, "Sattel");
    nullpunkte += hat(kandidat.arten, "Nullpunkt");
  }
  // All real roots (or all stationary points) are known: nothing else may be called so.
  if (f.nullstellen && nullpunkte != static_cast<int>(f.stellen.size()))
    return "Nullpunkte: " + std::to_string(nullpunkte);
  if (!f.nullstellen && extrema != static_cast<int>(f.stellen.size()))
    return "stationäre Punkte: " + std::to_string(extrema);
  return "";
}

inline constexpr double skalen[] = {1e-12, 1e-6, 0.001, 1, 1000, 1e12};

// Roots or stationary points with multiplicities 1–3 (spacing `abstand`), at two and at
// eight decimals, each polynomial at every scale of `skalen`.
inline std::vector<Fall> korpus(std::uint32_t seed, int anzahl, bool nullstellen, double abstand) {
  std::mt19937 zufall(seed);
  std::vector<Fall> faelle;
  for (int n = 0; n < anzahl; ++n) {
    const int grad = 2 + static_cast<int>(zufall() % (nullstellen ? 7u : 6u));
    const auto stellen = zufallsStellen(zufall, grad, abstand);
    const double fuehrend = zufall() % 2 == 0 ? 1.0 : -1.0;
    const Polynom basis = nullstellen ? ausFaktoren(fuehrend, stellen)
                                      : ganzeStammfunktion(ausFaktoren(fuehrend, stellen));
    const int dezimalen = zufall() % 2 == 0 ? 2 : 8;
    for (double c : skalen) faelle.push_back({mal(basis, c), stellen, nullstellen, c, dezimalen});
  }
  return faelle;
}

// Exact answers from tests/referenz/referenzdaten.py.
struct IntegralFall {
  std::vector<double> koeff;
  double von, bis, integral, flaeche;
};
struct Bedingung {
  double x, wert;
  bool steigung;
};
struct SteckbriefFall {
  std::vector<Bedingung> bedingungen;
  std::vector<double> koeff;
};
struct RegressionsFall {
  std::vector<double> xs, ys;
  int grad;
  std::vector<double> koeff;
};
#include "referenzdaten.inc"

inline bool nahe(double ist, double soll, double massstab, double toleranz) {
  return std::abs(ist - soll) <= toleranz * std::max(1.0, massstab);
}

inline double groesster(const std::vector<double>& v) {
  double m = 0.0;
  for (double e : v) m = std::max(m, std::abs(e));
  return m;
}

// Counts of wrong answers per operation over the reference data.
struct Bilanz {
  int faelle = 0;
  int falsch = 0;
};

inline Bilanz integrale() {
  Bilanz b;
  for (const IntegralFall& f : integralFaelle) {
    const Polynom p{std::span<const double>(f.koeff)};
    ++b.faelle;
    b.falsch += !nahe(bestIntegral(p, f.von, f.bis), f.integral, std::abs(f.integral), 1e-9);
  }
  return b;
}

inline Bilanz flaechen() {
  Bilanz b;
  for (const IntegralFall& f : integralFaelle) {
    if (f.flaeche < 0) continue;
    const Polynom p{std::span<const double>(f.koeff)};
    ++b.faelle;
    b.falsch += !nahe(eingeschlosseneFlaeche(p, nullstMenge(p, 2)), f.flaeche, f.flaeche, 1e-9);
  }
  return b;
}

// A Steckbrief is right when its coefficients agree with the exact ones relative to the
// largest of them.
inline Bilanz steckbriefe() {
  Bilanz b;
  for (const SteckbriefFall& f : steckbriefFaelle) {
    std::map<double, Punkt> punkte;
    for (const Bedingung& c : f.bedingungen) {
      Punkt& p = punkte.try_emplace(c.x, Punkt{c.x, 0, 0, 0}).first->second;
      if (!c.steigung) p.valid = {true, false, false};
      p.ko[c.steigung ? 2 : 1] = c.wert;
      if (c.steigung) p.valid[1] = true;
    }
    std::vector<Punkt> feld;
    for (const auto& [_, p] : punkte) feld.push_back(p);
    const Konstruktion k = pktListe2Polynom(feld);
    ++b.faelle;
    bool richtig = k.ok;
    for (std::size_t i = 0; richtig && i < f.koeff.size(); ++i)
      richtig = nahe(k.p.koeff[i], f.koeff[i], groesster(f.koeff), 1e-7);
    b.falsch += !richtig;
  }
  return b;
}

inline Bilanz regressionen() {
  Bilanz b;
  for (const RegressionsFall& f : regressionsFaelle) {
    Punktsystem sys;
    for (std::size_t i = 0; i < f.xs.size(); ++i) sys.push_back({f.xs[i], f.ys[i]});
    const Regression r = regression(sys, f.grad);
    ++b.faelle;
    bool richtig = r.p.has_value();
    for (std::size_t i = 0; richtig && i < f.koeff.size(); ++i)
      richtig = nahe(r.p->koeff[i], f.koeff[i], groesster(f.koeff), 1e-9);
    b.falsch += !richtig;
  }
  return b;
}

}  // namespace quarvel::korpus
