#pragma once

#include "app/zustand.h"
#include "graph/anzeigeliste.h"

namespace quarvel {

// Draws the graph view from the state.
Anzeigeliste grafikZeichnen(const Zustand& z);
// The legend of the shown frame with the current number of decimals.
std::string grafikLegende(const Zustand& z);

}  // namespace quarvel
