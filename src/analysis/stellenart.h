#pragma once

#include <span>
#include <vector>

#include "analysis/nullstellen.h"
#include "model/polynom.h"

namespace quarvel {

enum class Extremum { keins, hochpunkt, tiefpunkt };
// Change of curvature at an inflection or saddle point: from turning right to turning left
// ("r-l-") or the other way ("l-r-").
enum class Kruemmungswechsel { keiner, rechtsLinks, linksRechts };

// What a critical position of p is. Decided on the unsnapped position from which
// derivatives vanish there (membership in their root sets), never on rounded values, so
// the answer is the same at any number of decimals and for every multiple c·p.
struct Stellenart {
  bool nullstelle = false;
  bool stationaer = false;  // p' vanishes
  Extremum extremum = Extremum::keins;
  // An inflection point; a saddle point when also stationary.
  Kruemmungswechsel wechsel = Kruemmungswechsel::keiner;
  // p'' vanishes without changing sign and nothing else holds: a flat point.
  bool flachpunkt() const {
    return !nullstelle && extremum == Extremum::keins && wechsel == Kruemmungswechsel::keiner;
  }
  bool operator==(const Stellenart&) const = default;
};

struct KritischeStelle {
  double x = 0;    // as shown: snapped to the decimals, values below 1e-7 cleared
  double roh = 0;  // unsnapped, where the kind is decided
  Stellenart art;
};

// The roots, unsnapped and shown, of p and of all its derivatives up to the constant one.
std::vector<Nullstellen> nullstellenAllerAbleitungen(const Polynom& p, int dezimalen);

// Whether an unsnapped position lies on one of the unsnapped roots n. The root finder
// gives a multiple root the same unsnapped position in each derivative it belongs to;
// simple roots are accurate far below the bisection width, which serves as the tolerance.
bool liegtAufNullstelle(const Nullstellen& n, double roh);

// The critical positions of p as they are described and lettered: the roots of p, p' and
// p'' ascending, each position within 0.0001 of the last one kept left out.
std::vector<KritischeStelle> kritischeStellen(const Polynom& p, int dezimalen);
// The same from the roots of nullstellenAllerAbleitungen(p).
std::vector<KritischeStelle> kritischeStellen(const Polynom& p, std::span<const Nullstellen> alle);

// The kind of p at x, for x a critical position of p.
Stellenart stellenart(const Polynom& p, double x, int dezimalen);

}  // namespace quarvel
