#include "analysis/verschiebung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace quarvel {
namespace {

// Shifts and mirrors of low degree are checked coefficient by coefficient end to end
// (berechnung_verschiebung, berechnung_grenzfaelle), the mirror in a horizontal line and
// in a point (that mirror and one in a vertical line) only there; here stand the edge cases
// of the helpers and the values of a polynomial of high degree.

// Powers and factorials of 0 to 14 serve the shift of x^14 below.
TEST(Hilfen, NegativeExponentenGeben1) {
  EXPECT_EQ(pHochn(5, -2), 1.0);
  EXPECT_EQ(fakul(-1), 1.0);
}

TEST(Verschiebung, VierzehnterGradUndNullpolynom) {
  Polynom x14;
  x14.koeff[14] = 1;
  // (x - 1)^14 has the coefficients C(14, j) (-1)^(14-j).
  EXPECT_EQ(verschAktPolynom(x14, 1, 0).koeff, (Polynom{1, -14, 91, -364, 1001, -2002, 3003, -3432,
                                                        3003, -2002, 1001, -364, 91, -14, 1}
                                                    .koeff));
  EXPECT_EQ(verschAktPolynom(Polynom{}, 3, 2.5).koeff, Polynom{2.5}.koeff);
}

TEST(Verschiebung, WerteSindDieDesAbgebildetenGraphen) {
  // Degree 9 with mixed signs.
  const Polynom f{0.5, -1, 2, 0, -0.75, 1, 0, 0.25, -0.5, 0.125};
  struct Fall {
    const char* was;
    Polynom bild;
    std::function<double(double)> soll;
  };
  const Fall faelle[] = {
      {"um (1.5, -2.25) verschoben", verschAktPolynom(f, 1.5, -2.25),
       [&](double x) { return f.wert(x - 1.5) - 2.25; }},
      {"an x = -0.75 gespiegelt", spiegeleAnVer(f, -0.75),
       [&](double x) { return f.wert(-1.5 - x); }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    EXPECT_EQ(fall.bild.grad2(), f.grad2());
    for (const double x : {-2.0, -0.5, 0.0, 1.0, 3.25}) {
      const double soll = fall.soll(x);
      EXPECT_NEAR(fall.bild.wert(x), soll, 1e-9 * std::max(1.0, std::abs(soll))) << "x = " << x;
    }
  }
}

}  // namespace
}  // namespace quarvel
