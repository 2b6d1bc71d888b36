#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "analysis/begruendung.h"
#include "analysis/schnittpunkte.h"
#include "analysis/tangente.h"
#include "analysis/vorzeichentabelle.h"
#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/feldwerte.h"
#include "app/funktionswahl.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "model/schultext.h"
#include "points/nummerierung.h"
#include "term/zeichen.h"

namespace quarvel {

// The commands that show the steps of a curve discussion: sign chart, reasons for the
// critical points, intersections of two graphs, tangent and normal.

namespace {

constexpr const char* zweiNamenNoetig =
    "Bitte im Feld <Name> zwei Funktionen angeben, getrennt durch Komma oder Leerzeichen, "
    "z. B. \"f, g\".";

// The function of the name field, or the current one when the field is empty.
std::optional<GewaehlteFunktion> funktionOderAkt(Zustand& z) {
  if (ohneRand(z.felder.name).empty()) {
    return GewaehlteFunktion{"akt", z.akt};
  }
  return gewaehlteFunktion(z);
}

void vorzeichentabelleB(Zustand& z) {
  const auto f = funktionOderAkt(z);
  if (!f) return;
  bemerkung(z, "Die Vorzeichentabelle von " + f->name + ", " + f->name + "' und " + f->name +
                   "'' steht im Ausgabefenster.");
  ausgabe(z, 0, vorzeichentabellenText(*f->p, f->name, zahlformat(z)));
}

void begruendeB(Zustand& z) {
  const auto f = funktionOderAkt(z);
  if (!f) return;
  bemerkung(z,
            "Die Begründungen der kritischen Punkte von " + f->name + " stehen im Ausgabefenster.");
  ausgabe(z, 0, begruendungsText(*f->p, f->name, zahlformat(z)));
}

struct ZweiFunktionen {
  std::string fName, gName;
  PolynomRef f, g;
};

// The two functions named in the name field ("f, g" or "f g"); the user is warned when
// there are not exactly two known names.
std::optional<ZweiFunktionen> zweiFunktionen(Zustand& z) {
  std::vector<std::string> namen = gehackterString2Stringfeld(z.felder.name);
  std::erase(namen, std::string());
  const PolynomRef f = namen.size() == 2 ? gewaehltePolynom(z, namen[0]) : nullptr;
  const PolynomRef g = namen.size() == 2 ? gewaehltePolynom(z, namen[1]) : nullptr;
  if (!f || !g) {
    warnung(z, zweiNamenNoetig);
    return std::nullopt;
  }
  return ZweiFunktionen{namen[0], namen[1], f, g};
}

void schnittpunkteB(Zustand& z) {
  const auto zwei = zweiFunktionen(z);
  if (!zwei) return;
  bemerkung(z, "Die gemeinsamen Punkte der Graphen von " + zwei->fName + " und " + zwei->gName +
                   " stehen im Ausgabefenster.");
  ausgabe(z, 0,
          schnittpunkteText(schnittpunkte(*zwei->f, *zwei->g, z.dezimalen), zwei->fName,
                            zwei->gName, zahlformat(z)));
}

// Enters the common points as S1fg, S2fg, … (as the critical points are entered); a name
// already taken gets a number, so earlier points stay.
void schnittpunkteEintragB(Zustand& z) {
  const auto zwei = zweiFunktionen(z);
  if (!zwei) return;
  const Schnittpunkte s = schnittpunkte(*zwei->f, *zwei->g, z.dezimalen);
  const std::string graphen = " der Graphen von " + zwei->fName + " und " + zwei->gName;
  if (s.identisch || s.punkte.empty()) {
    bemerkung(z, "Es gibt keine einzelnen gemeinsamen Punkte" + graphen + ".");
    return;
  }
  for (std::size_t i = 0; i < s.punkte.size(); ++i) {
    const std::string wunsch = "S" + std::to_string(i + 1) + zwei->fName + zwei->gName;
    const std::string name =
        z.listen.pktExistiert(wunsch) ? nummeriert(z.listen.pktListe(), wunsch) : wunsch;
    auto punkt = teile(Punkt{s.punkte[i].x, s.punkte[i].y, 0.0, 0.0});
    punkt->name = name;
    // Only the position is known: no slope or curvature condition for a construction.
    punkt->valid = {true, false, false};
    pktEinlisten(z, name, punkt);
  }
  bemerkung(z, "Die gemeinsamen Punkte" + graphen + " wurden in die Punktliste eingetragen.");
}

// Stores a tangent or normal under `wunschname` when that is free, else under a pool name.
void geradeEinlisten(Zustand& z, const Gerade& g, const std::string& wunschname,
                     const std::string& was, const std::string& herleitung) {
  const Polynom p = g.alsPolynom();
  if (!endlichSonstMelden(z, p)) return;
  const auto name = neuerFunktionsname(z, wunschname, zufallsnameAnsageNaemlich);
  if (!name) return;
  ausgabe(z, 0, herleitung + "\n " + *name + "(x) = " + schulPolynom(p, zahlformat(z)));
  bemerkung(z,
            "Die " + was + " wurde mit dem Namen " + *name + " in die Funktionsliste eingefügt.");
  fuEinlisten(z, *name, teile(p));
}

std::string punktText(const Zustand& z, const GewaehlteFunktion& f, double x0) {
  return schulPunkt("B", x0, f.p->wert(x0), zahlformat(z));
}

std::string steigungText(const Zustand& z, const GewaehlteFunktion& f, double x0, double m) {
  return ableitungsName(f.name, 1) + "(" + schulZahl(x0, zahlformat(z)) +
         ") = " + schulZahl(m, zahlformat(z));
}

// The chosen function and the position x0 from field x, when the point of contact and the
// slope there are numbers the text can show.
std::optional<std::pair<GewaehlteFunktion, double>> beruehrstelle(Zustand& z) {
  auto f = funktionOderAkt(z);
  if (!f) return std::nullopt;
  const double x0 = feldZahl(z.felder.x);
  if (!endlichSonstMelden(z, {f->p->wert(x0), f->p->abl().wert(x0)})) return std::nullopt;
  return std::pair{std::move(*f), x0};
}

void tangenteB(Zustand& z) {
  const auto stelle = beruehrstelle(z);
  if (!stelle) return;
  const auto& [gewaehlt, x0] = *stelle;
  const GewaehlteFunktion* f = &gewaehlt;
  const Gerade t = tangenteAn(*f->p, x0);
  geradeEinlisten(z, t, "t", "Tangente",
                  "Tangente an den Graphen von " + f->name + " im Punkt " + punktText(z, *f, x0) +
                      " mit der Steigung " + steigungText(z, *f, x0, t.steigung) + ":");
}

void normaleB(Zustand& z) {
  const auto stelle = beruehrstelle(z);
  if (!stelle) return;
  const auto& [gewaehlt, x0] = *stelle;
  const GewaehlteFunktion* f = &gewaehlt;
  const Gerade n = normaleAn(*f->p, x0);
  const std::string tangente = steigungText(z, *f, x0, tangenteAn(*f->p, x0).steigung);
  if (n.senkrecht) {
    bemerkung(z, "Die Normale ist senkrecht und wurde nicht gespeichert.");
    ausgabe(z, 0,
            "Die Normale an den Graphen von " + f->name + " im Punkt " + punktText(z, *f, x0) +
                " ist die senkrechte Gerade x = " + schulZahl(x0, zahlformat(z)) + ", denn " +
                ableitungsName(f->name, 1) + "(" + schulZahl(x0, zahlformat(z)) +
                ") = 0. Sie ist keine Funktion und wird nicht gespeichert.");
    return;
  }
  geradeEinlisten(z, n, "n", "Normale",
                  "Normale an den Graphen von " + f->name + " im Punkt " + punktText(z, *f, x0) +
                      ", senkrecht zur Tangente mit der Steigung " + tangente + ":");
}

}  // namespace

void registriereBegruendungsbefehle(Befehlstabelle& t) {
  t.eintragen("vorzeichentabelleB", vorzeichentabelleB);
  t.eintragen("begruendeB", begruendeB);
  t.eintragen("schnittpunkteB", schnittpunkteB);
  t.eintragen("schnittpunkteEintragB", schnittpunkteEintragB);
  t.eintragen("tangenteB", tangenteB);
  t.eintragen("normaleB", normaleB);
}

}  // namespace quarvel
