#pragma once

#include <vector>

#include "construction/matrix.h"
#include "model/polynom.h"
#include "model/punkt.h"
#include "model/spline.h"

namespace quarvel {

// The natural cubic spline through the active points: cubic pieces between neighbouring
// knots that agree in value, slope and curvature at the inner knots, with vanishing
// curvature at both ends. Piece i is stored as an ordinary polynomial in x.

// At least two entries, each smaller than the next.
bool istStrengZunehmend(const std::vector<double>& feld);

struct Stuetzstellen {
  std::vector<double> X;  // knots, strictly increasing
  std::vector<double> Y;  // their ordinates
};
// The active points' abscissas in ascending order, each once: of points with exactly the
// same x the later one gives the ordinate; an abscissa closer than 1e-15 to the previous
// knot is dropped. The stored y counts even where it is marked as not given.
Stuetzstellen punktVorbereitung(const std::vector<Punkt>& pfeld);

// The 1 × 4m coefficient row (unknown 4i + k is the coefficient of x^k in piece i), from
// the tridiagonal system of the knot curvatures (linear cost).
Matrix genSplineKoeffizienten(const std::vector<double>& X, const std::vector<double>& Y);

// The pieces as polynomials, from a 1 × 4m coefficient row.
std::vector<Polynom> splineStuecke(const Matrix& koeffizienten);

// Drawing extents: the value range of every piece on its interval, the x-axis always
// inside, widened by a twentieth on each side.
Grenzen spRahmen(const Spline& f, int dezimalen);

struct SplineBau {
  // At least three distinct active abscissas, and pieces that fit into doubles.
  bool ok = false;
  SplineRef s;  // with its extents; null when not ok
};
SplineBau genSpline(const Punktliste& punkte, int dezimalen);

}  // namespace quarvel
