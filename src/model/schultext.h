#pragma once

#include <string>

#include "model/polynom.h"

namespace quarvel {

// Texts in the notation of school books, for the commands that show the steps of a
// solution: powers as superscripts ("x³"), indices as subscripts ("S₁"), the highest power
// first ("2.0x³ - x + 1.0"). Numbers are rounded to `dezimalen` decimals like every other
// output; a value that rounds to zero is written "0.0", never "-0.0". With `brueche` a
// number that is a fraction with a small denominator is written as one ("-1/4", "3").

struct Zahlformat {
  int dezimalen = 2;
  bool brueche = false;
};

// The rounded number text ("2.0", "-0.25"), or the fraction ("1/3"; "0" for what rounds
// to zero).
std::string schulZahl(double x, Zahlformat format);
// Superscript and subscript digits of a non-negative integer ("³", "₁₂").
std::string hochgestellt(int n);
std::string tiefgestellt(int n);
// The k-th derivative of the function `name` as written in class: f, f', f'', f''', f⁽⁴⁾ ….
std::string ableitungsName(const std::string& name, int k);
// One summand c·x^i in the middle of a sum: " + 2.0x²", " - x", or at its start
// (`erster`): "2.0x²", "-x". `variable` stands for x^1; an empty variable means the
// constant summand.
std::string schulSummand(double c, const std::string& variable, bool erster, Zahlformat format);
// The polynomial, highest power first; "0.0" (or "0") when every coefficient rounds to zero.
std::string schulPolynom(const Polynom& p, Zahlformat format);
// A point in school notation: "T(2.0 | -4.0)".
std::string schulPunkt(const std::string& name, double x, double y, Zahlformat format);

}  // namespace quarvel
