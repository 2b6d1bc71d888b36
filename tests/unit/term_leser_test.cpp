#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/polynomtext.h"
#include "model/zahltext.h"
#include "term/termleser.h"

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

struct Lesefall {
  const char* name;
  const char* getippt;
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
        // 3x^2 - 2(x^2 + 2x + 1) + x
        Lesefall{"BeispielMitFunktion", "3x^2-2(x+1)^2+f", {-2, -3, 1}},
        Lesefall{"FuehrendesMinus", "-x", {0, -1}},
        Lesefall{"DoppeltesMinusWirdPlus", "x^3--x", {0, 1, 0, 1}},
        Lesefall{"Dezimalkomma", "2,5x", {0, 2.5}},
        Lesefall{"Dezimalpunkt", "0.5x^14", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5}},
        Lesefall{"XVorZifferWirdProdukt", "x2", {0, 2}},
        Lesefall{"SternAmEndeMalEins", "2x*", {0, 2}},
        Lesefall{"PlusAmEndePlusNull", "2x+", {0, 2}},
        Lesefall{"KlammerHochDrei", "(x-1)^3", {-1, 3, -3, 1}},
        Lesefall{"MinusVorKlammerpotenz", "-(x-1)^2", {-1, 2, -1}},
        Lesefall{"VerschachteltePotenz", "((x+1)^2)^3", {1, 6, 15, 20, 15, 6, 1}},
        Lesefall{"FunktionInKlammerpotenz", "2(f+1)^2", {2, 4, 2}},
        Lesefall{"KlammerVorPotenzVonX", "(x+1)x^2", {0, 0, 1, 1}},
        Lesefall{"LeerzeichenFallenWeg", "3x^2+ 2x", {0, 2, 3}},
        Lesefall{"HoechsterGrad", "x^14", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        // The caret without a digit reads as the first power: x^1 - 2.
        Lesefall{"DachOhneZifferErstePotenz", "x^-2", {-2, 1}},
        Lesefall{"KlammerMalKlammer", "(x+1)(x-1)", {-1, 0, 1}},
        Lesefall{"KlammerVorZiffer", "(x+1)2", {2, 2}}, Lesefall{"XMalX", "xx", {0, 0, 1}},
        Lesefall{"MinusNachStern", "3*-x", {0, -3}},
        Lesefall{"MinusInKlammer", "(-x)^2", {0, 0, 1}},
        Lesefall{"ZifferVorFunktion", "2f-g", {1, 2, -1}},
        Lesefall{"MinusVorFunktion", "-g", {1, 0, -1}},
        Lesefall{"FunktionMalFunktion", "f*g", {0, -1, 0, 1}},
        Lesefall{"KlammerpotenzNull", "2*(x-1)^0", {2}},
        Lesefall{"KlammerpotenzEins", "(x-1)^1", {-1, 1}},
        Lesefall{"ZahlOhneVorkomma", ".5x", {0, 0.5}}, Lesefall{"ZahlOhneNachkomma", "3.x", {0, 3}},
        Lesefall{"NegativeDezimalzahl", "-0.5", {-0.5}}, Lesefall{"PotenzNullVonX", "x^0", {1}},
        Lesefall{"Grad7MalGrad7", "x^7*x^7", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        Lesefall{"TiefeKlammern", "((((x))))", {0, 1}}, Lesefall{"LeererTermIstNull", "", {}},
        // A trailing sign gets the operand 0.
        Lesefall{"NurPlusIstNull", "+", {}},
        // Blanks between a caret and its digit are passed over.
        Lesefall{"DachLeerzeichenZiffer", "x^ 2", {0, 0, 1}},
        Lesefall{"LeerzeichenUmDach", "3 x ^ 2", {0, 0, 3}},
        Lesefall{"KlammerDachLeerzeichen", "(x+1)^ 2", {1, 2, 1}},
        Lesefall{"TabulatorFaelltWeg", "x\t+1", {1, 1}},
        // Coefficients below 1e-15 come back as exactly zero.
        Lesefall{"WinzigeKoeffizientenWerdenNull", "0.0000000000000001x+1", {1}},
        Lesefall{"ZuKleinFuerDouble",
                 "0.0000000000000000000000000000000000000000000000000000000000000000000000000"
                 "0000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "0000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "0000000000000000000000000000000000000000000000000000000000000000000000000000"
                 "00000000000000001x+1",
                 {1}},
        // Thirty constant brackets need thirty placeholders at once; there are 31.
        Lesefall{"DreissigKlammern",
                 "(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)"
                 "+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)",
                 {30}},
        // Nested powers of a constant: 2^81.
        Lesefall{"PotenzDerPotenzEinerZahl", "((2)^9)^9", {2417851639229258349412352.0}}),
    [](const testing::TestParamInfo<Lesefall>& fall) { return std::string(fall.param.name); });

