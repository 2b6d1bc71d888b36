#pragma once

#include <string>

#include "app/zustand.h"
#include "model/polynom.h"

namespace quarvel {

// Pieces of the function commands that other command groups reuse.

// Reads the term t into the function `name`, or into the current function for "akt".
void liesTerm(Zustand& z, const std::string& name, const std::string& t);

// Stores p under the name of the name field (asking before replacing), or under a free name.
void aktEinlisten(Zustand& z, const PolynomRef& p);

// The input field shows the text form of p.
void poly2Eingabe(Zustand& z, const Polynom& p);

}  // namespace quarvel
