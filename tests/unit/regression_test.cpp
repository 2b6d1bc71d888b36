#include <gtest/gtest.h>

#include <cmath>

#include "construction/regression.h"
#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::lege;

TEST(Vektor, Rechenarten) {
  const Vektor a({1, 2, 2});
  const Vektor b({0, -1, 3});
  EXPECT_EQ(a.dim(), 3);
  EXPECT_DOUBLE_EQ(a.norm(), 3.0);
  EXPECT_EQ(a + b, Vektor({1, 1, 5}));
  EXPECT_EQ(a - b, Vektor({1, 3, -1}));
  EXPECT_DOUBLE_EQ(a * b, 4.0);
  EXPECT_EQ(2.0 * a, Vektor({2, 4, 4}));
  EXPECT_EQ(Vektor({0, 2, -3}) ^ 0, Vektor({1, 1, 1}));  // 0^0 = 1
  EXPECT_EQ(Vektor({0, 2, -3}) ^ 3, Vektor({0, 8, -27}));
  EXPECT_EQ(erzeugeNullvektor(2), Vektor({0, 0}));
  ASSERT_TRUE(a.normiert().has_value());
  EXPECT_NEAR(a.normiert()->norm(), 1.0, 1e-15);
  EXPECT_FALSE(erzeugeNullvektor(3).normiert().has_value());
}

TEST(Vektor, Textform) {
  EXPECT_EQ(Vektor({1, -2.345, 1e-9}).str(2), "(1.0, -2.35, 0.0) ");
  EXPECT_EQ(systemAusgabe({Vektor({1}), Vektor({2, 3})}, 2), "\n(1.0) \n(2.0, 3.0) ");
}

TEST(Regression, OrthonormalbasisIstOrthonormal) {
  const Punktsystem sys{{-1, 0}, {0, 0}, {0.5, 0}, {2, 0}, {3, 0}};
  const Erzeugendensystem e = pp2vl(sys, 4);
  const Matrix m = genONB(e.es);
  const Matrix g = gramMatrix(e.es);
  for (int i = 0; i < 4; ++i) {
    for (int j = 0; j < 4; ++j) {
      double s = 0;
      for (int k = 0; k < 4; ++k) {
        for (int l = 0; l < 4; ++l) s += m(i, k) * m(j, l) * g(k, l);
      }
      EXPECT_NEAR(s, i == j ? 1.0 : 0.0, 1e-12) << i << "," << j;
    }
    EXPECT_NEAR(spezNorm(m, i, g), 1.0, 1e-12);
  }
  // The negative sign convention of the first vector.
  EXPECT_LT(m(0, 0), 0.0);
}

struct RegressionsFall {
  const char* name;
  std::vector<std::pair<double, double>> punkte;
  int grad;
  std::vector<double> erwartet;
};

class Regressionsfaelle : public ::testing::TestWithParam<RegressionsFall> {};

