#include <gtest/gtest.h>

#include "analysis/kritischestellen.h"
#include "app/befehle.h"
#include "app/listenpflege.h"
#include "app/splinepflege.h"
#include "construction/splinebau.h"
#include "konstruktionshilfen.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::TestSitzung;

const std::string zufallsname =
    "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie einen "
    "Zufallsnamen, nämlich a erhalten. ";

void punkt(TestSitzung& s, const std::string& name, Punkt p) {
  p.name = name;
  pktEinlisten(s.z, name, teile(std::move(p)));
}

void dreiPunkte(TestSitzung& s) {
  punkt(s, "A", bedingung(0, 0));
  punkt(s, "B", bedingung(1, 1));
  punkt(s, "C", bedingung(2, 0));
}

TEST(SteckbriefBefehl, BelegterNameFuehrtZuZufallsname) {
  TestSitzung s;
  punkt(s, "A", bedingung(0, 1));
  s.z.felder.name = "akt";  // "akt" stays the current function's word
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2PolynomB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, zufallsname);
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
  EXPECT_TRUE(s.z.listen.fuExistiert("a"));
  EXPECT_FALSE(s.z.listen.fuExistiert("akt"));
  EXPECT_FALSE(s.z.listen.fuNamen.contains("a"));
}

TEST(SteckbriefBefehl, UnloesbarAendertNichts) {
  TestSitzung s;
  punkt(s, "A", bedingung(1, 1));
  punkt(s, "B", bedingung(1, 2));
  s.z.felder.name = "k";
  const auto pool = s.z.listen.fuNamen;
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2PolynomB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Die Funktion wird durch die angegebenen Koordinaten bzw. Ableitungen unter- oder "
            "überbestimmt.");
  EXPECT_EQ(s.ui.fragen[0].option, "Hab ich gelesen");
  EXPECT_EQ(s.ui.fragen[0].option2, "");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_EQ(s.z.listen.fuNamen, pool);
  EXPECT_EQ(s.z.felder.name, "k");
  EXPECT_TRUE(s.z.protokoll.empty());
}

TEST(SteckbriefBefehl, LeererNamenspoolSpeichertNichts) {
  TestSitzung s;
  punkt(s, "A", bedingung(0, 1));
  s.z.listen.fuNamen.clear();
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2PolynomB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Es ist kein Funktionsname mehr frei. Bitte einen zulässigen, noch freien Namen in "
            "das Feld 'Name' eintragen oder Funktionen aus der Liste löschen.");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_TRUE(s.z.protokoll.empty());
}

TEST(InterpolationsBefehl, Ablehnungen) {
  TestSitzung s;
  punkt(s, "A", bedingung(0, 1));
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2IntPolPolB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Die angegebenen Koordinaten sind unverträglich.");
  EXPECT_EQ(s.ui.fragen[0].option, "Hab ich gelesen");

  for (int i = 1; i < 16; ++i) punkt(s, "P" + std::to_string(i), bedingung(i, i));
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2IntPolPolB"));
  ASSERT_EQ(s.ui.fragen.size(), 2u);
  EXPECT_EQ(s.ui.fragen[1].meldung,
            "Durch mehr als 15 Punkte lässt sich kein Interpolationspolynom höchstens 14. Grades "
            "legen. Bitte höchstens 15 Punkte mit y-Wert aktivieren.");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
}

struct GradFeld {
  const char* name;
  const char* feld;
  int grad;
};

class RegressionsGrad : public ::testing::TestWithParam<GradFeld> {};

// The degree is read like a number field: a decimal comma counts, non-numbers and values
// below 1 count as 0, fractions are cut off.
TEST_P(RegressionsGrad, AusDemFeldX) {
  TestSitzung s;
  s.z.felder.x = GetParam().feld;
  ASSERT_TRUE(fuehreAus(s.z, "regressionB"));
  const int g = GetParam().grad;
  EXPECT_EQ(s.z.felder.ausgabe,
            "Für die Ermittlung eines Polynoms vom Grade " + std::to_string(g) +
                " beträgt die Anzahl der Stützstellen mindestens " + std::to_string(g + 1) +
                ". Die Punktliste enthält aber bisher keine Punkte mit vollständigen "
                "Koordinaten.\n");
}

