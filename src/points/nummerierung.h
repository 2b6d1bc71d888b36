#pragma once

#include <string>
#include <utility>

#include "model/punkt.h"

namespace quarvel {

// `name` followed by the smallest integer i >= 0 for which name + i is not yet a stored
// point: "H0", then "H1" and so on.
std::string nummeriert(const Punktliste& punkte, const std::string& name);

// Hands out `buchstabe` + k for the smallest k >= 1 that is neither stored nor handed out
// before, anew for every point of a series: with «A2» stored, «A1», «A3», «A4», …
// Every smaller number is taken once passed, so the search goes on from the last one.
class FreieNummern {
 public:
  FreieNummern(const Punktliste& punkte, std::string buchstabe)
      : punkte_(punkte), buchstabe_(std::move(buchstabe)) {}
  std::string naechster();

 private:
  const Punktliste& punkte_;
  std::string buchstabe_;
  long long k_ = 1;
};

}  // namespace quarvel
