#include <gtest/gtest.h>

#include <string>

#include "app/befehle.h"
#include "app/listenpflege.h"
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
  const Punktliste& punkte() const { return z.listen.pktListe; }
  std::string hinweis() const { return z.felder.hinweis.substr(1); }  // after the line break
  const test::TestOberflaeche::Frage& letzteFrage() const { return s.ui.fragen.back(); }
};

// --- entering ---

TEST_F(Punktbefehle, EingabeSpeichertUndMeldet) {
  z.felder.name = "alt";
  eingeben("A(1,3)");
  ASSERT_TRUE(punkte().contains("A"));
  EXPECT_EQ(punkte().at("A")->name, "A");
  EXPECT_EQ(punkte().at("A")->ko, (std::array<double, 4>{1, 3, 0, 0}));
  EXPECT_EQ(hinweis(), "(1.0, 3.0) wurde in die Punktliste eingefügt.");
  EXPECT_FALSE(z.listen.punktNamen.contains("A"));
  EXPECT_TRUE(z.felder.name.empty());
  EXPECT_TRUE(s.ui.fragen.empty());
}

TEST_F(Punktbefehle, EingabeMitKleinbuchstabenWirdGrossGeschrieben) {
  eingeben("Pq1(4,5,-,6)");
  ASSERT_TRUE(punkte().contains("PQ1"));
  EXPECT_EQ(hinweis(), "(4.0, 5.0 ,  -- , 6.0 )  wurde in die Punktliste eingefügt.");
}

TEST_F(Punktbefehle, FehlerhafteEingabeNurMitMeldung) {
  z.felder.name = "bleibt";
  eingeben("a(1,3)");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(letzteFrage().meldung, "Der Punktname a ist unzulässig\n");
  EXPECT_EQ(letzteFrage().option, "Gelesen");
  EXPECT_EQ(letzteFrage().option2, "");
  EXPECT_TRUE(punkte().empty());
  EXPECT_EQ(z.felder.name, "bleibt");
}

TEST_F(Punktbefehle, BelegterNameFragtVorDemUeberschreiben) {
  eingeben("A(1,3)");
  eingeben("a(9,9)");  // refused by the check before the name is looked up
  s.ui.antworten.push_back("A nicht Ersetzen.");
  eingeben("A(2,4)");
  ASSERT_EQ(s.ui.fragen.size(), 2u);
  EXPECT_EQ(letzteFrage().meldung, "Es gibt in der Liste bereits einen Punkt namens A");
  EXPECT_EQ(letzteFrage().option, "Überschreiben");
  EXPECT_EQ(letzteFrage().option2, "A nicht Ersetzen.");
  EXPECT_EQ(punkte().at("A")->x(), 1.0);

  s.ui.antworten.push_back("Überschreiben");
  eingeben("A(2,4)");
  EXPECT_EQ(punkte().at("A")->x(), 2.0);
  EXPECT_EQ(punkte().size(), 1u);
}

// --- deleting by name ---

TEST_F(Punktbefehle, LoeschenNachNamenUndSammelnamen) {
  befehl("nurTestB");
  eingeben("Q(0,0)");
  z.felder.name = "P*, XY Q";
  befehl("pktAuslistB");
  EXPECT_EQ(hinweis(),
            "P1 wurde aus der Punkt-Liste entfernt.\nP2 wurde aus der Punkt-Liste entfernt.\n"
            "P3 wurde aus der Punkt-Liste entfernt.\nP4 wurde aus der Punkt-Liste entfernt.\n"
            "P5 wurde aus der Punkt-Liste entfernt.\nP6 wurde aus der Punkt-Liste entfernt.\n"
            "Q wurde aus der Punkt-Liste entfernt.\nKein Punkt namens XY in der Liste.\n");
  EXPECT_TRUE(punkte().empty());
  EXPECT_TRUE(z.felder.name.empty());
  // Every deleted name goes back into the pool, whatever its form.
  EXPECT_TRUE(z.listen.punktNamen.contains("Q"));
  EXPECT_TRUE(z.listen.punktNamen.contains("P1"));
  EXPECT_FALSE(z.listen.punktNamen.contains("XY"));
}

// --- deleting all ---

