#pragma once

#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/schultext.h"

namespace quarvel {

// The reasoning behind each critical point of a polynomial, as a student writes it down:
// "f'(2.0) = 0 und f''(2.0) = 6.0 > 0 ⇒ Tiefpunkt T(2.0 | -4.0)".
//
// The kinds themselves come from the curve description's classification (`verlauf`), so
// both always agree; this part only adds the reasons: the values of the derivatives, the
// sign changes of f' and f'' from the sign chart, or the first derivative that does not
// vanish.

struct BegruendetePosition {
  double x = 0;
  // The kinds as the curve description names them ("Nullpunkt", "Tiefpunkt",
  // "r-l-Sattelpunkt", "Flachpunkt", …).
  std::vector<std::string> arten;
  // One line of reasoning per kind, in the same order; a root of f'' that is no point of
  // inflection gets one more line saying why.
  std::vector<std::string> zeilen;
};

// Every critical position of p (degree 2 or more) with its reasoning; `name` is the
// function's name in the formulas.
std::vector<BegruendetePosition> begruendePositionen(const Polynom& p, const std::string& name,
                                                     Zahlformat format);

// The whole text: the function with its first two derivatives, then the lines of every
// position; a sentence instead for degrees below 2.
std::string begruendungsText(const Polynom& p, const std::string& name, Zahlformat format);

}  // namespace quarvel
