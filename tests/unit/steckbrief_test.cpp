// Ordinary exercises, their worked solution and the refusal texts are compared by the
// konstruktion_steckbrief, begruendung_steckbrief and konstruktion_ablehnungen scripts; here:
// the boundaries of the construction and what a refusal returns.
#include "construction/steckbrief.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "konstruktionshilfen.h"
#include "testpolynome.h"

namespace quarvel {
namespace {

using test::bedingung;

std::vector<Punkt> parabelpunkte(int anzahl) {
  std::vector<Punkt> p;
  for (int i = 0; i < anzahl; ++i) p.push_back(bedingung(i, double(i) * i));
  return p;
}

// A refused construction returns the constant marker; each refusal below takes its own way.
TEST(Steckbrief, PolynomKleinstenGradesOderMarker) {
  struct Fall {
    const char* name;
    std::vector<Punkt> punkte;
    std::optional<Polynom> erwartet;  // none: refused
  };
  const std::optional<Polynom> abgelehnt;
  const Fall faelle[] = {
      {"one point gives the constant", {bedingung(2, 5)}, Polynom{5}},
      // The point field takes every point of the list.
      {"inactive points count too",
       {bedingung(0, 1), bedingung(1, 3, std::nullopt, std::nullopt, false)},
       Polynom{1, 2}},
      // Double roots at ±2 and f(0) = 4 with a level tangent: 0.25x^4 − 2x^2 + 4.
      {"even function of degree 4",
       {bedingung(0, 4, 0), bedingung(2, 0, 0), bedingung(-2, 0)},
       Polynom{4, 0, -2, 0, 0.25}},
      {"no points", {}, abgelehnt},
      // Two values and one curvature: ny + nz < 3 although there are three conditions.
      {"curvature without enough values",
       {bedingung(0, 1), bedingung(1, 2, std::nullopt, 3)},
       abgelehnt},
      {"same point twice: singular", {bedingung(1, 1), bedingung(1, 1)}, abgelehnt},
      {"fourteen conditions, the most allowed", parabelpunkte(14), Polynom{0, 0, 1}},
      {"fifteen conditions", parabelpunkte(15), abgelehnt},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Konstruktion k = pktListe2Polynom(genPunktfeld(test::punktliste(f.punkte)));
    ASSERT_EQ(k.ok, f.erwartet.has_value());
    if (k.ok) {
      test::erwarteGleich(k.p, *f.erwartet);
    } else {
      EXPECT_EQ(k.p.koeff, Polynom{markerUnloesbar}.koeff);
    }
  }
}

TEST(Steckbrief, SystemZeilenFolgenPunktenUndBedingungen) {
  // Point (2, 3) with slope 1 and curvature 4, then (0, 1): rows y, z, w, y.
  const Bedingungssystem b = punkte2Matrix({bedingung(2, 3, 1, 4), bedingung(0, 1)});
  ASSERT_TRUE(b.ok);
  ASSERT_EQ(b.system.rows, 4);
  EXPECT_EQ(b.system.grid,
            (std::vector<double>{1, 2, 4, 8, 3, 0, 1, 4, 12, 1, 0, 0, 2, 12, 4, 1, 0, 0, 0, 1}));
  // A refused system is the 1 × 2 zero matrix.
  EXPECT_FALSE(punkte2Matrix({}).ok);
  EXPECT_EQ(punkte2Matrix({}).system, Matrix(1, 2));
}

}  // namespace
}  // namespace quarvel
