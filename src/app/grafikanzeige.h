#pragma once

#include "app/zustand.h"
#include "graph/anzeigeliste.h"

namespace quarvel {

// Draws the graph view from the state (updating its legend and scale ticks).
Anzeigeliste grafikZeichnen(Zustand& z);

}  // namespace quarvel
