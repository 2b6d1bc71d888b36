// The exact texts of the point commands are checked by the end-to-end scripts punkte_*, and
// the limits of the random point generation by punkterzeugung_test. These tests cover what
// the scripts cannot see: a refused entry leaving the fields and the name pool as they were,
// and the point frame. (The lists keep their name pools themselves, see objektlisten_test.)
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
};

TEST_F(Punktbefehle, AbgelehnteEingabeAendertNichts) {
  z.felder.name = "bleibt";
  eingeben("a(1,3)");
  EXPECT_EQ(z.felder.name, "bleibt");
  EXPECT_EQ(z.listen.punktNamen(), startPunktnamen());
}

TEST_F(Punktbefehle, LoeschenNachZustandBerechnetPunktrahmenNeu) {
  eingeben("A(7,9)");
  z.felder.name = "A";
  befehl("punktDeaktivierB");
  z.grafik.neuG = false;
  befehl("aktiviertePunkteLoeschB");  // nothing to delete, the frame is still recomputed
  EXPECT_TRUE(z.grafik.neuG);
  EXPECT_EQ(z.grafik.pRahmen, (Grenzen{0, 1, 0, 1}));
}

}  // namespace
}  // namespace quarvel
