#include "points/punkteingabe.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/punkt.h"
#include "points/nummerierung.h"
#include "points/punktauswahl.h"

namespace quarvel {
namespace {

// --- reading an entry ---

struct Eingabefall {
  const char* titel;
  const char* eingabe;
  std::string meldung;
  std::string name;
  std::array<double, 4> ko;
  std::array<bool, 3> valid;
};

void PrintTo(const Eingabefall& f, std::ostream* os) {
  *os << f.eingabe;
}

class PunktEingabeCheck : public testing::TestWithParam<Eingabefall> {};

TEST_P(PunktEingabeCheck, LiefertMeldungNameUndPunkt) {
  const Eingabefall& f = GetParam();
  const Punkteingabe e = punktEingabeCheck(f.eingabe);
  EXPECT_EQ(e.meldung, f.meldung);
  EXPECT_EQ(e.name, f.name);
  if (f.meldung.empty()) {
    EXPECT_EQ(e.punkt.ko, f.ko);
    EXPECT_EQ(e.punkt.valid, f.valid);
  }
}

const std::string klammerfehler = "Klammerfehler /n";
const std::string koordinatenfehler = "Fehler bei der Koordinateneingabe";
std::string anzahlfehler(int n) {
  return "Fehler bei der Anzahl der Koordinaten (" + std::to_string(n) +
         " statt 2 oder - für erweiterte Punkte - 4)";
}
std::string namensfehler(const std::string& name) {
  return "Der Punktname " + name + " ist unzulässig\n";
}

constexpr std::array<bool, 3> nurY{true, false, false};

INSTANTIATE_TEST_SUITE_P(
    Formen, PunktEingabeCheck,
    testing::Values(
        // Accepted forms.
        Eingabefall{"Ebene", "A(1,3)", "", "A", {1, 3, 0, 0}, nurY},
        Eingabefall{"Semikolon", "A(1;3)", "", "A", {1, 3, 0, 0}, nurY},
        Eingabefall{"Zahlformen", "Q(-1.5e2,+.25)", "", "Q", {-150, 0.25, 0, 0}, nurY},
        Eingabefall{"ErweitertOhneYUndW", "B(2,,3,)", "", "B", {2, 0, 3, 0}, {false, true, false}},
        Eingabefall{"StricheLassenAus", "D(7,-,-,8)", "", "D", {7, 0, 0, 8}, {false, false, true}},
        Eingabefall{"Vollstaendig", "C(3,4,5,6)", "", "C", {3, 4, 5, 6}, {true, true, true}},
        Eingabefall{"NameMitZiffer", "A1(1,3)", "", "A1", {1, 3, 0, 0}, nurY},
        Eingabefall{"KleinbuchstabeImNamen", "Ab(1,3)", "", "Ab", {1, 3, 0, 0}, nurY},
        Eingabefall{"RestNachKlammerZaehltNicht", "A(1,3)xyz", "", "A", {1, 3, 0, 0}, nurY},
        // Brackets.
        Eingabefall{"KeineKlammern", "A1,3", klammerfehler, "", {}, {}},
        Eingabefall{"LeereEingabe", "", klammerfehler, "", {}, {}},
        Eingabefall{"ZuFehlt", "A(1,3", klammerfehler, "", {}, {}},
        Eingabefall{"ZuVorAuf", "A)(1,3", klammerfehler, "", {}, {}},
        // Names.
        Eingabefall{"Kleinbuchstabe", "a(1,3)", namensfehler("a"), "a", {}, {}},
        Eingabefall{"LeererName", "(1,3)", namensfehler(""), "", {}, {}},
        Eingabefall{"Ziffer", "1A(1,3)", namensfehler("1A"), "1A", {}, {}},
        Eingabefall{"Umlaut", "Ä(1,3)", namensfehler("Ä"), "Ä", {}, {}},
        Eingabefall{"UmlautImNamen", "AÖ(1,3)", namensfehler("AÖ"), "AÖ", {}, {}},
        Eingabefall{"Leerzeichen", "A B(1,3)", namensfehler("A B"), "A B", {}, {}},
        Eingabefall{"Unterstrich", "A_1(1,3)", namensfehler("A_1"), "A_1", {}, {}},
        Eingabefall{"ZweiPunkte", "A(1,3), B(2,4)", namensfehler("A(1,3), B"), "A(1,3), B", {}, {}},
        // Number of pieces: the blank separates too.
        Eingabefall{"LeerzeichenNachKomma", "A(1, 3)", anzahlfehler(3), "A", {}, {}},
        Eingabefall{"LeereKlammer", "A()", anzahlfehler(1), "A", {}, {}},
        Eingabefall{"DreiTeile", "A(1,2,3)", anzahlfehler(3), "A", {}, {}},
        Eingabefall{"FuenfTeile", "A(1,2,3,4,5)", anzahlfehler(5), "A", {}, {}},
        // Components.
        Eingabefall{"YKeineZahl", "A(1,x)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"DezimalKomma", "A(1.5,2,5)", anzahlfehler(3), "A", {}, {}},
        Eingabefall{"NurX", "A(1,-,-,-)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"XFehlt", "A(-,1,2,3)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"Unendlich", "A(inf,3)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"KeineZahl", "A(nan,3)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"ZuGross", "A(1e999,3)", koordinatenfehler, "A", {}, {}},
        Eingabefall{"LeereTeile", "A(,)", koordinatenfehler, "A", {}, {}}),
    [](const testing::TestParamInfo<Eingabefall>& fall) { return std::string(fall.param.titel); });

// --- intervals ---

TEST(Intervall, BrauchtZweiZahlenAufsteigend) {
  EXPECT_TRUE(istIntervall("-2, 5"));
  EXPECT_TRUE(istIntervall("1;5"));
  EXPECT_TRUE(istIntervall("0.5 0.75"));
  EXPECT_FALSE(istIntervall("5, 1"));
  EXPECT_FALSE(istIntervall("1, 1"));
  EXPECT_FALSE(istIntervall("1, 2, 3"));
  EXPECT_FALSE(istIntervall("1"));
  EXPECT_FALSE(istIntervall(""));
  EXPECT_FALSE(istIntervall("a, b"));
  // The trailing separator leaves an empty last piece: three pieces.
  EXPECT_FALSE(istIntervall("1, 2,"));
}

TEST(Intervall, EntpackeGibtBeideZahlen) {
  EXPECT_EQ(entpacke("-2, 5"), std::make_pair(-2.0, 5.0));
  EXPECT_EQ(entpacke("1;5.5"), std::make_pair(1.0, 5.5));
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

TEST(Sammelname, GrossbuchstabeUndStern) {
  const Punktliste punkte = liste({"A", "A1", "B", "AB"});
  const Sammelname a = istPunktKollektiv(punkte, "A*");
  EXPECT_TRUE(a.istKollektiv);
  EXPECT_EQ(std::set<std::string>(a.namen.begin(), a.namen.end()),
            (std::set<std::string>{"A", "A1", "AB"}));
  const Sammelname leer = istPunktKollektiv(punkte, "Z*");
  EXPECT_TRUE(leer.istKollektiv);
  EXPECT_TRUE(leer.namen.empty());
  for (const char* kein : {"a*", "AB*", "A", "*", "A**", "Ä*", ""}) {
    EXPECT_FALSE(istPunktKollektiv(punkte, kein).istKollektiv) << kein;
  }
}

TEST(Sammelname, EntfaltenSortiertNachText) {
  const Punktliste punkte = liste({"A", "A1", "B", "A10", "A2"});
  EXPECT_EQ(namenEingabeEntfalten(punkte, {"B", "A*"}),
            (std::vector<std::string>{"A", "A1", "A10", "A2", "B"}));
  // Names that are not collective stay as they are, stored or not.
  EXPECT_EQ(namenEingabeEntfalten(punkte, {"a*", "Q", "AB*"}),
            (std::vector<std::string>{"AB*", "Q", "a*"}));
  EXPECT_TRUE(namenEingabeEntfalten(punkte, {"Z*"}).empty());
}

TEST(Punktname, NaechsterPunktUnterAbstandEins) {
  Punktliste punkte;
  punkte["A"] = teile(Punkt{0, 0, 5, 5});
  punkte["B"] = teile(Punkt{3, 4, 0, 0});
  EXPECT_EQ(punktName(punkte, 0.5, 0.5), "A");
  EXPECT_EQ(punktName(punkte, 2.9, 3.9), "B");
  EXPECT_EQ(punktName(punkte, 1.5, 2), "?");
  // Exactly 1.0 away is not near.
  EXPECT_EQ(punktName(punkte, 1, 0), "?");
  EXPECT_EQ(punktName({}, 0, 0), "?");
}

TEST(Nummerierung, KleinsteFreieNummerAbNull) {
  Punktliste punkte = liste({"H0", "H2"});
  EXPECT_EQ(nummeriert(punkte, "H"), "H1");
  EXPECT_EQ(nummeriert(punkte, "W"), "W0");
}

TEST(Nummerierung, SerieFuelltLueckenAbEins) {
  const Punktliste punkte = liste({"A2", "A5", "B1"});
  FreieNummern nummern(punkte, "A");
  std::vector<std::string> namen;
  for (int i = 0; i < 5; ++i) namen.push_back(nummern.naechster());
  EXPECT_EQ(namen, (std::vector<std::string>{"A1", "A3", "A4", "A6", "A7"}));
}

}  // namespace
}  // namespace quarvel
