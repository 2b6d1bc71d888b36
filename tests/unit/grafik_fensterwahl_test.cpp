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

TEST_F(Fensterwahlbefehle, FunktionOhneAusdehnungGibtSinnvollesBild) {
  // A quotient is stored without extents; choosing it must not blank the view.
  s.z.listen.speichereFunktion("q", teile(Polynom{1, 1}));
  s.z.felder.name = "q";
  befehl("funktionalWahlB");
  befehl("scrollWheel", {"0", "-1"});
  EXPECT_TRUE(istBrauchbarerRahmen(rahmen()));
}

TEST_F(Fensterwahlbefehle, AlleFunktionenBeiLeererListe) {
  befehl("allfunktionalWahlB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Die Funktionsliste ist leer. ");
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
  EXPECT_TRUE(s.z.grafik.wahl.allfunktionalB) << "the choice stays";
  EXPECT_FALSE(s.z.grafik.wahl.aktuellB);
  // Nothing visible gives no extent: the wheel keeps the frame (zoomed) instead.
  befehl("scrollWheel", {"0", "-1"});
  EXPECT_EQ(rahmen(), (Grenzen{-3.9, 3.9, -3.9, 3.9}));
}

TEST_F(Fensterwahlbefehle, RechteckAusFeldern) {
  s.z.felder.x = "1, 3";
  s.z.felder.y = "-2;5";
  befehl("fRahmenWahlB");
  EXPECT_EQ(s.z.grafik.wahl.rechteckTitel, ".. als Rechteck [1.0, 3.0] x [-2.0, 5.0] ");
  EXPECT_NE(rahmen(), (Grenzen{1, 3, -2, 5})) << "the view keeps its window until chosen";
  befehl("rechteckWahlB");
  EXPECT_TRUE(s.z.grafik.wahl.rechteckGB);
  EXPECT_FALSE(s.z.grafik.wahl.nachFunktion);
  EXPECT_EQ(rahmen(), (Grenzen{1, 3, -2, 5})) << "shown at once";
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

TEST_F(Fensterwahlbefehle, NachPunktenVerlangtEinRechteck) {
  pktEinlisten(s.z, "A", teile(Punkt{1, 1, 0, 0}));
  pktEinlisten(s.z, "B", teile(Punkt{1, 4, 0, 0}));  // a vertical line
  befehl("nachPunktenWahlB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Für diese Anweisung müssen mindestens zwei Punkte eingetragen sein, die ein "
            "achsenparalleles Rechteck aufspannen.\n");
  EXPECT_FALSE(s.z.grafik.wahl.nachPunktenGB);
  EXPECT_TRUE(s.z.grafik.wahl.nachFunktion) << "a refused choice changes nothing";
  EXPECT_EQ(s.z.grafik.fensterTyp, FensterW::grafbedingt);
  const Grenzen vorher = rahmen();
  befehl("scrollWheel", {"0", "1", "alt", "cmd"});
  EXPECT_EQ(rahmen(), vorher) << "no frame is pending";

  pktEinlisten(s.z, "C", teile(Punkt{3, 2, 0, 0}));
  befehl("nachPunktenWahlB");
  EXPECT_TRUE(s.z.grafik.wahl.nachPunktenGB);
  EXPECT_FALSE(s.z.grafik.wahl.nachFunktion);
  EXPECT_EQ(rahmen(), (Grenzen{1, 3, 1, 4}));
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
  EXPECT_EQ(s.z.listen.pktListe().at("P")->pos, (LabelVersatz{-2, -2}));
}

TEST_F(Fensterwahlbefehle, EreignisseMitFalschenWortenWerdenAbgelehnt) {
  for (const Argumente& a : std::vector<Argumente>{{}, {"1"}, {"a", "1"}, {"0", "1", "shift"}}) {
    EXPECT_FALSE(fuehreAus(s.z, "scrollWheel", a));
  }
  EXPECT_FALSE(fuehreAus(s.z, "mouseDragged", {"1"}));
  EXPECT_FALSE(fuehreAus(s.z, "rightMouseDragged", {"x", "y"}));
  EXPECT_FALSE(fuehreAus(s.z, "mouseUp", {"1"}));
  EXPECT_FALSE(fuehreAus(s.z, "printB", {"bild.png"})) << "the test front end cannot paint";
  for (const Argumente& a : std::vector<Argumente>{
           {"99", "500"}, {"500", "8001"}, {"0", "0"}, {"nan", "500"}, {"800"}, {"a", "500"}}) {
    EXPECT_FALSE(fuehreAus(s.z, "grafikGroesse", a)) << a.size();
  }
  EXPECT_EQ(s.z.grafik.ansicht, (Ansichtsgroesse{650, 580}));
  EXPECT_EQ(rahmen(), (Grenzen{-4, 4, -4, 4}));
  befehl("grafikGroesse", {"8000", "100"});
  EXPECT_EQ(s.z.grafik.ansicht, (Ansichtsgroesse{8000, 100}));
  EXPECT_EQ(rahmen(), (Grenzen{-4, 4, -4, 4})) << "the frame stays when the view is resized";
}

TEST_F(Fensterwahlbefehle, UndoEinesVerschobenenPunktesBerechnetRahmenNeu) {
  pktEinlisten(s.z, "P", teile(Punkt{1, 1, 0, 0}));
  befehl("rightMouseDown");
  befehl("rightMouseDragged", {"407.5", "375"});  // (1, 1) on the start frame
  befehl("rightMouseUp");
  befehl("mouseDragged", {"485", "505.25"});  // (2, 3)
  befehl("mouseUp");
  EXPECT_EQ(s.z.listen.pktListe().at("P")->ko[1], 3);
  s.z.grafik.neuG = false;
  befehl("punktSetzen");
  EXPECT_EQ(s.z.listen.pktListe().at("P")->ko[1], 1);
  EXPECT_TRUE(s.z.grafik.neuG);
}

}  // namespace
}  // namespace quarvel
