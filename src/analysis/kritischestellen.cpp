#include "analysis/kritischestellen.h"

namespace quarvel {

// The root finder arrives with the analysis; until then a polynomial has no critical
// positions and its extents are the unit frame around the origin.
std::vector<double> erzeugeKritStellenListe(const Polynom&, int) { return {}; }

Grenzen polyDatenX(const Polynom&, int) { return {-1, 1, -1, 1}; }

Grenzen allFuGrenzen(const Objektlisten&, int) { return {}; }

}  // namespace quarvel
