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
  EXPECT_EQ(bildPunkt(g, -4, -4), (Bildpunkt{lux, luy}));
  EXPECT_EQ(bildPunkt(g, 4, 4), (Bildpunkt{rox, roy}));
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

TEST(Skala, RiesigesIntervallBleibtBeschraenkt) {
  const auto ticks = skalaErzeugen(-1e12, 1e12);
  EXPECT_LE(ticks.size(), maxSkalaPunkte);
  EXPECT_GE(ticks.size(), 10u);
  EXPECT_TRUE(std::is_sorted(ticks.begin(), ticks.end()));
}

TEST(Gitter, GanzzahligePunkteXAussenYInnen) {
  Grafikzustand g;
  aktualisiereGitternetz(g);
  ASSERT_EQ(g.gitternetz.size(), 81u);
  EXPECT_EQ(g.gitternetz.front(), std::make_pair(-4.0, -4.0));
  EXPECT_EQ(g.gitternetz[1], std::make_pair(-4.0, -3.0));
  EXPECT_EQ(g.gitternetz.back(), std::make_pair(4.0, 4.0));
}

TEST(Gitter, EntartetOderRiesigGibtKeinGitterUndHaengtNicht) {
  Grafikzustand g;
  setzeRahmen(g, -1, 1, 3.5, -2.5);  // integer part of yunten above that of yoben
  aktualisiereGitternetz(g);
  EXPECT_TRUE(g.gitternetz.empty());
  setzeRahmen(g, 2, 1, 0, 1);
  aktualisiereGitternetz(g);
  EXPECT_TRUE(g.gitternetz.empty());
  setzeRahmen(g, -1e6, 1e6, -1e6, 1e6);  // 4e12 integer points
  aktualisiereGitternetz(g);
  EXPECT_TRUE(g.gitternetz.empty());
  setzeRahmen(g, 1e17, 1e17 + 64, 0, 1);  // where adding 1 to a double changes nothing
  aktualisiereGitternetz(g);
  EXPECT_LE(g.gitternetz.size(), maxGitterpunkte);
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
  for (const Punkt& p : GetParam().punkte) listen.speicherePunkt("P" + std::to_string(i++), teile(p));
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
