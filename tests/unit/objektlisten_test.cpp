#include "model/objektlisten.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "app/listenpflege.h"
#include "model/polynomtext.h"
#include "model/punktbuchstaben.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

TEST(NamensBewertung, NachObjektart) {
  struct Fall {
    const char* name;
    ObjektTyp typ;
    NamensAttribut leer, belegt;  // in empty lists; with a function "g", "akt" and a point "P"
  };
  using enum NamensAttribut;
  const Fall faelle[] = {
      {"x1", ObjektTyp::f, unerlaubt, unerlaubt},
      {"ax", ObjektTyp::f, unerlaubt, unerlaubt},
      {"F", ObjektTyp::f, unerlaubt, unerlaubt},
      {"1f", ObjektTyp::f, unerlaubt, unerlaubt},
      {"", ObjektTyp::f, unerlaubt, unerlaubt},
      {"nP", ObjektTyp::f, reserviert, reserviert},
      {"eP", ObjektTyp::f, reserviert, reserviert},
      {"y", ObjektTyp::f, frei, frei},
      {"g1", ObjektTyp::f, frei, frei},
      {"akt", ObjektTyp::f, frei, belegt},
      {"g", ObjektTyp::f, frei, belegt},
      {"s", ObjektTyp::f, frei, belegt},
      {"P", ObjektTyp::p, frei, belegt},
      {"p", ObjektTyp::p, unerlaubt, unerlaubt},
      {"", ObjektTyp::p, unerlaubt, unerlaubt},
      {"Ä", ObjektTyp::p, unerlaubt, unerlaubt},
  };
  Objektlisten l;
  for (const Fall& f : faelle) EXPECT_EQ(l.namensBewertung(f.name, f.typ), f.leer) << f.name;
  l.speichereFunktion("akt", teile(Polynom{1}));
  l.speichereFunktion("g", teile(Polynom{1}));
  l.speichereSpline("s", std::make_shared<Spline>());  // splines share the function names
  l.speicherePunkt("P", teile(Punkt{1, 2, 0, 0}));
  for (const Fall& f : faelle) EXPECT_EQ(l.namensBewertung(f.name, f.typ), f.belegt) << f.name;
}

TEST(Namenspools, StartUndErsterFreierName) {
  Objektlisten l;
  EXPECT_EQ(l.fuNamen().size(), 24u);
  EXPECT_FALSE(l.fuNamen().contains("x") || l.fuNamen().contains("y"));
  EXPECT_EQ(l.punktNamen().size(), 26u);
  EXPECT_EQ(l.freierFunktionsname(), "a");
  EXPECT_EQ(l.freierFunktionsname(), "a") << "asking takes nothing";
  l.speichereFunktion("a", teile(Polynom{1}));
  EXPECT_EQ(l.freierFunktionsname(), "b");
  for (const std::string& name : startFunktionsnamen())
    l.speichereSpline(name, std::make_shared<Spline>());
  EXPECT_EQ(l.freierFunktionsname(), "");
}

TEST(Punktbuchstaben, OhneOUndMitIndexJeRunde) {
  const std::pair<std::size_t, const char*> faelle[] = {
      {0, "A"}, {13, "N"}, {14, "P"}, {24, "Z"}, {25, "A1"}, {38, "N1"}, {50, "A2"}};
  for (const auto& [k, buchstabe] : faelle) EXPECT_EQ(kritPunktBuchstabe(k), buchstabe) << k;
}

// What must hold after every change of the lists, stated independently of the class.
void pruefeInvariante(const Objektlisten& l, const std::map<std::string, int>& erwartet) {
  std::map<std::string, int> gespeichert;
  for (const auto& [name, p] : l.fuListe()) {
    gespeichert[name + "/f"] = 1;
    EXPECT_EQ(p->name, name);
    EXPECT_FALSE(l.fuNamen().contains(name)) << name;
  }
  for (const auto& [name, s] : l.spListe()) {
    gespeichert[name + "/s"] = 1;
    EXPECT_EQ(s->name, name);
    EXPECT_FALSE(l.fuNamen().contains(name)) << name;
  }
  for (const auto& [name, p] : l.pktListe()) {
    gespeichert[name + "/p"] = 1;
    EXPECT_EQ(p->name, name);
    EXPECT_FALSE(l.punktNamen().contains(name)) << name;
  }
  EXPECT_EQ(gespeichert, erwartet);
  for (const std::string& name : l.fuNamen()) {
    EXPECT_TRUE(name.size() == 1 && istKleinbuchstabe(name[0]) && name != "x") << name;
  }
  for (const std::string& name : startFunktionsnamen()) {
    EXPECT_TRUE(l.fuNamen().contains(name) || l.fuExistiert(name) || l.spExistiert(name)) << name;
  }
  for (const std::string& name : startPunktnamen()) {
    EXPECT_TRUE(l.punktNamen().contains(name) || l.pktExistiert(name)) << name;
  }
}

