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