TEST_F(Punktbefehle, GanzeListeLoeschen) {
  befehl("pktListeLoeschB");
  EXPECT_EQ(letzteFrage().meldung, "Die Punktliste ist bereits leer.");
  EXPECT_EQ(letzteFrage().option, "ok");

  eingeben("A(1,1)");
  befehl("nurTestB");
  s.ui.antworten.push_back(" Lieber doch nicht");
  befehl("pktListeLoeschB");
  EXPECT_EQ(letzteFrage().meldung, "Wirklich die Punktliste (Punktanzahl beträgt 7) Löschen?");
  EXPECT_EQ(letzteFrage().option, "Ja, weg damit");
  EXPECT_EQ(letzteFrage().option2, " Lieber doch nicht");
  EXPECT_EQ(punkte().size(), 7u);

  befehl("pktListeLoeschB");
  EXPECT_TRUE(punkte().empty());
  EXPECT_EQ(z.listen.punktNamen, startPunktnamen());
  EXPECT_EQ(hinweis(), "Die gesamte Punktliste wurde gelöscht.");
  EXPECT_EQ(z.felder.ausgabe, "Alle  Punkte (Anzahl: 7) wurden aus der Punktliste entfernt.\n");
}

// --- deleting by activation ---

TEST_F(Punktbefehle, EinzigerAktiverPunktWirdBeimNamenGenannt) {
  eingeben("A(1,1)");
  eingeben("B(2,2)");
  z.felder.name = "B";
  befehl("punktDeaktivierB");
  befehl("aktiviertePunkteLoeschB");
  EXPECT_EQ(letzteFrage().meldung, "Wirklich A  Löschen?");
  EXPECT_FALSE(punkte().contains("A"));
  EXPECT_TRUE(punkte().contains("B"));
  EXPECT_TRUE(z.listen.punktNamen.contains("A"));
  EXPECT_EQ(hinweis(), "Alle aktivierten Punkte wurde gelöscht.");
  EXPECT_EQ(z.felder.ausgabe, "Aus der Punktliste entfernt: A\n");
}

