#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/polynom.h"

namespace quarvel::test {

// a · (x - r1)(x - r2)…, multiplied out in double as a user's term would be.
inline Polynom ausNullstellen(double a, const std::vector<double>& nullstellen) {
  Polynom p{a};
  for (double r : nullstellen) p = p * Polynom{-r, 1.0};
  return p;
}

// (x - 1)(x - 2)…(x - 14): 14 roots, 13 stationary points, 12 inflection positions.
inline Polynom vierzehnNullstellen() {
  return ausNullstellen(1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
}

// Coefficient-wise comparison, relative to the size of each coefficient.
inline void erwarteGleich(const Polynom& ist, const Polynom& soll, double toleranz = 1e-9) {
  for (std::size_t i = 0; i < ist.koeff.size(); ++i) {
    const double massstab = std::max({1.0, std::abs(ist.koeff[i]), std::abs(soll.koeff[i])});
    EXPECT_NEAR(ist.koeff[i], soll.koeff[i], toleranz * massstab) << "bei x^" << i;
  }
}

}  // namespace quarvel::test
