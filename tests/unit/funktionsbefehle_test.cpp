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

void befehl(TestSitzung& s, const std::string& name, const std::string& feld = "") {
  s.z.felder.name = feld;
  ASSERT_TRUE(fuehreAus(s.z, name));
}

TEST(EinlistB, SpeichertEineKopieVonAkt) {
  TestSitzung s;
  befehl(s, "einlistB", "g");
  ASSERT_TRUE(s.z.listen.fuExistiert("g"));
  const PolynomRef g = s.z.listen.fuListe.at("g");
  EXPECT_NE(g, s.z.akt);
  EXPECT_EQ(g->koeff, s.z.akt->koeff);
  EXPECT_EQ(s.z.felder.hinweis, "\ng wurde in die Liste eingefügt.");
  EXPECT_EQ(s.z.felder.ausgabe, "g(x) =  - 2.0 - 2.0x + 2.0x^2\n");
}

TEST(AktuelleFunktionEinlistB, SpeichertAktSelbst) {
  TestSitzung s;
  befehl(s, "aktuelleFunktionEinlistB", "g");
  EXPECT_EQ(s.z.listen.fuListe.at("g"), s.z.akt);
  EXPECT_EQ(s.z.akt->name, "g");
}

TEST(EinlistB, NameMitXBekommtEinenZufallsnamen) {
  TestSitzung s;
  befehl(s, "einlistB", "fx");
  EXPECT_TRUE(s.z.listen.fuExistiert("a"));
  EXPECT_EQ(s.z.felder.name, "a");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nDie aktuelle Funktion wurde unter dem Namen a in die Funktionsliste eingefügt.");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Da kein zulässiger Name für die Funktion angegeben wurde, hat sie einen Zufallsnamen, "
            "nämlich a erhalten. ");
}

TEST(EinlistB, AktIstKeinName) {
  TestSitzung s;
  befehl(s, "einlistB", "akt");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_EQ(s.z.felder.name, "");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "akt ist kein verfügbarer Funktionsname. ");
}

TEST(EinlistB, FragtVorDemUeberschreiben) {
  TestSitzung s;
  lies(s, "g", "x");
  s.ui.antworten.push_back("g nicht Ersetzen.");
  befehl(s, "einlistB", "g");
  EXPECT_EQ(s.z.listen.fuListe.at("g")->koeff, koeffizienten({0, 1}));
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Es gibt in der Liste bereits eine Funktion namens g");
  EXPECT_EQ(s.ui.fragen[0].option, "Überschreiben");
  EXPECT_EQ(s.ui.fragen[0].option2, "g nicht Ersetzen.");

  befehl(s, "einlistB", "g");
  EXPECT_EQ(s.z.listen.fuListe.at("g")->koeff, s.z.akt->koeff);
  EXPECT_EQ(s.z.felder.hinweis, "\ng wurde durch die gleichnamige aktuelle Funktion ersetzt .");
  EXPECT_EQ(s.z.felder.ausgabe, "g(x) = x\n\nNeu: g(x) =  - 2.0 - 2.0x + 2.0x^2\n");
}

TEST(EinlistB, LeererVorratSpeichertNichts) {
  TestSitzung s;
  s.z.listen.fuNamen.clear();
  befehl(s, "einlistB", "");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
}

TEST(IstAktuellB, MachtDieGespeicherteFunktionAktuell) {
  TestSitzung s;
  lies(s, "g", "x^2");
  befehl(s, "istAktuellB", "g");
  EXPECT_EQ(s.z.akt, s.z.listen.fuListe.at("g"));
  EXPECT_EQ(s.z.felder.eingabe, "x^2");
  EXPECT_EQ(s.z.felder.name, "");
  EXPECT_EQ(s.z.felder.hinweis, "\nAls aktuelle Funktion wurde aus der Funktionsliste g ausgewählt");
  EXPECT_EQ(s.z.felder.ausgabe,
            "g(x) = x^2\n\nDie aktuelle Funktion hat (nun) die Gleichung \nakt(x) = x^2\n ");
}

TEST(IstAktuellB, AktZeigtNurDenTerm) {
  TestSitzung s;
  befehl(s, "istAktuellB", "akt");
  EXPECT_EQ(s.z.felder.eingabe, " - 2.0 - 2.0x + 2.0x^2");
  EXPECT_EQ(s.z.felder.ausgabe, "");
}

TEST(IstAktuellB, LeererOderUnbekannterName) {
  TestSitzung s;
  befehl(s, "istAktuellB", "");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung,
            "Bitte den Namen der gewünschten Funktion aus der Liste im Namensfeld eintragen.");
  EXPECT_EQ(s.ui.fragen[0].option, "Hab ich gelesen");
  befehl(s, "istAktuellB", "q");
  EXPECT_EQ(s.z.felder.hinweis, "\nEs gibt in der Liste kein Polynom q.");
}

