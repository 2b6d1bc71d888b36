#pragma once

#include <optional>
#include <string>

#include "app/befehle.h"
#include "app/funktionsbefehle.h"
#include "app/funktionswahl.h"
#include "app/schale.h"
#include "app/zustand.h"

// Shared by the calculation commands (division, values and integrals, shifts and mirrors).
namespace quarvel::berechnung {

void registriereDivisionsbefehle(Befehlstabelle& t);
void registriereIntegralbefehle(Befehlstabelle& t);
void registriereVerschiebungsbefehle(Befehlstabelle& t);

}  // namespace quarvel::berechnung
