#include "construction/gleichungssystem.h"

#include <cassert>
#include <cmath>

#include "model/toleranz.h"

namespace quarvel {

Matrix adiunkte(const Matrix& quelle, int spaltenNr) {
  const int n = quelle.rows;
  assert(n >= 1 && spaltenNr >= 0 && spaltenNr < n);
  Matrix minor(n - 1, n - 1);
  for (int r = 1; r < n; ++r) {
    int ziel = 0;
    for (int c = 0; c < n; ++c) {
      if (c == spaltenNr) continue;
      minor(r - 1, ziel++) = quelle(r, c);
    }
  }
  return minor;
}

double vorz(int n) { return n % 2 == 1 ? -1.0 : 1.0; }

double systemDet(const Matrix& erwMat) { return erwMat.det(); }

bool glSystemOk(const Matrix& erwMat) {
  return erwMat.columns == erwMat.rows + 1 && !istNull(systemDet(erwMat));
}

Matrix cramerMatrix(const Matrix& sysMatrix, int sNr) {
  const int n = sysMatrix.rows;
  Matrix m(n, n);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) m(r, c) = c == sNr ? sysMatrix(r, n) : sysMatrix(r, c);
  }
  return m;
}

Loesung lsgGlSys(const Matrix& erwM) {
  const int n = erwM.rows;
  const double d = systemDet(erwM);
  Loesung l{Matrix(1, n), true};
  for (int i = 0; i < n; ++i) l.werte(0, i) = cramerMatrix(erwM, i).det() / d;
  return l;
}

Position posMaxEl(const Matrix& m, int abZNr) {
  if (abZNr >= m.rows) return {abZNr, 0};
  Position kandidat{abZNr, 0};
  double bester = std::abs(m(abZNr, 0));
  for (int i = abZNr; i < m.rows; ++i) {
    for (int j = 0; j + 1 < m.columns; ++j) {
      if (std::abs(m(i, j)) > bester) {
        kandidat = {i, j};
        bester = std::abs(m(i, j));
      }
    }
  }
  return kandidat;
}

Matrix gaussMatrix(const Matrix& m) {
  Matrix a = m;
  for (int k = 0; k < a.rows; ++k) {
    const Position p = posMaxEl(a, k);
    a.zeilenTausch(k, p.zeile);
    a.zeileMalZahl(k, 1.0 / a(k, p.spalte));
    for (int t = 0; t < a.rows; ++t) {
      if (t != k) a.zeilenRedux(k, t, a(t, p.spalte));
    }
  }
  return a;
}

Matrix gaussMatrix2Lsg(const Matrix& m) {
  const int n = m.rows;
  Matrix l(1, n);
  for (int i = 0; i < n; ++i) {
    for (int k = 0; k < n; ++k) l(0, i) += m(k, i) * m(k, n);
  }
  return l;
}

}  // namespace quarvel
