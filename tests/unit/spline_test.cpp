#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "construction/splinebau.h"
#include "konstruktionshilfen.h"
#include "model/splinetext.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::lege;

Punktliste liste(const std::vector<std::pair<double, double>>& punkte) {
  Punktliste l;
  int nr = 0;
  for (const auto& [x, y] : punkte) lege(l, "P" + std::to_string(nr++), bedingung(x, y));
  return l;
}

void erwartePolynom(const Polynom& p, std::vector<double> koeff, double toleranz = 1e-12) {
  koeff.resize(anzahlKoeffizienten, 0.0);
  for (std::size_t k = 0; k < koeff.size(); ++k)
    EXPECT_NEAR(p.koeff[k], koeff[k], toleranz) << "x^" << k;
}

// Value, slope and curvature of neighbouring pieces agree at every inner knot; both ends
// have no curvature; every piece passes through its knots.
void erwarteNatuerlichenSpline(const Spline& s, const std::vector<double>& Y, double toleranz) {
  ASSERT_TRUE(s.istKorrekt());
  const auto& x = s.zerlegung;
  for (std::size_t i = 0; i < s.stuecke.size(); ++i) {
    EXPECT_NEAR(s.stuecke[i].wert(x[i]), Y[i], toleranz);
    EXPECT_NEAR(s.stuecke[i].wert(x[i + 1]), Y[i + 1], toleranz);
  }
  for (std::size_t i = 1; i < s.stuecke.size(); ++i) {
    const Polynom& l = s.stuecke[i - 1];
    const Polynom& r = s.stuecke[i];
    EXPECT_NEAR(l.abl().wert(x[i]), r.abl().wert(x[i]), toleranz) << "slope at " << x[i];
    EXPECT_NEAR(l.abl().abl().wert(x[i]), r.abl().abl().wert(x[i]), toleranz)
        << "curvature at " << x[i];
  }
  EXPECT_NEAR(s.stuecke.front().abl().abl().wert(x.front()), 0.0, toleranz);
  EXPECT_NEAR(s.stuecke.back().abl().abl().wert(x.back()), 0.0, toleranz);
}

TEST(Spline, DreiPunkteBeispiel) {
  const SplineBau b = genSpline(liste({{0, 0}, {1, 1}, {2, 0}}), 2);
  ASSERT_TRUE(b.ok);
  const Spline& s = *b.s;
  EXPECT_EQ(s.zerlegung, (std::vector<double>{0, 1, 2}));
  ASSERT_EQ(s.stuecke.size(), 2u);
  erwartePolynom(s.stuecke[0], {0, 1.5, 0, -0.5});
  erwartePolynom(s.stuecke[1], {-1, 4.5, -3, 0.5});
  // At x = 1 both pieces have value 1, slope 0 and curvature −3.
  for (const Polynom& p : s.stuecke) {
    EXPECT_NEAR(p.wert(1), 1.0, 1e-12);
    EXPECT_NEAR(p.abl().wert(1), 0.0, 1e-12);
    EXPECT_NEAR(p.abl().abl().wert(1), -3.0, 1e-12);
  }
  erwarteNatuerlichenSpline(s, {0, 1, 0}, 1e-12);
}

TEST(Spline, KollinearePunkteGebenGleicheGeraden) {
  const SplineBau b = genSpline(liste({{0, 1}, {1, 3}, {3, 7}}), 2);
  ASSERT_TRUE(b.ok);
  for (const Polynom& p : b.s->stuecke) erwartePolynom(p, {1, 2});
}

TEST(Spline, ReihenfolgeDerPunkteSpieltKeineRolle) {
  const SplineBau a = genSpline(liste({{2, 0}, {0, 0}, {1, 1}}), 2);
  ASSERT_TRUE(a.ok);
  EXPECT_EQ(a.s->zerlegung, (std::vector<double>{0, 1, 2}));
  erwartePolynom(a.s->stuecke[0], {0, 1.5, 0, -0.5});
}

TEST(Spline, ZuWenigeVerschiedeneAbszissen) {
  EXPECT_FALSE(genSpline({}, 2).ok);
  EXPECT_FALSE(genSpline(liste({{0, 0}, {1, 1}}), 2).ok);
  EXPECT_FALSE(genSpline(liste({{0, 0}, {1, 1}, {1, 2}}), 2).ok);
  const SplineBau b = genSpline(liste({{0, 0}, {1, 1}, {1, 2}, {2, 0}}), 2);
  ASSERT_TRUE(b.ok);
  EXPECT_EQ(b.s->zerlegung.size(), 3u);
}

TEST(Spline, PunktVorbereitung) {
  std::vector<Punkt> feld{bedingung(3, 30), bedingung(-999.9, 7),
                          bedingung(1, 10), bedingung(2, 99, std::nullopt, std::nullopt, false),
                          bedingung(1, 11), bedingung(5, std::nullopt, 2)};
  feld[5].ko[1] = 50;  // y stored but marked as not given: it still counts
  const Stuetzstellen s = punktVorbereitung(feld);
  // A real point at −999.9 is a knot like any other.
  EXPECT_EQ(s.X, (std::vector<double>{-999.9, 1, 3, 5}));
  // Of two points with the same x the later one gives the ordinate.
  EXPECT_EQ(s.Y, (std::vector<double>{7, 11, 30, 50}));
  EXPECT_TRUE(istStrengZunehmend(s.X));
  EXPECT_FALSE(istStrengZunehmend({1}));
  EXPECT_FALSE(istStrengZunehmend({1, 1}));
}

