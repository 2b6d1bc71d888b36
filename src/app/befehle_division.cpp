#include "analysis/division.h"
#include "app/befehle_berechnung.h"
#include "app/ergebnisablage.h"

namespace quarvel::berechnung {

namespace {

// Writes the factorisation of the function `fname` to the output field.
void linFakZerl(Zustand& z, const std::string& fname, const Polynom& f) {
  const std::string faktoren = linFakZerlegung(f, z.dezimalen);
  bemerkung(z, "Die Linarfaktorzerlegung von " + fname + " wurde im Ausgabefenster eingetragen.");
  ausgabe(z, 0, "\n " + fname + "(x) = " + faktoren);
}

void linFakZerlB(Zustand& z) {
  linFakZerl(z, "akt", *z.akt);
}

void linFakZerlFB(Zustand& z) {
  if (const auto f = gewaehlteFunktion(z)) linFakZerl(z, f->name, *f->p);
}

// The two functions named in the fields x and y; empty (after `warnungstext`) when one of
// them is not stored.
struct Operanden {
  std::string nameX, nameY;
  PolynomRef p1, p2;
};

std::optional<Operanden> operanden(Zustand& z, const std::string& warnungstext) {
  const std::string nameX = z.felder.x;
  const std::string nameY = z.felder.y;
  if (!z.listen.fuExistiert(nameX) || !z.listen.fuExistiert(nameY)) {
    warnung(z, warnungstext);
    return std::nullopt;
  }
  return Operanden{nameX, nameY, z.listen.fuListe().at(nameX), z.listen.fuListe().at(nameY)};
}

// Stores a quotient, remainder or gcd as a new function and reports it; `bericht` is the
// hint before " wurde als Funktion <name> in die Funktionsliste eingetragen.".
void ergebnisEintragen(Zustand& z, const Polynom& ergebnis, const std::string& bericht) {
  if (!endlichSonstMelden(z, ergebnis)) return;
  const auto name = neuerFunktionsname(z, z.felder.name, zufallsnameAnsage);
  if (!name) return;
  ohneAusdehnungEinlisten(z, *name, teile(ergebnis.nurKoeffizienten()));
  poly2Eingabe(z, ergebnis);
  bemerkung(z, bericht + " wurde als Funktion " + *name + " in die Funktionsliste eingetragen.");
  ausgabe(z, 2, "\n" + *name + "(x) = " + text(z, ergebnis));
}

constexpr const char* divisionsWarnung =
    "In den Feldern <x> und <y> müssen zur Ausführung der Quotienenberechnung die Namen "
    "existierender Polynome eingetragen sein. ";

// Quotient or remainder of the functions named in the fields x and y.
void divisionEintragen(Zustand& z, bool rest) {
  const auto op = operanden(z, divisionsWarnung);
  if (!op) return;
  if (op->p2->grad2() < 0) {
    warnung(z, "Division durch das Nullpolynom " + op->nameY + " ist nicht möglich.");
    return;
  }
  const Division d = polyDiv2(*op->p1, *op->p2);
  if (rest) {
    ergebnisEintragen(z, d.rest, "Der Rest bei Division von " + op->nameX + " und " + op->nameY);
  } else {
    ergebnisEintragen(z, d.quotient, "Der Quotient von " + op->nameX + " und " + op->nameY);
  }
}

void quotientenPolB(Zustand& z) {
  divisionEintragen(z, false);
}
void divisionsRestPolB(Zustand& z) {
  divisionEintragen(z, true);
}

void ggTB(Zustand& z) {
  const auto op = operanden(z,
                            "In den Feldern <x> und <y> müssen zur Ausführung der ggT-Berechnung "
                            "die Namen existierender Polynome eingetragen sein.");
  if (!op) return;
  // Only the second function is tested: the gcd of 0 and p2 is p2.
  if (op->p2->grad2() < 0) {
    warnung(z,
            "Alle Polynome sind Teiler der Nullpolynome  " + op->nameX + " und " + op->nameY + ".");
    return;
  }
  ergebnisEintragen(z, ggT(*op->p1, *op->p2),
                    "Der größte gemeinsam Teiler von " + op->nameX + " und " + op->nameY);
}

}  // namespace

void registriereDivisionsbefehle(Befehlstabelle& t) {
  t.eintragen("linFakZerlB", linFakZerlB);
  t.eintragen("linFakZerlFB", linFakZerlFB);
  t.eintragen("quotientenPolB", quotientenPolB);
  t.eintragen("divisionsRestPolB", divisionsRestPolB);
  t.eintragen("ggTB", ggTB);
}

}  // namespace quarvel::berechnung
