#include <gtest/gtest.h>

#include "app/listenpflege.h"
#include "model/objektlisten.h"
#include "model/polynomtext.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

TEST(NamensBewertung, Funktionen) {
  Objektlisten l;
  EXPECT_EQ(l.namensBewertung("x1", ObjektTyp::f), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("ax", ObjektTyp::f), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("F", ObjektTyp::f), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("1f", ObjektTyp::f), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("", ObjektTyp::f), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("nP", ObjektTyp::f), NamensAttribut::reserviert);
  EXPECT_EQ(l.namensBewertung("eP", ObjektTyp::f), NamensAttribut::reserviert);
  EXPECT_EQ(l.namensBewertung("y", ObjektTyp::f), NamensAttribut::frei);
  EXPECT_EQ(l.namensBewertung("g1", ObjektTyp::f), NamensAttribut::frei);
  EXPECT_EQ(l.namensBewertung("akt", ObjektTyp::f), NamensAttribut::frei);
  l.fuListe["akt"] = teile(Polynom{1});
  EXPECT_EQ(l.namensBewertung("akt", ObjektTyp::f), NamensAttribut::belegt);
}

TEST(NamensBewertung, Punkte) {
  Objektlisten l;
  EXPECT_EQ(l.namensBewertung("P", ObjektTyp::p), NamensAttribut::frei);
  EXPECT_EQ(l.namensBewertung("p", ObjektTyp::p), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("", ObjektTyp::p), NamensAttribut::unerlaubt);
  EXPECT_EQ(l.namensBewertung("Ä", ObjektTyp::p), NamensAttribut::unerlaubt);
  l.pktListe["P"] = teile(Punkt{1, 2, 0, 0});
  EXPECT_EQ(l.namensBewertung("P", ObjektTyp::p), NamensAttribut::belegt);
}

TEST(Namenspools, StartUndErsterFreierName) {
  Objektlisten l;
  EXPECT_EQ(l.fuNamen.size(), 24u);
  EXPECT_FALSE(l.fuNamen.contains("x"));
  EXPECT_FALSE(l.fuNamen.contains("y"));
  EXPECT_EQ(l.punktNamen.size(), 26u);
  EXPECT_EQ(Objektlisten::nimmFreienNamen(l.fuNamen), "a");
  EXPECT_EQ(Objektlisten::nimmFreienNamen(l.fuNamen), "b");
  Namenspool leer;
  EXPECT_EQ(Objektlisten::nimmFreienNamen(leer), "");
  EXPECT_EQ(alphabet().size(), 25u);
  EXPECT_EQ(alphabet()[14], "P");  // O is left out
}

TEST(Listenpflege, FunktionenNehmenIhrenNamenAusDemPoolUndGebenIhnZurueck) {
  test::TestSitzung s;
  fuEinlisten(s.z, "g", teile(Polynom{1, 1}));
  EXPECT_FALSE(s.z.listen.fuNamen.contains("g"));
  EXPECT_EQ(s.z.listen.fuListe.at("g")->name, "g");
  EXPECT_TRUE(s.z.listen.fuListe.at("g")->sichtbar);
  fuAuslisten(s.z, "g");
  EXPECT_TRUE(s.z.listen.fuNamen.contains("g"));

  const Namenspool vorher = s.z.listen.fuNamen;
  fuEinlisten(s.z, "g2", teile(Polynom{1}));
  fuAuslisten(s.z, "g2");
  EXPECT_EQ(s.z.listen.fuNamen, vorher);
  fuAuslisten(s.z, "gibtsnicht");
  EXPECT_EQ(s.z.listen.fuNamen, vorher);
}

TEST(Listenpflege, EinlistenSetztSichtbarkeitUndErsetztGleichnamige) {
  test::TestSitzung s;
  auto p = teile(Polynom{0, 1});
  p->sichtbar = false;
  fuEinlisten(s.z, "f", p);
  EXPECT_TRUE(p->sichtbar);
  auto q = teile(Polynom{2});
  fuEinlisten(s.z, "f", q);
  EXPECT_EQ(s.z.listen.fuListe.at("f"), q);
  EXPECT_GT(s.ui.neuZeichnenAnforderungen, 0);
}

TEST(Listenpflege, PunktnamenKehrenInJederFormZurueck) {
  test::TestSitzung s;
  pktEinlisten(s.z, "P1", teile(Punkt{1, 2, 0, 0}));
  pktEinlisten(s.z, "Q", teile(Punkt{1, 2, 0, 0}));
  EXPECT_FALSE(s.z.listen.punktNamen.contains("Q"));
  pktAuslisten(s.z, "P1");
  EXPECT_TRUE(s.z.listen.punktNamen.contains("P1"));
  pktAuslisten(s.z, "Q");
  EXPECT_TRUE(s.z.listen.punktNamen.contains("Q"));
}

