#pragma once

#include <utility>

#include "construction/matrix.h"

namespace quarvel {

// Cramer's rule. The largest systems it meets have 14 unknowns.

// The minor of the n × n matrix `quelle` without row 0 and column `spaltenNr`.
Matrix adiunkte(const Matrix& quelle, int spaltenNr);
// Sign of the cofactor in column n of row 0: −1 for odd n, 1 for even n.
double vorz(int n);
// The determinant of the coefficient part of an augmented matrix.
double systemDet(const Matrix& erwMat);
// True when the system has n + 1 columns and a coefficient determinant of magnitude 1e-15
// or more: the guard applied before lsgGlSys.
bool glSystemOk(const Matrix& erwMat);
// The coefficient part with column `sNr` replaced by the right-hand sides.
Matrix cramerMatrix(const Matrix& sysMatrix, int sNr);

struct Loesung {
  Matrix werte;  // 1 × n
  bool ok = false;
};
// Solves an n × (n + 1) system by Cramer's rule; callers check glSystemOk first.
Loesung lsgGlSys(const Matrix& erwM);

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
