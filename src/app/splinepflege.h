#pragma once

#include <string>

#include "app/zustand.h"
#include "model/spline.h"

namespace quarvel {

// Storing and removing splines. Spline names come from the function-name pool, so both
// keep that pool and the function frame in step with the spline list.

// Names the spline, stores it (replacing any spline of that name), takes the name out of
// the pool and recomputes the function frame.
void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s);
// Removes the spline of that name, gives the name back to the pool and recomputes the
// function frame.
void splineAuslisten(Zustand& z, const std::string& name);
// Removes every spline and gives all their names back; returns how many there were.
std::size_t splinelisteLeeren(Zustand& z);

}  // namespace quarvel