TEST(Punkt, AbstandUndAktivierung) {
  const Punkt o{0, 0, 7, 9};
  EXPECT_EQ(o.dist(Punkt{3, 4, 0, 0}), 5.0);
  EXPECT_EQ(o.dist(Punkt{1e-10, 0, 0, 0}), 0.0);

  Punktliste l;
  l["P1"] = teile(Punkt{1, 2, 0, 0});
  EXPECT_EQ(punktAktivieren(l, "Q"), "Punkt Q ist nicht bekannt.");
  EXPECT_EQ(punktDeaktivieren(l, "P1"), "P1 ist deaktiviert\n");
  EXPECT_FALSE(l["P1"]->aktiv);
  EXPECT_EQ(punktDeaktivieren(l, "P1"), "P1 ist deaktiviert\n");
  EXPECT_EQ(punktAktivieren(l, "P1"), "P1 ist aktiv\n");
  EXPECT_TRUE(l["P1"]->aktiv);
}

TEST(Punkt, KoordinatenpunktUndPunktmenge) {
  Punktliste l;
  auto p = teile(Punkt{1, 2, 0, 0});
  p->valid = {false, true, false};
  l["A"] = p;
  EXPECT_TRUE(istPunkt(l, "A"));
  EXPECT_FALSE(istkPunkt(l, "A"));
  p->valid[0] = true;
  EXPECT_TRUE(istkPunkt(l, "A"));

  Punktmenge m;
  m.einmengen(l, "A");
  m.einmengen(l, "B");
  EXPECT_EQ(m.pFeld(), std::vector<std::string>{"A"});
  m.ausmengen(l, "A");
  EXPECT_TRUE(m.elemente.empty());
}

TEST(Punkt, DemonstrationspunkteMitIhrenBedingungen) {
  const auto punkte = demonstrationsPunkte();
  ASSERT_EQ(punkte.size(), 6u);
  EXPECT_EQ(punkte[2].name, "P3");
  EXPECT_EQ(punkte[2].ko, (std::array<double, 4>{4, 7, 3, 0}));
  EXPECT_EQ(punkte[2].valid, (std::array<bool, 3>{true, true, false}));
  EXPECT_EQ(punkte[3].valid, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(punkte[5].ko[0], -3.0);
}

TEST(Listenberichte, FunktionslisteMitFarbeOderUnsichtbar) {
  Objektlisten l;
  auto f = teile(Polynom{1, 0, 1});
  f->name = "f";
  auto g = teile(Polynom{0, 1});
  g->sichtbar = false;
  auto h = teile(Polynom{2});
  h->color = Farbe::gruen;
  l.fuListe = {{"g", g}, {"f", f}, {"h", h}};
  EXPECT_EQ(gesamtFunktionsliste(l, 2),
            "Liste der mit Namen gespeicherten Funktionen \n\n"
            "f(x) =  1  + x^2 (schwarz) \n"
            "g(x) = x (unsichtbar) \n"
            "h(x) = 2.0 (grün) \n");
}

TEST(Listenberichte, GeloeschteFunktionen) {
  Objektlisten l;
  EXPECT_EQ(gelFuListe(l, Polynom{1}, 2), "");
  l.backupf = {"x", " 1  + x^2"};
  EXPECT_EQ(gelFuListe(l, Polynom{-2, -2, 2}, 2),
            "y = x \ny =  1  + x^2 \n\nDie aktuelle Funktion hat den Funktionsterm \n y =  - 2.0 - "
            "2.0x + 2.0x^2");
}

TEST(Listenberichte, PunktlisteDreiJeZeileUndGruppen) {
  Objektlisten l;
  EXPECT_EQ(gesamtPunktliste(l, 2),
            "Liste der gespeicherten Punkte \n\nKeine aktivierten Punkte\n\nKeine deaktivierten "
            "Punkte\n\n");
  for (const char* n : {"A", "B", "C", "D"}) {
    auto p = teile(Punkt{1, 2, 0, 0});
    p->valid = {true, false, false};
    l.pktListe[n] = p;
  }
  EXPECT_EQ(gesamtPunktliste(l, 2),
            "Liste der gespeicherten Punkte \n\nAktivierte Punkte:\n"
            "A(1.0, 2.0),   B(1.0, 2.0),   C(1.0, 2.0)\nD(1.0, 2.0),   \n\n"
            "Keine deaktivierten Punkte\n\n");
  l.pktListe["B"]->aktiv = false;
  l.pktListe["D"]->aktiv = false;
  EXPECT_EQ(gesamtPunktliste(l, 2),
            "Liste der gespeicherten Punkte \n\nAktivierte Punkte:\n"
            "A(1.0, 2.0),   C(1.0, 2.0),   \n\n"
            "\nDeaktivierte Punkte:\nB(1.0, 2.0),   D(1.0, 2.0),   ");
}

TEST(Farben, RohtexteUndKomponenten) {
  EXPECT_EQ(rohText(Farbe::gruen), "grün");
  // Brown is a dark orange: both share the hue, only the brightness tells them apart.
  const Rgb braun = farbwahl(Farbe::braun);
  const Rgb orange = farbwahl(Farbe::orange);
  EXPECT_NEAR(braun.rot * 255, 140, 15);
  EXPECT_NEAR(braun.gruen * 255, 80, 15);
  EXPECT_NEAR(braun.blau * 255, 20, 15);
  EXPECT_NEAR(orange.rot * 255, 255, 10);
  EXPECT_NEAR(orange.gruen * 255, 140, 15);
  EXPECT_NEAR(orange.blau * 255, 0, 10);
}

}  // namespace
}  // namespace quarvel
