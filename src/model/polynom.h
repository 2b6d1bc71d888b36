#pragma once

#include <array>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/farbe.h"

namespace quarvel {

// The maximum degree of every polynomial.
inline constexpr int pgrad = 14;
inline constexpr int anzahlKoeffizienten = pgrad + 1;

using Koeffizienten = std::array<double, anzahlKoeffizienten>;

// Frame of a graph: x-minimum, x-maximum, y-minimum, y-maximum.
struct Grenzen {
  double links = 0;
  double rechts = 0;
  double unten = 0;
  double oben = 0;
  bool operator==(const Grenzen&) const = default;
};

struct KritPunkt {
  double x = 0;
  double y = 0;
  bool operator==(const KritPunkt&) const = default;
};

// Text left by a product whose degree would exceed pgrad.
inline constexpr std::string_view maximalgradMeldung =
    "Maximalgrad  wurde überschritten, bitte Eingabe-Term korrigieren!";

// A whole-rational function of degree at most 14.
//
// Invariants: `koeff` always has 15 entries, koeff[i] belonging to x^i (constant term
// first); the degree is never stored but recomputed from the coefficients. Every
// arithmetic result carries the default display fields, never those of its operands.
//
// Stored functions are shared by identity (see PolynomRef): a function stored under
// two names, or stored and current at once, is one object.
class Polynom {
 public:
  Polynom() { koeff.fill(0.0); }
  // 1 to 15 coefficients, lowest power first; the rest are zero.
  explicit Polynom(std::span<const double> koeffizienten);
  Polynom(std::initializer_list<double> koeffizienten)
      : Polynom(std::span<const double>(koeffizienten.begin(), koeffizienten.size())) {}
  explicit Polynom(const Koeffizienten& k) : koeff(k) {}

  Koeffizienten koeff;
  bool sichtbar = true;
  Farbe color = Farbe::schwarz;
  Grenzen grenzen;
  std::vector<KritPunkt> kritPunkte;
  std::string name;

  // Degree by exact comparison with zero; -1 for the zero polynomial.
  int grad2() const;
  Polynom abl() const;
  // Clears coefficients below 1e-7 in the receiver and returns a cleaned copy.
  Polynom geglaettet();
  // Horner's scheme over all 15 coefficients.
  double wert(double x) const;
  bool istNormiert() const;
  Polynom normiert() const;
  // Bound on the absolute value of every real root (1.0 up to degree 2).
  double nullstGrenze() const;
  // Only the coefficients, with fresh display fields.
  Polynom nurKoeffizienten() const { return Polynom(koeff); }

  friend Polynom operator+(const Polynom& p, const Polynom& q);
  friend Polynom operator-(const Polynom& p, const Polynom& q);
  friend Polynom operator*(double s, const Polynom& p);
  // The zero polynomial when the degrees add up to more than pgrad (see produktZuGross).
  friend Polynom operator*(const Polynom& p, const Polynom& q);
};

// True when p * q would exceed the maximum degree; the product is then the zero polynomial.
bool produktZuGross(const Polynom& p, const Polynom& q);

using PolynomRef = std::shared_ptr<Polynom>;

inline PolynomRef teile(Polynom p) {
  return std::make_shared<Polynom>(std::move(p));
}

}  // namespace quarvel