TEST(AuslistB, LoeschtUndBerichtetJedenNamen) {
  TestSitzung s;
  lies(s, "g", "x^2");
  befehl(s, "auslistB", "f, g,h");
  EXPECT_FALSE(s.z.listen.fuExistiert("g"));
  EXPECT_EQ(s.z.felder.hinweis,
            "\nKeine Funktion namens f in der Liste.\ng wurde aus der Funktions-Liste entfernt.\n"
            "Keine Funktion namens h in der Liste.\n");
  EXPECT_EQ(s.z.felder.name, "");
  EXPECT_TRUE(s.z.listen.fuNamen.contains("g"));
  EXPECT_EQ(s.z.listen.backupf, std::vector<std::string>{"x^2"});
}

TEST(AuslistB, LeeresFeldFragtNachDenNamen) {
  TestSitzung s;
  for (const char* feld : {"", " , "}) {
    befehl(s, "auslistB", feld);
  }
  ASSERT_EQ(s.ui.fragen.size(), 2u);
  EXPECT_EQ(s.ui.fragen[1].meldung,
            "Bitte den (oder die) Namen der aus der Liste zu löschenden Funktion(en) im Feld "
            "'Name' eintragen.");
  EXPECT_EQ(s.ui.fragen[1].option, "gerne");
}

TEST(AuslistB, LoeschtAuchSplines) {
  TestSitzung s;
  auto spline = std::make_shared<Spline>();
  spline->name = "s";
  s.z.listen.spListe["s"] = spline;
  s.z.listen.fuNamen.erase("s");
  befehl(s, "auslistB", "s");
  EXPECT_TRUE(s.z.listen.spListe.empty());
  EXPECT_TRUE(s.z.listen.fuNamen.contains("s"));
  EXPECT_EQ(s.z.felder.hinweis, "\ns wurde aus der Funktions-Liste entfernt.\n");
}

// Longer names go out of the list but never into the pool of one-letter names.
TEST(AuslistB, MehrbuchstabigeNamenKommenNichtInDenVorrat) {
  TestSitzung s;
  s.z.felder.eingabe = "x";
  befehl(s, "einlistB", "abc");
  befehl(s, "auslistB", "abc");
  EXPECT_FALSE(s.z.listen.fuExistiert("abc"));
  EXPECT_EQ(s.z.listen.fuNamen, startFunktionsnamen());
}

TEST(FktnListeLoeschB, FragtUndLoeschtAlles) {
  TestSitzung s;
  lies(s, "", "x");
  lies(s, "g", "x^2");
  s.ui.fragen.clear();
  befehl(s, "fktnListeLoeschB");
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Wirklich die Polynomliste (Polynom-Anzahl beträgt 2) Löschen?");
  EXPECT_EQ(s.ui.fragen[0].option, "Ja, weg damit");
  EXPECT_EQ(s.ui.fragen[0].option2, " Lieber doch nicht");
  EXPECT_TRUE(s.z.listen.fuListe.empty());
  EXPECT_EQ(s.z.listen.fuNamen, startFunktionsnamen());
  EXPECT_EQ(s.z.felder.hinweis, "\nDie gesamte Polynomliste wurde gelöscht.");
  EXPECT_EQ(s.z.felder.ausgabe, "Alle Polynome (Anzahl: 2) wurden aus der Funktionsliste entfernt.\n");

  befehl(s, "fktnListeLoeschB");
  EXPECT_EQ(s.ui.fragen.back().meldung, "Die Liste der Polynome ist bereits leer.");
}

TEST(FktnListeLoeschB, LieberDochNicht) {
  TestSitzung s;
  lies(s, "g", "x^2");
  s.ui.antworten.push_back(" Lieber doch nicht");
  befehl(s, "fktnListeLoeschB");
  EXPECT_TRUE(s.z.listen.fuExistiert("g"));
}

TEST(ZeigeGelFunktionenB, ZeigtGeloeschteFunktionen) {
  TestSitzung s;
  befehl(s, "zeigeGelFunktionenB");
  EXPECT_EQ(s.z.felder.hinweis,
            "\nBisher wurde noch kein Polynom in die Liste aufgenommen und dann gelöscht.");
  lies(s, "g", "x^2");
  befehl(s, "auslistB", "g");
  befehl(s, "zeigeGelFunktionenB");
  EXPECT_EQ(s.z.felder.hinweis, "\nDie gelöschten Polynome werden im Ausgabefenster dargestellt.");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Liste der gelöschten Funktionen \n\ny = x^2 \n\nDie aktuelle Funktion hat den "
            "Funktionsterm \n y =  - 2.0 - 2.0x + 2.0x^2\n");
}

