#pragma once

#include <array>

#include "model/polynom.h"

namespace quarvel {

// A polynomial and its derivatives of order 1 to 14, entry k being the k-th derivative.
using Ableitungen = std::array<Polynom, anzahlKoeffizienten>;

// The coefficients of p (without its display fields) and all its derivatives.
Ableitungen ableitungenVon(const Polynom& p);

}  // namespace quarvel
