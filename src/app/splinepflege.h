#pragma once

#include <string>

#include "app/zustand.h"
#include "model/spline.h"

namespace quarvel {

// Storing splines and emptying their list. Spline names come from the function-name pool,
// so both keep that pool and the function frame in step with the spline list. (A single
// spline is deleted by the function commands, like a function.)

// Names the spline, stores it (replacing any spline of that name), takes the name out of
// the pool and recomputes the function frame.
void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s);
// Removes every spline, gives all their names back and recomputes the function frame.
void splinelisteLeeren(Zustand& z);

}  // namespace quarvel
