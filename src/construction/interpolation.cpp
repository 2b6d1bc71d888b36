#include "construction/interpolation.h"

#include "construction/endlichkeit.h"
#include "model/toleranz.h"

namespace quarvel {

std::vector<Punkt> genPunktfeld2(const Punktliste& punkte) {
  std::vector<Punkt> feld;
  for (const auto& [_, p] : punkte) {
    if (p->valy() && p->aktiv) feld.push_back(*p);
  }
  return feld;
}

Polynom elPoly(int i, int j, const std::vector<double>& arg) {
  const double nenner = arg[static_cast<std::size_t>(i)] - arg[static_cast<std::size_t>(j)];
  return Polynom{-arg[static_cast<std::size_t>(j)] / nenner, 1.0 / nenner};
}

Polynom elProdPoly(int i, const std::vector<double>& arg, const std::vector<double>& werte) {
  Polynom produkt{1.0};
  for (int j = 0; j < static_cast<int>(arg.size()); ++j) {
    if (j != i) produkt = elPoly(i, j, arg) * produkt;
  }
  return werte[static_cast<std::size_t>(i)] * produkt;
}

bool doppelArgumenteAblehnen(const std::vector<double>& arg) {
  for (std::size_t i = 0; i < arg.size(); ++i) {
    for (std::size_t j = i + 1; j < arg.size(); ++j) {
      if (istNull(arg[i] - arg[j])) return false;
    }
  }
  return arg.size() > 1;
}

Interpolation genInterpolPol(const Punktliste& punkte) {
  std::vector<double> arg, werte;
  for (const Punkt& p : genPunktfeld2(punkte)) {
    arg.push_back(p.ko[0]);
    werte.push_back(p.ko[1]);
  }
  // Beyond 15 nodes the basis products overflow the degree and would come out as zero:
  // refuse instead of reporting a wrong polynomial.
  if (static_cast<int>(arg.size()) > maxInterpolationspunkte) return {false, Polynom{}, true};
  if (!doppelArgumenteAblehnen(arg)) return {};
  Polynom summe;
  for (int i = 0; i < static_cast<int>(arg.size()); ++i) summe = summe + elProdPoly(i, arg, werte);
  if (!istEndlich(summe)) return {};
  return {true, summe, false};
}

}  // namespace quarvel
