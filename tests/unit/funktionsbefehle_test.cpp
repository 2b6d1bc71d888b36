// Texts and dialogues of the function commands are compared line by line by the
// tests/e2e/skripte/funktionen_*.skript runs (spline colours, hiding and deleting by
// konstruktion_spline, which share the code of functions); these tests cover the state behind
// them (shared objects, the graph target) and the edge cases no script reaches. Names leaving
// and re-entering their pools are the lists' own business (objektlisten_test).
#include <gtest/gtest.h>

#include "app/befehle.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::befehl;
using test::TestSitzung;

// A taken name gets a pool name (konstruktion_spline reads a term under a spline's name).
TEST(LiesTermB, NamenUndGrafikziel) {
  TestSitzung s;
  befehl(s.z, "liesTermB", " g ", "x");  // blanks around the name do not count
  ASSERT_TRUE(s.z.listen.fuExistiert("g"));
  EXPECT_EQ(s.z.felder.name, "g");
  EXPECT_EQ(s.z.grafTarget, s.z.listen.fuListe().at("g"));

  s.ui.antworten.push_back("Ja, überschreiben");
  befehl(s.z, "liesTermB", "akt", "x+1");
  EXPECT_EQ(s.z.grafTarget, s.z.akt);

  befehl(s.z, "liesTermB", "h", "x^8*x^8");  // a refused term leaves no half-read text behind
  EXPECT_EQ(s.z.testString, "");
}

// The input field receives decimals even while fractions are shown: it is read back as a term.
TEST(IstAktuellB, EingabefeldLiestSichZurueck) {
  TestSitzung s;
  befehl(s.z, "liesTermB", "g", "x^2 - 1.5x");
  ASSERT_TRUE(fuehreAus(s.z, "bruecheS1"));
  befehl(s.z, "istAktuellB", "g");
  EXPECT_EQ(s.z.felder.eingabe, " - 1.5x + x^2");
  befehl(s.z, "liesTermB", "h", s.z.felder.eingabe);
  EXPECT_EQ(s.z.listen.fuListe().at("h")->koeff, s.z.listen.fuListe().at("g")->koeff);
}

// einlistB stores a copy, aktuelleFunktionEinlistB and istAktuellB share the object.
TEST(Funktionsbefehle, KopieOderGemeinsamesObjekt) {
  TestSitzung s;
  befehl(s.z, "einlistB", "g");
  EXPECT_NE(s.z.listen.fuListe().at("g"), s.z.akt);
  befehl(s.z, "aktuelleFunktionEinlistB", "h");
  EXPECT_EQ(s.z.listen.fuListe().at("h"), s.z.akt);
  befehl(s.z, "istAktuellB", "g");
  EXPECT_EQ(s.z.akt, s.z.listen.fuListe().at("g"));
}

// A spline's name is taken for functions too: the function gets a pool name, so that no
// name stands for two objects (a document with such a pair could not be opened again).
TEST(Funktionsbefehle, EinlistenUnterEinemSplinenamen) {
  for (const char* befehlsname : {"einlistB", "aktuelleFunktionEinlistB"}) {
    SCOPED_TRACE(befehlsname);
    TestSitzung s;
    for (const char* punkt : {"A(0,0)", "B(1,1)", "C(2,0)"}) befehl(s.z, "pktEingabe2B", "", punkt);
    befehl(s.z, "pktliste2SplineB", "s");
    ASSERT_TRUE(s.z.listen.spExistiert("s"));
    befehl(s.z, befehlsname, "s");
    EXPECT_FALSE(s.z.listen.fuExistiert("s"));
    EXPECT_TRUE(s.z.listen.spExistiert("s"));
    EXPECT_EQ(s.z.listen.fuListe().size(), 1u);
    EXPECT_EQ(s.z.felder.name, s.z.listen.fuListe().begin()->first);
  }
}

TEST(AuslistB, LangeNamenUndNurTrennzeichen) {
  TestSitzung s;
  befehl(s.z, "einlistB", "abc");
  ASSERT_TRUE(s.z.listen.fuExistiert("abc"));
  befehl(s.z, "auslistB", "g, abc");
  EXPECT_TRUE(s.z.listen.fuListe().empty());
  befehl(s.z, "auslistB", " , ");  // only separators: asks for names like an empty field
  ASSERT_FALSE(s.ui.fragen.empty());
  EXPECT_EQ(s.ui.fragen.back().option, "gerne");
}

}  // namespace
}  // namespace quarvel
