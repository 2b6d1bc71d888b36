#pragma once

#include <string>

#include "app/zustand.h"
#include "model/spline.h"

namespace quarvel {

// Storing and removing named objects on behalf of the commands. The lists keep their name
// pools themselves (model/objektlisten.h); these add what the application needs around
// them: the extents and critical points of stored functions and the graph frames.

// Stores p under `name` (replacing any function of that name) with fresh extents and
// critical points, visible; the function frame is recomputed.
void fuEinlisten(Zustand& z, const std::string& name, const PolynomRef& p);
// Stores a point and recomputes the frames.
void pktEinlisten(Zustand& z, const std::string& name, const PunktRef& p);
// Removes a point and recomputes the point frame.
void pktAuslisten(Zustand& z, const std::string& name);
// Stores a spline (replacing any spline of that name) and recomputes the function frame.
void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s);
// Removes every spline; their extents leave the function frame too.
void splinelisteLeeren(Zustand& z);

// Recompute the function or point frame and ask the graph to redraw.
void neuF(Zustand& z);
void neuP(Zustand& z);

}  // namespace quarvel
