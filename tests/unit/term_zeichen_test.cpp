#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "term/keller.h"
#include "term/zeichen.h"

namespace quarvel {
namespace {

const std::set<std::string> keineFunktionen;
const std::set<std::string> fUndG{"f", "g", "akt"};

struct Umschreibung {
  const char* name;
  const char* vorher;
  const char* nachher;
};

std::string fallName(const testing::TestParamInfo<Umschreibung>& fall) { return fall.param.name; }

class SterneEinschieben : public testing::TestWithParam<Umschreibung> {};

TEST_P(SterneEinschieben, schreibtUm) {
  EXPECT_EQ(sterneEinschieben(GetParam().vorher, fUndG), GetParam().nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, SterneEinschieben,
    testing::Values(Umschreibung{"ZifferVorKlammer", "0+2(x+1)(x-1)", "0+2*(x+1)*(x-1)"},
                    Umschreibung{"XVorZiffer", "0+x2", "0+x*2"},
                    // A digit before x is a coefficient: no star.
                    Umschreibung{"KoeffizientBleibt", "0+3x^2", "0+3x^2"},
                    Umschreibung{"MinusVorKlammer", "0+-(x-1)^3", "0+-1*(x-1)^3"},
                    Umschreibung{"MinusInKlammer", "0+(-x)^2", "0+((0-1)*x)^2"},
                    Umschreibung{"DachOhneZiffer", "0+x^-2", "0+x^1-2"},
                    Umschreibung{"DachVorKlammer", "0+x^(", "0+x^1("},
                    Umschreibung{"Funktionsnamen", "0+2f-g", "0+2*f-1*g"},
                    Umschreibung{"MinusNachStern", "3*-x", "3*(0-1)*x"},
                    Umschreibung{"KlammerVorX", "(x)x", "(x)*x"},
                    Umschreibung{"KlammerVorZiffer", "(x)2", "(x)*2"},
                    Umschreibung{"XVorKlammer", "x(x)", "x*(x)"},
                    Umschreibung{"XX", "xx", "x*x"},
                    // The rules see the unfiltered text: a blank prevents the star.
                    Umschreibung{"LeerzeichenVerhindertStern", "2 (x+1)", "2 (x+1)"},
                    // Blanks after a caret do not make it a first power.
                    Umschreibung{"DachLeerzeichenZiffer", "x^ 2", "x^ 2"},
                    Umschreibung{"DachLeerzeichenMinus", "x^ -2", "x^ 1-2"},
                    Umschreibung{"MehrbuchstabigerNameZaehltNicht", "2akt", "2akt"},
                    Umschreibung{"Leer", "", ""}),
    fallName);

class DoppelZeichenTilgen : public testing::TestWithParam<Umschreibung> {};

TEST_P(DoppelZeichenTilgen, fasstZusammen) {
  EXPECT_EQ(doppelZeichenTilgen(GetParam().vorher), GetParam().nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, DoppelZeichenTilgen,
    testing::Values(Umschreibung{"FuehrendesMinus", "-x", "0-x"},
                    // The first element became a blank, so no "0" goes in front.
                    Umschreibung{"DoppelminusVorn", "--x", "+x"},
                    Umschreibung{"DreifachMinus", "x---x", "x-x"},
                    Umschreibung{"MinusPlus", "x-+x", "x-x"}, Umschreibung{"PlusPlus", "x++x", "x+x"},
                    Umschreibung{"PlusMinus", "x+-x", "x-x"}, Umschreibung{"SternStern", "x**x", "x*x"},
                    Umschreibung{"SternPlus", "x*+x", "x*x"},
                    // "*-" is left to the unary minus rule.
                    Umschreibung{"SternMinusBleibt", "x*-x", "x*-x"},
                    Umschreibung{"LeerzeichenFallenWeg", "x + 1", "x+1"},
                    Umschreibung{"Leer", "", ""}, Umschreibung{"EinZeichen", "+", "0+"}),
    fallName);

class TrimmString : public testing::TestWithParam<Umschreibung> {};

TEST_P(TrimmString, normalisiert) {
  EXPECT_EQ(trimmString(GetParam().vorher, fUndG), GetParam().nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, TrimmString,
    testing::Values(Umschreibung{"DoppelminusWirdPlus", "0+x^3--x", "1*0+x^3+x*1"},
                    Umschreibung{"Dezimalkomma", "0+2,5x", "1*0+2.5x*1"},
                    Umschreibung{"SternAmEnde", "0+2x*", "1*0+2x*1*1"},
                    Umschreibung{"PlusAmEnde", "0+x+", "1*0+x+0*1"},
                    Umschreibung{"FunktionsnameBleibt", "0+2*f", "1*0+2*f*1"},
                    Umschreibung{"FremdeZeichenFallenWeg", "0+a b", "1*0+*1"}),
    fallName);

TEST(Zeichen, TilgeZeichen) {
  EXPECT_EQ(tilgeZeichen("a,b,,c", ","), "abc");
  EXPECT_EQ(tilgeZeichen("äöä", "ä"), "ö");
  // Only a single character is removed.
  EXPECT_EQ(tilgeZeichen("a,b", ",b"), "a,b");
  EXPECT_EQ(tilgeZeichen("", "x"), "");
}

TEST(Zeichen, ErsetzeZeichen) {
  EXPECT_EQ(ersetzeZeichen("2,5", ",", "."), "2.5");
  EXPECT_EQ(ersetzeZeichen("x^2", "x", "(x+1)"), "(x+1)^2");
  EXPECT_EQ(ersetzeZeichen("ä-ä", "ä", ""), "-");
}

TEST(Zeichen, FiltereZeichenMenge) {
  EXPECT_EQ(filtereZeichenMenge("2x+", erlaubteZeichen(), keineFunktionen), "2x+0");
  EXPECT_EQ(filtereZeichenMenge("2x*", erlaubteZeichen(), keineFunktionen), "2x*1");
  EXPECT_EQ(filtereZeichenMenge("2f+g", erlaubteZeichen(), fUndG), "2f+g");
  // The completion looks at the last character typed, not at the last one kept.
  EXPECT_EQ(filtereZeichenMenge("2x+ ", erlaubteZeichen(), keineFunktionen), "2x+");
  EXPECT_EQ(filtereZeichenMenge("g-1 ä", namensTeile(), keineFunktionen), "g1");
}

TEST(Zeichen, Zerlegen) {
  using Teile = std::vector<std::string>;
  EXPECT_EQ(gehackterString2Stringfeld("A, B"), (Teile{"A", "B"}));
  EXPECT_EQ(gehackterString2Stringfeld("A,B,"), (Teile{"A", "B", ""}));
  EXPECT_EQ(gehackterString2Stringfeld(""), (Teile{""}));
  EXPECT_EQ(feingehackterString2Stringfeld("1,,3"), (Teile{"1", "", "3"}));
  EXPECT_EQ(feingehackterString2Stringfeld("1, 3"), (Teile{"1", "", "3"}));
  EXPECT_EQ(feingehackterString2Stringfeld("a;b"), (Teile{"a", "b"}));
}

TEST(Zeichen, ZaehlenUndFinden) {
  EXPECT_EQ(nameEnthaeltZeichen("fx1x", "x"), 2u);
  EXPECT_EQ(nameEnthaeltZeichen("g", "x"), 0u);
  EXPECT_EQ(posZeichen("2x^2", "x"), 2u);
  EXPECT_EQ(posZeichen("12", "x"), 0u);
  // Positions count characters, not bytes.
  EXPECT_EQ(posZeichen("äöx", "x"), 3u);
}

TEST(Zeichen, KlammerTest) {
  EXPECT_FALSE(klammerTest("(x+1))("));
  EXPECT_TRUE(klammerTest(""));
  EXPECT_TRUE(klammerTest("((x)(x))"));
  EXPECT_FALSE(klammerTest("(("));
  EXPECT_FALSE(klammerTest(")("));
}

TEST(Zeichen, Klammerpositionen) {
  EXPECT_EQ(klammerpositionen("1*(2*(x+1)+3)*1"), (Klammerpaar{6, 10}));
  EXPECT_EQ(klammerpositionen("x+1"), (Klammerpaar{0, 0}));
  EXPECT_EQ(klammerpositionen("(a)+(b)"), (Klammerpaar{5, 7}));
}

TEST(Keller, StapeltUndNimmtAb) {
  Keller keller;
  keller.kellerInit();
  EXPECT_TRUE(keller.kellerLeer());
  keller.einkellern(3);
  keller.einkellern(7);
  EXPECT_EQ(keller.peek(), 7u);
  keller.auskellern();
  EXPECT_EQ(keller.peek(), 3u);
  keller.kellerInit();
  EXPECT_TRUE(keller.kellerLeer());
}

}  // namespace
}  // namespace quarvel