INSTANTIATE_TEST_SUITE_P(RegressionsBefehl, RegressionsGrad,
                         ::testing::Values(GradFeld{"Drei", "3", 3}, GradFeld{"Leer", "", 0},
                                           GradFeld{"Negativ", "-2", 0},
                                           GradFeld{"Text", "drei", 0},
                                           GradFeld{"Bruch", "2.7", 2},
                                           GradFeld{"Komma", "4,2", 4},
                                           GradFeld{"Blanks", " 5 ", 5}),
                         [](const auto& fall) { return std::string(fall.param.name); });

TEST(RegressionsBefehl, ZuHoherGrad) {
  TestSitzung s;
  punkt(s, "A", bedingung(0, 0));
  s.z.felder.x = "15";
  const PolynomRef vorher = s.z.akt;
  ASSERT_TRUE(fuehreAus(s.z, "regressionB"));
  EXPECT_EQ(s.z.felder.ausgabe,
            "Dieses Programm berechnet durch Regression keine Funktionen höheren als 14. Grades!\n");
  EXPECT_EQ(s.z.akt, vorher);
  s.z.felder.x = "1e300";
  ASSERT_TRUE(fuehreAus(s.z, "regressionB"));
  EXPECT_EQ(s.z.felder.ausgabe,
            "Dieses Programm berechnet durch Regression keine Funktionen höheren als 14. Grades!\n");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
}

TEST(SplineBefehl, NameEinesSplinesIstBelegt) {
  // A second spline under the same name would silently replace the first.
  TestSitzung s;
  dreiPunkte(s);
  s.z.felder.name = "s";
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2SplineB"));
  const SplineRef erster = s.z.listen.spListe.at("s");
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2SplineB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, zufallsname);
  EXPECT_EQ(s.z.listen.spListe.at("s"), erster);
  EXPECT_TRUE(s.z.listen.spExistiert("a"));
  EXPECT_EQ(s.z.listen.namensBewertung("s", ObjektTyp::f), NamensAttribut::belegt);
}

TEST(SplineListeLoeschen, RahmenVergisstDieSplines) {
  TestSitzung s;
  s.z.grafik.grafikDim = GrafikDimension::allfunktional;
  Spline weit({Polynom{0.0, 1.0}}, {0, 100});
  auto spline = std::make_shared<Spline>(weit);
  spline->grenzen = spRahmen(*spline, 2);
  splineEinlisten(s.z, "w", spline);
  const Grenzen ohneSplines = allFuGrenzen(Objektlisten{}, s.z.dezimalen);
  ASSERT_TRUE(fuehreAus(s.z, "splineListeLoeschB"));
  EXPECT_EQ(s.z.grafik.fuRahmen, ohneSplines);
}

}  // namespace
}  // namespace quarvel

namespace quarvel {
namespace {

// Powers or coefficients beyond the range of doubles: the construction refuses instead of
// storing a function with infinite or undefined coefficients.
TEST(Ueberlauf, SteckbriefUndRegressionWeitVomUrsprung) {
  TestSitzung s;
  for (int i = 0; i < 5; ++i) punkt(s, "P" + std::to_string(i), bedingung(1e200 * (i + 1), i * i));
  s.z.felder.x = "3";
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2PolynomB"));
  ASSERT_TRUE(fuehreAus(s.z, "regressionB"));
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Die Funktion wird durch die angegebenen Koordinaten bzw. Ableitungen unter- oder "
            "überbestimmt.");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Das Regressionspolynom vom Grade 3 lässt sich zu diesen Punkten nicht zuverlässig "
            "berechnen: ihre x-Werte liegen zu weit vom Ursprung entfernt. Bitte einen kleineren "
            "Grad wählen.\n");
}

TEST(Ueberlauf, SplineMitRiesigenOrdinaten) {
  TestSitzung s;
  for (int i = 0; i < 4; ++i) punkt(s, "P" + std::to_string(i), bedingung(1e10 + i, 1e300 * (i % 2)));
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2SplineB"));
  EXPECT_TRUE(s.z.listen.spListe.empty());
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Die angegebenen Punkte sind unverträglich oder ihre Anzahl beträgt nicht mindestens 3.");
}

}  // namespace
}  // namespace quarvel
