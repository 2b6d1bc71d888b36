#pragma once

#include <string>

#include "model/punkt.h"

namespace quarvel {

// `name` followed by the smallest integer i >= 0 for which name + i is not yet a stored
// point: "H0", then "H1" and so on.
std::string nummeriert(const Punktliste& punkte, const std::string& name);

}  // namespace quarvel
