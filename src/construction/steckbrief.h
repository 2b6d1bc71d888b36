#pragma once

#include <vector>

#include "construction/matrix.h"
#include "model/polynom.h"
#include "model/punkt.h"

namespace quarvel {

// The polynomial of least degree meeting the conditions given by points: a value y, a
// slope z = p'(x) and a curvature w = p''(x) where given. One unknown coefficient per
// condition, so n conditions give degree at most n − 1.

// At most this many conditions (degree at most 13).
inline constexpr int maxBedingungen = 14;

// Every stored point, active or not, in the list's key order.
std::vector<Punkt> genPunktfeld(const Punktliste& punkte);

struct Bedingungssystem {
  Matrix system;  // n × (n + 1), one row per condition: y, then z, then w of each point
  bool ok = false;
};
// Refused (1 × 2 zero matrix) without any value condition, with a curvature condition but
// fewer than three value or slope conditions, or with more than 14 conditions.
Bedingungssystem punkte2Matrix(const std::vector<Punkt>& pfeld);

struct Konstruktion {
  Polynom p;
  bool ok = false;
};
// Solved by loeseGleichungssystem when the system is accepted and regular; otherwise (also
// when the powers overflow) the constant 9001 with ok = false.
Konstruktion pktListe2Polynom(const std::vector<Punkt>& pfeld);

}  // namespace quarvel
