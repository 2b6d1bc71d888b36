#include "app/schale.h"

#include <utility>

#include "analysis/kritischestellen.h"
#include "model/polynomtext.h"
#include "model/zahltext.h"
#include "term/zeichen.h"

namespace quarvel {

void ausgabe(Zustand& z, int modus, const std::string& text) {
  if (z.protkollImFenster) {
    z.felder.ausgabe = z.geretteteAusgabe;
    z.geretteteAusgabe.clear();
    z.protkollImFenster = false;
  }
  switch (modus) {
    case -1:
      z.felder.ausgabe = text;
      break;
    case 0:
      z.felder.ausgabe = text + lf;
      break;
    case 1:
      z.felder.ausgabe += text + " ";
      break;
    default:
      z.felder.ausgabe += text + lf;
      break;
  }
  if (modus >= 0) z.protokoll += text + lf;
}

void bemerkung(Zustand& z, const std::string& text) {
  z.felder.hinweis = lf + text;
}

std::string auswahl(Zustand& z, const std::string& meldung, const std::string& option,
                    const std::string& option2, Unveraendert unveraendert) {
  return z.ui.auswahl(meldung, option, option2, unveraendert);
}

void warnung(Zustand& z, const std::string& text) {
  auswahl(z, text, "Gelesen", "");
}

std::string neuNamenLesen(const Zustand& z) {
  return filtereZeichenMenge(z.felder.name, namensTeile(), z.listen.aktuelleFuNamen());
}

Koeffizienten einlesen(const Zustand& z) {
  return z.akt->koeff;
}

void protoZeigenOderAusblenden(Zustand& z) {
  if (!z.protkollImFenster) {
    z.geretteteAusgabe = z.felder.ausgabe;
    ausgabe(z, -1, z.protokoll);
    bemerkung(z, z.protokoll.empty() ? "Das Protokoll ist noch (oder wieder) leer."
                                     : "Im Ausgabeld befindet sich jetzt das gesamte Protokoll.");
    z.protkollImFenster = true;
  } else {
    bemerkung(z, "");
    z.felder.ausgabe = z.geretteteAusgabe;
    z.geretteteAusgabe.clear();
    z.protkollImFenster = false;
  }
}

void aktGrenzenSetzen(Zustand& z) {
  z.akt->grenzen = polyDatenX(*z.akt, z.dezimalen);
}

void starte(Zustand& z) {
  aktGrenzenSetzen(z);
  bemerkung(z, std::string("Bitte im Ausgabe-Fenster links den  Scroll-Balkens ganz nach oben "
                           "verschieben!\n\nBeim Start hat die aktuelle Funktion die Gleichung ") +
                   lf + "akt(x) = " + text(z, *z.akt));
}

std::string text(const Zustand& z, const Polynom& p) {
  return polynomString(p, z.dezimalen, z.brueche);
}

Zahlformat zahlformat(const Zustand& z) {
  return {z.dezimalen, z.brueche};
}

std::string bruchOder(const Zustand& z, double x, std::string dezimal) {
  return bruchOderText(x, z.brueche, std::move(dezimal));
}

std::string ergebnisZahl(const Zustand& z, double x, Kleinwerte klein) {
  return bruchOder(z, x, gerundetText(x, z.dezimalen, klein));
}

}  // namespace quarvel
