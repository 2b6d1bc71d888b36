#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/objektlisten.h"
#include "model/punkt.h"

namespace quarvel::test {

// A point with the given conditions; y, z and w not given count as invalid.
inline Punkt bedingung(double x, std::optional<double> y, std::optional<double> z = std::nullopt,
                       std::optional<double> w = std::nullopt, bool aktiv = true) {
  Punkt p{x, y.value_or(0.0), z.value_or(0.0), w.value_or(0.0)};
  p.valid = {y.has_value(), z.has_value(), w.has_value()};
  p.aktiv = aktiv;
  return p;
}

// Stores a point directly under `name` (no pools, no frames).
inline void lege(Punktliste& liste, const std::string& name, Punkt p) {
  p.name = name;
  liste[name] = teile(std::move(p));
}

// The points under the names P0, P1, …; up to ten points keep their order in the list.
inline Punktliste punktliste(const std::vector<Punkt>& punkte) {
  Punktliste liste;
  for (std::size_t i = 0; i < punkte.size(); ++i) lege(liste, "P" + std::to_string(i), punkte[i]);
  return liste;
}

}  // namespace quarvel::test
