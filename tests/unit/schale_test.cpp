#include <gtest/gtest.h>

#include <sstream>

#include "app/befehle.h"
#include "app/json.h"
#include "app/listenpflege.h"
#include "app/schale.h"
#include "app/skript.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

TEST(Ausgabe, ModiErsetzenOderAnhaengen) {
  TestSitzung s;
  ausgabe(s.z, 1, "a");
  ausgabe(s.z, 1, "a");
  EXPECT_EQ(s.z.felder.ausgabe, "a a ");
  EXPECT_EQ(s.z.protokoll, "a\na\n");

  ausgabe(s.z, 2, "b");
  EXPECT_EQ(s.z.felder.ausgabe, "a a b\n");
  ausgabe(s.z, 0, "c");
  EXPECT_EQ(s.z.felder.ausgabe, "c\n");
  ausgabe(s.z, -1, "d");
  EXPECT_EQ(s.z.felder.ausgabe, "d");
  ausgabe(s.z, -7, "e");
  EXPECT_EQ(s.z.protokoll, "a\na\nb\nc\n");
}

TEST(Ausgabe, BemerkungUndAusgeben2LassenDasProtokollInRuhe) {
  TestSitzung s;
  bemerkung(s.z, "Hallo");
  EXPECT_EQ(s.z.felder.hinweis, "\nHallo");
  ausgeben2(s.z, 1, "x");
  EXPECT_EQ(s.z.felder.ausgabe, "\nx");
  EXPECT_TRUE(s.z.protokoll.empty());
}

TEST(Protokoll, ZweimaligesUmschaltenStelltDieAusgabeWiederHer) {
  TestSitzung s;
  ausgabe(s.z, 0, "erste");
  ausgabe(s.z, -1, "sichtbar");
  protoZeigenOderAusblenden(s.z);
  EXPECT_EQ(s.z.felder.ausgabe, "erste\n");
  EXPECT_EQ(s.z.felder.hinweis, "\nIm Ausgabeld befindet sich jetzt das gesamte Protokoll.");
  protoZeigenOderAusblenden(s.z);
  EXPECT_EQ(s.z.felder.ausgabe, "sichtbar");
  EXPECT_EQ(s.z.felder.hinweis, "\n");
  EXPECT_FALSE(s.z.protkollImFenster);
}

TEST(Protokoll, AusgabeWaehrendDerAnzeigeHoltErstDieAlteAusgabeZurueck) {
  TestSitzung s;
  ausgabe(s.z, -1, "alt");
  protoZeigenOderAusblenden(s.z);
  ausgabe(s.z, 1, "neu");
  EXPECT_EQ(s.z.felder.ausgabe, "altneu ");
  EXPECT_FALSE(s.z.protkollImFenster);
}

TEST(Protokoll, LeeresProtokollWirdTrotzdemGezeigt) {
  TestSitzung s;
  ausgabe(s.z, -1, "etwas");
  protoZeigenOderAusblenden(s.z);
  EXPECT_EQ(s.z.felder.ausgabe, "");
  EXPECT_EQ(s.z.felder.hinweis, "\nDas Protokoll ist noch (oder wieder) leer.");
  EXPECT_TRUE(s.z.protkollImFenster);
}

TEST(Start, HinweisNenntDieAktuelleFunktion) {
  TestSitzung s;
  EXPECT_EQ(s.z.felder.hinweis,
            "\nBitte im Ausgabe-Fenster links den  Scroll-Balkens ganz nach oben verschieben!\n\n"
            "Beim Start hat die aktuelle Funktion die Gleichung \nakt(x) =  - 2.0 - 2.0x + 2.0x^2");
  EXPECT_EQ(einlesen(s.z)[2], 2.0);
  EXPECT_EQ(s.z.dezimalen, 2);
  EXPECT_TRUE(s.z.protokoll.empty());
}

