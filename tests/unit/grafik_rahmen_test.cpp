#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graph/grafikzustand.h"
#include "graph/mausrad.h"
#include "graph/rahmen.h"
#include "model/toleranz.h"

namespace quarvel {
namespace {

// The start frame, the mouse positions on it, the frames the choices and the wheel give
// and the legend are checked end to end (grafik_maus, grafik_rad, grafik_fenster,
// grafik_funktionen, grafik_groesse); here stand the mapping at
// other sizes, the scales, the grid and the frames a script cannot set up.

TEST(Abbildung, RahmenOhneHoeheErreichtDieAbbildungNie) {
  // Repeated zooming once could leave a frame of zero or negative height.
  Grafikzustand g;
  for (const Grenzen& r : {Grenzen{-1, 1, 2, 2}, Grenzen{-1, 1, 3, -3}, Grenzen{5, 5, 0, 1},
                           Grenzen{0, 1, -INFINITY, INFINITY}, Grenzen{NAN, 1, 0, 1}}) {
    setzeRahmen(g, r.links, r.rechts, r.unten, r.oben);
    const Bildpunkt p = bildPunkt(g, 0.5, 1);
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    EXPECT_TRUE(istBrauchbarerRahmen(abbildungsRahmen(g)));
    EXPECT_TRUE(std::isfinite(originalYw(g, 300)));
  }
}

// At every view size the frame fills the plotting area, the mapping inverts, and the
// ticks keep a readable distance on the screen.
TEST(Ansichtsgroesse, AbbildungUndSkalenFolgenDerGroesse) {
  for (const Ansichtsgroesse a : {Ansichtsgroesse{650, 580}, Ansichtsgroesse{100, 100},
                                  Ansichtsgroesse{1600, 1000}, Ansichtsgroesse{8000, 300}}) {
    for (const Grenzen& r :
         {Grenzen{-4, 4, -4, 4}, Grenzen{-1.5, 0.25, 10, 12.5}, Grenzen{-30, 20, -50, 100}}) {
      Grafikzustand g;
      ASSERT_TRUE(setzeAnsichtsgroesse(g, a.breite, a.hoehe));
      setzeRahmen(g, r.links, r.rechts, r.unten, r.oben);
      const Rechteck f = zeichenflaeche(a);
      EXPECT_EQ(f, (Rechteck{20, a.breite - 10, 52, a.hoehe - 10}));
      EXPECT_EQ(bildPunkt(g, r.links, r.unten), (Bildpunkt{f.links, f.unten}));
      const Bildpunkt ro = bildPunkt(g, r.rechts, r.oben);
      EXPECT_NEAR(ro.x, f.rechts, 1e-9);
      EXPECT_NEAR(ro.y, f.oben, 1e-9);
      EXPECT_NEAR(originalXw(g, (f.links + f.rechts) / 2), (r.links + r.rechts) / 2, 1e-9);
      EXPECT_NEAR(originalYw(g, (f.unten + f.oben) / 2), (r.unten + r.oben) / 2, 1e-9);
      const auto abstand = [](const std::vector<double>& t, double pixelJeEinheit) {
        return t.size() < 2 ? INFINITY : (t[1] - t[0]) * pixelJeEinheit;
      };
      EXPECT_GE(abstand(xSkala(g), (f.rechts - f.links) / (r.rechts - r.links)), 25) << a.breite;
      EXPECT_GE(abstand(ySkala(g), (f.oben - f.unten) / (r.oben - r.unten)), 25) << a.hoehe;
    }
  }
  EXPECT_EQ(xSkala(Grafikzustand{}), skalaErzeugen(-4, 4)) << "the default view keeps the steps";
}

std::vector<double> folge(double start, double schritt, int anzahl) {
  std::vector<double> v;
  for (int i = 0; i < anzahl; ++i) v.push_back(std::round((start + i * schritt) * 10) / 10);
  return v;
}

TEST(Skala, TicksNachDerBreite) {
  const struct {
    double von, bis;
    std::vector<double> erwartet;
  } faelle[] = {
      {-4, 4, folge(-4.5, 0.5, 18)},   // span 8: step 0.5 from the integer part of -4.5
      {0, 1.5, folge(-0.1, 0.1, 17)},  // span 1.5: step 0.1, the first tick is -0.1
      {-10, 300, folge(-30, 20, 17)},  // span 310: step 20 from the integer part of -10
      {0, 1, {}},                      // width 1: no ticks
      {3, 3, {}},
      {3, -3, {}},
      {-INFINITY, 4, {}},
  };
  for (const auto& fall : faelle)
    EXPECT_EQ(skalaErzeugen(fall.von, fall.bis), fall.erwartet) << fall.von << " … " << fall.bis;
  const auto riesig = skalaErzeugen(-1e12, 1e12);
  EXPECT_LE(riesig.size(), maxSkalaPunkte);
  EXPECT_GE(riesig.size(), 10u);
  EXPECT_TRUE(std::is_sorted(riesig.begin(), riesig.end()));
}

TEST(Gitter, GanzzahligePunkteXAussenYInnen) {
  Grafikzustand g;
  const auto netz = gitternetz(g);
  ASSERT_EQ(netz.size(), 81u);
  EXPECT_EQ(netz.front(), std::make_pair(-4.0, -4.0));
  EXPECT_EQ(netz[1], std::make_pair(-4.0, -3.0));
  EXPECT_EQ(netz.back(), std::make_pair(4.0, 4.0));
}

TEST(Gitter, EntartetOderRiesigGibtKeinGitterUndHaengtNicht) {
  const struct {
    Grenzen rahmen;
    double hoechstens;
  } faelle[] = {
      {{-1, 1, 3.5, -2.5}, 0},  // integer part of yunten above that of yoben
      {{2, 1, 0, 1}, 0},
      {{-1e6, 1e6, -1e6, 1e6}, 0},                 // 4e12 integer points
      {{1e17, 1e17 + 64, 0, 1}, maxGitterpunkte},  // where adding 1 changes nothing
  };
  for (const auto& [r, hoechstens] : faelle) {
    Grafikzustand g;
    setzeRahmen(g, r.links, r.rechts, r.unten, r.oben);
    EXPECT_LE(gitternetz(g).size(), hoechstens) << r.links;
  }
}

TEST(Rechteckwahl, TitelMitZahltexten) {
  Grafikzustand g;
  EXPECT_EQ(g.wahl.rechteckTitel, ".. als Rechteck [-2.0, 2.0] x [-2.0, 2.0] ");
  setzeXYRahmen(g, -1.5, 3, 0.25, 10);
  EXPECT_EQ(g.wahl.rechteckTitel, ".. als Rechteck [-1.5, 3.0] x [0.25, 10.0] ");
}

Punkt inaktiv(Punkt p) {
  p.aktiv = false;
  return p;
}

// The widened frame of no active points is checked with the point commands.
TEST(Punktrahmen, AktivePunkteUndUrsprung) {
  const struct {
    std::vector<Punkt> punkte;
    Grenzen erwartet;
  } faelle[] = {
      {{{3, 5, 0, 0}}, {0, 3, 0, 5}},  // one point and the origin
      {{{-2, -1, 0, 0}, inaktiv({9, 9, 0, 0})}, {-2, 0, -1, 0}},
  };
  for (const auto& fall : faelle) {
    Objektlisten listen;
    for (const Punkt& p : fall.punkte)
      listen.speicherePunkt("P" + std::to_string(listen.pktListe().size()), teile(p));
    Grafikzustand g;
    g.neuG = false;
    neuP(g, listen);
    EXPECT_EQ(g.pRahmen, fall.erwartet) << fall.punkte.size() << " points";
    EXPECT_TRUE(g.neuG);
  }
}

TEST(Funktionsrahmen, UnbekannterNameNimmtAlleFunktionen) {
  Objektlisten listen;
  Grafikzustand g;
  g.grafikDim = GrafikDimension::nominal;
  g.letzterFname = "zz";
  neuF(g, listen, Polynom{1}, 2);
  EXPECT_EQ(g.fuRahmen, Grenzen{}) << "no function is visible: no extent";
}

Grafikzustand ruhig() {
  Grafikzustand g;
  g.neuG = false;  // no source frame pending
  return g;
}

TEST(Rad, GrenzfaelleDesZooms) {
  Grafikzustand g = ruhig();
  setzeRahmen(g, 0, 0.2, 0, 5);
  zoom(g, 0.1);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-3, 3, -3, 3}))
      << "zooming into a frame narrower than the step resets it";

  g = ruhig();
  setzeRahmen(g, -10, 10, -0.25, 0.25);
  for (int i = 0; i < 20; ++i) scrollWheel(g, 0, -1, {});
  EXPECT_GT(g.yoben - g.yunten, 0);
  EXPECT_DOUBLE_EQ(g.xrechts - g.xlinks, 16);
}

// A stretch or shift that would carry a limit beyond the usable range keeps the frame.
TEST(Rad, SchrittUeberDenZahlbereichBehaeltDenRahmen) {
  const double m = groessterRahmenBetrag;
  for (const Tasten tasten :
       {Tasten{false, false, true}, Tasten{false, true, false}, Tasten{true, false, false}}) {
    Grafikzustand g = ruhig();
    setzeRahmen(g, -m, m, -m, m);
    scrollWheel(g, 0, 1, tasten);
    EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-m, m, -m, m}));
  }
}

}  // namespace
}  // namespace quarvel
