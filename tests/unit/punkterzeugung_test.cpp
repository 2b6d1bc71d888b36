#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "model/objektlisten.h"
#include "points/punkterzeugung.h"

namespace quarvel {
namespace {

const std::string gescheitertW = "Fehlerhafte Anzahlangabe im Feld w\n";
const std::string gescheitertX = "Fehlerhafte Anzahlangabe im Feld x\n";
const std::string keinPolynom = "Im Feld z ist kein Name eines existierenden Polynoms eingetragen.\n";
const std::string keinBuchstabe =
    "Der Punktname darf nur aus einen einzigen (Groß-)Buchstaben bestehen.\n";
const std::string keinIntervall = "x und y müssen Zahlen sein mit x < y.";

bool istHundertstel(double v) { return std::abs(v * 100 - std::round(v * 100)) < 1e-6; }

Objektlisten mitParabel() {
  Objektlisten listen;
  Polynom parabel;
  parabel.koeff[2] = 1;
  listen.fuListe["f"] = teile(parabel);
  return listen;
}

void speichere(Objektlisten& listen, const std::string& name) {
  Punkt p{0, 0, 0, 0};
  p.name = name;
  listen.pktListe[name] = teile(p);
}

// --- points on a function ---

TEST(PunkteAufF, VierPunkteTeilenDasIntervallInFuenfTeile) {
  const Objektlisten listen = mitParabel();
  ASSERT_TRUE(testPunkteAufF(listen.fuListe, "0.0", "10.0", "f", "4", "A").ok);
  const std::vector<Punkt> punkte = genPunkteAufF(listen, "0.0", "10.0", "f", "4", "A");
  ASSERT_EQ(punkte.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const double x = 2.0 * static_cast<double>(i + 1);
    EXPECT_EQ(punkte[i].name, "A" + std::to_string(i + 1));
    EXPECT_DOUBLE_EQ(punkte[i].x(), x);
    EXPECT_DOUBLE_EQ(punkte[i].y(), x * x);
    EXPECT_EQ(punkte[i].ko[2], 0.0);
    EXPECT_EQ(punkte[i].ko[3], 0.0);
    EXPECT_EQ(punkte[i].valid, (std::array<bool, 3>{true, false, false}));
    EXPECT_TRUE(punkte[i].aktiv);
  }
  EXPECT_EQ(namensliste(punkte), R"(["A1", "A2", "A3", "A4"])");
}

TEST(PunkteAufF, NummerierungFuelltLuecken) {
  Objektlisten listen = mitParabel();
  speichere(listen, "A2");
  speichere(listen, "A");
  const auto punkte = genPunkteAufF(listen, "-1.0", "1.0", "f", "3", "A");
  EXPECT_EQ(namensliste(punkte), R"(["A1", "A3", "A4"])");
}

struct Pruefungsfall {
  const char* titel;
  const char* w;
  const char* z;
  const char* name;
  const char* links;
  const char* rechts;
  std::string meldung;
};

class PunkteAufFTest : public testing::TestWithParam<Pruefungsfall> {};

TEST_P(PunkteAufFTest, SammeltAlleBeanstandungen) {
  const Pruefungsfall& f = GetParam();
  const Objektlisten listen = mitParabel();
  const Erzeugungspruefung p = testPunkteAufF(listen.fuListe, f.links, f.rechts, f.z, f.w, f.name);
  EXPECT_EQ(p.ok, f.meldung.empty());
  EXPECT_EQ(p.meldung, f.meldung);
}

const std::string zuVieleW = "Die Anzahl im Feld w ist zu groß: höchstens 10000 Punkte auf einmal.\n";

INSTANTIATE_TEST_SUITE_P(
    Eingaben, PunkteAufFTest,
    testing::Values(
        Pruefungsfall{"Gut", "3", "f", "B", "-4.0", "4.0", ""},
        Pruefungsfall{"GutHoechstzahl", "10000", "f", "B", "-4.0", "4.0", ""},
        Pruefungsfall{"Null", "0", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"Negativ", "-3", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"Bruch", "2.5", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"Leer", "", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"Leerzeichen", " 3", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"Ueberlauf", "99999999999999999999", "f", "B", "-4.0", "4.0", gescheitertW},
        Pruefungsfall{"ZuViele", "10001", "f", "B", "-4.0", "4.0", zuVieleW},
        Pruefungsfall{"KeineFunktion", "3", "g", "B", "-4.0", "4.0", keinPolynom},
        Pruefungsfall{"AktIstNichtGespeichert", "3", "akt", "B", "-4.0", "4.0", keinPolynom},
        Pruefungsfall{"ZweiBuchstaben", "3", "f", "AB", "-4.0", "4.0", keinBuchstabe},
        Pruefungsfall{"Kleinbuchstabe", "3", "f", "a", "-4.0", "4.0", keinBuchstabe},
        Pruefungsfall{"KeinName", "3", "f", "", "-4.0", "4.0", keinBuchstabe},
        Pruefungsfall{"Umlaut", "3", "f", "Ä", "-4.0", "4.0", keinBuchstabe},
        Pruefungsfall{"GrenzenVertauscht", "3", "f", "B", "4.0", "-4.0", keinIntervall},
        Pruefungsfall{"GrenzenGleich", "3", "f", "B", "4.0", "4.0", keinIntervall},
        Pruefungsfall{"Alles", "x", "", "ab", "1", "", gescheitertW + keinPolynom + keinBuchstabe +
                                                          keinIntervall}),
    [](const testing::TestParamInfo<Pruefungsfall>& fall) { return std::string(fall.param.titel); });

// --- random points ---

const Grenzen fensterA{-5, 5, -3, 3};

TEST(Zufallspunkte, AufDemRasterImFensterVonLinksNachRechts) {
  std::mt19937 zufall(7);
  const auto punkte = genZufallsPunkte({}, "200", "R", fensterA, zufall);
  ASSERT_EQ(punkte.size(), 200u);
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const Punkt& p = punkte[i];
    EXPECT_EQ(p.name, "R" + std::to_string(i + 1));
    EXPECT_TRUE(istHundertstel(p.x())) << p.x();
    EXPECT_TRUE(istHundertstel(p.y())) << p.y();
    EXPECT_GE(p.x(), -5.0);
    EXPECT_LT(p.x(), 5.0);
    EXPECT_GE(p.y(), -3.0);
    EXPECT_LT(p.y(), 3.0);
    EXPECT_EQ(p.valid, (std::array<bool, 3>{true, false, false}));
    if (i > 0) {
      EXPECT_LT(punkte[i - 1].x(), p.x());
    }
  }
}

TEST(Zufallspunkte, GleicherStartwertGleichePunkte) {
  std::mt19937 a(3), b(3);
  const auto erste = genZufallsPunkte({}, "5", "R", fensterA, a);
  const auto zweite = genZufallsPunkte({}, "5", "R", fensterA, b);
  for (std::size_t i = 0; i < erste.size(); ++i) EXPECT_EQ(erste[i].ko, zweite[i].ko);
}

TEST(Zufallspunkte, JederRasterwertGenauEinmal) {
  // As many points as the window has grid values: every x value is taken once.
  std::mt19937 zufall(1);
  const Grenzen schmal{0.29, 0.58, 0, 1};
  ASSERT_EQ(rasterwerte(0.29, 0.58), 29u);
  ASSERT_TRUE(testZufallsPunkte("29", "S", schmal).ok);
  const auto punkte = genZufallsPunkte({}, "29", "S", schmal, zufall);
  ASSERT_EQ(punkte.size(), 29u);
  EXPECT_DOUBLE_EQ(punkte.front().x(), 0.29);
  EXPECT_DOUBLE_EQ(punkte.back().x(), 0.57);
}

TEST(Zufallspunkte, NummerierungFuelltLuecken) {
  Objektlisten listen;
  speichere(listen, "A2");
  std::mt19937 zufall(1);
  EXPECT_EQ(namensliste(genZufallsPunkte(listen.pktListe, "3", "A", fensterA, zufall)),
            R"(["A1", "A3", "A4"])");
}

TEST(Zufallszahl, RasterDerHundertstel) {
  std::mt19937 zufall(1);
  EXPECT_EQ(zufallsZahlImIntervall(2, 2, zufall), 2.0);
  // Narrower than one step: the lower bound.
  EXPECT_EQ(zufallsZahlImIntervall(1.5, 1.505, zufall), 1.5);
  std::set<double> gesehen;
  for (int i = 0; i < 2000; ++i) {
    const double v = zufallsZahlImIntervall(-0.1, 0.1, zufall);
    EXPECT_TRUE(istHundertstel(v));
    EXPECT_GE(v, -0.1);
    EXPECT_LT(v, 0.1);
    gesehen.insert(v);
  }
  EXPECT_EQ(gesehen.size(), 20u);
}

TEST(Zufallszahl, Rasterwerte) {
  EXPECT_EQ(rasterwerte(-4, 4), 800u);
  EXPECT_EQ(rasterwerte(2, 2), 1u);
  EXPECT_EQ(rasterwerte(0, 0.005), 1u);
  EXPECT_EQ(rasterwerte(-1.1, 1.3), 240u);
}

const std::string zuVieleX = "Die Anzahl im Feld x ist zu groß: höchstens 10000 Punkte auf einmal.\n";
const std::string fensterZuGross =
    "Das sichtbare Fenster ist zu groß für Zufallspunkte im Raster von 0.01.\n";

struct Zufallsfall {
  const char* titel;
  const char* w;
  const char* name;
  Grenzen fenster;
  std::string meldung;
};

class ZufallsTest : public testing::TestWithParam<Zufallsfall> {};

TEST_P(ZufallsTest, SammeltAlleBeanstandungen) {
  const Zufallsfall& f = GetParam();
  const Erzeugungspruefung p = testZufallsPunkte(f.w, f.name, f.fenster);
  EXPECT_EQ(p.ok, f.meldung.empty());
  EXPECT_EQ(p.meldung, f.meldung);
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, ZufallsTest,
    testing::Values(
        Zufallsfall{"Gut", "10", "Z", fensterA, ""},
        Zufallsfall{"AlleRasterwerte", "1000", "Z", fensterA, ""},
        Zufallsfall{"Null", "0", "Z", fensterA, gescheitertX},
        Zufallsfall{"Negativ", "-3", "Z", fensterA, gescheitertX},
        Zufallsfall{"Bruch", "2.5", "Z", fensterA, gescheitertX},
        Zufallsfall{"Leer", "", "Z", fensterA, gescheitertX},
        Zufallsfall{"ZweiBuchstaben", "3", "AB", fensterA, keinBuchstabe},
        Zufallsfall{"Kleinbuchstabe", "3", "a", fensterA, keinBuchstabe},
        Zufallsfall{"KeinName", "3", "", fensterA, keinBuchstabe},
        Zufallsfall{"BeidesFalsch", "0", "", fensterA, gescheitertX + keinBuchstabe},
        // Drawing different x values could never finish.
        Zufallsfall{"MehrAlsRasterwerte", "1001", "Z", fensterA,
                    "Im sichtbaren x-Bereich gibt es nur 1000 verschiedene x-Werte im Abstand "
                    "0.01.\n"},
        Zufallsfall{"SchmalesFenster", "2", "Z", Grenzen{0, 0.005, 0, 1},
                    "Im sichtbaren x-Bereich gibt es nur 1 verschiedene x-Werte im Abstand "
                    "0.01.\n"},
        Zufallsfall{"ZuViele", "10001", "Z", Grenzen{-1e6, 1e6, -1, 1}, zuVieleX},
        Zufallsfall{"RiesigeAnzahl", "4000000000", "Z", Grenzen{-1e6, 1e6, -1, 1}, zuVieleX},
        Zufallsfall{"FensterZuBreit", "3", "Z", Grenzen{-3e7, 3e7, -1, 1}, fensterZuGross},
        Zufallsfall{"FensterZuHoch", "3", "Z", Grenzen{-1, 1, -3e7, 3e7}, fensterZuGross},
        Zufallsfall{"FensterZuWeitAussen", "3", "Z", Grenzen{1e15, 1e15 + 10, -1, 1},
                    fensterZuGross},
        Zufallsfall{"GeradeNochBreitGenug", "3", "Z", Grenzen{0, 42949672.0, 0, 1}, ""},
        Zufallsfall{"AllesFalsch", "x", "zz", Grenzen{-1e9, 1e9, -1, 1},
                    gescheitertX + keinBuchstabe + fensterZuGross}),
    [](const testing::TestParamInfo<Zufallsfall>& fall) { return std::string(fall.param.titel); });

TEST(Grossbuchstabe, GenauEinerVonAbisZ) {
  EXPECT_TRUE(istGrossbuchstabe("A"));
  EXPECT_TRUE(istGrossbuchstabe("Z"));
  for (const char* kein : {"", "a", "AB", "1", "Ä", "@", "["}) EXPECT_FALSE(istGrossbuchstabe(kein));
}

}  // namespace
}  // namespace quarvel
