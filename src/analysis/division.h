#pragma once

#include <string>

#include "model/polynom.h"

namespace quarvel {

struct Division {
  Polynom quotient;
  Polynom rest;
};

// Division with remainder: p1 = p2 * quotient + rest, deg rest < deg p2. Both results are
// smoothed (coefficients below 1e-7 become 0). p2 must not be the zero polynomial.
Division polyDiv2(const Polynom& p1, const Polynom& p2);

// Greatest common divisor by Euclid's algorithm. Monic as soon as one remainder was not
// zero; when p2 divides p1 at once, p2's own coefficients (not normed).
Polynom ggT(const Polynom& p1, const Polynom& p2);

// The factorisation of f over its real roots, e.g. "2.0 (x + 0.62)(x - 1.62)": a leading
// constant (left out for 1, "- " for -1), then a factor without real roots in
// "( ... )", then the linear factors in ascending order of their roots.
std::string linFakZerlegung(const Polynom& f, int dezimalen);

}  // namespace quarvel
