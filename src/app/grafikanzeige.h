#pragma once

#include "app/zustand.h"
#include "graph/anzeigeliste.h"

namespace quarvel {

// Draws the graph view from the state (updating its legend and scale ticks).
Anzeigeliste grafikZeichnen(Zustand& z);
// The legend and scale ticks a drawing would leave, at a cost independent of the lists.
void grafikstandAktualisieren(Zustand& z);

}  // namespace quarvel
