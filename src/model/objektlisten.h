#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
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

// Every named object of a run, with the pools its new names come from.
//
// Invariant, kept by the mutators below (the only way to change the lists):
//  - no stored name is in its pool: a function's or spline's name is not in the function
//    pool, a point's name is not in the point pool;
//  - the function pool holds only one-letter names (lower-case, never "x"), so a longer
//    name such as "akt" or "nP" is never handed out;
//  - every name of the start pools is either stored or in its pool: removing an object
//    gives its name back, and nothing takes a name out of a pool without storing under it;
//  - a stored object's own `name` is its key.
// The stored objects themselves (colour, visibility, coordinates) stay changeable through
// their shared references; only names, keys and pools are guarded here.
class Objektlisten {
 public:
  const Funktionsliste& fuListe() const { return fuListe_; }
  const Punktliste& pktListe() const { return pktListe_; }
  const Splineliste& spListe() const { return spListe_; }
  const Namenspool& fuNamen() const { return fuNamen_; }
  const Namenspool& punktNamen() const { return punktNamen_; }
  // Text forms of deleted functions, in order of deletion.
  const std::vector<std::string>& backupf() const { return backupf_; }

  bool fuExistiert(const std::string& name) const { return fuListe_.contains(name); }
  bool pktExistiert(const std::string& name) const { return pktListe_.contains(name); }
  bool spExistiert(const std::string& name) const { return spListe_.contains(name); }
  std::set<std::string> aktuelleFuNamen() const;

  NamensAttribut namensBewertung(const std::string& name, ObjektTyp typ) const;

  // The name a new function or spline (or point) gets when no usable name was given: the
  // first name of its pool, empty when the pool is exhausted. The name stays in the pool
  // until something is stored under it, so a command that gives up in between loses none.
  std::string freierFunktionsname() const { return erster(fuNamen_); }
  std::string freierPunktname() const { return erster(punktNamen_); }

  // Storing under an existing key replaces that object; the name leaves its pool and
  // becomes the object's own name.
  void speichereFunktion(const std::string& name, const PolynomRef& p);
  void speichereSpline(const std::string& name, const SplineRef& s);
  void speicherePunkt(const std::string& name, const PunktRef& p);

  // Removing gives the name back: a point name whatever its form ("P1" too), a function or
  // spline name when it has one letter and neither list still holds it. A name that is
  // not stored changes nothing. True when something was removed.
  bool entferneFunktion(const std::string& name);
  bool entferneSpline(const std::string& name);
  bool entfernePunkt(const std::string& name);

  // Emptying a list gives all its names back. The point pool starts afresh.
  void leereFunktionen();
  void leereSplines();
  void leerePunkte();
  // Every list empty and both pools as at program start; the deleted terms stay.
  void leereAlles();

  void merkeGeloeschtenTerm(std::string term) { backupf_.push_back(std::move(term)); }

 private:
  static std::string erster(const Namenspool& pool) { return pool.empty() ? "" : *pool.begin(); }
  void gibFunktionsnamenZurueck(const std::string& name);

  Funktionsliste fuListe_;
  Punktliste pktListe_;
  Splineliste spListe_;
  std::vector<std::string> backupf_;
  Namenspool fuNamen_ = startFunktionsnamen();
  Namenspool punktNamen_ = startPunktnamen();
};

// "Liste der mit Namen gespeicherten Funktionen …", names in ascending order.
std::string gesamtFunktionsliste(const Objektlisten& listen, int dezimalen, bool brueche = false);
// The deleted function terms and the current function; empty when nothing was deleted.
std::string gelFuListe(const Objektlisten& listen, const Polynom& akt, int dezimalen);
// The points grouped into active and inactive ones, three to a line.
std::string gesamtPunktliste(const Objektlisten& listen, int dezimalen, bool brueche = false);

}  // namespace quarvel
