#pragma once

#include <cmath>

namespace quarvel {

// The two tolerances of the whole core: 1e-15 for "is zero" and 1e-7 for "is
// practically zero". Both comparisons are strict.
inline bool istNull(double x) { return std::abs(x) < 1e-15; }
inline bool istFastNull(double x) { return std::abs(x) < 1e-7; }
inline double korr(double x) { return istNull(x) ? 0.0 : x; }
inline double pur(double x) { return istFastNull(x) ? 0.0 : x; }

}  // namespace quarvel
