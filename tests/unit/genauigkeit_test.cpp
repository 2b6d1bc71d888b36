#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "analysis/division.h"
#include "analysis/integral.h"
#include "analysis/kurvendiskussion.h"
#include "analysis/nullstellen.h"
#include "analysis/stellenart.h"
#include "construction/regression.h"
#include "construction/steckbrief.h"
#include "konstruktionshilfen.h"
#include "model/polynomtext.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

// Polynomials whose roots, or whose stationary points, are known exactly because the
// polynomial is built from them, and a check of the curve description against that
// knowledge. Factors (q·x − k) with small integers keep every coefficient an exact integer,
// so the known positions are the true ones; a scale factor c then tests that c·f is
// described as f.

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
  int dezimalen = 2;
};

// An antiderivative of d times lcm(1 … n + 1), so its coefficients stay integers.
Polynom ganzeStammfunktion(const Polynom& d) {
  long long faktor = 1;
  for (int i = 1; i <= d.grad2() + 1; ++i) faktor = std::lcm(faktor, static_cast<long long>(i));
  Polynom p;
  for (int i = 0; i < pgrad; ++i)
    p.koeff[i + 1] = d.koeff[i] * static_cast<double>(faktor / (i + 1));
  return p;
}

// Polynomials from distinct rational positions k/q in [-5, 5], at least `abstand` apart,
// with multiplicities 1–3, as roots or as stationary points, described at two or at eight
// decimals.
std::vector<Fall> korpus(std::uint32_t seed, int anzahl, bool nullstellen, double abstand) {
  static constexpr int nenner[] = {1, 1, 2, 3, 4, 5, 10};
  std::mt19937 zufall(seed);
  std::vector<Fall> faelle;
  for (int n = 0; n < anzahl; ++n) {
    const int grad = 2 + static_cast<int>(zufall() % (nullstellen ? 7u : 6u));
    std::vector<Stelle> stellen;
    for (int summe = 0; summe < grad;) {
      const int q = nenner[zufall() % std::size(nenner)];
      const int k = static_cast<int>(zufall() % static_cast<unsigned>(10 * q + 1)) - 5 * q;
      if (std::gcd(k, q) != 1 && k != 0) continue;
      const double x = static_cast<double>(k) / q;
      if (std::any_of(stellen.begin(), stellen.end(),
                      [&](const Stelle& s) { return std::abs(s.x() - x) < abstand; }))
        continue;
      const int m =
          1 + static_cast<int>(zufall() % static_cast<unsigned>(std::min(3, grad - summe)));
      stellen.push_back({k, q, m});
      summe += m;
    }
    Polynom p{zufall() % 2 == 0 ? 1.0 : -1.0};
    for (const Stelle& s : stellen) {
      for (int i = 0; i < s.vielfach; ++i)
        p = p * Polynom{-static_cast<double>(s.k), static_cast<double>(s.q)};
    }
    const int dezimalen = zufall() % 2 == 0 ? 2 : 8;
    faelle.push_back(
        {nullstellen ? p : ganzeStammfunktion(p), std::move(stellen), nullstellen, dezimalen});
  }
  return faelle;
}

// Sign of the product of (x − s)^m over all known positions except `ohne`, times `a`.
double vorzeichenOhne(const std::vector<Stelle>& stellen, std::size_t ohne, double a) {
  double v = a;
  for (std::size_t i = 0; i < stellen.size(); ++i) {
    if (i != ohne) v *= std::pow(stellen[ohne].x() - stellen[i].x(), stellen[i].vielfach);
  }
  return v;
}

// Every known root or stationary point of c·f.p must be listed as a critical point of its
// true kind, and nothing else may be called a root (or stationary).
void pruefeKorpus(const std::vector<Fall>& faelle) {
  for (const Fall& f : faelle) {
    for (const double c : {1e-12, 1e-6, 0.001, 1.0, 1000.0, 1e12}) {
      const Polynom p = c * f.p;
      SCOPED_TRACE(testing::Message() << "c = " << c << ", " << polynomString(f.p, 17) << "\n"
                                      << kurvendiskussion2fu(p, f.dezimalen));
      const std::vector<KritischeStelle> beschrieben = kritischeStellen(p, f.dezimalen);
      const double halbeStelle = 0.5 * std::pow(10.0, -f.dezimalen) + 1e-9;
      for (std::size_t i = 0; i < f.stellen.size(); ++i) {
        const Stelle& s = f.stellen[i];
        SCOPED_TRACE(s.x());
        const auto treffer = std::find_if(
            beschrieben.rbegin(), beschrieben.rend(),
            [&](const KritischeStelle& k) { return std::abs(k.x - s.x()) <= halbeStelle; });
        if (treffer == beschrieben.rend()) {
          ADD_FAILURE() << "not listed";
          continue;
        }
        const Stellenart& a = treffer->art;
        // The sign of the first derivative of p (roots) or of p' (stationary points) that
        // does not vanish at s, and the order of the first non-vanishing derivative of p.
        const bool positiv = vorzeichenOhne(f.stellen, i, p.koeff[p.grad2()]) > 0;
        const int ordnung = f.nullstellen ? s.vielfach : s.vielfach + 1;
        EXPECT_TRUE(a.nullstelle || !f.nullstellen) << "no root";
        EXPECT_TRUE(f.nullstellen || !a.nullstelle || wertIstNull(p, s.x()))
            << "a root where there is none";
        if (ordnung == 1) {
          EXPECT_FALSE(a.stationaer);
        } else if (ordnung % 2 == 0) {
          EXPECT_EQ(a.extremum, positiv ? Extremum::tiefpunkt : Extremum::hochpunkt);
        } else {
          EXPECT_TRUE(a.stationaer);
          EXPECT_EQ(a.wechsel,
                    positiv ? Kruemmungswechsel::rechtsLinks : Kruemmungswechsel::linksRechts);
        }
      }
      // All real roots (or all stationary points) are known.
      EXPECT_EQ(std::count_if(beschrieben.begin(), beschrieben.end(),
                              [&](const KritischeStelle& k) {
                                return f.nullstellen ? k.art.nullstelle : k.art.stationaer;
                              }),
                static_cast<long>(f.stellen.size()));
    }
  }
}