TEST_P(Regressionsfaelle, Ausgleichspolynom) {
  Punktliste liste;
  int nr = 0;
  for (const auto& [x, y] : GetParam().punkte) lege(liste, "P" + std::to_string(nr++), bedingung(x, y));
  const Regression r = regression(liste, GetParam().grad);
  ASSERT_TRUE(r.p.has_value()) << r.fehlermeldung;
  const auto& erwartet = GetParam().erwartet;
  for (std::size_t k = 0; k < r.p->koeff.size(); ++k) {
    EXPECT_NEAR(r.p->koeff[k], k < erwartet.size() ? erwartet[k] : 0.0, 1e-12) << "x^" << k;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Regression, Regressionsfaelle,
    ::testing::Values(
        RegressionsFall{"Ausgleichsgerade", {{0, 0}, {1, 1}, {2, 4}}, 1, {-1.0 / 3, 2}},
        RegressionsFall{"GradGleichAnzahlMinusEins", {{0, 0}, {1, 1}, {2, 4}}, 2, {0, 0, 1}},
        RegressionsFall{"GradWirdAufAnzahlMinusEinsGesenkt", {{0, 0}, {1, 1}, {2, 4}}, 9, {0, 0, 1}},
        RegressionsFall{"PunkteAufEinerGeraden", {{0, 1}, {1, 3}, {2, 5}, {3, 7}}, 1, {1, 2}},
        RegressionsFall{"GradNullIstDerMittelwert", {{0, 1}, {1, 2}, {5, 6}}, 0, {3}},
        RegressionsFall{"EinPunktGibtSeineOrdinate", {{2, -4}}, 14, {-4}},
        RegressionsFall{"EinPunktGradNull", {{2, -4}}, 0, {-4}},
        // Symmetric data: the odd coefficient vanishes exactly (below 1e-7 is cleared).
        RegressionsFall{"SymmetrischeDatenOhneLinearenTerm",
                        {{-2, 4.1}, {-1, 0.9}, {0, 0.1}, {1, 0.9}, {2, 4.1}},
                        2,
                        {0.02 - 2.0 / 35, 0, 1.0 + 1.0 / 35}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Regression, GradNullIstMittelwertAllerOrdinaten) {
  Punktliste liste;
  const double ys[] = {3.5, -1.25, 8, 0.75, 2};
  double summe = 0;
  for (int i = 0; i < 5; ++i) {
    lege(liste, "P" + std::to_string(i), bedingung(i * 1.5, ys[i]));
    summe += ys[i];
  }
  EXPECT_NEAR(regression(liste, 0).p->koeff[0], summe / 5, 1e-14);
  // The least-squares line passes through the centre of mass.
  const Polynom gerade = *regression(liste, 1).p;
  EXPECT_NEAR(gerade.wert(3.0), summe / 5, 1e-12);
}

TEST(Regression, SehrKleineKoeffizientenWerdenNull) {
  Punktliste liste;
  // y = 1 + 1e-9 x exactly on a line: the slope is cleared.
  for (int i = 0; i < 4; ++i) lege(liste, "P" + std::to_string(i), bedingung(i, 1 + 1e-9 * i));
  const Polynom p = *regression(liste, 1).p;
  EXPECT_EQ(p.koeff[1], 0.0);
  EXPECT_NEAR(p.koeff[0], 1.0, 1e-8);
}

TEST(Regression, PunktsystemNimmtDenErstenJederAbszisseUndAuchInaktive) {
  Punktliste liste;
  lege(liste, "A", bedingung(1, 5));
  lege(liste, "B", bedingung(1, 7));
  lege(liste, "C", bedingung(2, 1, std::nullopt, std::nullopt, false));
  lege(liste, "D", bedingung(3, std::nullopt, 2));
  EXPECT_EQ(erzeugePunktsystem(liste), (Punktsystem{{1, 5}, {2, 1}}));
}

TEST(Regression, Meldungen) {
  Punktliste liste;
  const Regression zuHoch = regression(liste, 15);
  EXPECT_FALSE(zuHoch.p);
  EXPECT_EQ(zuHoch.fehlermeldung,
            "Dieses Programm berechnet durch Regression keine Funktionen höheren als 14. Grades!");
  lege(liste, "A", bedingung(1, std::nullopt, 3));
  const Regression leer = regression(liste, 3);
  EXPECT_FALSE(leer.p);
  EXPECT_EQ(leer.fehlermeldung,
            "Für die Ermittlung eines Polynoms vom Grade 3 beträgt die Anzahl der Stützstellen "
            "mindestens 4. Die Punktliste enthält aber bisher keine Punkte mit vollständigen "
            "Koordinaten.");
}

TEST(Regression, GradFuenfDurchVieleVerrauschtePunkte) {
  // Samples of a known quintic with alternating noise that is orthogonal to nothing in
  // particular: the fit stays close to the quintic.
  Punktsystem sys;
  const Polynom q{1, -2, 0.5, 0.25, -0.1, 0.02};
  for (int i = 0; i < 2001; ++i) {
    const double x = -2 + i * 0.002;
    sys.push_back({x, q.wert(x) + (i % 2 == 0 ? 1e-3 : -1e-3)});
  }
  const Polynom p = *regression(sys, 5).p;
  for (int k = 0; k <= 5; ++k) EXPECT_NEAR(p.koeff[k], q.koeff[k], 1e-4) << k;
}

}  // namespace
}  // namespace quarvel

namespace quarvel {
namespace {

// The dot products from power sums agree with those of the sampled power vectors, and so
// does the fit.
TEST(Regression, PotenzsummenStimmenMitVektorenUeberein) {
  const Punktsystem sys{{-1.5, 2}, {-0.5, 1}, {0.25, -1}, {1, 0.5}, {2, 3}, {3.5, -2}};
  const Erzeugendensystem e = pp2vl(sys, 4);
  const Skalarprodukte s = skalarprodukte(sys, 4);
  const Matrix g = gramMatrix(e.es);
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(s.ves[static_cast<std::size_t>(i)], e.v * e.es[static_cast<std::size_t>(i)], 1e-12);
    for (int j = 0; j < 4; ++j) EXPECT_NEAR(s.gram(i, j), g(i, j), 1e-12 * std::abs(g(i, j)));
  }
  const Vektor ueberVektoren = approximation(e.v, e.es, genONB(e.es));
  const Polynom p = *regression(sys, 3).p;
  ASSERT_EQ(ueberVektoren.dim(), 8);
  for (int k = 0; k < 8; ++k) EXPECT_NEAR(p.koeff[static_cast<std::size_t>(k)], ueberVektoren.komp[static_cast<std::size_t>(k)], 1e-10);
}

TEST(Regression, NullUndMinusNullSindDieselbeAbszisse) {
  Punktliste liste;
  test::lege(liste, "A", test::bedingung(0.0, 1));
  test::lege(liste, "B", test::bedingung(-0.0, 2));
  test::lege(liste, "C", test::bedingung(1, 2));
  EXPECT_EQ(erzeugePunktsystem(liste).size(), 2u);
}

}  // namespace
}  // namespace quarvel
