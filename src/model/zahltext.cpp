#include "model/zahltext.h"

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

std::string ganzText(long long n) { return std::to_string(n); }

double naechsteGanzzahl(double v) { return std::round(v); }

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
  // From 2^52 on a double has no fractional digits, and scaling it might overflow.
  if (std::abs(x) >= 0x1p52) return x;
  const double f = std::pow(10.0, dezimalen);
  return naechsteGanzzahl(x * f) / f;
}

double zweiGueltigeStellen(double x) {
  char puffer[32];
  const auto [ende, fehler] =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 1);
  double ergebnis = x;
  if (fehler == std::errc{}) std::from_chars(puffer, ende, ergebnis);
  return ergebnis;
}

double rund1(double x) { return gerundet(x, 1); }
double rund2(double x) { return gerundet(x, 2); }

bool istGanzzahl(double x) { return naechsteGanzzahl(x) - x == 0.0; }

std::vector<double> reinigeFeld(const std::vector<double>& feld) {
  if (feld.size() <= 1) return feld;
  std::vector<double> ergebnis{feld.front()};
  for (std::size_t i = 1; i < feld.size(); ++i) {
    if (!istFastNull(feld[i] - ergebnis.back())) ergebnis.push_back(feld[i]);
  }
  return ergebnis;
}

}  // namespace quarvel
