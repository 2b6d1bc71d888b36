// The exact texts of the point commands are checked by the end-to-end scripts punkte_*.
// These tests cover what those scripts cannot see: refused commands leaving everything as it
// was, the point frame, and the limits of the random point generation. (The lists keep their
// name pools themselves, see objektlisten_test.)
#include <gtest/gtest.h>

#include <string>

#include "app/befehle.h"
#include "model/objektlisten.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

struct Punktbefehle : testing::Test {
  TestSitzung s;
  Zustand& z = s.z;

  void befehl(const std::string& name) { ASSERT_TRUE(fuehreAus(z, name)) << name; }
  void eingeben(const std::string& eintrag) {
    z.felder.eingabe = eintrag;
    befehl("pktEingabe2B");
  }
  void mitNamen(const std::string& namen, const std::string& name) {
    z.felder.name = namen;
    befehl(name);
  }
  const Punktliste& punkte() const { return z.listen.pktListe(); }
  std::string hinweis() const { return z.felder.hinweis.substr(1); }  // after the line break
};

TEST_F(Punktbefehle, AbgelehnteEingabeAendertNichts) {
  z.felder.name = "bleibt";
  eingeben("a(1,3)");
  EXPECT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_TRUE(punkte().empty());
  EXPECT_EQ(z.felder.name, "bleibt");
  EXPECT_EQ(z.listen.punktNamen(), startPunktnamen());
}

TEST_F(Punktbefehle, LoeschenNachZustandBerechnetPunktrahmenNeu) {
  eingeben("A(7,9)");
  mitNamen("A", "punktDeaktivierB");
  z.grafik.neuG = false;
  befehl("aktiviertePunkteLoeschB");  // nothing to delete, the frame is still recomputed
  EXPECT_TRUE(z.grafik.neuG);
  EXPECT_EQ(z.grafik.pRahmen, (Grenzen{0, 1, 0, 1}));
}

// Random points must never hang on a count the window cannot hold, nor on a window whose
// grid is too large to count; a refused request stores nothing.
struct Zufallsauftrag {
  const char* titel;
  double links, rechts;
  const char* anzahl;
  std::size_t gespeichert;
  std::string meldung;  // empty: the points are generated
};

TEST_F(Punktbefehle, ZufallspunkteAnDenGrenzenDesRasters) {
  const std::string gescheitert = "Erzeugung der Punkte gescheitert:\n\n";
  const Zufallsauftrag auftraege[] = {
      {"JederRasterwert", -4, 4, "800", 800, ""},
      {"FensterZuGross", -1e300, 1e300, "5", 0,
       gescheitert + "Das sichtbare Fenster ist zu groß für Zufallspunkte im Raster von 0.01.\n"},
  };
  for (const Zufallsauftrag& a : auftraege) {
    SCOPED_TRACE(a.titel);
    z.listen.leerePunkte();
    z.grafik.xlinks = a.links;
    z.grafik.xrechts = a.rechts;
    z.felder.x = a.anzahl;
    mitNamen("R", "genWZufallsPunkteB");
    EXPECT_EQ(punkte().size(), a.gespeichert);
    if (!a.meldung.empty()) {
      EXPECT_EQ(hinweis(), a.meldung);
    }
  }
}

}  // namespace
}  // namespace quarvel
