#include "points/punktauswahl.h"

#include "term/zeichen.h"

namespace quarvel {

std::string punktName(const Punktliste& punkte, double x, double y) {
  std::string name = "?";
  double bester = 1.0;
  const Punkt ort{x, y, 0, 0};
  for (const auto& [n, p] : punkte) {
    const double d = p->dist(ort);
    if (d < bester) {
      bester = d;
      name = n;
    }
  }
  return name;
}

bool istIntervall(std::string_view s) {
  const auto teile = gehackterString2Stringfeld(s);
  if (teile.size() != 2) return false;
  const auto a = alsZahl(teile[0]);
  const auto b = alsZahl(teile[1]);
  return a && b && *b > *a;
}

std::pair<double, double> entpacke(std::string_view s) {
  const auto teile = gehackterString2Stringfeld(s);
  if (teile.size() != 2) return {0, 0};
  return {alsZahl(teile[0]).value_or(0), alsZahl(teile[1]).value_or(0)};
}

}  // namespace quarvel
