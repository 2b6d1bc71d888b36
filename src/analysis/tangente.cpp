#include "analysis/tangente.h"

#include <cmath>

#include "analysis/nullstellen.h"

namespace quarvel {

namespace {

// A stored coefficient is never -0.0.
double ohneNegativeNull(double v) {
  return v == 0.0 ? 0.0 : v;
}

}  // namespace

Gerade tangenteAn(const Polynom& p, double x0) {
  const Polynom d1 = p.abl();
  // A slope that is nothing but the rounding error of evaluating p' is a horizontal tangent.
  const double m = wertIstNull(d1, x0) ? 0.0 : d1.wert(x0);
  return {ohneNegativeNull(m), ohneNegativeNull(p.wert(x0) - m * x0), false};
}

Gerade normaleAn(const Polynom& p, double x0) {
  const Gerade t = tangenteAn(p, x0);
  if (t.steigung == 0.0) return {0.0, 0.0, true};
  const double m = -1.0 / t.steigung;
  const double b = p.wert(x0) - m * x0;
  // A slope so small that its reciprocal leaves the doubles is vertical as well.
  if (!std::isfinite(m) || !std::isfinite(b)) return {0.0, 0.0, true};
  return {ohneNegativeNull(m), ohneNegativeNull(b), false};
}

}  // namespace quarvel
