#include "construction/matrix.h"

#include <cassert>
#include <cmath>
#include <utility>

#include "model/toleranz.h"
#include "model/zahltext.h"

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

bool Matrix::istRegulaer() const {
  return istQuadratisch() && !istNull(det());
}

double Matrix::det() const {
  const int n = rows;
  assert(columns >= n);
  if (n == 0) return 1.0;
  if (n == 1) return (*this)(0, 0);
  const Matrix& m = *this;
  // Small orders by the cofactor expansion along row 0 itself.
  if (n == 2) return m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0);
  if (n == 3) {
    return m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) -
           m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0)) +
           m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
  }
  // Larger orders by Gaussian elimination on a copy of the leading block (the expansion
  // costs n! products); each row exchange flips the sign.
  std::vector<double> a(static_cast<std::size_t>(n * n));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) a[static_cast<std::size_t>(r * n + c)] = m(r, c);
  }
  const auto at = [&a, n](int r, int c) -> double& {
    return a[static_cast<std::size_t>(r * n + c)];
  };
  double d = 1.0;
  for (int k = 0; k < n; ++k) {
    int pivot = k;
    for (int r = k + 1; r < n; ++r) {
      if (std::abs(at(r, k)) > std::abs(at(pivot, k))) pivot = r;
    }
    if (at(pivot, k) == 0.0) return 0.0;
    if (pivot != k) {
      for (int c = k; c < n; ++c) std::swap(at(k, c), at(pivot, c));
      d = -d;
    }
    d *= at(k, k);
    for (int r = k + 1; r < n; ++r) {
      const double faktor = at(r, k) / at(k, k);
      if (faktor == 0.0) continue;
      for (int c = k + 1; c < n; ++c) at(r, c) -= faktor * at(k, c);
    }
  }
  return d;
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

std::string Matrix::matrix2String() const {
  std::string text;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) text += zahlText((*this)(r, c)) + "  ";
    text += "\n";
  }
  return text;
}

Matrix markerMatrix(double wert) {
  Matrix m(1, 1);
  m(0, 0) = wert;
  return m;
}

std::vector<double> matrixZeile2Feld(const Matrix& m, int znr) {
  std::vector<double> zeile;
  zeile.reserve(static_cast<std::size_t>(m.columns));
  for (int c = 0; c < m.columns; ++c) zeile.push_back(m(znr, c));
  return zeile;
}

std::string matrix2String(const Matrix& m) {
  return "\n" + m.matrix2String();
}

std::string matrix2LinGl(const Matrix& m) {
  static constexpr const char* variablen[] = {"x", "y", "z", "u", "v"};
  assert(m.columns - 1 <= 5);
  std::string text = "\n";
  for (int r = 0; r < m.rows; ++r) {
    for (int c = 0; c + 1 < m.columns; ++c) text += zahlText(m(r, c)) + variablen[c] + "  ";
    text += " = " + zahlText(m(r, m.columns - 1)) + "  \n";
  }
  return text;
}

}  // namespace quarvel
