#include <gtest/gtest.h>

#include "app/befehle.h"
#include "app/funktionsbefehle.h"
#include "testoberflaeche.h"

namespace quarvel {
namespace {

using test::TestSitzung;

Koeffizienten koeffizienten(std::vector<double> werte) {
  Koeffizienten k{};
  for (std::size_t i = 0; i < werte.size(); ++i) k[i] = werte[i];
  return k;
}

void lies(TestSitzung& s, const std::string& name, const std::string& term) {
  s.z.felder.name = name;
  s.z.felder.eingabe = term;
  ASSERT_TRUE(fuehreAus(s.z, "liesTermB"));
}

TEST(LiesTermB, SpeichertUnterDemGenanntenNamen) {
  TestSitzung s;
  lies(s, "f", "x");
  lies(s, "g", "3x^2-2(x+1)^2+f");
  ASSERT_TRUE(s.z.listen.fuExistiert("g"));
  const PolynomRef g = s.z.listen.fuListe.at("g");
  EXPECT_EQ(g->koeff, koeffizienten({-2, -3, 1}));
  EXPECT_EQ(g->name, "g");
  EXPECT_EQ(s.z.grafTarget, g);
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie zum Eingabeterm 3x^2-2(x+1)^2+f gehörende Funktion wurde als g in die "
            "Polynomliste eingetragen.\n");
  EXPECT_EQ(s.z.felder.ausgabe, "g(x) =  - 2.0 - 3.0x + x^2\n");
  EXPECT_EQ(s.z.protokoll, "f(x) = x\ng(x) =  - 2.0 - 3.0x + x^2\n");
  EXPECT_FALSE(s.z.listen.fuNamen.contains("g"));
  EXPECT_TRUE(s.ui.fragen.empty());
}

TEST(LiesTermB, OhneNamenGibtEsEinenZufallsnamen) {
  TestSitzung s;
  lies(s, "", "-x^2");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Da kein zulässiger und noch freier Name für die Funktion angegeben wurde, hat sie den "
            "Zufallsnamen a erhalten. ");
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
  EXPECT_EQ(s.z.felder.name, "a");
  ASSERT_TRUE(s.z.listen.fuExistiert("a"));
  EXPECT_EQ(s.z.listen.fuListe.at("a")->koeff, koeffizienten({0, 0, -1}));
  EXPECT_FALSE(s.z.listen.fuNamen.contains("a"));
}

TEST(LiesTermB, BelegterNameWirdDurchZufallsnamenErsetzt) {
  TestSitzung s;
  lies(s, "f", "x");
  lies(s, "f", "x^2");
  EXPECT_EQ(s.z.felder.name, "a");
  EXPECT_EQ(s.z.listen.fuListe.at("f")->koeff, koeffizienten({0, 1}));
  EXPECT_EQ(s.z.listen.fuListe.at("a")->koeff, koeffizienten({0, 0, 1}));
}

TEST(LiesTermB, AktWirdNachRueckfrageUeberschrieben) {
  TestSitzung s;
  lies(s, "akt", "x+1");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Soll die aktuelle Funktion wirklich mit dem neuen Term überschreiben werden?");
  EXPECT_EQ(s.ui.fragen[0].option, "Ja, überschreiben");
  EXPECT_EQ(s.ui.fragen[0].option2, "Abbruch");
  EXPECT_EQ(s.z.akt->koeff, koeffizienten({1, 1}));
  EXPECT_EQ(s.z.grafTarget, s.z.akt);
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie zum Eingabeterm x+1 gehörende Funktion wurde als neue aktuelle Funtion "
            "eingetragen.\n");
  EXPECT_EQ(s.z.felder.ausgabe, "akt(x) =  1  + x\n");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
}

TEST(LiesTermB, AbbruchLaesstAktStehen) {
  TestSitzung s;
  const PolynomRef vorher = s.z.akt;
  s.ui.antworten.push_back("Abbruch");
  lies(s, "akt", "x+1");
  EXPECT_EQ(s.z.akt, vorher);
  EXPECT_EQ(s.z.akt->koeff, koeffizienten({-2, -2, 2}));
  EXPECT_EQ(s.z.protokoll, "");
}

TEST(LiesTermB, FehlerhafterTermAendertNichtsUndPiept) {
  TestSitzung s;
  lies(s, "f", "x");
  const std::string protokoll = s.z.protokoll;
  lies(s, "g", "(x+1))(");
  EXPECT_EQ(s.z.felder.hinweis, "\nKlammerfehler, - bitte Eingabe korrigieren");
  EXPECT_EQ(s.z.felder.ausgabe, "\n");
  EXPECT_EQ(s.ui.pieptoene, 1);
  EXPECT_FALSE(s.z.listen.fuExistiert("g"));
  EXPECT_EQ(s.z.protokoll, protokoll + "\n");
}

TEST(LiesTermB, GradueberschreitungErscheintImAusgabefenster) {
  TestSitzung s;
  lies(s, "g", "x^8*x^8");
  EXPECT_EQ(s.z.felder.hinweis, "\nTerm in dieser Form nicht zu verarbeiten!");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Maximalgrad  wurde überschritten, bitte Eingabe-Term korrigieren!\n");
  EXPECT_EQ(s.z.testString, "");
  EXPECT_EQ(s.ui.pieptoene, 1);
}

TEST(LiesTermB, ZufallsnameKehrtBeiFehlerInDenVorratZurueck) {
  TestSitzung s;
  const Namenspool vorher = s.z.listen.fuNamen;
  lies(s, "", "1/3x");
  EXPECT_EQ(s.z.listen.fuNamen, vorher);
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  lies(s, "", "x");
  EXPECT_TRUE(s.z.listen.fuExistiert("a"));
}

TEST(LiesTermB, LeererVorratSpeichertNichts) {
  TestSitzung s;
  s.z.listen.fuNamen.clear();
  lies(s, "", "x");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Es ist kein Funktionsname mehr frei. Bitte einen zulässigen, noch freien Namen in das "
            "Feld 'Name' eintragen oder Funktionen aus der Liste löschen.");
  // A free name typed by the user still works.
  lies(s, "g", "x");
  EXPECT_TRUE(s.z.listen.fuExistiert("g"));
}

TEST(LiesTermB, NamensfeldOhneRandLeerzeichen) {
  TestSitzung s;
  lies(s, " g ", "x");
  EXPECT_TRUE(s.z.listen.fuExistiert("g"));
  EXPECT_EQ(s.z.felder.name, "g");
}

TEST(Neustart, GibtAlleNamenZurueck) {
  TestSitzung s;
  lies(s, "", "x");
  lies(s, "", "x^2");
  lies(s, "g", "x^3");
  s.ui.antworten.push_back("Ja, Neustart");
  ASSERT_TRUE(fuehreAus(s.z, "neuB"));
  EXPECT_EQ(s.z.listen.fuNamen, startFunktionsnamen());
  EXPECT_EQ(s.z.listen.punktNamen, startPunktnamen());
  EXPECT_TRUE(s.z.listen.fuListe.empty());
}

}  // namespace
}  // namespace quarvel
