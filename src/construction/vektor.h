#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quarvel {

// A vector of doubles, copied on assignment. Binary operations work component-wise over
// the components of the left operand; both operands have the same dimension.
class Vektor {
 public:
  Vektor() = default;
  explicit Vektor(std::vector<double> komponenten) : komp(std::move(komponenten)) {}

  std::vector<double> komp;

  int dim() const { return static_cast<int>(komp.size()); }
  double norm() const;
  // The unit vector, or nothing when the norm is zero by istNull.
  std::optional<Vektor> normiert() const;
  // "(1.0, 2.5) " with the components rounded to `dezimalen` decimals.
  std::string str(int dezimalen) const;

  bool operator==(const Vektor&) const = default;
};

Vektor operator+(const Vektor& a, const Vektor& b);
Vektor operator-(const Vektor& a, const Vektor& b);
// The dot product.
double operator*(const Vektor& a, const Vektor& b);
Vektor operator*(double d, const Vektor& a);
// Every component to the n-th power (x^0 = 1, also for x = 0).
Vektor operator^(const Vektor& a, int n);

Vektor erzeugeNullvektor(int dim);
// Each vector on a line of its own.
std::string systemAusgabe(const std::vector<Vektor>& system, int dezimalen);

}  // namespace quarvel
