#include "app/funktionswahl.h"

#include "app/schale.h"

namespace quarvel {

Funktionswahl fuNameok(const Zustand& z) {
  const std::string& name = z.felder.name;
  return {name == "akt" || z.listen.fuExistiert(name), name};
}

PolynomRef gewaehltePolynom(const Zustand& z, const std::string& name) {
  if (name == "akt") return z.akt;
  const auto it = z.listen.fuListe().find(name);
  return it == z.listen.fuListe().end() ? nullptr : it->second;
}

std::optional<GewaehlteFunktion> gewaehlteFunktion(Zustand& z) {
  const Funktionswahl wahl = fuNameok(z);
  if (!wahl.ok) {
    // The placeholder "<name>" stands in the text as it is.
    warnung(z, "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen.");
    return std::nullopt;
  }
  return GewaehlteFunktion{wahl.name, gewaehltePolynom(z, wahl.name)};
}

}  // namespace quarvel
