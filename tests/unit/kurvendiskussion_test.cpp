#include "analysis/kurvendiskussion.h"

#include <gtest/gtest.h>

#include <string>

#include "app/befehle.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// True when `text` contains `teil`, with both shown on failure.
testing::AssertionResult enthaelt(const std::string& text, const std::string& teil) {
  if (text.find(teil) != std::string::npos) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "«" << teil << "» not in «" << text << "»";
}

struct Beschreibungsfall {
  std::string name;
  Polynom p;
  std::vector<std::string> teile;
};

class Beschreibung : public testing::TestWithParam<Beschreibungsfall> {};

TEST_P(Beschreibung, EnthaeltDieErwartetenSaetze) {
  const std::string text = kurvendiskussion2fu(GetParam().p, 2);
  for (const std::string& teil : GetParam().teile) EXPECT_TRUE(enthaelt(text, teil));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Beschreibung,
    testing::Values(
        Beschreibungsfall{"Startfunktion",
                          Polynom{-2, -2, 2},
                          {"A (-0.62 | 0.0)) ist ein Nullpunkt, Steigung dort: -4.47. \n"
                           "B (0.5 | -2.5)) ist ein Tiefpunkt. \n"
                           "C (1.62 | 0.0)) ist ein Nullpunkt, Steigung dort: 4.47. \n\n",
                           "Symmetrie zur Vertikalen durch (0.5; 0.0)"}},
        Beschreibungsfall{"AchsensymmetrischeQuartik",
                          Polynom{1, 0, 0, 0, 1},
                          {"Symmetrie zur Vertikalen durch (0.0; 0.0)"}},
        Beschreibungsfall{"QuartikOhneSymmetrie",
                          Polynom{0, 1, 0, 0, 1},
                          {"Der Graph ist weder punkt- noch achsensymmetrisch."}}),
    [](const auto& zeile) { return zeile.param.name; });

// The special graphs are compared by the analyse_beschreibung_sonderfaelle script; here
// only that a constant is shown unrounded.
TEST(Kurvendiskussion, GradUnterZwei) {
  const std::string gerade = "\n Eine Gerade verläuft symmetrisch zu jedem ihrer Punkte.";
  // Plain numbers, not rounded.
  EXPECT_EQ(kurvendiskussion2fu(Polynom{1.0 / 3}, 2),
            "Der Graph der Funktion ist eine parallel zur x-Achse verlaufende Gerade durch den "
            "Punkt mit den Koordinaten (0, 0.3333333333333333)." +
                gerade);
}

TEST(Kurvendiskussion, MehrAls25StellenZaehlenMitIndexWeiter) {
  Polynom p{1};
  for (int k = 1; k <= 14; ++k) p = p * Polynom{-static_cast<double>(k), 1.0};
  const std::string text = kurvendiskussion2fu(p, 2);
  EXPECT_TRUE(enthaelt(text, "\nZ (9.1 | "));  // the 25th position
  EXPECT_TRUE(enthaelt(text, "\nA1 (9.56 | -2023433.53)) ist ein Tiefpunkt. \n"));
  EXPECT_TRUE(enthaelt(text, "\nN1 (14.0 | 0.0)) ist ein Nullpunkt"));
  EXPECT_FALSE(enthaelt(text, "\nO ("));
  EXPECT_FALSE(enthaelt(text, "\nP1 ("));
  // The values are in the millions; the rounding noise of p' and p'' at their own roots
  // must not hide the maxima and inflection points.
  EXPECT_TRUE(enthaelt(text, "\nK (4.41 | 4381310.2)) ist ein Hochpunkt. \n"));
  EXPECT_TRUE(enthaelt(text, "\nW (8.03 | 115320.0)) ist ein l-r-Wendepunkt, "));
  EXPECT_FALSE(enthaelt(text, "Flachpunkt"));
}

TEST(Kurvendiskussion, NaheStellenWerdenNurEinmalBeschrieben) {
  // Positions 0, 0.00004, 0.00008, 0.00012: the middle two lie within 0.0001 of the first.
  const std::string text = kurvendiskussion2fu(Polynom{0, 0, -0.00012, 1}, 2);
  EXPECT_TRUE(enthaelt(text, "A (0.0 | 0.0)) ist ein Nullpunkt und "));
  EXPECT_TRUE(enthaelt(text, "\nB (0.0 | "));
  EXPECT_FALSE(enthaelt(text, "\nC ("));
}

struct EndenFall {
  std::string name;
  Polynom p;
  std::string links, rechts;
};

class KurvenEndenTest : public testing::TestWithParam<EndenFall> {};

