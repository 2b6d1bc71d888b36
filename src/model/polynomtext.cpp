#include "model/polynomtext.h"

#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

std::string xhochiString(int expo) {
  if (expo == 0) return "";
  if (expo == 1) return "x";
  return "x^" + ganzText(expo);
}

std::string absOhneEins(double z) {
  const double a = std::abs(z);
  return istNull(a - 1) ? "" : dezimalText(a);
}

namespace {

// |t| as a fraction when asked for and it is one (empty for 1), else as the rounded r.
std::string betragText(double t, double r, bool brueche) {
  const std::string bruch = brueche ? bruchText(std::abs(t)) : "";
  if (bruch.empty() || bruch == "1") return absOhneEins(r);
  return bruch;
}

// One term from its coefficient t and the value r it is shown with.
std::string summand(const std::string& bisher, double t, double r, int i, bool brueche) {
  std::string ergebnis;
  if (r > 0) {
    if (!bisher.empty()) ergebnis = " + ";
    ergebnis += betragText(t, r, brueche) + xhochiString(i);
    if (i == 0 && r == 1.0) ergebnis = " 1 ";
  } else if (r < 0) {
    ergebnis = " - " + betragText(t, r, brueche) + xhochiString(i);
  }
  if (i == 0 && r == -1.0) ergebnis = " -1 ";
  return ergebnis;
}

}  // namespace

std::string polySummand(const std::string& bisher, double t, int i, int dezimalen, bool brueche) {
  return summand(bisher, t, runden(t, dezimalen), i, brueche);
}

std::string polynomString(const Polynom& fu, int dezimalen, bool brueche) {
  const int grad = fu.grad2();
  if (grad == -1) return " 0 ";
  std::string s;
  for (int i = 0; i <= grad; ++i) {
    // A fraction is recognised on the unrounded coefficient.
    double r = runden(fu.koeff[i], dezimalen);
    // The leading term is never rounded away: the text keeps the polynomial's degree.
    if (i == grad && r == 0.0) r = zweiGueltigeStellen(fu.koeff[i]);
    s += summand(s, fu.koeff[i], r, i, brueche);
  }
  return s;
}

std::string linPol(double a, int dezimalen) {
  const double r = runden(a, dezimalen);
  if (r == 0) return " x ";
  if (r < 0) return "(x + " + dezimalText(std::abs(r)) + ")";
  return "(x - " + dezimalText(r) + ")";
}

std::string punkt2String(const Punkt& p, int dezimalen, bool brueche) {
  auto text = [dezimalen, brueche](double v) {
    return bruchOderText(v, brueche, gerundetText(v, dezimalen));
  };
  std::string s = "(" + text(p.x()) + ", ";
  if (!p.valz() && !p.valw()) return s + text(p.y()) + ")";
  s += p.valy() ? text(p.y()) + " , " : " -- , ";
  s += p.valz() ? text(p.z()) + " , " : " -- , ";
  s += p.valw() ? text(p.w()) + " ) " : " -- )";
  return s;
}

}  // namespace quarvel
