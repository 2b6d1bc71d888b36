#pragma once

#include <vector>

namespace quarvel {

// A dense matrix of doubles, copied on assignment.
//
// Invariant: `grid` holds exactly rows × columns entries in row-major order, entry (r, c)
// at r · columns + c; rows and columns count from 0. A new matrix is all zeros.
// Linear systems are passed as augmented matrices: n rows, n + 1 columns, the last column
// holding the right-hand sides. A solution is a 1 × n matrix.
class Matrix {
 public:
  Matrix() = default;
  Matrix(int zeilen, int spalten);

  int rows = 0;
  int columns = 0;
  std::vector<double> grid;

  // Entry (row, column); an invalid index is a programming error.
  double& operator()(int row, int column);
  double operator()(int row, int column) const;

  bool operator==(const Matrix&) const = default;

 private:
  bool indexIsValid(int row, int column) const {
    return row >= 0 && row < rows && column >= 0 && column < columns;
  }
};

// The single entry of the 1 × 1 marker matrix returned for a system without a solution.
inline constexpr double markerUnloesbar = 9001.0;

// A 1 × 1 matrix holding `wert`.
Matrix markerMatrix(double wert);

}  // namespace quarvel
