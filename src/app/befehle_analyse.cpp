#include <cmath>
#include <string>
#include <vector>

#include "analysis/kritischestellen.h"
#include "analysis/kurvendiskussion.h"
#include "analysis/nullstellen.h"
#include "analysis/stellenart.h"
#include "app/befehle.h"
#include "app/funktionswahl.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "app/verlaufsbeschreibung.h"
#include "model/punktbuchstaben.h"
#include "model/zahltext.h"
#include "points/nummerierung.h"

namespace quarvel {

namespace {

// The refusal about the name field keeps the placeholder "<name>" as it stands.
constexpr const char* keinPolynomAusDerListe =
    "Im Feld <name> ist kein Polynom aus der Liste angegeben";

constexpr const char* kritischePunkteKopf =
    "Koordinaten der kritischen Punkte mit Werten von erster und zweiter Ableitung \n\n";
std::string bereitsEingetragen(const std::string& name) {
  return "Für eine Funktion " + name + " sind die kritischen Punkte bereits eingetragen";
}
constexpr const char* abbrechen = "Abbrechen";
constexpr const char* ueberschreiben = "Mit den neuen Werten überschreiben";
std::string eingetragen(const std::string& name) {
  return "Die kritischen Punkte der Funktion " + name + " wurden in die Punktliste eingetragen.";
}

constexpr const char* beschreibungAuchImHilfefenster =
    "Die Beschreibung des Kurvenverlaufs ist auch über das Hilfe-Fenster (Button: Hilfe) zu "
    "erreichen.";
constexpr const char* beschreibungNameKopf =
    "\nBeschreibung des Kurvenverlaufs zur Funktion mit der Gleichung \n ";
std::string keinPolynomMitDemNamen(const std::string& name) {
  return " In der Liste gibt es kein Polynom mit dem Namen " + name + ".";
}

// One entry " (x, p(x); p'(x) , p''(x)),   " per position; stationary points are written
// with two blanks after the semicolon and none before the second comma.
std::string kritischeEintraege(const Zustand& z, const std::vector<double>& stellen,
                               const Polynom& p, const Polynom& d1, const Polynom& d2,
                               bool stationaer) {
  std::string text;
  for (double x : stellen) {
    text += " (" + ergebnisZahl(z, x) + ", " + ergebnisZahl(z, p.wert(x)) +
            (stationaer ? ";  " : "; ") + ergebnisZahl(z, d1.wert(x)) +
            (stationaer ? ", " : " , ") + ergebnisZahl(z, d2.wert(x)) + "),   ";
  }
  return text;
}

// Lists the critical points of the named function with both derivatives there.
void tuEs(Zustand& z) {
  const auto gewaehlt = gewaehlteFunktion(z);
  if (!gewaehlt) return;
  const auto& [name, p] = *gewaehlt;
  const Polynom d1 = p->abl();
  const Polynom d2 = d1.abl();
  const auto n = nullstellenDerAbleitungen(*p, 3, z.dezimalen);

  std::string t = kritischePunkteKopf;
  t += kritischeEintraege(z, n[0], *p, d1, d2, false);
  if (!n[0].empty()) t += "\n\n";
  t += kritischeEintraege(z, n[1], *p, d1, d2, true);
  if (!n[1].empty()) t += "\n\n";
  t += kritischeEintraege(z, n[2], *p, d1, d2, false);

  ausgabe(z, 2,
          name + "(x) = " + text(z, *p) + lf + name + "'(x) = " + text(z, d1) + lf + lf + name +
              "''(x) = " + text(z, d2) + "\n\n" + t);
}

// Enters the critical points of a stored function as points A<name>, B<name>, …; a name
// already taken gets a number, so earlier points stay.
void kPEintrag(Zustand& z, const std::string& name) {
  const PolynomRef p = z.listen.fuListe().at(name);
  std::size_t k = 0;
  for (const KritischeStelle& stelle : kritischeStellen(*p, z.dezimalen)) {
    const double x = stelle.x;
    const std::string wunschname = kritPunktBuchstabe(k++) + name;
    const std::string pname = z.listen.pktExistiert(wunschname)
                                  ? nummeriert(z.listen.pktListe(), wunschname)
                                  : wunschname;
    auto punkt = teile(Punkt{x, p->wert(x), 0.0, 0.0});
    punkt->name = pname;
    pktEinlisten(z, pname, punkt);
  }
  bemerkung(z, eingetragen(name));
}

void kritPunkteEintragB(Zustand& z) {
  const std::string name = z.felder.name;
  if (!z.listen.fuExistiert(name)) {
    auswahl(z, keinPolynomAusDerListe, "ok", "");
    return;
  }
  if (z.listen.pktExistiert(kritPunktBuchstabe(0) + name) &&
      auswahl(z, bereitsEingetragen(name), abbrechen, ueberschreiben, Unveraendert::ersterKnopf) !=
          ueberschreiben) {
    return;
  }
  kPEintrag(z, name);
}

void beschreibeGraphB(Zustand& z) {
  bemerkung(z, beschreibungAuchImHilfefenster);
  ausgabe(z, -1, verlaufsBeschreibung(z));
}

void beschreibeGraphNameB(Zustand& z) {
  const std::string name = z.felder.name;
  const auto eintrag = z.listen.fuListe().find(name);
  if (eintrag == z.listen.fuListe().end()) {
    warnung(z, keinPolynomMitDemNamen(name));
    return;
  }
  const Polynom& f = *eintrag->second;
  bemerkung(z, "");
  ausgabe(z, -1,
          beschreibungNameKopf + name + "(x) =  " + text(z, f) + "\n\n" +
              kurvendiskussion2fu(f, z.dezimalen, z.brueche));
}

}  // namespace

void registriereAnalysebefehle(Befehlstabelle& t) {
  t.eintragen("tuEs", tuEs);
  t.eintragen("kritPunkteEintragB", kritPunkteEintragB);
  t.eintragen("beschreibeGraphB", beschreibeGraphB);
  t.eintragen("beschreibeGraphNameB", beschreibeGraphNameB);
}

}  // namespace quarvel
