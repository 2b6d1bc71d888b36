#include "analysis/integral.h"

#include <array>
#include <cmath>
#include <limits>

namespace quarvel {

namespace {

// Sum and product with their exact rounding errors.
struct MitFehler {
  double wert;
  double fehler;
};
MitFehler summeMitFehler(double a, double b) {
  const double s = a + b;
  const double z = s - a;
  return {s, (a - (s - z)) + (b - z)};
}
MitFehler produktMitFehler(double a, double b) {
  const double p = a * b;
  return {p, std::fma(a, b, -p)};
}

// Horner's scheme carrying the rounding errors along (compensated Horner): as accurate as
// evaluating in twice the precision, so values near 0 of a polynomial with huge
// coefficients, as far out as x = 5000, keep their digits.
double kompensierterWert(const Polynom& p, double x) {
  const int n = p.grad2();
  if (n < 0) return 0.0;
  double wert = p.koeff[static_cast<std::size_t>(n)];
  double korrektur = 0.0;
  for (int i = n - 1; i >= 0; --i) {
    const MitFehler produkt = produktMitFehler(wert, x);
    const MitFehler summe = summeMitFehler(produkt.wert, p.koeff[static_cast<std::size_t>(i)]);
    wert = summe.wert;
    korrektur = korrektur * x + (produkt.fehler + summe.fehler);
  }
  return wert + korrektur;
}

// Gauss–Legendre with eight nodes, exact for every degree up to 15. Symmetric node pairs
// are added first, so an odd integrand over a symmetric interval gives exactly 0.
double gaussLegendre8(const Polynom& f, double von, double bis) {
  static constexpr std::array<double, 4> knoten = {0.1834346424956498049, 0.5255324099163289858,
                                                   0.7966664774136267396, 0.9602898564975362317};
  static constexpr std::array<double, 4> gewichte = {0.3626837833783619830, 0.3137066458778872873,
                                                     0.2223810344533744705, 0.1012285362903762592};
  const double mitte = (von + bis) / 2;
  const double halbe = (bis - von) / 2;
  double summe = 0.0;
  for (std::size_t i = 0; i < knoten.size(); ++i) {
    const double links = kompensierterWert(f, mitte - halbe * knoten[i]);
    const double rechts = kompensierterWert(f, mitte + halbe * knoten[i]);
    summe += gewichte[i] * (links + rechts);
  }
  return summe * halbe;
}

// Bound on the rounding error of F(x) by Horner's scheme: a small multiple of the machine
// epsilon times Σ |F_i|·|x|^i.
double auswertungsSchranke(const Polynom& F, double x) {
  double summe = 0.0;
  for (int i = pgrad; i >= 0; --i)
    summe = summe * std::abs(x) + std::abs(F.koeff[static_cast<std::size_t>(i)]);
  return 2 * anzahlKoeffizienten * std::numeric_limits<double>::epsilon() * summe;
}

// Below this relative error bound the difference of antiderivative values is kept.
constexpr double genugGenau = 1e-12;

}  // namespace

Polynom stammfunktion(const Polynom& p) {
  Koeffizienten k{};
  for (int i = 1; i < anzahlKoeffizienten; ++i) {
    k[static_cast<std::size_t>(i)] = p.koeff[static_cast<std::size_t>(i - 1)] / i;
  }
  return Polynom(k);
}

double bestIntegral(const Polynom& f, double von, double bis) {
  const Polynom F = stammfunktion(f);
  double integral = F.wert(bis) - F.wert(von);
  // The x^15 term of the antiderivative, which F cannot hold.
  const double a14 = f.koeff[pgrad];
  if (a14 != 0.0)
    integral += a14 * (std::pow(bis, pgrad + 1) - std::pow(von, pgrad + 1)) / (pgrad + 1);
  // Far from 0 the values F(b) and F(a) are huge and nearly equal; their difference then
  // keeps few or no correct digits. The quadrature works on values of f itself.
  const double rand = std::max(std::abs(von), std::abs(bis));
  const double schranke =
      auswertungsSchranke(F, bis) + auswertungsSchranke(F, von) +
      4 * std::numeric_limits<double>::epsilon() * std::abs(a14) * std::pow(rand, pgrad + 1);
  if (schranke <= genugGenau * std::abs(integral)) return integral;
  return gaussLegendre8(f, von, bis);
}

double eingeschlosseneFlaeche(const Polynom& p, const std::vector<double>& nullstellen) {
  double flaeche = 0.0;
  for (std::size_t i = 0; i + 1 < nullstellen.size(); ++i) {
    flaeche += std::abs(bestIntegral(p, nullstellen[i], nullstellen[i + 1]));
  }
  return flaeche;
}

}  // namespace quarvel
