#pragma once

#include <string>

#include "app/zustand.h"

namespace quarvel {

// Storing and removing named objects. These keep the name pools, the extents and
// critical points of stored functions, and the graph frames in step with the lists.

// Stores p under `name` (replacing any function of that name) with fresh extents and
// critical points, visible; the name leaves the pool; the function frame is recomputed.
void fuEinlisten(Zustand& z, const std::string& name, const PolynomRef& p);
// Removes a function; a one-letter name goes back into the pool. The frame stays.
void fuAuslisten(Zustand& z, const std::string& name);
// Stores a point (the caller sets its name field); the name leaves the pool.
void pktEinlisten(Zustand& z, const std::string& name, const PunktRef& p);
// Removes a point; its name goes back into the pool whatever its form.
void pktAuslisten(Zustand& z, const std::string& name);

// Recompute the function or point frame and ask the graph to redraw.
void neuF(Zustand& z);
void neuP(Zustand& z);

}  // namespace quarvel
