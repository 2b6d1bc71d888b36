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

// Gauss-Jordan elimination with the largest remaining coefficient as pivot.

struct Position {
  int zeile = 0;
  int spalte = 0;
  bool operator==(const Position&) const = default;
};
// The pivot for step `abZNr`: the first largest coefficient magnitude in rows abZNr and
// below, every coefficient column included, the right-hand side never.
Position posMaxEl(const Matrix& m, int abZNr);
// The fully reduced augmented matrix. No tolerance: a singular system yields non-finite
// entries.
Matrix gaussMatrix(const Matrix& m);
// The 1 × n solution read off a matrix reduced by gaussMatrix (undoes the column order of
// the pivots).
Matrix gaussMatrix2Lsg(const Matrix& m);

}  // namespace quarvel
