#include "analysis/verschiebung.h"
#include "app/befehle_berechnung.h"
#include "app/ergebnisablage.h"
#include "app/feldwerte.h"
#include "app/listenpflege.h"
#include "model/zahltext.h"

namespace quarvel::berechnung {

namespace {

// Shows the moved or mirrored current function and stores it under a name from the name
// field. A result with a coefficient beyond the number range is refused before any name
// is taken or question asked.
void ergebnisEintragen(Zustand& z, const Polynom& r, const std::string& anmerkung = {}) {
  if (!endlichSonstMelden(z, r)) return;
  const auto name = neuerFunktionsname(z, z.felder.name, zufallsnameAnsage);
  if (!name) return;
  if (!anmerkung.empty()) bemerkung(z, anmerkung + *name + " verschoben.");
  ausgabe(z, 2, "\n" + *name + "(x) = " + text(z, r));
  fuEinlisten(z, *name, teile(r));
  poly2Eingabe(z, r);
}

// Moves the graph of the current function by (x; y) of the fields.
void verschiebeB(Zustand& z) {
  const double h = feldZahl(z.felder.x), v = feldZahl(z.felder.y);
  ergebnisEintragen(z, verschAktPolynom(*z.akt, h, v),
                    "Das aktuelle Polynom wurde um den Vektor <" + zahlText(h) + ";" + zahlText(v) +
                        "> zum Polynom ");
}

// Mirror at the line y = (field y).
void spiegeleHorB(Zustand& z) {
  ergebnisEintragen(z, spiegeleAnHor(*z.akt, feldZahl(z.felder.y)));
}

// Mirror at the line x = (field x).
void spiegeleVerB(Zustand& z) {
  ergebnisEintragen(z, spiegeleAnVer(*z.akt, feldZahl(z.felder.x)));
}

// Mirror at the point (field x, field y).
void spiegeleAmPunktB(Zustand& z) {
  ergebnisEintragen(z, spiegeleAmPunkt(*z.akt, feldZahl(z.felder.x), feldZahl(z.felder.y)));
}

}  // namespace

void registriereVerschiebungsbefehle(Befehlstabelle& t) {
  t.eintragen("verschiebeB", verschiebeB);
  t.eintragen("spiegeleHorB", spiegeleHorB);
  t.eintragen("spiegeleVerB", spiegeleVerB);
  t.eintragen("spiegeleAmPunktB", spiegeleAmPunktB);
}

}  // namespace quarvel::berechnung
