#include "points/punkteingabe.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/punkt.h"
#include "points/nummerierung.h"
#include "points/punktauswahl.h"

namespace quarvel {
namespace {

// --- reading an entry ---

const std::string klammerfehler = "Klammerfehler /n";
const std::string koordinatenfehler = "Fehler bei der Koordinateneingabe";
std::string anzahlfehler(int n) {
  return "Fehler bei der Anzahl der Koordinaten (" + std::to_string(n) +
         " statt 2 oder - für erweiterte Punkte - 4)";
}
std::string namensfehler(const std::string& name) {
  return "Der Punktname " + name + " ist unzulässig\n";
}

// The usual forms and refusals are checked by the punkte_eingabe script.
TEST(PunktEingabeCheck, LiefertMeldungNameUndPunkt) {
  constexpr std::array<bool, 3> nurY{true, false, false};
  const struct {
    const char* eingabe;
    std::string meldung, name;
    std::array<double, 4> ko;
    std::array<bool, 3> valid;
  } faelle[] = {
      // Accepted forms.
      {"A(1;3)", "", "A", {1, 3, 0, 0}, nurY},
      {"Q(-1.5e2,+.25)", "", "Q", {-150, 0.25, 0, 0}, nurY},
      // Brackets.
      {"A1,3", klammerfehler, "", {}, {}},
      {"", klammerfehler, "", {}, {}},
      // Names.
      {"1A(1,3)", namensfehler("1A"), "1A", {}, {}},
      {"A B(1,3)", namensfehler("A B"), "A B", {}, {}},
      {"A_1(1,3)", namensfehler("A_1"), "A_1", {}, {}},
      // Number of pieces: a decimal comma splits a number.
      {"A(1,2,3)", anzahlfehler(3), "A", {}, {}},
      {"A(1,2,3,4,5)", anzahlfehler(5), "A", {}, {}},
      {"A(1.5,2,5)", anzahlfehler(3), "A", {}, {}},
      // Components.
      {"A(,)", koordinatenfehler, "A", {}, {}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.eingabe);
    const Punkteingabe e = punktEingabeCheck(f.eingabe);
    EXPECT_EQ(e.meldung, f.meldung);
    EXPECT_EQ(e.name, f.name);
    if (f.meldung.empty()) {
      EXPECT_EQ(e.punkt.ko, f.ko);
      EXPECT_EQ(e.punkt.valid, f.valid);
    }
  }
}

// --- intervals ---

// Accepted forms ("1, 3", "-2;5") and a descending pair are covered by the frame scripts.
TEST(Intervall, BrauchtZweiZahlenAufsteigend) {
  EXPECT_TRUE(istIntervall("0.5 0.75"));
  // The trailing separator of "1, 2," leaves an empty last piece: three pieces.
  for (const char* kein : {"1, 1", "1, 2, 3", "1", "", "a, b", "1, 2,"}) {
    EXPECT_FALSE(istIntervall(kein)) << kein;
  }
}

// --- stored points ---

Punktliste liste(const std::vector<std::string>& namen) {
  Punktliste punkte;
  double x = 0;
  for (const std::string& name : namen) {
    Punkt p{x, 0, 0, 0};
    p.name = name;
    punkte[name] = teile(p);
    x += 10;
  }
  return punkte;
}

// Collecting "P*" and "A*", sorted by text, is covered by the activation and deletion scripts.
TEST(Sammelname, GrossbuchstabeUndStern) {
  const Punktliste punkte = liste({"A", "A1", "B", "AB"});
  const Sammelname leer = istPunktKollektiv(punkte, "Z*");
  EXPECT_TRUE(leer.istKollektiv);
  EXPECT_TRUE(leer.namen.empty());
  for (const char* kein : {"a*", "AB*", "A", "*", "A**", "Ä*", ""}) {
    EXPECT_FALSE(istPunktKollektiv(punkte, kein).istKollektiv) << kein;
  }
}

// Near and far points are covered by the mouse script.
TEST(Punktname, NaechsterPunktUnterAbstandEins) {
  Punktliste punkte;
  punkte["A"] = teile(Punkt{0, 0, 5, 5});
  EXPECT_EQ(punktName(punkte, 0.99, 0), "A");
  EXPECT_EQ(punktName(punkte, 1, 0), "?");  // exactly 1.0 away is not near
  EXPECT_EQ(punktName({}, 0, 0), "?");
}

// Numbered series filling gaps from 1 are covered by the point generation scripts.
TEST(Nummerierung, KleinsteFreieNummerAbNull) {
  EXPECT_EQ(nummeriert(liste({"H0", "H2"}), "H"), "H1");
}

}  // namespace
}  // namespace quarvel
