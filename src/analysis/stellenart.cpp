#include "analysis/stellenart.h"

#include <algorithm>
#include <cmath>

#include "model/toleranz.h"

namespace quarvel {

namespace {

// Positions closer than this to the previous described one are not described again.
constexpr double gleicheStelle = 0.0001;

Stellenart artBei(const Polynom& p, std::span<const Nullstellen> alle, double roh) {
  const auto verschwindet = [&](std::size_t k) {
    return k < alle.size() && liegtAufNullstelle(alle[k], roh);
  };
  Stellenart art;
  art.nullstelle = verschwindet(0);
  art.stationaer = verschwindet(1);
  // The first derivative from the second on that does not vanish decides: an even order
  // makes an extremum where p' = 0, an odd one a change of curvature where p'' = 0.
  std::size_t ordnung = 2;
  while (verschwindet(ordnung)) ++ordnung;
  Polynom d = p.nurKoeffizienten();
  for (std::size_t k = 0; k < ordnung; ++k) d = d.abl();
  const bool positiv = d.wert(roh) >= 0;
  if (ordnung % 2 == 0) {
    if (art.stationaer) art.extremum = positiv ? Extremum::tiefpunkt : Extremum::hochpunkt;
  } else if (verschwindet(2)) {
    art.wechsel = positiv ? Kruemmungswechsel::rechtsLinks : Kruemmungswechsel::linksRechts;
  }
  return art;
}

}  // namespace

bool liegtAufNullstelle(const Nullstellen& n, double roh) {
  return std::any_of(n.roh.begin(), n.roh.end(), [roh](double r) { return istFastNull(r - roh); });
}

std::vector<Nullstellen> nullstellenAllerAbleitungen(const Polynom& p, int dezimalen) {
  return nullstellenMitRoh(p, std::max(p.grad2() + 1, 3), dezimalen);
}

std::vector<KritischeStelle> kritischeStellen(const Polynom& p, int dezimalen) {
  return kritischeStellen(p, nullstellenAllerAbleitungen(p, dezimalen));
}

std::vector<KritischeStelle> kritischeStellen(const Polynom& p, std::span<const Nullstellen> alle) {
  std::vector<KritischeStelle> kandidaten;
  for (const Nullstellen& n : alle.first(std::min<std::size_t>(3, alle.size()))) {
    for (std::size_t i = 0; i < n.gezeigt.size(); ++i) {
      kandidaten.push_back({pur(n.gezeigt[i]), n.roh[i], {}});
    }
  }
  std::stable_sort(kandidaten.begin(), kandidaten.end(),
                   [](const KritischeStelle& a, const KritischeStelle& b) { return a.x < b.x; });
  std::vector<KritischeStelle> stellen;
  double zuletztGeprueft = 0.0;
  for (const KritischeStelle& k : kandidaten) {
    // Near-duplicates (closer than 1e-7 to the last one kept) are one position; a position
    // within 0.0001 of the last described one is not described again.
    if (&k != &kandidaten.front() && istFastNull(k.x - zuletztGeprueft)) continue;
    zuletztGeprueft = k.x;
    if (!stellen.empty() && std::abs(stellen.back().x - k.x) <= gleicheStelle) continue;
    stellen.push_back({k.x, k.roh, artBei(p, alle, k.roh)});
  }
  return stellen;
}

Stellenart stellenart(const Polynom& p, double x, int dezimalen) {
  return artBei(p, nullstellenAllerAbleitungen(p, dezimalen), x);
}

}  // namespace quarvel
