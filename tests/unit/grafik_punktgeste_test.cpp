#include <gtest/gtest.h>

#include "graph/punktgeste.h"
#include "graph/rahmen.h"

namespace quarvel {
namespace {

// Placing, selecting, moving and undoing are checked end to end (grafik_maus); here stand
// the details of the moved point, the pools and the states a script cannot reach.

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
    p.valid = {true, false, false};
    p.pos = {4, 4};
    p.name = "P";
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

TEST_F(Geste, RechtsWaehlenLinksVerschiebenUndZurueck) {
  waehle(1.2, 1.1);
  EXPECT_EQ(g.traeger, "P");
  EXPECT_EQ(g.geste.phase, Punktgeste::Phase::verschiebbar);
  listen.pktListe().at("P")->aktiv = false;
  ziehe(2, 3);

  // Only the place changes: conditions, their validity, activity and label stay.
  const Punkt& neu = punkt("P");
  EXPECT_EQ(neu.ko, (std::array<double, 4>{2, 3, 7, 8}));
  EXPECT_EQ(neu.valid, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(neu.pos, (LabelVersatz{4, 4}));
  EXPECT_FALSE(neu.aktiv);
  EXPECT_EQ(g.geste.phase, Punktgeste::Phase::ruhe);

  // Undo brings back the point as it was.
  EXPECT_TRUE(punktSetzen(g, listen)) << "a stored-back point asks for new frames";
  EXPECT_EQ(punkt("P").ko, (std::array<double, 4>{1, 1, 7, 8}));
  EXPECT_EQ(punkt("P").valid, (std::array<bool, 3>{true, false, false}));
  EXPECT_EQ(punkt("P").pos, (LabelVersatz{4, 4}));
  EXPECT_FALSE(punkt("P").aktiv);
  EXPECT_FALSE(listen.punktNamen().contains("P"));
  // Only one step: the next press places a new point instead.
  EXPECT_FALSE(punktSetzen(g, listen));
  EXPECT_EQ(listen.pktListe().size(), 2u);
}

TEST_F(Geste, NeueRechtsauswahlEntschaerftDieAlte) {
  waehle(1, 1);
  waehle(-3, -3);  // a miss after a hit must not leave the old selection armed
  ziehe(2, 2);
  EXPECT_EQ(punkt("P").ko[0], 1);
}

TEST_F(Geste, GeloeschterPunktWirdNichtVerschoben) {
  waehle(1, 1);
  listen.entfernePunkt("P");
  ziehe(2, 2);
  EXPECT_TRUE(listen.pktListe().empty());
  EXPECT_EQ(g.punktButton, "neu");
}

TEST_F(Geste, GetippterFreierNameVerlaesstDenPool) {
  // Else a later placement could take the same letter and overwrite this point.
  g.traeger = "Q";
  neuPunkt(g, listen);
  EXPECT_TRUE(listen.pktExistiert("Q"));
  EXPECT_FALSE(listen.punktNamen().contains("Q"));
  // Typing the same name again now takes a letter from the pool.
  g.geste.letzteAktion = Rueckgaengig::nichts;
  neuPunkt(g, listen);
  EXPECT_TRUE(listen.pktExistiert("A"));
  EXPECT_EQ(listen.pktListe().size(), 3u);
}

TEST_F(Geste, VergebenerNameNimmtPoolbuchstaben) {
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

TEST_F(Geste, BeschriftungVerschieben) {
  g.traeger = "P";
  buchstabenPos(g, listen, -2, 0);
  buchstabenPos(g, listen, 0, 2);
  EXPECT_EQ(punkt("P").pos, (LabelVersatz{2, 6}));
  g.traeger = "?";
  buchstabenPos(g, listen, 2, 0);
  EXPECT_EQ(punkt("P").pos, (LabelVersatz{2, 6}));
}

}  // namespace
}  // namespace quarvel
