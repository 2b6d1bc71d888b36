#include "model/schultext.h"

#include <cmath>

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

std::string schulZahl(double x, Zahlformat format) {
  const double r = runden(x, format.dezimalen);
  if (format.brueche) {
    const std::string bruch = bruchText(x);
    if (!bruch.empty()) return bruch;
    if (r == 0.0) return "0";
  }
  return zahlText(r);
}

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

std::string schulSummand(double c, const std::string& variable, bool erster, Zahlformat format) {
  const double r = runden(c, format.dezimalen);
  const bool negativ = r < 0;
  std::string text = erster ? (negativ ? "-" : "") : (negativ ? " - " : " + ");
  // A factor 1 is not written in front of a power of x.
  if ((negativ ? -r : r) != 1.0 || variable.empty()) text += schulZahl(negativ ? -c : c, format);
  return text + variable;
}

std::string schulPolynom(const Polynom& p, Zahlformat format) {
  std::string text;
  const int grad = p.grad2();
  for (int i = pgrad; i >= 0; --i) {
    const double c = p.koeff[static_cast<std::size_t>(i)];
    const std::string potenz = i == 0 ? "" : i == 1 ? "x" : "x" + hochgestellt(i);
    if (runden(c, format.dezimalen) == 0.0) {
      // The leading term is never rounded away: the text keeps the polynomial's degree.
      if (i == grad) {
        const double z = zweiGueltigeStellen(c);
        text += (z < 0 ? "-" : "") + zahlText(std::abs(z)) + potenz;
      }
      continue;
    }
    text += schulSummand(c, potenz, text.empty(), format);
  }
  return text.empty() ? schulZahl(0.0, format) : text;
}

std::string schulPunkt(const std::string& name, double x, double y, Zahlformat format) {
  return name + "(" + schulZahl(x, format) + " | " + schulZahl(y, format) + ")";
}

}  // namespace quarvel
