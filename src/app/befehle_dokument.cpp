#include "app/befehle.h"
#include "app/dokument.h"

namespace quarvel {

namespace {

// speichereB DATEI: the work as a document (blanks allowed in the name).
bool speichereB(Zustand& z, const Argumente& a) {
  if (a.empty()) return false;
  if (const std::string fehler = dokumentSpeichern(z, dateiname(a)); !fehler.empty()) {
    z.ui.dateifehler(fehler);
  }
  return true;
}

// oeffneB DATEI: replaces the work by the document's; a refused file changes nothing.
bool oeffneB(Zustand& z, const Argumente& a) {
  if (a.empty()) return false;
  if (const std::string fehler = dokumentOeffnen(z, dateiname(a)); !fehler.empty()) {
    z.ui.dateifehler(fehler);
  }
  return true;
}

}  // namespace

void registriereDokumentbefehle(Befehlstabelle& t) {
  t.eintragen("speichereB", speichereB);
  t.eintragen("oeffneB", oeffneB);
}

}  // namespace quarvel
