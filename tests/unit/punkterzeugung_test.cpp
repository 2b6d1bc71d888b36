// The messages of both generators for ordinary input, and the random points' names, order
// (left to right) and grid of hundredths, are checked by the end-to-end scripts
// punkte_auf_funktion and punkte_zufall; these tests cover the limits and the grid itself.
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

// An empty text: the count is accepted.
std::string gut(char) {
  return "";
}

TEST(Erzeugung, AnzahlInBeidenGeneratorenGleichGeprueft) {
  const struct {
    const char* anzahl;
    std::string (*meldung)(char feld);
  } faelle[] = {
      {"10000", gut},  // the largest count
      {"-3", fehlerhaft},
      {" 3", fehlerhaft},  // no blanks around the count
      {"99999999999999999999", fehlerhaft},
      {"4000000000", zuViele},  // beyond 32 bits
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.anzahl);
    const Erzeugungspruefung aufF = testPunkteAufF(mitParabel(), "-4.0", "4.0", "f", f.anzahl, "B");
    EXPECT_EQ(aufF.meldung, f.meldung('w'));
    EXPECT_EQ(aufF.ok, aufF.meldung.empty());
    const Erzeugungspruefung zufall = testZufallsPunkte(f.anzahl, "B", Grenzen{-1e6, 1e6, -1, 1});
    EXPECT_EQ(zufall.meldung, f.meldung('x'));
    EXPECT_EQ(zufall.ok, zufall.meldung.empty());
  }
}

// The x-range of the points on a function must be an interval; the scripts cover the other
// complaints collected in the same message.
TEST(PunkteAufF, GrenzenBildenEinIntervall) {
  const Funktionsliste f = mitParabel();
  for (const auto& [links, rechts] : {std::pair{"4.0", "-4.0"}, {"4.0", "4.0"}, {"1", ""}}) {
    EXPECT_EQ(testPunkteAufF(f, links, rechts, "f", "3", "B").meldung, keinIntervall) << links;
  }
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
      {"Riesig", "5", "R", {-1e300, 1e300, -1, 1}, fensterZuGross},
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

// "A", "", "a" and "AB" are covered by the generation scripts.
TEST(Grossbuchstabe, GenauEinerVonAbisZ) {
  EXPECT_TRUE(istGrossbuchstabe("Z"));
  for (const char* kein : {"1", "Ä", "@", "["}) EXPECT_FALSE(istGrossbuchstabe(kein)) << kein;
}

}  // namespace
}  // namespace quarvel
