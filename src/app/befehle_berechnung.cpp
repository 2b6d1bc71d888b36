#include "app/befehle_berechnung.h"

#include "app/funktionswahl.h"

namespace quarvel {

namespace berechnung {

std::optional<GewaehlteFunktion> gewaehlteFunktion(Zustand& z) {
  const Funktionswahl wahl = fuNameok(z);
  if (!wahl.ok) {
    warnung(z, "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen.");
    return std::nullopt;
  }
  return GewaehlteFunktion{wahl.name, gewaehltePolynom(z, wahl.name)};
}

}  // namespace berechnung

void registriereBerechnungsbefehle(Befehlstabelle& t) {
  berechnung::registriereDivisionsbefehle(t);
  berechnung::registriereIntegralbefehle(t);
  berechnung::registriereVerschiebungsbefehle(t);
}

}  // namespace quarvel
