#include "analysis/integral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quarvel {
namespace {

// Everyday integrals, antiderivatives and areas are checked end to end (berechnung_integral,
// berechnung_stammfunktion, berechnung_flaechen); here stand identities and worked-out values
// up to degree 14.

Polynom mitX14(double a14, Polynom rest) {
  rest.koeff[14] = a14;
  return rest;
}

TEST(Integral, StammfunktionAbgeleitetGibtDasPolynom) {
  const Polynom p{1.5, -2, 0, 4, 0.25, 0, 0, 0, 0, 0, 0, 0, 0, 3};
  const Polynom zurueck = stammfunktion(p).abl();
  for (std::size_t i = 0; i < p.koeff.size(); ++i) EXPECT_NEAR(zurueck.koeff[i], p.koeff[i], 1e-12);
}

TEST(Integral, BestimmteIntegrale) {
  // 1 - 3x + 0.5x^3 + 2x^4, worked out by hand.
  const auto F = [](double x) {
    return x - 1.5 * x * x + x * x * x * x / 8 + 0.4 * std::pow(x, 5);
  };
  struct Fall {
    Polynom p;
    double a, b, wert;
  };
  const Fall faelle[] = {
      {Polynom{-2, -2, 2}, 0, 1, -7.0 / 3.0},
      {Polynom{-2, -2, 2}, 1.25, 1.25, 0.0},
      {Polynom{1, -3, 0, 0.5, 2}, -1, 2.5, F(2.5) - F(-1)},
      {Polynom{1, -3, 0, 0.5, 2}, 2.5, -1, F(-1) - F(2.5)},  // swapped bounds change the sign
      {mitX14(1, {}), 0, 1, 1.0 / 15},
      {mitX14(1, {}), -1, 1, 2.0 / 15},
      {mitX14(1, {}), 0, 2, 32768.0 / 15},
      {mitX14(3, Polynom{0, 1}), 0, 2, 3 * 32768.0 / 15 + 2},
  };
  for (const Fall& f : faelle) {
    EXPECT_NEAR(bestIntegral(f.p, f.a, f.b), f.wert, 1e-12 * std::max(1.0, std::abs(f.wert)))
        << f.a << " … " << f.b;
  }
}

TEST(Integral, EingeschlosseneFlaeche) {
  struct Fall {
    Polynom p;
    std::vector<double> nullstellen;
    double flaeche;
  };
  const Fall faelle[] = {
      {Polynom{0, -1, 0, 1}, {-1, 0, 1}, 0.5},  // two regions of 1/4, one below the axis
      {Polynom{-1, 0, 1}, {-1, 1}, 4.0 / 3},
      {Polynom{4, 0, -5, 0, 1}, {-2, -1, 1, 2}, 8.0},  // 22/15 + 76/15 + 22/15
      {mitX14(1, Polynom{-1}), {-1, 1}, 28.0 / 15},
      {Polynom{0, 1}, {0}, 0.0},  // fewer than two roots enclose nothing
      {Polynom{1, 0, 1}, {}, 0.0},
  };
  for (const Fall& f : faelle) {
    EXPECT_NEAR(eingeschlosseneFlaeche(f.p, f.nullstellen), f.flaeche, 1e-12) << f.flaeche;
  }
}

}  // namespace
}  // namespace quarvel