TEST(Genauigkeit, NullstellenMitVielfachheitUndArt) {
  pruefeKorpus(korpus(15, 60, true, 0.1));
}

TEST(Genauigkeit, StationaerePunkteMitArt) {
  pruefeKorpus(korpus(16, 60, false, 0.1));
}

// -f has the maxima and minima and the directions of the curvature change of f swapped.
Stellenart negiert(Stellenart art) {
  if (art.extremum != Extremum::keins)
    art.extremum = art.extremum == Extremum::hochpunkt ? Extremum::tiefpunkt : Extremum::hochpunkt;
  if (art.wechsel != Kruemmungswechsel::keiner)
    art.wechsel = art.wechsel == Kruemmungswechsel::rechtsLinks ? Kruemmungswechsel::linksRechts
                                                                : Kruemmungswechsel::rechtsLinks;
  return art;
}

// f and c·f have the same critical positions, kinds and symmetry.
TEST(Genauigkeit, BeschreibungUnabhaengigVomFaktor) {
  for (const Fall& f : korpus(17, 40, true, 0.05)) {
    const auto stellen = kritischeStellen(f.p, f.dezimalen);
    const Symmetrie symmetrie = symmetrieVerhalten(f.p, f.dezimalen);
    for (double c : {-1e-12, 3e-9, 1e-6, 0.7, 1e6, 1e12}) {
      SCOPED_TRACE(testing::Message() << polynomString(f.p, 17) << " c = " << c);
      const Polynom cf = c * f.p;
      const auto skaliert = kritischeStellen(cf, f.dezimalen);
      ASSERT_EQ(skaliert.size(), stellen.size());
      for (std::size_t i = 0; i < stellen.size(); ++i) {
        // Within the noise band of a multiple root in a cluster, not bit for bit.
        EXPECT_NEAR(skaliert[i].x, stellen[i].x, 1e-6);
        EXPECT_EQ(skaliert[i].art, c < 0 ? negiert(stellen[i].art) : stellen[i].art);
      }
      EXPECT_EQ(symmetrieVerhalten(cf, f.dezimalen).art, symmetrie.art);
    }
  }
}

