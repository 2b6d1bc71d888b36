#pragma once

#include "app/zustand.h"

namespace quarvel {

// Chooses the source frame that the graph takes over at its next settling.
void fensterWahl(Zustand& z, FensterW wahl);
// The frame spanned by the active points, for the by-points window.
void punktDeckelSetzen(Zustand& z);

}  // namespace quarvel
