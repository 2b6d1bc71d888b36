#include "analysis/integral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "analysis/nullstellen.h"
#include "model/zahltext.h"

namespace quarvel {
namespace {

const Polynom startfunktion{-2, -2, 2};  // 2x^2 - 2x - 2

TEST(Stammfunktion, KoeffizientenDurchNeuenExponenten) {
  const Polynom F = stammfunktion(startfunktion);
  EXPECT_EQ(F.koeff[0], 0.0);
  EXPECT_EQ(F.koeff[1], -2.0);
  EXPECT_EQ(F.koeff[2], -1.0);
  EXPECT_EQ(F.koeff[3], 2.0 / 3.0);
  EXPECT_EQ(F.grad2(), 3);
}

TEST(Stammfunktion, AbleitungGibtDasPolynomZurueck) {
  const Polynom p{1.5, -2, 0, 4, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 3};
  const Polynom zurueck = stammfunktion(p).abl();
  for (std::size_t i = 0; i < p.koeff.size(); ++i) EXPECT_NEAR(zurueck.koeff[i], p.koeff[i], 1e-12);
}

TEST(BestIntegral, StartfunktionVonNullBisEins) {
  // 2/3 - 1 - 2, unrounded.
  EXPECT_EQ(bestIntegral(startfunktion, 0, 1), -7.0 / 3.0);
}

TEST(BestIntegral, VertauschteGrenzenWechselnDasVorzeichen) {
  const Polynom p{1, -3, 0, 0.5, 2};
  EXPECT_DOUBLE_EQ(bestIntegral(p, 2.5, -1), -bestIntegral(p, -1, 2.5));
  // Worked out by hand: the integral of 1 - 3x + 0.5x^3 + 2x^4 over [-1, 2.5].
  const auto F = [](double x) { return x - 1.5 * x * x + x * x * x * x / 8 + 0.4 * std::pow(x, 5); };
  EXPECT_NEAR(bestIntegral(p, 2.5, -1), F(-1) - F(2.5), 1e-12);
}

TEST(BestIntegral, GleicheGrenzenGebenNull) {
  EXPECT_EQ(bestIntegral(startfunktion, 1.25, 1.25), 0.0);
}

TEST(BestIntegral, VierzehnterGradZaehltDenX15Term) {
  Polynom x14;
  x14.koeff[14] = 1;
  EXPECT_DOUBLE_EQ(bestIntegral(x14, 0, 1), 1.0 / 15);
  EXPECT_DOUBLE_EQ(bestIntegral(x14, -1, 1), 2.0 / 15);
  EXPECT_DOUBLE_EQ(bestIntegral(x14, 0, 2), 32768.0 / 15);
  // With lower terms beside it: 3x^14 + x over [0, 2] = 3 * 2^15 / 15 + 2.
  x14.koeff[14] = 3;
  x14.koeff[1] = 1;
  EXPECT_DOUBLE_EQ(bestIntegral(x14, 0, 2), 3 * 32768.0 / 15 + 2);
}

TEST(EingeschlosseneFlaeche, TeileUnterDerAchseZaehlenPositiv) {
  // x^3 - x: two regions of 1/4 each.
  EXPECT_DOUBLE_EQ(eingeschlosseneFlaeche(Polynom{0, -1, 0, 1}, {-1, 0, 1}), 0.5);
  // x^2 - 1: 4/3 below the axis.
  EXPECT_DOUBLE_EQ(eingeschlosseneFlaeche(Polynom{-1, 0, 1}, {-1, 1}), 4.0 / 3);
  // (x^2 - 1)(x^2 - 4) = x^4 - 5x^2 + 4: 22/15 on [-2, -1] and on [1, 2], 76/15 on [-1, 1].
  EXPECT_NEAR(eingeschlosseneFlaeche(Polynom{4, 0, -5, 0, 1}, {-2, -1, 1, 2}), 8.0, 1e-12);
}

TEST(EingeschlosseneFlaeche, WenigerAlsZweiNullstellenGebenNull) {
  EXPECT_EQ(eingeschlosseneFlaeche(Polynom{0, 1}, {0}), 0.0);
  EXPECT_EQ(eingeschlosseneFlaeche(Polynom{1, 0, 1}, {}), 0.0);
}

TEST(EingeschlosseneFlaeche, VierzehnterGrad) {
  // x^14 - 1 between -1 and 1: 2 - 2/15.
  Polynom p{-1};
  p.koeff[14] = 1;
  EXPECT_DOUBLE_EQ(eingeschlosseneFlaeche(p, {-1, 1}), 28.0 / 15);
}

struct FlaechenFall {
  std::string name;
  Polynom p;
  double gerundet;
};
void PrintTo(const FlaechenFall& fall, std::ostream* os) { *os << fall.name; }


class FlaecheMitNullstellen : public testing::TestWithParam<FlaechenFall> {};

TEST_P(FlaecheMitNullstellen, GerundeterInhalt) {
  const auto& fall = GetParam();
  EXPECT_EQ(runden(eingeschlosseneFlaeche(fall.p, nullstMenge(fall.p, 2)), 2), fall.gerundet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FlaecheMitNullstellen,
    testing::Values(
        // Roots (1 -+ sqrt 5) / 2, area 5 sqrt 5 / 3 = 3.7267...
        FlaechenFall{"Startfunktion", startfunktion, 3.73},
        FlaechenFall{"ZweiGleicheTeile", {0, -1, 0, 1}, 0.5},
        FlaechenFall{"UnterDerAchse", {-1, 0, 1}, 1.33},
        FlaechenFall{"DreiTeile", {4, 0, -5, 0, 1}, 8.0}),
    [](const auto& zeile) { return zeile.param.name; });

}  // namespace
}  // namespace quarvel
