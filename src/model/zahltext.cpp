#include "model/zahltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/toleranz.h"

namespace quarvel {

std::string zahlText(double x) {
  const double betrag = std::abs(x);
  const bool exponentform = std::isfinite(x) && betrag != 0.0 && (betrag < 1e-4 || betrag >= 1e16);
  if (!exponentform) return dezimalText(x);
  char puffer[64];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific);
  return std::string(puffer, fehler == std::errc{} ? ende : puffer);
}

std::string dezimalText(double x) {
  // A zero is a zero whatever its sign bit: "-0.0" would only puzzle the reader.
  if (x == 0.0) x = 0.0;
  // Wide enough for every finite double written out: 309 integer digits at the top, 324
  // decimals at the bottom.
  char puffer[400];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed);
  std::string text(puffer, fehler == std::errc{} ? ende : puffer);
  if (std::isfinite(x) && text.find('.') == std::string::npos) text += ".0";
  return text;
}

std::string bruchText(double x) {
  constexpr int groessterNenner = 1000;
  constexpr double relativeGenauigkeit = 1e-9;
  // Beyond this a numerator times 1000 is no longer an exact integer in a double.
  constexpr double groessterBetrag = 1e12;
  if (x == 0.0) return "0";
  if (!std::isfinite(x) || std::abs(x) >= groessterBetrag) return "";
  for (int nenner = 1; nenner <= groessterNenner; ++nenner) {
    const double zaehler = std::round(x * nenner);
    if (std::abs(x - zaehler / nenner) <= relativeGenauigkeit * std::abs(x)) {
      const std::string z = ganzText(static_cast<long long>(zaehler));
      return nenner == 1 ? z : z + "/" + ganzText(nenner);
    }
  }
  return "";
}

std::string bruchOderText(double x, bool brueche, std::string dezimal) {
  std::string bruch = brueche ? bruchText(x) : "";
  return bruch.empty() ? dezimal : bruch;
}

std::string ganzText(long long n) {
  return std::to_string(n);
}

double naechsteGanzzahl(double v) {
  return std::round(v);
}

namespace {

// From 2^52 on every double is an integer, so x * 10^dezimalen has nothing left to round.
constexpr double keineNachkommastellen = 4503599627370496.0;

}  // namespace

double runden(double x, int dezimalen) {
  const double r = gerundet(x, dezimalen);
  return std::abs(r) < 1e-7 ? 0.0 : r;
}

std::vector<double> runden(const std::vector<double>& feld, int dezimalen) {
  std::vector<double> ergebnis;
  ergebnis.reserve(feld.size());
  for (double x : feld) ergebnis.push_back(runden(x, dezimalen));
  return ergebnis;
}

double gerundet(double x, int dezimalen) {
  const double f = std::pow(10.0, dezimalen);
  // Large values are shown as they are: scaling them would only add error or overflow.
  if (!std::isfinite(x) || std::abs(x * f) >= keineNachkommastellen) return x;
  return naechsteGanzzahl(x * f) / f;
}

std::string gerundetText(double x, int dezimalen, Kleinwerte klein) {
  return zahlText(klein == Kleinwerte::alsNull ? runden(x, dezimalen) : gerundet(x, dezimalen));
}

namespace {

bool istZiffer(char c) {
  return c >= '0' && c <= '9';
}

// Length of the longest prefix of `text` made of digits.
std::size_t ziffern(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && istZiffer(text[n])) ++n;
  return n;
}

}  // namespace

std::optional<double> alsZahl(std::string_view text, Zahlregeln regeln) {
  std::string_view rest = text;
  if (rest.starts_with('-') || (regeln.plusErlaubt && rest.starts_with('+'))) rest.remove_prefix(1);
  // The mantissa: digits with at most one point, at least one digit.
  const std::string_view ganz = rest.substr(0, ziffern(rest));
  rest.remove_prefix(ganz.size());
  std::string_view bruch;
  if (regeln.punktErlaubt && rest.starts_with('.')) {
    rest.remove_prefix(1);
    bruch = rest.substr(0, ziffern(rest));
    rest.remove_prefix(bruch.size());
  }
  if (ganz.empty() && bruch.empty()) return std::nullopt;
  // The decimal exponent, saturated: only its sign matters beyond the range of a double.
  long long exponent = 0;
  if (regeln.exponentErlaubt && (rest.starts_with('e') || rest.starts_with('E'))) {
    rest.remove_prefix(1);
    const bool negativ = rest.starts_with('-');
    if (rest.starts_with('-') || rest.starts_with('+')) rest.remove_prefix(1);
    const std::string_view stellen = rest.substr(0, ziffern(rest));
    if (stellen.empty()) return std::nullopt;
    for (char c : stellen) exponent = std::min(exponent * 10 + (c - '0'), 100000LL);
    if (negativ) exponent = -exponent;
    rest.remove_prefix(stellen.size());
  }
  if (!rest.empty()) return std::nullopt;

  // from_chars takes no leading "+".
  if (text.starts_with('+')) text.remove_prefix(1);
  double wert = 0.0;
  const char* ende = text.data() + text.size();
  const auto [stelle, fehler] = std::from_chars(text.data(), ende, wert);
  if (fehler == std::errc::result_out_of_range) {
    // Too small reads as 0, too large is refused: the side follows from the place of the
    // first digit that is not 0.
    const std::size_t ganzErste = ganz.find_first_not_of('0');
    const long long groessenordnung =
        ganzErste != std::string_view::npos
            ? static_cast<long long>(ganz.size() - ganzErste) + exponent
            : -static_cast<long long>(bruch.find_first_not_of('0')) + exponent;
    if (groessenordnung > 0) return std::nullopt;
    return 0.0;
  }
  if (fehler != std::errc{} || stelle != ende) return std::nullopt;
  return wert;
}

double zweiGueltigeStellen(double x) {
  char puffer[32];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 1);
  double ergebnis = x;
  if (fehler == std::errc{}) std::from_chars(puffer, ende, ergebnis);
  return ergebnis;
}

double rund1(double x) {
  return gerundet(x, 1);
}
double rund2(double x) {
  return gerundet(x, 2);
}

bool istGanzzahl(double x) {
  return naechsteGanzzahl(x) - x == 0.0;
}

std::vector<double> reinigeFeld(const std::vector<double>& feld) {
  if (feld.size() <= 1) return feld;
  std::vector<double> ergebnis{feld.front()};
  for (std::size_t i = 1; i < feld.size(); ++i) {
    if (!istFastNull(feld[i] - ergebnis.back())) ergebnis.push_back(feld[i]);
  }
  return ergebnis;
}

}  // namespace quarvel