TEST(Neustart, LeertListenUndProtokollUndBehaeltDieGleichung) {
  TestSitzung s;
  auto alt = s.z.akt;
  alt->color = Farbe::rot;
  alt->name = "akt";
  fuEinlisten(s.z, "f", teile(Polynom{1}));
  pktEinlisten(s.z, "A", teile(Punkt{1, 2, 0, 0}));
  ausgabe(s.z, 0, "etwas");
  s.z.felder = {"e", "n", "1", "2", "aus", "hin", true, false};

  ASSERT_TRUE(fuehreAus(s.z, "neuB"));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].option, "Ja, Neustart");
  EXPECT_TRUE(s.z.listen.fuListe().empty());
  EXPECT_TRUE(s.z.listen.pktListe().empty());
  EXPECT_TRUE(s.z.protokoll.empty());
  EXPECT_EQ(s.z.listen.fuNamen(), startFunktionsnamen());
  EXPECT_EQ(s.z.listen.punktNamen(), startPunktnamen());
  EXPECT_EQ(s.z.felder.hinweis, "\nAlle Listen wurden gelöscht.");
  for (const std::string* feld : {&s.z.felder.eingabe, &s.z.felder.name, &s.z.felder.x,
                                  &s.z.felder.y, &s.z.felder.ausgabe}) {
    EXPECT_TRUE(feld->empty());
  }
  EXPECT_NE(s.z.akt, alt);
  EXPECT_EQ(s.z.akt->koeff, alt->koeff);
  EXPECT_EQ(s.z.akt->color, Farbe::schwarz);
  EXPECT_TRUE(s.z.akt->name.empty());
}

TEST(Neustart, VergisstDieLetztePunktgeste) {
  TestSitzung s;
  pktEinlisten(s.z, "A", teile(Punkt{1, 2, 0, 0}));
  s.z.grafik.geste.letzteAktion = Rueckgaengig::verschoben;
  s.z.grafik.geste.backPunkt = Punkt{1, 2, 0, 0};
  s.z.grafik.geste.backPunkt.name = "A";
  s.z.grafik.punktButton = "Undo";
  fuehreAus(s.z, "neuB");
  EXPECT_EQ(s.z.grafik.punktButton, "neu");
  EXPECT_EQ(s.z.grafik.geste.letzteAktion, Rueckgaengig::nichts);
  // The button now places a new point at the last mouse position instead of bringing the
  // deleted A back at (1, 2).
  fuehreAus(s.z, "punktSetzen");
  ASSERT_TRUE(s.z.listen.pktExistiert("A"));
  EXPECT_EQ(s.z.listen.pktListe().at("A")->x(), s.z.grafik.tempX);
}

TEST(Neustart, AbgelehntAendertNichts) {
  TestSitzung s;
  fuEinlisten(s.z, "f", teile(Polynom{1}));
  ausgabe(s.z, 0, "bleibt");
  s.ui.antworten = {"Lieber doch nicht"};
  fuehreAus(s.z, "neuB");
  EXPECT_TRUE(s.z.listen.fuExistiert("f"));
  EXPECT_EQ(s.z.protokoll, "bleibt\n");
}

TEST(Beenden, NurNachBestaetigung) {
  TestSitzung s;
  s.ui.antworten = {"Nein, noch nicht", "Ja"};
  fuehreAus(s.z, "quitB");
  EXPECT_FALSE(s.ui.beendet);
  fuehreAus(s.z, "quitB");
  EXPECT_TRUE(s.ui.beendet);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Wirklich das Programm verlassen?");
}

TEST(Optionen, DezimalenUndMarkierungen) {
  TestSitzung s;
  for (const auto& [befehl, wert] : {std::pair{"dezimalS1", 1}, std::pair{"dezimalS3", 3},
                                     std::pair{"dezimalS6", 6}, std::pair{"dezimalS8", 8},
                                     std::pair{"dezimalS2", 2}}) {
    fuehreAus(s.z, befehl);
    EXPECT_EQ(s.z.dezimalen, wert) << befehl;
  }
  s.z.felder.kritPunkteMarkiert = true;
  s.z.felder.punkteMarkiert = false;
  fuehreAus(s.z, "kritPunkteMarkierB");
  fuehreAus(s.z, "punkteMarkierB");
  EXPECT_TRUE(s.z.grafik.kritischePunkteImGraphenZeigen);
  EXPECT_FALSE(s.z.grafik.punkteImGraphenZeigen);
}

