#include "app/feldwerte.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "model/zahltext.h"

namespace quarvel {
namespace {

struct FeldFall {
  std::string name;
  std::string text;
  double wert;
};
void PrintTo(const FeldFall& fall, std::ostream* os) { *os << fall.name; }


class FeldZahl : public testing::TestWithParam<FeldFall> {};

TEST_P(FeldZahl, Wert) { EXPECT_EQ(feldZahl(GetParam().text), GetParam().wert); }

INSTANTIATE_TEST_SUITE_P(
    Faelle, FeldZahl,
    testing::Values(FeldFall{"Ganzzahl", "2", 2.0}, FeldFall{"Dezimalpunkt", "1.5", 1.5},
                    FeldFall{"Dezimalkomma", "1,5", 1.5},
                    FeldFall{"NegativMitLeerzeichenDrumherum", "  -0,25 ", -0.25},
                    FeldFall{"PlusZeichen", "+2", 2.0}, FeldFall{"Exponent", "1e3", 1000.0},
                    FeldFall{"OhneFuehrendeNull", ".5", 0.5},
                    // Anything that is not one number reads as 0.
                    FeldFall{"Leer", "", 0.0}, FeldFall{"NurLeerzeichen", "   ", 0.0},
                    FeldFall{"Wort", "abc", 0.0}, FeldFall{"ZahlMitText", "2x", 0.0},
                    FeldFall{"ZweiKommas", "1,2,3", 0.0},
                    FeldFall{"TausenderpunktUndKomma", "1.000,5", 0.0},
                    FeldFall{"LeerzeichenInDerZahl", "1 5", 0.0},
                    FeldFall{"Unendlich", "-inf", 0.0}, FeldFall{"KeineZahl", "nan", 0.0},
                    FeldFall{"ZuGross", "1e400", 0.0}, FeldFall{"NurMinus", "-", 0.0}),
    [](const auto& zeile) { return zeile.param.name; });

// A value the program writes into a field (f(x) into y) reads back unchanged, also in
// exponent form.
TEST(FeldZahl, GeschriebeneWerteLesenSichZurueck) {
  for (double wert : {1e-5, -1.5e-7, 1e16, -2.5e300, 0.1, 123.456, -0.0001}) {
    EXPECT_EQ(feldZahl(zahlText(wert)), wert) << zahlText(wert);
  }
}

}  // namespace
}  // namespace quarvel
