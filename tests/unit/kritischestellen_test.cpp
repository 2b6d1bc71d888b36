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

// The roots of p, p' and p'' without duplicates, stored with their values when a function
// is entered.
TEST(KritStellen, NullstellenVonPUndBeidenAbleitungenOhneDoppelte) {
  test::TestSitzung s;
  auto p = teile(Polynom{-2, -2, 2});
  fuEinlisten(s.z, "f", p);
  const double goldenerSchnitt = (1 + std::sqrt(5.0)) / 2;
  ASSERT_EQ(p->kritPunkte.size(), 3u);
  EXPECT_NEAR(p->kritPunkte[0].x, 1 - goldenerSchnitt, 1e-15);
  EXPECT_EQ(p->kritPunkte[1], (KritPunkt{0.5, -2.5}));
  EXPECT_NEAR(p->kritPunkte[2].x, goldenerSchnitt, 1e-15);
  EXPECT_EQ(erzeugeKritStellenListe(Polynom{0, 0, 0, 1}, 2), std::vector<double>{0.0});
  EXPECT_TRUE(erzeugeKritStellenListe(Polynom{5}, 2).empty());
  EXPECT_EQ(erzeugeKritStellenListe(test::vierzehnNullstellen(), 2).size(), 39u);
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

}  // namespace
}  // namespace quarvel
