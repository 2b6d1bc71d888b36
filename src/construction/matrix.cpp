#include "construction/matrix.h"

#include <cassert>

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

Matrix markerMatrix(double wert) {
  Matrix m(1, 1);
  m(0, 0) = wert;
  return m;
}

}  // namespace quarvel
