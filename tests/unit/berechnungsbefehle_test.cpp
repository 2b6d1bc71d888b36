#include <gtest/gtest.h>

#include <string>

#include "app/befehle.h"
#include "app/ergebnisablage.h"
#include "app/listenpflege.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

class Berechnung : public testing::Test {
 protected:
  void einlisten(const std::string& name, const Polynom& p) { fuEinlisten(s.z, name, teile(p)); }
  void ausfuehren(const std::string& befehl) { ASSERT_TRUE(fuehreAus(s.z, befehl)) << befehl; }
  void poolLeeren() { s.z.listen.fuNamen.clear(); }
  const PolynomRef* gespeichert(const std::string& name) const {
    const auto it = s.z.listen.fuListe.find(name);
    return it == s.z.listen.fuListe.end() ? nullptr : &it->second;
  }

  TestSitzung s;
};

const std::string zufallsname =
    "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie den "
    "Zufallsnamen a erhalten. ";

// --- values, integral, area -------------------------------------------------------------

TEST_F(Berechnung, WerteDerStartfunktionBeiZwei) {
  s.z.felder.name = "akt";
  s.z.felder.x = "2";
  ausfuehren("wertBerechnen");
  EXPECT_EQ(s.z.felder.ausgabe,
            "\n akt(2.0) = 2.0 ,     akt'(2.0) = 6.0 ,     akt''(2.0) = 4.0\n");
  EXPECT_EQ(s.z.protokoll, "\n akt(2.0) = 2.0 ,   \n akt'(2.0) = 6.0 ,   \n akt''(2.0) = 4.0\n");
  EXPECT_EQ(s.z.felder.y, "2.0");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie Werte von akt, akt' und akt'' an der Stelle x = 2.0 wurden im Ausgabefenster "
            "eingetragen.");
}

TEST_F(Berechnung, FeldYBekommtDenUngerundetenWert) {
  einlisten("f", Polynom{0, 0, 1});
  s.z.felder.name = "f";
  s.z.felder.x = "0,1";
  ausfuehren("wertBerechnen");
  EXPECT_EQ(s.z.felder.y, "0.010000000000000002");
  EXPECT_EQ(s.z.felder.ausgabe, "\n f(0.1) = 0.01 ,     f'(0.1) = 0.2 ,     f''(0.1) = 2.0\n");
}

TEST_F(Berechnung, UnbekannterNameWarntUndGibtNichtsAus) {
  s.z.felder.name = "q";
  for (const char* befehl : {"wertBerechnen", "bestIntegralB", "inhaltEingFlaecheB", "linFakZerlFB"}) {
    s.ui.fragen.clear();
    ausfuehren(befehl);
    ASSERT_EQ(s.ui.fragen.size(), 1u) << befehl;
    EXPECT_EQ(s.ui.fragen[0].meldung,
              "Im Feld <name> ist kein Name eines Polynoms aus der Funktionsliste eingetragen.");
    EXPECT_EQ(s.ui.fragen[0].option, "Gelesen");
  }
  EXPECT_EQ(s.z.felder.ausgabe, "");
  EXPECT_EQ(s.z.protokoll, "");
}

