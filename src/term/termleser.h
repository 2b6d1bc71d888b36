#pragma once

#include <string>
#include <string_view>

#include "model/objektlisten.h"
#include "model/polynom.h"

namespace quarvel {

// Reading a typed term into a polynomial.
//
// The language: decimal numbers (point or comma), x and its powers x^0 ... x^14, the signs
// + - *, brackets to any depth, powers of brackets with a one-digit exponent, implicit
// multiplication ("2(x+1)", "x2", "(x+1)(x-1)"), blanks, and the one-letter names of stored
// functions standing for those functions. Anything else is refused.

inline constexpr std::string_view nichtZuVerarbeitenMeldung =
    "Term in dieser Form nicht zu verarbeiten!";
inline constexpr std::string_view klammerfehlerMeldung =
    "Klammerfehler, - bitte Eingabe korrigieren";

struct Termergebnis {
  Polynom p;            // the polynomial; only meaningful when ok
  std::string meldung;  // why the term was refused
  bool ok = false;
  // The degree overflow text when a product exceeded the maximum degree, else empty.
  std::string testString;
};

// Reads `s` (the caller puts "0+" in front so that a term may start with a sign) with the
// functions of `fuListe`. Coefficients below 1e-15 come back as exactly 0.
Termergebnis term2Polynom(std::string_view s, const Funktionsliste& fuListe);

}  // namespace quarvel
