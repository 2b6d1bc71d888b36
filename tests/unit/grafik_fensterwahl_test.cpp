#include <gtest/gtest.h>

#include "app/befehle.h"
#include "app/fensterwahl.h"
#include "app/listenpflege.h"
#include "graph/rahmen.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

// The choices of the graph frame are checked end to end (grafik_fenster, grafik_fehler,
// grafik_ohneausdehnung); here stand the cases no script shows.

struct Fensterwahlbefehle : testing::Test {
  void befehl(const std::string& name, const Argumente& argumente = {}) {
    ASSERT_TRUE(fuehreAus(s.z, name, argumente)) << name;
  }
  Grenzen rahmen() const { return gezeigterRahmen(s.z.grafik); }
  TestSitzung s;
};

TEST_F(Fensterwahlbefehle, GespeicherteFunktionWirdZiel) {
  auto f = teile(Polynom{0, 0, 1});
  fuEinlisten(s.z, "f", f);
  s.z.felder.name = "f";
  befehl("funktionalWahlB");
  EXPECT_TRUE(s.ui.fragen.empty());
  EXPECT_EQ(s.z.grafTarget, f);
  EXPECT_TRUE(s.z.grafik.wahl.funktionalB);
  EXPECT_FALSE(s.z.grafik.wahl.aktuellB);
  EXPECT_EQ(s.z.grafik.fuRahmen, f->grenzen);
}

TEST_F(Fensterwahlbefehle, UnbrauchbareFelderMelden) {
  for (const auto& [x, y] : std::vector<std::pair<std::string, std::string>>{
           {"3, 1", "0, 1"}, {"1, 3", ""}, {"a, b", "0, 1"}, {"1, 1", "0, 1"}}) {
    s.z.felder.x = x;
    s.z.felder.y = y;
    befehl("fRahmenWahlB");
    EXPECT_EQ(s.z.felder.ausgabe,
              "Die eingegebenen Werte in den Feldern x und y sind nicht verwertbar\n \n");
    EXPECT_EQ(s.z.grafik.xyRahmen, (Grenzen{-2, 2, -2, 2}));
  }
}

TEST_F(Fensterwahlbefehle, SchalterUndBeschriftungspfeile) {
  befehl("rasterAendern");
  befehl("achsenZeigen");
  befehl("xSkalaAendern");
  befehl("ySkalaAendern");
  const Grafikzustand& g = s.z.grafik;
  EXPECT_TRUE(g.gitterpunkteSichtbar);
  EXPECT_FALSE(g.koordinatensystemSichtbar || g.xSkalapunkteSichtbar || g.ySkalapunkteSichtbar);
  EXPECT_GE(s.ui.neuZeichnenAnforderungen, 4);

  pktEinlisten(s.z, "P", teile(Punkt{0, 0, 0, 0}));
  s.z.grafik.traeger = "P";
  for (const char* b :
       {"punktLinksB", "punktLinksB", "punktHochB", "punktRechtsB", "punktTiefB", "punktTiefB"})
    befehl(b);
  EXPECT_EQ(s.z.listen.pktListe.at("P")->pos, (LabelVersatz{-2, -2}));
}

}  // namespace
}  // namespace quarvel