TEST_F(Berechnung, IntegralDerStartfunktion) {
  s.z.felder.name = "akt";
  s.z.felder.x = "0";
  s.z.felder.y = "1";
  ausfuehren("bestIntegralB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "\nakt(x) =  - 2.0 - 2.0x + 2.0x^2\n Das Integral der aktuellen Funktion über [0.0, "
            "1.0] beträgt -2.3333333333333335\n");
  EXPECT_EQ(s.z.felder.hinweis, "");
}

TEST_F(Berechnung, IntegralEinerBenanntenFunktionMitTextImFeld) {
  einlisten("g", Polynom{1});
  s.z.felder.name = "g";
  s.z.felder.x = "unten";  // no number: 0
  s.z.felder.y = "2,5";
  ausfuehren("bestIntegralB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "\ng(x) =  1 \n Das Integral der Funktion g über [0.0, 2.5] beträgt 2.5\n");
}

TEST_F(Berechnung, KeineFlaecheOhneZweiNullstellen) {
  einlisten("g", Polynom{1, 0, 1});
  s.z.felder.name = "g";
  s.z.felder.ausgabe = "vorher";
  ausfuehren("inhaltEingFlaecheB");
  EXPECT_EQ(s.z.felder.hinweis,
            "\n\nDer Graph der Funktion g umschließt keine Fläche gemeinsam mit der x-Achse.");
  EXPECT_EQ(s.z.felder.ausgabe, "vorher");
}

TEST_F(Berechnung, FlaecheDerStartfunktion) {
  s.z.felder.name = "akt";
  ausfuehren("inhaltEingFlaecheB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "\nDer Graph der aktuellen Funktion umschließt gemeinsam mit der x-Achse eine Fläche "
            "vom Inhalt 3.73\n");
}

// --- derivative and antiderivative as new functions ---------------------------------------

TEST_F(Berechnung, AbleitungUnterZufallsnamen) {
  ausfuehren("fErsatzfStrichB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie "
            "einen Zufallsnamen, nämlich a erhalten. ");
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
  ASSERT_NE(gespeichert("a"), nullptr);
  EXPECT_EQ((*gespeichert("a"))->koeff, (Polynom{-2, 4}).koeff);
  EXPECT_EQ((*gespeichert("a"))->name, "a");
  EXPECT_FALSE(s.z.listen.fuNamen.contains("a"));
  EXPECT_EQ(s.z.felder.ausgabe, "akt'(x) = a(x) =  - 2.0 + 4.0x .\n ");
  EXPECT_EQ(s.z.felder.eingabe, " - 2.0 + 4.0x");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie Ableitung der aktuelle Funktion wurde mit dem Namen a in die Funktionsliste "
            "eingefügt.");
}

TEST_F(Berechnung, AbleitungNieUnterAkt) {
  s.z.felder.name = "akt";
  const PolynomRef vorher = s.z.akt;
  ausfuehren("fErsatzfStrichB");
  EXPECT_EQ(gespeichert("akt"), nullptr);
  ASSERT_NE(gespeichert("a"), nullptr);
  EXPECT_EQ(s.z.akt, vorher);
}

TEST_F(Berechnung, AbleitungOhneFreienNamenSpeichertNichts) {
  poolLeeren();
  ausfuehren("fErsatzfStrichB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, keinFreierNameMeldung);
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_EQ(s.z.felder.ausgabe, "");
  EXPECT_EQ(s.z.felder.eingabe, "");
}

TEST_F(Berechnung, AbleitungMitEigenemNamenAuchBeiLeeremPool) {
  poolLeeren();
  s.z.felder.name = "abl";
  ausfuehren("fErsatzfStrichB");
  EXPECT_TRUE(s.ui.fragen.empty());
  EXPECT_NE(gespeichert("abl"), nullptr);
}

TEST_F(Berechnung, StammfunktionMitAnfangsbedingung) {
  s.z.felder.name = "s";
  s.z.felder.x = "0";
  s.z.felder.y = "5";
  ausfuehren("erzStf");
  ASSERT_NE(gespeichert("s"), nullptr);
  const Polynom& F = **gespeichert("s");
  EXPECT_EQ(F.koeff, (Polynom{5, -2, -1, 2.0 / 3.0}).koeff);
  // Stored as it is: no extents, no critical points, no name of its own.
  EXPECT_EQ(F.grenzen, Grenzen{});
  EXPECT_TRUE(F.kritPunkte.empty());
  EXPECT_FALSE(s.z.listen.fuNamen.contains("s"));
  EXPECT_EQ(s.z.felder.hinweis, "\nDie Stammfunktion s wurde in die Liste eingefügt.");
  EXPECT_EQ(s.z.felder.ausgabe,
            "\nDie Stammfunktion s zur aktuellen Funktion akt mit der Gleichung  akt(x) =  - 2.0 "
            "- 2.0x + 2.0x^2 und der Anfangsbedingung s(0.0) = 5.0 hat die Funktionsgleichung\n"
            "  s(x) = 5.0 - 2.0x - x^2 + 0.67x^3\n");
}

TEST_F(Berechnung, StammfunktionErfuelltDieAnfangsbedingung) {
  s.z.felder.name = "s";
  s.z.felder.x = "1,5";
  s.z.felder.y = "-2";
  ausfuehren("erzStf");
  ASSERT_NE(gespeichert("s"), nullptr);
  EXPECT_NEAR((*gespeichert("s"))->wert(1.5), -2.0, 1e-12);
}

TEST_F(Berechnung, StammfunktionVerlangtEinenFreienNamen) {
  einlisten("g", Polynom{1});
  for (const char* name : {"", "akt", "g", "X"}) {
    s.ui.fragen.clear();
    s.z.felder.name = name;
    ausfuehren("erzStf");
    ASSERT_EQ(s.ui.fragen.size(), 1u) << name;
    EXPECT_EQ(s.ui.fragen[0].meldung, "Bitte einen geeigneten Namen wählen!");
  }
  EXPECT_EQ(s.z.listen.fuListe.size(), 1u);
  EXPECT_EQ((*gespeichert("g"))->koeff, Polynom{1}.koeff);
}

TEST_F(Berechnung, StammfunktionVomGrad14WirdAbgelehnt) {
  s.z.akt->koeff[14] = 1;
  s.z.felder.name = "s";
  ausfuehren("erzStf");
  EXPECT_EQ(s.z.felder.hinweis, "\nDie gesuchte Stammfunktion darf höchstens vom Grad 14 sein!");
  EXPECT_EQ(gespeichert("s"), nullptr);
}

// --- division -------------------------------------------------------------------------------

TEST_F(Berechnung, QuotientUndRestWerdenOhneAusdehnungGespeichert) {
  einlisten("f", Polynom{-1, 0, 0, 1});
  einlisten("g", Polynom{-1, 1});
  s.z.felder.x = "f";
  s.z.felder.y = "g";
  ausfuehren("quotientenPolB");
  EXPECT_EQ(s.ui.fragen.size(), 1u);  // the random name a
  EXPECT_EQ(s.ui.fragen[0].meldung, zufallsname);
  ASSERT_NE(gespeichert("a"), nullptr);
  EXPECT_EQ((*gespeichert("a"))->koeff, (Polynom{1, 1, 1}).koeff);
  EXPECT_EQ((*gespeichert("a"))->grenzen, Grenzen{});
  EXPECT_EQ((*gespeichert("a"))->name, "");
  EXPECT_FALSE(s.z.listen.fuNamen.contains("a"));
  EXPECT_EQ(s.z.felder.ausgabe, "\na(x) =  1  + x + x^2\n");
  EXPECT_EQ(s.z.felder.eingabe, " 1  + x + x^2");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDer Quotient von f und g wurde als Funktion a in die Funktionsliste eingetragen.");

  s.z.felder.name = "r";
  ausfuehren("divisionsRestPolB");
  ASSERT_NE(gespeichert("r"), nullptr);
  EXPECT_EQ((*gespeichert("r"))->grad2(), -1);
  EXPECT_EQ(s.z.felder.ausgabe, "\na(x) =  1  + x + x^2\n\nr(x) =  0 \n");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDer Rest bei Division von f und g wurde als Funktion r in die Funktionsliste "
            "eingetragen.");
}

TEST_F(Berechnung, DivisionBrauchtZweiGespeicherteFunktionen) {
  einlisten("f", Polynom{1, 1});
  s.z.felder.x = "f";
  s.z.felder.y = "akt";  // the current function is not a stored one
  for (const char* befehl : {"quotientenPolB", "divisionsRestPolB"}) {
    s.ui.fragen.clear();
    ausfuehren(befehl);
    ASSERT_EQ(s.ui.fragen.size(), 1u);
    EXPECT_EQ(s.ui.fragen[0].meldung,
              "In den Feldern <x> und <y> müssen zur Ausführung der Quotienenberechnung die Namen "
              "existierender Polynome eingetragen sein. ");
    EXPECT_EQ(s.ui.fragen[0].option, "Gelesen");
  }
  s.ui.fragen.clear();
  ausfuehren("ggTB");
  EXPECT_EQ(s.ui.fragen.at(0).meldung,
            "In den Feldern <x> und <y> müssen zur Ausführung der ggT-Berechnung die Namen "
            "existierender Polynome eingetragen sein.");
  EXPECT_EQ(s.z.listen.fuListe.size(), 1u);
}

TEST_F(Berechnung, NullpolynomAlsZweiterOperand) {
  einlisten("f", Polynom{1, 1});
  einlisten("n", Polynom{});
  s.z.felder.x = "f";
  s.z.felder.y = "n";
  ausfuehren("quotientenPolB");
  EXPECT_EQ(s.ui.fragen.at(0).meldung, "Division durch das Nullpolynom n ist nicht möglich.");
  s.ui.fragen.clear();
  ausfuehren("ggTB");
  EXPECT_EQ(s.ui.fragen.at(0).meldung, "Alle Polynome sind Teiler der Nullpolynome  f und n.");
  EXPECT_EQ(s.z.listen.fuListe.size(), 2u);
}

TEST_F(Berechnung, GgTWirdGespeichert) {
  einlisten("f", Polynom{-1, 0, 1});
  einlisten("g", Polynom{1, 2, 1});
  s.z.felder.x = "f";
  s.z.felder.y = "g";
  s.z.felder.name = "t";
  ausfuehren("ggTB");
  ASSERT_NE(gespeichert("t"), nullptr);
  EXPECT_EQ((*gespeichert("t"))->koeff, (Polynom{1, 1}).koeff);
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDer größte gemeinsam Teiler von f und g wurde als Funktion t in die "
            "Funktionsliste eingetragen.");
  EXPECT_EQ(s.z.felder.ausgabe, "\nt(x) =  1  + x\n");
}

