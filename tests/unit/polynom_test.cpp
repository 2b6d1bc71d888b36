#include <gtest/gtest.h>

#include <cmath>

#include "model/polynom.h"
#include "model/toleranz.h"

namespace quarvel {
namespace {

Polynom grad(int n, double c = 1.0) {
  Polynom p;
  p.koeff[n] = c;
  return p;
}

TEST(Polynom, NullpolynomHatGradMinusEinsUndIstGerade) {
  const Polynom null;
  EXPECT_EQ(null.grad2(), -1);
  EXPECT_FALSE(null.istNormiert());
  EXPECT_EQ(null.normiert().koeff, null.koeff);
  EXPECT_EQ(null.nullstGrenze(), 1.0);
  EXPECT_TRUE(null.istGerade());
}

TEST(Polynom, KonstanteHatGradNullUndAbleitungNull) {
  const Polynom fuenf{5};
  EXPECT_EQ(fuenf.grad2(), 0);
  EXPECT_EQ(fuenf.abl().grad2(), -1);
}

TEST(Polynom, AbleitungUndWertNachHorner) {
  const Polynom p{1, 2, 3};
  EXPECT_EQ(p.abl().koeff, (Polynom{2, 6}).koeff);
  EXPECT_EQ(p.wert(2), 17.0);
  EXPECT_EQ(grad(14).abl().koeff[13], 14.0);
}

// The degree counts every coefficient that is not exactly zero; smoothing clears those
// below 1e-7 (strictly) in the receiver as well as in the result.
TEST(Polynom, GlaettenLoeschtNurWasKleinerAls1eMinus7Ist) {
  Polynom p{1, 0, 1e-8};
  EXPECT_EQ(p.grad2(), 2);
  const Polynom glatt = p.geglaettet();
  EXPECT_EQ(glatt.grad2(), 0);
  EXPECT_EQ(p.grad2(), 0);

  Polynom grenzfall{1, 1e-7};
  EXPECT_EQ(grenzfall.geglaettet().grad2(), 1);
}

TEST(Polynom, NormiertTeiltDurchDenLeitkoeffizienten) {
  const Polynom p{2, 4, -2};
  const Polynom n = p.normiert();
  EXPECT_TRUE(n.istNormiert());
  EXPECT_EQ(n.koeff[0], -1.0);
  EXPECT_EQ(n.koeff[1], -2.0);
  EXPECT_FALSE(p.istNormiert());
}

TEST(Polynom, NullstellenschrankeAbGradDrei) {
  EXPECT_EQ((Polynom{1, -2, 0, 1}).nullstGrenze(), 4.0);
  EXPECT_EQ((Polynom{100, -50, 7}).nullstGrenze(), 1.0);
  EXPECT_EQ((Polynom{6, 0, 0, -2}).nullstGrenze(), 4.0);
}

TEST(Polynom, GeradePolynomeUndIhreReduktion) {
  const Polynom p{1, 0, 1, 0, 1};
  EXPECT_TRUE(p.istGerade());
  EXPECT_EQ(p.reduxGerade().koeff, (Polynom{1, 1, 1}).koeff);
  EXPECT_FALSE((Polynom{0, 1, 1}).istGerade());
  EXPECT_EQ(grad(14).reduxGerade().koeff, grad(7).koeff);
}

TEST(Polynom, SummeDifferenzUndSkalarprodukt) {
  const Polynom p{1, 2, 3};
  const Polynom q{0, -2, 0, 4};
  EXPECT_EQ((p + q).koeff, (Polynom{1, 0, 3, 4}).koeff);
  EXPECT_EQ((p - q).koeff, (Polynom{1, 4, 3, -4}).koeff);
  EXPECT_EQ((-2.0 * p).koeff, (Polynom{-2, -4, -6}).koeff);
}

TEST(Polynom, ProduktBisGrad14) {
  const Polynom a{1, 1};   // 1 + x
  const Polynom b{-1, 1};  // -1 + x
  EXPECT_EQ((a * b).koeff, (Polynom{-1, 0, 1}).koeff);
  const Polynom sieben = grad(7, 2.0);
  EXPECT_FALSE(produktZuGross(sieben, sieben));
  EXPECT_EQ((sieben * sieben).koeff, grad(14, 4.0).koeff);
}

TEST(Polynom, ProduktUeberGrad14IstNullUndWirdErkannt) {
  const Polynom acht = grad(8);
  EXPECT_TRUE(produktZuGross(acht, acht));
  EXPECT_EQ((acht * acht).grad2(), -1);
}

TEST(Polynom, ProduktMitNullOhneMeldung) {
  EXPECT_FALSE(produktZuGross(Polynom{0, 1}, Polynom{}));
  EXPECT_EQ((Polynom{0, 1} * Polynom{}).grad2(), -1);
}

TEST(Polynom, ErgebnisseTragenFrischeAnzeigefelder) {
  Polynom p{1, 2};
  p.sichtbar = false;
  p.color = Farbe::rot;
  p.name = "f";
  p.grenzen = {1, 2, 3, 4};
  p.kritPunkte = {{1, 2}};
  for (const Polynom& r : {p + p, p - p, 2.0 * p, p * p, p.abl(), p.normiert(), p.reduxGerade()}) {
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

TEST(Toleranzen, StrengeVergleiche) {
  EXPECT_TRUE(istNull(9e-16));
  EXPECT_FALSE(istNull(1e-15));
  EXPECT_TRUE(istFastNull(-9e-8));
  EXPECT_FALSE(istFastNull(1e-7));
  EXPECT_EQ(korr(-1e-16), 0.0);
  EXPECT_EQ(korr(1e-15), 1e-15);
  EXPECT_EQ(pur(5e-8), 0.0);
  EXPECT_EQ(pur(2e-7), 2e-7);
}

}  // namespace
}  // namespace quarvel