TEST_P(KurvenEndenTest, NachGradUndLeitkoeffizient) {
  const KurvenEnden e = kurvenEnden(GetParam().p);
  EXPECT_EQ(e.links, GetParam().links);
  EXPECT_EQ(e.rechts, GetParam().rechts);
}

INSTANTIATE_TEST_SUITE_P(Faelle, KurvenEndenTest,
                         testing::Values(EndenFall{"GeradeNegativ", Polynom{0, 0, -1},
                                                   " rechtsdrehend aus dem negativen Unendlichen",
                                                   " rechtsdrehend ins negative Unendliche"},
                                         EndenFall{"GeradePositiv", Polynom{0, 0, 0, 0, 2},
                                                   " linksdrehend aus dem positiven Unendlichen",
                                                   " linksdrehend ins positive Unendliche"},
                                         EndenFall{"UngeradeNegativ", Polynom{0, 0, 0, -3},
                                                   " linksdrehend aus dem positiven Unendlichen",
                                                   " rechtsdrehend ins negative Unendliche"},
                                         EndenFall{"UngeradePositiv", Polynom{1, 0, 0, 0, 0, 0.5},
                                                   " rechtsdrehend aus dem negativen Unendlichen",
                                                   " linksdrehend ins positive Unendliche"}),
                         [](const auto& zeile) { return zeile.param.name; });

TEST(Symmetrie, MitteUndArt) {
  const Symmetrie punkt = symmetrieVerhalten(Polynom{27, -9, -3, 1}, 2);
  EXPECT_EQ(punkt.art, Symmetrieverhalten::psym);
  EXPECT_EQ(punkt.c, 1.0);
  const Symmetrie achse = symmetrieVerhalten(
      Polynom{1, -4, 0, 0, 0, 0, 0, 0, 0}.nurKoeffizienten() + Polynom{0, 0, 1}, 2);
  EXPECT_EQ(achse.art, Symmetrieverhalten::asym);
  EXPECT_EQ(achse.c, 2.0);  // x² - 4x + 1
  EXPECT_EQ(symmetrieVerhalten(Polynom{4, 3}, 2).art, Symmetrieverhalten::bisymm);
  EXPECT_EQ(symmetrieVerhalten(Polynom{0, 1, 0, 0, 1}, 2).art, Symmetrieverhalten::ohne);
  EXPECT_EQ(symVerhalten(Polynom{0, 1, 0, 0, 1}, 2),
            "Der Graph ist weder punkt- noch achsensymmetrisch.");
}

TEST(Verlauf, ArtenUndSteigung) {
  const Polynom p{27, -9, -3, 1};
  EXPECT_EQ(verlauf(p, 1.0, 2), "r-l-Wendepunkt, Steigung dort: -12.0");
  EXPECT_EQ(verlauf(p, 3.0, 2), "Nullpunkt und Tiefpunkt");
  EXPECT_EQ(verlauf(p, -1.0, 2), "Hochpunkt");
  EXPECT_EQ(verlauf(Polynom{0, 0, 0, 0, -1}, 0.0, 2), "Nullpunkt und Hochpunkt")
      << "x⁴: order 4 decides";
}

class BeschreibungsBefehle : public testing::Test {
 protected:
  test::TestSitzung s;
  Zustand& z = s.z;
};

TEST_F(BeschreibungsBefehle, NameBeschreibtDieFunktionDerListeAllein) {
  fuEinlisten(z, "f", teile(Polynom{0, 0, 0, -1}));
  z.felder.name = "f";
  z.felder.ausgabe = "vorher";
  ASSERT_TRUE(fuehreAus(z, "beschreibeGraphNameB"));
  EXPECT_EQ(
      z.felder.ausgabe,
      "\nBeschreibung des Kurvenverlaufs zur Funktion mit der Gleichung \n f(x) =   - x^3\n\n" +
          kurvendiskussion2fu(Polynom{0, 0, 0, -1}, 2));
  EXPECT_EQ(z.felder.hinweis, "\n");
  EXPECT_EQ(z.protokoll, "");
}

TEST_F(BeschreibungsBefehle, NameWarntBeiUnbekanntemNamenUndAktIstKeinName) {
  for (const char* name : {"q", "akt"}) {
    s.ui.fragen.clear();
    z.felder.name = name;
    z.felder.ausgabe = "vorher";
    ASSERT_TRUE(fuehreAus(z, "beschreibeGraphNameB"));
    ASSERT_EQ(s.ui.fragen.size(), 1u);
    EXPECT_EQ(s.ui.fragen[0].meldung,
              std::string(" In der Liste gibt es kein Polynom mit dem Namen ") + name + ".");
    EXPECT_EQ(s.ui.fragen[0].option, "Gelesen");
    EXPECT_EQ(z.felder.ausgabe, "vorher");
  }
}

}  // namespace
}  // namespace quarvel
