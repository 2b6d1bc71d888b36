#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>

#include "analysis/division.h"
#include "analysis/stellenart.h"
#include "differenzkorpus.h"
#include "model/polynomtext.h"

namespace quarvel {
namespace {

std::size_t u(int i) {
  return static_cast<std::size_t>(i);
}

// Every known root or stationary point must be described with its true kind, and nothing
// else may be called a root (or an extremum), at every scale and at two and eight decimals.
void pruefeKorpus(const std::vector<korpus::Fall>& faelle) {
  int falsch = 0;
  for (const korpus::Fall& f : faelle) {
    const std::string fehler = korpus::widerspruch(f);
    if (fehler.empty()) continue;
    if (++falsch <= 5) {
      ADD_FAILURE() << fehler << " (c = " << f.c << ", " << f.dezimalen << " Dezimalen, "
                    << polynomString(f.p, 17) << ")";
    }
  }
  EXPECT_EQ(falsch, 0) << "of " << faelle.size();
}

TEST(Genauigkeit, NullstellenMitVielfachheitUndArt) {
  pruefeKorpus(korpus::korpus(15, 60, true, 0.1));
}

TEST(Genauigkeit, StationaerePunkteMitArt) {
  pruefeKorpus(korpus::korpus(16, 60, false, 0.1));
}

// f and c·f have the same critical positions, kinds and symmetry.
TEST(Genauigkeit, BeschreibungUnabhaengigVomFaktor) {
  for (const korpus::Fall& f : korpus::korpus(17, 40, true, 0.05)) {
    if (f.c != 1) continue;
    const auto stellen = kritischeStellen(f.p, f.dezimalen);
    const Symmetrie symmetrie = symmetrieVerhalten(f.p, f.dezimalen);
    for (double c : {-1e-12, 3e-9, 1e-6, 0.7, 1e6, 1e12}) {
      const Polynom cf = korpus::mal(f.p, c);
      const auto skaliert = kritischeStellen(cf, f.dezimalen);
      ASSERT_EQ(skaliert.size(), stellen.size()) << polynomString(f.p, 17) << " c = " << c;
      for (std::size_t i = 0; i < stellen.size(); ++i) {
        // Within the noise band of a multiple root in a cluster, not bit for bit.
        EXPECT_NEAR(skaliert[i].x, stellen[i].x, 1e-6);
        Stellenart art = stellen[i].art;
        if (c < 0) {  // -f: maxima and minima, and the curvature directions swap
          if (art.extremum != Extremum::keins)
            art.extremum =
                art.extremum == Extremum::hochpunkt ? Extremum::tiefpunkt : Extremum::hochpunkt;
          if (art.wechsel != Kruemmungswechsel::keiner)
            art.wechsel = art.wechsel == Kruemmungswechsel::rechtsLinks
                              ? Kruemmungswechsel::linksRechts
                              : Kruemmungswechsel::rechtsLinks;
        }
        EXPECT_EQ(skaliert[i].art, art) << polynomString(f.p, 17) << " c = " << c;
      }
      EXPECT_EQ(symmetrieVerhalten(cf, f.dezimalen).art, symmetrie.art);
    }
  }
}

// Linear factors with multiplicities, gcds of degree 1 to 4 and symmetric graphs, all built
// from known integer or tenth roots and centres (seeded).
TEST(Genauigkeit, FaktorenGgtUndSymmetrie) {
  std::mt19937 zufall(151);
  const auto wurzel = [&] {
    return static_cast<double>(static_cast<int>(zufall() % 61) - 30) / 10;
  };
  int falsch = 0;
  for (int versuch = 0; versuch < 100; ++versuch) {
    // Factors: a · Π (x − r)^m, ascending and repeated m times.
    std::map<double, int> wurzeln;
    for (int grad = 0; grad < 7;) {
      const int m = 1 + static_cast<int>(zufall() % 3);
      wurzeln[wurzel()] += m;
      grad += m;
    }
    Polynom p{1.0};
    std::string faktoren;
    for (const auto& [r, m] : wurzeln) {
      for (int i = 0; i < m && p.grad2() < pgrad; ++i) {
        p = p * Polynom{-r, 1.0};
        faktoren += linPol(r, 2);
      }
    }
    if (linFakZerlegung(p, 2) != faktoren) ++falsch;

    // gcd: a common part of degree k times coprime rest.
    const int k = 1 + versuch % 4;
    Polynom gemeinsam{1.0}, a{static_cast<double>(1 + versuch % 3)}, b{1.0};
    std::vector<int> frei(21);
    std::iota(frei.begin(), frei.end(), -10);
    std::shuffle(frei.begin(), frei.end(), zufall);
    for (int i = 0; i < k; ++i)
      gemeinsam = gemeinsam * Polynom{-static_cast<double>(frei[u(i)]), 1.0};
    for (int i = 0; i < 4; ++i) a = a * Polynom{-static_cast<double>(frei[u(k + i)]), 1.0};
    for (int i = 0; i < 3; ++i) b = b * Polynom{-static_cast<double>(frei[u(k + 4 + i)]), 1.0};
    const Polynom t = ggT(a * gemeinsam, b * gemeinsam);
    bool richtig = t.grad2() == k;
    for (int i = 0; richtig && i <= k; ++i)
      richtig = std::abs(t.koeff[u(i)] - gemeinsam.koeff[u(i)]) <=
                1e-6 * std::max(1.0, std::abs(gemeinsam.koeff[u(i)]));
    if (!richtig) ++falsch;

    // Symmetry: g((x − c)²) is even about c, (x − c)·g((x − c)²) + d odd about c; adding a
    // small term of the other parity that vanishes at c and c ± 1 breaks it.
    const double c = static_cast<double>(static_cast<int>(zufall() % 9) - 4) / 2;
    Polynom g;
    for (int i = 0; i <= 2; ++i)
      g.koeff[u(i)] = static_cast<double>(static_cast<int>(zufall() % 7) - 3);
    g.koeff[3] = 1;
    const Polynom quadrat = Polynom{-c, 1} * Polynom{-c, 1};
    Polynom gerade{0.0}, potenz{1.0};
    for (int i = 0; i <= 3; ++i, potenz = potenz * quadrat)
      gerade = gerade + g.koeff[u(i)] * potenz;
    const Polynom ungerade = Polynom{-c, 1} * gerade + Polynom{2.5};
    const Polynom eins = quadrat - Polynom{1.0};  // (x − c)² − 1
    const Polynom stoerung = 1e-3 * Polynom{-c, 1} * eins;
    const Symmetrie sg = symmetrieVerhalten(gerade, 2);
    const Symmetrie su = symmetrieVerhalten(ungerade, 2);
    if (sg.art != Symmetrieverhalten::asym || std::abs(sg.c - c) > 1e-9) ++falsch;
    if (su.art != Symmetrieverhalten::psym || std::abs(su.c - c) > 1e-9) ++falsch;
    if (symmetrieVerhalten(gerade + stoerung, 2).art != Symmetrieverhalten::ohne) ++falsch;
    if (symmetrieVerhalten(ungerade + 1e-3 * quadrat * eins, 2).art != Symmetrieverhalten::ohne)
      ++falsch;
  }
  EXPECT_EQ(falsch, 0);
}

// Integrals, areas, Steckbrief systems and least-squares fits against exact answers.
TEST(Genauigkeit, RechnungenGegenExakteReferenz) {
  const std::pair<const char*, korpus::Bilanz> bilanzen[] = {
      {"Integrale", korpus::integrale()},
      {"Flächen", korpus::flaechen()},
      {"Steckbriefe", korpus::steckbriefe()},
      {"Regressionen", korpus::regressionen()}};
  for (const auto& [name, b] : bilanzen) {
    EXPECT_GT(b.faelle, 10) << name;
    EXPECT_EQ(b.falsch, 0) << name << ": " << b.falsch << " of " << b.faelle;
  }
}

}  // namespace
}  // namespace quarvel
