#include <gtest/gtest.h>

#include <string>

#include "graph/mausrad.h"
#include "graph/rahmen.h"

namespace quarvel {
namespace {

// The start frame with no source frame pending.
Grafikzustand ruhig() {
  Grafikzustand g;
  g.neuG = false;
  return g;
}

void erwarteRahmen(const Grafikzustand& g, Grenzen r) {
  EXPECT_DOUBLE_EQ(g.xlinks, r.links);
  EXPECT_DOUBLE_EQ(g.xrechts, r.rechts);
  EXPECT_DOUBLE_EQ(g.yunten, r.unten);
  EXPECT_DOUBLE_EQ(g.yoben, r.oben);
}

struct RadFall {
  const char* name;
  double dy;
  Tasten tasten;
  Grenzen erwartet;
};

class Rad : public testing::TestWithParam<RadFall> {};

TEST_P(Rad, EinSchrittAmStartrahmen) {
  Grafikzustand g = ruhig();
  scrollWheel(g, 0, GetParam().dy, GetParam().tasten);
  erwarteRahmen(g, GetParam().erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Tasten, Rad,
    testing::Values(
        // No modifier: a negative delta narrows by 0.1 on each side, any other widens.
        RadFall{"ZoomHinein", -1, {}, {-3.9, 3.9, -3.9, 3.9}},
        RadFall{"ZoomHinausBeiNull", 0, {}, {-4.1, 4.1, -4.1, 4.1}},
        RadFall{"ZoomHinaus", 3, {}, {-4.1, 4.1, -4.1, 4.1}},
        // Ctrl: a twentieth of the width, whatever the size of the delta.
        RadFall{"StrgLinks", -1000, {true, false, false}, {-4.4, 3.6, -4, 4}},
        RadFall{"StrgLinksWinzig", -0.001, {true, false, false}, {-4.4, 3.6, -4, 4}},
        RadFall{"StrgRechts", 2, {true, false, false}, {-3.6, 4.4, -4, 4}},
        RadFall{"StrgGehtVorAlt", 2, {true, true, true}, {-3.6, 4.4, -4, 4}},
        // Alt: a hundredth of the height.
        RadFall{"AltHoch", 1, {false, true, false}, {-4, 4, -3.92, 4.08}},
        RadFall{"AltRunter", -1, {false, true, false}, {-4, 4, -4.08, 3.92}},
        // Command (Shift): stretch or shrink by a hundredth of the height on each side.
        RadFall{"CmdDehnen", 1, {false, false, true}, {-4, 4, -4.08, 4.08}},
        RadFall{"CmdStauchen", -1, {false, false, true}, {-4, 4, -3.92, 3.92}},
        RadFall{"AltUndCmdNichts", -1, {false, true, true}, {-4, 4, -4, 4}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Rad, AusstehenderRahmenWirdAmEndeUebernommen) {
  Grafikzustand g;  // neuG is set at start
  g.fuRahmen = {-1, 2, -3, 4};
  scrollWheel(g, 0, -1, {});
  erwarteRahmen(g, {-1, 2, -3, 4});
  EXPECT_FALSE(g.neuG);
  // Alt and Command together change nothing but still settle the frame.
  g.neuG = true;
  g.fensterTyp = FensterW::rechteckig;
  scrollWheel(g, 0, 1, {false, true, true});
  erwarteRahmen(g, {-2, 2, -2, 2});
}

TEST(Rad, ZoomAufSchmalemRahmenSetztZurueck) {
  Grafikzustand g = ruhig();
  setzeRahmen(g, 0, 0.2, 0, 5);
  zoom(g, 0.1);
  erwarteRahmen(g, {-3, 3, -3, 3});
}

TEST(Rad, WiederholtesZoomenLaesstDieHoehePositiv) {
  Grafikzustand g = ruhig();
  setzeRahmen(g, -10, 10, -0.25, 0.25);
  for (int i = 0; i < 20; ++i) scrollWheel(g, 0, -1, {});
  EXPECT_GT(g.yoben - g.yunten, 0);
  EXPECT_DOUBLE_EQ(g.xrechts - g.xlinks, 16);
}

TEST(Rad, HorizontaleDeltasWerdenAufsummiert) {
  Grafikzustand g = ruhig();
  scrollWheel(g, 2, -1, {});
  scrollWheel(g, 3, 5, {});
  EXPECT_EQ(g.xValue, 5);
  EXPECT_EQ(g.yValue, 5);
}

}  // namespace
}  // namespace quarvel