TEST(Spline, DichtesSystemHatDieVorgeschriebenenZeilen) {
  const Matrix a = splineSystem({0, 1, 2}, {0, 1, 0});
  ASSERT_EQ(a.rows, 8);
  ASSERT_EQ(a.columns, 9);
  EXPECT_EQ(matrixZeile2Feld(a, 0), (std::vector<double>{1, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 1), (std::vector<double>{0, 0, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 2), (std::vector<double>{0, 0, 0, 0, 1, 2, 4, 8, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 3), (std::vector<double>{0, 0, 0, 0, 0, 0, 2, 12, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 4), (std::vector<double>{1, 1, 1, 1, -1, -1, -1, -1, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 5), (std::vector<double>{0, 0, 0, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(matrixZeile2Feld(a, 6), (std::vector<double>{0, 1, 2, 3, 0, -1, -2, -3, 0}));
  EXPECT_EQ(matrixZeile2Feld(a, 7), (std::vector<double>{0, 0, 2, 6, 0, 0, -2, -6, 0}));
}

// The tridiagonal solution agrees with Gauss-Jordan on the dense system.
TEST(Spline, TridiagonalStimmtMitDichterLoesungUeberein) {
  std::mt19937 zufall(11);
  std::uniform_real_distribution<double> schritt(0.2, 2.0), wert(-5, 5);
  for (int k = 3; k <= 12; ++k) {
    std::vector<double> X{-3.0}, Y{wert(zufall)};
    for (int i = 1; i < k; ++i) {
      X.push_back(X.back() + schritt(zufall));
      Y.push_back(wert(zufall));
    }
    const Matrix dicht = genSplineKoeffizienten(X, Y);
    const Matrix schnell = genSplineKoeffizientenTridiagonal(X, Y);
    ASSERT_EQ(dicht.columns, schnell.columns);
    for (int j = 0; j < dicht.columns; ++j) {
      // The dense elimination in powers of x is the less accurate of the two.
      EXPECT_NEAR(schnell(0, j), dicht(0, j), 1e-7 * std::max(1.0, std::abs(dicht(0, j))))
          << "k = " << k << ", unknown " << j;
    }
    Spline s(splineStuecke(schnell), X);
    erwarteNatuerlichenSpline(s, Y, 1e-9);
  }
}

TEST(Spline, VieleKnotenBleibenGlatt) {
  Punktliste l;
  for (int i = 0; i < 500; ++i) {
    lege(l, "P" + std::to_string(i), bedingung(i * 0.1, std::sin(i * 0.1)));
  }
  const SplineBau b = genSpline(l, 2);
  ASSERT_TRUE(b.ok);
  std::vector<double> Y;
  for (double x : b.s->zerlegung) Y.push_back(std::sin(x));
  erwarteNatuerlichenSpline(*b.s, Y, 1e-9);
}

TEST(Spline, RahmenEnthaeltDieXAchseUndDieExtrema) {
  const SplineBau b = genSpline(liste({{0, 2}, {1, 3}, {2, 2}}), 2);
  ASSERT_TRUE(b.ok);
  const Grenzen g = b.s->grenzen;
  EXPECT_DOUBLE_EQ(g.links, -0.1);
  EXPECT_DOUBLE_EQ(g.rechts, 2.1);
  EXPECT_LT(g.unten, 0.0);  // the range starts at 0 although the spline lies above the axis
  EXPECT_DOUBLE_EQ(g.unten, -0.15);
  EXPECT_DOUBLE_EQ(g.oben, 3.15);
  // A maximum inside a piece widens the range: (0,0), (1,1), (3,0) peaks right of x = 1.
  const SplineBau c = genSpline(liste({{0, 0}, {1, 1}, {3, 0}}), 2);
  double hoechst = 0;
  for (int i = 0; i <= 3000; ++i) {
    const double x = i / 1000.0;
    hoechst = std::max(hoechst, c.s->stuecke[x < 1 ? 0 : 1].wert(x));
  }
  EXPECT_GT(hoechst, 1.0);
  EXPECT_NEAR(c.s->grenzen.oben, hoechst + hoechst / 20, 1e-6);
}

TEST(SplineText, ListeUndKomponenten) {
  Objektlisten l;
  const SplineBau b = genSpline(liste({{0, 0}, {1, 1}, {2, 0}}), 2);
  b.s->name = "s";
  l.speichereSpline("s", b.s);
  auto versteckt = std::make_shared<Spline>(*b.s);
  versteckt->sichtbar = false;
  versteckt->color = Farbe::rot;
  l.speichereSpline("a", versteckt);
  auto gruen = std::make_shared<Spline>(*b.s);
  gruen->color = Farbe::gruen;
  l.speichereSpline("g", gruen);
  EXPECT_EQ(
      gesamtSplineliste(l),
      "Liste der gespeicherten Spline-Funktionen \n\na (unsichtbar) \ng (grün) \ns (schwarz) \n\n");
  EXPECT_EQ(splineKomponentenAnzeigen(l, "s", 2),
            "Beschreibung der Komponenten der Splinefunktion s \n\n"
            "[0.0, 1.0]: y = 1.5x - 0.5x^3\n"
            "[1.0, 2.0]: y =  -1  + 4.5x - 3.0x^2 + 0.5x^3\n");
  EXPECT_EQ(splineKomponentenAnzeigen(l, "q", 2),
            "Dieser Fall müsste vorher abgefangen werden. Schwerer Fehler!!");
}

}  // namespace
}  // namespace quarvel
