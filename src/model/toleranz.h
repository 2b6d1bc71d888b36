#pragma once

#include <cmath>

namespace quarvel {

// The two tolerances of the whole core: 1e-15 for "is zero" and 1e-7 for "is
// practically zero". Both comparisons are strict.
inline bool istNull(double x) {
  return std::abs(x) < 1e-15;
}
inline bool istFastNull(double x) {
  return std::abs(x) < 1e-7;
}
inline double korr(double x) {
  return istNull(x) ? 0.0 : x;
}
inline double pur(double x) {
  return istFastNull(x) ? 0.0 : x;
}

// The largest magnitude a typed point coordinate or frame limit may have. Up to it every
// mapping to the view, every scale and every rounding for display stays finite.
inline constexpr double groessterEingabebetrag = 1e15;
// False for NaN and infinity as well.
inline bool istHandlich(double x) {
  return std::abs(x) <= groessterEingabebetrag;
}
// Frames fitted around handy points or functions get some margin on top.
inline constexpr double groessterRahmenBetrag = 10 * groessterEingabebetrag;

}  // namespace quarvel
