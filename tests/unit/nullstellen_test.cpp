#include "analysis/nullstellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "testpolynome.h"

namespace quarvel {
namespace {

using test::ausNullstellen;

// Roots of everyday polynomials (x³ − x, x³ − 3x + 2, x² + 1, x² − 10⁹x + 450, a vertex just
// above the axis, …) are listed end to end (analyse_kritische_punkte, berechnung_linearfaktoren,
// analyse_genauigkeit); here stand multiple roots of every degree and the helpers.

std::vector<double> ohneWiederholung(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

// Roots with at most two decimals come out exact (they snap), so they compare with ==.
// Degrees 2 to 8 with up to triple roots are swept in kind and count by genauigkeit_test.
TEST(Nullstellen, JedeNullstelleGenauEinmalAufsteigendUndExakt) {
  struct Aufbau {
    const char* name;
    double fuehrend;
    std::vector<double> nullstellen;  // with multiplicity
  };
  const Aufbau faelle[] = {
      {"Konstante", 5, {}},
      {"Nullpolynom", 0, {}},
      // A double root of ordinary size must not split into two.
      {"DoppelteNullstelleGeschlossen", 1, {12.3, 12.3}},
      {"DreifacheNullstelleGross", 1, {12.3, 12.3, 12.3}},
      {"SattelAufDerAchse", -2, {0.7, 0.7, 0.7, -1.4}},
      {"Grad1", 2, {1.5}},
      // Evaluating near the double root 5 errs far above 1e-15.
      {"Grad3", 1, {3, 5, 5}},
      {"Grad5", -2, {0.3, 0.3, 0.3, -1.2, -1.2}},
      {"Grad9", 1, {-3.2, -3.2, -1, -1, 0, 1.5, 1.5, 1.5, 4}},
      {"Grad10", 0.5, {-4, -4, -2, -2, -2, 1, 2.5, 2.5, 3.5, 3.5}},
      {"Grad11", -1, {-5, -3, -3, -1.5, -1.5, 0, 0, 0, 2, 4, 4}},
      {"Grad12", 1, {-4, -4, -2.5, -2.5, -1, -1, 0.5, 0.5, 2, 2, 3.5, 3.5}},
      {"Grad13", 2, {-4, -3, -3, -3, -1.5, -1.5, 0, 1, 1, 2.5, 2.5, 2.5, 4}},
      {"Grad14", 1, {-6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7}},
      {"Grad14Mehrfach", -0.5, {-3, -3, -2, -2, -2, -1, 0, 0, 1, 1, 1, 2.5, 2.5, 4}},
  };
  for (const Aufbau& a : faelle) {
    EXPECT_EQ(nullstMenge(ausNullstellen(a.fuehrend, a.nullstellen), 2),
              ohneWiederholung(a.nullstellen))
        << a.name;
  }
}

TEST(Nullstellen, BenachbarteNullstelleWirdNichtAufDieAndereGeschnappt) {
  // x³ + 0.002x²: the root -0.002 rounds to 0.0, which is a root as well, but lies outside
  // the bracket in which -0.002 was found.
  const Polynom p{0, 0, 0.002, 1};
  const auto n = nullstMenge(p, 2);
  ASSERT_EQ(n.size(), 2u);
  EXPECT_NEAR(n[0], -0.002, 1e-12);
  EXPECT_EQ(n[1], 0.0);
  const Nullstellenkandidat innen{-0.0020000001, -1.002, -0.0013};
  const Nullstellenkandidat frei{-0.0020000001, -1.002, 1.0};
  EXPECT_NE(newton(p, std::vector{innen}, 2)[0], 0.0);
  EXPECT_EQ(newton(p, std::vector{frei}, 2)[0], 0.0) << "0.0 is a root and may be taken";
  EXPECT_TRUE(newton(p, std::vector<Nullstellenkandidat>{}, 2).empty());
}

TEST(Nullstellen, SchnappenHaengtVonDenDezimalenAb) {
  // (x - 0.25)(x - 2)(x + 1): with one decimal 0.25 rounds to 0.3, no root, so it keeps its
  // unrounded value; with two decimals it snaps.
  const Polynom p = ausNullstellen(1, {0.25, 2, -1});
  EXPECT_EQ(nullstMenge(p, 2)[1], 0.25);
  EXPECT_NEAR(nullstMenge(p, 1)[1], 0.25, 1e-12);
}

TEST(Nullstellen, WertIstNullInnerhalbDesRundungsfehlers) {
  const Polynom p{-75, 55, -13, 1};  // (x - 3)(x - 5)²
  // Just below the double root the plain value is far above 1e-15.
  const double fastFuenf = std::nextafter(5.0, 4.0);
  EXPECT_TRUE(wertIstNull(p, fastFuenf));
  EXPECT_FALSE(wertIstNull(p, 5.001));
  EXPECT_TRUE(wertIstNull(Polynom{0}, 3.0));
}

// Polynomials as a teacher writes them: a(x - r1)²(x - r2)… with tenths as roots, up to
// triple roots to degree 6 and double ones to degree 14. Each distinct root must be found
// exactly once, within 1e-6.
TEST(Nullstellen, ZufaelligeSchulpolynome) {
  struct Art {
    int maxGrad, maxVielfachheit;
    double mindestabstand;
    std::uint32_t seed;
  };
  for (const Art art : {Art{6, 3, 0.1, 1}, Art{14, 2, 0.3, 2}}) {
    std::mt19937 zufall(art.seed);
    std::uniform_int_distribution<int> zehntel(-50, 50);
    for (int versuch = 0; versuch < 400; ++versuch) {
      SCOPED_TRACE(testing::Message() << "Grad bis " << art.maxGrad << ", Versuch " << versuch);
      const int grad = 3 + static_cast<int>(zufall() % static_cast<unsigned>(art.maxGrad - 2));
      std::vector<double> alle;
      while (static_cast<int>(alle.size()) < grad) {
        const double r = zehntel(zufall) / 10.0;
        if (std::any_of(alle.begin(), alle.end(),
                        [&](double v) { return std::abs(v - r) < art.mindestabstand; }))
          continue;
        const int rest = std::min(art.maxVielfachheit, grad - static_cast<int>(alle.size()));
        alle.insert(alle.end(), 1 + zufall() % static_cast<unsigned>(rest), r);
      }
      const double a = (1 + static_cast<int>(zufall() % 9)) * (zufall() % 2 == 0 ? 1.0 : -0.5);
      const auto gefunden = nullstMenge(ausNullstellen(a, alle), 2);
      const auto erwartet = ohneWiederholung(alle);
      ASSERT_EQ(gefunden.size(), erwartet.size());
      for (std::size_t i = 0; i < erwartet.size(); ++i) EXPECT_NEAR(gefunden[i], erwartet[i], 1e-6);
    }
  }
}

TEST(Nullstellen, AufsteigendFuerJedenGrad) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> koeffizient(-10, 10);
  for (int grad = 1; grad <= pgrad; ++grad) {
    for (int versuch = 0; versuch < 20; ++versuch) {
      Polynom p;
      for (int i = 0; i <= grad; ++i) p.koeff[i] = koeffizient(zufall);
      const auto n = nullstMenge(p, 2);
      // Strictly ascending: sorted and no root twice.
      EXPECT_EQ(std::adjacent_find(n.begin(), n.end(), std::greater_equal<>()), n.end())
          << "grad " << grad;
      EXPECT_LE(static_cast<int>(n.size()), grad);
    }
  }
}

TEST(Nullstellen, AbleitungsketteStimmtMitEinzelaufrufenUeberein) {
  const Polynom p = ausNullstellen(1, {-3, -1, -1, 0.5, 2, 2, 2, 4});
  const auto kette = nullstellenDerAbleitungen(p, 5, 2);
  Polynom d = p;
  for (const auto& nullstellen : kette) {
    EXPECT_EQ(nullstellen, nullstMenge(d, 2));
    d = d.abl();
  }
}

}  // namespace
}  // namespace quarvel
