#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// Plain number text: the shortest decimal that reads back as the same double, always with
// a point and a digit after it ("2.0", "0.33"); exponent form below 1e-4 ("1e-05") and
// from 1e16 on ("1e+16"). Negative zero is written "0.0".
std::string zahlText(double x);
// The same number always written out in decimals ("0.00001", "10000000000000000.0"): the
// form of texts the term reader reads back, where "1e-05" would mean a function e.
std::string dezimalText(double x);

// What a number text may contain besides "-", digits and one decimal point.
struct Zahlregeln {
  bool plusErlaubt = true;      // a leading "+"
  bool exponentErlaubt = true;  // "1e-05", "2E3"
  bool punktErlaubt = true;     // "2.5", ".5", "3."
};
// Rules for a number inside a term: no "+" (that is an operator there) and no exponent.
inline constexpr Zahlregeln zahlImTerm{.plusErlaubt = false, .exponentErlaubt = false};
// Rules for a count: digits with an optional sign.
inline constexpr Zahlregeln ganzeZahl{.exponentErlaubt = false, .punktErlaubt = false};

// The one number reader: a text that is a number by `regeln` and nothing else (no blanks,
// no decimal comma, no "inf" or "nan"), with at least one digit before any exponent.
// Numbers too large for a double are refused; numbers too small for one read as 0.
std::optional<double> alsZahl(std::string_view text, Zahlregeln regeln = {});

// x as a fraction "p/q" with the smallest denominator 1 ≤ q ≤ 1000 that meets x within 1e-9
// relative ("-1/4", "50/27", "3" for q = 1, "0" for 0); empty when there is none or |x| is
// too large for an exact numerator.
std::string bruchText(double x);
// The fraction of x when `brueche` is set and x is one, else `dezimal`: the one way any
// output turns a number into a fraction.
std::string bruchOderText(double x, bool brueche, std::string dezimal);

// Integer in plain decimal ("14", "-3").
std::string ganzText(long long n);

// Nearest integer, halves away from zero.
double naechsteGanzzahl(double v);

// Rounds to `dezimalen` decimals; values below 1e-7 become +0.0. Values too large to have
// decimals left are returned unchanged.
double runden(double x, int dezimalen);
std::vector<double> runden(const std::vector<double>& feld, int dezimalen);
// Rounds to `dezimalen` decimals without clearing small values (may yield -0.0, which
// prints as "0.0").
double gerundet(double x, int dezimalen);
// What to do with values below 1e-7 when rounding for print.
enum class Kleinwerte { behalten, alsNull };
// The text of x rounded to `dezimalen` decimals; with Kleinwerte::alsNull as by `runden`.
std::string gerundetText(double x, int dezimalen, Kleinwerte klein = Kleinwerte::behalten);
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