TEST(Optionen, FelderLoeschen) {
  TestSitzung s;
  s.z.felder = {"e", "n", "1", "2", "aus", "hin", false, true};
  fuehreAus(s.z, "punktFLoeschen");
  EXPECT_TRUE(s.z.felder.x.empty() && s.z.felder.y.empty());
  EXPECT_EQ(s.z.grafik.fensterTyp, FensterW::grafbedingt);
  fuehreAus(s.z, "fuNameFLoeschen");
  fuehreAus(s.z, "koeffsLoeschenB");
  fuehreAus(s.z, "clearAusgabeF");
  EXPECT_EQ(s.z.felder.name + s.z.felder.eingabe + s.z.felder.ausgabe, "");
  EXPECT_EQ(s.z.felder.hinweis, "hin");
}

TEST(Namensfeld, NurBuchstabenUndZiffern) {
  TestSitzung s;
  s.z.felder.name = " g 1!";
  EXPECT_EQ(neuNamenLesen(s.z), "g1");
  s.z.felder.name = "f-";
  EXPECT_EQ(neuNamenLesen(s.z), "f0");
}

TEST(Befehlstabelle, UnbekannteBefehleUndUeberzaehligeWorte) {
  TestSitzung s;
  EXPECT_FALSE(fuehreAus(s.z, "gibtEsNicht"));
  EXPECT_FALSE(fuehreAus(s.z, "dezimalS1", {"zuviel"}));
  EXPECT_EQ(s.z.dezimalen, 2);
  EXPECT_NE(alleBefehle().finde("infoB"), nullptr);
}

TEST(Json, NurAnfuehrungszeichenBackslashUndSteuerzeichen) {
  EXPECT_EQ(jsonText("a\"b\\c\nd\te\rf\x01g ü"), "\"a\\\"b\\\\c\\nd\\te\\rf\\u0001g ü\"");
  EXPECT_EQ(jsonZahl(2.0), "2");
  EXPECT_EQ(jsonZahl(-0.5), "-0.5");
  EXPECT_EQ(jsonZahl(1e-5), "1e-05");
  EXPECT_EQ(jsonZahl(std::numeric_limits<double>::quiet_NaN()), "null");
}

std::string lauf(const std::string& skript, int* status = nullptr) {
  std::istringstream ein(skript);
  std::ostringstream aus;
  std::ostringstream fehler;
  const int s = fuehreSkriptAus(ein, aus, fehler, 1);
  if (status != nullptr) *status = s;
  return aus.str();
}

TEST(Skript, FelderAntwortenUndAnzeigen) {
  int status = -1;
  EXPECT_EQ(lauf("name= a b \nzeige name\n# Kommentar\n\nx=\nzeige x\n", &status),
            "name=\" a b \"\nx=\"\"\n");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(lauf("zeige koeff akt\nzeige koeff f\n"),
            "koeff akt=[-2,-2,2,0,0,0,0,0,0,0,0,0,0,0,0]\nkoeff f=null\n");
  EXPECT_EQ(lauf("zeige rahmen\n"), "rahmen=[-4,4,-4,4]\n");
}

TEST(Skript, FehlerhafteZeilenLaufenWeiterUndSetzenDenStatus) {
  int status = -1;
  EXPECT_EQ(lauf("gibtsnicht\nzeige nichts\nkritPunkteMarkiert=2\nfeld=1\nzeige x\n", &status),
            "x=\"\"\n");
  EXPECT_EQ(status, 1);
}

TEST(Skript, FragenMitUnpassenderAntwortGebenFehler) {
  EXPECT_EQ(lauf("antwort=Vielleicht\nquitB\nzeige name\n"),
            "auswahl: \"Wirklich das Programm verlassen?\" [\"Ja\", \"Nein, noch nicht\"] -> "
            "\"Fehler\"\nname=\"\"\n");
}

TEST(Skript, BestaetigtesBeendenEndetMitStatusNull) {
  int status = -1;
  const std::string aus = lauf("gibtsnicht\nquitB\nzeige name\n", &status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(aus.find("name="), std::string::npos);
}

}  // namespace
}  // namespace quarvel
