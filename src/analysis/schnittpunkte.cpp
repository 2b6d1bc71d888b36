#include "analysis/schnittpunkte.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "analysis/nullstellen.h"
#include "analysis/vorzeichentabelle.h"
#include "model/schultext.h"

namespace quarvel {

namespace {

// A coefficient of f − g this small against those of f and g is the rounding error of
// equal coefficients read or computed in different ways.
constexpr double relativeGleichheit = 1e-12;

Polynom differenz(const Polynom& f, const Polynom& g) {
  Polynom d = f.nurKoeffizienten() - g.nurKoeffizienten();
  for (std::size_t i = 0; i < d.koeff.size(); ++i) {
    const double massstab = std::max(std::abs(f.koeff[i]), std::abs(g.koeff[i]));
    if (std::abs(d.koeff[i]) <= relativeGleichheit * massstab) d.koeff[i] = 0.0;
  }
  return d;
}

bool positivBei(const Polynom& d, double x) {
  return d.wert(x) > 0;
}

}  // namespace

Schnittpunkte schnittpunkte(const Polynom& f, const Polynom& g, int dezimalen) {
  const Polynom d = differenz(f, g);
  if (d.grad2() < 0) return {true, {}};
  Schnittpunkte s;
  const std::vector<double> xs = nullstMenge(d, dezimalen);
  for (std::size_t i = 0; i < xs.size(); ++i) {
    // No other root lies between a root and these probes, so the sign there is the sign
    // on that side.
    const bool links = positivBei(d, intervallMitte(xs, i));
    const bool rechts = positivBei(d, intervallMitte(xs, i + 1));
    s.punkte.push_back({xs[i], f.wert(xs[i]), links == rechts});
  }
  return s;
}

std::string schnittpunkteText(const Schnittpunkte& s, const std::string& fName,
                              const std::string& gName, Zahlformat format) {
  const std::string graphen = "Die Graphen von " + fName + " und " + gName;
  if (s.identisch) return graphen + " sind identisch: Sie haben alle Punkte gemeinsam.";
  if (s.punkte.empty()) return graphen + " schneiden und berühren sich nicht.";
  std::string text = "Gemeinsame Punkte der Graphen von " + fName + " und " + gName +
                     " (Nullstellen von " + fName + "(x) - " + gName + "(x)):\n\n";
  for (std::size_t i = 0; i < s.punkte.size(); ++i) {
    const Schnittpunkt& p = s.punkte[i];
    text += " " + schulPunkt("S" + tiefgestellt(static_cast<int>(i) + 1), p.x, p.y, format) +
            (p.beruehrpunkt ? "  Berührpunkt" : "") + "\n";
  }
  return text;
}

}  // namespace quarvel
