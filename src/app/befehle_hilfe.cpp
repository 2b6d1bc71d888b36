#include "app/befehle.h"
#include "app/hilfetexte.h"
#include "app/verlaufsbeschreibung.h"

namespace quarvel {

namespace {

// The help window shows whatever this leaves in its text field.
void fensterAusgabe(Zustand& z, const std::string& text) {
  z.hilfe = text;
}

}  // namespace

void registriereHilfebefehle(Befehlstabelle& t) {
  for (const Hilfethema& thema : hilfethemen()) {
    t.eintragen(thema.befehl, [text = thema.text](Zustand& z, const Argumente& argumente) {
      if (!argumente.empty()) return false;
      fensterAusgabe(z, text());
      return true;
    });
  }
  t.eintragen("verlaufsBeschreibungB",
              [](Zustand& z) { fensterAusgabe(z, verlaufsBeschreibung(z)); });
}

}  // namespace quarvel
