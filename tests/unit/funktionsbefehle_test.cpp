// Texts and dialogues of the function commands are compared line by line by the
// tests/e2e/skripte/funktionen_*.skript runs; these tests cover the state behind them
// (shared objects, name pools, splines) and the edge cases no script reaches.
#include <gtest/gtest.h>

#include "app/befehle.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

void befehl(TestSitzung& s, const std::string& name, const std::string& feld = "") {
  s.z.felder.name = feld;
  ASSERT_TRUE(fuehreAus(s.z, name));
}

void lies(TestSitzung& s, const std::string& name, const std::string& term) {
  s.z.felder.eingabe = term;
  befehl(s, "liesTermB", name);
}

TEST(LiesTermB, NamenGrafikzielUndVorrat) {
  TestSitzung s;
  lies(s, " g ", "x");  // blanks around the name do not count
  ASSERT_TRUE(s.z.listen.fuExistiert("g"));
  EXPECT_EQ(s.z.felder.name, "g");
  EXPECT_EQ(s.z.listen.fuListe().at("g")->name, "g");
  EXPECT_EQ(s.z.grafTarget, s.z.listen.fuListe().at("g"));
  EXPECT_FALSE(s.z.listen.fuNamen().contains("g"));

  lies(s, "g", "x^2");  // a taken name is replaced, the old entry stays
  EXPECT_EQ(s.z.felder.name, "a");
  EXPECT_EQ(s.z.listen.fuListe().at("g")->koeff, Polynom({0.0, 1.0}).koeff);
  EXPECT_EQ(s.z.listen.fuListe().at("a")->koeff, Polynom({0.0, 0.0, 1.0}).koeff);

  s.ui.antworten.push_back("Ja, überschreiben");
  lies(s, "akt", "x+1");
  EXPECT_EQ(s.z.grafTarget, s.z.akt);

  lies(s, "h", "x^8*x^8");  // a refused term leaves no half-read text behind
  EXPECT_EQ(s.z.testString, "");
  EXPECT_FALSE(s.z.listen.fuExistiert("h"));
}

// The input field receives decimals even while fractions are shown: it is read back as a term.
TEST(IstAktuellB, EingabefeldLiestSichZurueck) {
  TestSitzung s;
  lies(s, "g", "x^2 - 1.5x");
  ASSERT_TRUE(fuehreAus(s.z, "bruecheS1"));
  befehl(s, "istAktuellB", "g");
  EXPECT_EQ(s.z.felder.eingabe, " - 1.5x + x^2");
  lies(s, "h", s.z.felder.eingabe);
  EXPECT_EQ(s.z.listen.fuListe().at("h")->koeff, s.z.listen.fuListe().at("g")->koeff);
}

// einlistB stores a copy, aktuelleFunktionEinlistB and istAktuellB share the object.
TEST(Funktionsbefehle, KopieOderGemeinsamesObjekt) {
  TestSitzung s;
  befehl(s, "einlistB", "g");
  EXPECT_NE(s.z.listen.fuListe().at("g"), s.z.akt);
  befehl(s, "aktuelleFunktionEinlistB", "h");
  EXPECT_EQ(s.z.listen.fuListe().at("h"), s.z.akt);
  EXPECT_EQ(s.z.akt->name, "h");
  befehl(s, "istAktuellB", "g");
  EXPECT_EQ(s.z.akt, s.z.listen.fuListe().at("g"));
}

TEST(AuslistB, NamenUndVorrat) {
  TestSitzung s;
  lies(s, "g", "x^2");
  s.z.felder.eingabe = "x";
  befehl(s, "einlistB", "abc");
  befehl(s, "auslistB", "g, abc");
  EXPECT_TRUE(s.z.listen.fuListe().empty());
  // One-letter names go back to the pool, longer names never enter it.
  EXPECT_EQ(s.z.listen.fuNamen(), startFunktionsnamen());

  befehl(s, "auslistB", " , ");  // only separators: asks for names like an empty field
  ASSERT_FALSE(s.ui.fragen.empty());
  EXPECT_EQ(s.ui.fragen.back().option, "gerne");
}

TEST(Splines, LoeschenSichtbarkeitFarbeAnzeige) {
  TestSitzung s;
  s.z.listen.speichereSpline("s", std::make_shared<Spline>());
  befehl(s, "macheFUnsichtbarB", "s");
  EXPECT_FALSE(s.z.listen.spListe().at("s")->sichtbar);
  befehl(s, "macheFsichtbarB", "s");
  EXPECT_TRUE(s.z.listen.spListe().at("s")->sichtbar);
  const std::pair<const char*, Farbe> farben[] = {
      {"farbeGruen", Farbe::gruen},   {"farbeBlau", Farbe::blau},
      {"farbeBraun", Farbe::braun},   {"farbeSchwarz", Farbe::schwarz},
      {"farbeOrange", Farbe::orange}, {"farbeRot", Farbe::rot}};
  for (const auto& [farbBefehl, farbe] : farben) {
    befehl(s, farbBefehl, "s");
    EXPECT_EQ(s.z.listen.spListe().at("s")->color, farbe) << farbBefehl;
  }
  EXPECT_EQ(s.ui.pieptoene, 0);
  EXPECT_TRUE(s.ui.fragen.empty());

  befehl(s, "alleFuAnzeigB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Die aktuelle Funktion hat die Gleichung\nakt(x) =  - 2.0 - 2.0x + 2.0x^2\n\n"
            "Die Polynomliste ist leer.\n\n"
            "Liste der gespeicherten Spline-Funktionen \n\ns (rot) \n\n\n\n\n");

  befehl(s, "auslistB", "s");
  EXPECT_TRUE(s.z.listen.spListe().empty());
  EXPECT_TRUE(s.z.listen.fuNamen().contains("s"));
  EXPECT_EQ(s.z.felder.hinweis, "\ns wurde aus der Funktions-Liste entfernt.\n");
}

}  // namespace
}  // namespace quarvel
