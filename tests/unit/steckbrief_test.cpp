#include "construction/steckbrief.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;

struct SteckbriefFall {
  const char* name;
  std::vector<Punkt> punkte;
  std::vector<double> erwartet;  // coefficients, lowest power first
};

class SteckbriefLoesbar : public ::testing::TestWithParam<SteckbriefFall> {};

TEST_P(SteckbriefLoesbar, ErgibtDasPolynomKleinstenGrades) {
  const Konstruktion k = pktListe2Polynom(GetParam().punkte);
  ASSERT_TRUE(k.ok);
  const auto& erwartet = GetParam().erwartet;
  for (std::size_t i = 0; i < k.p.koeff.size(); ++i) {
    EXPECT_NEAR(k.p.koeff[i], i < erwartet.size() ? erwartet[i] : 0.0, 1e-12) << "x^" << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Steckbrief, SteckbriefLoesbar,
    ::testing::Values(
        SteckbriefFall{"ZweiPunkteGebenEineGerade", {bedingung(0, 1), bedingung(1, 3)}, {1, 2}},
        SteckbriefFall{"WaagrechteTangentenGebenDieKubik",
                       {bedingung(0, 0, 0), bedingung(1, 1, 0)},
                       {0, 0, 3, -2}},
        SteckbriefFall{"EinPunktGibtDieKonstante", {bedingung(2, 5)}, {5}},
        // Cubic through the origin and (2, -2) with its maximum at H(1, 2): 3x − x^3.
        SteckbriefFall{"KubikMitHochpunkt",
                       {bedingung(0, 0), bedingung(1, 2, 0), bedingung(2, -2)},
                       {0, 3, 0, -1}},
        // Inflection point W(1, 2) with slope −3 and f(0) = 4: x^3 − 3x^2 + 4.
        SteckbriefFall{
            "WendepunktMitSteigung", {bedingung(0, 4), bedingung(1, 2, -3, 0)}, {4, 0, -3, 1}},
        // Inactive points count as conditions too.
        SteckbriefFall{"InaktivePunkteZaehlen",
                       {bedingung(0, 1), bedingung(1, 3, std::nullopt, std::nullopt, false)},
                       {1, 2}},
        // Double roots at ±2 and f(0) = 4 with a level tangent: 0.25x^4 − 2x^2 + 4.
        SteckbriefFall{"GeradeFunktionVierterOrdnung",
                       {bedingung(0, 4, 0), bedingung(2, 0, 0), bedingung(-2, 0)},
                       {4, 0, -2, 0, 0.25}}),
    [](const auto& fall) { return std::string(fall.param.name); });

struct AbgelehnterFall {
  const char* name;
  std::vector<Punkt> punkte;
};

class SteckbriefAbgelehnt : public ::testing::TestWithParam<AbgelehnterFall> {};

TEST_P(SteckbriefAbgelehnt, MeldetUnloesbarMitMarker) {
  const Konstruktion k = pktListe2Polynom(GetParam().punkte);
  EXPECT_FALSE(k.ok);
  EXPECT_EQ(k.p.koeff[0], markerUnloesbar);
  EXPECT_EQ(k.p.grad2(), 0);
}

std::vector<Punkt> parabelpunkte(int anzahl) {
  std::vector<Punkt> p;
  for (int i = 0; i < anzahl; ++i) p.push_back(bedingung(i, double(i) * i));
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Steckbrief, SteckbriefAbgelehnt,
    ::testing::Values(
        AbgelehnterFall{"KeinePunkte", {}},
        AbgelehnterFall{"NurSteigungen",
                        {bedingung(0, std::nullopt, 1), bedingung(1, std::nullopt, 2)}},
        // Two values and one curvature: ny + nz < 3 although there are three conditions.
        AbgelehnterFall{"KruemmungOhneGenugWerte",
                        {bedingung(0, 1), bedingung(1, 2, std::nullopt, 3)}},
        AbgelehnterFall{"GleichesXVerschiedeneY", {bedingung(1, 1), bedingung(1, 2)}},
        AbgelehnterFall{"GleichesXGleichesY", {bedingung(1, 1), bedingung(1, 1)}},
        AbgelehnterFall{"FuenfzehnBedingungen", parabelpunkte(15)}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Steckbrief, SystemZeilenFolgenPunktenUndBedingungen) {
  // Point (2, 3) with slope 1 and curvature 4, then (0, 1): rows y, z, w, y.
  const Bedingungssystem b = punkte2Matrix({bedingung(2, 3, 1, 4), bedingung(0, 1)});
  ASSERT_TRUE(b.ok);
  ASSERT_EQ(b.system.rows, 4);
  ASSERT_EQ(b.system.columns, 5);
  EXPECT_EQ(matrixZeile2Feld(b.system, 0), (std::vector<double>{1, 2, 4, 8, 3}));
  EXPECT_EQ(matrixZeile2Feld(b.system, 1), (std::vector<double>{0, 1, 4, 12, 1}));
  EXPECT_EQ(matrixZeile2Feld(b.system, 2), (std::vector<double>{0, 0, 2, 12, 4}));
  EXPECT_EQ(matrixZeile2Feld(b.system, 3), (std::vector<double>{1, 0, 0, 0, 1}));
}

TEST(Steckbrief, AbgelehntesSystemIstEinsMalZweiNull) {
  const Bedingungssystem b = punkte2Matrix({});
  EXPECT_FALSE(b.ok);
  EXPECT_EQ(b.system, Matrix(1, 2));
}

TEST(Steckbrief, VierzehnBedingungenWerdenAngenommen) {
  const auto punkte = parabelpunkte(14);
  const Konstruktion k = pktListe2Polynom(punkte);
  ASSERT_TRUE(k.ok);
  for (const Punkt& p : punkte) EXPECT_NEAR(k.p.wert(p.x()), p.y(), 1e-6 * std::max(1.0, p.y()));
}

TEST(Steckbrief, PunktfeldEnthaeltAllePunkteInSchluesselfolge) {
  Punktliste liste;
  test::lege(liste, "B", bedingung(2, 1, std::nullopt, std::nullopt, false));
  test::lege(liste, "A", bedingung(1, 1));
  const auto feld = genPunktfeld(liste);
  ASSERT_EQ(feld.size(), 2u);
  EXPECT_EQ(feld[0].name, "A");
  EXPECT_EQ(feld[1].name, "B");
}

}  // namespace
}  // namespace quarvel
