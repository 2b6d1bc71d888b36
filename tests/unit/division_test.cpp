#include "analysis/division.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "model/polynomtext.h"

namespace quarvel {
namespace {

// Coefficient-wise comparison with a tolerance relative to the larger coefficient.
void erwarteGleich(const Polynom& ist, const Polynom& soll, double toleranz = 1e-9) {
  for (std::size_t i = 0; i < ist.koeff.size(); ++i) {
    const double massstab = std::max({1.0, std::abs(ist.koeff[i]), std::abs(soll.koeff[i])});
    EXPECT_NEAR(ist.koeff[i], soll.koeff[i], toleranz * massstab) << "bei x^" << i;
  }
}

Polynom linear(double a) { return Polynom{-a, 1}; }  // x - a

TEST(PolyDiv, HornerQuotientMalLinearfaktorPlusWertGibtPolynom) {
  const Polynom p{3, -1, 0.5, 4, -2, 1.25, 0, 7};
  for (const double a : {-2.5, 0.0, 1.0, 3.75}) {
    const Polynom q = polyDiv(p, a);
    EXPECT_EQ(q.grad2(), p.grad2() - 1);
    // The dropped remainder is p(a).
    erwarteGleich(linear(a) * q + Polynom{p.wert(a)}, p);
  }
}

TEST(PolyDiv, LinearesPolynomGibtSeinenLeitkoeffizienten) {
  EXPECT_EQ(polyDiv(Polynom{5, 3}, 2.0).koeff, Polynom{3}.koeff);
}

TEST(PolyDiv, DrittePotenzMinusEinsDurchXMinusEins) {
  EXPECT_EQ(polyDiv(Polynom{-1, 0, 0, 1}, 1.0).koeff, (Polynom{1, 1, 1}).koeff);
}

struct DivisionsFall {
  std::string name;
  Polynom dividend, divisor, quotient, rest;
};
void PrintTo(const DivisionsFall& fall, std::ostream* os) { *os << fall.name; }


class PolyDiv2 : public testing::TestWithParam<DivisionsFall> {};

TEST_P(PolyDiv2, QuotientUndRest) {
  const auto& fall = GetParam();
  const Division d = polyDiv2(fall.dividend, fall.divisor);
  erwarteGleich(d.quotient, fall.quotient);
  erwarteGleich(d.rest, fall.rest);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, PolyDiv2,
    testing::Values(
        DivisionsFall{"DrittePotenzMinusEinsOhneRest", {-1, 0, 0, 1}, {-1, 1}, {1, 1, 1}, {}},
        DivisionsFall{"KonstanterDivisor", {4, 2}, {2}, {2, 1}, {}},
        DivisionsFall{"DivisorHoeherenGrades", {0, 1}, {0, 0, 1}, {}, {0, 1}},
        DivisionsFall{"NullpolynomAlsDividend", {}, {1, 2}, {}, {}},
        // (6x^4 + 3x^2 - 2x + 1) = (2x^2 + 1)(3x^2) + (-2x + 1)
        DivisionsFall{"NichtNormierterDivisor", {1, -2, 3, 0, 6}, {1, 0, 2}, {0, 0, 3}, {1, -2}},
        // x^3 + 2x^2 + 3x + 4 = (x^2 + 1)(x + 2) + (2x + 2)
        DivisionsFall{"NormierterDivisorMitRest", {4, 3, 2, 1}, {1, 0, 1}, {2, 1}, {2, 2}}),
    [](const auto& zeile) { return zeile.param.name; });

TEST(PolyDiv2, DividendGleichDivisorMalQuotientPlusRest) {
  const Polynom p1{1, -3, 0.5, 2, 0, -1.5, 4, 0, 1, 0, 0, 2, -1, 3, 0.25};
  for (const Polynom& p2 : {Polynom{2, 0, -1, 3}, Polynom{-0.5, 1}, Polynom{1, 1, 1, 1, 1, 1, 1, 0.5},
                            Polynom{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2}}) {
    const Division d = polyDiv2(p1, p2);
    erwarteGleich(p2 * d.quotient + d.rest, p1, 1e-8);
    EXPECT_LT(d.rest.grad2(), p2.grad2());
  }
}

TEST(PolyDiv2, KleineKoeffizientenWerdenGeglaettet) {
  // x^2 + 1e-9 x: the quotient by x is x + 1e-9, whose small term is smoothed away.
  const Division d = polyDiv2(Polynom{0, 1e-9, 1}, Polynom{0, 1});
  EXPECT_EQ(d.quotient.koeff, (Polynom{0, 1}).koeff);
  EXPECT_EQ(d.rest.grad2(), -1);
}

TEST(PolyDiv2, OperandenBleibenUnveraendert) {
  const Polynom p1{1e-9, 2, 1};
  const Polynom p2{1, 1};
  const Polynom kopie1 = p1;
  const Polynom kopie2 = p2;
  (void)polyDiv2(p1, p2);
  EXPECT_EQ(p1.koeff, kopie1.koeff);
  EXPECT_EQ(p2.koeff, kopie2.koeff);
}

TEST(GgT, ErsterNichtNullRestWirdNormiert) {
  // x^2 - 1 and x^2 + 2x + 1: the remainder -2x - 2 is normed to x + 1.
  const Polynom g = ggT(Polynom{-1, 0, 1}, Polynom{1, 2, 1});
  EXPECT_EQ(g.koeff, (Polynom{1, 1}).koeff);
  // Norming by the negative lead -2 leaves no -0.0 among the vanished coefficients.
  for (const double c : g.koeff) EXPECT_FALSE(std::signbit(c));
}

TEST(GgT, TeilerGehtUngenormtZurueck) {
  // 2x - 2 divides x^2 - 1 at once: no norming.
  EXPECT_EQ(ggT(Polynom{-1, 0, 1}, Polynom{-2, 2}).koeff, (Polynom{-2, 2}).koeff);
}

TEST(GgT, NullpolynomUndPolynomGibtDasPolynom) {
  EXPECT_EQ(ggT(Polynom{}, Polynom{3, 0, 2}).koeff, (Polynom{3, 0, 2}).koeff);
}

TEST(GgT, KleinererGradZuerstVertauschtDieRollen) {
  EXPECT_EQ(ggT(Polynom{0, 2}, Polynom{0, 0, 1}).koeff, (Polynom{0, 1}).koeff);
}

TEST(GgT, TeilerfremdeGebenDieEins) {
  EXPECT_EQ(ggT(Polynom{1, 0, 1}, Polynom{-1, 1}).koeff, (Polynom{1}).koeff);
}

TEST(GgT, GemeinsamerFaktorHoeherenGrades) {
  // (x^2 + 1)(x - 2) and (x^2 + 1)(x + 3) share x^2 + 1.
  const Polynom gemeinsam{1, 0, 1};
  erwarteGleich(ggT(gemeinsam * linear(2), gemeinsam * linear(-3)), gemeinsam);
}

TEST(GgT, EndetAuchBeiGrossenKoeffizienten) {
  // Rounding residues above the smoothing bound must not keep the loop going.
  const Polynom p1{1, 3, 0, 0, 0, 1e12, 0, 0, 0, 0, 0, 0, 0, 0, 7e11};
  const Polynom p2{-4, 1e9, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3e10};
  EXPECT_GE(ggT(p1, p2).grad2(), 0);
}

TEST(LinFakZerlegung, OhneReelleNullstellenBleibtDerFaktorInKlammern) {
  EXPECT_EQ(linFakZerlegung(Polynom{1, 0, 1}, 2), "(  1  + x^2 )");
}

TEST(LinFakZerlegung, KonstantenStehenVorn) {
  EXPECT_EQ(linFakZerlegung(Polynom{5}, 2), "5.0 ");
  EXPECT_EQ(linFakZerlegung(Polynom{1}, 2), "");
  EXPECT_EQ(linFakZerlegung(Polynom{-1}, 2), "- ");
}

struct ZerlegungsFall {
  std::string name;
  Polynom f;
  std::string text;
};
void PrintTo(const ZerlegungsFall& fall, std::ostream* os) { *os << fall.name; }


class LinFakZerlegungMitNullstellen : public testing::TestWithParam<ZerlegungsFall> {};

TEST_P(LinFakZerlegungMitNullstellen, Text) {
  EXPECT_EQ(linFakZerlegung(GetParam().f, 2), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LinFakZerlegungMitNullstellen,
    testing::Values(
        ZerlegungsFall{"ZweiIrrationaleWurzeln", {-2, -2, 2}, "2.0 (x + 0.62)(x - 1.62)"},
        ZerlegungsFall{"WurzelNullAlsX", {0, -1, 0, 1}, "(x + 1.0) x (x - 1.0)"},
        ZerlegungsFall{"DoppelteWurzelWiederholtIhrenFaktor", {2, -3, 0, 1},
                       "(x + 2.0)(x - 1.0)(x - 1.0)"},
        ZerlegungsFall{"MinusEinsAlsVorfaktor", {4, 0, -1}, "- (x + 2.0)(x - 2.0)"},
        ZerlegungsFall{"QuadratischerFaktorOhneWurzelnVorn", {-1, 0, 0, 1},
                       "(  1  + x + x^2 )(x - 1.0)"},
        ZerlegungsFall{"DreifacheWurzelNull", {0, 0, 0, 1}, " x  x  x "}),
    [](const auto& zeile) { return zeile.param.name; });

}  // namespace
}  // namespace quarvel
