#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "term/zeichen.h"

namespace quarvel {

// Powers of brackets. The term reader knows only sums, products and powers of x, so a
// power of a bracket is written out as a product of copies before reading:
// "(x-1)^3" -> "(x-1)*(x-1)*(x-1)". Works on normalised texts (see trimmString).

// The longest text the term reader works on, typed or expanded. Nested powers multiply the
// length ("((a)^9)^9" holds 81 copies of a); beyond this a term is refused instead of
// eating memory and time.
inline constexpr std::size_t groessteTermlaenge = 5000;

// Text after the exponent range check: the bracket exponent must lie in 0 ... pgrad.
inline constexpr std::string_view exponentBereichMeldung = "Exponent nicht aus dem Bereich 0...";

// True when `q` contains ")^".
bool termEnthaltKlammerHoch(std::string_view q);

// Positions (from 1) of the brackets around the base of the first bracket power; (0, 0)
// when there is none. The base is the bracket closed right before the first ")^", so
// nested powers are expanded from the inside out.
Klammerpaar basisgrenzen(std::string_view q);

// The first bracket power of `q`, cut into its pieces.
struct Basisschnitt {
  std::string vorne;   // everything before the base
  std::string mitte;   // the base with its brackets
  std::string hinten;  // everything after the exponent digit
  int n = 0;           // the exponent
  // The caret is followed by a digit. A caret at the very end of a term has none; such a
  // power is refused rather than read as a product with nothing.
  bool exponentGelesen = false;
  std::string fehlerMeldung;  // exponent out of range
};
Basisschnitt trenneBasisVomText(std::string_view q);

// The base n times, joined by "*"; "1" for n = 0; the base itself for n = 1; empty for an
// empty base.
std::string vervielfacheTerm(std::string_view mitte, int n);

struct Entfaltung {
  std::string text;
  bool ok = true;             // false for a power without exponent or a text grown too long
  std::string fehlerMeldung;  // exponent out of range; ok stays true as far as this goes
};
// Expands the first bracket power of `q`.
Entfaltung vervielfacheMitte(std::string_view q);
// Expands every bracket power of `q`.
Entfaltung entfaltePotenzen(std::string_view q);

}  // namespace quarvel
