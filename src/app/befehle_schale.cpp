#include "app/befehle.h"
#include "app/fensterwahl.h"
#include "app/listenpflege.h"
#include "app/schale.h"

namespace quarvel {

namespace {

void quitB(Zustand& z) {
  if (auswahl(z, "Wirklich das Programm verlassen?", "Ja", "Nein, noch nicht") == "Ja") {
    z.ui.beenden();
  }
}

// Empties every list and the protocol; all names go back into their pools.
void neu(Zustand& z) {
  z.listen.leereAlles();
  z.protokoll.clear();
  // With the points gone there is nothing left to move back or take away.
  z.grafik.geste = {};
  z.grafik.punktButton = "neu";
  z.grafik.traeger.clear();
}

void neuB(Zustand& z) {
  if (auswahl(z,
              "Wirklich neu Starten? Alle bisher gespeicherten Punkte und Funktionen werden "
              "dann gelöscht.. ",
              "Ja, Neustart", "Lieber doch nicht") != "Ja, Neustart") {
    return;
  }
  neu(z);
  bemerkung(z, "Alle Listen wurden gelöscht.");
  z.felder.ausgabe.clear();
  z.felder.name.clear();
  z.felder.x.clear();
  z.felder.y.clear();
  z.felder.eingabe.clear();
  const bool zielWarAkt = z.grafTarget == z.akt;
  z.akt = teile(z.akt->nurKoeffizienten());
  if (zielWarAkt) z.grafTarget = z.akt;
  aktGrenzenSetzen(z);
  neuF(z);
  neuP(z);
}

void setzeDezimalen(Zustand& z, int dezimalen) {
  z.dezimalen = dezimalen;
}

void clearPunktFeld(Zustand& z) {
  z.felder.x.clear();
  z.felder.y.clear();
}

}  // namespace

void registriereSchalenbefehle(Befehlstabelle& t) {
  t.eintragen("quitB", quitB);
  t.eintragen("neuB", neuB);
  t.eintragen("zeigProtokollB", protoZeigenOderAusblenden);
  t.eintragen("clearAusgabeF", [](Zustand& z) { z.felder.ausgabe.clear(); });
  t.eintragen("dezimalS1", [](Zustand& z) { setzeDezimalen(z, 1); });
  t.eintragen("dezimalS2", [](Zustand& z) { setzeDezimalen(z, 2); });
  t.eintragen("dezimalS3", [](Zustand& z) { setzeDezimalen(z, 3); });
  t.eintragen("dezimalS6", [](Zustand& z) { setzeDezimalen(z, 6); });
  t.eintragen("dezimalS8", [](Zustand& z) { setzeDezimalen(z, 8); });
  t.eintragen("bruecheS1", [](Zustand& z) { z.brueche = true; });
  t.eintragen("bruecheS0", [](Zustand& z) { z.brueche = false; });
  t.eintragen("kritPunkteMarkierB", [](Zustand& z) {
    z.grafik.kritischePunkteImGraphenZeigen = z.felder.kritPunkteMarkiert;
    z.ui.neuZeichnen();
  });
  t.eintragen("punkteMarkierB", [](Zustand& z) {
    z.grafik.punkteImGraphenZeigen = z.felder.punkteMarkiert;
    z.ui.neuZeichnen();
  });
  t.eintragen("punktFLoeschen", [](Zustand& z) {
    clearPunktFeld(z);
    fensterWahl(z, FensterW::grafbedingt);
  });
  t.eintragen("fuNameFLoeschen", [](Zustand& z) { z.felder.name.clear(); });
  t.eintragen("fuEingabeFLoeschen", [](Zustand& z) { z.felder.eingabe.clear(); });
  t.eintragen("koeffsLoeschenB", [](Zustand& z) { z.felder.eingabe.clear(); });
  t.eintragen("infoB", [](Zustand&) {});
  t.eintragen("testB", [](Zustand&) {});
}

}  // namespace quarvel
