#pragma once

#include <string>
#include <vector>

#include "model/polynom.h"
#include "model/schultext.h"

namespace quarvel {

// Where the graphs of two polynomials meet: the real roots of f − g, each once.
struct Schnittpunkt {
  double x = 0;
  double y = 0;
  // f − g keeps its sign across x: the graphs touch without crossing.
  bool beruehrpunkt = false;
};

struct Schnittpunkte {
  // f − g vanishes up to the rounding of the coefficients: the graphs are one.
  bool identisch = false;
  std::vector<Schnittpunkt> punkte;
};

Schnittpunkte schnittpunkte(const Polynom& f, const Polynom& g, int dezimalen);

// The answer in words: "S₁(1.0 | 1.0)" per point, touching points marked, or the sentence
// that the graphs are identical or never meet.
std::string schnittpunkteText(const Schnittpunkte& s, const std::string& fName,
                              const std::string& gName, Zahlformat format);

}  // namespace quarvel
