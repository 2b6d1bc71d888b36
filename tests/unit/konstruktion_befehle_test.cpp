// The ordinary construction paths are compared character by character by the konstruktion_*
// command scripts; these tests cover the refusals and edge cases the scripts do not reach.
#include <gtest/gtest.h>

#include <functional>

#include "analysis/kritischestellen.h"
#include "app/befehle.h"
#include "app/listenpflege.h"
#include "construction/splinebau.h"
#include "konstruktionshilfen.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::TestSitzung;
using Vorbereitung = std::function<void(TestSitzung&)>;

void punkt(TestSitzung& s, const std::string& name, Punkt p) {
  p.name = name;
  pktEinlisten(s.z, name, teile(std::move(p)));
}

Vorbereitung punkte(int anzahl, std::function<Punkt(int)> erzeuge, std::string x = "") {
  return [=](TestSitzung& s) {
    for (int i = 0; i < anzahl; ++i) punkt(s, "P" + std::to_string(i), erzeuge(i));
    s.z.felder.x = x;
  };
}

Vorbereitung gradFeld(std::string x) {
  return punkte(0, nullptr, std::move(x));
}

// Points beyond the range where powers and coefficients stay finite doubles.
Punkt weitDraussen(int i) {
  return bedingung(1e200 * (i + 1), i * i);
}

// A refused construction says why (in a question, or for regression in the output field) and
// stores nothing: no function, no spline, no name taken from the pool (after a question, not
// even a log entry).
struct Ablehnung {
  const char* name;
  Vorbereitung vorbereiten;
  const char* befehl;
  std::string meldung;
};

class KonstruktionAbgelehnt : public ::testing::TestWithParam<Ablehnung> {};

TEST_P(KonstruktionAbgelehnt, SpeichertNichts) {
  TestSitzung s;
  GetParam().vorbereiten(s);
  const auto pool = s.z.listen.fuNamen();
  const auto splines = s.z.listen.spListe().size();
  ASSERT_TRUE(fuehreAus(s.z, GetParam().befehl));
  ASSERT_LE(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen.empty() ? s.z.felder.ausgabe : s.ui.fragen[0].meldung, GetParam().meldung);
  EXPECT_TRUE(s.z.listen.fuListe().empty());
  EXPECT_EQ(s.z.listen.spListe().size(), splines);
  EXPECT_EQ(s.z.listen.fuNamen(), pool);
  EXPECT_TRUE(s.ui.fragen.empty() || s.z.protokoll.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Konstruktion, KonstruktionAbgelehnt,
    ::testing::Values(
        Ablehnung{"SteckbriefOhneFreienNamen",
                  [](TestSitzung& s) {
                    punkt(s, "A", bedingung(0, 1));
                    test::belegeAlleFunktionsnamen(s.z);
                  },
                  "pktliste2PolynomB",
                  "Es ist kein Funktionsname mehr frei. Bitte einen zulässigen, noch freien Namen "
                  "in das Feld 'Name' eintragen oder Funktionen aus der Liste löschen."},
        Ablehnung{"InterpolationDurchSechzehnPunkte",
                  punkte(16, [](int i) { return bedingung(i, i); }), "pktliste2IntPolPolB",
                  "Durch mehr als 15 Punkte lässt sich kein Interpolationspolynom höchstens 14. "
                  "Grades legen. Bitte höchstens 15 Punkte mit y-Wert aktivieren."},
        Ablehnung{"SteckbriefWeitDraussen", punkte(5, weitDraussen), "pktliste2PolynomB",
                  "Die Funktion wird durch die angegebenen Koordinaten bzw. Ableitungen unter- "
                  "oder überbestimmt."},
        Ablehnung{"SplineMitRiesigenOrdinaten",
                  punkte(4, [](int i) { return bedingung(1e10 + i, 1e300 * (i % 2)); }),
                  "pktliste2SplineB",
                  "Die angegebenen Punkte sind unverträglich oder ihre Anzahl beträgt nicht "
                  "mindestens 3."},
        Ablehnung{"RegressionWeitDraussen", punkte(5, weitDraussen, "3"), "regressionB",
                  "Das Regressionspolynom vom Grade 3 lässt sich zu diesen Punkten nicht "
                  "zuverlässig berechnen: ihre x-Werte liegen zu weit vom Ursprung entfernt. "
                  "Bitte einen kleineren Grad wählen.\n"},
        // The degree is read like a number field (its rules have their own table): a decimal
        // comma counts, fractions are cut off, a value too large for an int is still too high.
        Ablehnung{"GradKomma", gradFeld("4,2"), "regressionB",
                  "Für die Ermittlung eines Polynoms vom Grade 4 beträgt die Anzahl der "
                  "Stützstellen mindestens 5. Die Punktliste enthält aber bisher keine Punkte "
                  "mit vollständigen Koordinaten.\n"},
        Ablehnung{"GradRiesig", gradFeld("1e300"), "regressionB",
                  "Dieses Programm berechnet durch Regression keine Funktionen höheren als 14. "
                  "Grades!\n"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(SteckbriefBefehl, AktIstKeinFreierName) {
  TestSitzung s;
  punkt(s, "A", bedingung(0, 1));
  s.z.felder.name = "akt";
  ASSERT_TRUE(fuehreAus(s.z, "pktliste2PolynomB"));
  EXPECT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_TRUE(s.z.listen.fuExistiert("a"));
  EXPECT_FALSE(s.z.listen.fuExistiert("akt"));
}

TEST(SplineListeLoeschen, RahmenVergisstDieSplines) {
  TestSitzung s;
  s.z.grafik.grafikDim = GrafikDimension::allfunktional;
  auto spline = std::make_shared<Spline>(std::vector<Polynom>{Polynom{0.0, 1.0}},
                                         std::vector<double>{0, 100});
  spline->grenzen = spRahmen(*spline, 2);
  splineEinlisten(s.z, "w", spline);
  const Grenzen ohneSplines = allFuGrenzen(Objektlisten{}, s.z.dezimalen);
  ASSERT_TRUE(fuehreAus(s.z, "splineListeLoeschB"));
  EXPECT_EQ(s.z.grafik.fuRahmen, ohneSplines);
}

}  // namespace
}  // namespace quarvel