struct Fehlerfall {
  const char* name;
  const char* getippt;
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
    testing::Values(
        Fehlerfall{"ExponentUeber14", "x^15", nichtLesbar},
        Fehlerfall{"NegativExponentUeber14", "-x^15", nichtLesbar},
        Fehlerfall{"FuehrendeNullImExponent", "x^02", nichtLesbar},
        Fehlerfall{"ZweiDezimalpunkte", "2.5.1x", nichtLesbar},
        Fehlerfall{"KoeffizientNachPotenz", "x^2x", nichtLesbar},
        Fehlerfall{"PotenzEinerFunktion", "f^2", nichtLesbar},
        Fehlerfall{"PlusInKlammer", "(+x)", nichtLesbar},
        Fehlerfall{"LeerzeichenVorKlammer", "2 (x+1)", nichtLesbar},
        Fehlerfall{"PotenzEinerZahl", "(x+1)*2^3", nichtLesbar},
        Fehlerfall{"ZweistelligerKlammerexponent", "(x-1)^12", nichtLesbar},
        Fehlerfall{"KlammerMitPunktZahl", "(x+1).5", nichtLesbar},
        Fehlerfall{"GradUeberschritten", "x^8*x^8", nichtLesbar},
        Fehlerfall{"KlammernVertauscht", "(x+1))(", klammerfehler},
        Fehlerfall{"KlammerOffen", "(x+1", klammerfehler},
        Fehlerfall{"KlammerZu", "x+1)", klammerfehler},
        // Characters outside the alphabet are refused rather than dropped silently.
        Fehlerfall{"Bruchstrich", "1/3x", nichtLesbar}, Fehlerfall{"GrossesX", "3X", nichtLesbar},
        Fehlerfall{"UnbekannteFunktion", "2a", nichtLesbar},
        Fehlerfall{"Umlaut", "2ä", nichtLesbar},
        Fehlerfall{"MehrbuchstabigerName", "akt+1", nichtLesbar},
        Fehlerfall{"PlatzhalterzeichenImText", "x+\u1000", nichtLesbar},
        // A caret at the very end is no power.
        Fehlerfall{"DachAmEnde", "(x+1)^", nichtLesbar},
        Fehlerfall{"DachUndLeerzeichenAmEnde", "(x+1)^ ", nichtLesbar},
        Fehlerfall{"XDachAmEnde", "x^", nichtLesbar}, Fehlerfall{"LeereKlammer", "()", nichtLesbar},
        Fehlerfall{"LeereKlammerHoch", "()^2", nichtLesbar},
        Fehlerfall{"LeereKlammerImProdukt", "2*()+x", nichtLesbar},
        Fehlerfall{"NurPunkt", ".", nichtLesbar},
        // 32 brackets at once need more placeholders than there are.
        Fehlerfall{"ZuVielePlatzhalter",
                   "(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)"
                   "+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)+(1)",
                   nichtLesbar},
        Fehlerfall{"NeunteKlammerpotenzenOhneEnde", "(1)^9*(2)^9*(3)^9*(4)^9", nichtLesbar},
        // Numbers beyond the range of a double, or products of them, are no polynomial.
        Fehlerfall{"ProduktUnendlich", "((10000000000)^9)^9", nichtLesbar},
        // Powers of powers grow beyond the length any term may reach.
        Fehlerfall{"ExplodierendeVerschachtelung", "((((((((((x)^9)^9)^9)^9)^9)^9)^9)^9)^9)^9",
                   nichtLesbar}),
    [](const testing::TestParamInfo<Fehlerfall>& fall) { return std::string(fall.param.name); });

// Printed polynomials land in the input field (choosing a function as the current one) and
// are read again, also while a function e is stored: every printed form must read back as
// the polynomial it shows.
TEST(Termleser, GedruckteTexteLesenSichZurueck) {
  Funktionsliste mitE;
  mitE["e"] = teile(Polynom{7.0});
  const Polynom polynome[] = {
      Polynom{1, 0, 1e-5},
      Polynom{-1.5e-7, 1},
      Polynom{},
      Polynom{1},
      Polynom{-1},
      Polynom{0, -1, 0, 1},
      Polynom{2.5, -3, 0, 1e17},
      Polynom{-1e300, 0, 1e-4},
      Polynom{-2, -2, 2},
      Polynom{0.123456789, -98765.4321},
      Polynom(koeffizienten(std::vector<double>(15, -3e-5))),
  };
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

TEST(Termleser, GradUeberschreitungHinterlaesstMeldung) {
  const Termergebnis e = lies("x^8*x^8");
  EXPECT_FALSE(e.ok);
  EXPECT_EQ(e.testString, "Maximalgrad  wurde überschritten, bitte Eingabe-Term korrigieren!");
}

TEST(Termleser, OhneGespeicherteFunktionIstDerNameUnbekannt) {
  const Termergebnis e = term2Polynom("0+2f", {});
  EXPECT_FALSE(e.ok);
  EXPECT_EQ(e.meldung, "Term in dieser Form nicht zu verarbeiten!");
}

// Numbers beyond a double and inputs beyond the length bound are refused, not misread.
TEST(Termleser, UeberlangeEingabenWerdenAbgelehnt) {
  std::string lang = "1";
  for (int i = 0; i < 3000; ++i) lang += "+1";
  for (const std::string& getippt : {std::string(400, '9') + "x", lang}) {
    const Termergebnis e = lies(getippt);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.meldung, nichtLesbar);
  }
}

