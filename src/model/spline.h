#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/farbe.h"
#include "model/polynom.h"

namespace quarvel {

// A cubic spline: piece i (an ordinary polynomial in x) holds on [zerlegung[i], zerlegung[i+1]].
// Well formed when there are at least two knots, one piece fewer than knots, and the knots
// increase strictly. Shared by identity like stored functions.
class Spline {
 public:
  Spline() = default;
  Spline(std::vector<Polynom> stueckliste, std::vector<double> knoten)
      : stuecke(std::move(stueckliste)), zerlegung(std::move(knoten)) {}

  std::vector<Polynom> stuecke;
  std::vector<double> zerlegung;
  std::string name;
  bool sichtbar = true;
  Farbe color = Farbe::schwarz;
  Grenzen grenzen;

  bool istKorrekt() const;
};

using SplineRef = std::shared_ptr<Spline>;

}  // namespace quarvel