TEST_F(Punktbefehle, MehrerePunkteAlsFolgeEinmalJePunktProtokolliert) {
  eingeben("A(1,1)");
  eingeben("B(2,2)");
  eingeben("C(3,3)");
  z.felder.name = "alle";
  befehl("punktDeaktivierB");
  z.felder.name = "B";
  befehl("punktAktivierB");

  s.ui.antworten.push_back(" Lieber doch nicht");
  befehl("deaktiviertePunkteLoeschB");
  EXPECT_EQ(letzteFrage().meldung, R"(Wirklich alle Punkte der Folge ["A", "C"]  Löschen?)");
  EXPECT_EQ(punkte().size(), 3u);

  z.protokoll.clear();
  befehl("deaktiviertePunkteLoeschB");
  EXPECT_EQ(punkte().size(), 1u);
  EXPECT_EQ(hinweis(), "Alle deaktivierten Punkte wurde gelöscht.");
  const std::string zeile = R"(Aus der Punktliste entfernt: alle Punkte der Folge ["A", "C"])";
  EXPECT_EQ(z.felder.ausgabe, zeile + "\n");
  EXPECT_EQ(z.protokoll, zeile + "\n" + zeile + "\n");
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

// --- activation ---

TEST_F(Punktbefehle, AktivierenUndDeaktivieren) {
  eingeben("A(1,1)");
  eingeben("A1(1,1)");
  z.felder.name = "A*;Q";
  befehl("punktDeaktivierB");
  EXPECT_EQ(hinweis(), "A ist deaktiviert\nA1 ist deaktiviert\nPunkt Q ist nicht bekannt.");
  EXPECT_FALSE(punkte().at("A")->aktiv);
  EXPECT_FALSE(punkte().at("A1")->aktiv);
  EXPECT_TRUE(z.felder.name.empty());

  z.felder.name = "A1";
  befehl("punktAktivierB");
  EXPECT_EQ(hinweis(), "A1 ist aktiv\n");
  EXPECT_TRUE(punkte().at("A1")->aktiv);
}

TEST_F(Punktbefehle, AlleGiltUnabhaengigVonWeiterenNamen) {
  eingeben("A(1,1)");
  eingeben("B(1,1)");
  z.felder.name = "alle, A";
  befehl("punktDeaktivierB");
  EXPECT_EQ(hinweis(), "Alle Punkte der Liste sind nun deaktiviert");
  EXPECT_FALSE(punkte().at("A")->aktiv);
  EXPECT_FALSE(punkte().at("B")->aktiv);
  z.felder.name = "alle Q";
  befehl("punktAktivierB");
  EXPECT_EQ(hinweis(), "Alle Punkte der Liste sind nun aktiviert");
  EXPECT_TRUE(punkte().at("A")->aktiv);
  EXPECT_TRUE(punkte().at("B")->aktiv);
}

// --- demonstration points ---

TEST_F(Punktbefehle, TestpunkteErsetzenGleichnamige) {
  eingeben("P1(100,100)");
  z.felder.name = "P2";
  befehl("punktDeaktivierB");  // P2 is not stored yet
  eingeben("Q(0,0)");
  befehl("nurTestB");
  befehl("nurTestB");
  EXPECT_EQ(punkte().size(), 7u);
  EXPECT_EQ(punkte().at("P1")->ko, (std::array<double, 4>{2, 3, 0, 0}));
  EXPECT_EQ(punkte().at("P4")->valid, (std::array<bool, 3>{true, false, true}));
  for (const auto& [name, p] : punkte()) {
    EXPECT_TRUE(p->aktiv) << name;
    EXPECT_EQ(p->name, name);
  }
  EXPECT_EQ(hinweis(),
            "Die 6 Punkte P1, P2, ..., P6 im Bereich [-3;5]x[3; 7] wurden erzeugt.\n Punkte mit "
            "gleichem Namen wurden ersetzt.");
  EXPECT_EQ(z.felder.ausgabe, gesamtPunktliste(z.listen, z.dezimalen) + "\n");
}

// --- generation ---

TEST_F(Punktbefehle, PunkteAufEinerFunktion) {
  Polynom parabel;
  parabel.koeff[2] = 1;
  fuEinlisten(z, "f", teile(parabel));
  z.grafik.xlinks = 0;
  z.grafik.xrechts = 10;
  eingeben("A2(0,0)");
  z.felder.x = "4";
  z.felder.y = "f";
  z.felder.name = "A";
  befehl("genWPunkteAufFB");
  EXPECT_EQ(hinweis(), R"(Die Punkte ["A1", "A3", "A4", "A5"] wurden erzeugt.)");
  EXPECT_EQ(punkte().size(), 5u);
  EXPECT_EQ(punkte().at("A4")->ko, (std::array<double, 4>{6, 36, 0, 0}));
  EXPECT_EQ(punkte().at("A4")->name, "A4");
}

TEST_F(Punktbefehle, PunkteAufEinerFunktionGescheitert) {
  z.felder.x = "0";
  z.felder.y = "g";
  z.felder.name = "AB";
  befehl("genWPunkteAufFB");
  EXPECT_EQ(hinweis(),
            "Erzeugung der Punkte gescheitert:\n\nFehlerhafte Anzahlangabe im Feld w\nIm Feld z "
            "ist kein Name eines existierenden Polynoms eingetragen.\nDer Punktname darf nur aus "
            "einen einzigen (Groß-)Buchstaben bestehen.\n");
  EXPECT_TRUE(punkte().empty());
}

TEST_F(Punktbefehle, ZufallspunkteImGezeigtenFenster) {
  z.grafik.xlinks = -5;
  z.grafik.xrechts = 5;
  z.grafik.yunten = -3;
  z.grafik.yoben = 3;
  z.felder.x = "3";
  z.felder.name = "R";
  befehl("genWZufallsPunkteB");
  EXPECT_EQ(hinweis(), R"(Die Punkte ["R1", "R2", "R3"] wurden erzeugt.)");
  ASSERT_EQ(punkte().size(), 3u);
  EXPECT_LT(punkte().at("R1")->x(), punkte().at("R2")->x());
  EXPECT_LT(punkte().at("R2")->x(), punkte().at("R3")->x());
}

TEST_F(Punktbefehle, ZufallspunkteNieMehrAlsDasRasterHergibt) {
  // The default window [-4, 4] holds 800 grid values.
  z.felder.x = "801";
  z.felder.name = "R";
  befehl("genWZufallsPunkteB");
  EXPECT_EQ(hinweis(),
            "Erzeugung der Punkte gescheitert:\n\nIm sichtbaren x-Bereich gibt es nur 800 "
            "verschiedene x-Werte im Abstand 0.01.\n");
  EXPECT_TRUE(punkte().empty());

  z.felder.x = "800";
  befehl("genWZufallsPunkteB");
  EXPECT_EQ(punkte().size(), 800u);
}

TEST_F(Punktbefehle, ZufallspunkteInRiesigemFensterAbgelehnt) {
  z.grafik.xlinks = -1e300;
  z.grafik.xrechts = 1e300;
  z.felder.x = "5";
  z.felder.name = "R";
  befehl("genWZufallsPunkteB");
  EXPECT_EQ(hinweis(),
            "Erzeugung der Punkte gescheitert:\n\nDas sichtbare Fenster ist zu groß für "
            "Zufallspunkte im Raster von 0.01.\n");
  EXPECT_TRUE(punkte().empty());
}

}  // namespace
}  // namespace quarvel
