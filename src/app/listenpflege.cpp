#include "app/listenpflege.h"

#include "analysis/kritischestellen.h"

namespace quarvel {

void fuEinlisten(Zustand& z, const std::string& name, const PolynomRef& p) {
  p->grenzen = polyDatenX(*p, z.dezimalen);
  p->sichtbar = true;
  p->kritPunkte.clear();
  for (double x : erzeugeKritStellenListe(*p, z.dezimalen))
    p->kritPunkte.push_back({x, p->wert(x)});
  z.listen.speichereFunktion(name, p);
  neuF(z);
}

void pktEinlisten(Zustand& z, const std::string& name, const PunktRef& p) {
  z.listen.speicherePunkt(name, p);
  neuF(z);
}

void pktAuslisten(Zustand& z, const std::string& name) {
  z.listen.entfernePunkt(name);
  neuP(z);
}

void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s) {
  z.listen.speichereSpline(name, s);
  neuF(z);
}

void splinelisteLeeren(Zustand& z) {
  z.listen.leereSplines();
  neuF(z);
}

void neuF(Zustand& z) {
  quarvel::neuF(z.grafik, z.listen, *z.akt, z.dezimalen);
  z.ui.neuZeichnen();
}

void neuP(Zustand& z) {
  quarvel::neuP(z.grafik, z.listen);
  z.ui.neuZeichnen();
}

}  // namespace quarvel