TEST(AlleFuAnzeigB, ZeigtAktListeUndSplines) {
  TestSitzung s;
  befehl(s, "alleFuAnzeigB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Die aktuelle Funktion hat die Gleichung\nakt(x) =  - 2.0 - 2.0x + 2.0x^2\n\n"
            "Die Polynomliste ist leer.\n\nDie Splineliste ist leer.\n\n\n");
  EXPECT_EQ(s.z.felder.hinweis, "\nDie Funktionsliste wird im Ausgabefenster angezeigt.");
  lies(s, "g", "x^2");
  befehl(s, "macheFUnsichtbarB", "g");
  auto spline = std::make_shared<Spline>();
  spline->color = Farbe::rot;
  s.z.listen.spListe["s"] = spline;
  befehl(s, "alleFuAnzeigB");
  EXPECT_EQ(s.z.felder.ausgabe,
            "Die aktuelle Funktion hat die Gleichung\nakt(x) =  - 2.0 - 2.0x + 2.0x^2\n\n"
            "Liste der mit Namen gespeicherten Funktionen \n\ng(x) = x^2 (unsichtbar) \n\n\n"
            "Liste der gespeicherten Spline-Funktionen \n\ns (rot) \n\n\n\n\n");
}

TEST(Sichtbarkeit, FunktionenUndSplines) {
  TestSitzung s;
  lies(s, "g", "x^2");
  befehl(s, "macheFUnsichtbarB", "g");
  EXPECT_FALSE(s.z.listen.fuListe.at("g")->sichtbar);
  EXPECT_EQ(s.z.felder.hinweis, "\nDer Graph von g ist jetzt unsichtbar.");
  befehl(s, "macheFsichtbarB", "g");
  EXPECT_TRUE(s.z.listen.fuListe.at("g")->sichtbar);
  EXPECT_EQ(s.z.felder.hinweis, "\nDer Graph von g ist jetzt sichtbar.");

  s.z.listen.spListe["s"] = std::make_shared<Spline>();
  befehl(s, "macheFUnsichtbarB", "s");
  EXPECT_FALSE(s.z.listen.spListe.at("s")->sichtbar);
  EXPECT_EQ(s.ui.pieptoene, 0);

  befehl(s, "macheFsichtbarB", "q");
  EXPECT_EQ(s.ui.pieptoene, 1);
  EXPECT_EQ(s.z.felder.hinweis, "\nMit dem Namen q gibt es keine Funktion in der Liste.");
}

struct Farbfall {
  const char* befehl;
  Farbe farbe;
};

class Farbbefehl : public testing::TestWithParam<Farbfall> {};

TEST_P(Farbbefehl, FaerbtFunktionUndSpline) {
  TestSitzung s;
  lies(s, "g", "x^2");
  s.z.listen.spListe["s"] = std::make_shared<Spline>();
  s.z.felder.hinweis.clear();
  befehl(s, GetParam().befehl, "g");
  befehl(s, GetParam().befehl, "s");
  EXPECT_EQ(s.z.listen.fuListe.at("g")->color, GetParam().farbe);
  EXPECT_EQ(s.z.listen.spListe.at("s")->color, GetParam().farbe);
  EXPECT_EQ(s.z.felder.hinweis, "");
  EXPECT_EQ(s.ui.pieptoene, 0);

  befehl(s, GetParam().befehl, "q");
  EXPECT_EQ(s.ui.pieptoene, 1);
  ASSERT_EQ(s.ui.fragen.size(), 1u);
  EXPECT_EQ(s.ui.fragen[0].meldung, "Die Liste der Funktionen enthält keine mit Namen q . ");
  EXPECT_EQ(s.ui.fragen[0].option, "ok");
}

INSTANTIATE_TEST_SUITE_P(Funktionsbefehle, Farbbefehl,
                         testing::Values(Farbfall{"farbeRot", Farbe::rot},
                                         Farbfall{"farbeGruen", Farbe::gruen},
                                         Farbfall{"farbeBlau", Farbe::blau},
                                         Farbfall{"farbeBraun", Farbe::braun},
                                         Farbfall{"farbeSchwarz", Farbe::schwarz},
                                         Farbfall{"farbeOrange", Farbe::orange}),
                         [](const testing::TestParamInfo<Farbfall>& fall) {
                           return std::string(fall.param.befehl);
                         });

TEST(Poly2Eingabe, SchreibtDenTermInsEingabefeld) {
  TestSitzung s;
  poly2Eingabe(s.z, Polynom{1.0, 0.0, -3.0});
  EXPECT_EQ(s.z.felder.eingabe, " 1  - 3.0x^2");
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
