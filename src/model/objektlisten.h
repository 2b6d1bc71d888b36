#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/punkt.h"
#include "model/spline.h"

namespace quarvel {

enum class NamensAttribut { unerlaubt, reserviert, frei, belegt };
enum class ObjektTyp { f, p };

using Funktionsliste = std::map<std::string, PolynomRef>;
using Splineliste = std::map<std::string, SplineRef>;
// Pools of free names are ordered, so "the first free name" is always the smallest.
using Namenspool = std::set<std::string>;

bool istKleinbuchstabe(char32_t c);
bool istGrossbuchstabe(char32_t c);
bool istZiffer(char32_t c);
// Letters and digits: the characters allowed inside names.
bool istNamensTeil(char32_t c);

// Free function names at start: every lower-case letter but x and y.
Namenspool startFunktionsnamen();
// Free point names at start: the upper-case letters.
Namenspool startPunktnamen();
// The 25 upper-case letters without O, for naming points in sequence.
const std::vector<std::string>& alphabet();

// Every named object of a run, with the pools its new names come from.
//
// The lists map names to shared objects. The pools and lists are kept in step by the
// storing and removing operations of the application (a one-letter name of a stored object
// is never in its pool).
struct Objektlisten {
  Funktionsliste fuListe;
  Punktliste pktListe;
  Splineliste spListe;
  std::map<std::string, PunktmengeRef> pMengenListe;
  // Text forms of deleted functions, in order of deletion.
  std::vector<std::string> backupf;
  // Abscissas of the critical points last computed.
  std::vector<double> kritStellenListe;
  Namenspool fuNamen = startFunktionsnamen();
  Namenspool punktNamen = startPunktnamen();

  bool fuExistiert(const std::string& name) const { return fuListe.contains(name); }
  bool pktExistiert(const std::string& name) const { return pktListe.contains(name); }
  bool spExistiert(const std::string& name) const { return spListe.contains(name); }
  std::set<std::string> aktuelleFuNamen() const;

  NamensAttribut namensBewertung(const std::string& name, ObjektTyp typ) const;

  // Takes the first free name out of a pool; empty when the pool is exhausted.
  static std::string nimmFreienNamen(Namenspool& pool);
};

// "Liste der mit Namen gespeicherten Funktionen …", names in ascending order.
std::string gesamtFunktionsliste(const Objektlisten& listen, int dezimalen, bool brueche = false);
// The deleted function terms and the current function; empty when nothing was deleted.
std::string gelFuListe(const Objektlisten& listen, const Polynom& akt, int dezimalen);
// The points grouped into active and inactive ones, three to a line.
std::string gesamtPunktliste(const Objektlisten& listen, int dezimalen, bool brueche = false);

}  // namespace quarvel
