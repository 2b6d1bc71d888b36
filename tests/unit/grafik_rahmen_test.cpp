#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/kritischestellen.h"
#include "graph/grafikzustand.h"
#include "graph/mausrad.h"
#include "graph/rahmen.h"

namespace quarvel {
namespace {

TEST(Abbildung, UrsprungDesStartrahmensLiegtBei330_311) {
  Grafikzustand g;
  EXPECT_EQ(bildPunkt(g, 0, 0), (Bildpunkt{330, 311}));
  EXPECT_EQ(bildPunkt(g, -4, -4), (Bildpunkt{20, 52}));
  EXPECT_EQ(bildPunkt(g, 4, 4), (Bildpunkt{640, 570}));
  EXPECT_EQ(originalXw(g, 330), 0.0);
  EXPECT_EQ(g.tempX, 0.0) << "the inverse remembers the position";
  EXPECT_EQ(originalY(g, 311), "0.0");
  EXPECT_EQ(g.tempY, 0.0);
}

TEST(Abbildung, InverseGibtDenWeltpunktZurueck) {
  Grafikzustand g;
  setzeRahmen(g, -13.5, 2.25, 100, 1e4);
  for (const auto& [x, y] :
       std::vector<std::pair<double, double>>{{-13.5, 100}, {0, 0}, {1.7, 5e3}}) {
    const Bildpunkt p = bildPunkt(g, x, y);
    EXPECT_NEAR(originalXw(g, p.x), x, 1e-9);
    EXPECT_NEAR(originalYw(g, p.y), y, 1e-9);
  }
}

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

struct SkalaFall {
  const char* name;
  double von, bis;
  std::vector<double> erwartet;
};

std::vector<double> folge(double start, double schritt, int anzahl) {
  std::vector<double> v;
  for (int i = 0; i < anzahl; ++i) v.push_back(std::round((start + i * schritt) * 10) / 10);
  return v;
}

class Skala : public testing::TestWithParam<SkalaFall> {};

TEST_P(Skala, Ticks) {
  const SkalaFall& f = GetParam();
  EXPECT_EQ(skalaErzeugen(f.von, f.bis), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, Skala,
    testing::Values(
        // Span 8: step 0.5 from the integer part of -4.5, n = 16, so 18 ticks.
        SkalaFall{"StartrahmenHalbeSchritte", -4, 4, folge(-4.5, 0.5, 18)},
        SkalaFall{"BreiteEinsOhneTicks", 0, 1, {}},
        // Span 1.5: step 0.1 from the integer part of -0.1 (0), so the first tick is -0.1.
        SkalaFall{"ZehntelAbMinusNullKommaEins", 0, 1.5, folge(-0.1, 0.1, 17)},
        // Span 310: step 20 from the integer part of -10, n = 15.
        SkalaFall{"ZwanzigerAbMinusZehn", -10, 300, folge(-30, 20, 17)},
        SkalaFall{"LeeresIntervall", 3, 3, {}}, SkalaFall{"UmgekehrtesIntervall", 3, -3, {}},
        SkalaFall{"NichtEndlich", -INFINITY, 4, {}}),
    [](const auto& fall) { return std::string(fall.param.name); });

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
      EXPECT_NEAR(originalXw(g, (f.links + f.rechts) / 2), (r.links + r.rechts) / 2,
                  1e-9 * r.rechts);
      const auto abstand = [](const std::vector<double>& t, double pixelJeEinheit) {
        return t.size() < 2 ? INFINITY : (t[1] - t[0]) * pixelJeEinheit;
      };
      EXPECT_GE(abstand(xSkala(g), (f.rechts - f.links) / (r.rechts - r.links)), 25) << a.breite;
      EXPECT_GE(abstand(ySkala(g), (f.oben - f.unten) / (r.oben - r.unten)), 25) << a.hoehe;
    }
  }
  Grafikzustand g;
  EXPECT_EQ(xSkala(g), skalaErzeugen(-4, 4)) << "the default view keeps the table's steps";
  EXPECT_FALSE(setzeAnsichtsgroesse(g, 99.5, 500));
  EXPECT_FALSE(setzeAnsichtsgroesse(g, 500, 8000.5));
  EXPECT_EQ(g.ansicht, Ansichtsgroesse{});
}

