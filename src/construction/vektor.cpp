#include "construction/vektor.h"

#include <cassert>
#include <cmath>

#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

double Vektor::norm() const { return std::sqrt(*this * *this); }

std::optional<Vektor> Vektor::normiert() const {
  const double n = norm();
  if (istNull(n)) return std::nullopt;
  return (1.0 / n) * *this;
}

std::string Vektor::str(int dezimalen) const {
  std::string text = "(";
  for (std::size_t i = 0; i < komp.size(); ++i) {
    if (i > 0) text += ", ";
    text += zahlText(runden(komp[i], dezimalen));
  }
  return text + ") ";
}

Vektor operator+(const Vektor& a, const Vektor& b) {
  assert(a.dim() <= b.dim());
  Vektor s = a;
  for (std::size_t i = 0; i < s.komp.size(); ++i) s.komp[i] += b.komp[i];
  return s;
}

Vektor operator-(const Vektor& a, const Vektor& b) {
  assert(a.dim() <= b.dim());
  Vektor d = a;
  for (std::size_t i = 0; i < d.komp.size(); ++i) d.komp[i] -= b.komp[i];
  return d;
}

double operator*(const Vektor& a, const Vektor& b) {
  assert(a.dim() <= b.dim());
  double s = 0.0;
  for (std::size_t i = 0; i < a.komp.size(); ++i) s += a.komp[i] * b.komp[i];
  return s;
}

Vektor operator*(double d, const Vektor& a) {
  Vektor p = a;
  for (double& k : p.komp) k *= d;
  return p;
}

Vektor operator^(const Vektor& a, int n) {
  Vektor p = a;
  for (double& k : p.komp) k = std::pow(k, n);
  return p;
}

Vektor erzeugeNullvektor(int dim) {
  assert(dim >= 1);
  return Vektor(std::vector<double>(static_cast<std::size_t>(dim), 0.0));
}

std::string systemAusgabe(const std::vector<Vektor>& system, int dezimalen) {
  std::string text;
  for (const Vektor& v : system) text += "\n" + v.str(dezimalen);
  return text;
}

}  // namespace quarvel
