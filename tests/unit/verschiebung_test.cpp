#include "analysis/verschiebung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/polynomtext.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

using test::erwarteGleich;

// A polynomial of degree 9 with mixed signs.
const Polynom hoherGrad{0.5, -1, 2, 0, -0.75, 1, 0, 0.25, -0.5, 0.125};

TEST(Hilfen, PotenzUndFakultaet) {
  EXPECT_EQ(pHochn(2, 10), 1024.0);
  EXPECT_EQ(pHochn(-3, 3), -27.0);
  EXPECT_EQ(pHochn(5, 0), 1.0);
  EXPECT_EQ(pHochn(5, -2), 1.0);
  EXPECT_EQ(fakul(0), 1.0);
  EXPECT_EQ(fakul(-1), 1.0);
  EXPECT_EQ(fakul(5), 120.0);
  EXPECT_EQ(fakul(14), 87178291200.0);
}

TEST(Koff, BinomischeKoeffizientenDerVerschiebung) {
  // (x - 1)^3 = x^3 - 3x^2 + 3x - 1
  const Polynom x3{0, 0, 0, 1};
  EXPECT_EQ(koff(x3, 1, 0), -1.0);
  EXPECT_EQ(koff(x3, 1, 1), 3.0);
  EXPECT_EQ(koff(x3, 1, 2), -3.0);
  EXPECT_EQ(koff(x3, 1, 3), 1.0);
}

// Shifts and mirrors of the start-up function are checked end to end
// (berechnung_verschiebung); here stand identities on a polynomial of high degree.

TEST(Verschiebung, WerteSindDieDesVerschobenenGraphen) {
  const double h = 1.5;
  const double v = -2.25;
  const Polynom r = verschAktPolynom(hoherGrad, h, v);
  EXPECT_EQ(r.grad2(), hoherGrad.grad2());
  for (const double x : {-2.0, -0.5, 0.0, 1.0, 3.25}) {
    const double soll = hoherGrad.wert(x - h) + v;
    EXPECT_NEAR(r.wert(x), soll, 1e-9 * std::max(1.0, std::abs(soll))) << "x = " << x;
  }
}

TEST(Verschiebung, HinUndZurueckGibtDasOriginal) {
  erwarteGleich(verschAktPolynom(verschAktPolynom(hoherGrad, 0.75, 2), -0.75, -2), hoherGrad);
}

TEST(Verschiebung, VierzehnterGrad) {
  Polynom x14;
  x14.koeff[14] = 1;
  // (x - 1)^14 has the coefficients C(14, j) (-1)^(14-j).
  const Polynom r = verschAktPolynom(x14, 1, 0);
  EXPECT_EQ(r.koeff[0], 1.0);
  EXPECT_EQ(r.koeff[1], -14.0);
  EXPECT_EQ(r.koeff[7], -3432.0);
  EXPECT_EQ(r.koeff[13], -14.0);
  EXPECT_EQ(r.koeff[14], 1.0);
}

TEST(Verschiebung, NullpolynomWirdZurKonstanten) {
  EXPECT_EQ(verschAktPolynom(Polynom{}, 3, 2.5).koeff, Polynom{2.5}.koeff);
}

TEST(Spiegelung, ZweimalAnDerselbenSenkrechtenGibtDasOriginal) {
  erwarteGleich(spiegeleAnVer(spiegeleAnVer(hoherGrad, 1.25), 1.25), hoherGrad, 1e-8);
}

TEST(Spiegelung, ZweimalAnDerselbenWaagerechtenGibtDasOriginal) {
  EXPECT_EQ(spiegeleAnHor(spiegeleAnHor(hoherGrad, -0.5), -0.5).koeff, hoherGrad.koeff);
}

TEST(Spiegelung, ZweimalAmSelbenPunktGibtDasOriginal) {
  erwarteGleich(spiegeleAmPunkt(spiegeleAmPunkt(hoherGrad, 0.5, 2), 0.5, 2), hoherGrad, 1e-8);
}

TEST(Spiegelung, WerteSindDieDesGespiegeltenGraphen) {
  const double c = -0.75;
  const double d = 1.5;
  for (const double x : {-1.0, 0.0, 0.5, 2.0}) {
    EXPECT_NEAR(spiegeleAnVer(hoherGrad, c).wert(x), hoherGrad.wert(2 * c - x), 1e-9);
    EXPECT_NEAR(spiegeleAnHor(hoherGrad, d).wert(x), 2 * d - hoherGrad.wert(x), 1e-12);
    EXPECT_NEAR(spiegeleAmPunkt(hoherGrad, c, d).wert(x), 2 * d - hoherGrad.wert(2 * c - x), 1e-9);
  }
}

}  // namespace
}  // namespace quarvel
