#pragma once

#include <span>
#include <vector>

#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// Ascending critical positions of p0 (roots of p0, p0' and p0''), without near-duplicates.
std::vector<double> erzeugeKritStellenListe(const Polynom& p0, int dezimalen);
// The same from the roots of p0, p0' and p0'' already at hand (entries 0, 1, 2).
std::vector<double> kritStellenAusNullstellen(std::span<const std::vector<double>> nullstellen012);

// Drawing extents of one polynomial: its critical points and the origin, slightly widened.
Grenzen polyDatenX(const Polynom& p0, int dezimalen);

// Common extents of all visible functions and splines; (0, 0, 0, 0) when nothing is visible.
// Functions are measured afresh, splines by their stored extents.
Grenzen allFuGrenzen(const Objektlisten& listen, int dezimalen);

// The smallest and largest value of a polynomial on an interval.
struct Wertebereich {
  double lo = 0;
  double hi = 0;
  bool operator==(const Wertebereich&) const = default;
};

// Value range of p on [von, bis]: its end values and the values at the stationary points
// strictly inside.
Wertebereich extremaImIntervall(const Polynom& p, double von, double bis, int dezimalen);

}  // namespace quarvel
