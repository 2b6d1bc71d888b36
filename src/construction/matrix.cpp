#include "construction/matrix.h"

#include <cassert>
#include <utility>

namespace quarvel {

Matrix::Matrix(int zeilen, int spalten)
    : rows(zeilen), columns(spalten), grid(static_cast<std::size_t>(zeilen * spalten), 0.0) {
  assert(zeilen >= 0 && spalten >= 0);
}

double& Matrix::operator()(int row, int column) {
  assert(indexIsValid(row, column) && "Index out of range");
  return grid[static_cast<std::size_t>(row * columns + column)];
}

double Matrix::operator()(int row, int column) const {
  assert(indexIsValid(row, column) && "Index out of range");
  return grid[static_cast<std::size_t>(row * columns + column)];
}

void Matrix::zeileMalZahl(int z, double d) {
  assert(indexIsValid(z, 0) || columns == 0);
  for (int c = 0; c < columns; ++c) (*this)(z, c) *= d;
}

void Matrix::zeilenTausch(int i, int j) {
  if (i == j) return;
  for (int c = 0; c < columns; ++c) std::swap((*this)(i, c), (*this)(j, c));
}

void Matrix::zeilenRedux(int q, int t, double d) {
  for (int c = 0; c < columns; ++c) (*this)(t, c) -= d * (*this)(q, c);
}

Matrix markerMatrix(double wert) {
  Matrix m(1, 1);
  m(0, 0) = wert;
  return m;
}

}  // namespace quarvel
