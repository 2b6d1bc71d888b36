#include "app/ergebnisablage.h"

#include "app/schale.h"

namespace quarvel {

bool istFreierNeuerName(const Zustand& z, const std::string& name) {
  return name != "akt" && z.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::frei;
}

std::optional<std::string> neuerFunktionsname(Zustand& z, const std::string& gewuenscht,
                                              std::string_view ansage) {
  if (istFreierNeuerName(z, gewuenscht)) return gewuenscht;
  const std::string name = Objektlisten::nimmFreienNamen(z.listen.fuNamen);
  if (name.empty()) {
    warnung(z, std::string(keinFreierNameMeldung));
    return std::nullopt;
  }
  auswahl(z, std::string(ansage) + name + " erhalten. ", "ok", "");
  return name;
}

void ohneAusdehnungEinlisten(Zustand& z, const std::string& name, const PolynomRef& p) {
  z.listen.fuListe[name] = p;
  z.listen.fuNamen.erase(name);
  z.ui.neuZeichnen();
}

}  // namespace quarvel