TEST(Objektlisten, ZufaelligeFolgenHaltenListenUndPoolsImEinklang) {
  const std::vector<std::string> fuNamen = {"a", "b", "s", "y", "g2", "akt", ""};
  const std::vector<std::string> pktNamen = {"A", "B", "P", "P1", "Q", ""};
  for (unsigned saat = 1; saat <= 20; ++saat) {
    std::mt19937 zufall(saat);
    auto waehle = [&](const std::vector<std::string>& namen) {
      return namen[std::uniform_int_distribution<std::size_t>(0, namen.size() - 1)(zufall)];
    };
    Objektlisten l;
    std::map<std::string, int> erwartet;  // "name/art" of every stored object
    for (int schritt = 0; schritt < 300; ++schritt) {
      // An empty name stands for the pool's first free one.
      std::string f = waehle(fuNamen);
      if (f.empty()) f = l.freierFunktionsname();
      std::string p = waehle(pktNamen);
      if (p.empty()) p = l.freierPunktname();
      const auto ohneArt = [&](const std::string& art) {
        std::erase_if(erwartet, [&](const auto& e) { return e.first.ends_with(art); });
      };
      switch (std::uniform_int_distribution<int>(0, 9)(zufall)) {
        case 0:
          if (f.empty()) break;
          l.speichereFunktion(f, teile(Polynom{1}));
          erwartet[f + "/f"] = 1;
          break;
        case 1:
          if (f.empty()) break;
          l.speichereSpline(f, std::make_shared<Spline>());
          erwartet[f + "/s"] = 1;
          break;
        case 2:
          if (p.empty()) break;
          l.speicherePunkt(p, teile(Punkt{}));
          erwartet[p + "/p"] = 1;
          break;
        case 3:
          EXPECT_EQ(l.entferneFunktion(f), erwartet.erase(f + "/f") == 1);
          break;
        case 4:
          EXPECT_EQ(l.entferneSpline(f), erwartet.erase(f + "/s") == 1);
          break;
        case 5:
          EXPECT_EQ(l.entfernePunkt(p), erwartet.erase(p + "/p") == 1);
          break;
        case 6:
          l.leereFunktionen();
          ohneArt("/f");
          break;
        case 7:
          l.leereSplines();
          ohneArt("/s");
          break;
        case 8:
          l.leerePunkte();
          ohneArt("/p");
          break;
        default:
          if (schritt % 50 != 0) break;
          l.leereAlles();
          erwartet.clear();
      }
      pruefeInvariante(l, erwartet);
      if (HasFailure()) FAIL() << "seed " << saat << ", step " << schritt;
    }
  }
}

TEST(Listenpflege, EinlistenBereitetDieFunktionVorUndZeichnetNeu) {
  test::TestSitzung s;
  auto p = teile(Polynom{0, -3, 0, 1});
  p->sichtbar = false;
  const int vorher = s.ui.neuZeichnenAnforderungen;
  fuEinlisten(s.z, "f", p);
  EXPECT_TRUE(p->sichtbar);
  EXPECT_EQ(p->kritPunkte.size(), 5u);  // roots 0 and ±1.73, extrema at ±1
  EXPECT_GT(s.ui.neuZeichnenAnforderungen, vorher);
  auto q = teile(Polynom{2});
  fuEinlisten(s.z, "f", q);
  EXPECT_EQ(s.z.listen.fuListe().at("f"), q);
}

TEST(Listenpflege, EntfernteNamenKommenZurueck) {
  Objektlisten l;
  const Namenspool fuVorher = l.fuNamen();
  l.speichereFunktion("g2", teile(Polynom{1}));
  l.entferneFunktion("g2");
  l.entferneFunktion("gibtsnicht");
  EXPECT_EQ(l.fuNamen(), fuVorher) << "longer names never enter the pool";
  l.speicherePunkt("P1", teile(Punkt{}));
  l.entfernePunkt("P1");
  EXPECT_TRUE(l.punktNamen().contains("P1")) << "a point name comes back whatever its form";
}

TEST(Punkt, Abstand) {
  const Punkt o{0, 0, 7, 9};
  EXPECT_EQ(o.dist(Punkt{3, 4, 0, 0}), 5.0);
  EXPECT_EQ(o.dist(Punkt{1e-10, 0, 0, 0}), 0.0);
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
