#include <algorithm>
#include <optional>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/feldwerte.h"
#include "app/funktionsbefehle.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "construction/interpolation.h"
#include "construction/konstruktionstexte.h"
#include "construction/regression.h"
#include "construction/splinebau.h"
#include "construction/steckbrief.h"
#include "construction/steckbriefrechenweg.h"
#include "model/splinetext.h"
#include "points/umbenennung.h"

namespace quarvel {

namespace {

// The name for a newly constructed function or spline: the name field (letters and digits)
// when that name is free, else a pool name, announced. Nothing when the pool is exhausted.
std::optional<std::string> nameFuerNeueFunktion(Zustand& z) {
  return neuerFunktionsname(z, neuNamenLesen(z), zufallsnameAnsageNaemlich);
}

// The whole-number value of the field x; below 1 (and anything that is no number) counts
// as 0, fractions are cut off.
int gradAusFeld(const std::string& feld) {
  const double wert = feldZahl(feld);
  if (!(wert >= 1.0)) return 0;
  // Far above the highest degree, which the refusal names.
  return static_cast<int>(std::min(wert, 1000.0));
}

// The polynomial of least degree meeting the conditions of the point list, stored under a
// new name; with the written solution of the exercise when asked for.
void steckbriefBauen(Zustand& z, bool mitRechenweg) {
  const std::vector<Punkt> pfeld = genPunktfeld(z.listen.pktListe());
  const Konstruktion k = pktListe2Polynom(pfeld);
  if (!k.ok) {
    auswahl(z, std::string(unterOderUeberbestimmt), std::string(habIchGelesen), "");
    return;
  }
  const auto name = nameFuerNeueFunktion(z);
  if (!name) return;
  bemerkung(z, "Das Polynom " + *name + " wurde gemäß den Bedingungen der Punktliste bestimmt.");
  if (mitRechenweg) {
    ausgabe(z, 0, steckbriefRechenweg(pfeld, k.p, *name, zahlformat(z)));
  } else {
    ausgabe(z, 2, lf + *name + "(x) = " + text(z, k.p));
  }
  const PolynomRef p = teile(k.p);
  fuEinlisten(z, *name, p);
  poly2Eingabe(z, *p);
}

void pktliste2PolynomB(Zustand& z) {
  steckbriefBauen(z, false);
}
void steckbriefRechenwegB(Zustand& z) {
  steckbriefBauen(z, true);
}

void pktliste2IntPolPolB(Zustand& z) {
  const Interpolation i = genInterpolPol(z.listen.pktListe());
  if (!i.ok) {
    auswahl(z,
            std::string(i.zuVielePunkte ? zuVieleInterpolationspunkte : koordinatenUnvertraeglich),
            std::string(habIchGelesen), "");
    return;
  }
  const auto name = nameFuerNeueFunktion(z);
  if (!name) return;
  bemerkung(z,
            "Das Polynom " + *name + " wurde als Interpolationspolynom zur Punktliste bestimmt.");
  ausgabe(z, 0,
          "Die durch Interpolation erhaltene Funktion wurde als " + *name +
              " eingelesen. Ihre Funktionsgleichung ist \n\n" + *name + "(x) = " + text(z, i.p));
  const PolynomRef p = teile(i.p);
  fuEinlisten(z, *name, p);
  poly2Eingabe(z, *p);
}

void regressionB(Zustand& z) {
  const Regression r = regression(z.listen.pktListe(), gradAusFeld(z.felder.x));
  if (!r.p) {
    ausgabe(z, 0, r.fehlermeldung);
    return;
  }
  const auto name = nameFuerNeueFunktion(z);
  if (!name) return;
  const PolynomRef p = teile(*r.p);
  z.akt = p;
  aktGrenzenSetzen(z);
  const std::string bericht = "Die durch Regression erhaltene Funktion wurde als " + *name +
                              " eingelesen. Ihre Funktionsgleichung ist \n " + *name +
                              "(x) = " + text(z, *p);
  poly2Eingabe(z, *p);
  bemerkung(z, "Die durch Regression erhaltene Funktion wurde als Funktion " + *name +
                   " in die Funktionsliste eingetragen.");
  fuEinlisten(z, *name, p);
  ausgabe(z, 0, bericht);
}

void pktliste2SplineB(Zustand& z) {
  const SplineBau bau = genSpline(z.listen.pktListe(), z.dezimalen);
  if (!bau.ok) {
    auswahl(z, std::string(splinePunkteUnvertraeglich), std::string(habIchGelesen), "");
    return;
  }
  const auto name = nameFuerNeueFunktion(z);
  if (!name) return;
  bemerkung(z, "Die Funktion " + *name + " wurde als Spline zur Punktliste bestimmt.");
  splineEinlisten(z, *name, bau.s);
}

void splineListeLoeschB(Zustand& z) {
  const std::size_t k = z.listen.spListe().size();
  if (k == 0) {
    auswahl(z, std::string(splinelisteLeer), "ok", "");
    return;
  }
  const std::string anzahl = ganzText(static_cast<long long>(k));
  if (auswahl(z, "Wirklich die Splineliste (Spline-Anzahl beträgt " + anzahl + ") Löschen?",
              "Ja, weg damit", " Lieber doch nicht") != "Ja, weg damit") {
    return;
  }
  splinelisteLeeren(z);
  bemerkung(z, "Die gesamte Slineliste wurde gelöscht.");
  ausgabe(z, 0,
          "Alle Spline-Funktionen (Anzahl: " + anzahl + ") wurden aus der Splineliste entfernt.");
}

void alleSplineKomponentenAnzeigB(Zustand& z) {
  const std::string name = z.felder.name;
  if (!z.listen.spExistiert(name)) {
    warnung(z, " In der Liste gibt es keine Splinefunktion mit dem Namen " + name + ".");
    return;
  }
  bemerkung(z, "");
  ausgabe(z, -1, lf + splineKomponentenAnzeigen(z.listen, name, z.dezimalen, z.brueche));
}

void umbezeichneB(Zustand& z) {
  bemerkung(z, namenErsetzen(z.listen, z.felder.name, z.felder.x));
  // Names are drawn beside points and in the legend.
  z.ui.neuZeichnen();
}

}  // namespace

void registriereKonstruktionsbefehle(Befehlstabelle& t) {
  t.eintragen("pktliste2PolynomB", pktliste2PolynomB);
  t.eintragen("steckbriefRechenwegB", steckbriefRechenwegB);
  t.eintragen("pktliste2IntPolPolB", pktliste2IntPolPolB);
  t.eintragen("regressionB", regressionB);
  t.eintragen("pktliste2SplineB", pktliste2SplineB);
  t.eintragen("splineListeLoeschB", splineListeLoeschB);
  t.eintragen("alleSplineKomponentenAnzeigB", alleSplineKomponentenAnzeigB);
  t.eintragen("umbezeichneB", umbezeichneB);
}

}  // namespace quarvel
