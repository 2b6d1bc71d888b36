#pragma once

#include <vector>

#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// The interpolation polynomial of the active points with an ordinate, in Lagrange form.

// A polynomial of degree at most 14 passes through at most this many points in general.
inline constexpr int maxInterpolationspunkte = pgrad + 1;

// The active points with a given y, in the list's key order.
std::vector<Punkt> genPunktfeld2(const Punktliste& punkte);
// (x − arg[j]) / (arg[i] − arg[j]).
Polynom elPoly(int i, int j, const std::vector<double>& arg);
// werte[i] times the Lagrange basis polynomial of node i.
Polynom elProdPoly(int i, const std::vector<double>& arg, const std::vector<double>& werte);
// True for at least two abscissas of which no two are closer than 1e-15.
bool doppelArgumenteAblehnen(const std::vector<double>& arg);

struct Interpolation {
  bool ok = false;
  Polynom p;
  // Refused because more than 15 points would need a degree above 14.
  bool zuVielePunkte = false;
};
// Not ok also when the coefficients overflow.
Interpolation genInterpolPol(const Punktliste& punkte);

}  // namespace quarvel
