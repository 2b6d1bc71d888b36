#include "analysis/integral.h"
#include "analysis/nullstellen.h"
#include "app/befehle_berechnung.h"
#include "app/ergebnisablage.h"
#include "app/feldwerte.h"
#include "app/listenpflege.h"
#include "model/objektlisten.h"
#include "model/zahltext.h"

namespace quarvel::berechnung {

namespace {

// "aktuellen Funktion" or "Funktion f", as in "Das Integral der ...".
std::string funktionsWort(const std::string& name) {
  return name == "akt" ? "aktuellen Funktion" : "Funktion " + name;
}

// Values of f, f' and f'' at the x of the field; the field y receives f(x) unrounded.
void wertBerechnen(Zustand& z) {
  const auto f = gewaehlteFunktion(z);
  if (!f) return;
  const Polynom d1 = f->p->abl();
  const Polynom d2 = d1.abl();
  const double x = feldZahl(z.felder.x);
  const std::string stelle = "(" + zahlText(x) + ") = ";
  const double wert = f->p->wert(x);
  if (!endlichSonstMelden(z, {wert, d1.wert(x), d2.wert(x)})) return;
  const auto text = [&z](double v) { return ergebnisZahl(z, v, Kleinwerte::alsNull); };
  ausgabe(z, 1, "\n " + f->name + stelle + text(wert) + " ,   ");
  ausgabe(z, 1, " " + f->name + "'" + stelle + text(d1.wert(x)) + " ,   ");
  ausgabe(z, 2, " " + f->name + "''" + stelle + text(d2.wert(x)));
  z.felder.y = zahlText(wert);
  bemerkung(z, "Die Werte von " + f->name + ", " + f->name + "' und " + f->name +
                   "'' an der Stelle x = " + zahlText(x) +
                   " wurden im Ausgabefenster eingetragen.");
}

// The derivative of the current function as a new function of the list.
void fErsatzfStrichB(Zustand& z) {
  const auto name = neuerFunktionsname(z, neuNamenLesen(z), zufallsnameAnsageNaemlich);
  if (!name) return;
  const Polynom d = Polynom(einlesen(z)).abl();
  poly2Eingabe(z, d);
  bemerkung(z, "Die Ableitung der aktuelle Funktion wurde mit dem Namen " + *name +
                   " in die Funktionsliste eingefügt.");
  ausgabe(z, 1, "akt'(x) = " + *name + "(x) = " + text(z, d) + " .\n");
  fuEinlisten(z, *name, teile(d));
}

// The antiderivative F of the current function with F(x) = y for the fields x and y.
void erzStf(Zustand& z) {
  const std::string name = neuNamenLesen(z);
  if (!istFreierNeuerName(z, name)) {
    auswahl(z, "Bitte einen geeigneten Namen wählen!", "ok", "");
    return;
  }
  const double y0 = feldZahl(z.felder.y);
  const double x0 = feldZahl(z.felder.x);
  const Polynom p(einlesen(z));
  if (p.grad2() == pgrad) {
    bemerkung(z,
              "Die gesuchte Stammfunktion darf höchstens vom Grad " + ganzText(pgrad) + " sein!");
    return;
  }
  Polynom F = stammfunktion(p);
  F.koeff[0] = y0 - F.wert(x0);
  if (!endlichSonstMelden(z, F)) return;
  ohneAusdehnungEinlisten(z, name, teile(F));
  bemerkung(z, "Die Stammfunktion " + name + " wurde in die Liste eingefügt.");
  ausgabe(z, 2,
          "\nDie Stammfunktion " + name +
              " zur aktuellen Funktion akt mit der Gleichung  akt(x) = " + text(z, p) +
              " und der Anfangsbedingung " + name + "(" + zahlText(x0) + ") = " + zahlText(y0) +
              " hat die Funktionsgleichung\n  " + name + "(x) = " + text(z, F));
}

// The integral from the x of the field to the y of the field, limits not reordered.
void bestIntegralB(Zustand& z) {
  const auto f = gewaehlteFunktion(z);
  if (!f) return;
  z.felder.hinweis.clear();
  const double b = feldZahl(z.felder.y);
  const double a = feldZahl(z.felder.x);
  const double integral = bestIntegral(*f->p, a, b);
  if (!endlichSonstMelden(z, {integral})) return;
  ausgabe(z, 2,
          "\n" + f->name + "(x) = " + text(z, *f->p) + "\n" + " Das Integral der " +
              funktionsWort(f->name) + " über [" + zahlText(a) + ", " + zahlText(b) + "] beträgt " +
              bruchOder(z, integral, zahlText(integral)));
}

// The area that the graph encloses with the x-axis between its outermost roots.
void inhaltEingFlaecheB(Zustand& z) {
  const auto f = gewaehlteFunktion(z);
  if (!f) return;
  z.felder.hinweis.clear();
  const std::vector<double> nullstellen = nullstMenge(*f->p, z.dezimalen);
  if (nullstellen.size() < 2) {
    bemerkung(z, "\nDer Graph der " + funktionsWort(f->name) +
                     " umschließt keine Fläche gemeinsam mit der x-Achse.");
    return;
  }
  const double flaeche = runden(eingeschlosseneFlaeche(*f->p, nullstellen), z.dezimalen);
  if (!endlichSonstMelden(z, {flaeche})) return;
  ausgabe(z, 2,
          "\nDer Graph der " + funktionsWort(f->name) +
              " umschließt gemeinsam mit der x-Achse eine Fläche vom Inhalt " +
              bruchOder(z, flaeche, zahlText(flaeche)));
}

}  // namespace

void registriereIntegralbefehle(Befehlstabelle& t) {
  t.eintragen("wertBerechnen", wertBerechnen);
  t.eintragen("fErsatzfStrichB", fErsatzfStrichB);
  t.eintragen("erzStf", erzStf);
  t.eintragen("bestIntegralB", bestIntegralB);
  t.eintragen("inhaltEingFlaecheB", inhaltEingFlaecheB);
}

}  // namespace quarvel::berechnung
