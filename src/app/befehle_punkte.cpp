#include <string>
#include <vector>

#include "app/befehle.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "graph/rahmen.h"
#include "model/polynomtext.h"
#include "model/zahltext.h"
#include "points/punkteingabe.h"
#include "points/punkterzeugung.h"
#include "term/zeichen.h"

namespace quarvel {

namespace {

// One-button alerts.
void hinweisfenster(Zustand& z, const std::string& text, const std::string& knopf) {
  auswahl(z, text, knopf, "");
}

constexpr const char* jaWegDamit = "Ja, weg damit";
constexpr const char* lieberDochNicht = " Lieber doch nicht";

// The names typed into the name field; none when the field holds no name at all.
std::vector<std::string> namensfeldTeile(const Zustand& z) {
  std::vector<std::string> stuecke = gehackterString2Stringfeld(z.felder.name);
  if (stuecke.size() == 1 && stuecke.front().empty()) stuecke.clear();
  return stuecke;
}

// Joins report lines for the hint line; beyond hoechstensGenannt lines only their number
// is given, so the hint stays short however many points a collective name stands for.
class Kurzbericht {
 public:
  void zeile(std::string text) {
    if (++anzahl_ <= hoechstensGenannt) text_ += std::move(text);
  }
  std::string text() const {
    if (anzahl_ <= hoechstensGenannt) return text_;
    return text_ + "… und " + std::to_string(anzahl_ - hoechstensGenannt) + " weitere" + lf;
  }

