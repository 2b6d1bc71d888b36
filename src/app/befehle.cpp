#include "app/befehle.h"

#include <cassert>
#include <utility>

namespace quarvel {

void Befehlstabelle::eintragen(const std::string& name, void (*befehl)(Zustand&)) {
  eintragen(name, [befehl](Zustand& z, const Argumente& argumente) {
    if (!argumente.empty()) return false;
    befehl(z);
    return true;
  });
}

void Befehlstabelle::eintragen(const std::string& name, Befehl befehl) {
  const bool neu = befehle_.emplace(name, std::move(befehl)).second;
  assert(neu && "every command name is registered once");
  (void)neu;
}

void Befehlstabelle::eintragenMitRestzeile(const std::string& name, Befehl befehl) {
  eintragen(name, std::move(befehl));
  restzeile_.insert(name);
}

const Befehl* Befehlstabelle::finde(const std::string& name) const {
  const auto it = befehle_.find(name);
  return it == befehle_.end() ? nullptr : &it->second;
}

std::vector<std::string> Befehlstabelle::namen() const {
  std::vector<std::string> n;
  for (const auto& [name, _] : befehle_) n.push_back(name);
  return n;
}

const Befehlstabelle& alleBefehle() {
  static const Befehlstabelle tabelle = [] {
    Befehlstabelle t;
    registriereSchalenbefehle(t);
    registriereFunktionsbefehle(t);
    registriereAnalysebefehle(t);
    registriereBerechnungsbefehle(t);
    registrierePunktbefehle(t);
    registriereGrafikbefehle(t);
    registriereKonstruktionsbefehle(t);
    registriereHilfebefehle(t);
    registriereBegruendungsbefehle(t);
    registriereDokumentbefehle(t);
    return t;
  }();
  return tabelle;
}

std::string dateiname(const Argumente& woerter) {
  std::string datei;
  for (const std::string& wort : woerter) datei += (datei.empty() ? "" : " ") + wort;
  return datei;
}

bool fuehreAus(Zustand& z, const std::string& name, const Argumente& argumente) {
  const Befehl* befehl = alleBefehle().finde(name);
  z.befehlsfehler.clear();
  return befehl != nullptr && (*befehl)(z, argumente);
}

}  // namespace quarvel
