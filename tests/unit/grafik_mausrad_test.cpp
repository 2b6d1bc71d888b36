#include <gtest/gtest.h>

#include "graph/mausrad.h"
#include "graph/rahmen.h"
#include "model/toleranz.h"

namespace quarvel {
namespace {

// One step of each key is checked end to end (grafik_rad); here stand the frames a script
// cannot set up.

Grafikzustand ruhig() {
  Grafikzustand g;
  g.neuG = false;  // no source frame pending
  return g;
}

TEST(Rad, GrenzfaelleDesZooms) {
  Grafikzustand g = ruhig();
  setzeRahmen(g, 0, 0.2, 0, 5);
  zoom(g, 0.1);
  EXPECT_EQ((Grenzen{g.xlinks, g.xrechts, g.yunten, g.yoben}), (Grenzen{-3, 3, -3, 3}))
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
    EXPECT_EQ((Grenzen{g.xlinks, g.xrechts, g.yunten, g.yoben}), (Grenzen{-m, m, -m, m}));
  }
}

}  // namespace
}  // namespace quarvel