 private:
  std::string text_;
  std::size_t anzahl_ = 0;
};

// --- entering a point ---

void punktSpeichern(Zustand& z, const std::string& nomen, Punkt p) {
  p.name = nomen;
  const std::string text = punkt2String(p, z.dezimalen, z.brueche);
  pktEinlisten(z, nomen, teile(std::move(p)));
  bemerkung(z, text + " wurde in die Punktliste eingefügt.");
  z.felder.name.clear();
}

// Stores a point that passed the entry check, asking before a stored point is replaced.
void punktEingabe(Zustand& z, std::string nomen, const Punkt& p) {
  // The check lets only letters and digits through, so this touches nothing but a–z.
  for (char& c : nomen) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  switch (z.listen.namensBewertung(nomen, ObjektTyp::p)) {
    case NamensAttribut::frei:
      punktSpeichern(z, nomen, p);
      break;
    case NamensAttribut::belegt:
      if (auswahl(z, "Es gibt in der Liste bereits einen Punkt namens " + nomen, "Überschreiben",
                  nomen + " nicht Ersetzen.") == "Überschreiben") {
        punktSpeichern(z, nomen, p);
      }
      break;
    case NamensAttribut::unerlaubt:
    case NamensAttribut::reserviert:
      break;
  }
}

void pktEingabe2B(Zustand& z) {
  const Punkteingabe eingabe = punktEingabeCheck(z.felder.eingabe);
  if (!eingabe.meldung.empty()) {
    warnung(z, eingabe.meldung);
    return;
  }
  punktEingabe(z, eingabe.name, eingabe.punkt);
}

// --- showing and deleting ---

void allePunkteAnzeigeB(Zustand& z) {
  if (z.listen.pktListe().empty()) {
    bemerkung(z, "Die Punktliste ist leer.");
    return;
  }
  bemerkung(z, "Die Punktliste wird im Ausgabefenster angezeigt.");
  ausgabe(z, 0, gesamtPunktliste(z.listen, z.dezimalen, z.brueche));
}

// Deletes one point; the line for the report.
std::string punktAuslisten(Zustand& z, const std::string& name) {
  if (!istPunkt(z.listen.pktListe(), name))
    return "Kein Punkt namens " + name + " in der Liste." + lf;
  pktAuslisten(z, name);
  return name + " wurde aus der Punkt-Liste entfernt." + lf;
}

void pktAuslistB(Zustand& z) {
  const std::vector<std::string> eingetragen = namensfeldTeile(z);
  if (eingetragen.empty()) {
    hinweisfenster(z,
                   "Bitte den (oder die) Namen der aus der Liste zu löschenden Punkte) im Feld "
                   "'Name' eintragen.",
                   "gerne");
    return;
  }
  Kurzbericht bericht;
  for (const std::string& name : namenEingabeEntfalten(z.listen.pktListe(), eingetragen)) {
    bericht.zeile(punktAuslisten(z, name));
  }
  z.felder.name.clear();
  bemerkung(z, bericht.text());
}

void pktListeLoeschB(Zustand& z) {
  if (z.listen.pktListe().empty()) {
    hinweisfenster(z, "Die Punktliste ist bereits leer.", "ok");
    return;
  }
  const std::string n = std::to_string(z.listen.pktListe().size());
  if (auswahl(z, "Wirklich die Punktliste (Punktanzahl beträgt " + n + ") Löschen?", jaWegDamit,
              lieberDochNicht) != jaWegDamit) {
    return;
  }
  z.listen.leerePunkte();
  bemerkung(z, "Die gesamte Punktliste wurde gelöscht.");
  ausgabe(z, 0, "Alle  Punkte (Anzahl: " + n + ") wurden aus der Punktliste entfernt.");
}

// Deletes every active ("aktivierten") or every inactive ("deaktivierten") point.
void punktAuswahlLoeschen(Zustand& z, const std::string& derartig) {
  const bool aktiv = derartig == "aktivierten";
  std::vector<std::string> namen;
  for (const auto& [name, p] : z.listen.pktListe()) {
    if (p->aktiv == aktiv) namen.push_back(name);
  }
  if (namen.empty()) {
    hinweisfenster(z, "Nichts gelöscht, da es keine " + derartig + " Punkte gibt.", "ok");
    neuP(z);
  } else {
    const std::string d =
        namen.size() == 1 ? namen.front() : "alle Punkte der Folge " + namensliste(namen);
    if (auswahl(z, "Wirklich " + d + "  Löschen?", jaWegDamit, lieberDochNicht) == jaWegDamit) {
      for (const std::string& name : namen) {
        z.listen.entfernePunkt(name);
      }
      // One report for the whole removal: the protocol grows with the list, not its square.
      bemerkung(z, "Alle " + derartig + " Punkte wurde gelöscht.");
      ausgabe(z, 0, "Aus der Punktliste entfernt: " + d);
      // A declined question leaves everything as it was, the points' frame included.
      neuP(z);
    }
  }
}

// --- activation ---

struct Schaltung {
  std::string (*schalte)(const Punktliste&, const std::string&);
  const char* bitte;
  const char* alle;
};

const Schaltung aktivieren{punktAktivieren,
                           "Bitte den (oder die) Namen der zu aktivierenden Punkte im Feld "
                           "'Name' eintragen.",
                           "Alle Punkte der Liste sind nun aktiviert"};
const Schaltung deaktivieren{punktDeaktivieren,
                             "Bitte den (oder die) Namen der zu deaktivierenden Punkte im Feld "
                             "'Name' eintragen.",
                             "Alle Punkte der Liste sind nun deaktiviert"};

void punkteSchalten(Zustand& z, const Schaltung& s) {
  const std::vector<std::string> eingetragen = namensfeldTeile(z);
  if (eingetragen.empty()) {
    hinweisfenster(z, s.bitte, "gerne");
    return;
  }
  Kurzbericht bericht;
  if (eingetragen.front() == "alle") {
    for (const auto& [name, _] : z.listen.pktListe()) s.schalte(z.listen.pktListe(), name);
    bericht.zeile(s.alle);
  } else {
    for (const std::string& name : namenEingabeEntfalten(z.listen.pktListe(), eingetragen)) {
      bericht.zeile(s.schalte(z.listen.pktListe(), name));
    }
  }
  z.felder.name.clear();
  bemerkung(z, bericht.text());
  z.ui.neuZeichnen();
}

// --- demonstration points ---

void nurTestB(Zustand& z) {
  for (Punkt& p : demonstrationsPunkte()) {
    const std::string name = p.name;
    pktEinlisten(z, name, teile(std::move(p)));
  }
  bemerkung(z,
            "Die 6 Punkte P1, P2, ..., P6 im Bereich [-3;5]x[3; 7] wurden erzeugt.\n Punkte mit "
            "gleichem Namen wurden ersetzt.");
  ausgabe(z, 0, gesamtPunktliste(z.listen, z.dezimalen, z.brueche));
}

// --- generation ---

void erzeugtePunkteEinlisten(Zustand& z, std::vector<Punkt> punkte) {
  const std::string namen = namensliste(punkte);
  for (Punkt& p : punkte) {
    const std::string name = p.name;
    pktEinlisten(z, name, teile(std::move(p)));
  }
  bemerkung(z, "Die Punkte " + namen + " wurden erzeugt.");
}

constexpr const char* gescheitert = "Erzeugung der Punkte gescheitert:\n\n";

// Points on a stored function: x field the count, y field the function, name field the letter.
void genWPunkteAufFB(Zustand& z) {
  const std::string links = zahlText(z.grafik.xlinks);
  const std::string rechts = zahlText(z.grafik.xrechts);
  const Felder& f = z.felder;
  const Erzeugungspruefung pruefung =
      testPunkteAufF(z.listen.fuListe(), links, rechts, f.y, f.x, f.name);
  if (!pruefung.ok) {
    bemerkung(z, gescheitert + pruefung.meldung);
    return;
  }
  erzeugtePunkteEinlisten(z, genPunkteAufF(z.listen, links, rechts, f.y, f.x, f.name));
}

// Random points in the shown window: x field the count, name field the letter.
void genWZufallsPunkteB(Zustand& z) {
  const Grenzen fenster = gezeigterRahmen(z.grafik);
  const Erzeugungspruefung pruefung = testZufallsPunkte(z.felder.x, z.felder.name, fenster);
  if (!pruefung.ok) {
    bemerkung(z, gescheitert + pruefung.meldung);
    return;
  }
  erzeugtePunkteEinlisten(
      z, genZufallsPunkte(z.listen.pktListe(), z.felder.x, z.felder.name, fenster, z.zufall));
}

}  // namespace

void registrierePunktbefehle(Befehlstabelle& t) {
  t.eintragen("pktEingabe2B", pktEingabe2B);
  t.eintragen("allePunkteAnzeigeB", allePunkteAnzeigeB);
  t.eintragen("pktAuslistB", pktAuslistB);
  t.eintragen("pktListeLoeschB", pktListeLoeschB);
  t.eintragen("aktiviertePunkteLoeschB",
              [](Zustand& z) { punktAuswahlLoeschen(z, "aktivierten"); });
  t.eintragen("deaktiviertePunkteLoeschB",
              [](Zustand& z) { punktAuswahlLoeschen(z, "deaktivierten"); });
  t.eintragen("punktAktivierB", [](Zustand& z) { punkteSchalten(z, aktivieren); });
  t.eintragen("punktDeaktivierB", [](Zustand& z) { punkteSchalten(z, deaktivieren); });
  t.eintragen("nurTestB", nurTestB);
  t.eintragen("genWPunkteAufFB", genWPunkteAufFB);
  t.eintragen("genWZufallsPunkteB", genWZufallsPunkteB);
}

}  // namespace quarvel
