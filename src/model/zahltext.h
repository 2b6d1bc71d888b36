#pragma once

#include <string>
#include <vector>

namespace quarvel {

// Plain number text: the shortest decimal that reads back as the same double, always with
// a point and a digit after it ("2.0", "-0.0", "0.33"); exponent form below 1e-4
// ("1e-05") and from 1e16 on ("1e+16").
std::string zahlText(double x);
// The same number always written out in decimals ("0.00001", "10000000000000000.0"): the
// form of texts the term reader reads back, where "1e-05" would mean a function e.
std::string dezimalText(double x);

// x as a fraction "p/q" with the smallest denominator 1 ≤ q ≤ 1000 that meets x within 1e-9
// relative ("-1/4", "50/27", "3" for q = 1, "0" for 0); empty when there is none or |x| is
// too large for an exact numerator.
std::string bruchText(double x);

// Integer in plain decimal ("14", "-3").
std::string ganzText(long long n);

// Nearest integer, halves away from zero.
double naechsteGanzzahl(double v);

// Rounds to `dezimalen` decimals; values below 1e-7 become +0.0.
double runden(double x, int dezimalen);
std::vector<double> runden(const std::vector<double>& feld, int dezimalen);
// Rounds to `dezimalen` decimals without clearing small values (may yield -0.0).
double gerundet(double x, int dezimalen);
// x with two significant digits (0.0012, 1.2e-12): how a non-zero number is shown that
// would round to 0 at the chosen decimals, so it never reads as 0.
double zweiGueltigeStellen(double x);
// One and two decimals, halves away from zero.
double rund1(double x);
double rund2(double x);

bool istGanzzahl(double x);

// Drops each entry closer than 1e-7 to the last entry kept.
std::vector<double> reinigeFeld(const std::vector<double>& feld);

}  // namespace quarvel
