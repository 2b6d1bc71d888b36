#pragma once

#include <string>

#include "model/polynom.h"

namespace quarvel {

// Texts in the notation of school books, for the commands that show the steps of a
// solution: powers as superscripts ("x³"), indices as subscripts ("S₁"), the highest power
// first ("2.0x³ - x + 1.0"). Numbers are rounded to `dezimalen` decimals like every other
// output; a value that rounds to zero is written "0.0", never "-0.0".

// The rounded number text ("2.0", "-0.25").
std::string schulZahl(double x, int dezimalen);
// Superscript and subscript digits of a non-negative integer ("³", "₁₂").
std::string hochgestellt(int n);
std::string tiefgestellt(int n);
// The k-th derivative of the function `name` as written in class: f, f', f'', f''', f⁽⁴⁾ ….
std::string ableitungsName(const std::string& name, int k);
// One summand c·x^i in the middle of a sum: " + 2.0x²", " - x", or at its start
// (`erster`): "2.0x²", "-x". `variable` stands for x^1; an empty variable means the
// constant summand.
std::string schulSummand(double c, const std::string& variable, bool erster, int dezimalen);
// The polynomial, highest power first; "0.0" when every coefficient rounds to zero.
std::string schulPolynom(const Polynom& p, int dezimalen);
// A point in school notation: "T(2.0 | -4.0)".
std::string schulPunkt(const std::string& name, double x, double y, int dezimalen);

}  // namespace quarvel
