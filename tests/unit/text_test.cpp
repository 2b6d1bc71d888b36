#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/polynomtext.h"
#include "model/zahltext.h"

namespace quarvel {
namespace {

struct ZahlFall {
  double wert;
  const char* text;
};

// Whole numbers, zero and plain decimals are covered by the calculation scripts.
TEST(Zahlen, KuerzesteRueckwandelbareForm) {
  const ZahlFall faelle[] = {
      {0.33, "0.33"},
      {-0.0, "0.0"},     // never "-0.0"
      {1e-4, "0.0001"},  // the smallest plain form
      {1e-5, "1e-05"},
      {-1.5e-7, "-1.5e-07"},
      {1e15, "1000000000000000.0"},  // the largest plain form
      {1e16, "1e+16"},
      {std::numeric_limits<double>::infinity(), "inf"},
  };
  for (const ZahlFall& f : faelle) EXPECT_EQ(zahlText(f.wert), f.text) << f.wert;
}

// A fraction needs a denominator up to 1000 and must meet the value within 1e-9 relative;
// the smallest such denominator is taken, so the fraction is in lowest terms.
TEST(Brueche, KleinsterNennerBis1000) {
  const ZahlFall faelle[] = {
      {5.0, "5"},
      {0.0, "0"},
      {0.1 + 0.2, "3/10"},  // despite the rounding error of the sum
      {50.0 / 27.0, "50/27"},
      {1.0 / 997.0, "1/997"},  // the largest prime denominator allowed
      {1.0 / 1001.0, ""},
      {std::sqrt(2.0), ""},
      {0.33333, ""},  // a rounded third is no third
      {1e-20, ""},
      {1e13, ""},
      {std::numeric_limits<double>::quiet_NaN(), ""},
  };
  for (const ZahlFall& f : faelle) EXPECT_EQ(bruchText(f.wert), f.text) << f.wert;
}

TEST(Runden, HalbeVomNullpunktWegUndKleinesWirdPlusNull) {
  EXPECT_EQ(runden(0.125, 2), 0.13);
  EXPECT_EQ(runden(-0.125, 2), -0.13);
  EXPECT_EQ(runden(0.004, 2), 0.0);
  const double r = runden(-0.004, 2);
  EXPECT_EQ(r, 0.0);
  EXPECT_FALSE(std::signbit(r));
  EXPECT_EQ(runden(3e-8, 8), 0.0);
}

TEST(Runden, GerundetOhneKlaerungAberNieMinusNullImText) {
  EXPECT_EQ(gerundetText(-0.004, 2), "0.0");
  EXPECT_EQ(gerundetText(3e-8, 8), "3e-08");
  EXPECT_EQ(gerundetText(3e-8, 8, Kleinwerte::alsNull), "0.0");
  EXPECT_EQ(gerundet(2.345, 1), 2.3);
  EXPECT_EQ(rund1(-4.55), -4.6);
  EXPECT_EQ(rund2(1.005), 1.0);  // 1.005 is just below 1.005 in binary
}

// Values with no decimals left to round come back unchanged: no overflow, no added error.
TEST(Runden, GrosseWerteBleibenUnveraendert) {
  EXPECT_EQ(gerundet(1e308, 8), 1e308);
  EXPECT_EQ(runden(-1e308, 2), -1e308);
  EXPECT_EQ(runden(123456.125, 2), 123456.13);
}

TEST(Runden, GanzzahlUndReinigung) {
  EXPECT_TRUE(istGanzzahl(3.0));
  EXPECT_FALSE(istGanzzahl(3.0000001));
  EXPECT_EQ(reinigeFeld({1.0, 1.00000001, 2.0}), (std::vector<double>{1.0, 2.0}));
  EXPECT_EQ(reinigeFeld({}), std::vector<double>{});
  EXPECT_EQ(reinigeFeld({5.0}), std::vector<double>{5.0});
  // Each kept entry becomes the new comparison value.
  EXPECT_EQ(reinigeFeld({0.0, 0.6e-7, 1.2e-7}), (std::vector<double>{0.0, 1.2e-7}));
}

TEST(PolynomText, KonstantesGliedZuerst) {
  const struct {
    Polynom p;
    const char* text;
  } faelle[] = {
      {Polynom{1}, " 1 "},
      {Polynom{-1}, " -1 "},
      {Polynom{2, -3, 0, 1}, "2.0 - 3.0x + x^3"},
      {Polynom{0, 0, 0.5}, "0.5x^2"},
      {Polynom{0, 1.0 / 3.0}, "0.33x"},
      {Polynom{0, 1, -2}, "x - 2.0x^2"},
      {Polynom{0, 0, 0, 0.999999}, "x^3"},
      {Polynom{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1}, " - x^14"},
      // The leading coefficient is never rounded away.
      {Polynom{0.001, 0.001}, "0.001x"},
  };
  for (const auto& f : faelle) EXPECT_EQ(polynomString(f.p, 2), f.text) << f.text;
}

TEST(PolynomText, MehrStellen) {
  EXPECT_EQ(polynomString(Polynom{0, 1.0 / 3.0}, 6), "0.333333x");
}

TEST(TextBausteine, Linearfaktor) {
  EXPECT_EQ(linPol(0.001, 2), " x ");
  EXPECT_EQ(linPol(1.5, 2), "(x - 1.5)");
}

}  // namespace
}  // namespace quarvel
