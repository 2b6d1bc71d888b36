#pragma once

#include "app/zustand.h"

namespace quarvel {

// Chooses the source frame that the graph takes over at its next settling. The by-points
// window is refused (with a message, nothing changed) without two points spanning a
// rectangle.
void fensterWahl(Zustand& z, FensterW wahl);
// The frame spanned by the active points, for the by-points window; false when refused.
bool punktDeckelSetzen(Zustand& z);
// Chooses which functions are drawn: the current one, the one named in the name field
// (falling back to the current one with an alert), or all visible stored ones.
void grafWahl(Zustand& z, GrafikDimension wahl);

}  // namespace quarvel
