#include <gtest/gtest.h>


#include "analysis/stellenart.h"
#include "model/polynomtext.h"
#include "differenzkorpus.h"

namespace quarvel {
namespace {

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
            art.extremum = art.extremum == Extremum::hochpunkt ? Extremum::tiefpunkt : Extremum::hochpunkt;
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
