#include "model/objektlisten.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

#include "app/listenpflege.h"
#include "model/polynomtext.h"
#include "model/punktbuchstaben.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

// The function names a command may take. Names with x, the reserved names, taken function
// and spline names and the free "y" are judged end to end (konstruktion_umbenennung,
// konstruktion_spline, funktionen_namensvorrat), and so are all point names (punkte_eingabe).
TEST(NamensBewertung, Funktionsnamen) {
  struct Fall {
    const char* name;
    NamensAttribut leer, belegt;  // in empty lists; with the function "akt" and the spline "g"
  };
  using enum NamensAttribut;
  const Fall faelle[] = {
      {"F", unerlaubt, unerlaubt}, {"1f", unerlaubt, unerlaubt}, {"eP", reserviert, reserviert},
      {"g1", frei, frei},          {"akt", frei, belegt},        {"g", frei, belegt},
  };
  Objektlisten l;
  for (const Fall& f : faelle) EXPECT_EQ(l.namensBewertung(f.name, ObjektTyp::f), f.leer) << f.name;
  l.speichereFunktion("akt", teile(Polynom{1}));
  l.speichereSpline("g", std::make_shared<Spline>());
  for (const Fall& f : faelle) {
    EXPECT_EQ(l.namensBewertung(f.name, ObjektTyp::f), f.belegt) << f.name;
  }
}

TEST(Punktbuchstaben, JedeRundeNachZMitHoeheremIndex) {
  EXPECT_EQ(kritPunktBuchstabe(50), "A2");
}

// What must hold after every change of the lists, stated independently of the class.
void pruefeInvariante(const Objektlisten& l, const std::map<std::string, int>& erwartet) {
  std::map<std::string, int> gespeichert;
  const auto objekte = [&](const auto& liste, const std::string& art, const Namenspool& pool) {
    for (const auto& [name, objekt] : liste) {
      gespeichert[name + art] = 1;
      EXPECT_EQ(objekt->name, name);
      EXPECT_FALSE(pool.contains(name)) << name;
    }
  };
  objekte(l.fuListe(), "/f", l.fuNamen());
  objekte(l.spListe(), "/s", l.fuNamen());
  objekte(l.pktListe(), "/p", l.punktNamen());
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
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis)(zufall); };
    Objektlisten l;
    std::map<std::string, int> erwartet;  // "name/art" of every stored object
    for (int schritt = 0; schritt < 300; ++schritt) {
      // One of the lists (functions, splines, points) and a name for it; an empty name stands
      // for the pool's first free one.
      const int liste = zahl(2);
      const std::string art = std::array{"/f", "/s", "/p"}[liste];
      std::string name = liste == 2 ? pktNamen[zahl(5)] : fuNamen[zahl(6)];
      if (name.empty()) name = liste == 2 ? l.freierPunktname() : l.freierFunktionsname();
      switch (zahl(3)) {
        case 0:  // store
          if (name.empty()) break;
          if (liste == 0) l.speichereFunktion(name, teile(Polynom{1}));
          if (liste == 1) l.speichereSpline(name, std::make_shared<Spline>());
          if (liste == 2) l.speicherePunkt(name, teile(Punkt{}));
          erwartet[name + art] = 1;
          break;
        case 1: {  // remove
          const bool entfernt = liste == 0   ? l.entferneFunktion(name)
                                : liste == 1 ? l.entferneSpline(name)
                                             : l.entfernePunkt(name);
          EXPECT_EQ(entfernt, erwartet.erase(name + art) == 1);
          // A point name comes back whatever its form ("P1" too).
          EXPECT_TRUE(liste < 2 || !entfernt || l.punktNamen().contains(name)) << name;
          break;
        }
        case 2:  // empty one list
          if (liste == 0) l.leereFunktionen();
          if (liste == 1) l.leereSplines();
          if (liste == 2) l.leerePunkte();
          std::erase_if(erwartet, [&](const auto& e) { return e.first.ends_with(art); });
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

// Replacing a stored function of the same name is compared end to end (funktionen_einlisten).
TEST(Listenpflege, EinlistenBereitetDieFunktionVorUndZeichnetNeu) {
  test::TestSitzung s;
  auto p = teile(Polynom{0, -3, 0, 1});
  p->sichtbar = false;
  const int vorher = s.ui.neuZeichnenAnforderungen;
  fuEinlisten(s.z, "f", p);
  EXPECT_TRUE(p->sichtbar);
  EXPECT_EQ(p->kritPunkte.size(), 5u);  // roots 0 and ±1.73, extrema at ±1
  EXPECT_GT(s.ui.neuZeichnenAnforderungen, vorher);
}

// Distances below 1e-9 count as none.
TEST(Punkt, Abstand) {
  const Punkt o{0, 0, 7, 9};
  EXPECT_EQ(o.dist(Punkt{3, 4, 0, 0}), 5.0);
  EXPECT_EQ(o.dist(Punkt{1e-10, 0, 0, 0}), 0.0);
}

}  // namespace
}  // namespace quarvel
