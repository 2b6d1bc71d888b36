#include "analysis/kritischestellen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/listenpflege.h"
#include "testoberflaeche.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

const Polynom startfunktion{-2, -2, 2};  // 2x² - 2x - 2
const double goldenerSchnitt = (1 + std::sqrt(5.0)) / 2;

using test::vierzehnNullstellen;

TEST(KritStellen, NullstellenVonPUndBeidenAbleitungenOhneDoppelte) {
  EXPECT_EQ(erzeugeKritStellenListe(Polynom{0, 0, 0, 1}, 2), std::vector<double>{0.0});
  const auto s = erzeugeKritStellenListe(startfunktion, 2);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_NEAR(s[0], 1 - goldenerSchnitt, 1e-15);
  EXPECT_EQ(s[1], 0.5);
  EXPECT_NEAR(s[2], goldenerSchnitt, 1e-15);
  EXPECT_TRUE(erzeugeKritStellenListe(Polynom{5}, 2).empty());
  EXPECT_EQ(erzeugeKritStellenListe(vierzehnNullstellen(), 2).size(), 39u);
}

// The extents of the start-up function and of x³ are compared bit for bit end to end
// (grafik_funktionen).
TEST(PolyDatenX, OhneAusdehnungWirdAufMinusEinsBisEinsGeweitet) {
  EXPECT_EQ(polyDatenX(Polynom{5}, 2), (Grenzen{-1.0078125, 1.0078125, 0.0, 5.0}));
  EXPECT_EQ(polyDatenX(Polynom{0}, 2), (Grenzen{-1.0078125, 1.0078125, -0.2, 0.2}));
}

TEST(ExtremaImIntervall, EndenUndInnereStationaerePunkte) {
  const Polynom quadrat{0, 0, 1};
  EXPECT_EQ(extremaImIntervall(quadrat, -1, 2, 2), (Wertebereich{0.0, 4.0}));
  EXPECT_EQ(extremaImIntervall(quadrat, 1, 2, 2), (Wertebereich{1.0, 4.0}))
      << "the stationary point 0 lies outside";
  EXPECT_EQ(extremaImIntervall(quadrat, 0, 2, 2), (Wertebereich{0.0, 4.0}))
      << "an end on the stationary point counts as an end";
}

// Invisible functions are left out end to end (grafik_funktionen).
TEST(AllFuGrenzen, UmfasstAlleSichtbarenFunktionenUndSplines) {
  Objektlisten listen;
  EXPECT_EQ(allFuGrenzen(listen, 2), Grenzen{});

  auto kubik = teile(Polynom{0, 0, 0, 1});
  kubik->grenzen = {-100, 100, -100, 100};  // stale: functions are measured afresh
  listen.speichereFunktion("f", kubik);
  EXPECT_EQ(allFuGrenzen(listen, 2), polyDatenX(*kubik, 2));

  auto spline = std::make_shared<Spline>();
  spline->grenzen = {-5, 0.5, -0.5, 7};
  listen.speichereSpline("s", spline);
  const Grenzen k = polyDatenX(*kubik, 2);
  EXPECT_EQ(allFuGrenzen(listen, 2), (Grenzen{-5, k.rechts, k.unten, 7}));
  spline->sichtbar = false;
  EXPECT_EQ(allFuGrenzen(listen, 2), k);
}

TEST(FuEinlisten, SpeichertKritischePunkte) {
  test::TestSitzung s;
  auto p = teile(Polynom{0, -1, 0, 1});
  fuEinlisten(s.z, "f", p);
  ASSERT_EQ(p->kritPunkte.size(), 5u);  // -1, -0.577…, 0, 0.577…, 1
  EXPECT_EQ(p->kritPunkte.front(), (KritPunkt{-1.0, 0.0}));
  EXPECT_EQ(p->kritPunkte[2], (KritPunkt{0.0, 0.0}));
  EXPECT_NEAR(p->kritPunkte[1].y, 2 / (3 * std::sqrt(3.0)), 1e-12);
}

}  // namespace
}  // namespace quarvel
