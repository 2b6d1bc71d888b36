#pragma once

#include <array>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quarvel {

// Offset of a point's name label from the point, in view units.
struct LabelVersatz {
  int dx = 0;
  int dy = 0;
  bool operator==(const LabelVersatz&) const = default;
};

// A named point with optional conditions for a polynomial sought through it:
// ko = [x, y, z, w] where z = p'(x) and w = p''(x); valid says which of y, z, w are given.
class Punkt {
 public:
  Punkt() = default;
  // Takes at least 4 components; all of y, z and w count as given.
  explicit Punkt(std::span<const double> komponenten);
  Punkt(std::initializer_list<double> komponenten)
      : Punkt(std::span<const double>(komponenten.begin(), komponenten.size())) {}

  std::array<double, 4> ko{0, 0, 0, 0};
  std::array<bool, 3> valid{true, true, true};
  bool bezeichnet = true;
  std::string name;
  LabelVersatz pos;
  bool aktiv = true;

  double x() const { return ko[0]; }
  double y() const { return ko[1]; }
  double z() const { return ko[2]; }
  double w() const { return ko[3]; }
  bool valy() const { return valid[0]; }
  bool valz() const { return valid[1]; }
  bool valw() const { return valid[2]; }

  // Distance in the x-y plane; exactly 0 below 1e-9.
  double dist(const Punkt& p) const;
};

using PunktRef = std::shared_ptr<Punkt>;
using Punktliste = std::map<std::string, PunktRef>;

inline PunktRef teile(Punkt p) {
  return std::make_shared<Punkt>(std::move(p));
}

bool istPunkt(const Punktliste& punkte, const std::string& name);

// Switch a stored point on or off; the result is the report for the output field.
std::string punktAktivieren(const Punktliste& punkte, const std::string& name);
std::string punktDeaktivieren(const Punktliste& punkte, const std::string& name);

// The six demonstration points P1 … P6 (stored without touching name pools or frames).
std::vector<Punkt> demonstrationsPunkte();

}  // namespace quarvel
