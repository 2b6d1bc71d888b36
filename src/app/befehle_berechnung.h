#pragma once

#include <optional>
#include <string>

#include "app/befehle.h"
#include "app/funktionsbefehle.h"
#include "app/schale.h"
#include "app/zustand.h"

// Shared by the calculation commands (division, values and integrals, shifts and mirrors).
namespace quarvel::berechnung {

void registriereDivisionsbefehle(Befehlstabelle& t);
void registriereIntegralbefehle(Befehlstabelle& t);
void registriereVerschiebungsbefehle(Befehlstabelle& t);

struct GewaehlteFunktion {
  std::string name;
  PolynomRef p;
};

// The function named in the name field ("akt" for the current one); when there is none,
// the user is warned and the result is empty.
std::optional<GewaehlteFunktion> gewaehlteFunktion(Zustand& z);

}  // namespace quarvel::berechnung
