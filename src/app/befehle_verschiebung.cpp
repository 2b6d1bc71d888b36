#include "analysis/verschiebung.h"
#include "app/befehle_berechnung.h"
#include "app/ergebnisablage.h"
#include "app/feldwerte.h"
#include "app/listenpflege.h"
#include "model/zahltext.h"

namespace quarvel::berechnung {

namespace {

// Shows the moved or mirrored current function and stores it under `name`.
void ergebnisEintragen(Zustand& z, const std::string& name, const Polynom& r) {
  ausgabe(z, 2, "\n" + name + "(x) = " + text(z, r));
  fuEinlisten(z, name, teile(r));
  poly2Eingabe(z, r);
}

std::optional<std::string> zielname(Zustand& z) {
  return neuerFunktionsname(z, z.felder.name, zufallsnameAnsage);
}

void verschiebe(Zustand& z, const std::string& name, double h, double v) {
  bemerkung(z, "Das aktuelle Polynom wurde um den Vektor <" + zahlText(h) + ";" + zahlText(v) +
                   "> zum Polynom " + name + " verschoben.");
  ergebnisEintragen(z, name, verschAktPolynom(*z.akt, h, v));
}

// Moves the graph of the current function by (x; y) of the fields.
void verschiebeB(Zustand& z) {
  const auto name = zielname(z);
  if (name) verschiebe(z, *name, feldZahl(z.felder.x), feldZahl(z.felder.y));
}

// Mirror at the line y = (field y).
void spiegeleHorB(Zustand& z) {
  const auto name = zielname(z);
  if (name) ergebnisEintragen(z, *name, spiegeleAnHor(*z.akt, feldZahl(z.felder.y)));
}

// Mirror at the line x = (field x).
void spiegeleVerB(Zustand& z) {
  const auto name = zielname(z);
  if (name) ergebnisEintragen(z, *name, spiegeleAnVer(*z.akt, feldZahl(z.felder.x)));
}

// Mirror at the point (field x, field y).
void spiegeleAmPunktB(Zustand& z) {
  const auto name = zielname(z);
  if (name) {
    ergebnisEintragen(z, *name,
                      spiegeleAmPunkt(*z.akt, feldZahl(z.felder.x), feldZahl(z.felder.y)));
  }
}

}  // namespace

void registriereVerschiebungsbefehle(Befehlstabelle& t) {
  t.eintragen("verschiebeB", verschiebeB);
  t.eintragen("spiegeleHorB", spiegeleHorB);
  t.eintragen("spiegeleVerB", spiegeleVerB);
  t.eintragen("spiegeleAmPunktB", spiegeleAmPunktB);
}

}  // namespace quarvel::berechnung
