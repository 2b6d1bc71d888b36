#pragma once

#include <string>

#include "model/polynom.h"

namespace quarvel {

// Symmetry found by the test below: point-symmetric, symmetric to a vertical axis, a line
// or constant (symmetric to each of its points), or none.
enum class Symmetrieverhalten { psym, asym, bisymm, ohne };

struct Symmetrie {
  Symmetrieverhalten art = Symmetrieverhalten::ohne;
  // The x of the centre (psym) or of the axis (asym), else 0.
  double c = 0;
};

// An even degree is tested for an axis through the middle stationary point, an odd degree
// for a centre at the middle root of p'', each at distance 1 on both sides.
Symmetrie symmetrieVerhalten(const Polynom& p, int dezimalen);
// The symmetry sentence of the description.
std::string symVerhalten(const Polynom& p, int dezimalen);

// How the graph of a polynomial of degree 2 … 14 comes in from the left and leaves to the
// right: the texts after "Er kommt" and after "Der Graph strebt".
struct KurvenEnden {
  std::string links;
  std::string rechts;
};
KurvenEnden kurvenEnden(const Polynom& p);

// The kinds of the critical point of p at x ("Nullpunkt und Tiefpunkt", "r-l-Wendepunkt",
// …) and the slope there unless it rounds to 0. A position that is none of these (p''
// vanishes without a change of curvature) is a "Flachpunkt".
// With `brueche` the slope is written as a fraction where it is one.
std::string verlauf(const Polynom& p, double x, int dezimalen, bool brueche = false);

// The prose description of the graph of fu: kind of graph, end behaviour, every critical
// point with its kinds, and the symmetry. With `brueche` every number that is a fraction
// with a small denominator is written as one.
std::string kurvendiskussion2fu(const Polynom& fu, int dezimalen, bool brueche = false);

}  // namespace quarvel
