// The messages and names of both generators for ordinary input are checked by the end-to-end
// scripts punkte_auf_funktion and punkte_zufall; these tests cover the limits and the grid.
#include "points/punkterzeugung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>
#include <string>

#include "model/objektlisten.h"

namespace quarvel {
namespace {

const std::string keinBuchstabe =
    "Der Punktname darf nur aus einen einzigen (Groß-)Buchstaben bestehen.\n";
const std::string keinIntervall = "x und y müssen Zahlen sein mit x < y.";
const std::string fensterZuGross =
    "Das sichtbare Fenster ist zu groß für Zufallspunkte im Raster von 0.01.\n";
const std::string nurEinRasterwert =
    "Im sichtbaren x-Bereich gibt es nur 1 verschiedene x-Werte im Abstand 0.01.\n";

std::string fehlerhaft(char feld) {
  return std::string("Fehlerhafte Anzahlangabe im Feld ") + feld + "\n";
}
std::string zuViele(char feld) {
  return std::string("Die Anzahl im Feld ") + feld +
         " ist zu groß: höchstens 10000 Punkte auf einmal.\n";
}

bool istHundertstel(double v) {
  return std::abs(v * 100 - std::round(v * 100)) < 1e-6;
}

Funktionsliste mitParabel() {
  Polynom parabel;
  parabel.koeff[2] = 1;
  return {{"f", teile(parabel)}};
}

// --- the count, read the same way by both generators ---

std::string gut(char) {
  return "";
}

struct Anzahlfall {
  const char* titel;
  const char* anzahl;
  std::string (*meldung)(char feld);
};

class AnzahlTest : public testing::TestWithParam<Anzahlfall> {};

TEST_P(AnzahlTest, InBeidenGeneratorenGleichGeprueft) {
  const Anzahlfall& f = GetParam();
  const Erzeugungspruefung aufF = testPunkteAufF(mitParabel(), "-4.0", "4.0", "f", f.anzahl, "B");
  EXPECT_EQ(aufF.meldung, f.meldung('w'));
  EXPECT_EQ(aufF.ok, aufF.meldung.empty());
  const Erzeugungspruefung zufall = testZufallsPunkte(f.anzahl, "B", Grenzen{-1e6, 1e6, -1, 1});
  EXPECT_EQ(zufall.meldung, f.meldung('x'));
  EXPECT_EQ(zufall.ok, zufall.meldung.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Eingaben, AnzahlTest,
    testing::Values(Anzahlfall{"Hoechstzahl", "10000", gut},
                    Anzahlfall{"Negativ", "-3", fehlerhaft},
                    Anzahlfall{"Leerzeichen", " 3", fehlerhaft},
                    Anzahlfall{"Ueberlauf", "99999999999999999999", fehlerhaft},
                    Anzahlfall{"JenseitsVon32Bit", "4000000000", zuViele}),
    [](const testing::TestParamInfo<Anzahlfall>& fall) { return std::string(fall.param.titel); });

// --- the x-range of the points on a function, the window of the random points ---

TEST(PunkteAufF, GrenzenBildenEinIntervallUndAllesWirdGesammelt) {
  const Funktionsliste f = mitParabel();
  EXPECT_EQ(testPunkteAufF(f, "4.0", "-4.0", "f", "3", "B").meldung, keinIntervall);
  EXPECT_EQ(testPunkteAufF(f, "4.0", "4.0", "f", "3", "B").meldung, keinIntervall);
  const Erzeugungspruefung alles = testPunkteAufF(f, "1", "", "", "x", "ab");
  EXPECT_FALSE(alles.ok);
  EXPECT_EQ(alles.meldung,
            fehlerhaft('w') +
                "Im Feld z ist kein Name eines existierenden Polynoms eingetragen.\n" +
                keinBuchstabe + keinIntervall);
}

// Drawing different x values from a window with too few grid values, or counting the values
// of a huge one, could never finish.
TEST(Zufallspunkte, NurWasDasRasterHergibt) {
  const struct {
    const char *titel, *w, *name;
    Grenzen fenster;
    std::string meldung;
  } faelle[] = {
      {"SchmalesFenster", "2", "Z", {0, 0.005, 0, 1}, nurEinRasterwert},
      {"ZuBreit", "3", "Z", {-3e7, 3e7, -1, 1}, fensterZuGross},
      {"ZuHoch", "3", "Z", {-1, 1, -3e7, 3e7}, fensterZuGross},
      {"ZuWeitAussen", "3", "Z", {1e15, 1e15 + 10, -1, 1}, fensterZuGross},
      {"GeradeNochBreitGenug", "3", "Z", {0, 42949672.0, 0, 1}, ""},
      {"Alles", "x", "zz", {-1e9, 1e9, -1, 1}, fehlerhaft('x') + keinBuchstabe + fensterZuGross},
  };
  for (const auto& f : faelle) {
    const Erzeugungspruefung p = testZufallsPunkte(f.w, f.name, f.fenster);
    EXPECT_EQ(p.meldung, f.meldung) << f.titel;
    EXPECT_EQ(p.ok, f.meldung.empty()) << f.titel;
  }
}

// --- the random points themselves ---

TEST(Zufallspunkte, AufDemRasterImFensterVonLinksNachRechts) {
  std::mt19937 zufall(7);
  const auto punkte = genZufallsPunkte({}, "200", "R", Grenzen{-5, 5, -3, 3}, zufall);
  ASSERT_EQ(punkte.size(), 200u);
  for (std::size_t i = 0; i < punkte.size(); ++i) {
    const Punkt& p = punkte[i];
    EXPECT_EQ(p.name, "R" + std::to_string(i + 1));
    EXPECT_TRUE(istHundertstel(p.x()) && istHundertstel(p.y())) << p.x() << ", " << p.y();
    EXPECT_TRUE(p.x() >= -5.0 && p.x() < 5.0 && p.y() >= -3.0 && p.y() < 3.0);
    if (i > 0) {
      EXPECT_LT(punkte[i - 1].x(), p.x());
    }
  }
}

TEST(Zufallspunkte, JederRasterwertGenauEinmal) {
  EXPECT_EQ(rasterwerte(2, 2), 1u);
  EXPECT_EQ(rasterwerte(-1.1, 1.3), 240u);
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

TEST(Zufallszahl, RasterDerHundertstel) {
  std::mt19937 zufall(1);
  EXPECT_EQ(zufallsZahlImIntervall(2, 2, zufall), 2.0);
  EXPECT_EQ(zufallsZahlImIntervall(1.5, 1.505, zufall), 1.5);  // narrower than one step
  std::set<double> gesehen;
  for (int i = 0; i < 2000; ++i) {
    const double v = zufallsZahlImIntervall(-0.1, 0.1, zufall);
    EXPECT_TRUE(istHundertstel(v) && v >= -0.1 && v < 0.1) << v;
    gesehen.insert(v);
  }
  EXPECT_EQ(gesehen.size(), 20u);
}

TEST(Grossbuchstabe, GenauEinerVonAbisZ) {
  EXPECT_TRUE(istGrossbuchstabe("A"));
  EXPECT_TRUE(istGrossbuchstabe("Z"));
  for (const char* kein : {"", "a", "AB", "1", "Ä", "@", "["})
    EXPECT_FALSE(istGrossbuchstabe(kein));
}

}  // namespace
}  // namespace quarvel
