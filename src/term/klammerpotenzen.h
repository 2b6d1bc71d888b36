#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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

struct Entfaltung {
  std::string text;
  bool ok = true;             // false for a power without exponent or a text grown too long
  std::string fehlerMeldung;  // exponent out of range; ok stays true as far as this goes
};
// Expands every bracket power of `q`.
Entfaltung entfaltePotenzen(std::string_view q);

}  // namespace quarvel
