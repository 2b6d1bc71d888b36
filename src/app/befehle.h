#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/zustand.h"

namespace quarvel {

using Argumente = std::vector<std::string>;
// A command of the main window, the graph view or the help window. It reads its
// arguments from the fields of the state; only graph events and export take words of
// their own. Returns false when those words cannot be understood.
using Befehl = std::function<bool(Zustand&, const Argumente&)>;

// Every command by its handler name. Both front ends dispatch through this table.
class Befehlstabelle {
 public:
  // A command that takes no words.
  void eintragen(const std::string& name, void (*befehl)(Zustand&));
  void eintragen(const std::string& name, Befehl befehl);
  // A command whose one word is the rest of the line, blanks and all (a file name).
  void eintragenMitRestzeile(const std::string& name, Befehl befehl);
  const Befehl* finde(const std::string& name) const;
  bool nimmtRestzeile(const std::string& name) const { return restzeile_.contains(name); }
  std::vector<std::string> namen() const;

 private:
  std::map<std::string, Befehl> befehle_;
  std::set<std::string> restzeile_;
};

// The complete table, built once.
const Befehlstabelle& alleBefehle();

// Runs a command by name; false when the name is unknown or the words are not understood.
bool fuehreAus(Zustand& z, const std::string& name, const Argumente& argumente = {});

// The words of a command that takes a file name, joined again with single blanks.
std::string dateiname(const Argumente& woerter);

// Each group of commands registers itself here.
void registriereSchalenbefehle(Befehlstabelle& t);
void registriereFunktionsbefehle(Befehlstabelle& t);
void registriereAnalysebefehle(Befehlstabelle& t);
void registriereBerechnungsbefehle(Befehlstabelle& t);
void registrierePunktbefehle(Befehlstabelle& t);
void registriereGrafikbefehle(Befehlstabelle& t);
void registriereKonstruktionsbefehle(Befehlstabelle& t);
void registriereHilfebefehle(Befehlstabelle& t);
void registriereBegruendungsbefehle(Befehlstabelle& t);
void registriereDokumentbefehle(Befehlstabelle& t);

}  // namespace quarvel
