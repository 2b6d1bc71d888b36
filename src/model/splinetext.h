#pragma once

#include <string>

#include "model/objektlisten.h"

namespace quarvel {

// "Liste der gespeicherten Spline-Funktionen …": each spline's name with its colour (or
// "unsichtbar"), names in ascending order. Callers say so themselves when the list is empty.
std::string gesamtSplineliste(const Objektlisten& listen);

// The pieces of one stored spline with their intervals; callers check the name first.
// With `brueche` numbers that are fractions with small denominators are written as such.
std::string splineKomponentenAnzeigen(const Objektlisten& listen, const std::string& name,
                                      int dezimalen, bool brueche = false);

}  // namespace quarvel