TEST(Skala, RiesigesIntervallBleibtBeschraenkt) {
  const auto ticks = skalaErzeugen(-1e12, 1e12);
  EXPECT_LE(ticks.size(), maxSkalaPunkte);
  EXPECT_GE(ticks.size(), 10u);
  EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end()));
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
  Grafikzustand g;
  setzeRahmen(g, -1, 1, 3.5, -2.5);  // integer part of yunten above that of yoben
  EXPECT_TRUE(gitternetz(g).empty());
  setzeRahmen(g, 2, 1, 0, 1);
  EXPECT_TRUE(gitternetz(g).empty());
  setzeRahmen(g, -1e6, 1e6, -1e6, 1e6);  // 4e12 integer points
  EXPECT_TRUE(gitternetz(g).empty());
  setzeRahmen(g, 1e17, 1e17 + 64, 0, 1);  // where adding 1 to a double changes nothing
  EXPECT_LE(gitternetz(g).size(), maxGitterpunkte);
}

TEST(Rechteckwahl, TitelMitZahltexten) {
  Grafikzustand g;
  EXPECT_EQ(g.wahl.rechteckTitel, ".. als Rechteck [-2.0, 2.0] x [-2.0, 2.0] ");
  setzeXYRahmen(g, -1.5, 3, 0.25, 10);
  EXPECT_EQ(g.wahl.rechteckTitel, ".. als Rechteck [-1.5, 3.0] x [0.25, 10.0] ");
  EXPECT_EQ(g.xyRahmen, (Grenzen{-1.5, 3, 0.25, 10}));
}

struct PunktrahmenFall {
  const char* name;
  std::vector<Punkt> punkte;
  Grenzen erwartet;
};

class Punktrahmen : public testing::TestWithParam<PunktrahmenFall> {};

TEST_P(Punktrahmen, NeuP) {
  Objektlisten listen;
  int i = 0;
  for (const Punkt& p : GetParam().punkte)
    listen.speicherePunkt("P" + std::to_string(i++), teile(p));
  Grafikzustand g;
  g.neuG = false;
  neuP(g, listen);
  EXPECT_EQ(g.pRahmen, GetParam().erwartet);
  EXPECT_TRUE(g.neuG);
}

Punkt inaktiv(Punkt p) {
  p.aktiv = false;
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, Punktrahmen,
    testing::Values(PunktrahmenFall{"EinPunktMitUrsprung", {{3, 5, 0, 0}}, {0, 3, 0, 5}},
                    PunktrahmenFall{"NurUrsprungWirdVerbreitert", {{0, 0, 0, 0}}, {0, 1, 0, 1}},
                    PunktrahmenFall{"KeinePunkte", {}, {0, 1, 0, 1}},
                    PunktrahmenFall{"InaktiveZaehlenNicht",
                                    {{-2, -1, 0, 0}, inaktiv({9, 9, 0, 0})},
                                    {-2, 0, -1, 0}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Funktionsrahmen, FunktionOhneAusdehnungBekommtFrische) {
  // Quotients and antiderivatives are stored without extents; in the named mode the
  // frame must still have an extent.
  Objektlisten listen;
  auto q = teile(Polynom{0, 1});
  listen.speichereFunktion("q", q);
  Grafikzustand g;
  g.grafikDim = GrafikDimension::nominal;
  g.letzterFname = "q";
  neuF(g, listen, Polynom{1}, 2);
  EXPECT_TRUE(istBrauchbarerRahmen(g.fuRahmen));
  EXPECT_EQ(g.fuRahmen, polyDatenX(*q, 2));
}

TEST(Funktionsrahmen, UnbekannterNameNimmtAlleFunktionen) {
  Objektlisten listen;
  Grafikzustand g;
  g.grafikDim = GrafikDimension::nominal;
  g.letzterFname = "zz";
  neuF(g, listen, Polynom{1}, 2);
  EXPECT_EQ(g.fuRahmen, allFuGrenzen(listen, 2));
}

TEST(KlarSchiff, UebernimmtKeinenRahmenOhneAusdehnung) {
  Grafikzustand g;
  g.fuRahmen = {0, 0, 0, 0};  // nothing visible
  klarSchiff(g);
  EXPECT_EQ(gezeigterRahmen(g), (Grenzen{-4, 4, -4, 4}));
  EXPECT_FALSE(g.neuG);
  g.fensterTyp = FensterW::rechteckig;
  g.neuG = true;
  klarSchiff(g);
  EXPECT_EQ(gezeigterRahmen(g), g.xyRahmen);
}

}  // namespace
}  // namespace quarvel
