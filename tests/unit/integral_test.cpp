#include "analysis/integral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvel {
namespace {

// Everyday integrals, antiderivatives and areas are checked end to end (berechnung_integral,
// berechnung_stammfunktion, berechnung_flaechen), those of degree 2 to 4 against exact values
// in genauigkeit_test; here stand degree 14 and the edge cases.

Polynom mitX14(double a14, Polynom rest = {}) {
  rest.koeff[14] = a14;
  return rest;
}

TEST(Integral, StammfunktionAbgeleitetGibtDasPolynom) {
  const Polynom p{1.5, -2, 0, 4, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 3};
  const Polynom zurueck = stammfunktion(p).abl();
  for (std::size_t i = 0; i < p.koeff.size(); ++i) EXPECT_NEAR(zurueck.koeff[i], p.koeff[i], 1e-12);
}

TEST(Integral, BestimmteIntegraleUndFlaechen) {
  struct Fall {
    Polynom p;
    double a, b, wert;
  };
  const Fall integrale[] = {
      {Polynom{-2, -2, 2}, 1.25, 1.25, 0.0},
      {mitX14(1), -1, 1, 2.0 / 15},
      {mitX14(1), 0, 2, 32768.0 / 15},
      {mitX14(3, Polynom{0, 1}), 0, 2, 3 * 32768.0 / 15 + 2},
  };
  for (const Fall& f : integrale) {
    EXPECT_NEAR(bestIntegral(f.p, f.a, f.b), f.wert, 1e-12 * std::max(1.0, std::abs(f.wert)))
        << f.a << " … " << f.b;
  }
  EXPECT_NEAR(eingeschlosseneFlaeche(mitX14(1, Polynom{-1}), {-1, 1}), 28.0 / 15, 1e-12);
  EXPECT_EQ(eingeschlosseneFlaeche(Polynom{0, 1}, {0}), 0.0) << "one root encloses nothing";
}

}  // namespace
}  // namespace quarvel