// Linear factors with multiplicities, gcds of degree 1 to 4 and symmetric graphs, all built
// from known integer or tenth roots and centres (seeded).
TEST(Genauigkeit, FaktorenGgtUndSymmetrie) {
  std::mt19937 zufall(151);
  for (int versuch = 0; versuch < 100; ++versuch) {
    SCOPED_TRACE(versuch);
    // Factors: Π (x − r)^m, ascending and repeated m times.
    std::map<double, int> wurzeln;
    for (int grad = 0; grad < 7;) {
      const int m = 1 + static_cast<int>(zufall() % 3);
      wurzeln[static_cast<double>(static_cast<int>(zufall() % 61) - 30) / 10] += m;
      grad += m;
    }
    std::vector<double> alle;
    std::string faktoren;
    for (const auto& [r, m] : wurzeln) {
      alle.insert(alle.end(), static_cast<std::size_t>(m), r);
      for (int i = 0; i < m; ++i) faktoren += linPol(r, 2);
    }
    EXPECT_EQ(linFakZerlegung(test::ausNullstellen(1, alle), 2), faktoren);

    // gcd: a common part of degree k times coprime rests.
    const int k = 1 + versuch % 4;
    std::vector<double> frei(21);
    std::iota(frei.begin(), frei.end(), -10.0);
    std::shuffle(frei.begin(), frei.end(), zufall);
    const auto teil = [&](int von, int anzahl) {
      return std::vector<double>(frei.begin() + von, frei.begin() + von + anzahl);
    };
    const Polynom gemeinsam = test::ausNullstellen(1, teil(0, k));
    const Polynom t = ggT(test::ausNullstellen(1 + versuch % 3, teil(k, 4)) * gemeinsam,
                          test::ausNullstellen(1, teil(k + 4, 3)) * gemeinsam);
    EXPECT_EQ(t.grad2(), k);
    test::erwarteGleich(t, gemeinsam, 1e-6);

    // Symmetry: g((x − c)²) is even about c, (x − c)·g((x − c)²) + d odd about c; adding a
    // small term of the other parity that vanishes at c and c ± 1 breaks it.
    const double c = static_cast<double>(static_cast<int>(zufall() % 9) - 4) / 2;
    const Polynom xc{-c, 1};
    const Polynom quadrat = xc * xc;
    Polynom gerade{0.0}, potenz{1.0};
    for (int i = 0; i <= 3; ++i, potenz = potenz * quadrat) {
      const double a = i == 3 ? 1.0 : static_cast<double>(static_cast<int>(zufall() % 7) - 3);
      gerade = gerade + a * potenz;
    }
    const Polynom ungerade = xc * gerade + Polynom{2.5};
    const Polynom eins = quadrat - Polynom{1.0};  // (x − c)² − 1
    const Symmetrie sg = symmetrieVerhalten(gerade, 2);
    const Symmetrie su = symmetrieVerhalten(ungerade, 2);
    EXPECT_EQ(sg.art, Symmetrieverhalten::asym);
    EXPECT_NEAR(sg.c, c, 1e-9);
    EXPECT_EQ(su.art, Symmetrieverhalten::psym);
    EXPECT_NEAR(su.c, c, 1e-9);
    EXPECT_EQ(symmetrieVerhalten(gerade + 1e-3 * xc * eins, 2).art, Symmetrieverhalten::ohne);
    EXPECT_EQ(symmetrieVerhalten(ungerade + 1e-3 * quadrat * eins, 2).art,
              Symmetrieverhalten::ohne);
  }
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

// |ist − soll| within `toleranz` relative to `massstab` (at least 1).
void erwarteNahe(double ist, double soll, double massstab, double toleranz) {
  EXPECT_NEAR(ist, soll, toleranz * std::max(1.0, std::abs(massstab)));
}

double groesster(const std::vector<double>& v) {
  return std::abs(*std::max_element(v.begin(), v.end(),
                                    [](double a, double b) { return std::abs(a) < std::abs(b); }));
}

TEST(Genauigkeit, IntegraleUndFlaechenGegenExakteReferenz) {
  int flaechen = 0;
  for (const IntegralFall& f : integralFaelle) {
    const Polynom p{std::span<const double>(f.koeff)};
    SCOPED_TRACE(polynomString(p, 17));
    erwarteNahe(bestIntegral(p, f.von, f.bis), f.integral, f.integral, 1e-9);
    if (f.flaeche < 0) continue;  // roots closer than the rounding noise resolves
    ++flaechen;
    erwarteNahe(eingeschlosseneFlaeche(p, nullstMenge(p, 2)), f.flaeche, f.flaeche, 1e-9);
  }
  EXPECT_GT(flaechen, 10);
}

// A Steckbrief or a fit is right when its coefficients agree with the exact ones relative
// to the largest of them.
TEST(Genauigkeit, SteckbriefeUndRegressionenGegenExakteReferenz) {
  for (const SteckbriefFall& f : steckbriefFaelle) {
    std::map<double, Punkt> punkte;
    for (const Bedingung& c : f.bedingungen) {
      Punkt& p = punkte.try_emplace(c.x, test::bedingung(c.x, std::nullopt)).first->second;
      p.ko[c.steigung ? 2 : 1] = c.wert;
      p.valid[c.steigung ? 1 : 0] = true;
    }
    std::vector<Punkt> feld;
    for (const auto& [_, p] : punkte) feld.push_back(p);
    const Konstruktion k = pktListe2Polynom(feld);
    ASSERT_TRUE(k.ok);
    for (std::size_t i = 0; i < f.koeff.size(); ++i)
      erwarteNahe(k.p.koeff[i], f.koeff[i], groesster(f.koeff), 1e-7);
  }
  for (const RegressionsFall& f : regressionsFaelle) {
    Punktsystem sys;
    for (std::size_t i = 0; i < f.xs.size(); ++i) sys.push_back({f.xs[i], f.ys[i]});
    const Regression r = regression(sys, f.grad);
    ASSERT_TRUE(r.p.has_value());
    for (std::size_t i = 0; i < f.koeff.size(); ++i)
      erwarteNahe(r.p->koeff[i], f.koeff[i], groesster(f.koeff), 1e-9);
  }
  static_assert(std::size(steckbriefFaelle) > 10 && std::size(regressionsFaelle) > 10);
}

}  // namespace
}  // namespace quarvel
