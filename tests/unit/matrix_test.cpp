#include "construction/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "construction/gleichungssystem.h"

namespace quarvel {
namespace {

Matrix aus(int zeilen, int spalten, std::initializer_list<double> werte) {
  Matrix m(zeilen, spalten);
  m.grid.assign(werte);
  return m;
}

// The defining cofactor expansion along row 0, as a reference for det().
double kofaktorDet(const Matrix& m) {
  const int n = m.rows;
  if (n <= 1) return m(0, 0);
  double d = 0.0;
  for (int j = 0; j < n; ++j) {
    Matrix minor(n - 1, n - 1);
    for (int r = 1; r < n; ++r) {
      for (int c = 0, ziel = 0; c < n; ++c) {
        if (c != j) minor(r - 1, ziel++) = m(r, c);
      }
    }
    d += m(0, j) * kofaktorDet(minor) * (j % 2 == 1 ? -1.0 : 1.0);
  }
  return d;
}

TEST(Matrix, NeueMatrixIstNullUndHatZeilenMalSpaltenEintraege) {
  const Matrix m(2, 3);
  EXPECT_EQ(m.grid.size(), 6u);
  for (double e : m.grid) EXPECT_EQ(e, 0.0);
  EXPECT_TRUE(m.indexIsValid(1, 2));
  EXPECT_FALSE(m.indexIsValid(2, 0));
  EXPECT_FALSE(m.indexIsValid(0, -1));
  EXPECT_FALSE(m.istQuadratisch());
}

TEST(Matrix, EintraegeLiegenZeilenweise) {
  Matrix m(2, 3);
  m(1, 2) = 5.0;
  EXPECT_EQ(m.grid[5], 5.0);
  EXPECT_EQ(matrixZeile2Feld(aus(2, 2, {1, 2, 3, 4}), 1), (std::vector<double>{3, 4}));
}

TEST(Matrix, Zeilenoperationen) {
  Matrix m = aus(2, 2, {1, 2, 3, 4});
  const Matrix vorher = m;
  m.zeilenTausch(1, 1);
  EXPECT_EQ(m, vorher);
  m.zeilenTausch(0, 1);
  EXPECT_EQ(m, aus(2, 2, {3, 4, 1, 2}));
  m.zeileMalZahl(1, -2);
  EXPECT_EQ(m, aus(2, 2, {3, 4, -2, -4}));
  m.zeilenRedux(1, 0, 0.5);  // row 0 - 0.5 row 1
  EXPECT_EQ(m, aus(2, 2, {4, 6, -2, -4}));
}

TEST(Matrix, DeterminanteKleinerOrdnungen) {
  EXPECT_EQ(aus(1, 1, {-7}).det(), -7.0);
  EXPECT_EQ(aus(2, 2, {2, 3, 5, 7}).det(), 2 * 7 - 3 * 5);
  // A leading zero forces a row exchange, which flips the sign.
  EXPECT_DOUBLE_EQ(aus(3, 3, {0, 1, 2, 1, 0, 3, 4, -3, 8}).det(), -2.0);
  EXPECT_EQ(aus(2, 2, {1, 2, 2, 4}).det(), 0.0);
  // Only the leading square block counts (augmented matrices).
  EXPECT_EQ(aus(2, 3, {2, 3, 100, 5, 7, 100}).det(), -1.0);
}

TEST(Matrix, DeterminanteStimmtMitKofaktorentwicklungUeberein) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> wert(-5, 5);
  for (int n = 1; n <= 7; ++n) {
    for (int versuch = 0; versuch < 5; ++versuch) {
      Matrix m(n, n);
      for (double& e : m.grid) e = std::round(wert(zufall) * 4) / 4;
      const double referenz = kofaktorDet(m);
      EXPECT_NEAR(m.det(), referenz, 1e-9 * std::max(1.0, std::abs(referenz))) << "n = " << n;
    }
  }
}

TEST(Matrix, RegulaerNurQuadratischMitDeterminante) {
  EXPECT_TRUE(aus(2, 2, {1, 2, 3, 4}).istRegulaer());
  EXPECT_FALSE(aus(2, 2, {1, 2, 2, 4}).istRegulaer());
  EXPECT_FALSE(aus(2, 3, {1, 0, 0, 0, 1, 0}).istRegulaer());
}

TEST(Matrix, Textformen) {
  const Matrix m = aus(2, 3, {1, -2.5, 3, 0, 1, 4});
  EXPECT_EQ(m.matrix2String(), "1.0  -2.5  3.0  \n0.0  1.0  4.0  \n");
  EXPECT_EQ(matrix2String(m), "\n1.0  -2.5  3.0  \n0.0  1.0  4.0  \n");
  EXPECT_EQ(matrix2LinGl(m), "\n1.0x  -2.5y   = 3.0  \n0.0x  1.0y   = 4.0  \n");
}

TEST(Gleichungssystem, LoestUndLehntSingulaereUndFalschGeformteSystemeAb) {
  const Loesung l = loeseGleichungssystem(aus(2, 3, {2, 1, 5, 1, -1, 1}));  // 2x + y = 5, x − y = 1
  ASSERT_TRUE(l.ok);
  EXPECT_EQ(l.werte, aus(1, 2, {2, 1}));
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 3, {1, 2, 3, 2, 4, 6})).ok);
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 3, {1, 1, 0, 1, 1 + 1e-16, 1})).ok);
  EXPECT_TRUE(loeseGleichungssystem(aus(1, 2, {1e-16, 1})).ok) << "small, but not singular";
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 2, {1, 0, 0, 1})).ok);  // no right-hand side
  EXPECT_FALSE(loeseGleichungssystem(aus(2, 4, {1, 0, 0, 0, 0, 1, 0, 0})).ok);
}

