#pragma once

#include <string>

#include "app/zustand.h"
#include "model/polynom.h"

namespace quarvel {

// Pieces of the function commands that other command groups reuse.

// A name for a new function.
struct Funktionsname {
  std::string name;          // empty when no name could be found (the user has been told)
  bool ausDemPool = false;   // taken from the pool: goes back when nothing is stored under it
};

// The name field (without surrounding blanks) when it is a free function name; otherwise
// the first free name of the pool, announced in an alert. When the pool is exhausted the
// user is told so and the name is empty.
Funktionsname fuNamenTest(Zustand& z);
// Gives a pool name back when nothing ended up stored under it.
void nameZurueckgeben(Zustand& z, const Funktionsname& name);

// Reads the term t into the function `name`, or into the current function for "akt".
void liesTerm(Zustand& z, const Funktionsname& name, const std::string& t);

// Stores p under the name of the name field (asking before replacing), or under a free name.
void aktEinlisten(Zustand& z, const PolynomRef& p);

// The input field shows the text form of p.
void poly2Eingabe(Zustand& z, const Polynom& p);

}  // namespace quarvel
