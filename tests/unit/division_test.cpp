#include "analysis/division.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/polynomtext.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

using test::erwarteGleich;

// Texts and coefficients of everyday divisions, gcds and factorisations are checked end to end
// (berechnung_division, berechnung_grenzfaelle, berechnung_linearfaktoren); here stand the
// identities that hold for any operands and the cases no script reaches.

Polynom linear(double a) {
  return Polynom{-a, 1};
}  // x - a

TEST(PolyDiv2, DividendGleichDivisorMalQuotientPlusRest) {
  const Polynom p1{1, -3, 0.5, 2, 0, -1.5, 4, 0, 1, 0, 0, 2, -1, 3, 0.25};
  for (const Polynom& p2 :
       {Polynom{2, 0, -1, 3}, Polynom{-0.5, 1}, Polynom{1, 1, 1, 1, 1, 1, 1, 0.5},
        Polynom{3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2}}) {
    const Division d = polyDiv2(p1, p2);
    erwarteGleich(p2 * d.quotient + d.rest, p1, 1e-8);
    EXPECT_LT(d.rest.grad2(), p2.grad2());
  }
}

TEST(PolyDiv2, RandfaelleExakt) {
  const Division null = polyDiv2(Polynom{}, Polynom{1, 2});
  EXPECT_EQ(null.quotient.koeff, Polynom{}.koeff);
  EXPECT_EQ(null.rest.koeff, Polynom{}.koeff);
  // x^2 + 1e-9 x by x is x + 1e-9, whose small term is smoothed away.
  const Division klein = polyDiv2(Polynom{0, 1e-9, 1}, Polynom{0, 1});
  EXPECT_EQ(klein.quotient.koeff, (Polynom{0, 1}.koeff));
  EXPECT_EQ(klein.rest.koeff, Polynom{}.koeff);
}

TEST(GgT, Faelle) {
  struct Fall {
    const char* name;
    Polynom p1, p2, soll;
  };
  const Polynom gemeinsam{1, 0, 1};
  const Fall faelle[] = {
      // The remainder -2x - 2 is normed by its negative lead to x + 1.
      {"ErsterNichtNullRestWirdNormiert", {-1, 0, 1}, {1, 2, 1}, {1, 1}},
      {"KleinererGradZuerstVertauschtDieRollen", {0, 2}, {0, 0, 1}, {0, 1}},
      {"TeilerfremdeGebenDieEins", {1, 0, 1}, {-1, 1}, {1}},
      {"GemeinsamerFaktorHoeherenGrades", gemeinsam * linear(2), gemeinsam * linear(-3), gemeinsam},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    const Polynom g = ggT(fall.p1, fall.p2);
    erwarteGleich(g, fall.soll);
    // Norming leaves no -0.0 among the vanished coefficients.
    for (const double c : g.koeff) EXPECT_FALSE(std::signbit(c) && c == 0.0);
  }
}

TEST(GgT, EndetAuchBeiGrossenKoeffizienten) {
  // Rounding residues above the smoothing bound must not keep the loop going.
  const Polynom p1{1, 3, 0, 0, 0, 1e12, 0, 0, 0, 0, 0, 0, 0, 0, 7e11};
  const Polynom p2{-4, 1e9, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3e10};
  EXPECT_GE(ggT(p1, p2).grad2(), 0);
}

TEST(LinFakZerlegung, KonstantenStehenVorn) {
  EXPECT_EQ(linFakZerlegung(Polynom{5}, 2), "5.0 ");
  EXPECT_EQ(linFakZerlegung(Polynom{1}, 2), "");
  EXPECT_EQ(linFakZerlegung(Polynom{-1}, 2), "- ");
}

}  // namespace
}  // namespace quarvel
