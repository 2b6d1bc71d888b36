// The components and list texts of an ordinary spline, its refusals and the frame of one that
// touches the x-axis are compared by the konstruktion_spline and konstruktion_ablehnungen
// scripts; here: knots, pieces and frames against their definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "construction/splinebau.h"
#include "konstruktionshilfen.h"
#include "model/splinetext.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::punktliste;

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

TEST(Spline, KnotenUndStuecke) {
  struct Fall {
    const char* name;
    std::vector<Punkt> punkte;
    std::vector<double> zerlegung;
    std::vector<Polynom> stuecke;
  };
  const Fall faelle[] = {
      {"collinear points give one line",
       {bedingung(0, 1), bedingung(1, 3), bedingung(3, 7)},
       {0, 1, 3},
       {{1, 2}, {1, 2}}},
      {"the order of the points does not matter",
       {bedingung(2, 0), bedingung(0, 0), bedingung(1, 1)},
       {0, 1, 2},
       {{0, 1.5, 0, -0.5}, {-1, 4.5, -3, 0.5}}},
      {"of two points with the same x the later one counts",
       {bedingung(0, 0), bedingung(1, 1), bedingung(1, 2), bedingung(2, 0)},
       {0, 1, 2},
       {{0, 3, 0, -1}, {-2, 9, -6, 1}}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const SplineBau b = genSpline(punktliste(f.punkte), 2);
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.s->zerlegung, f.zerlegung);
    ASSERT_EQ(b.s->stuecke.size(), f.stuecke.size());
    for (std::size_t i = 0; i < f.stuecke.size(); ++i) {
      test::erwarteGleich(b.s->stuecke[i], f.stuecke[i], 1e-12);
    }
  }
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

// Random knots: the coefficient row solves the conditions that define a natural spline.
TEST(Spline, ZufaelligeKnotenErfuellenDieBedingungen) {
  std::mt19937 zufall(11);
  std::uniform_real_distribution<double> schritt(0.2, 2.0), wert(-5, 5);
  for (int k = 3; k <= 12; ++k) {
    SCOPED_TRACE(k);
    std::vector<double> X{-3.0}, Y{wert(zufall)};
    for (int i = 1; i < k; ++i) {
      X.push_back(X.back() + schritt(zufall));
      Y.push_back(wert(zufall));
    }
    Spline s(splineStuecke(genSplineKoeffizienten(X, Y)), X);
    erwarteNatuerlichenSpline(s, Y, 1e-9);
  }
}

TEST(Spline, VieleKnotenBleibenGlatt) {
  std::vector<Punkt> punkte;
  for (int i = 0; i < 500; ++i) punkte.push_back(bedingung(i * 0.1, std::sin(i * 0.1)));
  const SplineBau b = genSpline(punktliste(punkte), 2);
  ASSERT_TRUE(b.ok);
  std::vector<double> Y;
  for (double x : b.s->zerlegung) Y.push_back(std::sin(x));
  erwarteNatuerlichenSpline(*b.s, Y, 1e-9);
}

TEST(Spline, RahmenEnthaeltDieXAchseUndDieExtrema) {
  const SplineBau b = genSpline(punktliste({bedingung(0, 2), bedingung(1, 3), bedingung(2, 2)}), 2);
  ASSERT_TRUE(b.ok);
  // The range starts at 0 although the spline lies above the axis.
  EXPECT_DOUBLE_EQ(b.s->grenzen.unten, -0.15);
  EXPECT_DOUBLE_EQ(b.s->grenzen.oben, 3.15);
  // A maximum inside a piece widens the range: (0,0), (1,1), (3,0) peaks right of x = 1.
  const SplineBau c = genSpline(punktliste({bedingung(0, 0), bedingung(1, 1), bedingung(3, 0)}), 2);
  double hoechst = 0;
  for (int i = 0; i <= 3000; ++i) {
    const double x = i / 1000.0;
    hoechst = std::max(hoechst, c.s->stuecke[x < 1 ? 0 : 1].wert(x));
  }
  EXPECT_GT(hoechst, 1.0);
  EXPECT_NEAR(c.s->grenzen.oben, hoechst + hoechst / 20, 1e-6);
}

// The command checks the name first; the text function still answers an unknown one.
TEST(SplineText, UnbekannterName) {
  EXPECT_EQ(splineKomponentenAnzeigen(Objektlisten{}, "q", 2),
            "Dieser Fall müsste vorher abgefangen werden. Schwerer Fehler!!");
}

}  // namespace
}  // namespace quarvel
