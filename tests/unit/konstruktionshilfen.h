#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

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

// The points stored directly (no pools, no frames) under the names P0, P1, …; up to ten
// points keep their order in the list.
inline Punktliste punktliste(std::vector<Punkt> punkte) {
  Punktliste liste;
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const std::string name = "P" + std::to_string(i);
    punkte[i].name = name;
    liste[name] = teile(std::move(punkte[i]));
  }
  return liste;
}

}  // namespace quarvel::test
