#include "analysis/kurvendiskussion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testpolynome.h"

namespace quarvel {
namespace {

// The everyday descriptions are checked word for word end to end (analyse_beschreibung,
// analyse_beschreibung_sonderfaelle, analyse_genauigkeit), the positions and letters of
// (x - 1)…(x - 14) by analyse_kritische_punkte_eintragen; here stand the cases no script
// reaches.
TEST(Kurvendiskussion, EnthaeltDieErwartetenSaetze) {
  struct Fall {
    Polynom p;
    std::vector<std::string> enthalten;
    std::vector<std::string> fehlend = {};
  };
  const Fall faelle[] = {
      // Even degree with a negative lead: both ends below.
      {Polynom{0, 0, -1},
       {"Er kommt  rechtsdrehend aus dem negativen Unendlichen. ",
        "Der Graph strebt  rechtsdrehend ins negative Unendliche."}},
      // A root of multiplicity four is a flat extremum.
      {Polynom{0, 0, 0, 0, -1}, {"A (0.0 | 0.0)) ist ein Nullpunkt und Hochpunkt. "}},
      // Plain numbers, not rounded.
      {Polynom{1.0 / 3}, {"Punkt mit den Koordinaten (0, 0.3333333333333333)."}},
      // The values are in the millions; the rounding noise of p' and p'' at their own roots
      // must not hide the maxima and inflection points.
      {test::vierzehnNullstellen(),
       {"\nA1 (9.56 | -2023433.53)) ist ein Tiefpunkt. \n",
        "\nK (4.41 | 4381310.2)) ist ein Hochpunkt. \n",
        "\nW (8.03 | 115320.0)) ist ein l-r-Wendepunkt, ", "\nN1 (14.0 | 0.0)) ist ein Nullpunkt"},
       {"Flachpunkt"}},
  };
  for (const Fall& f : faelle) {
    const std::string text = kurvendiskussion2fu(f.p, 2);
    SCOPED_TRACE(text);
    for (const std::string& teil : f.enthalten)
      EXPECT_NE(text.find(teil), std::string::npos) << teil;
    for (const std::string& teil : f.fehlend) EXPECT_EQ(text.find(teil), std::string::npos) << teil;
  }
}

}  // namespace
}  // namespace quarvel
