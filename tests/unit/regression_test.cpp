// Ordinary fits and refusal texts are compared by the konstruktion_regression and
// konstruktion_ablehnungen scripts; here: the algebra against independent identities.
#include <gtest/gtest.h>

#include <cmath>

#include "construction/regression.h"
#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::lege;

TEST(Vektor, Grenzfaelle) {
  EXPECT_EQ(Vektor({0, 2, -3}) ^ 0, Vektor({1, 1, 1}));  // 0^0 = 1: the constant column
  EXPECT_NEAR(Vektor({1, 2, 2}).normiert()->norm(), 1.0, 1e-15);
  EXPECT_FALSE(erzeugeNullvektor(3).normiert().has_value());
  EXPECT_EQ(Vektor({1, -2.345, 1e-9}).str(2), "(1.0, -2.35, 0.0) ");
  EXPECT_EQ(systemAusgabe({Vektor({1}), Vektor({2, 3})}, 2), "\n(1.0) \n(2.0, 3.0) ");
}

// The basis from the Gram matrix is orthonormal; the dot products from power sums agree with
// those of the sampled power vectors, and so does the fit.
TEST(Regression, OrthonormalbasisUndPotenzsummen) {
  const Punktsystem sys{{-1.5, 2}, {-0.5, 1}, {0.25, -1}, {1, 0.5}, {2, 3}, {3.5, -2}};
  const Erzeugendensystem e = pp2vl(sys, 4);
  const Skalarprodukte s = skalarprodukte(sys, 4);
  const Matrix g = gramMatrix(e.es);
  const Matrix m = genONB(e.es);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(s.ves[static_cast<std::size_t>(i)], e.v * e.es[static_cast<std::size_t>(i)], 1e-12);
    for (int j = 0; j < 4; ++j) {
      EXPECT_NEAR(s.gram(i, j), g(i, j), 1e-12 * std::abs(g(i, j)));
      double mgm = 0;
      for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l) mgm += m(i, k) * m(j, l) * g(k, l);
      }
      EXPECT_NEAR(mgm, i == j ? 1.0 : 0.0, 1e-12) << i << "," << j;
    }
  }
  EXPECT_LT(m(0, 0), 0.0);  // the sign convention of the first vector
  const Vektor ueberVektoren = approximation(e.v, e.es, m);
  const Polynom p = *regression(sys, 3).p;
  ASSERT_EQ(ueberVektoren.dim(), 8);
  for (std::size_t k = 0; k < 8; ++k) EXPECT_NEAR(p.koeff[k], ueberVektoren.komp[k], 1e-10);
}

struct RegressionsFall {
  const char* name;
  Punktsystem punkte;
  int grad;
  std::vector<double> erwartet;
};

class Regressionsfaelle : public ::testing::TestWithParam<RegressionsFall> {};

TEST_P(Regressionsfaelle, Ausgleichspolynom) {
  const Regression r = regression(GetParam().punkte, GetParam().grad);
  ASSERT_TRUE(r.p.has_value()) << r.fehlermeldung;
  const auto& erwartet = GetParam().erwartet;
  for (std::size_t k = 0; k < r.p->koeff.size(); ++k) {
    EXPECT_NEAR(r.p->koeff[k], k < erwartet.size() ? erwartet[k] : 0.0, 1e-12) << "x^" << k;
  }
}

// Symmetric data: the odd coefficient vanishes exactly (below 1e-7 is cleared). The line
// through the centre of mass (3 | 2.6) has the closed-form slope Sxy/Sxx = -1.5/22.5.
INSTANTIATE_TEST_SUITE_P(
    Regression, Regressionsfaelle,
    ::testing::Values(
        RegressionsFall{"PunkteAufEinerGeraden", {{0, 1}, {1, 3}, {2, 5}, {3, 7}}, 1, {1, 2}},
        RegressionsFall{"EinPunktGibtSeineOrdinate", {{2, -4}}, 14, {-4}},
        RegressionsFall{"GeradeDurchDenSchwerpunkt",
                        {{0, 3.5}, {1.5, -1.25}, {3, 8}, {4.5, 0.75}, {6, 2}}, 1, {2.8, -1.0 / 15}},
        RegressionsFall{"SymmetrischeDatenOhneLinearenTerm",
                        {{-2, 4.1}, {-1, 0.9}, {0, 0.1}, {1, 0.9}, {2, 4.1}}, 2,
                        {0.02 - 2.0 / 35, 0, 1.0 + 1.0 / 35}},
        RegressionsFall{"WinzigeSteigungWirdNull", {{0, 1}, {1, 1 + 1e-9}, {3, 1 + 3e-9}}, 1, {1}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Regression, GradFuenfDurchVieleVerrauschtePunkte) {
  // Samples of a known quintic with alternating noise: the fit stays close to the quintic.
  Punktsystem sys;
  const Polynom q{1, -2, 0.5, 0.25, -0.1, 0.02};
  for (int i = 0; i < 2001; ++i) {
    const double x = -2 + i * 0.002;
    sys.push_back({x, q.wert(x) + (i % 2 == 0 ? 1e-3 : -1e-3)});
  }
  const Polynom p = *regression(sys, 5).p;
  for (std::size_t k = 0; k <= 5; ++k) EXPECT_NEAR(p.koeff[k], q.koeff[k], 1e-4) << k;
}

// Only points with an ordinate count, the first of each abscissa wins (0 and -0 are one),
// inactive points take part.
TEST(Regression, Punktsystem) {
  Punktliste liste;
  lege(liste, "A", bedingung(1, 5));
  lege(liste, "B", bedingung(1, 7));
  lege(liste, "C", bedingung(2, 1, std::nullopt, std::nullopt, false));
  lege(liste, "D", bedingung(3, std::nullopt, 2));
  lege(liste, "E", bedingung(0.0, 4));
  lege(liste, "F", bedingung(-0.0, 6));
  EXPECT_EQ(erzeugePunktsystem(liste), (Punktsystem{{1, 5}, {2, 1}, {0, 4}}));
}

}  // namespace
}  // namespace quarvel