TEST(Termleser, FunktionsnamenBrauchenJeEinenPlatzhalter) {
  std::string summe = "f";
  for (int i = 1; i < 31; ++i) summe += "+f";
  const Termergebnis genug = lies(summe);
  ASSERT_TRUE(genug.ok);
  EXPECT_EQ(genug.p.koeff[1], 31.0);
  EXPECT_FALSE(lies(summe + "+f").ok);
}

TEST(Termleser, GespeicherteFunktionBleibtUnberuehrt) {
  const Funktionsliste liste = gespeicherteFunktionen();
  const Koeffizienten vorher = liste.at("f")->koeff;
  ASSERT_TRUE(term2Polynom("0+f*f+3f", liste).ok);
  EXPECT_EQ(liste.at("f")->koeff, vorher);
}

// The long benchmark term against the same polynomial built with the polynomial operations.
TEST(Termleser, LangerTermGleichDerRechnung) {
  const Polynom x{0.0, 1.0};
  const Polynom eins{1.0};
  const auto zahl = [](double c) { return Polynom{c}; };
  const auto hoch = [&](const Polynom& p, int n) {
    Polynom ergebnis = eins;
    for (int i = 0; i < n; ++i) ergebnis = ergebnis * p;
    return ergebnis;
  };
  const auto xh = [&](int n) { return hoch(x, n); };
  const Polynom f = x;
  const Polynom g = xh(2) - eins;
  const Polynom erwartet =
      3.0 * xh(2) - 2.0 * hoch(x + eins, 2) + hoch(hoch(x - eins, 2) + 2.0 * x, 3) -
      hoch(0.5 * xh(3) - 2.0 * x + eins, 2) * hoch(x + eins, 3) + f * hoch(g - eins, 2) -
      hoch(hoch(2.0 * x + eins, 2) - hoch(x - zahl(3), 2), 2) +
      hoch(hoch(hoch(x + zahl(2), 2) - eins, 2) + zahl(3), 2) - hoch(1.5 * x - zahl(0.5), 5) +
      hoch((x - eins) * (x + eins), 3) +
      hoch((xh(2) - 3.0 * x + zahl(2)) * (xh(2) + 3.0 * x - zahl(2)) - hoch(x - eins, 2), 2) +
      7.0 * xh(14) - 3.0 * xh(13) + 2.25 * xh(12) - 0.125 * xh(11) + 4.0 * xh(10) - xh(9) + xh(8) -
      hoch(-1.0 * (x - zahl(2)), 2) + hoch(x + eins, 8) + 0.75 * xh(3) - 2.5 * xh(5) +
      1.25 * xh(7) - xh(6) + 3.5 * xh(4) - 12.5 * x + zahl(7.25) - 2.0 * x + 4.5 * xh(3) -
      0.5 * xh(2) + 6.0 * x;
  const Termergebnis e = lies(
      "3x^2-2(x+1)^2+((x-1)^2+2x)^3-(0,5x^3-2x+1)^2*(x+1)^3+f*(g-1)^2-((2x+1)^2-(x-3)^2)^2"
      "+(((x+2)^2-1)^2+3)^2-(1,5x-0,5)^5+((x-1)(x+1))^3+((x^2-3x+2)(x^2+3x-2)-(x-1)^2)^2"
      "+7x^14-3x^13+2,25x^12-0,125x^11+4x^10-x^9+x^8-(-(x-2))^2+(((x+1)^2)^2)^2+0,75x^3"
      "-2,5x^5+1,25x^7-x^6+3,5x^4-12,5x+7,25-x2+4,5x^3-0,5x^2+6x");
  ASSERT_TRUE(e.ok) << e.meldung;
  for (int i = 0; i < anzahlKoeffizienten; ++i) {
    EXPECT_NEAR(e.p.koeff[i], erwartet.koeff[i], 1e-9) << "x^" << i;
  }
}

}  // namespace
}  // namespace quarvel
