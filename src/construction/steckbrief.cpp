#include "construction/steckbrief.h"

#include <cmath>

#include "construction/endlichkeit.h"
#include "construction/gleichungssystem.h"

namespace quarvel {

std::vector<Punkt> genPunktfeld(const Punktliste& punkte) {
  std::vector<Punkt> feld;
  feld.reserve(punkte.size());
  for (const auto& [_, p] : punkte) feld.push_back(*p);
  return feld;
}

Bedingungssystem punkte2Matrix(const std::vector<Punkt>& pfeld) {
  int ny = 0, nz = 0, nw = 0;
  for (const Punkt& p : pfeld) {
    ny += p.valy();
    nz += p.valz();
    nw += p.valw();
  }
  const int n = ny + nz + nw;
  if (ny == 0 || (ny + nz < 3 && nw > 0) || n > maxBedingungen) return {Matrix(1, 2), false};

  Matrix m(n, n + 1);
  int zeile = 0;
  for (const Punkt& p : pfeld) {
    const double x = p.x();
    if (p.valy()) {
      for (int j = 0; j < n; ++j) m(zeile, j) = std::pow(x, j);
      m(zeile++, n) = p.y();
    }
    if (p.valz()) {
      for (int j = 0; j + 1 < n; ++j) m(zeile, j + 1) = (j + 1) * std::pow(x, j);
      m(zeile++, n) = p.z();
    }
    if (p.valw()) {
      for (int j = 0; j + 2 < n; ++j) m(zeile, j + 2) = (j + 1) * (j + 2) * std::pow(x, j);
      m(zeile++, n) = p.w();
    }
  }
  return {m, true};
}

Konstruktion pktListe2Polynom(const std::vector<Punkt>& pfeld) {
  const Bedingungssystem b = punkte2Matrix(pfeld);
  const Loesung l =
      b.ok ? loeseGleichungssystem(b.system) : Loesung{markerMatrix(markerUnloesbar), false};
  const bool loesbar = l.ok;
  const Matrix& loesung = l.werte;
  Koeffizienten k{};
  for (int i = 0; i < loesung.columns; ++i) k[static_cast<std::size_t>(i)] = loesung(0, i);
  const Polynom p(k);
  if (loesbar && !istEndlich(p)) return {Polynom{markerUnloesbar}, false};
  return {p, loesbar};
}

}  // namespace quarvel
