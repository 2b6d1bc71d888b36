#pragma once

#include <vector>

#include "model/polynom.h"

namespace quarvel {

// The antiderivative with constant term 0: F[i] = p[i-1] / i for i = 1 ... 14. The x^14
// term of p has no place among fifteen coefficients and is left out; callers that need
// an exact result for degree 14 use bestIntegral, and storing commands refuse degree 14.
Polynom stammfunktion(const Polynom& p);

// The definite integral of f from `von` to `bis` (not reordered: swapping the limits
// changes the sign), including the contribution of an x^14 term.
double bestIntegral(const Polynom& f, double von, double bis);

// The area between the graph of p and the x-axis from the first to the last of the
// ascending roots: the absolute integrals between neighbouring roots, added up.
// Zero for fewer than two roots.
double eingeschlosseneFlaeche(const Polynom& p, const std::vector<double>& nullstellen);

}  // namespace quarvel
