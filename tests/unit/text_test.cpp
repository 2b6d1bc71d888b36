#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/polynomtext.h"
#include "model/zahltext.h"

namespace quarvel {
namespace {

struct ZahlFall {
  const char* name;
  double wert;
  const char* text;
};

class ZahlText : public testing::TestWithParam<ZahlFall> {};

TEST_P(ZahlText, KuerzesteRueckwandelbareForm) {
  EXPECT_EQ(zahlText(GetParam().wert), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Zahlen, ZahlText,
    testing::Values(ZahlFall{"ganz", 2.0, "2.0"}, ZahlFall{"negativ", -3.5, "-3.5"},
                    ZahlFall{"gerundet", 0.33, "0.33"}, ZahlFall{"null", 0.0, "0.0"},
                    ZahlFall{"negativeNullIstNull", -0.0, "0.0"},
                    ZahlFall{"drittel", 1.0 / 3.0, "0.3333333333333333"},
                    ZahlFall{"grenzeKlein", 1e-4, "0.0001"}, ZahlFall{"exponent", 1e-5, "1e-05"},
                    ZahlFall{"exponentMitStellen", -1.5e-7, "-1.5e-07"},
                    ZahlFall{"grossPlain", 1e15, "1000000000000000.0"},
                    ZahlFall{"grossExponent", 1e16, "1e+16"},
                    ZahlFall{"unendlich", std::numeric_limits<double>::infinity(), "inf"}),
    [](const auto& fall) { return std::string(fall.param.name); });

// A fraction needs a denominator up to 1000 and must meet the value within 1e-9 relative;
// the smallest such denominator is taken, so the fraction is in lowest terms.
class BruchText : public testing::TestWithParam<ZahlFall> {};

TEST_P(BruchText, KleinsterNennerBis1000) {
  EXPECT_EQ(bruchText(GetParam().wert), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Brueche, BruchText,
    testing::Values(ZahlFall{"ganz", 5.0, "5"}, ZahlFall{"null", 0.0, "0"},
                    ZahlFall{"viertelNegativ", -0.25, "-1/4"},
                    ZahlFall{"summeMitRundungsfehler", 0.1 + 0.2, "3/10"},
                    ZahlFall{"gekuerzt", 50.0 / 27.0, "50/27"},
                    ZahlFall{"nenner997", 1.0 / 997.0, "1/997"},
                    ZahlFall{"nenner1001", 1.0 / 1001.0, ""},
                    ZahlFall{"wurzel", std::sqrt(2.0), ""},
                    ZahlFall{"gerundetesDrittel", 0.33333, ""}, ZahlFall{"winzig", 1e-20, ""},
                    ZahlFall{"riesig", 1e13, ""},
                    ZahlFall{"nan", std::numeric_limits<double>::quiet_NaN(), ""}),
    [](const auto& fall) { return std::string(fall.param.name); });

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
  EXPECT_EQ(zahlText(runden(3.0 * 638886422720.0, 8)), "1916659268160.0");
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

struct PolynomFall {
  const char* name;
  Polynom p;
  const char* text;
};

class PolynomText : public testing::TestWithParam<PolynomFall> {};

TEST_P(PolynomText, KonstantesGliedZuerst) {
  EXPECT_EQ(polynomString(GetParam().p, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Polynome, PolynomText,
    testing::Values(PolynomFall{"null", Polynom{}, " 0 "}, PolynomFall{"eins", Polynom{1}, " 1 "},
                    PolynomFall{"minusEins", Polynom{-1}, " -1 "},
                    PolynomFall{"zwei", Polynom{2}, "2.0"}, PolynomFall{"x", Polynom{0, 1}, "x"},
                    PolynomFall{"minusX", Polynom{0, -1}, " - x"},
                    PolynomFall{"einsPlusXQuadrat", Polynom{1, 0, 1}, " 1  + x^2"},
                    PolynomFall{"minusEinsPlusXQuadrat", Polynom{-1, 0, 1}, " -1  + x^2"},
                    PolynomFall{"kubisch", Polynom{2, -3, 0, 1}, "2.0 - 3.0x + x^3"},
                    PolynomFall{"halb", Polynom{0, 0, 0.5}, "0.5x^2"},
                    PolynomFall{"drittel", Polynom{0, 1.0 / 3.0}, "0.33x"},
                    PolynomFall{"xMinusZweiXQuadrat", Polynom{0, 1, -2}, "x - 2.0x^2"},
                    PolynomFall{"fastEins", Polynom{0, 0, 0, 0.999999}, "x^3"},
                    PolynomFall{"start", Polynom{-2, -2, 2}, " - 2.0 - 2.0x + 2.0x^2"},
                    PolynomFall{"leitkoeffizientBleibt", Polynom{0.001, 0.001}, "0.001x"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(PolynomText, HoechsterGradUndMehrStellen) {
  Polynom p;
  p.koeff[14] = -1;
  EXPECT_EQ(polynomString(p, 2), " - x^14");
  EXPECT_EQ(polynomString(Polynom{0, 1.0 / 3.0}, 6), "0.333333x");
}

TEST(TextBausteine, PotenzKoeffizientUndLinearfaktor) {
  EXPECT_EQ(xhochiString(0), "");
  EXPECT_EQ(xhochiString(1), "x");
  EXPECT_EQ(xhochiString(14), "x^14");
  EXPECT_EQ(absOhneEins(-1.0), "");
  EXPECT_EQ(absOhneEins(-2.0), "2.0");
  EXPECT_EQ(linPol(0.001, 2), " x ");
  EXPECT_EQ(linPol(-2, 2), "(x + 2.0)");
  EXPECT_EQ(linPol(1.5, 2), "(x - 1.5)");
}

TEST(PunktText, ZweiOderVierKomponenten) {
  Punkt eben{1, 2, 0, 0};
  eben.valid = {true, false, false};
  EXPECT_EQ(punkt2String(eben, 2), "(1.0, 2.0)");

  Punkt mitSteigung{1, 2, 0.5, 0};
  mitSteigung.valid = {true, true, false};
  EXPECT_EQ(punkt2String(mitSteigung, 2), "(1.0, 2.0 , 0.5 ,  -- )");

  Punkt nurKruemmung{7, 0, 0, 8};
  nurKruemmung.valid = {false, false, true};
  EXPECT_EQ(punkt2String(nurKruemmung, 2), "(7.0,  -- ,  -- , 8.0 ) ");

  Punkt klein{-0.001, 1, 0, 0};
  klein.valid = {true, false, false};
  EXPECT_EQ(punkt2String(klein, 2), "(0.0, 1.0)");
}

}  // namespace
}  // namespace quarvel
