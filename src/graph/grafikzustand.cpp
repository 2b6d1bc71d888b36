#include "graph/grafikzustand.h"

#include <algorithm>

#include "analysis/kritischestellen.h"
#include "graph/rahmen.h"

namespace quarvel {

Grenzen rahmenVon(const Polynom& p, int dezimalen) {
  return istBrauchbarerRahmen(p.grenzen) ? p.grenzen : polyDatenX(p, dezimalen);
}

void neuF(Grafikzustand& g, const Objektlisten& listen, const Polynom& akt, int dezimalen) {
  g.neuG = true;
  switch (g.grafikDim) {
    case GrafikDimension::aktuell:
      g.fuRahmen = rahmenVon(akt, dezimalen);
      break;
    case GrafikDimension::nominal:
      if (const auto f = listen.fuListe().find(g.letzterFname); f != listen.fuListe().end()) {
        g.fuRahmen = rahmenVon(*f->second, dezimalen);
      } else if (const auto s = listen.spListe().find(g.letzterFname);
                 s != listen.spListe().end()) {
        g.fuRahmen = s->second->grenzen;
      } else {
        g.fuRahmen = allFuGrenzen(listen, dezimalen);
      }
      break;
    case GrafikDimension::allfunktional:
      g.fuRahmen = allFuGrenzen(listen, dezimalen);
      break;
  }
}

void neuP(Grafikzustand& g, const Objektlisten& listen) {
  Grenzen r;
  for (const auto& [_, p] : listen.pktListe()) {
    if (!p->aktiv) continue;
    r.links = std::min(r.links, p->x());
    r.rechts = std::max(r.rechts, p->x());
    r.unten = std::min(r.unten, p->y());
    r.oben = std::max(r.oben, p->y());
  }
  if (r.links == r.rechts) r.rechts += 1;
  if (r.unten == r.oben) r.oben += 1;
  g.pRahmen = r;
  g.neuG = true;
}

}  // namespace quarvel
