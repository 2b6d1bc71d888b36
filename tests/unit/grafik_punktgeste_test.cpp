#include <gtest/gtest.h>

#include "graph/punktgeste.h"
#include "graph/rahmen.h"

namespace quarvel {
namespace {

// Placing, selecting, moving and undoing are checked end to end (grafik_maus, grafik_punkte:
// the pointer text, the carrier, the button and the moved point's conditions); here stand
// the label offset, the activity, the pools and the states a script cannot reach.

// On the start frame (-4 … 4) these view positions map exactly onto whole numbers.
const Rechteck flaeche = zeichenflaeche({});
double ansichtX(double x) {
  return flaeche.links + (flaeche.rechts - flaeche.links) / 8 * (x + 4);
}
double ansichtY(double y) {
  return flaeche.unten + (flaeche.oben - flaeche.unten) / 8 * (y + 4);
}

struct Geste : testing::Test {
  Geste() {
    Punkt p{1, 1, 7, 8};
    p.pos = {4, 4};
    listen.speicherePunkt("P", teile(p));
  }

  void waehle(double x, double y) {
    rightMouseDown(g);
    rightMouseDragged(g, listen, ansichtX(x), ansichtY(y));
    rightMouseUp(g, listen);
  }
  void ziehe(double x, double y) {
    mouseDragged(g, ansichtX(x), ansichtY(y));
    mouseUp(g, listen);
  }
  const Punkt& punkt(const std::string& name) { return *listen.pktListe().at(name); }

  Grafikzustand g;
  Objektlisten listen;
};

TEST_F(Geste, VerschiebenUndZurueckBehaltenBeschriftungUndAktivitaet) {
  listen.pktListe().at("P")->aktiv = false;
  waehle(1.2, 1.1);
  ziehe(2, 3);
  EXPECT_EQ(punkt("P").ko, (std::array<double, 4>{2, 3, 7, 8}));
  EXPECT_EQ(punkt("P").pos, (LabelVersatz{4, 4}));
  EXPECT_FALSE(punkt("P").aktiv);
  EXPECT_EQ(g.geste.phase, Punktgeste::Phase::ruhe);
  // Undo brings back the point as it was; it takes one step only.
  EXPECT_TRUE(punktSetzen(g, listen)) << "a stored-back point asks for new frames";
  EXPECT_EQ(punkt("P").pos, (LabelVersatz{4, 4}));
  EXPECT_FALSE(punkt("P").aktiv);
  EXPECT_FALSE(listen.punktNamen().contains("P"));
  EXPECT_FALSE(punktSetzen(g, listen));
  EXPECT_EQ(listen.pktListe().size(), 2u) << "the next press places a new point";
}

TEST_F(Geste, GeloeschterPunktWirdNichtVerschoben) {
  waehle(1, 1);
  listen.entfernePunkt("P");
  ziehe(2, 2);
  EXPECT_TRUE(listen.pktListe().empty());
  EXPECT_EQ(g.punktButton, "neu");
}

TEST_F(Geste, GetippterNameNurWennErFreiIst) {
  // A free name leaves the pool, else a later placement could take the same letter and
  // overwrite this point. A taken one gets a letter from the pool instead.
  g.traeger = "Q";
  neuPunkt(g, listen);
  EXPECT_TRUE(listen.pktExistiert("Q"));
  EXPECT_FALSE(listen.punktNamen().contains("Q"));
  g.traeger = "P";
  neuPunkt(g, listen);
  EXPECT_TRUE(listen.pktExistiert("A"));
  EXPECT_EQ(punkt("P").ko[0], 1);
}

TEST_F(Geste, LeererPoolAendertNichts) {
  for (const std::string& name : startPunktnamen()) listen.speicherePunkt(name, teile(Punkt{}));
  g.traeger = "?";
  neuPunkt(g, listen);
  EXPECT_EQ(listen.pktListe().size(), 26u);
  EXPECT_EQ(g.punktButton, "neu");
}

}  // namespace
}  // namespace quarvel
