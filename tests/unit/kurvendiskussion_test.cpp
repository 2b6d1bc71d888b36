#include "analysis/kurvendiskussion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testpolynome.h"

namespace quarvel {
namespace {

// The everyday descriptions are checked word for word end to end (analyse_beschreibung,
// analyse_beschreibung_sonderfaelle); here stand the cases no script reaches.
TEST(Kurvendiskussion, EnthaeltDieErwartetenSaetze) {
  struct Fall {
    Polynom p;
    std::vector<std::string> enthalten;
    std::vector<std::string> fehlend = {};
  };
  const Fall faelle[] = {
      {Polynom{0, 0, 0, -1},
       {"Er kommt  linksdrehend aus dem positiven Unendlichen. ",
        "ist ein Nullpunkt und l-r-Sattelpunkt. ",
        "Der Graph strebt  rechtsdrehend ins negative Unendliche."}},
      {Polynom{0, 0, -1},
       {"Er kommt  rechtsdrehend aus dem negativen Unendlichen. ",
        "Der Graph strebt  rechtsdrehend ins negative Unendliche."}},
      {Polynom{1, 0, 0, 0, 0, 0.5},
       {"Er kommt  rechtsdrehend aus dem negativen Unendlichen. ",
        "Der Graph strebt  linksdrehend ins positive Unendliche."}},
      {Polynom{0, 0, 0, 0, -1}, {"A (0.0 | 0.0)) ist ein Nullpunkt und Hochpunkt. "}},
      {Polynom{1, 0, 0, 0, 1}, {"Symmetrie zur Vertikalen durch (0.0; 0.0)"}},
      {Polynom{1, -4, 1}, {"Symmetrie zur Vertikalen durch (2.0; 0.0)"}},
      {Polynom{0, 1, 0, 0, 1}, {"Der Graph ist weder punkt- noch achsensymmetrisch."}},
      // Plain numbers, not rounded.
      {Polynom{1.0 / 3}, {"Punkt mit den Koordinaten (0, 0.3333333333333333)."}},
      // Positions 0, 0.00004, 0.00008, 0.00012: the middle two lie within 0.0001 of the first.
      {Polynom{0, 0, -0.00012, 1},
       {"A (0.0 | 0.0)) ist ein Nullpunkt und ", "\nB (0.0 | "},
       {"\nC ("}},
      // 39 positions letter on with A1, B1, … after Z, leaving out O. The values are in the
      // millions; the rounding noise of p' and p'' at their own roots must not hide the
      // maxima and inflection points.
      {test::vierzehnNullstellen(),
       {"\nZ (9.1 | ", "\nA1 (9.56 | -2023433.53)) ist ein Tiefpunkt. \n",
        "\nN1 (14.0 | 0.0)) ist ein Nullpunkt", "\nK (4.41 | 4381310.2)) ist ein Hochpunkt. \n",
        "\nW (8.03 | 115320.0)) ist ein l-r-Wendepunkt, "},
       {"\nO (", "\nP1 (", "Flachpunkt"}},
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