TEST_F(Berechnung, DivisionOhneFreienNamenSpeichertNichts) {
  einlisten("f", Polynom{1, 1});
  einlisten("g", Polynom{1});
  poolLeeren();
  s.z.felder.x = "f";
  s.z.felder.y = "g";
  s.z.felder.name = "akt";
  ausfuehren("quotientenPolB");
  EXPECT_EQ(s.ui.fragen.at(0).meldung, keinFreierNameMeldung);
  EXPECT_EQ(s.z.listen.fuListe.size(), 2u);
  EXPECT_EQ(s.z.felder.ausgabe, "");
}

TEST_F(Berechnung, LinearfaktorenOhneReelleNullstellen) {
  *s.z.akt = Polynom{1, 0, 1};
  ausfuehren("linFakZerlB");
  EXPECT_EQ(s.z.felder.ausgabe, "\n akt(x) = (  1  + x^2 )\n");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie Linarfaktorzerlegung von akt wurde im Ausgabefenster eingetragen.");
}

TEST_F(Berechnung, LinearfaktorenDerStartfunktion) {
  ausfuehren("linFakZerlB");
  EXPECT_EQ(s.z.felder.ausgabe, "\n akt(x) = 2.0 (x + 0.62)(x - 1.62)\n");
}

// --- shifts and mirrors ----------------------------------------------------------------------

