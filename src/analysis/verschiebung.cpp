#include "analysis/verschiebung.h"

#include <cstdint>

namespace quarvel {

double pHochn(double p, int n) {
  double ergebnis = 1.0;
  for (int i = 0; i < n; ++i) ergebnis *= p;
  return ergebnis;
}

double fakul(int n) {
  std::int64_t ergebnis = 1;
  for (int i = 2; i <= n; ++i) ergebnis *= i;
  return static_cast<double>(ergebnis);
}

double koff(const Polynom& p, double c, int j) {
  double s = 0.0;
  for (int i = j; i <= p.grad2(); ++i) {
    s = (pHochn(-c, i - j) * p.koeff[static_cast<std::size_t>(i)] * fakul(i)) / fakul(i - j) + s;
  }
  return s / fakul(j);
}

Polynom verschAktPolynom(const Polynom& akt, double h, double v) {
  Koeffizienten r{};
  for (int j = 0; j <= akt.grad2(); ++j) r[static_cast<std::size_t>(j)] = koff(akt, h, j);
  r[0] += v;
  return Polynom(r);
}

Polynom spiegeleAnHor(const Polynom& akt, double d) {
  Koeffizienten r{};
  r[0] = 2 * d - akt.koeff[0];
  for (std::size_t i = 1; i < r.size(); ++i) r[i] = 0 - akt.koeff[i];
  return Polynom(r);
}

Polynom spiegeleAnVer(const Polynom& p, double c) {
  Koeffizienten r{};
  const double stelle = 2 * c;
  r[0] = p.wert(stelle);
  double fakultaet = 1;
  double vorzeichen = 1;
  Polynom ableitung = p.nurKoeffizienten();
  // r[i] = (-1)^i p^(i)(2c) / i!
  for (int i = 1; i < anzahlKoeffizienten; ++i) {
    fakultaet *= i;
    vorzeichen = -vorzeichen;
    ableitung = ableitung.abl();
    // "+ 0.0" turns the -0.0 of a vanished odd term into a plain zero.
    r[static_cast<std::size_t>(i)] = vorzeichen * ableitung.wert(stelle) / fakultaet + 0.0;
  }
  return Polynom(r);
}

Polynom spiegeleAmPunkt(const Polynom& akt, double c, double d) {
  return spiegeleAnVer(spiegeleAnHor(akt, d), c);
}

}  // namespace quarvel
