#include "model/schultext.h"

#include "model/zahltext.h"

namespace quarvel {

namespace {

std::string ziffernAus(int n, const char* const (&ziffern)[10]) {
  const std::string dezimal = std::to_string(n);
  std::string text;
  for (char c : dezimal) text += ziffern[c - '0'];
  return text;
}

}  // namespace

std::string schulZahl(double x, int dezimalen) { return zahlText(runden(x, dezimalen)); }

std::string hochgestellt(int n) {
  static const char* const ziffern[10] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  return ziffernAus(n, ziffern);
}

std::string tiefgestellt(int n) {
  static const char* const ziffern[10] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
  return ziffernAus(n, ziffern);
}

std::string ableitungsName(const std::string& name, int k) {
  if (k <= 3) return name + std::string(static_cast<std::size_t>(k), '\'');
  return name + "⁽" + hochgestellt(k) + "⁾";
}

std::string schulSummand(double c, const std::string& variable, bool erster, int dezimalen) {
  const double r = runden(c, dezimalen);
  const bool negativ = r < 0;
  const double betrag = negativ ? -r : r;
  std::string text = erster ? (negativ ? "-" : "") : (negativ ? " - " : " + ");
  // A factor 1 is not written in front of a power of x.
  if (betrag != 1.0 || variable.empty()) text += zahlText(betrag);
  return text + variable;
}

std::string schulPolynom(const Polynom& p, int dezimalen) {
  std::string text;
  for (int i = pgrad; i >= 0; --i) {
    const double c = p.koeff[static_cast<std::size_t>(i)];
    if (runden(c, dezimalen) == 0.0) continue;
    const std::string potenz = i == 0 ? "" : i == 1 ? "x" : "x" + hochgestellt(i);
    text += schulSummand(c, potenz, text.empty(), dezimalen);
  }
  return text.empty() ? "0.0" : text;
}

std::string schulPunkt(const std::string& name, double x, double y, int dezimalen) {
  return name + "(" + schulZahl(x, dezimalen) + " | " + schulZahl(y, dezimalen) + ")";
}

}  // namespace quarvel
