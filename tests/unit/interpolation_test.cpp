#include "construction/interpolation.h"

#include <gtest/gtest.h>

#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::lege;

TEST(Interpolation, ElementarpolynomeUndBasisprodukt) {
  const std::vector<double> arg{1, 3, 4};
  const Polynom e = elPoly(0, 1, arg);  // (x − 3) / (1 − 3)
  EXPECT_DOUBLE_EQ(e.koeff[0], 1.5);
  EXPECT_DOUBLE_EQ(e.koeff[1], -0.5);
  const Polynom b = elProdPoly(0, arg, {2, 0, 0});  // 2 · (x−3)(x−4)/((1−3)(1−4))
  EXPECT_DOUBLE_EQ(b.wert(1), 2.0);
  EXPECT_NEAR(b.wert(3), 0.0, 1e-15);
  EXPECT_NEAR(b.wert(4), 0.0, 1e-15);
}

TEST(Interpolation, DoppelteArgumente) {
  EXPECT_FALSE(doppelArgumenteAblehnen({}));
  EXPECT_FALSE(doppelArgumenteAblehnen({1}));
  EXPECT_TRUE(doppelArgumenteAblehnen({1, 2}));
  EXPECT_FALSE(doppelArgumenteAblehnen({1, 2, 1}));
  EXPECT_FALSE(doppelArgumenteAblehnen({1, 1 + 1e-16}));
}

struct InterpolationsFall {
  const char* name;
  std::vector<std::pair<std::string, Punkt>> punkte;
  bool ok;
  std::vector<double> erwartet;
};

class Interpolationsfaelle : public ::testing::TestWithParam<InterpolationsFall> {};

TEST_P(Interpolationsfaelle, Ergebnis) {
  Punktliste liste;
  for (const auto& [name, p] : GetParam().punkte) lege(liste, name, p);
  const Interpolation i = genInterpolPol(liste);
  ASSERT_EQ(i.ok, GetParam().ok);
  EXPECT_FALSE(i.zuVielePunkte);
  if (!i.ok) return;
  const auto& erwartet = GetParam().erwartet;
  for (std::size_t k = 0; k < i.p.koeff.size(); ++k) {
    EXPECT_NEAR(i.p.koeff[k], k < erwartet.size() ? erwartet[k] : 0.0, 1e-12) << "x^" << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Interpolation, Interpolationsfaelle,
    ::testing::Values(
        InterpolationsFall{
            "Gerade", {{"A", bedingung(0, 1)}, {"B", bedingung(1, 3)}}, true, {1, 2}},
        InterpolationsFall{
            "Normalparabel",
            {{"A", bedingung(-1, 1)}, {"B", bedingung(0, 0)}, {"C", bedingung(1, 1)}},
            true,
            {0, 0, 1}},
        // The list order does not matter.
        InterpolationsFall{
            "NormalparabelAndereReihenfolge",
            {{"A", bedingung(1, 1)}, {"B", bedingung(-1, 1)}, {"C", bedingung(0, 0)}},
            true,
            {0, 0, 1}},
        // Inactive points and points without y do not take part.
        InterpolationsFall{"NurAktivePunkteMitY",
                           {{"A", bedingung(0, 1)},
                            {"B", bedingung(1, 3)},
                            {"C", bedingung(2, 99, std::nullopt, std::nullopt, false)},
                            {"D", bedingung(3, std::nullopt, 7)}},
                           true,
                           {1, 2}},
        InterpolationsFall{"EinPunktReichtNicht", {{"A", bedingung(0, 1)}}, false, {}},
        InterpolationsFall{"KeinePunkte", {}, false, {}},
        InterpolationsFall{"NurInaktive",
                           {{"A", bedingung(0, 1, std::nullopt, std::nullopt, false)},
                            {"B", bedingung(1, 2, std::nullopt, std::nullopt, false)}},
                           false,
                           {}},
        InterpolationsFall{"GleichesXGleichesY",
                           {{"A", bedingung(1, 1)}, {"B", bedingung(1, 1)}, {"C", bedingung(2, 0)}},
                           false,
                           {}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Interpolation, FuenfzehnPunkteGebenGrad14) {
  Punktliste liste;
  for (int i = 0; i < 15; ++i)
    lege(liste, "P" + std::to_string(i), bedingung(i - 7, (i - 7) * (i - 7) - 1.0));
  const Interpolation i = genInterpolPol(liste);
  ASSERT_TRUE(i.ok);
  for (const auto& [_, p] : liste) EXPECT_NEAR(i.p.wert(p->x()), p->y(), 1e-6);
}

TEST(Interpolation, MehrAlsFuenfzehnPunkteWerdenAbgelehnt) {
  // The Lagrange products would exceed degree 14 and silently come out as zero.
  Punktliste liste;
  for (int i = 0; i < 16; ++i) lege(liste, "P" + std::to_string(i), bedingung(i, i));
  const Interpolation i = genInterpolPol(liste);
  EXPECT_FALSE(i.ok);
  EXPECT_TRUE(i.zuVielePunkte);
}

}  // namespace
}  // namespace quarvel
