#pragma once

#include <string>

#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// "" for x^0, "x" for x^1, "x^e" otherwise.
std::string xhochiString(int expo);
// |z| as plain number text (never in exponent form, so the text reads back as a term),
// empty when |z| is 1.
std::string absOhneEins(double z);
// One term of a polynomial text; `bisher` is the text built so far. With `brueche` a
// coefficient that is a fraction with a small denominator is written as one ("1/3x^2").
std::string polySummand(const std::string& bisher, double t, int i, int dezimalen,
                        bool brueche = false);
// The polynomial, constant term first: "2.0 - 3.0x + x^3", " 0 " for the zero polynomial.
// Coefficients are rounded to `dezimalen` decimals, except a leading one that would round
// to 0: it keeps two significant digits ("0.001x^3"), so the text shows the true degree.
std::string polynomString(const Polynom& fu, int dezimalen, bool brueche = false);
// The linear factor (x - a): " x ", "(x + 2.0)", "(x - 1.5)".
std::string linPol(double a, int dezimalen);
// "(1.0, 2.0)" or, with derivative conditions, "(1.0, 2.0 , 0.5 ,  -- )".
std::string punkt2String(const Punkt& p, int dezimalen, bool brueche = false);

}  // namespace quarvel
