// Ordinary interpolations, inactive points, points without an ordinate and the refusals of
// too few points or two values at one x are compared by the konstruktion_interpolation and
// konstruktion_ablehnungen scripts; more than 15 points by konstruktion_befehle_test.
#include "construction/interpolation.h"

#include <gtest/gtest.h>

#include <optional>

#include "konstruktionshilfen.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

using test::bedingung;
using test::punktliste;

TEST(Interpolation, Ergebnis) {
  struct Fall {
    const char* name;
    std::vector<Punkt> punkte;
    std::optional<Polynom> erwartet;  // none: refused
  };
  std::vector<Punkt> fuenfzehn;
  for (int i = -7; i <= 7; ++i) fuenfzehn.push_back(bedingung(i, i * i - 1.0));
  const Fall faelle[] = {
      {"fifteen points, the most a degree of 14 allows", fuenfzehn, Polynom{-1, 0, 1}},
      {"the list order does not matter",
       {bedingung(1, 1), bedingung(-1, 1), bedingung(0, 0)},
       Polynom{0, 0, 1}},
      {"the same point twice", {bedingung(1, 1), bedingung(1, 1), bedingung(2, 0)}, std::nullopt},
      {"the same x, not next to each other",
       {bedingung(1, 1), bedingung(2, 0), bedingung(1, 1)},
       std::nullopt},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Interpolation i = genInterpolPol(punktliste(f.punkte));
    ASSERT_EQ(i.ok, f.erwartet.has_value());
    EXPECT_FALSE(i.zuVielePunkte);
    if (i.ok) test::erwarteGleich(i.p, *f.erwartet);
  }
}

}  // namespace
}  // namespace quarvel
