#include "app/ergebnisablage.h"

#include "app/schale.h"

namespace quarvel {

bool istFreierNeuerName(const Zustand& z, const std::string& name) {
  return name != "akt" && z.listen.namensBewertung(name, ObjektTyp::f) == NamensAttribut::frei;
}

namespace {

std::string ohneRandLeerzeichen(const std::string& text) {
  const auto anfang = text.find_first_not_of(' ');
  if (anfang == std::string::npos) return "";
  return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

}  // namespace

std::optional<std::string> neuerFunktionsname(Zustand& z, const std::string& gewuenscht,
                                              std::string_view ansage, AktAlsName akt) {
  const std::string bereinigt = ohneRandLeerzeichen(gewuenscht);
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
