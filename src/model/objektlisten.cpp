#include "model/objektlisten.h"

#include <utility>

#include "model/polynomtext.h"
#include "model/utf8.h"

namespace quarvel {

bool istKleinbuchstabe(char32_t c) {
  return c >= U'a' && c <= U'z';
}
bool istGrossbuchstabe(char32_t c) {
  return c >= U'A' && c <= U'Z';
}
bool istZiffer(char32_t c) {
  return c >= U'0' && c <= U'9';
}
bool istNamensTeil(char32_t c) {
  return istKleinbuchstabe(c) || istGrossbuchstabe(c) || istZiffer(c);
}

Namenspool startFunktionsnamen() {
  Namenspool pool;
  for (char c = 'a'; c <= 'z'; ++c) {
    if (c != 'x' && c != 'y') pool.insert(std::string(1, c));
  }
  return pool;
}

Namenspool startPunktnamen() {
  Namenspool pool;
  for (char c = 'A'; c <= 'Z'; ++c) pool.insert(std::string(1, c));
  return pool;
}

std::set<std::string> Objektlisten::aktuelleFuNamen() const {
  std::set<std::string> namen;
  for (const auto& [name, _] : fuListe_) namen.insert(name);
  return namen;
}

NamensAttribut Objektlisten::namensBewertung(const std::string& name, ObjektTyp typ) const {
  const char32_t erstes = name.empty() ? U'\0' : ersterCodepunkt(name);
  if (typ == ObjektTyp::p) {
    if (pktListe_.contains(name)) return NamensAttribut::belegt;
    if (name.empty() || !istGrossbuchstabe(erstes)) return NamensAttribut::unerlaubt;
    return NamensAttribut::frei;
  }
  if (name == "nP" || name == "eP") return NamensAttribut::reserviert;
  if (name.empty() || !istKleinbuchstabe(erstes) || name.find('x') != std::string::npos) {
    return NamensAttribut::unerlaubt;
  }
  // Splines draw their names from the same pool, so a spline's name is taken as well.
  if (fuListe_.contains(name) || spListe_.contains(name)) return NamensAttribut::belegt;
  return NamensAttribut::frei;
}

void Objektlisten::speichereFunktion(const std::string& name, const PolynomRef& p) {
  p->name = name;
  fuListe_[name] = p;
  fuNamen_.erase(name);
}

void Objektlisten::speichereSpline(const std::string& name, const SplineRef& s) {
  s->name = name;
  spListe_[name] = s;
  fuNamen_.erase(name);
}

void Objektlisten::speicherePunkt(const std::string& name, const PunktRef& p) {
  p->name = name;
  pktListe_[name] = p;
  punktNamen_.erase(name);
}

// Only one-letter names go back: the pool hands out one-letter names, and a longer one such
// as "akt" or "nP" must never be handed out. A name still held by the other list (a
// function and a spline of the same name) stays taken.
void Objektlisten::gibFunktionsnamenZurueck(const std::string& name) {
  if (fuListe_.contains(name) || spListe_.contains(name)) return;
  const auto zeichen = codepunkte(name);
  if (zeichen.size() == 1 && istKleinbuchstabe(zeichen.front()) && zeichen.front() != U'x') {
    fuNamen_.insert(name);
  }
}

bool Objektlisten::entferneFunktion(const std::string& name) {
  if (fuListe_.erase(name) == 0) return false;
  gibFunktionsnamenZurueck(name);
  return true;
}

bool Objektlisten::entferneSpline(const std::string& name) {
  if (spListe_.erase(name) == 0) return false;
  gibFunktionsnamenZurueck(name);
  return true;
}

// A point name goes back whatever its form (also "P1"): point names are all upper-case
// names, so any of them may be handed out again.
bool Objektlisten::entfernePunkt(const std::string& name) {
  if (pktListe_.erase(name) == 0) return false;
  punktNamen_.insert(name);
  return true;
}

void Objektlisten::leereFunktionen() {
  const Funktionsliste geloescht = std::exchange(fuListe_, {});
  for (const auto& [name, _] : geloescht) gibFunktionsnamenZurueck(name);
}

void Objektlisten::leereSplines() {
  const Splineliste geloescht = std::exchange(spListe_, {});
  for (const auto& [name, _] : geloescht) gibFunktionsnamenZurueck(name);
}

void Objektlisten::leereAlles() {
  fuListe_.clear();
  spListe_.clear();
  fuNamen_ = startFunktionsnamen();
  leerePunkte();
}

void Objektlisten::leerePunkte() {
  pktListe_.clear();
  punktNamen_ = startPunktnamen();
}

std::string gesamtFunktionsliste(const Objektlisten& listen, int dezimalen, bool brueche) {
  std::string text = "Liste der mit Namen gespeicherten Funktionen \n\n";
  for (const auto& [name, p] : listen.fuListe()) {
    const std::string farbe = p->sichtbar ? std::string(rohText(p->color)) : "unsichtbar";
    text += name + "(x) = " + polynomString(*p, dezimalen, brueche) + " (" + farbe + ") \n";
  }
  return text;
}

std::string gelFuListe(const Objektlisten& listen, const Polynom& akt, int dezimalen) {
  if (listen.backupf().empty()) return "";
  std::string text;
  for (const std::string& term : listen.backupf()) text += "y = " + term + " \n";
  return text +
         "\nDie aktuelle Funktion hat den Funktionsterm \n y = " + polynomString(akt, dezimalen);
}

namespace {
std::string punktGruppe(const std::vector<std::string>& eintraege) {
  std::string text;
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    text += eintraege[i] + ((i + 1) % 3 == 0 ? "\n" : ",   ");
  }
  return text;
}
}  // namespace

std::string gesamtPunktliste(const Objektlisten& listen, int dezimalen, bool brueche) {
  std::vector<std::string> aktive;
  std::vector<std::string> inaktive;
  for (const auto& [name, p] : listen.pktListe()) {
    (p->aktiv ? aktive : inaktive).push_back(name + punkt2String(*p, dezimalen, brueche));
  }
  std::string text = "Liste der gespeicherten Punkte \n\n";
  text += aktive.empty() ? "Keine aktivierten Punkte\n\n"
                         : "Aktivierte Punkte:\n" + punktGruppe(aktive) + "\n\n";
  text += inaktive.empty() ? "Keine deaktivierten Punkte\n\n"
                           : "\nDeaktivierte Punkte:\n" + punktGruppe(inaktive);
  return text;
}

}  // namespace quarvel
