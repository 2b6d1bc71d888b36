#include "app/ergebnisablage.h"

#include <algorithm>
#include <cmath>
#include <span>

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

namespace {

constexpr const char* ergebnisZuGross =
    "Das Ergebnis wäre zu groß: ein Wert läge außerhalb des Zahlbereichs. Bitte kleinere "
    "Werte wählen; es wurde nichts geändert.";

bool endlichSonstMelden(Zustand& z, std::span<const double> werte) {
  if (std::ranges::all_of(werte, [](double w) { return std::isfinite(w); })) return true;
  bemerkung(z, ergebnisZuGross);
  z.ui.piep();
  return false;
}

}  // namespace

bool endlichSonstMelden(Zustand& z, std::initializer_list<double> werte) {
  return endlichSonstMelden(z, std::span<const double>(werte.begin(), werte.size()));
}

bool endlichSonstMelden(Zustand& z, const Polynom& p) {
  return endlichSonstMelden(z, std::span<const double>(p.koeff));
}

}  // namespace quarvel
