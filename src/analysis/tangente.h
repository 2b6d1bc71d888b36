#pragma once

#include "model/polynom.h"

namespace quarvel {

// The tangent or normal of a graph at x0, as the line y = steigung · x + achsenabschnitt.
struct Gerade {
  double steigung = 0;
  double achsenabschnitt = 0;
  // A normal where the tangent is horizontal: the line x = x0, which is no function.
  bool senkrecht = false;

  Polynom alsPolynom() const { return Polynom{achsenabschnitt, steigung}; }
};

Gerade tangenteAn(const Polynom& p, double x0);
Gerade normaleAn(const Polynom& p, double x0);

}  // namespace quarvel