TEST_F(Berechnung, VerschiebungMitBemerkung) {
  s.z.felder.name = "g";
  s.z.felder.x = "1";
  s.z.felder.y = "2";
  ausfuehren("verschiebeB");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDas aktuelle Polynom wurde um den Vektor <1.0;2.0> zum Polynom g verschoben.");
  EXPECT_EQ(s.z.felder.ausgabe, "\ng(x) = 4.0 - 6.0x + 2.0x^2\n");
  EXPECT_EQ(s.z.felder.eingabe, "4.0 - 6.0x + 2.0x^2");
  ASSERT_NE(gespeichert("g"), nullptr);
  EXPECT_EQ((*gespeichert("g"))->name, "g");
  EXPECT_FALSE(s.z.listen.fuNamen.contains("g"));
}

TEST_F(Berechnung, BlankUmDenNamenZaehltNicht) {
  s.z.felder.name = " g ";
  ausfuehren("spiegeleVerB");
  EXPECT_TRUE(s.ui.fragen.empty());
  EXPECT_NE(gespeichert("g"), nullptr);
}

TEST_F(Berechnung, SpiegelungenNieUnterAkt) {
  s.z.felder.name = "akt";
  s.z.felder.x = "1";
  s.z.felder.y = "1";
  const Koeffizienten vorher = s.z.akt->koeff;
  ausfuehren("spiegeleHorB");
  ausfuehren("spiegeleVerB");
  ausfuehren("spiegeleAmPunktB");
  EXPECT_EQ(s.z.akt->koeff, vorher);
  EXPECT_EQ(gespeichert("akt"), nullptr);
  EXPECT_EQ(s.z.felder.ausgabe,
            "\na(x) = 4.0 + 2.0x - 2.0x^2\n\nb(x) = 2.0 - 6.0x + 2.0x^2\n\nc(x) = 6.0x - 2.0x^2\n");
  EXPECT_EQ(s.ui.fragen.size(), 3u);
}

TEST_F(Berechnung, VerschiebungOhneFreienNamenSpeichertNichts) {
  poolLeeren();
  ausfuehren("verschiebeB");
  EXPECT_EQ(s.ui.fragen.at(0).meldung, keinFreierNameMeldung);
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_EQ(s.z.felder.hinweis.find("verschoben"), std::string::npos);
}

TEST_F(Berechnung, GespeicherteStammfunktionNimmtIhrenNamenAusDemPool) {
  // The antiderivative stored under a it must not be handed out again and overwritten.
  s.z.felder.name = "a";
  ausfuehren("erzStf");
  s.z.felder.name = "";
  ausfuehren("verschiebeB");
  EXPECT_EQ((*gespeichert("a"))->koeff, (Polynom{0, -2, -1, 2.0 / 3.0}).koeff);
  EXPECT_NE(gespeichert("b"), nullptr);
}

}  // namespace
}  // namespace quarvel
