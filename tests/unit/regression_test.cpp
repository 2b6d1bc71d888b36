// Ordinary fits (a line, a degree above the points' reach, the mean), the small leading
// term far from 0 and the refusal texts are compared by the konstruktion_regression,
// konstruktion_genauigkeit and konstruktion_ablehnungen scripts; here: the algebra against
// independent identities.
#include "construction/regression.h"

#include <gtest/gtest.h>

#include <cmath>

#include "konstruktionshilfen.h"

namespace quarvel {
namespace {

using test::bedingung;

// Symmetric data: the odd coefficient is rounding noise and cleared. A tiny slope is a
// slope. Exact data of high degree come out as they are.
TEST(Regression, Ausgleichspolynom) {
  struct Fall {
    const char* name;
    Punktsystem punkte;
    int grad;
    std::vector<double> erwartet;
  };
  Punktsystem achtePotenz;
  for (int i = 0; i < 21; ++i) achtePotenz.push_back({i * 0.05, std::pow(i * 0.05, 8)});
  const Fall faelle[] = {
      {"one point gives its ordinate", {{2, -4}}, 14, {-4}},
      {"symmetric data have no linear term",
       {{-2, 4.1}, {-1, 0.9}, {0, 0.1}, {1, 0.9}, {2, 4.1}},
       2,
       {0.02 - 2.0 / 35, 0, 1.0 + 1.0 / 35}},
      {"a tiny slope stays", {{0, 1}, {1, 1 + 1e-9}, {3, 1 + 3e-9}}, 1, {1, 1e-9}},
      {"eighth power", achtePotenz, 8, {0, 0, 0, 0, 0, 0, 0, 0, 1}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Regression r = regression(f.punkte, f.grad);
    ASSERT_TRUE(r.p.has_value()) << r.fehlermeldung;
    for (std::size_t k = 0; k < r.p->koeff.size(); ++k) {
      const double soll = k < f.erwartet.size() ? f.erwartet[k] : 0.0;
      EXPECT_NEAR(r.p->koeff[k], soll,
                  1e-11 * std::max(1.0, std::abs(soll)) + 1e-6 * std::abs(soll))
          << "x^" << k;
    }
  }
}

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
  const Punktliste liste = test::punktliste(
      {bedingung(1, 5), bedingung(1, 7), bedingung(2, 1, std::nullopt, std::nullopt, false),
       bedingung(3, std::nullopt, 2), bedingung(0.0, 4), bedingung(-0.0, 6)});
  EXPECT_EQ(erzeugePunktsystem(liste), (Punktsystem{{1, 5}, {2, 1}, {0, 4}}));
}

}  // namespace
}  // namespace quarvel
