#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// The least-squares polynomial of a requested degree: the ordinates are projected onto the
// span of the sampled powers 1, t, t^2, … of the abscissas mapped to t in [-1, 1], by way
// of an orthonormal basis found by Gram-Schmidt on the sampled vectors themselves.

struct Stuetzpunkt {
  double x = 0;
  double y = 0;
  bool operator==(const Stuetzpunkt&) const = default;
};
using Punktsystem = std::vector<Stuetzpunkt>;

// Every point with a given y, active or not, in key order; of several points with exactly
// the same x only the first is kept.
Punktsystem erzeugePunktsystem(const Punktliste& punkte);

struct Regression {
  std::optional<Polynom> p;
  // Why there is no result.
  std::string fehlermeldung;
};
// The degree is lowered to one below the number of distinct abscissas where needed.
Regression regression(const Punktliste& punkte, int grad);
Regression regression(const Punktsystem& punktsys, int grad);

}  // namespace quarvel
