#include <gtest/gtest.h>

#include <optional>

#include "app/feldwerte.h"
#include "model/zahltext.h"

namespace quarvel {
namespace {

// The one number reader under its rule sets, and the number field that falls back to 0.
TEST(Zahlen, EinLeserMitBenanntenRegeln) {
  constexpr std::nullopt_t nein = std::nullopt;
  struct Fall {
    const char* text;
    std::optional<double> frei, imTerm, ganz;
    double feld;
  };
  const Fall faelle[] = {
      {"2", 2.0, 2.0, 2.0, 2.0},
      {"-0.5", -0.5, -0.5, nein, -0.5},
      {"+3", 3.0, nein, 3.0, 3.0},
      {".5", 0.5, 0.5, nein, 0.5},
      {"3.", 3.0, 3.0, nein, 3.0},
      {"1e-3", 0.001, nein, nein, 0.001},
      {"1E+16", 1e16, nein, nein, 1e16},
      {"1e-05", 1e-5, nein, nein, 1e-5},
      // Too large is refused; too small reads as 0.
      {"1e400", nein, nein, nein, 0.0},
      {"1e-400", 0.0, nein, nein, 0.0},
      {"-1e-400", 0.0, nein, nein, 0.0},
      {"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
       "000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
       0.0, 0.0, nein, 0.0},
      {"99999999999999999999", 1e20, 1e20, 1e20, 1e20},
      // A German decimal comma only in the field, and only as the one separator.
      {"1,5", nein, nein, nein, 1.5},
      {"  -0,25 ", nein, nein, nein, -0.25},
      {"1.000,5", nein, nein, nein, 0.0},
      {"1,2,3", nein, nein, nein, 0.0},
      // Not numbers.
      {"", nein, nein, nein, 0.0},
      {"-", nein, nein, nein, 0.0},
      {"+", nein, nein, nein, 0.0},
      {".", nein, nein, nein, 0.0},
      {"1 5", nein, nein, nein, 0.0},
      {"1e", nein, nein, nein, 0.0},
      {".e5", nein, nein, nein, 0.0},
      {"0x10", nein, nein, nein, 0.0},
      {"inf", nein, nein, nein, 0.0},
      {"nan", nein, nein, nein, 0.0},
      {"+-5", nein, nein, nein, 0.0},
      {"1.2.3", nein, nein, nein, 0.0},
      {"2x", nein, nein, nein, 0.0},
      {"½", nein, nein, nein, 0.0},
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(alsZahl(f.text), f.frei) << f.text;
    EXPECT_EQ(alsZahl(f.text, zahlImTerm), f.imTerm) << f.text;
    EXPECT_EQ(alsZahl(f.text, ganzeZahl), f.ganz) << f.text;
    EXPECT_EQ(feldZahl(f.text), f.feld) << f.text;
  }
}

// A value the program writes into a field (f(x) into y) reads back unchanged, also in
// exponent form.
TEST(Zahlen, GeschriebeneWerteLesenSichZurueck) {
  for (double wert : {1e-5, -1.5e-7, 1e16, -2.5e300, 0.1, 123.456, -0.0001}) {
    EXPECT_EQ(feldZahl(zahlText(wert)), wert) << zahlText(wert);
  }
}

}  // namespace
}  // namespace quarvel
