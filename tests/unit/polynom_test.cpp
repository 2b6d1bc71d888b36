#include "model/polynom.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/toleranz.h"

namespace quarvel {
namespace {

Polynom grad(int n, double c = 1.0) {
  Polynom p;
  p.koeff[n] = c;
  return p;
}

// Sums, products and derivatives of everyday terms are read and shown end to end (the
// function and calculation scripts); here stand the edges of degree 14 and zero.
TEST(Polynom, RechnungenKoeffizientenweise) {
  const Polynom p{1, 2, 3};
  const Polynom q{0, -2, 0, 4};
  struct Fall {
    const char* was;
    Polynom ist, soll;
  };
  const Fall faelle[] = {
      {"(x^14)'", grad(14).abl(), grad(13, 14.0)},
      {"5'", Polynom{5}.abl(), Polynom{}},
      {"p - q", p - q, Polynom{1, 4, 3, -4}},
      {"-2p", -2.0 * p, Polynom{-2, -4, -6}},
      {"2x^7 · 2x^7", grad(7, 2.0) * grad(7, 2.0), grad(14, 4.0)},
      {"x^8 · x^8 is too large", grad(8) * grad(8), Polynom{}},
      {"x · 0", Polynom{0, 1} * Polynom{}, Polynom{}},
      {"0 normiert", Polynom{}.normiert(), Polynom{}},
  };
  for (const Fall& f : faelle) EXPECT_EQ(f.ist.koeff, f.soll.koeff) << f.was;
}

TEST(Polynom, GradWertUndEigenschaften) {
  EXPECT_EQ(Polynom{}.grad2(), -1);
  EXPECT_EQ(Polynom{5}.grad2(), 0);
  EXPECT_TRUE((Polynom{2, 4, -2}).normiert().istNormiert());
  EXPECT_FALSE((Polynom{2, 4, -2}).istNormiert());
  EXPECT_FALSE(Polynom{}.istNormiert());
  EXPECT_FALSE(produktZuGross(grad(7), grad(7)));
  EXPECT_FALSE(produktZuGross(Polynom{0, 1}, Polynom{}));
  // The root bound counts from degree 3 on.
  for (const auto& [p, schranke] :
       {std::pair{Polynom{1, -2, 0, 1}, 4.0}, std::pair{Polynom{100, -50, 7}, 1.0},
        std::pair{Polynom{6, 0, 0, -2}, 4.0}, std::pair{Polynom{}, 1.0}}) {
    EXPECT_EQ(p.nullstGrenze(), schranke);
  }
}

// The degree counts every coefficient that is not exactly zero; smoothing clears those
// below 1e-7 (strictly) in the receiver as well as in the result.
TEST(Polynom, GlaettenLoeschtNurWasKleinerAls1eMinus7Ist) {
  Polynom p{1, 0, 1e-8};
  EXPECT_EQ(p.grad2(), 2);
  EXPECT_EQ(p.geglaettet().grad2(), 0);
  EXPECT_EQ(p.grad2(), 0);
  EXPECT_EQ((Polynom{1, 1e-7}).geglaettet().grad2(), 1);
}

TEST(Polynom, ErgebnisseTragenFrischeAnzeigefelder) {
  Polynom p{1, 2};
  p.sichtbar = false;
  p.color = Farbe::rot;
  p.name = "f";
  p.grenzen = {1, 2, 3, 4};
  p.kritPunkte = {{1, 2}};
  for (const Polynom& r : {p + p, p - p, 2.0 * p, p * p, p.abl(), p.normiert()}) {
    EXPECT_TRUE(r.sichtbar);
    EXPECT_EQ(r.color, Farbe::schwarz);
    EXPECT_TRUE(r.name.empty());
    EXPECT_EQ(r.grenzen, Grenzen{});
    EXPECT_TRUE(r.kritPunkte.empty());
  }
}

TEST(PolynomTod, FalscheKoeffizientenzahlIstEinProgrammierfehler) {
#ifndef NDEBUG
  const std::vector<double> leer;
  EXPECT_DEATH(Polynom{std::span<const double>(leer)}, "1 to 15");
  const std::vector<double> zuViele(16, 1.0);
  EXPECT_DEATH(Polynom{std::span<const double>(zuViele)}, "1 to 15");
#else
  GTEST_SKIP() << "assertions are off in release builds";
#endif
}

// The bound 1e-7 itself is kept by smoothing (above).
TEST(Toleranzen, StrengeVergleiche) {
  EXPECT_TRUE(istNull(9e-16));
  EXPECT_FALSE(istNull(1e-15));
  EXPECT_TRUE(istFastNull(-9e-8));
  EXPECT_EQ(korr(-1e-16), 0.0);
  EXPECT_EQ(korr(1e-15), 1e-15);
  EXPECT_EQ(pur(5e-8), 0.0);
  EXPECT_EQ(pur(2e-7), 2e-7);
}

}  // namespace
}  // namespace quarvel
