#pragma once

#include <vector>

#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// Ascending critical positions of p0 (roots of p0, p0' and p0''), without near-duplicates.
std::vector<double> erzeugeKritStellenListe(const Polynom& p0, int dezimalen);

// Drawing extents of one polynomial: its critical points and the origin, slightly widened.
Grenzen polyDatenX(const Polynom& p0, int dezimalen);

// Common extents of all visible functions and splines; (0, 0, 0, 0) when nothing is visible.
Grenzen allFuGrenzen(const Objektlisten& listen, int dezimalen);

}  // namespace quarvel
