#pragma once

#include <vector>

#include "model/polynom.h"

namespace quarvel {

// All real roots of p in ascending order, each snapped to `dezimalen` decimals where the
// rounded value is still a root.
std::vector<double> nullstMenge(const Polynom& p, int dezimalen);

}  // namespace quarvel
