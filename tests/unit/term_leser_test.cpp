#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/polynomtext.h"
#include "model/zahltext.h"
#include "term/termleser.h"

// The terms the function scripts read (3x^2-2(x+1)^2+f, (x-1)^3, x^14, products of brackets,
// "(x+1))(", "x^8*x^8" with its degree message, "1/3x") are checked there; these tables hold
// the other forms.

namespace quarvel {
namespace {

// f(x) = x and g(x) = x^2 - 1 are stored in most cases below.
Funktionsliste gespeicherteFunktionen() {
  Funktionsliste liste;
  liste["f"] = teile(Polynom{0.0, 1.0});
  liste["g"] = teile(Polynom{-1.0, 0.0, 1.0});
  liste["akt"] = teile(Polynom{5.0});  // longer names never take part in a term
  return liste;
}

Koeffizienten koeffizienten(std::vector<double> werte) {
  Koeffizienten k{};
  for (std::size_t i = 0; i < werte.size(); ++i) k[i] = werte[i];
  return k;
}

Termergebnis lies(const std::string& getippt) {
  return term2Polynom("0+" + getippt, gespeicherteFunktionen());
}

// `text` n times in a row.
std::string mal(int n, const std::string& text) {
  std::string ergebnis;
  for (int i = 0; i < n; ++i) ergebnis += text;
  return ergebnis;
}

struct Lesefall {
  const char* name;
  std::string getippt;
  std::vector<double> erwartet;  // constant term first
};

class TermGelesen : public testing::TestWithParam<Lesefall> {};

TEST_P(TermGelesen, ergibtDasPolynom) {
  const Lesefall& fall = GetParam();
  const Termergebnis e = lies(fall.getippt);
  ASSERT_TRUE(e.ok) << fall.getippt << ": " << e.meldung;
  EXPECT_EQ(e.p.koeff, koeffizienten(fall.erwartet)) << fall.getippt;
  EXPECT_EQ(e.testString, "");
}

// Polynomials worked out by hand.
INSTANTIATE_TEST_SUITE_P(
    Termleser, TermGelesen,
    testing::Values(
        Lesefall{"DoppeltesMinusWirdPlus", "x^3--x", {0, 1, 0, 1}},
        Lesefall{"Dezimalkomma", "2,5x", {0, 2.5}}, Lesefall{"XVorZifferWirdProdukt", "x2", {0, 2}},
        Lesefall{"SternAmEndeMalEins", "2x*", {0, 2}},
        Lesefall{"PlusAmEndePlusNull", "2x+", {0, 2}},
        Lesefall{"MinusVorKlammerpotenz", "-(x-1)^2", {-1, 2, -1}},
        Lesefall{"VerschachteltePotenz", "((x+1)^2)^3", {1, 6, 15, 20, 15, 6, 1}},
        // The caret of x^2 inside a bracket belongs to x, not to the bracket.
        Lesefall{"PotenzInKlammerpotenz", "(x^2+1)^2*(x-1)^3", {-1, 3, -5, 7, -7, 5, -3, 1}},
        Lesefall{"FunktionInKlammerpotenz", "2(f+1)^2", {2, 4, 2}},
        Lesefall{"KlammerVorPotenzVonX", "(x+1)x^2", {0, 0, 1, 1}},
        // The caret without a digit reads as the first power: x^1 - 2.
        Lesefall{"DachOhneZifferErstePotenz", "x^-2", {-2, 1}},
        Lesefall{"KlammerVorZiffer", "(x+1)2", {2, 2}}, Lesefall{"XMalX", "xx", {0, 0, 1}},
        Lesefall{"MinusNachStern", "3*-x", {0, -3}},
        Lesefall{"MinusInKlammer", "(-x)^2", {0, 0, 1}},
        Lesefall{"ZifferVorFunktion", "2f-g", {1, 2, -1}},
        Lesefall{"MinusVorFunktion", "-g", {1, 0, -1}},
        Lesefall{"FunktionMalFunktion", "f*g", {0, -1, 0, 1}},
        Lesefall{"KlammerpotenzNull", "2*(x-1)^0", {2}},
        Lesefall{"KlammerpotenzEins", "(x-1)^1", {-1, 1}},
        Lesefall{"ZahlOhneVorkomma", ".5x", {0, 0.5}}, Lesefall{"ZahlOhneNachkomma", "3.x", {0, 3}},
        Lesefall{"PotenzNullVonX", "x^0", {1}},
        Lesefall{"Grad7MalGrad7", "x^7*x^7", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        Lesefall{"TiefeKlammern", "((((x))))", {0, 1}}, Lesefall{"LeererTermIstNull", "", {}},
        // A trailing sign gets the operand 0.
        Lesefall{"NurPlusIstNull", "+", {}},
        // Blanks between a caret and its digit are passed over.
        Lesefall{"LeerzeichenUmDach", "3 x ^ 2", {0, 0, 3}},
        Lesefall{"KlammerDachLeerzeichen", "(x+1)^ 2", {1, 2, 1}},
        Lesefall{"TabulatorFaelltWeg", "x\t+1", {1, 1}},
        // Coefficients below 1e-15 come back as exactly zero, also below the normal doubles.
        Lesefall{"WinzigeKoeffizientenWerdenNull", "0.0000000000000001x+1", {1}},
        Lesefall{"SubnormaleZahl", "0." + std::string(317, '0') + "1x+1", {1}},
        // Each constant bracket and each function name takes a placeholder; there are 31.
        Lesefall{"DreissigKlammern", "(1)" + mal(29, "+(1)"), {30}},
        Lesefall{"EinunddreissigFunktionsnamen", "f" + mal(30, "+f"), {0, 31}},
        // Nested powers of a constant: 2^81.
        Lesefall{"PotenzDerPotenzEinerZahl", "((2)^9)^9", {2417851639229258349412352.0}},
        // The long benchmark term; the coefficients come from the same sum built with the
        // polynomial operations (f = x, g = x^2 - 1).
        Lesefall{
            "LangerTerm",
            "3x^2-2(x+1)^2+((x-1)^2+2x)^3-(0,5x^3-2x+1)^2*(x+1)^3+f*(g-1)^2-((2x+1)^2-(x-3)^2)^2"
            "+(((x+2)^2-1)^2+3)^2-(1,5x-0,5)^5+((x-1)(x+1))^3+((x^2-3x+2)(x^2+3x-2)-(x-1)^2)^2"
            "+7x^14-3x^13+2,25x^12-0,125x^11+4x^10-x^9+x^8-(-(x-2))^2+(((x+1)^2)^2)^2+0,75x^3"
            "-2,5x^5+1,25x^7-x^6+3,5x^4-12,5x+7,25-x2+4,5x^3-0,5x^2+6x",
            {106.28125, 600.03125, 1389.3125, 954.8125, 1050.15625, 473.90625, 121.75, 26.5, 3.25,
             -1.25, 4, -0.125, 2.25, -3, 7}}),
    [](const testing::TestParamInfo<Lesefall>& fall) { return std::string(fall.param.name); });

struct Fehlerfall {
  const char* name;
  std::string getippt;
  const char* meldung;
};

class TermAbgelehnt : public testing::TestWithParam<Fehlerfall> {};

TEST_P(TermAbgelehnt, mitMeldung) {
  const Fehlerfall& fall = GetParam();
  const Termergebnis e = lies(fall.getippt);
  EXPECT_FALSE(e.ok) << fall.getippt;
  EXPECT_EQ(e.meldung, fall.meldung) << fall.getippt;
}

constexpr const char* nichtLesbar = "Term in dieser Form nicht zu verarbeiten!";
constexpr const char* klammerfehler = "Klammerfehler, - bitte Eingabe korrigieren";

INSTANTIATE_TEST_SUITE_P(
    Termleser, TermAbgelehnt,
    testing::Values(Fehlerfall{"ExponentUeber14", "x^15", nichtLesbar},
                    Fehlerfall{"FuehrendeNullImExponent", "x^02", nichtLesbar},
                    Fehlerfall{"ZweiDezimalpunkte", "2.5.1x", nichtLesbar},
                    Fehlerfall{"KoeffizientNachPotenz", "x^2x", nichtLesbar},
                    Fehlerfall{"PotenzEinerFunktion", "f^2", nichtLesbar},
                    Fehlerfall{"PlusInKlammer", "(+x)", nichtLesbar},
                    Fehlerfall{"LeerzeichenVorKlammer", "2 (x+1)", nichtLesbar},
                    Fehlerfall{"PotenzEinerZahl", "(x+1)*2^3", nichtLesbar},
                    Fehlerfall{"ZweistelligerKlammerexponent", "(x-1)^12", nichtLesbar},
                    Fehlerfall{"KlammerMitPunktZahl", "(x+1).5", nichtLesbar},
                    Fehlerfall{"KlammerOffen", "(x+1", klammerfehler},
                    Fehlerfall{"KlammerZu", "x+1)", klammerfehler},
                    // Characters outside the alphabet are refused rather than dropped silently.
                    Fehlerfall{"GrossesX", "3X", nichtLesbar},
                    Fehlerfall{"UnbekannteFunktion", "2a", nichtLesbar},
                    Fehlerfall{"Umlaut", "2ä", nichtLesbar},
                    Fehlerfall{"MehrbuchstabigerName", "akt+1", nichtLesbar},
                    Fehlerfall{"PlatzhalterzeichenImText", "x+\u1000", nichtLesbar},
                    // A caret at the very end is no power.
                    Fehlerfall{"DachAmEnde", "(x+1)^", nichtLesbar},
                    Fehlerfall{"DachUndLeerzeichenAmEnde", "(x+1)^ ", nichtLesbar},
                    Fehlerfall{"XDachAmEnde", "x^", nichtLesbar},
                    Fehlerfall{"LeereKlammer", "()", nichtLesbar},
                    Fehlerfall{"LeereKlammerHoch", "()^2", nichtLesbar},
                    Fehlerfall{"LeereKlammerImProdukt", "2*()+x", nichtLesbar},
                    Fehlerfall{"NurPunkt", ".", nichtLesbar},
                    // 32 brackets or function names at once need more placeholders than there are.
                    Fehlerfall{"ZuVieleKlammern", "(1)" + mal(31, "+(1)"), nichtLesbar},
                    Fehlerfall{"ZuVieleFunktionsnamen", "f" + mal(31, "+f"), nichtLesbar},
                    Fehlerfall{"NeunteKlammerpotenzenOhneEnde", "(1)^9*(2)^9*(3)^9*(4)^9",
                               nichtLesbar},
                    // Numbers beyond the range of a double, or products of them, are no polynomial.
                    Fehlerfall{"ZahlUnendlich", std::string(400, '9') + "x", nichtLesbar},
                    Fehlerfall{"ProduktUnendlich", "((10000000000)^9)^9", nichtLesbar},
                    // Inputs and powers of powers beyond the length any term may reach.
                    Fehlerfall{"UeberlangeEingabe", "1" + mal(3000, "+1"), nichtLesbar},
                    Fehlerfall{"ExplodierendeVerschachtelung",
                               "((((((((((x)^9)^9)^9)^9)^9)^9)^9)^9)^9)^9", nichtLesbar}),
    [](const testing::TestParamInfo<Fehlerfall>& fall) { return std::string(fall.param.name); });

// Printed polynomials land in the input field (choosing a function as the current one) and
// are read again, also while a function e is stored: every printed form must read back as
// the polynomial it shows.
TEST(Termleser, GedruckteTexteLesenSichZurueck) {
  Funktionsliste mitE;
  mitE["e"] = teile(Polynom{7.0});
  const Polynom polynome[] = {Polynom{1, 0, 1e-5},
                              Polynom{-1.5e-7, 1},
                              Polynom{},
                              Polynom{1},
                              Polynom{-1},
                              Polynom{0, -1, 0, 1},
                              Polynom{2.5, -3, 0, 1e17},
                              Polynom{-1e300, 0, 1e-4},
                              Polynom{-2, -2, 2},
                              Polynom{0.123456789, -98765.4321},
                              Polynom(koeffizienten(std::vector<double>(15, -3e-5)))};
  for (int dezimalen : {1, 2, 3, 6, 8}) {
    for (const Polynom& p : polynome) {
      const std::string text = polynomString(p, dezimalen);
      const Termergebnis e = term2Polynom("0+" + text, mitE);
      ASSERT_TRUE(e.ok) << text;
      // The text read back is the polynomial shown: it prints as the same text, of the
      // same degree (a leading coefficient is never rounded away).
      EXPECT_EQ(polynomString(e.p, dezimalen), text);
      EXPECT_EQ(e.p.grad2(), p.grad2()) << text;
    }
    for (double a : {0.0, 1.5, -2e-5, 3e-8, 1e20}) {
      const std::string text = linPol(a, dezimalen);
      const Termergebnis e = term2Polynom("0+" + text, mitE);
      ASSERT_TRUE(e.ok) << text;
      EXPECT_EQ(e.p.koeff, Polynom({-runden(a, dezimalen), 1}).koeff) << text;
    }
  }
}

}  // namespace
}  // namespace quarvel
