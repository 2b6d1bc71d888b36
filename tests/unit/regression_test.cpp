// Ordinary fits and refusal texts are compared by the konstruktion_regression and
// konstruktion_ablehnungen scripts; here: the algebra against independent identities.
#include "construction/regression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::lege;

// `anzahl` points on f at von, von + schritt, …
template <class F>
Punktsystem auf(F f, int anzahl, double von, double schritt) {
  Punktsystem sys;
  for (int i = 0; i < anzahl; ++i) sys.push_back({von + i * schritt, f(von + i * schritt)});
  return sys;
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
    const double soll = k < erwartet.size() ? erwartet[k] : 0.0;
    EXPECT_NEAR(r.p->koeff[k], soll, 1e-11 * std::max(1.0, std::abs(soll)) + 1e-6 * std::abs(soll))
        << "x^" << k;
  }
}

// Symmetric data: the odd coefficient is rounding noise and cleared. The line through the
// centre of mass (3 | 2.6) has the closed-form slope Sxy/Sxx = -1.5/22.5. A tiny slope is a
// slope. Exact data of high degree and a tiny leading term far from 0 come out as they are.
INSTANTIATE_TEST_SUITE_P(
    Regression, Regressionsfaelle,
    ::testing::Values(
        RegressionsFall{"PunkteAufEinerGeraden", {{0, 1}, {1, 3}, {2, 5}, {3, 7}}, 1, {1, 2}},
        RegressionsFall{"EinPunktGibtSeineOrdinate", {{2, -4}}, 14, {-4}},
        RegressionsFall{"GeradeDurchDenSchwerpunkt",
                        {{0, 3.5}, {1.5, -1.25}, {3, 8}, {4.5, 0.75}, {6, 2}},
                        1,
                        {2.8, -1.0 / 15}},
        RegressionsFall{"SymmetrischeDatenOhneLinearenTerm",
                        {{-2, 4.1}, {-1, 0.9}, {0, 0.1}, {1, 0.9}, {2, 4.1}},
                        2,
                        {0.02 - 2.0 / 35, 0, 1.0 + 1.0 / 35}},
        RegressionsFall{
            "WinzigeSteigungBleibt", {{0, 1}, {1, 1 + 1e-9}, {3, 1 + 3e-9}}, 1, {1, 1e-9}},
        RegressionsFall{"AchtePotenz",
                        auf([](double x) { return std::pow(x, 8); }, 21, 0.0, 0.05),
                        8,
                        {0, 0, 0, 0, 0, 0, 0, 0, 1}},
        RegressionsFall{"KleinerLeitkoeffizientFernVonNull",
                        auf([](double x) { return x + 2e-8 * std::pow(x, 4); }, 11, 0.0, 10.0),
                        4,
                        {0, 1, 0, 0, 2e-8}}),
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
