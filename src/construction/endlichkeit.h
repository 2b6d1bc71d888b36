#pragma once

#include <algorithm>
#include <cmath>

#include "model/polynom.h"

namespace quarvel {

// Points far from the origin can overflow the powers of a construction; such a result is
// a failure, never a function with infinite or undefined coefficients.
inline bool istEndlich(const Polynom& p) {
  return std::all_of(p.koeff.begin(), p.koeff.end(), [](double c) { return std::isfinite(c); });
}

}  // namespace quarvel
