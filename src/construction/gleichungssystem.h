#pragma once

#include <utility>

#include "construction/matrix.h"

namespace quarvel {

struct Loesung {
  Matrix werte;  // 1 × n
  bool ok = false;
};

// Solves an n × (n + 1) system by Gaussian elimination with partial pivoting on the
// equilibrated matrix (columns, then rows scaled by powers of two to a largest entry of
// about 1) and one step of iterative refinement. ok is false when the shape is wrong or a
// pivot is no larger than the rounding error of the elimination, relative to the matrix:
// the system is singular at working precision.
Loesung loeseGleichungssystem(const Matrix& erwM);

}  // namespace quarvel
