#include <gtest/gtest.h>

#include <string>

#include "term/klammerpotenzen.h"

namespace quarvel {
namespace {

struct Entfaltungsfall {
  const char* name;
  const char* vorher;
  const char* nachher;
};

class EntfaltePotenzen : public testing::TestWithParam<Entfaltungsfall> {};

TEST_P(EntfaltePotenzen, schreibtAus) {
  const Entfaltung e = entfaltePotenzen(GetParam().vorher);
  EXPECT_TRUE(e.ok);
  EXPECT_EQ(e.text, GetParam().nachher);
  EXPECT_EQ(e.fehlerMeldung, "");
}

INSTANTIATE_TEST_SUITE_P(
    Klammerpotenzen, EntfaltePotenzen,
    testing::Values(
        Entfaltungsfall{"Dritte", "1*0+(x-1)^3*1", "1*0+(x-1)*(x-1)*(x-1)*1"},
        Entfaltungsfall{"Erste", "1*0+(x-1)^1*1", "1*0+(x-1)*1"},
        Entfaltungsfall{"Nullte", "1*0+2*(x-1)^0*1", "1*0+2*1*1"},
        // Nested powers from the inside out.
        Entfaltungsfall{"Verschachtelt", "1*0+((x+1)^2)^3*1",
                        "1*0+((x+1)*(x+1))*((x+1)*(x+1))*((x+1)*(x+1))*1"},
        // The caret of x^2 inside a bracket is no bracket power.
        Entfaltungsfall{"PotenzVonXInDerBasis", "1*0+(x^2+1)^2*(x-1)^3*1",
                        "1*0+(x^2+1)*(x^2+1)*(x-1)*(x-1)*(x-1)*1"},
        // Only one digit is the exponent; the next stays for the reader to refuse.
        Entfaltungsfall{"ZweiterZifferBleibt", "1*0+(x-1)^12*1", "1*0+(x-1)2*1"},
        Entfaltungsfall{"OhneKlammerpotenz", "1*0+x^2*1", "1*0+x^2*1"},
        // The power of a number is left alone.
        Entfaltungsfall{"PotenzEinerZahl", "1*0+(x+1)*2^3*(x-1)^2*1",
                        "1*0+(x+1)*2^3*(x-1)*(x-1)*1"}),
    [](const testing::TestParamInfo<Entfaltungsfall>& fall) { return std::string(fall.param.name); });

TEST(Klammerpotenzen, Basisgrenzen) {
  EXPECT_EQ(basisgrenzen("1*0+(x+1)^2*1"), (Klammerpaar{5, 9}));
  EXPECT_EQ(basisgrenzen("1*0+((x+1)^2)^3*1"), (Klammerpaar{6, 10}));
  EXPECT_EQ(basisgrenzen("1*0+x^2*1"), (Klammerpaar{0, 0}));
  EXPECT_TRUE(termEnthaltKlammerHoch("(x)^2"));
  EXPECT_FALSE(termEnthaltKlammerHoch("x^2"));
}

TEST(Klammerpotenzen, TrenneBasisVomText) {
  const Basisschnitt s = trenneBasisVomText("1*0+(x+1)^2*1");
  EXPECT_EQ(s.vorne, "1*0+");
  EXPECT_EQ(s.mitte, "(x+1)");
  EXPECT_EQ(s.hinten, "*1");
  EXPECT_EQ(s.n, 2);
  EXPECT_TRUE(s.exponentGelesen);
  EXPECT_EQ(s.fehlerMeldung, "");
}

TEST(Klammerpotenzen, VervielfacheTerm) {
  EXPECT_EQ(vervielfacheTerm("(a)", 3), "(a)*(a)*(a)");
  EXPECT_EQ(vervielfacheTerm("(a)", 1), "(a)");
  EXPECT_EQ(vervielfacheTerm("(a)", 0), "1");
  EXPECT_EQ(vervielfacheTerm("", 3), "");
  EXPECT_EQ(vervielfacheTerm("(a)", 14), vervielfacheTerm("(a)", 7) + "*" + vervielfacheTerm("(a)", 7));
}

// A caret at the very end has no exponent; the power must not vanish into a "1".
TEST(Klammerpotenzen, DachOhneExponentWirdAbgelehnt) {
  const Entfaltung e = entfaltePotenzen("1*0+(x+1)^*1");
  EXPECT_FALSE(e.ok);
  EXPECT_FALSE(vervielfacheMitte("(x+1)^").ok);
}

TEST(Klammerpotenzen, UeberlangeEntfaltungWirdAbgebrochen) {
  const Entfaltung e = entfaltePotenzen("((((((x)^9)^9)^9)^9)^9)^9");
  EXPECT_FALSE(e.ok);
}

}  // namespace
}  // namespace quarvel
