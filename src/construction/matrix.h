#pragma once

#include <string>
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

  bool indexIsValid(int row, int column) const {
    return row >= 0 && row < rows && column >= 0 && column < columns;
  }
  // Entry (row, column); an invalid index is a programming error.
  double& operator()(int row, int column);
  double operator()(int row, int column) const;

  bool istQuadratisch() const { return rows == columns; }
  // Square with a determinant that is not zero by istNull.
  bool istRegulaer() const;

  // Determinant of the leading rows × rows block: up to order 3 by the cofactor expansion
  // along row 0, above by elimination with row exchanges (same value up to rounding).
  double det() const;

  // Row operations on the matrix itself.
  void zeileMalZahl(int z, double d);
  void zeilenTausch(int i, int j);
  // Row t becomes row t − d · row q.
  void zeilenRedux(int q, int t, double d);

  std::string matrix2String() const;

  bool operator==(const Matrix&) const = default;
};

// The single entry of the 1 × 1 marker matrix returned for a system without a solution.
inline constexpr double markerUnloesbar = 9001.0;

// A 1 × 1 matrix holding `wert`.
Matrix markerMatrix(double wert);

std::vector<double> matrixZeile2Feld(const Matrix& m, int znr);

// Diagnostic text forms: every entry followed by two blanks, one line per row; this form
// begins with a line feed.
std::string matrix2String(const Matrix& m);
// An augmented system of at most five unknowns as equations in x, y, z, u, v.
std::string matrix2LinGl(const Matrix& m);

}  // namespace quarvel
