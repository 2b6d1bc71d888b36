#include "analysis/nullstellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace quarvel {
namespace {

// a · (x - r1)(x - r2)…, multiplied out in double as a user's term would be.
Polynom ausNullstellen(double a, const std::vector<double>& nullstellen) {
  Polynom p{a};
  for (double r : nullstellen) p = p * Polynom{-r, 1.0};
  return p;
}

std::vector<double> ohneWiederholung(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
  return v;
}

struct Fall {
  std::string name;
  Polynom p;
  std::vector<double> erwartet;
};

class NullstellenFall : public testing::TestWithParam<Fall> {};

// Roots with at most two decimals come out exact (they snap), so they compare with ==.
TEST_P(NullstellenFall, LiefertJedeNullstelleGenauEinmalAufsteigend) {
  EXPECT_EQ(nullstMenge(GetParam().p, 2), GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Grundfaelle, NullstellenFall,
    testing::Values(
        Fall{"Gerade", Polynom{-3, 2}, {1.5}},
        Fall{"DoppelteNullstelleDerParabelEinmal", Polynom{1, -2, 1}, {1.0}},
        Fall{"ParabelOhneNullstelle", Polynom{1, 0, 1}, {}},
        Fall{"DreiEinfacheGeschnappt", Polynom{0, -1, 0, 1}, {-1.0, 0.0, 1.0}},
        Fall{"DoppelteAmStationaerenPunkt", Polynom{2, -3, 0, 1}, {-2.0, 1.0}},
        Fall{"DreifacheNullImUrsprung", Polynom{0, 0, 0, 1}, {0.0}},
        Fall{"Konstante", Polynom{5}, {}}, Fall{"Nullpolynom", Polynom{0}, {}},
        // Evaluating near the double root 5 errs far above 1e-15.
        Fall{"DoppelteNullstelleFuenf", Polynom{-75, 55, -13, 1}, {3.0, 5.0}},
        // A double root of ordinary size must not split into two.
        Fall{"DoppelteNullstelleGeschlossen", ausNullstellen(1, {12.3, 12.3}), {12.3}},
        Fall{"DreifacheNullstelleGross", ausNullstellen(1, {12.3, 12.3, 12.3}), {12.3}},
        Fall{"SattelAufDerAchse", ausNullstellen(-2, {0.7, 0.7, 0.7, -1.4}), {-1.4, 0.7}}),
    [](const auto& zeile) { return zeile.param.name; });

TEST(Nullstellen, QuadratischOhneAusloeschungUndOhneScheinbareDoppelnullstelle) {
  // The small root of x² − 10⁹x + 450 is 4.5e-7 (the product of the roots is 450).
  EXPECT_NEAR(nullstMenge(Polynom{450, -1e9, 1}, 8).front(), 4.5e-7, 1e-20);
  // A negative discriminant far above its rounding error: no root at the vertex.
  EXPECT_TRUE(nullstMenge(Polynom{1e-6, 0, 1}, 2).empty());
  EXPECT_TRUE(nullstMenge(Polynom{1.000001, -2, 1}, 2).empty());
  EXPECT_TRUE(n2Menge(Polynom{1, 0, 1}).empty());
}

TEST(Nullstellen, BenachbarteNullstelleWirdNichtAufDieAndereGeschnappt) {
  // x³ + 0.002x²: the root -0.002 rounds to 0.0, which is a root as well, but lies outside
  // the bracket in which -0.002 was found.
  const auto n = nullstMenge(Polynom{0, 0, 0.002, 1}, 2);
  ASSERT_EQ(n.size(), 2u);
  EXPECT_NEAR(n[0], -0.002, 1e-12);
  EXPECT_EQ(n[1], 0.0);
}

TEST(Nullstellen, SchnappenHaengtVonDenDezimalenAb) {
  // (x - 0.25)(x - 2)(x + 1): with one decimal 0.25 rounds to 0.3, no root, so it keeps its
  // unrounded value; with two decimals it snaps.
  const Polynom p = ausNullstellen(1, {0.25, 2, -1});
  EXPECT_EQ(nullstMenge(p, 2)[1], 0.25);
  const double eineStelle = nullstMenge(p, 1)[1];
  EXPECT_NEAR(eineStelle, 0.25, 1e-12);
}

TEST(Nullstellen, NewtonSchnapptNurImEigenenIntervall) {
  const Polynom p{0, 0, 0.002, 1};
  const Nullstellenkandidat innen{-0.0020000001, -1.002, -0.0013};
  const Nullstellenkandidat frei{-0.0020000001, -1.002, 1.0};
  EXPECT_NE(newton(p, std::vector{innen}, 2)[0], 0.0);
  EXPECT_EQ(newton(p, std::vector{frei}, 2)[0], 0.0) << "0.0 is a root and may be taken";
  EXPECT_TRUE(newton(p, std::vector<Nullstellenkandidat>{}, 2).empty());
}

TEST(Nullstellen, HalbierungFindetDieNullstelleImIntervall) {
  const Polynom p{0, -1, 0, 1};
  EXPECT_NEAR(findeNullst(p, -0.5, 0.6), 0.0, 1e-7);
  EXPECT_EQ(findeNullst(p, 1.0, 3.0), 1.0) << "a root at the left end is returned as it is";
  EXPECT_EQ(findeNullst(p, 0.5, 1.0), 1.0);
}

TEST(Nullstellen, WertIstNullInnerhalbDesRundungsfehlers) {
  const Polynom p{-75, 55, -13, 1};  // (x - 3)(x - 5)²
  const double fastFuenf = std::nextafter(5.0, 4.0);
  EXPECT_FALSE(std::abs(p.wert(fastFuenf)) < 1e-15) << "the plain test misses it";
  EXPECT_TRUE(wertIstNull(p, fastFuenf));
  EXPECT_FALSE(wertIstNull(p, 5.001));
  EXPECT_TRUE(wertIstNull(Polynom{0}, 3.0));
}

// Every degree from 1 to 14, from known roots with multiplicities up to 3.
struct Aufbau {
  std::string name;
  double fuehrend;
  std::vector<double> nullstellen;  // with multiplicity
};

class NullstellenJedesGrades : public testing::TestWithParam<Aufbau> {};

TEST_P(NullstellenJedesGrades, FindetJedeNullstelleGenauEinmalUndExakt) {
  const Aufbau& a = GetParam();
  const Polynom p = ausNullstellen(a.fuehrend, a.nullstellen);
  ASSERT_EQ(p.grad2(), static_cast<int>(a.nullstellen.size()));
  EXPECT_EQ(nullstMenge(p, 2), ohneWiederholung(a.nullstellen));
}

INSTANTIATE_TEST_SUITE_P(
    Grade, NullstellenJedesGrades,
    testing::Values(
        Aufbau{"Grad1", 2, {1.5}}, Aufbau{"Grad2", -3, {-0.5, -0.5}}, Aufbau{"Grad3", 1, {3, 5, 5}},
        Aufbau{"Grad4", 0.5, {-2, -2, 1, 1}}, Aufbau{"Grad5", -2, {0.3, 0.3, 0.3, -1.2, -1.2}},
        Aufbau{"Grad6", 1, {-3, -1.5, -1.5, 0, 2, 2}},
        Aufbau{"Grad7", 4, {-2.5, -2.5, -2.5, 0.5, 1, 1, 3}},
        Aufbau{"Grad8", -1, {-4, -4, -1, 0.2, 0.2, 2, 2, 2}},
        Aufbau{"Grad9", 1, {-3.2, -3.2, -1, -1, 0, 1.5, 1.5, 1.5, 4}},
        Aufbau{"Grad10", 0.5, {-4, -4, -2, -2, -2, 1, 2.5, 2.5, 3.5, 3.5}},
        Aufbau{"Grad11", -1, {-5, -3, -3, -1.5, -1.5, 0, 0, 0, 2, 4, 4}},
        Aufbau{"Grad12", 1, {-4, -4, -2.5, -2.5, -1, -1, 0.5, 0.5, 2, 2, 3.5, 3.5}},
        Aufbau{"Grad13", 2, {-4, -3, -3, -3, -1.5, -1.5, 0, 1, 1, 2.5, 2.5, 2.5, 4}},
        Aufbau{"Grad14", 1, {-6, -5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7}},
        Aufbau{"Grad14Mehrfach", -0.5, {-3, -3, -2, -2, -2, -1, 0, 0, 1, 1, 1, 2.5, 2.5, 4}}),
    [](const auto& zeile) { return zeile.param.name; });

// Polynomials as a teacher writes them: a(x - r1)²(x - r2)… with short decimal roots.
// Each distinct root must be found exactly once, within 1e-6.
void pruefeZufaelligeSchulpolynome(int maxGrad, int maxVielfachheit, double mindestabstand,
                                   std::uint32_t seed) {
  std::mt19937 zufall(seed);
  std::uniform_int_distribution<int> zehntel(-50, 50);
  for (int versuch = 0; versuch < 400; ++versuch) {
    const int grad = 3 + static_cast<int>(zufall() % static_cast<unsigned>(maxGrad - 2));
    std::vector<double> verschiedene;
    std::vector<double> alle;
    while (static_cast<int>(alle.size()) < grad) {
      const double r = zehntel(zufall) / 10.0;
      if (std::any_of(verschiedene.begin(), verschiedene.end(),
                      [&](double v) { return std::abs(v - r) < mindestabstand; })) {
        continue;
      }
      const int rest = grad - static_cast<int>(alle.size());
      const int vielfach =
          1 + static_cast<int>(zufall() % static_cast<unsigned>(std::min(maxVielfachheit, rest)));
      verschiedene.push_back(r);
      alle.insert(alle.end(), static_cast<std::size_t>(vielfach), r);
    }
    const double a = (1 + static_cast<int>(zufall() % 9)) * (zufall() % 2 == 0 ? 1.0 : -0.5);
    const auto gefunden = nullstMenge(ausNullstellen(a, alle), 2);
    const auto erwartet = ohneWiederholung(alle);
    ASSERT_EQ(gefunden.size(), erwartet.size()) << "versuch " << versuch;
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
      EXPECT_NEAR(gefunden[i], erwartet[i], 1e-6) << "versuch " << versuch;
    }
  }
}

TEST(NullstellenSchulpolynome, BisDreifacheNullstellenBisGrad6) {
  pruefeZufaelligeSchulpolynome(6, 3, 0.1, 1);
}

TEST(NullstellenSchulpolynome, DoppelteNullstellenBisGrad14) {
  pruefeZufaelligeSchulpolynome(14, 2, 0.3, 2);
}

TEST(Nullstellen, AufsteigendFuerJedenGrad) {
  std::mt19937 zufall(7);
  std::uniform_real_distribution<double> koeffizient(-10, 10);
  for (int grad = 1; grad <= pgrad; ++grad) {
    for (int versuch = 0; versuch < 20; ++versuch) {
      Polynom p;
      for (int i = 0; i <= grad; ++i) p.koeff[i] = koeffizient(zufall);
      const auto n = nullstMenge(p, 2);
      EXPECT_TRUE(std::is_sorted(n.begin(), n.end())) << "grad " << grad;
      EXPECT_LE(static_cast<int>(n.size()), grad);
      EXPECT_EQ(std::adjacent_find(n.begin(), n.end()), n.end()) << "grad " << grad;
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
