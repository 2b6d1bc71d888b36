#include "model/polynom.h"

#include <cassert>
#include <cmath>

#include "model/toleranz.h"

namespace quarvel {

Polynom::Polynom(std::span<const double> koeffizienten) {
  assert(!koeffizienten.empty() && koeffizienten.size() <= anzahlKoeffizienten &&
         "a polynomial takes 1 to 15 coefficients");
  koeff.fill(0.0);
  const std::size_t n = std::min<std::size_t>(koeffizienten.size(), anzahlKoeffizienten);
  for (std::size_t i = 0; i < n; ++i) koeff[i] = koeffizienten[i];
}

int Polynom::grad2() const {
  int grad = -1;
  for (int i = 0; i < anzahlKoeffizienten; ++i) {
    if (koeff[i] != 0.0) grad = i;
  }
  return grad;
}

Polynom Polynom::abl() const {
  Koeffizienten k{};
  for (int j = 0; j < pgrad; ++j) k[j] = (j + 1) * koeff[j + 1];
  k[pgrad] = 0.0;
  return Polynom(k);
}

Polynom Polynom::geglaettet() {
  for (double& c : koeff) {
    if (istFastNull(c)) c = 0.0;
  }
  return Polynom(koeff);
}

double Polynom::wert(double x) const {
  double y = koeff[pgrad];
  for (int i = 1; i <= pgrad; ++i) y = x * y + koeff[pgrad - i];
  return y;
}

bool Polynom::istNormiert() const {
  const int g = grad2();
  return g >= 0 && koeff[g] == 1.0;
}

Polynom Polynom::normiert() const {
  const int g = grad2();
  if (g < 0) return Polynom(koeff);
  Koeffizienten k{};
  for (int i = 0; i < anzahlKoeffizienten; ++i) k[i] = koeff[i] / koeff[g];
  return Polynom(k);
}

double Polynom::nullstGrenze() const {
  const int g = grad2();
  if (g <= 2) return 1.0;
  double summe = 0.0;
  for (int i = 0; i < g; ++i) summe += std::abs(koeff[i]);
  return 1.0 + summe / std::abs(koeff[g]);
}

Polynom operator+(const Polynom& p, const Polynom& q) {
  Koeffizienten k{};
  for (int i = 0; i < anzahlKoeffizienten; ++i) k[i] = p.koeff[i] + q.koeff[i];
  return Polynom(k);
}

Polynom operator-(const Polynom& p, const Polynom& q) {
  Koeffizienten k{};
  for (int i = 0; i < anzahlKoeffizienten; ++i) k[i] = p.koeff[i] - q.koeff[i];
  return Polynom(k);
}

Polynom operator*(double s, const Polynom& p) {
  Koeffizienten k{};
  for (int i = 0; i < anzahlKoeffizienten; ++i) k[i] = s * p.koeff[i];
  return Polynom(k);
}

bool produktZuGross(const Polynom& p, const Polynom& q) {
  return p.grad2() + q.grad2() > pgrad;
}

Polynom operator*(const Polynom& p, const Polynom& q) {
  const int gp = p.grad2();
  const int gq = q.grad2();
  Koeffizienten k{};
  if (gp + gq > pgrad || gp < 0 || gq < 0) return Polynom(k);
  for (int i = 0; i <= gp; ++i) {
    for (int j = 0; j <= gq; ++j) k[i + j] += p.koeff[i] * q.koeff[j];
  }
  return Polynom(k);
}

}  // namespace quarvel
