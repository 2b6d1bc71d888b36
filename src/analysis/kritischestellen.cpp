#include "analysis/kritischestellen.h"

#include <algorithm>
#include <cmath>

#include "analysis/nullstellen.h"
#include "model/toleranz.h"
#include "model/zahltext.h"

namespace quarvel {

namespace {

// Roots of p, p' and p'' from one pass down the derivative chain.
std::vector<std::vector<double>> nullstellen012(const Polynom& p, int dezimalen) {
  return nullstellenDerAbleitungen(p, 3, dezimalen);
}

void umfasse(Grenzen& g, const Grenzen& weitere) {
  g.links = std::min(g.links, weitere.links);
  g.rechts = std::max(g.rechts, weitere.rechts);
  g.unten = std::min(g.unten, weitere.unten);
  g.oben = std::max(g.oben, weitere.oben);
}

}  // namespace

std::vector<double> erzeugeKritStellenListe(const Polynom& p0, int dezimalen) {
  return kritStellenAusNullstellen(nullstellen012(p0, dezimalen));
}

std::vector<double> kritStellenAusNullstellen(std::span<const std::vector<double>> nullstellen012) {
  std::vector<double> stellen;
  for (const auto& nullstellen : nullstellen012.first(3)) {
    for (double x : nullstellen) stellen.push_back(pur(x));
  }
  std::sort(stellen.begin(), stellen.end());
  return reinigeFeld(stellen);
}

Grenzen polyDatenX(const Polynom& p0, int dezimalen) {
  const auto n = nullstellen012(p0, dezimalen);
  Grenzen g;  // the origin is always inside
  const auto hoeheUmfassen = [&](double x) {
    const double y = p0.wert(x);
    g.unten = std::min(g.unten, y);
    g.oben = std::max(g.oben, y);
  };
  for (double x : n[0]) hoeheUmfassen(x);
  for (const auto& stellen : n) {
    if (stellen.empty()) continue;
    g.links = std::min(g.links, stellen.front());
    g.rechts = std::max(g.rechts, stellen.back());
  }
  for (double x : n[1]) hoeheUmfassen(x);
  for (double x : n[2]) hoeheUmfassen(x);

  if (std::abs(g.rechts - g.links) < 0.1) {
    g.links -= 1;
    g.rechts += 1;
  }
  const double rand = (g.rechts - g.links) / 256;
  g.rechts += rand;
  g.links -= rand;
  // The curve at the widened ends belongs to the picture as well.
  g.unten = std::min({g.unten, p0.wert(g.links), p0.wert(g.rechts)});
  g.oben = std::max({g.oben, p0.wert(g.links), p0.wert(g.rechts)});
  if (std::abs(g.oben - g.unten) < 0.1) {
    g.unten -= 0.2;
    g.oben += 0.2;
  }
  return g;
}

Grenzen allFuGrenzen(const Objektlisten& listen, int dezimalen) {
  Grenzen g;
  for (const auto& [name, p] : listen.fuListe()) {
    if (p->sichtbar) umfasse(g, polyDatenX(*p, dezimalen));
  }
  for (const auto& [name, s] : listen.spListe()) {
    if (s->sichtbar) umfasse(g, s->grenzen);
  }
  return g;
}

Wertebereich extremaImIntervall(const Polynom& p, double von, double bis, int dezimalen) {
  Wertebereich w{std::min(p.wert(von), p.wert(bis)), std::max(p.wert(von), p.wert(bis))};
  for (double x : nullstMenge(p.abl(), dezimalen)) {
    if (von < x && x < bis) {
      w.lo = std::min(p.wert(x), w.lo);
      w.hi = std::max(p.wert(x), w.hi);
    }
  }
  return w;
}

}  // namespace quarvel
