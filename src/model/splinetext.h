#pragma once

#include <string>

#include "model/objektlisten.h"

namespace quarvel {

// "Liste der gespeicherten Spline-Funktionen …": every stored spline by name with its colour.
std::string gesamtSplineliste(const Objektlisten& listen, int dezimalen);

}  // namespace quarvel
