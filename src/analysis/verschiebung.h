#pragma once

#include "model/polynom.h"

namespace quarvel {

// p^n by repeated multiplication; 1.0 for n <= 0.
double pHochn(double p, int n);
// n! as an integer product (1 for n <= 0); exact up to 14! and beyond.
double fakul(int n);
// The coefficient of x^j in p(x - c), that is the sum over i >= j of p[i] * C(i, j) * (-c)^(i-j);
// for 0 <= j <= degree of p.
double koff(const Polynom& p, double c, int j);

// The graph moved by the vector (h; v): akt(x - h) + v.
Polynom verschAktPolynom(const Polynom& akt, double h, double v);
// Mirrored at the line y = d: 2d - akt(x).
Polynom spiegeleAnHor(const Polynom& akt, double d);
// Mirrored at the line x = c: p(2c - x), from the Taylor coefficients of p at 2c.
Polynom spiegeleAnVer(const Polynom& p, double c);
// Mirrored at the point (c, d): 2d - akt(2c - x).
Polynom spiegeleAmPunkt(const Polynom& akt, double c, double d);

}  // namespace quarvel
