#pragma once

#include <optional>
#include <string>
#include <vector>

#include "construction/matrix.h"
#include "construction/vektor.h"
#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// The least-squares polynomial of a requested degree: the ordinates are projected onto the
// span of the sampled powers 1, x, x^2, … by way of an orthonormal basis found by
// Gram-Schmidt. Each basis vector is kept as a row of coefficients over the sampled powers.

struct Stuetzpunkt {
  double x = 0;
  double y = 0;
  bool operator==(const Stuetzpunkt&) const = default;
};
using Punktsystem = std::vector<Stuetzpunkt>;

// Every point with a given y, active or not, in key order; of several points with exactly
// the same x only the first is kept.
Punktsystem erzeugePunktsystem(const Punktliste& punkte);

struct Erzeugendensystem {
  std::vector<Vektor> es;  // es[i]: the i-th powers of the abscissas
  Vektor v;                // the ordinates
};
Erzeugendensystem pp2vl(const Punktsystem& punktsys, int n);

// The dot products es[i] * es[j]. Everything below needs only these, so each is formed once.
Matrix gramMatrix(const std::vector<Vektor>& es);

// The same dot products, and those with the ordinates, straight from the points without
// forming the vectors: es[i] * es[j] = sum of x^(i+j), v * es[i] = sum of y x^i.
struct Skalarprodukte {
  Matrix gram;              // n × n
  std::vector<double> ves;  // v * es[i]
};
Skalarprodukte skalarprodukte(const Punktsystem& punktsys, int n);

// Norm of the vector that row `znr` of m describes over the generating vectors.
double spezNorm(const Matrix& m, int znr, const Matrix& gram);

// Rows of coefficients of an orthonormal basis of span(es), by Gram-Schmidt. The vectors
// carry the sign −1 against the classical ones; projections do not notice.
Matrix genONB(const std::vector<Vektor>& es);
Matrix genONBausGram(const Matrix& gram);

// Coefficients (lowest power first, at least 8) of the projection of v onto span(es);
// magnitudes below 1e-7 become 0.
Vektor approximation(const Vektor& v, const std::vector<Vektor>& es, const Matrix& onbMatrix);
// The same from the dot products v * es[i].
Vektor approximationAusSkalarprodukten(const std::vector<double>& ves, const Matrix& onbMatrix);

struct Regression {
  std::optional<Polynom> p;
  // Why there is no result.
  std::string fehlermeldung;
};
// The degree is lowered to one below the number of distinct abscissas where needed.
Regression regression(const Punktliste& punkte, int grad);
Regression regression(const Punktsystem& punktsys, int grad);

}  // namespace quarvel
