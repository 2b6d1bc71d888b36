#include "app/listenpflege.h"

#include "analysis/kritischestellen.h"
#include "model/utf8.h"

namespace quarvel {

void fuEinlisten(Zustand& z, const std::string& name, const PolynomRef& p) {
  p->grenzen = polyDatenX(*p, z.dezimalen);
  p->sichtbar = true;
  p->kritPunkte.clear();
  for (double x : erzeugeKritStellenListe(*p, z.dezimalen)) p->kritPunkte.push_back({x, p->wert(x)});
  p->name = name;
  z.listen.fuListe[name] = p;
  z.listen.fuNamen.erase(name);
  neuF(z);
}

void fuAuslisten(Zustand& z, const std::string& name) {
  if (z.listen.fuListe.erase(name) == 0) return;
  const auto zeichen = codepunkte(name);
  if (zeichen.size() == 1 && istKleinbuchstabe(zeichen.front())) z.listen.fuNamen.insert(name);
}

void pktEinlisten(Zustand& z, const std::string& name, const PunktRef& p) {
  z.listen.pktListe[name] = p;
  z.listen.punktNamen.erase(name);
  neuF(z);
}

void pktAuslisten(Zustand& z, const std::string& name) {
  z.listen.pktListe.erase(name);
  z.listen.punktNamen.insert(name);
  neuP(z);
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