TEST(Gauss, PivotsucheNimmtDasErsteGroessteUndNieDieRechteSeite) {
  const Matrix m = aus(3, 4, {1, -3, 2, 99, 3, 0, -3, 99, 0, 1, 1, 99});
  EXPECT_EQ(posMaxEl(m, 0), (Position{0, 1}));  // ties keep the earliest in row-major order
  EXPECT_EQ(posMaxEl(m, 1), (Position{1, 0}));
  EXPECT_EQ(posMaxEl(m, 2), (Position{2, 1}));
  EXPECT_EQ(posMaxEl(m, 3), (Position{3, 0}));  // past the last row
}

TEST(Gauss, LoestSystemMitPivotAusserhalbDerDiagonale) {
  // x + 10y + z = 12, 2x + y + z = 4, x + y + 5z = 7: solution (1, 1, 1).
  const Matrix sys = aus(3, 4, {1, 10, 1, 12, 2, 1, 1, 4, 1, 1, 5, 7});
  const Matrix l = gaussMatrix2Lsg(gaussMatrix(sys));
  ASSERT_EQ(l.columns, 3);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(l(0, i), 1.0, 1e-14);
  // Elimination with refinement agrees.
  const Matrix c = loeseGleichungssystem(sys).werte;
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(c(0, i), l(0, i), 1e-14);
}

TEST(Gauss, ZufaelligeSystemeStimmenMitDerEliminationUeberein) {
  std::mt19937 zufall(3);
  std::uniform_real_distribution<double> wert(-10, 10);
  for (int n = 1; n <= 8; ++n) {
    Matrix sys(n, n + 1);
    for (double& e : sys.grid) e = wert(zufall);
    const Matrix g = gaussMatrix2Lsg(gaussMatrix(sys));
    const Matrix c = loeseGleichungssystem(sys).werte;
    for (int i = 0; i < n; ++i)
      EXPECT_NEAR(g(0, i), c(0, i), 1e-8 * std::max(1.0, std::abs(c(0, i))));
  }
}

TEST(Gauss, SingulaeresSystemGibtNichtEndlicheWerte) {
  const Matrix l = gaussMatrix2Lsg(gaussMatrix(aus(2, 3, {1, 2, 3, 2, 4, 6})));
  EXPECT_FALSE(std::isfinite(l(0, 0)) && std::isfinite(l(0, 1)));
}

}  // namespace
}  // namespace quarvel
