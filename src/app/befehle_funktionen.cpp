// The commands that read terms and manage the function list and the current function.

#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/funktionsbefehle.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "model/objektlisten.h"
#include "model/polynomtext.h"
#include "model/splinetext.h"
#include "model/utf8.h"
#include "term/termleser.h"
#include "term/zeichen.h"

namespace quarvel {

namespace {

// Every text these commands show.
namespace texte {
constexpr const char* aktUeberschreiben =
    "Soll die aktuelle Funktion wirklich mit dem neuen Term überschreiben werden?";
std::string alsFunktionEingetragen(const std::string& t, const std::string& name) {
  return "Die zum Eingabeterm " + t + " gehörende Funktion wurde als " + name +
         " in die Polynomliste eingetragen.\n";
}
std::string alsAktEingetragen(const std::string& t) {
  return "Die zum Eingabeterm " + t +
         " gehörende Funktion wurde als neue aktuelle Funtion eingetragen.\n";
}
constexpr const char* aktNichtVerfuegbar = "akt ist kein verfügbarer Funktionsname. ";
std::string gibtEsBereits(const std::string& name) {
  return "Es gibt in der Liste bereits eine Funktion namens " + name;
}
std::string ersetzt(const std::string& name) {
  return name + " wurde durch die gleichnamige aktuelle Funktion ersetzt .";
}
std::string eingefuegt(const std::string& name) {
  return name + " wurde in die Liste eingefügt.";
}
std::string unterZufallsnamen(const std::string& name) {
  return "Die aktuelle Funktion wurde unter dem Namen " + name +
         " in die Funktionsliste eingefügt.";
}
// Followed by the name and " erhalten. ".
constexpr std::string_view zufallsnamenAnsage =
    "Da kein zulässiger Name für die Funktion angegeben wurde, hat sie einen Zufallsnamen, "
    "nämlich ";
std::string ausgewaehlt(const std::string& name) {
  return "Als aktuelle Funktion wurde aus der Funktionsliste " + name + " ausgewählt";
}
constexpr const char* nameEintragen =
    "Bitte den Namen der gewünschten Funktion aus der Liste im Namensfeld eintragen.";
std::string keinPolynom(const std::string& name) {
  return "Es gibt in der Liste kein Polynom " + name + ".";
}
constexpr const char* loeschNamenEintragen =
    "Bitte den (oder die) Namen der aus der Liste zu löschenden Funktion(en) im Feld 'Name' "
    "eintragen.";
std::string entfernt(const std::string& name) {
  return name + " wurde aus der Funktions-Liste entfernt.";
}
std::string keineFunktion(const std::string& name) {
  return "Keine Funktion namens " + name + " in der Liste.";
}
constexpr const char* listeSchonLeer = "Die Liste der Polynome ist bereits leer.";
std::string wirklichListeLoeschen(std::size_t n) {
  return "Wirklich die Polynomliste (Polynom-Anzahl beträgt " + std::to_string(n) + ") Löschen?";
}
std::string alleEntfernt(std::size_t n) {
  return "Alle Polynome (Anzahl: " + std::to_string(n) +
         ") wurden aus der Funktionsliste entfernt.";
}
std::string sichtbarkeit(const std::string& name, bool sichtbar) {
  return "Der Graph von " + name + (sichtbar ? " ist jetzt sichtbar." : " ist jetzt unsichtbar.");
}
std::string keineFunktionMitNamen(const std::string& name) {
  return "Mit dem Namen " + name + " gibt es keine Funktion in der Liste.";
}
std::string keineFarbFunktion(const std::string& name) {
  return "Die Liste der Funktionen enthält keine mit Namen " + name + " . ";
}
}  // namespace texte

void liesTermB(Zustand& z) {
  const std::optional<std::string> name =
      neuerFunktionsname(z, z.felder.name, zufallsnameAnsage, AktAlsName::erlaubt);
  if (!name) return;
  z.felder.name = *name;
  if (*name == "akt" &&
      auswahl(z, texte::aktUeberschreiben, "Ja, überschreiben", "Abbruch") != "Ja, überschreiben") {
    return;
  }
  liesTerm(z, *name, z.felder.eingabe);
}

void einlistB(Zustand& z) {
  aktEinlisten(z, teile(z.akt->nurKoeffizienten()));
}

void aktuelleFunktionEinlistB(Zustand& z) {
  aktEinlisten(z, z.akt);
}

void istAktuellB(Zustand& z) {
  const std::string name = z.felder.name;
  if (name == "akt") {
    poly2Eingabe(z, *z.akt);
    return;
  }
  if (z.listen.fuExistiert(name)) {
    const PolynomRef p = z.listen.fuListe().at(name);
    poly2Eingabe(z, *p);
    bemerkung(z, texte::ausgewaehlt(name));
    z.felder.name.clear();
    ausgabe(z, 1,
            "\nDie aktuelle Funktion hat (nun) die Gleichung \nakt(x) = " + text(z, *p) + "\n");
    z.akt = p;
    neuF(z);
    return;
  }
  if (name.empty()) {
    auswahl(z, texte::nameEintragen, "Hab ich gelesen", "");
    return;
  }
  bemerkung(z, texte::keinPolynom(name));
}

// Deletes one function or spline and returns the line that reports it.
std::string funktionAuslisten(Zustand& z, const std::string& name) {
  if (z.listen.fuExistiert(name)) {
    z.listen.merkeGeloeschtenTerm(text(z, *z.listen.fuListe().at(name)));
    z.listen.entferneFunktion(name);
    z.ui.neuZeichnen();
    return texte::entfernt(name);
  }
  if (z.listen.entferneSpline(name)) {
    neuF(z);
    return texte::entfernt(name);
  }
  return texte::keineFunktion(name);
}

void auslistB(Zustand& z) {
  // Separators without a name in between (a trailing comma, say) name nothing.
  std::vector<std::string> namen;
  for (const std::string& name : gehackterString2Stringfeld(z.felder.name)) {
    if (!name.empty()) namen.push_back(name);
  }
  if (namen.empty()) {
    auswahl(z, texte::loeschNamenEintragen, "gerne", "");
    return;
  }
  std::string bericht;
  for (const std::string& name : namen) bericht += funktionAuslisten(z, name) + lf;
  z.felder.name.clear();
  bemerkung(z, bericht);
}

void fktnListeLoeschB(Zustand& z) {
  const std::size_t n = z.listen.fuListe().size();
  if (n == 0) {
    auswahl(z, texte::listeSchonLeer, "ok", "");
  } else if (auswahl(z, texte::wirklichListeLoeschen(n), "Ja, weg damit", " Lieber doch nicht") ==
             "Ja, weg damit") {
    z.listen.leereFunktionen();
    bemerkung(z, "Die gesamte Polynomliste wurde gelöscht.");
    ausgabe(z, 0, texte::alleEntfernt(n));
  }
  neuF(z);
}

void zeigeGelFunktionenB(Zustand& z) {
  const std::string geloescht = gelFuListe(z.listen, *z.akt, z.dezimalen);
  if (geloescht.empty()) {
    bemerkung(z, "Bisher wurde noch kein Polynom in die Liste aufgenommen und dann gelöscht.");
    return;
  }
  bemerkung(z, "Die gelöschten Polynome werden im Ausgabefenster dargestellt.");
  ausgabe(z, 0, "Liste der gelöschten Funktionen \n\n" + geloescht);
}

std::string splinelisteOderLeer(const Zustand& z) {
  if (z.listen.spListe().empty()) return "Die Splineliste ist leer.\n\n";
  return gesamtSplineliste(z.listen) + "\n\n";
}

void alleFuAnzeigB(Zustand& z) {
  std::string bericht =
      "Die aktuelle Funktion hat die Gleichung\nakt(x) = " + text(z, *z.akt) + "\n\n";
  bericht += z.listen.fuListe().empty()
                 ? std::string("Die Polynomliste ist leer.\n\n")
                 : gesamtFunktionsliste(z.listen, z.dezimalen, z.brueche) + "\n\n";
  bericht += splinelisteOderLeer(z);
  ausgabe(z, 0, bericht);
  bemerkung(z, "Die Funktionsliste wird im Ausgabefenster angezeigt.");
}

void setzeSichtbarkeit(Zustand& z, bool sichtbar) {
  const std::string name = z.felder.name;
  if (z.listen.fuExistiert(name)) {
    z.listen.fuListe().at(name)->sichtbar = sichtbar;
  } else if (z.listen.spExistiert(name)) {
    z.listen.spListe().at(name)->sichtbar = sichtbar;
  } else {
    z.ui.piep();
    bemerkung(z, texte::keineFunktionMitNamen(name));
    return;
  }
  bemerkung(z, texte::sichtbarkeit(name, sichtbar));
  neuF(z);
}

void setzeFarbe(Zustand& z, const std::string& name, Farbe farbe) {
  if (z.listen.fuExistiert(name)) {
    z.listen.fuListe().at(name)->color = farbe;
  } else if (z.listen.spExistiert(name)) {
    z.listen.spListe().at(name)->color = farbe;
  } else {
    z.ui.piep();
    auswahl(z, texte::keineFarbFunktion(name), "ok", "");
    return;
  }
  z.ui.neuZeichnen();
}

}  // namespace

void liesTerm(Zustand& z, const std::string& name, const std::string& t) {
  const Termergebnis gelesen = term2Polynom("0+" + t, z.listen.fuListe());
  if (!gelesen.ok) {
    bemerkung(z, gelesen.meldung);
    if (!gelesen.testString.empty()) z.testString = gelesen.testString;
    ausgabe(z, 0, z.testString);
    z.testString.clear();
    z.ui.piep();
    return;
  }
  const PolynomRef p = teile(gelesen.p);
  if (name == "akt") {
    bemerkung(z, texte::alsAktEingetragen(t));
    ausgabe(z, 0, "akt(x) = " + text(z, *p));
    z.akt = p;
    z.grafTarget = p;
    aktGrenzenSetzen(z);
    neuF(z);
    return;
  }
  bemerkung(z, texte::alsFunktionEingetragen(t, name));
  ausgabe(z, 0, name + "(x) = " + text(z, *p));
  fuEinlisten(z, name, p);
  z.grafTarget = p;
}

void aktEinlisten(Zustand& z, const PolynomRef& p) {
  std::string name = neuNamenLesen(z);
  // A name with x cannot be read back in a term; a spline's name would stand for two objects.
  if (nameEnthaeltZeichen(name, "x") > 0 || z.listen.spExistiert(name)) name.clear();
  if (!name.empty() && istKleinbuchstabe(ersterCodepunkt(name))) {
    if (name == "akt") {
      auswahl(z, texte::aktNichtVerfuegbar, "ok", "");
      z.felder.name.clear();
    } else if (z.listen.fuExistiert(name)) {
      if (auswahl(z, texte::gibtEsBereits(name), "Überschreiben", name + " nicht Ersetzen.") ==
          "Überschreiben") {
        fuEinlisten(z, name, p);
        bemerkung(z, texte::ersetzt(name));
        ausgabe(z, 2, "\nNeu: " + name + "(x) = " + text(z, *p));
      }
    } else {
      fuEinlisten(z, name, p);
      bemerkung(z, texte::eingefuegt(name));
      ausgabe(z, 2, name + "(x) = " + text(z, *p));
    }
    return;
  }
  const std::optional<std::string> zufallsname =
      neuerFunktionsname(z, "", texte::zufallsnamenAnsage);
  if (!zufallsname) return;
  bemerkung(z, texte::unterZufallsnamen(*zufallsname));
  fuEinlisten(z, *zufallsname, p);
  ausgabe(z, 2, *zufallsname + "(x) = " + text(z, *p));
  z.felder.name = *zufallsname;
}

// The input field is read again as a term, and the term reader knows no division: the text
// there is always in decimals, also while results are shown as fractions.
void poly2Eingabe(Zustand& z, const Polynom& p) {
  z.felder.eingabe = polynomString(p, z.dezimalen);
}

void registriereFunktionsbefehle(Befehlstabelle& t) {
  t.eintragen("liesTermB", liesTermB);
  t.eintragen("einlistB", einlistB);
  t.eintragen("aktuelleFunktionEinlistB", aktuelleFunktionEinlistB);
  t.eintragen("istAktuellB", istAktuellB);
  t.eintragen("auslistB", auslistB);
  t.eintragen("fktnListeLoeschB", fktnListeLoeschB);
  t.eintragen("zeigeGelFunktionenB", zeigeGelFunktionenB);
  t.eintragen("alleFuAnzeigB", alleFuAnzeigB);
  t.eintragen("macheFsichtbarB", [](Zustand& z) { setzeSichtbarkeit(z, true); });
  t.eintragen("macheFUnsichtbarB", [](Zustand& z) { setzeSichtbarkeit(z, false); });
  t.eintragen("farbeRot", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::rot); });
  t.eintragen("farbeGruen", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::gruen); });
  t.eintragen("farbeBlau", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::blau); });
  t.eintragen("farbeBraun", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::braun); });
  t.eintragen("farbeSchwarz", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::schwarz); });
  t.eintragen("farbeOrange", [](Zustand& z) { setzeFarbe(z, z.felder.name, Farbe::orange); });
}

}  // namespace quarvel
