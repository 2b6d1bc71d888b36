#include "analysis/integral.h"

#include <cmath>

namespace quarvel {

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
  if (a14 != 0.0) integral += a14 * (std::pow(bis, pgrad + 1) - std::pow(von, pgrad + 1)) / (pgrad + 1);
  return integral;
}

double eingeschlosseneFlaeche(const Polynom& p, const std::vector<double>& nullstellen) {
  double flaeche = 0.0;
  for (std::size_t i = 0; i + 1 < nullstellen.size(); ++i) {
    flaeche += std::abs(bestIntegral(p, nullstellen[i], nullstellen[i + 1]));
  }
  return flaeche;
}

}  // namespace quarvel
