#include <gtest/gtest.h>

#include "app/befehle.h"
#include "app/fensterwahl.h"
#include "app/listenpflege.h"
#include "graph/rahmen.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

// The frames the choices give, their messages and the refused event words are checked end
// to end (grafik_fenster, grafik_funktionen, grafik_fehler,
// grafik_groesse); here stand the ticks of the buttons and the cases no script shows.

struct Fensterwahlbefehle : testing::Test {
  void befehl(const std::string& name, const Argumente& argumente = {}) {
    ASSERT_TRUE(fuehreAus(s.z, name, argumente)) << name;
  }
  Grenzen rahmen() const { return gezeigterRahmen(s.z.grafik); }
  TestSitzung s;
  const Fensterwahl& wahl = s.z.grafik.wahl;
};

TEST_F(Fensterwahlbefehle, GezeigteWahlTraegtIhrHaekchen) {
  befehl("allfunktionalWahlB");
  EXPECT_TRUE(wahl.allfunktionalB) << "an empty list is reported, the choice stays";
  EXPECT_FALSE(wahl.aktuellB);
  auto f = teile(Polynom{0, 0, 1});
  fuEinlisten(s.z, "f", f);
  s.z.felder.name = "f";
  befehl("funktionalWahlB");
  EXPECT_EQ(s.z.grafTarget, f);
  EXPECT_TRUE(wahl.funktionalB);
  EXPECT_FALSE(wahl.allfunktionalB);
}

TEST_F(Fensterwahlbefehle, RechteckErstMitDerWahlGezeigt) {
  s.z.felder.x = "1, 3";
  s.z.felder.y = "-2;5";
  befehl("fRahmenWahlB");
  EXPECT_NE(rahmen(), (Grenzen{1, 3, -2, 5})) << "the view keeps its window until chosen";
  befehl("rechteckWahlB");
  EXPECT_TRUE(wahl.rechteckGB);
  EXPECT_FALSE(wahl.nachFunktion);
}

TEST_F(Fensterwahlbefehle, UnbrauchbareFelderMelden) {
  for (const auto& [x, y] : std::vector<std::pair<std::string, std::string>>{
           {"1, 3", ""}, {"a, b", "0, 1"}, {"1, 1", "0, 1"}}) {
    SCOPED_TRACE(x + " / " + y);
    s.z.felder.x = x;
    s.z.felder.y = y;
    befehl("fRahmenWahlB");
    EXPECT_EQ(s.z.felder.ausgabe,
              "Die eingegebenen Werte in den Feldern x und y sind nicht verwertbar\n \n");
    EXPECT_EQ(s.z.grafik.xyRahmen, (Grenzen{-2, 2, -2, 2}));
  }
}

TEST_F(Fensterwahlbefehle, PunkteAufEinerLinieGebenKeinRechteck) {
  pktEinlisten(s.z, "A", teile(Punkt{1, 1, 0, 0}));
  pktEinlisten(s.z, "B", teile(Punkt{1, 4, 0, 0}));
  befehl("nachPunktenWahlB");
  EXPECT_FALSE(wahl.nachPunktenGB);
  EXPECT_TRUE(wahl.nachFunktion) << "a refused choice changes nothing";
  EXPECT_EQ(s.z.grafik.fensterTyp, FensterW::grafbedingt);
  const Grenzen vorher = rahmen();
  befehl("scrollWheel", {"0", "1", "alt", "cmd"});
  EXPECT_EQ(rahmen(), vorher) << "no frame is pending";

  pktEinlisten(s.z, "C", teile(Punkt{3, 2, 0, 0}));
  befehl("nachPunktenWahlB");
  EXPECT_TRUE(wahl.nachPunktenGB);
  EXPECT_FALSE(wahl.nachFunktion);
  EXPECT_EQ(rahmen(), (Grenzen{1, 3, 1, 4})) << "shown at once";
  s.z.listen.pktListe().at("A")->aktiv = false;
  befehl("nachPunktenWahlB");
  EXPECT_EQ(rahmen(), (Grenzen{1, 3, 2, 4})) << "an inactive point does not count";
}

TEST_F(Fensterwahlbefehle, SchalterUndBeschriftungspfeile) {
  for (const char* b :
       {"rasterAendern", "achsenZeigen", "xSkalaAendern", "ySkalaAendern", "funktionsnamenAendern"})
    befehl(b);
  const Grafikzustand& g = s.z.grafik;
  EXPECT_TRUE(g.gitterpunkteSichtbar);
  EXPECT_FALSE(g.koordinatensystemSichtbar || g.xSkalapunkteSichtbar || g.ySkalapunkteSichtbar ||
               g.funktionsnamenZeigen);
  EXPECT_GE(s.ui.neuZeichnenAnforderungen, 5);

  pktEinlisten(s.z, "P", teile(Punkt{0, 0, 0, 0}));
  const auto pfeile = [this](const std::string& traeger) {
    s.z.grafik.traeger = traeger;
    for (const char* b :
         {"punktLinksB", "punktLinksB", "punktHochB", "punktRechtsB", "punktTiefB", "punktTiefB"})
      befehl(b);
  };
  pfeile("P");
  pfeile("?");  // no point carries the label
  EXPECT_EQ(s.z.listen.pktListe().at("P")->pos, (LabelVersatz{-2, -2}));
}

TEST_F(Fensterwahlbefehle, EreignisseMitFalschenWortenWerdenAbgelehnt) {
  EXPECT_FALSE(fuehreAus(s.z, "scrollWheel", {"a", "1"}));
  EXPECT_FALSE(fuehreAus(s.z, "mouseUp", {"1"}));
  EXPECT_FALSE(fuehreAus(s.z, "grafikGroesse", {"nan", "500"}));
  befehl("grafikGroesse", {"8000", "100"});
  EXPECT_EQ(s.z.grafik.ansicht, (Ansichtsgroesse{8000, 100})) << "both limits are allowed";
}

TEST_F(Fensterwahlbefehle, UndoEinesVerschobenenPunktesBerechnetRahmenNeu) {
  pktEinlisten(s.z, "P", teile(Punkt{1, 1, 0, 0}));
  befehl("rightMouseDown");
  befehl("rightMouseDragged", {"407.5", "375"});  // (1, 1) on the start frame
  befehl("rightMouseUp");
  befehl("mouseDragged", {"485", "505.25"});  // (2, 3)
  befehl("mouseUp");
  s.z.grafik.neuG = false;
  befehl("punktSetzen");
  EXPECT_TRUE(s.z.grafik.neuG) << "undone: the frame of the points follows";
}

}  // namespace
}  // namespace quarvel
