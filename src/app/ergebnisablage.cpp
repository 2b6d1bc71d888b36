#include "app/ergebnisablage.h"

#include "app/schale.h"
#include "term/zeichen.h"

namespace quarvel {

bool istFreierNeuerName(const Zustand& z, const std::string& name) {
  return name != "akt" && z.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::frei;
}

std::optional<std::string> neuerFunktionsname(Zustand& z, const std::string& gewuenscht,
                                              std::string_view ansage, AktAlsName akt) {
  const std::string bereinigt(ohneRand(gewuenscht));
  if (istFreierNeuerName(z, bereinigt) || (akt == AktAlsName::erlaubt && bereinigt == "akt")) {
    return bereinigt;
  }
  const std::string name = z.listen.freierFunktionsname();
  if (name.empty()) {
    auswahl(z, std::string(keinFreierNameMeldung), "ok", "");
    return std::nullopt;
  }
  auswahl(z, std::string(ansage) + name + " erhalten. ", "ok", "");
  return name;
}

void ohneAusdehnungEinlisten(Zustand& z, const std::string& name, const PolynomRef& p) {
  z.listen.speichereFunktion(name, p);
  z.ui.neuZeichnen();
}

}  // namespace quarvel
