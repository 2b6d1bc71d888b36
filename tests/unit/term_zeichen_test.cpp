#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "term/zeichen.h"

namespace quarvel {
namespace {

const std::set<std::string> fUndG{"f", "g"};

std::string sterne(std::string_view t) {
  return sterneEinschieben(t, fUndG);
}
std::string trimm(std::string_view t) {
  return trimmString(t, fUndG);
}

struct Umschreibung {
  const char* name;
  std::string (*schritt)(std::string_view);
  const char* vorher;
  const char* nachher;
};

class Umschreiben : public testing::TestWithParam<Umschreibung> {};

TEST_P(Umschreiben, liefertErwartetenText) {
  EXPECT_EQ(GetParam().schritt(GetParam().vorher), GetParam().nachher);
}

INSTANTIATE_TEST_SUITE_P(
    Zeichen, Umschreiben,
    testing::Values(
        Umschreibung{"SternNachbarn", sterne, "(x)xx(x)2", "(x)*x*x*(x)*2"},
        Umschreibung{"SternDachOhneZiffer", sterne, "0+x^-2+x^(", "0+x^1-2+x^1("},
        // The rules see the unfiltered text: a blank after the caret still gets the first power.
        Umschreibung{"SternDachLeerzeichenMinus", sterne, "x^ -2", "x^ 1-2"},
        Umschreibung{"DoppelFuehrendesMinus", doppelZeichenTilgen, "-x", "0-x"},
        // The first element became a blank, so no "0" goes in front.
        Umschreibung{"DoppelminusVorn", doppelZeichenTilgen, "--x", "+x"},
        Umschreibung{"DoppelDreifachMinus", doppelZeichenTilgen, "x---x", "x-x"},
        Umschreibung{"DoppelPaare", doppelZeichenTilgen, "x-+x++x+-x**x*+x", "x-x+x-x*x*x"},
        // "*-" is left to the unary minus rule.
        Umschreibung{"DoppelSternMinusBleibt", doppelZeichenTilgen, "x*-x", "x*-x"},
        Umschreibung{"DoppelEinZeichen", doppelZeichenTilgen, "+", "0+"},
        Umschreibung{"TrimmDezimalkomma", trimm, "0+2,5x", "1*0+2.5x*1"},
        Umschreibung{"TrimmPlusAmEnde", trimm, "0+x+", "1*0+x+0*1"}),
    [](const testing::TestParamInfo<Umschreibung>& fall) { return std::string(fall.param.name); });

TEST(Zeichen, ZaehlenErsetzenFiltern) {
  EXPECT_EQ(nameEnthaeltZeichen("fx1x", "x"), 2u);
  EXPECT_EQ(ersetzeZeichen("x^2", "x", "(x+1)"), "(x+1)^2");
  EXPECT_EQ(ersetzeZeichen("ä-ä", "ä", ""), "-");
  // The completion looks at the last character typed, not at the last one kept.
  EXPECT_EQ(filtereZeichenMenge("2x+ ", erlaubteZeichen(), {}), "2x+");
  EXPECT_EQ(filtereZeichenMenge("g-1 ä", namensTeile(), {}), "g1");
}

TEST(Zeichen, Zerlegen) {
  using Teile = std::vector<std::string>;
  EXPECT_EQ(gehackterString2Stringfeld("A,B,"), (Teile{"A", "B", ""}));
  EXPECT_EQ(gehackterString2Stringfeld(""), (Teile{""}));
  EXPECT_EQ(feingehackterString2Stringfeld("a;b"), (Teile{"a", "b"}));
  EXPECT_EQ(ohneRand("  a b "), "a b");
  EXPECT_EQ(ohneRand("   "), "");
  EXPECT_EQ(ohneRand("\t1 "), "\t1");  // a name field drops blanks only
  EXPECT_EQ(ohneRand("\t1\r\n", leerraum), "1");
}

// The one bracket matcher behind the bracket test, the point entry and the bracket powers.
TEST(Zeichen, Klammerung) {
  struct Fall {
    const char* text;
    bool ausgeglichen;
    Klammerpaar letztes;  // klammerpositionen
  };
  const Fall faelle[] = {
      {"", true, {}},
      {"((x)(x))", true, {5, 7}},
      {"1*(2*(x+1)+3)*1", true, {6, 10}},
      {"(x+1))(", false, {7, 0}},  // the last "(" stays open
      {")(", false, {2, 0}},
      {"A(1,2))", false, {2, 6}},
      {"ä(ö)", true, {2, 4}},  // characters, not bytes
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(klammerTest(f.text), f.ausgeglichen) << f.text;
    EXPECT_EQ(klammerpositionen(f.text), f.letztes) << f.text;
  }
  EXPECT_EQ(klammerung(U"((x)^2)").paare, (std::vector<Klammerpaar>{{1, 7}, {2, 4}}));
}

}  // namespace
}  // namespace quarvel
