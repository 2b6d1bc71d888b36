#include "app/splinepflege.h"

#include "app/listenpflege.h"

namespace quarvel {

void splineEinlisten(Zustand& z, const std::string& name, const SplineRef& s) {
  s->name = name;
  z.listen.spListe[name] = s;
  z.listen.fuNamen.erase(name);
  neuF(z);
}

void splineAuslisten(Zustand& z, const std::string& name) {
  z.listen.spListe.erase(name);
  z.listen.fuNamen.insert(name);
  neuF(z);
}

std::size_t splinelisteLeeren(Zustand& z) {
  const std::size_t anzahl = z.listen.spListe.size();
  for (const auto& [name, _] : z.listen.spListe) z.listen.fuNamen.insert(name);
  z.listen.spListe.clear();
  // The deleted splines' extents must leave the function frame too.
  neuF(z);
  return anzahl;
}

}  // namespace quarvel
